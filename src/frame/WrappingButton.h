#pragma once

#include <QPushButton>

namespace zeliro {

// A push button whose caption breaks into lines at its blanks when it does not
// fit on one line; text() stays the caption as given.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    WrappingButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zeliro
