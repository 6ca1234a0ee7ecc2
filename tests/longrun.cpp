// ZELIRO with a long simulation running, for test_termination to end: the
// program started as a user starts it, the 7,05 MHz half-wave dipole
// calculated, "Verifica", 1000 points over average ground, "SIMULA"; then
// "running" on standard output and the event loop until the program is ended.
// With --start-only it only starts and ends (what a start cleans up).
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include <cstdio>

#include "app/start.h"
#include "frame/Registry.h"
#include "testsupport.h"

using namespace zeliro::test;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zeliro::start();
    if (app.arguments().contains("--start-only")) return 0;
    QWidget* dipole = zeliro::Registry::current().show("frmDIPOLOSTANDARD");
    click(dipole, "Option2");
    type(dipole, "Text1", "7,05");
    click(dipole, "Command2");
    QMetaObject::invokeMethod(dipole, "verifica_Click");
    QWidget* verification = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "frmVERIFICA") verification = window;
    if (!verification) return 2;
    control<QComboBox>(verification, "suolo")->setCurrentIndex(1);
    control<QLineEdit>(verification, "punti")->setText("1000");
    click(verification, "simula");
    if (!verification->property("running").toBool()) return 3;
    std::printf("running\n");
    std::fflush(stdout);
    return app.exec();
}
