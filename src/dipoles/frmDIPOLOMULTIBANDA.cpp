// The two-band dipole's handlers, its warnings, and what its display holds:
// the design for the verification and the data report.
#include "dipoles/frmDIPOLOMULTIBANDA.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "core/nec/ondisplay.h"
#include "frame/DecimalField.h"
#include "frame/Registry.h"

namespace zeliro {

void frmDIPOLOMULTIBANDA::Command1_Click() { registry().show("frmMENU"); }

void frmDIPOLOMULTIBANDA::Command2_Click() {
    TrapDipoleInput input;
    input.supportRadius = textOf(Text1);
    input.cableRadius = textOf(Text2);
    input.turns = textOf(Text3);
    input.capacitancePerCm = textOf(Text4);
    input.firstFrequency = textOf(Text5);
    input.secondFrequency = textOf(Text6);
    input.shape = shapeOn();
    input.constants = m_variables.constants;
    input.language = language();

    const TrapDipoleOutcome outcome = computeTrapDipole(input);
    const std::pair<QLabel*, const std::optional<std::string>*> results[] = {
        {Label31, &outcome.coilCapacitance}, {Label32, &outcome.coilInductance},
        {Label26, &outcome.cutoffFrequency}, {Label23, &outcome.cableLength},
        {Label24, &outcome.innerWire},       {Label25, &outcome.outerWire},
    };
    QList<const QLabel*> written;
    for (const auto& [label, text] : results) {
        if (!*text) continue;
        setTextOf(label, **text);
        written << label;
    }
    resultsShown(written);
    runWarning(outcome.warning);
}

void frmDIPOLOMULTIBANDA::Command3_Click() {
    for (QLineEdit* field :
         std::initializer_list<QLineEdit*>{Text1, Text2, Text3, Text4, Text5, Text6, Text7})
        setTextOf(field, "");
    for (QLabel* label : {Label23, Label24, Label25, Label26, Label31, Label32}) setTextOf(label, "");
    deselectAll(Frame1);
    deselectAll(frame2);
    Label43->hide();
    Text7->hide();
}

void frmDIPOLOMULTIBANDA::Option1_Click() { chooseCable(CableChoice::RG58U, Option1); }
void frmDIPOLOMULTIBANDA::Option2_Click() { chooseCable(CableChoice::RG223, Option2); }
void frmDIPOLOMULTIBANDA::Option3_Click() { chooseCable(CableChoice::RG174, Option3); }
void frmDIPOLOMULTIBANDA::Option4_Click() { chooseCable(CableChoice::RG213, Option4); }
void frmDIPOLOMULTIBANDA::Option7_Click() { chooseCable(CableChoice::Manual, Option7); }
void frmDIPOLOMULTIBANDA::Option5_Click() { chooseShape(DipoleShape::Horizontal, Option5); }
void frmDIPOLOMULTIBANDA::Option6_Click() { chooseShape(DipoleShape::InvertedV, Option6); }

void frmDIPOLOMULTIBANDA::chooseCable(CableChoice cable, const QRadioButton* option) {
    if (!option->isChecked()) return;
    const CablePreset preset = cablePreset(cable, language());
    setTextOf(Text4, preset.capacitanceText);
    setTextOf(Text2, preset.radiusText);
    Text7->setVisible(preset.manual);
    Label43->setVisible(preset.manual);
}

void frmDIPOLOMULTIBANDA::chooseShape(DipoleShape shape, const QRadioButton* option) {
    if (!option->isChecked()) return;
    const DipoleConfiguration configuration = dipoleConfiguration(shape, language());
    m_variables.constants = configuration.constants;
    setTextOf(Label41, configuration.label41);
}

// The four warning routines: each shows its label for 5 seconds; errore1
// beeps before it empties its controls, errore3 and errore4 after.
void frmDIPOLOMULTIBANDA::errore1() { warnings().run({Label27, 5, {Text6, Label24, Label25}, {}, true}); }
void frmDIPOLOMULTIBANDA::errore2() { warnings().run({Label35, 5, {}, {}, true}); }
void frmDIPOLOMULTIBANDA::errore3() { warnings().run({Label28, 5, {Label24, Label25}, {}, false}); }
void frmDIPOLOMULTIBANDA::errore4() {
    warnings().run({Label37, 5, {Label23, Label31, Label32, Label26, Label24, Label25}, {}, false});
}

void frmDIPOLOMULTIBANDA::runWarning(TrapWarning warning) {
    switch (warning) {
        case TrapWarning::SecondNotBelowFirst:
            return errore1();
        case TrapWarning::CutoffNotAboveFirst:
            return errore2();
        case TrapWarning::CutoffTooHigh:
            return errore3();
        case TrapWarning::NoConfiguration:
            return errore4();
        case TrapWarning::None:
            return;
    }
}

DipoleShape frmDIPOLOMULTIBANDA::shapeOn() const {
    if (Option5->isChecked()) return DipoleShape::Horizontal;
    if (Option6->isChecked()) return DipoleShape::InvertedV;
    return DipoleShape::None;
}

CableChoice frmDIPOLOMULTIBANDA::cableOn() const {
    const std::pair<const QRadioButton*, CableChoice> options[] = {{Option1, CableChoice::RG58U},
                                                                   {Option2, CableChoice::RG223},
                                                                   {Option3, CableChoice::RG174},
                                                                   {Option4, CableChoice::RG213},
                                                                   {Option7, CableChoice::Manual}};
    for (const auto& [option, cable] : options)
        if (option->isChecked()) return cable;
    return CableChoice::None;
}

std::optional<nec::Design> frmDIPOLOMULTIBANDA::designOnDisplay() const {
    const std::string shown[] = {textOf(Label24), textOf(Label25), textOf(Label32),
                                 textOf(Label31), textOf(Text5),   textOf(Text6)};
    return nec::twoBandOnDisplay({shown[0], shown[1], shown[2], shown[3], shown[4], shown[5],
                                  shapeOn() == DipoleShape::InvertedV, language()});
}

std::vector<std::string> frmDIPOLOMULTIBANDA::dataReport() const {
    TrapDipoleScreen screen;
    screen.text1 = textOf(Text1);
    screen.text2 = textOf(Text2);
    screen.text3 = textOf(Text3);
    screen.text4 = textOf(Text4);
    screen.text5 = textOf(Text5);
    screen.text6 = textOf(Text6);
    screen.text7 = textOf(Text7);
    screen.label41 = textOf(Label41);
    screen.label23 = textOf(Label23);
    screen.label24 = textOf(Label24);
    screen.label25 = textOf(Label25);
    screen.label26 = textOf(Label26);
    screen.label31 = textOf(Label31);
    screen.label32 = textOf(Label32);
    screen.cable = cableOn();
    screen.language = language();
    return trapDipoleReport(screen);
}

}  // namespace zeliro
