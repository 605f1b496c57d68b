#include "app/ExportMapCommand.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/Dialogs.h"
#include "app/DocumentManager.h"
#include "app/MapWindow.h"
#include "mapformats/MapExport.h"

namespace ExportMapCommand {

void run(DocumentManager& documents) {
    const MapWindow* map = documents.activeMap();
    if (map == nullptr) {
        return;
    }
    QString start;
    if (!map->level().activeFile().isEmpty()) {
        const QFileInfo level(map->level().activeFile());
        start = level.dir().filePath(level.completeBaseName() + QStringLiteral(".tmx"));
    }
    const QString path = documents.dialogs().saveFile(
        documents.window(), QCoreApplication::translate("ExportMapCommand", "Export Map"),
        QCoreApplication::translate("ExportMapCommand", "TMX map (*.tmx);;JSON map (*.tmj)"), start);
    if (path.isEmpty()) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString error = MapExport::write(map->level(), path, TileMapFormat::Encoding::Csv);
    QApplication::restoreOverrideCursor();
    if (!error.isEmpty()) {
        documents.dialogs().message(documents.window(), error, Dialogs::Icon::Warning);
    }
}

}  // namespace ExportMapCommand
