#pragma once

#include <QObject>

class QAction;
class MainWindow;

// Menu commands beyond the basic set: File > Close and the Quit shortcut on Exit; Edit > Select
// All, Deselect and Delete. Each acts on the active map and does nothing without one.
class ExtraCommands : public QObject {
    Q_OBJECT
public:
    // Adds the items to `general`'s File and Edit menus.
    explicit ExtraCommands(MainWindow& general);

    // Closes the active map's window, asking first when it holds unsaved changes.
    void closeMap();
    // The whole level as a selection, made with the selection tool.
    void selectAll();
    // Puts a selected block down where it is and ends the selection.
    void deselect();
    // Empties the selected cells, as the Delete key does with the selection tool.
    void deleteSelection();
    // Enables the items for the active map and its selection.
    void syncEnabled();

private:
    MainWindow& general;

    // The parts built in the constructor.
    struct Ui {
        QAction* closeAction;
        QAction* selectAllAction;
        QAction* deselectAction;
        QAction* deleteAction;
    } ui;
};
