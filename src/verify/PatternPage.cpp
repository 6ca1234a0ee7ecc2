#include "verify/PatternPage.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPolarChart>
#include <QPushButton>
#include <QTableWidget>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "core/numbers.h"
#include "frame/Accessibility.h"
#include "frame/Controls.h"
#include "frame/Look.h"
#include "verify/ResultGrid.h"
#include "verify/VerificationSession.h"

namespace zeliro {
namespace {

constexpr int plotWidth = 170;
constexpr int plotHeight = 226;
constexpr int figuresLeft = 2 * plotWidth + 4;
constexpr int figuresWidth = 164;
constexpr int rowHeight = 18;
constexpr int captionWidth = 92;
// The rows of a band's figures: peak gain, take-off angle, -3 dB width.
constexpr std::size_t angleRow = 1;
// The plots go down from the peak by at least this much.
constexpr double depthDb = 30;
constexpr double gridDb = 10;

const std::array<QColor, 2> bandColours = {QColor(0, 0, 192), QColor(0, 140, 0)};

// Figures and curves of stale results stay readable, dimmed.
QColor faded(QColor colour, bool stale) {
    if (stale) colour.setAlpha(80);
    return colour;
}

// Whether the text fits the label whole, wrapped at its width.
bool wholeIn(const QLabel& label, const QString& text) {
    const QRect needed = label.fontMetrics().boundingRect(QRect(0, 0, label.width(), 10000),
                                                          Qt::TextWordWrap | Qt::AlignLeft, text);
    return needed.width() <= label.width() && needed.height() <= label.height();
}

QFont smallFont(double points) {
    QFont font = sansFont(8);
    font.setPointSizeF(points);
    return font;
}

// Where a point of a cut stands on the plot, clockwise from the top: the
// elevation cut with the zenith up and its horizons left and right; the
// others with broadside (0) up and the wire across.
double screenAngle(const nec::Cut& cut, double angleDeg) {
    if (cut.kind != nec::CutKind::elevation) return angleDeg;
    const double a = 90 - angleDeg;
    return a < 0 ? a + 360 : a;
}

// A cut as a closed curve, its gains clipped at the plot's floor.
QLineSeries* curveOf(const nec::CutResult& cut, double floorDb, const QString& name, const QColor& colour) {
    std::vector<QPointF> points;
    for (const nec::PatternPoint& p : cut.points)
        points.emplace_back(screenAngle(cut.cut, p.angleDeg), std::max(p.gainDbi, floorDb));
    std::sort(points.begin(), points.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(QPen(colour, 2));
    for (const QPointF& p : points) series->append(p);
    if (!points.empty()) series->append(points.front().x() + 360, points.front().y());
    return series;
}

// The angles of the elevation plot, as a ham reads them: 0 at the horizons,
// 90 at the zenith. Each label must differ from the others, so the far side's
// carry a thin space.
QCategoryAxis* elevationAxis() {
    auto* axis = new QCategoryAxis;
    axis->setRange(0, 360);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const std::pair<int, const char*> marks[] = {{0, "90°"},        {30, "60°"},       {60, "30°"},
                                                 {90, "0°"},        {270, "0°\u2009"}, {300, "30°\u2009"},
                                                 {330, "60°\u2009"}};
    for (const auto& [at, text] : marks) axis->append(QString::fromUtf8(text), at);
    return axis;
}

QValueAxis* roundAxis() {
    auto* axis = new QValueAxis;
    axis->setRange(0, 360);
    axis->setTickCount(13);
    axis->setLabelFormat("%.0f°");
    return axis;
}

QChart* polarChart(const QString& title, bool elevation, double topDb, double floorDb) {
    auto* chart = new QPolarChart;
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setBackgroundRoundness(0);
    chart->legend()->hide();
    chart->setTitle(title);
    QFont titleFont = smallFont(7.5);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    QAbstractAxis* angular = elevation ? static_cast<QAbstractAxis*>(elevationAxis()) : roundAxis();
    angular->setLabelsFont(smallFont(6));
    chart->addAxis(angular, QPolarChart::PolarOrientationAngular);
    auto* radial = new QValueAxis;
    radial->setRange(floorDb, topDb);
    radial->setTickCount(static_cast<int>(std::lround((topDb - floorDb) / gridDb)) + 1);
    radial->setLabelFormat("%.0f");
    radial->setLabelsFont(smallFont(6));
    chart->addAxis(radial, QPolarChart::PolarOrientationRadial);
    return chart;
}

QLabel* figureLabel(QWidget* parent, const QString& name, const QString& accessible, int top) {
    QLabel* label = addCaption(
        parent, name, {}, QRect(figuresLeft + captionWidth, top, figuresWidth - captionWidth, rowHeight - 1));
    label->setFont(sansFont(8, true));
    label->setIndent(3);
    ResultGrid::colourFigure(*label);
    nameResult(*label, accessible);
    return label;
}

QLabel* captionLabel(QWidget* parent, const QString& name, const QString& text, int top) {
    QLabel* label = addCaption(parent, name, text, QRect(figuresLeft, top, captionWidth - 2, rowHeight - 1));
    label->setFont(smallFont(7));
    setColours(*label, white);
    return label;
}

}  // namespace

PatternPage::PatternPage(QWidget* parent, Language language) : QWidget(parent), m_language(language) {
    setObjectName("diagramma");
    setAutoFillBackground(true);
    setColours(*this, black, teal);
    for (std::size_t i = 0; i < m_plots.size(); ++i) {
        auto* view = new QChartView(this);
        view->setObjectName(i == 0 ? "diagrammaVerticale" : "diagrammaOrizzontale");
        view->setGeometry(static_cast<int>(i) * (plotWidth + 2), 0, plotWidth, plotHeight);
        view->setRenderHint(QPainter::Antialiasing);
        view->setAccessibleName(i == 0 ? tr("Diagramma verticale") : tr("Diagramma orizzontale"));
        m_plots[i] = view;
    }
    for (std::size_t band = 0; band < m_bands.size(); ++band) {
        const int top = static_cast<int>(band) * 4 * rowHeight;
        const QString n = QString::number(band + 1);
        BandLabels& b = m_bands[band];
        b.title = addCaption(this, "banda" + n, {}, QRect(figuresLeft, top, figuresWidth, rowHeight - 1));
        b.title->setFont(sansFont(8, true));
        b.title->setIndent(3);
        setColours(*b.title, bandColours[band], white);
        b.captions = {
            captionLabel(this, "didascalia_guadagno" + n, tr("GUADAGNO"), top + rowHeight),
            captionLabel(this, "didascalia_angolo" + n, tr("ANGOLO"), top + 2 * rowHeight),
            captionLabel(this, "didascalia_larghezza" + n, tr("APERTURA -3 dB"), top + 3 * rowHeight)};
        b.figures = {
            figureLabel(this, "guadagno" + n, tr("Guadagno massimo %1").arg(n), top + rowHeight),
            figureLabel(this, "angolo" + n, tr("Angolo di partenza %1").arg(n), top + 2 * rowHeight),
            figureLabel(this, "larghezza" + n, tr("Apertura a -3 dB %1").arg(n), top + 3 * rowHeight)};
    }
    nota = addCaption(this, "nota", {}, QRect(figuresLeft, 8 * rowHeight, figuresWidth, 34));
    nota->setFont(smallFont(7));
    nota->setWordWrap(true);
    nota->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    setColours(*nota, yellow);
    studioAltezza = addPushButton(this, "studioAltezza", tr("ALTEZZA IDEALE?"),
                                  QRect(figuresLeft, plotHeight - 50, figuresWidth, 24));
    studioAltezza->setFont(sansFont(8, true));
    studioAltezza->setToolTip(tr("Guadagno e angolo di partenza ad altezze da 1/8 a 1 lunghezza d'onda"));
    salvaDiagramma = addPushButton(this, "salvaDiagramma", tr("Salva CSV"),
                                   QRect(figuresLeft, plotHeight - 24, figuresWidth, 24));
    salvaDiagramma->setFont(sansFont(8));
    salvaDiagramma->setAccessibleName(tr("Salva il diagramma in CSV"));
    display(std::nullopt);
}

void PatternPage::display(const std::optional<VerificationSession::Pattern>& pattern) {
    // Empty plots are drawn once: the results are shown often, the pattern seldom.
    if (!pattern && m_drawnEmpty) return;
    m_drawnEmpty = !pattern;
    const bool overGround =
        VerificationSession::heightApplies(pattern ? pattern->options.ground : nec::Ground::average);
    const std::size_t bands = pattern ? pattern->views.size() : 0;
    // One scale for both plots and both bands, from the highest peak.
    double peak = 0;
    for (std::size_t i = 0; i < bands; ++i)
        peak = i == 0 ? pattern->views[i].figures.peakGainDbi
                      : std::max(peak, pattern->views[i].figures.peakGainDbi);
    const double topDb = std::ceil(peak / gridDb) * gridDb;
    const double floorDb = std::floor((peak - depthDb) / gridDb) * gridDb;
    // The azimuth cut's elevation, where every band's is the same.
    QString second = overGround ? tr("AZIMUT") : tr("PIANO H");
    if (overGround && bands > 0 &&
        std::all_of(pattern->views.begin(), pattern->views.end(), [&](const nec::PatternView& v) {
            return v.second.cut.elevationDeg == pattern->views[0].second.cut.elevationDeg;
        }))
        second = tr("AZIMUT A %1°").arg(std::lround(pattern->views[0].second.cut.elevationDeg));
    const QString titles[] = {overGround ? tr("ELEVAZIONE") : tr("PIANO E"), second};
    for (std::size_t plot = 0; plot < m_plots.size(); ++plot) {
        QChart* chart = polarChart(titles[plot], plot == 0 && overGround, topDb, floorDb);
        chart->setLocalizeNumbers(true);
        chart->setLocale(m_language == Language::english ? QLocale(QLocale::English, QLocale::UnitedStates)
                                                         : QLocale(QLocale::Italian, QLocale::Italy));
        for (std::size_t band = 0; band < bands; ++band) {
            const nec::PatternView& view = pattern->views[band];
            QLineSeries* series = curveOf(
                plot == 0 ? view.main : view.second, floorDb,
                fromStd(formatDouble(pattern->frequenciesMhz[band], m_language)) + " MHz", bandColours[band]);
            chart->addSeries(series);
            for (QAbstractAxis* axis : chart->axes()) series->attachAxis(axis);
        }
        QChart* old = m_plots[plot]->chart();
        m_plots[plot]->setChart(chart);
        delete old;
    }
    QStringList noted;  // the bands with a note, all with the same one
    QString note;
    for (std::size_t band = 0; band < m_bands.size(); ++band) {
        const BandLabels& b = m_bands[band];
        const bool shown = band < bands;
        nec::PatternTexts texts;
        if (shown) texts = nec::patternTexts(pattern->views[band].figures, m_language);
        b.title->setText(shown ? fromStd(formatDouble(pattern->frequenciesMhz[band], m_language)) + " MHz"
                               : QString());
        const std::string figures[] = {texts.gain, texts.angle, texts.beamwidth};
        b.title->setVisible(band == 0 || shown);
        for (std::size_t row = 0; row < b.figures.size(); ++row) {
            b.figures[row]->setText(fromStd(figures[row]));
            // Free space has no take-off angle.
            const bool visible = (band == 0 || shown) && (overGround || row != angleRow);
            b.figures[row]->setVisible(visible);
            b.captions[row]->setVisible(visible);
        }
        if (texts.note.empty()) continue;
        note = fromStd(texts.note);
        noted << b.title->text();
    }
    if (bands > 1 && !noted.isEmpty()) note = noted.join(tr(" e ")) + ": " + note;
    m_curves.clear();
    for (QChartView* view : m_plots)
        for (QAbstractSeries* series : view->chart()->series())
            m_curves.push_back(static_cast<QLineSeries*>(series));
    showNote(note, std::max<std::size_t>(bands, 1));
    setStale(m_stale);
}

// The note stands whole under the last band's figures, in a smaller face where
// it needs one.
void PatternPage::showNote(const QString& note, std::size_t bands) {
    const int noteTop = static_cast<int>(bands) * 4 * rowHeight + 2;
    nota->setGeometry(figuresLeft, noteTop, figuresWidth, studioAltezza->y() - noteTop - 2);
    for (double points = 7.5; points >= 5; points -= 0.5) {
        nota->setFont(smallFont(points));
        if (wholeIn(*nota, note)) break;
    }
    nota->setText(note);
    if (!note.isEmpty()) nameResult(*nota, note);
}

QStringList PatternPage::titles() const {
    QStringList titles;
    for (const QChartView* view : m_plots) titles << view->chart()->title();
    return titles;
}

bool PatternPage::noteWhole() const { return wholeIn(*nota, nota->text()); }

bool PatternPage::curvesDimmed() const {
    return std::none_of(m_curves.begin(), m_curves.end(),
                        [](const QLineSeries* curve) { return curve->pen().color().alpha() == 255; });
}

void PatternPage::setStale(bool stale) {
    m_stale = stale;
    for (const BandLabels& b : m_bands)
        for (QLabel* label : b.figures) ResultGrid::colourFigure(*label, stale);
    for (QLineSeries* curve : m_curves) {
        QPen pen = curve->pen();
        pen.setColor(faded(pen.color(), stale));
        curve->setPen(pen);
    }
    setColours(*nota, faded(yellow, stale));
}

HeightPage::HeightPage(QWidget* parent, Language language) : QWidget(parent), m_language(language) {
    setObjectName("altezze");
    setAutoFillBackground(true);
    setColours(*this, black, teal);
    titolo = addCaption(this, "titoloAltezze", {}, QRect(4, 2, 500, 18));
    titolo->setFont(sansFont(8, true));
    setColours(*titolo, yellow);
    tabella = new QTableWidget(this);
    tabella->setObjectName("tabellaAltezze");
    tabella->setGeometry(4, 22, 500, 202);
    tabella->setFont(sansFont(8));
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->verticalHeader()->hide();
    tabella->verticalHeader()->setDefaultSectionSize(21);
    tabella->horizontalHeader()->setFont(sansFont(8, true));
    tabella->horizontalHeader()->setStretchLastSection(true);
    tabella->setAccessibleName(tr("Studio dell'altezza"));
    display(std::nullopt, 0);
}

void HeightPage::display(const std::optional<VerificationSession::Heights>& heights, double designMhz) {
    if (!heights && m_drawnEmpty) return;
    m_drawnEmpty = !heights;
    const nec::HeightTable table =
        nec::heightTable(heights ? heights->rows : std::vector<nec::HeightResult>{}, m_language);
    titolo->setText(heights ? tr("GUADAGNO E ANGOLO DI PARTENZA SECONDO L'ALTEZZA, A %1 MHz")
                                  .arg(fromStd(formatDouble(designMhz, m_language)))
                            : tr("Premere «ALTEZZA IDEALE?» nella pagina del diagramma."));
    tabella->clear();
    tabella->clearSpans();
    tabella->setColumnCount(static_cast<int>(table.heading.size()));
    tabella->setRowCount(static_cast<int>(table.rows.size()));
    QStringList heading;
    for (const std::string& h : table.heading) heading << fromStd(h);
    tabella->setHorizontalHeaderLabels(heading);
    for (int column = 0; column < 3; ++column) tabella->setColumnWidth(column, 110);
    // The height of the highest gain stands out.
    std::optional<std::size_t> best;
    for (std::size_t row = 0; heights && row < heights->rows.size(); ++row)
        if (const auto& f = heights->rows[row].figures;
            f && (!best || f->peakGainDbi > heights->rows[*best].figures->peakGainDbi))
            best = row;
    for (std::size_t row = 0; row < table.rows.size(); ++row)
        for (std::size_t column = 0; column < table.rows[row].size(); ++column) {
            auto* item = new QTableWidgetItem(fromStd(table.rows[row][column]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            QFont font = tabella->font();
            font.setBold(best == row);
            item->setFont(font);
            tabella->setItem(static_cast<int>(row), static_cast<int>(column), item);
        }
    // A height without figures says why across the gain and angle columns,
    // wrapped onto as many lines as it needs.
    tabella->setWordWrap(true);
    for (std::size_t row = 0; heights && row < heights->rows.size() && row < table.rows.size(); ++row)
        if (!heights->rows[row].figures && table.rows[row].size() > 3) {
            tabella->setSpan(static_cast<int>(row), 2, 1, 2);
            tabella->item(static_cast<int>(row), 2)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
    tabella->resizeRowsToContents();
    setStale(m_stale);
}

void HeightPage::setStale(bool stale) {
    m_stale = stale;
    setColours(*titolo, faded(yellow, stale));
    for (int row = 0; row < tabella->rowCount(); ++row)
        for (int column = 0; column < tabella->columnCount(); ++column)
            if (QTableWidgetItem* item = tabella->item(row, column))
                item->setForeground(faded(tabella->palette().color(QPalette::Text), stale));
}

}  // namespace zeliro
