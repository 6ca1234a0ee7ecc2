#pragma once

#include <QWidget>

namespace zeliro {

class Registry;

// The hub of the program: one button for each calculation window, "INFO", and
// "CHIUDI", which closes every window and ends the program.
class frmMENU : public QWidget {
    Q_OBJECT
public:
    explicit frmMENU(Registry& registry);

    // The windows that "CHIUDI" closes one by one, in this order, before it
    // ends the program.
    static const QStringList closingOrder;

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();

private:
    Registry& m_registry;
};

}  // namespace zeliro
