#include "frame/Controls.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "frame/DecimalField.h"
#include "frame/Look.h"

namespace zeliro {

QLabel* addCaption(QWidget* parent, const QString& name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    setColours(*label, white);
    return label;
}

DecimalField* addDecimalField(QWidget* parent, Beep& beep, QChar separator, const QString& name,
                              const QRect& geometry) {
    auto* field = new DecimalField(beep, parent);
    field->setObjectName(name);
    field->setGeometry(geometry);
    field->setDecimalSeparator(separator);
    setColours(*field, black, white);
    // A field that does not apply looks it: grey on grey.
    QPalette palette = field->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base, lightGrey);
    palette.setColor(QPalette::Disabled, QPalette::Window, lightGrey);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(110, 110, 110));
    field->setPalette(palette);
    return field;
}

QPushButton* addPushButton(QWidget* parent, const QString& name, const QString& caption,
                           const QRect& geometry, const QString& tooltip) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setToolTip(tooltip);
    setColours(*button, black, lightGrey);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    button->setPalette(palette);
    return button;
}

}  // namespace zeliro
