#include "model/FileStamp.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonValue>

#include "model/FileAccess.h"

namespace {
constexpr auto HashAlgorithm = QCryptographicHash::Sha256;
}  // namespace

FileStamp FileStamp::of(const QString& path) {
    FileStamp stamp;
    if (path.isEmpty()) {
        return stamp;
    }
    QFile file;
    qint64 size = 0;
    if (!FileAccess::openRegular(file, path, size).isEmpty()) {
        // A dangling link is not "missing": saving through it would create a file somewhere else.
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink()) {
            stamp.state = State::Missing;
        }
        return stamp;
    }
    QCryptographicHash hash(HashAlgorithm);
    // Read in pieces by the hash itself, so a large file costs time but never memory.
    if (!hash.addData(&file) || file.error() != QFileDevice::NoError) {
        return stamp;
    }
    stamp.state = State::Present;
    stamp.size = size;
    stamp.modifiedMs = file.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch();
    stamp.sha256 = hash.result();
    return stamp;
}

FileStamp::Change FileStamp::changeAt(const QString& path) const {
    if (state == State::Unknown) {
        return Change::Unknown;
    }
    // A file of another size was written whatever its bytes are; it need not be read.
    const QFileInfo info(path);
    if (state == State::Present && info.isFile() && info.size() != size) {
        return Change::Written;
    }
    const FileStamp now = of(path);
    if (now.state == State::Unknown) {
        return Change::Unknown;
    }
    if (state == State::Missing) {
        return now.state == State::Missing ? Change::None : Change::Written;
    }
    if (now.state == State::Missing) {
        return Change::Removed;
    }
    return now.size == size && now.modifiedMs == modifiedMs && now.sha256 == sha256 ? Change::None : Change::Written;
}

QJsonObject FileStamp::toJson() const {
    switch (state) {
        case State::Unknown:
            return {};
        case State::Missing:
            return {{QStringLiteral("exists"), false}};
        case State::Present:
            break;
    }
    return {{QStringLiteral("exists"), true},
            {QStringLiteral("size"), size},
            {QStringLiteral("modified"), modifiedMs},
            {QStringLiteral("sha256"), QString::fromLatin1(sha256.toHex())}};
}

FileStamp FileStamp::fromJson(const QJsonValue& value) {
    FileStamp stamp;
    const QJsonObject o = value.toObject();
    const QJsonValue exists = o.value(QStringLiteral("exists"));
    if (!exists.isBool()) {
        return stamp;
    }
    if (!exists.toBool()) {
        stamp.state = State::Missing;
        return stamp;
    }
    const qint64 size = o.value(QStringLiteral("size")).toInteger(-1);
    const QJsonValue modified = o.value(QStringLiteral("modified"));
    const QString hex = o.value(QStringLiteral("sha256")).toString();
    const QByteArray sha256 = QByteArray::fromHex(hex.toLatin1());
    // fromHex skips what is not a digit, so only a round trip shows the text was a hash.
    if (size < 0 || !modified.isDouble() || sha256.size() != QCryptographicHash::hashLength(HashAlgorithm) ||
        QString::fromLatin1(sha256.toHex()) != hex) {
        return stamp;
    }
    stamp.state = State::Present;
    stamp.size = size;
    stamp.modifiedMs = modified.toInteger();
    stamp.sha256 = sha256;
    return stamp;
}
