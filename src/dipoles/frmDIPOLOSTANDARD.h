#pragma once

#include "core/halfwave.h"
#include "frame/CalculationWindow.h"

class QGroupBox;
class QLabel;
class QRadioButton;

namespace zeliro {

// The half-wave dipole window: frequency and configuration in, total length
// of the dipole out.
class frmDIPOLOSTANDARD : public CalculationWindow {
    Q_OBJECT
public:
    using Variables = HalfWaveVariables;

    explicit frmDIPOLOSTANDARD(Registry& registry);

    std::vector<std::string> dataReport() const override;
    std::optional<nec::Design> designOnDisplay() const override;

public slots:
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void errore1();

private:
    Variables& m_variables;
    DecimalField* Text1 = nullptr;  // frequency
    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option1 = nullptr;  // inverted V
    QRadioButton* Option2 = nullptr;  // horizontal
    QLabel* Label7 = nullptr;         // the length
    QLabel* Label8 = nullptr;         // the warning of errore1
};

}  // namespace zeliro
