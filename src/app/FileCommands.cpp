#include "app/FileCommands.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "app/General.h"
#include "app/ImportMapCommand.h"
#include "app/MainWindow.h"
#include "app/MapWindow.h"
#include "app/RecentFiles.h"
#include "mapformats/MapImport.h"
#include "model/LevelFile.h"
#include "model/TilesetFile.h"
#include "view/DialogFolder.h"

namespace {
const QString LevelFilter = QStringLiteral("*.lvl (*.lvl)");
const QString TilesetOpenFilter = QStringLiteral("*.lvl, *.bmp (*.lvl *.bmp)");
const QString BitmapFilter = QStringLiteral("*.bmp (*.bmp)");

// Tile maps of other editors open as new levels too.
QString levelOrMapFilter() {
    return LevelFilter + QStringLiteral(";;") + QCoreApplication::translate("FileCommands", "Tile maps (*.tmx *.tmj)");
}
}  // namespace

std::optional<int> FileCommands::openLevel(const QString& filename) {
    const int slot = general.getFreeMapSlot();
    if (slot < 0) {
        general.dialogs().message(&general, MainWindow::maximumMessage());
        return std::nullopt;
    }
    QString name =
        filename.isEmpty()
            ? general.dialogs().openFile(&general, QCoreApplication::translate("FileCommands", "Select an lvl to open"),
                                         levelOrMapFilter())
            : filename;
    if (name.isEmpty()) {
        return std::nullopt;
    }
    if (MapImport::isMapName(name)) {
        return ImportMapCommand::open(general, name);
    }
    name = QFileInfo(name).absoluteFilePath();
    for (int i = 0; i < MainWindow::SlotCount; ++i) {
        MapWindow* open = general.map(i);
        if (open != nullptr && open->level().activeFile == name) {
            general.dialogs().message(&general, QCoreApplication::translate("FileCommands", "Map is already open!"));
            general.showMapWindow(open);
            return std::nullopt;
        }
    }
    const int previous = general.activeSlot();
    MapWindow* map = general.placeMap(slot);
    const LoadReport report = LevelFile::openLevel(map->level(), name);
    if (report.outcome == LoadReport::Outcome::Failed) {
        // Nothing could be read: no window for it, and the level that was active stays active.
        general.releaseSlot(slot);
        delete map;
        general.setActiveSlot(previous);
        general.dialogs().message(&general, report.message, Dialogs::Icon::Warning);
        return std::nullopt;
    }
    DialogFolder::remember(name);
    if (report.outcome == LoadReport::Outcome::InvalidTileset) {
        // The window stays as an empty, unnamed level, so saving it cannot overwrite the file.
        LevelFile::newLevel(map->level());
        general.setCaption(map, general.freeCaption(slot));
    } else if (map->level().activeFile.isEmpty()) {
        // Only part of the file could be read: the window shows it unnamed, so Save asks for a name.
        general.setCaption(map, general.freeCaption(slot));
    } else {
        general.setCaption(map, General::fileNameOf(name));
        general.recent().addRecent(name);
    }
    general.showMap(map);
    if (!report.message.isEmpty()) {
        general.dialogs().message(&general, report.message, Dialogs::Icon::Warning);
    }
    return slot;
}

bool FileCommands::openUnlessFull(const QString& name) {
    if (!General::isLevelName(name) && !MapImport::isMapName(name)) {
        return true;
    }
    // Asked first: OpenMap shows the message itself and returns nothing, as for any other failure.
    const bool full = general.getFreeMapSlot() < 0;
    openLevel(name);
    return !full;
}

void FileCommands::openLevels(const QStringList& names) {
    for (const QString& name : names) {
        if (!openUnlessFull(name)) {
            return;
        }
    }
}

void FileCommands::openDropped(const QStringList& names) {
    for (const QString& name : names) {
        if (General::extensionOf(General::fileNameOf(name)).isEmpty() && !QFileInfo(name).isFile()) {
            return;
        }
        if (!openUnlessFull(name)) {
            return;
        }
    }
}

bool FileCommands::saveLevel(MapWindow& map, bool saveas) {
    QString name = map.level().activeFile;
    if (name.isEmpty() || saveas) {
        name = general.dialogs().saveFile(&general, QCoreApplication::translate("FileCommands", "Save lvl as..."),
                                          LevelFilter, name);
        if (name.isEmpty()) {
            return false;
        }
    }
    const QString error = LevelFile::saveLevel(map.level(), name);
    if (!error.isEmpty()) {
        general.dialogs().message(&general, error, Dialogs::Icon::Warning);
        return false;
    }
    // The level takes the new name, and the dialogs its folder, only once the file is really there.
    DialogFolder::remember(name);
    if (name != map.level().activeFile) {
        map.level().activeFile = name;
        general.recent().addRecent(name);
        general.setCaption(&map, General::fileNameOf(name));
    }
    return true;
}

void FileCommands::importTileset() {
    MapWindow* map = general.activeMap();
    if (map == nullptr) {
        return;
    }
    const QString name = general.dialogs().openFile(
        &general, QCoreApplication::translate("FileCommands", "Select an tileset to open"), TilesetOpenFilter);
    if (name.isEmpty()) {
        return;
    }
    const QString error = TilesetFile::importTileset(map->level(), name);
    if (!error.isEmpty()) {
        general.dialogs().message(&general, error, Dialogs::Icon::Warning);
        return;
    }
    DialogFolder::remember(name);
}

void FileCommands::exportTileset() {
    MapWindow* map = general.activeMap();
    if (map == nullptr) {
        return;
    }
    const QString name = general.dialogs().saveFile(
        &general, QCoreApplication::translate("FileCommands", "Save Tileset as bmp"), BitmapFilter, QString());
    if (name.isEmpty()) {
        return;
    }
    const QString error = TilesetFile::exportTileset(map->level(), name);
    if (!error.isEmpty()) {
        general.dialogs().message(&general, error, Dialogs::Icon::Warning);
        return;
    }
    DialogFolder::remember(name);
}

void FileCommands::discardTileset() {
    if (MapWindow* map = general.activeMap()) {
        TilesetFile::discardTileset(map->level());
    }
}

void FileCommands::openRecentItem(int index) {
    const QString name = general.recent().entry(index);
    if (name.isEmpty()) {
        return;
    }
    if (!QFileInfo::exists(name)) {
        general.dialogs().message(&general,
                                  QCoreApplication::translate("FileCommands", "Error: The file does not longer exist!"),
                                  Dialogs::Icon::Warning);
        return;
    }
    general.openLevel(name);
    // Only a level that is open now (just opened, or open already) moves to the top.
    for (int i = 0; i < MainWindow::SlotCount; ++i) {
        const MapWindow* open = general.map(i);
        if (open != nullptr && open->level().activeFile == QFileInfo(name).absoluteFilePath()) {
            general.recent().moveRecentToTop(index);
            return;
        }
    }
}
