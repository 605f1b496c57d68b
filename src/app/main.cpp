#include <QApplication>

#include "app/frmGeneral.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarn"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quarn"));
    frmGeneral window;
    window.resize(1280, 800);
    window.show();
    window.NewMap();
    return QApplication::exec();
}
