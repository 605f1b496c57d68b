#include "app/RecoveryCopies.h"

#include <QStandardPaths>
#include <QTimer>
#include <algorithm>

#include "app/Dialogs.h"
#include "app/DocumentManager.h"
#include "app/General.h"
#include "app/MapWindow.h"
#include "app/RecoveryDialog.h"
#include "model/RecoverySnapshot.h"
#include "model/RecoveryStore.h"
#include "model/RecoveryWriter.h"
#include "model/UserSettings.h"
#include "walls/SetsFile.h"

namespace {

int milliseconds(const QVariant& seconds, int fallback) {
    bool ok = false;
    const double value = seconds.toDouble(&ok);
    // Below a tenth of a second copies would be taken while the user is still drawing.
    return ok && value >= 0.1 ? static_cast<int>(std::min(value, 24.0 * 3600) * 1000) : fallback;
}

}  // namespace

RecoveryCopies::Timing RecoveryCopies::Timing::fromUserSettings() {
    Timing timing;
    const auto settings = userSettings();
    settings->beginGroup(QStringLiteral("Recovery"));
    timing.enabled = settings->value(QStringLiteral("enabled"), true).toBool();
    timing.delayMs = milliseconds(settings->value(QStringLiteral("delaySeconds")), timing.delayMs);
    timing.maxIntervalMs = std::max(
        timing.delayMs, milliseconds(settings->value(QStringLiteral("maxIntervalSeconds")), timing.maxIntervalMs));
    return timing;
}

QString RecoveryCopies::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

RecoveryCopies::RecoveryCopies(DocumentManager& documents) : QObject(&documents), documents(documents) {
    connect(&documents, &DocumentManager::documentSaved, this, &RecoveryCopies::mapChanged);
}

RecoveryCopies::~RecoveryCopies() {
    // Every removal asked for reaches the disk before the lock goes, so a clean exit leaves nothing.
    writer.reset();
}

bool RecoveryCopies::start(const QString& folder, const Timing& wanted) {
    timing = wanted;
    auto opened = std::make_unique<RecoveryStore>(folder);
    if (!opened->open().isEmpty()) {
        return false;
    }
    store = std::move(opened);
    writer = std::make_unique<RecoveryWriter>(*store);
    return true;
}

void RecoveryCopies::offerRestore() {
    if (!store) {
        return;
    }
    QList<RecoveryCopy> copies = store->orphans();
    if (copies.isEmpty()) {
        return;
    }
    // The copies left out of the answer stay for the next start.
    switch (documents.dialogs().offerRecovery(documents.window(), copies)) {
        case AppDialogs::RecoveryChoice::Restore:
            restore(copies);
            break;
        case AppDialogs::RecoveryChoice::Discard:
            for (const RecoveryCopy& copy : copies) {
                store->remove(copy.id);
            }
            break;
        case AppDialogs::RecoveryChoice::Later:
            break;
    }
}

void RecoveryCopies::restore(QList<RecoveryCopy> copies) {
    QStringList problems;
    for (RecoveryCopy& copy : copies) {
        const int16_t slot = documents.freeSlot();
        if (slot < 0) {
            // The copies not restored stay for the next start.
            problems << DocumentManager::maximumMessage();
            break;
        }
        const int previous = documents.activeSlot();
        MapWindow* map = documents.placeMap(slot);
        const LoadReport report = store->read(copy, map->level());
        if (!report.ok()) {
            documents.discardPlaced(map, previous);
            problems << report.message;
            continue;
        }
        const QString name = General::fileNameOf(copy.original);
        if (!copy.original.isEmpty()) {
            // The copy holds the cells only; the sets beside the file come along, so that even an
            // unnamed copy saves them under its new name.
            SetsFile::ReadResult sets = SetsFile::read(SetsFile::setsPathFor(copy.original));
            map->levelSets() = std::move(sets.sets);
            if (!sets.ok()) {
                problems << sets.error;
            }
        }
        if (copy.original.isEmpty()) {
            documents.setCaption(map, documents.freeCaption(slot));
        } else if (map->level().activeFile().isEmpty()) {
            // Not in the recent list either: the list names files, and this level is none of them yet.
            documents.setCaption(map, tr("Recovered from %1").arg(name));
            problems << RecoveryDialog::fileNote(copy) + QLatin1Char(' ') +
                            tr("The copy opens as \"Recovered from %1\" and Save asks for a name, so that file "
                               "stays as it is.")
                                .arg(name);
        } else {
            documents.setCaption(map, name);
        }
        documents.showMap(map);
        // The copy now belongs to this editor and stays until the level is saved or closed.
        store->adopt(copy);
        Entry& e = entry(*map);
        e.id = copy.id;
        e.written = true;
        writer->keepBase(copy.id, copy.base);
    }
    if (!problems.isEmpty()) {
        documents.dialogs().message(documents.window(), problems.join(QStringLiteral("\n\n")), Dialogs::Icon::Warning);
    }
}

RecoveryCopies::Entry& RecoveryCopies::entry(MapWindow& map) {
    const auto found = entries.find(&map);
    if (found != entries.end()) {
        return found->second;
    }
    Entry& e = entries[&map];
    e.map = &map;
    e.id = RecoveryStore::newId();
    e.timer = new QTimer(this);
    e.timer->setSingleShot(true);
    connect(e.timer, &QTimer::timeout, this, [this, &map] { writeCopy(map); });
    // A window destroyed without closing (the program's end) keeps its copy, as a crash would.
    connect(&map, &QObject::destroyed, this, [this, key = &map] {
        const auto gone = entries.find(key);
        if (gone != entries.end()) {
            delete gone->second.timer;
            entries.erase(gone);
        }
    });
    return e;
}

void RecoveryCopies::mapChanged(MapWindow& map) {
    if (!store) {
        return;
    }
    if (!map.level().changed()) {
        const auto found = entries.find(&map);
        if (found != entries.end()) {
            dropCopy(found->second);
        }
        return;
    }
    if (!timing.enabled) {
        return;
    }
    Entry& e = entry(map);
    if (!e.pendingSince.isValid()) {
        e.pendingSince.start();
    }
    // Each edit pushes the copy back, but never past the longest interval since the first edit it misses.
    const qint64 latest = timing.maxIntervalMs - e.pendingSince.elapsed();
    e.timer->start(static_cast<int>(std::clamp<qint64>(latest, 0, timing.delayMs)));
}

void RecoveryCopies::writeCopy(MapWindow& map) {
    Entry& e = entry(map);
    e.pendingSince.invalidate();
    if (!map.level().changed()) {
        return;
    }
    RecoverySnapshot snapshot = RecoverySnapshot::take(map.level(), map.windowTitle());
    // The copy begins: it remembers the file its changes were made to, so that restoring it later
    // never binds it to a file saved since.
    snapshot.beginsCopy = !e.written;
    writer->write(e.id, std::move(snapshot));
    e.written = true;
}

void RecoveryCopies::dropCopy(Entry& e) {
    e.timer->stop();
    e.pendingSince.invalidate();
    if (e.written) {
        writer->remove(e.id);
        e.written = false;
    }
}

void RecoveryCopies::forget(MapWindow& map) {
    const auto found = entries.find(&map);
    if (found == entries.end()) {
        return;
    }
    dropCopy(found->second);
    delete found->second.timer;
    entries.erase(found);
}

void RecoveryCopies::flush() {
    if (!writer) {
        return;
    }
    for (auto& [key, e] : entries) {
        if (e.timer->isActive()) {
            e.timer->stop();
            writeCopy(*e.map);
        }
    }
    writer->waitForDone();
}
