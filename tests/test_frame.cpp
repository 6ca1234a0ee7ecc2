// The calculation-window frame: the key filter of the decimal-comma fields and
// the timed warnings, on the half-wave dipole window and on bare widgets.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "core/keyfilter.h"
#include "cupsfixture.h"
#include "frame/DecimalField.h"
#include "frame/PrintChoices.h"
#include "frame/Registry.h"
#include "frame/SystemPrinter.h"
#include "frame/Warnings.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

class Frame : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void filterRules_data();
    void filterRules();
    void decimalKey_data();
    void decimalKey();
    void typedKeys_data();
    void typedKeys();
    void decimalKeyInEveryWindow_data();
    void decimalKeyInEveryWindow();
    void refusedControlKeys_data();
    void refusedControlKeys();
    void keysWithoutCharacterAreNotFiltered();
    void selectedZeroIsReplaced();
    void pastingAndEditingKeys_data();
    void pastingAndEditingKeys();
    void warningLastsItsWholeWait();
    void secondWarningKeepsTheLabel();
    void closingDuringAWaitCancelsIt();
    void menuChiudiDuringAWaitEnds();
    void printModuleThatDoesNotLoad_data();
    void printModuleThatDoesNotLoad();
    void staleResultsGrey_data();
    void staleResultsGrey();

private:
    QWidget* openDipole();
    RecordingBeep m_beep;
    RecordingPrinter m_printer;
};

void Frame::init() { startProgram(m_beep, m_printer); }

void Frame::cleanup() { stopProgram(); }

QWidget* Frame::openDipole() {
    click(window("frmSplash"), "Command1");
    click(window("frmMENU"), "Command6");
    return window("frmDIPOLOSTANDARD");
}

void Frame::filterRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("digit into empty") << "" << int('7') << true;
    QTest::newRow("zero into empty") << "" << int('0') << true;
    QTest::newRow("digit after lone zero") << "0" << int('7') << false;
    QTest::newRow("zero after lone zero") << "0" << int('0') << false;
    QTest::newRow("comma after lone zero") << "0" << int(',') << true;
    QTest::newRow("backspace after lone zero") << "0" << 8 << true;
    QTest::newRow("letter code after lone zero") << "0" << int('a') << false;
    QTest::newRow("digit after 0,") << "0," << int('5') << true;
    QTest::newRow("digit after 10") << "10" << int('0') << true;
    QTest::newRow("first comma") << "7" << int(',') << true;
    QTest::newRow("second comma") << "7,05" << int(',') << false;
    QTest::newRow("comma into empty") << "" << int(',') << true;
    QTest::newRow("backspace") << "7,05" << 8 << true;
    QTest::newRow("full stop") << "7" << int('.') << false;
    QTest::newRow("minus") << "" << int('-') << false;
    QTest::newRow("space") << "7" << int(' ') << false;
    QTest::newRow("enter") << "7" << 13 << false;
    QTest::newRow("escape") << "7" << 27 << false;
    QTest::newRow("letter") << "" << int('E') << false;
    QTest::newRow("non-Latin letter") << "" << 0x3b1 << false;
}

void Frame::filterRules() {
    QFETCH(QString, text);
    QFETCH(int, code);
    QFETCH(bool, accepted);
    QCOMPARE(decimalKeyAccepted(text.toStdString(), code), accepted);
}

// The decimal key stands for the separator, a comma or (in English) a point.
void Frame::decimalKey_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("passed");  // -1: refused
    QTest::newRow("full stop gives a comma") << "7" << int('.') << false << "," << int(',');
    QTest::newRow("keypad full stop gives a comma") << "7" << int('.') << true << "," << int(',');
    QTest::newRow("keypad comma") << "7" << int(',') << true << "," << int(',');
    QTest::newRow("full stop into empty") << "" << int('.') << false << "," << int(',');
    QTest::newRow("full stop after lone zero") << "0" << int('.') << false << "," << int(',');
    QTest::newRow("full stop after a comma") << "7,0" << int('.') << false << "," << -1;
    QTest::newRow("keypad digit") << "7" << int('5') << true << "," << int('5');
    QTest::newRow("keypad minus") << "7" << int('-') << true << "," << -1;
    QTest::newRow("point: full stop") << "7" << int('.') << false << "." << int('.');
    QTest::newRow("point: comma refused") << "7" << int(',') << false << "." << -1;
    QTest::newRow("point: keypad comma gives a point") << "7" << int(',') << true << "." << int('.');
    QTest::newRow("point: second point") << "7.0" << int('.') << true << "." << -1;
}

void Frame::decimalKey() {
    QFETCH(QString, text);
    QFETCH(int, code);
    QFETCH(bool, keypad);
    QFETCH(QString, separator);
    QFETCH(int, passed);
    const std::optional<int> key =
        decimalFieldKey(text.toStdString(), code, keypad, separator.at(0).toLatin1());
    QCOMPARE(key.value_or(-1), passed);
}

void Frame::typedKeys_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("beeps");
    QTest::newRow("0 then 7 leaves 0") << "07"
                                       << "0" << 1;
    QTest::newRow("0 , 5 gives 0,5") << "0,5"
                                     << "0,5" << 0;
    QTest::newRow("second comma refused") << "7,05,"
                                          << "7,05" << 1;
    QTest::newRow("minus, space, letters") << "7- ab"
                                           << "7" << 4;
    QTest::newRow("leading zeros refused") << "00012"
                                           << "0" << 4;
}

void Frame::typedKeys() {
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, beeps);
    QWidget* dipole = openDipole();
    type(dipole, "Text1", keys);
    QCOMPARE(textOf(dipole, "Text1"), text);
    QCOMPARE(m_beep.count, beeps);
}

// "7.05" typed on the main keyboard or the keypad gives 7,05 in every
// calculation window; a second decimal key is refused.
void Frame::decimalKeyInEveryWindow_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("keypad");
    const std::pair<const char*, const char*> fields[] = {
        {"frmDIPOLOSTANDARD", "Text1"}, {"frmTARATURA", "Text2"},          {"frmDIPOLOMULTIBANDA", "Text5"},
        {"frmCALCOLOBOBINA", "Text1"},  {"frmCOSTRUZIONEBOBINA", "Text5"},
    };
    for (const auto& [window, field] : fields)
        for (const bool keypad : {false, true})
            QTest::newRow(qPrintable(QString("%1 %2").arg(window, keypad ? "keypad" : "keyboard")))
                << window << field << keypad;
}

void Frame::decimalKeyInEveryWindow() {
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(bool, keypad);
    auto* edit = control<QLineEdit>(Registry::current().show(window), field);
    QVERIFY(edit);
    edit->setFocus();
    QTest::keyClicks(edit, "7.05", keypad ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(edit->text(), "7,05");
    QCOMPARE(m_beep.count, 0);
    QTest::keyClick(edit, '.', keypad ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(edit->text(), "7,05");
    QCOMPARE(m_beep.count, 1);
}

void Frame::refusedControlKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Ctrl+E") << int(Qt::Key_E) << int(Qt::ControlModifier);
}

void Frame::refusedControlKeys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QWidget* dipole = openDipole();
    type(dipole, "Text1", "7,05");
    auto* field = control<QLineEdit>(dipole, "Text1");
    field->selectAll();
    QTest::keyClick(field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_beep.count, 1);
    QCOMPARE(field->text(), "7,05");
    // Backspace passes.
    field->end(false);
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), "7,0");
    QCOMPARE(m_beep.count, 1);
}

void Frame::keysWithoutCharacterAreNotFiltered() {
    QWidget* dipole = openDipole();
    type(dipole, "Text1", "7,05");
    auto* field = control<QLineEdit>(dipole, "Text1");
    QTest::keyClick(field, Qt::Key_Home);
    QCOMPARE(field->cursorPosition(), 0);
    QTest::keyClick(field, Qt::Key_Delete);
    QCOMPARE(field->text(), ",05");
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Left);
    QCOMPARE(field->cursorPosition(), 2);
    QCOMPARE(m_beep.count, 0);
}

// A typed key replaces the selection: the lone-zero rule looks at the text
// the key leaves.
void Frame::selectedZeroIsReplaced() {
    QWidget* dipole = openDipole();
    type(dipole, "Text1", "0");
    auto* field = control<QLineEdit>(dipole, "Text1");
    field->selectAll();
    QTest::keyClick(field, '5');
    QCOMPARE(field->text(), "5");
    QCOMPARE(m_beep.count, 0);
}

// Pastes go through the key filter whole or not at all, the full stop
// becoming the separator; the editing shortcuts do what the context menu
// does. Steps: "type:KEYS", "ctrl+v", "shift+insert", "menu paste" (the
// context menu's item), "ctrl+a", "ctrl+z", "ctrl+c".
void Frame::pastingAndEditingKeys_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("beeps");
    const QString dipole = "frmDIPOLOSTANDARD";
    QTest::newRow("Shift+Insert 7.05") << dipole << "Text1"
                                       << ","
                                       << "" << QStringList{"shift+insert"} << "7.05"
                                       << "7,05" << 0;
    QTest::newRow("Ctrl+V with letters and a sign: refused whole")
        << dipole << "Text1"
        << ","
        << "" << QStringList{"ctrl+v"} << "abc-7.05xyz"
        << "" << 1;
    QTest::newRow("English: pasted 7,05 refused") << dipole << "Text1"
                                                  << "."
                                                  << "" << QStringList{"ctrl+v"} << "7,05"
                                                  << "" << 1;
    QTest::newRow("English: pasted 7.05") << dipole << "Text1"
                                          << "."
                                          << "" << QStringList{"ctrl+v"} << "7.05"
                                          << "7.05" << 0;
    QTest::newRow("context menu paste, line end dropped") << dipole << "Text1"
                                                          << ","
                                                          << "" << QStringList{"menu paste"} << "14.2\n"
                                                          << "14,2" << 0;
    QTest::newRow("paste over the whole text") << dipole << "Text1"
                                               << ","
                                               << "14,2" << QStringList{"ctrl+a", "ctrl+v"} << "7.05"
                                               << "7,05" << 0;
    QTest::newRow("paste after a lone zero refused") << dipole << "Text1"
                                                     << ","
                                                     << "0" << QStringList{"ctrl+v"} << "5"
                                                     << "0" << 1;
    QTest::newRow("paste of a second separator refused") << dipole << "Text1"
                                                         << ","
                                                         << "7,0" << QStringList{"ctrl+v"} << "5.1"
                                                         << "7,0" << 1;
    QTest::newRow("Ctrl+A then a digit replaces all") << dipole << "Text1"
                                                      << ","
                                                      << "7,05" << QStringList{"ctrl+a", "type:3"} << ""
                                                      << "3" << 0;
    QTest::newRow("Ctrl+Z undoes a paste") << dipole << "Text1"
                                           << ","
                                           << "7" << QStringList{"ctrl+v", "ctrl+z"} << ",5"
                                           << "7" << 0;
    QTest::newRow("Ctrl+C copies, leaves the text")
        << dipole << "Text1"
        << ","
        << "7,05" << QStringList{"ctrl+a", "ctrl+c", "type:1", "ctrl+a", "ctrl+v"} << ""
        << "7,05" << 0;
    QTest::newRow("coil construction: selected 0 becomes 200")
        << "frmCOSTRUZIONEBOBINA"
        << "Text5"
        << ","
        << "0" << QStringList{"ctrl+a", "type:200"} << ""
        << "200" << 0;
}

void Frame::pastingAndEditingKeys() {
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, separator);
    QFETCH(QString, start);
    QFETCH(QStringList, steps);
    QFETCH(QString, clipboard);
    QFETCH(QString, text);
    QFETCH(int, beeps);
    auto* edit = control<DecimalField>(Registry::current().show(window), field);
    QVERIFY(edit);
    edit->setDecimalSeparator(separator.at(0));
    edit->setText(start);
    edit->setFocus();
    QGuiApplication::clipboard()->setText(clipboard);
    for (const QString& step : steps) {
        if (step.startsWith("type:")) {
            QTest::keyClicks(edit, step.mid(5));
        } else if (step == "ctrl+v") {
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else if (step == "shift+insert") {
            QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        } else if (step == "ctrl+a") {
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        } else if (step == "ctrl+z") {
            QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        } else if (step == "ctrl+c") {
            QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        } else if (step == "menu paste") {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                    edit->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(edit, &event);
            auto* menu = edit->findChild<QMenu*>();
            QVERIFY(menu);
            auto* paste = menu->findChild<QAction*>("edit-paste");
            QVERIFY(paste);
            paste->trigger();
            menu->close();
        }
    }
    QCOMPARE(edit->text(), text);
    QCOMPARE(m_beep.count, beeps);
}

void Frame::warningLastsItsWholeWait() {
    Warnings::setTimeScale(0.1);  // 4 s become 400 ms
    QWidget* dipole = openDipole();
    QElapsedTimer clock;
    clock.start();
    click(dipole, "Command2");
    QVERIFY(shown(dipole, "Label8"));
    QCOMPARE(m_beep.count, 1);
    // Other buttons work meanwhile.
    click(dipole, "Option2");
    type(dipole, "Text1", "50");
    click(dipole, "Command2");
    QCOMPARE(textOf(dipole, "Label7"), "2,85");
    QVERIFY(waitUntil([&] { return clock.elapsed() >= 350; }));
    QVERIFY(shown(dipole, "Label8"));
    QVERIFY(waitUntil([&] { return !shown(dipole, "Label8"); }));
    QVERIFY(clock.elapsed() >= 400);
}

void Frame::secondWarningKeepsTheLabel() {
    QWidget host;
    auto* label = new QLabel("warning", &host);
    label->setObjectName("Label1");
    auto* field = new QLineEdit("7", &host);
    field->setObjectName("Text1");
    auto* after = new QLineEdit("9", &host);
    after->setObjectName("Text2");
    label->hide();
    host.show();
    Warnings::setTimeScale(0.1);
    Warnings warnings(host, m_beep);
    QElapsedTimer clock;
    clock.start();
    warnings.run({label, 4, {field}, {}, true});
    QVERIFY(label->isVisible());
    QCOMPARE(field->text(), QString());
    QVERIFY(waitUntil([&] { return clock.elapsed() >= 200; }));
    warnings.run({label, 4, {}, {after}, false});
    QCOMPARE(m_beep.count, 2);
    QVERIFY(waitUntil([&] { return warnings.pending() == 1; }));
    QVERIFY(clock.elapsed() >= 400);
    QVERIFY(label->isVisible());
    QCOMPARE(after->text(), "9");
    QVERIFY(waitUntil([&] { return warnings.pending() == 0; }));
    QVERIFY(clock.elapsed() >= 600);
    QVERIFY(!label->isVisible());
    QCOMPARE(after->text(), QString());
}

void Frame::closingDuringAWaitCancelsIt() {
    QWidget* dipole = openDipole();
    click(dipole, "Command2");
    QVERIFY(shown(dipole, "Label8"));
    dipole->close();
    QTest::qWait(100);  // well past the shortened wait
    QCOMPARE(copiesOf("frmDIPOLOSTANDARD"), 0);
    QCOMPARE(openWindows(), QStringList{"frmMENU"});
}

void Frame::menuChiudiDuringAWaitEnds() {
    Warnings::setTimeScale(1.0);
    QWidget* dipole = openDipole();
    click(dipole, "Command2");
    click(window("frmMENU"), "Command4");
    QVERIFY(openWindows().isEmpty());
    QTest::qWait(50);
    QCOMPARE(copiesOf("frmDIPOLOSTANDARD"), 0);
}

void Frame::printModuleThatDoesNotLoad_data() {
    QTest::addColumn<QString>("item");  // the menu item that needs the module
    QTest::addColumn<QString>("file");  // in a scratch folder, or beside the program's folder
    QTest::addColumn<QString>("told");
    const char* rows[][3] = {{"stampasolodati", "libzeliro_print.so", "non risponde"},
                             {"anteprimadati", "libzeliro_preview.so", "anteprima di stampa non si può"}};
    for (const auto& [item, module, told] : rows) {
        QTest::addRow("%s missing", module) << item << QString("scratch/") + module << told;
        QTest::addRow("%s not a library", module) << item << "scratch/garbage.so" << told;
        QTest::addRow("%s a library without the entry", module)
            << item << "../lib/zeliro/libzeliro_widgets.so" << told;
    }
}

// A print or preview module that cannot be loaded is told, with the loader's
// words, and the program goes on. For printing it is a print system that is
// not there.
void Frame::printModuleThatDoesNotLoad() {
    QFETCH(QString, item);
    QFETCH(QString, file);
    QFETCH(QString, told);
    QTemporaryDir scratch;
    QFile garbage(scratch.filePath("garbage.so"));
    QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("not a library") > 0);
    garbage.close();
    file.replace("scratch/", scratch.path() + "/");
    if (file.startsWith("..")) file = QCoreApplication::applicationDirPath() + "/" + file;
    SystemPrinter::setModuleFile(item == "stampasolodati" ? file : QString());
    setPreviewModuleFile(item == "anteprimadati" ? file : QString());
    Registry::current().setPrinter(nullptr);  // the system's printer

    QWidget* dipole = openDipole();
    triggerMenu(dipole, item);
    QVERIFY(waitUntil([] { return printMessage() != nullptr; }, SystemPrinter::timeLimit() + 5000));
    SystemPrinter::setModuleFile({});
    setPreviewModuleFile({});
    QVERIFY2(printMessage()->text().contains(told), qPrintable(printMessage()->text()));
    QVERIFY2(printMessage()->detailedText().contains(QFileInfo(file).fileName()),
             qPrintable(printMessage()->detailedText()));
    printMessage()->close();
    QVERIFY(Registry::current().find("frmDIPOLOSTANDARD"));
}

// A result whose inputs changed after CALCOLA is greyed, its text kept and a
// screen reader told, until the inputs return or CALCOLA (the example's last
// step) runs again.
void Frame::staleResultsGrey_data() {
    for (const char* column : {"window", "example", "result", "change"}) QTest::addColumn<QString>(column);
    QTest::addColumn<Language>("language");
    const char* rows[][4] = {
        {"frmDIPOLOSTANDARD", "Option2 Text1=7,05 Command2", "Label7", "Text1=7,1"},
        {"frmTARATURA", "Option1 Text1=7,05 Text2=7 Command2", "Label5", "Text1=7,1 Text2=7,2 Option2"},
        {"frmDIPOLOMULTIBANDA",
         "Option1 Option5 Text1=35 Text2=2,5 Text3=6,4 Text4=0,935 Text5=7,055 Text6=3,65 Command2",
         "Label26", "Text3=6,5"},
        {"frmCALCOLOBOBINA", "Text1=2 Text2=7,05 Text3=10 Text4=2 Command1", "Label9", "Text4=3"},
        {"frmCOSTRUZIONEBOBINA", "Text3=1,5 Text5=25 Text2=40 Text1=35 Command2", "Label19", "Text2=45"},
    };
    for (const auto& row : rows)
        for (const Language l : {Language::italian, Language::english})
            QTest::addRow("%s, %s", row[0], l == Language::english ? "English" : "Italian")
                << row[0] << row[1] << row[2] << row[3] << l;
}

void Frame::staleResultsGrey() {
    QFETCH(QString, window);
    QFETCH(QString, example);
    QFETCH(QString, result);
    QFETCH(QString, change);
    QFETCH(Language, language);
    stopProgram();
    startProgram(m_beep, m_printer, 0.01, language);
    QWidget* shownWindow = Registry::current().show(window);
    // Steps: "Text1=7,05" types a field's text, "Option2" clicks.
    const auto apply = [&](const QStringList& steps) {
        for (QString step : steps) {
            if (language == Language::english) step.replace(',', '.');
            if (const QStringList typed = step.split('='); typed.size() == 2)
                control<QLineEdit>(shownWindow, typed[0])->setText(typed[1]);
            else
                control<QAbstractButton>(shownWindow, step)->click();
        }
    };
    QStringList inputs = example.split(' ');
    const QString calcola = inputs.takeLast();
    apply(inputs << calcola);
    inputs.removeLast();
    auto* label = control<QLabel>(shownWindow, result);
    const QString figure = label->text();
    const QColor fresh = label->palette().color(QPalette::WindowText);
    const auto looks = [&](bool stale) {
        return (label->palette().color(QPalette::WindowText) != fresh) == stale &&
               label->accessibleDescription().isEmpty() != stale;
    };
    apply(change.split(' '));
    QVERIFY(looks(true) && label->text() == figure);
    apply(inputs);
    QVERIFY(looks(false));
    apply(change.split(' ') << calcola);
    QVERIFY(looks(false));
}

ZELIRO_TEST_MAIN(Frame)
#include "test_frame.moc"
