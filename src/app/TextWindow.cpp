#include "app/TextWindow.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "frame/Look.h"

namespace zeliro {

namespace {
const QColor textBoxGrey(0xE0, 0xE0, 0xE0);
}

TextWindow::TextWindow(const TextWindowTexts& texts, ScrollBar scrollBar) {
    setWindowTitle(QString::fromStdString(texts.caption));
    setFixedSize(620, 556);
    setColours(*this, black, lightGrey);

    Label1 = new QLabel(QString::fromStdString(texts.title), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(20, 12, 580, 36);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(sansFont(13.5, true));
    setColours(*Label1, QColor(0, 0, 128));

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    Text1->setGeometry(20, 56, 580, 484);
    Text1->setFont(sansFont(11.25));
    setColours(*Text1, black, textBoxGrey);
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setVerticalScrollBarPolicy(scrollBar == ScrollBar::vertical ? Qt::ScrollBarAlwaysOn
                                                                       : Qt::ScrollBarAlwaysOff);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The CR LF pairs of the text become the box's line breaks.
    Text1->setPlainText(QString::fromStdString(texts.text));
}

}  // namespace zeliro
