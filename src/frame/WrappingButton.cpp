#include "frame/WrappingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace zeliro {

WrappingButton::WrappingButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(palette().color(QPalette::ButtonText));
    const QString words = text().simplified();
    painter.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, words);
}

}  // namespace zeliro
