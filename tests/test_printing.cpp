// Printing for real: the program prints on the default queue of a private
// CUPS server, and the jobs are read back as text.
#include <QTest>

#include "cupsfixture.h"
#include "core/halfwave.h"
#include "frame/Registry.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

class Printing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void twoReportsAreTwoJobsWithTheirLines();
    void windowPrintArrives();

private:
    QWidget* calculatedDipole(const QString& frequency);
    CupsFixture m_cups;
    bool m_ready = false;
    QString m_reason;
    RecordingBeep m_beep;
    RecordingPrinter m_unused;
};

void Printing::initTestCase() { m_ready = m_cups.start(&m_reason); }
void Printing::cleanupTestCase() { m_cups.stop(); }

void Printing::init() {
    if (!m_ready) QSKIP(qPrintable("no private CUPS server: " + m_reason));
    startProgram(m_beep, m_unused);
    Registry::current().setPrinter(nullptr);  // the system's default printer
}

void Printing::cleanup() { stopProgram(); }

QWidget* Printing::calculatedDipole(const QString& frequency) {
    click(window("frmSplash"), "Command1");
    click(window("frmMENU"), "Command6");
    QWidget* dipole = window("frmDIPOLOSTANDARD");
    click(dipole, "Option2");
    control<QLineEdit>(dipole, "Text1")->clear();
    type(dipole, "Text1", frequency);
    click(dipole, "Command2");
    return dipole;
}

void Printing::twoReportsAreTwoJobsWithTheirLines() {
    QWidget* dipole = calculatedDipole("7,05");
    triggerMenu(dipole, "stampasolodati");
    const QString first = m_cups.takeJobText();
    QVERIFY2(!first.isEmpty(), "the first report never arrived");

    QCOMPARE(CupsFixture::wordsOfLines(first),
             CupsFixture::wordsOfLines(halfWaveReport({"7,05", "20,21", "ORIZZONTALE"})));

    control<QLineEdit>(dipole, "Text1")->clear();
    type(dipole, "Text1", "14,2");
    click(dipole, "Command2");
    triggerMenu(dipole, "stampasolodati");
    const QString second = m_cups.takeJobText();
    QVERIFY2(!second.isEmpty(), "the second report never arrived");
    QCOMPARE(CupsFixture::wordsOfLines(second),
             CupsFixture::wordsOfLines(halfWaveReport({"14,2", "10,03", "ORIZZONTALE"})));
    QVERIFY(!m_cups.jobWaiting());
}

void Printing::windowPrintArrives() {
    QWidget* dipole = calculatedDipole("50");
    triggerMenu(dipole, "stampavideata");
    QVERIFY(QTest::qWaitFor([&] { return m_cups.jobWaiting(); }, 30000));
    m_cups.takeJobText();
    QCOMPARE(textOf(dipole, "Label7"), "2,85");
}

ZELIRO_TEST_MAIN(Printing)
#include "test_printing.moc"
