#pragma once
// The pages of a print, whatever they go to: the default printer (as a PDF
// handed to the print system), the preview, or a PDF file. A data report is
// set in a fixed-pitch face shipped with the program, one line below the other
// from the top left of the printable area, so that the columns its blanks make
// line up on paper; a window print is the window's image at screen scale.

#include <QImage>
#include <QPageLayout>
#include <QString>

#include <string>
#include <vector>

class QFont;
class QPagedPaintDevice;

namespace zeliro {

// What one print holds: the lines of a data report, a window's image, or a
// report's lines with a picture under them.
struct PrintContent {
    std::vector<std::string> lines;
    QImage image;
    bool isImage() const { return !image.isNull() && lines.empty(); }
    bool isReport() const { return !image.isNull() && !lines.empty(); }
};

// The face of the data reports: Liberation Mono (or DejaVu Sans Mono), 10 pt.
QFont reportFont();

// A4 (Letter where the locale measures in inches), 15 mm margins: the pages of
// the preview and of a saved PDF.
QPageLayout standardPageLayout();

// Paints the content on a device whose first page is ready (a QPrinter or a
// QPdfWriter), starting new pages as needed. False if the painting failed.
bool paintContent(QPagedPaintDevice& device, const PrintContent& content);

// The content as a PDF document of that page layout, in memory.
QByteArray pdfDocument(const PrintContent& content, const QPageLayout& layout);

// Writes the content as a PDF file: first to a temporary file in the same
// folder, renamed over the name only when complete. The reason in Italian
// when it could not be written.
bool savePdf(const QString& fileName, const PrintContent& content, QString* reason);

}  // namespace zeliro
