// The half-wave dipole's data report, without a window.
#include <QTest>

#include "core/halfwave.h"

using namespace zeliro;

class HalfWaveCore : public QObject {
    Q_OBJECT
private slots:
    void reportLines();
};

void HalfWaveCore::reportLines() {
    const auto lines = halfWaveReport({"7,05", "20,21", "ORIZZONTALE"});
    const std::vector<std::string> expected = {
        "",
        "",
        "                      ZELIRO  rev.1.06    by TAVRON",
        "",
        "",
        "           LUNGHEZZA FISICA COMPLESSIVA DI UN DIPOLO 1/2 ONDA  ",
        "",
        "",
        "",
        "                       CONFIGURAZIONE  ORIZZONTALE",
        "",
        "",
        "",
        " FREQUENZA    Mhz =  7,05",
        "",
        " LUNGHEZZA TOT mt =  20,21",
        "",
        "       -----------------------------------------------------------------",
    };
    QCOMPARE(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) QCOMPARE(lines[i], expected[i]);
}

QTEST_APPLESS_MAIN(HalfWaveCore)
#include "test_core_halfwave.moc"
