// The coil construction calculation and its data report, without a window.
#include <QStringList>
#include <QTest>

#include <cmath>

#include "core/coilconstruction.h"

using namespace zeliro;

class CoilConstructionCore : public QObject {
    Q_OBJECT
private slots:
    void variablesOfTheLastCalculation();
    void reportLines_data();
    void reportLines();
};

// The calculation on its own: the centimetre values in single precision, and
// a correction factor that keeps the previous value when it cannot be formed.
void CoilConstructionCore::variablesOfTheLastCalculation() {
    const CoilConstructionOutcome first = coilConstruction({"15", "30", "0,8", "30", {}});
    const CoilConstructionVariables& v = first.variables;
    QCOMPARE(v.meanRadius, 1.5f);
    QCOMPARE(v.windingLength, 3.0f);
    QCOMPARE(v.wireDiameter, 0.8f / 10.0f);
    QCOMPARE(v.turns, 30.0f);
    QCOMPARE(v.outerRadius, 1.5f + (0.8f / 10.0f) / 2.0f);
    QCOMPARE(v.windingLengthMm, 30.0);
    QCOMPARE(v.correctionLog,
             std::log(double(100.0f + ((14.0f * v.outerRadius) / 6.0f + 3.0f * v.wireDiameter))));

    const CoilConstructionOutcome second = coilConstruction({"10", "0", "0", "10", v});
    QVERIFY(second.calculated);
    QCOMPARE(second.variables.correctionLog, v.correctionLog);
    QCOMPARE(second.variables.windingLengthMm, 0.0);
    QCOMPARE(second.inductance, std::optional<std::string>(""));
    QCOMPARE(int(second.warning), int(CoilConstructionWarning::none));

    const CoilConstructionOutcome silent = coilConstruction({"10", "20", "1", ",", v});
    QVERIFY(!silent.calculated);
    QVERIFY(!silent.inductance);
    QCOMPARE(silent.variables.turns, v.turns);
}

void CoilConstructionCore::reportLines_data() {
    QTest::addColumn<QStringList>("values");  // radius, winding, wire, turns, result
    QTest::addColumn<QStringList>("valueLines");
    QTest::newRow("after a calculation")
        << QStringList{"35", "40", "1,5", "25", "41,76"}
        << QStringList{"           RAGGIO MEDIO mm = 35", " LUNGHEZZA AVVOLGIMENTO mm = 40",
                       "      DIAMETRO DEL FILO mm = 1,5", "           NUMERO SPIRE n° = 25",
                       "        VALORE MICRO HENRY = 41,76"};
    QTest::newRow("untouched window")
        << QStringList{"", "", "", "", ""}
        << QStringList{"           RAGGIO MEDIO mm = ", " LUNGHEZZA AVVOLGIMENTO mm = ",
                       "      DIAMETRO DEL FILO mm = ", "           NUMERO SPIRE n° = ",
                       "        VALORE MICRO HENRY = "};
}

void CoilConstructionCore::reportLines() {
    QFETCH(QStringList, values);
    QFETCH(QStringList, valueLines);
    const auto lines =
        coilConstructionReport({values[0].toStdString(), values[1].toStdString(), values[2].toStdString(),
                                values[3].toStdString(), values[4].toStdString()});
    const std::vector<std::string> expected = {
        "",
        "",
        "                         ZELIRO  rev.1.06  by  TAVRON",
        "",
        "",
        "                          COSTRUZIONE  DELLA  BOBINA",
        "                            ( DIPOLI  ACCORCIATI )",
        "",
        "",
        "",
        valueLines[0].toStdString(),
        "",
        valueLines[1].toStdString(),
        "",
        valueLines[2].toStdString(),
        "",
        valueLines[3].toStdString(),
        "",
        valueLines[4].toStdString(),
        "",
        "                      ----------------------------------",
    };
    QCOMPARE(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) QCOMPARE(lines[i], expected[i]);
    QCOMPARE(lines[2].size(), std::size_t(53));
    // Every value starts in column 30 (counted in characters: "n°" is one more
    // byte than it is characters).
    for (std::size_t i : {10u, 12u, 14u, 16u, 18u})
        QCOMPARE(QString::fromStdString(lines[i]).indexOf("= ") + 2, 29);
}

QTEST_APPLESS_MAIN(CoilConstructionCore)
#include "test_core_coilconstruction.moc"
