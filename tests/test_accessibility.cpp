// What a screen reader finds in the windows: every field, button, option and
// menu item has a name, fields and results are named after their captions, and
// a result's figure is read after its name.
#include <QAccessible>
#include <QPlainTextEdit>
#include <QSet>
#include <QTest>

#include "frame/Accessibility.h"
#include "frame/Registry.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

namespace {

// The roles a user reaches and acts on: each must tell what it is.
bool mustHaveName(QAccessible::Role role) {
    switch (role) {
        case QAccessible::EditableText:
        case QAccessible::PushButton:
        case QAccessible::RadioButton:
        case QAccessible::CheckBox:
        case QAccessible::ButtonMenu:
        case QAccessible::ButtonDropDown:
        case QAccessible::ComboBox:
        case QAccessible::SpinBox:
        case QAccessible::MenuItem:
            return true;
        default:
            return false;
    }
}

QString describe(QAccessibleInterface* node) {
    QObject* object = node->object();
    const QString name = object && !object->objectName().isEmpty() ? object->objectName() : "(no objectName)";
    return QString("role %1, %2").arg(int(node->role())).arg(name);
}

// Walks the accessible tree below the node, as a screen reader does, noting
// every object it meets and every control without a name.
void walk(QAccessibleInterface* node, QSet<QObject*>& met, QStringList& unnamed, int depth = 0) {
    if (!node || !node->isValid() || depth > 50) return;
    if (node->object()) met.insert(node->object());
    if (mustHaveName(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << describe(node);
    for (int i = 0; i < node->childCount(); ++i) walk(node->child(i), met, unnamed, depth + 1);
}

QAccessibleInterface* accessibleOf(QWidget* window, const QString& name) {
    QObject* object = window ? window->findChild<QObject*>(name) : nullptr;
    return object ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

QString textThrough(QAccessibleInterface* node) {
    QAccessibleTextInterface* text = node ? node->textInterface() : nullptr;
    return text ? text->text(0, text->characterCount()) : QString("(no text interface)");
}

}  // namespace

class Accessibility : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyControlOfTheWindowIsNamed_data();
    void everyControlOfTheWindowIsNamed();
    void fieldsAndResultsAreNamedAfterTheirCaptions_data();
    void fieldsAndResultsAreNamedAfterTheirCaptions();
    void captionIsRelatedToItsField();
    void resultFigureIsReadAfterItsName();
    void calculatorReadoutFollowsTheKeys();
    void labelAskedForEarlyBecomesAResult();

private:
    RecordingBeep m_beep;
    RecordingPrinter m_printer;
};

void Accessibility::init() { startProgram(m_beep, m_printer); }

void Accessibility::cleanup() { stopProgram(); }

void Accessibility::everyControlOfTheWindowIsNamed_data() {
    QTest::addColumn<QString>("name");
    RecordingBeep beep;
    RecordingPrinter printer;
    startProgram(beep, printer);
    const QStringList names = Registry::current().names();
    stopProgram();
    for (const QString& name : names) QTest::newRow(qPrintable(name)) << name;
}

void Accessibility::everyControlOfTheWindowIsNamed() {
    QFETCH(QString, name);
    QWidget* window = Registry::current().show(name);
    QVERIFY(window);
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    QVERIFY(root);

    QSet<QObject*> met;
    QStringList unnamed;
    walk(root, met, unnamed);
    QVERIFY2(unnamed.isEmpty(), qPrintable("unnamed: " + unnamed.join("; ")));

    // Every control of the window is reachable through the tree (Qt's own
    // helpers, named qt_..., are not controls of the form).
    QStringList unreachable;
    const auto isControl = [](QObject* object) {
        return qobject_cast<QLineEdit*>(object) || qobject_cast<QPlainTextEdit*>(object) ||
               qobject_cast<QAbstractButton*>(object);
    };
    for (QWidget* child : window->findChildren<QWidget*>())
        if (isControl(child) && !child->objectName().startsWith("qt_") && !met.contains(child))
            unreachable << child->objectName();
    QVERIFY2(unreachable.isEmpty(), qPrintable("not reachable: " + unreachable.join(", ")));
}

void Accessibility::fieldsAndResultsAreNamedAfterTheirCaptions_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    const int field = QAccessible::EditableText, result = QAccessible::StaticText;
    QTest::newRow("half-wave frequency") << "frmDIPOLOSTANDARD"
                                         << "Text1" << field << "INPUT  FREQUENZA";
    QTest::newRow("half-wave length")
        << "frmDIPOLOSTANDARD"
        << "Label7" << result << "LA  LUNGHEZZA  COMPLESSIVA  DEL  DIPOLO  SARA'  DI   mt";
    QTest::newRow("trimming wanted frequency")
        << "frmTARATURA"
        << "Text1" << field << "input   FREQUENZA  di  TRASMISSIONE  desiderata ...Mhz";
    QTest::newRow("trimming measured frequency")
        << "frmTARATURA"
        << "Text2" << field << "input  FREQUENZA  rilevata  ( minimo  ROS ) ................Mhz";
    QTest::newRow("trimming correction") << "frmTARATURA"
                                         << "Label5" << result << "PER SPOSTARE LA RISONANZA  DOVRAI:";
    QTest::newRow("two-band capacitance, blanks at the end left out")
        << "frmDIPOLOMULTIBANDA"
        << "Text4" << field << "CAPACITA'  DEL CAVO  COASSIALE  1 cm =   Pf";
    QTest::newRow("two-band second frequency") << "frmDIPOLOMULTIBANDA"
                                               << "Text6" << field << "centro  banda  SECONDA FREQUENZA  Mhz";
    QTest::newRow("two-band cable designation, hidden") << "frmDIPOLOMULTIBANDA"
                                                        << "Text7" << field << "Tipo di coassiale RG";
    QTest::newRow("two-band inductance, blanks at both ends left out")
        << "frmDIPOLOMULTIBANDA"
        << "Label32" << result << "BOBINA            micro HENRY";
    QTest::newRow("two-band inner wire") << "frmDIPOLOMULTIBANDA"
                                         << "Label24" << result << "metri per la prima frequenza";
    QTest::newRow("loading coil frequency") << "frmCALCOLOBOBINA"
                                            << "Text2" << field << "FREQUENZA                    Mhz";
    QTest::newRow("loading coil inductance") << "frmCALCOLOBOBINA"
                                             << "Label9" << result << "VALORE  IN  MICROHENRY";
    QTest::newRow("coil construction mean radius")
        << "frmCOSTRUZIONEBOBINA"
        << "Text1" << field << "RAGGIO  MEDIO                (A) mm";
    QTest::newRow("coil construction inductance") << "frmCOSTRUZIONEBOBINA"
                                                  << "Label19" << result << "VALORE    MICROHENRY";
    QTest::newRow("calculator readout") << "Calculator"
                                        << "Readout" << result << "Display";
    QTest::newRow("read-me text") << "frmLEGGIMIstandard"
                                  << "Text1" << field << "DIPOLO  STANDARD";
    QTest::newRow("information text") << "frmINFO"
                                      << "Text1" << field << "INFORMAZIONI  GENERALI";
    QTest::newRow("photo") << "frmFOTOcostr"
                           << "Picture1" << int(QAccessible::Graphic) << "Bobina con filo smaltato";
}

void Accessibility::fieldsAndResultsAreNamedAfterTheirCaptions() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QAccessibleInterface* node = accessibleOf(Registry::current().show(window), control);
    QVERIFY(node);
    QCOMPARE(int(node->role()), role);
    QCOMPARE(node->text(QAccessible::Name), name);
}

void Accessibility::captionIsRelatedToItsField() {
    QWidget* dipole = Registry::current().show("frmDIPOLOSTANDARD");
    QAccessibleInterface* field = accessibleOf(dipole, "Text1");
    QAccessibleInterface* caption = accessibleOf(dipole, "Label1");
    QVERIFY(field && caption);
    const auto labels = field->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first().first->object(), caption->object());
    // The caption itself still reads as its own text.
    QCOMPARE(caption->text(QAccessible::Name), QString("INPUT  FREQUENZA"));
    // The untitled splash is still called something.
    QCOMPARE(QAccessible::queryAccessibleInterface(window("frmSplash"))->text(QAccessible::Name),
             QString("ZELIRO"));
}

void Accessibility::resultFigureIsReadAfterItsName() {
    click(window("frmSplash"), "Command1");
    click(window("frmMENU"), "Command6");
    QWidget* dipole = window("frmDIPOLOSTANDARD");
    QAccessibleInterface* length = accessibleOf(dipole, "Label7");
    QVERIFY(length);
    QCOMPARE(textThrough(length), QString());

    type(dipole, "Text1", "7,05");
    click(dipole, "Option2");
    click(dipole, "Command2");
    QCOMPARE(textThrough(length), QString("20,21"));
    QCOMPARE(length->text(QAccessible::Value), QString("20,21"));
    QCOMPARE(length->text(QAccessible::Name),
             QString("LA  LUNGHEZZA  COMPLESSIVA  DEL  DIPOLO  SARA'  DI   mt"));
    QCOMPARE(length->textInterface()->text(3, 5), QString("21"));
    QCOMPARE(length->textInterface()->text(4, 2), QString());

    click(dipole, "Command3");  // RESETTA
    QCOMPARE(textThrough(length), QString());
}

void Accessibility::calculatorReadoutFollowsTheKeys() {
    QWidget* calculator = Registry::current().show("Calculator");
    QAccessibleInterface* readout = accessibleOf(calculator, "Readout");
    QVERIFY(readout);
    QCOMPARE(textThrough(readout), textOf(calculator, "Readout"));
    QVERIFY(!textThrough(readout).isEmpty());
    const auto keys = calculator->findChildren<QAbstractButton*>("Number");
    const auto seven = std::find_if(keys.begin(), keys.end(),
                                    [](QAbstractButton* key) { return key->property("index").toInt() == 7; });
    QVERIFY(seven != keys.end());
    QTest::mouseClick(*seven, Qt::LeftButton);
    QCOMPARE(textThrough(readout), textOf(calculator, "Readout"));
    QVERIFY(textThrough(readout).startsWith("7"));
}

// While a screen reader listens, Qt makes a label's interface as soon as its
// text is first set, before the window can name the label a result.
void Accessibility::labelAskedForEarlyBecomesAResult() {
    QLabel label("0,");
    QAccessibleInterface* early = QAccessible::queryAccessibleInterface(&label);
    QVERIFY(early && !early->textInterface());
    nameResult(label, "Display");
    QAccessibleInterface* result = QAccessible::queryAccessibleInterface(&label);
    QVERIFY(result && result->textInterface());
    QCOMPARE(result->text(QAccessible::Name), QString("Display"));
    QCOMPARE(textThrough(result), QString("0,"));
    label.setText("12,5");
    QCOMPARE(textThrough(result), QString("12,5"));
}

ZELIRO_TEST_MAIN(Accessibility)

#include "test_accessibility.moc"
