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

QImage frmVERIFICA::printedImage() {
    QImage image = m_client->grab().toImage();
    std::vector<QWidget*> pages;
    // The SWR and Smith pages of the results, where the window shows another.
    for (QWidget* page : {static_cast<QWidget*>(grafico), static_cast<QWidget*>(smith)})
        if (m_session.results() && pagine->currentWidget() != page) pages.push_back(page);
    if (m_session.pattern() && pagine->currentWidget() != diagramma) pages.push_back(diagramma);
    if (m_session.heights() && pagine->currentWidget() != altezze) pages.push_back(altezze);
    for (QWidget* page : pages) {
        const QImage shot = page->grab().toImage();
        QImage both(image.width(), image.height() + shot.height() + 8, QImage::Format_RGB32);
        both.fill(Qt::white);
        QPainter painter(&both);
        painter.drawImage(0, 0, image);
        painter.drawImage(pagine->x(), image.height() + 8, shot);
        painter.end();
        image = both;
    }
    return image;
}

void frmVERIFICA::stampa_Click() {
    if (refusedAsStale()) return;
    const QImage image = printedImage();
    const QPointer<frmVERIFICA> self(this);
    const auto tell = m_request.tellPrintFailure;
    m_request.printer->printImage(image, [self, image, tell](const PrintResult& result) {
        if (result.status == PrintResult::Status::handedOver) {
            if (self) self->say(tr("Stampa inviata alla stampante «%1».").arg(result.printer));
        } else if (tell) {
            // Told even when the window has been closed meanwhile.
            tell(self, result, image);
        }
    });
}

}  // namespace zeliro
