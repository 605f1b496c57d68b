#include "app/ExportMapCommand.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/MainWindow.h"
#include "app/MapWindow.h"
#include "mapformats/MapExport.h"

namespace ExportMapCommand {

void run(MainWindow& general) {
    const MapWindow* map = general.activeMap();
    if (map == nullptr) {
        return;
    }
    QString start;
    if (!map->level().activeFile.isEmpty()) {
        const QFileInfo level(map->level().activeFile);
        start = level.dir().filePath(level.completeBaseName() + QStringLiteral(".tmx"));
    }
    const QString path = general.dialogs().saveFile(
        &general, QCoreApplication::translate("ExportMapCommand", "Export Map"),
        QCoreApplication::translate("ExportMapCommand", "TMX map (*.tmx);;JSON map (*.tmj)"), start);
    if (path.isEmpty()) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString error = MapExport::write(map->level(), path, TileMapFormat::Encoding::Csv);
    QApplication::restoreOverrideCursor();
    if (!error.isEmpty()) {
        general.dialogs().message(&general, error, Dialogs::Icon::Warning);
    }
}

}  // namespace ExportMapCommand
