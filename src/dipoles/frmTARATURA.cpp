#include "dipoles/frmTARATURA.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "core/nec/measured.h"
#include "frame/DecimalField.h"
#include "frame/Look.h"
#include "frame/Registry.h"

namespace zeliro {
namespace {

const QColor grey(128, 128, 128);

QString caption() { return "TARATURA  del  DIPOLO" + spaces(53) + "by  TAVRON" + spaces(64) + "rev.1.06"; }

QLabel* styled(QLabel* label, const QFont& font, const QColor& text, const QColor& background = QColor()) {
    label->setFont(font);
    setColours(*label, text, background);
    return label;
}

// The controls that a calculation shows or hides.
const QStringList verdictLabels = {"Label7", "Label6", "Label4"};
const QStringList addedPiece = {"Line2", "Shape3", "Label12"};

}  // namespace

frmTARATURA::frmTARATURA(Registry& registry)
    : CalculationWindow(registry, caption(), twipsRect(0, 0, 11880, 7680).size(),
                        MenuBarItems{"frmLEGGIMITARATURA"}),
      m_variables(registry.variables<Variables>()) {
    setObjectName("frmTARATURA");
    buildInputs();
    buildButtons();
    buildVerdict();
    buildDrawing();
    nameAfter("Text1", "Label1");
    nameAfter("Text2", "Label2");
    nameAfter("Label5", "Label3");
    connectHandlers();
    QAction* damisura = menuBar()->addAction("Da misura…");
    damisura->setObjectName("damisura");
    connect(damisura, &QAction::triggered, this, &frmTARATURA::damisura_Click);
}

void frmTARATURA::damisura_Click() {
    const QString name = registry().fileDialogs().openFileName(
        this, "Da misura", "Misure (*.s1p *.csv *.txt);;Tutti i file (*)");
    if (name.isEmpty()) return;
    const SweepReading reading = nec::readSweepFile(QFile::encodeName(name).toStdString());
    if (!reading.ok()) {
        QMessageBox::warning(this, "Da misura", QString::fromStdString(reading.error.message));
        return;
    }
    client()->findChild<QLineEdit*>("Text2")->setText(
        QString::fromStdString(nec::minimumSwrText(*reading.sweep, textOf("Text1"))));
}

void frmTARATURA::buildInputs() {
    auto* title = addLabel("Label8", "TARATURA   del   DIPOLO", twipsRect(240, 120, 11400, 615));
    styled(title, sansFont(24, true), yellow)->setAlignment(Qt::AlignCenter);

    const QFont prompt = sansFont(9.75, true);
    styled(addLabel("Label1", "input   FREQUENZA  di  TRASMISSIONE  desiderata ...Mhz",
                    twipsRect(360, 1080, 6600, 285)),
           prompt, white);
    addField("Text1", twipsRect(7080, 1020, 1335, 375), "input Frequenza di trasmissione voluta")
        ->setFont(prompt);
    styled(addLabel("Label2", "input  FREQUENZA  rilevata  ( minimo  ROS ) ................Mhz",
                    twipsRect(360, 1620, 6600, 285)),
           prompt, white);
    addField("Text2", twipsRect(7080, 1560, 1335, 375), "input Frequenza con minimo ROS")->setFont(prompt);
    styled(addLabel("Label9", "Separare i MHz dai KHz con la virgola", twipsRect(360, 2160, 6000, 255)),
           sansFont(9.75), yellow);

    m_frame = addFrame("Frame1", "Dipolo", twipsRect(8880, 960, 2640, 1215));
    m_frame->setFont(sansFont(9.75, true));
    m_horizontal = addOption(m_frame, "Option1", "Orizzontale", twipsRect(240, 330, 2160, 315));
    m_invertedV = addOption(m_frame, "Option2", "Inverted  v", twipsRect(240, 750, 2160, 315));
    styled(addLabel("Label10", "Per selezionare usa TAB o il MOUSE", twipsRect(8640, 2280, 3120, 255)),
           sansFont(8.25), white);
}

void frmTARATURA::buildButtons() {
    const QFont font = sansFont(9.75, true);
    addButton("Command2", "CALCOLA", twipsRect(360, 3000, 1815, 495), "Calcola la misura effettiva")
        ->setFont(font);
    addButton("Command3", "RESETTA", twipsRect(360, 3660, 1815, 495), "Cancella tutte le input & output")
        ->setFont(font);
    addButton("Command1", "MENU'", twipsRect(9600, 3480, 1815, 495), "Ritorna al menù iniziale")
        ->setFont(font);

    auto* warning = addLabel("Label14", "SELEZIONA IL TIPO DI DIPOLO", twipsRect(3840, 3480, 4935, 1215));
    styled(warning, sansFont(24, true), black, green)->setAlignment(Qt::AlignCenter);
    warning->hide();
}

void frmTARATURA::buildVerdict() {
    styled(addLabel("Label3", "PER SPOSTARE LA RISONANZA  DOVRAI:", twipsRect(2040, 5130, 4800, 285)),
           sansFont(9.75, true), white);
    const QFont verdictFont = sansFont(8.25, true);
    const std::pair<const char*, const char*> verdicts[] = {
        {"Label4", shortenVerdict}, {"Label6", lengthenVerdict}, {"Label7", unchangedVerdict}};
    for (const auto& [name, text] : verdicts) {
        auto* verdict = addLabel(name, text, twipsRect(6960, 5130, 1815, 255));
        styled(verdict, verdictFont, yellow, teal)->hide();
    }
    auto* correction = addLabel("Label5", {}, twipsRect(8880, 4920, 1455, 495));
    styled(correction, sansFont(13.5, true), black, white)->setAlignment(Qt::AlignCenter);
}

void frmTARATURA::buildDrawing() {
    addShape("Shape1", twipsRect(1440, 6360, 615, 375), white);
    auto* centre = addLabel("Label11", "Centrale", twipsRect(1455, 6420, 585, 255));
    styled(centre, sansFont(6.75), black, white)->setAlignment(Qt::AlignCenter);
    addShape("Shape4", twipsRect(1560, 6735, 375, 135), lightGrey);
    addLine("Line1", {twips(2040), twips(6600)}, {twips(6480), twips(6600)}, yellow, 2);
    addShape("Shape2", twipsRect(6480, 6465, 375, 255), grey);
    styled(addLabel("Label13", "Isolatore", twipsRect(6960, 6480, 855, 255)), sansFont(8.25), white, teal);

    addLine("Line2", {twips(6510), twips(6960)}, {twips(8150), twips(6960)}, yellow, 2)->hide();
    addShape("Shape3", twipsRect(8160, 6840, 375, 255), grey)->hide();
    styled(addLabel("Label12", "Isolatore", twipsRect(8640, 6840, 855, 255)), sansFont(8.25), white, teal)
        ->hide();
    addLine("Line3", {twips(5040), twips(6360)}, {twips(6480), twips(6360)}, yellow, 2)->hide();
}

void frmTARATURA::connectHandlers() {
    auto* calcola = client()->findChild<QPushButton*>("Command2");
    auto* resetta = client()->findChild<QPushButton*>("Command3");
    auto* menu = client()->findChild<QPushButton*>("Command1");
    connect(m_horizontal, &QRadioButton::toggled, this, &frmTARATURA::Option1_Click);
    connect(m_invertedV, &QRadioButton::toggled, this, &frmTARATURA::Option2_Click);
    connect(calcola, &QPushButton::clicked, this, &frmTARATURA::Command2_Click);
    connect(resetta, &QPushButton::clicked, this, &frmTARATURA::Command3_Click);
    connect(menu, &QPushButton::clicked, this, &frmTARATURA::Command1_Click);

    // Text1, Text2, CALCOLA, RESETTA, the two options, MENU'.
    QWidget* order[] = {client()->findChild<QWidget*>("Text1"),
                        client()->findChild<QWidget*>("Text2"),
                        calcola,
                        resetta,
                        m_horizontal,
                        m_invertedV,
                        menu};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmTARATURA::Option1_Click() {
    if (m_horizontal->isChecked()) selectHorizontal(m_variables);
}

void frmTARATURA::Option2_Click() {
    if (m_invertedV->isChecked()) selectInvertedV(m_variables);
}

void frmTARATURA::Command2_Click() {
    const TrimmingOutcome outcome =
        computeTrimming({textOf("Text1"), textOf("Text2"),
                         m_horizontal->isChecked() || m_invertedV->isChecked(), m_variables});
    m_variables = outcome.variables;
    switch (outcome.action) {
        case TrimmingOutcome::Action::selectType:
            errore1();
            break;
        case TrimmingOutcome::Action::showVerdict:
            showVerdict(outcome);
            break;
        case TrimmingOutcome::Action::nothing:
            break;
    }
}

void frmTARATURA::showVerdict(const TrimmingOutcome& outcome) {
    setShown("Label4", outcome.shorten);
    setShown("Label6", outcome.lengthen);
    setShown("Label7", outcome.unchanged);
    setTextOf("Label5", outcome.correctionText);
    for (const QString& name : addedPiece) setShown(name, outcome.lengthen);
    setShown("Line3", outcome.shorten);
}

void frmTARATURA::Command3_Click() {
    for (const char* name : {"Text1", "Text2", "Label5"}) setTextOf(name, {});
    deselectAll(m_frame);
    for (const QString& name : verdictLabels + addedPiece + QStringList{"Line3"}) setShown(name, false);
}

void frmTARATURA::Command1_Click() { registry().show("frmMENU"); }

void frmTARATURA::errore1() { warnings().run(Warning{"Label14", 4, {"Label5"}, {}, true}); }

std::vector<std::string> frmTARATURA::dataReport() const {
    TrimmingReportInput input{
        textOf("Text1"), textOf("Text2"), {}, textOf("Label5"), m_variables.dipoleConfiguration};
    for (const QString& name : verdictLabels) {
        const QWidget* label = client()->findChild<QWidget*>(name);
        input.verdicts.push_back({textOf(name), label && !label->isHidden()});
    }
    return trimmingReport(input);
}

}  // namespace zeliro
