#include "app/frmSplash.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "core/version.h"
#include "frame/Look.h"
#include "frame/Registry.h"

namespace zeliro {
namespace {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

// The program's logo: a half-wave dipole on its mast, radiating.
QPixmap logoPicture() {
    QPixmap picture(96, 96);
    picture.fill(lightGrey);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 160), 3));
    painter.drawLine(8, 40, 88, 40);
    painter.drawLine(48, 40, 48, 90);
    painter.setBrush(Qt::white);
    painter.drawRect(43, 35, 10, 10);
    painter.setPen(QPen(QColor(255, 0, 0), 2));
    painter.setBrush(Qt::NoBrush);
    for (int r = 12; r <= 30; r += 9) painter.drawArc(QRect(48 - r, 40 - r, 2 * r, 2 * r), 30 * 16, 120 * 16);
    return picture;
}

}  // namespace

void SplashFrame::mousePressEvent(QMouseEvent* event) {
    // A click that started on a label or the logo arrives here too: only a
    // click on the frame's own area counts.
    if (childAt(event->position().toPoint()) == nullptr) emit clicked();
    event->accept();
}

frmSplash::frmSplash(Registry& registry) : m_registry(registry) {
    setWindowTitle(QString());
    setAccessibleName(applicationTitle);  // what a screen reader calls the untitled window
    setFixedSize(480, 330);
    setColours(*this, black, lightGrey);

    auto* frame = new SplashFrame(this);
    frame->setObjectName("Frame1");
    frame->setGeometry(8, 4, 464, 318);
    frame->setFrameShape(QFrame::Box);

    auto* logo = makeLabel(frame, "imgLogo", {}, QRect(16, 24, 96, 96));
    logo->setPixmap(logoPicture());

    auto* product = makeLabel(frame, "lblCompanyProduct", tr(" ZELIRO "), QRect(120, 16, 260, 64));
    product->setFont(namedFont("Arial", 36, true));
    setColours(*product, QColor(0, 0, 255));

    auto* xp = makeLabel(frame, "Label2", "XP", QRect(384, 40, 40, 24));
    xp->setFont(sansFont(9.75, true));

    auto* author = makeLabel(frame, "Label1", "TAVRON", QRect(200, 84, 180, 36));
    author->setFont(namedFont("Arial", 21.75));
    setColours(*author, QColor(255, 0, 0));

    lblVersion = makeLabel(frame, "lblVersion", tr("Versione  ") + QString(captionVersion) + "  ",
                           QRect(200, 124, 240, 24));
    lblVersion->setFont(namedFont("Arial", 12, true));

    auto* advice =
        makeLabel(frame, "lblCompany",
                  tr("Per visionare correttamente il programma  è consigliabile la risoluzione video "
                     "800  *  600"),
                  QRect(16, 156, 432, 56));
    advice->setFont(namedFont("Arial", 14.25));
    advice->setWordWrap(true);
    setColours(*advice, yellow);

    makeLabel(frame, "lblPlatform", {}, QRect(16, 214, 200, 16));
    makeLabel(frame, "lblWarning", {}, QRect(16, 232, 200, 16));
    lblProductName = makeLabel(frame, "lblProductName", {}, QRect(240, 214, 200, 16));
    lblProductName->hide();

    auto* authorship =
        makeLabel(frame, "lblCopyright", tr("Programma di TAVRON, radioamatore"), QRect(16, 250, 280, 18));
    authorship->setFont(sansFont(8.25));
    auto* distribution = makeLabel(frame, "lblDistribution", tr("Distribuzione gratuita, vietata la vendita"),
                                   QRect(16, 268, 280, 18));
    distribution->setFont(sansFont(8.25));

    auto* continua = new QPushButton(tr("CONTINUA"), frame);
    continua->setObjectName("Command1");
    continua->setGeometry(304, 250, 70, 36);
    auto* chiudi = new QPushButton(tr("CHIUDI"), frame);
    chiudi->setObjectName("Command2");
    chiudi->setGeometry(380, 250, 70, 36);
    // The buttons in the small face of the authorship lines beside them: the
    // splash draws no text in the desktop's own face, whose font would cost
    // its start one more font to load.
    for (QPushButton* button : {continua, chiudi}) button->setFont(sansFont(8.25));

    connect(continua, &QPushButton::clicked, this, &frmSplash::Command1_Click);
    connect(chiudi, &QPushButton::clicked, this, &frmSplash::Command2_Click);
    connect(frame, &SplashFrame::clicked, this, &frmSplash::Frame1_Click);

    // Key preview: the window sees every key before the control that has the focus.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

    Form_Load();
}

void frmSplash::Form_Load() {
    lblVersion->setText(QString::fromStdString(versionText({}, m_registry.language())));
    lblProductName->setText(applicationTitle);
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Enter and Space press the button that has the focus, as everywhere on
    // the desktop; so a keyboard alone gets past the splash.
    auto* button = qobject_cast<QPushButton*>(watched);
    const bool pressKey =
        key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
    if (button && pressKey && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!key->isAutoRepeat()) button->click();
        return true;
    }
    if (!key->text().isEmpty()) {
        Form_KeyPress();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSplash::Command1_Click() {
    m_registry.show("frmMENU");
    close();
}

void frmSplash::Command2_Click() {
    for (const char* name : {"frmCALCOLOBOBINA", "frmCOSTRUZIONEBOBINA", "frmDIPOLOMULTIBANDA",
                             "frmDIPOLOSTANDARD", "frmINFO", "frmLEGGIMIcostruzione", "frmLEGGIMIcalcolo",
                             "frmLEGGIMImulti", "frmLEGGIMIstandard", "frmMENU", "frmSplash"})
        m_registry.close(name);
}

void frmSplash::Form_KeyPress() { close(); }

void frmSplash::Frame1_Click() { close(); }

}  // namespace zeliro
