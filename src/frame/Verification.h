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
#include <string>
#include <vector>

#include "core/language.h"
#include "core/nec/model.h"
#include "core/sweep/sweep.h"

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
    // Tells why a print of the window's report (its lines and the picture
    // under them) did not go, as every window of the program does (with
    // "Salva come PDF…" and "Anteprima" offered).
    std::function<void(QWidget* parent, const PrintResult& result, const std::vector<std::string>& lines,
                       const QImage& picture)>
        tellPrintFailure;
    // Asks where to save the report, and saves it there as a PDF.
    std::function<void(QWidget* parent, const std::vector<std::string>& lines, const QImage& picture)>
        savePdf;
    // Shows the verification's read-me (a window of the program's).
    std::function<void()> showReadMe;
};

// The module's entry: shows the request's design in `existing` (a verification
// window it made before) or in a new window owned by `opener`; returns it.
using OpenVerification = QWidget* (*)(QWidget* opener, QWidget* existing, const VerificationRequest& request);
inline constexpr const char* openVerificationSymbol = "zeliroOpenVerification";

// Loads the module once; nullptr and a message text when it cannot be loaded.
OpenVerification loadVerificationModule(QString& error);

// "Da analizzatore…": a sweep read straight from an analyser of the NanoVNA
// family on a serial port, in a dialog of the module. The dialog is a child
// of `parent` (closed with it); when the sweep is complete it hands it to
// `done` with where it came from ("analizzatore /dev/ttyACM0, 101 punti")
// and closes. A fault gives a message in the dialog, and nothing to `done`.
struct AnalyserRequest {
    QWidget* parent = nullptr;
    Beep* beep = nullptr;
    Language language = Language::italian;
    double startMHz = 0;  // the sweep the dialog proposes; 0 leaves its field empty
    double stopMHz = 0;
    int points = 101;
    int replyTimeoutMs = 3000;  // the wait for each of the device's replies
    std::function<void(const MeasuredSweep& sweep, const QString& source)> done;
};

// The module's second entry: opens the dialog for the request; returns it.
using OpenAnalyser = QWidget* (*)(const AnalyserRequest& request);
inline constexpr const char* openAnalyserSymbol = "zeliroOpenAnalyser";

// Loads the module once (as loadVerificationModule does); nullptr and a
// message text when it cannot be loaded.
OpenAnalyser loadAnalyserEntry(QString& error);

}  // namespace zeliro
