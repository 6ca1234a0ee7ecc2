// The verification window through the program: "Verifica" from the three
// calculation windows, runs of the real nec2c, every way the engine can fail,
// the exports and a measured sweep beside the model.

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <memory>

#include "core/dipolesweep.h"
#include "core/nec/coax.h"
#include "core/nec/pattern.h"
#include "core/numbers.h"
#include "frame/Registry.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

namespace {

// A stand-in for nec2c: a shell script named nec2c on a PATH of its own.
void writeFakeEngine(const QString& folder, const QByteArray& body) {
    QFile script(QDir(folder).filePath("nec2c"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n" + body + "\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void punti(QWidget* window, const QString& count) { fill(window, {"punti"}, {count}); }

double figure(QWidget* window, const QString& label) {
    return parseDouble(textOf(window, label).toStdString()).value_or(-1);
}

}  // namespace

class VerifyWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void itemFollowsTheResultOnDisplay_data();
    void itemFollowsTheResultOnDisplay();
    void oneVerificationWindowPerOpener();
    void simulatesTheDesignOnDisplay_data();
    void simulatesTheDesignOnDisplay();
    void engineFaultsGiveAMessageAndNoFigures_data();
    void engineFaultsGiveAMessageAndNoFigures();
    void engineFaultsInEnglish_data();
    void engineFaultsInEnglish();
    void savesTheDeckAndTheRows();
    void staleFiguresAreNeverUsed_data();
    void staleFiguresAreNeverUsed();
    void aRunThatDoesNotEndWellChangesNothing_data();
    void aRunThatDoesNotEndWellChangesNothing();
    void anInstallationFieldThatDoesNotReadIsShown_data();
    void anInstallationFieldThatDoesNotReadIsShown();
    void measuredSweepBesideTheModel();
    void patternPageFollowsTheResults();
    void highLobesOfEveryBand_data();
    void highLobesOfEveryBand();
    void printsAReport_data();
    void printsAReport();
    void readMeInBothLanguages_data();
    void readMeInBothLanguages();
    void smithPageFollowsTheResults();
    void messagesInEnglish();
    void trimmingTakesTheMeasuredMinimum_data();
    void trimmingTakesTheMeasuredMinimum();

private:
    QWidget* openHalfWave(const QString& frequency);
    QWidget* verification(QWidget* opener);
    void simulate(QWidget* window);

    RecordingBeep m_beep;
    RecordingPrinter m_printer;
    QByteArray m_path;
    QTemporaryDir m_scratch;
};

void VerifyWindow::init() {
    m_path = qgetenv("PATH");
    startProgram(m_beep, m_printer);
}

void VerifyWindow::cleanup() {
    qputenv("PATH", m_path);
    stopProgram();
}

QWidget* VerifyWindow::openHalfWave(const QString& frequency) {
    QWidget* dipole = Registry::current().show("frmDIPOLOSTANDARD");
    click(dipole, "Option2");
    type(dipole, "Text1", frequency);
    click(dipole, "Command2");
    return dipole;
}

// Chooses "Verifica" in the opener; its verification window.
QWidget* VerifyWindow::verification(QWidget* opener) {
    auto* item = control<QAction>(opener, "verifica");
    if (!item || !waitUntil([item] { return item->isEnabled(); }, 2000)) return nullptr;
    item->trigger();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "frmVERIFICA" && window->isVisible() &&
            window->property("opener").toString() == opener->objectName())
            return window;
    return nullptr;
}

void VerifyWindow::simulate(QWidget* window) {
    click(window, "simula");
    QVERIFY(waitUntil([window] { return !window->property("running").toBool(); }, 120000));
}

void VerifyWindow::itemFollowsTheResultOnDisplay_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("enabled");  // after CALCOLA
    const QStringList twoBandFields = {"Text1", "Text3", "Text5", "Text6"};
    QTest::newRow("half-wave dipole") << "frmDIPOLOSTANDARD" << QStringList{"Option2"} << QStringList{"Text1"}
                                      << QStringList{"7,05"} << true;
    QTest::newRow("two-band dipole") << "frmDIPOLOMULTIBANDA" << QStringList{"Option1", "Option5"}
                                     << twoBandFields << QStringList{"35", "6,4", "7,055", "3,650"} << true;
    QTest::newRow("two-band dipole without its outer wire")
        << "frmDIPOLOMULTIBANDA" << QStringList{"Option1", "Option5"} << twoBandFields
        << QStringList{"35", "6,4", "7,055", ""} << false;
    QTest::newRow("loading coil") << "frmCALCOLOBOBINA" << QStringList{}
                                  << QStringList{"Text1", "Text2", "Text3", "Text4"}
                                  << QStringList{"2", "7,05", "10", "2"} << true;
}

void VerifyWindow::itemFollowsTheResultOnDisplay() {
    QFETCH(QString, opener);
    QFETCH(QStringList, options);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, typed);
    QFETCH(bool, enabled);
    QWidget* designer = Registry::current().show(opener);
    auto* item = control<QAction>(designer, "verifica");
    QVERIFY(item);
    QCOMPARE(item->text(), "Verifica");
    QVERIFY(!item->isEnabled());
    for (const QString& option : options) click(designer, option);
    fill(designer, fields, typed);
    const QString calcola = opener == "frmCALCOLOBOBINA" ? "Command1" : "Command2";
    const QString resetta = opener == "frmCALCOLOBOBINA" ? "Command2" : "Command3";
    click(designer, calcola);
    QCOMPARE(waitUntil([item] { return item->isEnabled(); }, enabled ? 2000 : 300), enabled);
    click(designer, resetta);
    QVERIFY(waitUntil([item] { return !item->isEnabled(); }, 2000));
}

void VerifyWindow::oneVerificationWindowPerOpener() {
    QWidget* dipole = openHalfWave("7,05");
    QWidget* first = verification(dipole);
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QCOMPARE(textOf(first, "finestra"), "DIPOLO STANDARD:  orizzontale, lunghezza totale 20,21 m, 7,05 MHz");
    // A new figure on display goes to the same window.
    dipole->findChild<QLineEdit*>("Text1")->clear();
    type(dipole, "Text1", "14,2");
    click(dipole, "Command2");
    QCOMPARE(verification(dipole), first);
    QVERIFY(textOf(first, "finestra").endsWith("10,03 m, 14,2 MHz"));
    QCOMPARE(first->property("panels").toInt(), 1);
    // Closing the opener closes its verification window.
    QPointer<QWidget> alive(first);
    dipole->close();
    QVERIFY(waitUntil([&alive] { return !alive; }, 2000));
}

void VerifyWindow::simulatesTheDesignOnDisplay_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QList<double>>("resonances");  // MHz, band by band, within 0,05
    QTest::newRow("7,05 MHz half-wave, 2 mm, free space, no copper loss")
        << "frmDIPOLOSTANDARD" << QStringList{"Text1"} << QStringList{"7,05"} << QStringList{"Option2"}
        << QList<double>{7.2};
    QTest::newRow("two-band example, RG58U, 6,4 turns, 7,055 and 3,650 MHz")
        << "frmDIPOLOMULTIBANDA" << QStringList{"Text1", "Text3", "Text5", "Text6"}
        << QStringList{"35", "6,4", "7,055", "3,650"} << QStringList{"Option1", "Option5"}
        << QList<double>{7.19, 3.825};
}

void VerifyWindow::simulatesTheDesignOnDisplay() {
    QFETCH(QString, opener);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, options);
    QFETCH(QList<double>, resonances);
    QWidget* designer = Registry::current().show(opener);
    for (const QString& option : options) click(designer, option);
    fill(designer, fields, typed);
    click(designer, "Command2");
    QWidget* window = verification(designer);
    QVERIFY(window);
    QComboBox* metal = control<QComboBox>(window, "materiale");
    metal->setCurrentIndex(metal->findData(static_cast<int>(nec::Conductor::perfect)));
    simulate(window);
    QCOMPARE(textOf(window, "messaggio"), "");
    QCOMPARE(window->property("panels").toInt(), resonances.size());
    for (int band = 0; band < resonances.size(); ++band) {
        const QString suffix = QString::number(band + 1);
        QVERIFY2(std::abs(figure(window, "risonanza" + suffix) - resonances[band]) < 0.05,
                 qPrintable(textOf(window, "risonanza" + suffix)));
        for (const char* result : {"scarto", "swr", "impedenza", "banda", "consiglio"})
            QVERIFY2(!textOf(window, result + suffix).isEmpty(), qPrintable(result + suffix));
    }
}

void VerifyWindow::engineFaultsGiveAMessageAndNoFigures_data() {
    QTest::addColumn<QByteArray>("engine");  // the fake engine's script; empty: no engine at all
    QTest::addColumn<QString>("message");    // a part of the message
    QTest::newRow("missing from PATH") << QByteArray() << "pacchetto Debian nec2c";
    QTest::newRow("crashes") << QByteArray("exit 1") << "codice 1";
    QTest::newRow("killed by a signal") << QByteArray("kill -SEGV $$") << "anomalo";
    QTest::newRow("hangs past the time limit") << QByteArray("exec /bin/sleep 30") << "entro 0,5 s";
    QTest::newRow("writes garbage") << QByteArray("/usr/bin/head -c 3000 /dev/urandom > out.txt; exit 0")
                                    << "";
    QTest::newRow("writes nothing") << QByteArray("true") << "alcun risultato";
}

void VerifyWindow::engineFaultsGiveAMessageAndNoFigures() {
    QFETCH(QByteArray, engine);
    QFETCH(QString, message);
    QTemporaryDir bin;
    if (!engine.isEmpty()) writeFakeEngine(bin.path(), engine);
    qputenv("PATH", QFile::encodeName(bin.path()));
    QWidget* window = verification(openHalfWave("7,05"));
    QVERIFY(window);
    window->setProperty("timeLimitMs", 500);
    QElapsedTimer clock;
    clock.start();
    simulate(window);
    QVERIFY(clock.elapsed() < 10000);
    QVERIFY(!textOf(window, "messaggio").isEmpty());
    QVERIFY2(textOf(window, "messaggio").contains(message), qPrintable(textOf(window, "messaggio")));
    for (const char* result : {"risonanza1", "scarto1", "swr1", "impedenza1", "banda1", "consiglio1"})
        QCOMPARE(textOf(window, result), "");
}

void VerifyWindow::engineFaultsInEnglish_data() {
    QTest::addColumn<QByteArray>("engine");  // the fake engine's script; empty: no engine at all
    QTest::addColumn<QString>("message");
    QTest::newRow("missing from PATH")
        << QByteArray()
        << "The nec2c simulation program is not installed: install the Debian package nec2c "
           "(sudo apt install nec2c).";
    QTest::newRow("exit status") << QByteArray("exit 3") << "nec2c ended with an error (code 3).";
    QTest::newRow("writes nothing") << QByteArray("true") << "nec2c wrote no results.";
    QTest::newRow("past the time limit")
        << QByteArray("exec /bin/sleep 30") << "nec2c did not finish within 0.5 s: simulation stopped.";
    QTest::newRow("report without impedance")
        << QByteArray("printf 'FREQUENCY : 7.0500E+00 MHz\\nFREQUENCY : 7.1E+00 MHz\\n' > out.txt")
        << "The simulator gave no impedance at 7.05 MHz.";
    QTest::newRow("not a report") << QByteArray("echo hello > out.txt")
                                  << "The simulator wrote a text that is not its report.";
}

// Each engine fault in the English window: the English sentence whole, with
// the English decimal point.
void VerifyWindow::engineFaultsInEnglish() {
    QFETCH(QByteArray, engine);
    QFETCH(QString, message);
    stopProgram();
    startProgram(m_beep, m_printer, 0.01, Language::english);
    QTemporaryDir bin;
    if (!engine.isEmpty()) writeFakeEngine(bin.path(), engine);
    qputenv("PATH", QFile::encodeName(bin.path()));
    QWidget* window = verification(openHalfWave("7.05"));
    QVERIFY(window);
    window->setProperty("timeLimitMs", 500);
    simulate(window);
    QCOMPARE(textOf(window, "messaggio"), message);
}

void VerifyWindow::savesTheDeckAndTheRows() {
    QWidget* window = verification(openHalfWave("7,05"));
    QVERIFY(window);
    const QString deck = m_scratch.filePath("dipolo.nec");
    fileDialogs().saveName = deck;
    click(window, "salvaNec");
    QFile saved(deck);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    QVERIFY(text.contains("GW") && text.contains("EX") && text.contains("FR"));
    // No rows before a run; an unwritable name gives a message and no file.
    fileDialogs().saveName = m_scratch.filePath("righe.csv");
    click(window, "salvaCsv");
    QVERIFY(!QFile::exists(m_scratch.filePath("righe.csv")));
    simulate(window);
    click(window, "salvaCsv");
    QFile rows(m_scratch.filePath("righe.csv"));
    QVERIFY(rows.open(QIODevice::ReadOnly));
    QCOMPARE(rows.readAll().count('\n'), 104);  // reference and options, header and 101 points
    fileDialogs().saveName = m_scratch.filePath("manca/righe.csv");
    click(window, "salvaCsv");
    QVERIFY(textOf(window, "messaggio").startsWith("Impossibile scrivere il file"));
    QVERIFY(!QFile::exists(m_scratch.filePath("manca/righe.csv")));
    click(window, "stampa");
    QCOMPARE(m_printer.images.size(), 1);
}

// A figure on screen belongs to what is on screen: a design changed without
// CALCOLA is not simulated, results whose options changed are dimmed and
// neither saved nor printed, and a refused save changes no option.
void VerifyWindow::staleFiguresAreNeverUsed_data() {
    QTest::addColumn<QString>("change");  // "design" in the opener, else an option field of the window
    QTest::addColumn<QString>("typed");
    QTest::newRow("frequency typed without CALCOLA") << "design"
                                                     << "7,1";
    QTest::newRow("reference impedance changed") << "impedenza"
                                                 << "450";
    QTest::newRow("point count changed") << "punti"
                                         << "21";
    QTest::newRow("insulation typed") << "isolamento"
                                      << "0,8";
    QTest::newRow("span changed") << "ampiezza"
                                  << "3";
}

void VerifyWindow::staleFiguresAreNeverUsed() {
    QFETCH(QString, change);
    QFETCH(QString, typed);
    QWidget* dipole = openHalfWave("7,05");
    QWidget* window = verification(dipole);
    QVERIFY(window);
    punti(window, "41");
    simulate(window);
    const QString resonance = textOf(window, "risonanza1");
    QVERIFY(!resonance.isEmpty());
    QWidget* edited = change == "design" ? dipole : window;
    fill(edited, {change == "design" ? "Text1" : change}, {typed});
    QVERIFY(waitUntil([window] {
        return textOf(window, "messaggio").contains("SIMULA") ||
               textOf(window, "messaggio").contains("CALCOLA");
    }));
    QCOMPARE(textOf(window, "risonanza1"), resonance);  // still there, dimmed
    fileDialogs().saveName = m_scratch.filePath(change + ".csv");
    click(window, "salvaCsv");
    click(window, "salvaNec");
    click(window, "stampa");
    QVERIFY(!QFile::exists(fileDialogs().saveName));
    QCOMPARE(m_printer.images.size(), 0);
    if (change == "design") {
        QVERIFY(!control<QWidget>(window, "simula")->isEnabled());
        QVERIFY(!control<QAction>(dipole, "verifica")->isEnabled());
        click(dipole, "Command2");  // the new design goes to the window
        QVERIFY(waitUntil([window] { return textOf(window, "finestra").endsWith("20,07 m, 7,1 MHz"); }));
        QVERIFY(control<QWidget>(window, "simula")->isEnabled());
        QCOMPARE(textOf(window, "risonanza1"), "");
        return;
    }
    // A value that does not read refuses the deck and leaves the options alone.
    fill(window, {"impedenza"}, {"0"});
    click(window, "salvaNec");
    fill(window, {"impedenza"}, {"50"});
    simulate(window);
    click(window, "salvaCsv");
    QFile rows(fileDialogs().saveName);
    QVERIFY(rows.open(QIODevice::ReadOnly));
    QVERIFY(!rows.readAll().contains("inf"));
}

// ANNULLA or an engine failure in a correction's final sweep leaves the
// window as it was: figures, corrected labels, plot and exports. A fault
// about an option keeps its own message.
void VerifyWindow::aRunThatDoesNotEndWellChangesNothing_data() {
    QTest::addColumn<bool>("correctedBefore");
    QTest::addColumn<QString>("ending");  // "cancel", "fail", or a point count typed
    QTest::newRow("first correction cancelled in its final sweep") << false << "cancel";
    QTest::newRow("second correction failing in its final sweep") << true << "fail";
    QTest::newRow("a point count that does not read") << false << "1";
}

void VerifyWindow::aRunThatDoesNotEndWellChangesNothing() {
    QFETCH(bool, correctedBefore);
    QFETCH(QString, ending);
    const QString real = QStandardPaths::findExecutable("nec2c");
    if (real.isEmpty()) QSKIP("nec2c is not installed");
    QWidget* window = verification(openHalfWave("7,05"));
    QVERIFY(window);
    punti(window, "41");
    simulate(window);
    if (correctedBefore) {
        click(window, "correggi");
        QVERIFY(waitUntil([window] { return !window->property("running").toBool(); }, 120000));
        QVERIFY(!textOf(window, "corretto1").isEmpty());
    }
    const auto exports = [&](const QString& name) {
        QByteArray texts;
        for (const char* button : {"salvaCsv", "salvaNec"}) {
            fileDialogs().saveName = m_scratch.filePath(name + button);
            click(window, button);
            QFile file(fileDialogs().saveName);
            texts += file.open(QIODevice::ReadOnly) ? file.readAll() : "(none)";
        }
        return texts;
    };
    const QStringList labels = {"risonanza1", "corretto1", "corretto2", "consiglio1"};
    QStringList before;
    for (const QString& label : labels) before << textOf(window, label);
    const QImage plot = control<QWidget>(window, "grafico")->grab().toImage();
    const QByteArray saved = exports("before");
    QTemporaryDir bin;
    QFile::link(real, bin.filePath("nec2c.real"));
    writeFakeEngine(bin.path(), "grep -q '^FR 0 5 ' deck.nec || { touch '" +
                                    QFile::encodeName(m_scratch.filePath("hung")) + "'; " +
                                    (ending == "cancel" ? "exec /bin/sleep 30" : "exit 3") + "; }\n" +
                                    "exec \"$(dirname \"$0\")/nec2c.real\" \"$@\"");
    qputenv("PATH", QFile::encodeName(bin.path()) + ":/usr/bin:/bin");
    if (ending != "cancel" && ending != "fail") punti(window, ending);
    click(window, "correggi");
    if (ending == "cancel") {
        QVERIFY(waitUntil([this] { return QFile::exists(m_scratch.filePath("hung")); }, 60000));
        click(window, "annulla");
    }
    QVERIFY(waitUntil([window] { return !window->property("running").toBool(); }, 120000));
    if (ending == "1") {
        QCOMPARE(textOf(window, "messaggio"),
                 "I punti per banda devono essere un numero intero da 2 a 1000.");
        return;
    }
    QStringList after;
    for (const QString& label : labels) after << textOf(window, label);
    QCOMPARE(after, before);
    QVERIFY(control<QWidget>(window, "grafico")->grab().toImage() == plot);
    QCOMPARE(exports("after"), saved);
    QFile::remove(m_scratch.filePath("hung"));
}

// SIMULA refuses an installation's field that does not read, naming it, or
// that is out of range, and brings its page and the field up.
void VerifyWindow::anInstallationFieldThatDoesNotReadIsShown_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("caption");
    QTest::newRow("insulation") << "isolamento"
                                << "ISOLAMENTO mm";
    QTest::newRow("span") << "ampiezza"
                          << "AMPIEZZA ± %";
    QTest::newRow("centre") << "centro"
                            << "CENTRO MHz";
    QTest::newRow("span of 60 %") << "ampiezza"
                                  << "60";
}

void VerifyWindow::anInstallationFieldThatDoesNotReadIsShown() {
    QFETCH(QString, field);
    QFETCH(QString, caption);
    QWidget* window = verification(openHalfWave("7,05"));
    QVERIFY(window);
    // A caption stands for a text that does not read, a figure for one out of range.
    const bool figure = caption.front().isDigit();
    fill(window, {field}, {figure ? caption : ","});
    click(window, "simula");
    if (!figure) QCOMPARE(textOf(window, "messaggio"), "Il valore di \"" + caption + "\" non è un numero.");
    QCOMPARE(control<QTabWidget>(window, "pagine")->currentWidget(), control<QWidget>(window, "impianto"));
    QCOMPARE(window->focusWidget(), control<QWidget>(window, field));
}

// The pattern is computed when its page opens, for the results on display;
// stale results give no pattern export and no height study.
void VerifyWindow::patternPageFollowsTheResults() {
    if (QStandardPaths::findExecutable("nec2c").isEmpty()) QSKIP("nec2c is not installed");
    QWidget* window = verification(openHalfWave("7,05"));
    QVERIFY(window);
    auto* ground = control<QComboBox>(window, "suolo");
    ground->setCurrentIndex(ground->findData(int(nec::Ground::average)));
    fill(window, {"altezza", "punti"}, {"20", "5"});
    auto* pages = control<QTabWidget>(window, "pagine");
    pages->setCurrentWidget(control<QWidget>(window, "diagramma"));
    QVERIFY(textOf(window, "messaggio").contains("SIMULA"));
    simulate(window);  // the pattern follows the run
    QVERIFY(waitUntil([window] { return !textOf(window, "guadagno1").isEmpty(); }, 60000));
    QCOMPARE(textOf(window, "guadagno1"), "7,2 dBi");
    QCOMPARE(textOf(window, "angolo1"), "30°");
    const QString csv = m_scratch.filePath("diagramma.csv");
    fileDialogs().saveName = csv;
    click(window, "salvaDiagramma");
    QFile saved(csv);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll().count('\n'), 1 + 181 + 72);
    fill(window, {"punti"}, {"7"});
    fileDialogs().saveName = m_scratch.filePath("vecchio.csv");
    click(window, "salvaDiagramma");
    click(window, "studioAltezza");
    QVERIFY(!window->property("running").toBool());
    QVERIFY(!QFile::exists(fileDialogs().saveName));
    fill(window, {"punti"}, {"5"});  // the options of the results again
    click(window, "studioAltezza");
    QVERIFY(waitUntil([pages] { return pages->currentWidget()->objectName() == "altezze"; }, 60000));
    auto* table = control<QTableWidget>(window, "tabellaAltezze");
    QCOMPARE(table->rowCount(), nec::heightStudySteps);
    fill(window, {"punti"}, {"7"});  // the study dims with the rest
    QVERIFY(table->item(0, 2)->foreground().color().alpha() < 255);
    fill(window, {"punti"}, {"5"});
    click(window, "stampa");
    QCOMPARE(m_printer.images.size(), 1);
    QVERIFY(m_printer.images[0].height() > 4 * 200);  // SWR, Smith, pattern and height pages
    const std::vector<std::string>& lines = m_printer.reports.at(0);
    QVERIFY(std::find(lines.begin(), lines.end(), "DIAGRAMMA  DI  RADIAZIONE") != lines.end());
    QVERIFY(std::find(lines.begin(), lines.end(), "ALTEZZA") != lines.end());
}

// At 10 m over average ground both bands of the two-band example lobe near
// the zenith: the note names both and stands whole, the azimuth plot shows
// the cut at 30 degrees. Changed options dim the curves and the note, and the
// pattern's buttons refuse with a beep even where the message already stands.
void VerifyWindow::highLobesOfEveryBand_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("note");  // how it begins
    QTest::addColumn<QString>("azimuth");
    QTest::newRow("Italian") << false << QStringList{"35", "6,4", "7,055", "3,650"}
                             << "7,055 MHz e 3,65 MHz: Irradia"
                             << "AZIMUT A 30°";
    QTest::newRow("English") << true << QStringList{"35", "6.4", "7.055", "3.650"}
                             << "7.055 MHz and 3.65 MHz: Radiates"
                             << "AZIMUTH AT 30°";
}

void VerifyWindow::highLobesOfEveryBand() {
    QFETCH(bool, english);
    QFETCH(QStringList, typed);
    QFETCH(QString, note);
    QFETCH(QString, azimuth);
    if (QStandardPaths::findExecutable("nec2c").isEmpty()) QSKIP("nec2c is not installed");
    if (english) {
        stopProgram();
        startProgram(m_beep, m_printer, 0.01, Language::english);
    }
    QWidget* designer = Registry::current().show("frmDIPOLOMULTIBANDA");
    for (const char* option : {"Option1", "Option5"}) click(designer, option);
    fill(designer, {"Text1", "Text3", "Text5", "Text6"}, typed);
    click(designer, "Command2");
    QWidget* window = verification(designer);
    QVERIFY(window);
    auto* ground = control<QComboBox>(window, "suolo");
    ground->setCurrentIndex(ground->findData(int(nec::Ground::average)));
    fill(window, {"altezza", "punti"}, {"10", "5"});
    control<QTabWidget>(window, "pagine")->setCurrentWidget(control<QWidget>(window, "diagramma"));
    simulate(window);
    QVERIFY(waitUntil([window] { return !textOf(window, "guadagno2").isEmpty(); }, 120000));
    auto* nota = control<QLabel>(window, "nota");
    QVERIFY2(nota->text().startsWith(note), qPrintable(nota->text()));
    QWidget* page = control<QWidget>(window, "diagramma");
    QVERIFY(page->property("noteWhole").toBool());
    QCOMPARE(page->property("titles").toStringList().value(1), azimuth);
    QVERIFY(!page->property("curvesDimmed").toBool());
    const int beeps = m_beep.count;
    fill(window, {"punti"}, {"7"});
    QVERIFY(page->property("curvesDimmed").toBool());
    QVERIFY(nota->palette().color(QPalette::WindowText).alpha() < 255);
    click(window, "studioAltezza");
    click(window, "salvaDiagramma");
    QCOMPARE(m_beep.count, beeps + 2);
    QVERIFY(!window->property("running").toBool());
}

// "Stampa" prints a report: the design, every option and the results, in
// lines that fit the page, with the plots under them; "PDF…" saves the same
// report, which pdftotext reads back.
void VerifyWindow::printsAReport_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("expected");  // what the report holds
    QTest::newRow("Italian") << false
                             << QStringList{"ZELIRO  -  VERIFICA  CON  SIMULAZIONE  NEC-2\n",
                                            "): orizzontale, lunghezza totale 20,21 m, 7,05 MHz\n",
                                            "\nimpedenza di riferimento 50 ohm\n",
                                            "\nfilo 2 mm, Spazio libero",
                                            "\nRisonanza MHz",
                                            "\nConsiglio 1: "};
    QTest::newRow("English") << true
                             << QStringList{"ZELIRO  -  VERIFICATION  BY  NEC-2  SIMULATION\n",
                                            "): horizontal, total length 20.21 m, 7.05 MHz\n",
                                            "\nreference impedance 50 ohm\n",
                                            "\nwire 2 mm, Free space",
                                            "\nResonance MHz",
                                            "\nAdvice 1: "};
}

void VerifyWindow::printsAReport() {
    QFETCH(bool, english);
    QFETCH(QStringList, expected);
    if (QStandardPaths::findExecutable("nec2c").isEmpty()) QSKIP("nec2c is not installed");
    if (english) {
        stopProgram();
        startProgram(m_beep, m_printer, 0.01, Language::english);
    }
    QWidget* window = verification(openHalfWave(english ? "7.05" : "7,05"));
    QVERIFY(window);
    punti(window, "11");
    simulate(window);
    click(window, "stampa");
    QCOMPARE(m_printer.reports.size(), 1u);
    QString text;
    for (const std::string& line : m_printer.reports[0]) {
        text += QString::fromStdString(line) + '\n';
        QVERIFY2(QString::fromStdString(line).size() <= 84, line.c_str());
    }
    for (const QString& part : expected) QVERIFY2(text.contains(part), qPrintable(part + "\n" + text));
    QVERIFY(text.contains(textOf(window, "risonanza1")));
    QVERIFY(m_printer.images.at(0).height() > 2 * 200);  // the SWR and Smith pages
    click(window, "salvaPdf");
    auto* dialog = window->findChild<QFileDialog*>("salvapdf");
    QVERIFY(dialog);
    const QString file = m_scratch.filePath(english ? "report-en.pdf" : "report-it.pdf");
    dialog->selectFile(file);
    static_cast<QDialog*>(dialog)->accept();
    QVERIFY(waitUntil([&] { return QFileInfo(file).size() > 0; }));
    QProcess reader;
    reader.start("pdftotext", {file, "-"});
    QVERIFY(reader.waitForFinished(30000));
    const QString read = QString::fromUtf8(reader.readAllStandardOutput());
    QVERIFY2(read.contains(textOf(window, "risonanza1")) && read.contains(expected[3].mid(1, 8)),
             qPrintable(read));
}

// "LEGGIMI" opens the verification's read-me, one copy, in the program's language.
void VerifyWindow::readMeInBothLanguages_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("words");  // each command and option explained
    QTest::newRow("Italian") << false << "VERIFICA  CON  SIMULAZIONE"
                             << QStringList{"\nSIMULA:",          "\nCORREGGI:", "\nDIAGRAMMA:", "\nSMITH:",
                                            "\nALTEZZA IDEALE?:", "\nSUOLO:",    "\nI LIMITI"};
    QTest::newRow("English") << true << "VERIFICATION  BY  SIMULATION"
                             << QStringList{"\nSIMULATE:",     "\nCORRECT:", "\nPATTERN:",  "\nSMITH:",
                                            "\nBEST HEIGHT?:", "\nGROUND:",  "\nTHE LIMITS"};
}

void VerifyWindow::readMeInBothLanguages() {
    QFETCH(bool, english);
    QFETCH(QString, title);
    QFETCH(QStringList, words);
    if (english) {
        stopProgram();
        startProgram(m_beep, m_printer, 0.01, Language::english);
    }
    QWidget* window = verification(openHalfWave(english ? "7.05" : "7,05"));
    QVERIFY(window);
    click(window, "leggimi");
    click(window, "leggimi");
    QWidgetList shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmLEGGIMIverifica" && w->isVisible()) shown << w;
    QCOMPARE(shown.size(), 1);
    QCOMPARE(textOf(shown[0], "Label1"), title);
    const QString text = shown[0]->findChild<QPlainTextEdit*>("Text1")->toPlainText();
    for (const QString& word : words) QVERIFY2(text.contains(word), qPrintable(word));
}

// The Smith page holds the model's curve at the window's reference, marked at
// the design frequency and the resonance; it is printed under the window
// from any page, and fades when the options change.
void VerifyWindow::smithPageFollowsTheResults() {
    if (QStandardPaths::findExecutable("nec2c").isEmpty()) QSKIP("nec2c is not installed");
    QWidget* window = verification(openHalfWave("7,05"));
    QVERIFY(window);
    punti(window, "11");
    simulate(window);
    QWidget* chart = control<QWidget>(window, "cartaSmith");
    QCOMPARE(chart->property("curves").toStringList(), QStringList{"modello"});
    QCOMPARE(chart->property("points").toInt(), 11);
    // Below its resonance (7,2 MHz) the dipole is capacitive: under the
    // horizontal axis. At the resonance, about 72 ohms: on the axis, inside the 2:1 circle.
    QVariantMap marks = chart->property("marks").toMap();
    QVERIFY2(marks.value("progetto1").toPointF().y() < -0.1,
             qPrintable(QString::number(marks.value("progetto1").toPointF().y())));
    const QPointF resonance = marks.value("risonanza1").toPointF();
    QVERIFY2(qAbs(resonance.y()) < 1e-9 && resonance.x() > 0.1 && resonance.x() < 1 / 3.0,
             qPrintable(QString("%1 %2").arg(resonance.x()).arg(resonance.y())));
    QVERIFY(control<QWidget>(window, "resistenzaReattanza1"));
    auto* pages = control<QTabWidget>(window, "pagine");
    pages->setCurrentWidget(control<QWidget>(window, "smith"));
    click(window, "stampa");
    QCOMPARE(m_printer.images.size(), 1);
    QVERIFY(m_printer.images[0].height() > 2 * 200);  // the SWR and Smith pages
    fill(window, {"impedenza"}, {"75"});
    QVERIFY(chart->property("stale").toBool());
    QVERIFY(control<QWidget>(window, "grafico")->property("stale").toBool());
    marks = chart->property("marks").toMap();
    QVERIFY(qAbs(marks.value("risonanza1").toPointF().x()) < 0.05);  // 72 ohms against 75
}

void VerifyWindow::measuredSweepBesideTheModel() {
    QWidget* window = verification(openHalfWave("7,05"));
    QVERIFY(window);
    // Before any simulation, then beside it.
    const QString good = m_scratch.filePath("dipolo.s1p");
    std::ofstream out(QFile::encodeName(good).toStdString());
    writeDipoleTouchstone(out, DipoleModel{}, 6.7, 7.5, 401);
    out.close();
    fileDialogs().openName = good;
    click(window, "caricaMisura");
    QVERIFY2(textOf(window, "misura1").contains("X = 0 a 7,099 MHz"), qPrintable(textOf(window, "misura1")));
    simulate(window);
    const QString beside = textOf(window, "misura1");
    QVERIFY2(beside.contains("modello - misura +"), qPrintable(beside));
    // A file that does not read changes nothing but the message, which names its line.
    const QString bad = m_scratch.filePath("rotta.csv");
    std::ofstream(QFile::encodeName(bad).toStdString()) << "Frequency (Hz),SWR\n7000000,1.5\n6990000,1.4\n";
    fileDialogs().openName = bad;
    click(window, "caricaMisura");
    QVERIFY2(textOf(window, "messaggio").contains("3"), qPrintable(textOf(window, "messaggio")));
    QCOMPARE(textOf(window, "misura1"), beside);
    QVERIFY(!textOf(window, "risonanza1").isEmpty());
}

// In English the model's and the measured file's messages are English too,
// with the figures the file gives.
void VerifyWindow::messagesInEnglish() {
    stopProgram();
    startProgram(m_beep, m_printer, 0.01, Language::english);
    QWidget* window = verification(openHalfWave("7.05"));
    QVERIFY(window);
    fill(window, {"diametroFilo"}, {"500"});
    click(window, "simula");
    QCOMPARE(textOf(window, "messaggio"),
             "The wire is too thick for this frequency: at 7.47 MHz the model takes a "
             "diameter of up to 200.58 mm; this wire, frequencies of up to 2.99 MHz.");
    const QString bad = m_scratch.filePath("broken.csv");
    std::ofstream(QFile::encodeName(bad).toStdString()) << "Frequency,SWR\n7.1,1.5\n7.05,1.4\n";
    fileDialogs().openName = bad;
    click(window, "caricaMisura");
    QCOMPARE(textOf(window, "messaggio"),
             "Line 3: the frequency 7.05 does not rise after 7.1: the frequencies must go up.");
}

void VerifyWindow::trimmingTakesTheMeasuredMinimum_data() {
    QTest::addColumn<QString>("wanted");    // Text1
    QTest::addColumn<QString>("file");      // written by the test
    QTest::addColumn<QString>("measured");  // Text2 afterwards
    QTest::newRow("dip nearest 7,05 MHz") << "7,05"
                                          << "dipolo.csv"
                                          << "7,099";  // X = 0 of the noisy sample
    QTest::newRow("no wanted frequency: a message, nothing filled") << ""
                                                                    << "dipolo.s1p"
                                                                    << "6,9";
    QTest::newRow("a file that does not read changes nothing") << "7,05"
                                                               << "rotta.csv"
                                                               << "6,9";
    // Measured at the shack end of 10 m of RG-58, with that cable chosen: the same dip.
    QTest::newRow("through 10 m of RG-58") << "7,05"
                                           << "cavo.csv"
                                           << "7,099";
}

void VerifyWindow::trimmingTakesTheMeasuredMinimum() {
    QFETCH(QString, wanted);
    QFETCH(QString, file);
    QFETCH(QString, measured);
    const QString path = m_scratch.filePath(file);
    {
        std::ofstream out(QFile::encodeName(path).toStdString());
        if (file == "dipolo.csv") writeDipoleCsv(out, DipoleModel{}, 6.8, 7.4, 201);
        if (file == "dipolo.s1p") writeDipoleTouchstone(out, DipoleModel{}, 6.8, 7.4, 201);
        if (file == "rotta.csv") out << "7000000,1.5\n7100000,abc\n";
        if (file == "cavo.csv") {
            out << "Frequency (Hz),R,X\n";
            measureDipole(DipoleModel{}, 6.8, 7.4, 201, [&out](const MeasuredValues& v) {
                const auto z =
                    nec::atShackEnd({*nec::findCable("RG-58"), 10}, v.frequencyHz / 1e6, v.impedance);
                out << numberText(v.frequencyHz) << ',' << numberText(z.real()) << ',' << numberText(z.imag())
                    << '\n';
            });
        }
    }
    QWidget* trimming = Registry::current().show("frmTARATURA");
    if (file == "cavo.csv") {
        triggerMenu(trimming, "cavo");
        auto* dialog = trimming->findChild<QDialog*>("frmCAVO");
        QVERIFY(dialog);
        auto* cable = control<QComboBox>(dialog, "cavo");
        cable->setCurrentIndex(cable->findText("RG-58"));
        control<QLineEdit>(dialog, "lunghezzaCavo")->setText("10");
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
    click(trimming, "Option1");
    type(trimming, "Text1", wanted);
    type(trimming, "Text2", "6,9");
    fileDialogs().openName = path;
    // The message about a file that does not read, or a sweep with no dip
    // near the wanted frequency, is answered at once.
    const auto asked = std::make_shared<bool>(false);
    QTimer::singleShot(200, [asked] {
        if (QWidget* message = QApplication::activeModalWidget()) *asked = true, message->close();
    });
    triggerMenu(trimming, "damisura");
    QTest::qWait(300);  // the timer fires within its own row, message or not
    QCOMPARE(textOf(trimming, "Text2"), measured);
    QCOMPARE(*asked, measured == "6,9");  // nothing filled, never in silence
    if (wanted.isEmpty()) return;
    // CALCOLA gives the verdict that typing the same figure gives.
    const QStringList verdict = {"Label5", "Label7", "Label6", "Label4"};
    click(trimming, "Command2");
    QStringList fromFile;
    for (const QString& label : verdict)
        fromFile << textOf(trimming, label) + (shown(trimming, label) ? "+" : "-");
    click(trimming, "Command3");
    click(trimming, "Option1");
    type(trimming, "Text1", wanted);
    type(trimming, "Text2", measured);
    click(trimming, "Command2");
    QStringList typed;
    for (const QString& label : verdict)
        typed << textOf(trimming, label) + (shown(trimming, label) ? "+" : "-");
    QCOMPARE(fromFile, typed);
}

ZELIRO_TEST_MAIN(VerifyWindow)
#include "test_verify.moc"
