#pragma once

#include "coils/CoilWindow.h"
#include "core/loadingcoil.h"

namespace zeliro {

// The loading coil of a shortened dipole: wire diameter, frequency, total
// length and distance of the coils from the centre give the inductance of one
// coil. "COSTRUZIONE BOBINA  " leads on to the coil construction window.
class frmCALCOLOBOBINA : public CoilWindow {
    Q_OBJECT
public:
    using Variables = LoadingCoilVariables;

    explicit frmCALCOLOBOBINA(Registry& registry);

    std::vector<std::string> dataReport() const override;
    std::optional<nec::Design> designOnDisplay() const override;

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void cmdCommand3_Click();
    void errore1();
    void errore3();

private:
    void buildDrawing();
    void buildInputs();
    void buildButtons();

    Variables& m_variables;
    DecimalField* Text1 = nullptr;  // wire diameter, mm
    DecimalField* Text2 = nullptr;  // frequency, MHz
    DecimalField* Text3 = nullptr;  // total length, m
    DecimalField* Text4 = nullptr;  // distance of the coils from the centre, m
    QLabel* Label9 = nullptr;       // the inductance
    QLabel* Label1 = nullptr;       // "QUESTO  DIPOLO  NON  NECESSITA  DI  BOBINE"
    QLabel* Label17 = nullptr;      // "BOBINA  TROPPO  DISTANTE  DAL  CENTRALE"
};

}  // namespace zeliro
