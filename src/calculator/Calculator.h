#pragma once
// The desk calculator window: the keys of a pocket calculator and its yellow
// display, over the state machine of calculator/calculator.h. One instance
// serves the whole program: every calculation window shows or raises it
// through the registry, and reopening it after a close starts afresh.
//
// The keyboard works it too: each key clicks the button it stands for (digits,
// "." or "," for the decimal key, + - * x / % = and Enter, Escape for "C",
// Delete for "CE"), so that a key does exactly what a click does.

#include <QWidget>

#include <array>

#include "core/deskcalculator.h"

class QKeyEvent;
class QLabel;
class QPushButton;

namespace zeliro {

class Registry;

class Calculator : public QWidget {
    Q_OBJECT
public:
    explicit Calculator(Registry& registry);

public slots:
    void Form_Load();
    void Number_Click(int index);
    void Operator_Click(int index);
    void Decimal_Click();
    void Percent_Click();
    void Cancel_Click();
    void CancelEntry_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* buttonFor(const QKeyEvent& event) const;
    QPushButton* operatorKey(const QString& caption) const;
    QPushButton* addKey(const QString& name, const QString& caption, int left, int top, int width = 480);
    void showOutcome(const KeyOutcome& outcome);
    void warnDivisionByZero();

    QLabel* Readout = nullptr;
    std::array<QPushButton*, 10> Number{};
    std::array<QPushButton*, 5> Operator{};
    QPushButton* Cancel = nullptr;
    QPushButton* CancelEntry = nullptr;
    QPushButton* Decimal = nullptr;
    QPushButton* Percent = nullptr;
    DeskCalculator m_machine;
};

}  // namespace zeliro
