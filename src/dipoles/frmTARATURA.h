#pragma once

#include "core/nec/coax.h"
#include "core/sweep/sweep.h"
#include "core/trimming.h"
#include "frame/CalculationWindow.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zeliro {

// Trimming a built dipole: from the wanted frequency and the frequency of
// minimum SWR, how many centimetres to add to or take off each arm, with a
// small drawing of one arm that shows the change.
class frmTARATURA : public CalculationWindow {
    Q_OBJECT
public:
    using Variables = TrimmingVariables;

    explicit frmTARATURA(Registry& registry);

    std::vector<std::string> dataReport() const override;

public slots:
    void Option1_Click();
    void Option2_Click();
    void Command2_Click();
    void Command3_Click();
    void Command1_Click();
    void errore1();
    // "Da misura…": the frequency of minimum SWR of a measured sweep into Text2,
    // only a true dip near the wanted frequency; otherwise a message says why.
    void damisura_Click();
    // "Da analizzatore…": the same, from a sweep read straight from an
    // analyser, ±10 % around the wanted frequency.
    void daanalizzatore_Click();
    // The coax between the analyser and the antenna: a measurement is taken
    // back through it to the feed point before its resonance is read.
    void cavo_Click();

private:
    void buildInputs();
    void buildButtons();
    void buildVerdict();
    void buildDrawing();
    void connectHandlers();
    void showVerdict(const TrimmingOutcome& outcome);
    // Where a measured sweep, from a file or an analyser, fills Text2.
    void takeMeasuredSweep(const MeasuredSweep& sweep);

    Variables& m_variables;
    nec::Feedline m_feedline;       // length 0: the analyser at the feed point
    DecimalField* Text1 = nullptr;  // wanted frequency
    DecimalField* Text2 = nullptr;  // frequency of minimum SWR
    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option1 = nullptr;  // horizontal
    QRadioButton* Option2 = nullptr;  // inverted V
    QPushButton* Command1 = nullptr;  // MENU'
    QPushButton* Command2 = nullptr;  // CALCOLA
    QPushButton* Command3 = nullptr;  // RESETTA
    QLabel* Label14 = nullptr;        // the warning of errore1
    QLabel* Label4 = nullptr;         // verdict: shorten
    QLabel* Label6 = nullptr;         // verdict: lengthen
    QLabel* Label7 = nullptr;         // verdict: unchanged
    QLabel* Label5 = nullptr;         // the correction per arm
    // The piece of arm to add beyond the end insulator (its line, the new
    // insulator and its name), and the piece to take off.
    QWidget* Line2 = nullptr;
    QWidget* Shape3 = nullptr;
    QLabel* Label12 = nullptr;
    QWidget* Line3 = nullptr;
};

}  // namespace zeliro
