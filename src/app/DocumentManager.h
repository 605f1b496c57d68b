#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

class AppDialogs;
class MapWindow;
class QWidget;
class RecentFiles;

// The open levels: up to ten document slots, the active one, their captions, and opening, creating,
// saving and closing them. The main window shows what it announces (Window menu, title, commands).
class DocumentManager : public QObject {
    Q_OBJECT
public:
    static constexpr int SlotCount = 10;
    static QString maximumMessage() { return tr("Error: Maximum number of maps are already open"); }

    // Makes the (not yet shown) map window of a slot.
    using MapFactory = std::function<MapWindow*(int slot)>;

    // `window` is the parent of the messages and file dialogs; `recent` the recent-file list.
    DocumentManager(AppDialogs& dialogs, QWidget& window, RecentFiles& recent, MapFactory makeMap,
                    QObject* parent = nullptr);

    AppDialogs& dialogs() const { return dialogBoxes; }
    QWidget* window() const { return &owner; }
    RecentFiles& recent() const { return recentFiles; }

    // The lowest free document slot, or -1 when all are in use.
    int freeSlot() const;
    // The map window of a document slot, or null when the slot is free.
    MapWindow* map(int slot) const { return maps.at(static_cast<size_t>(slot)); }
    bool mapInUse(int slot) const { return map(slot) != nullptr; }
    // The open map windows in slot order.
    QList<MapWindow*> openMaps() const;
    // The slot of the active map (the last one activated), and its map or null.
    int activeSlot() const { return active; }
    void setActiveSlot(int slot) { active = slot; }
    MapWindow* activeMap() const { return map(active); }
    // A map window became the active one.
    void activate(int slot);

    // Puts a new map window into a free slot and makes it the active one; not shown yet.
    MapWindow* placeMap(int slot);
    // Takes back a placed map that could not be filled: its slot is freed and `previous` is active again.
    void discardPlaced(MapWindow* map, int previous);
    // Announces a placed and captioned map, so that it is shown.
    void showMap(MapWindow* map);
    // Empties a slot.
    void releaseSlot(int slot);
    // A map window closed for good: its slot is freed.
    void closed(int slot);
    // "Untitled", or "Untitled" and the smallest number no other level uses as caption.
    QString freeCaption(int slot) const;
    // Captions a level's window.
    void setCaption(MapWindow* map, const QString& caption);
    // The changed mark of a level may have changed.
    void markChanged(MapWindow* map) { emit documentChanged(map); }

    // A new empty level in the lowest free slot; null (after a message) when none is free.
    MapWindow* newLevel();
    // Opens a level in a free slot; an empty name asks for one. Returns the slot, or nothing when
    // no slot is free, the file is already open, could not be read or nothing was chosen.
    std::optional<int> openLevel(const QString& filename);
    // Opens the level files among `names` in turn, stopping when no slot is left.
    void openLevels(const QStringList& names);
    // Opens the level files of a drop in turn; stops at a name that is neither a file nor has an
    // extension, or when no slot is left.
    void openDropped(const QStringList& names);
    // Opens the file of a recent-list entry.
    void openRecentItem(int index);
    // Saves the active level; asks for a name when it has none or `saveas` is true.
    void saveActive(bool saveas);
    // The same for any open level; false when nothing was written (cancelled or failed, after a message).
    bool saveLevel(MapWindow& map, bool saveas);

    // Ends the open gesture of every map (see MainWindow::endGesture).
    void endGestures();
    // True when every changed level may close; asks them in slot order and stops at the first No.
    bool mayCloseAll();
    // Set once Exit has asked every changed level, so the closing windows do not ask again.
    bool exitApproved() const { return exitAsked; }
    void setExitApproved(bool approved) { exitAsked = approved; }

signals:
    // A map was placed and captioned and is to be shown.
    void documentAdded(MapWindow* map);
    // A slot became free.
    void documentRemoved(int slot);
    // The last open map closed.
    void lastDocumentClosed();
    // Another map became the active one.
    void activeDocumentChanged(int slot);
    // A level's caption or changed mark may differ from what is shown.
    void documentChanged(MapWindow* map);
    // A level was written (or a save was tried): its recovery copy is out of date.
    void documentSaved(MapWindow& map);
    // A map is to be brought to the front, as when the file opened is open already.
    void raiseRequested(MapWindow* map);

private:
    bool saveFile(MapWindow& map, bool saveas);
    // Opens `name` when it is a level file; false when no slot was free, so the caller stops.
    bool openUnlessFull(const QString& name);

    AppDialogs& dialogBoxes;
    QWidget& owner;
    RecentFiles& recentFiles;
    MapFactory makeMap;
    std::array<MapWindow*, SlotCount> maps{};
    int active = 0;
    bool exitAsked = false;
};
