#include <QApplication>

#include "app/start.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zeliro::start();
    return app.exec();
}
