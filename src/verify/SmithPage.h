#pragma once
// The SMITH page of the verification window: the impedance of the sweeps on
// display on a Smith chart normalised to the window's reference, and beside
// it R and X against frequency, a panel a band. The same curves as the SWR
// plot: the model (or the corrected design, with the design as it came in
// grey) and the measured sweep where it gives R and X; marks at each band's
// design frequency and at the resonances. Simulated curves of results whose
// options changed are drawn faded.

#include <QWidget>

#include <vector>

#include "core/language.h"
#include "core/nec/model.h"
#include "verify/SmithChart.h"

class QChartView;
class QLineSeries;

namespace zeliro {

class VerificationSession;

// A line of a plot with its own colour, faded with stale results.
struct FadingLine {
    QLineSeries* series;
    QColor colour;
};

class SmithPage : public QWidget {
    Q_OBJECT
public:
    SmithPage(QWidget* parent, Language language);

    // Draws the session's results and measured sweep at its reference.
    void display(const VerificationSession& session);
    void setStale(bool stale);

private:
    void drawPanels(const std::vector<nec::Band>& bands, const std::vector<SmithCurve>& curves);

    Language m_language;
    SmithChart* carta = nullptr;
    std::vector<QChartView*> m_panels;
    std::vector<FadingLine> m_lines;  // the simulated ones of the R/X panels, to fade
    bool m_stale = false;
};

}  // namespace zeliro
