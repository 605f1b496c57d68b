#pragma once

#include <QList>
#include <QString>
#include <memory>

#include "model/LoadReport.h"
#include "model/RecoveryCopy.h"

class Level;
class QLockFile;
struct RecoverySnapshot;

// The recovery folder of one running editor: copies of levels with unsaved changes, each a `.lvl`
// file with a small description beside it, and one lock per running editor so that editors
// sharing the folder never offer, take or delete each other's copies.
class RecoveryStore {
public:
    explicit RecoveryStore(const QString& folder);
    // Releases this editor's lock; its copies stay, as a crash would leave them, unless removed.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Creates the folder and takes this editor's lock. An empty string on success, otherwise why
    // the folder cannot be used.
    QString open();
    QString folder() const { return dir; }
    // A name for a new copy that no copy in the folder has.
    static QString newId();
    // Writes copy `id` of a level, replacing an older one: its description first, then the level,
    // each complete or not at all. Touches only the two files, so it may run on any thread.
    // Returns an empty string on success, otherwise why the copy could not be written.
    QString write(const QString& id, const RecoverySnapshot& snapshot) const;
    // The copies of editors that no longer run, oldest first, each with what its level's file went
    // through since. A copy whose description cannot be read or names a path outside the folder is
    // listed with its problem.
    QList<RecoveryCopy> orphans() const;
    // Loads a copy into a fresh level, marked changed. The level is bound to its own file only when
    // that file is still what it was when the copy began; `copy.fileChange` says what was found.
    // A damaged copy fails with a message that names it; its files are left as they are.
    LoadReport read(RecoveryCopy& copy, Level& level) const;
    // What the level's own file of a copy went through since the copy began.
    static FileStamp::Change fileChange(const RecoveryCopy& copy);
    // Makes a copy left by another editor this editor's own, so no other editor offers it.
    QString adopt(const RecoveryCopy& copy) const;
    // Deletes a copy's files.
    void remove(const QString& id) const;
    QString levelPath(const QString& id) const;

private:
    QString descriptionPath(const QString& id) const;
    QString lockPath(const QString& owner) const;
    QString writeDescription(const RecoveryCopy& copy) const;
    bool ownerRuns(const QString& owner) const;

    QString dir;
    QString token;
    std::unique_ptr<QLockFile> lock;
};
