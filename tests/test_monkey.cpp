// The monkey: thousands of random but reproducible events over every open
// window of the program, as a careless user would make them (clicks on
// buttons, options and menu items, typed keys, pasted texts of every kind,
// windows closed and opened again, the main menu's "CHIUDI"), many of them
// while warnings are showing. After every step the program must still be
// there and answer, keep at most one copy of each window, and show no "inf",
// "nan", unreadable result or negative length.
//
// Every run prints its seed. To repeat one:
//   ZELIRO_MONKEY_SEED=<seed> build/tests/test_monkey randomEvents:<row>
// or pass -seed <seed> (and -steps <count>) to the test program.
// ZELIRO_MONKEY_STEPS sets the steps of each run (longer local runs),
// ZELIRO_MONKEY_TRACE=1 prints every step.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <random>
#include <thread>

#include "core/numbers.h"
#include "cupsfixture.h"
#include "frame/Registry.h"
#include "frame/SystemPrinter.h"
#include "frame/Warnings.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

namespace {

// Set from the command line (-seed, -steps) before the tests run.
std::optional<quint64> seedFromArguments;
std::optional<int> stepsFromArguments;

std::optional<quint64> overridingSeed() {
    if (seedFromArguments) return seedFromArguments;
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("ZELIRO_MONKEY_SEED").toULongLong(&ok);
    return ok ? std::optional<quint64>(seed) : std::nullopt;
}

int stepsPerRun(int fallback) {
    if (stepsFromArguments) return *stepsFromArguments;
    bool ok = false;
    const int steps = qEnvironmentVariableIntValue("ZELIRO_MONKEY_STEPS", &ok);
    return ok && steps > 0 ? steps : fallback;
}

// Randomness that a seed repeats on every machine: the engine's output is
// fixed by the standard, and no library distribution is used.
class Dice {
public:
    explicit Dice(quint64 seed) : m_engine(seed) {}
    int below(int n) { return n <= 1 ? 0 : static_cast<int>(m_engine() % static_cast<quint64>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T>
    T pick(const QList<T>& items) {
        return items.at(below(static_cast<int>(items.size())));
    }

private:
    std::mt19937_64 m_engine;
};

// Result labels of each window, and whether the figure can never be negative:
// lengths, frequencies and coil values cannot; trimming's correction is
// negative when the wire has to be shortened.
struct ResultLabel {
    const char* window;
    const char* label;
    bool neverNegative;
};
const ResultLabel resultLabels[] = {
    {"frmDIPOLOSTANDARD", "Label7", true},    {"frmTARATURA", "Label5", false},
    {"frmDIPOLOMULTIBANDA", "Label23", true}, {"frmDIPOLOMULTIBANDA", "Label24", true},
    {"frmDIPOLOMULTIBANDA", "Label25", true}, {"frmDIPOLOMULTIBANDA", "Label26", true},
    {"frmDIPOLOMULTIBANDA", "Label31", true}, {"frmDIPOLOMULTIBANDA", "Label32", true},
    {"frmCALCOLOBOBINA", "Label9", true},     {"frmCOSTRUZIONEBOBINA", "Label19", true},
};

// Texts a user may paste: nothing, a lone comma, a megabyte of digits,
// letters, other scripts, NUL characters, signs, exponents beyond a double,
// fractions longer than any double holds.
QStringList pastedTexts() {
    QStringList texts = {
        "",
        ",",
        QString(1 << 20, QChar('7')),
        QString(40000, QChar('9')) + ",5",
        "abc",
        "CALCOLA",
        "nan",
        "inf",
        "-inf",
        "NaN",
        "Ωμέγα ЖЗИЙ 日本語 ٣٤٥ 𝟘𝟙",
        QString(QChar(0)),
        QString("7") + QChar(0) + "05",
        QString(50, QChar(0)),
        "-5",
        "-0",
        "-0,001",
        "+7,05",
        "1E400",
        "-1E400",
        "1E-400",
        "1e308",
        "1,7976931348623157E+308",
        "3,4028235E+38",
        "0," + QString(5000, QChar('0')) + "1",
        "0,1234567890123456789012345678901234567890",
        "7,05" + QString(3000, QChar('1')),
        ",,",
        "7,,05",
        "1.000.000",
        ".",
        " 7,05 ",
        "\t3,65\n",
        "0",
        "0,0",
        "00007",
        "14",
        "3,650",
        "7,055",
        "6,4",
        "35",
        "2,5",
        "0,935",
        "99999999999999999999",
        "\xF0\x9F\x93\xA1",
    };
    texts << QString(QChar(0xD800)) << QString(QChar(0xDFFF)) << QString(QChar(0xFFFF));
    return texts;
}

// Numbers at the edges: below zero (only pasting brings a sign), zero, beyond
// a float or a double, too small for either.
const QStringList edgeNumbers = {"-5",     "-0,001", "-1E400", "-7,055", "0",       "0,0",  "1E400",
                                 "1E-400", "1e308",  "1E39",   "1E-45",  "3,4E+38", "-3,65"};

// A figure a user might type: mostly ordinary values, now and then zero, a
// huge or a tiny one.
QString plausibleNumber(Dice& dice) {
    switch (dice.below(10)) {
        case 0:
            return dice.pick(QStringList{"0", "0,0", "0,5", "1"});
        case 1:
            return dice.pick(QStringList{"123456789", "99999999", "100000", "4294967296"});
        case 2:
            return dice.pick(QStringList{"0,0001", "0,00001", "0,001", "0,1"});
        case 3:
        case 4:
        case 5:
            return QString::number(dice.between(1, 50));
        default: {
            QString decimals;
            for (int i = dice.between(1, 3); i > 0; --i) decimals += QChar('0' + dice.below(10));
            return QString::number(dice.between(0, 30)) + "," + decimals;
        }
    }
}

// Inputs that give a full calculation in each window; the monkey starts from
// one of them and spoils a field or two, so that it also reaches the results
// that need every figure right.
using Inputs = QList<QPair<QString, QString>>;
QList<Inputs> workedInputs(const QString& window) {
    if (window == "frmDIPOLOSTANDARD") return {{{"Text1", "7,05"}}, {{"Text1", "14,2"}}, {{"Text1", "1,83"}}};
    if (window == "frmTARATURA")
        return {{{"Text1", "7,05"}, {"Text2", "7,2"}},
                {{"Text1", "14,2"}, {"Text2", "13,9"}},
                {{"Text1", "3,65"}, {"Text2", "3,65"}}};
    if (window == "frmDIPOLOMULTIBANDA")
        return {{{"Text1", "35"},
                 {"Text2", "2,5"},
                 {"Text3", "6,4"},
                 {"Text4", "0,935"},
                 {"Text5", "7,055"},
                 {"Text6", "3,650"}},
                {{"Text1", "35"},
                 {"Text2", "2,5"},
                 {"Text3", "6"},
                 {"Text4", "0,935"},
                 {"Text5", "7,055"},
                 {"Text6", "3,650"}},
                {{"Text1", "20"},
                 {"Text2", "2,5"},
                 {"Text3", "12"},
                 {"Text4", "1,01"},
                 {"Text5", "14,15"},
                 {"Text6", "10,12"}},
                {{"Text1", "30"},
                 {"Text2", "2,5"},
                 {"Text3", "2,5"},
                 {"Text4", "0,935"},
                 {"Text5", "28,5"},
                 {"Text6", "24,95"}}};
    if (window == "frmCALCOLOBOBINA")
        return {{{"Text1", "2"}, {"Text2", "7,05"}, {"Text3", "10"}, {"Text4", "2"}},
                {{"Text1", "1,5"}, {"Text2", "3,65"}, {"Text3", "30"}, {"Text4", "5"}},
                {{"Text1", "2"}, {"Text2", "7,05"}, {"Text3", "10"}, {"Text4", "4,99"}}};
    if (window == "frmCOSTRUZIONEBOBINA")
        return {{{"Text1", "35"}, {"Text2", "40"}, {"Text3", "1,5"}, {"Text5", "25"}},
                {{"Text1", "20"}, {"Text2", "10"}, {"Text3", "1"}, {"Text5", "10"}}};
    return {};
}

struct Key {
    int key;
    Qt::KeyboardModifiers modifiers;
    char character;  // 0: a key without a character of its own
};

QList<Key> typedKeys() {
    QList<Key> keys;
    for (char digit = '0'; digit <= '9'; ++digit) {
        keys << Key{Qt::Key_0 + (digit - '0'), Qt::NoModifier, digit};
        keys << Key{Qt::Key_0 + (digit - '0'), Qt::NoModifier, digit};  // digits twice as often
    }
    for (char c : {',', ',', '.', '-', '+', ' ', 'a', 'e', 'E', 'x', 'Z'}) keys << Key{0, Qt::NoModifier, c};
    const int plain[] = {Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Delete,  Qt::Key_Left,
                         Qt::Key_Right,     Qt::Key_Home,      Qt::Key_End,     Qt::Key_Return,
                         Qt::Key_Enter,     Qt::Key_Escape,    Qt::Key_Tab,     Qt::Key_Backtab,
                         Qt::Key_Up,        Qt::Key_Down,      Qt::Key_Space,   Qt::Key_F1,
                         Qt::Key_Insert,    Qt::Key_PageUp,    Qt::Key_PageDown};
    for (int key : plain) keys << Key{key, Qt::NoModifier, 0};
    const int withControl[] = {Qt::Key_A, Qt::Key_C, Qt::Key_V, Qt::Key_X,         Qt::Key_Z,
                               Qt::Key_Y, Qt::Key_K, Qt::Key_U, Qt::Key_Backspace, Qt::Key_Delete};
    for (int key : withControl) keys << Key{key, Qt::ControlModifier, 0};
    keys << Key{Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, 0};
    keys << Key{Qt::Key_Home, Qt::ShiftModifier, 0};
    keys << Key{Qt::Key_F4, Qt::AltModifier, 0};
    return keys;
}

void press(QWidget* target, const Key& key) {
    if (key.character)
        QTest::keyClick(target, key.character, key.modifiers);
    else
        QTest::keyClick(target, static_cast<Qt::Key>(key.key), key.modifiers);
}

QString shortText(const QString& text) {
    QString shown = text.left(24);
    shown.replace(QChar(0), "\\0");
    if (text.size() > 24) shown += QString("...(%1 chars)").arg(text.size());
    return '"' + shown + '"';
}

// The offscreen platform's notes about what it cannot do (raise a window,
// hint sizes) say nothing about the program: they are dropped.
QtMessageHandler testHandler = nullptr;
void dropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith("This plugin does not support")) return;
    testHandler(type, context, message);
}

// A step that takes this long has hung (the slowest take a fraction of a
// second, even under the sanitizers).
constexpr int hangSeconds = 120;

bool isVerification(const QWidget* window) { return window->objectName() == "frmVERIFICA"; }

const QRegularExpression notANumber("(^|[^a-z])(inf|infinity|nan)([^a-z]|$)",
                                    QRegularExpression::CaseInsensitiveOption);

}  // namespace

class Monkey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void randomEvents_data();
    void randomEvents();
    void everyPastedTextInEveryField_data();
    void everyPastedTextInEveryField();
    void printsWhileThePrintSystemFails_data();
    void printsWhileThePrintSystemFails();

private:
    // One random step; returns what it did.
    QString step();
    QString clickButton(QWidget* window);
    QString clickSomewhere(QWidget* window);
    QString typeKeys(QWidget* window);
    QString pressKeysOnWindow(QWidget* window);
    QString paste(QWidget* window);
    QString fillAndCalculate(QWidget* window);
    QString triggerAction(QWidget* window);
    QString closeWindow(QWidget* window);
    QString openWindow();
    QString pressChiudi();
    QString wait();
    QString divideByZero(QWidget* calculator);
    QWidget* pickWindow(const QList<QWidget*>& windows);

    // What is wrong with the program now ("" if nothing).
    QString problems();
    QString labelProblems(QWidget* window);
    bool answers();

    QList<QWidget*> openProgramWindows() const;
    QString failure(const QString& problem) const;
    Language m_language = Language::italian;
    void note(const QString& what);
    void count();
    void restart();

    // Answers the division-by-zero message as planned for the step.
    void answerMessage();
    // Closes the print messages and dialogs, which open without a nested
    // event loop and so outlive the step that raised them.
    void closePrintDialogs();

    RecordingBeep m_beep;
    RecordingPrinter m_printer;
    std::optional<Dice> m_dice;
    QStringList m_pasted = pastedTexts();
    QList<Key> m_keys = typedKeys();
    double m_timeScale = 0.01;
    quint64 m_seed = 0;
    int m_step = 0;
    int m_events = 0;  // clicks, keys, pastes, menu items, windows closed or opened
    int m_restarts = 0;
    int m_messages = 0;
    // How much the run exercised: steps that ended with a warning showing,
    // with a result on display, prints.
    int m_stepsDuringWarnings = 0;
    int m_stepsWithResults = 0;
    int m_prints = 0;
    int m_printMessages = 0;
    bool m_systemPrinter = false;  // prints go to the system's default printer
    int m_verificationSteps = 0;   // steps that ended with a verification window open
    QStringList m_recent;

    // The answer to the next message box, drawn before each step.
    enum class Answer { ok, escape, close };
    Answer m_answer = Answer::ok;
    int m_answerAfterMs = 0;
    QTimer m_answerer;
    QElapsedTimer m_messageSeen;

    // A step that never ends is reported with the seed, not left to the test
    // runner's time-out.
    std::thread m_watchdog;
    std::mutex m_watchMutex;
    std::condition_variable m_watchWake;
    bool m_stopWatching = false;
    std::atomic<int> m_progress{0};
    std::string m_lastStep;
};

void Monkey::initTestCase() {
    testHandler = qInstallMessageHandler(dropPlatformNotes);
    m_answerer.setInterval(1);
    connect(&m_answerer, &QTimer::timeout, this, &Monkey::answerMessage);
    m_answerer.start();

    m_watchdog = std::thread([this] {
        using Clock = std::chrono::steady_clock;
        std::unique_lock lock(m_watchMutex);
        int seen = m_progress.load();
        Clock::time_point since = Clock::now();
        while (!m_stopWatching) {
            m_watchWake.wait_for(lock, std::chrono::seconds(5));
            if (m_progress.load() != seen) {
                seen = m_progress.load();
                since = Clock::now();
            } else if (Clock::now() - since > std::chrono::seconds(hangSeconds)) {
                std::fprintf(stderr, "monkey: no step has ended for %d s; the last that did: %s\n",
                             hangSeconds, m_lastStep.c_str());
                std::abort();
            }
        }
    });
}

void Monkey::cleanupTestCase() {
    m_answerer.stop();
    {
        std::lock_guard lock(m_watchMutex);
        m_stopWatching = true;
    }
    m_watchWake.notify_all();
    m_watchdog.join();
}

void Monkey::init() {
    m_language = Language::italian;
    m_systemPrinter = false;
    m_printMessages = 0;
    m_recent.clear();
    m_step = m_events = m_restarts = m_messages = 0;
    m_stepsDuringWarnings = m_stepsWithResults = m_prints = m_beep.count = m_verificationSteps = 0;
}

void Monkey::cleanup() {
    SystemPrinter::setTimeLimit(5000);
    stopProgram();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Monkey::randomEvents_data() {
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<double>("timeScale");  // of the warnings' waits
    QTest::addColumn<int>("steps");
    QTest::addColumn<Language>("language");
    // Warnings of a few milliseconds end between steps, in the middle of
    // everything; longer ones stay up for hundreds of steps.
    QTest::newRow("warnings of 4 to 5 ms") << quint64(20260101) << 0.001 << 2500 << Language::italian;
    QTest::newRow("warnings of 40 to 50 ms") << quint64(7050365) << 0.01 << 2500 << Language::italian;
    QTest::newRow("warnings of 0,4 to 0,5 s") << quint64(142500) << 0.1 << 2500 << Language::italian;
    QTest::newRow("warnings of 2 to 2,5 s") << quint64(1060) << 0.5 << 1500 << Language::italian;
    QTest::newRow("in English, warnings of 40 to 50 ms")
        << quint64(3650) << 0.01 << 2500 << Language::english;
}

void Monkey::randomEvents() {
    QFETCH(quint64, seed);
    QFETCH(double, timeScale);
    QFETCH(int, steps);
    QFETCH(Language, language);
    m_language = language;
    m_seed = overridingSeed().value_or(seed);
    m_timeScale = timeScale;
    steps = stepsPerRun(steps);
    m_dice.emplace(m_seed);
    qInfo(
        "monkey: seed %llu, %d steps, warnings scaled by %g (repeat with ZELIRO_MONKEY_SEED=%llu "
        "test_monkey \"randomEvents:%s\")",
        static_cast<unsigned long long>(m_seed), steps, timeScale, static_cast<unsigned long long>(m_seed),
        QTest::currentDataTag());

    QElapsedTimer clock;
    clock.start();
    restart();
    for (m_step = 1; m_step <= steps; ++m_step) {
        if (openProgramWindows().isEmpty()) restart();
        const QString what = step();
        note(what);
        const QString problem = answers() ? problems() : "the program does not answer";
        if (!problem.isEmpty()) QFAIL(qPrintable(failure(problem)));
        count();
        m_printer.reports.clear();
        m_printer.images.clear();
    }
    qInfo(
        "monkey: %d steps, %d events in %lld ms; %d starts of the program, %d steps ended during a "
        "warning, %d with a result on display, %d with a verification window, %d prints, %d division-by-zero "
        "messages answered, %d beeps",
        steps, m_events, static_cast<long long>(clock.elapsed()), m_restarts, m_stepsDuringWarnings,
        m_stepsWithResults, m_verificationSteps, m_prints, m_messages, m_beep.count);
}

void Monkey::everyPastedTextInEveryField_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("opener");  // the menu button that opens it
    QTest::newRow("half-wave dipole") << "frmDIPOLOSTANDARD"
                                      << "Command6";
    QTest::newRow("trimming") << "frmTARATURA"
                              << "Command2";
    QTest::newRow("two-band dipole") << "frmDIPOLOMULTIBANDA"
                                     << "Command5";
    QTest::newRow("loading coil") << "frmCALCOLOBOBINA"
                                  << "Command1";
}

// Every text of the paste list in every field of each calculation window, the
// other fields holding a worked example: "CALCOLA" must leave nothing wrong
// on screen.
void Monkey::everyPastedTextInEveryField() {
    QFETCH(QString, window);
    QFETCH(QString, opener);
    m_seed = 0;
    startProgram(m_beep, m_printer, 0.001);
    click(Registry::current().find("frmSplash"), "Command1");
    click(Registry::current().find("frmMENU"), opener);
    QWidget* calculation = Registry::current().find(window);
    QVERIFY(calculation);
    // The construction window opens from the loading-coil window.
    QList<QWidget*> windows{calculation};
    if (window == "frmCALCOLOBOBINA") {
        click(calculation, "Command3");
        windows << Registry::current().find("frmCOSTRUZIONEBOBINA");
        QVERIFY(windows.last());
    }
    for (QWidget* target : windows) {
        for (QGroupBox* frame : target->findChildren<QGroupBox*>())
            QTest::mouseClick(frame->findChildren<QRadioButton*>().first(), Qt::LeftButton);
        const Inputs example = workedInputs(target->objectName()).first();
        QPushButton* calcola = nullptr;
        for (QPushButton* button : target->findChildren<QPushButton*>())
            if (button->text() == "CALCOLA") calcola = button;
        QVERIFY(calcola);
        for (const auto& [field, unused] : example) {
            for (const QString& text : m_pasted + edgeNumbers) {
                for (const auto& [name, value] : example) {
                    auto* edit = control<QLineEdit>(target, name);
                    edit->setText(name == field ? text : value);
                    edit->setProperty("monkeyText", edit->text());
                }
                QTest::mouseClick(calcola, Qt::LeftButton);
                m_step = 0;
                m_recent = {
                    QString("%1: %2 in %3, CALCOLA").arg(target->objectName(), shortText(text), field)};
                const QString problem = answers() ? problems() : "the program does not answer";
                if (!problem.isEmpty()) QFAIL(qPrintable(failure(problem)));
                ++m_progress;
            }
        }
    }
}

void Monkey::printsWhileThePrintSystemFails_data() {
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<bool>("hung");
    QTest::newRow("no default printer") << quint64(14) << false;
    // A hung server's message comes only after the print's time limit, and
    // only while the printing window is still open: the seed is one whose run
    // keeps some printing window open that long.
    QTest::newRow("print server hung (SIGSTOP)") << quint64(2027) << true;
}

// Random steps with the system's printer, on a private print server that has
// no default printer or hangs: every print ends in a message, and the program
// answers after every step.
void Monkey::printsWhileThePrintSystemFails() {
    QFETCH(quint64, seed);
    QFETCH(bool, hung);
    CupsFixture cups;
    QString reason;
    if (!cups.start(&reason)) QSKIP(qPrintable("no private CUPS server: " + reason));
    if (hung) {
        cups.pause();
    } else {
        QVERIFY(cups.removeQueue());
    }
    SystemPrinter::setTimeLimit(500);
    m_systemPrinter = true;
    m_seed = overridingSeed().value_or(seed);
    m_timeScale = 0.01;
    m_dice.emplace(m_seed);
    const int steps = stepsPerRun(600);
    qInfo("monkey: seed %llu, %d steps with the system's printer (repeat with ZELIRO_MONKEY_SEED=%llu)",
          static_cast<unsigned long long>(m_seed), steps, static_cast<unsigned long long>(m_seed));
    restart();
    int prints = 0;
    for (m_step = 1; m_step <= steps; ++m_step) {
        if (openProgramWindows().isEmpty()) restart();
        const QString what = step();
        prints += what.contains(": menu stampa");
        note(what);
        const QString problem = answers() ? problems() : "the program does not answer";
        if (!problem.isEmpty()) QFAIL(qPrintable(failure(problem)));
    }
    // The last prints' messages, still on their way.
    QTest::qWait(SystemPrinter::timeLimit() + 200);
    closePrintDialogs();
    qInfo("monkey: %d prints asked for, %d print messages answered", prints, m_printMessages);
    QVERIFY(prints > 0);
    QVERIFY(m_printMessages > 0);
}

void Monkey::restart() {
    startProgram(m_beep, m_printer, m_timeScale, m_language);
    if (m_systemPrinter) Registry::current().setPrinter(nullptr);
    ++m_restarts;
    note("start the program");
}

void Monkey::count() {
    m_prints += static_cast<int>(m_printer.reports.size() + m_printer.images.size());
    bool warning = false;
    bool result = false;
    bool verification = false;
    for (QWidget* window : openProgramWindows()) {
        verification |= isVerification(window);
        for (const Warnings* warnings : window->findChildren<Warnings*>()) warning |= warnings->pending() > 0;
        for (const ResultLabel& label : resultLabels)
            if (window->objectName() == label.window) result |= !textOf(window, label.label).isEmpty();
    }
    m_stepsDuringWarnings += warning;
    m_stepsWithResults += result;
    m_verificationSteps += verification;
}

void Monkey::note(const QString& what) {
    const QString line = QString("step %1: %2").arg(m_step).arg(what);
    m_recent << line;
    if (m_recent.size() > 40) m_recent.removeFirst();
    if (qEnvironmentVariableIntValue("ZELIRO_MONKEY_TRACE")) std::fprintf(stderr, "%s\n", qPrintable(line));
    {
        std::lock_guard lock(m_watchMutex);
        m_lastStep = QString("seed %1, %2").arg(m_seed).arg(line).toStdString();
    }
    ++m_progress;
}

QString Monkey::failure(const QString& problem) const {
    std::fprintf(stderr, "monkey: the last steps before the failure:\n%s\n", qPrintable(m_recent.join('\n')));
    for (QWidget* window : openProgramWindows()) {
        QStringList fields;
        for (QLineEdit* field : window->findChildren<QLineEdit*>())
            fields << field->objectName() + '=' + shortText(field->text());
        if (!fields.isEmpty())
            std::fprintf(stderr, "monkey: %s holds %s\n", qPrintable(window->objectName()),
                         qPrintable(fields.join(' ')));
    }
    return QString("%1 (seed %2, step %3)").arg(problem).arg(m_seed).arg(m_step);
}

QList<QWidget*> Monkey::openProgramWindows() const {
    QList<QWidget*> windows;
    const Registry& registry = Registry::current();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && (registry.knows(widget->objectName()) || isVerification(widget)))
            windows << widget;
    // In a fixed order, so that a seed repeats its steps.
    std::sort(windows.begin(), windows.end(),
              [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
    return windows;
}

QString Monkey::step() {
    // What to answer if the step raises the calculator's message.
    m_answer = static_cast<Answer>(m_dice->below(3));
    m_answerAfterMs = m_dice->chance(20) ? m_dice->between(1, 30) : 0;

    const QList<QWidget*> windows = openProgramWindows();
    QWidget* window = pickWindow(windows);
    // From the splash, mostly go on to the menu.
    if (windows.size() == 1 && window->objectName() == "frmSplash" && m_dice->chance(70)) {
        click(window, "Command1");
        ++m_events;
        return "frmSplash: CONTINUA";
    }
    const int roll = m_dice->below(100);
    if (roll < 28) return clickButton(window);
    if (roll < 34) return clickSomewhere(window);
    if (roll < 50) return typeKeys(window);
    if (roll < 53) return pressKeysOnWindow(window);
    if (roll < 64) return paste(window);
    if (roll < 72) return fillAndCalculate(window);
    if (roll < 80) return triggerAction(window);
    if (roll < 85) return closeWindow(window);
    if (roll < 93) return openWindow();
    if (roll < 94) return pressChiudi();
    return wait();
}

QWidget* Monkey::pickWindow(const QList<QWidget*>& windows) {
    // The windows with something to compute come up more often than the
    // read-me and photo windows.
    QList<QWidget*> weighted;
    for (QWidget* window : windows) {
        const bool busy = window->findChild<QLineEdit*>() || window->findChild<QAbstractButton*>();
        for (int i = busy ? 4 : 1; i > 0; --i) weighted << window;
    }
    return m_dice->pick(weighted);
}

QString Monkey::clickButton(QWidget* window) {
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        // The menu's "CHIUDI" ends everything: it has a step of its own.
        const bool chiudi = window->objectName() == "frmMENU" && button->objectName() == "Command4";
        if (button->isVisibleTo(window) && button->isEnabled() && !chiudi) buttons << button;
    }
    if (buttons.isEmpty()) return clickSomewhere(window);
    const bool calculator = window->objectName() == "Calculator";
    if (calculator && m_dice->chance(25)) return divideByZero(window);
    // On the calculator, a run of keys.
    const int clicks = calculator ? m_dice->between(1, 8) : 1;
    QString what = window->objectName() + ": click";
    QPointer<QWidget> alive(window);
    for (int i = 0; i < clicks && alive && alive->isVisible(); ++i) {
        QAbstractButton* button = m_dice->pick(buttons);
        what += ' ' + button->objectName() + "(" + button->text().simplified().left(12) + ")";
        QTest::mouseClick(button, Qt::LeftButton);
        ++m_events;
    }
    return what;
}

QString Monkey::clickSomewhere(QWidget* window) {
    QList<QWidget*> places{window};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // Menus are opened through their items (triggerAction).
        if (qobject_cast<QMenuBar*>(widget) || qobject_cast<QMenu*>(widget)) continue;
        if (widget->width() > 0 && widget->height() > 0) places << widget;
    }
    QWidget* place = m_dice->pick(places);
    QPoint at(m_dice->below(place->width()), m_dice->below(place->height()));
    // A hidden control (a warning label that is not up now) is not there to
    // be hit: the click lands on what lies beneath it.
    while (place != window && !place->isVisibleTo(window)) {
        at = place->mapToParent(at);
        place = place->parentWidget();
    }
    const auto button = m_dice->chance(85) ? Qt::LeftButton : Qt::RightButton;
    const bool twice = m_dice->chance(10);
    const QString what = QString("%1: %2click at %3,%4 of %5")
                             .arg(window->objectName(), twice ? "double " : "")
                             .arg(at.x())
                             .arg(at.y())
                             .arg(place->objectName());
    QPointer<QWidget> alive(place);
    QTest::mouseClick(place, button, {}, at);
    ++m_events;
    if (twice && alive && alive->isVisible()) {
        QTest::mouseDClick(alive, button, {}, at);
        ++m_events;
    }
    return what;
}

QString Monkey::typeKeys(QWidget* window) {
    QList<QLineEdit*> fields;
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        if (field->isVisibleTo(window) && field->isEnabled()) fields << field;
    if (fields.isEmpty()) return pressKeysOnWindow(window);
    QPointer<QLineEdit> field = m_dice->pick(fields);
    QString what = window->objectName() + ": type into " + field->objectName() + ":";
    field->setFocus();
    const bool number = m_dice->chance(40);
    if (number) {
        const QString typed = plausibleNumber(*m_dice);
        what += ' ' + typed;
        QTest::keyClicks(field, typed);
        m_events += static_cast<int>(typed.size());
    }
    for (int i = m_dice->between(number ? 0 : 1, 6); i > 0 && field && field->isVisible(); --i) {
        const Key key = m_dice->pick(m_keys);
        what += key.character ? QString(' ') + key.character
                              : QString(" key%1%2").arg(key.modifiers ? "+mod" : "").arg(key.key, 0, 16);
        press(field, key);
        ++m_events;
    }
    if (field) field->setProperty("monkeyText", field->text());
    return what;
}

QString Monkey::pressKeysOnWindow(QWidget* window) {
    const bool toFocus = m_dice->chance(50);
    QPointer<QWidget> target = toFocus && window->focusWidget() ? window->focusWidget() : window;
    QString what = window->objectName() + ": keys on " + target->objectName() + ":";
    for (int i = m_dice->between(1, 3); i > 0 && target && target->isVisible(); --i) {
        const Key key = m_dice->pick(m_keys);
        what += key.character ? QString(' ') + key.character : QString(" key%1").arg(key.key, 0, 16);
        press(target, key);
        ++m_events;
    }
    if (auto* field = qobject_cast<QLineEdit*>(target.data()))
        field->setProperty("monkeyText", field->text());
    return what;
}

QString Monkey::paste(QWidget* window) {
    QList<QLineEdit*> fields;
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        if (field->isVisibleTo(window) && field->isEnabled()) fields << field;
    if (fields.isEmpty()) return clickSomewhere(window);
    QLineEdit* field = m_dice->pick(fields);
    const QString text = m_dice->chance(20) ? plausibleNumber(*m_dice) : m_dice->pick(m_pasted);
    QString how;
    switch (m_dice->below(3)) {
        case 0:
            how = "set";
            field->setText(text);
            ++m_events;
            break;
        case 1:
            how = "insert";
            field->insert(text);
            ++m_events;
            break;
        default:
            // The context menu's "Paste", from the clipboard.
            how = "paste";
            QGuiApplication::clipboard()->setText(text);
            field->paste();
            ++m_events;
            break;
    }
    field->setProperty("monkeyText", field->text());
    return QString("%1: %2 %3 in %4").arg(window->objectName(), how, shortText(text), field->objectName());
}

QString Monkey::fillAndCalculate(QWidget* window) {
    QList<QLineEdit*> fields;
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        if (field->isVisibleTo(window) && field->isEnabled() && !field->isReadOnly()) fields << field;
    if (fields.isEmpty()) return clickButton(window);
    QString what = window->objectName() + ": fill";
    // Now and then one of the fields gets a pasted text instead.
    QLineEdit* odd = m_dice->chance(25) ? m_dice->pick(fields) : nullptr;
    for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        const QList<QRadioButton*> options = frame->findChildren<QRadioButton*>();
        if (options.isEmpty() || !m_dice->chance(60)) continue;
        QRadioButton* option = m_dice->pick(options);
        what += ' ' + option->objectName();
        QTest::mouseClick(option, Qt::LeftButton);
        ++m_events;
    }
    const QList<Inputs> worked = workedInputs(window->objectName());
    const Inputs base = !worked.isEmpty() && m_dice->chance(60) ? m_dice->pick(worked) : Inputs{};
    QPointer<QWidget> alive(window);
    for (QLineEdit* field : fields) {
        if (!alive) break;
        if (!field->isVisibleTo(window) || m_dice->chance(10)) continue;
        QString text = plausibleNumber(*m_dice);
        for (const auto& [name, value] : base)
            if (name == field->objectName() && !m_dice->chance(15)) text = value;
        if (field == odd) text = m_dice->chance(50) ? m_dice->pick(m_pasted) : m_dice->pick(edgeNumbers);
        what += ' ' + field->objectName() + '=' + shortText(text);
        if (field != odd && m_dice->chance(50)) {
            field->clear();
            field->setFocus();
            QTest::keyClicks(field, text);
            m_events += static_cast<int>(text.size());
        } else {
            field->setText(text);
            ++m_events;
        }
        field->setProperty("monkeyText", field->text());
    }
    if (!alive || !m_dice->chance(70)) return what;
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->text() == "CALCOLA" && button->isVisibleTo(window)) {
            QTest::mouseClick(button, Qt::LeftButton);
            ++m_events;
            return what + ", CALCOLA";
        }
    }
    return what;
}

QString Monkey::triggerAction(QWidget* window) {
    QList<QAction*> actions;
    for (QAction* action : window->findChildren<QAction*>())
        if (!action->objectName().isEmpty() && !action->menu() && action->isEnabled()) actions << action;
    if (actions.isEmpty()) return clickSomewhere(window);
    QAction* action = m_dice->pick(actions);
    // "Verifica" leads to a window of its own: chosen more often when it can be.
    auto* verifica = window->findChild<QAction*>("verifica");
    if (verifica && actions.contains(verifica) && m_dice->chance(40)) action = verifica;
    const QString what = window->objectName() + ": menu " + action->objectName();
    action->trigger();
    ++m_events;
    return what;
}

QString Monkey::closeWindow(QWidget* window) {
    const QString name = window->objectName();
    if (m_dice->chance(50) && !isVerification(window)) {
        Registry::current().close(name);
        ++m_events;
        return name + ": closed through the registry";
    }
    window->close();
    ++m_events;
    return name + ": closed from its title bar";
}

QString Monkey::openWindow() {
    QStringList names = Registry::current().names();
    names.removeAll("frmSplash");  // shown once, at the start
    const QStringList busy = {
        "frmMENU",          "frmDIPOLOSTANDARD",    "frmTARATURA", "frmDIPOLOMULTIBANDA",
        "frmCALCOLOBOBINA", "frmCOSTRUZIONEBOBINA", "Calculator"};
    const QString name = m_dice->pick(m_dice->chance(60) ? busy : names);
    Registry::current().show(name);
    ++m_events;
    return "open " + name;
}

QString Monkey::pressChiudi() {
    QWidget* menu = Registry::current().find("frmMENU");
    if (!menu) return openWindow();
    click(menu, "Command4");
    ++m_events;
    return "frmMENU: CHIUDI";
}

QString Monkey::divideByZero(QWidget* calculator) {
    auto key = [calculator](const QString& caption) -> QAbstractButton* {
        for (QAbstractButton* button : calculator->findChildren<QAbstractButton*>())
            if (button->text() == caption) return button;
        return nullptr;
    };
    QStringList keys{QString::number(m_dice->below(10)), "/", "0"};
    if (m_dice->chance(50)) keys << ".";
    keys << m_dice->pick(QStringList{"=", "+", "-", "X", "/", "%"});
    QPointer<QWidget> alive(calculator);
    for (const QString& caption : keys) {
        QAbstractButton* button = alive && alive->isVisible() ? key(caption) : nullptr;
        if (button) {
            QTest::mouseClick(button, Qt::LeftButton);
            ++m_events;
        }
    }
    return "Calculator: click " + keys.join(' ');
}

QString Monkey::wait() {
    // Mostly a moment; now and then up to a warning's wait (at most 0,2 s).
    const int longest = std::max(1, static_cast<int>(5000 * m_timeScale));
    const int ms = m_dice->chance(95) ? m_dice->below(3) : m_dice->between(0, std::min(longest, 200));
    QTest::qWait(ms);
    return QString("wait %1 ms").arg(ms);
}

void Monkey::answerMessage() {
    closePrintDialogs();
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) {
        m_messageSeen.invalidate();
        return;
    }
    if (!m_messageSeen.isValid()) m_messageSeen.start();
    if (m_messageSeen.elapsed() < m_answerAfterMs) return;
    m_messageSeen.invalidate();
    ++m_messages;
    switch (m_answer) {
        case Answer::ok:
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            break;
        case Answer::escape:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        case Answer::close:
            box->close();
            break;
    }
}

void Monkey::closePrintDialogs() {
    const QStringList printDialogs = {"stampamessaggio", "anteprima", "salvapdf"};
    for (int i = 0; i < 10; ++i) {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !printDialogs.contains(dialog->objectName())) return;
        m_printMessages += dialog->objectName() == "stampamessaggio";
        dialog->reject();
        QCoreApplication::processEvents();
    }
}

bool Monkey::answers() {
    bool fired = false;
    QObject context;
    QTimer::singleShot(0, &context, [&fired] { fired = true; });
    // Deleting the windows closed meanwhile, mostly at once, now and then
    // only after the next step.
    const bool deleteClosed = m_dice->chance(75);
    const QDeadlineTimer deadline(30000);
    while (!fired && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    closePrintDialogs();
    if (deleteClosed) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return fired;
}

QString Monkey::problems() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return QString("a modal window is left open: ") + modal->metaObject()->className();

    const Registry& registry = Registry::current();
    QMap<QString, int> copies;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && registry.knows(widget->objectName())) ++copies[widget->objectName()];
    for (auto it = copies.cbegin(); it != copies.cend(); ++it)
        if (it.value() > 1) return QString("%1 copies of %2 are open").arg(it.value()).arg(it.key());

    QStringList verifiedOpeners;
    for (QWidget* window : openProgramWindows()) {
        if (isVerification(window)) {
            // One per opening window, and only while that window is open.
            const QString opener = window->property("opener").toString();
            if (!registry.find(opener)) return "a verification window outlives " + opener;
            if (verifiedOpeners.contains(opener)) return "two verification windows of " + opener;
            verifiedOpeners << opener;
        } else if (registry.find(window->objectName()) != window)
            return window->objectName() + " is open but unknown to the registry";
        const QString problem = labelProblems(window);
        if (!problem.isEmpty()) return window->objectName() + ": " + problem;
    }
    return {};
}

QString Monkey::labelProblems(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>())
        if (notANumber.match(label->text()).hasMatch())
            return QString("%1 shows %2").arg(label->objectName(), shortText(label->text()));
    // A field shows what the user typed or pasted, or else what the program
    // wrote into it.
    for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
        if (field->text() == field->property("monkeyText").toString()) continue;
        if (notANumber.match(field->text()).hasMatch())
            return QString("field %1 shows %2").arg(field->objectName(), shortText(field->text()));
    }
    for (const ResultLabel& result : resultLabels) {
        if (window->objectName() != result.window) continue;
        const QString text = textOf(window, result.label);
        if (text.isEmpty()) continue;
        const auto value = parseDouble(text.toStdString(), m_language);
        if (!value) return QString("%1 shows %2, not a number").arg(result.label, shortText(text));
        if (result.neverNegative && *value < 0)
            return QString("%1 shows the negative figure %2").arg(result.label, text);
    }
    return {};
}

// Qt Test's own options stay; -seed and -steps are the monkey's.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if ((argument == "-seed" || argument == "-steps") && i + 1 < argc) {
            const QByteArray value(argv[++i]);
            if (argument == "-seed")
                seedFromArguments = value.toULongLong();
            else
                stepsFromArguments = value.toInt();
            continue;
        }
        arguments.push_back(argv[i]);
    }
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    QApplication app(count, arguments.data());
    app.setAttribute(Qt::AA_Use96Dpi, true);
    Monkey test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, count, arguments.data());
}

#include "test_monkey.moc"
