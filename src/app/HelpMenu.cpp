#include "app/HelpMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "app/ShortcutsWindow.h"

HelpMenu::HelpMenu(QMainWindow& window) : QObject(&window), window(window) {
    mnuHelp = window.menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuShortcuts = mnuHelp->addAction(tr("Keyboard Shortcuts"));
    mnuShortcuts->setObjectName(QStringLiteral("mnuShortcuts"));
    connect(mnuShortcuts, &QAction::triggered, this, [this] { showShortcuts(); });
    mnuAbout = mnuHelp->addAction(tr("About Quarn"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    mnuAbout->setMenuRole(QAction::AboutRole);
    connect(mnuAbout, &QAction::triggered, this,
            [this] { QMessageBox::about(&this->window, tr("About Quarn"), aboutText()); });
}

QString HelpMenu::aboutText() {
    return tr("<h3>Quarn %1</h3>"
              "<p>An editor for tile-based game levels.</p>"
              "<p>Built with Qt %2, running on Qt %3.</p>"
              "<p>Licence: proprietary; all rights reserved.</p>")
        .arg(QStringLiteral(QUARN_VERSION), QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion()));
}

ShortcutsWindow* HelpMenu::showShortcuts() {
    // Built anew each time, so it lists the menus' keys as they are now.
    delete shortcuts;
    shortcuts = new ShortcutsWindow(*window.menuBar(), &window);
    shortcuts->setAttribute(Qt::WA_DeleteOnClose);
    shortcuts->show();
    return shortcuts;
}
