#pragma once
// How the design on display radiates: its pattern at each band's design
// frequency, and the study of the height to hang it at. Both take the
// results' design and options, so what they show belongs to the results; a
// run of either is one engine run a frequency (or a height), one process a
// core, like the sweeps.

#include "verify/SessionJob.h"

namespace zeliro {

class PatternJob : public SessionJob {
    Q_OBJECT
public:
    PatternJob(NecEngine& engine, Language language, const SweepResults& results);
    void start() override;
    Commits commit(Shown& shown) override;

private:
    void read(const NecEngine::Outcome& outcome);

    PatternResults m_pending;
};

class HeightJob : public SessionJob {
    Q_OBJECT
public:
    // The study's own refusal (free space) is `refusal()`, before it starts.
    HeightJob(NecEngine& engine, Language language, const SweepResults& results);
    const std::string& refusal() const { return m_study.error; }
    void start() override;
    Commits commit(Shown& shown) override;

private:
    void read(const NecEngine::Outcome& outcome);

    nec::HeightStudy m_study;
    HeightResults m_pending;
};

}  // namespace zeliro
