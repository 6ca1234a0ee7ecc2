#pragma once
// "Verifica": a design on display checked by simulation.
//
// The verification window lives in a module of its own (libzeliro_verify.so,
// with Qt Charts), loaded the first time a user chooses "Verifica", so that
// the program starts without it. The program and the module meet only
// through this header: the request below and one C function. What the
// program lends the module (beep, printer, file dialogs) passes as abstract
// interfaces, so the module needs nothing of the program's own code.
//
// Each calculation window owns its verification window: one per opening
// window, closed with it. Choosing "Verifica" again sends the figures now on
// display to the same verification window.

#include <QImage>
#include <QString>

#include <functional>

#include "core/language.h"
#include "core/nec/model.h"

class QWidget;

namespace zeliro {

class Beep;
class FileDialogs;
class Printer;
struct PrintResult;

struct VerificationRequest {
    QString openerName;   // objectName of the opening window
    QString openerTitle;  // what the user calls it ("DIPOLO STANDARD")
    nec::Design design;
    Beep* beep = nullptr;
    Printer* printer = nullptr;
    FileDialogs* fileDialogs = nullptr;
    // The program's language: the window's texts come through the program's
    // translator; numbers and the simulation's texts take it as data.
    Language language = Language::italian;
    // Tells why a print of the window's image did not go, as every window of
    // the program does (with "Salva come PDF…" and "Anteprima" offered).
    std::function<void(QWidget* parent, const PrintResult& result, const QImage& image)> tellPrintFailure;
};

// The module's entry: shows the request's design in `existing` (a verification
// window it made before) or in a new window owned by `opener`; returns it.
using OpenVerification = QWidget* (*)(QWidget* opener, QWidget* existing, const VerificationRequest& request);
inline constexpr const char* openVerificationSymbol = "zeliroOpenVerification";

// Loads the module once; nullptr and a message text when it cannot be loaded.
OpenVerification loadVerificationModule(QString& error);

}  // namespace zeliro
