// The two-band trap dipole computation and its data report, without a window:
// the texts for the six result labels, which warning routine runs, and the
// report's lines.
#include <QStringList>
#include <QTest>

#include "core/trapdipole.h"

using namespace zeliro;

namespace {

std::string utf8(const QString& text) { return text.toStdString(); }

// A result label's text, or "-" for a label that the computation leaves alone.
QString shown(const std::optional<std::string>& text) { return text ? QString::fromStdString(*text) : "-"; }

}  // namespace

class TrapDipoleCore : public QObject {
    Q_OBJECT
private slots:
    void computation_data();
    void computation();
    void reportLines();
    void reportCableDesignation_data();
    void reportCableDesignation();
};

void TrapDipoleCore::computation_data() {
    QTest::addColumn<int>("shape");
    // Former radius, cable radius, turns, capacitance per cm, first and
    // second frequency, as typed.
    QTest::addColumn<QStringList>("texts");
    // Capacitance, inductance, cut-off, cable length, inner wire, outer wire.
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<int>("warning");

    const int horizontal = int(DipoleShape::Horizontal), invertedV = int(DipoleShape::InvertedV);
    const int none = int(TrapWarning::None), errore1 = int(TrapWarning::SecondNotBelowFirst),
              errore2 = int(TrapWarning::CutoffNotAboveFirst), errore3 = int(TrapWarning::CutoffTooHigh),
              errore4 = int(TrapWarning::NoConfiguration);
    const QStringList rg58u = {"35", "2,5", "6,4", "0,935", "7,055", "3,650"};
    const QStringList untouched(6, "-");
    const auto row = [](const char* name, int shape, const QStringList& texts, const QStringList& results,
                        int warning) { QTest::newRow(name) << shape << texts << results << warning; };

    row("RG58U, horizontal", horizontal, rg58u, {"142,86", "3,44", "7,179", "152,7", "10,09", "7,89"}, none);
    row("RG58U, inverted V", invertedV, rg58u, {"142,86", "3,44", "7,179", "152,7", "10,02", "7,82"}, none);
    row("7 turns: cut-off below the first frequency", horizontal,
        {"35", "2,5", "7", "0,935", "7,055", "3,650"}, {"156,08", "3,94", "6,417", "", "", ""}, errore2);
    row("6 turns: cut-off too far above the first frequency", horizontal,
        {"35", "2,5", "6", "0,935", "7,055", "3,650"}, {"134,05", "3,12", "7,782", "143,3", "10,09", "7,98"},
        errore3);
    row("cut-off equal to the first frequency", horizontal, {"25", "2,5", "5,034", "0,935", "14,2", "7,1"},
        {"83,19", "1,51", "14,2", "", "", ""}, errore2);
    row("cut-off exactly 0,5 above the first frequency", horizontal,
        {"35", "2,5", "6,45", "0,935", "6,61", "3,65"}, {"143,96", "3,48", "7,11", "153,8", "10,77", "7,2"},
        errore3);
    row("cut-off less than 0,5 above the first frequency", horizontal,
        {"35", "2,5", "6,45", "0,935", "6,62", "3,65"}, {"143,96", "3,48", "7,11", "153,8", "10,76", "7,22"},
        none);
    row("equal frequencies", horizontal, {"35", "2,5", "6,4", "0,935", "7,055", "7,055"},
        {"142,86", "3,44", "7,179", "", "-", "-"}, errore1);
    row("second frequency within a part in 100000 of the first", horizontal,
        {"35", "2,5", "6,4", "0,935", "7,05", "7,04999"}, {"142,86", "3,44", "7,179", "", "-", "-"}, errore1);
    row("second frequency above the first", invertedV, {"35", "2,5", "6,4", "0,935", "7,055", "14"},
        {"142,86", "3,44", "7,179", "", "-", "-"}, errore1);
    row("second frequency empty: no outer wire", horizontal, {"35", "2,5", "6,4", "0,935", "7,055", ""},
        {"142,86", "3,44", "7,179", "152,7", "10,09", ""}, none);
    row("second frequency 0: no outer wire", horizontal, {"35", "2,5", "6,4", "0,935", "7,055", "0"},
        {"142,86", "3,44", "7,179", "152,7", "10,09", ""}, none);
    // Inner wire 2,5 m and cable 0,53 m, but the arm for 24,95 MHz is 2,85 m.
    row("inner wire and cable longer than the arm: no outer wire", horizontal,
        {"30", "2,5", "2,5", "0,935", "28,5", "24,95"}, {"49,6", "0,62", "28,7", "53", "2,5", ""}, none);
    row("zero turns: no cut-off", horizontal, {"35", "2,5", "0", "0,935", "7,055", "3,650"},
        {"1,87", "0", "0", "", "", ""}, errore2);
    row("cable radius empty counts as 0", horizontal, {"35", "", "6,4", "0,935", "7,055", "3,650"},
        {"133,46", "6,27", "5,501", "", "", ""}, errore2);
    row("no configuration, every field empty", int(DipoleShape::None), QStringList(6, ""), untouched,
        errore4);
    row("no configuration, worked values", int(DipoleShape::None), rg58u, untouched, errore4);
    row("former radius empty: silent end", horizontal, {"", "2,5", "6,4", "0,935", "7,055", "3,650"},
        untouched, none);
    row("turns empty: silent end", horizontal, {"35", "2,5", "", "0,935", "7,055", "3,650"}, untouched, none);
    row("capacitance empty: silent end", horizontal, {"35", "2,5", "6,4", "", "7,055", "3,650"}, untouched,
        none);
    row("first frequency empty: silent end", horizontal, {"35", "2,5", "6,4", "0,935", "", "3,650"},
        untouched, none);
    // Only pasting brings a sign: no trap and no wire, and no figure of an earlier run.
    row("pasted negative former radius", horizontal, {"-35", "2,5", "6,4", "0,935", "7,055", "3,650"},
        QStringList(6, ""), none);
    row("pasted negative turns", horizontal, {"35", "2,5", "-6,4", "0,935", "7,055", "3,650"},
        QStringList(6, ""), none);
    row("pasted negative capacitance", horizontal, {"35", "2,5", "6,4", "-0,935", "7,055", "3,650"},
        QStringList(6, ""), none);
    row("pasted negative first frequency", horizontal, {"35", "2,5", "6,4", "0,935", "-7,055", "3,650"},
        QStringList(6, ""), none);
    row("pasted negative second frequency", horizontal, {"35", "2,5", "6,4", "0,935", "7,055", "-5"},
        QStringList(6, ""), none);
}

void TrapDipoleCore::computation() {
    QFETCH(int, shape);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, results);
    QFETCH(int, warning);

    TrapDipoleInput input{utf8(texts[0]),
                          utf8(texts[1]),
                          utf8(texts[2]),
                          utf8(texts[3]),
                          utf8(texts[4]),
                          utf8(texts[5]),
                          static_cast<DipoleShape>(shape),
                          {}};
    // The constants come from the configuration chosen (none: they keep 0).
    input.constants = dipoleConfiguration(input.shape).constants;
    const TrapDipoleOutcome outcome = computeTrapDipole(input);
    const QStringList shownResults = {shown(outcome.coilCapacitance), shown(outcome.coilInductance),
                                      shown(outcome.cutoffFrequency), shown(outcome.cableLength),
                                      shown(outcome.innerWire),       shown(outcome.outerWire)};
    QCOMPARE(shownResults, results);
    QCOMPARE(int(outcome.warning), warning);
}

void TrapDipoleCore::reportLines() {
    TrapDipoleScreen screen;
    screen.text1 = "35";
    screen.text2 = "2,5";
    screen.text3 = "6,4";
    screen.text4 = "0,935";
    screen.text5 = "7,055";
    screen.text6 = "3,650";
    screen.label41 = "(ORIZZONTALE)";
    screen.label23 = "152,7";
    screen.label24 = "10,09";
    screen.label25 = "7,89";
    screen.label26 = "7,179";
    screen.label31 = "142,86";
    screen.label32 = "3,44";
    screen.cable = CableChoice::RG58U;
    const std::vector<std::string> expected = {
        "",
        "",
        "                   ZELIRO  rev.1.06    by TAVRON",
        "",
        "",
        "            DIPOLO BIBANDA CON TRAPPOLE IN CAVO COASSIALE ",
        "",
        "",
        "",
        "                     CONFIGURAZIONE  (ORIZZONTALE)",
        "",
        "",
        "",
        "   CAPACITA'CAVO COASSIALE  1cm  Pf =  0,935     RG  58",
        "",
        "          RAGGIO CAVO COASSIALE  mm =  2,5",
        "",
        "            RAGGIO DEL SUPPORTO  mm =  35",
        "",
        "              NUMERO DELLE SPIRE n° =  6,4",
        "",
        "   CENTRO BANDA PRIMA FREQUENZA Mhz =  7,055",
        "",
        " CENTRO BANDA SECONDA FREQUENZA Mhz =  3,650",
        "",
        "",
        "",
        " LUNGHEZZA DEL COASSIALE PER LE SOLE SPIRE cm =  152,7",
        "",
        "                    FREQUENZA DI TAGLIO   Mhz =  7,179",
        "",
        "           VALORE DELLA BOBINA IN MICRO HENRY =  3,44",
        "",
        "           VALORE DELLA BOBINA IN PICOFARAD   =  142,86",
        "",
        "TRATTO DI   FILO DAL CENTRALE ALLA BOBINA  mt =  10,09",
        "",
        "TRATTO DI FILO DALLA BOBINA ALL'ISOLATORE  mt =  7,89",
        "",
        "      ------------------------------------------------------------------",
    };
    const std::vector<std::string> report = trapDipoleReport(screen);
    QCOMPARE(report.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        QVERIFY2(report[i] == expected[i],
                 qPrintable(QString("line %1: \"%2\"").arg(i + 1).arg(QString::fromStdString(report[i]))));
}

void TrapDipoleCore::reportCableDesignation_data() {
    QTest::addColumn<int>("cable");
    QTest::addColumn<QString>("ending");
    QTest::newRow("no cable chosen") << int(CableChoice::None) << "RG ";
    QTest::newRow("RG58U") << int(CableChoice::RG58U) << "RG  58";
    QTest::newRow("RG223") << int(CableChoice::RG223) << "RG  223";
    QTest::newRow("RG174") << int(CableChoice::RG174) << "RG  174";
    QTest::newRow("RG213") << int(CableChoice::RG213) << "RG  213";
    QTest::newRow("manual: the text of Text7") << int(CableChoice::Manual) << "RG 8/U";
}

void TrapDipoleCore::reportCableDesignation() {
    QFETCH(int, cable);
    QFETCH(QString, ending);
    TrapDipoleScreen screen;
    screen.text4 = "1,01";
    screen.text7 = "8/U";
    screen.cable = static_cast<CableChoice>(cable);
    QCOMPARE(trapDipoleReport(screen).at(13),
             "   CAPACITA'CAVO COASSIALE  1cm  Pf =  1,01     " + utf8(ending));
}

QTEST_APPLESS_MAIN(TrapDipoleCore)
#include "test_core_trapdipole.moc"
