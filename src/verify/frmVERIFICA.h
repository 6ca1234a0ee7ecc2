#pragma once
// The verification window: the design on display in a calculation window,
// simulated by nec2c, with its SWR plot, resonance, bandwidth and advice per
// band; beside it, a measured sweep of the built antenna.
//
// The window builds the controls and wires them; a VerificationSession owns
// the check itself (options, model, engine runs, analysis, results, the
// measured sweep). The window hands the session what the user typed and
// shows what it reports: its state, its progress, its results and its faults.

#include <QMainWindow>

#include <array>
#include <memory>

#include "frame/Verification.h"
#include "verify/VerificationSession.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace zeliro {

class DecimalField;
class HeightPage;
class PatternPage;
class ResultGrid;
class SmithPage;
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
    ~frmVERIFICA() override;

    // Checks the design now on display instead (a run still going ends).
    void setRequest(const VerificationRequest& request);

    int timeLimitMs() const { return m_session.timeLimitMs(); }
    void setTimeLimitMs(int ms) { m_session.setTimeLimitMs(ms); }
    bool running() const { return m_session.state() == VerificationSession::State::running; }
    int panels() const;
    VerificationSession& session() { return m_session; }

signals:
    // A run has ended and its figures or its message are on screen.
    void runEnded();

public slots:
    // The opener says whether the design it gave is still the one on display.
    void setDesignCurrent(bool current);
    void simula_Click();
    void correggi_Click();
    void annulla_Click();
    void salvaNec_Click();
    void salvaCsv_Click();
    void caricaMisura_Click();
    void stampa_Click();
    void salvaPdf_Click();
    void analizzatore_Click();
    void salvaMisura_Click();
    void studioAltezza_Click();
    void salvaDiagramma_Click();

private:
    void buildInputs();
    void buildRunControls();
    void buildExport();
    // The installation's page: insulation, soil, cable, span.
    void buildInstallation();
    DecimalField* addField(const QString& name, VerificationSession::Field field, int row);
    DecimalField* addInstallationField(QWidget* page, const QString& name, VerificationSession::Field field,
                                       const QRect& place, int captionWidth);
    // A catalogue cable's figures, or a soil class's, shown greyed in the fields.
    void showCableFigures();
    void showSoilFigures();

    VerificationSession::Typed typed() const;
    void showApplicableOptions();
    void showState(VerificationSession::State state);
    void showResults();
    void showMeasurement();
    // The pattern of the results on display, computed when its page is
    // shown and there is none yet.
    void radiateIfShown();
    // The printed report: the lines of what is shown, and the plots under them.
    std::vector<std::string> reportLines() const;
    QImage reportPicture();
    void fault(const QString& message, VerificationSession::Field field);
    // Options changed: results computed with others are marked stale.
    void optionsEdited();
    bool resultsStale() const;
    // Says why the results on display cannot be exported, if they cannot.
    bool refusedAsStale();
    void say(const QString& message);
    void save(const QString& caption, const QString& suggested, const QString& filter,
              const std::string& text);

    VerificationRequest m_request;
    VerificationSession m_session;

    QWidget* m_client = nullptr;
    QLabel* finestra = nullptr;
    DecimalField* diametroFilo = nullptr;
    QComboBox* suolo = nullptr;
    DecimalField* altezza = nullptr;
    DecimalField* angoloApice = nullptr;
    DecimalField* fattoreQ = nullptr;
    DecimalField* impedenza = nullptr;
    DecimalField* punti = nullptr;
    QComboBox* materiale = nullptr;
    QWidget* impianto = nullptr;
    DecimalField* isolamento = nullptr;
    DecimalField* permittivita = nullptr;
    QComboBox* guaina = nullptr;
    DecimalField* epsilon = nullptr;
    DecimalField* sigma = nullptr;
    DecimalField* ampiezza = nullptr;
    DecimalField* centro = nullptr;
    QComboBox* cavo = nullptr;
    QCheckBox* rame = nullptr;  // the conductor's losses counted; unticked, a lossless wire
    DecimalField* lunghezzaCavo = nullptr;
    DecimalField* impedenzaCavo = nullptr;
    DecimalField* velocita = nullptr;
    DecimalField* perdita = nullptr;
    QPushButton* simula = nullptr;
    QPushButton* correggi = nullptr;
    QPushButton* annulla = nullptr;
    std::array<QLabel*, 2> corretto{};
    QProgressBar* avanzamento = nullptr;
    QLabel* messaggio = nullptr;
    QTabWidget* pagine = nullptr;
    SwrPlot* grafico = nullptr;
    SmithPage* smith = nullptr;
    PatternPage* diagramma = nullptr;
    HeightPage* altezze = nullptr;
    std::unique_ptr<ResultGrid> m_results;
    bool m_designCurrent = true;
};

}  // namespace zeliro
