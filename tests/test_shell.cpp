// Start-up, the splash window, the main menu and the window registry, driven
// from zeliro::start() as the program runs them.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/frmMENU.h"
#include "frame/Registry.h"
#include "frame/WrappingButton.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

namespace {
struct Counter {
    int value = 0;
};
class Dummy : public QWidget {
public:
    explicit Dummy(Registry& registry) { ++registry.variables<Counter>().value; }
};
}  // namespace

class Shell : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void splashShowsNameVersionAndAdvice();
    void continuaLeavesOnlyTheMenu();
    void splashKeys_data();
    void splashKeys();
    void clickOnFrameClosesButNotOnLabelOrLogo();
    void splashChiudiClosesEverything();
    void menuCaptionsAndTooltips();
    void menuChiudiEndsTheProgram();
    void registryKeepsOneCopyAndOutlivingVariables();
    void closingTheMenuLeavesOtherWindows();

private:
    RecordingBeep m_beep;
    RecordingPrinter m_printer;
    QWidget* m_splash = nullptr;
};

void Shell::init() { m_splash = startProgram(m_beep, m_printer); }
void Shell::cleanup() { stopProgram(); }

void Shell::splashShowsNameVersionAndAdvice() {
    QCOMPARE(openWindows(), QStringList{"frmSplash"});
    QCOMPARE(m_splash->windowTitle(), QString());
    QCOMPARE(textOf(m_splash, "lblCompanyProduct"), " ZELIRO ");
    QCOMPARE(textOf(m_splash, "Label1"), "TAVRON");
    QCOMPARE(textOf(m_splash, "Label2"), "XP");
    QCOMPARE(textOf(m_splash, "lblVersion"), "Versione 1.0.6");
    QCOMPARE(textOf(m_splash, "lblCompany"),
             "Per visionare correttamente il programma  è consigliabile la risoluzione video 800  *  600");
    QCOMPARE(textOf(m_splash, "lblProductName"), "ZELIRO");
    QVERIFY(!shown(m_splash, "lblProductName"));
    QCOMPARE(textOf(m_splash, "Command1"), "CONTINUA");
    QCOMPARE(textOf(m_splash, "Command2"), "CHIUDI");
    auto* product = control<QLabel>(m_splash, "lblCompanyProduct");
    QCOMPARE(product->font().pointSizeF(), 36.0);
    QVERIFY(product->font().bold());
    QCOMPARE(product->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

void Shell::continuaLeavesOnlyTheMenu() {
    click(m_splash, "Command1");
    QVERIFY(waitUntil([] { return copiesOf("frmSplash") == 0; }));
    QCOMPARE(openWindows(), QStringList{"frmMENU"});
}

// A key that produces a character ends the program from the splash, except
// Enter and Space, which press the button that has the focus.
void Shell::splashKeys_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("menu");  // the menu opens
    QTest::newRow("letter on the window") << "" << int(Qt::Key_A) << false;
    QTest::newRow("digit on CONTINUA") << "Command1" << int(Qt::Key_7) << false;
    QTest::newRow("space on CHIUDI") << "Command2" << int(Qt::Key_Space) << false;
    QTest::newRow("enter on CHIUDI") << "Command2" << int(Qt::Key_Return) << false;
    QTest::newRow("space on CONTINUA") << "Command1" << int(Qt::Key_Space) << true;
    QTest::newRow("enter on CONTINUA") << "Command1" << int(Qt::Key_Return) << true;
    QTest::newRow("keypad enter on CONTINUA") << "Command1" << int(Qt::Key_Enter) << true;
}

void Shell::splashKeys() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, menu);
    QWidget* target = focus.isEmpty() ? m_splash : control(m_splash, focus);
    QTest::keyClick(target, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QVERIFY(waitUntil([] { return copiesOf("frmSplash") == 0; }));
    QCOMPARE(openWindows(), menu ? QStringList{"frmMENU"} : QStringList{});
}

void Shell::clickOnFrameClosesButNotOnLabelOrLogo() {
    for (const char* name : {"lblVersion", "imgLogo", "lblCompany", "Label1"}) {
        QTest::mouseClick(control(m_splash, name), Qt::LeftButton);
        QCOMPARE(openWindows(), QStringList{"frmSplash"});
    }
    QWidget* frame = control(m_splash, "Frame1");
    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(frame->width() - 5, 10));
    QVERIFY(openWindows().isEmpty());
}

void Shell::splashChiudiClosesEverything() {
    click(m_splash, "Command2");
    QVERIFY(openWindows().isEmpty());
}

void Shell::menuCaptionsAndTooltips() {
    click(m_splash, "Command1");
    QWidget* menu = window("frmMENU");
    QVERIFY(menu);
    QCOMPARE(menu->windowTitle(), "Menù" + QString(80, ' ') + "by   TAVRON" + QString(65, ' ') + "rev.1.06");
    QCOMPARE(textOf(menu, "Label3"), "ZELIRO");
    struct Expected {
        const char* name;
        QString caption;
        QString tooltip;
        QString lines;  // as the button draws its caption
    };
    const Expected buttons[] = {
        {"Command6", "DIPOLO STANDARD", "Calcola un dipolo 1/2 onda", "DIPOLO STANDARD"},
        {"Command2", "      TARATURA                   del            DIPOLO",
         "Passa al programma Taratura del Dipolo", "TARATURA\ndel\nDIPOLO"},
        {"Command1", "CALCOLO  BOBINE              per             DIPOLI ACCORCIATI",
         "Passa al programma calcolo bobina", "CALCOLO  BOBINE\nper\nDIPOLI ACCORCIATI"},
        {"Command5", "        DIPOLO               MULTIBANDA        CON TRAPPOLE     IN  COASSIALE",
         "Calcola un dipolo multibanda con bobine in cavo coassiale",
         "DIPOLO\nMULTIBANDA\nCON TRAPPOLE\nIN  COASSIALE"},
        {"Command3", "INFO", "Visualizza  testo di  info", "INFO"},
        {"Command4", "CHIUDI", "Esce dal programma", "CHIUDI"},
    };
    for (const Expected& e : buttons) {
        auto* button = control<QPushButton>(menu, e.name);
        QVERIFY2(button, e.name);
        QCOMPARE(button->text(), e.caption);
        QCOMPARE(button->toolTip(), e.tooltip);
        QCOMPARE(WrappingButton::captionLines(button->text()), e.lines);
    }
}

void Shell::menuChiudiEndsTheProgram() {
    click(m_splash, "Command1");
    QWidget* menu = window("frmMENU");
    Registry::current().add<Dummy>("Calculator");
    Registry::current().show("Calculator");
    QCOMPARE(openWindows(), (QStringList{"Calculator", "frmMENU"}));
    const int beeps = m_beep.count;
    click(menu, "Command4");
    QVERIFY(openWindows().isEmpty());
    QCOMPARE(m_beep.count, beeps);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void Shell::registryKeepsOneCopyAndOutlivingVariables() {
    Registry& registry = Registry::current();
    registry.add<Dummy>("frmDIPOLOSTANDARD");
    click(m_splash, "Command1");
    QWidget* menu = window("frmMENU");
    click(menu, "Command6");
    QWidget* first = window("frmDIPOLOSTANDARD");
    QVERIFY(first);
    click(menu, "Command6");
    QCOMPARE(window("frmDIPOLOSTANDARD"), first);
    QCOMPARE(copiesOf("frmDIPOLOSTANDARD"), 1);
    QCOMPARE(registry.variables<Counter>().value, 1);
    QVERIFY(first->testAttribute(Qt::WA_DeleteOnClose));

    first->close();
    QVERIFY(window("frmDIPOLOSTANDARD") == nullptr);
    click(menu, "Command6");  // reopened before the old one is deleted
    QVERIFY(window("frmDIPOLOSTANDARD") != nullptr);
    QCOMPARE(registry.variables<Counter>().value, 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(copiesOf("frmDIPOLOSTANDARD"), 1);
    QVERIFY(window("frmDIPOLOSTANDARD")->isVisible());
    // An unknown window does nothing.
    QVERIFY(registry.show("frmNOWHERE") == nullptr);
}

void Shell::closingTheMenuLeavesOtherWindows() {
    Registry::current().add<Dummy>("frmTARATURA");
    click(m_splash, "Command1");
    QWidget* menu = window("frmMENU");
    click(menu, "Command2");
    menu->close();
    QCOMPARE(openWindows(), QStringList{"frmTARATURA"});
}

ZELIRO_TEST_MAIN(Shell)
#include "test_shell.moc"
