#pragma once

#include "core/trimming.h"
#include "frame/CalculationWindow.h"

class QGroupBox;
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
    // "Da misura…": the frequency of minimum SWR of a measured sweep into Text2.
    void damisura_Click();

private:
    void buildInputs();
    void buildButtons();
    void buildVerdict();
    void buildDrawing();
    void connectHandlers();
    void showVerdict(const TrimmingOutcome& outcome);

    Variables& m_variables;
    QGroupBox* m_frame = nullptr;
    QRadioButton* m_horizontal = nullptr;  // Option1
    QRadioButton* m_invertedV = nullptr;   // Option2
};

}  // namespace zeliro
