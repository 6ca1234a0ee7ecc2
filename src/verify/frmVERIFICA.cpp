#include "verify/frmVERIFICA.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>

#include <algorithm>

#include "core/nec/measured.h"
#include "core/nec/ondisplay.h"
#include "core/numbers.h"
#include "frame/Accessibility.h"
#include "frame/DecimalField.h"
#include "frame/FileDialogs.h"
#include "frame/Look.h"
#include "frame/Platform.h"
#include "verify/SwrPlot.h"

namespace zeliro {
namespace {

constexpr int fieldRowTop = 84;
constexpr int fieldRowStep = 28;
constexpr int resultTop = 428;
constexpr int resultRow = 22;
constexpr int fieldLeft = 170;
constexpr int fieldWidth = 116;

const char* const resultNames[] = {"risonanza", "scarto", "swr", "impedenza", "banda", "misura", "consiglio"};
const char* const resultCaptions[] = {QT_TRANSLATE_NOOP("zeliro::frmVERIFICA", "RISONANZA  MHz"),
                                      QT_TRANSLATE_NOOP("zeliro::frmVERIFICA", "SCARTO  kHz"),
                                      QT_TRANSLATE_NOOP("zeliro::frmVERIFICA", "SWR  ALLA  FREQUENZA"),
                                      QT_TRANSLATE_NOOP("zeliro::frmVERIFICA", "IMPEDENZA  ohm"),
                                      QT_TRANSLATE_NOOP("zeliro::frmVERIFICA", "BANDA  2:1  kHz"),
                                      QT_TRANSLATE_NOOP("zeliro::frmVERIFICA", "MISURA"),
                                      QT_TRANSLATE_NOOP("zeliro::frmVERIFICA", "CONSIGLIO")};

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

std::vector<nec::Band> bandsOf(const nec::Design& design) {
    const nec::ModelOutcome outcome = nec::buildModel(design, nec::ModelOptions{});
    return outcome.model.bands;
}

const nec::Shape* shapeOf(const nec::Design& design) {
    return std::visit([](const auto& d) { return &d.shape; }, design);
}

}  // namespace

frmVERIFICA::frmVERIFICA(QWidget* opener, const VerificationRequest& request)
    : m_request(request), m_engine(this) {
    setObjectName("frmVERIFICA");
    setProperty("opener", request.openerName);
    setAttribute(Qt::WA_DeleteOnClose);
    m_engine.setLanguage(request.language);
    // A window of its own (not a child: nothing of it shows among the
    // opener's controls), which goes when its opener goes.
    connect(opener, &QObject::destroyed, this, [this] { delete this; });
    m_client = new QWidget(this);
    m_client->setObjectName("client");
    m_client->setFixedSize(1000, 704);
    setColours(*m_client, black, teal);
    setCentralWidget(m_client);

    auto* title = addCaption("titolo", tr("VERIFICA  CON  SIMULAZIONE  NEC-2"), QRect(10, 6, 980, 34));
    title->setFont(namedFont("Times New Roman", 18, true));
    title->setAlignment(Qt::AlignCenter);
    setColours(*title, yellow);
    finestra = addCaption("finestra", {}, QRect(10, 44, 980, 28));
    finestra->setFont(sansFont(10, true));

    buildInputs();
    buildRunControls();
    grafico = new SwrPlot(m_client);
    if (m_request.language == Language::english)
        grafico->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    grafico->setObjectName("grafico");
    grafico->setGeometry(300, 80, 690, 340);
    buildResults();
    buildExport();
    setRequest(request);
}

QLabel* frmVERIFICA::addCaption(const QString& name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, m_client);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setFont(sansFont(9, true));
    setColours(*label, white);
    return label;
}

DecimalField* frmVERIFICA::addField(const QString& name, const QString& caption, int row) {
    const int top = fieldRowTop + row * fieldRowStep;
    QLabel* label = addCaption("didascalia_" + name, caption, QRect(10, top + 2, fieldLeft - 14, 22));
    auto* field = new DecimalField(*m_request.beep, m_client);
    field->setObjectName(name);
    field->setDecimalSeparator(QLatin1Char(decimalSeparator(m_request.language)));
    field->setGeometry(fieldLeft, top, fieldWidth, 24);
    field->setFont(sansFont(10, true));
    setColours(*field, black, white);
    nameAfterCaption(*field, *label);
    return field;
}

QLabel* frmVERIFICA::addResult(const QString& name, const QRect& geometry, const QString& accessibleName) {
    auto* label = new QLabel(m_client);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(sansFont(9, true));
    label->setWordWrap(true);
    label->setIndent(4);
    setColours(*label, QColor(0, 0, 192), white);
    nameResult(*label, accessibleName);
    return label;
}

QPushButton* frmVERIFICA::addButton(const QString& name, const QString& caption, const QRect& geometry) {
    auto* button = new QPushButton(caption, m_client);
    button->setObjectName(name);
    button->setGeometry(geometry);
    setColours(*button, black, lightGrey);
    return button;
}

void frmVERIFICA::buildInputs() {
    diametroFilo = addField("diametroFilo", tr("DIAMETRO  FILO  mm"), 0);
    QLabel* ground = addCaption("didascalia_suolo", tr("SUOLO"),
                                QRect(10, fieldRowTop + fieldRowStep + 2, fieldLeft - 14, 22));
    suolo = new QComboBox(m_client);
    suolo->setObjectName("suolo");
    suolo->setGeometry(fieldLeft, fieldRowTop + fieldRowStep, fieldWidth, 24);
    for (nec::Ground g : {nec::Ground::freeSpace, nec::Ground::average, nec::Ground::perfect})
        suolo->addItem(fromStd(std::string(nec::groundName(g, m_request.language))));
    suolo->setAccessibleName(ground->text());
    altezza = addField("altezza", tr("ALTEZZA  mt"), 2);
    altezza->setText("10");
    angoloApice = addField("angoloApice", tr("ANGOLO  APICE  gradi"), 3);
    angoloApice->setText("120");
    fattoreQ = addField("fattoreQ", tr("FATTORE  Q"), 4);
    impedenza = addField("impedenza", tr("IMPEDENZA  RIF.  ohm"), 5);
    impedenza->setText("50");
    punti = addField("punti", tr("PUNTI  PER  BANDA"), 6);
    punti->setText("101");
    rame = new QCheckBox(tr("PERDITE  NEL  RAME"), m_client);
    rame->setObjectName("rame");
    rame->setGeometry(10, fieldRowTop + 7 * fieldRowStep, 270, 24);
    rame->setFont(sansFont(9, true));
    rame->setChecked(true);
    setColours(*rame, white, teal);
    connect(suolo, &QComboBox::currentIndexChanged, this,
            [this](int index) { altezza->setEnabled(index != static_cast<int>(nec::Ground::freeSpace)); });
    altezza->setEnabled(false);
}

void frmVERIFICA::buildRunControls() {
    const int top = fieldRowTop + 8 * fieldRowStep + 4;
    simula = addButton("simula", tr("SIMULA"), QRect(10, top, 134, 34));
    annulla = addButton("annulla", tr("ANNULLA"), QRect(150, top, 134, 34));
    annulla->setEnabled(false);
    simula->setDefault(true);
    for (DecimalField* field : m_client->findChildren<DecimalField*>()) field->setDefaultButton(simula);
    avanzamento = new QProgressBar(m_client);
    avanzamento->setObjectName("avanzamento");
    avanzamento->setGeometry(10, top + 40, 274, 14);
    avanzamento->setTextVisible(false);
    avanzamento->setRange(0, 1);
    avanzamento->setValue(0);
    messaggio = addCaption("messaggio", {}, QRect(10, top + 58, 284, resultTop - top - 58));
    messaggio->setFont(sansFont(8, true));
    setColours(*messaggio, yellow);
    messaggio->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    connect(simula, &QPushButton::clicked, this, &frmVERIFICA::simula_Click);
    connect(annulla, &QPushButton::clicked, this, &frmVERIFICA::annulla_Click);
}

void frmVERIFICA::buildResults() {
    // Five one-line rows, then the measurement and the advice on two lines each.
    const auto rowTop = [](int row) {
        return resultTop + (row + 1) * (resultRow + 2) + std::max(0, row - 5) * resultRow;
    };
    for (int band = 0; band < 2; ++band) {
        BandLabels& labels = m_bandLabels[static_cast<std::size_t>(band)];
        const int left = 214 + band * 390;
        labels.title =
            addCaption(QString("bandaTitolo%1").arg(band + 1), {}, QRect(left, resultTop, 384, resultRow));
        labels.title->setAlignment(Qt::AlignCenter);
        QLabel** cells[] = {&labels.risonanza, &labels.scarto, &labels.swr,      &labels.impedenza,
                            &labels.banda,     &labels.misura, &labels.consiglio};
        for (int row = 0; row < 7; ++row) {
            const int height = row >= 5 ? 2 * resultRow + 2 : resultRow;
            const QString name = QString("%1%2").arg(resultNames[row]).arg(band + 1);
            *cells[row] =
                addResult(name, QRect(left, rowTop(row), 384, height),
                          tr("%1 banda %2").arg(tr(resultCaptions[row]).simplified()).arg(band + 1));
            if (row >= 5) (*cells[row])->setFont(sansFont(8, true));
        }
    }
    for (int row = 0; row < 7; ++row)
        addCaption(QString("didascalia_%1").arg(resultNames[row]), tr(resultCaptions[row]),
                   QRect(10, rowTop(row) + 2, 200, 20));
}

void frmVERIFICA::buildExport() {
    const int top = 664;
    auto* salvaNec = addButton("salvaNec", tr("Salva .nec"), QRect(10, top, 150, 32));
    auto* salvaCsv = addButton("salvaCsv", tr("Salva CSV"), QRect(170, top, 150, 32));
    auto* caricaMisura = addButton("caricaMisura", tr("Carica misura"), QRect(330, top, 150, 32));
    auto* stampa = addButton("stampa", tr("Stampa"), QRect(490, top, 150, 32));
    auto* chiudi = addButton("chiudi", tr("CHIUDI"), QRect(840, top, 150, 32));
    connect(salvaNec, &QPushButton::clicked, this, &frmVERIFICA::salvaNec_Click);
    connect(salvaCsv, &QPushButton::clicked, this, &frmVERIFICA::salvaCsv_Click);
    connect(caricaMisura, &QPushButton::clicked, this, &frmVERIFICA::caricaMisura_Click);
    connect(stampa, &QPushButton::clicked, this, &frmVERIFICA::stampa_Click);
    connect(chiudi, &QPushButton::clicked, this, &QWidget::close);
}

void frmVERIFICA::setRequest(const VerificationRequest& request) {
    m_engine.cancel();
    m_request = request;
    setWindowTitle(tr("VERIFICA  -  ") + request.openerTitle);
    finestra->setText(request.openerTitle.simplified() + ":  " +
                      fromStd(nec::describeDesign(request.design, request.language)));
    showOptionsFor(request.design);
    m_bands = bandsOf(request.design);
    m_rows.clear();
    m_results.clear();
    say({});
    clearResults();
    redraw();
}

void frmVERIFICA::showOptionsFor(const nec::Design& design) {
    const nec::ModelOptions defaults = nec::defaultOptions(design);
    const bool halfWave = std::holds_alternative<nec::HalfWaveDesign>(design);
    diametroFilo->setText(fromStd(formatDouble(defaults.wireDiameterMm, m_request.language)));
    angoloApice->setEnabled(*shapeOf(design) == nec::Shape::invertedV);
    fattoreQ->setEnabled(!halfWave);
    fattoreQ->setText(halfWave ? QString()
                               : fromStd(formatDouble(defaults.qualityFactor, m_request.language)));
    const bool twoBands = std::holds_alternative<nec::TwoBandDesign>(design);
    for (QLabel* label : {m_bandLabels[1].title, m_bandLabels[1].risonanza, m_bandLabels[1].scarto,
                          m_bandLabels[1].swr, m_bandLabels[1].impedenza, m_bandLabels[1].banda,
                          m_bandLabels[1].misura, m_bandLabels[1].consiglio})
        label->setVisible(twoBands);
}

int frmVERIFICA::panels() const { return grafico->panels(); }

std::optional<nec::ModelOptions> frmVERIFICA::readOptions() {
    nec::ModelOptions options;
    struct Reading {
        DecimalField* field;
        double* into;
    };
    double points = options.pointsPerBand;
    const Reading readings[] = {{diametroFilo, &options.wireDiameterMm},
                                {altezza, &options.heightM},
                                {angoloApice, &options.apexAngleDeg},
                                {impedenza, &m_referenceOhm},
                                {punti, &points}};
    for (const Reading& reading : readings) {
        const std::optional<double> value =
            parseDouble(reading.field->text().toStdString(), m_request.language);
        if (!value) {
            say(tr("Il valore di \"%1\" non è un numero.").arg(reading.field->accessibleName()));
            reading.field->setFocus();
            return std::nullopt;
        }
        *reading.into = *value;
    }
    if (fattoreQ->isEnabled() && !fattoreQ->text().trimmed().isEmpty()) {
        const std::optional<double> q = parseDouble(fattoreQ->text().toStdString(), m_request.language);
        if (!q) {
            say(tr("Il valore di \"%1\" non è un numero.").arg(fattoreQ->accessibleName()));
            return std::nullopt;
        }
        options.qualityFactor = *q;
    }
    if (points != static_cast<int>(points) || points < 2 || points > 1000) {
        say(tr("I punti per banda vanno da 2 a 1000."));
        return std::nullopt;
    }
    if (!(m_referenceOhm > 0)) {
        say(tr("L'impedenza di riferimento deve essere maggiore di zero."));
        return std::nullopt;
    }
    options.pointsPerBand = static_cast<int>(points);
    options.ground = static_cast<nec::Ground>(suolo->currentIndex());
    options.copperLoss = rame->isChecked();
    return options;
}

std::optional<nec::Model> frmVERIFICA::model(const nec::ModelOptions& options) {
    nec::ModelOutcome outcome = nec::buildModel(m_request.design, options, m_request.language);
    if (!outcome.error.empty()) {
        say(fromStd(outcome.error));
        return std::nullopt;
    }
    return std::move(outcome.model);
}

void frmVERIFICA::simula_Click() {
    m_engine.cancel();
    m_rows.clear();
    m_results.clear();
    clearResults();
    say({});
    const std::optional<nec::ModelOptions> options = readOptions();
    const std::optional<nec::Model> built = options ? model(*options) : std::nullopt;
    if (!built) {
        redraw();
        return;
    }
    m_bands = built->bands;
    redraw();
    std::vector<std::string> decks;
    for (int band = 0; band < static_cast<int>(built->bands.size()); ++band)
        decks.push_back(nec::deckText(*built, band));
    avanzamento->setRange(0, 0);
    annulla->setEnabled(true);
    say(tr("Simulazione in corso..."));
    m_engine.start(decks, [this](const NecEngine::Outcome& outcome) { showRun(outcome); });
}

void frmVERIFICA::annulla_Click() {
    if (!m_engine.running()) return;
    m_engine.cancel();
    avanzamento->setRange(0, 1);
    annulla->setEnabled(false);
    say(tr("Simulazione annullata."));
}

void frmVERIFICA::showRun(const NecEngine::Outcome& outcome) {
    avanzamento->setRange(0, 1);
    avanzamento->setValue(outcome.error.isEmpty() ? 1 : 0);
    annulla->setEnabled(false);
    if (!outcome.error.isEmpty()) {
        say(outcome.error);
        redraw();
        emit runEnded();
        return;
    }
    nec::AnalysisOutcome analysis = nec::analyse(outcome.rows, m_bands, m_referenceOhm, m_request.language);
    if (!analysis.error.empty()) {
        say(fromStd(analysis.error));
        redraw();
        emit runEnded();
        return;
    }
    m_rows = std::move(analysis.rows);
    m_results = std::move(analysis.bands);
    say({});
    for (std::size_t band = 0; band < m_results.size() && band < m_bandLabels.size(); ++band) {
        const nec::BandTexts texts =
            nec::bandTexts(m_results[band], m_request.design, static_cast<int>(band), m_request.language);
        const BandLabels& labels = m_bandLabels[band];
        labels.risonanza->setText(fromStd(texts.resonance));
        labels.scarto->setText(fromStd(texts.deviation));
        labels.swr->setText(fromStd(texts.swr));
        labels.impedenza->setText(fromStd(texts.impedance));
        labels.banda->setText(fromStd(texts.bandwidth));
        labels.consiglio->setText(fromStd(texts.advice));
    }
    showMeasurement();
    redraw();
    emit runEnded();
}

void frmVERIFICA::clearResults() {
    for (std::size_t band = 0; band < m_bandLabels.size(); ++band) {
        const BandLabels& labels = m_bandLabels[band];
        for (QLabel* label :
             {labels.risonanza, labels.scarto, labels.swr, labels.impedenza, labels.banda, labels.consiglio})
            label->clear();
        labels.title->setText(band < m_bands.size() ? tr("BANDA  %1  (%2 MHz)")
                                                          .arg(band + 1)
                                                          .arg(fromStd(formatDouble(m_bands[band].designMhz,
                                                                                    m_request.language)))
                                                    : QString());
    }
    showMeasurement();
}

void frmVERIFICA::showMeasurement() {
    for (std::size_t band = 0; band < m_bandLabels.size(); ++band) {
        QLabel* label = m_bandLabels[band].misura;
        if (!m_measured || band >= m_bands.size()) {
            label->clear();
            continue;
        }
        const nec::MeasuredBand measured = nec::measureBand(*m_measured, m_bands[band]);
        label->setText(fromStd(nec::measuredText(
            measured, band < m_results.size() ? &m_results[band] : nullptr, m_request.language)));
    }
}

void frmVERIFICA::redraw() {
    PlotCurve model;
    for (const nec::Row& row : m_rows) {
        model.frequencyMhz.push_back(row.frequencyMhz);
        model.swr.push_back(nec::standingWaveRatio(row.resistanceOhm, row.reactanceOhm, m_referenceOhm));
    }
    PlotCurve measured;
    if (m_measured)
        for (const SweepPoint& point : m_measured->points) {
            measured.frequencyMhz.push_back(point.frequencyMHz);
            measured.swr.push_back(point.swr);
        }
    std::vector<PlotBand> bands;
    for (std::size_t i = 0; i < m_bands.size(); ++i) {
        PlotBand band{m_bands[i].startMhz, m_bands[i].endMhz(), m_bands[i].designMhz, {}, {}};
        if (i < m_results.size() && m_results[i].resonant) band.resonanceMhz = m_results[i].resonanceMhz;
        if (m_measured) band.measuredMhz = nec::measureBand(*m_measured, m_bands[i]).resonanceMhz();
        bands.push_back(band);
    }
    grafico->draw(bands, model, measured);
}

void frmVERIFICA::say(const QString& message) {
    messaggio->setText(message);
    if (!message.isEmpty() && message != tr("Simulazione in corso...")) messaggio->setAccessibleName(message);
}

bool frmVERIFICA::save(const QString& caption, const QString& suggested, const QString& filter,
                       const std::string& text) {
    const QString name = m_request.fileDialogs->saveFileName(this, caption, suggested, filter);
    if (name.isEmpty()) return false;
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
        !file.commit()) {
        say(tr("Impossibile scrivere il file %1: %2").arg(name, file.errorString()));
        return false;
    }
    say(tr("Salvato in %1").arg(name));
    return true;
}

void frmVERIFICA::salvaNec_Click() {
    const std::optional<nec::ModelOptions> options = readOptions();
    const std::optional<nec::Model> built = options ? model(*options) : std::nullopt;
    if (built)
        save(tr("Salva il modello NEC-2"), "dipolo.nec", tr("Modello NEC-2 (*.nec)"), nec::deckText(*built));
}

void frmVERIFICA::salvaCsv_Click() {
    if (m_rows.empty()) {
        say(tr("Nessuna simulazione da salvare: premere SIMULA."));
        return;
    }
    save(tr("Salva la simulazione"), "simulazione.csv", tr("CSV (*.csv)"),
         nec::csvText(m_rows, m_referenceOhm));
}

void frmVERIFICA::caricaMisura_Click() {
    const QString name = m_request.fileDialogs->openFileName(
        this, tr("Carica una misura"), tr("Misure (*.s1p *.csv *.txt);;Tutti i file (*)"));
    if (name.isEmpty()) return;
    SweepReading reading = nec::readSweepFile(QFile::encodeName(name).toStdString(), m_request.language);
    if (!reading.ok()) {
        say(fromStd(reading.error.message));
        return;
    }
    m_measured = std::move(reading.sweep);
    say(tr("Misura: %1 (%2 punti)").arg(QFileInfo(name).fileName()).arg(m_measured->points.size()));
    showMeasurement();
    redraw();
}

void frmVERIFICA::stampa_Click() {
    const QImage image = m_client->grab().toImage();
    const QPointer<frmVERIFICA> self(this);
    m_request.printer->printImage(image, [self, image](const PrintResult& result) {
        if (!self) return;
        if (result.status == PrintResult::Status::handedOver)
            self->say(tr("Stampa inviata alla stampante «%1».").arg(result.printer));
        else if (self->m_request.tellPrintFailure)
            self->m_request.tellPrintFailure(self, result, image);
    });
}

}  // namespace zeliro
