#include "frame/WholeFigure.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVariant>

#include <cmath>

namespace zeliro {
namespace {

// A text with blanks in a word-wrapped label (an advice, a sentence) may take
// several lines of the label's height; a figure has one line.
bool wraps(const QLabel& label, const QString& text) { return label.wordWrap() && text.contains(' '); }

bool fits(const QFont& font, const QString& text, const QRect& area, bool wrapped) {
    const QFontMetricsF metrics(font);
    if (!wrapped) return metrics.horizontalAdvance(text) <= area.width();
    const QRectF needed = metrics.boundingRect(QRectF(area), Qt::TextWordWrap, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

// The frame of the label as QFrame draws it.
void drawFrame(const QLabel& label, QPainter& painter) {
    if (label.frameShape() == QFrame::NoFrame) return;
    QStyleOptionFrame option;
    option.initFrom(&label);
    option.rect = label.frameRect();
    option.frameShape = label.frameShape();
    option.lineWidth = label.lineWidth();
    option.midLineWidth = label.midLineWidth();
    if (label.frameShadow() == QFrame::Sunken) option.state |= QStyle::State_Sunken;
    if (label.frameShadow() == QFrame::Raised) option.state |= QStyle::State_Raised;
    label.style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter, &label);
}

// Paints a label whose figure does not fit in its own font, and keeps its
// tooltip: the whole figure above the label's own tooltip while the figure is
// cut short, the label's own tooltip otherwise.
class FigurePainter : public QObject {
public:
    explicit FigurePainter(QLabel& label) : QObject(&label), m_label(label) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &m_label || event->type() != QEvent::Paint) return false;
        const ShownFigure shown = shownFigure(m_label);
        updateToolTip(shown);
        if (shown.whole && shown.font == m_label.font()) return false;
        QPainter painter(&m_label);
        drawFrame(m_label, painter);
        painter.setFont(shown.font);
        int flags = int(m_label.alignment() & ~Qt::Alignment(Qt::TextWordWrap));
        if (shown.whole && wraps(m_label, shown.text)) flags |= Qt::TextWordWrap;
        m_label.style()->drawItemText(&painter, textArea(m_label), flags, m_label.palette(),
                                      m_label.isEnabled(), shown.text, m_label.foregroundRole());
        return true;
    }

private:
    void updateToolTip(const ShownFigure& shown) {
        if (m_label.toolTip() != m_shownToolTip) m_ownToolTip = m_label.toolTip();
        QString tip = m_ownToolTip;
        if (!shown.whole)
            tip = m_ownToolTip.isEmpty() ? m_label.text() : m_label.text() + '\n' + m_ownToolTip;
        m_shownToolTip = tip;
        if (m_label.toolTip() != tip) m_label.setToolTip(tip);
    }

    QLabel& m_label;
    QString m_ownToolTip;
    QString m_shownToolTip;
};

}  // namespace

QRect textArea(const QLabel& label) {
    const int margin = label.margin();
    QRect area = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    int indent = label.indent();
    if (indent < 0 && label.frameWidth() > 0)
        indent = label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin;
    if (indent <= 0) return area;
    const Qt::Alignment align = QStyle::visualAlignment(label.layoutDirection(), label.alignment());
    if (align & Qt::AlignLeft) area.setLeft(area.left() + indent);
    if (align & Qt::AlignRight) area.setRight(area.right() - indent);
    if (align & Qt::AlignTop) area.setTop(area.top() + indent);
    if (align & Qt::AlignBottom) area.setBottom(area.bottom() - indent);
    return area;
}

ShownFigure shownFigure(const QLabel& label) {
    const QString text = label.text();
    const QRect area = textArea(label);
    const int width = area.width();
    const bool wrapped = wraps(label, text);
    QFont font = label.font();
    if (text.isEmpty() || fits(font, text, area, wrapped)) return {font, text, true};
    // Smaller fonts in half points, from the label's own size down.
    for (double points = std::floor(font.pointSizeF() * 2 - 1) / 2; points >= smallestFigurePoints;
         points -= 0.5) {
        font.setPointSizeF(points);
        if (fits(font, text, area, wrapped)) return {font, text, true};
    }
    font.setPointSizeF(smallestFigurePoints);
    return {font, QFontMetricsF(font).elidedText(text, Qt::ElideRight, width), false};
}

void keepFiguresWhole(QLabel& label) {
    const char* const marker = "keepsFiguresWhole";
    if (label.property(marker).toBool()) return;
    label.setProperty(marker, true);
    label.installEventFilter(new FigurePainter(label));
}

}  // namespace zeliro
