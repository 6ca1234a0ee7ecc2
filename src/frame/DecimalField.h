#pragma once

#include <QAbstractButton>
#include <QClipboard>
#include <QLineEdit>
#include <QPointer>

namespace zeliro {

class Beep;

// A single-line decimal-comma input field. Every key that produces a character
// goes through the key filter first; a refused key beeps and never reaches the
// field. Keys without a character (arrows, Delete, Home, End) are not
// filtered. A typed key replaces the selection, so the filter judges the text
// with the selection taken out. A paste (Ctrl+V, Shift+Insert, the context
// menu, the middle button) or a dropped text goes through the same filter,
// character by character: one refused character beeps and leaves the field as
// it was. The usual editing shortcuts (undo, redo, cut, copy, select all) do
// what the context menu does. In a window with a default button, Enter clicks
// that button instead of reaching the filter. The decimal key (the full stop,
// the keypad's decimal key) types the decimal separator, a comma unless the
// field is given another; a pasted full stop becomes the separator too.
class DecimalField : public QLineEdit {
    Q_OBJECT
public:
    DecimalField(Beep& beep, QWidget* parent);

    void setDefaultButton(QAbstractButton* button) { m_defaultButton = button; }
    void setDecimalSeparator(QChar separator) { m_separator = separator; }
    QChar decimalSeparator() const { return m_separator; }

    // Puts a pasted text in place of the selection, through the key filter;
    // false (after a beep) when the filter refuses it.
    bool pasteText(const QString& pasted);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void pasteFrom(QClipboard::Mode mode);
    QString textWithoutSelection() const;

    Beep& m_beep;
    QPointer<QAbstractButton> m_defaultButton;
    QChar m_separator = QLatin1Char(',');
};

}  // namespace zeliro
