#include "app/HelpMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "app/ShortcutsWindow.h"

HelpMenu::HelpMenu(QMainWindow& window) : QObject(&window), window(window) {
    ui.helpMenu = window.menuBar()->addMenu(tr("&Help"));
    ui.helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    ui.shortcutsAction = ui.helpMenu->addAction(tr("Keyboard Shortcuts"));
    ui.shortcutsAction->setObjectName(QStringLiteral("mnuShortcuts"));
    connect(ui.shortcutsAction, &QAction::triggered, this, [this] { showShortcuts(); });
    ui.aboutAction = ui.helpMenu->addAction(tr("About Quarn"));
    ui.aboutAction->setObjectName(QStringLiteral("mnuAbout"));
    ui.aboutAction->setMenuRole(QAction::AboutRole);
    connect(ui.aboutAction, &QAction::triggered, this,
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
