#include "view/NameOnlyIconProvider.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace {

QMimeType mimeFromName(const QFileInfo& info) {
    return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
}

}  // namespace

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
    if (info.isRoot()) {
        return icon(Drive);
    }
    if (info.isDir()) {
        return icon(Folder);
    }
    if (!info.isFile()) {
        return icon(File);
    }
    return QIcon::fromTheme(mimeFromName(info).iconName(), icon(File));
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const {
    if (!info.isFile()) {
        return QFileIconProvider::type(info);
    }
    const QMimeType mime = mimeFromName(info);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}
