// The verification window built: its controls laid out at their places and
// wired to the session. What they do is in frmVERIFICA.cpp.

#include "verify/frmVERIFICA.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include "core/nec/ondisplay.h"
#include "core/numbers.h"
#include "frame/Accessibility.h"
#include "frame/Controls.h"
#include "frame/DecimalField.h"
#include "frame/Look.h"
#include "frame/Platform.h"
#include "verify/PatternPage.h"
#include "verify/ResultGrid.h"
#include "verify/SmithPage.h"
#include "verify/SwrPlot.h"

namespace zeliro {
namespace {

// The client area fits an 800x600 screen with a panel and the window's frame.
constexpr QSize clientSize(784, 520);
constexpr int fieldTop = 50;
constexpr int fieldStep = 25;
constexpr int captionWidth = 128;
constexpr int fieldLeft = 138;
constexpr int fieldWidth = 118;
constexpr int rightLeft = 264;
constexpr int rightWidth = 512;
constexpr int resultTop = 308;

using Field = VerificationSession::Field;
using State = VerificationSession::State;

}  // namespace

frmVERIFICA::frmVERIFICA(QWidget* opener, const VerificationRequest& request)
    : m_request(request), m_session(request.language) {
    setObjectName("frmVERIFICA");
    setProperty("opener", request.openerName);
    setAttribute(Qt::WA_DeleteOnClose);
    // A window of its own (not a child: nothing of it shows among the
    // opener's controls), which goes when its opener goes.
    connect(opener, &QObject::destroyed, this, [this] { delete this; });
    m_client = new QWidget(this);
    m_client->setObjectName("client");
    m_client->setFixedSize(clientSize);
    setColours(*m_client, black, teal);
    setCentralWidget(m_client);

    auto* title =
        addCaption(m_client, "titolo", tr("VERIFICA  CON  SIMULAZIONE  NEC-2"), QRect(8, 2, 768, 26));
    title->setFont(namedFont("Times New Roman", 14, true));
    title->setAlignment(Qt::AlignCenter);
    setColours(*title, yellow);
    finestra = addCaption(m_client, "finestra", {}, QRect(8, 28, 768, 20));
    finestra->setFont(sansFont(9, true));

    buildInputs();
    buildRunControls();
    pagine = new QTabWidget(m_client);
    pagine->setObjectName("pagine");
    pagine->setGeometry(rightLeft, fieldTop, rightWidth, resultTop - fieldTop - 4);
    grafico = new SwrPlot(pagine);
    if (m_request.language == Language::english)
        grafico->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    grafico->setObjectName("grafico");
    pagine->addTab(grafico, "SWR");
    smith = new SmithPage(pagine, m_request.language);
    pagine->addTab(smith, "SMITH");
    diagramma = new PatternPage(pagine, m_request.language);
    pagine->addTab(diagramma, tr("DIAGRAMMA"));
    altezze = new HeightPage(pagine, m_request.language);
    pagine->addTab(altezze, tr("ALTEZZA"));
    buildInstallation();
    connect(pagine, &QTabWidget::currentChanged, this, &frmVERIFICA::radiateIfShown);
    connect(diagramma->studyButton(), &QPushButton::clicked, this, &frmVERIFICA::studioAltezza_Click);
    connect(diagramma->saveButton(), &QPushButton::clicked, this, &frmVERIFICA::salvaDiagramma_Click);
    m_results = std::make_unique<ResultGrid>(m_client, QRect(rightLeft, resultTop, rightWidth, 212),
                                             m_request.language);
    buildExport();

    connect(&m_session, &VerificationSession::stateChanged, this, &frmVERIFICA::showState);
    connect(&m_session, &VerificationSession::progress, this, [this](int done, int total) {
        avanzamento->setRange(0, std::max(total, 1));
        avanzamento->setValue(done);
    });
    connect(&m_session, &VerificationSession::resultsReady, this, [this] {
        showResults();
        say(m_session.correctionSummary());
        emit runEnded();
        radiateIfShown();
    });
    // The SWR page and the results stay as they are: only the new page is drawn.
    connect(&m_session, &VerificationSession::patternReady, this, [this] {
        say({});
        diagramma->display(m_session.pattern());
        emit runEnded();
    });
    connect(&m_session, &VerificationSession::heightsReady, this, [this] {
        say({});
        altezze->display(m_session.heights(), m_session.bands().front().designMhz);
        pagine->setCurrentWidget(altezze);
        emit runEnded();
    });
    connect(&m_session, &VerificationSession::fault, this, &frmVERIFICA::fault);
    connect(&m_session, &VerificationSession::measurementChanged, this, &frmVERIFICA::showMeasurement);
    connect(&m_session, &VerificationSession::correctionStepped, this, [this](int step, int steps) {
        say(tr("Correzione in corso: passo %1 (al massimo %2)...").arg(step).arg(steps));
    });
    setRequest(request);
}

frmVERIFICA::~frmVERIFICA() = default;

DecimalField* frmVERIFICA::addField(const QString& name, Field field, int row) {
    const int top = fieldTop + row * fieldStep;
    QLabel* caption = addCaption(m_client, "didascalia_" + name, VerificationSession::caption(field),
                                 QRect(8, top + 2, captionWidth, 20));
    caption->setFont(sansFont(8, true));
    DecimalField* input =
        addDecimalField(m_client, *m_request.beep, QLatin1Char(decimalSeparator(m_request.language)), name,
                        QRect(fieldLeft, top, fieldWidth, 22));
    input->setFont(sansFont(9, true));
    nameAfterCaption(*input, *caption);
    return input;
}

void frmVERIFICA::buildInputs() {
    diametroFilo = addField("diametroFilo", Field::wireDiameter, 0);
    QLabel* ground = addCaption(m_client, "didascalia_suolo", tr("SUOLO"),
                                QRect(8, fieldTop + fieldStep + 2, captionWidth, 20));
    ground->setFont(sansFont(8, true));
    suolo = new QComboBox(m_client);
    suolo->setObjectName("suolo");
    suolo->setGeometry(fieldLeft, fieldTop + fieldStep, fieldWidth, 22);
    suolo->setFont(sansFont(8));  // "Average ground" whole
    // Free space, average and perfect ground first, as before; then the
    // classes from the poorest soil to sea water, and the user's own.
    for (nec::Ground g : {nec::Ground::freeSpace, nec::Ground::average, nec::Ground::perfect,
                          nec::Ground::veryPoor, nec::Ground::poor, nec::Ground::good, nec::Ground::saltMarsh,
                          nec::Ground::seaWater, nec::Ground::custom}) {
        const QString name = fromStd(std::string(nec::groundName(g, m_request.language)));
        suolo->addItem(name, static_cast<int>(g));
        suolo->setItemData(suolo->count() - 1, name, Qt::ToolTipRole);
    }
    suolo->setAccessibleName(ground->text());
    altezza = addField("altezza", Field::height, 2);
    altezza->setText("10");
    angoloApice = addField("angoloApice", Field::apexAngle, 3);
    angoloApice->setText("120");
    fattoreQ = addField("fattoreQ", Field::qualityFactor, 4);
    impedenza = addField("impedenza", Field::reference, 5);
    impedenza->setText("50");
    punti = addField("punti", Field::points, 6);
    punti->setText("101");
    // The wire's metal, copper unless chosen; a perfect conductor has no loss.
    QLabel* metal = addCaption(m_client, "didascalia_materiale", tr("CONDUTTORE"),
                               QRect(8, fieldTop + 7 * fieldStep + 2, captionWidth, 20));
    metal->setFont(sansFont(8, true));
    materiale = new QComboBox(m_client);
    materiale->setObjectName("materiale");
    materiale->setGeometry(fieldLeft, fieldTop + 7 * fieldStep, fieldWidth, 22);
    materiale->setFont(sansFont(8));
    for (nec::Conductor c :
         {nec::Conductor::copper, nec::Conductor::aluminium, nec::Conductor::copperCladSteel,
          nec::Conductor::steel, nec::Conductor::stainlessSteel, nec::Conductor::perfect}) {
        const QString name = fromStd(std::string(nec::conductorName(c, m_request.language)));
        materiale->addItem(name, static_cast<int>(c));
        materiale->setItemData(materiale->count() - 1, name, Qt::ToolTipRole);
    }
    materiale->setAccessibleName(metal->text());
    connect(suolo, &QComboBox::currentIndexChanged, this, &frmVERIFICA::showApplicableOptions);
    for (DecimalField* field : {diametroFilo, altezza, angoloApice, fattoreQ, impedenza, punti})
        connect(field, &QLineEdit::textChanged, this, &frmVERIFICA::optionsEdited);
    connect(suolo, &QComboBox::currentIndexChanged, this, &frmVERIFICA::optionsEdited);
    connect(materiale, &QComboBox::currentIndexChanged, this, &frmVERIFICA::optionsEdited);
}

void frmVERIFICA::buildRunControls() {
    const int top = fieldTop + 8 * fieldStep + 2;
    simula = addPushButton(m_client, "simula", tr("SIMULA"), QRect(8, top, 80, 28));
    correggi = addPushButton(m_client, "correggi", tr("CORREGGI"), QRect(92, top, 80, 28));
    correggi->setToolTip(
        tr("Trova le misure che mettono la risonanza del modello sulla frequenza di progetto"));
    annulla = addPushButton(m_client, "annulla", tr("ANNULLA"), QRect(176, top, 80, 28));
    annulla->setEnabled(false);
    simula->setDefault(true);
    for (DecimalField* field : m_client->findChildren<DecimalField*>()) field->setDefaultButton(simula);
    avanzamento = new QProgressBar(m_client);
    avanzamento->setObjectName("avanzamento");
    avanzamento->setGeometry(8, top + 32, 248, 10);
    avanzamento->setTextVisible(false);
    avanzamento->setRange(0, 1);
    avanzamento->setValue(0);
    for (int band = 0; band < 2; ++band) {
        QLabel* label = addCaption(m_client, QString("corretto%1").arg(band + 1), {},
                                   QRect(8, top + 46 + band * 30, 248, 28));
        label->setFont(sansFont(8, true));
        label->setIndent(3);
        ResultGrid::colourFigure(*label);
        nameResult(*label, tr("Misura corretta %1").arg(band + 1));
        corretto[static_cast<std::size_t>(band)] = label;
    }
    messaggio = addCaption(m_client, "messaggio", {}, QRect(8, top + 106, 248, 32));
    messaggio->setFont(sansFont(8, true));
    setColours(*messaggio, yellow);
    messaggio->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    connect(simula, &QPushButton::clicked, this, &frmVERIFICA::simula_Click);
    connect(correggi, &QPushButton::clicked, this, &frmVERIFICA::correggi_Click);
    connect(annulla, &QPushButton::clicked, this, &frmVERIFICA::annulla_Click);
}

void frmVERIFICA::buildExport() {
    // Two columns of buttons, CHIUDI alone at the bottom right.
    const std::tuple<const char*, QString, void (frmVERIFICA::*)()> buttons[] = {
        {"salvaNec", tr("Salva .nec"), &frmVERIFICA::salvaNec_Click},
        {"salvaCsv", tr("Salva CSV"), &frmVERIFICA::salvaCsv_Click},
        {"caricaMisura", tr("Carica misura"), &frmVERIFICA::caricaMisura_Click},
        {"stampa", tr("Stampa"), &frmVERIFICA::stampa_Click},
        {"analizzatore", tr("DA ANALIZZATORE…"), &frmVERIFICA::analizzatore_Click},
        {"salvaMisura", tr("Salva misura…"), &frmVERIFICA::salvaMisura_Click}};
    int index = 0;
    for (const auto& [name, caption, handler] : buttons) {
        const QRect place(8 + (index % 2) * 126, 392 + (index / 2) * 30, 122, 26);
        QPushButton* button = addPushButton(m_client, name, caption, place);
        button->setFont(sansFont(8));
        connect(button, &QPushButton::clicked, this, handler);
        ++index;
    }
    // "Stampa" shares its place with the report as a PDF.
    QPushButton* stampa = m_client->findChild<QPushButton*>("stampa");
    stampa->resize(60, stampa->height());
    QPushButton* pdf = addPushButton(m_client, "salvaPdf", tr("PDF…"),
                                     QRect(stampa->x() + 62, stampa->y(), 60, stampa->height()));
    pdf->setFont(sansFont(8));
    pdf->setToolTip(tr("Salva come PDF"));
    pdf->setAccessibleName(tr("Salva come PDF"));
    connect(pdf, &QPushButton::clicked, this, &frmVERIFICA::salvaPdf_Click);
    auto* leggimi = addPushButton(m_client, "leggimi", tr("LEGGIMI"), QRect(8, 486, 122, 26));
    connect(leggimi, &QPushButton::clicked, this, [this] {
        if (m_request.showReadMe) m_request.showReadMe();
    });
    auto* chiudi = addPushButton(m_client, "chiudi", tr("CHIUDI"), QRect(134, 486, 122, 26));
    connect(chiudi, &QPushButton::clicked, this, &QWidget::close);
}

}  // namespace zeliro
