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

    void chooseCable(CableChoice cable, const QRadioButton* option);
    void chooseShape(DipoleShape shape, const QRadioButton* option);
    // Runs the warning routine that the computation asks for.
    void runWarning(TrapWarning warning);
    DipoleShape shapeOn() const;
    CableChoice cableOn() const;

    Variables& m_variables;
    // Cable buttons, configuration buttons, and the cable designation typed
    // in manual mode with its prompt.
    QGroupBox* Frame1 = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr, *Option3 = nullptr, *Option4 = nullptr;
    QRadioButton* Option7 = nullptr;
    QGroupBox* frame2 = nullptr;
    QRadioButton *Option5 = nullptr, *Option6 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLabel* Label43 = nullptr;
    // Former radius, cable radius, turns, capacitance per cm, first and second frequency.
    DecimalField *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr;
    DecimalField *Text5 = nullptr, *Text6 = nullptr;
    QPushButton* Command1 = nullptr;  // MENU'
    QPushButton* Command2 = nullptr;  // CALCOLA
    QPushButton* Command3 = nullptr;  // RESETTA
    // Results: cable length, inner wire, outer wire, cut-off, capacitance, inductance.
    QLabel *Label23 = nullptr, *Label24 = nullptr, *Label25 = nullptr;
    QLabel *Label26 = nullptr, *Label31 = nullptr, *Label32 = nullptr;
    QLabel* Label41 = nullptr;  // the configuration, hidden, for the data report
    // The warning labels of errore1 to errore4.
    QLabel *Label27 = nullptr, *Label35 = nullptr, *Label28 = nullptr, *Label37 = nullptr;
};

}  // namespace zeliro
