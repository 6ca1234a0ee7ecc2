#include "verify/SmithPage.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "core/nec/measured.h"
#include "core/nec/smith.h"
#include "core/numbers.h"
#include "frame/Look.h"
#include "verify/SmithChart.h"
#include "verify/VerificationSession.h"

namespace zeliro {
namespace {

constexpr int pageHeight = 226;
constexpr int chartSide = 250;
constexpr int panelsLeft = chartSide + 2;
constexpr int panelsWidth = 256;
// The R/X scale stops here, so that a trap's peak does not flatten the rest.
constexpr double largestOhm = 2000;

// The SWR plot's colours.
const QColor modelColour(0, 0, 192);
const QColor measuredColour(200, 100, 0);
const QColor designColour(130, 130, 130);

QColor faded(const QColor& colour, bool stale) {
    QColor pale = colour;
    if (stale) pale.setAlpha(70);
    return pale;
}

bool inBand(double mhz, const nec::Band& band) {
    const double slack = band.stepMhz * 1e-6;
    return mhz >= band.startMhz - slack && mhz <= band.endMhz() + slack;
}

// The rows of each band, a list a band.
std::vector<std::vector<nec::Row>> byBand(const std::vector<nec::Row>& rows,
                                          const std::vector<nec::Band>& bands) {
    std::vector<std::vector<nec::Row>> cut(bands.size());
    for (const nec::Row& row : rows)
        for (std::size_t i = 0; i < bands.size(); ++i)
            if (inBand(row.frequencyMhz, bands[i])) cut[i].push_back(row);
    return cut;
}

std::vector<nec::Row> rowsOf(const MeasuredSweep& sweep) {
    std::vector<nec::Row> rows;
    if (sweep.impedanceKnown)
        for (const SweepPoint& point : sweep.points)
            rows.push_back({point.frequencyMHz, point.resistance, point.reactance});
    return rows;
}

// A mark where the curve passes a frequency, when it reaches it.
void mark(std::vector<SmithMark>& marks, const std::vector<nec::Row>& rows, double mhz, SmithMark mark) {
    const std::optional<nec::Row> at = nec::impedanceAt(rows, mhz);
    if (!at) return;
    mark.at = *at;
    // At the resonance X passes zero: on the chart's horizontal axis.
    if (mark.kind == SmithMark::Kind::resonance) mark.at.reactanceOhm = 0;
    marks.push_back(mark);
}

QLineSeries* line(const QString& name, const QPen& pen) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(pen);
    return series;
}

// One band's panel: R solid and X dashed of every curve, X = 0 and the
// design frequency drawn; the simulated lines go to `simulated`, to fade.
QChart* impedanceChart(const nec::Band& band, std::size_t index, const std::vector<SmithCurve>& curves,
                       const QLocale& locale, bool stale, std::vector<FadingLine>& simulated) {
    auto* chart = new QChart;
    chart->setMargins(QMargins(0, 2, 0, 0));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setBackgroundRoundness(0);
    chart->setLocalizeNumbers(true);
    chart->setLocale(locale);
    QFont small = sansFont(8);
    small.setPointSizeF(7);
    chart->legend()->setFont(small);
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    chart->legend()->setAlignment(Qt::AlignTop);
    auto* x = new QValueAxis;
    x->setRange(band.startMhz, band.endMhz());
    x->setLabelFormat("%.3f");
    x->setTickCount(3);
    x->setMinorTickCount(1);
    x->setLabelsFont(small);
    auto* y = new QValueAxis;
    y->setLabelFormat("%.0f");
    y->setLabelsFont(small);
    y->setTitleText("Ω");
    y->setTitleFont(small);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    const auto attach = [&](QLineSeries* series) {
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    };
    // The legend says which line is which; the Smith chart names the curves.
    attach(line("R", QPen(Qt::black, 2)));
    attach(line("X", QPen(Qt::black, 2, Qt::DashLine)));
    double low = 0;
    double high = 0;
    for (const SmithCurve& curve : curves) {
        const QColor colour = faded(curve.colour, stale && curve.simulated);
        QLineSeries* r = line({}, QPen(colour, 2));
        QLineSeries* reactance = line({}, QPen(colour, 2, Qt::DashLine));
        for (const nec::Row& row : curve.bands[index]) {
            if (!std::isfinite(row.resistanceOhm) || !std::isfinite(row.reactanceOhm)) continue;
            r->append(row.frequencyMhz, row.resistanceOhm);
            reactance->append(row.frequencyMhz, row.reactanceOhm);
            low = std::min({low, row.resistanceOhm, row.reactanceOhm});
            high = std::max({high, row.resistanceOhm, row.reactanceOhm});
        }
        for (QLineSeries* series : {r, reactance}) {
            attach(series);
            if (curve.simulated) simulated.push_back({series, curve.colour});
        }
    }
    low = std::max(low, -largestOhm);
    high = std::min(std::max(high, low + 10), largestOhm);
    y->setRange(low, high);
    y->setTickCount(5);
    y->applyNiceNumbers();
    QLineSeries* zero = line({}, QPen(Qt::black, 1));
    zero->append(band.startMhz, 0);
    zero->append(band.endMhz(), 0);
    attach(zero);
    QLineSeries* design = line({}, QPen(Qt::black, 1, Qt::DashLine));
    design->append(band.designMhz, y->min());
    design->append(band.designMhz, y->max());
    attach(design);
    for (QLegendMarker* entry : chart->legend()->markers())
        if (entry->series()->name().isEmpty()) entry->setVisible(false);
    return chart;
}

}  // namespace

SmithPage::SmithPage(QWidget* parent, Language language) : QWidget(parent), m_language(language) {
    setObjectName("smith");
    setAutoFillBackground(true);
    setColours(*this, black, teal);
    carta = new SmithChart(this, language);
    carta->setGeometry(0, 0, chartSide, pageHeight);
}

void SmithPage::display(const VerificationSession& session) {
    const std::vector<nec::Band>& bands = session.bands();
    const auto& results = session.results();
    const bool corrected = session.corrected().has_value();
    // Each curve's marks are named after it: "progetto1" on the model,
    // "misuraProgetto1" on the measurement, "originaleProgetto1" on the design.
    std::vector<SmithCurve> curves;
    std::vector<QString> prefixes;
    const auto add = [&](const QString& name, const QColor& colour, const std::vector<nec::Row>& rows,
                         const QString& prefix) {
        curves.push_back({name, colour, byBand(rows, bands), prefix != "misura"});
        prefixes.push_back(prefix);
        return curves.size() - 1;
    };
    if (const auto& design = session.designResults(); design && corrected)
        add(tr("progetto"), designColour, design->rows, "originale");
    std::optional<std::size_t> model;
    if (results) model = add(corrected ? tr("corretto") : tr("modello"), modelColour, results->rows, {});
    const auto& measured = session.measurement();
    std::optional<std::size_t> measuredCurve;
    if (measured && measured->impedanceKnown)
        measuredCurve = add(tr("misura"), measuredColour, rowsOf(*measured), "misura");
    std::vector<SmithMark> marks;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const QString n = QString::number(i + 1);
        const QString figure = QString::fromStdString(formatDouble(bands[i].designMhz, m_language));
        for (std::size_t c = 0; c < curves.size(); ++c) {
            const QString& prefix = prefixes[c];
            const QString id = prefix.isEmpty() ? "progetto" + n : prefix + "Progetto" + n;
            // The model's mark carries the frequency, which tells the bands apart.
            mark(marks, curves[c].bands[i], bands[i].designMhz,
                 {id,
                  SmithMark::Kind::designFrequency,
                  curves[c].colour,
                  {},
                  c == model ? figure : QString(),
                  curves[c].simulated});
        }
        if (model && i < results->bandResults.size() && results->bandResults[i].resonant)
            mark(marks, curves[*model].bands[i], results->bandResults[i].resonanceMhz,
                 {"risonanza" + n, SmithMark::Kind::resonance, modelColour, {}, {}});
        if (measuredCurve)
            if (const auto zero = nec::measureBand(*measured, bands[i]).reactanceZeroMhz)
                mark(marks, curves[*measuredCurve].bands[i], *zero,
                     {"misuraRisonanza" + n, SmithMark::Kind::resonance, measuredColour, {}, {}, false});
    }
    carta->draw(session.referenceOhm(), curves, marks);
    drawPanels(bands, curves);
}

// R and X against frequency, a panel a band, one above the other.
void SmithPage::drawPanels(const std::vector<nec::Band>& bands, const std::vector<SmithCurve>& curves) {
    for (QChartView* view : m_panels) delete view;
    m_panels.clear();
    m_lines.clear();
    // Figures as the program writes them: no thousands separator.
    QLocale locale = m_language == Language::english ? QLocale(QLocale::English, QLocale::UnitedStates)
                                                     : QLocale(QLocale::Italian, QLocale::Italy);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const int panelHeight = pageHeight / static_cast<int>(std::max<std::size_t>(bands.size(), 1));
    for (std::size_t i = 0; i < bands.size(); ++i) {
        auto* view = new QChartView(impedanceChart(bands[i], i, curves, locale, m_stale, m_lines), this);
        view->setObjectName(QString("resistenzaReattanza%1").arg(i + 1));
        view->setAccessibleName(tr("Resistenza e reattanza %1").arg(i + 1));
        view->setRenderHint(QPainter::Antialiasing);
        view->setGeometry(panelsLeft, static_cast<int>(i) * panelHeight, panelsWidth,
                          panelHeight - (i + 1 < bands.size() ? 2 : 0));
        view->show();
        m_panels.push_back(view);
    }
}

void SmithPage::setStale(bool stale) {
    m_stale = stale;
    carta->setStale(stale);
    for (const FadingLine& l : m_lines) {
        QPen pen = l.series->pen();
        pen.setColor(faded(l.colour, stale));
        l.series->setPen(pen);
    }
}

}  // namespace zeliro
