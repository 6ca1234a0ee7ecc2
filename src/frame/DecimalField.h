#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>

namespace zeliro {

class Beep;

// A single-line decimal-comma input field. Every key that produces a character
// goes through the key filter first; a refused key beeps and never reaches the
// field. Keys without a character (arrows, Delete, Home, End) are not
// filtered, nor is text pasted through the context menu. In a window with a
// default button, Enter clicks that button instead of reaching the filter.
// The decimal key (the full stop, the keypad's decimal key) types the decimal
// separator, a comma unless the field is given another.
class DecimalField : public QLineEdit {
    Q_OBJECT
public:
    DecimalField(Beep& beep, QWidget* parent);

    void setDefaultButton(QAbstractButton* button) { m_defaultButton = button; }
    void setDecimalSeparator(QChar separator) { m_separator = separator; }
    QChar decimalSeparator() const { return m_separator; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Beep& m_beep;
    QPointer<QAbstractButton> m_defaultButton;
    QChar m_separator = QLatin1Char(',');
};

}  // namespace zeliro
