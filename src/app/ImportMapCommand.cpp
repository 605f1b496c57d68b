#include "app/ImportMapCommand.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>

#include "app/Dialogs.h"
#include "app/DocumentManager.h"
#include "app/General.h"
#include "app/MapWindow.h"
#include "mapformats/MapImport.h"

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("ImportMapCommand", text);
}

MapImport::Result importInto(MapWindow& map, const QString& path, const MapImport::Options& options) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    MapImport::Result result = MapImport::import(path, options, map.level());
    QApplication::restoreOverrideCursor();
    return result;
}

}  // namespace

namespace ImportMapCommand {

std::optional<int> open(DocumentManager& documents, const QString& path) {
    const int slot = documents.freeSlot();
    if (slot < 0) {
        documents.dialogs().message(documents.window(), DocumentManager::maximumMessage());
        return std::nullopt;
    }
    const int previous = documents.activeSlot();
    MapWindow* map = documents.placeMap(slot);
    MapImport::Options options;
    MapImport::Result result = importInto(*map, path, options);
    // Asking is answer enough: a cancelled choice or a declined question needs no message after it.
    bool answered = false;
    if (result.tileLayers.size() > 1) {
        options.layer =
            documents.dialogs().chooseLayer(documents.window(), General::fileNameOf(path), result.tileLayers);
        answered = options.layer.isEmpty();
        if (!answered && options.layer != result.layer) {
            result = importInto(*map, path, options);
        }
    }
    if (!answered && result.refusedFlips) {
        answered = true;
        if (documents.dialogs().ask(documents.window(),
                                    tr("%1\nImport the map with these tiles unflipped?").arg(result.error))) {
            options.lenient = true;
            result = importInto(*map, path, options);
            answered = false;
        }
    }
    if (answered || !result.ok()) {
        documents.discardPlaced(map, previous);
        if (!answered) {
            documents.dialogs().message(documents.window(), result.error, Dialogs::Icon::Warning);
        }
        return std::nullopt;
    }
    documents.setCaption(map, tr("Imported from %1").arg(General::fileNameOf(path)));
    documents.showMap(map);
    if (!result.warnings.isEmpty()) {
        documents.dialogs().message(documents.window(), result.warnings.join(QLatin1Char('\n')),
                                    Dialogs::Icon::Warning);
    }
    return slot;
}

}  // namespace ImportMapCommand
