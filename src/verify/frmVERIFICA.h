#pragma once
// The verification window: the design on display in a calculation window,
// simulated by nec2c, with its SWR plot, resonance, bandwidth and advice per
// band; beside it, a measured sweep of the built antenna.
//
// Flow: the request's design + the option fields -> nec::buildModel (or its
// error) -> one deck per band -> NecEngine (nec2c off the event loop) ->
// rows (f, R, X) or an error -> nec::analyse -> nec::bandTexts into the
// result labels, and the curve into the plot. A measured sweep read by
// readSweep is drawn on the same plot and compared band by band.

#include <QMainWindow>

#include <array>
#include <optional>
#include <vector>

#include "core/nec/analysis.h"
#include "core/sweep/sweep.h"
#include "frame/Verification.h"
#include "verify/NecEngine.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace zeliro {

class DecimalField;
class SwrPlot;

class frmVERIFICA : public QMainWindow {
    Q_OBJECT
    // How long nec2c may run, in milliseconds (60 s unless set).
    Q_PROPERTY(int timeLimitMs READ timeLimitMs WRITE setTimeLimitMs)
    Q_PROPERTY(bool running READ running)
    Q_PROPERTY(int panels READ panels)

public:
    // A window owned by the opener: it closes when the opener goes.
    frmVERIFICA(QWidget* opener, const VerificationRequest& request);

    // Checks the design now on display instead (a run still going ends).
    void setRequest(const VerificationRequest& request);

    int timeLimitMs() const { return m_engine.timeLimitMs(); }
    void setTimeLimitMs(int ms) { m_engine.setTimeLimitMs(ms); }
    bool running() const { return m_engine.running(); }
    int panels() const;

signals:
    // A run has ended and its figures or its message are on screen.
    void runEnded();

public slots:
    void simula_Click();
    void annulla_Click();
    void salvaNec_Click();
    void salvaCsv_Click();
    void caricaMisura_Click();
    void stampa_Click();

private:
    struct BandLabels {
        QLabel* title = nullptr;
        QLabel* risonanza = nullptr;
        QLabel* scarto = nullptr;
        QLabel* swr = nullptr;
        QLabel* impedenza = nullptr;
        QLabel* banda = nullptr;
        QLabel* misura = nullptr;
        QLabel* consiglio = nullptr;
    };

    void buildInputs();
    void buildRunControls();
    void buildResults();
    void buildExport();
    QLabel* addCaption(const QString& name, const QString& text, const QRect& geometry);
    DecimalField* addField(const QString& name, const QString& caption, int row);
    QLabel* addResult(const QString& name, const QRect& geometry, const QString& accessibleName);
    QPushButton* addButton(const QString& name, const QString& caption, const QRect& geometry);

    std::optional<nec::ModelOptions> readOptions();
    std::optional<nec::Model> model(const nec::ModelOptions& options);
    void showOptionsFor(const nec::Design& design);
    void showRun(const NecEngine::Outcome& outcome);
    void clearResults();
    void showMeasurement();
    void redraw();
    void say(const QString& message);
    bool save(const QString& caption, const QString& suggested, const QString& filter,
              const std::string& text);

    VerificationRequest m_request;
    NecEngine m_engine;
    std::vector<nec::Band> m_bands;  // of the last model built
    std::vector<nec::Row> m_rows;    // of the last good run
    std::vector<nec::BandResult> m_results;
    std::optional<MeasuredSweep> m_measured;
    double m_referenceOhm = nec::defaultReferenceOhm;

    QWidget* m_client = nullptr;
    QLabel* finestra = nullptr;
    DecimalField* diametroFilo = nullptr;
    QComboBox* suolo = nullptr;
    DecimalField* altezza = nullptr;
    DecimalField* angoloApice = nullptr;
    DecimalField* fattoreQ = nullptr;
    DecimalField* impedenza = nullptr;
    DecimalField* punti = nullptr;
    QCheckBox* rame = nullptr;
    QPushButton* simula = nullptr;
    QPushButton* annulla = nullptr;
    QProgressBar* avanzamento = nullptr;
    QLabel* messaggio = nullptr;
    SwrPlot* grafico = nullptr;
    std::array<BandLabels, 2> m_bandLabels;
};

}  // namespace zeliro
