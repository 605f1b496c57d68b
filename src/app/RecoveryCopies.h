#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <memory>
#include <unordered_map>

#include "model/RecoveryCopy.h"

class QTimer;
class RecoveryStore;
class RecoveryWriter;
class DocumentManager;
class MapWindow;

// Keeps a recovery copy of every level with unsaved changes, a few seconds behind the last edit,
// and offers the copies a crashed editor left behind when the program starts. Inactive until
// started, so a main window made by a test never touches the user's recovery folder.
class RecoveryCopies : public QObject {
    Q_OBJECT
public:
    // When copies are taken, from the [Recovery] group of the user's settings file.
    struct Timing {
        bool enabled = true;
        int delayMs = 5000;         // after the last edit
        int maxIntervalMs = 60000;  // at the latest while edits go on
        static Timing fromUserSettings();
    };

    // The per-user recovery folder.
    static QString defaultFolder();

    explicit RecoveryCopies(DocumentManager& documents);
    ~RecoveryCopies() override;

    // Takes `folder` into use. False when it cannot be used; the editor then works without copies.
    bool start(const QString& folder, const Timing& timing);
    // New timing for the copies scheduled from now on.
    void setTiming(const Timing& wanted) { timing = wanted; }
    // Asks what to do with the copies of editors that no longer run, if there are any.
    void offerRestore();
    // A level was edited or saved: its copy is scheduled, or removed when nothing is unsaved.
    void mapChanged(MapWindow& map);
    // A level closes for good (saved, or its changes discarded): its copy goes.
    void forget(MapWindow& map);
    // Writes the copies that are due now instead of later and waits until every copy is on disk.
    void flush();

private:
    struct Entry {
        MapWindow* map = nullptr;
        QString id;
        QTimer* timer = nullptr;
        QElapsedTimer pendingSince;  // the first edit the copy does not hold yet
        bool written = false;
    };

    Entry& entry(MapWindow& map);
    void writeCopy(MapWindow& map);
    void dropCopy(Entry& e);
    void restore(QList<RecoveryCopy> copies);

    DocumentManager& documents;
    Timing timing;
    // Declared before the writer, which uses it until its last job is done.
    std::unique_ptr<RecoveryStore> store;
    std::unique_ptr<RecoveryWriter> writer;
    std::unordered_map<const MapWindow*, Entry> entries;
};
