// The dipole trimming window: the correction per arm, its verdict and drawing,
// the warning, "RESETTA", the variables that outlive the window, and the data
// report.
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/trimming.h"
#include "cupsfixture.h"
#include "dipoles/frmTARATURA.h"
#include "frame/Look.h"
#include "frame/Registry.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

namespace {

// Which extra piece of the arm drawing is shown: the piece to add beyond the
// end insulator (Line2 with the new insulator Shape3 and its name Label12),
// the piece to take off (Line3), none, or a mix that no verdict draws.
enum class Drawing { none, added, removed, mixed };

QStringList visibleVerdicts(QWidget* w) {
    QStringList names;
    for (const char* name : {"Label4", "Label6", "Label7"})
        if (shown(w, name)) names << name;
    return names;
}

Drawing drawingShown(QWidget* w) {
    const int added = shown(w, "Line2") + shown(w, "Shape3") + shown(w, "Label12");
    const bool removed = shown(w, "Line3");
    if ((added != 0 && added != 3) || (added == 3 && removed)) return Drawing::mixed;
    if (added == 3) return Drawing::added;
    return removed ? Drawing::removed : Drawing::none;
}

// The report of a window that shows these texts and this verdict ("" for
// none): its lines are the core's, checked on their own in test_core_trimming.
std::vector<std::string> expectedReport(const std::string& configuration, const std::string& wanted,
                                        const std::string& measured, const std::string& verdict,
                                        const std::string& correction) {
    TrimmingReportInput input{wanted, measured, {}, correction, configuration};
    for (const char* text : {unchangedVerdict, lengthenVerdict, shortenVerdict})
        input.verdicts.push_back({text, text == verdict});
    return trimmingReport(input);
}

}  // namespace

Q_DECLARE_METATYPE(Drawing)

class Trimming : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // The computation alone.

    // Through the window.
    void opensInItsFixedState();
    void placesTheStatedControls_data();
    void placesTheStatedControls();
    void showsVerdictCorrectionAndDrawing_data();
    void showsVerdictCorrectionAndDrawing();
    void showsNothingForUnusableFigures_data();
    void showsNothingForUnusableFigures();
    void emptyFieldChangesNothing_data();
    void emptyFieldChangesNothing();
    void keyFilterGuardsBothFields();
    void warnsWhenNoTypeIsSelected();
    void resettaBringsBackTheOpeningState();
    void optionChangeWaitsForCalcola();
    void variablesOutliveResettaAndTheWindow();
    void menuButtonLeavesTheWindowOpen();
    void reportPrintsTheScreen();
    void reportReachesARealPrinter();

private:
    QWidget* open();
    void calculate(const QString& wanted, const QString& measured, const QString& option);
    void deselectOptions();
    TrimmingVariables& variables();

    RecordingBeep m_beep;
    RecordingPrinter m_printer;
    QWidget* m_window = nullptr;
};

void Trimming::init() {
    startProgram(m_beep, m_printer);
    m_window = open();
    QVERIFY(m_window);
}

void Trimming::cleanup() {
    m_window = nullptr;
    stopProgram();
}

// Opens the window as the user does, from the main menu.
QWidget* Trimming::open() {
    Registry::current().show("frmMENU");
    click(window("frmMENU"), "Command2");
    return window("frmTARATURA");
}

void Trimming::calculate(const QString& wanted, const QString& measured, const QString& option) {
    if (!option.isEmpty()) click(m_window, option);
    fill(m_window, {"Text1", "Text2"}, {wanted, measured});
    click(m_window, "Command2");
}

// Leaves both options unselected, as "RESETTA" does, but keeps the rest.
void Trimming::deselectOptions() {
    auto* group = control<QGroupBox>(m_window, "Frame1")->findChild<QButtonGroup*>();
    group->setExclusive(false);
    for (const char* name : {"Option1", "Option2"}) {
        auto* option = control<QRadioButton>(m_window, name);
        const QSignalBlocker blocker(option);
        option->setChecked(false);
    }
    group->setExclusive(true);
}

TrimmingVariables& Trimming::variables() { return Registry::current().variables<frmTARATURA::Variables>(); }

void Trimming::opensInItsFixedState() {
    QCOMPARE(m_window->objectName(), "frmTARATURA");
    QCOMPARE(m_window->windowTitle(),
             "TARATURA  del  DIPOLO" + QString(53, ' ') + "by  TAVRON" + QString(64, ' ') + "rev.1.06");
    struct Fixed {
        const char* name;
        const char* text;
        const char* tooltip;
    };
    const Fixed controls[] = {
        {"Label8", "TARATURA   del   DIPOLO", ""},
        {"Label1", "input   FREQUENZA  di  TRASMISSIONE  desiderata ...Mhz", ""},
        {"Text1", "", "input Frequenza di trasmissione voluta"},
        {"Label2", "input  FREQUENZA  rilevata  ( minimo  ROS ) ................Mhz", ""},
        {"Text2", "", "input Frequenza con minimo ROS"},
        {"Label9", "Separare i MHz dai KHz con la virgola", ""},
        {"Option1", "Orizzontale", ""},
        {"Option2", "Inverted  v", ""},
        {"Label10", "Per selezionare usa TAB o il MOUSE", ""},
        {"Label14", "SELEZIONA IL TIPO DI DIPOLO", ""},
        {"Command2", "CALCOLA", "Calcola la misura effettiva"},
        {"Command3", "RESETTA", "Cancella tutte le input & output"},
        {"Command1", "MENU'", "Ritorna al menù iniziale"},
        {"Label3", "PER SPOSTARE LA RISONANZA  DOVRAI:", ""},
        {"Label4", "ACCORCIARLO di cm", ""},
        {"Label6", "ALLUNGARLO di cm", ""},
        {"Label7", "INVARIARLO", ""},
        {"Label5", "", ""},
        {"Label11", "Centrale", ""},
        {"Label12", "Isolatore", ""},
        {"Label13", "Isolatore", ""},
    };
    for (const Fixed& c : controls) {
        QWidget* widget = control(m_window, c.name);
        QVERIFY2(widget, c.name);
        QCOMPARE(textOf(m_window, c.name), QString(c.text));
        QCOMPARE(widget->toolTip(), QString(c.tooltip));
    }
    QCOMPARE(control<QGroupBox>(m_window, "Frame1")->title(), "Dipolo");
    QVERIFY(!control<QRadioButton>(m_window, "Option1")->isChecked());
    QVERIFY(!control<QRadioButton>(m_window, "Option2")->isChecked());
    for (const char* name : {"Label14", "Label4", "Label6", "Label7", "Line2", "Shape3", "Label12", "Line3"})
        QVERIFY2(!shown(m_window, name), name);
    for (const char* name : {"Shape1", "Label11", "Shape4", "Line1", "Shape2", "Label13", "Label5", "Label3"})
        QVERIFY2(shown(m_window, name), name);

    // Fonts and colours the window is known by.
    auto* warning = control<QLabel>(m_window, "Label14");
    QCOMPARE(warning->font().pointSizeF(), 24.0);
    QVERIFY(warning->font().bold());
    QCOMPARE(warning->palette().color(QPalette::Window), QColor(0, 255, 0));
    QVERIFY(warning->alignment() & Qt::AlignHCenter);
    auto* title = control<QLabel>(m_window, "Label8");
    QCOMPARE(title->font().pointSizeF(), 24.0);
    QVERIFY(title->font().bold());
    QVERIFY(title->alignment() & Qt::AlignHCenter);
    auto* correction = control<QLabel>(m_window, "Label5");
    QCOMPARE(correction->font().pointSizeF(), 13.5);
    QVERIFY(correction->font().bold());
    QCOMPARE(correction->palette().color(QPalette::Window), QColor(255, 255, 255));
    for (const char* name : {"Label4", "Label6", "Label7"}) {
        auto* verdict = control<QLabel>(m_window, name);
        QCOMPARE(verdict->font().pointSizeF(), 8.25);
        QVERIFY(verdict->font().bold());
        QCOMPARE(verdict->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(verdict->palette().color(QPalette::Window), QColor(0, 128, 128));
    }
    QCOMPARE(control(m_window, "client")->palette().color(QPalette::Window), QColor(0, 128, 128));

    // Tab order: Text1, Text2, CALCOLA, RESETTA, Orizzontale, Inverted v, MENU'.
    const char* order[] = {"Text1", "Text2", "Command2", "Command3", "Option1", "Option2", "Command1"};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget* next = control(m_window, order[i - 1])->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
        QCOMPARE(next, control(m_window, order[i]));
    }

    // The menu bar of a calculation window.
    for (const char* action : {"stampa", "stampavideata", "stampasolodati", "calcolatrice", "leggimi"})
        QVERIFY2(control<QObject>(m_window, action), action);
}

void Trimming::placesTheStatedControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twipsBox");  // left, top, width, height; 0 for a size left open
    QTest::newRow("warning label") << "Label14" << QRect(3840, 3480, 4935, 1215);
    QTest::newRow("correction") << "Label5" << QRect(8880, 4920, 0, 0);
    QTest::newRow("shorten verdict") << "Label4" << QRect(6960, 5130, 0, 0);
    QTest::newRow("lengthen verdict") << "Label6" << QRect(6960, 5130, 0, 0);
    QTest::newRow("unchanged verdict") << "Label7" << QRect(6960, 5130, 0, 0);
    QTest::newRow("centre insulator") << "Shape1" << QRect(1440, 6360, 615, 375);
    QTest::newRow("under the centre") << "Shape4" << QRect(1560, 6735, 375, 135);
    QTest::newRow("end insulator") << "Shape2" << QRect(6480, 6465, 375, 255);
    QTest::newRow("its name") << "Label13" << QRect(6960, 6480, 0, 0);
    QTest::newRow("new end insulator") << "Shape3" << QRect(8160, 6840, 375, 255);
    QTest::newRow("its new name") << "Label12" << QRect(8640, 6840, 0, 0);
    QTest::newRow("arm") << "Line1" << QRect(2040, 6600, 6480 - 2040, 0);
    QTest::newRow("piece to add") << "Line2" << QRect(6510, 6960, 8150 - 6510, 0);
    QTest::newRow("piece to take off") << "Line3" << QRect(5040, 6360, 6480 - 5040, 0);
}

void Trimming::placesTheStatedControls() {
    QFETCH(QString, name);
    QFETCH(QRect, twipsBox);
    QWidget* widget = control(m_window, name);
    QVERIFY(widget);
    const QRect box = twipsRect(twipsBox.x(), twipsBox.y(), twipsBox.width(), twipsBox.height());
    const QRect placed = widget->geometry();
    QCOMPARE(placed.x(), box.x());
    if (name.startsWith("Line")) {  // from its left end to its right end, both drawn
        QVERIFY(std::abs(placed.center().y() - box.y()) <= 1);
        QCOMPARE(placed.right(), box.x() + box.width());
        return;
    }
    QCOMPARE(placed.y(), box.y());
    if (twipsBox.width() != 0) QCOMPARE(placed.size(), box.size());
}

void Trimming::showsVerdictCorrectionAndDrawing_data() {
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("measured");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("correction");
    QTest::addColumn<Drawing>("drawing");
    const auto row = [](const char* name, QString wanted, QString measured, QString option, QString verdict,
                        QString correction, Drawing drawing) {
        QTest::newRow(name) << wanted << measured << option << verdict << correction << drawing;
    };
    const QString horizontal = "Option1", invertedV = "Option2";
    const QString shorten = "Label4", lengthen = "Label6", unchanged = "Label7";
    row("resonating low: shorten by 7,05", "7,05", "7", horizontal, shorten, "-7,05", Drawing::removed);
    row("resonating high: lengthen by 7,15", "7", "7,05", horizontal, lengthen, "7,15", Drawing::added);
    row("inverted V on 80 m: lengthen by 26,5", "3,65", "3,7", invertedV, lengthen, "26,5", Drawing::added);
    row("34,6 mm truncates to 34 mm: shorten by 1,7", "28,5", "28,3", horizontal, shorten, "-1,7",
        Drawing::removed);
    row("inverted V, whole centimetres", "14,2", "14", invertedV, shorten, "-7", Drawing::removed);
    row("equal frequencies leave it unchanged", "7", "7", horizontal, unchanged, "0", Drawing::none);
    row("equal, written differently", "7,1", "7,10", invertedV, unchanged, "0", Drawing::none);
    row("0,29 mm longer: lengthen by 0", "7", "7,0001", horizontal, lengthen, "0", Drawing::added);
    row("a fifth decimal rounds away", "7", "7,00001", horizontal, unchanged, "0", Drawing::none);
    row("measured 0: shorten by the whole arm", "7", "0", horizontal, shorten, "-1003,55", Drawing::removed);
}

void Trimming::showsVerdictCorrectionAndDrawing() {
    QFETCH(QString, wanted);
    QFETCH(QString, measured);
    QFETCH(QString, option);
    QFETCH(QString, verdict);
    QFETCH(QString, correction);
    QFETCH(Drawing, drawing);
    calculate(wanted, measured, option);
    QCOMPARE(textOf(m_window, "Text1"), wanted);
    QCOMPARE(textOf(m_window, "Text2"), measured);
    QCOMPARE(visibleVerdicts(m_window), QStringList{verdict});
    QCOMPARE(textOf(m_window, "Label5"), correction);
    QCOMPARE(drawingShown(m_window), drawing);
    QCOMPARE(m_beep.count, 0);

    // A second calculation of the opposite case turns the first one's
    // elements off again.
    calculate(measured == "0" ? "7" : measured, wanted, {});
    QCOMPARE(visibleVerdicts(m_window).size(), 1);
    QCOMPARE(drawingShown(m_window) == Drawing::added, shown(m_window, "Label6"));
    QCOMPARE(drawingShown(m_window) == Drawing::removed, shown(m_window, "Label4"));
}

void Trimming::showsNothingForUnusableFigures_data() {
    QTest::addColumn<bool>("calculatedBefore");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("measured");
    QTest::addColumn<bool>("pasted");
    const auto row = [](const char* name, bool before, QString wanted, QString measured, bool pasted) {
        QTest::newRow(name) << before << wanted << measured << pasted;
    };
    row("wanted 0 after a calculation", true, "0", "7", false);
    row("wanted 0 in the first calculation", false, "0", "7", false);
    row("wanted 0,0", true, "0,0", "7,05", false);
    row("wanted below a ten-thousandth reads as 0", true, "0,00004", "7", false);
    row("wanted a lone comma", true, ",", "7", false);
    row("measured a lone comma", true, "7", ",", false);
    row("measured pasted with two commas", true, "7", "7,,05", true);
    row("wanted pasted with a letter", true, "7a", "7", true);
    row("wanted pasted negative", true, "-7", "7,05", true);
    row("measured pasted negative", true, "7", "-7", true);
    row("measured pasted beyond the four-place range", true, "7", "1E15", true);
    row("correction too large to hold", true, "0,0001", "2000", false);
}

void Trimming::showsNothingForUnusableFigures() {
    QFETCH(bool, calculatedBefore);
    QFETCH(QString, wanted);
    QFETCH(QString, measured);
    QFETCH(bool, pasted);
    click(m_window, "Option1");
    if (calculatedBefore) {
        calculate("7", "7,05", {});
        QCOMPARE(textOf(m_window, "Label5"), "7,15");
    }
    if (pasted) {
        control<QLineEdit>(m_window, "Text1")->setText(wanted);
        control<QLineEdit>(m_window, "Text2")->setText(measured);
        click(m_window, "Command2");
    } else {
        calculate(wanted, measured, {});
    }
    QCOMPARE(textOf(m_window, "Text1"), wanted);
    QCOMPARE(textOf(m_window, "Text2"), measured);
    QCOMPARE(visibleVerdicts(m_window), QStringList());
    QCOMPARE(textOf(m_window, "Label5"), QString());
    QCOMPARE(drawingShown(m_window), Drawing::none);
    QVERIFY(shown(m_window, "Line1"));
    QVERIFY(!shown(m_window, "Label14"));
    QCOMPARE(m_beep.count, 0);

    // The next sound calculation shows its verdict as usual.
    calculate("7,05", "7", {});
    QCOMPARE(visibleVerdicts(m_window), QStringList{"Label4"});
    QCOMPARE(textOf(m_window, "Label5"), "-7,05");
}

void Trimming::emptyFieldChangesNothing_data() {
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("measured");
    QTest::newRow("wanted empty") << QString() << QString("7");
    QTest::newRow("measured empty") << QString("7") << QString();
    QTest::newRow("both empty") << QString() << QString();
}

void Trimming::emptyFieldChangesNothing() {
    QFETCH(QString, wanted);
    QFETCH(QString, measured);
    calculate("7", "7,05", "Option2");
    const QString shownBefore = textOf(m_window, "Label5");
    const TrimmingVariables before = variables();
    calculate(wanted, measured, {});
    QCOMPARE(textOf(m_window, "Label5"), shownBefore);
    QCOMPARE(visibleVerdicts(m_window), QStringList{"Label6"});
    QCOMPARE(drawingShown(m_window), Drawing::added);
    QCOMPARE(variables().wantedFrequency, before.wantedFrequency);
    QCOMPARE(variables().measuredFrequency, before.measuredFrequency);
    QCOMPARE(variables().armCorrection, before.armCorrection);
    QCOMPARE(m_beep.count, 0);
    QVERIFY(!shown(m_window, "Label14"));
}

void Trimming::keyFilterGuardsBothFields() {
    for (const char* field : {"Text1", "Text2"}) {
        m_beep.count = 0;
        type(m_window, field, "07");
        QCOMPARE(textOf(m_window, field), "0");
        QCOMPARE(m_beep.count, 1);
        control<QLineEdit>(m_window, field)->clear();
        type(m_window, field, "7,05,.-a ");
        QCOMPARE(textOf(m_window, field), "7,05");
        QCOMPARE(m_beep.count, 6);
        QTest::keyClick(control(m_window, field), Qt::Key_Return);  // no default button here
        QCOMPARE(m_beep.count, 7);
        QTest::keyClick(control(m_window, field), Qt::Key_Backspace);
        QCOMPARE(textOf(m_window, field), "7,0");
    }
    QCOMPARE(textOf(m_window, "Label5"), QString());
    QCOMPARE(visibleVerdicts(m_window), QStringList());
}

void Trimming::warnsWhenNoTypeIsSelected() {
    calculate("7,05", "7", "Option1");
    QCOMPARE(textOf(m_window, "Label5"), "-7,05");
    deselectOptions();
    click(m_window, "Command2");
    QCOMPARE(m_beep.count, 1);
    QVERIFY(shown(m_window, "Label14"));
    QCOMPARE(textOf(m_window, "Label5"), QString());
    QCOMPARE(textOf(m_window, "Text1"), "7,05");
    QCOMPARE(textOf(m_window, "Text2"), "7");
    QCOMPARE(visibleVerdicts(m_window), QStringList{"Label4"});
    QCOMPARE(drawingShown(m_window), Drawing::removed);

    QVERIFY(waitUntil([&] { return !shown(m_window, "Label14"); }));
    QCOMPARE(m_beep.count, 1);
    QCOMPARE(textOf(m_window, "Label5"), QString());
    QCOMPARE(textOf(m_window, "Text1"), "7,05");
    QCOMPARE(visibleVerdicts(m_window), QStringList{"Label4"});
    QCOMPARE(drawingShown(m_window), Drawing::removed);

    // A fresh window with no type chosen warns at once, whatever the fields hold.
    m_window->close();
    m_window = open();
    click(m_window, "Command2");
    QCOMPARE(m_beep.count, 2);
    QVERIFY(shown(m_window, "Label14"));
    QVERIFY(waitUntil([&] { return !shown(m_window, "Label14"); }));
}

void Trimming::resettaBringsBackTheOpeningState() {
    calculate("7", "7,05", "Option1");
    QCOMPARE(drawingShown(m_window), Drawing::added);
    click(m_window, "Command3");
    QCOMPARE(textOf(m_window, "Text1"), QString());
    QCOMPARE(textOf(m_window, "Text2"), QString());
    QCOMPARE(textOf(m_window, "Label5"), QString());
    QVERIFY(!control<QRadioButton>(m_window, "Option1")->isChecked());
    QVERIFY(!control<QRadioButton>(m_window, "Option2")->isChecked());
    QCOMPARE(visibleVerdicts(m_window), QStringList());
    QCOMPARE(drawingShown(m_window), Drawing::none);
    for (const char* name : {"Shape1", "Label11", "Shape4", "Line1", "Shape2", "Label13"})
        QVERIFY2(shown(m_window, name), name);
    QCOMPARE(m_beep.count, 0);
    QCOMPARE(variables().dipoleConstant, 140.5);
    QCOMPARE(variables().dipoleConfiguration, "ORIZZONTALE");

    // A shortening verdict goes the same way.
    calculate("7,05", "7", "Option2");
    QCOMPARE(drawingShown(m_window), Drawing::removed);
    click(m_window, "Command3");
    QCOMPARE(drawingShown(m_window), Drawing::none);
    QCOMPARE(visibleVerdicts(m_window), QStringList());
    QCOMPARE(variables().dipoleConstant, 141.427);

    // Selecting the same option again sets the same constant.
    click(m_window, "Option2");
    QCOMPARE(variables().dipoleConstant, 141.427);
    QCOMPARE(variables().dipoleConfiguration, "INVERTED V");
    click(m_window, "Option1");
    QCOMPARE(variables().dipoleConstant, 140.5);
}

void Trimming::optionChangeWaitsForCalcola() {
    calculate("3,65", "3,7", "Option1");
    const QString horizontal = textOf(m_window, "Label5");
    QVERIFY(horizontal != "26,5");
    click(m_window, "Option2");
    QCOMPARE(variables().dipoleConfiguration, "INVERTED V");
    QCOMPARE(textOf(m_window, "Label5"), horizontal);
    QCOMPARE(visibleVerdicts(m_window), QStringList{"Label6"});
    click(m_window, "Command2");
    QCOMPARE(textOf(m_window, "Label5"), "26,5");
}

void Trimming::variablesOutliveResettaAndTheWindow() {
    calculate("3,65", "3,7", "Option2");
    click(m_window, "Command3");
    triggerMenu(m_window, "stampasolodati");
    QCOMPARE(m_printer.reports.size(), std::size_t(1));
    QCOMPARE(m_printer.reports.back(), expectedReport("INVERTED V", "", "", "", ""));

    m_window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(copiesOf("frmTARATURA"), 0);
    m_window = open();
    QVERIFY(m_window);
    QCOMPARE(textOf(m_window, "Text1"), QString());
    QVERIFY(!control<QRadioButton>(m_window, "Option2")->isChecked());
    QCOMPARE(variables().dipoleConstant, 141.427);
    QCOMPARE(variables().wantedFrequency, *FixedDecimal::parse("3,65"));
    QCOMPARE(variables().armCorrection.ticks(), qint64(2650));
    triggerMenu(m_window, "stampasolodati");
    QCOMPARE(m_printer.reports.size(), std::size_t(2));
    QCOMPARE(m_printer.reports.back(), expectedReport("INVERTED V", "", "", "", ""));
}

void Trimming::menuButtonLeavesTheWindowOpen() {
    calculate("7", "7,05", "Option1");
    click(m_window, "Command1");
    QVERIFY(openWindows().contains("frmMENU"));
    QVERIFY(openWindows().contains("frmTARATURA"));
    // Back through the main menu: the same window, as it was.
    click(window("frmMENU"), "Command2");
    QCOMPARE(window("frmTARATURA"), m_window);
    QCOMPARE(copiesOf("frmTARATURA"), 1);
    QCOMPARE(textOf(m_window, "Label5"), "7,15");
    QCOMPARE(textOf(m_window, "Text2"), "7,05");
}

void Trimming::reportPrintsTheScreen() {
    calculate("7", "7,05", "Option1");
    triggerMenu(m_window, "stampasolodati");
    triggerMenu(m_window, "stampasolodati");
    QCOMPARE(m_printer.reports.size(), std::size_t(2));
    QCOMPARE(m_printer.reports[0], expectedReport("ORIZZONTALE", "7", "7,05", "ALLUNGARLO di cm", "7,15"));
    QCOMPARE(m_printer.reports[1], m_printer.reports[0]);

    // A changed field no longer matches the verdict on display: nothing is
    // printed until "CALCOLA" is pressed again.
    control<QLineEdit>(m_window, "Text1")->clear();
    type(m_window, "Text1", "7,1");
    triggerMenu(m_window, "stampasolodati");
    QCOMPARE(m_printer.reports.size(), std::size_t(2));
    QVERIFY(QApplication::activeModalWidget());
    QApplication::activeModalWidget()->close();

    triggerMenu(m_window, "stampavideata");
    QCOMPARE(m_printer.images.size(), std::size_t(1));
    QVERIFY(!m_printer.images[0].isNull());
}

void Trimming::reportReachesARealPrinter() {
    CupsFixture cups;
    QString reason;
    if (!cups.start(&reason)) QSKIP(qPrintable("no private CUPS server: " + reason));
    Registry::current().setPrinter(nullptr);  // the program's own printer
    calculate("7,05", "7", "Option1");
    triggerMenu(m_window, "stampasolodati");
    const QString job = cups.takeJobText();
    QVERIFY2(!job.isEmpty(), "the report never arrived");
    QCOMPARE(CupsFixture::wordsOfLines(job), CupsFixture::wordsOfLines(expectedReport(
                                                 "ORIZZONTALE", "7,05", "7", "ACCORCIARLO di cm", "-7,05")));
}

ZELIRO_TEST_MAIN(Trimming)
#include "test_trimming.moc"
