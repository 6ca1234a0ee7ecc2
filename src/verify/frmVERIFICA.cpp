#include "verify/frmVERIFICA.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include "core/nec/ondisplay.h"
#include "core/numbers.h"
#include "frame/Accessibility.h"
#include "frame/Controls.h"
#include "frame/DecimalField.h"
#include "frame/Look.h"
#include "frame/Platform.h"
#include "verify/PatternPage.h"
#include "verify/ResultGrid.h"
#include "verify/SmithPage.h"
#include "verify/SwrPlot.h"

namespace zeliro {
namespace {

using Field = VerificationSession::Field;
using State = VerificationSession::State;

}  // namespace

void frmVERIFICA::setRequest(const VerificationRequest& request) {
    m_request = request;
    m_designCurrent = true;
    simula->setEnabled(true);
    correggi->setEnabled(true);
    m_session.setDesign(request.design);
    setWindowTitle(tr("VERIFICA  -  ") + request.openerTitle);
    finestra->setText(request.openerTitle.simplified() + ":  " +
                      fromStd(nec::describeDesign(request.design, request.language)));
    const nec::ModelOptions defaults = nec::defaultOptions(request.design);
    diametroFilo->setText(fromStd(formatDouble(defaults.wireDiameterMm, m_request.language)));
    fattoreQ->setText(m_session.qualityFactorApplies()
                          ? fromStd(formatDouble(defaults.qualityFactor, m_request.language))
                          : QString());
    showApplicableOptions();
    say({});
    showResults();
}

void frmVERIFICA::showApplicableOptions() {
    const VerificationSession::Typed now = typed();
    altezza->setEnabled(VerificationSession::heightApplies(now.ground));
    angoloApice->setEnabled(m_session.apexAngleApplies());
    fattoreQ->setEnabled(m_session.qualityFactorApplies());
    const bool ownSoil = now.ground == nec::Ground::custom;
    epsilon->setEnabled(ownSoil);
    sigma->setEnabled(ownSoil);
    const bool ownCable = now.installation.cable == nec::ownCableChoice;
    lunghezzaCavo->setEnabled(!now.installation.cable.empty());
    for (DecimalField* field : {impedenzaCavo, velocita, perdita}) field->setEnabled(ownCable);
    // The insulation's permittivity counts only round an insulated wire.
    const bool insulated = parseDouble(isolamento->text().toStdString(), m_request.language).value_or(0) != 0;
    permittivita->setEnabled(insulated);
    guaina->setEnabled(insulated);
}

int frmVERIFICA::panels() const { return grafico->panels(); }

VerificationSession::Typed frmVERIFICA::typed() const {
    VerificationSession::Typed typed{diametroFilo->text(),
                                     altezza->text(),
                                     angoloApice->text(),
                                     fattoreQ->text(),
                                     impedenza->text(),
                                     punti->text(),
                                     static_cast<nec::Ground>(suolo->currentData().toInt()),
                                     rame->isChecked(),
                                     static_cast<nec::Conductor>(materiale->currentData().toInt()),
                                     {}};
    nec::InstallationTexts& i = typed.installation;
    i.insulationMm = isolamento->text().toStdString();
    i.insulationPermittivity = permittivita->text().toStdString();
    i.soilPermittivity = epsilon->text().toStdString();
    i.soilConductivity = sigma->text().toStdString();
    i.cable = cavo->currentData().toString().toStdString();
    i.cableLengthM = lunghezzaCavo->text().toStdString();
    i.cableImpedanceOhm = impedenzaCavo->text().toStdString();
    i.velocityFactor = velocita->text().toStdString();
    i.lossDbAt10Mhz = perdita->text().toStdString();
    i.spanPercent = ampiezza->text().toStdString();
    i.centreMhz = centro->text().toStdString();
    return typed;
}

void frmVERIFICA::setDesignCurrent(bool current) {
    if (current == m_designCurrent) return;
    m_designCurrent = current;
    simula->setEnabled(current);
    correggi->setEnabled(current && !running());
    optionsEdited();
}

bool frmVERIFICA::resultsStale() const {
    return m_session.results() && (!m_designCurrent || !m_session.resultsMatch(typed()));
}

void frmVERIFICA::optionsEdited() {
    const std::optional<double> reference = parseDouble(impedenza->text().toStdString(), m_request.language);
    bool measurementMoved = reference && m_session.setReferenceOhm(*reference);
    // A measurement is shown through the cable as typed, as soon as it reads.
    const VerificationSession::OptionsReading reading = m_session.readOptions(typed());
    if (reading.options && m_session.setFeedline(reading.feedline)) measurementMoved = true;
    if (measurementMoved) showMeasurement();
    const bool stale = resultsStale();
    m_results->setStale(stale);
    diagramma->setStale(stale);
    smith->setStale(stale);
    grafico->setStale(stale);
    altezze->setStale(stale);
    for (QLabel* label : corretto) ResultGrid::colourFigure(*label, stale);
    if (!m_designCurrent)
        say(tr("Il progetto nella finestra %1 è cambiato: premere CALCOLA là per verificarlo.")
                .arg(m_request.openerTitle.simplified()));
    else if (stale)
        say(tr("Le opzioni sono cambiate: i risultati non valgono più, premere SIMULA."));
}

bool frmVERIFICA::refusedAsStale() {
    if (!resultsStale()) return false;
    optionsEdited();
    // The message may stand there already: the beep says the button did nothing.
    m_request.beep->beep();
    return true;
}

void frmVERIFICA::simula_Click() {
    if (!m_designCurrent) return optionsEdited();
    say(tr("Simulazione in corso..."));
    m_session.simulate(typed());
    showResults();
}

void frmVERIFICA::correggi_Click() {
    if (!m_designCurrent) return optionsEdited();
    say(tr("Correzione in corso..."));
    m_session.correct(typed());
}

// Nothing of the run cancelled is kept: the window shows again what it showed before it.
void frmVERIFICA::annulla_Click() {
    if (!running()) return;
    m_session.cancel();
    showResults();
    say(tr("Simulazione annullata."));
}

void frmVERIFICA::showState(State state) {
    annulla->setEnabled(state == State::running);
    correggi->setEnabled(state != State::running && m_designCurrent);
    if (state != State::running) {
        avanzamento->setRange(0, 1);
        avanzamento->setValue(0);
    }
}

// What is shown is drawn again as the session keeps it (a failed run
// changed nothing), and the fault's message stays over any other.
void frmVERIFICA::fault(const QString& message, Field field) {
    showResults();
    say(message);
    const std::pair<Field, QWidget*> fields[] = {{Field::wireDiameter, diametroFilo},
                                                 {Field::height, altezza},
                                                 {Field::apexAngle, angoloApice},
                                                 {Field::qualityFactor, fattoreQ},
                                                 {Field::reference, impedenza},
                                                 {Field::points, punti},
                                                 {Field::insulation, isolamento},
                                                 {Field::permittivity, permittivita},
                                                 {Field::soilPermittivity, epsilon},
                                                 {Field::soilConductivity, sigma},
                                                 {Field::cable, cavo},
                                                 {Field::cableLength, lunghezzaCavo},
                                                 {Field::cableImpedance, impedenzaCavo},
                                                 {Field::velocityFactor, velocita},
                                                 {Field::loss, perdita},
                                                 {Field::span, ampiezza},
                                                 {Field::centre, centro}};
    for (const auto& [which, widget] : fields)
        if (which == field) {
            // A field of the installation's page brings the page up.
            if (widget->parentWidget() == impianto) pagine->setCurrentWidget(impianto);
            widget->setFocus();
        }
    emit runEnded();
}

void frmVERIFICA::showResults() {
    const nec::CorrectionLabels labels = m_session.correctionLabels();
    corretto[0]->setText(fromStd(labels.corretto1));
    corretto[1]->setText(fromStd(labels.corretto2));
    const bool twoBands = m_session.bands().size() > 1;
    corretto[1]->setVisible(twoBands);
    messaggio->setGeometry(8, corretto[twoBands ? 1 : 0]->geometry().bottom() + 4, 248, twoBands ? 32 : 62);
    m_results->setBands(m_session.bands());
    for (std::size_t band = 0; band < 2; ++band) m_results->showBand(band, m_session.bandTexts(band));
    diagramma->display(m_session.pattern());
    altezze->display(m_session.heights(),
                     m_session.bands().empty() ? 0 : m_session.bands().front().designMhz);
    optionsEdited();
    showMeasurement();
}

void frmVERIFICA::say(const QString& message) {
    messaggio->setText(message);
    if (!message.isEmpty() && message != tr("Simulazione in corso...")) messaggio->setAccessibleName(message);
}

void frmVERIFICA::radiateIfShown() {
    if (pagine->currentWidget() != diagramma || m_session.pattern() || running()) return;
    if (!m_session.results()) return say(tr("Il diagramma segue la simulazione: premere SIMULA."));
    if (resultsStale()) return optionsEdited();
    say(tr("Calcolo del diagramma di radiazione in corso..."));
    m_session.radiate();
}

void frmVERIFICA::studioAltezza_Click() {
    if (!m_session.results()) return say(tr("Lo studio dell'altezza segue la simulazione: premere SIMULA."));
    if (refusedAsStale() || running()) return;
    say(tr("Studio dell'altezza in corso..."));
    m_session.studyHeights();
}

}  // namespace zeliro
