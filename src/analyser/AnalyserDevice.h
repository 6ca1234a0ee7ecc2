#pragma once
// One kind of analyser as the link speaks to it: a protocol over the serial
// port. The link owns the port and the clock; the device says what to send,
// reads what comes and decides when the sweep is done or what went wrong,
// all through the link (AnalyserLink's "for the devices" part). Each kind is
// a class of its own: the NanoVNA text shell (NanoVnaShell), the NanoVNA V2's
// binary registers (NanoVnaV2), the RigExpert AA (RigExpertAa).

#include <string>

namespace zeliro {

class AnalyserLink;

class AnalyserDevice {
public:
    explicit AnalyserDevice(AnalyserLink& link) : m_link(link) {}
    virtual ~AnalyserDevice() = default;
    AnalyserDevice(const AnalyserDevice&) = delete;
    AnalyserDevice& operator=(const AnalyserDevice&) = delete;

    // The port is open: the first command.
    virtual void begin() = 0;
    // Bytes came: take what makes a reply off the front of `received`.
    virtual void take(std::string& received) = 0;
    // The command's time ran out; `echoed` says whether the device had taken
    // it, `heard` whether it had sent anything since.
    virtual void timedOut(bool echoed, bool heard) = 0;
    // The link's pause() is over.
    virtual void waited() {}
    // What to send as the link lets go of a device that can still hear, so
    // that it is left as it was found (its range, its sweeping); empty if
    // nothing.
    virtual std::string farewell() const = 0;

protected:
    AnalyserLink& link() { return m_link; }
    const AnalyserLink& link() const { return m_link; }

private:
    AnalyserLink& m_link;
};

}  // namespace zeliro
