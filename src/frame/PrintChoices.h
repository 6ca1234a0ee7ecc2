#pragma once
// What the user sees of printing besides the pages: the preview, the PDF
// file, and the messages that tell why a print did not go. Every dialog here
// is opened without a nested event loop (open(), not exec()), so the other
// windows go on working while it is up.

#include <QString>

#include <functional>

#include "frame/Platform.h"
#include "frame/PrintPages.h"

class QWidget;

namespace zeliro {

// The print preview of the content (pages of the standard layout). Its print
// button closes it and calls `print`, which sends the content through the
// program's own print path (never Qt's print dialog, which asks the print
// system for its printers on this thread). The preview is the preview module's
// (PreviewModule.h); a module that cannot be loaded is told, with the
// loader's words under "Mostra dettagli…".
void showPreview(QWidget* parent, const PrintContent& content, std::function<void()> print);

// The preview module's file, for tests (until the module has once been
// loaded: it then stays for the run); empty (the default) is
// lib/zeliro/libzeliro_preview.so beside the program's folder.
void setPreviewModuleFile(const QString& file);

// The program's own print path for content shown outside a calculation
// window: the default printer through the system printer's worker, and a
// failure told by tellPrintFailure.
void printContent(QWidget* parent, const PrintContent& content, const QString& pdfName);

// Asks where to save, proposing `fileName` in the documents folder, then
// writes the content there as a PDF; a file that cannot be written is told.
void askAndSavePdf(QWidget* parent, const PrintContent& content, const QString& fileName);

// The Italian words for a print that did not go.
QString failureText(const PrintResult& result);

// Tells why the print did not go and offers "Salva come PDF…", "Anteprima"
// and "Annulla" for the same content. The print system's own words are shown
// under "Mostra dettagli…", labelled as its own. Prints that fail the same way
// while the message is up do not open more messages: the one on screen counts
// them and offers the latest content.
void tellPrintFailure(QWidget* parent, const PrintResult& result, const PrintContent& content,
                      const QString& pdfName);

// Tells that the results on display do not come from the data now typed in.
void tellToCalculateFirst(QWidget* parent);

}  // namespace zeliro
