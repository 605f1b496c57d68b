#pragma once

#include <QString>
#include <QtGlobal>
#include <initializer_list>

class QFile;
class QFileDevice;

// Reading files the user names without trusting what they are, and saying why file access failed
// in the user's words.
namespace FileAccess {

// Opens `path` for reading when it is a regular file. A FIFO, device or socket is refused without
// waiting for a writer, so reading can never block or go on forever. On success returns an empty
// string and the file's size at open in `size`; otherwise words that follow the quoted name
// ("is not a regular file", "is a folder", "cannot be read: permission denied").
QString openRegular(QFile& file, const QString& path, qint64& size);
// The same for a name in the system's own bytes, which need not be valid UTF-8.
QString openRegular(QFile& file, const QByteArray& nativePath, qint64& size);
// The reason of a failed file operation as the user would say it ("there is no space left on the
// disk", "permission denied"), from the error text of a QFileDevice.
QString inWords(const QString& errorString);
// Writes all `size` bytes or fails. Qt reports a short write (a full disk, a file size limit) as
// success for the bytes it took; the rest is offered again so that the reason becomes the file's
// error instead of a silently cut-off file.
bool writeAll(QFileDevice& file, const char* data, qint64 size);
// Why a write to `file` failed, in the user's words.
QString writeFailure(const QFileDevice& file);

// Copies `filename` to `backup` before a save replaces it. The old backup is replaced only by a
// complete copy, and the file's own name keeps its complete content meanwhile. Returns an empty
// string on success, otherwise why it failed in the user's words.
QString keepBackup(const QString& filename, const QString& backup);

// Saves `parts`, one after the other, as the file `path`: through a temporary file that replaces
// the old one only once everything is written, keeping the old one as `path.bak`, and then removes
// what earlier interrupted saves left beside it. Returns an empty string on success, otherwise why
// it failed in the user's words (to follow "Could not save NAME:"); the file and its backup are
// then as they were.
QString saveKeepingBackup(const QString& path, std::initializer_list<QByteArray> parts);

}  // namespace FileAccess
