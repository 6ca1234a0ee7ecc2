#include "app/frmMENU.h"

#include <QLabel>

#include "core/version.h"
#include "frame/Look.h"
#include "frame/Registry.h"
#include "frame/WrappingButton.h"

namespace zeliro {

const QStringList frmMENU::closingOrder = {"frmCALCOLOBOBINA",
                                           "frmCOSTRUZIONEBOBINA",
                                           "frmDIPOLOMULTIBANDA",
                                           "frmDIPOLOSTANDARD",
                                           "frmINFO",
                                           "frmLEGGIMIcostruzione",
                                           "frmLEGGIMImulti",
                                           "frmLEGGIMIcalcolo",
                                           "frmLEGGIMIstandard",
                                           "frmTARATURA",
                                           "frmMENU"};

frmMENU::frmMENU(Registry& registry) : m_registry(registry) {
    setWindowTitle(tr("Menù") + spaces(80) + tr("by   TAVRON") + spaces(65) + revisionCaption);
    setFixedSize(600, 420);
    setColours(*this, black, QColor(0, 0, 128));

    auto* band = new QLabel(this);
    band->setObjectName("Label1");
    band->setGeometry(0, 0, 600, 110);
    setColours(*band, white, QColor(0, 128, 128));
    auto* strip = new QLabel(this);
    strip->setObjectName("Label2");
    strip->setGeometry(0, 110, 600, 8);
    setColours(*strip, white, QColor(255, 255, 0));

    auto* title = new QLabel(tr("ZELIRO"), this);
    title->setObjectName("Label3");
    title->setGeometry(0, 10, 600, 90);
    title->setAlignment(Qt::AlignCenter);
    title->setFont(namedFont("Arial", 48, true));
    setColours(*title, white);

    struct MenuButton {
        const char* name;
        QString caption;
        QString tooltip;
        QRect geometry;
        void (frmMENU::*handler)();
    };
    const MenuButton buttons[] = {
        {"Command6",
         tr("DIPOLO STANDARD"),
         tr("Calcola un dipolo 1/2 onda"),
         {40, 150, 150, 90},
         &frmMENU::Command6_Click},
        {"Command2",
         tr("      TARATURA                   del            DIPOLO"),
         tr("Passa al programma Taratura del Dipolo"),
         {225, 150, 150, 90},
         &frmMENU::Command2_Click},
        {"Command1",
         tr("CALCOLO  BOBINE              per             DIPOLI ACCORCIATI"),
         tr("Passa al programma calcolo bobina"),
         {410, 150, 150, 90},
         &frmMENU::Command1_Click},
        {"Command5",
         tr("        DIPOLO               MULTIBANDA        CON TRAPPOLE     IN  COASSIALE"),
         tr("Calcola un dipolo multibanda con bobine in cavo coassiale"),
         {40, 270, 150, 90},
         &frmMENU::Command5_Click},
        {"Command3",
         tr("INFO"),
         tr("Visualizza  testo di  info"),
         {225, 270, 150, 90},
         &frmMENU::Command3_Click},
        {"Command4", tr("CHIUDI"), tr("Esce dal programma"), {410, 270, 150, 90}, &frmMENU::Command4_Click},
    };
    for (const MenuButton& entry : buttons) {
        auto* button = new WrappingButton(entry.caption, this);
        button->setObjectName(entry.name);
        button->setToolTip(entry.tooltip);
        button->setGeometry(entry.geometry);
        button->setFont(sansFont(9.75, true));
        setColours(*button, black, lightGrey);
        connect(button, &QPushButton::clicked, this, entry.handler);
    }
}

void frmMENU::Command1_Click() { m_registry.show("frmCALCOLOBOBINA"); }
void frmMENU::Command2_Click() { m_registry.show("frmTARATURA"); }
void frmMENU::Command3_Click() { m_registry.show("frmINFO"); }
void frmMENU::Command4_Click() { m_registry.terminate(closingOrder); }
void frmMENU::Command5_Click() { m_registry.show("frmDIPOLOMULTIBANDA"); }
void frmMENU::Command6_Click() { m_registry.show("frmDIPOLOSTANDARD"); }

}  // namespace zeliro
