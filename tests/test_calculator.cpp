// The desk calculator's state machine, key by key: what the display shows
// after every key, the values it keeps, and the cases it cannot compute.
#include <QObject>
#include <QStringList>
#include <QTest>

#include <random>
#include <string>

#include "core/deskcalculator.h"
#include "core/numbers.h"

using namespace zeliro;

namespace {

// Keys are written as on the keypad, separated by blanks: digits, "." (the
// decimal key), "+", "-", "X", "/", "=", "%", "C" and "CE".
KeyOutcome press(DeskCalculator& calculator, const QString& key) {
    if (key.size() == 1 && key.at(0).isDigit()) return calculator.number(key.toStdString());
    if (key == ".") return calculator.decimal();
    if (key == "%") return calculator.percent();
    if (key == "C") return calculator.cancel();
    if (key == "CE") return calculator.cancelEntry();
    return calculator.operatorKey(key.toStdString());
}

// The display after each key; "[message] " marks the division-by-zero message
// shown before the display changes.
QString pressAll(DeskCalculator& calculator, const QString& keys) {
    QStringList shown;
    for (const QString& key : keys.split(' ', Qt::SkipEmptyParts)) {
        const KeyOutcome outcome = press(calculator, key);
        shown << (outcome.divisionByZero ? "[message] " : "") + QString::fromStdString(outcome.readout);
    }
    return shown.join(" | ");
}

QString lastShown(DeskCalculator& calculator, const QString& keys) {
    return pressAll(calculator, keys).split(" | ").last();
}

QString repeated(const QString& keys, int times) { return (keys + ' ').repeated(times); }

const QString error = QString::fromUtf8(DeskCalculator::errorText.data(), DeskCalculator::errorText.size());

}  // namespace

class CalculatorTest : public QObject {
    Q_OBJECT
private slots:
    void startsEmpty();
    void displayAfterEveryKey_data();
    void displayAfterEveryKey();
    void finalDisplay_data();
    void finalDisplay();
    void keptValues_data();
    void keptValues();
    void operandCountStopsAtItsLimit();
    void randomKeysAlwaysShowANumber();
};

void CalculatorTest::startsEmpty() {
    DeskCalculator calculator;
    QCOMPARE(QString::fromStdString(calculator.readout()), "0,");
    QCOMPARE(int(calculator.values().operandCount), 0);
    QCOMPARE(QString::fromStdString(calculator.values().pendingOperator), " ");
    QVERIFY(calculator.values().lastInput == LastInput::Nessuno);
    QVERIFY(!calculator.values().decimalEntered);
}

void CalculatorTest::displayAfterEveryKey_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("12 + 3 =") << "1 2 + 3 ="
                              << "1, | 12, | 12, | 3, | 15";
    QTest::newRow("chained additions") << "5 + 3 + 2 ="
                                       << "5, | 5, | 3, | 8 | 2, | 10";
    QTest::newRow("minus after an operator starts a negative operand") << "9 - - 4 ="
                                                                       << "9, | 9, | - | -4, | 13";
    QTest::newRow("minus at the start") << "- 5"
                                        << "-0, | -5,";
    QTest::newRow("percentage of the first operand, plus dropped") << "5 0 + 1 0 % ="
                                                                   << "5, | 50, | 50, | 1, | 10, | 0,1 | 5";
    QTest::newRow("division by zero keeps the first operand") << "8 / 0 ="
                                                              << "8, | 8, | 0, | [message] 8,";
    QTest::newRow("CE during the second operand") << "5 + 3 CE 4 ="
                                                  << "5, | 5, | 3, | 0, | 4, | 9";
    QTest::newRow("number after a result replaces it") << "7 = 2 X 3 ="
                                                       << "7, | 7, | 2, | 2 | 3, | 6";
    QTest::newRow("one third") << "1 / 3 ="
                               << "1, | 1, | 3, | 0,333333333333333";
    QTest::newRow("decimal key first") << ". 5"
                                       << "0, | 0,5";

    QTest::newRow("equals again changes nothing") << "1 2 + 3 = = ="
                                                  << "1, | 12, | 12, | 3, | 15 | 15 | 15";
    QTest::newRow("digits grow in front of the comma") << "7 8 . 5"
                                                       << "7, | 78, | 78, | 78,5";
    QTest::newRow("second decimal key ignored") << "1 . 5 . 2"
                                                << "1, | 1, | 1,5 | 1,5 | 1,52";
    QTest::newRow("leading zeros stay") << "0 0 5"
                                        << "0, | 00, | 005,";
    QTest::newRow("decimal key after a starting minus") << "- . 5"
                                                        << "-0, | -0, | -0,5";
    QTest::newRow("decimal key in a negative second operand") << "9 - - . 5 ="
                                                              << "9, | 9, | - | -0, | -0,5 | 9,5";
    QTest::newRow("X then + adds") << "5 X + 3 ="
                                   << "5, | 5, | 5, | 3, | 8";
    QTest::newRow("percent repeated three times") << "5 % % %"
                                                  << "5, | 0,05 | 0,0005 | 5E-06";
    QTest::newRow("percent count past two computes nothing")
        << "5 % % % + 3 = 4 X"
        << "5, | 0,05 | 0,0005 | 5E-06 | 5E-06 | 3, | 3, | 4, | 4,";
    QTest::newRow("C then minus then digit") << "7 + C - 5"
                                             << "7, | 7, | 0, | -0, | -5,";
    QTest::newRow("C after percent overflow counts again")
        << "5 % % % C 2 + 2 ="
        << "5, | 0,05 | 0,0005 | 5E-06 | 0, | 2, | 2, | 2, | 4";
    QTest::newRow("minus after equals subtracts") << "7 = - 2 ="
                                                  << "7, | 7, | 7, | 2, | 5";
    QTest::newRow("negative first operand") << "- 5 + 2 ="
                                            << "-0, | -5, | -5, | 2, | -3";
    QTest::newRow("operator before any number") << "+ 5 ="
                                                << "0, | 5, | 5,";
    QTest::newRow("minus after another operator at the start") << "X - 5"
                                                               << "0, | -0, | -5,";
    QTest::newRow("a computed first operand keeps its digits") << "1 / 3 X 3 ="
                                                               << "1, | 1, | 3, | 0,333333333333333 | 3, | 1";
    QTest::newRow("a result taken again is taken as shown")
        << "1 / 3 = X 3 ="
        << "1, | 1, | 3, | 0,333333333333333 | 0,333333333333333 | 3, | 0,999999999999999";
    QTest::newRow("operation after a refused division") << "8 / 0 + 2 ="
                                                        << "8, | 8, | 0, | [message] 8, | 2, | 10";
    QTest::newRow("division by minus zero") << "8 / - 0 ="
                                            << "8, | 8, | - | -0, | [message] 8,";
    QTest::newRow("division by zero with decimals") << "8 / . 0 0 ="
                                                    << "8, | 8, | 0, | 0,0 | 0,00 | [message] 8,";
    QTest::newRow("CE first") << "CE 3 + 1 ="
                              << "0, | 3, | 3, | 1, | 4";
    QTest::newRow("digit after the decimal key") << "2 . 5"
                                                 << "2, | 2, | 2,5";
    QTest::newRow("subtraction below zero") << "3 - 5 ="
                                            << "3, | 3, | 5, | -2";
    QTest::newRow("small result in exponent form")
        << "1 / 2 0 0 0 0 0 ="
        << "1, | 1, | 2, | 20, | 200, | 2000, | 20000, | 200000, | 5E-06";

    QTest::newRow("lone minus taken as an operand") << "5 X - = 3 ="
                                                    << "5, | 5, | - | - | -3, | " + error;
    QTest::newRow("percent of a lone minus") << "5 X - %"
                                             << "5, | 5, | - | " + error;
    QTest::newRow("every key but C is locked after an error")
        << "5 X - % 1 + . CE % ="
        << "5, | 5, | - | " + error + " | " + error + " | " + error + " | " + error + " | " + error + " | " +
               error + " | " + error;
    QTest::newRow("C after an error") << "5 X - % C 2 + 2 ="
                                      << "5, | 5, | - | " + error + " | 0, | 2, | 2, | 2, | 4";
    QTest::newRow("lone minus as first operand, then division by zero")
        << "8 / - = 0 ="
        << "8, | 8, | - | - | -0, | [message] -";
}

void CalculatorTest::displayAfterEveryKey() {
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    DeskCalculator calculator;
    QCOMPARE(pressAll(calculator, keys), shown);
}

void CalculatorTest::finalDisplay_data() {
    const QString nines300 = repeated("9", 300);  // 1E300 less a little
    const QString nines308 = repeated("9", 308);  // the largest double is 1,797...E+308
    const QString tenBillionth = ". " + repeated("0", 9) + "1";
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("product beyond a double") << nines300 + "X " + nines300 + "=" << error;
    QTest::newRow("sum stays in range") << nines300 + "+ " + nines300 + "="
                                        << "2E+300";
    QTest::newRow("quotient beyond a double") << nines300 + "/ " + tenBillionth + " =" << error;
    QTest::newRow("largest typed number is shown as typed")
        << nines308 << QString(nines308).remove(' ') + ",";
    QTest::newRow("digit that takes the entry beyond a double") << nines308 + "9" << error;
    QTest::newRow("second operand typed beyond a double") << "1 + " + nines308 + "9 =" << error;
    QTest::newRow("long fraction typed") << ". " + repeated("0", 400) + "1"
                                         << "0," + repeated("0", 400).remove(' ') + "1";
    QTest::newRow("product too small for a double is zero")
        << ". " + repeated("0", 199) + "1 X . " + repeated("0", 199) + "1 ="
        << "0";
    QTest::newRow("C after an overflow") << nines300 + "X " + nines300 + "= C"
                                         << "0,";
}

void CalculatorTest::finalDisplay() {
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    DeskCalculator calculator;
    QCOMPARE(lastShown(calculator, keys), shown);
}

void CalculatorTest::keptValues_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("firstOperand");  // as shown
    QTest::addColumn<int>("operandCount");
    QTest::addColumn<QString>("pendingOperator");
    QTest::addColumn<int>("lastInput");
    const int num = int(LastInput::Num), neg = int(LastInput::Neg), op = int(LastInput::Op),
              ce = int(LastInput::Ce);
    QTest::newRow("CE keeps first operand and operator") << "5 X 3 CE"
                                                         << "5," << 1 << "X" << ce;
    QTest::newRow("refused division") << "8 / 0 ="
                                      << "8," << 1 << "=" << op;
    QTest::newRow("percent raises the count past two") << "5 % % %"
                                                       << "0" << 3 << "%" << op;
    QTest::newRow("second operator replaces the first") << "5 X +"
                                                        << "5," << 1 << "+" << op;
    QTest::newRow("negative second operand keeps the operator") << "9 - -"
                                                                << "9," << 1 << "-" << neg;
    QTest::newRow("result as a number") << "1 / 3 X"
                                        << "0,333333333333333" << 1 << "X" << op;
    QTest::newRow("digit after result") << "1 + 1 = 4"
                                        << "2" << 1 << "=" << num;
    QTest::newRow("C clears the operands") << "1 + 1 = C"
                                           << "0" << 0 << " " << int(LastInput::Nessuno);
}

void CalculatorTest::keptValues() {
    QFETCH(QString, keys);
    QFETCH(QString, firstOperand);
    QFETCH(int, operandCount);
    QFETCH(QString, pendingOperator);
    QFETCH(int, lastInput);
    DeskCalculator calculator;
    pressAll(calculator, keys);
    const CalculatorValues& values = calculator.values();
    const std::string first = std::holds_alternative<double>(values.firstOperand)
                                  ? formatDouble(std::get<double>(values.firstOperand))
                                  : std::get<std::string>(values.firstOperand);
    QCOMPARE(QString::fromStdString(first), firstOperand);
    QCOMPARE(int(values.operandCount), operandCount);
    QCOMPARE(QString::fromStdString(values.pendingOperator), pendingOperator);
    QCOMPARE(int(values.lastInput), lastInput);
}

void CalculatorTest::operandCountStopsAtItsLimit() {
    DeskCalculator calculator;
    for (int i = 0; i < 40000; ++i) calculator.percent();
    QCOMPARE(int(calculator.values().operandCount), 32767);
    QCOMPARE(lastShown(calculator, "+ 7 ="), "7,");
    QCOMPARE(int(calculator.values().operandCount), 32767);
    QCOMPARE(lastShown(calculator, "C 6 X 7 ="), "42");
}

// Long random runs of keys: whatever is pressed, the display holds a number,
// a lone minus sign (a negative number just started) or the error text, and
// "C" always brings back "0,". Odd seeds press any key; even seeds press "C"
// only to leave an error, so that long chains of operations build up.
void CalculatorTest::randomKeysAlwaysShowANumber() {
    static const char* const keys[] = {"0", "1", "2", "3", "4", "5", "6", "7",  "8", "9",
                                       ".", "+", "-", "X", "/", "=", "%", "CE", "C"};
    for (unsigned seed = 1; seed <= 200; ++seed) {
        const bool anyKey = seed % 2 == 1;
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> pick(0, int(std::size(keys)) - (anyKey ? 1 : 2));
        DeskCalculator calculator;
        QString history;
        for (int step = 0; step < 3000; ++step) {
            const QString key = !anyKey && calculator.failed() ? "C" : keys[pick(random)];
            history += key + ' ';
            const KeyOutcome outcome = press(calculator, key);
            const std::string& shown = outcome.readout;
            const bool fine = parseDouble(shown).has_value() || shown == "-" ||
                              (shown == DeskCalculator::errorText && calculator.failed());
            if (!fine || shown != calculator.readout() || (key == "C" && shown != "0,") ||
                (outcome.divisionByZero && !QString("+-X/=").contains(key)) ||
                calculator.values().operandCount < 0)
                QFAIL(qPrintable(QString("seed %1 shows \"%2\" after: %3")
                                     .arg(seed)
                                     .arg(QString::fromStdString(shown).left(80), history.right(200))));
        }
    }
}

QTEST_APPLESS_MAIN(CalculatorTest)
#include "test_calculator.moc"
