#include "frame/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include "frame/WholeFigure.h"

namespace zeliro {
namespace {

const char* const resultProperty = "resultLabel";

// A result label as a screen reader sees it: a static text named after its
// caption, whose value and text are the figure it shows, read-only.
class ResultAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ResultAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return shown();
        return QAccessibleWidget::text(kind);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(int startOffset, int endOffset) const override {
        if (startOffset < 0 || endOffset < startOffset) return {};
        return shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QString shown() const { return static_cast<const QLabel*>(widget())->text(); }
};

QAccessibleInterface* resultInterface(const QString& className, QObject* object) {
    auto* label = qobject_cast<QLabel*>(object);
    if (className == QLatin1String("QLabel") && label && label->property(resultProperty).toBool())
        return new ResultAccessible(label);
    return nullptr;
}

}  // namespace

void nameAfterCaption(QWidget& control, QLabel& caption) {
    const QString name = caption.text().trimmed();
    if (auto* result = qobject_cast<QLabel*>(&control))
        nameResult(*result, name);
    else
        control.setAccessibleName(name);
    // A buddy turns an ampersand of the caption into a shortcut mark: only a
    // caption without one gets its control as buddy.
    if (!caption.text().contains(QLatin1Char('&'))) caption.setBuddy(&control);
}

void nameResult(QLabel& result, const QString& name) {
    static const bool installed = (QAccessible::installFactory(resultInterface), true);
    Q_UNUSED(installed);
    result.setAccessibleName(name);
    result.setProperty(resultProperty, true);
    keepFiguresWhole(result);
    // While a screen reader listens, setting the label's text at its
    // construction already made it a plain label's interface: replace that.
    QAccessibleInterface* current = QAccessible::queryAccessibleInterface(&result);
    if (current && !dynamic_cast<ResultAccessible*>(current))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
}

}  // namespace zeliro
