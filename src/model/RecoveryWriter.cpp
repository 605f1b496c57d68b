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
    auto held = std::make_shared<const RecoverySnapshot>(std::move(snapshot));
    pool.start([this, id, held] {
        const QString problem = store.write(id, *held);
        const QMutexLocker locker(&mutex);
        lastProblem = problem;
    });
}

void RecoveryWriter::remove(const QString& id) {
    pool.start([this, id] { store.remove(id); });
}

void RecoveryWriter::waitForDone() {
    pool.waitForDone();
}

QString RecoveryWriter::problem() const {
    const QMutexLocker locker(&mutex);
    return lastProblem;
}
