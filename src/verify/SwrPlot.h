#pragma once
// The SWR plot of the verification window: one panel per band, SWR on a
// logarithmic axis from 1 to 10 (ticks at 1; 1,5; 2; 3; 5; 10) against the
// band's sweep, the SWR <= 2 region shaded, a vertical marker at the design
// frequency and at each resonance, the simulated curve and, in another
// colour, a measured one, and with a cable the model's SWR at the radio.
// Where a curve runs above 10 it is drawn along the top with triangle marks;
// the legend has one entry a curve that can be seen, named plainly.
// What comes from results whose options changed (the model's and the
// design's curves and resonances) is drawn faded; a measurement is not.

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class QChartView;

namespace zeliro {

class VerificationSession;

struct PlotCurve {
    QString name;  // in the legend
    std::vector<double> frequencyMhz;
    std::vector<double> swr;
};

struct PlotBand {
    double fromMhz = 0;
    double toMhz = 0;
    double designMhz = 0;
    std::optional<double> resonanceMhz;  // of the model
    std::optional<double> measuredMhz;   // of the measurement
};

class SwrPlot : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool stale READ stale)
public:
    explicit SwrPlot(QWidget* parent = nullptr);

    // Draws the bands afresh; any curve may be empty. `shackEnd` is the
    // model's SWR through the cable, at the radio.
    void draw(const std::vector<PlotBand>& bands, const PlotCurve& design, const PlotCurve& model,
              const PlotCurve& measured, const PlotCurve& shackEnd = {});
    // Draws the session's bands, its results' curve and its measured sweep.
    void show(const VerificationSession& session);
    int panels() const { return static_cast<int>(m_views.size()); }
    void setStale(bool stale);
    bool stale() const { return m_stale; }

private:
    static PlotCurve curveOf(const QString& name, const VerificationSession& session, bool designResults);
    std::vector<QChartView*> m_views;
    bool m_stale = false;
};

}  // namespace zeliro
