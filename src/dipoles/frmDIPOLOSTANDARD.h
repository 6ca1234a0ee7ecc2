#pragma once

#include "core/halfwave.h"
#include "frame/CalculationWindow.h"

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
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
};

}  // namespace zeliro
