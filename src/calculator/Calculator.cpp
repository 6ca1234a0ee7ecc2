#include "calculator/Calculator.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QVariant>

#include "frame/Accessibility.h"
#include "frame/Look.h"
#include "frame/Registry.h"

namespace zeliro {
namespace {

struct KeyPlace {
    int index;
    const char* caption;
    int left;
    int top;
};

constexpr KeyPlace numberKeys[] = {
    {7, "7", 120, 600},   {8, "8", 720, 600},  {9, "9", 1320, 600}, {4, "4", 120, 1200},  {5, "5", 720, 1200},
    {6, "6", 1320, 1200}, {1, "1", 120, 1800}, {2, "2", 720, 1800}, {3, "3", 1320, 1800}, {0, "0", 120, 2400},
};

constexpr KeyPlace operatorKeys[] = {
    {1, "+", 2040, 1200}, {3, "-", 2640, 1200}, {2, "X", 2040, 1800},
    {0, "/", 2640, 1800}, {4, "=", 2040, 2400},
};

}  // namespace

Calculator::Calculator(Registry& registry) : m_machine(registry.language()) {
    setWindowTitle(tr("Calcolatrice"));
    setFixedSize(twips(3240), twips(3000));

    Readout = new QLabel("0.", this);
    Readout->setObjectName("Readout");
    Readout->setGeometry(twipsRect(120, 105, 3000, 375));
    Readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Readout->setFont(sansFont(12, true));
    setColours(*Readout, black, yellow);
    nameResult(*Readout, tr("Display"));

    for (const KeyPlace& key : numberKeys) {
        QPushButton* button = addKey("Number", key.caption, key.left, key.top, key.index == 0 ? 1080 : 480);
        button->setProperty("index", key.index);
        Number.at(static_cast<std::size_t>(key.index)) = button;
        const int index = key.index;
        connect(button, &QPushButton::clicked, this, [this, index] { Number_Click(index); });
    }
    Cancel = addKey("Cancel", "C", 2040, 600);
    connect(Cancel, &QPushButton::clicked, this, &Calculator::Cancel_Click);
    CancelEntry = addKey("CancelEntry", "CE", 2640, 600);
    connect(CancelEntry, &QPushButton::clicked, this, &Calculator::CancelEntry_Click);
    for (const KeyPlace& key : operatorKeys) {
        QPushButton* button = addKey("Operator", key.caption, key.left, key.top);
        button->setProperty("index", key.index);
        Operator.at(static_cast<std::size_t>(key.index)) = button;
        const int index = key.index;
        connect(button, &QPushButton::clicked, this, [this, index] { Operator_Click(index); });
    }
    Decimal = addKey("Decimal", ".", 1320, 2400);
    connect(Decimal, &QPushButton::clicked, this, &Calculator::Decimal_Click);
    Percent = addKey("Percent", "%", 2640, 2400);
    connect(Percent, &QPushButton::clicked, this, &Calculator::Percent_Click);

    Form_Load();
}

QPushButton* Calculator::addKey(const QString& name, const QString& caption, int left, int top, int width) {
    auto* key = new QPushButton(caption, this);
    key->setObjectName(name);
    key->setGeometry(twipsRect(left, top, width, 480));
    return key;
}

void Calculator::keyPressEvent(QKeyEvent* event) {
    QPushButton* button = buttonFor(*event);
    if (!button) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    button->click();
}

QPushButton* Calculator::buttonFor(const QKeyEvent& event) const {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return operatorKey("=");
        case Qt::Key_Escape:
            return Cancel;
        case Qt::Key_Delete:
            return CancelEntry;
        default:
            break;
    }
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return nullptr;
    const QString typed = event.text();
    if (typed.size() != 1) return nullptr;
    const QChar key = typed.at(0);
    if (key >= QLatin1Char('0') && key <= QLatin1Char('9'))
        return Number.at(std::size_t(key.unicode() - '0'));
    switch (key.unicode()) {
        case '.':
        case ',':
            return Decimal;
        case '%':
            return Percent;
        case '*':
        case 'x':
        case 'X':
            return operatorKey("X");
        default:
            return operatorKey(typed);  // "+", "-", "/", "="
    }
}

QPushButton* Calculator::operatorKey(const QString& caption) const {
    for (QPushButton* button : Operator)
        if (button->text() == caption) return button;
    return nullptr;
}

void Calculator::Form_Load() { showOutcome(m_machine.formLoad()); }

void Calculator::Number_Click(int index) {
    if (index < 0 || index >= int(Number.size())) return;
    showOutcome(m_machine.number(Number.at(static_cast<std::size_t>(index))->text().toStdString()));
}

void Calculator::Operator_Click(int index) {
    if (index < 0 || index >= int(Operator.size())) return;
    showOutcome(m_machine.operatorKey(Operator.at(static_cast<std::size_t>(index))->text().toStdString()));
}

void Calculator::Decimal_Click() { showOutcome(m_machine.decimal()); }
void Calculator::Percent_Click() { showOutcome(m_machine.percent()); }
void Calculator::Cancel_Click() { showOutcome(m_machine.cancel()); }
void Calculator::CancelEntry_Click() { showOutcome(m_machine.cancelEntry()); }

void Calculator::showOutcome(const KeyOutcome& outcome) {
    if (outcome.divisionByZero) {
        QPointer<Calculator> self(this);
        warnDivisionByZero();
        if (!self) return;  // closed while the message was up
    }
    Readout->setText(QString::fromStdString(outcome.readout));
}

void Calculator::warnDivisionByZero() {
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Warning, tr("Calcolatrice"),
                                                tr("Impossibile dividere per zero"), QMessageBox::Ok, this);
    box->exec();
    delete box.data();
}

}  // namespace zeliro
