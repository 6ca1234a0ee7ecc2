#pragma once
// Where the program meets the print preview. Qt Print Support, which the
// preview's dialog and its printer need, lives with them in a module of their
// own (libzeliro_preview.so, in lib/zeliro beside the print module), loaded on
// the window thread the first time a preview is asked for, so that the
// program starts without it. The module needs nothing of the program's code:
// what it paints, prints and shows comes in the request below.

#include <QPageLayout>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace zeliro {

struct PreviewRequest {
    QWidget* parent = nullptr;
    QPageLayout layout;
    // Paints the pages on the preview's printer, whose first page is ready.
    std::function<void(QPagedPaintDevice& pages)> paint;
    // The toolbar's print button: the preview closes and calls this.
    std::function<void()> print;
    QString title;      // the preview's window title
    QString printText;  // the text of the toolbar's print action, as Qt's translation gives it
    // Called with true just before the preview's printer is made and with
    // false just after: a printer asks the print system for the default
    // printer while it is made, which must not hold up the windows.
    std::function<void(bool quiet)> quietPrintSystem;
};

struct PreviewModule {
    // Opens the preview of the request (not modal, deleted when closed) and
    // returns it: objectName "anteprima", its print action "stampaanteprima".
    QWidget* (*show)(const PreviewRequest& request);
};

// The module's entry: its functions, for the whole run.
using PreviewModuleEntry = const PreviewModule* (*)();
inline constexpr const char* previewModuleSymbol = "zeliroPreviewModule";

}  // namespace zeliro
