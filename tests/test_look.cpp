// What the user sees of the controls: option buttons and check boxes that read
// on teal, a focus rectangle that shows, windows of a fixed size, and result
// labels that never cut a figure off.
#include <QCheckBox>
#include <QFontMetricsF>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyleOptionButton>

#include "frame/Look.h"
#include "frame/Placement.h"
#include "frame/Registry.h"
#include "frame/WholeFigure.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

namespace {

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return dark;
}

int countPixels(const QImage& image, const QRect& area, const QColor& colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour) ++count;
    return count;
}

QRect subElement(QAbstractButton* button, QStyle::SubElement element) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(element, &option, button);
}

}  // namespace

class Look : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void indicatorReads_data();
    void indicatorReads();
    void focusRectangleShows_data();
    void focusRectangleShows();
    void windowsKeepTheirSize_data();
    void windowsKeepTheirSize();
    void resultsStayWhole_data();
    void resultsStayWhole();
    void resultsLeaveTheIndent();
    void windowsFontsFindTheirTwins_data();
    void windowsFontsFindTheirTwins();

private:
    RecordingBeep m_beep;
    RecordingPrinter m_printer;
    QPalette m_palette;
};

void Look::initTestCase() { m_palette = QApplication::palette(); }

void Look::init() { startProgram(m_beep, m_printer); }

void Look::cleanup() {
    stopProgram();
    QApplication::setPalette(m_palette);
}

void Look::indicatorReads_data() {
    QTest::addColumn<bool>("checkBox");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("checked");
    for (const bool checkBox : {false, true})
        for (const bool dark : {false, true})
            for (const bool checked : {false, true})
                QTest::newRow(qPrintable(QString("%1, %2 palette, %3")
                                             .arg(checkBox ? "check box" : "option")
                                             .arg(dark ? "dark" : "default")
                                             .arg(checked ? "selected" : "not selected")))
                    << checkBox << dark << checked;
}

// A white face inside the indicator; a black dot or mark only when selected.
void Look::indicatorReads() {
    QFETCH(bool, checkBox);
    QFETCH(bool, dark);
    QFETCH(bool, checked);
    if (dark) QApplication::setPalette(darkPalette());
    QWidget* dipole = Registry::current().show("frmDIPOLOSTANDARD");
    QAbstractButton* button = control<QRadioButton>(dipole, "Option2");
    if (checkBox) {
        button = new QCheckBox("Check", button->parentWidget());
        button->setGeometry(14, 50, 140, 24);
        setColours(*button, white, teal);
    }
    button->setChecked(checked);
    const QImage image = button->grab().toImage();
    const QRect indicator =
        subElement(button, checkBox ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator);
    QCOMPARE(image.pixelColor(image.width() - 2, 1), teal);
    QVERIFY(countPixels(image, indicator, white) >= indicator.width() * indicator.height() / 4);
    const int black = countPixels(image, indicator, QColor(0, 0, 0));
    QVERIFY2(checked ? black >= 4 : black == 0, qPrintable(QString::number(black)));
}

void Look::focusRectangleShows_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("dark");
    for (const char* button : {"Option2", "Command2"})
        for (const bool dark : {false, true})
            QTest::newRow(qPrintable(QString("%1, %2 palette").arg(button, dark ? "dark" : "default")))
                << button << dark;
}

// Black dots on white along the focus rectangle, and only with the focus.
void Look::focusRectangleShows() {
    QFETCH(QString, button);
    QFETCH(bool, dark);
    if (dark) QApplication::setPalette(darkPalette());
    QWidget* dipole = Registry::current().show("frmDIPOLOSTANDARD");
    QVERIFY(QTest::qWaitForWindowActive(dipole));
    auto* focused = control<QAbstractButton>(dipole, button);
    const QRect frame =
        subElement(focused, qobject_cast<QRadioButton*>(focused) ? QStyle::SE_RadioButtonFocusRect
                                                                 : QStyle::SE_PushButtonFocusRect);
    const QRect topEdge(frame.left(), frame.top(), frame.width(), 1);
    const QImage before = focused->grab().toImage();
    focused->setFocus(Qt::TabFocusReason);
    QVERIFY(focused->hasFocus());
    const QImage after = focused->grab().toImage();
    QCOMPARE(countPixels(before, topEdge, QColor(0, 0, 0)), 0);
    QVERIFY(countPixels(after, topEdge, QColor(0, 0, 0)) >= frame.width() / 3);
    QVERIFY(countPixels(after, topEdge, white) >= frame.width() / 3);
}

void Look::windowsKeepTheirSize_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : Registry::current().names()) QTest::newRow(qPrintable(name)) << name;
}

// A fixed size, the one its contents ask for, and no maximise button; placed
// inside the screen.
void Look::windowsKeepTheirSize() {
    QFETCH(QString, name);
    QWidget* shown = Registry::current().show(name);
    QVERIFY(shown);
    QCOMPARE(shown->minimumSize(), shown->maximumSize());
    QCOMPARE(shown->size(), shown->minimumSize());
    const Qt::WindowFlags flags = shown->windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    // No grey strip: the client area, or the status bar below it, reaches the bottom.
    if (auto* main = qobject_cast<QMainWindow*>(shown)) {
        QWidget* lowest = main->centralWidget();
        if (QWidget* bar = main->findChild<QStatusBar*>(); bar && bar->isVisibleTo(main)) lowest = bar;
        QCOMPARE(lowest->geometry().bottom(), shown->rect().bottom());
    }
    // On 800 x 600 less a panel, frame included, however often placed; what
    // does not fit scrolls, with every part of its client area in reach.
    const QRect available(0, 24, 800, 576);
    placeWithin(*shown, available, QMargins(4, 30, 4, 4));
    placeWithin(*shown, available, QMargins(4, 30, 4, 4));
    QVERIFY(available.contains(QRect(shown->pos(), shown->size().grownBy(QMargins(4, 30, 4, 4)))));
    QCOMPARE(shown->minimumSize(), shown->maximumSize());
    const auto scrolls = shown->findChildren<QScrollArea*>("clientScroll");
    QVERIFY(scrolls.size() <= 1);
    for (QScrollArea* scroll : scrolls) {
        shown->layout()->activate();
        const QSize hidden(scroll->horizontalScrollBar()->maximum(), scroll->verticalScrollBar()->maximum());
        QCOMPARE(scroll->viewport()->size() + hidden, scroll->widget()->size());
    }
}

void Look::resultsStayWhole_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("figure");
    for (const char* name : {"frmDIPOLOSTANDARD", "frmTARATURA", "frmDIPOLOMULTIBANDA", "frmCALCOLOBOBINA",
                             "frmCOSTRUZIONEBOBINA", "Calculator"})
        for (const char* figure : {"-1,79769313486231E+308", "1424999983,3"})
            QTest::newRow(qPrintable(QString("%1 %2").arg(name, figure))) << name << figure;
}

// Each result label shows the widest figures whole in a smaller font, or
// their start with the whole figure in its tooltip.
void Look::resultsStayWhole() {
    QFETCH(QString, name);
    QFETCH(QString, figure);
    QWidget* shown = Registry::current().show(name);
    int results = 0;
    for (QLabel* label : shown->findChildren<QLabel*>()) {
        if (!label->property("resultLabel").toBool()) continue;
        ++results;
        const QString ownTip = label->toolTip();
        label->setText(figure);
        label->grab();
        const ShownFigure drawn = shownFigure(*label);
        const QString what = label->objectName() + ": " + drawn.text;
        QCOMPARE(label->text(), figure);
        QVERIFY2(drawn.font.pointSizeF() >= smallestFigurePoints, qPrintable(what));
        QVERIFY2(QFontMetricsF(drawn.font).horizontalAdvance(drawn.text) <= label->contentsRect().width(),
                 qPrintable(what));
        if (drawn.whole) {
            QCOMPARE(drawn.text, figure);
            QCOMPARE(label->toolTip(), ownTip);
        } else {
            QVERIFY2(drawn.text.endsWith(QChar(0x2026)) && figure.startsWith(drawn.text.chopped(1)),
                     qPrintable(what));
            QVERIFY2(label->toolTip().startsWith(figure), qPrintable(what));
            QVERIFY(label->toolTip().endsWith(ownTip));
        }
        label->setText("5");
        label->grab();
        QCOMPARE(label->toolTip(), ownTip);
    }
    QVERIFY(results > 0);
}

// A figure that fits the label only without its indent is drawn smaller, as
// QLabel keeps the indent free.
void Look::resultsLeaveTheIndent() {
    QLabel label("7,212 MHz");
    label.setIndent(4);
    label.resize(label.fontMetrics().horizontalAdvance(label.text()) + 2, 22);
    keepFiguresWhole(label);
    const ShownFigure drawn = shownFigure(label);
    QVERIFY(drawn.whole);
    QVERIFY(QFontMetricsF(drawn.font).horizontalAdvance(drawn.text) <= label.width() - label.indent());
}

void Look::windowsFontsFindTheirTwins_data() {
    QTest::addColumn<QString>("family");  // as the windows name it
    QTest::addColumn<QString>("face");    // the metric-compatible face drawn (fonts-liberation2)
    QTest::newRow("Arial") << "Arial"
                           << "Liberation Sans";
    QTest::newRow("MS Sans Serif") << "MS Sans Serif"
                                   << "Liberation Sans";
    QTest::newRow("Times New Roman") << "Times New Roman"
                                     << "Liberation Serif";
    QTest::newRow("Courier New") << "Courier New"
                                 << "Liberation Mono";
}

// Through namedFont() and through a font made with the Windows name alike.
void Look::windowsFontsFindTheirTwins() {
    QFETCH(QString, family);
    QFETCH(QString, face);
    const QFont named = namedFont(family, 14.25, true);
    QCOMPARE(QFontInfo(named).family(), face);
    QVERIFY(QFontInfo(named).bold());
    QCOMPARE(QFontInfo(named).pointSizeF(), 14.25);
    QCOMPARE(QFontInfo(QFont(family)).family(), face);
}

ZELIRO_TEST_MAIN(Look)
#include "test_look.moc"
