#pragma once

#include <QWidget>

#include "core/texts.h"

class QLabel;
class QPlainTextEdit;

namespace zeliro {

// A window that shows a fixed title (Label1) above a fixed text (Text1, a
// read-only grey box). It has no buttons and no menu: it closes from its title
// bar, and the next opening shows the same text again.
class TextWindow : public QWidget {
    Q_OBJECT
public:
    enum class ScrollBar { none, vertical };
    TextWindow(const TextWindowTexts& texts, ScrollBar scrollBar);

private:
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
};

}  // namespace zeliro
