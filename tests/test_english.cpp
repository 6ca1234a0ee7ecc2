// The program in English: a translation for every text, the language chosen
// at start, the worked values with the decimal point, texts that fit.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <fstream>

#include "app/start.h"
#include "core/dipolesweep.h"
#include "frame/Registry.h"
#include "frame/WholeFigure.h"
#include "frame/WrappingButton.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

namespace {

// How far a text in that font runs past the room, in pixels (0: it fits).
// Word-wrapped, it is measured against the room's height as well.
int overflow(const QFont& font, const QString& text, const QRect& room, bool wrapped) {
    const QFontMetrics metrics(font);
    if (!wrapped) return std::max(0, metrics.horizontalAdvance(text) - room.width());
    const QRect needed = metrics.boundingRect(room, Qt::TextWordWrap, text);
    return std::max({0, needed.height() - room.height(), needed.width() - room.width()});
}

// How far the text of a label or button runs past its control, in pixels. A
// result label that keeps its figures whole is measured in the font it draws
// with; one that shows the start of its figure and an ellipsis (the whole
// figure in its tooltip) does so on purpose and fits. A menu button is
// measured by its lines as drawn.
int overflow(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->text().isEmpty() || !label->pixmap().isNull()) return 0;
        QFont font = label->font();
        if (label->property("keepsFiguresWhole").toBool()) {
            const ShownFigure shown = shownFigure(*label);
            if (!shown.whole) return 0;
            font = shown.font;
        }
        return overflow(font, label->text(), textArea(*label), label->wordWrap());
    }
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (!button || button->text().isEmpty()) return 0;
    const QFontMetrics metrics(button->font());
    const QString text =
        qobject_cast<WrappingButton*>(button) ? WrappingButton::captionLines(button->text()) : button->text();
    const QStringList lines = text.split('\n');
    int width = 0;
    for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
    // A push button keeps its frame on either side, an option or a check box
    // its indicator and the gap after it.
    const QStyle* style = button->style();
    int room = button->width() - 4;
    if (qobject_cast<QRadioButton*>(button))
        room = button->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) -
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
    if (qobject_cast<QCheckBox*>(button))
        room = button->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) -
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
    const int height = int(lines.size()) * metrics.height();
    return std::max({0, width - room, height - button->height()});
}

// How a window's caption fits its title bar, which cuts a caption that does
// not fit at the right. The window manager chooses the title font; the
// application's font in bold stands in for it (Qt's "QMdiSubWindowTitleBar"
// font is the plain application font here, and title bars are mostly set in
// bold). The bar leaves the caption the window's width less about 90 px for
// its buttons.
struct CaptionFit {
    int pixels = 0;    // how far the caption runs past the bar
    int wordsCut = 0;  // the words that end past it
};
CaptionFit captionFit(const QWidget& window) {
    QFont font = QApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    const QString caption = window.windowTitle();
    const int room = window.width() - 90;
    CaptionFit fit{std::max(0, metrics.horizontalAdvance(caption) - room), 0};
    static const QRegularExpression word("\\S+");
    for (auto words = word.globalMatch(caption); words.hasNext();)
        if (metrics.horizontalAdvance(caption.left(words.next().capturedEnd())) > room) ++fit.wordsCut;
    return fit;
}

struct Overflow {
    int pixels = 0;
    int wordsCut = -1;  // of a caption: the words the title bar cuts off
    QString text;
};
// What runs past its control, by "window.control" (with the control's place
// among the window's controls where names repeat), and "window.[title]" for
// the caption in the title bar.
using Overflows = std::map<QString, Overflow>;

// Measures every label and button of the window, and its caption.
void measure(QWidget* window, const QString& where, Overflows& found) {
    QList<QWidget*> controls;
    for (QLabel* label : window->findChildren<QLabel*>()) controls << label;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) controls << button;
    for (int i = 0; i < controls.size(); ++i) {
        const QString name = controls[i]->objectName();
        const QString key = where + "." + (name.isEmpty() ? QString::number(i) : name);
        if (const int over = overflow(controls[i])) {
            const auto* label = qobject_cast<QLabel*>(controls[i]);
            const QString text = label ? label->text() : qobject_cast<QAbstractButton*>(controls[i])->text();
            found[found.count(key) ? key + "@" + QString::number(i) : key] = {over, -1, text};
        }
    }
    const CaptionFit caption = captionFit(*window);
    if (caption.pixels) found[where + ".[title]"] = {caption.pixels, caption.wordsCut, window->windowTitle()};
}

// Where the program's own texts, which stay as they are, run past their
// controls in Italian already. In English these may run past by no more
// pixels, and a caption may lose no more words.
const QStringList knownOverflows = {
    // Labels of the two-band window one to three pixels short in the free
    // fonts that stand in for MS Sans Serif (Label41: "(ORIZZONTALE)").
    "frmDIPOLOMULTIBANDA.Label4", "frmDIPOLOMULTIBANDA.Label6", "frmDIPOLOMULTIBANDA.Label8",
    "frmDIPOLOMULTIBANDA.Label11", "frmDIPOLOMULTIBANDA.Label41",
    // Captions whose runs of blanks set "by TAVRON" and the revision at the
    // far right of a title bar wider than today's.
    "frmMENU.[title]", "frmDIPOLOSTANDARD.[title]", "frmTARATURA.[title]", "frmDIPOLOMULTIBANDA.[title]",
    "frmCALCOLOBOBINA.[title]", "frmCOSTRUZIONEBOBINA.[title]", "frmINFO.[title]",
    "frmLEGGIMIstandard.[title]", "frmLEGGIMITARATURA.[title]", "frmLEGGIMImulti.[title]",
    "frmLEGGIMIcalcolo.[title]", "frmLEGGIMIcostruzione.[title]",
    // The photo window is as narrow as its photo.
    "frmFOTOcostr.[title]"};

// Every overflow that is not allowed: an Italian one not known above, an
// English one where the Italian text fits or larger than the Italian.
QStringList unfitting(const Overflows& italian, const Overflows& english) {
    QStringList faults;
    for (const auto& [key, over] : italian)
        if (!knownOverflows.contains(key.section('@', 0, 0)))
            faults << QString("it %1 by %2 px: %3").arg(key).arg(over.pixels).arg(over.text);
    for (const auto& [key, over] : english) {
        const auto original = italian.find(key);
        const bool worse =
            original == italian.end() || (over.wordsCut >= 0 ? over.wordsCut > original->second.wordsCut
                                                             : over.pixels > original->second.pixels);
        if (worse) faults << QString("en %1 by %2 px: %3").arg(key).arg(over.pixels).arg(over.text);
    }
    return faults;
}

// Takes the steps in the window: "Text1=7,05" types the figure (with the
// language's decimal separator), "Option2" clicks.
void follow(QWidget* window, const QStringList& steps, Language language) {
    for (const QString& step : steps) {
        if (step.contains('=')) {
            const QString typed = step.section('=', 1).replace(',', QLatin1Char(decimalSeparator(language)));
            fill(window, {step.section('=', 0, 0)}, {typed});
        } else {
            click(window, step);
        }
    }
}

}  // namespace

// A printer that gives every job up, as the print system may.
class FailingPrinter : public Printer {
public:
    void printLines(const std::vector<std::string>&, Done done) override { done({status, "HP", {}}); }
    void printImage(const QImage&, Done done) override { done({status, "HP", {}}); }
    PrintResult::Status status = PrintResult::Status::noDefaultPrinter;
};

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
    void verificationTextsFit_data();
    void verificationTextsFit();
    void analyserTextsFit();

private:
    RecordingBeep m_beep;
    RecordingPrinter m_printer;
    FailingPrinter m_failingPrinter;
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
    QTest::addColumn<QStringList>("pdf");      // the data's PDF proposed, Italian and English
    QTest::newRow("standard dipole") << "frmDIPOLOSTANDARD"
                                     << QStringList{"Option2", "Text1=7,05", "Command2"}
                                     << QStringList{"Label7"}
                                     << QStringList{"ZELIRO-dipolo-standard.pdf",
                                                    "ZELIRO-standard-dipole.pdf"};
    QTest::newRow("trimming") << "frmTARATURA" << QStringList{"Option1", "Text1=7,05", "Text2=7", "Command2"}
                              << QStringList{"Label5"}
                              << QStringList{"ZELIRO-taratura-dipolo.pdf", "ZELIRO-dipole-trimming.pdf"};
    QTest::newRow("multiband dipole")
        << "frmDIPOLOMULTIBANDA"
        << QStringList{"Option1",     "Option5",     "Text1=35",    "Text2=2,5", "Text3=6,4",
                       "Text4=0,935", "Text5=7,055", "Text6=3,650", "Command2"}
        << QStringList{"Label23", "Label24", "Label25", "Label26", "Label31", "Label32"}
        << QStringList{"ZELIRO-dipolo-multibanda.pdf", "ZELIRO-two-band-dipole.pdf"};
    QTest::newRow("loading coil") << "frmCALCOLOBOBINA"
                                  << QStringList{"Text1=2", "Text2=7,05", "Text3=10", "Text4=2", "Command1"}
                                  << QStringList{"Label9"}
                                  << QStringList{"ZELIRO-calcolo-bobina.pdf", "ZELIRO-loading-coil.pdf"};
    QTest::newRow("coil construction")
        << "frmCOSTRUZIONEBOBINA" << QStringList{"Text3=1,5", "Text5=25", "Text2=40", "Text1=35", "Command2"}
        << QStringList{"Label19"}
        << QStringList{"ZELIRO-costruzione-bobina.pdf", "ZELIRO-coil-construction.pdf"};
}

// The worked values typed in both languages give the same digits, with the
// point in English, on the screen and in the printed report; the results fit
// as the window's fixed texts do.
void English::workedValues() {
    QFETCH(QString, window);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, results);
    QFETCH(QStringList, pdf);
    std::map<Language, QStringList> shown;
    std::map<Language, Overflows> found;
    for (Language language : {Language::italian, Language::english}) {
        startProgram(m_beep, m_printer, 0.01, language);
        QWidget* form = Registry::current().show(window);
        follow(form, steps, language);
        for (const QString& label : results) {
            const QString text = textOf(form, label);
            QVERIFY2(!text.isEmpty(), qPrintable(label));
            QVERIFY2(!text.contains(language == Language::english ? ',' : '.'),
                     qPrintable(label + " " + text));
            shown[language] << text;
        }
        QCOMPARE(m_beep.count, 0);
        measure(form, window, found[language]);
        const QString action = window == "frmDIPOLOMULTIBANDA" ? "stampadati" : "stampasolodati";
        triggerMenu(form, action);
        QVERIFY(waitUntil([&] { return !m_printer.reports.empty(); }));
        QString report;
        for (const std::string& line : m_printer.reports.back())
            report += QString::fromStdString(line) + '\n';
        for (const QString& text : shown[language])
            QVERIFY2(report.contains(text), qPrintable(text + "\n" + report));
        // The PDF is proposed under a name in the window's language.
        triggerMenu(form, "pdfdati");
        QFileDialog* save = nullptr;
        QVERIFY(waitUntil(
            [&] { return (save = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())); }));
        QCOMPARE(QFileInfo(save->selectedFiles().value(0)).fileName(),
                 pdf.value(language == Language::english ? 1 : 0));
        save->close();
        stopProgram();
    }
    QStringList pointed = shown[Language::italian];
    pointed.replaceInStrings(",", ".");
    QCOMPARE(shown[Language::english], pointed);
    const QStringList faults = unfitting(found[Language::italian], found[Language::english]);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
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

// No text is wider (or, wrapped, taller) than its label or button, and no
// caption longer than its title bar, in either language, but for the known
// Italian ones.
void English::textsFit() {
    startProgram(m_beep, m_printer);
    const QStringList names = Registry::current().names();
    std::map<Language, Overflows> found;
    for (Language language : {Language::italian, Language::english}) {
        startProgram(m_beep, m_printer, 0.01, language);
        for (const QString& name : names) {
            QWidget* window = Registry::current().show(name);
            QVERIFY(window);
            measure(window, name, found[language]);
            Registry::current().close(name);
        }
        stopProgram();
    }
    const QStringList faults = unfitting(found[Language::italian], found[Language::english]);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void English::verificationTextsFit_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("standard dipole") << "frmDIPOLOSTANDARD"
                                     << QStringList{"Option2", "Text1=7,05", "Command2"};
    QTest::newRow("two-band dipole") << "frmDIPOLOMULTIBANDA"
                                     << QStringList{"Option1",     "Option5",     "Text1=35", "Text3=6,4",
                                                    "Text5=7,055", "Text6=3,650", "Command2"};
    QTest::newRow("loading coil") << "frmCALCOLOBOBINA"
                                  << QStringList{"Text1=2", "Text2=7,05", "Text3=10", "Text4=2", "Command1"};
}

// The verification window's texts fit as the calculation windows' do: as it
// opens, after a run of nec2c, beside a measured sweep, and the message that
// offers the PDF when its print does not go.
void English::verificationTextsFit() {
    QFETCH(QString, opener);
    QFETCH(QStringList, steps);
    QTemporaryDir scratch;
    const QString sweep = scratch.filePath("dipolo.s1p");
    std::ofstream out(QFile::encodeName(sweep).toStdString());
    writeDipoleTouchstone(out, DipoleModel{}, 3.4, 7.5, 801);
    out.close();
    std::map<Language, Overflows> found;
    for (Language language : {Language::italian, Language::english}) {
        startProgram(m_beep, m_printer, 0.01, language);
        QWidget* designer = Registry::current().show(opener);
        follow(designer, steps, language);
        Registry::current().setPrinter(&m_failingPrinter);
        triggerMenu(designer, "verifica");
        QWidget* window = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "frmVERIFICA" && top->property("opener") == opener) window = top;
        QVERIFY(window);
        measure(window, "frmVERIFICA", found[language]);
        click(window, "simula");
        QVERIFY(waitUntil([window] { return !window->property("running").toBool(); }, 60000));
        QVERIFY2(textOf(window, "messaggio").isEmpty(), qPrintable(textOf(window, "messaggio")));
        measure(window, "frmVERIFICA[simulated]", found[language]);
        fileDialogs().openName = sweep;
        click(window, "caricaMisura");
        QVERIFY(!textOf(window, "misura1").isEmpty());
        measure(window, "frmVERIFICA[measured]", found[language]);
        using Status = PrintResult::Status;
        for (Status status :
             {Status::noDefaultPrinter, Status::noAnswer, Status::refused, Status::notFinished}) {
            m_failingPrinter.status = status;
            click(window, "stampa");
            QWidget* message = nullptr;
            QVERIFY(waitUntil([&message] { return (message = QApplication::activeModalWidget()); }));
            measure(message, "stampamessaggio" + QString::number(int(status)), found[language]);
            message->close();
        }
        stopProgram();
    }
    const QStringList faults = unfitting(found[Language::italian], found[Language::english]);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// The analyser dialog's and its calibration's texts fit, with the message of a
// port that is not there.
void English::analyserTextsFit() {
    std::map<Language, Overflows> found;
    for (Language language : {Language::italian, Language::english}) {
        startProgram(m_beep, m_printer, 0.01, language);
        QWidget* trimming = Registry::current().show("frmTARATURA");
        follow(trimming, {"Text1=7,05"}, language);
        triggerMenu(trimming, "daanalizzatore");
        QWidget* dialog = trimming->findChild<QWidget*>("frmANALIZZATORE");
        QVERIFY(dialog);
        measure(dialog, "frmANALIZZATORE", found[language]);
        control<QComboBox>(dialog, "porta")->setEditText("/dev/zeliro-no-such-port");
        click(dialog, "misura");
        QVERIFY(!textOf(dialog, "messaggio").isEmpty());
        measure(dialog, "frmANALIZZATORE[fault]", found[language]);
        click(dialog, "calibra");
        QWidget* calibration = dialog->findChild<QWidget*>("frmCALIBRAZIONE");
        QVERIFY(calibration);
        click(calibration, "open");
        QVERIFY(waitUntil([calibration] { return !textOf(calibration, "messaggio").isEmpty(); }));
        measure(calibration, "frmCALIBRAZIONE[fault]", found[language]);
        stopProgram();
    }
    const QStringList faults = unfitting(found[Language::italian], found[Language::english]);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

ZELIRO_TEST_MAIN(English)
#include "test_english.moc"
