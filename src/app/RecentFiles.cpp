#include "app/RecentFiles.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <algorithm>

#include "app/inihandling.h"
#include "model/ProgramFolders.h"

namespace {
const QString Section = QStringLiteral("Recent");
}

RecentFiles::RecentFiles(QMenu* menu, const QString& iniFile, QObject* parent) : QObject(parent), ini(iniFile) {
    for (int i = 0; i < Count; ++i) {
        items[static_cast<size_t>(i)] = menu->addAction(QString());
        connect(items[static_cast<size_t>(i)], &QAction::triggered, this, [this, i] { emit chosen(i); });
    }
    const bool exists = QFileInfo::exists(ini);
    for (int i = 0; i < Count; ++i) {
        setEntry(i, exists ? inihandling::readIni(Section, QString::number(i), {}, ini) : QString());
    }
}

QString RecentFiles::defaultIniPath() {
    const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("recent.ini"));
    const QFileInfo file(besideProgram);
    // An installed program never writes into its binaries' folder, even when run by a user who could.
    if (!ProgramFolders::isInstalled() &&
        (file.exists() ? file.isWritable() : QFileInfo(file.absolutePath()).isWritable())) {
        return besideProgram;
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    return QDir(folder).filePath(QStringLiteral("recent.ini"));
}

bool RecentFiles::isInRecent(const QString& filename) const {
    return std::find(entries.begin(), entries.end(), filename) != entries.end();
}

void RecentFiles::addRecent(const QString& filename) {
    // A line break would split the ini line and corrupt the list.
    if (filename.isEmpty() || isInRecent(filename) || filename.contains(QLatin1Char('\n')) ||
        filename.contains(QLatin1Char('\r'))) {
        return;
    }
    for (int i = Count - 1; i >= 1; --i) {
        setEntry(i, entry(i - 1));
        store(i);
    }
    setEntry(0, filename);
    store(0);
}

void RecentFiles::moveRecentToTop(int index) {
    if (index <= 0 || index >= Count) {
        return;
    }
    const QString kept = entry(index);
    for (int i = index - 1; i >= 0; --i) {
        setEntry(i + 1, entry(i));
        store(i + 1);
    }
    setEntry(0, kept);
    store(0);
}

void RecentFiles::setEntry(int index, const QString& filename) {
    entries[static_cast<size_t>(index)] = filename;
    QAction* item = items[static_cast<size_t>(index)];
    QString caption = filename;
    item->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
    item->setToolTip(filename);
    if (index == 0) {
        // The first item always stays in the menu; an empty list says so instead of showing a blank line.
        item->setEnabled(!filename.isEmpty());
        if (filename.isEmpty()) {
            item->setText(tr("(No recent files)"));
        }
    } else {
        item->setVisible(!filename.isEmpty());
    }
}

void RecentFiles::store(int index) const {
    inihandling::writeIni(Section, QString::number(index), entry(index), ini);
}
