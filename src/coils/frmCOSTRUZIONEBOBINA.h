#pragma once

#include "coils/CoilWindow.h"
#include "core/coilconstruction.h"

namespace zeliro {

// The inductance of a single-layer coil from its mean radius, winding length,
// wire diameter and number of turns, to build the coil that the loading-coil
// window asked for. "CHIUDI" brings the loading-coil window back to the front
// and leaves this one open.
class frmCOSTRUZIONEBOBINA : public CoilWindow {
    Q_OBJECT
public:
    using Variables = CoilConstructionVariables;

    explicit frmCOSTRUZIONEBOBINA(Registry& registry);

    std::vector<std::string> dataReport() const override;

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void errore2();

private:
    void buildDrawing();
    void buildInputs();
    void buildButtons();

    Variables& m_variables;
    DecimalField* Text1 = nullptr;  // mean radius, mm
    DecimalField* Text2 = nullptr;  // winding length, mm
    DecimalField* Text3 = nullptr;  // wire diameter, mm
    DecimalField* Text5 = nullptr;  // turns
    QLabel* Label19 = nullptr;      // the inductance
    QLabel* Label21 = nullptr;      // "LUNGHEZZA  AVVOLGIMENTO ERRATA"
};

}  // namespace zeliro
