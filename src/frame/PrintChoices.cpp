#include "frame/PrintChoices.h"

#include "frame/PrintSystem.h"
#include "frame/Registry.h"
#include "frame/SystemPrinter.h"

#include <QCoreApplication>

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

#include <memory>

namespace zeliro {
namespace {

QString title() { return QCoreApplication::translate("PrintChoices", "ZELIRO - Stampa"); }

// A printer that only makes pages, for the preview. A QPrinter asks the print system for the default printer
// while it is made; on this thread the library is pointed at a server that
// cannot exist for that moment, so the answer is "none" at once and a print
// server that hangs never holds up the windows. The library is reached through
// the print module; without the module the printer is made as Qt makes it.
std::unique_ptr<QPrinter> pagesOnlyPrinter() {
    const PrintSystem* system = SystemPrinter::printSystem();
    if (system) system->useServer("/nonexistent/zeliro-pages-only.sock");
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (system) system->useServer(nullptr);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageLayout(standardPageLayout());
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
    std::unique_ptr<QPrinter> printer = pagesOnlyPrinter();
    auto* dialog = new QPrintPreviewDialog(printer.get(), parent);
    new PrinterKeeper(std::move(printer), dialog);  // made after the preview's widgets: deleted after them
    dialog->setObjectName("anteprima");
    dialog->setWindowTitle(QCoreApplication::translate("PrintChoices", "ZELIRO - Anteprima di stampa"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [content](QPrinter* pages) { paintContent(*pages, content); });
    // The toolbar's print button: the program's own print path instead of
    // Qt's print dialog.
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : dialog->findChildren<QAction*>()) {
        if (action->text() != printText) continue;
        action->setObjectName("stampaanteprima");
        QObject::disconnect(action, &QAction::triggered, dialog, nullptr);
        QObject::connect(action, &QAction::triggered, dialog, [dialog, print] {
            dialog->close();
            if (print) print();
        });
    }
    dialog->open();
}

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
