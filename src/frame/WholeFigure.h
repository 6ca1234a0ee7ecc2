#pragma once
// A result label never cuts its figure off: when the figure does not fit in
// the label's own font, the label draws it in a smaller one, down to a
// readable minimum; below that it draws the start of the figure with an
// ellipsis and shows the whole figure in its tooltip. The label's text() stays
// the whole figure, for the prints and for screen readers.

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;

namespace zeliro {

constexpr double smallestFigurePoints = 7.0;

// The room QLabel draws its text in: the contents less the margin and, on
// the sides the text is aligned to, the indent (half an "x" for a framed
// label with no indent of its own).
QRect textArea(const QLabel& label);

// How a label draws its text at its present size.
struct ShownFigure {
    QFont font;
    QString text;
    bool whole = true;  // false: the start of the figure and an ellipsis
};

// The figure as the label shows it: its own font when the text fits, else the
// largest smaller font in half points that fits, else the elided figure in
// the smallest font.
ShownFigure shownFigure(const QLabel& label);

// Makes the label draw its figures that way from now on.
void keepFiguresWhole(QLabel& label);

}  // namespace zeliro
