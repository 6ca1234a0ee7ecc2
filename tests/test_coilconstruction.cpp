// The coil construction window, reached from the loading-coil window and
// driven as a user drives it, and its calculation and data report on their own.
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>

#include "core/coilconstruction.h"
#include "frame/Registry.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

namespace {

// The fields in the order they stand on the screen.
const QStringList fields = {"Text3", "Text5", "Text2", "Text1"};

}  // namespace

class CoilConstruction : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showsTheInductance_data();
    void showsTheInductance();
    void enterInAnyFieldCalculates_data();
    void enterInAnyFieldCalculates();
    void silentEnds_data();
    void silentEnds();
    void windingTooShortWarns_data();
    void windingTooShortWarns();
    void zeroWindingWithoutTurnsShowsNoValue_data();
    void zeroWindingWithoutTurnsShowsNoValue();
    void pastedNegativeFigureShowsNoValue_data();
    void pastedNegativeFigureShowsNoValue();
    void resettaEmptiesFieldsAndResultOnly();

    void controlsAndLook();
    void tabOrderAndFocus();
    void menuBarOpensItsWindows();
    void chiudiBringsTheLoadingCoilBack();

    void reportOfTheWindow();

private:
    // Types radius, winding, wire and turns (mm, mm, mm, turns).
    void fill(const QString& radius, const QString& winding, const QString& wire, const QString& turns);
    RecordingBeep m_beep;
    RecordingPrinter m_printer;
    QWidget* m_window = nullptr;
};

void CoilConstruction::init() {
    startProgram(m_beep, m_printer);
    Registry::current().variables<CoilConstructionVariables>() = {};
    click(window("frmSplash"), "Command1");
    click(window("frmMENU"), "Command1");
    click(window("frmCALCOLOBOBINA"), "Command3");
    m_window = window("frmCOSTRUZIONEBOBINA");
    QVERIFY(m_window);
}

void CoilConstruction::cleanup() { stopProgram(); }

void CoilConstruction::fill(const QString& radius, const QString& winding, const QString& wire,
                            const QString& turns) {
    test::fill(m_window, {"Text1", "Text2", "Text3", "Text5"}, {radius, winding, wire, turns});
}

void CoilConstruction::showsTheInductance_data() {
    QTest::addColumn<QStringList>("typed");  // radius, winding, wire, turns
    QTest::addColumn<QString>("inductance");
    QTest::newRow("20 turns filling 20 mm exactly") << QStringList{"10", "20", "1", "20"} << "5,24";
    QTest::newRow("35 mm radius, 25 turns") << QStringList{"35", "40", "1,5", "25"} << "41,76";
    QTest::newRow("truncated, not rounded") << QStringList{"15", "30", "0,8", "30"} << "18,01";
    QTest::newRow("short winding") << QStringList{"20", "10", "1", "10"} << "5,69";
    QTest::newRow("25 turns of 1,2 mm fill 30 mm") << QStringList{"10", "30", "1,2", "25"} << "6,09";
    QTest::newRow("single-precision sums") << QStringList{"21", "41", "0,5", "55"} << "87,21";
    QTest::newRow("single-precision logarithm argument") << QStringList{"30", "77", "0,8", "55"} << "102,39";
    QTest::newRow("field values in single precision") << QStringList{"43", "35", "0,8", "39"} << "152,21";
    QTest::newRow("centimetres in single precision") << QStringList{"37", "80", "1,5", "31"} << "45,2";
    QTest::newRow("no radius") << QStringList{"0", "20", "1", "20"} << "0";
    QTest::newRow("no turns") << QStringList{"10", "20", "1", "0"} << "0";
}

void CoilConstruction::showsTheInductance() {
    QFETCH(QStringList, typed);
    QFETCH(QString, inductance);
    fill(typed[0], typed[1], typed[2], typed[3]);
    click(m_window, "Command2");
    QCOMPARE(textOf(m_window, "Label19"), inductance);
    QCOMPARE(textOf(m_window, "Text1"), typed[0]);
    QCOMPARE(textOf(m_window, "Text2"), typed[1]);
    QCOMPARE(m_beep.count, 0);
    QVERIFY(!shown(m_window, "Label21"));
}

void CoilConstruction::enterInAnyFieldCalculates_data() {
    QTest::addColumn<QString>("field");
    for (const QString& field : fields) QTest::newRow(qPrintable("Return in " + field)) << field;
}

void CoilConstruction::enterInAnyFieldCalculates() {
    QFETCH(QString, field);
    fill("10", "20", "1", "20");
    QTest::keyClick(control(m_window, field), Qt::Key_Return);
    QCOMPARE(textOf(m_window, "Label19"), "5,24");
    QCOMPARE(m_beep.count, 0);
    // A warning started by Enter runs as one started by a click.
    control<QLineEdit>(m_window, "Text5")->setText("21");
    QTest::keyClick(control(m_window, field), Qt::Key_Enter);
    QCOMPARE(m_beep.count, 1);
    QVERIFY(shown(m_window, "Label21"));
}

void CoilConstruction::silentEnds_data() {
    QTest::addColumn<QStringList>("texts");  // radius, winding, wire, turns
    QTest::newRow("all four empty") << QStringList{"", "", "", ""};
    QTest::newRow("turns empty") << QStringList{"10", "20", "1", ""};
    QTest::newRow("radius empty") << QStringList{"", "20", "1", "20"};
    QTest::newRow("winding empty") << QStringList{"10", "", "1", "20"};
    QTest::newRow("wire empty") << QStringList{"10", "20", "", "20"};
    QTest::newRow("turns a lone comma") << QStringList{"10", "20", "1", ","};
    QTest::newRow("radius a lone comma") << QStringList{",", "20", "1", "20"};
    QTest::newRow("winding a lone comma") << QStringList{"10", ",", "1", "20"};
    QTest::newRow("wire a lone comma") << QStringList{"10", "20", ",", "20"};
    QTest::newRow("pasted letters") << QStringList{"10", "20", "1", "venti"};
}

// Nothing happens, not even a beep; the last result and the variables stay.
void CoilConstruction::silentEnds() {
    QFETCH(QStringList, texts);
    fill("35", "40", "1,5", "25");
    click(m_window, "Command2");
    QCOMPARE(textOf(m_window, "Label19"), "41,76");
    const CoilConstructionVariables before = Registry::current().variables<CoilConstructionVariables>();

    const char* names[] = {"Text1", "Text2", "Text3", "Text5"};
    for (int i = 0; i < 4; ++i) control<QLineEdit>(m_window, names[i])->setText(texts[i]);
    click(m_window, "Command2");
    QCOMPARE(textOf(m_window, "Label19"), "41,76");
    for (int i = 0; i < 4; ++i) QCOMPARE(textOf(m_window, names[i]), texts[i]);
    QCOMPARE(m_beep.count, 0);
    QVERIFY(!shown(m_window, "Label21"));
    const CoilConstructionVariables& after = Registry::current().variables<CoilConstructionVariables>();
    QCOMPARE(after.turns, before.turns);
    QCOMPARE(after.meanRadius, before.meanRadius);
    QCOMPARE(after.correctionLog, before.correctionLog);
}

void CoilConstruction::windingTooShortWarns_data() {
    QTest::addColumn<QStringList>("typed");  // radius, winding, wire, turns
    QTest::newRow("21 turns of 1 mm in 20 mm") << QStringList{"10", "20", "1", "21"};
    QTest::newRow("no winding length") << QStringList{"10", "0", "1", "10"};
    QTest::newRow("26 turns of 1,2 mm in 30 mm") << QStringList{"10", "30", "1,2", "26"};
    QTest::newRow("19,9 mm for 20 turns of 1 mm") << QStringList{"10", "19,9", "1", "20"};
}

// errore2: beep; winding length and result emptied at once, so that no value
// is seen; the warning for its wait, then hidden, nothing more emptied.
void CoilConstruction::windingTooShortWarns() {
    QFETCH(QStringList, typed);
    fill("35", "40", "1,5", "25");
    click(m_window, "Command2");
    fill(typed[0], typed[1], typed[2], typed[3]);
    click(m_window, "Command2");
    QCOMPARE(m_beep.count, 1);
    QVERIFY(shown(m_window, "Label21"));
    QCOMPARE(textOf(m_window, "Label21"), "LUNGHEZZA  AVVOLGIMENTO ERRATA");
    QCOMPARE(textOf(m_window, "Text2"), QString());
    QCOMPARE(textOf(m_window, "Label19"), QString());
    QCOMPARE(textOf(m_window, "Text1"), typed[0]);
    QCOMPARE(textOf(m_window, "Text3"), typed[2]);
    QCOMPARE(textOf(m_window, "Text5"), typed[3]);

    QVERIFY(waitUntil([&] { return !shown(m_window, "Label21"); }));
    QCOMPARE(textOf(m_window, "Text1"), typed[0]);
    QCOMPARE(textOf(m_window, "Text3"), typed[2]);
    QCOMPARE(textOf(m_window, "Text5"), typed[3]);
    QCOMPARE(textOf(m_window, "Label19"), QString());
    QCOMPARE(m_beep.count, 1);
}

void CoilConstruction::zeroWindingWithoutTurnsShowsNoValue_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::newRow("wire 0") << QStringList{"10", "0", "0", "10"};
    QTest::newRow("turns 0") << QStringList{"10", "0", "1", "0"};
    QTest::newRow("everything 0") << QStringList{"0", "0", "0", "0"};
}

// The correction factor cannot be formed without a winding length: no value,
// rather than one made with the previous calculation's factor.
void CoilConstruction::zeroWindingWithoutTurnsShowsNoValue() {
    QFETCH(QStringList, typed);
    fill("35", "40", "1,5", "25");
    click(m_window, "Command2");
    QCOMPARE(textOf(m_window, "Label19"), "41,76");
    fill(typed[0], typed[1], typed[2], typed[3]);
    click(m_window, "Command2");
    QCOMPARE(textOf(m_window, "Label19"), QString());
    QCOMPARE(textOf(m_window, "Text2"), "0");
    QCOMPARE(m_beep.count, 0);
    QVERIFY(!shown(m_window, "Label21"));
}

void CoilConstruction::pastedNegativeFigureShowsNoValue_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::newRow("radius") << "Text1"
                            << "-50";
    QTest::newRow("winding") << "Text2"
                             << "-20";
    QTest::newRow("wire") << "Text3"
                          << "-1";
    QTest::newRow("turns") << "Text5"
                           << "-20";
}

// A sign comes only by pasting; no coil is made of negative figures.
void CoilConstruction::pastedNegativeFigureShowsNoValue() {
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    fill("10", "20", "1", "20");
    click(m_window, "Command2");
    QCOMPARE(textOf(m_window, "Label19"), "5,24");
    control<QLineEdit>(m_window, field)->setText(pasted);
    click(m_window, "Command2");
    QCOMPARE(textOf(m_window, "Label19"), QString());
    QCOMPARE(m_beep.count, 0);
    QVERIFY(!shown(m_window, "Label21"));
}

void CoilConstruction::resettaEmptiesFieldsAndResultOnly() {
    fill("10", "20", "1", "20");
    click(m_window, "Command2");
    const CoilConstructionVariables before = Registry::current().variables<CoilConstructionVariables>();
    click(m_window, "Command3");
    for (const QString& name : fields) QCOMPARE(textOf(m_window, name), QString());
    QCOMPARE(textOf(m_window, "Label19"), QString());
    QCOMPARE(textOf(m_window, "Label14"), "VALORE    MICROHENRY");
    QCOMPARE(m_beep.count, 0);
    const CoilConstructionVariables& after = Registry::current().variables<CoilConstructionVariables>();
    QCOMPARE(after.turns, before.turns);
    QCOMPARE(after.windingLengthMm, before.windingLengthMm);
    QCOMPARE(after.correctionLog, before.correctionLog);
}

void CoilConstruction::controlsAndLook() {
    QCOMPARE(m_window->windowTitle(), "COSTRUZIONE  BOBINA" + QString(53, ' ') + "by" + QString(4, ' ') +
                                          "TAVRON" + QString(64, ' ') + "rev.1.06");
    const std::pair<const char*, QString> texts[] = {
        {"Label1", "COSTRUZIONE    DELLA   BOBINA"},
        {"Label9", "RAGGIO  MEDIO" + QString(16, ' ') + "(A) mm"},
        {"Label10", "LUNG.  AVVOLGIMENTO    (B) mm"},
        {"Label11", "DIAMETRO  FILO" + QString(20, ' ') + "mm"},
        {"Label13", "NUMERO   SPIRE"},
        {"Label14", "VALORE    MICROHENRY"},
        {"Label12",
         "Per un buon rendimento, occorre che la lunghezza dell'avvolgimento sia all'incirca uguale al "
         "diametro"},
        {"Label17", "Separare  le decine dalle unità"},
        {"Label18", "con  la  virgola"},
        {"Label24", "Per selezionare usa TAB o il MOUSE"},
        {"Label21", "LUNGHEZZA  AVVOLGIMENTO ERRATA"},
        {"Label2", "A="},
        {"Label3", "RAGGIO   MEDIO"},
        {"Label4", "B="},
        {"Label5", "LUNGHEZZA AVVOLGIMENTO"},
        {"Label6", "BOBINA  SEZIONATA"},
        {"Command2", "CALCOLA"},
        {"Command3", "RESETTA"},
        {"Command1", "CHIUDI"},
        {"Label19", ""},
    };
    for (const auto& [name, text] : texts) QCOMPARE(textOf(m_window, name), text);
    const std::pair<const char*, QString> tooltips[] = {
        {"Text1", "Input dal centro bobina al centro del filo"},
        {"Text2", "Input lunghezza totale delle  spire avvolte"},
        {"Text3", "Input diametro del filo usato per le spire"},
        {"Text5", "Input spire totali avvolte sul supporto"},
        {"Label19", "Visualizza il valore della bobina"},
        {"Label22", "Dal centro supporto al centro del filo"},
        {"Command2", "Completate le caselle di input,calcola il valore della bobina"},
        {"Command3", "Cancella tutte le input & output"},
        {"Command1", "Ritorna al programma CALCOLO BOBINA"},
    };
    for (const auto& [name, tooltip] : tooltips) QCOMPARE(control(m_window, name)->toolTip(), tooltip);
    for (const QString& name : fields) QCOMPARE(textOf(m_window, name), QString());

    QVERIFY(!shown(m_window, "Label21"));
    const QColor red(255, 0, 0);
    const QPalette result = control(m_window, "Label19")->palette();
    QCOMPARE(result.color(QPalette::WindowText), red);
    QCOMPARE(result.color(QPalette::Window), QColor(255, 255, 255));
    const QPalette warning = control(m_window, "Label21")->palette();
    QCOMPARE(warning.color(QPalette::WindowText), red);
    QCOMPARE(warning.color(QPalette::Window), QColor(255, 255, 0));

    for (int i = 1; i <= 18; ++i)
        QVERIFY2(shown(m_window, QString("Shape%1").arg(i)), qPrintable(QString::number(i)));
    for (int i = 1; i <= 6; ++i)
        QVERIFY2(shown(m_window, QString("Line%1").arg(i)), qPrintable(QString::number(i)));
    // The fields one under the other in screen order, captions on their left,
    // on the dark panel.
    int above = -1;
    const QStringList captions = {"Label11", "Label13", "Label10", "Label9"};
    for (int i = 0; i < fields.size(); ++i) {
        const QRect field = control(m_window, fields[i])->geometry();
        const QRect caption = control(m_window, captions[i])->geometry();
        QVERIFY(field.top() > above);
        QVERIFY(caption.right() < field.left());
        QVERIFY(control(m_window, "Label7")->geometry().contains(field));
        above = field.bottom();
    }
    QVERIFY(control(m_window, "Label19")->geometry().top() > above);
}

void CoilConstruction::tabOrderAndFocus() {
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(QApplication::focusWidget(), control(m_window, "Text3"));
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order,
             (QStringList{"Text3", "Text5", "Text2", "Text1", "Command2", "Command3", "Command1", "Text3"}));
}

void CoilConstruction::menuBarOpensItsWindows() {
    const QList<QAction*> items = static_cast<QMainWindow*>(m_window)->menuBar()->actions();
    QCOMPARE(items.last()->objectName(), "fotocostr");
    QCOMPARE(items.last()->text(), "Foto");
    triggerMenu(m_window, "fotocostr");
    QVERIFY(window("frmFOTOcostr"));
    triggerMenu(m_window, "leggimi");
    QVERIFY(window("frmLEGGIMIcostruzione"));
    triggerMenu(m_window, "calcolatrice");
    QVERIFY(window("Calculator"));
    QVERIFY(window("frmCOSTRUZIONEBOBINA"));
}

// Both windows stay open with their values; each button only brings the other
// to the front, and a second request opens no second copy.
void CoilConstruction::chiudiBringsTheLoadingCoilBack() {
    QWidget* loading = window("frmCALCOLOBOBINA");
    type(loading, "Text1", "2");
    fill("10", "20", "1", "20");
    click(m_window, "Command2");
    click(m_window, "Command1");
    QCOMPARE(openWindows(), (QStringList{"frmCALCOLOBOBINA", "frmCOSTRUZIONEBOBINA", "frmMENU"}));
    QCOMPARE(window("frmCALCOLOBOBINA"), loading);
    QCOMPARE(textOf(loading, "Text1"), "2");
    click(loading, "Command3");
    QCOMPARE(window("frmCOSTRUZIONEBOBINA"), m_window);
    QCOMPARE(copiesOf("frmCOSTRUZIONEBOBINA"), 1);
    QCOMPARE(textOf(m_window, "Label19"), "5,24");
    QCOMPARE(textOf(m_window, "Text5"), "20");

    // With the loading-coil window closed, "CHIUDI" opens it afresh.
    loading->close();
    click(m_window, "Command1");
    QVERIFY(window("frmCALCOLOBOBINA"));
    QCOMPARE(textOf(window("frmCALCOLOBOBINA"), "Text1"), QString());
    QCOMPARE(copiesOf("frmCOSTRUZIONEBOBINA"), 1);
}

void CoilConstruction::reportOfTheWindow() {
    fill("15", "30", "0,8", "30,");
    click(m_window, "Command2");
    QCOMPARE(textOf(m_window, "Label19"), "18,01");
    triggerMenu(m_window, "stampasolodati");
    QCOMPARE(m_printer.reports.size(), std::size_t(1));
    QCOMPARE(m_printer.reports[0], coilConstructionReport({"15", "30", "0,8", "30,", "18,01"}));
    triggerMenu(m_window, "stampavideata");
    QCOMPARE(m_printer.images.size(), std::size_t(1));
    QCOMPARE(m_printer.images[0].size(), control(m_window, "client")->size());
}

ZELIRO_TEST_MAIN(CoilConstruction)
#include "test_coilconstruction.moc"
