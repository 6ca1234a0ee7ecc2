#include "frame/Platform.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>

namespace zeliro {
namespace {

// A printer on the system's default queue, or nothing when there is no
// default: a QPrinter left to itself would pick the first queue by name.
std::unique_ptr<QPrinter> defaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::ScreenResolution);
    if (!printer->isValid()) return nullptr;
    return printer;
}

}  // namespace

void SystemBeep::beep() { QApplication::beep(); }

bool SystemPrinter::printLines(const std::vector<std::string>& lines) {
    const auto printer = defaultPrinter();
    if (!printer) return false;
    QPainter painter;
    if (!painter.begin(printer.get())) return false;
    const QFontMetrics metrics(painter.font());
    const int pageHeight = printer->pageLayout().paintRectPixels(printer->resolution()).height();
    int y = 0;
    for (const std::string& line : lines) {
        if (y + metrics.height() > pageHeight && y > 0) {
            if (!printer->newPage()) break;
            y = 0;
        }
        painter.drawText(0, y + metrics.ascent(), QString::fromStdString(line));
        y += metrics.lineSpacing();
    }
    return painter.end();
}

bool SystemPrinter::printImage(const QImage& image) {
    const auto printer = defaultPrinter();
    if (!printer || image.isNull()) return false;
    QPainter painter;
    if (!painter.begin(printer.get())) return false;
    const QRect page = printer->pageLayout().paintRectPixels(printer->resolution());
    QSize size = image.size();
    if (size.width() > page.width() || size.height() > page.height())
        size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(QPoint(0, 0), size), image);
    return painter.end();
}

}  // namespace zeliro
