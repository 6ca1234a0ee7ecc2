#include "dipoles/frmDIPOLOSTANDARD.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "core/nec/ondisplay.h"
#include "core/version.h"
#include "frame/DecimalField.h"
#include "frame/Look.h"
#include "frame/Registry.h"

namespace zeliro {

frmDIPOLOSTANDARD::frmDIPOLOSTANDARD(Registry& registry)
    : CalculationWindow(
          registry,
          tr("DIPOLO  STANDARD") + spaces(58) + "by" + spaces(5) + "TAVRON" + spaces(62) + revisionCaption,
          QSize(680, 400), MenuBarItems{"frmLEGGIMIstandard"}),
      m_variables(registry.variables<Variables>()) {
    auto* title =
        addLabel("Label3", tr("LUNGHEZZA  FISICA  DI  UN  DIPOLO  1/2  ONDA"), QRect(10, 12, 660, 40));
    title->setFont(namedFont("Times New Roman", 20.25, true));
    title->setAlignment(Qt::AlignCenter);
    setColours(*title, yellow);

    auto* Label1 = addLabel("Label1", tr("INPUT  FREQUENZA"), QRect(30, 84, 180, 24));
    Label1->setFont(sansFont(12, true));
    Text1 = addField("Text1", QRect(210, 82, 100, 26), tr("Input frequenza"));
    Text1->setFont(sansFont(12, true));
    addLabel("Label4", tr("Mhz"), QRect(318, 84, 50, 24))->setFont(sansFont(12, true));
    auto* hint =
        addLabel("Label5", tr("Separare  i  MHz  dai  KHz  con  la  virgola"), QRect(30, 116, 340, 20));
    hint->setFont(sansFont(9.75));
    setColours(*hint, yellow);

    Frame1 = addFrame("Frame1", tr("Dipolo"), QRect(470, 66, 180, 84));
    Option2 = addOption(Frame1, "Option2", tr("Orizzontale"), QRect(14, 22, 140, 24));
    Option1 = addOption(Frame1, "Option1", tr("Inverted  V"), QRect(14, 50, 140, 24));
    addLabel("Label6", tr("Per selezionare usa TAB o il MOUSE"), QRect(440, 156, 230, 20));

    auto* Label2 = addLabel("Label2", tr("LA  LUNGHEZZA  COMPLESSIVA  DEL  DIPOLO  SARA'  DI   mt"),
                            QRect(30, 210, 470, 24));
    Label2->setFont(sansFont(9.75, true));
    Label7 = addLabel("Label7", {}, QRect(520, 202, 130, 38));
    Label7->setFont(sansFont(18, true));
    Label7->setAlignment(Qt::AlignCenter);
    setColours(*Label7, QColor(0, 0, 192), white);

    Label8 = addLabel("Label8", tr("Seleziona il tipo di dipolo"), QRect(100, 256, 480, 56));
    Label8->setFont(sansFont(24, true));
    Label8->setAlignment(Qt::AlignCenter);
    setColours(*Label8, black, QColor(0, 255, 0));
    Label8->hide();

    auto* Command2 =
        addButton("Command2", tr("CALCOLA"), QRect(80, 330, 130, 40), tr("Calcola la lunghezza del dipolo"));
    auto* Command3 = addButton("Command3", tr("RESETTA"), QRect(275, 330, 130, 40),
                               tr("Cancella tutte le input & output"));
    auto* Command1 =
        addButton("Command1", tr("MENU'"), QRect(470, 330, 130, 40), tr("Ritorna al menù  iniziale"));

    nameAfter(Text1, Label1);
    nameAfter(Label7, Label2);

    setTabOrder(Text1, Option2);
    setTabOrder(Option2, Option1);
    setTabOrder(Option1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command1);

    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option2_Click();
    });
    connect(Command1, &QPushButton::clicked, this, &frmDIPOLOSTANDARD::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmDIPOLOSTANDARD::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmDIPOLOSTANDARD::Command3_Click);
    addVerification(tr("DIPOLO  STANDARD"));
}

void frmDIPOLOSTANDARD::Option1_Click() { selectInvertedV(m_variables, language()); }

void frmDIPOLOSTANDARD::Option2_Click() { selectHorizontal(m_variables, language()); }

void frmDIPOLOSTANDARD::Command1_Click() { registry().show("frmMENU"); }

void frmDIPOLOSTANDARD::Command2_Click() {
    const HalfWaveOutcome outcome = computeHalfWave(
        {textOf(Text1), Option1->isChecked() || Option2->isChecked(), m_variables, language()});
    m_variables = outcome.variables;
    switch (outcome.action) {
        case HalfWaveOutcome::Action::selectConfiguration:
            errore1();
            break;
        case HalfWaveOutcome::Action::showLength:
            setTextOf(Label7, outcome.lengthText);
            resultsShown({Label7});
            break;
        case HalfWaveOutcome::Action::nothing:
            break;
    }
}

void frmDIPOLOSTANDARD::Command3_Click() {
    setTextOf(Text1, {});
    setTextOf(Label7, {});
    deselectAll(Frame1);
}

void frmDIPOLOSTANDARD::errore1() { warnings().run({Label8, 4, {Label7}, {}, true}); }

std::optional<nec::Design> frmDIPOLOSTANDARD::designOnDisplay() const {
    return nec::halfWaveOnDisplay(textOf(Label7), textOf(Text1), Option1->isChecked(), language());
}

std::vector<std::string> frmDIPOLOSTANDARD::dataReport() const {
    return halfWaveReport({textOf(Text1), textOf(Label7), m_variables.dipoleConfiguration, language()});
}

}  // namespace zeliro
