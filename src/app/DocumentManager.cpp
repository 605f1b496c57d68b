#include "app/DocumentManager.h"

#include <QFileInfo>
#include <QMdiSubWindow>

#include "app/Dialogs.h"
#include "app/General.h"
#include "app/ImportMapCommand.h"
#include "app/MapWindow.h"
#include "app/RecentFiles.h"
#include "mapformats/MapImport.h"
#include "model/LevelFile.h"
#include "view/DialogFolder.h"
#include "walls/SetsFile.h"

namespace {
const QString LevelFilter = QStringLiteral("*.lvl (*.lvl)");
}  // namespace

DocumentManager::DocumentManager(AppDialogs& dialogs, QWidget& window, RecentFiles& recent, MapFactory makeMap,
                                 QObject* parent)
    : QObject(parent), dialogBoxes(dialogs), owner(window), recentFiles(recent), makeMap(std::move(makeMap)) {}

int DocumentManager::freeSlot() const {
    for (int i = 0; i < SlotCount; ++i) {
        if (!mapInUse(i)) {
            return i;
        }
    }
    return -1;
}

QList<MapWindow*> DocumentManager::openMaps() const {
    QList<MapWindow*> open;
    for (MapWindow* map : maps) {
        if (map != nullptr) {
            open << map;
        }
    }
    return open;
}

void DocumentManager::activate(int slot) {
    active = slot;
    emit activeDocumentChanged(slot);
}

MapWindow* DocumentManager::placeMap(int slot) {
    MapWindow* map = makeMap(slot);
    maps[static_cast<size_t>(slot)] = map;
    active = slot;
    return map;
}

void DocumentManager::discardPlaced(MapWindow* map, int previous) {
    releaseSlot(map->mapslot());
    delete map;
    active = previous;
}

void DocumentManager::showMap(MapWindow* map) {
    emit documentAdded(map);
}

void DocumentManager::releaseSlot(int slot) {
    maps[static_cast<size_t>(slot)] = nullptr;
    emit documentRemoved(slot);
}

void DocumentManager::closed(int slot) {
    releaseSlot(slot);
    if (openMaps().isEmpty()) {
        emit lastDocumentClosed();
    }
}

QString DocumentManager::freeCaption(int slot) const {
    const auto taken = [this, slot](const QString& caption) {
        for (int i = 0; i < SlotCount; ++i) {
            if (i != slot && mapInUse(i) && map(i)->windowTitle() == caption) {
                return true;
            }
        }
        return false;
    };
    QString caption = tr("Untitled");
    for (int n = 1; taken(caption); ++n) {
        caption = tr("Untitled%1").arg(n);
    }
    return caption;
}

void DocumentManager::setCaption(MapWindow* map, const QString& caption) {
    map->setWindowTitle(caption);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(map->parentWidget())) {
        sub->setWindowTitle(caption + QStringLiteral("[*]"));
    }
    emit documentChanged(map);
}

MapWindow* DocumentManager::newLevel() {
    const int slot = freeSlot();
    if (slot < 0) {
        dialogBoxes.message(&owner, maximumMessage());
        return nullptr;
    }
    MapWindow* map = placeMap(slot);
    LevelFile::newLevel(map->level());
    setCaption(map, freeCaption(slot));
    showMap(map);
    return map;
}

std::optional<int> DocumentManager::openLevel(const QString& filename) {
    const int slot = freeSlot();
    if (slot < 0) {
        dialogBoxes.message(&owner, maximumMessage());
        return std::nullopt;
    }
    // Tile maps of other editors open as new levels too.
    QString name = filename.isEmpty()
                       ? dialogBoxes.openFile(&owner, tr("Select an lvl to open"),
                                              LevelFilter + QStringLiteral(";;") + tr("Tile maps (*.tmx *.tmj)"))
                       : filename;
    if (name.isEmpty()) {
        return std::nullopt;
    }
    if (MapImport::isMapName(name)) {
        return ImportMapCommand::open(*this, name);
    }
    name = QFileInfo(name).absoluteFilePath();
    for (MapWindow* open : openMaps()) {
        if (open->level().activeFile() == name) {
            dialogBoxes.message(&owner, tr("Map is already open!"));
            emit raiseRequested(open);
            return std::nullopt;
        }
    }
    const int previous = active;
    MapWindow* map = placeMap(slot);
    const LoadReport report = LevelFile::openLevel(map->level(), name);
    if (report.outcome == LoadReport::Outcome::Failed) {
        // Nothing could be read: no window for it, and the level that was active stays active.
        discardPlaced(map, previous);
        dialogBoxes.message(&owner, report.message, Dialogs::Icon::Warning);
        return std::nullopt;
    }
    DialogFolder::remember(name);
    if (report.outcome == LoadReport::Outcome::InvalidTileset) {
        // The window stays as an empty, unnamed level, so saving it cannot overwrite the file.
        LevelFile::newLevel(map->level());
        setCaption(map, freeCaption(slot));
    } else if (map->level().activeFile().isEmpty()) {
        // Only part of the file could be read: the window shows it unnamed, so Save asks for a name.
        setCaption(map, freeCaption(slot));
    } else {
        setCaption(map, General::fileNameOf(name));
        recentFiles.addRecent(name);
    }
    // The sets beside the file belong to it even when the level opens unnamed; a damaged sets file
    // gives no sets and stays as it is until the designer changes the sets.
    SetsFile::ReadResult sets = report.outcome == LoadReport::Outcome::InvalidTileset
                                    ? SetsFile::ReadResult{}
                                    : SetsFile::read(SetsFile::setsPathFor(name));
    map->levelSets() = std::move(sets.sets);
    showMap(map);
    if (!report.message.isEmpty()) {
        dialogBoxes.message(&owner, report.message, Dialogs::Icon::Warning);
    }
    if (!sets.ok()) {
        dialogBoxes.message(&owner, tr("The wall and random sets of this level could not be read:\n%1").arg(sets.error),
                            Dialogs::Icon::Warning);
    }
    return slot;
}

bool DocumentManager::openUnlessFull(const QString& name) {
    if (!General::isLevelName(name) && !MapImport::isMapName(name)) {
        return true;
    }
    // Asked first: openLevel shows the message itself and returns nothing, as for any other failure.
    const bool full = freeSlot() < 0;
    openLevel(name);
    return !full;
}

void DocumentManager::openLevels(const QStringList& names) {
    for (const QString& name : names) {
        if (!openUnlessFull(name)) {
            return;
        }
    }
}

void DocumentManager::openDropped(const QStringList& names) {
    for (const QString& name : names) {
        if (General::extensionOf(General::fileNameOf(name)).isEmpty() && !QFileInfo(name).isFile()) {
            return;
        }
        if (!openUnlessFull(name)) {
            return;
        }
    }
}

void DocumentManager::openRecentItem(int index) {
    const QString name = recentFiles.entry(index);
    if (name.isEmpty()) {
        return;
    }
    if (!QFileInfo::exists(name)) {
        dialogBoxes.message(&owner, tr("Error: The file does not longer exist!"), Dialogs::Icon::Warning);
        return;
    }
    openLevel(name);
    // Only a level that is open now (just opened, or open already) moves to the top.
    for (const MapWindow* open : openMaps()) {
        if (open->level().activeFile() == QFileInfo(name).absoluteFilePath()) {
            recentFiles.moveRecentToTop(index);
            return;
        }
    }
}

void DocumentManager::saveActive(bool saveas) {
    if (MapWindow* map = activeMap()) {
        saveLevel(*map, saveas);
    }
}

bool DocumentManager::saveLevel(MapWindow& map, bool saveas) {
    // What is saved includes the gesture in progress, as its own step.
    endGestures();
    const bool saved = saveFile(map, saveas);
    map.showModified();
    emit documentSaved(map);
    return saved;
}

bool DocumentManager::saveFile(MapWindow& map, bool saveas) {
    QString name = map.level().activeFile();
    if (name.isEmpty() || saveas) {
        name = dialogBoxes.saveFile(&owner, tr("Save lvl as..."), LevelFilter, name);
        if (name.isEmpty()) {
            return false;
        }
    }
    const QString error = LevelFile::saveLevel(map.level(), name);
    if (!error.isEmpty()) {
        dialogBoxes.message(&owner, error, Dialogs::Icon::Warning);
        return false;
    }
    // Unchanged sets stay as they are on disk (a damaged file too); a new name takes them along.
    LevelSets& sets = map.levelSets();
    if (sets.changed() || name != map.level().activeFile()) {
        const QString setsError = SetsFile::saveBeside(sets, name);
        if (!setsError.isEmpty()) {
            dialogBoxes.message(&owner,
                                tr("The level was saved, but its wall and random sets were not:\n%1").arg(setsError),
                                Dialogs::Icon::Warning);
            map.level().markChanged();
        }
    }
    // The level takes the new name, and the dialogs its folder, only once the file is really there.
    DialogFolder::remember(name);
    if (name != map.level().activeFile()) {
        map.level().setActiveFile(name);
        recentFiles.addRecent(name);
        setCaption(&map, General::fileNameOf(name));
    }
    return true;
}

void DocumentManager::endGestures() {
    for (MapWindow* map : openMaps()) {
        map->endGesture();
    }
}

bool DocumentManager::mayCloseAll() {
    for (MapWindow* map : openMaps()) {
        if (!map->mayClose()) {
            return false;
        }
    }
    return true;
}
