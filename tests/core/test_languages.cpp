// The core in both languages: every worked value of the five calculations
// gives the same digits in English, with a decimal point; the English reports
// keep the Italian layout; the English number rules; the choice of language.
#include <QRegularExpression>
#include <QTest>

#include <functional>

#include "core/coilconstruction.h"
#include "core/deskcalculator.h"
#include "core/fixeddecimal.h"
#include "core/halfwave.h"
#include "core/language.h"
#include "core/loadingcoil.h"
#include "core/numbers.h"
#include "core/texts.h"
#include "core/trapdipole.h"
#include "core/trimming.h"
#include "core/version.h"

using namespace zeliro;

namespace {

std::string utf8(const QString& text) { return text.toStdString(); }
QString qs(const std::string& text) { return QString::fromStdString(text); }
QString inEnglish(QString text) { return text.replace(',', '.'); }
QStringList inEnglish(QStringList texts) {
    for (QString& text : texts) text = inEnglish(text);
    return texts;
}

// A calculation as the window runs it: the field texts in, the label texts
// out. The first input names the configuration ("horizontal" or "inverted V").
using Calculation = std::function<QStringList(const QStringList&, Language)>;

bool horizontal(const QStringList& in) { return in[0] == "horizontal"; }

QStringList halfWave(const QStringList& in, Language language) {
    HalfWaveInput input;
    horizontal(in) ? selectHorizontal(input.variables, language) : selectInvertedV(input.variables, language);
    input.configurationChosen = true;
    input.frequencyText = utf8(in[1]);
    input.language = language;
    return {qs(computeHalfWave(input).lengthText)};
}

QStringList trimming(const QStringList& in, Language language) {
    TrimmingInput input;
    horizontal(in) ? selectHorizontal(input.variables, language) : selectInvertedV(input.variables, language);
    input.typeChosen = true;
    input.wantedText = utf8(in[1]);
    input.measuredText = utf8(in[2]);
    input.language = language;
    const TrimmingOutcome outcome = computeTrimming(input);
    const VerdictCaptions captions = verdictCaptions(Language::italian);  // compared across languages
    const char* verdict = outcome.shorten    ? captions.shorten
                          : outcome.lengthen ? captions.lengthen
                                             : captions.unchanged;
    return {verdict, qs(outcome.correctionText)};
}

QStringList trapDipole(const QStringList& in, Language language) {
    TrapDipoleInput input;
    input.shape = horizontal(in) ? DipoleShape::Horizontal : DipoleShape::InvertedV;
    input.constants = dipoleConfiguration(input.shape, language).constants;
    input.supportRadius = utf8(in[1]);
    input.cableRadius = utf8(in[2]);
    input.turns = utf8(in[3]);
    input.capacitancePerCm = utf8(in[4]);
    input.firstFrequency = utf8(in[5]);
    input.secondFrequency = utf8(in[6]);
    input.language = language;
    const TrapDipoleOutcome out = computeTrapDipole(input);
    QStringList shown;
    for (const auto& label : {out.coilCapacitance, out.coilInductance, out.cutoffFrequency, out.cableLength,
                              out.innerWire, out.outerWire})
        shown << qs(label.value_or("(unchanged)"));
    return shown;
}

QStringList loadingCoilValue(const QStringList& in, Language language) {
    LoadingCoilInput input{utf8(in[1]), utf8(in[2]), utf8(in[3]), utf8(in[4]), {}, language};
    return {qs(loadingCoil(input).inductance.value_or("(unchanged)"))};
}

QStringList coilValue(const QStringList& in, Language language) {
    CoilConstructionInput input{utf8(in[1]), utf8(in[2]), utf8(in[3]), utf8(in[4]), {}, language};
    return {qs(coilConstruction(input).inductance.value_or("(unchanged)"))};
}

// The column (in characters) where `marker` starts in each line, -1 where it
// does not appear.
QList<int> markerColumns(const std::vector<std::string>& lines, const QString& marker) {
    QList<int> columns;
    for (const std::string& line : lines) columns << qs(line).indexOf(marker);
    return columns;
}

const QRegularExpression decimalComma(QStringLiteral("\\d,\\d"));

}  // namespace

Q_DECLARE_METATYPE(Calculation)

class Languages : public QObject {
    Q_OBJECT
private slots:
    void workedValues_data();
    void workedValues();
    void numberRules_data();
    void numberRules();
    void reportsKeepTheirLayout_data();
    void reportsKeepTheirLayout();
    void englishTexts();
    void deskCalculator();
    void choosingTheLanguage_data();
    void choosingTheLanguage();
};

void Languages::workedValues_data() {
    QTest::addColumn<Calculation>("calculation");
    QTest::addColumn<QStringList>("inputs");    // Italian, as typed
    QTest::addColumn<QStringList>("expected");  // Italian, as shown

    const auto row = [](const char* name, Calculation c, QStringList in, QStringList out) {
        QTest::newRow(name) << c << in << out;
    };
    row("half wave 7,05 horizontal", halfWave, {"horizontal", "7,05"}, {"20,21"});
    row("half wave 7,05 inverted V", halfWave, {"inverted V", "7,05"}, {"20,06"});
    row("half wave 14,2", halfWave, {"horizontal", "14,2"}, {"10,03"});
    row("half wave 3,65", halfWave, {"horizontal", "3,65"}, {"39,04"});
    row("half wave 28,5: whole", halfWave, {"horizontal", "28,5"}, {"5"});
    row("half wave 50", halfWave, {"horizontal", "50"}, {"2,85"});
    row("half wave 144", halfWave, {"horizontal", "144"}, {"0,98"});
    row("half wave 0,5 inverted V", halfWave, {"inverted V", "0,5"}, {"282,85"});
    row("half wave 0,1: single precision", halfWave, {"horizontal", "0,1"}, {"1424,99"});
    row("trimming 7,05 / 7: shorten", trimming, {"horizontal", "7,05", "7"}, {"ACCORCIARLO di cm", "-7,05"});
    row("trimming 7 / 7,05: lengthen", trimming, {"horizontal", "7", "7,05"}, {"ALLUNGARLO di cm", "7,15"});
    row("trimming 3,65 / 3,7 inverted V", trimming, {"inverted V", "3,65", "3,7"},
        {"ALLUNGARLO di cm", "26,5"});
    row("trimming 28,5 / 28,3: truncated", trimming, {"horizontal", "28,5", "28,3"},
        {"ACCORCIARLO di cm", "-1,7"});
    row("trimming equal: unchanged", trimming, {"horizontal", "7,1", "7,1"}, {"INVARIARLO", "0"});
    row("trap dipole horizontal", trapDipole, {"horizontal", "35", "2,5", "6,4", "0,935", "7,055", "3,650"},
        {"142,86", "3,44", "7,179", "152,7", "10,09", "7,89"});
    row("trap dipole inverted V", trapDipole, {"inverted V", "35", "2,5", "6,4", "0,935", "7,055", "3,650"},
        {"142,86", "3,44", "7,179", "152,7", "10,02", "7,82"});
    row("trap dipole cut-off too high", trapDipole,
        {"horizontal", "35", "2,5", "6", "0,935", "7,055", "3,650"},
        {"134,05", "3,12", "7,782", "143,3", "10,09", "7,98"});
    row("loading coil 2 / 7,05 / 10 / 2", loadingCoilValue, {"", "2", "7,05", "10", "2"}, {"16,26"});
    row("loading coil 1,5 / 3,65 / 30 / 5", loadingCoilValue, {"", "1,5", "3,65", "30", "5"}, {"12,11"});
    row("loading coil single precision", loadingCoilValue, {"", "0,5", "3,5", "15", "6,6"}, {"281,14"});
    row("coil 35 / 40 / 1,5 / 25", coilValue, {"", "35", "40", "1,5", "25"}, {"41,76"});
    row("coil 25 turns of 1,2 mm", coilValue, {"", "10", "30", "1,2", "25"}, {"6,09"});
    row("coil centimetres in single precision", coilValue, {"", "37", "80", "1,5", "31"}, {"45,2"});
}

void Languages::workedValues() {
    QFETCH(Calculation, calculation);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, expected);

    QCOMPARE(calculation(inputs, Language::italian), expected);
    QCOMPARE(calculation(inEnglish(inputs), Language::english), inEnglish(expected));
    // A decimal comma is no number in English: the field reads as nothing.
    if (inputs.join("").contains(',')) QVERIFY(calculation(inputs, Language::english) != inEnglish(expected));
}

void Languages::numberRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("reads");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("written");  // the value written back in English

    QTest::newRow("decimal point") << "7.05" << true << 7.05 << "7.05";
    QTest::newRow("blanks, sign") << " -0.5 " << true << -0.5 << "-0.5";
    QTest::newRow("trailing point") << "7." << true << 7.0 << "7";
    QTest::newRow("leading point") << ".5" << true << 0.5 << "0.5";
    QTest::newRow("exponent") << "1.5E+15" << true << 1.5e15 << "1.5E+15";
    QTest::newRow("small exponent") << "5E-06" << true << 5e-6 << "5E-06";
    QTest::newRow("small plain") << "0.0001" << true << 1e-4 << "0.0001";
    QTest::newRow("comma refused") << "7,05" << false << 0.0 << "";
    QTest::newRow("grouping comma refused") << "1,234.5" << false << 0.0 << "";
    QTest::newRow("lone comma") << "," << false << 0.0 << "";
    QTest::newRow("lone point") << "." << false << 0.0 << "";
    QTest::newRow("two points") << "7.0.5" << false << 0.0 << "";
}

void Languages::numberRules() {
    QFETCH(QString, text);
    QFETCH(bool, reads);
    QFETCH(double, value);
    QFETCH(QString, written);

    const auto read = parseDouble(utf8(text), Language::english);
    QCOMPARE(read.has_value(), reads);
    QCOMPARE(FixedDecimal::parse(utf8(text), Language::english).has_value(), reads && value < 1e14);
    if (!reads) return;
    QCOMPARE(*read, value);
    QCOMPARE(qs(formatDouble(*read, Language::english)), written);
    QCOMPARE(qs(formatDouble(*read)), QString(written).replace('.', ','));
    QCOMPARE(qs(formatSingle(static_cast<float>(*read), Language::english)).contains(','), false);
}

void Languages::reportsKeepTheirLayout_data() {
    QTest::addColumn<std::function<std::vector<std::string>(Language)>>("report");
    QTest::addColumn<QStringList>("markers");  // one a value, as the screen would hold it

    using Report = std::function<std::vector<std::string>(Language)>;
    QTest::newRow("half wave") << Report([](Language l) {
        return halfWaveReport({"<F>", "<L>", "<C>", l});
    }) << QStringList{"<F>", "<L>", "<C>"};
    QTest::newRow("trimming") << Report([](Language l) {
        return trimmingReport({"<W>", "<M>", {{"<V>", true}}, "<K>", "<C>", l});
    }) << QStringList{"<W>", "<M>", "<C>"};
    QTest::newRow("trap dipole") << Report([](Language l) {
        TrapDipoleScreen s{"<1>",  "<2>",  "<3>",  "<4>",  "<5>",
                           "<6>",  "<7>",  "<C>",  "<23>", "<24>",
                           "<25>", "<26>", "<31>", "<32>", CableChoice::Manual,
                           l};
        return trapDipoleReport(s);
    }) << QStringList{"<1>",  "<2>",  "<3>",  "<4>",  "<5>",  "<6>", "<C>",
                      "<23>", "<24>", "<25>", "<26>", "<31>", "<32>"};
    QTest::newRow("loading coil") << Report([](Language l) {
        return loadingCoilReport({"<D>", "<F>", "<T>", "<B>", "<L>", l});
    }) << QStringList{"<D>", "<F>", "<T>", "<B>", "<L>"};
    QTest::newRow("coil construction") << Report([](Language l) {
        return coilConstructionReport({"<A>", "<B>", "<D>", "<N>", "<L>", l});
    }) << QStringList{"<A>", "<B>", "<D>", "<N>", "<L>"};
}

void Languages::reportsKeepTheirLayout() {
    using Report = std::function<std::vector<std::string>(Language)>;
    QFETCH(Report, report);
    QFETCH(QStringList, markers);

    const std::vector<std::string> italian = report(Language::italian);
    const std::vector<std::string> english = report(Language::english);
    QCOMPARE(english.size(), italian.size());
    for (std::size_t i = 0; i < italian.size(); ++i) {
        const QString it = qs(italian[i]), en = qs(english[i]);
        // Empty lines, the header and the closing dashes are the same; the
        // rest is translated.
        if (it.trimmed().isEmpty() || it.contains("ZELIRO") || it.trimmed().startsWith("---"))
            QCOMPARE(en, it);
        else
            QVERIFY2(en != it, qPrintable(en));
        QVERIFY2(en.size() <= 80, qPrintable(en));
    }
    for (const QString& marker : markers)
        QCOMPARE(markerColumns(english, marker), markerColumns(italian, marker));
}

void Languages::englishTexts() {
    using Texts = TextWindowTexts (*)(Language);
    for (const Texts texts :
         {Texts(informationTexts), Texts(halfWaveReadMe), Texts(trimmingReadMe), Texts(loadingCoilReadMe),
          Texts(coilConstructionReadMe), Texts(twoBandReadMe)}) {
        const TextWindowTexts it = texts(Language::italian), en = texts(Language::english);
        QCOMPARE(en.caption.size(), it.caption.size());  // "Read me" for "Leggimi", the same blanks
        QVERIFY(en.caption.starts_with("Read me "));
        QVERIFY(!en.title.empty() && en.title != it.title);
        QVERIFY(!qs(en.text).contains(decimalComma));
        QVERIFY(!qs(en.text).contains(QRegularExpression("[^\\r]\\n")));  // CR LF only
    }
    QVERIFY(
        twoBandReadMe(Language::english).text.ends_with("\r\nA 1:1 balun at the feed point is recommended."));
    QCOMPARE(qs(versionText({}, Language::english)), "Version 1.0.6");
    QCOMPARE(qs(versionText()), "Versione 1.0.6");
    QCOMPARE(qs(cablePreset(CableChoice::RG58U, Language::english).capacitanceText), "0.935");
    QCOMPARE(qs(cablePreset(CableChoice::RG213, Language::english).radiusText), "5.1");
    QCOMPARE(qs(cablePreset(CableChoice::RG213).radiusText), "5,1");
}

void Languages::deskCalculator() {
    DeskCalculator english(Language::english);
    english.number("7");
    english.decimal();
    QCOMPARE(qs(english.number("5").readout), "7.5");
    english.operatorKey("/");
    english.number("2");
    QCOMPARE(qs(english.operatorKey("=").readout), "3.75");
    QCOMPARE(qs(english.percent().readout), "0.0375");
    QCOMPARE(qs(english.cancel().readout), "0.");
    for (int i = 0; i < 400; ++i) english.number("9");  // beyond the range of a double
    QCOMPARE(qs(english.readout()), "Error");
    QCOMPARE(qs(DeskCalculator().readout()), "0,");
}

void Languages::choosingTheLanguage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("languageVariable");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("note");  // on the standard error

    QTest::newRow("Italian system") << QStringList{} << "" << QStringList{"it-IT", "it"} << false << "";
    QTest::newRow("C locale") << QStringList{} << "" << QStringList{"C"} << false << "";
    QTest::newRow("POSIX locale") << QStringList{} << "" << QStringList{"POSIX"} << false << "";
    QTest::newRow("no system language") << QStringList{} << "" << QStringList{} << false << "";
    QTest::newRow("English system") << QStringList{} << "" << QStringList{"en-US"} << true << "";
    QTest::newRow("German system") << QStringList{} << "" << QStringList{"de-DE", "it-IT"} << true << "";
    QTest::newRow("--lang en on an Italian system")
        << QStringList{"--lang", "en"} << "" << QStringList{"it"} << true << "";
    QTest::newRow("--lang=it over LANGUAGE")
        << QStringList{"--lang=it"} << "en" << QStringList{"en"} << false << "";
    QTest::newRow("last --lang wins")
        << QStringList{"--lang", "it", "--lang", "en"} << "" << QStringList{"C"} << true << "";
    QTest::newRow("unknown --lang is ignored, and said")
        << QStringList{"--lang", "de"} << "" << QStringList{"it"} << false
        << "zeliro: la lingua \"de\" data a --lang non è conosciuta (it, en); si usa l'italiano.";
    QTest::newRow("unknown --lang said in English")
        << QStringList{"--lang=fr"} << "" << QStringList{"en-GB"} << true
        << "zeliro: the language \"fr\" given to --lang is not known (it, en); using English.";
    QTest::newRow("--lang without a value")
        << QStringList{"-platform", "offscreen", "--lang"} << "" << QStringList{"en"} << true << "";
    QTest::newRow("LANGUAGE en under C") << QStringList{} << "en_GB:en" << QStringList{"C"} << true << "";
    QTest::newRow("LANGUAGE it on an English system")
        << QStringList{} << "it" << QStringList{"en-US"} << false << "";
    QTest::newRow("LANGUAGE skips what it cannot speak")
        << QStringList{} << "fr:it:en" << QStringList{"fr"} << false << "";
    QTest::newRow("LANGUAGE with nothing spoken")
        << QStringList{} << "fr:de" << QStringList{"it_IT.UTF-8"} << false << "";
}

void Languages::choosingTheLanguage() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, languageVariable);
    QFETCH(QStringList, system);
    QFETCH(bool, english);
    QFETCH(QString, note);

    LanguageSources sources;
    std::vector<std::string> args;
    for (const QString& a : arguments) args.push_back(utf8(a));
    sources.commandLine = languageArgument(args);
    sources.languageVariable = utf8(languageVariable);
    for (const QString& s : system) sources.systemLanguages.push_back(utf8(s));
    const Language chosen = chooseLanguage(sources);
    QCOMPARE(chosen, english ? Language::english : Language::italian);
    QCOMPARE(QString::fromStdString(unknownLanguageNote(sources, chosen)), note);
}

QTEST_APPLESS_MAIN(Languages)
#include "test_languages.moc"
