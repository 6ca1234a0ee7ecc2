#pragma once

#include "core/trapdipole.h"
#include "frame/CalculationWindow.h"

class QGroupBox;

namespace zeliro {

// The two-band dipole whose traps are coils wound from coaxial cable: cable
// and configuration choices, six decimal-comma fields, the drawing of one arm
// with the two wire lengths on it, the row of coil results and a cut-open coil
// that shows where the cable ends A and B go.
class frmDIPOLOMULTIBANDA : public CalculationWindow {
    Q_OBJECT
public:
    // Set by the configuration buttons; kept for the whole run.
    struct Variables {
        TrapDipoleConstants constants;
    };

    explicit frmDIPOLOMULTIBANDA(Registry& registry);

    std::vector<std::string> dataReport() const override;
    std::optional<nec::Design> designOnDisplay() const override;

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void errore1();
    void errore2();
    void errore3();
    void errore4();

private:
    void buildTexts();
    void buildOptions();
    void buildInputs();
    void buildArm();
    void buildResults();
    void buildCoil();
    void buildWarnings();
    void setTabOrder();
    void connectHandlers();

    void chooseCable(CableChoice cable, const QString& option);
    void chooseShape(DipoleShape shape, const QString& option);
    void runWarning(TrapWarning warning);
    bool isOn(const QString& option) const;
    DipoleShape shapeOn() const;
    CableChoice cableOn() const;

    Variables& m_variables;
    QGroupBox* m_cables = nullptr;
    QGroupBox* m_shapes = nullptr;
};

}  // namespace zeliro
