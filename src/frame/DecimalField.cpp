#include "frame/DecimalField.h"

#include <QAbstractButton>
#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

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

// The editing shortcuts that change no text on their own or that the
// context menu offers as they are.
bool isEditingShortcut(const QKeyEvent* event) {
    for (const QKeySequence::StandardKey key : {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Cut,
                                                QKeySequence::Copy, QKeySequence::SelectAll})
        if (event->matches(key)) return true;
    return false;
}

}  // namespace

DecimalField::DecimalField(Beep& beep, QWidget* parent) : QLineEdit(parent), m_beep(beep) {}

QString DecimalField::textWithoutSelection() const {
    QString remaining = text();
    if (hasSelectedText()) remaining.remove(selectionStart(), selectionLength());
    return remaining;
}

bool DecimalField::pasteText(const QString& pasted) {
    if (isReadOnly()) return false;
    const QString remaining = textWithoutSelection();
    const int spot = hasSelectedText() ? selectionStart() : cursorPosition();
    const std::string before = remaining.left(spot).toStdString();
    const std::string after = remaining.mid(spot).toStdString();
    const std::string entered = pasted.toStdString();
    const FieldEntryOutcome outcome =
        decimalFieldEntry({before, after, entered, false, m_separator.toLatin1()});
    if (!outcome.accepted) {
        m_beep.beep();
        return false;
    }
    insert(QString::fromStdString(outcome.inserted));
    return true;
}

void DecimalField::pasteFrom(QClipboard::Mode mode) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (mode == QClipboard::Selection && !clipboard->supportsSelection()) return;
    pasteText(clipboard->text(mode));
}

void DecimalField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's paste goes through the key filter like every other paste.
    // Older Qt names the item by its text only ("&Paste", then its shortcut).
    static constexpr char qtContext[] = "QLineEdit";  // Qt's own text, in Qt's translations
    const QString pasteText = QCoreApplication::translate(qtContext, "&Paste");
    for (QAction* action : menu->actions()) {
        if (action->objectName() != QLatin1String("edit-paste") &&
            action->text().section('\t', 0, 0) != pasteText)
            continue;
        action->setObjectName(QStringLiteral("edit-paste"));
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, [this] { pasteFrom(QClipboard::Clipboard); });
    }
    menu->popup(event->globalPos());
}

void DecimalField::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        pasteFrom(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void DecimalField::dropEvent(QDropEvent* event) {
    // Text moved within the field is text the filter already let in.
    if (event->source() == this) {
        QLineEdit::dropEvent(event);
        return;
    }
    if (!event->mimeData()->hasText() || isReadOnly()) {
        event->ignore();
        return;
    }
    deselect();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    if (pasteText(event->mimeData()->text())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void DecimalField::keyPressEvent(QKeyEvent* event) {
    if (isEnter(event) && m_defaultButton) {
        m_defaultButton->click();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteFrom(QClipboard::Clipboard);
        event->accept();
        return;
    }
    if (isEditingShortcut(event)) {
        QLineEdit::keyPressEvent(event);
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
        decimalFieldKey(textWithoutSelection().toStdString(), code, fromKeypad, m_separator.toLatin1());
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
