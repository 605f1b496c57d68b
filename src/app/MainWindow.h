#pragma once

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>

#include "app/Dialogs.h"
#include "tools/ToolId.h"

class DocumentManager;
class EditCommands;
class TilesetCommands;
class MainMenu;
class PictureBox;
class QAction;
class QKeyEvent;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class RecentFiles;
class RecoveryCopies;
class RightPanel;
class ToolBars;
class TilesetPicker;
class MapWindow;

// The main window: the open levels' windows, the menus and toolbars, the tileset panel and the
// radar. Every command acts on the active level.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `recentIni` is the file that keeps the recent-file list.
    explicit MainWindow(std::unique_ptr<AppDialogs> dialogs = std::make_unique<AppDialogs>(), QWidget* parent = nullptr,
                        const QString& recentIni = {});
    ~MainWindow() override;

    // The open levels in their document slots.
    DocumentManager& documents() const { return *docs; }
    // Activates the level of a slot.
    void activateMapItem(int index);

    // Makes `tool` the tool of every level: cursors, pressed button, keyboard focus. A tool
    // other than the current one also ends a Ctrl-held dropper for good.
    void setCurrentTool(ToolId tool);
    ToolId currentTool() const { return tool; }
    // The Ctrl-held dropper: `map` keeps the tool it replaces until endTemporaryTool.
    void beginTemporaryTool(MapWindow& map, ToolId temporary);
    // Gives back the tool a temporary one replaced, if one is active in any map.
    void endTemporaryTool();
    // Ends the open gesture of every map: a stroke or polyline becomes its undo step, a floating
    // block is written where it floats as its own step, a rubber band is wiped. Everything that
    // interrupts the user calls it first: another tool, Undo, Redo, the selection commands, a
    // dialog, another map window, closing or saving a map, the program losing the focus.
    void endGesture();
    // Gives the keyboard to the active map's view, unless a dialog holds the program.
    void focusActiveMap();
    // Brings a map's window to the front and makes it the active one.
    void showMapWindow(MapWindow* map);
    void setLeftTile(int tilenr);
    void setRightTile(int tilenr);
    // Shows a level's tileset in the picker (a null image clears it).
    void showTileset(const QImage& picture);
    // Sets the Grid and TileNr buttons to a level's switches.
    void showDisplaySwitches(bool grid, bool tileNumbers);
    // Switches the active level's grid or tile numbers, as their toolbar buttons do.
    void switchGrid();
    void switchTileNumbers();

    // Whether the bucket fills only within the visible area.
    bool fillInScreen() const;
    // The left-toolbar button of a tool.
    QAction* toolButton(ToolId tool) const;
    RecentFiles& recent() const;

    // The active level's window, or null when none is open.
    MapWindow* activeMap() const;
    void setUndoRedoEnabled(bool canUndo, bool canRedo);
    void setOwnTilesetItemsEnabled(bool enabled);

    AppDialogs& dialogs() { return *dialogBoxes; }
    // Recovery copies of the levels with unsaved changes; inactive until started.
    RecoveryCopies& recoveryCopies() { return *recovery; }

    // A mouse button went down on a map or the tileset panel and has not come up yet.
    bool mouseIsDown() const { return mouseDown; }
    void setMouseIsDown(bool down) { mouseDown = down; }

    QMdiArea* mdiArea() const { return mdi; }
    MainMenu* mainMenu() const { return menu; }
    ToolBars* toolBars() const { return toolbars; }
    RightPanel* rightPanel() const { return panel; }
    // Cut, copy, paste, replace, mirror, flip and the wall tile sets dialog.
    EditCommands* editCommands() const { return edits; }
    PictureBox* radar() const { return radarPicture; }
    QLabel* positionLabel() const { return cellPositionLabel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void connectCommands();
    void applyTool(ToolId newTool);
    void setMapCommandsEnabled(bool enabled);
    void lineWidthClicked(int index);
    // Hands a key pressed on the panel to the active level's tool shortcuts.
    void forwardKey(QKeyEvent* event, bool keyDown);
    void withActiveMap(const std::function<void(MapWindow&)>& action);

    // Shows a placed map window, centred and drawn, and enables the level commands.
    void showMap(MapWindow* map);
    // Hides the Window-menu item of a freed slot.
    void hideMapItem(int slot);
    // Shows the Window-menu item of a level under its caption, and the window's title.
    void showMapItem(MapWindow* map);
    // Moves the Window menu's check mark to the active level.
    void updateWindowMenu();
    // Marks changed levels in the Window menu and names the active one in the window's title.
    void showLevelNames();
    // With the last level gone, the panel, the radar and the level commands are emptied.
    void clearLevelParts();

    ToolId tool = ToolId::Hand;
    bool mouseDown = false;

    QMdiArea* mdi;
    MainMenu* menu;
    ToolBars* toolbars;
    RightPanel* panel;
    TilesetPicker* picker;
    EditCommands* edits;
    PictureBox* radarPicture;
    QLabel* cellPositionLabel;

    std::unique_ptr<AppDialogs> dialogBoxes;
    DocumentManager* docs;
    std::unique_ptr<TilesetCommands> tilesets;
    RecoveryCopies* recovery;
};
