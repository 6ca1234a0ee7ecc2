#include "frame/PrintPages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace zeliro {
namespace {

// Pixels a page holds at the device's resolution.
QRectF printableArea(const QPagedPaintDevice& device) {
    return device.pageLayout().paintRectPixels(device.logicalDpiX());
}

// Paints the lines from the top of the page; `y` ends under the last one.
bool paintLines(QPainter& painter, QPagedPaintDevice& device, const std::vector<std::string>& lines,
                qreal& y) {
    painter.setFont(reportFont());
    const QFontMetricsF metrics(painter.font(), &device);
    const qreal pageHeight = printableArea(device).height();
    y = 0;
    for (const std::string& line : lines) {
        if (y + metrics.height() > pageHeight && y > 0) {
            if (!device.newPage()) return false;
            y = 0;
        }
        painter.drawText(QPointF(0, y + metrics.ascent()), QString::fromStdString(line));
        y += metrics.lineSpacing();
    }
    return true;
}

// At screen scale (96 dots an inch), made smaller only if the page is.
QSizeF imageSize(const QPagedPaintDevice& device, const QImage& image) {
    QSizeF size = QSizeF(image.size()) * (device.logicalDpiX() / 96.0);
    const QSizeF page = printableArea(device).size();
    if (size.width() > page.width() || size.height() > page.height()) size.scale(page, Qt::KeepAspectRatio);
    return size;
}

void paintImage(QPainter& painter, const QPagedPaintDevice& device, const QImage& image) {
    painter.drawImage(QRectF(QPointF(0, 0), imageSize(device, image)), image);
}

// The picture under the lines, or at the top of a new page where it does not fit.
bool paintPictureUnder(QPainter& painter, QPagedPaintDevice& device, const QImage& image, qreal y) {
    const QSizeF size = imageSize(device, image);
    y += painter.fontMetrics().lineSpacing();
    if (y + size.height() > printableArea(device).height()) {
        if (!device.newPage()) return false;
        y = 0;
    }
    painter.drawImage(QRectF(QPointF(0, y), size), image);
    return true;
}

}  // namespace

QFont reportFont() {
    QFont font("Liberation Mono");
    font.setFamilies({"Liberation Mono", "DejaVu Sans Mono"});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(10);
    return font;
}

QPageLayout standardPageLayout() {
    const bool inches = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

bool paintContent(QPagedPaintDevice& device, const PrintContent& content) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    bool painted = true;
    if (content.isImage()) {
        paintImage(painter, device, content.image);
    } else {
        qreal y = 0;
        painted = paintLines(painter, device, content.lines, y);
        if (painted && content.isReport()) painted = paintPictureUnder(painter, device, content.image, y);
    }
    return painter.end() && painted;
}

QByteArray pdfDocument(const PrintContent& content, const QPageLayout& layout) {
    QByteArray document;
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setCreator("ZELIRO");
        writer.setPageLayout(layout);
        if (!paintContent(writer, content)) return {};
    }
    return document;
}

bool savePdf(const QString& fileName, const PrintContent& content, QString* reason) {
    const QString folder = QFileInfo(fileName).absolutePath();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = QCoreApplication::translate("PrintChoices", "Impossibile scrivere nella cartella «%1».")
                      .arg(folder);
        return false;
    }
    const QByteArray document = pdfDocument(content, standardPageLayout());
    // flush() before commit(): a write that fails while the buffer is emptied
    // on closing (a full disk) is not seen by commit() in this Qt.
    if (document.isEmpty() || file.write(document) != document.size() || !file.flush() || !file.commit()) {
        file.cancelWriting();
        *reason = QCoreApplication::translate("PrintChoices",
                                              "Impossibile scrivere il file «%1»: il disco è pieno o la "
                                              "cartella non accetta scritture.")
                      .arg(fileName);
        return false;
    }
    return true;
}

}  // namespace zeliro
