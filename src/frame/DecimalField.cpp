#include "frame/DecimalField.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include <optional>

#include "core/keyfilter.h"
#include "frame/Platform.h"

namespace zeliro {
namespace {

bool isEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Editing and moving keys that carry no character of their own, whatever text
// the platform attaches to them.
bool isNavigationKey(int key) {
    switch (key) {
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Insert:
            return true;
        default:
            return false;
    }
}

}  // namespace

DecimalField::DecimalField(Beep& beep, QWidget* parent) : QLineEdit(parent), m_beep(beep) {}

void DecimalField::keyPressEvent(QKeyEvent* event) {
    if (isEnter(event) && m_defaultButton) {
        m_defaultButton->click();
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || isNavigationKey(event->key())) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // A key press carries one character; a longer text (an input method's
    // composed string) is judged by its first character.
    const int code = static_cast<int>(typed.at(0).unicode());
    const bool fromKeypad = event->modifiers().testFlag(Qt::KeypadModifier);
    const std::optional<int> passed =
        decimalFieldKey(text().toStdString(), code, fromKeypad, m_separator.toLatin1());
    if (!passed) {
        m_beep.beep();
        event->accept();
        return;
    }
    if (*passed == code) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The decimal key: the field receives the separator as if it had been typed.
    const QChar separator(*passed);
    QKeyEvent separatorKey(event->type(), separator == QLatin1Char(',') ? Qt::Key_Comma : Qt::Key_Period,
                           event->modifiers() & ~Qt::KeypadModifier, QString(separator));
    QLineEdit::keyPressEvent(&separatorKey);
    event->setAccepted(separatorKey.isAccepted());
}

}  // namespace zeliro
