#include "model/LevelFileLeftovers.h"

#include <unistd.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

// QSaveFile's temporary names end in six random ASCII letters of both cases. A suffix of one case
// only is more likely a word someone chose ("a.lvl.backup"), so it is left alone, at the price of
// leaving the rare temporary file whose letters happen to share one case.
bool randomSuffix(QStringView suffix) {
    static const QRegularExpression letters(QStringLiteral("^(?=.*[a-z])(?=.*[A-Z])[A-Za-z]{6}$"));
    return letters.match(suffix).hasMatch();
}

}  // namespace

void LevelFileLeftovers::removeStale(const QString& filename) {
    const QFileInfo level(filename);
    const QString name = level.fileName();
    const QStringList owners = {name + QLatin1Char('.'), name + QStringLiteral(".bak.")};
    const QDateTime stale = QDateTime::currentDateTimeUtc().addSecs(-StaleSeconds);
    // Hidden files are listed too: a level may be a dot file.
    for (const QString& entryName : level.dir().entryList(QDir::Files | QDir::Hidden)) {
        const bool named = std::any_of(owners.begin(), owners.end(), [&](const QString& owner) {
            return entryName.size() == owner.size() + 6 && entryName.startsWith(owner) &&
                   randomSuffix(QStringView(entryName).right(6));
        });
        if (!named) {
            continue;
        }
        // Looked at again under the name that removing it uses: a listed name that is not valid UTF-8
        // stands for other bytes. Links are never followed nor removed.
        const QFileInfo entry(level.dir().filePath(entryName));
        if (entry.isFile() && !entry.isSymLink() && entry.ownerId() == ::getuid() &&
            entry.lastModified().toUTC() < stale) {
            QFile::remove(entry.filePath());
        }
    }
}
