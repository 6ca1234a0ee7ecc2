#include "verify/SwrPlot.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QLogValueAxis>
#include <QValueAxis>

#include <algorithm>

namespace zeliro {
namespace {

constexpr double swrFloor = 1;
constexpr double swrCeiling = 10;

const QColor modelColour(0, 0, 192);
const QColor measuredColour(200, 100, 0);

void attach(QChart& chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

QLineSeries* curveSeries(const PlotCurve& curve, const PlotBand& band, const QString& name,
                         const QColor& colour) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(QPen(colour, 2));
    for (std::size_t i = 0; i < curve.frequencyMhz.size() && i < curve.swr.size(); ++i) {
        const double f = curve.frequencyMhz[i];
        if (f < band.fromMhz || f > band.toMhz) continue;
        series->append(f, std::clamp(curve.swr[i], swrFloor, swrCeiling));
    }
    return series;
}

QLineSeries* marker(double mhz, const QPen& pen) {
    auto* series = new QLineSeries;
    series->setPen(pen);
    series->append(mhz, swrFloor);
    series->append(mhz, swrCeiling);
    return series;
}

// The stretch SWR 1..2 across the band, shaded.
QAreaSeries* goodRegion(const PlotBand& band) {
    // An area series does not own its edges: they are its children.
    auto* area = new QAreaSeries;
    auto* upper = new QLineSeries(area);
    upper->append(band.fromMhz, 2);
    upper->append(band.toMhz, 2);
    auto* lower = new QLineSeries(area);
    lower->append(band.fromMhz, swrFloor);
    lower->append(band.toMhz, swrFloor);
    area->setUpperSeries(upper);
    area->setLowerSeries(lower);
    area->setName("SWR ≤ 2");
    area->setBrush(QColor(120, 220, 120, 90));
    area->setPen(Qt::NoPen);
    return area;
}

QChart* bandChart(const PlotBand& band, const PlotCurve& model, const PlotCurve& measured,
                  const QLocale& locale) {
    auto* chart = new QChart;
    chart->setMargins(QMargins(2, 2, 2, 2));
    // The axes write numbers as the program does: the plot's locale is
    // Italian (decimal comma) unless the window gives it another.
    chart->setLocalizeNumbers(true);
    chart->setLocale(locale);
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* x = new QValueAxis;
    x->setRange(band.fromMhz, band.toMhz);
    x->setLabelFormat("%.3f");
    x->setTickCount(5);
    x->setTitleText("MHz");
    auto* y = new QLogValueAxis;
    y->setBase(10);
    y->setRange(swrFloor, swrCeiling);
    y->setLabelFormat("%.0f");
    y->setMinorTickCount(8);
    y->setTitleText("SWR");
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    attach(*chart, goodRegion(band), x, y);
    QPen design(Qt::black, 1, Qt::DashLine);
    attach(*chart, marker(band.designMhz, design), x, y);
    if (band.resonanceMhz)
        attach(*chart, marker(*band.resonanceMhz, QPen(modelColour, 1, Qt::DotLine)), x, y);
    if (band.measuredMhz)
        attach(*chart, marker(*band.measuredMhz, QPen(measuredColour, 1, Qt::DotLine)), x, y);
    if (!model.frequencyMhz.empty())
        attach(*chart, curveSeries(model, band, SwrPlot::tr("modello"), modelColour), x, y);
    if (!measured.frequencyMhz.empty())
        attach(*chart, curveSeries(measured, band, SwrPlot::tr("misura"), measuredColour), x, y);
    // Markers carry no name: keep them out of the legend.
    for (QLegendMarker* entry : chart->legend()->markers())
        if (entry->series()->name().isEmpty()) entry->setVisible(false);
    return chart;
}

}  // namespace

SwrPlot::SwrPlot(QWidget* parent) : QWidget(parent) {
    setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
}

void SwrPlot::draw(const std::vector<PlotBand>& bands, const PlotCurve& model, const PlotCurve& measured) {
    for (QChartView* view : m_views) delete view;
    m_views.clear();
    int index = 1;
    for (const PlotBand& band : bands) {
        auto* view = new QChartView(bandChart(band, model, measured, locale()), this);
        view->setObjectName(QString("pannello%1").arg(index++));
        view->setRenderHint(QPainter::Antialiasing);
        static_cast<QHBoxLayout*>(layout())->addWidget(view, 1);
        m_views.push_back(view);
    }
}

}  // namespace zeliro
