#include "frame/Look.h"

#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

#include <map>

namespace zeliro {

namespace {
// The installed face that stands for each family the windows name.
std::map<QString, QString> standIns;
}  // namespace

QFont namedFont(const QString& family, double points, bool bold) {
    const auto standIn = standIns.find(family);
    QFont font(standIn == standIns.end() ? family : standIn->second);
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
    standIns.clear();
    const QStringList installed = QFontDatabase::families();
    const std::pair<QString, QStringList> faces[] = {
        {"Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"MS Sans Serif", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"}},
        {"Courier New", {"Liberation Mono", "Cousine", "DejaVu Sans Mono"}},
    };
    for (const auto& [family, candidates] : faces)
        for (const QString& candidate : candidates)
            if (installed.contains(candidate)) {
                standIns[family] = candidate;
                break;
            }
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"});
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "Cousine", "DejaVu Sans Mono"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arimo", "DejaVu Sans"});
}

}  // namespace zeliro
