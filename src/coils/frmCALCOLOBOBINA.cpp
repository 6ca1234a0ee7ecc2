#include "coils/frmCALCOLOBOBINA.h"

#include <QLabel>
#include <QLineEdit>

#include "core/nec/ondisplay.h"
#include "core/version.h"
#include "frame/DecimalField.h"
#include "frame/Look.h"
#include "frame/Registry.h"

namespace zeliro {
namespace {

const QColor panelBlue(0, 0, 160);

QString caption() {
    return frmCALCOLOBOBINA::tr("CALCOLO   BOBINA") + spaces(60) + "by" + spaces(3) + "TAVRON" + spaces(64) +
           revisionCaption;
}

}  // namespace

frmCALCOLOBOBINA::frmCALCOLOBOBINA(Registry& registry)
    : CoilWindow(registry, caption(), QSize(twips(11880), twips(8040)), MenuBarItems{"frmLEGGIMIcalcolo"}),
      m_variables(registry.variables<Variables>()) {
    QLabel* title =
        addLabel("Label3", tr("BOBINE   PER   DIPOLI   ACCORCIATI"), twipsRect(240, 120, 11400, 480));
    title->setAlignment(Qt::AlignCenter);
    title->setFont(namedFont("Arial", 18, true));
    setColours(*title, yellow);

    buildDrawing();
    buildInputs();
    buildButtons();
    addVerification(tr("CALCOLO  BOBINA"));

    Label1 = addLabel("Label1", tr("QUESTO  DIPOLO  NON  NECESSITA  DI  BOBINE"),
                      twipsRect(600, 7140, 10800, 480));
    Label17 =
        addLabel("Label17", tr("BOBINA  TROPPO  DISTANTE  DAL  CENTRALE"), twipsRect(600, 7140, 10800, 480));
    setColours(*Label1, red, yellow);
    setColours(*Label17, red, teal);
    for (QLabel* warning : {Label1, Label17}) {
        warning->setAlignment(Qt::AlignCenter);
        warning->setFont(namedFont("Arial", 14, true));
        warning->hide();
    }
}

// A sketch of the dipole: the two arms with a coil each, the centre insulator
// with its feed line, and the dimension lines of the total length and of the
// distance of a coil from the centre.
void frmCALCOLOBOBINA::buildDrawing() {
    const int wire = 1500;
    addLine("Line1", twipsPoint(840, wire), twipsPoint(3060, wire), black, 2);
    addLine("Line2", twipsPoint(3780, wire), twipsPoint(5820, wire), black, 2);
    addLine("Line3", twipsPoint(6060, wire), twipsPoint(8100, wire), black, 2);
    addLine("Line4", twipsPoint(8820, wire), twipsPoint(11040, wire), black, 2);
    addLine("Line12", twipsPoint(5940, 1620), twipsPoint(5940, 1980), black, 2);
    addShape("Shape1", twipsRect(5820, 1380, 240, 240), white);
    addShape("Shape4", twipsRect(3060, 1395, 720, 210), coilCopper);
    addShape("Shape6", twipsRect(8100, 1395, 720, 210), coilCopper);

    addLine("Line8", twipsPoint(5940, 1140), twipsPoint(8460, 1140), yellow);
    addLine("Line10", twipsPoint(5940, 1020), twipsPoint(5940, 1260), yellow);
    addLine("Line11", twipsPoint(8460, 1020), twipsPoint(8460, 1260), yellow);
    addLine("Line5", twipsPoint(840, 2220), twipsPoint(11040, 2220), yellow);
    addLine("Line6", twipsPoint(840, 2100), twipsPoint(840, 2340), yellow);
    addLine("Line7", twipsPoint(11040, 2100), twipsPoint(11040, 2340), yellow);

    const QFont small = sansFont(8.25, true);
    QLabel* centre = addLabel("Label10", tr("CENTRALE"), twipsRect(4380, 1680, 1440, 255));
    centre->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLabel* distance = addLabel("Label11", tr("DISTANZA DAL CENTRALE"), twipsRect(6000, 780, 2400, 255));
    distance->setAlignment(Qt::AlignCenter);
    QLabel* total = addLabel("Label12", tr("LUNGHEZZA TOTALE  metri"), twipsRect(4500, 2370, 2880, 255));
    total->setAlignment(Qt::AlignCenter);
    for (QLabel* label : {centre, distance, total}) label->setFont(small);
}

void frmCALCOLOBOBINA::buildInputs() {
    QLabel* panel = addLabel("Label2", {}, twipsRect(600, 2820, 7560, 3600));
    setColours(*panel, white, panelBlue);

    const Column column{840, 3600, 4560, 1560};
    addFieldColumn(column,
                   {
                       {&Text1, "Text1", tr("Input diametro filo in millimetri"), "Label4",
                        tr("DIAMETRO  FILO  DIPOLO  mm"), 3000},
                       {&Text2, "Text2", tr("Input frequenza in Megaherz"), "Label5",
                        tr("FREQUENZA") + spaces(20) + tr("Mhz"), 3660},
                       {&Text3, "Text3", tr("Input metri totali a disposizione per il dipolo"), "Label6",
                        tr("LUNGHEZZA TOTALE") + spaces(10) + tr("mt"), 4320},
                       {&Text4, "Text4", tr("Input metri di filo che separano il centrale dalla bobina"),
                        "Label7", tr("DISTANZA DAL CENTRALE  mt"), 4980},
                   });
    QLabel* hint1 = addLabel("Label13", tr("Separare  i  MHz dai KHz"), twipsRect(6240, 3570, 1860, 255));
    QLabel* hint2 = addLabel("Label14", tr("con la  virgola"), twipsRect(6240, 3825, 1860, 255));
    for (QLabel* hint : {hint1, hint2}) {
        hint->setFont(sansFont(8.25));
        setColours(*hint, yellow);
    }

    Label9 = addResultRow(column, {nullptr, "Label9", tr("Visualizza il valore della bobina"), "Label8",
                                   tr("VALORE  IN  MICROHENRY"), 5760});

    QLabel* advice =
        addLabel("Label19", tr("Per selezionare usa TAB o il MOUSE"), twipsRect(600, 6600, 7560, 285));
    advice->setFont(sansFont(8.25, true));
    advice->setAlignment(Qt::AlignCenter);
}

void frmCALCOLOBOBINA::buildButtons() {
    const auto place = [](int top) { return twipsRect(8640, top, 2760, 660); };
    addButtons(Text4,
               {
                   {"Command1", tr("CALCOLA"), tr("Completate le caselle di input,calcola i microhenry"),
                    place(2880), [this] { Command1_Click(); }},
                   {"Command3", tr("COSTRUZIONE BOBINA  "), tr("Passa al programma COSRUZIONE BOBINA"),
                    place(3720), [this] { Command3_Click(); }},
                   {"cmdCommand3", tr("MENU'"), tr("Torna al menù iniziale"), place(4560),
                    [this] { cmdCommand3_Click(); }},
                   {"Command2", tr("RESETTA"), tr("Cancella tutte le input & output"), place(5400),
                    [this] { Command2_Click(); }},
               });
}

void frmCALCOLOBOBINA::Command1_Click() {
    const LoadingCoilOutcome outcome =
        loadingCoil({textOf(Text1), textOf(Text2), textOf(Text3), textOf(Text4), m_variables, language()});
    m_variables = outcome.variables;
    if (outcome.inductance) {
        setTextOf(Label9, *outcome.inductance);
        resultsShown({Label9});
    }
    if (outcome.warning == LoadingCoilWarning::coilTooFar) errore3();
    if (outcome.warning == LoadingCoilWarning::noCoilsNeeded) errore1();
}

void frmCALCOLOBOBINA::Command2_Click() {
    for (QLineEdit* field : {Text1, Text2, Text3, Text4}) setTextOf(field, "");
    setTextOf(Label9, "");
}

void frmCALCOLOBOBINA::Command3_Click() { registry().show("frmCOSTRUZIONEBOBINA"); }

void frmCALCOLOBOBINA::cmdCommand3_Click() { registry().show("frmMENU"); }

void frmCALCOLOBOBINA::errore1() { warnings().run({Label1, 5, {Text4, Text3, Label9}, {}, true}); }

void frmCALCOLOBOBINA::errore3() { warnings().run({Label17, 5, {}, {Text4}, true}); }

std::optional<nec::Design> frmCALCOLOBOBINA::designOnDisplay() const {
    const std::string shown[] = {textOf(Text3), textOf(Text1), textOf(Label9), textOf(Text4), textOf(Text2)};
    return nec::loadingCoilOnDisplay({shown[0], shown[1], shown[2], shown[3], shown[4], language()});
}

std::vector<std::string> frmCALCOLOBOBINA::dataReport() const {
    return loadingCoilReport(
        {textOf(Text1), textOf(Text2), textOf(Text3), textOf(Text4), textOf(Label9), language()});
}

}  // namespace zeliro
