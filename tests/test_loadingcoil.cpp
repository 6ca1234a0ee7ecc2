// The loading-coil window, driven as a user drives it, and its calculation
// and data report on their own.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/loadingcoil.h"
#include "cupsfixture.h"
#include "frame/Registry.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

namespace {

const QStringList fields = {"Text1", "Text2", "Text3", "Text4"};

}  // namespace

class LoadingCoil : public QObject {
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
    void zeroWireDiameterShowsNoValue();
    void meaninglessFiguresShowNoValue_data();
    void meaninglessFiguresShowNoValue();
    void coilTooFarWarns_data();
    void coilTooFarWarns();
    void noCoilsNeededWarns_data();
    void noCoilsNeededWarns();
    void calcolaDuringAWarning();
    void resettaEmptiesFieldsAndResultOnly();

    void controlsAndLook();
    void tabOrderAndFocus();
    void menuBarOpensItsWindows();
    void menuButtonAndConstructionWindow();
    void valuesSurviveOnlyWhileOpen();

    void reportOfTheWindow();
    void reportPrintedForReal();

private:
    void fill(const QStringList& texts);
    RecordingBeep m_beep;
    RecordingPrinter m_printer;
    QWidget* m_window = nullptr;
};

void LoadingCoil::init() {
    startProgram(m_beep, m_printer);
    Registry::current().variables<LoadingCoilVariables>() = {};
    click(window("frmSplash"), "Command1");
    click(window("frmMENU"), "Command1");
    m_window = window("frmCALCOLOBOBINA");
    QVERIFY(m_window);
}

void LoadingCoil::cleanup() { stopProgram(); }

void LoadingCoil::fill(const QStringList& texts) { test::fill(m_window, fields, texts); }

void LoadingCoil::showsTheInductance_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("inductance");
    QTest::newRow("2 mm, 7,05 MHz, 10 m, 2 m") << QStringList{"2", "7,05", "10", "2"} << "16,26";
    QTest::newRow("coils at the centre, truncated") << QStringList{"2", "7,05", "10", "0"} << "10,38";
    QTest::newRow("1,5 mm, 3,65 MHz, 30 m, 5 m") << QStringList{"1,5", "3,65", "30", "5"} << "12,11";
    QTest::newRow("just shorter than a half wave") << QStringList{"2", "7,05", "20,19", "2"} << "0,04";
    QTest::newRow("coil just inside the arm") << QStringList{"2", "7,05", "10", "4,99"} << "1180,38";
    QTest::newRow("field values in single precision") << QStringList{"0,5", "3,5", "15", "6,6"} << "281,14";
    QTest::newRow("234 / f in single precision") << QStringList{"1", "3,75", "32,5", "13,5"} << "43,06";
    QTest::newRow("trailing comma reads as whole") << QStringList{"2,", "7,05", "10,", "2,"} << "16,26";
}

void LoadingCoil::showsTheInductance() {
    QFETCH(QStringList, typed);
    QFETCH(QString, inductance);
    fill(typed);
    click(m_window, "Command1");
    QCOMPARE(textOf(m_window, "Label9"), inductance);
    for (int i = 0; i < fields.size(); ++i) QCOMPARE(textOf(m_window, fields[i]), typed[i]);
    QCOMPARE(m_beep.count, 0);
    QVERIFY(!shown(m_window, "Label1"));
    QVERIFY(!shown(m_window, "Label17"));
}

void LoadingCoil::enterInAnyFieldCalculates_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    for (const QString& field : fields) {
        QTest::newRow(qPrintable("Return in " + field)) << field << int(Qt::Key_Return);
        QTest::newRow(qPrintable("keypad Enter in " + field)) << field << int(Qt::Key_Enter);
    }
}

void LoadingCoil::enterInAnyFieldCalculates() {
    QFETCH(QString, field);
    QFETCH(int, key);
    const QStringList typed = {"2", "7,05", "10", "2"};
    fill(typed);
    QTest::keyClick(control(m_window, field), Qt::Key(key));
    QCOMPARE(textOf(m_window, "Label9"), "16,26");
    QCOMPARE(textOf(m_window, field), typed[fields.indexOf(field)]);
    QCOMPARE(m_beep.count, 0);
}

void LoadingCoil::silentEnds_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("all four empty") << QStringList{"", "", "", ""};
    QTest::newRow("distance empty") << QStringList{"2", "7,05", "10", ""};
    QTest::newRow("wire empty") << QStringList{"", "7,05", "10", "2"};
    QTest::newRow("frequency empty") << QStringList{"2", "", "10", "2"};
    QTest::newRow("total empty") << QStringList{"2", "7,05", "", "2"};
    QTest::newRow("wire a lone comma") << QStringList{",", "7,05", "10", "2"};
    QTest::newRow("frequency a lone comma") << QStringList{"2", ",", "10", "2"};
    QTest::newRow("total a lone comma") << QStringList{"2", "7,05", ",", "2"};
    QTest::newRow("distance a lone comma") << QStringList{"2", "7,05", "10", ","};
    QTest::newRow("pasted letters") << QStringList{"due", "7,05", "10", "2"};
    QTest::newRow("pasted two commas") << QStringList{"2", "7,0,5", "10", "2"};
}

// Empty or unreadable fields: nothing happens, not even a beep, and the last
// result stays.
void LoadingCoil::silentEnds() {
    QFETCH(QStringList, texts);
    fill({"2", "7,05", "10", "2"});
    click(m_window, "Command1");
    QCOMPARE(textOf(m_window, "Label9"), "16,26");
    const LoadingCoilVariables before = Registry::current().variables<LoadingCoilVariables>();

    for (int i = 0; i < fields.size(); ++i) control<QLineEdit>(m_window, fields[i])->setText(texts[i]);
    click(m_window, "Command1");
    QCOMPARE(textOf(m_window, "Label9"), "16,26");
    for (int i = 0; i < fields.size(); ++i) QCOMPARE(textOf(m_window, fields[i]), texts[i]);
    QCOMPARE(m_beep.count, 0);
    QVERIFY(!shown(m_window, "Label1"));
    QVERIFY(!shown(m_window, "Label17"));
    const LoadingCoilVariables& after = Registry::current().variables<LoadingCoilVariables>();
    QCOMPARE(after.innerLogTerm, before.innerLogTerm);
    QCOMPARE(after.outerLogTerm, before.outerLogTerm);
}

// The logarithms cannot be formed: no value at all, rather than one made of
// the previous calculation's terms.
void LoadingCoil::zeroWireDiameterShowsNoValue() {
    fill({"2", "7,05", "10", "2"});
    click(m_window, "Command1");
    QCOMPARE(textOf(m_window, "Label9"), "16,26");
    fill({"0", "7,05", "10", "2"});
    click(m_window, "Command1");
    QCOMPARE(textOf(m_window, "Label9"), QString());
    QCOMPARE(m_beep.count, 0);
    QVERIFY(!shown(m_window, "Label1"));
    QCOMPARE(textOf(m_window, "Text1"), "0");
    fill({"0,0", "3,65", "30", "5"});
    click(m_window, "Command1");
    QCOMPARE(textOf(m_window, "Label9"), QString());
}

void LoadingCoil::meaninglessFiguresShowNoValue_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::newRow("coil 1 mm before the end of its arm") << QStringList{"2", "7,05", "10", "4,999"};
    QTest::newRow("wire thicker than what is left beyond the coil")
        << QStringList{"24,6", "7,05", "10", "4,99"};
    QTest::newRow("thick wire, low frequency") << QStringList{"7,31", "3,65", "10", "4,99635"};
    // A sign comes only by pasting.
    QTest::newRow("negative wire") << QStringList{"-2", "7,05", "10", "2"};
    QTest::newRow("negative frequency") << QStringList{"2", "-7,05", "10", "2"};
    QTest::newRow("negative total") << QStringList{"2", "7,05", "-10", "2"};
    QTest::newRow("negative distance") << QStringList{"2", "7,05", "10", "-2"};
}

// Where the formula comes out below zero it no longer holds, and a negative
// figure describes no dipole: no value rather than a negative inductance, or
// the previous calculation's.
void LoadingCoil::meaninglessFiguresShowNoValue() {
    QFETCH(QStringList, typed);
    fill({"2", "7,05", "10", "2"});
    click(m_window, "Command1");
    QCOMPARE(textOf(m_window, "Label9"), "16,26");
    for (int i = 0; i < fields.size(); ++i) control<QLineEdit>(m_window, fields[i])->setText(typed[i]);
    click(m_window, "Command1");
    QCOMPARE(textOf(m_window, "Label9"), QString());
    QCOMPARE(m_beep.count, 0);
    QVERIFY(!shown(m_window, "Label1"));
    QVERIFY(!shown(m_window, "Label17"));
}

void LoadingCoil::coilTooFarWarns_data() {
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("distance");
    QTest::newRow("coil at the end of the arm") << "10"
                                                << "5";
    QTest::newRow("coil beyond the end") << "10"
                                         << "7";
    QTest::newRow("no arm at all") << "0"
                                   << "0";
    QTest::newRow("end of a 12,2 m arm") << "12,2"
                                         << "6,1";
}

// errore3: beep, the warning for its wait, then only the distance is emptied;
// the result shown before stays.
void LoadingCoil::coilTooFarWarns() {
    QFETCH(QString, total);
    QFETCH(QString, distance);
    fill({"2", "7,05", "10", "2"});
    click(m_window, "Command1");
    fill({"2", "7,05", total, distance});
    click(m_window, "Command1");
    QCOMPARE(m_beep.count, 1);
    QVERIFY(shown(m_window, "Label17"));
    QVERIFY(!shown(m_window, "Label1"));
    QCOMPARE(textOf(m_window, "Text4"), distance);
    QCOMPARE(textOf(m_window, "Text3"), total);
    QCOMPARE(textOf(m_window, "Label9"), "16,26");

    QVERIFY(waitUntil([&] { return !shown(m_window, "Label17"); }));
    QCOMPARE(textOf(m_window, "Text4"), QString());
    QCOMPARE(textOf(m_window, "Text1"), "2");
    QCOMPARE(textOf(m_window, "Text2"), "7,05");
    QCOMPARE(textOf(m_window, "Text3"), total);
    QCOMPARE(textOf(m_window, "Label9"), "16,26");
    QCOMPARE(m_beep.count, 1);
}

void LoadingCoil::noCoilsNeededWarns_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::newRow("20,2 m at 7,05 MHz") << QStringList{"2", "7,05", "20,2", "2"};
    QTest::newRow("exactly a half wave at 7,12 MHz") << QStringList{"2", "7,12", "20", "2"};
    QTest::newRow("far longer") << QStringList{"1", "14,2", "40", "1"};
    QTest::newRow("frequency 0") << QStringList{"2", "0", "10", "2"};
    QTest::newRow("frequency 0 and no wire") << QStringList{"0", "0", "10", "2"};
}

// errore1: beep; total length, distance and result emptied at once, so that
// no value is seen; the warning for its wait, then hidden.
void LoadingCoil::noCoilsNeededWarns() {
    QFETCH(QStringList, typed);
    fill({"2", "7,05", "10", "2"});
    click(m_window, "Command1");
    fill(typed);
    click(m_window, "Command1");
    QCOMPARE(m_beep.count, 1);
    QVERIFY(shown(m_window, "Label1"));
    QVERIFY(!shown(m_window, "Label17"));
    QCOMPARE(textOf(m_window, "Text4"), QString());
    QCOMPARE(textOf(m_window, "Text3"), QString());
    QCOMPARE(textOf(m_window, "Label9"), QString());
    QCOMPARE(textOf(m_window, "Text1"), typed[0]);
    QCOMPARE(textOf(m_window, "Text2"), typed[1]);

    QVERIFY(waitUntil([&] { return !shown(m_window, "Label1"); }));
    QCOMPARE(textOf(m_window, "Text1"), typed[0]);
    QCOMPARE(textOf(m_window, "Text2"), typed[1]);
    QCOMPARE(textOf(m_window, "Label9"), QString());
    QCOMPARE(m_beep.count, 1);
}

// The window answers while a warning shows; a calculation then is complete.
void LoadingCoil::calcolaDuringAWarning() {
    fill({"2", "7,05", "10", "5"});
    click(m_window, "Command1");
    QVERIFY(shown(m_window, "Label17"));
    control<QLineEdit>(m_window, "Text4")->clear();
    type(m_window, "Text4", "2");
    click(m_window, "Command1");
    QCOMPARE(textOf(m_window, "Label9"), "16,26");
    QVERIFY(shown(m_window, "Label17"));
    QVERIFY(waitUntil([&] { return !shown(m_window, "Label17"); }));
    QCOMPARE(textOf(m_window, "Text4"), QString());
    QCOMPARE(textOf(m_window, "Label9"), "16,26");
}

void LoadingCoil::resettaEmptiesFieldsAndResultOnly() {
    fill({"2", "7,05", "10", "2"});
    click(m_window, "Command1");
    const LoadingCoilVariables before = Registry::current().variables<LoadingCoilVariables>();
    click(m_window, "Command2");
    for (const QString& name : fields) QCOMPARE(textOf(m_window, name), QString());
    QCOMPARE(textOf(m_window, "Label9"), QString());
    QCOMPARE(textOf(m_window, "Label8"), "VALORE  IN  MICROHENRY");
    QCOMPARE(m_beep.count, 0);
    const LoadingCoilVariables& after = Registry::current().variables<LoadingCoilVariables>();
    QCOMPARE(after.innerLogTerm, before.innerLogTerm);
    QCOMPARE(after.outerLogTerm, before.outerLogTerm);
}

void LoadingCoil::controlsAndLook() {
    QCOMPARE(m_window->windowTitle(), "CALCOLO   BOBINA" + QString(60, ' ') + "by" + QString(3, ' ') +
                                          "TAVRON" + QString(64, ' ') + "rev.1.06");
    const std::pair<const char*, QString> texts[] = {
        {"Label3", "BOBINE   PER   DIPOLI   ACCORCIATI"},
        {"Label4", "DIAMETRO  FILO  DIPOLO  mm"},
        {"Label5", "FREQUENZA" + QString(20, ' ') + "Mhz"},
        {"Label6", "LUNGHEZZA TOTALE" + QString(10, ' ') + "mt"},
        {"Label7", "DISTANZA DAL CENTRALE  mt"},
        {"Label8", "VALORE  IN  MICROHENRY"},
        {"Label13", "Separare  i  MHz dai KHz"},
        {"Label14", "con la  virgola"},
        {"Label19", "Per selezionare usa TAB o il MOUSE"},
        {"Label1", "QUESTO  DIPOLO  NON  NECESSITA  DI  BOBINE"},
        {"Label17", "BOBINA  TROPPO  DISTANTE  DAL  CENTRALE"},
        {"Label10", "CENTRALE"},
        {"Label11", "DISTANZA DAL CENTRALE"},
        {"Label12", "LUNGHEZZA TOTALE  metri"},
        {"Command1", "CALCOLA"},
        {"Command2", "RESETTA"},
        {"Command3", "COSTRUZIONE BOBINA  "},
        {"cmdCommand3", "MENU'"},
        {"Label9", ""},
    };
    for (const auto& [name, text] : texts) QCOMPARE(textOf(m_window, name), text);
    const std::pair<const char*, QString> tooltips[] = {
        {"Text1", "Input diametro filo in millimetri"},
        {"Text2", "Input frequenza in Megaherz"},
        {"Text3", "Input metri totali a disposizione per il dipolo"},
        {"Text4", "Input metri di filo che separano il centrale dalla bobina"},
        {"Label9", "Visualizza il valore della bobina"},
        {"Command1", "Completate le caselle di input,calcola i microhenry"},
        {"Command2", "Cancella tutte le input & output"},
        {"Command3", "Passa al programma COSRUZIONE BOBINA"},
        {"cmdCommand3", "Torna al menù iniziale"},
    };
    for (const auto& [name, tooltip] : tooltips) QCOMPARE(control(m_window, name)->toolTip(), tooltip);
    for (const QString& name : fields) QCOMPARE(textOf(m_window, name), QString());

    QVERIFY(!shown(m_window, "Label1"));
    QVERIFY(!shown(m_window, "Label17"));
    const QColor red(255, 0, 0);
    const auto colours = [&](const char* name) {
        const QPalette palette = control(m_window, name)->palette();
        return std::pair{palette.color(QPalette::WindowText), palette.color(QPalette::Window)};
    };
    QCOMPARE(colours("Label9"), (std::pair{red, QColor(255, 255, 255)}));
    QCOMPARE(colours("Label1"), (std::pair{red, QColor(255, 255, 0)}));
    QCOMPARE(colours("Label17"), (std::pair{red, QColor(0, 128, 128)}));
    QCOMPARE(control(m_window, "client")->palette().color(QPalette::Window), QColor(0, 128, 128));
    const QColor panel = colours("Label2").second;
    QVERIFY(panel.blue() > 2 * (panel.red() + panel.green()));

    // The drawing: insulator, two coils and the lines of the sketch.
    for (const char* name : {"Shape1", "Shape4", "Shape6", "Line1", "Line2", "Line3", "Line4", "Line5",
                             "Line6", "Line7", "Line8", "Line10", "Line11", "Line12"})
        QVERIFY2(shown(m_window, name), name);
    // Fields one under the other, each with its caption on its left.
    int above = -1;
    for (const char* row :
         {"Text1:Label4", "Text2:Label5", "Text3:Label6", "Text4:Label7", "Label9:Label8"}) {
        const QStringList names = QString(row).split(':');
        const QRect field = control(m_window, names[0])->geometry();
        const QRect caption = control(m_window, names[1])->geometry();
        QVERIFY2(field.top() > above, row);
        QVERIFY2(
            caption.right() < field.left() && caption.intersects(QRect(0, field.top(), 2000, field.height())),
            row);
        QVERIFY2(control(m_window, "Label2")->geometry().contains(field), row);
        above = field.bottom();
    }
}

void LoadingCoil::tabOrderAndFocus() {
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(QApplication::focusWidget(), control(m_window, "Text1"));
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{"Text1", "Text2", "Text3", "Text4", "Command1", "Command3", "cmdCommand3",
                                 "Command2", "Text1"}));
    QCOMPARE(m_beep.count, 0);
}

void LoadingCoil::menuBarOpensItsWindows() {
    QVERIFY(!control<QAction>(m_window, "fotocostr"));
    triggerMenu(m_window, "leggimi");
    QVERIFY(window("frmLEGGIMIcalcolo"));
    triggerMenu(m_window, "calcolatrice");
    QVERIFY(window("Calculator"));
    QVERIFY(window("frmCALCOLOBOBINA"));
}

// "MENU'" and "COSTRUZIONE BOBINA  " bring another window to the front; this
// one stays open with what it shows, and so does the construction window
// when "CHIUDI" brings this one back.
void LoadingCoil::menuButtonAndConstructionWindow() {
    fill({"2", "7,05", "10", "2"});
    click(m_window, "Command1");
    click(m_window, "cmdCommand3");
    QCOMPARE(openWindows(), (QStringList{"frmCALCOLOBOBINA", "frmMENU"}));

    click(m_window, "Command3");
    QWidget* construction = window("frmCOSTRUZIONEBOBINA");
    QVERIFY(construction);
    QCOMPARE(openWindows(), (QStringList{"frmCALCOLOBOBINA", "frmCOSTRUZIONEBOBINA", "frmMENU"}));
    type(construction, "Text1", "10");
    click(construction, "Command1");
    QCOMPARE(window("frmCALCOLOBOBINA"), m_window);
    QCOMPARE(openWindows(), (QStringList{"frmCALCOLOBOBINA", "frmCOSTRUZIONEBOBINA", "frmMENU"}));
    QCOMPARE(textOf(m_window, "Label9"), "16,26");
    QCOMPARE(textOf(m_window, "Text2"), "7,05");

    click(m_window, "Command3");
    QCOMPARE(window("frmCOSTRUZIONEBOBINA"), construction);
    QCOMPARE(copiesOf("frmCOSTRUZIONEBOBINA"), 1);
    QCOMPARE(textOf(construction, "Text1"), "10");
    click(window("frmMENU"), "Command1");
    QCOMPARE(window("frmCALCOLOBOBINA"), m_window);
    QCOMPARE(copiesOf("frmCALCOLOBOBINA"), 1);
    QCOMPARE(textOf(m_window, "Label9"), "16,26");
}

// Closing the window drops what it showed but not the window-level terms.
void LoadingCoil::valuesSurviveOnlyWhileOpen() {
    fill({"2", "7,05", "10", "2"});
    click(m_window, "Command1");
    const LoadingCoilVariables before = Registry::current().variables<LoadingCoilVariables>();
    QVERIFY(before.innerLogTerm != 0);
    m_window->close();
    m_window = Registry::current().show("frmCALCOLOBOBINA");
    for (const QString& name : fields) QCOMPARE(textOf(m_window, name), QString());
    QCOMPARE(textOf(m_window, "Label9"), QString());
    QVERIFY(!shown(m_window, "Label1"));
    QCOMPARE(Registry::current().variables<LoadingCoilVariables>().innerLogTerm, before.innerLogTerm);
    QCOMPARE(Registry::current().variables<LoadingCoilVariables>().outerLogTerm, before.outerLogTerm);
}

void LoadingCoil::reportOfTheWindow() {
    fill({"2", "7,05", "10", "0"});
    click(m_window, "Command1");
    triggerMenu(m_window, "stampasolodati");
    QCOMPARE(m_printer.reports.size(), std::size_t(1));
    QCOMPARE(m_printer.reports[0], loadingCoilReport({"2", "7,05", "10", "0", "10,38"}));
    triggerMenu(m_window, "stampasolodati");
    QCOMPARE(m_printer.reports.size(), std::size_t(2));
    triggerMenu(m_window, "stampavideata");
    QCOMPARE(m_printer.images.size(), std::size_t(1));
    QCOMPARE(m_printer.images[0].size(), control(m_window, "client")->size());
    QCOMPARE(textOf(m_window, "Label9"), "10,38");
}

void LoadingCoil::reportPrintedForReal() {
    CupsFixture cups;
    QString reason;
    if (!cups.start(&reason)) QSKIP(qPrintable("no private print server: " + reason));
    Registry::current().setPrinter(nullptr);
    fill({"1,5", "3,65", "30", "5"});
    click(m_window, "Command1");
    triggerMenu(m_window, "stampasolodati");
    const QString job = cups.takeJobText();
    Registry::current().setPrinter(&m_printer);
    QVERIFY2(!job.isEmpty(), "no job arrived");
    QCOMPARE(CupsFixture::wordsOfLines(job),
             CupsFixture::wordsOfLines(loadingCoilReport({"1,5", "3,65", "30", "5", "12,11"})));
}

ZELIRO_TEST_MAIN(LoadingCoil)
#include "test_loadingcoil.moc"
