#include "app/TilesetCommands.h"

#include <QCoreApplication>

#include "app/Dialogs.h"
#include "app/DocumentManager.h"
#include "app/MapWindow.h"
#include "model/TilesetFile.h"
#include "view/DialogFolder.h"

namespace {
const QString TilesetOpenFilter = QStringLiteral("*.lvl, *.bmp (*.lvl *.bmp)");
const QString BitmapFilter = QStringLiteral("*.bmp (*.bmp)");
}  // namespace

void TilesetCommands::importTileset() {
    MapWindow* map = documents.activeMap();
    if (map == nullptr) {
        return;
    }
    const QString name = documents.dialogs().openFile(
        documents.window(), QCoreApplication::translate("TilesetCommands", "Select an tileset to open"),
        TilesetOpenFilter);
    if (name.isEmpty()) {
        return;
    }
    const QString error = TilesetFile::importTileset(map->level(), name);
    if (!error.isEmpty()) {
        documents.dialogs().message(documents.window(), error, Dialogs::Icon::Warning);
        return;
    }
    DialogFolder::remember(name);
}

void TilesetCommands::exportTileset() {
    MapWindow* map = documents.activeMap();
    if (map == nullptr) {
        return;
    }
    const QString name = documents.dialogs().saveFile(
        documents.window(), QCoreApplication::translate("TilesetCommands", "Save Tileset as bmp"), BitmapFilter,
        QString());
    if (name.isEmpty()) {
        return;
    }
    const QString error = TilesetFile::exportTileset(map->level(), name);
    if (!error.isEmpty()) {
        documents.dialogs().message(documents.window(), error, Dialogs::Icon::Warning);
        return;
    }
    DialogFolder::remember(name);
}

void TilesetCommands::discardTileset() {
    if (MapWindow* map = documents.activeMap()) {
        TilesetFile::discardTileset(map->level());
    }
}
