#include "view/DialogFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStringList>

#include "model/UserSettings.h"

namespace {

const QString LastFolderKey = QStringLiteral("Dialogs/lastFolder");

// Their files stand for devices and kernel state: reading one may block or change the system.
const QStringList SpecialTrees{QStringLiteral("/proc"), QStringLiteral("/sys"), QStringLiteral("/dev"),
                               QStringLiteral("/run")};
// The same file systems mounted elsewhere, as in a container's root.
const QList<QByteArray> SpecialFileSystems{"proc",       "sysfs",  "devtmpfs", "devpts",   "debugfs", "tracefs",
                                           "securityfs", "cgroup", "cgroup2",  "configfs", "bpf",     "pstore"};

bool under(const QString& path, const QString& tree) {
    return path == tree || path.startsWith(tree + QLatin1Char('/'));
}

// The folder with every link resolved when it is an ordinary one, else an empty string.
QString realFolder(const QString& folder) {
    const QFileInfo info(folder);
    const QString real = info.canonicalFilePath();
    if (folder.isEmpty() || real.isEmpty() || !info.isDir() || !info.isWritable()) {
        return {};
    }
    for (const QString& tree : SpecialTrees) {
        if (under(real, tree)) {
            return {};
        }
    }
    return SpecialFileSystems.contains(QStorageInfo(real).fileSystemType()) ? QString() : real;
}

}  // namespace

namespace DialogFolder {

QString last() {
    return realFolder(userSettings()->value(LastFolderKey).toString());
}

void remember(const QString& file) {
    // Kept as the folder it really is, so no link can lead a later dialog elsewhere.
    const QString folder = realFolder(QFileInfo(file).absolutePath());
    if (!folder.isEmpty()) {
        userSettings()->setValue(LastFolderKey, folder);
    }
}

}  // namespace DialogFolder
