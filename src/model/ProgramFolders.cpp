#include "model/ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QDir programFolder() {
    return QDir(QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath());
}

QString installedDataFolder() {
    return QDir::cleanPath(programFolder().filePath(QStringLiteral(QUARN_DATA_FROM_BINARY)));
}

}  // namespace

namespace ProgramFolders {

QString dataFile(const QString& name) {
    const QString beside = programFolder().filePath(name);
    if (QFileInfo::exists(beside)) {
        return beside;
    }
    const QString installed = QDir(installedDataFolder()).filePath(name);
    return QFileInfo::exists(installed) ? installed : beside;
}

bool isInstalled() {
    return !QFileInfo::exists(programFolder().filePath(QStringLiteral("default.bmp"))) &&
           QFileInfo::exists(QDir(installedDataFolder()).filePath(QStringLiteral("default.bmp")));
}

}  // namespace ProgramFolders
