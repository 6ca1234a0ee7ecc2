#include "analyser/frmCALIBRAZIONE.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

#include "analyser/Calibrations.h"
#include "core/numbers.h"
#include "frame/Controls.h"
#include "frame/Look.h"
#include "frame/Platform.h"

namespace zeliro {
namespace {

constexpr int rowTop = 112;
constexpr int rowStep = 36;

QString megahertz(std::int64_t hertz, Language language) {
    return QString::fromStdString(
        formatDouble(truncateDecimals(static_cast<double>(hertz) / 1e6, 6), language));
}

}  // namespace

frmCALIBRAZIONE::frmCALIBRAZIONE(QWidget* parent, Beep& beep, const Setup& setup)
    : QDialog(parent, Qt::Dialog), m_beep(beep), m_setup(setup), m_link(this) {
    setObjectName("frmCALIBRAZIONE");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("CALIBRAZIONE"));
    setFixedSize(460, 300);
    setColours(*this, black, teal);
    m_link.setReplyTimeout(setup.replyTimeoutMs);
    m_link.setRaw(true);

    QLabel* title = caption("titolo", tr("CALIBRAZIONE"), QRect(10, 6, 440, 34));
    title->setFont(namedFont("Times New Roman", 16, true));
    title->setAlignment(Qt::AlignCenter);
    setColours(*title, yellow);
    caption("ambito",
            tr("%1, da %2 a %3 MHz, %4 punti.")
                .arg(setup.port, megahertz(setup.plan.startHz, setup.language),
                     megahertz(setup.plan.stopHz, setup.language))
                .arg(setup.plan.points),
            QRect(10, 44, 440, 22));
    caption("istruzioni", tr("Collegare ogni campione dove va l'antenna e premerne il pulsante."),
            QRect(10, 68, 440, 40));
    const QString names[standards] = {"open", "short", "load"};
    const QString texts[standards] = {tr("OPEN"), tr("SHORT"), tr("LOAD  50 Ω")};
    for (int i = 0; i < standards; ++i) {
        const int top = rowTop + i * rowStep;
        m_buttons[i] = button(names[i], texts[i], QRect(10, top, 150, 30));
        m_states[i] = caption("stato_" + names[i], tr("da misurare"), QRect(170, top + 4, 280, 22));
        connect(m_buttons[i], &QPushButton::clicked, this, [this, i] { measure(static_cast<Standard>(i)); });
    }
    messaggio = caption("messaggio", {}, QRect(10, rowTop + 3 * rowStep, 440, 36));
    messaggio->setFont(sansFont(8, true));
    setColours(*messaggio, yellow);
    salva = button("salva", tr("SALVA"), QRect(10, 258, 150, 32));
    annulla = button("annulla", tr("ANNULLA"), QRect(300, 258, 150, 32));
    connect(salva, &QPushButton::clicked, this, &frmCALIBRAZIONE::salva_Click);
    connect(annulla, &QPushButton::clicked, this, &QDialog::close);
    connect(&m_link, &AnalyserLink::rawFinished, this, &frmCALIBRAZIONE::measured);
    connect(&m_link, &AnalyserLink::finished, this, [this] {
        setRunning(false);
        tell(tr("Il dispositivo su %1 non è un NanoVNA V2: si calibra sul dispositivo stesso.")
                 .arg(m_setup.port));
    });
    connect(&m_link, &AnalyserLink::failed, this, [this](AnalyserLink::Fault fault, const QString& detail) {
        setRunning(false);
        tell(m_setup.wording ? m_setup.wording(fault, detail) : QString());
    });
    setRunning(false);
}

QLabel* frmCALIBRAZIONE::caption(const QString& name, const QString& text, const QRect& geometry) {
    QLabel* label = addCaption(this, name, text, geometry);
    label->setFont(sansFont(9, true));
    return label;
}

QPushButton* frmCALIBRAZIONE::button(const QString& name, const QString& text, const QRect& geometry) {
    QPushButton* pushButton = addPushButton(this, name, text, geometry);
    pushButton->setFont(sansFont(9, true));
    return pushButton;
}

void frmCALIBRAZIONE::measure(Standard standard) {
    if (m_link.isRunning()) return;
    m_measuring = standard;
    m_points[standard].clear();
    m_states[standard]->setText(tr("misura in corso..."));
    messaggio->clear();
    setRunning(true);
    m_link.start({m_setup.port, m_setup.plan, 50, m_setup.language});
}

void frmCALIBRAZIONE::measured(int variant) {
    // The three standards of one device.
    if (m_variant && *m_variant != variant)
        for (int i = 0; i < standards; ++i) {
            m_points[i].clear();
            m_states[i]->setText(tr("da misurare"));
        }
    m_variant = variant;
    m_points[m_measuring] = m_link.rawPoints();
    m_states[m_measuring]->setText(tr("misurato"));
    setRunning(false);
}

void frmCALIBRAZIONE::salva_Click() {
    const auto calibration =
        vnav2::calibrationOf(m_variant.value_or(0), m_points[open], m_points[shortCircuit], m_points[load]);
    // Open and short that read alike: a standard was not connected.
    if (!calibration || !vnav2::corrected(*calibration, m_points[load]))
        return tell(
            tr("OPEN e SHORT danno la stessa lettura: i campioni erano collegati? Misurarli di nuovo."));
    QSettings settings(QStringLiteral("zeliro"), QStringLiteral("zeliro"));
    storeCalibration(settings, deviceKey(m_setup.port), {*calibration, QDateTime::currentDateTime()});
    emit saved();
    close();
}

void frmCALIBRAZIONE::setRunning(bool running) {
    setProperty("running", running);
    bool complete = true;
    for (int i = 0; i < standards; ++i) {
        m_buttons[i]->setEnabled(!running);
        complete = complete && !m_points[i].empty();
    }
    salva->setEnabled(!running && complete);
}

void frmCALIBRAZIONE::tell(const QString& message) {
    m_beep.beep();
    messaggio->setText(message);
    messaggio->setAccessibleName(message);
}

void frmCALIBRAZIONE::closeEvent(QCloseEvent* event) {
    m_link.cancel();
    event->accept();
}

}  // namespace zeliro
