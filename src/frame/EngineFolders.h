#pragma once
// The temporary folders of nec2c runs. Each is named after the process that
// made it, by its process id and the moment the process started
// ("ZELIRO-nec-4242-1234567-XXXXXX" in the system's temporary folder), so that
// a folder left behind by a run that died with its program (killed, or the
// power cut) can be told from one that a running ZELIRO still uses. A run
// removes its own folder when it ends; the program removes the ones left by
// dead processes when it starts.

#include <QString>

namespace zeliro {

// The template of a new run folder (for QTemporaryDir), in `parent` (the
// system's temporary folder unless given).
QString engineFolderTemplate(const QString& parent = {});

// Removes every run folder in `parent` whose process is gone; how many.
int removeStaleEngineFolders(const QString& parent = {});

}  // namespace zeliro
