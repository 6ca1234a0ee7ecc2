#include "frame/FileDialogs.h"

#include <QFileDialog>

namespace zeliro {

QString SystemFileDialogs::openFileName(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, {}, filter);
}

QString SystemFileDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& suggestedName,
                                        const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggestedName, filter);
}

}  // namespace zeliro
