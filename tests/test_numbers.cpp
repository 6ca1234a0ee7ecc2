// The decimal-comma number rules, truncation and the four-place decimal.
#include <QTest>

#include <cmath>
#include <limits>

#include "core/fixeddecimal.h"
#include "core/numbers.h"

using namespace zeliro;

class NumberRules : public QObject {
    Q_OBJECT
private slots:
    void readsDecimalCommaText_data();
    void readsDecimalCommaText();
    void refusesWhatIsNotANumber_data();
    void refusesWhatIsNotANumber();
    void readsTheNearestSingle();
    void writesDoubles_data();
    void writesDoubles();
    void writesSingles_data();
    void writesSingles();
    void writtenTextReadsBack_data();
    void writtenTextReadsBack();
    void truncates_data();
    void truncates();
    void truncatesSingles_data();
    void truncatesSingles();
    void fixedDecimalReads_data();
    void fixedDecimalReads();
    void fixedDecimalRefusesOutOfRange();
    void fixedDecimalArithmetic();
};

void NumberRules::readsDecimalCommaText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("comma is the decimal separator") << "7,05" << 7.05;
    QTest::newRow("whole number") << "50" << 50.0;
    QTest::newRow("full stop is ignored") << "7.05" << 705.0;
    QTest::newRow("grouping full stops") << "1.234,5" << 1234.5;
    QTest::newRow("blanks around") << "  3,65 " << 3.65;
    QTest::newRow("leading minus") << "-7,894" << -7.894;
    QTest::newRow("leading plus") << "+2,5" << 2.5;
    QTest::newRow("comma first") << ",5" << 0.5;
    QTest::newRow("comma last") << "5," << 5.0;
    QTest::newRow("small exponent") << "5E-06" << 5e-6;
    QTest::newRow("large exponent with comma") << "1,5E+15" << 1.5e15;
    QTest::newRow("lower-case exponent") << "2e3" << 2000.0;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("zero with decimals") << "0,0" << 0.0;
    QTest::newRow("leading zeros") << "007,5" << 7.5;
    QTest::newRow("too small to hold reads as zero") << "1E-400" << 0.0;
    QTest::newRow("long run of digits") << QString(400, '1').prepend("0,") << 0.1111111111111111;
}

void NumberRules::readsDecimalCommaText() {
    QFETCH(QString, text);
    QFETCH(double, value);
    const auto read = parseDouble(text.toStdString());
    QVERIFY(read.has_value());
    QCOMPARE(*read, value);
}

void NumberRules::refusesWhatIsNotANumber_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("lone comma") << ",";
    QTest::newRow("two commas") << "7,0,5";
    QTest::newRow("letters") << "abc";
    QTest::newRow("digits then letters") << "7a";
    QTest::newRow("lone minus") << "-";
    QTest::newRow("exponent without digits") << "5E";
    QTest::newRow("exponent without mantissa") << "E5";
    QTest::newRow("blank inside") << "7 05";
    QTest::newRow("too large for a double") << "1E400";
    QTest::newRow("lone full stop") << ".";
    QTest::newRow("sign twice") << "--5";
}

void NumberRules::refusesWhatIsNotANumber() {
    QFETCH(QString, text);
    QVERIFY(!parseDouble(text.toStdString()).has_value());
    QVERIFY(!parseSingle(text.toStdString()).has_value());
    QVERIFY(!FixedDecimal::parse(text.toStdString()).has_value());
}

void NumberRules::readsTheNearestSingle() {
    QCOMPARE(static_cast<double>(*parseSingle("7,05")), 7.050000190734863);
    QCOMPARE(*parseSingle("0,1"), 0.1f);
    QCOMPARE(static_cast<double>(*parseSingle("0,1")), 0.10000000149011612);
    // Read straight to single precision, not through a double: the double
    // nearest to this text rounds to another single.
    QCOMPARE(*parseSingle("1,00000005960464477550"), 1.0000001f);
}

void NumberRules::writesDoubles_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("two decimals") << 20.21 << "20,21";
    QTest::newRow("one decimal") << 20.2 << "20,2";
    QTest::newRow("whole number has no comma") << 20.0 << "20";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("negative") << -0.5 << "-0,5";
    QTest::newRow("fifteen digits, last rounded") << 1.0 / 3.0 << "0,333333333333333";
    QTest::newRow("rounded up to fifteen") << 2.0 / 3.0 << "0,666666666666667";
    QTest::newRow("0.1 + 0.2 reads as 0,3") << 0.1 + 0.2 << "0,3";
    QTest::newRow("smallest without exponent") << 1e-5 << "0,00001";
    QTest::newRow("below 1E-5 takes an exponent") << 5e-6 << "5E-06";
    QTest::newRow("exponent with decimals") << 1.25e-7 << "1,25E-07";
    QTest::newRow("largest without exponent") << 999999999999999.0 << "999999999999999";
    QTest::newRow("1E15 takes an exponent") << 1e15 << "1E+15";
    QTest::newRow("1,5E+15") << 1.5e15 << "1,5E+15";
    QTest::newRow("rounding reaches 1E15") << 999999999999999.9 << "1E+15";
    QTest::newRow("three-digit exponent") << 1e100 << "1E+100";
    QTest::newRow("negative with exponent") << -2.5e-9 << "-2,5E-09";
    QTest::newRow("largest double is cut, not rounded out of range")
        << std::numeric_limits<double>::max() << "1,79769313486231E+308";
    QTest::newRow("not a number writes nothing") << std::numeric_limits<double>::quiet_NaN() << "";
    QTest::newRow("infinity writes nothing") << std::numeric_limits<double>::infinity() << "";
}

void NumberRules::writesDoubles() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatDouble(value)), text);
}

void NumberRules::writesSingles_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("7,05 as a single") << 7.05f << "7,05";
    QTest::newRow("seven digits") << 1.0f / 3.0f << "0,3333333";
    QTest::newRow("largest without exponent") << 9999999.0f << "9999999";
    QTest::newRow("1E7 takes an exponent") << 1e7f << "1E+07";
    QTest::newRow("below 1E-5") << 5e-6f << "5E-06";
    QTest::newRow("negative zero") << -0.0f << "0";
}

void NumberRules::writesSingles() {
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatSingle(value)), text);
}

void NumberRules::writtenTextReadsBack_data() {
    QTest::addColumn<double>("value");
    for (const double v : {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::denorm_min(), 20.21, 5e-6, 1.5e15, -7.05,
                           123456789012345.0, 1e-300, 0.1, 1e308, 3.0e-5})
        QTest::newRow(formatDouble(v).c_str()) << v;
}

void NumberRules::writtenTextReadsBack() {
    QFETCH(double, value);
    const std::string text = formatDouble(value);
    const auto back = parseDouble(text);
    QVERIFY(back.has_value());
    QCOMPARE(formatDouble(*back), text);
    QCOMPARE(*back, roundSignificant(value, 15));
}

void NumberRules::truncates_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("142.5 / 7.05 to 2") << 142.5 / 7.05 << 2 << "20,21";
    QTest::newRow("152.72 to 1") << 152.72 << 1 << "152,7";
    QTest::newRow("10.0992 to 2") << 10.0992 << 2 << "10,09";
    QTest::newRow("negative toward zero") << -7.894 << 2 << "-7,89";
    QTest::newRow("16th digit below a whole number") << 28.999999999999996 << 0 << "29";
    QTest::newRow("just below, within 15 digits") << 28.99999999999 << 0 << "28";
    QTest::newRow("exact two decimals stay") << 0.29 << 2 << "0,29";
    QTest::newRow("1.005 to 2") << 1.005 << 2 << "1";
    QTest::newRow("to 3 decimals") << -0.14134 << 3 << "-0,141";
    QTest::newRow("whole number") << 5.0 << 2 << "5";
    QTest::newRow("single 0,1 MHz gives 1424,99") << 142.5 / static_cast<double>(0.1f) << 2 << "1424,99";
    QTest::newRow("single 0,2 MHz gives 712,49") << 142.5 / static_cast<double>(0.2f) << 2 << "712,49";
}

void NumberRules::truncates() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatDouble(truncateDecimals(value, decimals))), text);
}

void NumberRules::truncatesSingles_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("7,055 to 2") << 7.055f << 2 << "7,05";
    QTest::newRow("7,05 to 2") << 7.05f << 2 << "7,05";
    QTest::newRow("0,29 to 2 (28.999998 rounds to 29)") << 0.29f << 2 << "0,29";
    QTest::newRow("negative") << -3.659f << 2 << "-3,65";
}

void NumberRules::truncatesSingles() {
    QFETCH(float, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatSingle(truncateSingle(value, decimals))), text);
}

void NumberRules::fixedDecimalReads_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("ticks");
    QTest::addColumn<QString>("written");
    QTest::newRow("7,05") << "7,05" << qint64(70500) << "7,05";
    QTest::newRow("whole") << "7" << qint64(70000) << "7";
    QTest::newRow("four places") << "7,0001" << qint64(70001) << "7,0001";
    QTest::newRow("tie rounds to even, down") << "0,00005" << qint64(0) << "0";
    QTest::newRow("tie rounds to even, up") << "0,00015" << qint64(2) << "0,0002";
    QTest::newRow("above the tie rounds up") << "0,000051" << qint64(1) << "0,0001";
    QTest::newRow("below the tie rounds down") << "0,000049" << qint64(0) << "0";
    QTest::newRow("negative") << "-7,05" << qint64(-70500) << "-7,05";
    QTest::newRow("negative tie") << "-0,00025" << qint64(-2) << "-0,0002";
    QTest::newRow("exponent") << "1,5E+3" << qint64(15000000) << "1500";
    QTest::newRow("tiny exponent") << "5E-06" << qint64(0) << "0";
    QTest::newRow("full stop ignored") << "6.15" << qint64(6150000) << "615";
    QTest::newRow("trailing zeros dropped") << "6,1000" << qint64(61000) << "6,1";
    QTest::newRow("largest") << "922337203685477,5807" << std::numeric_limits<qint64>::max()
                             << "922337203685477,5807";
}

void NumberRules::fixedDecimalReads() {
    QFETCH(QString, text);
    QFETCH(qint64, ticks);
    QFETCH(QString, written);
    const auto read = FixedDecimal::parse(text.toStdString());
    QVERIFY(read.has_value());
    QCOMPARE(read->ticks(), ticks);
    QCOMPARE(QString::fromStdString(read->text()), written);
}

void NumberRules::fixedDecimalRefusesOutOfRange() {
    QVERIFY(!FixedDecimal::parse("922337203685477,5808").has_value());
    QVERIFY(!FixedDecimal::parse("1E15").has_value());
    QVERIFY(!FixedDecimal::parse(std::string(30, '9')).has_value());
    QVERIFY(!FixedDecimal::fromDouble(1e300).has_value());
    QVERIFY(!FixedDecimal::fromDouble(std::numeric_limits<double>::quiet_NaN()).has_value());
    QVERIFY(!FixedDecimal::fromTicks(std::numeric_limits<qint64>::max() / 10).times100().has_value());
    QCOMPARE(QString::fromStdString(FixedDecimal::fromTicks(std::numeric_limits<qint64>::min()).text()),
             "-922337203685477,5808");
}

void NumberRules::fixedDecimalArithmetic() {
    // The trimming correction: -141 mm halved, in metres, then in centimetres.
    const auto correction = FixedDecimal::fromDouble(truncateDecimals(-0.14134, 3) / 2);
    QVERIFY(correction.has_value());
    QCOMPARE(QString::fromStdString(correction->text()), "-0,0705");
    QCOMPARE(QString::fromStdString(correction->times100()->text()), "-7,05");
    QCOMPARE(FixedDecimal::parse("7,05")->toDouble(), 7.05);
    QCOMPARE(*FixedDecimal::fromDouble(0.00005), FixedDecimal::fromTicks(0));
}

QTEST_APPLESS_MAIN(NumberRules)
#include "test_numbers.moc"
