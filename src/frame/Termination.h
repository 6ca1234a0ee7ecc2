#pragma once
// SIGTERM, SIGINT and SIGHUP end the program as closing it does: the signal
// handler only writes a byte to a socket pair, and the event loop, reading
// the other end, quits the application. Whatever runs then ends cleanly
// (running simulations are ended and their temporary folders removed, from
// QCoreApplication::aboutToQuit) instead of dying in the middle.

namespace zeliro {

// Installs the handlers once for the run; later calls change nothing.
void quitOnTerminationSignals();

}  // namespace zeliro
