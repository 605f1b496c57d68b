#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMainWindow;
class QMenu;
class ShortcutsWindow;

// The Help menu: the window of keys and gestures, and the About box.
class HelpMenu : public QObject {
    Q_OBJECT
public:
    // Builds the menu at the end of `window`'s menu bar.
    explicit HelpMenu(QMainWindow& window);

    // The About box's text: program version, Qt version and licence.
    static QString aboutText();
    // Shows the shortcuts window, built afresh from the menus as they are now.
    ShortcutsWindow* showShortcuts();

private:
    QMainWindow& window;
    QPointer<ShortcutsWindow> shortcuts;

    // The parts built in the constructor.
    struct Ui {
        QMenu* helpMenu;
        QAction* shortcutsAction;
        QAction* aboutAction;
    } ui;
};
