#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class MainWindow;
class MapWindow;

// The main window's commands that read and write files: opening and saving levels, the recent
// list's items, and importing, exporting and discarding tilesets. A file that cannot be read or
// written is reported with its name and the reason; nothing open is lost.
class FileCommands {
public:
    explicit FileCommands(MainWindow& general) : general(general) {}

    // See MainWindow::OpenMap.
    std::optional<int> openLevel(const QString& filename);
    void openLevels(const QStringList& names);
    // Opens the level files of a drop in turn; stops at a name that is neither a file nor has an
    // extension, or when no slot is left.
    void openDropped(const QStringList& names);
    // Saves `map`, asking for a name when it has none or `saveas` is true; false when nothing was
    // written (cancelled or failed, after a message).
    bool saveLevel(MapWindow& map, bool saveas);
    void importTileset();
    void exportTileset();
    void discardTileset();
    void openRecentItem(int index);

private:
    // Opens `name` when it is a level file; false when no slot was free, so the caller stops.
    bool openUnlessFull(const QString& name);

    MainWindow& general;
};
