#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QtGlobal>

// What a file was at one moment (there or not; size, modification time and a hash of its bytes),
// to tell later whether anything wrote, replaced or removed it since.
class FileStamp {
public:
    // What was found at a path compared with a stamp.
    enum class Change {
        None,     // the same bytes, size and time as stamped (or missing then and now)
        Written,  // saved since, or missing then and there now
        Removed,  // there then and missing now
        Unknown,  // the stamp or the file cannot be read, so nothing can be said
    };

    // The file at `path` now. A file that cannot be read as a regular file gives an unknown stamp.
    static FileStamp of(const QString& path);
    // How the file at `path` differs from this stamp; Unknown for an unknown stamp.
    Change changeAt(const QString& path) const;

    bool known() const { return state != State::Unknown; }
    // The stamp as a description field, and back; a field that is missing, of the wrong shape or
    // out of range gives an unknown stamp.
    QJsonObject toJson() const;
    static FileStamp fromJson(const QJsonValue& value);

private:
    enum class State { Unknown, Missing, Present };

    State state = State::Unknown;
    qint64 size = 0;
    qint64 modifiedMs = 0;
    QByteArray sha256;
};
