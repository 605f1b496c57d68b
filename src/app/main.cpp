#include <QApplication>
#include <QScreen>

#include "app/AppIcons.h"
#include "app/DocumentManager.h"
#include "app/LayoutMemory.h"
#include "app/MainWindow.h"
#include "app/RecoveryCopies.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarn"));
    QApplication::setApplicationVersion(QStringLiteral("0.1"));
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quarn.Quarn"));
    QApplication::setWindowIcon(AppIcons::icon(QStringLiteral("quarn")));
    MainWindow window;
    if (!LayoutMemory::restore(window)) {
        // Room for a first map window at its natural size beside the panel, within the screen.
        const QRect screen = window.screen()->availableGeometry();
        window.resize(QSize(1360, 900).boundedTo(screen.size() * 0.92));
        window.move(screen.center() - window.rect().center());
    }
    window.show();
    // Restored levels come first, so a file named on the command line finds its restored window open.
    window.recoveryCopies().start(RecoveryCopies::defaultFolder(), RecoveryCopies::Timing::fromUserSettings());
    window.recoveryCopies().offerRestore();
    // Each argument is one file name, spaces and all; only level files are opened.
    window.documents().openLevels(QApplication::arguments().mid(1));
    return QApplication::exec();
}
