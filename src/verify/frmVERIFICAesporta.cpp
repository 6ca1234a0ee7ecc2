// The verification window's exports: the model, the sweeps and the pattern
// saved as files, and the window printed. None is made from results that no
// longer belong to the options or the design on display.

#include <QPainter>
#include <QPointer>

#include "frame/FileDialogs.h"
#include "frame/Platform.h"
#include "verify/PatternPage.h"
#include "verify/SmithPage.h"
#include "verify/SwrPlot.h"
#include "verify/frmVERIFICA.h"

namespace zeliro {

void frmVERIFICA::save(const QString& caption, const QString& suggested, const QString& filter,
                       const std::string& text) {
    const QString name = m_request.fileDialogs->saveFileName(this, caption, suggested, filter);
    if (name.isEmpty()) return;
    const QString error = VerificationSession::saveText(name, text);
    say(error.isEmpty() ? tr("Salvato in %1").arg(name)
                        : tr("Impossibile scrivere il file %1: %2").arg(name, error));
}

// The model of a design no longer on display, or with options other than the
// results' (a correction holds for its options only), is refused like the CSV.
void frmVERIFICA::salvaNec_Click() {
    if (!m_designCurrent) return optionsEdited();
    if (refusedAsStale()) return;
    QString error;
    const std::optional<std::string> deck = m_session.deck(typed(), error);
    if (!deck) {
        say(error);
        return;
    }
    save(tr("Salva il modello NEC-2"), "dipolo.nec", tr("Modello NEC-2 (*.nec)"), *deck);
}

void frmVERIFICA::salvaCsv_Click() {
    if (!m_session.results()) {
        say(tr("Nessuna simulazione da salvare: premere SIMULA."));
        return;
    }
    if (refusedAsStale()) return;
    save(tr("Salva la simulazione"), "simulazione.csv", tr("CSV (*.csv)"), m_session.csv());
}

void frmVERIFICA::salvaDiagramma_Click() {
    if (!m_session.pattern()) return say(tr("Nessun diagramma da salvare: aprire la pagina DIAGRAMMA."));
    if (refusedAsStale()) return;
    save(tr("Salva il diagramma di radiazione"), "diagramma.csv", tr("CSV (*.csv)"), m_session.patternCsv());
}

// The plots under the report's lines: the SWR and Smith pages, then the pattern and the
// height study where there are some.
QImage frmVERIFICA::reportPicture() {
    std::vector<QWidget*> pages = {grafico, smith};
    if (m_session.pattern()) pages.push_back(diagramma);
    if (m_session.heights()) pages.push_back(altezze);
    std::vector<QImage> shots;
    for (QWidget* page : pages) {
        // A page never shown has not been laid out yet.
        page->resize(pagine->currentWidget()->size());
        shots.push_back(page->grab().toImage());
    }
    int height = 0;
    for (const QImage& shot : shots) height += shot.height() + 8;
    QImage picture(pagine->width(), height - 8, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    int top = 0;
    for (const QImage& shot : shots) {
        painter.drawImage(0, top, shot);
        top += shot.height() + 8;
    }
    return picture;
}

std::vector<std::string> frmVERIFICA::reportLines() const {
    return m_session.report(m_request.openerTitle.simplified().toStdString());
}

void frmVERIFICA::stampa_Click() {
    if (refusedAsStale()) return;
    const std::vector<std::string> lines = reportLines();
    const QImage picture = reportPicture();
    const QPointer<frmVERIFICA> self(this);
    const auto tell = m_request.tellPrintFailure;
    m_request.printer->printReport(lines, picture, [self, lines, picture, tell](const PrintResult& result) {
        if (result.status == PrintResult::Status::handedOver) {
            if (self) self->say(tr("Stampa inviata alla stampante «%1».").arg(result.printer));
        } else if (tell) {
            // Told even when the window has been closed meanwhile.
            tell(self, result, lines, picture);
        }
    });
}

void frmVERIFICA::salvaPdf_Click() {
    if (refusedAsStale()) return;
    if (m_request.savePdf) m_request.savePdf(this, reportLines(), reportPicture());
}

}  // namespace zeliro
