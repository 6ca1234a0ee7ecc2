// The trimming calculation and its data report, without a window.
#include <QTest>

#include <cmath>
#include <string>
#include <vector>

#include "core/fixeddecimal.h"
#include "core/trimming.h"

using namespace zeliro;

namespace {

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

std::vector<std::string> expectedReport(const std::string& configuration, const std::string& wanted,
                                        const std::string& measured, const std::string& verdict,
                                        const std::string& correction) {
    return {"",
            "",
            blanks(25) + "ZELIRO  rev 1.06    by TAVRON",
            "",
            "",
            blanks(29) + "TARATURA  del DIPOLO",
            "",
            "",
            "",
            blanks(25) + "CONFIGURAZIONE " + configuration,
            "",
            "",
            "",
            blanks(25) + "FREQUENZA DI TRASMISSIONE  Mhz = " + wanted,
            "",
            "",
            blanks(21) + "FREQUENZA RILEVATA (minimo ROS)Mhz = " + measured,
            "",
            "",
            blanks(5) + "PER SPOSTARE LA RISONANZA DOVRAI " + verdict + "  " + correction,
            "",
            "",
            blanks(8) + std::string(64, '-')};
}

}  // namespace

class TrimmingCore : public QObject {
    Q_OBJECT
private slots:
    void keepsTheLengthsOfTheCalculation_data();
    void keepsTheLengthsOfTheCalculation();
    void reportLines_data();
    void reportLines();
};

void TrimmingCore::keepsTheLengthsOfTheCalculation_data() {
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("measured");
    QTest::addColumn<bool>("invertedV");
    QTest::addColumn<double>("builtLength");
    QTest::addColumn<double>("requiredLength");
    QTest::addColumn<double>("lengthDifference");
    QTest::addColumn<qint64>("armTicks");
    const auto row = [](const char* name, QString wanted, QString measured, bool invertedV, double built,
                        double required, double difference, qint64 armTicks) {
        QTest::newRow(name) << wanted << measured << invertedV << built << required << difference << armTicks;
    };
    row("7,05 measured 7, horizontal", "7,05", "7", false, 19.92908, 19.78774, -0.14134, -705);
    row("7 measured 7,05, horizontal", "7", "7,05", false, 20.07143, 20.21480, 0.14337, 715);
    row("3,65 measured 3,7, inverted V", "3,65", "3,7", true, 38.74712, 39.27791, 0.53078, 2650);
    row("28,5 measured 28,3, horizontal", "28,5", "28,3", false, 4.92982, 4.89523, -0.03460, -170);
}

void TrimmingCore::keepsTheLengthsOfTheCalculation() {
    QFETCH(QString, wanted);
    QFETCH(QString, measured);
    QFETCH(bool, invertedV);
    QFETCH(double, builtLength);
    QFETCH(double, requiredLength);
    QFETCH(double, lengthDifference);
    QFETCH(qint64, armTicks);
    TrimmingInput input{wanted.toStdString(), measured.toStdString(), true, {}};
    invertedV ? selectInvertedV(input.variables) : selectHorizontal(input.variables);
    const TrimmingOutcome outcome = computeTrimming(input);
    QCOMPARE(outcome.action, TrimmingOutcome::Action::showVerdict);
    QCOMPARE(outcome.lengthen, lengthDifference > 0);
    QCOMPARE(outcome.shorten, lengthDifference < 0);
    const TrimmingVariables& v = outcome.variables;
    QCOMPARE(v.wantedFrequency, *FixedDecimal::parse(wanted.toStdString()));
    QCOMPARE(v.measuredFrequency, *FixedDecimal::parse(measured.toStdString()));
    QVERIFY(std::abs(v.builtLength - builtLength) < 5e-6);
    QVERIFY(std::abs(v.requiredLength - requiredLength) < 5e-6);
    QVERIFY(std::abs(v.lengthDifference - lengthDifference) < 5e-6);
    QCOMPARE(v.lengthFrequencyProduct, v.builtLength * v.measuredFrequency.toDouble());
    QCOMPARE(v.armCorrection.ticks(), armTicks);
}

void TrimmingCore::reportLines_data() {
    QTest::addColumn<bool>("unchangedShown");
    QTest::addColumn<bool>("lengthenShown");
    QTest::addColumn<bool>("shortenShown");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("no verdict visible prints none") << false << false << false << "";
    QTest::newRow("shorten") << false << false << true << "ACCORCIARLO di cm";
    QTest::newRow("lengthen") << false << true << false << "ALLUNGARLO di cm";
    QTest::newRow("unchanged") << true << false << false << "INVARIARLO";
    QTest::newRow("of several visible the shorten label counts")
        << true << true << true << "ACCORCIARLO di cm";
    QTest::newRow("lengthen counts over unchanged") << true << true << false << "ALLUNGARLO di cm";
}

void TrimmingCore::reportLines() {
    QFETCH(bool, unchangedShown);
    QFETCH(bool, lengthenShown);
    QFETCH(bool, shortenShown);
    QFETCH(QString, verdict);
    TrimmingReportInput input;
    input.wantedText = "7,05";
    input.measuredText = "7";
    input.verdicts = {{"INVARIARLO", unchangedShown},
                      {"ALLUNGARLO di cm", lengthenShown},
                      {"ACCORCIARLO di cm", shortenShown}};
    input.correctionText = "-7,05";
    input.dipoleConfiguration = "INVERTED V";
    const auto lines = trimmingReport(input);
    const auto expected = expectedReport("INVERTED V", "7,05", "7", verdict.toStdString(), "-7,05");
    QCOMPARE(lines.size(), std::size_t(23));
    for (std::size_t i = 0; i < expected.size(); ++i)
        QVERIFY2(lines[i] == expected[i],
                 qPrintable(QString("line %1: [%2]").arg(i + 1).arg(lines[i].c_str())));

    // Nothing typed, nothing chosen: the literals alone.
    const auto empty = trimmingReport({});
    QCOMPARE(empty, expectedReport("", "", "", "", ""));
    QCOMPARE(empty[9], blanks(25) + "CONFIGURAZIONE ");
    QCOMPARE(empty[19], blanks(5) + "PER SPOSTARE LA RISONANZA DOVRAI   ");
}

QTEST_APPLESS_MAIN(TrimmingCore)
#include "test_core_trimming.moc"
