#pragma once

#include <QWidget>

class QLabel;

namespace zeliro {

// A window that shows one photograph (Picture1) at its own size. It has no
// buttons and no menu: it closes from its title bar.
class PhotoWindow : public QWidget {
    Q_OBJECT
public:
    PhotoWindow(const QString& caption, const QString& photoResource);

private:
    QLabel* Picture1 = nullptr;
};

}  // namespace zeliro
