#include "dipoles/frmTARATURA.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include <tuple>

#include "core/nec/measured.h"
#include "core/nec/texts.h"
#include "core/numbers.h"
#include "core/sweep/sweep.h"
#include "core/version.h"
#include "frame/Accessibility.h"
#include "frame/Controls.h"
#include "frame/DecimalField.h"
#include "frame/Look.h"
#include "frame/Registry.h"
#include "frame/Verification.h"

namespace zeliro {
namespace {

const QColor grey(128, 128, 128);

QString caption() {
    return frmTARATURA::tr("TARATURA  del  DIPOLO") + spaces(53) + frmTARATURA::tr("by  TAVRON") +
           spaces(64) + revisionCaption;
}

QLabel* styled(QLabel* label, const QFont& font, const QColor& text, const QColor& background = QColor()) {
    label->setFont(font);
    setColours(*label, text, background);
    return label;
}

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
    connectHandlers();
    QAction* damisura = menuBar()->addAction(tr("Da misura…"));
    damisura->setObjectName("damisura");
    connect(damisura, &QAction::triggered, this, &frmTARATURA::damisura_Click);
    QAction* daanalizzatore = menuBar()->addAction(tr("Da analizzatore…"));
    daanalizzatore->setObjectName("daanalizzatore");
    connect(daanalizzatore, &QAction::triggered, this, &frmTARATURA::daanalizzatore_Click);
    QAction* cable = menuBar()->addAction(tr("Cavo…"));
    cable->setObjectName("cavo");
    connect(cable, &QAction::triggered, this, &frmTARATURA::cavo_Click);
    // The note on a measurement's dips goes once the figure it explains is typed over.
    connect(Text2, &QLineEdit::textEdited, statusBar(), &QStatusBar::clearMessage);
}

void frmTARATURA::damisura_Click() {
    const QString name = registry().fileDialogs().openFileName(
        this, tr("Da misura"), tr("Misure (*.s1p *.csv *.txt);;Tutti i file (*)"));
    if (name.isEmpty()) return;
    // The frequency wanted says the unit of a file that names none.
    const SweepHints hints{parseDouble(textOf(Text1), language())};
    const SweepReading reading = readSweepFile(QFile::encodeName(name).toStdString(), hints, language());
    if (!reading.ok()) {
        QMessageBox::warning(this, tr("Da misura"), QString::fromStdString(reading.error.message));
        return;
    }
    takeMeasuredSweep(*reading.sweep);
}

void frmTARATURA::takeMeasuredSweep(const MeasuredSweep& measured) {
    // Measured through a cable: the antenna's own resonance is at the feed point.
    const nec::FeedPointSweep fed = nec::toFeedPoint(measured, m_feedline, language());
    if (!fed.sweep) {
        QMessageBox::warning(this, tr("Da misura"), QString::fromStdString(fed.error));
        return;
    }
    const nec::TrimmingMinimum minimum = nec::trimmingMinimum(*fed.sweep, textOf(Text1), language());
    if (minimum.figure.empty()) {
        QMessageBox::information(this, tr("Da misura"), QString::fromStdString(minimum.message));
        return;
    }
    Text2->setText(QString::fromStdString(minimum.figure));
    // How the figure was taken back, and of several dips which one was taken
    // and where the others are.
    QString note = QString::fromStdString(nec::throughCableText(m_feedline, language()));
    if (!minimum.note.empty()) note += (note.isEmpty() ? "" : "; ") + QString::fromStdString(minimum.note);
    if (note.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(note);
}

// A small window of the trimming window's own, not modal: the trimming
// window stays usable while it is open, and it opens once.
void frmTARATURA::cavo_Click() {
    if (auto* open = findChild<QDialog*>("frmCAVO")) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName("frmCAVO");
    dialog->setWindowTitle(tr("Cavo tra analizzatore e antenna"));
    dialog->setFixedSize(300, 112);
    setColours(*dialog, black, teal);
    dialog->setAutoFillBackground(true);
    QLabel* caption = addCaption(dialog, "didascalia_cavo", tr("CAVO"), QRect(8, 10, 130, 20));
    caption->setFont(sansFont(8, true));
    auto* cable = new QComboBox(dialog);
    cable->setObjectName("cavo");
    cable->setGeometry(142, 8, 150, 22);
    cable->setFont(sansFont(8));
    cable->setAccessibleName(caption->text());
    cable->addItem(QString::fromStdString(std::string(nec::text(nec::Text::cableNone, language()))));
    for (const nec::Cable& c : nec::cableCatalogue()) cable->addItem(QString::fromStdString(c.name));
    const int chosen = cable->findText(QString::fromStdString(m_feedline.cable.name));
    cable->setCurrentIndex(m_feedline.lengthM > 0 && chosen > 0 ? chosen : 0);
    QLabel* lengthCaption =
        addCaption(dialog, "didascalia_lunghezzaCavo", tr("LUNGHEZZA  m"), QRect(8, 42, 130, 20));
    lengthCaption->setFont(sansFont(8, true));
    DecimalField* length = addDecimalField(dialog, registry().beep(), registry().decimalSeparator(),
                                           "lunghezzaCavo", QRect(142, 40, 150, 22));
    length->setFont(sansFont(9, true));
    nameAfterCaption(*length, *lengthCaption);
    length->setText(
        QString::fromStdString(formatDouble(m_feedline.lengthM > 0 ? m_feedline.lengthM : 10, language())));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->setGeometry(8, 76, 284, 28);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, dialog, [this, dialog, cable, length] {
        nec::Feedline line;
        if (cable->currentIndex() > 0) {
            line.cable = nec::cableCatalogue()[static_cast<std::size_t>(cable->currentIndex() - 1)];
            line.lengthM = parseDouble(length->text().toStdString(), language()).value_or(-1);
        }
        if (const std::string error = nec::feedlineError(line, language()); !error.empty()) {
            QMessageBox::warning(dialog, dialog->windowTitle(), QString::fromStdString(error));
            return length->setFocus();
        }
        m_feedline = line;
        dialog->accept();
    });
    dialog->show();
}

void frmTARATURA::daanalizzatore_Click() {
    QString error;
    const OpenAnalyser open = loadAnalyserEntry(error);
    if (!open) {
        QMessageBox::warning(this, tr("Da analizzatore"), error);
        return;
    }
    AnalyserRequest request;
    request.parent = this;
    request.beep = &registry().beep();
    request.language = language();
    // ±10 % around the wanted frequency; empty fields when none is typed.
    const std::optional<double> wanted = parseDouble(textOf(Text1), language());
    if (wanted && *wanted > 0) {
        request.startMHz = *wanted * 0.9;
        request.stopMHz = *wanted * 1.1;
    }
    QPointer<frmTARATURA> window(this);
    request.done = [window](const MeasuredSweep& sweep, const QString&) {
        if (window) window->takeMeasuredSweep(sweep);
    };
    open(request);
}

void frmTARATURA::buildInputs() {
    auto* title = addLabel("Label8", tr("TARATURA   del   DIPOLO"), twipsRect(240, 120, 11400, 615));
    styled(title, sansFont(24, true), yellow)->setAlignment(Qt::AlignCenter);

    const QFont prompt = sansFont(9.75, true);
    QLabel* Label1 = styled(addLabel("Label1", tr("input   FREQUENZA  di  TRASMISSIONE  desiderata ...Mhz"),
                                     twipsRect(360, 1080, 6600, 285)),
                            prompt, white);
    Text1 = addField("Text1", twipsRect(7080, 1020, 1335, 375), tr("input Frequenza di trasmissione voluta"));
    Text1->setFont(prompt);
    QLabel* Label2 =
        styled(addLabel("Label2", tr("input  FREQUENZA  rilevata  ( minimo  ROS ) ................Mhz"),
                        twipsRect(360, 1620, 6600, 285)),
               prompt, white);
    Text2 = addField("Text2", twipsRect(7080, 1560, 1335, 375), tr("input Frequenza con minimo ROS"));
    Text2->setFont(prompt);
    nameAfter(Text1, Label1);
    nameAfter(Text2, Label2);
    styled(addLabel("Label9", tr("Separare i MHz dai KHz con la virgola"), twipsRect(360, 2160, 6000, 255)),
           sansFont(9.75), yellow);

    Frame1 = addFrame("Frame1", tr("Dipolo"), twipsRect(8880, 960, 2640, 1215));
    Frame1->setFont(sansFont(9.75, true));
    Option1 = addOption(Frame1, "Option1", tr("Orizzontale"), twipsRect(240, 330, 2160, 315));
    Option2 = addOption(Frame1, "Option2", tr("Inverted  v"), twipsRect(240, 750, 2160, 315));
    styled(addLabel("Label10", tr("Per selezionare usa TAB o il MOUSE"), twipsRect(8640, 2280, 3120, 255)),
           sansFont(8.25), white);
}

void frmTARATURA::buildButtons() {
    const QFont font = sansFont(9.75, true);
    Command2 = addButton("Command2", tr("CALCOLA"), twipsRect(360, 3000, 1815, 495),
                         tr("Calcola la misura effettiva"));
    Command3 = addButton("Command3", tr("RESETTA"), twipsRect(360, 3660, 1815, 495),
                         tr("Cancella tutte le input & output"));
    Command1 =
        addButton("Command1", tr("MENU'"), twipsRect(9600, 3480, 1815, 495), tr("Ritorna al menù iniziale"));
    for (QPushButton* button : {Command2, Command3, Command1}) button->setFont(font);

    Label14 = addLabel("Label14", tr("SELEZIONA IL TIPO DI DIPOLO"), twipsRect(3840, 3480, 4935, 1215));
    styled(Label14, sansFont(24, true), black, green)->setAlignment(Qt::AlignCenter);
    Label14->hide();
}

void frmTARATURA::buildVerdict() {
    QLabel* Label3 =
        styled(addLabel("Label3", tr("PER SPOSTARE LA RISONANZA  DOVRAI:"), twipsRect(2040, 5130, 4800, 285)),
               sansFont(9.75, true), white);
    const QFont verdictFont = sansFont(8.25, true);
    const VerdictCaptions captions = verdictCaptions(language());
    const std::tuple<QLabel**, const char*, const char*> verdicts[] = {
        {&Label4, "Label4", captions.shorten},
        {&Label6, "Label6", captions.lengthen},
        {&Label7, "Label7", captions.unchanged}};
    for (const auto& [verdict, name, text] : verdicts) {
        *verdict = addLabel(name, text, twipsRect(6960, 5130, 1815, 255));
        styled(*verdict, verdictFont, yellow, teal)->hide();
    }
    Label5 = addLabel("Label5", {}, twipsRect(8880, 4920, 1455, 495));
    styled(Label5, sansFont(13.5, true), black, white)->setAlignment(Qt::AlignCenter);
    nameAfter(Label5, Label3);
}

void frmTARATURA::buildDrawing() {
    addShape("Shape1", twipsRect(1440, 6360, 615, 375), white);
    auto* centre = addLabel("Label11", tr("Centrale"), twipsRect(1455, 6420, 585, 255));
    styled(centre, sansFont(6.75), black, white)->setAlignment(Qt::AlignCenter);
    addShape("Shape4", twipsRect(1560, 6735, 375, 135), lightGrey);
    addLine("Line1", {twips(2040), twips(6600)}, {twips(6480), twips(6600)}, yellow, 2);
    addShape("Shape2", twipsRect(6480, 6465, 375, 255), grey);
    styled(addLabel("Label13", tr("Isolatore"), twipsRect(6960, 6480, 855, 255)), sansFont(8.25), white,
           teal);

    Line2 = addLine("Line2", {twips(6510), twips(6960)}, {twips(8150), twips(6960)}, yellow, 2);
    Shape3 = addShape("Shape3", twipsRect(8160, 6840, 375, 255), grey);
    Label12 = styled(addLabel("Label12", tr("Isolatore"), twipsRect(8640, 6840, 855, 255)), sansFont(8.25),
                     white, teal);
    Line3 = addLine("Line3", {twips(5040), twips(6360)}, {twips(6480), twips(6360)}, yellow, 2);
    for (QWidget* piece : std::initializer_list<QWidget*>{Line2, Shape3, Label12, Line3}) piece->hide();
}

void frmTARATURA::connectHandlers() {
    connect(Option1, &QRadioButton::toggled, this, &frmTARATURA::Option1_Click);
    connect(Option2, &QRadioButton::toggled, this, &frmTARATURA::Option2_Click);
    connect(Command2, &QPushButton::clicked, this, &frmTARATURA::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmTARATURA::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &frmTARATURA::Command1_Click);

    // Text1, Text2, CALCOLA, RESETTA, the two options, MENU'.
    QWidget* order[] = {Text1, Text2, Command2, Command3, Option1, Option2, Command1};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmTARATURA::Option1_Click() {
    if (Option1->isChecked()) selectHorizontal(m_variables, language());
}

void frmTARATURA::Option2_Click() {
    if (Option2->isChecked()) selectInvertedV(m_variables, language());
}

void frmTARATURA::Command2_Click() {
    const TrimmingOutcome outcome =
        computeTrimming({textOf(Text1), textOf(Text2), Option1->isChecked() || Option2->isChecked(),
                         m_variables, language()});
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
    Label4->setVisible(outcome.shorten);
    Label6->setVisible(outcome.lengthen);
    Label7->setVisible(outcome.unchanged);
    setTextOf(Label5, outcome.correctionText);
    for (QWidget* piece : std::initializer_list<QWidget*>{Line2, Shape3, Label12})
        piece->setVisible(outcome.lengthen);
    Line3->setVisible(outcome.shorten);
    resultsShown({Label4, Label6, Label7, Label5});
}

void frmTARATURA::Command3_Click() {
    for (QLineEdit* field : {Text1, Text2}) setTextOf(field, {});
    setTextOf(Label5, {});
    deselectAll(Frame1);
    for (QWidget* shown :
         std::initializer_list<QWidget*>{Label7, Label6, Label4, Line2, Shape3, Label12, Line3})
        shown->setVisible(false);
}

void frmTARATURA::Command1_Click() { registry().show("frmMENU"); }

void frmTARATURA::errore1() { warnings().run(Warning{Label14, 4, {Label5}, {}, true}); }

std::vector<std::string> frmTARATURA::dataReport() const {
    TrimmingReportInput input{
        textOf(Text1), textOf(Text2), {}, textOf(Label5), m_variables.dipoleConfiguration, language()};
    for (const QLabel* verdict : {Label7, Label6, Label4})
        input.verdicts.push_back({textOf(verdict), !verdict->isHidden()});
    return trimmingReport(input);
}

}  // namespace zeliro
