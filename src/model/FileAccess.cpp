#include "model/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>

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

}  // namespace FileAccess
