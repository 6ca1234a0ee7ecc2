// The program in English: a translation for every text, the language chosen
// at start, the worked values with the decimal point, texts that fit.
#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QXmlStreamReader>

#include "app/start.h"
#include "frame/Registry.h"
#include "frame/WrappingButton.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

namespace {

// How far the text runs past its control, in pixels (0: it fits). A
// word-wrapped label is measured against its height, a menu button by its
// lines as drawn.
int overflow(QWidget* control) {
    const QFontMetrics metrics(control->font());
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->text().isEmpty() || !label->pixmap().isNull()) return 0;
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            const QRect needed =
                metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), label->text());
            return std::max({0, needed.height() - room.height(), needed.width() - room.width()});
        }
        return std::max(0, metrics.horizontalAdvance(label->text()) - room.width());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        if (button->text().isEmpty()) return 0;
        int width = 0;
        const QString text = qobject_cast<WrappingButton*>(button)
                                 ? WrappingButton::captionLines(button->text())
                                 : button->text();
        const QStringList lines = text.split('\n');
        for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
        // A radio button's indicator and its gap take the room of about three letters.
        const int indicator = qobject_cast<QRadioButton*>(button) ? metrics.height() + 6 : 4;
        const int height = int(lines.size()) * metrics.height();
        return std::max({0, width + indicator - button->width(), height - button->height()});
    }
    return 0;
}

}  // namespace

class English : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { stopProgram(); }

    void everyTextTranslated();
    void languageAtStart_data();
    void languageAtStart();
    void workedValues_data();
    void workedValues();
    void commaRefused();
    void textsFit();

private:
    RecordingBeep m_beep;
    RecordingPrinter m_printer;
};

// Every text lupdate found has a finished, non-empty English translation.
void English::everyTextTranslated() {
    QFile file(ZELIRO_TS_FILE);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        if (xml.name() == u"source") source = xml.readElementText();
        if (xml.name() == u"translation") {
            ++messages;
            const QString where = context + ": " + source;
            const QString type = xml.attributes().value("type").toString();
            QVERIFY2(type.isEmpty(), qPrintable("translation " + type + " for " + where));
            QVERIFY2(!xml.readElementText().trimmed().isEmpty(), qPrintable("no translation for " + where));
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 150);
}

void English::languageAtStart_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("languageVariable");
    QTest::addColumn<Language>("expected");
    QTest::newRow("--lang en") << QStringList{"--lang", "en"} << "" << Language::english;
    QTest::newRow("--lang=it over LANGUAGE") << QStringList{"--lang=it"} << "en_GB" << Language::italian;
    QTest::newRow("--lang en over LANGUAGE") << QStringList{"--lang", "en"} << "it" << Language::english;
    QTest::newRow("LANGUAGE english") << QStringList{} << "en_US:it" << Language::english;
    QTest::newRow("LANGUAGE italian") << QStringList{"-x"} << "de:it_IT" << Language::italian;
}

// The start-up path reads the command line and the LANGUAGE variable, and the
// program then speaks the language chosen.
void English::languageAtStart() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, languageVariable);
    QFETCH(Language, expected);
    const QByteArray before = qgetenv("LANGUAGE");
    qputenv("LANGUAGE", languageVariable.toUtf8());
    const Language chosen = zeliro::languageAtStart(arguments);
    qputenv("LANGUAGE", before);
    QCOMPARE(chosen, expected);

    startProgram(m_beep, m_printer, 0.01, chosen);
    QWidget* menu = Registry::current().show("frmMENU");
    QCOMPARE(textOf(menu, "Command4"), expected == Language::english ? "CLOSE" : "CHIUDI");
}

void English::workedValues_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("steps");    // "Text1=7,05" types, "Option2" clicks
    QTest::addColumn<QStringList>("results");  // the labels that show results
    QTest::newRow("standard dipole") << "frmDIPOLOSTANDARD"
                                     << QStringList{"Option2", "Text1=7,05", "Command2"}
                                     << QStringList{"Label7"};
    QTest::newRow("trimming") << "frmTARATURA" << QStringList{"Option1", "Text1=7,05", "Text2=7", "Command2"}
                              << QStringList{"Label5"};
    QTest::newRow("multiband dipole")
        << "frmDIPOLOMULTIBANDA"
        << QStringList{"Option1",     "Option5",     "Text1=35",    "Text2=2,5", "Text3=6,4",
                       "Text4=0,935", "Text5=7,055", "Text6=3,650", "Command2"}
        << QStringList{"Label23", "Label24", "Label25", "Label26", "Label31", "Label32"};
    QTest::newRow("loading coil") << "frmCALCOLOBOBINA"
                                  << QStringList{"Text1=2", "Text2=7,05", "Text3=10", "Text4=2", "Command1"}
                                  << QStringList{"Label9"};
    QTest::newRow("coil construction")
        << "frmCOSTRUZIONEBOBINA" << QStringList{"Text3=1,5", "Text5=25", "Text2=40", "Text1=35", "Command2"}
        << QStringList{"Label19"};
}

// The worked values typed in both languages give the same digits, with the
// point in English, on the screen and in the printed report.
void English::workedValues() {
    QFETCH(QString, window);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, results);
    std::map<Language, QStringList> shown;
    for (Language language : {Language::italian, Language::english}) {
        const QChar separator = QLatin1Char(decimalSeparator(language));
        startProgram(m_beep, m_printer, 0.01, language);
        QWidget* form = Registry::current().show(window);
        for (const QString& step : steps) {
            if (step.contains('=')) {
                fill(form, {step.section('=', 0, 0)}, {step.section('=', 1).replace(',', separator)});
            } else {
                click(form, step);
            }
        }
        for (const QString& label : results) {
            const QString text = textOf(form, label);
            QVERIFY2(!text.isEmpty(), qPrintable(label));
            QVERIFY2(!text.contains(language == Language::english ? ',' : '.'),
                     qPrintable(label + " " + text));
            shown[language] << text;
        }
        QCOMPARE(m_beep.count, 0);
        const QString action = window == "frmDIPOLOMULTIBANDA" ? "stampadati" : "stampasolodati";
        triggerMenu(form, action);
        QVERIFY(waitUntil([&] { return !m_printer.reports.empty(); }));
        QString report;
        for (const std::string& line : m_printer.reports.back())
            report += QString::fromStdString(line) + '\n';
        for (const QString& text : shown[language])
            QVERIFY2(report.contains(text), qPrintable(text + "\n" + report));
        stopProgram();
    }
    QStringList pointed = shown[Language::italian];
    pointed.replaceInStrings(",", ".");
    QCOMPARE(shown[Language::english], pointed);
}

// In English the decimal key types a point, the comma is refused with a beep.
void English::commaRefused() {
    startProgram(m_beep, m_printer, 0.01, Language::english);
    QWidget* form = Registry::current().show("frmDIPOLOSTANDARD");
    type(form, "Text1", "7,05");
    QCOMPARE(textOf(form, "Text1"), "705");
    QCOMPARE(m_beep.count, 1);
    fill(form, {"Text1"}, {"7.05"});
    QCOMPARE(textOf(form, "Text1"), "7.05");
}

// No English text is wider (or, wrapped, taller) than its label or button
// where the Italian one is not: English must fit wherever Italian fits.
void English::textsFit() {
    startProgram(m_beep, m_printer);
    const QStringList names = Registry::current().names();
    std::map<QString, std::map<QString, int>> italian;
    for (Language language : {Language::italian, Language::english}) {
        startProgram(m_beep, m_printer, 0.01, language);
        QStringList tooWide;
        for (const QString& name : names) {
            QWidget* window = Registry::current().show(name);
            QVERIFY(window);
            QList<QWidget*> controls;
            for (QLabel* label : window->findChildren<QLabel*>()) controls << label;
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) controls << button;
            for (QWidget* control : controls) {
                const QString key = control->objectName() + "@" + QString::number(controls.indexOf(control));
                const int over = overflow(control);
                if (language == Language::italian) {
                    italian[name][key] = over;
                } else if (over > italian[name][key]) {
                    const auto* label = qobject_cast<QLabel*>(control);
                    const auto* button = qobject_cast<QAbstractButton*>(control);
                    tooWide << QString("%1.%2 by %3 px: %4")
                                   .arg(name, control->objectName())
                                   .arg(over)
                                   .arg(label ? label->text() : button->text());
                }
            }
            Registry::current().close(name);
        }
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join('\n')));
        stopProgram();
    }
}

ZELIRO_TEST_MAIN(English)
#include "test_english.moc"
