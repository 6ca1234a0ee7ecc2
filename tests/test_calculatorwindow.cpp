// The desk calculator window, driven with real clicks and keys: its keys and
// display, the division-by-zero message, reopening, and one calculator for the
// whole program.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

#include "frame/Look.h"
#include "frame/Registry.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

namespace {

QWidget* openCalculator() { return Registry::current().show("Calculator"); }

// The key of the keypad written as on it: digits, ".", "+", "-", "X", "/",
// "=", "%", "C", "CE".
QPushButton* key(QWidget* calculator, const QString& token) {
    const bool digit = token.size() == 1 && token.at(0).isDigit();
    if (digit || QString("+-X/=").contains(token)) {
        for (QPushButton* button : calculator->findChildren<QPushButton*>(digit ? "Number" : "Operator"))
            if (button->text() == token) return button;
        return nullptr;
    }
    const QString name = token == "."    ? "Decimal"
                         : token == "%"  ? "Percent"
                         : token == "C"  ? "Cancel"
                         : token == "CE" ? "CancelEntry"
                                         : "";
    return control<QPushButton>(calculator, name);
}

void clickKeys(QWidget* calculator, const QString& keys) {
    for (const QString& token : keys.split(' ', Qt::SkipEmptyParts)) {
        QPushButton* button = key(calculator, token);
        QVERIFY2(button, qPrintable("no key " + token));
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

// The readout after each key clicked.
QStringList clickedReadouts(QWidget* calculator, const QString& keys) {
    QStringList readouts;
    for (const QString& token : keys.split(' ', Qt::SkipEmptyParts)) {
        QPushButton* button = key(calculator, token);
        if (!button) return {"no key " + token};
        QTest::mouseClick(button, Qt::LeftButton);
        readouts << textOf(calculator, "Readout");
    }
    return readouts;
}

// The readout after each key typed: a character, or Enter, Return, Esc, Del.
// The keys go where the keyboard sends them, to the key that has the focus.
QStringList typedReadouts(QWidget* calculator, const QString& keys, Qt::KeyboardModifiers modifiers) {
    const std::pair<const char*, Qt::Key> named[] = {{"Enter", Qt::Key_Enter},
                                                     {"Return", Qt::Key_Return},
                                                     {"Esc", Qt::Key_Escape},
                                                     {"Del", Qt::Key_Delete}};
    QStringList readouts;
    for (const QString& token : keys.split(' ', Qt::SkipEmptyParts)) {
        const auto name = std::find_if(std::begin(named), std::end(named),
                                       [&](const auto& pair) { return token == pair.first; });
        QWidget* target = calculator->focusWidget() ? calculator->focusWidget() : calculator;
        if (name != std::end(named))
            QTest::keyClick(target, name->second, modifiers);
        else
            QTest::keyClick(target, token.at(0).toLatin1(), modifiers);
        readouts << textOf(calculator, "Readout");
    }
    return readouts;
}

struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool applicationModal = false;
    QString readoutMeanwhile;
};

}  // namespace

class CalculatorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void looksAsDrawn();
    void keysInPlace_data();
    void keysInPlace();
    void clickedSequences_data();
    void clickedSequences();
    void typedSequences_data();
    void typedSequences();
    void divisionByZeroAsksForOk();
    void reopeningStartsAfresh();
    void oneCalculatorForAllWindows();

private:
    // Answers every message box that comes up with OK, noting what it showed.
    void answerMessageBoxes();

    RecordingBeep m_beep;
    RecordingPrinter m_printer;
    QTimer* m_answerer = nullptr;
    QList<SeenMessage> m_messages;
};

void CalculatorWindowTest::init() {
    startProgram(m_beep, m_printer);
    m_messages.clear();
}

void CalculatorWindowTest::cleanup() {
    delete m_answerer;
    m_answerer = nullptr;
    stopProgram();
}

void CalculatorWindowTest::answerMessageBoxes() {
    m_answerer = new QTimer;
    m_answerer->setInterval(10);
    connect(m_answerer, &QTimer::timeout, m_answerer, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        m_messages.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                           box->windowModality() == Qt::ApplicationModal,
                           textOf(window("Calculator"), "Readout")});
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    m_answerer->start();
}

void CalculatorWindowTest::looksAsDrawn() {
    QWidget* calculator = openCalculator();
    QVERIFY(calculator);
    QCOMPARE(calculator->objectName(), "Calculator");
    QCOMPARE(calculator->windowTitle(), "Calcolatrice");
    auto* readout = control<QLabel>(calculator, "Readout");
    QVERIFY(readout);
    QCOMPARE(readout->text(), "0,");
    QCOMPARE(readout->geometry(), twipsRect(120, 105, 3000, 375));
    QCOMPARE(readout->palette().color(QPalette::Window), QColor(255, 255, 0));
    QCOMPARE(readout->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    QVERIFY(readout->autoFillBackground());
    QVERIFY(readout->alignment() & Qt::AlignRight);
    QVERIFY(readout->font().bold());
    QCOMPARE(readout->font().pointSizeF(), 12.0);
    QCOMPARE(calculator->findChildren<QPushButton*>("Number").size(), 10);
    QCOMPARE(calculator->findChildren<QPushButton*>("Operator").size(), 5);
}

void CalculatorWindowTest::keysInPlace_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");  // -1: not an array element
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    const int row[] = {600, 1200, 1800};
    for (int digit = 1; digit <= 9; ++digit)
        QTest::newRow(qPrintable("Number " + QString::number(digit)))
            << "Number" << digit << QString::number(digit)
            << QRect(120 + 600 * ((digit - 1) % 3), row[2 - (digit - 1) / 3], 480, 480);
    QTest::newRow("Number 0") << "Number" << 0 << "0" << QRect(120, 2400, 1080, 480);
    QTest::newRow("Operator 0") << "Operator" << 0 << "/" << QRect(2640, 1800, 480, 480);
    QTest::newRow("Operator 1") << "Operator" << 1 << "+" << QRect(2040, 1200, 480, 480);
    QTest::newRow("Operator 2") << "Operator" << 2 << "X" << QRect(2040, 1800, 480, 480);
    QTest::newRow("Operator 3") << "Operator" << 3 << "-" << QRect(2640, 1200, 480, 480);
    QTest::newRow("Operator 4") << "Operator" << 4 << "=" << QRect(2040, 2400, 480, 480);
    QTest::newRow("Cancel") << "Cancel" << -1 << "C" << QRect(2040, 600, 480, 480);
    QTest::newRow("CancelEntry") << "CancelEntry" << -1 << "CE" << QRect(2640, 600, 480, 480);
    QTest::newRow("Decimal") << "Decimal" << -1 << "." << QRect(1320, 2400, 480, 480);
    QTest::newRow("Percent") << "Percent" << -1 << "%" << QRect(2640, 2400, 480, 480);
}

void CalculatorWindowTest::keysInPlace() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    QWidget* calculator = openCalculator();
    QPushButton* found = nullptr;
    for (QPushButton* button : calculator->findChildren<QPushButton*>(name))
        if (index < 0 || button->property("index") == QVariant(index)) found = button;
    QVERIFY(found);
    QCOMPARE(found->text(), caption);
    QCOMPARE(found->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void CalculatorWindowTest::clickedSequences_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("12 + 3 =") << "1 2 + 3 ="
                              << "15";
    QTest::newRow("negative second operand") << "9 - - 4 ="
                                             << "13";
    QTest::newRow("percentage") << "5 0 + 1 0 % ="
                                << "5";
    QTest::newRow("one third") << "1 / 3 ="
                               << "0,333333333333333";
    QTest::newRow("decimal key and CE") << "5 + 3 CE . 5 ="
                                        << "5,5";
    QTest::newRow("minus at the start") << "- 5"
                                        << "-5,";
    QTest::newRow("percent of a lone minus") << "5 X - %"
                                             << "Errore";
    QTest::newRow("C after an error") << "5 X - % C"
                                      << "0,";
}

void CalculatorWindowTest::clickedSequences() {
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QWidget* calculator = openCalculator();
    clickKeys(calculator, keys);
    QCOMPARE(textOf(calculator, "Readout"), shown);
    QVERIFY(m_messages.isEmpty());
}

// The keyboard gives, key for key, the displays that clicks give.
void CalculatorWindowTest::typedSequences_data() {
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("keypad");
    QTest::newRow("12 + 3 Enter") << "1 2 + 3 ="
                                  << "1 2 + 3 Enter" << false;
    QTest::newRow("5 + 3 + 2 =") << "5 + 3 + 2 ="
                                 << "5 + 3 + 2 =" << false;
    QTest::newRow("9 - - 4 Return") << "9 - - 4 ="
                                    << "9 - - 4 Return" << false;
    QTest::newRow("minus at the start") << "- 5"
                                        << "- 5" << false;
    QTest::newRow("percentage") << "5 0 + 1 0 % ="
                                << "5 0 + 1 0 % =" << false;
    QTest::newRow("division by zero") << "8 / 0 = + 2 ="
                                      << "8 / 0 = + 2 =" << false;
    QTest::newRow("Del for CE") << "5 + 3 CE 4 ="
                                << "5 + 3 Del 4 =" << false;
    QTest::newRow("x for X") << "7 = 2 X 3 ="
                             << "7 = 2 x 3 =" << false;
    QTest::newRow("* for X on the keypad") << "7 = 2 X 3 ="
                                           << "7 Enter 2 * 3 Enter" << true;
    QTest::newRow("one third on the keypad") << "1 / 3 ="
                                             << "1 / 3 Enter" << true;
    QTest::newRow("full stop for the decimal key") << ". 5 . 2"
                                                   << ". 5 . 2" << false;
    QTest::newRow("comma for the decimal key") << ". 5"
                                               << ", 5" << false;
    QTest::newRow("keypad decimal key") << "4 . 5 + . 5 ="
                                        << "4 . 5 + . 5 Enter" << true;
    QTest::newRow("Esc for C") << "5 + 3 C - 5"
                               << "5 + 3 Esc - 5" << false;
    QTest::newRow("percent repeated") << "5 % % %"
                                      << "5 % % %" << false;
}

void CalculatorWindowTest::typedSequences() {
    QFETCH(QString, clicks);
    QFETCH(QString, typed);
    QFETCH(bool, keypad);
    answerMessageBoxes();
    QWidget* calculator = openCalculator();
    const QStringList fromClicks = clickedReadouts(calculator, clicks);
    const qsizetype clickedMessages = m_messages.size();
    clickKeys(calculator, "C");
    const QStringList fromKeys =
        typedReadouts(calculator, typed, keypad ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(fromKeys, fromClicks);
    QCOMPARE(m_messages.size(), 2 * clickedMessages);
}

void CalculatorWindowTest::divisionByZeroAsksForOk() {
    answerMessageBoxes();
    QWidget* calculator = openCalculator();
    clickKeys(calculator, "8 / 0 =");
    QCOMPARE(m_messages.size(), 1);
    const SeenMessage& message = m_messages.first();
    QCOMPARE(message.title, "Calcolatrice");
    QCOMPARE(message.text, "Impossibile dividere per zero");
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(message.applicationModal);
    QCOMPARE(message.readoutMeanwhile, "0,");
    QCOMPARE(textOf(calculator, "Readout"), "8,");
    clickKeys(calculator, "+ 2 =");
    QCOMPARE(textOf(calculator, "Readout"), "10");
    QCOMPARE(m_messages.size(), 1);
}

void CalculatorWindowTest::reopeningStartsAfresh() {
    QWidget* calculator = openCalculator();
    clickKeys(calculator, "7 +");
    calculator->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(copiesOf("Calculator"), 0);
    calculator = openCalculator();
    QCOMPARE(textOf(calculator, "Readout"), "0,");
    clickKeys(calculator, "2 =");
    QCOMPARE(textOf(calculator, "Readout"), "2,");  // no pending addition
}

void CalculatorWindowTest::oneCalculatorForAllWindows() {
    click(window("frmSplash"), "Command1");
    click(window("frmMENU"), "Command6");
    click(window("frmMENU"), "Command2");
    QWidget* dipole = window("frmDIPOLOSTANDARD");
    QWidget* trimming = window("frmTARATURA");
    QVERIFY(dipole && trimming);

    triggerMenu(dipole, "calcolatrice");
    QWidget* calculator = window("Calculator");
    QVERIFY(calculator);
    clickKeys(calculator, "4 2 +");
    triggerMenu(trimming, "calcolatrice");
    QCOMPARE(window("Calculator"), calculator);
    QCOMPARE(textOf(calculator, "Readout"), "42,");
    clickKeys(calculator, "1 =");
    triggerMenu(dipole, "calcolatrice");
    QCOMPARE(window("Calculator"), calculator);
    QCOMPARE(textOf(calculator, "Readout"), "43");
    QCOMPARE(copiesOf("Calculator"), 1);
    QCOMPARE(openWindows(), QStringList({"Calculator", "frmDIPOLOSTANDARD", "frmMENU", "frmTARATURA"}));
}

ZELIRO_TEST_MAIN(CalculatorWindowTest)
#include "test_calculatorwindow.moc"
