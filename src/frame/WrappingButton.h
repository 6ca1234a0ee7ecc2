#pragma once

#include <QPushButton>

namespace zeliro {

// A push button whose caption is set in lines: a run of three or more blanks
// in the caption starts a new line (such runs spread the parts of a caption
// one under the other on a narrow button), shorter runs stay as typed, and a
// line that still does not fit breaks at its blanks. text() stays the caption
// as given.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    WrappingButton(const QString& caption, QWidget* parent);

    // The caption as it is drawn, its lines separated by '\n'.
    static QString captionLines(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zeliro
