#pragma once
// The names a screen reader reads for the controls of a form. Qt names buttons,
// options and menu items after their captions; an input field or a result is
// named here after the label that introduces it on the form, as shown there.
//
// A result label keeps its figure readable: its accessible name is the caption,
// while the text it shows is its value and its text (the figure a screen reader
// reads out after the name).

class QLabel;
class QString;
class QWidget;

namespace zeliro {

// Names the control after the caption's text (blanks at the ends left out) and
// relates the two. A label as control is taken for a result label.
void nameAfterCaption(QWidget& control, QLabel& caption);

// Names a label that shows a result, keeping its shown text as value and text.
// A result label keeps its figures whole (frame/WholeFigure.h).
void nameResult(QLabel& result, const QString& name);

}  // namespace zeliro
