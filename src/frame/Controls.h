#pragma once
// Controls placed at fixed positions on a window's client area, in the
// program's colours: a caption label, a decimal-comma field and a button.
// The calculation windows and the verification window build with them.

#include <QChar>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace zeliro {

class Beep;
class DecimalField;

// A white, word-wrapped caption.
QLabel* addCaption(QWidget* parent, const QString& name, const QString& text, const QRect& geometry);
// A field with the key filter: black on white, the decimal separator given.
DecimalField* addDecimalField(QWidget* parent, Beep& beep, QChar separator, const QString& name,
                              const QRect& geometry);
// A grey push button.
QPushButton* addPushButton(QWidget* parent, const QString& name, const QString& caption,
                           const QRect& geometry, const QString& tooltip = {});

}  // namespace zeliro
