#include "model/RecoveryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSysInfo>
#include <QUuid>
#include <algorithm>

#include "model/FileAccess.h"
#include "model/Level.h"
#include "model/LevelFile.h"
#include "model/RecoverySnapshot.h"

namespace {

const QString DescriptionSuffix = QStringLiteral(".json");
// No description comes near this; a larger file is not one of ours.
constexpr qint64 DescriptionLimit = 64 * 1024;

// Our own editors name copies and locks with a UUID. A name from a description or from the folder
// goes into a path of the folder, so anything else is refused rather than cleaned: "../", a "/",
// a NUL (which ends the name the system sees) or a name past any file name limit.
bool plainName(const QString& name) {
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z0-9_-]{1,64}")));
    return pattern.match(name).hasMatch();
}

// The level's own file is where Save writes once the copy is restored. It is cleaned of "." and
// ".." steps; empty when it is no absolute path at all or holds a NUL.
QString cleanOriginal(const QString& path) {
    constexpr qsizetype LongestPath = 4096;
    if (path.size() > LongestPath || path.contains(QChar(0)) || !QDir::isAbsolutePath(path)) {
        return {};
    }
    return QDir::cleanPath(path);
}

// The caption is only ever shown, but one without bounds would stretch the offer past the screen.
QString cleanCaption(QString caption) {
    constexpr qsizetype LongestCaption = 255;
    caption.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return caption.left(LongestCaption);
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString uuid() {
    return QUuid::createUuid().toString(QUuid::Id128);
}

QString writeWhole(const QString& path, const QByteArray& first, const QByteArray& second = {}) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return FileAccess::inWords(file.errorString());
    }
    if (!FileAccess::writeAll(file, first.constData(), first.size()) ||
        !FileAccess::writeAll(file, second.constData(), second.size())) {
        const QString reason = FileAccess::writeFailure(file);
        file.cancelWriting();
        return reason;
    }
    return file.commit() ? QString() : FileAccess::inWords(file.errorString());
}

RecoveryCopy readDescription(const QString& id, const QString& path) {
    RecoveryCopy copy;
    copy.id = id;
    QFile file;
    qint64 size = 0;
    if (const QString refused = FileAccess::openRegular(file, path, size); !refused.isEmpty()) {
        copy.problem = QStringLiteral("its description %1").arg(refused);
        return copy;
    }
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.read(std::min(size, DescriptionLimit)), &error);
    const QJsonObject o = doc.object();
    const QString original = o.value(QStringLiteral("original")).toString();
    copy.original = cleanOriginal(original);
    copy.caption = cleanCaption(o.value(QStringLiteral("caption")).toString());
    copy.time = QDateTime::fromString(o.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    copy.pid = o.value(QStringLiteral("pid")).toInteger();
    copy.owner = o.value(QStringLiteral("owner")).toString();
    copy.base = FileStamp::fromJson(o.value(QStringLiteral("file")));
    if (size > DescriptionLimit || error.error != QJsonParseError::NoError || !doc.isObject() || !copy.time.isValid() ||
        !plainName(copy.owner) || copy.original.isEmpty() != original.isEmpty()) {
        copy.problem = QStringLiteral("its description is damaged");
    }
    return copy;
}

LoadReport damaged(const RecoveryCopy& copy, const QString& where, const QString& why) {
    LoadReport report;
    report.outcome = LoadReport::Outcome::Failed;
    const QString name = copy.caption.isEmpty() ? copy.id : copy.caption;
    QString reason = why;
    if (reason.endsWith(QLatin1Char('.'))) {
        reason.chop(1);
    }
    report.message = QStringLiteral("The recovery copy of \"%1\" cannot be restored: %2. It is kept in \"%3\".")
                         .arg(name, reason, shown(where));
    return report;
}

}  // namespace

RecoveryStore::RecoveryStore(const QString& folder) : dir(folder), token(uuid()) {}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::open() {
    if (!QDir().mkpath(dir)) {
        return QStringLiteral("the folder \"%1\" cannot be created").arg(shown(dir));
    }
    lock = std::make_unique<QLockFile>(lockPath(token));
    // Only a dead holder makes a lock stale, never its age: an editor may run for days.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        lock.reset();
        return QStringLiteral("the folder \"%1\" cannot be locked").arg(shown(dir));
    }
    return {};
}

QString RecoveryStore::newId() {
    return uuid();
}

QString RecoveryStore::levelPath(const QString& id) const {
    return dir + QStringLiteral("/copy-") + id + QStringLiteral(".lvl");
}

QString RecoveryStore::descriptionPath(const QString& id) const {
    return dir + QStringLiteral("/copy-") + id + DescriptionSuffix;
}

QString RecoveryStore::lockPath(const QString& owner) const {
    return dir + QStringLiteral("/editor-") + owner + QStringLiteral(".lock");
}

QString RecoveryStore::writeDescription(const RecoveryCopy& copy) const {
    QJsonObject o{{QStringLiteral("original"), copy.original},
                  {QStringLiteral("caption"), copy.caption},
                  {QStringLiteral("time"), copy.time.toUTC().toString(Qt::ISODateWithMs)},
                  {QStringLiteral("pid"), copy.pid},
                  {QStringLiteral("owner"), copy.owner}};
    if (copy.base.known()) {
        o.insert(QStringLiteral("file"), copy.base.toJson());
    }
    return writeWhole(descriptionPath(copy.id), QJsonDocument(o).toJson());
}

QString RecoveryStore::write(const QString& id, const RecoverySnapshot& snapshot) const {
    RecoveryCopy copy;
    copy.id = id;
    copy.original = snapshot.original;
    copy.caption = snapshot.caption;
    copy.time = snapshot.time;
    copy.base = snapshot.base;
    copy.pid = QCoreApplication::applicationPid();
    copy.owner = token;
    // The description goes first: a level without one would never be found, while a description
    // whose level is missing is recognised and cleared away.
    if (const QString problem = writeDescription(copy); !problem.isEmpty()) {
        return problem;
    }
    return writeWhole(levelPath(id), snapshot.tilesetBlock, LevelFile::encodeRecords(snapshot.cells.data()));
}

bool RecoveryStore::ownerRuns(const QString& owner) const {
    if (owner == token) {
        return true;
    }
    QLockFile probe(lockPath(owner));
    probe.setStaleLockTime(0);
    if (probe.tryLock(0)) {
        // Unlocking deletes the dead editor's lock file with it.
        probe.unlock();
        return false;
    }
    // An editor that got the process id of a dead one sees that one's lock as held by a running
    // program of the same name. The kernel lock tells the truth: it went with the dead process.
    qint64 pid = 0;
    QString host;
    QString app;
    if (probe.getLockInfo(&pid, &host, &app) && pid == QCoreApplication::applicationPid() &&
        host == QSysInfo::machineHostName()) {
        return !probe.removeStaleLockFile();
    }
    return true;
}

QList<RecoveryCopy> RecoveryStore::orphans() const {
    QHash<QString, bool> runs;
    const auto running = [&](const QString& owner) {
        const auto known = runs.constFind(owner);
        return known != runs.cend() ? *known : *runs.insert(owner, ownerRuns(owner));
    };
    const QDir folder(dir);
    // Locks of editors that died without leaving a copy are cleared away too.
    for (const QString& name : folder.entryList({QStringLiteral("editor-*.lock")}, QDir::Files)) {
        if (const QString owner = name.mid(7).chopped(5); plainName(owner)) {
            running(owner);
        }
    }
    QList<RecoveryCopy> copies;
    for (const QString& name : folder.entryList({QStringLiteral("copy-*") + DescriptionSuffix}, QDir::Files)) {
        const QString id = name.mid(5).chopped(DescriptionSuffix.size());
        if (!plainName(id)) {
            continue;
        }
        RecoveryCopy copy = readDescription(id, descriptionPath(id));
        if (copy.problem.isEmpty()) {
            if (running(copy.owner)) {
                continue;
            }
            if (!QFileInfo::exists(levelPath(id))) {
                // A first write or a removal that was cut short: there is nothing to restore.
                QFile::remove(descriptionPath(id));
                continue;
            }
            copy.fileChange = fileChange(copy);
        }
        copies << copy;
    }
    std::stable_sort(copies.begin(), copies.end(),
                     [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.time < b.time; });
    return copies;
}

FileStamp::Change RecoveryStore::fileChange(const RecoveryCopy& copy) {
    return copy.original.isEmpty() ? FileStamp::Change::None : copy.base.changeAt(copy.original);
}

LoadReport RecoveryStore::read(RecoveryCopy& copy, Level& level) const {
    const QString path = levelPath(copy.id);
    if (!copy.problem.isEmpty()) {
        return damaged(copy, descriptionPath(copy.id), copy.problem);
    }
    LoadReport report = LevelFile::openLevel(level, path);
    if (!report.ok()) {
        return damaged(copy, path, report.message);
    }
    if (report.skipped > 0) {
        return damaged(copy, path,
                       QStringLiteral("%1 record(s) lay outside the grid or were cut off").arg(report.skipped));
    }
    if (!report.readProblem.isEmpty()) {
        return damaged(copy, path, report.readProblem);
    }
    // Save writes where the level belongs only while that file is the one the changes were made to;
    // otherwise the level opens without a name, so Save asks for one and cannot overwrite newer work.
    copy.fileChange = fileChange(copy);
    level.setActiveFile(copy.fileChange == FileStamp::Change::None ? copy.original : QString());
    level.markChanged();
    return report;
}

QString RecoveryStore::adopt(const RecoveryCopy& copy) const {
    RecoveryCopy mine = copy;
    mine.owner = token;
    mine.pid = QCoreApplication::applicationPid();
    return writeDescription(mine);
}

void RecoveryStore::remove(const QString& id) const {
    // The level goes first, for the same reason it is written last.
    QFile::remove(levelPath(id));
    QFile::remove(descriptionPath(id));
}
