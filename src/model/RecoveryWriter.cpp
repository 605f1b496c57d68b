#include "model/RecoveryWriter.h"

#include <memory>

#include "model/RecoverySnapshot.h"
#include "model/RecoveryStore.h"

RecoveryWriter::RecoveryWriter(const RecoveryStore& store) : store(store) {
    pool.setMaxThreadCount(1);
    // The thread stays for the next copy a few seconds later instead of being made again.
    pool.setExpiryTimeout(-1);
}

RecoveryWriter::~RecoveryWriter() {
    waitForDone();
}

void RecoveryWriter::write(const QString& id, RecoverySnapshot snapshot) {
    // Shared, because the pool takes only copyable jobs and the grid must not be copied twice.
    auto held = std::make_shared<RecoverySnapshot>(std::move(snapshot));
    pool.start([this, id, held] {
        // Hashing the level's file takes tens of milliseconds for a full level: too long for the UI.
        if (held->beginsCopy) {
            bases.insert(id, FileStamp::of(held->original));
        }
        held->base = bases.value(id);
        const QString problem = store.write(id, *held);
        const QMutexLocker locker(&mutex);
        lastProblem = problem;
    });
}

void RecoveryWriter::keepBase(const QString& id, const FileStamp& base) {
    pool.start([this, id, base] { bases.insert(id, base); });
}

void RecoveryWriter::remove(const QString& id) {
    pool.start([this, id] {
        bases.remove(id);
        store.remove(id);
    });
}

void RecoveryWriter::waitForDone() {
    pool.waitForDone();
}

QString RecoveryWriter::problem() const {
    const QMutexLocker locker(&mutex);
    return lastProblem;
}
