#include "testsupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>

#include <algorithm>

#include "app/start.h"
#include "frame/Registry.h"
#include "frame/Warnings.h"

namespace zeliro::test {

ScriptedFileDialogs& fileDialogs() {
    static ScriptedFileDialogs dialogs;
    return dialogs;
}

QWidget* startProgram(RecordingBeep& beep, RecordingPrinter& printer, double timeScale, Language language) {
    beep.count = 0;
    printer.reports.clear();
    printer.images.clear();
    Warnings::setTimeScale(timeScale);
    QWidget* splash = start(language);
    Registry::current().setBeep(&beep);
    Registry::current().setPrinter(&printer);
    fileDialogs() = {};
    Registry::current().setFileDialogs(&fileDialogs());
    return splash;
}

void stopProgram() {
    Registry::current().closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Warnings::setTimeScale(1.0);
}

QStringList openWindows() {
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && !widget->objectName().isEmpty() && widget->objectName() != "registry")
            names << widget->objectName();
    names.sort();
    return names;
}

int copiesOf(const QString& name) {
    const auto widgets = QApplication::topLevelWidgets();
    return static_cast<int>(
        std::count_if(widgets.begin(), widgets.end(), [&](QWidget* w) { return w->objectName() == name; }));
}

QWidget* window(const QString& name) { return Registry::current().find(name); }

QString textOf(QWidget* window, const QString& name) {
    QWidget* widget = control(window, name);
    if (auto* field = qobject_cast<QLineEdit*>(widget)) return field->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    return {};
}

bool shown(QWidget* window, const QString& name) {
    QWidget* widget = control(window, name);
    return widget && widget->isVisibleTo(window);
}

void type(QWidget* window, const QString& field, const QString& keys) {
    auto* edit = control<QLineEdit>(window, field);
    QVERIFY2(edit, qPrintable("no field " + field));
    edit->setFocus();
    QTest::keyClicks(edit, keys);
}

void fill(QWidget* window, const QStringList& fields, const QStringList& texts) {
    for (int i = 0; i < fields.size(); ++i) {
        auto* edit = control<QLineEdit>(window, fields[i]);
        QVERIFY2(edit, qPrintable("no field " + fields[i]));
        edit->clear();
        type(window, fields[i], texts.value(i));
    }
}

void click(QWidget* window, const QString& name) {
    auto* button = control<QAbstractButton>(window, name);
    QVERIFY2(button, qPrintable("no button " + name));
    QTest::mouseClick(button, Qt::LeftButton);
}

void triggerMenu(QWidget* window, const QString& action) {
    auto* item = control<QAction>(window, action);
    QVERIFY2(item, qPrintable("no menu item " + action));
    item->trigger();
}

}  // namespace zeliro::test
