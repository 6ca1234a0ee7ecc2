#include "analyser/frmANALIZZATORE.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>

#include "analyser/Calibrations.h"
#include "analyser/frmCALIBRAZIONE.h"
#include "core/numbers.h"
#include "frame/Accessibility.h"
#include "frame/Controls.h"
#include "frame/DecimalField.h"
#include "frame/Look.h"
#include "frame/Platform.h"

namespace zeliro {
namespace {

const char* const lastPortKey = "analizzatore/porta";

constexpr int fieldLeft = 170;
constexpr int rowTop = 48;
constexpr int rowStep = 34;

QSettings settings() { return QSettings(QStringLiteral("zeliro"), QStringLiteral("zeliro")); }

// For a request that lends no beep.
class SystemBeep : public Beep {
public:
    void beep() override { QApplication::beep(); }
};

Beep& beepOf(const AnalyserRequest& request) {
    static SystemBeep fallback;
    return request.beep ? *request.beep : fallback;
}

QString megahertz(double value, Language language) {
    return value > 0 ? QString::fromStdString(formatDouble(truncateDecimals(value, 6), language)) : QString();
}

}  // namespace

frmANALIZZATORE::frmANALIZZATORE(const AnalyserRequest& request)
    : QDialog(request.parent, Qt::Dialog), m_request(request), m_link(this) {
    setObjectName("frmANALIZZATORE");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("ANALIZZATORE"));
    setFixedSize(460, 300);
    setColours(*this, black, teal);
    m_link.setReplyTimeout(request.replyTimeoutMs);

    QLabel* title = caption("titolo", tr("ANALIZZATORE"), QRect(10, 6, 440, 34));
    title->setFont(namedFont("Times New Roman", 16, true));
    title->setAlignment(Qt::AlignCenter);
    setColours(*title, yellow);
    buildPort();
    inizio = field("inizio", tr("INIZIO  MHz"), 1);
    fine = field("fine", tr("FINE  MHz"), 2);
    punti = field("punti", tr("PUNTI"), 3);
    inizio->setText(megahertz(request.startMHz, request.language));
    fine->setText(megahertz(request.stopMHz, request.language));
    punti->setText(request.points > 0 ? QString::number(request.points) : QString());

    avanzamento = new QProgressBar(this);
    avanzamento->setObjectName("avanzamento");
    avanzamento->setGeometry(10, rowTop + 4 * rowStep, 440, 20);
    avanzamento->setRange(0, 1);
    avanzamento->setValue(0);
    messaggio = caption("messaggio", {}, QRect(10, rowTop + 4 * rowStep + 24, 440, 48));
    messaggio->setFont(sansFont(8, true));
    setColours(*messaggio, yellow);

    misura = button("misura", tr("MISURA"), QRect(10, 258, 150, 32));
    calibra = button("calibra", tr("CALIBRA..."), QRect(166, 258, 128, 32));
    annulla = button("annulla", tr("ANNULLA"), QRect(300, 258, 150, 32));
    misura->setDefault(true);
    for (DecimalField* field : {inizio, fine, punti}) field->setDefaultButton(misura);
    connect(misura, &QPushButton::clicked, this, &frmANALIZZATORE::misura_Click);
    connect(calibra, &QPushButton::clicked, this, &frmANALIZZATORE::calibra_Click);
    connect(annulla, &QPushButton::clicked, this, &frmANALIZZATORE::annulla_Click);
    connect(&m_link, &AnalyserLink::progress, this, [this](int done, int total) {
        avanzamento->setRange(0, total);
        avanzamento->setValue(done);
    });
    connect(&m_link, &AnalyserLink::identified, this, [this](const QString& device) {
        if (!device.isEmpty()) messaggio->setText(tr("%1: misura in corso...").arg(device));
    });
    connect(&m_link, &AnalyserLink::finished, this, &frmANALIZZATORE::measured);
    connect(&m_link, &AnalyserLink::failed, this, &frmANALIZZATORE::failed);
    setRunning(false);
}

QLabel* frmANALIZZATORE::caption(const QString& name, const QString& text, const QRect& geometry) {
    QLabel* label = addCaption(this, name, text, geometry);
    label->setFont(sansFont(9, true));
    return label;
}

DecimalField* frmANALIZZATORE::field(const QString& name, const QString& text, int row) {
    const int top = rowTop + row * rowStep;
    QLabel* label = caption("didascalia_" + name, text, QRect(10, top + 2, fieldLeft - 14, 22));
    DecimalField* input =
        addDecimalField(this, beepOf(m_request), QLatin1Char(decimalSeparator(m_request.language)), name,
                        QRect(fieldLeft, top, 120, 24));
    input->setFont(sansFont(10, true));
    nameAfterCaption(*input, *label);
    return input;
}

QPushButton* frmANALIZZATORE::button(const QString& name, const QString& text, const QRect& geometry) {
    QPushButton* pushButton = addPushButton(this, name, text, geometry);
    pushButton->setFont(sansFont(9, true));
    return pushButton;
}

void frmANALIZZATORE::buildPort() {
    QLabel* label = caption("didascalia_porta", tr("PORTA"), QRect(10, rowTop + 2, fieldLeft - 14, 22));
    porta = new QComboBox(this);
    porta->setObjectName("porta");
    porta->setEditable(true);
    porta->setInsertPolicy(QComboBox::NoInsert);
    porta->setGeometry(fieldLeft, rowTop, 280, 26);
    porta->setFont(sansFont(10, true));
    for (const PortIdentity& port : serialPorts()) {
        const QString kind = kindName(port.family);
        porta->addItem(kind.isEmpty() ? port.path : port.path + "  (" + kind + ")", port.path);
    }
    const QString last = settings().value(lastPortKey).toString();
    if (!last.isEmpty()) porta->setEditText(last);
    nameAfterCaption(*porta, *label);
}

QString frmANALIZZATORE::chosenPort() const {
    // A port from the list shows what it probably is beside its path.
    const int index = porta->currentIndex();
    if (index >= 0 && porta->itemText(index) == porta->currentText())
        return porta->itemData(index).toString();
    return porta->currentText().trimmed();
}

std::optional<analyser::SweepPlan> frmANALIZZATORE::typedPlan() {
    const std::string start = inizio->text().toStdString();
    const std::string stop = fine->text().toStdString();
    const std::string points = punti->text().toStdString();
    const analyser::PlanReading plan = analyser::readPlan({start, stop, points, m_request.language});
    switch (plan.problem) {
        case analyser::PlanProblem::none:
            return plan.plan;
        case analyser::PlanProblem::noRange:
            tell(tr("Scrivere l'inizio e la fine della scansione in MHz."));
            break;
        case analyser::PlanProblem::stopNotAboveStart:
            tell(tr("La fine della scansione deve superarne l'inizio."));
            break;
        case analyser::PlanProblem::tooFewPoints:
        case analyser::PlanProblem::tooManyPoints:
            tell(tr("I punti vanno da 2 a 10000, al più uno per hertz."));
            break;
    }
    return std::nullopt;
}

void frmANALIZZATORE::misura_Click() {
    if (m_link.isRunning()) return;
    const auto plan = typedPlan();
    if (!plan) return;
    m_port = chosenPort();
    setRunning(true);
    messaggio->setText(tr("Misura in corso..."));
    avanzamento->setRange(0, plan->points);
    avanzamento->setValue(0);
    QSettings kept = settings();
    std::vector<vnav2::Calibration> calibrations;
    for (const StoredCalibration& stored : storedCalibrations(kept, deviceKey(m_port)))
        calibrations.push_back(stored.calibration);
    m_link.setCalibrations(std::move(calibrations));
    m_link.start({m_port, *plan, 50, m_request.language});
}

void frmANALIZZATORE::calibra_Click() {
    if (m_link.isRunning()) return;
    // One calibration at a time: the one open is shown.
    for (auto* open : findChildren<frmCALIBRAZIONE*>(QString(), Qt::FindDirectChildrenOnly))
        if (open->isVisible()) {
            open->raise();
            open->activateWindow();
            return;
        }
    const auto plan = typedPlan();
    if (!plan) return;
    m_port = chosenPort();
    if (m_port.isEmpty()) return tell(faultText(AnalyserLink::Fault::noPort, {}));
    frmCALIBRAZIONE::Setup setup{
        m_port, *plan, m_request.language, m_request.replyTimeoutMs,
        [this](AnalyserLink::Fault fault, const QString& detail) { return faultText(fault, detail); }};
    auto* dialog = new frmCALIBRAZIONE(this, beepOf(m_request), setup);
    connect(dialog, &frmCALIBRAZIONE::saved, this,
            [this] { messaggio->setText(tr("Calibrazione salvata: ora MISURA.")); });
    dialog->show();
}

void frmANALIZZATORE::annulla_Click() {
    m_link.cancel();
    close();
}

void frmANALIZZATORE::closeEvent(QCloseEvent* event) {
    m_link.cancel();
    event->accept();
}

void frmANALIZZATORE::measured(const MeasuredSweep& sweep, const QString& device) {
    settings().setValue(lastPortKey, m_port);
    const QString source = QString::fromStdString(analyser::sourceText(
        m_port.toStdString(), sweep.points.size(), device.toStdString(), m_request.language));
    if (m_request.done) m_request.done(sweep, source);
    close();
}

void frmANALIZZATORE::failed(AnalyserLink::Fault fault, const QString& detail) {
    setRunning(false);
    avanzamento->setValue(0);
    tell(faultText(fault, detail));
}

QString frmANALIZZATORE::keptCalibrations() const {
    QSettings kept = settings();
    QString text;
    for (const StoredCalibration& stored : storedCalibrations(kept, deviceKey(m_port)))
        text +=
            tr(" Salvata il %1: da %2 a %3 MHz.")
                .arg(QLocale(m_request.language == Language::english ? QLocale::English : QLocale::Italian)
                         .toString(stored.made, QLocale::ShortFormat),
                     megahertz(stored.calibration.frequenciesHz.front() / 1e6, m_request.language),
                     megahertz(stored.calibration.frequenciesHz.back() / 1e6, m_request.language));
    return text;
}

QString frmANALIZZATORE::faultText(AnalyserLink::Fault fault, const QString& detail) const {
    using Fault = AnalyserLink::Fault;
    switch (fault) {
        case Fault::noPort:
            return tr("Scegliere o scrivere la porta dell'analizzatore.");
        case Fault::portMissing:
            return tr("La porta %1 non esiste: l'analizzatore è collegato?").arg(m_port);
        case Fault::portBusy:
            return tr("La porta %1 è occupata da un altro programma o non è permessa: su Debian l'utente "
                      "deve essere nel gruppo dialout.")
                .arg(m_port);
        case Fault::portFailed:
            return tr("La porta %1 non si apre (messaggio del sistema: %2).").arg(m_port, detail);
        case Fault::noAnswer:
            return tr("L'analizzatore su %1 non risponde entro %2 s.")
                .arg(m_port, QString::fromStdString(
                                 formatDouble(m_request.replyTimeoutMs / 1000.0, m_request.language)));
        case Fault::garbage:
            return tr("Il dispositivo su %1 non risponde come un analizzatore NanoVNA.").arg(m_port);
        case Fault::fewerPoints:
            return tr("L'analizzatore ha dato meno punti di quelli chiesti.");
        case Fault::badPoint:
            return tr("Misura non valida: %1").arg(detail);
        case Fault::unplugged:
            return tr("L'analizzatore si è scollegato durante la misura.");
        case Fault::slow:
            return tr("L'analizzatore su %1 non ha finito la scansione in tempo: provare una banda IF più "
                      "larga "
                      "o meno punti.")
                .arg(m_port);
        case Fault::notVna:
            return tr("Su %1 c'è un analizzatore di spettro (%2), non un VNA: non misura il ROS.")
                .arg(m_port, detail);
        case Fault::otherFrequencies:
            return tr(
                "L'analizzatore ha misurato frequenze diverse da quelle chieste: la scansione è fuori dalla "
                "sua gamma?");
        case Fault::outOfRange:
            return tr("L'analizzatore non sa misurare oltre 4294 MHz.");
        case Fault::notCalibrated:
            return tr("Nessuna calibrazione del NanoVNA V2 su %1 copre la scansione: CALIBRA... con OPEN, "
                      "SHORT e LOAD.%2")
                .arg(m_port, keptCalibrations());
    }
    return {};
}

void frmANALIZZATORE::setRunning(bool running) {
    setProperty("running", running);
    for (QWidget* control : std::initializer_list<QWidget*>{porta, inizio, fine, punti, misura, calibra})
        control->setEnabled(!running);
}

void frmANALIZZATORE::tell(const QString& message) {
    beepOf(m_request).beep();
    messaggio->setText(message);
    messaggio->setAccessibleName(message);
}

QWidget* openAnalyser(const AnalyserRequest& request) {
    if (request.parent)
        if (auto* open = request.parent->findChild<frmANALIZZATORE*>(QString(), Qt::FindDirectChildrenOnly)) {
            open->raise();
            open->activateWindow();
            return open;
        }
    auto* dialog = new frmANALIZZATORE(request);
    dialog->show();
    return dialog;
}

}  // namespace zeliro
