#pragma once
// A correction by simulation as one job: the solver (core/nec/correction.h)
// asks for a few engine runs a step; they run at once, their resonances go
// back to it, and once it is done the corrected design is swept in full.
// The corrected design, its sweep and the design's own sweep beside it are
// shown together, and only when all of it has gone well.

#include <memory>
#include <optional>

#include "core/nec/correction.h"
#include "verify/SessionJob.h"

namespace zeliro {

class CorrectionJob : public SessionJob {
    Q_OBJECT
public:
    // `designResults`: the design's own sweep with these options, if there is
    // one; it starts the search and stays beside the corrected sweep.
    CorrectionJob(NecEngine& engine, Language language, const nec::Design& design,
                  const nec::ModelOptions& options, double referenceOhm,
                  std::optional<SweepResults> designResults);
    void start() override;
    Commits commit(Shown& shown) override;

signals:
    // A step has begun (from 1), of at most `steps`.
    void stepped(int step, int steps);

private:
    void step();
    void stepRan(const NecEngine::Outcome& outcome);
    void sweepCorrected();
    // The reason and the best design found.
    void failWithBest(const QString& failure);

    nec::Design m_design;
    double m_referenceOhm;
    std::optional<SweepResults> m_designResults;
    nec::CorrectionOutcome m_solver;
    std::unique_ptr<SweepJob> m_sweep;  // of the corrected design, once solved
};

}  // namespace zeliro
