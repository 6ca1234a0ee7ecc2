// The preview module (libzeliro_preview.so): Qt's print preview dialog on a
// printer that only makes pages (see PreviewModule.h).

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <memory>

#include "frame/PreviewModule.h"

namespace zeliro {
namespace {

// A printer that only makes pages, made with the print system quieted.
std::unique_ptr<QPrinter> pagesOnlyPrinter(const PreviewRequest& request) {
    if (request.quietPrintSystem) request.quietPrintSystem(true);
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (request.quietPrintSystem) request.quietPrintSystem(false);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageLayout(request.layout);
    printer->setCreator("ZELIRO");
    return printer;
}

// Keeps the preview's printer alive until after the preview itself is gone.
class PrinterKeeper : public QObject {
public:
    PrinterKeeper(std::unique_ptr<QPrinter> printer, QObject* parent)
        : QObject(parent), m_printer(std::move(printer)) {}

private:
    std::unique_ptr<QPrinter> m_printer;
};

QWidget* show(const PreviewRequest& request) {
    std::unique_ptr<QPrinter> printer = pagesOnlyPrinter(request);
    auto* dialog = new QPrintPreviewDialog(printer.get(), request.parent);
    new PrinterKeeper(std::move(printer), dialog);  // made after the preview's widgets: deleted after them
    dialog->setObjectName("anteprima");
    dialog->setWindowTitle(request.title);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [paint = request.paint](QPrinter* pages) {
                         if (paint) paint(*pages);
                     });
    // The toolbar's print button: the program's own print path instead of
    // Qt's print dialog.
    for (QAction* action : dialog->findChildren<QAction*>()) {
        if (action->text() != request.printText) continue;
        action->setObjectName("stampaanteprima");
        QObject::disconnect(action, &QAction::triggered, dialog, nullptr);
        QObject::connect(action, &QAction::triggered, dialog, [dialog, print = request.print] {
            dialog->close();
            if (print) print();
        });
    }
    dialog->open();
    return dialog;
}

const PreviewModule module{&show};

}  // namespace
}  // namespace zeliro

extern "C" __attribute__((visibility("default"))) const zeliro::PreviewModule* zeliroPreviewModule() {
    return &zeliro::module;
}
