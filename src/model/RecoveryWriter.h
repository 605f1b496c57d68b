#pragma once

#include <QHash>
#include <QMutex>
#include <QString>
#include <QThreadPool>

#include "model/FileStamp.h"

struct RecoverySnapshot;
class RecoveryStore;

// Encodes and writes recovery copies on a worker thread, so the user interface only pays for the
// snapshot. Writes and removals run one at a time in the order they were asked for, so a removal
// after a write always wins.
class RecoveryWriter {
public:
    explicit RecoveryWriter(const RecoveryStore& store);
    // Finishes every job asked for.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    void write(const QString& id, RecoverySnapshot snapshot);
    // Later writes of copy `id` remember `base` as the level's file when the copy began, as a
    // restored copy does.
    void keepBase(const QString& id, const FileStamp& base);
    void remove(const QString& id);
    void waitForDone();
    // Why the last copy could not be written; empty once a later one was.
    QString problem() const;

private:
    const RecoveryStore& store;
    QThreadPool pool;
    mutable QMutex mutex;
    QString lastProblem;
    // Only the worker touches these, one job at a time.
    QHash<QString, FileStamp> bases;
};
