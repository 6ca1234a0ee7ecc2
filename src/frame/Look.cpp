#include "frame/Look.h"

#include <QApplication>
#include <QFont>
#include <QLayout>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>

namespace zeliro {

namespace {
// The installed faces that stand for each family the windows name, metric-
// compatible first, in the order they are tried.
const std::pair<const char*, QStringList> standIns[] = {
    {"Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
    {"MS Sans Serif", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
    {"Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"}},
    {"Courier New", {"Liberation Mono", "Cousine", "DejaVu Sans Mono"}},
};
}  // namespace

QFont namedFont(const QString& family, double points, bool bold) {
    QString face = family;
    for (const auto& [name, candidates] : standIns)
        if (family == QLatin1String(name)) face = candidates.first();
    // The face itself, not the Windows name: asking for a family that is not
    // installed has Qt search every installed font for one to fall back on.
    // Naming it needs no font database either, which the splash is made
    // without (it is read meanwhile, prepareStart()). Where the face is not
    // installed, fontconfig's fallback for it is its metric-compatible twin
    // (Arimo, Tinos, Cousine) where there is one.
    QFont font(face);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setColours(QWidget& widget, const QColor& text, const QColor& background) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Base, background);
        palette.setColor(QPalette::Button, background);
        widget.setAutoFillBackground(true);
    }
    widget.setPalette(palette);
}

void installFontSubstitutes() {
    for (const auto& [family, candidates] : standIns) QFont::insertSubstitutions(family, candidates);
}

}  // namespace zeliro

namespace zeliro {
namespace {

const QColor rim(32, 32, 32);
const QColor disabledMark(128, 128, 128);

class LookStyle : public QProxyStyle {
public:
    explicit LookStyle(QStyle* base) : QProxyStyle(base) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        switch (element) {
            case PE_IndicatorRadioButton:
                drawOption(*option, *painter);
                return;
            case PE_IndicatorCheckBox:
                drawCheckBox(*option, *painter);
                return;
            case PE_FrameFocusRect:
                drawFocusRect(*option, *painter);
                return;
            default:
                QProxyStyle::drawPrimitive(element, option, painter, widget);
        }
    }

    // The base style may leave the focus of a push button to its bevel's
    // colour; the dotted rectangle goes over it.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element != CE_PushButton || !option->state.testFlag(State_HasFocus)) return;
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*option);
        focus.rect = subElementRect(SE_PushButtonFocusRect, option, widget);
        drawFocusRect(focus, *painter);
    }

private:
    static QColor face(const QStyleOption& option) {
        const bool pressed = option.state.testFlag(State_Sunken);
        return option.state.testFlag(State_Enabled) && !pressed ? white : lightGrey;
    }
    static QColor mark(const QStyleOption& option) {
        return option.state.testFlag(State_Enabled) ? black : disabledMark;
    }
    // The indicator's square, centred in the rectangle the style gives it.
    static QRectF indicatorSquare(const QRect& rect) {
        const int side = std::min(rect.width(), rect.height());
        QRect square(0, 0, side, side);
        square.moveCenter(rect.center());
        return QRectF(square).adjusted(0.5, 0.5, -0.5, -0.5);
    }

    static void drawOption(const QStyleOption& option, QPainter& painter) {
        const QRectF circle = indicatorSquare(option.rect);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(rim, 1));
        painter.setBrush(face(option));
        painter.drawEllipse(circle);
        if (option.state.testFlag(State_On)) {
            const qreal radius = circle.width() * 0.2;
            painter.setPen(Qt::NoPen);
            painter.setBrush(mark(option));
            painter.drawEllipse(circle.center(), radius, radius);
        }
        painter.restore();
    }

    static void drawCheckBox(const QStyleOption& option, QPainter& painter) {
        const QRectF box = indicatorSquare(option.rect);
        painter.save();
        painter.setPen(QPen(rim, 1));
        painter.setBrush(face(option));
        painter.drawRect(box);
        const qreal side = box.width();
        const QPointF at = box.topLeft();
        painter.setRenderHint(QPainter::Antialiasing);
        if (option.state.testFlag(State_On)) {
            painter.setPen(QPen(mark(option), std::max(1.5, side / 7), Qt::SolidLine, Qt::SquareCap));
            const QPointF tick[] = {at + QPointF(side * 0.22, side * 0.5),
                                    at + QPointF(side * 0.42, side * 0.72),
                                    at + QPointF(side * 0.78, side * 0.28)};
            painter.drawPolyline(tick, 3);
        } else if (option.state.testFlag(State_NoChange)) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(mark(option));
            painter.drawRect(QRectF(at + QPointF(side * 0.25, side * 0.42), QSizeF(side * 0.5, side * 0.16)));
        }
        painter.restore();
    }

    // Black dots over a white line: it shows on every colour around it.
    static void drawFocusRect(const QStyleOption& option, QPainter& painter) {
        const QRect rect = option.rect.adjusted(0, 0, -1, -1);
        if (rect.width() < 2 || rect.height() < 2) return;
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(white, 0));
        painter.drawRect(rect);
        painter.setPen(QPen(black, 0, Qt::DotLine));
        painter.drawRect(rect);
        painter.restore();
    }
};

}  // namespace

void installLookStyle() {
    if (dynamic_cast<LookStyle*>(QApplication::style())) return;
    QStyle* base = QStyleFactory::create(QApplication::style()->name());
    QApplication::setStyle(new LookStyle(base));
}

void keepFixedSize(QWidget& window) {
    if (QLayout* layout = window.layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
    else if (window.minimumSize() != window.maximumSize())
        window.setFixedSize(window.size());
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
}

}  // namespace zeliro
