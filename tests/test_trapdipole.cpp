// The two-band coax-trap dipole window: its computation through the window
// (typed through the key filter, clicked, read back from the labels), the
// option buttons, the warnings, "RESETTA", and the data report it prints. The
// computation's worked values and the report's lines on their own are in
// test_core_trapdipole.
#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>

#include <functional>

#include "core/trapdipole.h"
#include "cupsfixture.h"
#include "dipoles/frmDIPOLOMULTIBANDA.h"
#include "frame/Registry.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

namespace {

const QStringList inputFields = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
// In the order the results are listed below: capacitance, inductance,
// cut-off, cable length, inner wire, outer wire.
const QStringList resultLabels = {"Label31", "Label32", "Label26", "Label23", "Label24", "Label25"};
const QStringList warningLabels = {"Label27", "Label35", "Label28", "Label37"};

// The worked example: RG58U cable on a 35-mm former, 6,4 turns, 7,055 and 3,650 MHz.
const QStringList example = {"35", "2,5", "6,4", "0,935", "7,055", "3,650"};

// Counts the beeps and notes, at each beep, the text of one control.
class SnoopingBeep : public RecordingBeep {
public:
    void beep() override {
        if (probe) seen << probe();
        RecordingBeep::beep();
    }
    std::function<QString()> probe;
    QStringList seen;
};

std::string utf8(const QString& text) { return text.toStdString(); }

}  // namespace

class TrapDipole : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensFromTheMenuWithItsFixedTexts();
    void menuButtonLeavesTheWindowOpen();
    void menuOpensReadMeAndPhoto();
    void tabOrder();
    void fieldsFilterKeysButText7TakesAnyText();

    void results_data();
    void results();
    void warningsLeaveNoFigureOfAnEarlierRun_data();
    void warningsLeaveNoFigureOfAnEarlierRun();
    void emptyRequiredFieldStopsSilently_data();
    void emptyRequiredFieldStopsSilently();
    void pastedNegativeFigureShowsNoResult_data();
    void pastedNegativeFigureShowsNoResult();
    void noConfigurationWarnsEvenWithEmptyFields();
    void beepComesBeforeOrAfterEmptying_data();
    void beepComesBeforeOrAfterEmptying();

    void cableButtons_data();
    void cableButtons();
    void manualModeAfterPresetEmptiesBothFields();
    void configurationButtonsNameTheReport_data();
    void configurationButtonsNameTheReport();
    void optionsChosenWithTheArrowKeys();
    void resettaClearsAllButTheConfiguration();
    void clicksDuringAWarningRunToTheirEnd();

    void reportPrintedFromTheWindow();
    void reportBeforeAnyConfiguration();
    void windowPrint();
    void reportPrintedForReal();

private:
    void fill(const QStringList& texts);
    void calcola();
    QStringList resultTexts() const;
    std::vector<std::string> printReport();
    void waitForWarningsToEnd();

    SnoopingBeep m_beep;
    RecordingPrinter m_printer;
    QWidget* m_window = nullptr;
};

void TrapDipole::init() {
    m_beep.seen.clear();
    m_beep.probe = nullptr;
    // Warnings last half a second: long enough to look at them between clicks.
    startProgram(m_beep, m_printer, 0.1);
    Registry::current().variables<frmDIPOLOMULTIBANDA::Variables>() = {};
    click(window("frmSplash"), "Command1");
    click(window("frmMENU"), "Command5");
    m_window = window("frmDIPOLOMULTIBANDA");
    QVERIFY(m_window);
}

void TrapDipole::cleanup() {
    m_beep.probe = nullptr;
    stopProgram();
    m_window = nullptr;
}

// Empties Text1 to Text6 and types the texts (an empty text leaves the field empty).
void TrapDipole::fill(const QStringList& texts) { test::fill(m_window, inputFields, texts); }

void TrapDipole::calcola() { click(m_window, "Command2"); }

QStringList TrapDipole::resultTexts() const {
    QStringList texts;
    for (const QString& label : resultLabels) texts << textOf(m_window, label);
    return texts;
}

std::vector<std::string> TrapDipole::printReport() {
    triggerMenu(m_window, "stampadati");
    return m_printer.reports.empty() ? std::vector<std::string>{} : m_printer.reports.back();
}

void TrapDipole::waitForWarningsToEnd() {
    QVERIFY(waitUntil([this] {
        for (const QString& label : warningLabels)
            if (shown(m_window, label)) return false;
        return true;
    }));
}

void TrapDipole::opensFromTheMenuWithItsFixedTexts() {
    QVERIFY(m_window->isVisible());

    QCOMPARE(m_window->windowTitle(), "DIPOLO   BIBANDA" + QString(61, ' ') + "by" + QString(3, ' ') +
                                          "TAVRON" + QString(65, ' ') + "rev.1.06");
    QCOMPARE(textOf(m_window, "Label1"), "DIPOLO  MULTIBANDA  CON  TRAPPOLE  IN  CAVO  COASSIALE");
    QCOMPARE(textOf(m_window, "Command2"), "CALCOLA");
    QCOMPARE(control<QWidget>(m_window, "Command2")->toolTip(),
             "Completate le caselle input,calcola il dipolo");
    QCOMPARE(textOf(m_window, "Option7"), "Modalità  Manuale");
    QCOMPARE(textOf(m_window, "Option6"), "Inverted  V");
    QCOMPARE(control<QWidget>(m_window, "Text7")->toolTip(), "inserisci solo il numero (senza scritta RG)");
    QCOMPARE(textOf(m_window, "Label41"), "Label41");
    for (const QString& hidden : warningLabels + QStringList{"Label41", "Label43", "Text7"})
        QVERIFY2(!shown(m_window, hidden), qPrintable(hidden));
    for (const QString& name : inputFields + QStringList{"Text7"} + resultLabels)
        QVERIFY2(textOf(m_window, name).isEmpty(), qPrintable(name));
    for (QRadioButton* option : m_window->findChildren<QRadioButton*>())
        QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
    for (const char* item : {"stampa", "stampavideata", "stampadati", "calcolatrice", "leggimi", "FOTOmulti"})
        QVERIFY2(control<QAction>(m_window, item), item);
}

void TrapDipole::menuButtonLeavesTheWindowOpen() {
    fill(example);
    click(m_window, "Command1");
    QVERIFY(window("frmMENU") && window("frmMENU")->isVisible());
    QVERIFY(m_window->isVisible());
    click(window("frmMENU"), "Command5");
    QCOMPARE(window("frmDIPOLOMULTIBANDA"), m_window);
    QCOMPARE(textOf(m_window, "Text5"), "7,055");
    QCOMPARE(copiesOf("frmDIPOLOMULTIBANDA"), 1);
}

void TrapDipole::menuOpensReadMeAndPhoto() {
    triggerMenu(m_window, "leggimi");
    triggerMenu(m_window, "FOTOmulti");
    QVERIFY(window("frmLEGGIMImulti") && window("frmLEGGIMImulti")->isVisible());
    QVERIFY(window("frmFOTOmulti") && window("frmFOTOmulti")->isVisible());
    triggerMenu(m_window, "leggimi");
    QCOMPARE(copiesOf("frmLEGGIMImulti"), 1);
    QVERIFY(m_window->isVisible());
}

void TrapDipole::tabOrder() {
    const QStringList expected = {"Option1",  "Option5", "Text1",    "Text3",    "Text5",   "Text6",
                                  "Command2", "Option3", "Option2",  "Option4",  "Option7", "Text7",
                                  "Text4",    "Option6", "Command1", "Command3", "Text2"};
    QWidget* widget = control(m_window, "Option1");
    QStringList order;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && expected.contains(widget->objectName()))
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != control(m_window, "Option1") && order.size() < expected.size());
    QCOMPARE(order, expected);
}

void TrapDipole::fieldsFilterKeysButText7TakesAnyText() {
    type(m_window, "Text5", "07");
    QCOMPARE(textOf(m_window, "Text5"), "0");
    type(m_window, "Text6", "3,6,5x.");
    QCOMPARE(textOf(m_window, "Text6"), "3,65");
    QCOMPARE(m_beep.count, 4);
    QTest::keyClick(control(m_window, "Text6"), Qt::Key_Return);
    QCOMPARE(m_beep.count, 5);
    QVERIFY(!shown(m_window, "Label37"));  // Enter does not press "CALCOLA"

    click(m_window, "Option7");
    type(m_window, "Text7", "8/U x");
    QCOMPARE(textOf(m_window, "Text7"), "8/U x");
    QCOMPARE(m_beep.count, 5);
}

void TrapDipole::results_data() {
    QTest::addColumn<QString>("configuration");
    QTest::addColumn<QString>("cable");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("shownResults");
    QTest::addColumn<QString>("warning");

    const QStringList horizontalExample = {"142,86", "3,44", "7,179", "152,7", "10,09", "7,89"};
    QTest::newRow("horizontal, cable typed") << "Option5"
                                             << "" << example << horizontalExample << "";
    QTest::newRow("horizontal, RG58U chosen")
        << "Option5"
        << "Option1" << QStringList{"35", "", "6,4", "", "7,055", "3,650"} << horizontalExample << "";
    QTest::newRow("inverted V") << "Option6"
                                << "Option1" << example
                                << QStringList{"142,86", "3,44", "7,179", "152,7", "10,02", "7,82"} << "";
    QTest::newRow("7 turns: cut-off below the first frequency")
        << "Option5"
        << "" << QStringList{"35", "2,5", "7", "0,935", "7,055", "3,650"}
        << QStringList{"156,08", "3,94", "6,417", "", "", ""} << "Label35";
    QTest::newRow("6 turns: cut-off too far above the first frequency")
        << "Option5"
        << "" << QStringList{"35", "2,5", "6", "0,935", "7,055", "3,650"}
        << QStringList{"134,05", "3,12", "7,782", "143,3", "", ""} << "Label28";
    QTest::newRow("second frequency empty")
        << "Option5"
        << "" << QStringList{"35", "2,5", "6,4", "0,935", "7,055", ""}
        << QStringList{"142,86", "3,44", "7,179", "152,7", "10,09", ""} << "";
    QTest::newRow("equal frequencies") << "Option5"
                                       << "" << QStringList{"35", "2,5", "6,4", "0,935", "7,055", "7,055"}
                                       << QStringList{"142,86", "3,44", "7,179", "", "", ""} << "Label27";
}

void TrapDipole::results() {
    QFETCH(QString, configuration);
    QFETCH(QString, cable);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, shownResults);
    QFETCH(QString, warning);

    click(m_window, configuration);
    fill(texts);
    if (!cable.isEmpty()) click(m_window, cable);
    const int beepsBefore = m_beep.count;
    calcola();

    QCOMPARE(resultTexts(), shownResults);
    QCOMPARE(m_beep.count - beepsBefore, warning.isEmpty() ? 0 : 1);
    for (const QString& label : warningLabels) QCOMPARE(shown(m_window, label), label == warning);
    if (warning == "Label27") QCOMPARE(textOf(m_window, "Text6"), "");
    waitForWarningsToEnd();
    QCOMPARE(resultTexts(), shownResults);
}

void TrapDipole::warningsLeaveNoFigureOfAnEarlierRun_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QStringList>("shownResults");
    QTest::newRow("cut-off below the first frequency")
        << "Text3"
        << "7"
        << "Label35" << QStringList{"156,08", "3,94", "6,417", "", "", ""};
    QTest::newRow("second frequency not below the first")
        << "Text6"
        << "7,055"
        << "Label27" << QStringList{"142,86", "3,44", "7,179", "", "", ""};
    QTest::newRow("cut-off too far above the first frequency")
        << "Text3"
        << "6"
        << "Label28" << QStringList{"134,05", "3,12", "7,782", "143,3", "", ""};
}

void TrapDipole::warningsLeaveNoFigureOfAnEarlierRun() {
    QFETCH(QString, field);
    QFETCH(QString, newText);
    QFETCH(QString, warning);
    QFETCH(QStringList, shownResults);

    click(m_window, "Option5");
    fill(example);
    calcola();
    QCOMPARE(textOf(m_window, "Label23"), "152,7");
    control<QLineEdit>(m_window, field)->clear();
    type(m_window, field, newText);
    calcola();
    QVERIFY(shown(m_window, warning));
    QCOMPARE(resultTexts(), shownResults);
}

void TrapDipole::emptyRequiredFieldStopsSilently_data() {
    QTest::addColumn<QString>("field");
    QTest::newRow("first frequency") << "Text5";
}

void TrapDipole::emptyRequiredFieldStopsSilently() {
    QFETCH(QString, field);
    click(m_window, "Option5");
    fill(example);
    calcola();
    const QStringList before = resultTexts();
    QCOMPARE(before.last(), "7,89");

    fill(QStringList{"36", "2,6", "6,5", "1,01", "7,1", "3,6"});
    control<QLineEdit>(m_window, field)->clear();
    calcola();
    QCOMPARE(m_beep.count, 0);
    QCOMPARE(resultTexts(), before);
    for (const QString& label : warningLabels) QVERIFY(!shown(m_window, label));
}

void TrapDipole::pastedNegativeFigureShowsNoResult_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::newRow("cable radius") << "Text2"
                                  << "-3,65";
}

void TrapDipole::pastedNegativeFigureShowsNoResult() {
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    click(m_window, "Option5");
    fill(example);
    calcola();
    QCOMPARE(textOf(m_window, "Label25"), "7,89");

    control<QLineEdit>(m_window, field)->setText(pasted);
    calcola();
    QCOMPARE(resultTexts(), QStringList(resultLabels.size(), QString()));
    QCOMPARE(m_beep.count, 0);
    for (const QString& label : warningLabels) QVERIFY(!shown(m_window, label));
}

void TrapDipole::noConfigurationWarnsEvenWithEmptyFields() {
    calcola();
    QVERIFY(shown(m_window, "Label37"));
    QCOMPARE(textOf(m_window, "Label37"), "SELEZIONA IL TIPO DI DIPOLO");
    QCOMPARE(m_beep.count, 1);
    waitForWarningsToEnd();
    QVERIFY(!shown(m_window, "Label37"));
}

void TrapDipole::beepComesBeforeOrAfterEmptying_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QString>("atBeep");
    QTest::newRow("errore1 beeps, then empties") << "Text6"
                                                 << "8"
                                                 << "Label27"
                                                 << "Label24"
                                                 << "10,09";
    QTest::newRow("errore3 empties, then beeps") << "Text3"
                                                 << "6"
                                                 << "Label28"
                                                 << "Label24"
                                                 << "";
    QTest::newRow("errore4 empties, then beeps") << ""
                                                 << ""
                                                 << "Label37"
                                                 << "Label31"
                                                 << "";
}

void TrapDipole::beepComesBeforeOrAfterEmptying() {
    QFETCH(QString, field);
    QFETCH(QString, newText);
    QFETCH(QString, warning);
    QFETCH(QString, probe);
    QFETCH(QString, atBeep);

    click(m_window, "Option5");
    fill(example);
    calcola();
    if (field.isEmpty()) {
        // No configuration on, with the results still showing.
        click(m_window, "Command3");
        fill(example);
        for (int i = 0; i < resultLabels.size(); ++i)
            control<QLabel>(m_window, resultLabels[i])->setText(QString("1%1").arg(i));
    } else {
        control<QLineEdit>(m_window, field)->clear();
        type(m_window, field, newText);
    }
    m_beep.probe = [this, probe] { return textOf(m_window, probe); };
    calcola();
    QVERIFY(shown(m_window, warning));
    QCOMPARE(m_beep.seen, QStringList{atBeep});
    QCOMPARE(textOf(m_window, probe), "");
    if (field.isEmpty()) QCOMPARE(resultTexts(), QStringList(6, ""));
}

void TrapDipole::cableButtons_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("capacitance");
    QTest::addColumn<QString>("radius");
    QTest::addColumn<bool>("manual");
    QTest::newRow("RG58U") << "Option1"
                           << "0,935"
                           << "2,5" << false;
    QTest::newRow("RG223") << "Option2"
                           << "1,01"
                           << "2,5" << false;
    QTest::newRow("RG174") << "Option3"
                           << "1,01"
                           << "1,3" << false;
    QTest::newRow("RG213") << "Option4"
                           << "1,01"
                           << "5,1" << false;
    QTest::newRow("manual") << "Option7"
                            << ""
                            << "" << true;
}

void TrapDipole::cableButtons() {
    QFETCH(QString, option);
    QFETCH(QString, capacitance);
    QFETCH(QString, radius);
    QFETCH(bool, manual);

    type(m_window, "Text4", "9");
    type(m_window, "Text2", "9");
    click(m_window, option);
    QVERIFY(control<QRadioButton>(m_window, option)->isChecked());
    QCOMPARE(textOf(m_window, "Text4"), capacitance);
    QCOMPARE(textOf(m_window, "Text2"), radius);
    QCOMPARE(shown(m_window, "Text7"), manual);
    QCOMPARE(shown(m_window, "Label43"), manual);
    // The fields stay editable after a preset.
    type(m_window, "Text2", "1");
    QCOMPARE(textOf(m_window, "Text2"), radius + "1");
}

void TrapDipole::manualModeAfterPresetEmptiesBothFields() {
    click(m_window, "Option7");
    type(m_window, "Text7", "213");
    click(m_window, "Option4");
    QCOMPARE(textOf(m_window, "Text4"), "1,01");
    QCOMPARE(textOf(m_window, "Text2"), "5,1");
    QVERIFY(!shown(m_window, "Text7"));
    click(m_window, "Option7");
    QCOMPARE(textOf(m_window, "Text4"), "");
    QCOMPARE(textOf(m_window, "Text2"), "");
    QVERIFY(shown(m_window, "Text7"));
    QVERIFY(shown(m_window, "Label43"));
    QCOMPARE(textOf(m_window, "Text7"), "213");
    QCOMPARE(textOf(m_window, "Label43"), "Tipo di coassiale RG");
}

void TrapDipole::configurationButtonsNameTheReport_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("label41");
    QTest::newRow("orizzontale") << QStringList{"Option5"} << "(ORIZZONTALE)";
    QTest::newRow("Inverted V") << QStringList{"Option6"} << "(INVERTED V)";
    QTest::newRow("the last one chosen") << QStringList{"Option6", "Option5"} << "(ORIZZONTALE)";
}

void TrapDipole::configurationButtonsNameTheReport() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, label41);
    for (const QString& option : clicks) click(m_window, option);
    QCOMPARE(textOf(m_window, "Label41"), label41);
    QVERIFY(!shown(m_window, "Label41"));
    QCOMPARE(printReport().at(9), std::string(21, ' ') + "CONFIGURAZIONE  " + utf8(label41));
}

void TrapDipole::optionsChosenWithTheArrowKeys() {
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    click(m_window, "Option5");
    control(m_window, "Option5")->setFocus();
    QTest::keyClick(control(m_window, "Option5"), Qt::Key_Down);
    QVERIFY(control<QRadioButton>(m_window, "Option6")->isChecked());
    QCOMPARE(textOf(m_window, "Label41"), "(INVERTED V)");

    click(m_window, "Option7");
    control(m_window, "Option7")->setFocus();
    QTest::keyClick(control(m_window, "Option7"), Qt::Key_Up);
    QVERIFY(!control<QRadioButton>(m_window, "Option7")->isChecked());
    QVERIFY(!shown(m_window, "Text7"));
    QVERIFY(!textOf(m_window, "Text4").isEmpty());
}

void TrapDipole::resettaClearsAllButTheConfiguration() {
    click(m_window, "Option5");
    click(m_window, "Option7");
    type(m_window, "Text7", "58");
    fill(example);
    calcola();
    QCOMPARE(textOf(m_window, "Label25"), "7,89");

    click(m_window, "Command3");
    for (const QString& name : inputFields + QStringList{"Text7"} + resultLabels)
        QVERIFY2(textOf(m_window, name).isEmpty(), qPrintable(name));
    for (QRadioButton* option : m_window->findChildren<QRadioButton*>())
        QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
    QVERIFY(!shown(m_window, "Text7"));
    QVERIFY(!shown(m_window, "Label43"));
    QCOMPARE(m_beep.count, 0);

    const std::vector<std::string> report = printReport();
    QCOMPARE(report.at(9), std::string(21, ' ') + "CONFIGURAZIONE  (ORIZZONTALE)");
    QCOMPARE(report.at(13), "   CAPACITA'CAVO COASSIALE  1cm  Pf =       RG ");

    fill(example);
    calcola();
    QVERIFY(shown(m_window, "Label37"));
    QCOMPARE(resultTexts(), QStringList(6, ""));
}

void TrapDipole::clicksDuringAWarningRunToTheirEnd() {
    click(m_window, "Option5");
    fill(QStringList{"35", "2,5", "7", "0,935", "7,055", "3,650"});
    calcola();
    QVERIFY(shown(m_window, "Label35"));

    // A second "CALCOLA" inside the wait, with a warning of its own.
    control<QLineEdit>(m_window, "Text3")->clear();
    type(m_window, "Text3", "6");
    calcola();
    QVERIFY(shown(m_window, "Label28"));
    QVERIFY(shown(m_window, "Label35"));
    QCOMPARE(textOf(m_window, "Label23"), "143,3");

    click(m_window, "Command3");
    QCOMPARE(resultTexts(), QStringList(6, ""));
    QVERIFY(shown(m_window, "Label35"));
    waitForWarningsToEnd();
    QCOMPARE(m_beep.count, 2);
}

void TrapDipole::reportPrintedFromTheWindow() {
    click(m_window, "Option5");
    click(m_window, "Option1");
    fill(example);
    calcola();
    const std::vector<std::string> report = printReport();
    QCOMPARE(m_printer.reports.size(), 1u);
    QCOMPARE(report.size(), 40u);
    QCOMPARE(report.at(9), "                     CONFIGURAZIONE  (ORIZZONTALE)");
    QCOMPARE(report.at(13), "   CAPACITA'CAVO COASSIALE  1cm  Pf =  0,935     RG  58");
    QCOMPARE(report.at(23), " CENTRO BANDA SECONDA FREQUENZA Mhz =  3,650");
    QCOMPARE(report.at(29), std::string(20, ' ') + "FREQUENZA DI TAGLIO   Mhz =  7,179");
    QCOMPARE(report.at(37), "TRATTO DI FILO DALLA BOBINA ALL'ISOLATORE  mt =  7,89");

    // Once an input has changed, the results on display no longer belong to
    // the fields: nothing is printed until "CALCOLA" is pressed again.
    control<QLineEdit>(m_window, "Text5")->clear();
    type(m_window, "Text5", "7,1");
    triggerMenu(m_window, "stampadati");
    QCOMPARE(m_printer.reports.size(), 1u);
    auto* refusal = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(refusal);
    refusal->close();
    calcola();
    QCOMPARE(printReport().at(21), "   CENTRO BANDA PRIMA FREQUENZA Mhz =  7,1");
    QCOMPARE(m_printer.reports.size(), 2u);
}

void TrapDipole::reportBeforeAnyConfiguration() {
    const std::vector<std::string> report = printReport();
    QCOMPARE(report.size(), 40u);
    QCOMPARE(report.at(9), "                     CONFIGURAZIONE  Label41");
    QCOMPARE(report.at(17), "            RAGGIO DEL SUPPORTO  mm =  ");
    QCOMPARE(report.at(35), "TRATTO DI   FILO DAL CENTRALE ALLA BOBINA  mt =  ");
}

void TrapDipole::windowPrint() {
    triggerMenu(m_window, "stampavideata");
    QCOMPARE(m_printer.images.size(), 1u);
    QVERIFY(!m_printer.images.front().isNull());
    QVERIFY(m_printer.reports.empty());
}

void TrapDipole::reportPrintedForReal() {
    CupsFixture cups;
    QString reason;
    if (!cups.start(&reason)) QSKIP(qPrintable("no private CUPS server: " + reason));

    click(m_window, "Option6");
    fill(QStringList{"35", "", "6,4", "", "7,055", "3,650"});
    click(m_window, "Option1");
    calcola();
    const std::vector<std::string> expected = printReport();  // through the recording printer
    QCOMPARE(QString::fromStdString(expected.at(37)),
             "TRATTO DI FILO DALLA BOBINA ALL'ISOLATORE  mt =  7,82");

    Registry::current().setPrinter(nullptr);  // the system's default printer
    triggerMenu(m_window, "stampadati");
    const QString job = cups.takeJobText();
    QVERIFY2(!job.isEmpty(), "no job printed");
    QCOMPARE(CupsFixture::wordsOfLines(job), CupsFixture::wordsOfLines(expected));
}

ZELIRO_TEST_MAIN(TrapDipole)
#include "test_trapdipole.moc"
