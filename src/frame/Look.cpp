#include "frame/Look.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

namespace zeliro {

QFont namedFont(const QString& family, double points, bool bold) {
    QFont font(family);
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
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"});
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "Cousine", "DejaVu Sans Mono"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arimo", "DejaVu Sans"});
}

}  // namespace zeliro
