#pragma once
// Small helpers for laying out windows the way they were drawn: positions in
// twips (1440 a inch, 15 a pixel at 96 dots per inch), named fonts and colours.

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

namespace zeliro {

constexpr int twipsPerPixel = 15;

constexpr int twips(int value) { return value / twipsPerPixel; }
inline QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}
inline QPoint twipsPoint(int left, int top) { return {twips(left), twips(top)}; }

inline QString spaces(int count) { return QString(count, QLatin1Char(' ')); }

QFont namedFont(const QString& family, double points, bool bold = false);
inline QFont sansFont(double points, bool bold = false) { return namedFont("MS Sans Serif", points, bold); }

// Text colour, and background colour when valid (the widget then paints it).
void setColours(QWidget& widget, const QColor& text, const QColor& background = QColor());

const QColor teal(0, 128, 128);
const QColor lightGrey(192, 192, 192);
const QColor white(255, 255, 255);
const QColor yellow(255, 255, 0);
const QColor black(0, 0, 0);
const QColor red(255, 0, 0);
const QColor green(0, 255, 0);

// Fonts named Arial, Times New Roman, MS Sans Serif and Courier New resolve to
// installed metric-compatible faces: namedFont() asks for those faces, and a
// font made otherwise with a Windows name finds them as Qt's substitutes,
// which this installs.
void installFontSubstitutes();

// The program's style, over the style the application runs with: option
// buttons and check boxes drawn as on the classic desktop (a white face with a
// dark rim, a black dot or check mark), readable on teal, on grey and under a
// dark palette alike, and a dotted black-and-white focus rectangle that shows
// on any background. Installing it again changes nothing.
void installLookStyle();

// A window whose controls stand at fixed places keeps its size: fixed at the
// size its layout asks for (or the size it has), without a maximise button.
// Sizes are logical pixels, so the window follows the screen's scale.
void keepFixedSize(QWidget& window);

}  // namespace zeliro
