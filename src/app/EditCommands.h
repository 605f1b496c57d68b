#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>

class WallSetsDialog;
class MainWindow;
class ReplaceDialog;

// The main window's selection commands: cut, copy and paste, the replace dialog, mirror, flip and
// the wall tile sets dialog, each acting on the active map and doing nothing without one.
class EditCommands : public QObject {
    Q_OBJECT
public:
    // Connects the Edit menu, the top toolbar's buttons and "Create Wall Tiles" of `general`.
    explicit EditCommands(MainWindow& general);
    ~EditCommands() override;

    // Opens the replace dialog for the active map, unless its selection has been moved.
    void showReplaceDialog();
    // `mode` 0 and 1 switch, 2 and 3 replace; over the selection when `inselection`.
    void replaceTiles(int mode, int16_t tilesrc, int16_t tiledest, bool inselection);
    void mirrorSelection();
    void flipSelection();
    // Opens the wall tile sets dialog for the active map.
    // Gives every wall cell of the selection (or of the map) the piece of its neighbours, as one step.
    void retileWalls();
    void showWallSetsDialog();

    // The open dialogs, or null.
    ReplaceDialog* replaceDialog() const;
    WallSetsDialog* wallsDialog() const;

private:
    MainWindow& general;
    QPointer<ReplaceDialog> replace;
    QPointer<WallSetsDialog> walls;
};
