// The verification window's measured sweep: loaded from a file, read from an
// analyser, shown beside the model, saved as Touchstone.

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "analyser/frmANALIZZATORE.h"
#include "core/numbers.h"
#include "core/sweep/analyser.h"
#include "frame/DecimalField.h"
#include "frame/FileDialogs.h"
#include "verify/ResultGrid.h"
#include "verify/SmithPage.h"
#include "verify/SwrPlot.h"
#include "verify/frmVERIFICA.h"

namespace zeliro {

using Field = VerificationSession::Field;

void frmVERIFICA::showMeasurement() {
    const QString file = m_session.measurementName();
    for (std::size_t band = 0; band < 2; ++band) {
        const std::string text = m_session.measuredText(band);
        // The summary always names the file it comes from.
        m_results->showMeasured(band, text.empty() ? QString() : file + ": " + QString::fromStdString(text));
    }
    grafico->show(m_session);
    smith->display(m_session);
}

void frmVERIFICA::caricaMisura_Click() {
    const QString name = m_request.fileDialogs->openFileName(
        this, tr("Carica una misura"), tr("Misure (*.s1p *.csv *.txt);;Tutti i file (*)"));
    if (name.isEmpty() || !m_session.loadMeasurement(name)) return;
    say(tr("Misura: %1 (%2 punti)")
            .arg(QFileInfo(name).fileName())
            .arg(m_session.measurement()->points.size()));
}

void frmVERIFICA::analizzatore_Click() {
    // The sweep of the verification, every band within it, at the window's point count.
    const std::vector<nec::Band>& bands = m_session.bands();
    AnalyserRequest request;
    request.parent = this;
    request.beep = m_request.beep;
    request.language = m_request.language;
    for (const nec::Band& band : bands) {
        request.startMHz = request.startMHz > 0 ? std::min(request.startMHz, band.startMhz) : band.startMhz;
        request.stopMHz = std::max(request.stopMHz, band.endMhz());
    }
    // The count read as the simulation reads it, never cast from any figure typed.
    const std::optional<int> points = VerificationSession::pointCount(
        parseDouble(punti->text().toStdString(), m_request.language).value_or(0));
    if (!points) return fault(VerificationSession::pointsRule(), Field::points);
    request.points = *points;
    const QPointer<frmVERIFICA> self(this);
    request.done = [self](const MeasuredSweep& sweep, const QString& source) {
        if (!self) return;
        self->m_session.takeMeasurement(sweep, source);
        self->say(source);
    };
    openAnalyser(request);
}

void frmVERIFICA::salvaMisura_Click() {
    const auto& measured = m_session.measurementAsRead();
    if (!measured) return say(tr("Nessuna misura da salvare: caricarne una o leggerla dall'analizzatore."));
    const analyser::TouchstoneText text =
        analyser::touchstoneText({&*measured, {"ZELIRO: " + m_session.measurementName().toStdString()}});
    if (!text.written)
        return say(tr("Questa misura dà solo l'SWR, senza fase: non si può scrivere come Touchstone."));
    save(tr("Salva la misura"), "misura.s1p", tr("Touchstone (*.s1p)"), text.text);
}

}  // namespace zeliro
