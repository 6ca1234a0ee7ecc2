#include "coils/frmCOSTRUZIONEBOBINA.h"

#include <QLabel>
#include <QLineEdit>

#include "core/version.h"
#include "frame/DecimalField.h"
#include "frame/Look.h"
#include "frame/Registry.h"

namespace zeliro {
namespace {

const QColor darkPanel(0, 0, 96);
const QColor resultPanel(0, 64, 64);
const QColor former(160, 160, 160);

QString caption() {
    return frmCOSTRUZIONEBOBINA::tr("COSTRUZIONE  BOBINA") + spaces(53) + "by" + spaces(4) + "TAVRON" +
           spaces(64) + revisionCaption;
}

}  // namespace

frmCOSTRUZIONEBOBINA::frmCOSTRUZIONEBOBINA(Registry& registry)
    : CoilWindow(registry, caption(), QSize(twips(11880), twips(7320)),
                 MenuBarItems{"frmLEGGIMIcostruzione", "stampasolodati", "fotocostr", "frmFOTOcostr"}),
      m_variables(registry.variables<Variables>()) {
    QLabel* title = addLabel("Label1", tr("COSTRUZIONE    DELLA   BOBINA"), twipsRect(240, 120, 11400, 480));
    title->setAlignment(Qt::AlignCenter);
    title->setFont(namedFont("Arial", 18, true));
    setColours(*title, yellow);

    buildDrawing();
    buildInputs();
    buildButtons();

    Label21 = addLabel("Label21", tr("LUNGHEZZA  AVVOLGIMENTO ERRATA"), twipsRect(360, 6600, 11160, 480));
    setColours(*Label21, red, yellow);
    Label21->setAlignment(Qt::AlignCenter);
    Label21->setFont(namedFont("Arial", 14, true));
    Label21->hide();
}

// A section through a wound coil: the former with its axis, a row of wire
// sections above and below it, and the dimension lines of the mean radius A
// and of the winding length B.
void frmCOSTRUZIONEBOBINA::buildDrawing() {
    QLabel* heading = addLabel("Label6", tr("BOBINA  SEZIONATA"), twipsRect(1800, 840, 3240, 300));
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(sansFont(9.75, true));

    addShape("Shape1", twipsRect(1800, 2040, 3240, 1920), former);
    addShape("Shape18", twipsRect(1560, 3000, 3720, 15), black, black);
    const int turnsDrawn = 8;
    for (int i = 0; i < turnsDrawn; ++i) {
        const int left = 2040 + 360 * i;
        for (int row = 0; row < 2; ++row) {
            const QString name = QString("Shape%1").arg(2 + i + row * turnsDrawn);
            QWidget* section = addShape(name, twipsRect(left, row == 0 ? 1800 : 3960, 240, 240), coilCopper);
            section->setStyleSheet(section->styleSheet() +
                                   QString(QString(" border-radius: %1px;")).arg(twips(120)));
        }
    }

    addLine("Line1", twipsPoint(1440, 1920), twipsPoint(1440, 3000), yellow);
    addLine("Line2", twipsPoint(1320, 1920), twipsPoint(1560, 1920), yellow);
    addLine("Line3", twipsPoint(1320, 3000), twipsPoint(1560, 3000), yellow);
    addLine("Line4", twipsPoint(2040, 4560), twipsPoint(4920, 4560), yellow);
    addLine("Line5", twipsPoint(2040, 4440), twipsPoint(2040, 4680), yellow);
    addLine("Line6", twipsPoint(4920, 4440), twipsPoint(4920, 4680), yellow);

    const QFont small = sansFont(8.25, true);
    QLabel* a = addLabel("Label2", "A=", twipsRect(960, 2280, 420, 255));
    QLabel* radius = addLabel("Label3", tr("RAGGIO   MEDIO"), twipsRect(240, 2580, 1140, 510));
    QLabel* b = addLabel("Label4", "B=", twipsRect(1560, 4440, 420, 255));
    QLabel* length = addLabel("Label5", tr("LUNGHEZZA AVVOLGIMENTO"), twipsRect(1800, 4740, 3360, 255));
    length->setAlignment(Qt::AlignCenter);
    for (QLabel* label : {a, radius, b, length}) label->setFont(small);
    QLabel* marker = addLabel("Label22", {}, twipsRect(1320, 1920, 240, 1080));
    marker->setToolTip(tr("Dal centro supporto al centro del filo"));
}

void frmCOSTRUZIONEBOBINA::buildInputs() {
    QLabel* panel = addLabel("Label7", {}, twipsRect(5520, 840, 6000, 3180));
    setColours(*panel, white, darkPanel);
    QLabel* resultBack = addLabel("Label8", {}, twipsRect(5520, 4200, 6000, 720));
    setColours(*resultBack, white, resultPanel);

    const Column column{5700, 3660, 9480, 1440};
    addFieldColumn(column, {
                               {&Text3, "Text3", tr("Input diametro del filo usato per le spire"), "Label11",
                                tr("DIAMETRO  FILO") + spaces(20) + tr("mm"), 1020},
                               {&Text5, "Text5", tr("Input spire totali avvolte sul supporto"), "Label13",
                                tr("NUMERO   SPIRE"), 1620},
                               {&Text2, "Text2", tr("Input lunghezza totale delle  spire avvolte"), "Label10",
                                tr("LUNG.  AVVOLGIMENTO    (B) mm"), 2220},
                               {&Text1, "Text1", tr("Input dal centro bobina al centro del filo"), "Label9",
                                tr("RAGGIO  MEDIO") + spaces(16) + tr("(A) mm"), 2820},
                           });
    QLabel* hint1 =
        addLabel("Label17", tr("Separare  le decine dalle unità"), twipsRect(5700, 3420, 5640, 255));
    QLabel* hint2 = addLabel("Label18", tr("con  la  virgola"), twipsRect(5700, 3660, 5640, 255));
    for (QLabel* hint : {hint1, hint2}) {
        hint->setFont(sansFont(8.25));
        hint->setAlignment(Qt::AlignCenter);
        setColours(*hint, yellow);
    }

    Label19 = addResultRow(column, {nullptr, "Label19", tr("Visualizza il valore della bobina"), "Label14",
                                    tr("VALORE    MICROHENRY"), 4380});

    QLabel* advice = addLabel("Label12",
                              tr("Per un buon rendimento, occorre che la lunghezza dell'avvolgimento sia "
                                 "all'incirca uguale al diametro"),
                              twipsRect(360, 5220, 4920, 780));
    advice->setFont(sansFont(8.25, true));
    advice->setAlignment(Qt::AlignCenter);
    QLabel* select =
        addLabel("Label24", tr("Per selezionare usa TAB o il MOUSE"), twipsRect(5520, 6000, 6000, 285));
    select->setFont(sansFont(8.25, true));
    select->setAlignment(Qt::AlignCenter);
}

void frmCOSTRUZIONEBOBINA::buildButtons() {
    const auto place = [](int left) { return twipsRect(left, 5220, 1860, 600); };
    addButtons(Text1, {
                          {"Command2", tr("CALCOLA"),
                           tr("Completate le caselle di input,calcola il valore della bobina"), place(5520),
                           [this] { Command2_Click(); }},
                          {"Command3", tr("RESETTA"), tr("Cancella tutte le input & output"), place(7590),
                           [this] { Command3_Click(); }},
                          {"Command1", tr("CHIUDI"), tr("Ritorna al programma CALCOLO BOBINA"), place(9660),
                           [this] { Command1_Click(); }},
                      });
}

void frmCOSTRUZIONEBOBINA::Command2_Click() {
    const CoilConstructionOutcome outcome = coilConstruction(
        {textOf(Text1), textOf(Text2), textOf(Text3), textOf(Text5), m_variables, language()});
    m_variables = outcome.variables;
    if (outcome.inductance) {
        setTextOf(Label19, *outcome.inductance);
        resultsShown({Label19});
    }
    if (outcome.warning == CoilConstructionWarning::windingTooShort) errore2();
}

void frmCOSTRUZIONEBOBINA::Command3_Click() {
    for (QLineEdit* field : {Text1, Text2, Text3, Text5}) setTextOf(field, "");
    setTextOf(Label19, "");
}

void frmCOSTRUZIONEBOBINA::Command1_Click() { registry().show("frmCALCOLOBOBINA"); }

void frmCOSTRUZIONEBOBINA::errore2() { warnings().run({Label21, 4, {Text2, Label19}, {}, true}); }

std::vector<std::string> frmCOSTRUZIONEBOBINA::dataReport() const {
    return coilConstructionReport(
        {textOf(Text1), textOf(Text2), textOf(Text3), textOf(Text5), textOf(Label19), language()});
}

}  // namespace zeliro
