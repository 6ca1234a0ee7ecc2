#include "frame/PrintChoices.h"

#include "frame/PreviewModule.h"
#include "frame/PrintSystem.h"
#include "frame/Registry.h"
#include "frame/SystemPrinter.h"

#include <QCoreApplication>

#include <QDir>
#include <QFileDialog>
#include <QLibrary>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>

namespace zeliro {
namespace {

QString title() { return QCoreApplication::translate("PrintChoices", "ZELIRO - Stampa"); }

QString previewModuleFileSet;  // set on the window thread only

// The preview module, loaded on the window thread the first time a preview is
// asked for and kept for the rest of the run (its dialogs need its code); one
// that failed is tried again the next time. nullptr, and the loader's words,
// when it cannot be loaded.
const PreviewModule* previewModule(QString& error) {
    static const PreviewModule* loaded = nullptr;
    if (loaded) return loaded;
    const QString file = previewModuleFileSet.isEmpty()
                             ? QCoreApplication::applicationDirPath() + "/../lib/zeliro/libzeliro_preview.so"
                             : previewModuleFileSet;
    QLibrary library(file);  // the library stays loaded when this object goes
    if (!library.load()) {
        error = library.errorString();
        return nullptr;
    }
    const auto entry = reinterpret_cast<PreviewModuleEntry>(library.resolve(previewModuleSymbol));
    if (!entry) {  // QLibrary has no words for this
        error = file + ": " + previewModuleSymbol + " not found";
        library.unload();
        return nullptr;
    }
    return loaded = entry();
}

// A printer asks the print system for the default printer while it is made;
// on this thread the library is pointed at a server that cannot exist for
// that moment, so the answer is "none" at once and a print server that hangs
// never holds up the windows. The library is reached through the print
// module; without the module the printer is made as Qt makes it.
void quietPrintSystem(bool quiet) {
    if (const PrintSystem* system = SystemPrinter::printSystem())
        system->useServer(quiet ? "/nonexistent/zeliro-pages-only.sock" : nullptr);
}

// What a failure message offers to save or preview: the latest content of
// the prints it tells about.
class FailedContent : public QObject {
public:
    FailedContent(const PrintContent& content, const QString& pdfName, QObject* parent)
        : QObject(parent), content(content), pdfName(pdfName) {
        setObjectName("failedcontent");
    }
    PrintContent content;
    QString pdfName;
};

// The failure message on screen, if any; later failures of the same kind join it.
QPointer<QMessageBox> openFailure;

QMessageBox* message(QWidget* parent, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, title(), text, QMessageBox::NoButton, parent);
    box->setObjectName("stampamessaggio");
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

}  // namespace

void showPreview(QWidget* parent, const PrintContent& content, std::function<void()> print) {
    QString error;
    const PreviewModule* module = previewModule(error);
    if (!module) {
        QMessageBox* box = message(
            parent, QCoreApplication::translate(
                        "PrintChoices",
                        "L'anteprima di stampa non si può mostrare: il suo modulo (libzeliro_preview.so) "
                        "non si carica.\n\nPotete comunque stampare o salvare come PDF."));
        box->setDetailedText(
            QCoreApplication::translate("PrintChoices", "Messaggio del caricatore: %1").arg(error));
        box->setStandardButtons(QMessageBox::Ok);
        box->open();
        return;
    }
    PreviewRequest request;
    request.parent = parent;
    request.layout = standardPageLayout();
    request.paint = [content](QPagedPaintDevice& pages) { paintContent(pages, content); };
    request.print = std::move(print);
    request.title = QCoreApplication::translate("PrintChoices", "ZELIRO - Anteprima di stampa");
    request.printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    request.quietPrintSystem = quietPrintSystem;
    module->show(request);
}

void setPreviewModuleFile(const QString& file) { previewModuleFileSet = file; }

void printContent(QWidget* parent, const PrintContent& content, const QString& pdfName) {
    auto done = [parent = QPointer(parent), content, pdfName](const PrintResult& result) {
        if (result.status != PrintResult::Status::handedOver)
            tellPrintFailure(parent.data(), result, content, pdfName);
    };
    Printer& printer = Registry::current().printer();
    if (content.isReport()) {
        printer.printReport(content.lines, content.image, done);
    } else if (content.isImage()) {
        printer.printImage(content.image, done);
    } else {
        printer.printLines(content.lines, done);
    }
}

void askAndSavePdf(QWidget* parent, const PrintContent& content, const QString& fileName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    auto* dialog = new QFileDialog(parent, QCoreApplication::translate("PrintChoices", "Salva come PDF"),
                                   QDir(folder).filePath(fileName),
                                   QCoreApplication::translate("PrintChoices", "Documenti PDF (*.pdf)"));
    dialog->setObjectName("salvapdf");
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix("pdf");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog, [parent, content](const QString& chosen) {
        QString reason;
        if (!savePdf(chosen, content, &reason)) message(parent, reason)->open();
    });
    dialog->open();
}

QString failureText(const PrintResult& result) {
    using Status = PrintResult::Status;
    const QString printer = result.printer.isEmpty()
                                ? QCoreApplication::translate("PrintChoices", "predefinita")
                                : "«" + result.printer + "»";
    switch (result.status) {
        case Status::noDefaultPrinter:
            return QCoreApplication::translate(
                "PrintChoices",
                "Non è stata scelta una stampante predefinita: non è stato stampato nulla.\n\n"
                "Scegliete una stampante predefinita nelle impostazioni del sistema, oppure salvate "
                "la stampa come PDF.");
        case Status::noAnswer:
            return QCoreApplication::translate(
                "PrintChoices", "Il sistema di stampa non risponde: non è stato stampato nulla.");
        case Status::refused:
            return QString(QCoreApplication::translate(
                               "PrintChoices",
                               "La stampante %1 non accetta lavori (è ferma o rifiuta le stampe): non è "
                               "stato stampato nulla."))
                .arg(printer);
        case Status::notFinished:
            return QCoreApplication::translate("PrintChoices",
                                               "La stampa sulla stampante %1 non è stata completata.")
                .arg(printer);
        case Status::handedOver:
            break;
    }
    return {};
}

void tellPrintFailure(QWidget* parent, const PrintResult& result, const PrintContent& content,
                      const QString& pdfName) {
    const QString text = failureText(result);
    if (openFailure && openFailure->isVisible() && openFailure->property("failure").toString() == text) {
        const int count = openFailure->property("count").toInt() + 1;
        openFailure->setProperty("count", count);
        openFailure->setText(
            text + "\n\n" +
            QCoreApplication::translate("PrintChoices", "Stampe non riuscite finora: %1.").arg(count));
        if (auto* failed = static_cast<FailedContent*>(
                openFailure->findChild<QObject*>("failedcontent", Qt::FindDirectChildrenOnly))) {
            failed->content = content;
            failed->pdfName = pdfName;
        }
        return;
    }
    QMessageBox* box = message(parent, text);
    box->setProperty("failure", text);
    box->setProperty("count", 1);
    openFailure = box;
    auto* failed = new FailedContent(content, pdfName, box);
    if (!result.detail.isEmpty())
        box->setDetailedText(
            QCoreApplication::translate("PrintChoices", "Messaggio del sistema di stampa: %1")
                .arg(result.detail));
    QPushButton* pdf = box->addButton(QCoreApplication::translate("PrintChoices", "Salva come PDF…"),
                                      QMessageBox::AcceptRole);
    pdf->setObjectName("salvacomepdf");
    QPushButton* preview =
        box->addButton(QCoreApplication::translate("PrintChoices", "Anteprima"), QMessageBox::ActionRole);
    preview->setObjectName("anteprimamessaggio");
    box->addButton(QMessageBox::Cancel);
    box->setDefaultButton(QMessageBox::Cancel);
    QObject::connect(box, &QMessageBox::buttonClicked, box, [=](QAbstractButton* clicked) {
        QWidget* owner = box->parentWidget();
        const PrintContent latest = failed->content;
        const QString name = failed->pdfName;
        if (clicked == pdf) askAndSavePdf(owner, latest, name);
        if (clicked == preview)
            showPreview(owner, latest,
                        [owner = QPointer(owner), latest, name] { printContent(owner, latest, name); });
    });
    box->open();
}

void tellToCalculateFirst(QWidget* parent) {
    QMessageBox* box =
        message(parent, QCoreApplication::translate(
                            "PrintChoices",
                            "I risultati sullo schermo non vengono dai dati ora inseriti.\n\n"
                            "Premete \"CALCOLA\" e poi stampate di nuovo: non è stato stampato nulla."));
    box->setStandardButtons(QMessageBox::Ok);
    box->open();
}

}  // namespace zeliro
