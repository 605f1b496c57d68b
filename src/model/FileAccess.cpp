#include "model/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>

#include "model/LevelFileLeftovers.h"

namespace FileAccess {

namespace {

struct Words {
    int error;
    const char* text;
};

// Errors a user can do something about, in the words of the file dialogs rather than of the system.
constexpr Words userWords[] = {
    {ENOSPC, "there is no space left on the disk"},
    {EDQUOT, "the disk quota is used up"},
    {EFBIG, "the file would be larger than the system allows"},
    {EACCES, "permission denied"},
    {EPERM, "permission denied"},
    {EROFS, "the disk is read-only"},
    {ENOENT, "the folder or file does not exist"},
    {EISDIR, "it is a folder"},
    {ENAMETOOLONG, "the name is too long"},
    {ELOOP, "its symbolic links lead round in a circle"},
    {EIO, "the disk could not be read or written"},
};

QString errnoInWords(int error) {
    for (const Words& w : userWords) {
        if (w.error == error) {
            return QString::fromLatin1(w.text);
        }
    }
    return qt_error_string(error);
}

}  // namespace

QString openRegular(QFile& file, const QString& path, qint64& size) {
    return openRegular(file, QFile::encodeName(path), size);
}

QString openRegular(QFile& file, const QByteArray& native, qint64& size) {
    struct stat st {};
    // The name is looked at first so that a socket, which cannot be opened at all, is named as such.
    if (::stat(native.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        return S_ISDIR(st.st_mode) ? QStringLiteral("is a folder") : QStringLiteral("is not a regular file");
    }
    // Non-blocking, so that a FIFO put in its place meanwhile cannot hang the open.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        if (error != ENOENT) {
            return QStringLiteral("cannot be read: %1").arg(errnoInWords(error));
        }
        // "Does not exist" would puzzle someone who sees the name in the folder.
        return ::lstat(native.constData(), &st) == 0 && S_ISLNK(st.st_mode)
                   ? QStringLiteral("is a symbolic link to a file that does not exist")
                   : QStringLiteral("does not exist");
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return QStringLiteral("is not a regular file");
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return QStringLiteral("cannot be read: %1").arg(inWords(file.errorString()));
    }
    size = st.st_size;
    return {};
}

QString inWords(const QString& errorString) {
    for (const Words& w : userWords) {
        if (errorString == qt_error_string(w.error)) {
            return QString::fromLatin1(w.text);
        }
    }
    if (errorString.isEmpty()) {
        return QStringLiteral("an unknown error");
    }
    return errorString.left(1).toLower() + errorString.mid(1);
}

bool writeAll(QFileDevice& file, const char* data, qint64 size) {
    while (size > 0) {
        const qint64 written = file.write(data, size);
        if (written <= 0) {
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

QString writeFailure(const QFileDevice& file) {
    return file.error() == QFileDevice::NoError ? QStringLiteral("not all of it could be written")
                                                : inWords(file.errorString());
}

// The backup is written under a temporary name and renamed over the old one only when it is
// complete, so that a failure or a crash at any moment leaves a whole backup, the old one or the new one.
QString keepBackup(const QString& filename, const QString& backup) {
    if (QFileInfo(backup).isDir()) {
        return QStringLiteral("it is a folder");
    }
    QFile previous;
    qint64 remaining = 0;
    if (const QString refused = FileAccess::openRegular(previous, filename, remaining); !refused.isEmpty()) {
        return QStringLiteral("the file %1").arg(refused);
    }
    QSaveFile copy(backup);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return FileAccess::inWords(copy.errorString());
    }
    QByteArray chunk(1024 * 1024, Qt::Uninitialized);
    while (remaining > 0) {
        const qint64 got = previous.read(chunk.data(), std::min<qint64>(chunk.size(), remaining));
        if (got <= 0) {
            copy.cancelWriting();
            return QStringLiteral("the file could not be read: %1").arg(FileAccess::inWords(previous.errorString()));
        }
        if (!FileAccess::writeAll(copy, chunk.constData(), got)) {
            const QString reason = FileAccess::writeFailure(copy);
            copy.cancelWriting();
            return reason;
        }
        remaining -= got;
    }
    if (!copy.commit()) {
        return FileAccess::inWords(copy.errorString());
    }
    return {};
}

QString saveKeepingBackup(const QString& path, std::initializer_list<QByteArray> parts) {
    const QFileInfo target(path);
    if (target.isDir()) {
        return QStringLiteral("it is a folder");
    }
    if (target.exists() && !target.isFile()) {
        return QStringLiteral("it is not a regular file");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return inWords(file.errorString());
    }
    for (const QByteArray& part : parts) {
        if (!writeAll(file, part.constData(), part.size())) {
            const QString reason = writeFailure(file);
            file.cancelWriting();
            return reason;
        }
    }
    if (target.exists()) {
        const QString backup = path + QStringLiteral(".bak");
        if (const QString problem = keepBackup(path, backup); !problem.isEmpty()) {
            file.cancelWriting();
            return QStringLiteral("its previous version could not be kept as \"%1\": %2")
                .arg(QDir::toNativeSeparators(backup), problem);
        }
    }
    if (!file.commit()) {
        return inWords(file.errorString());
    }
    LevelFileLeftovers::removeStale(path);
    return {};
}

}  // namespace FileAccess
