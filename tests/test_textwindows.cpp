// The information, read-me and photo windows: their fixed texts, their
// photographs, and how their openers show them.
#include <QAbstractButton>
#include <QImageReader>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include "core/texts.h"
#include "frame/CalculationWindow.h"
#include "frame/Look.h"
#include "frame/Registry.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

namespace {

// The texts as the windows show them, one line below the other.
// clang-format off
const char* const informationOpening = R"txt(Per visualizzare correttamente il programma è consigliabile una risoluzione
non inferiore a 800 * 600.
Cliccando le singole caselle del menù, si entra di volta in volta nello specifico
problema menzionato in esse. Aperta la pagina, un opportuno leggimi illustra lo
scopo, l'applicazione ed eventuali note.)txt";

const char* const frmLEGGIMIstandardText = R"txt("DIPOLO STANDARD" permette, con il solo inserimento della frequenza, di
ottenere la lunghezza totale del dipolo a mezzonda, nelle sue due tipiche
configurazioni cioè orizzontale o inverted V.
Alla lunghezza ottenuta, per ovviare alla presenza di ostacoli,distanze dal
suolo ridotte,configurazioni geometriche non corrette
si suggerisce di lasciare un tratto di conduttore in eccesso ( codini ) per
gli aggiustamenti.
E' suggeribile l'utilizzo di un simmetrizzatore (BALUN 1:1))txt";

const char* const frmLEGGIMITARATURAText = R"txt(Realizzato il dipolo orizzontale o inverted V con le dimensioni ricavate dai
programmi "DIPOLO STANDARD" o " DIPOLO MULTIBANDA" ( per il solo
tratto relativo alla prima frequenza ) normalmente si rileva che la frequenza di
risonanza ( minimo ROS ), non coincide con quella desiderata.
Questo perché solitamente il dipolo realizzato non si trova nello spazio libero,
con la corretta distanza da  terra e privo di interferenze da ostacoli.
Con questo programma è sufficiente inserire la frequenza voluta e quella di
risonanza rilevata, per ottenere la quantità di allungamento o accorciamento
da applicare ad entrambi i bracci del dipolo, senza naturalmente modificarne
l'ubicazione.
Il programma agisce correttamente nell'ambito della banda presa in
considerazione.)txt";

const char* const frmLEGGIMIcalcoloText = R"txt(CALCOLO  BOBINA : consente di realizzare antenne ( DIPOLO ) accorciate
fisicamente.
In base allo spazio a disposizione ed al diametro del conduttore o tubo usato
permette di calcolare il valore dell' induttanza necessaria all'accorciamento
del dipolo.
Partendo dal centrale ,è buona norma posizionare la bobina non oltre la metà
braccio del dipolo.
Dopo averne ottenuto il valore si può passare a "COSTRUZIONE
DELLA  BOBINA".)txt";

const char* const frmLEGGIMIcostruzioneText = R"txt(COSTRUZIONE  BOBINA  : ipotizzando diametro supporto,diametro filo dell'
avvolgimento e numero delle spire permette la realizzazione della bobina
rispondente al valore di induttanza richiesto.
E' buona norma realizzare una bobina quadra (lunghezza avvolgimento
uguale al diametro supporto ), pertanto è suggeribile non distanziare le spire
trà di loro,utilizzando quindi filo smaltato.
Con un diametro di 1mm la bobina sostiene validamente qualche centinaio di
WATT,per potenze prossime al Kw ed oltre è indispensabile aumentare la
sezione.
Se possibile, verificare con l'induttanzimetro la corrispondenza di quanto
ottenuto con quanto prefissato, ma sopratutto l'uguaglianza tra le due
bobine.
Comunque piccoli scostamenti del valore in MicroHenry,si compensano con la
variazione in + o in  - della lunghezza del tratto di dipolo esterno alla bobina.
Queste variazioni si rendono altresì necessarie per gli aggiustamenti
dovuti alla presenza di ostacoli,distanza dal terreno configurazione del
dipolo.
In questo calcolo l' input " LUNGHEZZA AVVOLGIMENTO " sembra essere
superfluo, perchè il computer può ricavarlo dal numero delle spire per il
diametro del filo.Se così fosse, tutte le bobine dovrebbero essere costruite
con filo smaltato, senza spaziatura.
Lasciando questo valore manuale, l'utente può aumentare questa lunghezza,
creando così spaziatura tra le spire. (usando filo per impianti domestici )
Per un miglior rendimento, rispettare sempre il rapporto di lunghezza
avvolgimento uguale al diametro del supporto.
E' sempre consigliabile l' utilizzo di un simmetrizzatore (BALUN  1:1))txt";

const char* const frmLEGGIMImultiText = R"txt("DIPOLO  MULTIBANDA" permette di realizzare un dipolo risonante su più
frequenze.
Le bobine,vengono realizzate con cavo coassiale.
La prima input chiede di inserire la capacità del coassiale (capacità per
centimetro).
Se si intende utilizzare un cavo presente nell'elenco, fare clik su di esso ,
così le caselle di Capacità e Raggio vengono compilate automaticamente
con l'inserimento di valori caratteristici prelevati da tabelle.
Chi ha la possibilità di verificare tali dati direttamente (capacimetro )
rilevando differenze o chi vuole utilizzare cavi non in elenco
inserisce manualmente i valori.
Chi seleziona la "MODALITA' MANUALE " vede comparire una nuova
casella INPUT per il tipo di cavo. (omettere RG)
Questo dato, non ha nessuna influenza sul calcolo,serve solo ad
essere visualizzato in stampa.
Ora bisogna inserire il raggio del supporto,
il numero delle spire e le due frequenze dove si intende trasmettere,
intendendo come prima frequenza quella più alta
e come seconda la più bassa.
All'inizio il numero delle spire è casuale,serve solo ad avere un punto di
partenza.
Premendo "CALCOLA" sotto al disegno del dipolo appare la frequenza di
taglio della bobina che deve essere leggermente superiore
all'estremo della banda riferita alla prima frequenza,oppure secondo
esigenze personali.
Continuare a modificare il numero delle spire e/o il raggio del supporto per
ottenere la frequenza desiderata.
E' bene che la lunghezza dell'avvolgimento stia nel rapporto di circa 0,4 o 0,5
rispetto al diametro del supporto.
Per facilitare l'ottenimento di questo rapporto,suggeriamo la partenza con i
seguenti dati per ogni banda.I valori riportati sono riferiti al cavo RG58.
Banda                          Raggio supporto                          Numero Spire


80m                                  mm   45                                           9

40m                                  mm   35                                           7

30m                                  mm   30                                           6

20m                                  mm   25                                           5

17m                                  mm   22,5                                        5

15m                                  mm   20                                           4

12m                                  mm   20                                           4

10m                                  mm   18                                           4


(ESEMPIO)
Supponiamo di dover realizzare un dipolo orizzontale per 40 e 80 metri:

Raggio del supporto  = mm 35
Raggio del RG58u      = mm 2,5
Numero delle spire     =6,4
Capacità del RG58u    = 0,935
Prima frequenza      Mhz = 7,055
Seconda frequenza Mhz = 3,650

RISULTATO DEL CALCOLO:
Metri dal centrale alla bobina = 10,09
Risonanza Mhz = 7,179
Metri dalla bobina alla fine del dipolo = metri 7,89
Capacità PF = 142,86
MicroHenry = 3,44
Centimetri di coassiale per la bobina = 152,7

Questa bobina funziona da  filtro Passa Basso,quindi si opporrà al transito di
frequenze superiori alla sua risonanza, ecco perchè  la  RISONANZA  deve
essere sempre superiore all'intera banda dove si intende trasmettere.
Capiterà spesso che per la frequenza di risonanza richiesta si debba
realizzare una bobina con un determinato numero di spire più i decimali.
In questo caso bisogna rispettare fedelmente questi dati perchè anche un
centimetro di spira varia di molto la risonanza.
Lo stesso scopo lo si può raggiungere variando il diametro del supporto.
Nella videata in basso a destra vengono riportati i valori in Picofarad e
MicroHenry della bobina.Chi non volesse utilizzare il cavo coassiale
può realizzare le bobine con filo smaltato
(usando il programma Costruzione Bobina) introducendo al suo
interno la capacità (in parallelo).
La bobina in coassiale avrà un estremo con CALZA e l'altro con il POLO
CALDO.(anima)
La disposizione esatta è :
1) lato CALZA verso il centro del dipolo
2) lato CALDO (anima) verso l'esterno
Nella casella " Lunghezza del coassiale per le spire " viene visualizzata la
lunghezza del cavo per le sole spire.
Questa misura comprende i due tratti di cavo A e B di 1 centimetro ciascuno
per l'inserimento nel supporto (vedi figura) che devono restare integri.
Per il collegamento all'interno del supporto,vanno aggiunti alcuni centimetri
che variano a seconda se la bobina  avrà + o - spire.
Per la taratura occorre installare il dipolo solo con i bracci per la prima
frequenza (più alta) con le trappole che fungono provvisoriamente da
isolatore.
Dopo la taratura per il minimo ROS, si aggiungono i bracci per la seconda
frequenza (più bassa) e si procede alla taratura  per detta banda.
Se si desidera aggiungere una terza frequenza al dipolo bibanda
realizzato,occorre procedere al calcolo di un  dipolo bibanda costituito però
dalla seconda e terza frequenza, utilizzando quindi i  soli dati relativi alla
bobina  ed al tratto di braccio (relativo alla terza frequenza)
che verrà aggiunto successivamente ad essa.

NB:  la presenza di ostacoli, la distanza da terra e la configurazione
geometrica del dipolo, possono variare la lunghezza dei bracci.
E' suggeribile l' utilizzo di un simmetrizzatore (BALUN 1:1))txt";
// clang-format on

QStringList linesOf(const char* text) { return QString::fromUtf8(text).split('\n'); }

QString caption(int afterLeggimi, int afterBy, int afterTavron, const QString& revision) {
    return "Leggimi" + QString(afterLeggimi, ' ') + "by" + QString(afterBy, ' ') + "TAVRON" +
           QString(afterTavron, ' ') + revision;
}

QPlainTextEdit* textBox(QWidget* window) { return control<QPlainTextEdit>(window, "Text1"); }

QStringList shownLines(QWidget* window) {
    QPlainTextEdit* box = textBox(window);
    return box ? box->toPlainText().split('\n') : QStringList();
}

// True when the start of the block is inside the visible part of the box.
bool lineVisible(QPlainTextEdit* box, const QTextBlock& block) {
    const QRect line = box->cursorRect(QTextCursor(block));
    return line.top() >= 0 && line.bottom() <= box->viewport()->height();
}

const QStringList textWindows = {"frmINFO",           "frmLEGGIMIstandard",    "frmLEGGIMITARATURA",
                                 "frmLEGGIMIcalcolo", "frmLEGGIMIcostruzione", "frmLEGGIMImulti"};
const QStringList photoWindows = {"frmFOTOcostr", "frmFOTOmulti"};

// A calculation window as the real ones open their read-me and photo: through
// the frame's menu bar.
class StandInWindow : public CalculationWindow {
public:
    explicit StandInWindow(Registry& registry)
        : CalculationWindow(registry, "PROVA", QSize(300, 200),
                            MenuBarItems{.readMeWindow = "frmLEGGIMIcostruzione",
                                         .photoAction = "fotocostr",
                                         .photoWindow = "frmFOTOcostr"}) {
        addField("Text1", QRect(10, 10, 100, 24));
    }
    std::vector<std::string> dataReport() const override { return {}; }
};

}  // namespace

class TextWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void textsMatchLineByLine_data();
    void textsMatchLineByLine();
    void textsBreakLinesWithCrLf_data();
    void textsBreakLinesWithCrLf();
    void informationTextOpensWithAdviceAndEndsWithDisclaimer();
    void textWindowLook_data();
    void textWindowLook();
    void everyLineShowsWhole_data();
    void everyLineShowsWhole();
    void twoBandReadMeScrollsToItsLastLine();
    void nothingTypedIntoTheTextIsKept();
    void photosShowAtTheirSizes_data();
    void photosShowAtTheirSizes();
    void secondRequestRaisesTheOneCopy_data();
    void secondRequestRaisesTheOneCopy();
    void noButtonsAndNoMenus();
    void infoButtonOpensInformationOnce();
    void closingInformationLeavesTheMenu();
    void menuItemsOpenReadMeAndPhotoOnce_data();
    void menuItemsOpenReadMeAndPhotoOnce();
    void reopenedTextWindowShowsItsTextAfresh();

private:
    RecordingBeep m_beep;
    RecordingPrinter m_printer;
};

void TextWindows::init() { startProgram(m_beep, m_printer); }
void TextWindows::cleanup() { stopProgram(); }

void TextWindows::textsMatchLineByLine_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("half-wave dipole read-me")
        << "frmLEGGIMIstandard"
        << "DIPOLO  STANDARD" << caption(108, 5, 69, "rev 1.06") << linesOf(frmLEGGIMIstandardText);
    QTest::newRow("trimming read-me")
        << "frmLEGGIMITARATURA"
        << "TARATURA  del   DIPOLO" << caption(76, 4, 64, "rev  1.06") << linesOf(frmLEGGIMITARATURAText);
    QTest::newRow("loading-coil read-me")
        << "frmLEGGIMIcalcolo"
        << "CALCOLO  BOBINA" << caption(107, 5, 71, "rev.1.06") << linesOf(frmLEGGIMIcalcoloText);
    QTest::newRow("coil construction read-me")
        << "frmLEGGIMIcostruzione"
        << "COSTRUZIONE  BOBINA" << caption(107, 5, 69, "rev 1.06") << linesOf(frmLEGGIMIcostruzioneText);
    QTest::newRow("two-band dipole read-me")
        << "frmLEGGIMImulti"
        << "DIPOLO  MULTIBANDA" << caption(102, 5, 76, "rev. 1.06") << linesOf(frmLEGGIMImultiText);
}

void TextWindows::textsMatchLineByLine() {
    QFETCH(QString, window);
    QFETCH(QString, title);
    QFETCH(QString, caption);
    QFETCH(QStringList, lines);
    QWidget* shown = Registry::current().show(window);
    QVERIFY(shown);
    QCOMPARE(shown->windowTitle(), caption);
    QCOMPARE(textOf(shown, "Label1"), title);
    const QStringList onScreen = shownLines(shown);
    for (int i = 0; i < std::min(onScreen.size(), lines.size()); ++i)
        QVERIFY2(
            onScreen[i] == lines[i],
            qPrintable(QString("line %1: \"%2\", expected \"%3\"").arg(i + 1).arg(onScreen[i], lines[i])));
    QCOMPARE(onScreen.size(), lines.size());
}

void TextWindows::textsBreakLinesWithCrLf_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<int>("lines");
    QTest::newRow("information") << informationTexts().text << 17;
    QTest::newRow("half-wave dipole") << halfWaveReadMe().text << 8;
    QTest::newRow("trimming") << trimmingReadMe().text << 12;
    QTest::newRow("loading coil") << loadingCoilReadMe().text << 9;
    QTest::newRow("coil construction") << coilConstructionReadMe().text << 26;
    QTest::newRow("two-band dipole") << twoBandReadMe().text << 107;
}

void TextWindows::textsBreakLinesWithCrLf() {
    QFETCH(std::string, text);
    QFETCH(int, lines);
    int pairs = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            QVERIFY2(i + 1 < text.size() && text[i + 1] == '\n', "CR without LF");
            ++pairs;
        } else if (text[i] == '\n') {
            QVERIFY2(i > 0 && text[i - 1] == '\r', "LF without CR");
        }
    }
    QCOMPARE(pairs, lines - 1);
    QVERIFY(text.substr(text.size() - 2) != "\r\n");
}

void TextWindows::informationTextOpensWithAdviceAndEndsWithDisclaimer() {
    QWidget* info = Registry::current().show("frmINFO");
    QCOMPARE(info->windowTitle(), caption(107, 4, 76, "rev. 1.06"));
    QCOMPARE(textOf(info, "Label1"), "INFORMAZIONI  GENERALI");
    const QStringList lines = shownLines(info);
    QCOMPARE(lines.mid(0, 5), linesOf(informationOpening));
    QCOMPARE(lines.size(), 17);
    QCOMPARE(lines.mid(5, 3), QStringList({"", "", ""}));
    const QStringList credits = lines.mid(8, 5);
    for (const QString& line : credits) QVERIFY2(!line.trimmed().isEmpty(), qPrintable(credits.join('|')));
    QVERIFY(credits.join(' ').contains("radioamatori"));
    QVERIFY(credits.join(' ').contains("TAVRON"));
    QCOMPARE(lines[13], QString());
    QVERIFY(lines[14].startsWith("NB:"));
    const QString disclaimer = lines.mid(14).join(' ');
    for (const char* word : {"responsabilità", "danni", "interruzione di attività", "dati", "denaro"})
        QVERIFY2(disclaimer.contains(QString::fromUtf8(word)), word);
    // A contact is a call sign: no mail address, no web address.
    QVERIFY(!lines.join(' ').contains('@'));
    QVERIFY(!lines.join(' ').contains("www"));
}

void TextWindows::textWindowLook_data() {
    QTest::addColumn<QString>("window");
    for (const QString& name : textWindows) QTest::newRow(qPrintable(name)) << name;
}

void TextWindows::textWindowLook() {
    QFETCH(QString, window);
    QWidget* shown = Registry::current().show(window);
    QPlainTextEdit* box = textBox(shown);
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QVERIFY(box->isReadOnly());
    QCOMPARE(box->palette().color(QPalette::Base), QColor(0xE0, 0xE0, 0xE0));
    const QString sansFace = namedFont("MS Sans Serif", 10).family();
    QCOMPARE(box->font().family(), sansFace);
    auto* title = control<QLabel>(shown, "Label1");
    QVERIFY(title);
    QCOMPARE(title->font().family(), sansFace);
    // The title stands above the text, which fills most of the window.
    QVERIFY(title->geometry().bottom() <= box->geometry().top());
    QVERIFY(box->width() * box->height() > shown->width() * shown->height() / 2);
    const bool scrolls = window == "frmLEGGIMImulti";
    QCOMPARE(box->verticalScrollBar()->isVisible(), scrolls);
    QVERIFY(!box->horizontalScrollBar()->isVisible());
}

void TextWindows::everyLineShowsWhole_data() { textWindowLook_data(); }

// Each line of the text is one line on the screen (none is wrapped), and the
// boxes without a scroll bar hold their whole text.
void TextWindows::everyLineShowsWhole() {
    QFETCH(QString, window);
    QPlainTextEdit* box = textBox(Registry::current().show(window));
    QTextDocument* document = box->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        document->documentLayout()->blockBoundingRect(block);
        QVERIFY2(block.layout()->lineCount() == 1, qPrintable("wrapped: " + block.text()));
    }
    if (window != "frmLEGGIMImulti") {
        QCOMPARE(box->verticalScrollBar()->maximum(), 0);
        QVERIFY(lineVisible(box, document->lastBlock()));
    }
}

void TextWindows::twoBandReadMeScrollsToItsLastLine() {
    QPlainTextEdit* box = textBox(Registry::current().show("frmLEGGIMImulti"));
    QScrollBar* bar = box->verticalScrollBar();
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const QTextBlock last = box->document()->lastBlock();
    QCOMPARE(last.text(), QString("E' suggeribile l' utilizzo di un simmetrizzatore (BALUN 1:1)"));
    QVERIFY(lineVisible(box, box->document()->firstBlock()));
    QVERIFY(!lineVisible(box, last));
    QVERIFY(bar->maximum() > 0);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    QVERIFY(lineVisible(box, last));
    QVERIFY(!lineVisible(box, box->document()->firstBlock()));
}

void TextWindows::nothingTypedIntoTheTextIsKept() {
    QWidget* shown = Registry::current().show("frmLEGGIMIstandard");
    QPlainTextEdit* box = textBox(shown);
    const QString before = box->toPlainText();
    box->setFocus();
    QTest::keyClicks(box, "abc 123");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->toPlainText(), before);
    // The text may be selected.
    box->selectAll();
    QCOMPARE(box->textCursor().selectedText().size(), before.size());
}

void TextWindows::photosShowAtTheirSizes_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    QTest::newRow("coil of enamelled wire") << "frmFOTOcostr"
                                            << "Bobina con filo smaltato"
                                            << ":/photos/enamelledcoil.jpg" << QSize(201, 227);
    QTest::newRow("trap of coaxial cable") << "frmFOTOmulti"
                                           << "Bobina con cavo  coassiale"
                                           << ":/photos/coaxtrap.jpg" << QSize(330, 192);
}

void TextWindows::photosShowAtTheirSizes() {
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    QImageReader reader(resource);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage photo = reader.read();
    QCOMPARE(photo.size(), size);
    QVERIFY(!photo.isGrayscale());

    QWidget* shown = Registry::current().show(window);
    QVERIFY(shown);
    QCOMPARE(shown->windowTitle(), caption);
    auto* picture = control<QLabel>(shown, "Picture1");
    QVERIFY(picture);
    QVERIFY(picture->isVisible());
    QCOMPARE(picture->pixmap().size(), size);
    QCOMPARE(picture->size(), size);
    QVERIFY(shown->rect().contains(picture->geometry()));
}

void TextWindows::secondRequestRaisesTheOneCopy_data() {
    QTest::addColumn<QString>("window");
    for (const QString& name : textWindows + photoWindows) QTest::newRow(qPrintable(name)) << name;
}

void TextWindows::secondRequestRaisesTheOneCopy() {
    QFETCH(QString, window);
    Registry& registry = Registry::current();
    QWidget* first = registry.show(window);
    QVERIFY(first);
    const QString other = window == "frmINFO" ? "frmFOTOmulti" : "frmINFO";
    QWidget* inFront = registry.show(other);
    QVERIFY(waitUntil([&] { return QApplication::activeWindow() == inFront; }));
    QCOMPARE(registry.show(window), first);
    QCOMPARE(copiesOf(window), 1);
    QVERIFY(waitUntil([&] { return QApplication::activeWindow() == first; }));
    QVERIFY(inFront->isVisible());
}

void TextWindows::noButtonsAndNoMenus() {
    for (const QString& name : textWindows + photoWindows) {
        QWidget* shown = Registry::current().show(name);
        QVERIFY2(shown->findChildren<QAbstractButton*>().isEmpty(), qPrintable(name));
        QVERIFY2(shown->findChildren<QMenuBar*>().isEmpty(), qPrintable(name));
    }
}

void TextWindows::infoButtonOpensInformationOnce() {
    QWidget* splash = window("frmSplash");
    click(splash, "Command1");
    QWidget* menu = Registry::current().show("frmMENU");
    click(menu, "Command3");
    QVERIFY(window("frmINFO"));
    click(menu, "Command3");
    QCOMPARE(copiesOf("frmINFO"), 1);
    QVERIFY(window("frmMENU"));
}

void TextWindows::closingInformationLeavesTheMenu() {
    QWidget* menu = Registry::current().show("frmMENU");
    const QString menuCaption = menu->windowTitle();
    click(menu, "Command3");
    QWidget* info = window("frmINFO");
    QVERIFY(info);
    QVERIFY(info->close());
    QVERIFY(waitUntil([] { return copiesOf("frmINFO") == 0; }));
    QCOMPARE(window("frmMENU"), menu);
    QCOMPARE(menu->windowTitle(), menuCaption);
    QCOMPARE(textOf(menu, "Command3"), "INFO");
}

void TextWindows::menuItemsOpenReadMeAndPhotoOnce_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("target");
    QTest::newRow("half-wave dipole Leggimi") << "frmDIPOLOSTANDARD"
                                              << "leggimi"
                                              << "frmLEGGIMIstandard";
    QTest::newRow("trimming Leggimi") << "frmTARATURA"
                                      << "leggimi"
                                      << "frmLEGGIMITARATURA";
    QTest::newRow("loading coil Leggimi") << "frmCALCOLOBOBINA"
                                          << "leggimi"
                                          << "frmLEGGIMIcalcolo";
    QTest::newRow("coil construction Leggimi") << "frmCOSTRUZIONEBOBINA"
                                               << "leggimi"
                                               << "frmLEGGIMIcostruzione";
    QTest::newRow("coil construction Foto") << "frmCOSTRUZIONEBOBINA"
                                            << "fotocostr"
                                            << "frmFOTOcostr";
    QTest::newRow("two-band dipole Leggimi") << "frmDIPOLOMULTIBANDA"
                                             << "leggimi"
                                             << "frmLEGGIMImulti";
    QTest::newRow("two-band dipole Foto") << "frmDIPOLOMULTIBANDA"
                                          << "FOTOmulti"
                                          << "frmFOTOmulti";
    QTest::newRow("frame Leggimi") << "frmPROVA"
                                   << "leggimi"
                                   << "frmLEGGIMIcostruzione";
    QTest::newRow("frame Foto") << "frmPROVA"
                                << "fotocostr"
                                << "frmFOTOcostr";
}

// A calculation window keeps what was typed into it while its read-me or
// photo is opened, raised and closed.
void TextWindows::menuItemsOpenReadMeAndPhotoOnce() {
    QFETCH(QString, opener);
    QFETCH(QString, action);
    QFETCH(QString, target);
    Registry& registry = Registry::current();
    registry.add<StandInWindow>("frmPROVA");
    if (!registry.knows(opener)) QSKIP(qPrintable(opener + " is not built yet"));
    QWidget* calculation = registry.show(opener);
    type(calculation, "Text1", "7,05");
    triggerMenu(calculation, action);
    QWidget* opened = window(target);
    QVERIFY(opened);
    registry.show(opener);
    QVERIFY(waitUntil([&] { return QApplication::activeWindow() == calculation; }));
    triggerMenu(calculation, action);
    QCOMPARE(window(target), opened);
    QCOMPARE(copiesOf(target), 1);
    QVERIFY(waitUntil([&] { return QApplication::activeWindow() == opened; }));
    QVERIFY(opened->close());
    QVERIFY(waitUntil([&] { return copiesOf(target) == 0; }));
    QCOMPARE(window(opener), calculation);
    QCOMPARE(textOf(calculation, "Text1"), "7,05");
}

void TextWindows::reopenedTextWindowShowsItsTextAfresh() {
    Registry& registry = Registry::current();
    QPlainTextEdit* box = textBox(registry.show("frmLEGGIMImulti"));
    box->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    box->selectAll();
    box->window()->close();
    QVERIFY(waitUntil([] { return copiesOf("frmLEGGIMImulti") == 0; }));
    box = textBox(registry.show("frmLEGGIMImulti"));
    QCOMPARE(box->verticalScrollBar()->value(), 0);
    QVERIFY(!box->textCursor().hasSelection());
    QCOMPARE(shownLines(box->window()), linesOf(frmLEGGIMImultiText));
}

ZELIRO_TEST_MAIN(TextWindows)
#include "test_textwindows.moc"
