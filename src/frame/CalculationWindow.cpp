#include "frame/CalculationWindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include <algorithm>
#include <cstdlib>

#include "frame/Accessibility.h"
#include "frame/Controls.h"
#include "frame/DecimalField.h"
#include "frame/Look.h"
#include "frame/PrintChoices.h"
#include "frame/Registry.h"

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
    statusBar()->setObjectName("statusbar");
    statusBar()->setSizeGripEnabled(false);
}

void CalculationWindow::buildMenuBar(const MenuBarItems& menu) {
    QMenuBar* bar = menuBar();
    QMenu* stampa = bar->addMenu(tr("Stampa"));
    stampa->setObjectName("stampa");
    stampa->menuAction()->setObjectName("stampa");
    addPrintItem(stampa, "stampavideata", tr("Stampa videata"), &CalculationWindow::stampavideata_Click);
    addPrintItem(stampa, menu.reportAction, tr("Stampa solo i dati"),
                 &CalculationWindow::stampasolodati_Click);
    stampa->addSeparator();
    addPrintItem(stampa, "anteprimavideata", tr("Anteprima di stampa della videata…"),
                 &CalculationWindow::anteprimavideata_Click);
    addPrintItem(stampa, "anteprimadati", tr("Anteprima di stampa dei dati…"),
                 &CalculationWindow::anteprimadati_Click);
    stampa->addSeparator();
    addPrintItem(stampa, "pdfvideata", tr("Salva la videata come PDF…"),
                 &CalculationWindow::pdfvideata_Click);
    addPrintItem(stampa, "pdfdati", tr("Salva i dati come PDF…"), &CalculationWindow::pdfdati_Click);
    QAction* calcolatrice = bar->addAction(tr("Calcolatrice"));
    calcolatrice->setObjectName("calcolatrice");
    connect(calcolatrice, &QAction::triggered, this, &CalculationWindow::calcolatrice_Click);
    QAction* leggimi = bar->addAction(tr("Leggimi"));
    leggimi->setObjectName("leggimi");
    connect(leggimi, &QAction::triggered, this, &CalculationWindow::leggimi_Click);
    if (!menu.photoAction.isEmpty()) {
        QAction* foto = bar->addAction(tr("Foto"));
        foto->setObjectName(menu.photoAction);
        connect(foto, &QAction::triggered, this, &CalculationWindow::foto_Click);
    }
}

void CalculationWindow::addPrintItem(QMenu* menu, const QString& name, const QString& caption,
                                     void (CalculationWindow::*handler)()) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, handler);
}

void CalculationWindow::stampavideata_Click() { sendToPrinter(windowImage()); }

void CalculationWindow::stampasolodati_Click() {
    if (!reportMatchesResults()) return tellToCalculateFirst(this);
    sendToPrinter(reportContent());
}

void CalculationWindow::sendToPrinter(const PrintContent& content) {
    const QString name = pdfName(content.isImage());
    auto done = [window = QPointer(this), content, name](const PrintResult& result) {
        if (window) {
            window->printed(result, content, name);
        } else if (result.status != PrintResult::Status::handedOver) {
            tellPrintFailure(nullptr, result, content, name);
        }
    };
    if (content.isImage()) {
        m_registry.printer().printImage(content.image, done);
    } else {
        m_registry.printer().printLines(content.lines, done);
    }
}

void CalculationWindow::anteprimavideata_Click() { preview(windowImage()); }

void CalculationWindow::anteprimadati_Click() {
    if (!reportMatchesResults()) return tellToCalculateFirst(this);
    preview(reportContent());
}

// The preview's print button prints as the "Stampa" menu does.
void CalculationWindow::preview(const PrintContent& content) {
    showPreview(this, content, [window = QPointer(this), content] {
        if (window) window->sendToPrinter(content);
    });
}

void CalculationWindow::pdfvideata_Click() { askAndSavePdf(this, windowImage(), pdfName(true)); }

void CalculationWindow::pdfdati_Click() {
    if (!reportMatchesResults()) return tellToCalculateFirst(this);
    askAndSavePdf(this, reportContent(), pdfName(false));
}

void CalculationWindow::printed(const PrintResult& result, const PrintContent& content, const QString& name) {
    if (result.status == PrintResult::Status::handedOver) {
        statusBar()->showMessage(tr("Stampa inviata alla stampante «%1».").arg(result.printer), 10000);
    } else {
        tellPrintFailure(this, result, content, name);
    }
}

PrintContent CalculationWindow::windowImage() const { return {{}, m_client->grab().toImage()}; }

PrintContent CalculationWindow::reportContent() const { return {dataReport(), {}}; }

QString CalculationWindow::pdfName(bool image) const {
    struct Stems {
        QString italian;
        QString english;
    };
    static const std::map<QString, Stems> names = {
        {"frmDIPOLOSTANDARD", {"dipolo-standard", "standard-dipole"}},
        {"frmTARATURA", {"taratura-dipolo", "dipole-trimming"}},
        {"frmDIPOLOMULTIBANDA", {"dipolo-multibanda", "two-band-dipole"}},
        {"frmCALCOLOBOBINA", {"calcolo-bobina", "loading-coil"}},
        {"frmCOSTRUZIONEBOBINA", {"costruzione-bobina", "coil-construction"}},
    };
    const bool english = m_registry.language() == Language::english;
    const auto name = names.find(objectName());
    const QString stem = name == names.end() ? objectName()
                         : english           ? name->second.english
                                             : name->second.italian;
    return "ZELIRO-" + stem + (image ? (english ? "-screen" : "-videata") : "") + ".pdf";
}

void CalculationWindow::resultsShown(const QList<const QLabel*>& labels) {
    const QString inputs = inputsOnScreen();
    for (const QLabel* label : labels) m_resultInputs[label] = inputs;
    if (!m_watchingInputs) {
        // Every field and option exists by now: each change is looked at.
        m_watchingInputs = true;
        for (const QLineEdit* field : m_client->findChildren<QLineEdit*>())
            connect(field, &QLineEdit::textChanged, this, &CalculationWindow::markStaleResults);
        for (const QAbstractButton* option : m_client->findChildren<QAbstractButton*>())
            if (option->isCheckable())
                connect(option, &QAbstractButton::toggled, this, &CalculationWindow::markStaleResults);
    }
    markStaleResults();
    refreshVerification();
}

void CalculationWindow::markStaleResults() {
    const QString inputs = inputsOnScreen();
    for (const auto& [label, source] : m_resultInputs) {
        const bool onDisplay = !label->isHidden() && !label->text().isEmpty();
        // Only the window's own labels are kept in the map.
        setStale(*const_cast<QLabel*>(label), onDisplay && source != inputs);
    }
}

void CalculationWindow::setStale(QLabel& label, bool stale) {
    const auto fresh = m_freshLook.find(&label);
    if (!stale) {
        if (fresh == m_freshLook.end()) return;
        label.setPalette(fresh->second);
        label.setAccessibleDescription({});
        m_freshLook.erase(fresh);
        return;
    }
    if (fresh != m_freshLook.end()) return;
    m_freshLook[&label] = label.palette();
    // Half way from the text's colour to its background's (its own box, or
    // the client area it stands on): the figure fades whatever its colours.
    QPalette grey = label.palette();
    const QColor text = grey.color(QPalette::WindowText);
    const QColor back = grey.color(QPalette::Window);
    const QColor faded((text.red() + back.red()) / 2, (text.green() + back.green()) / 2,
                       (text.blue() + back.blue()) / 2);
    grey.setColor(QPalette::WindowText, faded);
    label.setPalette(grey);
    label.setAccessibleDescription(tr("Risultato non aggiornato: i dati sono cambiati, premere CALCOLA"));
}

bool CalculationWindow::reportMatchesResults() const {
    const QString inputs = inputsOnScreen();
    for (const auto& [label, source] : m_resultInputs) {
        const bool onDisplay = !label->isHidden() && !label->text().isEmpty();
        if (onDisplay && source != inputs) return false;
    }
    return true;
}

QString CalculationWindow::inputsOnScreen() const {
    QString inputs;
    for (const QLineEdit* field : m_client->findChildren<QLineEdit*>())
        inputs += field->objectName() + '=' + field->text() + '\n';
    for (const QAbstractButton* option : m_client->findChildren<QAbstractButton*>())
        if (option->isCheckable()) inputs += option->objectName() + (option->isChecked() ? "+\n" : "-\n");
    return inputs;
}

Language CalculationWindow::language() const { return m_registry.language(); }

void CalculationWindow::calcolatrice_Click() { m_registry.show("Calculator"); }

void CalculationWindow::leggimi_Click() { m_registry.show(m_menu.readMeWindow); }

void CalculationWindow::foto_Click() { m_registry.show(m_menu.photoWindow); }

DecimalField* CalculationWindow::addField(const QString& name, const QRect& geometry,
                                          const QString& tooltip) {
    DecimalField* field =
        addDecimalField(m_client, m_registry.beep(), m_registry.decimalSeparator(), name, geometry);
    field->setToolTip(tooltip);
    return field;
}

QLabel* CalculationWindow::addLabel(const QString& name, const QString& text, const QRect& geometry,
                                    QWidget* parent) {
    return addCaption(parent ? parent : m_client, name, text, geometry);
}

QPushButton* CalculationWindow::addButton(const QString& name, const QString& caption, const QRect& geometry,
                                          const QString& tooltip) {
    return addPushButton(m_client, name, caption, geometry, tooltip);
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
    if (auto* group = frame->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly))
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

void CalculationWindow::nameAfter(QWidget* control, QLabel* caption) { nameAfterCaption(*control, *caption); }

void CalculationWindow::setDefaultButton(QPushButton* button) {
    button->setDefault(true);
    for (DecimalField* field : m_client->findChildren<DecimalField*>()) field->setDefaultButton(button);
}

void CalculationWindow::deselectAll(QGroupBox* frame) {
    auto* group = frame->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
    if (group) group->setExclusive(false);
    for (QRadioButton* option : frame->findChildren<QRadioButton*>()) {
        const QSignalBlocker blocker(option);
        option->setChecked(false);
    }
    if (group) group->setExclusive(true);
}

std::string CalculationWindow::textOf(const QLineEdit* field) { return field->text().toStdString(); }

std::string CalculationWindow::textOf(const QLabel* label) { return label->text().toStdString(); }

void CalculationWindow::setTextOf(QLineEdit* field, const std::string& text) {
    field->setText(QString::fromStdString(text));
}

void CalculationWindow::setTextOf(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
}

}  // namespace zeliro
