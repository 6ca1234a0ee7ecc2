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
};

}  // namespace zeliro
