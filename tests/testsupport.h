#pragma once
// What the window tests share: recording seams, a test main that runs on the
// offscreen platform, and small helpers to drive the program as a user does.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

#include "core/language.h"
#include "frame/FileDialogs.h"
#include "frame/Platform.h"

#include <QAbstractButton>
#include <QAction>

namespace zeliro::test {

class RecordingBeep : public Beep {
public:
    void beep() override { ++count; }
    int count = 0;
};

// Takes every job at once, as a printer that works would.
class RecordingPrinter : public Printer {
public:
    void printLines(const std::vector<std::string>& lines, Done done) override {
        reports.push_back(lines);
        done({PrintResult::Status::handedOver, "registratore", {}});
    }
    void printImage(const QImage& image, Done done) override {
        images.push_back(image);
        done({PrintResult::Status::handedOver, "registratore", {}});
    }
    void printReport(const std::vector<std::string>& lines, const QImage& picture, Done done) override {
        reports.push_back(lines);
        images.push_back(picture);
        done({PrintResult::Status::handedOver, "registratore", {}});
    }
    std::vector<std::vector<std::string>> reports;
    std::vector<QImage> images;
};

// File dialogs that answer with the names a test sets (empty: cancelled).
class ScriptedFileDialogs : public FileDialogs {
public:
    QString openFileName(QWidget*, const QString&, const QString&) override { return openName; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return saveName;
    }
    QString openName;
    QString saveName;
};
// The file dialogs every started program uses; startProgram() empties them.
ScriptedFileDialogs& fileDialogs();

// Starts the program afresh with recording seams and short warnings
// (timeScale: 1 keeps the real waits); the seams start with no beep heard and
// nothing printed. Returns the splash window.
// In English when asked (Italian, the source language, otherwise).
QWidget* startProgram(RecordingBeep& beep, RecordingPrinter& printer, double timeScale = 0.01,
                      Language language = Language::italian);
// Closes everything the last start left open.
void stopProgram();

// Names of the visible top-level windows, sorted.
QStringList openWindows();
// How many top-level widgets of that name exist (visible or not yet deleted).
int copiesOf(const QString& name);
QWidget* window(const QString& name);

template <typename T = QWidget>
T* control(QWidget* window, const QString& name) {
    return window ? window->findChild<T*>(name) : nullptr;
}
QString textOf(QWidget* window, const QString& name);
bool shown(QWidget* window, const QString& name);

// Types into a field through its key filter (the field gets the focus first).
void type(QWidget* window, const QString& field, const QString& keys);
// Types the texts into the fields in order, emptying each field first.
void fill(QWidget* window, const QStringList& fields, const QStringList& texts);
// A real mouse click on a button or option of the window.
void click(QWidget* window, const QString& name);
// Triggers a menu action of the window by its objectName.
void triggerMenu(QWidget* window, const QString& action);

// Waits until the condition holds or the time is over; returns the condition.
template <typename Condition>
bool waitUntil(Condition condition, int timeoutMs = 5000) {
    return QTest::qWaitFor(condition, timeoutMs);
}

}  // namespace zeliro::test

Q_DECLARE_METATYPE(zeliro::Language)

// A test main on the offscreen platform, whatever the environment says.
#define ZELIRO_TEST_MAIN(TestClass)                                                                  \
    int main(int argc, char** argv) {                                                                \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen"); \
        QApplication app(argc, argv);                                                                \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                     \
        TestClass test;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                   \
        return QTest::qExec(&test, argc, argv);                                                      \
    }
