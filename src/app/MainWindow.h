#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "app/Dialogs.h"
#include "tools/ToolId.h"

class EditCommands;
class FileCommands;
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

// The main window: up to 10 open levels in document slots, the menus and toolbars, the tileset
// panel and the radar. Every command acts on the active level.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int SlotCount = 10;
    static QString maximumMessage() { return tr("Error: Maximum number of maps are already open"); }

    // `recentIni` is the file that keeps the recent-file list.
    explicit MainWindow(std::unique_ptr<AppDialogs> dialogs = std::make_unique<AppDialogs>(), QWidget* parent = nullptr,
                        const QString& recentIni = {});
    ~MainWindow() override;

    // The lowest free document slot, or -1 when all are in use.
    int getFreeMapSlot() const;
    // A new empty level in the lowest free slot; null (after a message) when none is free.
    MapWindow* newLevel();
    // Opens a level in a free slot; an empty name asks for one. Returns the slot, or nothing when
    // no slot is free, the file is already open, could not be read or nothing was chosen.
    std::optional<int> openLevel(const QString& filename);
    // Opens the level files among `names` in turn, stopping when no slot is left.
    void openLevels(const QStringList& names);
    // Saves the active level; asks for a name when it has none or `saveas` is true.
    void saveLevel(bool saveas);
    // The same for any open level; false when nothing was written.
    bool saveLevel(MapWindow& map, bool saveas);
    // Frees a slot; called by a map window that closes.
    void destroyMapWindow(int index);
    // Puts a new map window into a free slot and makes it the active one; not shown yet.
    MapWindow* placeMap(int slot);
    // Shows a placed map window, centred and drawn, and enables the level commands.
    void showMap(MapWindow* map);
    // Empties a slot and hides its Window-menu item.
    void releaseSlot(int slot);
    // "Untitled", or "Untitled" and the smallest number no other level uses as caption.
    QString freeCaption(int slot) const;
    // Captions a level's window and its Window-menu item.
    void setCaption(MapWindow* map, const QString& caption);
    // Moves the Window menu's check mark to the active level.
    void updateWindowMenu();
    // Marks changed levels in the Window menu and names the active one in the window's title.
    void showLevelNames();
    void importTileset();
    void exportTileset();
    void discardTileset();
    // Opens the file of a recent-list entry.
    void openRecentItem(int index);
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

    // Whether the bucket fills only within the visible area.
    bool fillInScreen() const;
    // The top-toolbar button with `key`, or null; the left-toolbar button of a tool.
    QAction* topButton(const QString& key) const;
    QAction* toolButton(ToolId tool) const;
    RecentFiles& recent() const;

    MapWindow* activeMap() const;
    void setUndoRedoEnabled(bool canUndo, bool canRedo);
    void setOwnTilesetItemsEnabled(bool enabled);

    AppDialogs& dialogs() { return *dialogBoxes; }
    // Recovery copies of the levels with unsaved changes; inactive until started.
    RecoveryCopies& recoveryCopies() { return *recovery; }

    // The map window of a document slot, or null when the slot is free.
    MapWindow* map(int slot) const { return maps.at(static_cast<size_t>(slot)); }
    bool mapInUse(int slot) const { return map(slot) != nullptr; }
    // The slot of the active map (the last one activated).
    int activeSlot() const { return activemap; }
    void setActiveSlot(int slot) { activemap = slot; }
    // A mouse button went down on a map or the tileset panel and has not come up yet.
    bool mouseIsDown() const { return mouseDown; }
    void setMouseIsDown(bool down) { mouseDown = down; }
    // Set once Exit has asked every changed level, so the closing windows do not ask again.
    bool exitApproved() const { return exitAsked; }
    void setExitApproved(bool approved) { exitAsked = approved; }

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

    std::array<MapWindow*, SlotCount> maps{};
    int activemap = 0;
    ToolId tool = ToolId::Hand;
    bool mouseDown = false;
    bool exitAsked = false;

    QMdiArea* mdi;
    MainMenu* menu;
    ToolBars* toolbars;
    RightPanel* panel;
    TilesetPicker* picker;
    EditCommands* edits;
    PictureBox* radarPicture;
    QLabel* cellPositionLabel;

    std::unique_ptr<AppDialogs> dialogBoxes;
    std::unique_ptr<FileCommands> files;
    RecoveryCopies* recovery;
};
