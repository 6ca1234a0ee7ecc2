#pragma once

#include <functional>
#include <initializer_list>

#include "frame/CalculationWindow.h"

namespace zeliro {

// The copper of the coils in the drawings of both windows.
const QColor coilCopper(184, 115, 51);

// What the loading-coil and coil construction windows share: a column of
// input fields, each with its caption to the left, over a captioned result
// box, all in the same fonts and colours.
class CoilWindow : public CalculationWindow {
public:
    // Where the captions and the boxes of the column stand, in twips.
    struct Column {
        int captionLeft;
        int captionWidth;
        int boxLeft;
        int boxWidth;
    };
    // A box (a field, or the result label) with its caption, by objectName.
    struct FieldRow {
        DecimalField** field;  // set to the field made for the row (none for the result)
        const char* box;
        QString tooltip;
        const char* caption;
        QString captionText;
        int top;
    };
    struct ButtonRow {
        const char* name;
        QString caption;
        QString tooltip;
        QRect geometry;
        std::function<void()> handler;
    };

protected:
    using CalculationWindow::CalculationWindow;

    // The fields top to bottom, each named after its caption for screen
    // readers; TAB goes down the column in this order, and the first field
    // has the focus when the window opens. Each row's field pointer is set to
    // its field; returns the last field.
    QWidget* addFieldColumn(const Column& column, std::initializer_list<FieldRow> rows);
    // The buttons, TAB going on to them in this order from `after`; the first
    // is the default button that Enter in a field clicks.
    void addButtons(QWidget* after, std::initializer_list<ButtonRow> buttons);
    // The red result box, named after its caption.
    QLabel* addResultRow(const Column& column, const FieldRow& row);
};

}  // namespace zeliro
