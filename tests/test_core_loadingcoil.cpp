// The loading-coil calculation and its data report, without a window.
#include <QStringList>
#include <QTest>

#include "core/loadingcoil.h"

using namespace zeliro;

class LoadingCoilCore : public QObject {
    Q_OBJECT
private slots:
    void termsFollowTheSteps_data();
    void termsFollowTheSteps();
    void reportLines_data();
    void reportLines();
};

void LoadingCoilCore::termsFollowTheSteps_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("calculated");
    QTest::addColumn<QString>("inductance");
    QTest::addColumn<int>("warning");
    QTest::addColumn<bool>("innerKept");
    QTest::addColumn<bool>("outerKept");
    const int none = int(LoadingCoilWarning::none), tooFar = int(LoadingCoilWarning::coilTooFar),
              noCoils = int(LoadingCoilWarning::noCoilsNeeded);
    QTest::newRow("worked value") << QStringList{"2", "7,05", "10", "2"} << true << "16,26" << none << false
                                  << false;
    QTest::newRow("unreadable field")
        << QStringList{"2", "7,05", "10", ","} << false << "-" << none << true << true;
    QTest::newRow("coil too far") << QStringList{"2", "7,05", "10", "5"} << true << "-" << tooFar << true
                                  << true;
    QTest::newRow("wire 0") << QStringList{"0", "7,05", "10", "2"} << true << "" << none << true << true;
    QTest::newRow("frequency 0") << QStringList{"2", "0", "10", "2"} << true << "" << noCoils << true
                                 << false;
    QTest::newRow("half wave written, then warned")
        << QStringList{"2", "7,05", "20,2", "2"} << true << "0,03" << noCoils << false << false;
}

// The calculation on its own: which window-level terms a click forms and
// which keep the value of an earlier click.
void LoadingCoilCore::termsFollowTheSteps() {
    QFETCH(QStringList, texts);
    QFETCH(bool, calculated);
    QFETCH(QString, inductance);
    QFETCH(int, warning);
    QFETCH(bool, innerKept);
    QFETCH(bool, outerKept);
    const LoadingCoilVariables earlier{-11.5, -22.5};
    const LoadingCoilOutcome outcome = loadingCoil({texts[0].toStdString(), texts[1].toStdString(),
                                                    texts[2].toStdString(), texts[3].toStdString(), earlier});
    QCOMPARE(outcome.calculated, calculated);
    QCOMPARE(outcome.inductance.has_value(), inductance != "-");
    if (outcome.inductance) QCOMPARE(QString::fromStdString(*outcome.inductance), inductance);
    QCOMPARE(int(outcome.warning), warning);
    QCOMPARE(outcome.variables.innerLogTerm == earlier.innerLogTerm, innerKept);
    QCOMPARE(outcome.variables.outerLogTerm == earlier.outerLogTerm, outerKept);
}

void LoadingCoilCore::reportLines_data() {
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("valueLines");
    QTest::newRow("after a calculation")
        << QStringList{"2", "7,05", "10", "2", "16,26"}
        << QStringList{"        DIAMETRO DEL FILO  mm = 2", "               FREQUENZA  Mhz = 7,05",
                       "         LUNGHEZZA TOTALE  mt = 10", "    DISTANZA DAL CENTRALE  mt = 2",
                       "          VALORE MICRO HENRY  = 16,26"};
    QTest::newRow("untouched window")
        << QStringList{"", "", "", "", ""}
        << QStringList{"        DIAMETRO DEL FILO  mm = ", "               FREQUENZA  Mhz = ",
                       "         LUNGHEZZA TOTALE  mt = ", "    DISTANZA DAL CENTRALE  mt = ",
                       "          VALORE MICRO HENRY  = "};
}

void LoadingCoilCore::reportLines() {
    QFETCH(QStringList, values);
    QFETCH(QStringList, valueLines);
    const auto lines =
        loadingCoilReport({values[0].toStdString(), values[1].toStdString(), values[2].toStdString(),
                           values[3].toStdString(), values[4].toStdString()});
    const std::vector<std::string> expected = {
        "",
        "",
        "                        ZELIRO  ver.1.06    by  TAVRON  ",
        "",
        "",
        "                             CALCOLO DELLA BOBINA",
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
        "                           --------------------------",
    };
    QCOMPARE(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) QCOMPARE(lines[i], expected[i]);
    QCOMPARE(lines[2].size(), std::size_t(56));
    // Every value starts in column 33.
    for (std::size_t i : {10u, 12u, 14u, 16u, 18u}) QCOMPARE(lines[i].find("= ") + 2, std::size_t(32));
}

QTEST_APPLESS_MAIN(LoadingCoilCore)
#include "test_core_loadingcoil.moc"
