// The verification window's installation page: the wire's insulation, the
// soil's own figures, the coax between the analyser and the antenna, and
// the sweep's span and centre.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "core/nec/coax.h"
#include "core/nec/texts.h"
#include "core/numbers.h"
#include "frame/Accessibility.h"
#include "frame/Controls.h"
#include "frame/DecimalField.h"
#include "frame/Look.h"
#include "verify/frmVERIFICA.h"

namespace zeliro {
namespace {

using Field = VerificationSession::Field;

constexpr int rowTop = 10;
constexpr int rowStep = 30;
constexpr int leftCaption = 136;
constexpr int rightLeft = 256;
constexpr int rightCaption = 150;

QComboBox* addCombo(QWidget* parent, const QString& name, const QRect& place, const QString& accessible) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setGeometry(place);
    combo->setFont(sansFont(8));
    combo->setAccessibleName(accessible);
    return combo;
}

}  // namespace

DecimalField* frmVERIFICA::addInstallationField(QWidget* page, const QString& name, Field field,
                                                const QRect& place, int captionWidth) {
    QLabel* caption = addCaption(page, "didascalia_" + name, VerificationSession::caption(field),
                                 QRect(place.left() - captionWidth, place.top() + 2, captionWidth - 4, 20));
    caption->setFont(sansFont(8, true));
    DecimalField* input = addDecimalField(page, *m_request.beep,
                                          QLatin1Char(decimalSeparator(m_request.language)), name, place);
    input->setFont(sansFont(9, true));
    nameAfterCaption(*input, *caption);
    return input;
}

void frmVERIFICA::buildInstallation() {
    const Language language = m_request.language;
    const auto text = [language](double value) { return fromStd(formatDouble(value, language)); };
    impianto = new QWidget(pagine);
    impianto->setObjectName("impianto");
    impianto->setAutoFillBackground(true);
    setColours(*impianto, black, teal);
    pagine->addTab(impianto, tr("IMPIANTO"));
    const auto left = [](int row, int width = 96) {
        return QRect(8 + leftCaption, rowTop + row * rowStep, width, 22);
    };
    const auto right = [](int row) {
        return QRect(rightLeft + rightCaption, rowTop + row * rowStep, 96, 22);
    };

    // The wire: its insulation (empty or 0 for bare wire) and the jacket's permittivity.
    isolamento = addInstallationField(impianto, "isolamento", Field::insulation, left(0), leftCaption);
    const nec::ModelOptions defaults;
    permittivita =
        addInstallationField(impianto, "permittivita", Field::permittivity, left(1, 40), leftCaption);
    permittivita->setText(text(defaults.insulationPermittivity));
    guaina =
        addCombo(impianto, "guaina", QRect(8 + leftCaption + 44, rowTop + rowStep, 52, 22), tr("Guaina"));
    for (const nec::Jacket& jacket : nec::jackets) guaina->addItem(jacket.name, jacket.permittivity);
    guaina->setToolTip(tr("Riempie la permittività con quella della guaina scelta"));
    connect(guaina, &QComboBox::activated, this,
            [this, text](int index) { permittivita->setText(text(guaina->itemData(index).toDouble())); });

    // The soil's own figures, used with "a scelta"; a class's are shown greyed.
    epsilon = addInstallationField(impianto, "epsilon", Field::soilPermittivity, left(2), leftCaption);
    sigma = addInstallationField(impianto, "sigma", Field::soilConductivity, left(3), leftCaption);
    epsilon->setText(text(defaults.customSoil.permittivity));
    sigma->setText(text(defaults.customSoil.conductivitySm));

    // The sweep: its span either side, and a centre (empty: the design frequency).
    ampiezza = addInstallationField(impianto, "ampiezza", Field::span, left(4), leftCaption);
    ampiezza->setText(text(defaults.spanPercent));
    centro = addInstallationField(impianto, "centro", Field::centre, left(5), leftCaption);
    centro->setToolTip(tr("Vuoto: la frequenza di progetto"));

    // The conductor's losses, counted for the metal chosen (unticked: a lossless wire).
    rame = new QCheckBox(tr("PERDITE  NEL  CONDUTTORE"), impianto);
    rame->setObjectName("rame");
    rame->setGeometry(8, rowTop + 6 * rowStep, 230, 22);
    rame->setFont(sansFont(8, true));
    rame->setChecked(true);
    setColours(*rame, white, teal);
    connect(rame, &QCheckBox::toggled, this, &frmVERIFICA::optionsEdited);

    // The coax between the analyser (or the radio) and the antenna.
    QLabel* cable = addCaption(impianto, "didascalia_cavo", VerificationSession::caption(Field::cable),
                               QRect(rightLeft, rowTop + 2, rightCaption - 4, 20));
    cable->setFont(sansFont(8, true));
    cavo = addCombo(impianto, "cavo", right(0), cable->text());
    cavo->addItem(fromStd(std::string(nec::text(nec::Text::cableNone, language))), QString());
    for (const nec::Cable& c : nec::cableCatalogue()) cavo->addItem(fromStd(c.name), fromStd(c.name));
    cavo->addItem(fromStd(std::string(nec::text(nec::Text::cableUser, language))),
                  QString::fromLatin1(nec::ownCableChoice));
    for (int i = 0; i < cavo->count(); ++i) cavo->setItemData(i, cavo->itemText(i), Qt::ToolTipRole);
    lunghezzaCavo =
        addInstallationField(impianto, "lunghezzaCavo", Field::cableLength, right(1), rightCaption);
    lunghezzaCavo->setText("10");
    impedenzaCavo =
        addInstallationField(impianto, "impedenzaCavo", Field::cableImpedance, right(2), rightCaption);
    velocita = addInstallationField(impianto, "velocita", Field::velocityFactor, right(3), rightCaption);
    perdita = addInstallationField(impianto, "perdita", Field::loss, right(4), rightCaption);
    perdita->setToolTip(tr("Perdita adattata in dB ogni 100 m a 10 MHz"));
    const nec::Cable own = nec::ownCable(50, 0.66, 1.4);
    impedenzaCavo->setText(text(own.impedanceOhm));
    velocita->setText(text(own.velocityFactor));
    perdita->setText(text(own.loss.front().dbPer100m));
    QLabel* note = addCaption(impianto, "notaCavo",
                              tr("Con un cavo, la misura è riportata al punto di alimentazione e il grafico "
                                 "SWR mostra anche il modello come lo vede la radio."),
                              QRect(rightLeft, rowTop + 5 * rowStep, 240, 44));
    note->setFont(sansFont(7));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    for (DecimalField* field : impianto->findChildren<DecimalField*>()) {
        connect(field, &QLineEdit::textChanged, this, &frmVERIFICA::optionsEdited);
        if (simula) field->setDefaultButton(simula);
    }
    connect(isolamento, &QLineEdit::textChanged, this, &frmVERIFICA::showApplicableOptions);
    connect(suolo, &QComboBox::currentIndexChanged, this, &frmVERIFICA::showSoilFigures);
    connect(cavo, &QComboBox::currentIndexChanged, this, [this] {
        showCableFigures();
        showApplicableOptions();
        optionsEdited();
    });
}

// A catalogue cable's own figures (its loss at 10 MHz) stand greyed in the
// fields; they stay there as a start when "a scelta" is chosen next.
void frmVERIFICA::showCableFigures() {
    const nec::Cable* cable = nec::findCable(cavo->currentData().toString().toStdString());
    if (!cable) return;
    const auto text = [this](double value) {
        return fromStd(formatDouble(roundSignificant(value, 3), m_request.language));
    };
    impedenzaCavo->setText(text(cable->impedanceOhm));
    velocita->setText(text(cable->velocityFactor));
    perdita->setText(text(nec::matchedLoss(*cable, 10)));
}

// A soil class's figures stand greyed in the fields; "a scelta" starts from them.
void frmVERIFICA::showSoilFigures() {
    const auto ground = static_cast<nec::Ground>(suolo->currentData().toInt());
    if (ground == nec::Ground::custom) return;
    const std::optional<nec::Soil> soil = nec::soilOf(ground);
    if (!soil) return;
    epsilon->setText(fromStd(formatDouble(soil->permittivity, m_request.language)));
    sigma->setText(fromStd(formatDouble(soil->conductivitySm, m_request.language)));
}

}  // namespace zeliro
