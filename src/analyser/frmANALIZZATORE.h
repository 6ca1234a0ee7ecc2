#pragma once
// "ANALIZZATORE": a sweep read straight from an analyser of the NanoVNA
// family. The user picks the port (the analysers' USB ports first, each with
// what it probably is, the last one used proposed), checks start, stop and points, and presses MISURA; the
// link measures without blocking, the bar follows it, and when the sweep is
// complete the dialog hands it over and closes. A fault leaves a message here
// and nothing half done; ANNULLA stops at once and closes. CALIBRA… opens the
// program's own calibration of a NanoVNA V2 over the sweep typed in.

#include <QDialog>

#include <optional>

#include "analyser/AnalyserLink.h"
#include "frame/Verification.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace zeliro {

class DecimalField;

class frmANALIZZATORE : public QDialog {
    Q_OBJECT
public:
    explicit frmANALIZZATORE(const AnalyserRequest& request);

public slots:
    void misura_Click();
    void calibra_Click();
    void annulla_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The frame's controls in the dialog's type.
    QLabel* caption(const QString& name, const QString& text, const QRect& geometry);
    DecimalField* field(const QString& name, const QString& text, int row);
    QPushButton* button(const QString& name, const QString& text, const QRect& geometry);
    void buildPort();
    QString chosenPort() const;
    // The sweep as typed; nothing, and a message, when it does not read.
    std::optional<analyser::SweepPlan> typedPlan();
    void measured(const MeasuredSweep& sweep, const QString& device);
    void failed(AnalyserLink::Fault fault, const QString& detail);
    QString faultText(AnalyserLink::Fault fault, const QString& detail) const;
    // What calibrations the device on the port has, for a sweep none covers.
    QString keptCalibrations() const;
    void setRunning(bool running);
    void tell(const QString& message);

    AnalyserRequest m_request;
    AnalyserLink m_link;
    QString m_port;  // of the sweep under way
    QComboBox* porta = nullptr;
    DecimalField* inizio = nullptr;
    DecimalField* fine = nullptr;
    DecimalField* punti = nullptr;
    QPushButton* misura = nullptr;
    QPushButton* calibra = nullptr;
    QPushButton* annulla = nullptr;
    QProgressBar* avanzamento = nullptr;
    QLabel* messaggio = nullptr;
};

// Opens the dialog for the request (raises the one already open for the same
// parent); returns it. What frmVERIFICA and the module's C entry call.
QWidget* openAnalyser(const AnalyserRequest& request);

}  // namespace zeliro
