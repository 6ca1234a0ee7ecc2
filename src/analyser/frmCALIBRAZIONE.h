#pragma once
// "CALIBRAZIONE": the program's own calibration of a NanoVNA V2, whose USB
// data come uncorrected. Over the sweep of the analyser's dialog the user
// connects OPEN, SHORT and LOAD where the antenna goes and presses each one's
// button; SALVA keeps the three sweeps for this device and its variant, with
// the date. A device that is no V2 is told to be calibrated on itself.

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

#include "analyser/AnalyserLink.h"

class QLabel;
class QPushButton;

namespace zeliro {

class Beep;

class frmCALIBRAZIONE : public QDialog {
    Q_OBJECT
public:
    // How the analyser's dialog words a fault of the link.
    using Wording = std::function<QString(AnalyserLink::Fault fault, const QString& detail)>;
    struct Setup {
        QString port;
        analyser::SweepPlan plan;
        Language language = Language::italian;
        int replyTimeoutMs = AnalyserLink::defaultReplyTimeoutMs;
        Wording wording;
    };
    frmCALIBRAZIONE(QWidget* parent, Beep& beep, const Setup& setup);

signals:
    void saved();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum Standard { open, shortCircuit, load, standards };

    QLabel* caption(const QString& name, const QString& text, const QRect& geometry);
    QPushButton* button(const QString& name, const QString& text, const QRect& geometry);
    void measure(Standard standard);
    void measured(int variant);
    void salva_Click();
    void setRunning(bool running);
    void tell(const QString& message);

    Beep& m_beep;
    Setup m_setup;
    AnalyserLink m_link;
    Standard m_measuring = open;
    std::optional<int> m_variant;
    std::vector<analyser::S11Point> m_points[standards];
    QPushButton* m_buttons[standards] = {};
    QLabel* m_states[standards] = {};
    QPushButton* salva = nullptr;
    QPushButton* annulla = nullptr;
    QLabel* messaggio = nullptr;
};

}  // namespace zeliro
