// The two-band dipole's form: every text, option, field, result, drawing and
// warning at its place, the tab order and the handlers wired.
#include "dipoles/frmDIPOLOMULTIBANDA.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/version.h"
#include "frame/DecimalField.h"
#include "frame/Look.h"
#include "frame/Registry.h"

namespace zeliro {
namespace {

const QColor blue(0, 0, 255);
const QColor lightGreen(192, 255, 192);
const QColor copper(192, 96, 0);

QString caption() {
    return frmDIPOLOMULTIBANDA::tr("DIPOLO   BIBANDA") + spaces(61) + "by" + spaces(3) + "TAVRON" +
           spaces(65) + revisionCaption;
}

}  // namespace

frmDIPOLOMULTIBANDA::frmDIPOLOMULTIBANDA(Registry& registry)
    : CalculationWindow(registry, caption(), twipsRect(0, 0, 11520, 8400).size(),
                        MenuBarItems{"frmLEGGIMImulti", "stampadati", "FOTOmulti", "frmFOTOmulti"}),
      m_variables(registry.variables<Variables>()) {
    client()->setFont(sansFont(8));
    buildTexts();
    buildOptions();
    buildInputs();
    buildArm();
    buildResults();
    buildCoil();
    buildWarnings();
    setTabOrder();
    connectHandlers();
    addVerification(tr("DIPOLO  BIBANDA"));
}

void frmDIPOLOMULTIBANDA::buildTexts() {
    QLabel* title = addLabel("Label1", tr("DIPOLO  MULTIBANDA  CON  TRAPPOLE  IN  CAVO  COASSIALE"),
                             twipsRect(480, 120, 10800, 495));
    title->setFont(namedFont("Times New Roman", 16, true));
    title->setWordWrap(false);
    title->setAlignment(Qt::AlignCenter);
    setColours(*title, yellow, teal);
    addLabel("Label38", tr("Per selezionare usa TAB o il  MOUSE"), twipsRect(3360, 1680, 3600, 255));
    addLabel("Label33", tr("Separare  i  MHz  dai  KHz  con  la  virgola"), twipsRect(3360, 2280, 4200, 255));
    QLabel* advice =
        addLabel("Label36",
                 tr("Per un buon rendimento  occorre che le bobine abbiano un rapporto tra lunghezza e "
                    "diametro bobina di 0,4   0,5."),
                 twipsRect(9120, 3240, 2055, 975));
    setColours(*advice, black, lightGreen);
}

void frmDIPOLOMULTIBANDA::buildOptions() {
    Frame1 = addFrame("Frame1", tr("Coassiale"), twipsRect(480, 600, 1935, 1093));
    Option1 = addOption(Frame1, "Option1", "RG58U", twipsRect(60, 200, 885, 255));
    Option2 = addOption(Frame1, "Option2", "RG223", twipsRect(60, 520, 885, 255));
    Option3 = addOption(Frame1, "Option3", "RG174", twipsRect(950, 200, 885, 255));
    Option4 = addOption(Frame1, "Option4", "RG213", twipsRect(960, 450, 885, 255));
    Option7 = addOption(Frame1, "Option7", tr("Modalità  Manuale"), twipsRect(60, 870, 1815, 210));

    frame2 = addFrame("frame2", tr("Dipolo"), twipsRect(480, 2040, 1250, 787));
    Option5 = addOption(frame2, "Option5", tr("orizzontale"), twipsRect(90, 240, 1100, 240));
    Option6 = addOption(frame2, "Option6", tr("Inverted  V"), twipsRect(90, 480, 1100, 240));

    Label43 = addLabel("Label43", tr("Tipo di coassiale RG"), twipsRect(2880, 2655, 1620, 255));
    setColours(*Label43, red, white);
    Label43->hide();
    Text7 = new QLineEdit(client());
    Text7->setObjectName("Text7");
    Text7->setGeometry(twipsRect(4560, 2640, 975, 285));
    Text7->setToolTip(tr("inserisci solo il numero (senza scritta RG)"));
    setColours(*Text7, black, white);
    Text7->hide();
    nameAfter(Text7, Label43);
}

void frmDIPOLOMULTIBANDA::buildInputs() {
    struct Row {
        DecimalField** box;
        const char* field;
        const char* prompt;
        QString caption;
        bool arial;
        QString tooltip;
        int top;
    };
    const Row rows[] = {
        {&Text4, "Text4", "Label5", tr("CAPACITA'  DEL CAVO  COASSIALE  1 cm =   Pf  "), true,
         tr("Se il valore non è in lista, digitalo manualmente"), 3000},
        {&Text2, "Text2", "Label3", tr("RAGGIO  DEL  CAVO  COASSIALE ................. mm  "), true,
         tr("Se il valore non è in lista digitalo manualmente"), 3360},
        {&Text1, "Text1", "Label2", tr("RAGGIO  DEL  SUPPORTO ............................... mm  "), true,
         tr("Input raggio supporto"), 3720},
        {&Text3, "Text3", "Label4", tr("NUMERO  DELLE  SPIRE .........................................n "),
         true, tr("Input numero delle spire"), 4080},
        {&Text5, "Text5", "Label34", tr("centro  banda  PRIMA  FREQUENZA .... Mhz"), false,
         tr("Input frequenza più alta"), 4440},
        {&Text6, "Text6", "Label10", tr("centro  banda  SECONDA FREQUENZA  Mhz"), false,
         tr("Input frequenza più bassa"), 4800},
    };
    for (const Row& row : rows) {
        const int left = QString(row.prompt) == "Label34" ? 480 : 600;
        QLabel* prompt = addLabel(row.prompt, row.caption, twipsRect(left, row.top, 4560 - left, 285));
        prompt->setWordWrap(false);
        if (row.arial) prompt->setFont(namedFont("Arial", 8));
        *row.box = addField(row.field, twipsRect(4560, row.top, 975, 285), row.tooltip);
        nameAfter(*row.box, prompt);
    }
    Command1 =
        addButton("Command1", tr("MENU'"), twipsRect(5880, 3960, 975, 390), tr("Ritorna al menù iniziale"));
    Command3 = addButton("Command3", tr("RESETTA"), twipsRect(7080, 4320, 975, 375),
                         tr("Cancella tutte le input & output"));
    Command2 = addButton("Command2", tr("CALCOLA"), twipsRect(5880, 4680, 975, 390),
                         tr("Completate le caselle input,calcola il dipolo"));
}

// One arm: centre insulator, inner wire, trap, outer wire, end insulator, with
// the quarter wave of the second frequency drawn over the whole of it.
void frmDIPOLOMULTIBANDA::buildArm() {
    addLine("Line1", twipsPoint(2640, 6120), twipsPoint(9960, 6120), white);
    addLine("Line2", twipsPoint(2640, 6000), twipsPoint(2640, 6240), white);
    addLine("Line3", twipsPoint(9945, 6000), twipsPoint(9945, 6240), white);
    addShape("Shape1", twipsRect(2280, 6480, 240, 360), lightGrey);
    addLine("Line4", twipsPoint(2520, 6660), twipsPoint(5760, 6660), yellow, 2);
    addShape("Shape2", twipsRect(5760, 6540, 960, 240), copper);
    addLine("Line5", twipsPoint(6720, 6660), twipsPoint(9960, 6660), yellow, 2);
    addShape("Shape3", twipsRect(9960, 6540, 480, 240), white);

    QLabel* note = addLabel("Label13", tr("QUESTA  LUNGHEZZA   RISUONERA'  SULLA  SECONDA  FREQUENZA"),
                            twipsRect(3240, 5760, 5880, 255));
    note->setWordWrap(false);
    addLabel("Label7", tr("Centrale "), twipsRect(1800, 6000, 795, 255));
    QLabel* Label8 = addLabel("Label8", tr("metri per la prima frequenza"), twipsRect(2640, 6240, 1515, 375));
    Label24 = addLabel("Label24", "", twipsRect(4200, 6240, 1335, 375));
    addLabel("Label12", tr("BOBINA"), twipsRect(5880, 6240, 795, 255));
    QLabel* Label11 =
        addLabel("Label11", tr("metri per la seconda frequenza"), twipsRect(6720, 6240, 1635, 375));
    Label25 = addLabel("Label25", "", twipsRect(8400, 6240, 1575, 375));
    addLabel("Label40", tr("isolatore"), twipsRect(9960, 6270, 795, 255));
    nameAfter(Label24, Label8);
    nameAfter(Label25, Label11);
    for (QLabel* result : {Label24, Label25}) {
        result->setFont(sansFont(12, true));
        setColours(*result, yellow, teal);
    }
}

void frmDIPOLOMULTIBANDA::buildResults() {
    struct Box {
        const char* heading;
        QString caption;
        QLabel** label;
        const char* result;
        QString headingTip;
        QString resultTip;
        int left;
    };
    const QString cableTip = tr("Lunghezza del coassiale compresi i due segmenti  A e B");
    const QString cutoffTip =
        tr("La frequenza di taglio della bobina deve essere leggermente più alta del fine banda "
           "superiore della prima frequenza");
    const QString inductanceTip = tr("Induttanza della bobina in micro HENRY");
    const Box boxes[] = {
        {"Label6", tr("LUNGHEZZA  DEL COASSIALE  PER  LE    SPIRE  cm"), &Label23, "Label23", cableTip,
         cableTip, 2760},
        {"Label9", tr("FREQUENZA  DI TAGLIO  MHz"), &Label26, "Label26", cutoffTip, cutoffTip, 4320},
        {"Label30", tr("          BOBINA            micro HENRY "), &Label32, "Label32", inductanceTip,
         inductanceTip, 5880},
        {"Label29", tr("                 BOBINA               PF"), &Label31, "Label31",
         tr("Capacità della  bobina in pico FARAD"), tr("Capacità della bobina in pico FARAD"), 7440},
    };
    for (const Box& box : boxes) {
        QLabel* heading = addLabel(box.heading, box.caption, twipsRect(box.left, 7200, 1455, 480));
        heading->setFont(namedFont("Times New Roman", 7));
        heading->setToolTip(box.headingTip);
        QLabel* result = addLabel(box.result, "", twipsRect(box.left, 7680, 1455, 375));
        *box.label = result;
        nameAfter(result, heading);
        result->setFont(sansFont(12, true));
        result->setToolTip(box.resultTip);
        for (QLabel* label : {heading, result}) {
            setColours(*label, black, lightGrey);
            label->setAlignment(Qt::AlignCenter);
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        }
    }
    QLabel* pointer = addLabel("Label39", tr("RISULTATO... >"), twipsRect(840, 7800, 1800, 255));
    pointer->setFont(sansFont(10, true));
    Label41 = addLabel("Label41", "Label41", twipsRect(10200, 7080, 1215, 255));
    Label41->hide();
}

// A coil cut open along its axis: the former with the cable's sections on
// both sides, and the two 1-cm ends A and B that pass into it.
void frmDIPOLOMULTIBANDA::buildCoil() {
    addShape("Shape4", twipsRect(7440, 1740, 1980, 240), white);
    for (int turn = 0; turn < 6; ++turn) {
        const int left = 7500 + turn * 315;
        addShape(QString("Shape%1").arg(5 + turn), twipsRect(left, 1620, 240, 120), black);
        addShape(QString("Shape%1").arg(11 + turn), twipsRect(left, 1980, 240, 120), black);
    }
    addLine("Line6", twipsPoint(7500, 1500), twipsPoint(7500, 1860), copper, 2);
    addLine("Line7", twipsPoint(9360, 1500), twipsPoint(9360, 1860), copper, 2);

    addLabel("Label22", tr("BOBINA  SEZIONATA"), twipsRect(7560, 2160, 1800, 255));
    const QString endTip = tr("Vedi spiegazione su \"LEGGIMI\"");
    addLabel("Label20", "A", twipsRect(7395, 1320, 255, 255))->setToolTip(endTip);
    addLabel("Label21", "B", twipsRect(9315, 1320, 255, 255))->setToolTip(endTip);
    const char* braidSide[] = {"Label17", "Label18", "Label19"};
    const QString braidWords[] = {tr("Lato "), tr("centro"), tr("dipolo")};
    const char* coreSide[] = {"Label14", "Label15", "Label16"};
    const QString coreWords[] = {tr("Lato"), tr("esterno"), tr("dipolo")};
    for (int row = 0; row < 3; ++row) {
        const int top = 2040 + row * 180;
        addLabel(braidSide[row], braidWords[row], twipsRect(6600, top, 735, 195))
            ->setToolTip(tr("Lato calza verso il centro dipolo"));
        addLabel(coreSide[row], coreWords[row], twipsRect(9840, top, 735, 195))
            ->setToolTip(tr("Lato del centrale verso l'esterno dipolo"));
    }
}

void frmDIPOLOMULTIBANDA::buildWarnings() {
    struct Sign {
        QLabel** label;
        const char* name;
        QString text;
        QRect geometry;
        QColor foreground;
        QColor background;
    };
    const Sign signs[] = {
        {&Label27, "Label27",
         tr("IL SEGMENTO  DAL CENTRALE  ALLA BOBINA , DEVE RISUONARE SULLA  FREQUENZA PIU'  ALTA"),
         twipsRect(840, 3000, 3615, 2055), yellow, blue},
        {&Label35, "Label35",
         tr("LA  FREQUENZA DI  TAGLIO DELLA  BOBINA  DEVE  ESSERE  LEGGERMENTE  SUPERIORE  ALL ' INTERA  "
            "BANDA "
            "DELLA  PRIMA  FREQUENZA"),
         twipsRect(4560, 5760, 4215, 1575), red, white},
        {&Label28, "Label28", tr("LA FREQUENZA DI TAGLIO E' TROPPO ALTA RISPETTO ALLA  PRIMA FREQUENZA"),
         twipsRect(480, 5520, 3855, 1455), blue, yellow},
        {&Label37, "Label37", tr("SELEZIONA IL TIPO DI DIPOLO"), twipsRect(6840, 4800, 4335, 855), black,
         green},
    };
    for (const Sign& sign : signs) {
        QLabel* label = *sign.label = addLabel(sign.name, sign.text, sign.geometry);
        label->setFont(sansFont(12, true));
        label->setAlignment(Qt::AlignCenter);
        setColours(*label, sign.foreground, sign.background);
        label->hide();
    }
}

void frmDIPOLOMULTIBANDA::setTabOrder() {
    QWidget* const order[] = {Option1, Option5, Text1, Text3, Text5,   Text6,    Command2, Option3, Option2,
                              Option4, Option7, Text7, Text4, Option6, Command1, Command3, Text2};
    for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmDIPOLOMULTIBANDA::connectHandlers() {
    connect(Command1, &QAbstractButton::clicked, this, &frmDIPOLOMULTIBANDA::Command1_Click);
    connect(Command2, &QAbstractButton::clicked, this, &frmDIPOLOMULTIBANDA::Command2_Click);
    connect(Command3, &QAbstractButton::clicked, this, &frmDIPOLOMULTIBANDA::Command3_Click);
    // An option's handler runs when the option comes on, by mouse or by keys.
    const std::pair<QRadioButton*, void (frmDIPOLOMULTIBANDA::*)()> options[] = {
        {Option1, &frmDIPOLOMULTIBANDA::Option1_Click}, {Option2, &frmDIPOLOMULTIBANDA::Option2_Click},
        {Option3, &frmDIPOLOMULTIBANDA::Option3_Click}, {Option4, &frmDIPOLOMULTIBANDA::Option4_Click},
        {Option5, &frmDIPOLOMULTIBANDA::Option5_Click}, {Option6, &frmDIPOLOMULTIBANDA::Option6_Click},
        {Option7, &frmDIPOLOMULTIBANDA::Option7_Click},
    };
    for (const auto& [option, handler] : options) {
        connect(option, &QAbstractButton::toggled, this, [this, handler](bool on) {
            if (on) (this->*handler)();
        });
    }
}

}  // namespace zeliro
