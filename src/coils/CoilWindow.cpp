#include "coils/CoilWindow.h"

#include <QLabel>
#include <QPushButton>

#include "frame/DecimalField.h"
#include "frame/Look.h"

namespace zeliro {
namespace {

QRect captionRect(const CoilWindow::Column& column, int top) {
    return twipsRect(column.captionLeft, top + 60, column.captionWidth, 285);
}
QRect boxRect(const CoilWindow::Column& column, int top) {
    return twipsRect(column.boxLeft, top, column.boxWidth, 405);
}

}  // namespace

QWidget* CoilWindow::addFieldColumn(const Column& column, std::initializer_list<FieldRow> rows) {
    QWidget* previous = nullptr;
    for (const FieldRow& row : rows) {
        QLabel* caption = addLabel(row.caption, row.captionText, captionRect(column, row.top));
        caption->setFont(sansFont(9.75, true));
        caption->setWordWrap(false);
        DecimalField* field = addField(row.box, boxRect(column, row.top), row.tooltip);
        field->setFont(namedFont("Arial", 12, true));
        nameAfter(field, caption);
        if (row.field) *row.field = field;
        if (previous) {
            setTabOrder(previous, field);
        } else {
            field->setFocus();
        }
        previous = field;
    }
    return previous;
}

void CoilWindow::addButtons(QWidget* after, std::initializer_list<ButtonRow> buttons) {
    QWidget* previous = after;
    for (const ButtonRow& row : buttons) {
        QPushButton* button = addButton(row.name, row.caption, row.geometry, row.tooltip);
        button->setFont(sansFont(9.75, true));
        connect(button, &QPushButton::clicked, this, row.handler);
        setTabOrder(previous, button);
        if (previous == after) setDefaultButton(button);
        previous = button;
    }
}

QLabel* CoilWindow::addResultRow(const Column& column, const FieldRow& row) {
    QLabel* caption = addLabel(row.caption, row.captionText, captionRect(column, row.top));
    caption->setFont(sansFont(9.75, true));
    caption->setWordWrap(false);
    QLabel* result = addLabel(row.box, {}, boxRect(column, row.top));
    result->setToolTip(row.tooltip);
    result->setFont(namedFont("Arial", 12, true));
    result->setAlignment(Qt::AlignCenter);
    result->setWordWrap(false);
    setColours(*result, red, white);
    nameAfter(result, caption);
    return result;
}

}  // namespace zeliro
