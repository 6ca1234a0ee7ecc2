// The half-wave dipole window, driven as a user drives it.
#include <QTest>

#include "core/halfwave.h"
#include "frame/Registry.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

class HalfWave : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showsTheTruncatedLength_data();
    void showsTheTruncatedLength();
    void noLengthForZeroOrUnreadableFrequency_data();
    void noLengthForZeroOrUnreadableFrequency();
    void emptyFieldChangesNothing();
    void noConfigurationWarns();
    void configurationChangeWaitsForCalcola();
    void resettaKeepsTheVariables();
    void reportAfterResettaAndReopen();
    void controlsAndMenu();
    void menuButtonRaisesTheMenu();

private:
    QWidget* openDipole();
    RecordingBeep m_beep;
    RecordingPrinter m_printer;
    QWidget* m_window = nullptr;
};

void HalfWave::init() {
    startProgram(m_beep, m_printer);
    Registry::current().variables<HalfWaveVariables>() = {};
    m_window = openDipole();
}

void HalfWave::cleanup() { stopProgram(); }

QWidget* HalfWave::openDipole() {
    click(window("frmSplash"), "Command1");
    click(window("frmMENU"), "Command6");
    return window("frmDIPOLOSTANDARD");
}

void HalfWave::showsTheTruncatedLength_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("length");
    const QString horizontal = "Option2", invertedV = "Option1";
    QTest::newRow("7,05 horizontal") << "7,05" << horizontal << "20,21";
    QTest::newRow("7,05 inverted V") << "7,05" << invertedV << "20,06";
    QTest::newRow("14,2 horizontal") << "14,2" << horizontal << "10,03";
    QTest::newRow("3,65 horizontal") << "3,65" << horizontal << "39,04";
    QTest::newRow("28,5 horizontal, whole number") << "28,5" << horizontal << "5";
    QTest::newRow("50 horizontal") << "50" << horizontal << "2,85";
    QTest::newRow("144 horizontal") << "144" << horizontal << "0,98";
    QTest::newRow("0,5 inverted V") << "0,5" << invertedV << "282,85";
    QTest::newRow("0,1 horizontal in single precision") << "0,1" << horizontal << "1424,99";
    QTest::newRow("0,2 horizontal in single precision") << "0,2" << horizontal << "712,49";
}

void HalfWave::showsTheTruncatedLength() {
    QFETCH(QString, frequency);
    QFETCH(QString, option);
    QFETCH(QString, length);
    click(m_window, option);
    type(m_window, "Text1", frequency);
    QCOMPARE(textOf(m_window, "Text1"), frequency);
    click(m_window, "Command2");
    QCOMPARE(textOf(m_window, "Label7"), length);
    QCOMPARE(m_beep.count, 0);
}

void HalfWave::noLengthForZeroOrUnreadableFrequency_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::newRow("typed zero") << "0"
                                << "";
    QTest::newRow("typed zero with decimals") << "0,0"
                                              << "";
    QTest::newRow("lone comma") << ","
                                << "";
    QTest::newRow("pasted two commas") << ""
                                       << "7,0,5";
    QTest::newRow("pasted letters") << ""
                                    << "sette";
}

void HalfWave::noLengthForZeroOrUnreadableFrequency() {
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    click(m_window, "Option2");
    type(m_window, "Text1", "7,05");
    click(m_window, "Command2");
    QCOMPARE(textOf(m_window, "Label7"), "20,21");

    control<QLineEdit>(m_window, "Text1")->clear();
    if (typed.isEmpty())
        control<QLineEdit>(m_window, "Text1")->setText(pasted);
    else
        type(m_window, "Text1", typed);
    click(m_window, "Command2");
    QCOMPARE(textOf(m_window, "Label7"), QString());
    QCOMPARE(m_beep.count, 0);
    QVERIFY(!shown(m_window, "Label8"));
}

void HalfWave::emptyFieldChangesNothing() {
    click(m_window, "Option2");
    type(m_window, "Text1", "7,05");
    click(m_window, "Command2");
    control<QLineEdit>(m_window, "Text1")->clear();
    click(m_window, "Command2");
    QCOMPARE(textOf(m_window, "Label7"), "20,21");
    QCOMPARE(m_beep.count, 0);
}

void HalfWave::noConfigurationWarns() {
    type(m_window, "Text1", "7,05");
    QVERIFY(!shown(m_window, "Label8"));
    click(m_window, "Command2");
    QCOMPARE(m_beep.count, 1);
    QVERIFY(shown(m_window, "Label8"));
    QCOMPARE(textOf(m_window, "Label8"), "Seleziona il tipo di dipolo");
    QCOMPARE(textOf(m_window, "Label7"), QString());
    // The window answers during the warning.
    click(m_window, "Option2");
    click(m_window, "Command2");
    QCOMPARE(textOf(m_window, "Label7"), "20,21");
    QVERIFY(waitUntil([&] { return !shown(m_window, "Label8"); }));
    QCOMPARE(textOf(m_window, "Text1"), "7,05");
}

void HalfWave::configurationChangeWaitsForCalcola() {
    click(m_window, "Option2");
    type(m_window, "Text1", "7,05");
    click(m_window, "Command2");
    click(m_window, "Option1");
    QCOMPARE(textOf(m_window, "Label7"), "20,21");
    click(m_window, "Command2");
    QCOMPARE(textOf(m_window, "Label7"), "20,06");
}

void HalfWave::resettaKeepsTheVariables() {
    click(m_window, "Option1");
    type(m_window, "Text1", "7,05");
    click(m_window, "Command2");
    click(m_window, "Command3");
    QCOMPARE(textOf(m_window, "Text1"), QString());
    QCOMPARE(textOf(m_window, "Label7"), QString());
    QVERIFY(!control<QAbstractButton>(m_window, "Option1")->isChecked());
    QVERIFY(!control<QAbstractButton>(m_window, "Option2")->isChecked());
    const auto& variables = Registry::current().variables<HalfWaveVariables>();
    QCOMPARE(variables.dipoleConfiguration, std::string("INVERTED V"));
    QCOMPARE(variables.dipoleConstant, std::string("141,427"));
    QCOMPARE(variables.frequency, 7.05f);
    // Nothing chosen again: the warning, not the old constant.
    type(m_window, "Text1", "7");
    click(m_window, "Command2");
    QCOMPARE(m_beep.count, 1);
}

void HalfWave::reportAfterResettaAndReopen() {
    click(m_window, "Option2");
    type(m_window, "Text1", "14,2");
    click(m_window, "Command2");
    triggerMenu(m_window, "stampasolodati");
    QCOMPARE(m_printer.reports.size(), std::size_t(1));
    QCOMPARE(m_printer.reports[0][13], std::string(" FREQUENZA    Mhz =  14,2"));
    QCOMPARE(m_printer.reports[0][15], std::string(" LUNGHEZZA TOT mt =  10,03"));

    click(m_window, "Command3");
    m_window->close();
    m_window = Registry::current().show("frmDIPOLOSTANDARD");
    QCOMPARE(textOf(m_window, "Text1"), QString());
    triggerMenu(m_window, "stampasolodati");
    QCOMPARE(m_printer.reports.size(), std::size_t(2));
    QCOMPARE(m_printer.reports[1][9], std::string("                       CONFIGURAZIONE  ORIZZONTALE"));
    QCOMPARE(m_printer.reports[1][13], std::string(" FREQUENZA    Mhz =  "));
    QCOMPARE(m_printer.reports[1][15], std::string(" LUNGHEZZA TOT mt =  "));

    triggerMenu(m_window, "stampavideata");
    QCOMPARE(m_printer.images.size(), std::size_t(1));
    QVERIFY(!m_printer.images[0].isNull());
}

void HalfWave::controlsAndMenu() {
    QCOMPARE(m_window->windowTitle(), "DIPOLO  STANDARD" + QString(58, ' ') + "by" + QString(5, ' ') +
                                          "TAVRON" + QString(62, ' ') + "rev.1.06");
    QCOMPARE(textOf(m_window, "Label3"), "LUNGHEZZA  FISICA  DI  UN  DIPOLO  1/2  ONDA");
    QCOMPARE(textOf(m_window, "Label2"), "LA  LUNGHEZZA  COMPLESSIVA  DEL  DIPOLO  SARA'  DI   mt");
    QCOMPARE(textOf(m_window, "Option1"), "Inverted  V");
    QCOMPARE(textOf(m_window, "Option2"), "Orizzontale");
    QCOMPARE(control(m_window, "Command1")->toolTip(), "Ritorna al menù  iniziale");
    QCOMPARE(control(m_window, "Command2")->toolTip(), "Calcola la lunghezza del dipolo");
    QCOMPARE(control(m_window, "Text1")->toolTip(), "Input frequenza");
    for (const char* action : {"stampavideata", "stampasolodati", "calcolatrice", "leggimi"})
        QVERIFY2(control<QAction>(m_window, action), action);
    QVERIFY(!control<QAction>(m_window, "fotocostr"));
    // Enter is refused like any other key in this window.
    type(m_window, "Text1", "7");
    QTest::keyClick(control(m_window, "Text1"), Qt::Key_Return);
    QCOMPARE(m_beep.count, 1);
}

void HalfWave::menuButtonRaisesTheMenu() {
    click(m_window, "Option2");
    type(m_window, "Text1", "50");
    click(m_window, "Command2");
    click(m_window, "Command1");
    QCOMPARE(openWindows(), (QStringList{"frmDIPOLOSTANDARD", "frmMENU"}));
    click(window("frmMENU"), "Command6");
    QCOMPARE(window("frmDIPOLOSTANDARD"), m_window);
    QCOMPARE(textOf(m_window, "Label7"), "2,85");
    QCOMPARE(textOf(m_window, "Text1"), "50");
}

ZELIRO_TEST_MAIN(HalfWave)
#include "test_halfwave.moc"
