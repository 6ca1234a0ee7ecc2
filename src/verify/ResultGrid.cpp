#include "verify/ResultGrid.h"

#include <QLabel>

#include "core/numbers.h"
#include "frame/Accessibility.h"
#include "frame/Controls.h"
#include "frame/Look.h"

namespace zeliro {
namespace {

constexpr int captionWidth = 140;
constexpr int titleHeight = 16;
constexpr int measuredRow = 5;
constexpr int adviceRow = 6;

const char* const names[] = {"risonanza", "scarto", "swr", "impedenza", "banda", "misura", "consiglio"};
const char* const captions[] = {QT_TRANSLATE_NOOP("zeliro::frmVERIFICA", "RISONANZA  MHz"),
                                QT_TRANSLATE_NOOP("zeliro::frmVERIFICA", "SCARTO  kHz"),
                                QT_TRANSLATE_NOOP("zeliro::frmVERIFICA", "SWR  ALLA  FREQUENZA"),
                                QT_TRANSLATE_NOOP("zeliro::frmVERIFICA", "IMPEDENZA  ohm"),
                                QT_TRANSLATE_NOOP("zeliro::frmVERIFICA", "BANDA  2:1  kHz"),
                                QT_TRANSLATE_NOOP("zeliro::frmVERIFICA", "MISURA"),
                                QT_TRANSLATE_NOOP("zeliro::frmVERIFICA", "CONSIGLIO")};
// Five one-line rows, then the measurement and the advice on three lines each.
constexpr int tops[] = {18, 37, 56, 75, 94, 113, 159};
constexpr int heights[] = {18, 18, 18, 18, 18, 44, 50};

const QColor figureColour(0, 0, 192);
const QColor staleColour(150, 150, 190);

}  // namespace

ResultGrid::ResultGrid(QWidget* parent, const QRect& area, Language language)
    : m_bandWidth((area.width() - captionWidth - 4) / 2), m_language(language) {
    for (int band = 0; band < 2; ++band) {
        Column& column = m_columns[static_cast<std::size_t>(band)];
        const int left = area.left() + captionWidth + 2 + band * (m_bandWidth + 2);
        column.title = addCaption(parent, QString("bandaTitolo%1").arg(band + 1), {},
                                  QRect(left, area.top(), m_bandWidth, titleHeight));
        column.title->setFont(sansFont(8, true));
        column.title->setAlignment(Qt::AlignCenter);
        for (int row = 0; row < 7; ++row) {
            auto* label = new QLabel(parent);
            label->setObjectName(QString("%1%2").arg(names[row]).arg(band + 1));
            label->setGeometry(left, area.top() + tops[row], m_bandWidth, heights[row]);
            label->setFont(sansFont(8, true));
            label->setWordWrap(true);
            label->setIndent(3);
            label->setAlignment(Qt::AlignLeft | (row >= measuredRow ? Qt::AlignTop : Qt::AlignVCenter));
            colourFigure(*label);
            nameResult(*label, tr("%1 banda %2").arg(tr(captions[row]).simplified()).arg(band + 1));
            column.cells[static_cast<std::size_t>(row)] = label;
        }
    }
    for (int row = 0; row < 7; ++row)
        addCaption(parent, QString("didascalia_%1").arg(names[row]), tr(captions[row]),
                   QRect(area.left(), area.top() + tops[row] + 1, captionWidth, 17))
            ->setFont(sansFont(8, true));
}

void ResultGrid::setBands(const std::vector<nec::Band>& bands) {
    const bool twoBands = bands.size() > 1;
    for (QLabel* label : m_columns[1].cells) label->setVisible(twoBands);
    m_columns[1].title->setVisible(twoBands);
    const int width = twoBands ? m_bandWidth : 2 * m_bandWidth + 2;
    for (QLabel* label : m_columns[0].cells) label->resize(width, label->height());
    m_columns[0].title->resize(width, m_columns[0].title->height());
    for (std::size_t band = 0; band < m_columns.size(); ++band)
        m_columns[band].title->setText(band < bands.size() ? tr("BANDA  %1  (%2 MHz)")
                                                                 .arg(band + 1)
                                                                 .arg(QString::fromStdString(formatDouble(
                                                                     bands[band].designMhz, m_language)))
                                                           : QString());
}

void ResultGrid::showBand(std::size_t band, const std::optional<nec::BandTexts>& texts) {
    if (band >= m_columns.size()) return;
    const nec::BandTexts shown = texts.value_or(nec::BandTexts{});
    const std::string* rows[] = {&shown.resonance, &shown.deviation, &shown.swr,   &shown.impedance,
                                 &shown.bandwidth, nullptr,          &shown.advice};
    for (std::size_t row = 0; row < 7; ++row)
        if (rows[row]) m_columns[band].cells[row]->setText(QString::fromStdString(*rows[row]));
}

void ResultGrid::colourFigure(QLabel& label, bool stale) {
    setColours(label, stale ? staleColour : figureColour, white);
}

void ResultGrid::showMeasured(std::size_t band, const QString& text) {
    if (band < m_columns.size()) m_columns[band].cells[measuredRow]->setText(text);
}

void ResultGrid::setStale(bool stale) {
    for (const Column& column : m_columns)
        for (QLabel* label : column.cells) colourFigure(*label, stale);
}

}  // namespace zeliro
