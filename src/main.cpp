#include <QApplication>

#include "app/start.h"

int main(int argc, char* argv[]) {
    zeliro::prepareStart();
    QApplication app(argc, argv);
    zeliro::start(zeliro::languageAtStart(QApplication::arguments().mid(1)));
    return app.exec();
}
