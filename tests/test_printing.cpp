// Printing: for real on the default queue of a private CUPS server (jobs read
// back as text), every way the print system fails, reports that must match
// their results, the preview and the PDF file.
#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>
#include <csignal>
#include <functional>
#include <map>

#include "core/halfwave.h"
#include "cupsfixture.h"
#include "frame/PrintChoices.h"
#include "frame/Registry.h"
#include "frame/SystemPrinter.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

namespace {

// What printPathKeepsItsWord does.
enum class PrintCase { previewButton, burstOfFailures, hungAfterTheJobExists, closedVerificationWindow };

// The print server of the running test, for the hook that hangs it from the
// print worker's thread.
CupsFixture* hungByHook = nullptr;

enum class Breakage {
    noDefaultPrinter,
    stoppedQueue,
    rejectingQueue,
    socketRemoved,
    staleSocket,
    hungServer
};

// How often the event loop ran a 10-ms timer until the condition held, and
// the longest it went without (for the log: speed is for the benchmarks).
class LoopWatch {
public:
    explicit LoopWatch(std::function<bool()> until) {
        m_clock.start();
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this, until] {
            if (until()) return m_timer.stop();
            m_largestGap = std::max(m_largestGap, m_clock.restart());
            ++m_ticks;
        });
        m_timer.start();
    }
    qint64 largestGap() const { return m_largestGap; }
    int ticks() const { return m_ticks; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_largestGap = 0;
    int m_ticks = 0;
};

template <typename Dialog>
Dialog* openDialog(const QString& name) {
    Dialog* found = nullptr;
    waitUntil([&] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<Dialog*>(widget);
                dialog && dialog->isVisible() && dialog->objectName() == name)
                found = dialog;
        return found != nullptr;
    });
    return found;
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The steps of a window case: "Text1=7,05" empties a field and types into it,
// "Text2=" empties it, any other step clicks the button of that name.
void play(QWidget* window, const QStringList& steps) {
    for (const QString& step : steps) {
        if (step.contains('=')) {
            control<QLineEdit>(window, step.section('=', 0, 0))->clear();
            type(window, step.section('=', 0, 0), step.section('=', 1));
        } else {
            click(window, step);
        }
    }
}

// Opens a window through the buttons "Window/Button", in order.
QWidget* openThrough(const QStringList& path) {
    click(window("frmSplash"), "Command1");
    QWidget* opened = nullptr;
    for (const QString& hop : path) {
        click(window(hop.section('/', 0, 0)), hop.section('/', 1, 1));
        opened = window(hop.section('/', 2));
    }
    return opened;
}

}  // namespace

class Printing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void twoReportsAreTwoJobsWithTheirLines();
    void windowPrintArrives();
    void failuresAreTold_data();
    void failuresAreTold();
    void printRunningAtTheEndIsAbandoned();
    void reportsMatchTheirResults_data() { windowCases(); }
    void reportsMatchTheirResults();
    void pdfOfTheReport_data() { windowCases(); }
    void pdfOfTheReport();
    void pdfThatCannotBeWritten_data();
    void pdfThatCannotBeWritten();
    void previewPages_data();
    void previewPages();
    void printPathKeepsItsWord_data();
    void printPathKeepsItsWord();

private:
    static void windowCases();
    void needCups();
    QWidget* calculatedDipole(const QString& frequency);
    void breakPrinting(Breakage breakage);
    void repairPrinting(Breakage breakage);

    CupsFixture m_cups;
    bool m_ready = false;
    QString m_reason;
    RecordingBeep m_beep;
    RecordingPrinter m_recorder;
};

void Printing::initTestCase() { m_ready = m_cups.start(&m_reason); }
void Printing::cleanupTestCase() { m_cups.stop(); }

void Printing::init() { startProgram(m_beep, m_recorder); }

void Printing::cleanup() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(widget)) widget->close();
    stopProgram();
}

void Printing::needCups() {
    if (!m_ready) QSKIP(qPrintable("no private CUPS server: " + m_reason));
    Registry::current().setPrinter(nullptr);  // the system's default printer
}

QWidget* Printing::calculatedDipole(const QString& frequency) {
    QWidget* dipole = openThrough({"frmMENU/Command6/frmDIPOLOSTANDARD"});
    play(dipole, {"Option2", "Text1=" + frequency, "Command2"});
    return dipole;
}

void Printing::twoReportsAreTwoJobsWithTheirLines() {
    needCups();
    QWidget* dipole = calculatedDipole("7,05");
    triggerMenu(dipole, "stampasolodati");
    const QString first = m_cups.takeJobText();
    QVERIFY2(!first.isEmpty(), "the first report never arrived");
    QCOMPARE(CupsFixture::wordsOfLines(first),
             CupsFixture::wordsOfLines(halfWaveReport({"7,05", "20,21", "ORIZZONTALE"})));
    QVERIFY(waitUntil([&] { return !control<QStatusBar>(dipole, "statusbar")->currentMessage().isEmpty(); }));
    QCOMPARE(control<QStatusBar>(dipole, "statusbar")->currentMessage(),
             "Stampa inviata alla stampante «zeliro-test».");

    play(dipole, {"Text1=14,2", "Command2"});
    triggerMenu(dipole, "stampasolodati");
    const QString second = m_cups.takeJobText();
    QVERIFY2(!second.isEmpty(), "the second report never arrived");
    QCOMPARE(CupsFixture::wordsOfLines(second),
             CupsFixture::wordsOfLines(halfWaveReport({"14,2", "10,03", "ORIZZONTALE"})));
    QVERIFY(!m_cups.jobWaiting());
    QVERIFY(printMessage() == nullptr);
}

void Printing::windowPrintArrives() {
    needCups();
    QWidget* dipole = calculatedDipole("50");
    triggerMenu(dipole, "stampavideata");
    QVERIFY(QTest::qWaitFor([&] { return m_cups.jobWaiting(); }, 30000));
    m_cups.takeJobText();
    QCOMPARE(textOf(dipole, "Label7"), "2,85");
}

void Printing::breakPrinting(Breakage breakage) {
    switch (breakage) {
        case Breakage::noDefaultPrinter:
            QVERIFY(m_cups.removeQueue());
            break;
        case Breakage::stoppedQueue:
            QVERIFY(m_cups.queueCommand("cupsdisable"));
            break;
        case Breakage::rejectingQueue:
            QVERIFY(m_cups.queueCommand("cupsreject"));
            break;
        case Breakage::socketRemoved:
            m_cups.removeSocket();
            break;
        case Breakage::staleSocket:
            m_cups.kill();
            break;
        case Breakage::hungServer:
            m_cups.pause();
            break;
    }
}

void Printing::repairPrinting(Breakage breakage) {
    switch (breakage) {
        case Breakage::noDefaultPrinter:
            QVERIFY(m_cups.addQueue());
            break;
        case Breakage::stoppedQueue:
            QVERIFY(m_cups.queueCommand("cupsenable"));
            break;
        case Breakage::rejectingQueue:
            QVERIFY(m_cups.queueCommand("cupsaccept"));
            break;
        case Breakage::socketRemoved:
        case Breakage::staleSocket:
            m_cups.stop();
            m_ready = m_cups.start(&m_reason);
            QVERIFY2(m_ready, qPrintable(m_reason));
            break;
        case Breakage::hungServer:
            m_cups.resume();
            break;
    }
}

void Printing::failuresAreTold_data() {
    QTest::addColumn<Breakage>("breakage");
    QTest::addColumn<QString>("told");
    QTest::newRow("no default printer") << Breakage::noDefaultPrinter << "Non è stata scelta una stampante";
    QTest::newRow("stopped queue") << Breakage::stoppedQueue << "«zeliro-test» non accetta lavori";
    QTest::newRow("rejecting queue") << Breakage::rejectingQueue << "«zeliro-test» non accetta lavori";
    QTest::newRow("server gone, socket removed") << Breakage::socketRemoved << "non risponde";
    QTest::newRow("server killed, stale socket") << Breakage::staleSocket << "non risponde";
    QTest::newRow("server hung (SIGSTOP)") << Breakage::hungServer << "non risponde";
}

// Each failure ends in its message within the time limit, with the event loop
// running all along; once the print system is back, the next print works.
void Printing::failuresAreTold() {
    QFETCH(Breakage, breakage);
    QFETCH(QString, told);
    needCups();
    QWidget* dipole = calculatedDipole("7,05");
    breakPrinting(breakage);

    QElapsedTimer clock;
    clock.start();
    QMessageBox* box = nullptr;
    {
        const LoopWatch loop([] { return printMessage() != nullptr; });
        triggerMenu(dipole, "stampasolodati");
        waitUntil([&] { return (box = printMessage()) != nullptr; }, SystemPrinter::timeLimit() + 5000);
        QVERIFY2(box, "no message");
        qInfo("message after %lld ms; the event loop ran %d times, never more than %lld ms apart",
              static_cast<long long>(clock.elapsed()), loop.ticks(),
              static_cast<long long>(loop.largestGap()));
        // A print that held the event loop while the server hangs would let
        // the timer run once or twice in those seconds, not hundreds of times.
        if (breakage == Breakage::hungServer)
            QVERIFY2(loop.ticks() >= 50,
                     qPrintable(QString("the event loop ran %1 times").arg(loop.ticks())));
    }
    QVERIFY2(box->text().contains(told), qPrintable(box->text()));
    // The print system's own words, in its language, are labelled as its own.
    if (!box->detailedText().isEmpty())
        QVERIFY2(box->detailedText().startsWith("Messaggio del sistema di stampa: "),
                 qPrintable(box->detailedText()));
    QCOMPARE(box->button(QMessageBox::Cancel)->text(), "Annulla");  // Qt's own texts speak Italian
    QStringList captions;
    for (QAbstractButton* button : box->buttons()) captions << button->text();
    QVERIFY(captions.contains("Salva come PDF…"));
    QVERIFY(captions.contains("Anteprima"));
    // The preview offered never asks the failing print system: it comes
    // sooner than any question to a hung server could be given up.
    QElapsedTimer previewClock;
    previewClock.start();
    QTest::mouseClick(qobject_cast<QPushButton*>(box->findChild<QWidget*>("anteprimamessaggio")),
                      Qt::LeftButton);
    auto* preview = openDialog<QPrintPreviewDialog>("anteprima");
    QVERIFY(preview);
    QVERIFY2(previewClock.elapsed() < SystemPrinter::timeLimit(),
             qPrintable(QString::number(previewClock.elapsed())));
    preview->close();
    QVERIFY(waitUntil([] { return printMessage() == nullptr; }));
    QVERIFY(!m_cups.jobWaiting());

    repairPrinting(breakage);
    triggerMenu(dipole, "stampasolodati");
    const QString job = m_cups.takeJobText();
    QVERIFY2(!job.isEmpty(), "no job once the print system was back");
    QCOMPARE(CupsFixture::wordsOfLines(job),
             CupsFixture::wordsOfLines(halfWaveReport({"7,05", "20,21", "ORIZZONTALE"})));
}

// The program ends while a print waits on a hung server: nothing crashes, and
// the worker given up sends nothing once the server answers again.
void Printing::printRunningAtTheEndIsAbandoned() {
    needCups();
    QWidget* dipole = calculatedDipole("7,05");
    m_cups.pause();
    triggerMenu(dipole, "stampasolodati");
    QTest::qWait(200);
    stopProgram();
    Registry::current().deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_cups.resume();
    QTest::qWait(2000);
    QVERIFY(!m_cups.jobWaiting());
    QVERIFY(printMessage() == nullptr);
}

void Printing::windowCases() {
    QTest::addColumn<QStringList>("path");     // to the window: "Window/Button/Window opened"
    QTest::addColumn<QStringList>("example");  // fills in and calculates
    QTest::addColumn<QStringList>("change");   // an input changed after the calculation
    QTest::addColumn<QString>("resetta");
    QTest::addColumn<QString>("report");  // the data report's menu item
    QTest::newRow("half-wave dipole") << QStringList{"frmMENU/Command6/frmDIPOLOSTANDARD"}
                                      << QStringList{"Option2", "Text1=7,05", "Command2"}
                                      << QStringList{"Option1", "Text1=14,2"} << "Command3"
                                      << "stampasolodati";
    QTest::newRow("trimming, measured field emptied")
        << QStringList{"frmMENU/Command2/frmTARATURA"}
        << QStringList{"Option1", "Text1=7,05", "Text2=7", "Command2"} << QStringList{"Text2="} << "Command3"
        << "stampasolodati";
    QTest::newRow("two-band dipole") << QStringList{"frmMENU/Command5/frmDIPOLOMULTIBANDA"}
                                     << QStringList{"Option1",     "Option5",     "Text1=35",
                                                    "Text2=2,5",   "Text3=6,4",   "Text4=0,935",
                                                    "Text5=7,055", "Text6=3,650", "Command2"}
                                     << QStringList{"Text5=7,1"} << "Command3"
                                     << "stampadati";
    QTest::newRow("loading coil, distance refused")
        << QStringList{"frmMENU/Command1/frmCALCOLOBOBINA"}
        << QStringList{"Text1=2", "Text2=7,05", "Text3=10", "Text4=2", "Command1"}
        << QStringList{"Text4=6", "Command1"} << "Command2"
        << "stampasolodati";
    QTest::newRow("coil construction")
        << QStringList{"frmMENU/Command1/frmCALCOLOBOBINA", "frmCALCOLOBOBINA/Command3/frmCOSTRUZIONEBOBINA"}
        << QStringList{"Text3=1,5", "Text5=25", "Text2=40", "Text1=35", "Command2"} << QStringList{"Text1=30"}
        << "Command3"
        << "stampasolodati";
}

// A data report whose results on display came from other inputs is refused
// (plain, preview and PDF alike) until "CALCOLA" is pressed again; the window
// print is not; with no result on display the report prints as before.
void Printing::reportsMatchTheirResults() {
    QFETCH(QStringList, path);
    QFETCH(QStringList, example);
    QFETCH(QStringList, change);
    QFETCH(QString, resetta);
    QFETCH(QString, report);
    QWidget* window = openThrough(path);
    QVERIFY(window);
    play(window, example);
    triggerMenu(window, report);
    QCOMPARE(m_recorder.reports.size(), 1u);

    play(window, change);
    for (const QString& item : {report, QString("anteprimadati"), QString("pdfdati")}) {
        triggerMenu(window, item);
        QMessageBox* box = printMessage();
        QVERIFY2(box, qPrintable(item));
        QVERIFY(box->text().contains("Premete \"CALCOLA\""));
        box->close();
    }
    QCOMPARE(m_recorder.reports.size(), 1u);
    QVERIFY(!openDialog<QFileDialog>("salvapdf") && !openDialog<QPrintPreviewDialog>("anteprima"));
    triggerMenu(window, "stampavideata");
    QCOMPARE(m_recorder.images.size(), 1u);

    play(window, example);
    triggerMenu(window, report);
    QCOMPARE(m_recorder.reports.size(), 2u);
    QCOMPARE(m_recorder.reports.back(), m_recorder.reports.front());

    click(window, resetta);
    play(window, change);
    triggerMenu(window, report);
    QCOMPARE(m_recorder.reports.size(), 3u);
    QVERIFY(printMessage() == nullptr);
}

// The saved report holds the report's lines in a fixed-pitch face, and the
// values that the blanks put in one column start at the same place on paper.
void Printing::pdfOfTheReport() {
    QFETCH(QStringList, path);
    QFETCH(QStringList, example);
    QFETCH(QString, report);
    QWidget* window = openThrough(path);
    play(window, example);
    triggerMenu(window, report);
    const std::vector<std::string> lines = m_recorder.reports.at(0);

    QTemporaryDir folder;
    triggerMenu(window, "pdfdati");
    auto* dialog = openDialog<QFileDialog>("salvapdf");
    QVERIFY(dialog);
    QVERIFY(dialog->selectedFiles().value(0).endsWith(".pdf"));
    QVERIFY(dialog->selectedFiles().value(0).contains("ZELIRO-"));
    const QString file = folder.filePath("report.pdf");
    dialog->selectFile(file);
    static_cast<QDialog*>(dialog)->accept();
    QVERIFY(waitUntil([&] { return QFileInfo(file).size() > 0; }));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"report.pdf"});  // no temporary left

    QCOMPARE(CupsFixture::wordsOfLines(run("pdftotext", {"-layout", file, "-"})),
             CupsFixture::wordsOfLines(lines));
    const QString fonts = run("pdffonts", {file});
    QVERIFY2(fonts.contains("LiberationMono") || fonts.contains("DejaVuSansMono"), qPrintable(fonts));

    // Each word of the PDF with its left edge, line by line.
    const QString boxes = run("pdftotext", {"-bbox", file, "-"});
    const QRegularExpression wordPattern(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)"[^>]*>([^<]*)</word>)re");
    std::map<int, std::vector<std::pair<double, QString>>> pdfLines;  // by top edge
    double charWidth = 0;
    for (const auto& match : wordPattern.globalMatch(boxes)) {
        const double left = match.captured(1).toDouble();
        pdfLines[qRound(match.captured(2).toDouble() * 10)].push_back({left, match.captured(4)});
        charWidth = (match.captured(3).toDouble() - left) / match.captured(4).size();
    }
    // The column where each value after "= " starts, by report line; and its x.
    std::map<int, std::vector<double>> xByColumn;
    auto pdfLine = pdfLines.begin();
    for (const std::string& text : lines) {
        const QString line = QString::fromStdString(text);
        if (line.trimmed().isEmpty()) continue;
        QVERIFY(pdfLine != pdfLines.end());
        const auto& words = (pdfLine++)->second;
        const int equals = line.indexOf("= ");
        if (equals < 0 || line.mid(equals + 1).trimmed().isEmpty()) continue;
        const int column = static_cast<int>(line.indexOf(QRegularExpression("\\S"), equals + 1));
        const auto sign =
            std::find_if(words.begin(), words.end(), [](const auto& w) { return w.second == "="; });
        QVERIFY(sign != words.end() && sign + 1 != words.end());
        xByColumn[column].push_back((sign + 1)->first);
    }
    QVERIFY(!xByColumn.empty());
    for (const auto& [column, xs] : xByColumn)
        for (double x : xs)
            QVERIFY2(std::abs(x - xs.front()) <= charWidth / 2,
                     qPrintable(QString("column %1: %2 against %3").arg(column).arg(x).arg(xs.front())));
}

void Printing::pdfThatCannotBeWritten_data() {
    QTest::addColumn<QString>("place");
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("a folder that takes no files") << "/proc/ZELIRO.pdf" << false;
    QTest::newRow("a disk that fills up") << "" << true;
}

void Printing::pdfThatCannotBeWritten() {
    QFETCH(QString, place);
    QFETCH(bool, diskFull);
    QTemporaryDir folder;
    if (place.isEmpty()) place = folder.filePath("ZELIRO.pdf");
    const PrintContent content{std::vector<std::string>(300, std::string(60, 'x')), {}};
    QString reason;
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    if (diskFull) {
        // No file may grow past 2 kB: writing fails as on a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 2048;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    const bool saved = savePdf(place, content, &reason);
    setrlimit(RLIMIT_FSIZE, &old);
    QVERIFY(!saved);
    QVERIFY(reason.startsWith("Impossibile scrivere"));
    QVERIFY(!QFileInfo::exists(place));
    QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

void Printing::previewPages_data() {
    QTest::addColumn<int>("lines");  // 0: a window's image
    QTest::addColumn<int>("pages");
    QTest::newRow("a window's image") << 0 << 1;
    QTest::newRow("40 lines") << 40 << 1;
    QTest::newRow("100 lines") << 100 << 2;
    QTest::newRow("150 lines") << 150 << 3;
}

void Printing::previewPages() {
    QFETCH(int, lines);
    QFETCH(int, pages);
    QWidget* dipole = openThrough({"frmMENU/Command6/frmDIPOLOSTANDARD"});
    if (lines == 0) {
        triggerMenu(dipole, "anteprimavideata");
    } else {
        showPreview(dipole, {std::vector<std::string>(lines, "ZELIRO"), {}}, {});
    }
    auto* dialog = openDialog<QPrintPreviewDialog>("anteprima");
    QVERIFY(dialog);
    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    QVERIFY(waitUntil([&] { return preview->pageCount() == pages; }));
    QTest::qWait(50);
    QCOMPARE(preview->pageCount(), pages);
    dialog->close();
}

void Printing::printPathKeepsItsWord_data() {
    QTest::addColumn<PrintCase>("what");
    QTest::newRow("the preview's print button prints") << PrintCase::previewButton;
    QTest::newRow("three prints to a stopped queue: one message") << PrintCase::burstOfFailures;
    QTest::newRow("server hung once the job exists: it never prints") << PrintCase::hungAfterTheJobExists;
    QTest::newRow("verification window closed before its print fails") << PrintCase::closedVerificationWindow;
}

// The preview prints through the program's own path; failures in a row make
// one message; a job the user was told did not print never prints later; a
// print of a window closed meanwhile is still told when it fails.
void Printing::printPathKeepsItsWord() {
    QFETCH(PrintCase, what);
    needCups();
    QWidget* dipole = calculatedDipole("7,05");
    const QStringList report = CupsFixture::wordsOfLines(halfWaveReport({"7,05", "20,21", "ORIZZONTALE"}));
    switch (what) {
        case PrintCase::previewButton: {
            triggerMenu(dipole, "anteprimadati");
            auto* preview = openDialog<QPrintPreviewDialog>("anteprima");
            QVERIFY(preview);
            auto* print = preview->findChild<QAction*>("stampaanteprima");
            QVERIFY(print);
            print->trigger();
            const QPointer<QPrintPreviewDialog> shown(preview);
            QVERIFY(waitUntil([&] { return !shown || !shown->isVisible(); }));
            QCOMPARE(CupsFixture::wordsOfLines(m_cups.takeJobText()), report);
            QVERIFY(printMessage() == nullptr);
            break;
        }
        case PrintCase::burstOfFailures: {
            QVERIFY(m_cups.queueCommand("cupsdisable"));
            for (int i = 0; i < 3; ++i) triggerMenu(dipole, "stampasolodati");
            QVERIFY(waitUntil(
                [] {
                    const QMessageBox* box = printMessage();
                    return box && box->text().contains("Stampe non riuscite finora: 3.");
                },
                3 * SystemPrinter::timeLimit()));
            int messages = 0;
            for (QWidget* widget : QApplication::topLevelWidgets())
                messages += widget->isVisible() && widget->objectName() == "stampamessaggio";
            QCOMPARE(messages, 1);
            QVERIFY(m_cups.queueCommand("cupsenable"));
            break;
        }
        case PrintCase::hungAfterTheJobExists: {
            hungByHook = &m_cups;
            SystemPrinter::setJobCreatedHook([] { hungByHook->pause(); });
            triggerMenu(dipole, "stampasolodati");
            const bool told =
                waitUntil([] { return printMessage() != nullptr; }, SystemPrinter::timeLimit() + 5000);
            SystemPrinter::setJobCreatedHook(nullptr);
            m_cups.resume();
            QVERIFY2(told, "no message");
            QVERIFY2(printMessage()->text().contains("non"), qPrintable(printMessage()->text()));
            // Whatever the server had of the job when it hung, it now holds it
            // on hold or cancelled: nothing comes out.
            QTest::qWait(3000);
            QVERIFY(!m_cups.jobWaiting());
            printMessage()->close();
            break;
        }
        case PrintCase::closedVerificationWindow: {
            auto* verifica = control<QAction>(dipole, "verifica");
            QVERIFY(verifica && waitUntil([verifica] { return verifica->isEnabled(); }));
            verifica->trigger();
            QPointer<QWidget> verification;
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->objectName() == "frmVERIFICA" && widget->isVisible()) verification = widget;
            QVERIFY(verification);
            m_cups.pause();
            click(verification, "stampa");
            verification->close();
            const bool gone = waitUntil([&] { return !verification; });
            const bool told =
                waitUntil([] { return printMessage() != nullptr; }, SystemPrinter::timeLimit() + 5000);
            m_cups.resume();
            QVERIFY(gone);
            QVERIFY2(told, "the failure of a closed window's print was never told");
            QVERIFY2(printMessage()->text().contains("non risponde"), qPrintable(printMessage()->text()));
            printMessage()->close();
            break;
        }
    }
    // The print system works as before.
    triggerMenu(dipole, "stampasolodati");
    QCOMPARE(CupsFixture::wordsOfLines(m_cups.takeJobText()), report);
}

ZELIRO_TEST_MAIN(Printing)
#include "test_printing.moc"
