#pragma once

#include <QFrame>
#include <QWidget>

class QLabel;
class QPushButton;

namespace zeliro {

class Registry;

// The frame around the splash window's contents: a click on its own area (not
// on a label, the logo or a button) is reported as clicked().
class SplashFrame : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The first window: name, version, an advice on the screen resolution,
// "CONTINUA" to the main menu and "CHIUDI". Any character key or a click on
// the frame closes it too.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(Registry& registry);

public slots:
    void Command1_Click();
    void Command2_Click();
    void Frame1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_KeyPress();

    Registry& m_registry;
    QLabel* lblVersion = nullptr;
    QLabel* lblProductName = nullptr;
};

}  // namespace zeliro
