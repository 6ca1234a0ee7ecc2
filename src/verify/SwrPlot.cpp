#include "verify/SwrPlot.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "core/nec/measured.h"
#include "verify/VerificationSession.h"

namespace zeliro {
namespace {

// SWR is drawn on a logarithmic scale from 1 to 10: the axis holds log10(SWR),
// labelled at the ratios a ham reads.
constexpr double swrCeiling = 10;
constexpr double ticks[] = {1, 1.5, 2, 3, 5, 10};
double height(double swr) { return std::log10(std::clamp(swr, 1.0, swrCeiling)); }
const double top = height(swrCeiling);
// Marks of a curve above the scale stand just over its top line.
const double overTop = std::log10(11.0);
const double axisTop = std::log10(12.0);

const QColor modelColour(0, 0, 192);
const QColor measuredColour(200, 100, 0);
const QColor designColour(130, 130, 130);
const QColor shackColour(0, 150, 170);

void attach(QChart& chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

bool inBand(double mhz, const PlotBand& band) { return mhz >= band.fromMhz && mhz <= band.toMhz; }

// The curve within the band; points above the scale stand at its top, and
// are marked there by a second series (see overScale).
QLineSeries* curveSeries(const PlotCurve& curve, const PlotBand& band, const QString& name,
                         const QColor& colour) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(QPen(colour, 2, colour == shackColour ? Qt::DashLine : Qt::SolidLine));
    for (std::size_t i = 0; i < curve.frequencyMhz.size() && i < curve.swr.size(); ++i)
        if (inBand(curve.frequencyMhz[i], band)) series->append(curve.frequencyMhz[i], height(curve.swr[i]));
    return series;
}

// Marks along the top edge where a curve runs above SWR 10; none when it never does.
QScatterSeries* overScale(const PlotCurve& curve, const PlotBand& band, const QColor& colour) {
    auto* series = new QScatterSeries;
    series->setName("SWR > 10");
    series->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    series->setMarkerSize(7);
    series->setColor(colour);
    series->setBorderColor(colour);
    for (std::size_t i = 0; i < curve.frequencyMhz.size() && i < curve.swr.size(); ++i)
        if (inBand(curve.frequencyMhz[i], band) && !(curve.swr[i] <= swrCeiling))
            series->append(curve.frequencyMhz[i], overTop);
    if (series->count() > 0) return series;
    delete series;
    return nullptr;
}

QLineSeries* marker(double mhz, const QPen& pen) {
    auto* series = new QLineSeries;
    series->setPen(pen);
    series->append(mhz, 0);
    series->append(mhz, top);
    return series;
}

// The stretch SWR 1..2 across the band, shaded.
QAreaSeries* goodRegion(const PlotBand& band) {
    // An area series does not own its edges: they are its children.
    auto* area = new QAreaSeries;
    auto* upper = new QLineSeries(area);
    upper->append(band.fromMhz, height(2));
    upper->append(band.toMhz, height(2));
    auto* lower = new QLineSeries(area);
    lower->append(band.fromMhz, 0);
    lower->append(band.toMhz, 0);
    area->setUpperSeries(upper);
    area->setLowerSeries(lower);
    area->setName("SWR ≤ 2");
    area->setBrush(QColor(120, 220, 120, 90));
    area->setPen(Qt::NoPen);
    return area;
}

QCategoryAxis* swrAxis(const QLocale& locale) {
    auto* y = new QCategoryAxis;
    y->setRange(0, axisTop);
    y->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (double tick : ticks) y->append(locale.toString(tick), height(tick));
    y->setTitleText("SWR");
    return y;
}

// Adds a curve and its over-scale marks when it has points in the band, so
// the legend lists only what can be seen.
void addCurve(QChart& chart, const PlotCurve& curve, const PlotBand& band, const QString& name,
              const QColor& colour, QAbstractAxis* x, QAbstractAxis* y) {
    QLineSeries* series = curveSeries(curve, band, name, colour);
    if (series->count() == 0) {
        delete series;
        return;
    }
    attach(chart, series, x, y);
    if (QScatterSeries* over = overScale(curve, band, colour)) attach(chart, over, x, y);
}

QChart* bandChart(const PlotBand& band, const PlotCurve& design, const PlotCurve& model,
                  const PlotCurve& measured, const PlotCurve& shackEnd, const QLocale& locale) {
    auto* chart = new QChart;
    chart->setMargins(QMargins(0, 4, 0, 0));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setBackgroundRoundness(0);
    // The axes write numbers as the program does: the plot's locale is
    // Italian (decimal comma) unless the window gives it another.
    chart->setLocalizeNumbers(true);
    chart->setLocale(locale);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QFont small = chart->legend()->font();
    small.setPointSizeF(7);
    chart->legend()->setFont(small);
    auto* x = new QValueAxis;
    x->setRange(band.fromMhz, band.toMhz);
    x->setLabelFormat("%.3f");
    x->setTickCount(3);
    x->setMinorTickCount(1);
    x->setLabelsFont(small);
    x->setTitleText("MHz");
    x->setTitleFont(small);
    QCategoryAxis* y = swrAxis(locale);
    y->setLabelsFont(small);
    y->setTitleFont(small);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    attach(*chart, goodRegion(band), x, y);
    attach(*chart, marker(band.designMhz, QPen(Qt::black, 1, Qt::DashLine)), x, y);
    if (band.resonanceMhz && inBand(*band.resonanceMhz, band))
        attach(*chart, marker(*band.resonanceMhz, QPen(modelColour, 1, Qt::DotLine)), x, y);
    if (band.measuredMhz && inBand(*band.measuredMhz, band))
        attach(*chart, marker(*band.measuredMhz, QPen(measuredColour, 1, Qt::DotLine)), x, y);
    addCurve(*chart, design, band, design.name, designColour, x, y);
    addCurve(*chart, model, band, model.name, modelColour, x, y);
    addCurve(*chart, measured, band, measured.name, measuredColour, x, y);
    addCurve(*chart, shackEnd, band, shackEnd.name, shackColour, x, y);
    // One entry a curve: the shaded region, the markers and the over-scale
    // marks explain themselves and stay out of the legend.
    for (QLegendMarker* entry : chart->legend()->markers())
        if (!qobject_cast<QLineSeries*>(entry->series()) || entry->series()->name().isEmpty())
            entry->setVisible(false);
    return chart;
}

// Everything drawn in the model's or the design's colour comes from the results.
void fadeResults(QChart& chart, bool stale) {
    for (QAbstractSeries* series : chart.series()) {
        auto* xy = qobject_cast<QXYSeries*>(series);
        if (!xy || (xy->color().rgb() != modelColour.rgb() && xy->color().rgb() != designColour.rgb() &&
                    xy->color().rgb() != shackColour.rgb()))
            continue;
        QColor colour = xy->color();
        colour.setAlpha(stale ? 70 : 255);
        xy->setColor(colour);
        if (auto* marks = qobject_cast<QScatterSeries*>(xy)) marks->setBorderColor(colour);
    }
}

}  // namespace

SwrPlot::SwrPlot(QWidget* parent) : QWidget(parent) {
    setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
}

void SwrPlot::draw(const std::vector<PlotBand>& bands, const PlotCurve& design, const PlotCurve& model,
                   const PlotCurve& measured, const PlotCurve& shackEnd) {
    for (QChartView* view : m_views) delete view;
    m_views.clear();
    int index = 1;
    for (const PlotBand& band : bands) {
        QChart* chart = bandChart(band, design, model, measured, shackEnd, locale());
        fadeResults(*chart, m_stale);
        auto* view = new QChartView(chart, this);
        view->setObjectName(QString("pannello%1").arg(index++));
        view->setRenderHint(QPainter::Antialiasing);
        static_cast<QHBoxLayout*>(layout())->addWidget(view, 1);
        m_views.push_back(view);
    }
}

void SwrPlot::setStale(bool stale) {
    m_stale = stale;
    for (QChartView* view : m_views) fadeResults(*view->chart(), stale);
}

}  // namespace zeliro

namespace zeliro {

// The SWR of a run's rows at the session's reference.
PlotCurve SwrPlot::curveOf(const QString& name, const VerificationSession& session, bool designResults) {
    PlotCurve curve{name, {}, {}};
    const auto& results = designResults ? session.designResults() : session.results();
    if (results)
        for (const nec::Row& row : results->rows) {
            curve.frequencyMhz.push_back(row.frequencyMhz);
            curve.swr.push_back(
                nec::standingWaveRatio(row.resistanceOhm, row.reactanceOhm, session.referenceOhm()));
        }
    return curve;
}

void SwrPlot::show(const VerificationSession& session) {
    const auto& results = session.results();
    const auto& measuredSweep = session.measurement();
    // With a correction on display: the design as it came, and the corrected one.
    const bool corrected = session.corrected().has_value();
    const PlotCurve design = curveOf(tr("progetto"), session, true);
    const PlotCurve model = curveOf(corrected ? tr("corretto") : tr("modello"), session, false);
    PlotCurve measured{tr("misura"), {}, {}};
    // The model through the cable, as the radio sees it in the shack.
    PlotCurve shackEnd{tr("alla radio"), {}, {}};
    for (const nec::ShackEndRow& row : session.shackEnd()) {
        shackEnd.frequencyMhz.push_back(row.frequencyMhz);
        shackEnd.swr.push_back(row.swr);
    }
    if (measuredSweep)
        for (const SweepPoint& point : measuredSweep->points) {
            measured.frequencyMhz.push_back(point.frequencyMHz);
            measured.swr.push_back(point.swr);
        }
    std::vector<PlotBand> plotted;
    const std::vector<nec::Band>& bands = session.bands();
    for (std::size_t i = 0; i < bands.size(); ++i) {
        PlotBand band{bands[i].startMhz, bands[i].endMhz(), bands[i].designMhz, {}, {}};
        if (results && i < results->bandResults.size() && results->bandResults[i].resonant)
            band.resonanceMhz = results->bandResults[i].resonanceMhz;
        if (measuredSweep) band.measuredMhz = nec::measureBand(*measuredSweep, bands[i]).resonanceMhz();
        plotted.push_back(band);
    }
    draw(plotted, design, model, measured, shackEnd);
}

}  // namespace zeliro
