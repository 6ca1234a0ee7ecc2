#include "app/PhotoWindow.h"

#include <QLabel>
#include <QPixmap>

#include "frame/Look.h"

namespace zeliro {

PhotoWindow::PhotoWindow(const QString& caption, const QString& photoResource) {
    setWindowTitle(caption);
    setColours(*this, black, lightGrey);

    const QPixmap photo(photoResource);
    constexpr int margin = 8;
    Picture1 = new QLabel(this);
    Picture1->setObjectName("Picture1");
    Picture1->setPixmap(photo);
    Picture1->setGeometry(margin, margin, photo.width(), photo.height());
    setFixedSize(photo.width() + 2 * margin, photo.height() + 2 * margin);
}

}  // namespace zeliro
