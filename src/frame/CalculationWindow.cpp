#include "frame/CalculationWindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

#include "frame/Accessibility.h"
#include "frame/DecimalField.h"
#include "frame/Look.h"
#include "frame/Registry.h"
#include "frame/Verification.h"

namespace zeliro {

CalculationWindow::CalculationWindow(Registry& registry, const QString& caption, QSize clientSize,
                                     const MenuBarItems& menu)
    : m_registry(registry), m_menu(menu) {
    setWindowTitle(caption);
    m_client = new QWidget(this);
    m_client->setObjectName("client");
    m_client->setFixedSize(clientSize);
    setColours(*m_client, black, teal);
    setCentralWidget(m_client);
    m_warnings = new Warnings(*this, registry.beep());
    buildMenuBar(menu);
}

void CalculationWindow::buildMenuBar(const MenuBarItems& menu) {
    QMenuBar* bar = menuBar();
    QMenu* stampa = bar->addMenu("Stampa");
    stampa->setObjectName("stampa");
    stampa->menuAction()->setObjectName("stampa");
    QAction* videata = stampa->addAction("Stampa videata");
    videata->setObjectName("stampavideata");
    connect(videata, &QAction::triggered, this, &CalculationWindow::stampavideata_Click);
    QAction* dati = stampa->addAction("Stampa solo i dati");
    dati->setObjectName(menu.reportAction);
    connect(dati, &QAction::triggered, this, &CalculationWindow::stampasolodati_Click);
    QAction* calcolatrice = bar->addAction("Calcolatrice");
    calcolatrice->setObjectName("calcolatrice");
    connect(calcolatrice, &QAction::triggered, this, &CalculationWindow::calcolatrice_Click);
    QAction* leggimi = bar->addAction("Leggimi");
    leggimi->setObjectName("leggimi");
    connect(leggimi, &QAction::triggered, this, &CalculationWindow::leggimi_Click);
    if (!menu.photoAction.isEmpty()) {
        QAction* foto = bar->addAction("Foto");
        foto->setObjectName(menu.photoAction);
        connect(foto, &QAction::triggered, this, &CalculationWindow::foto_Click);
    }
}

void CalculationWindow::stampavideata_Click() { m_registry.printer().printImage(m_client->grab().toImage()); }

void CalculationWindow::stampasolodati_Click() { m_registry.printer().printLines(dataReport()); }

void CalculationWindow::calcolatrice_Click() { m_registry.show("Calculator"); }

void CalculationWindow::leggimi_Click() { m_registry.show(m_menu.readMeWindow); }

void CalculationWindow::foto_Click() { m_registry.show(m_menu.photoWindow); }

void CalculationWindow::addVerification(const QString& title) {
    m_verificationTitle = title;
    m_verifica = menuBar()->addAction("Verifica");
    m_verifica->setObjectName("verifica");
    connect(m_verifica, &QAction::triggered, this, &CalculationWindow::verifica_Click);
    refreshVerification();
    // Results change after a click or a key in this window (a handler, or a
    // warning that empties them): the item is looked at again then.
    QCoreApplication::instance()->installEventFilter(this);
}

bool CalculationWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this)
        QTimer::singleShot(0, this, &CalculationWindow::refreshVerification);
    return QMainWindow::eventFilter(watched, event);
}

void CalculationWindow::refreshVerification() {
    if (m_verifica) m_verifica->setEnabled(designOnDisplay().has_value());
}

void CalculationWindow::verifica_Click() {
    refreshVerification();
    const std::optional<nec::Design> design = designOnDisplay();
    if (!design) return;
    QString error;
    const OpenVerification open = loadVerificationModule(error);
    if (!open) {
        QMessageBox::warning(this, "Verifica", error);
        return;
    }
    const VerificationRequest request{objectName(),       m_verificationTitle,   *design,
                                      &m_registry.beep(), &m_registry.printer(), &m_registry.fileDialogs()};
    m_verification = open(this, m_verification, request);
    if (!m_verification) return;
    m_verification->show();
    if (m_verification->isMinimized()) m_verification->showNormal();
    m_verification->raise();
    m_verification->activateWindow();
}

DecimalField* CalculationWindow::addField(const QString& name, const QRect& geometry,
                                          const QString& tooltip) {
    auto* field = new DecimalField(m_registry.beep(), m_client);
    field->setObjectName(name);
    field->setGeometry(geometry);
    field->setToolTip(tooltip);
    setColours(*field, black, white);
    return field;
}

QLabel* CalculationWindow::addLabel(const QString& name, const QString& text, const QRect& geometry,
                                    QWidget* parent) {
    auto* label = new QLabel(text, parent ? parent : m_client);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    setColours(*label, white);
    return label;
}

QPushButton* CalculationWindow::addButton(const QString& name, const QString& caption, const QRect& geometry,
                                          const QString& tooltip) {
    auto* button = new QPushButton(caption, m_client);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setToolTip(tooltip);
    setColours(*button, black, lightGrey);
    return button;
}

QGroupBox* CalculationWindow::addFrame(const QString& name, const QString& title, const QRect& geometry) {
    auto* frame = new QGroupBox(title, m_client);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    setColours(*frame, white, teal);
    auto* group = new QButtonGroup(frame);
    group->setObjectName(name + "Group");
    return frame;
}

QRadioButton* CalculationWindow::addOption(QGroupBox* frame, const QString& name, const QString& caption,
                                           const QRect& geometry) {
    auto* option = new QRadioButton(caption, frame);
    option->setObjectName(name);
    option->setGeometry(geometry);
    setColours(*option, white, teal);
    if (auto* group = frame->findChild<QButtonGroup*>(frame->objectName() + "Group"))
        group->addButton(option);
    return option;
}

QWidget* CalculationWindow::addShape(const QString& name, const QRect& geometry, const QColor& fill,
                                     const QColor& border) {
    auto* shape = new QLabel(m_client);
    shape->setObjectName(name);
    shape->setGeometry(geometry);
    shape->setStyleSheet(
        QString("background-color: %1; border: 1px solid %2;").arg(fill.name(), border.name()));
    return shape;
}

QWidget* CalculationWindow::addLine(const QString& name, QPoint from, QPoint to, const QColor& colour,
                                    int width) {
    auto* line = new QWidget(m_client);
    line->setObjectName(name);
    // A line is drawn as a thin filled box along it, whichever end comes first.
    const int left = std::min(from.x(), to.x());
    const int top = std::min(from.y(), to.y()) - (from.y() == to.y() ? width / 2 : 0);
    const int length = std::max(std::abs(to.x() - from.x()) + 1, width);
    const int height = std::max(std::abs(to.y() - from.y()) + 1, width);
    line->setGeometry(left, top, length, height);
    setColours(*line, colour, colour);
    return line;
}

void CalculationWindow::nameAfter(const QString& control, const QString& caption) {
    auto* named = m_client->findChild<QWidget*>(control);
    auto* label = m_client->findChild<QLabel*>(caption);
    if (named && label) nameAfterCaption(*named, *label);
}

void CalculationWindow::setDefaultButton(QPushButton* button) {
    button->setDefault(true);
    for (DecimalField* field : m_client->findChildren<DecimalField*>()) field->setDefaultButton(button);
}

void CalculationWindow::deselectAll(QGroupBox* frame) {
    auto* group = frame->findChild<QButtonGroup*>(frame->objectName() + "Group");
    if (group) group->setExclusive(false);
    for (QRadioButton* option : frame->findChildren<QRadioButton*>()) {
        const QSignalBlocker blocker(option);
        option->setChecked(false);
    }
    if (group) group->setExclusive(true);
}

std::string CalculationWindow::textOf(const QString& name) const {
    QWidget* control = m_client->findChild<QWidget*>(name);
    if (auto* field = qobject_cast<QLineEdit*>(control)) return field->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text().toStdString();
    return {};
}

void CalculationWindow::setTextOf(const QString& name, const std::string& text) {
    QWidget* control = m_client->findChild<QWidget*>(name);
    if (auto* field = qobject_cast<QLineEdit*>(control)) field->setText(QString::fromStdString(text));
    if (auto* label = qobject_cast<QLabel*>(control)) label->setText(QString::fromStdString(text));
}

void CalculationWindow::setShown(const QString& name, bool shown) {
    if (QWidget* control = m_client->findChild<QWidget*>(name)) control->setVisible(shown);
}

}  // namespace zeliro
