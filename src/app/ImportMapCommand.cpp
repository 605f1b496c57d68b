#include "app/ImportMapCommand.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>

#include "app/General.h"
#include "app/MainWindow.h"
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

std::optional<int> open(MainWindow& general, const QString& path) {
    const int slot = general.getFreeMapSlot();
    if (slot < 0) {
        general.dialogs().message(&general, MainWindow::maximumMessage());
        return std::nullopt;
    }
    const int previous = general.activeSlot();
    MapWindow* map = general.placeMap(slot);
    MapImport::Options options;
    MapImport::Result result = importInto(*map, path, options);
    // Asking is answer enough: a cancelled choice or a declined question needs no message after it.
    bool answered = false;
    if (result.tileLayers.size() > 1) {
        options.layer = general.dialogs().chooseLayer(&general, General::fileNameOf(path), result.tileLayers);
        answered = options.layer.isEmpty();
        if (!answered && options.layer != result.layer) {
            result = importInto(*map, path, options);
        }
    }
    if (!answered && result.refusedFlips) {
        answered = true;
        if (general.dialogs().ask(&general, tr("%1\nImport the map with these tiles unflipped?").arg(result.error))) {
            options.lenient = true;
            result = importInto(*map, path, options);
            answered = false;
        }
    }
    if (answered || !result.ok()) {
        general.releaseSlot(slot);
        delete map;
        general.setActiveSlot(previous);
        if (!answered) {
            general.dialogs().message(&general, result.error, Dialogs::Icon::Warning);
        }
        return std::nullopt;
    }
    general.setCaption(map, tr("Imported from %1").arg(General::fileNameOf(path)));
    general.showMap(map);
    if (!result.warnings.isEmpty()) {
        general.dialogs().message(&general, result.warnings.join(QLatin1Char('\n')), Dialogs::Icon::Warning);
    }
    return slot;
}

}  // namespace ImportMapCommand
