#include "walls/SetsFile.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <optional>

#include "model/FileAccess.h"
#include "model/ObjectProcedures.h"

namespace {

// A whole number in min..max, or nothing for any other value (a fraction, a string, a huge number).
std::optional<qint64> wholeNumber(const QJsonValue& value, qint64 min, qint64 max) {
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const double d = value.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || d < static_cast<double>(min) || d > static_cast<double>(max)) {
        return std::nullopt;
    }
    return static_cast<qint64>(d);
}

// Reads one file's sets and says what is wrong with it in one line without its name.
class Reader {
public:
    QString read(const QJsonObject& root, LevelSets& sets) const;

private:
    QString readWallSet(const QJsonValue& value, int index, WallSet& set) const;
    QString readRandomSet(const QJsonValue& value, int index, RandomSet& set) const;
    static std::optional<QString> nameOf(const QJsonObject& object);
};

QString Reader::read(const QJsonObject& root, LevelSets& sets) const {
    if (wholeNumber(root.value(QLatin1String("version")), SetsFile::Version, SetsFile::Version) == std::nullopt) {
        return SetsFile::tr("the version is not %1").arg(SetsFile::Version);
    }
    const QJsonValue seed = root.value(QLatin1String("seed"));
    const auto seedNumber = wholeNumber(seed, 0, 0xFFFFFFFFll);
    if (!seed.isUndefined() && !seedNumber) {
        return SetsFile::tr("the seed is not a whole number from 0 to 4294967295");
    }
    sets.setSeed(static_cast<uint32_t>(seedNumber.value_or(0)));
    const QJsonValue walls = root.value(QLatin1String("wallSets"));
    const QJsonValue randoms = root.value(QLatin1String("randomSets"));
    if ((!walls.isUndefined() && !walls.isArray()) || (!randoms.isUndefined() && !randoms.isArray())) {
        return SetsFile::tr("\"wallSets\" and \"randomSets\" must be lists");
    }
    if (walls.toArray().size() > LevelSets::MaxWallSets || randoms.toArray().size() > LevelSets::MaxRandomSets) {
        return SetsFile::tr("more than %1 wall sets or %2 random sets")
            .arg(LevelSets::MaxWallSets)
            .arg(LevelSets::MaxRandomSets);
    }
    const QJsonArray wallList = walls.toArray();
    for (int i = 0; i < wallList.size(); ++i) {
        WallSet set;
        if (const QString error = readWallSet(wallList[i], i, set); !error.isEmpty()) {
            return error;
        }
        if (!sets.conflictingWallSet(set).isEmpty()) {
            return SetsFile::tr("a tile belongs to two wall sets (wall set %1 and \"%2\")")
                .arg(i + 1)
                .arg(sets.conflictingWallSet(set));
        }
        sets.addWallSet(set);
    }
    const QJsonArray randomList = randoms.toArray();
    for (int i = 0; i < randomList.size(); ++i) {
        RandomSet set;
        if (const QString error = readRandomSet(randomList[i], i, set); !error.isEmpty()) {
            return error;
        }
        sets.addRandomSet(set);
    }
    return {};
}

std::optional<QString> Reader::nameOf(const QJsonObject& object) {
    const QJsonValue value = object.value(QLatin1String("name"));
    const QString name = value.toString();
    // A name is shown in lists and messages: control characters (which Qt's parser lets through
    // inside strings) would break lines or hide text there.
    const bool printable =
        std::none_of(name.begin(), name.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
    if (!value.isString() || name.size() > SetsFile::MaxNameLength || !name.isValidUtf16() || !printable) {
        return std::nullopt;
    }
    return name;
}

QString Reader::readWallSet(const QJsonValue& value, int index, WallSet& set) const {
    const QJsonObject object = value.toObject();
    const auto name = nameOf(object);
    if (!value.isObject() || !name) {
        return SetsFile::tr("wall set %1 has no name of at most %2 printable characters")
            .arg(index + 1)
            .arg(SetsFile::MaxNameLength);
    }
    set.setName(*name);
    const QJsonArray rows = object.value(QLatin1String("tiles")).toArray();
    if (rows.size() != 4) {
        return SetsFile::tr("the tiles of wall set %1 are not 4 rows of 4").arg(index + 1);
    }
    for (int row = 0; row < 4; ++row) {
        const QJsonArray tiles = rows[row].toArray();
        if (!rows[row].isArray() || tiles.size() != 4) {
            return SetsFile::tr("the tiles of wall set %1 are not 4 rows of 4").arg(index + 1);
        }
        for (int column = 0; column < 4; ++column) {
            const qint64 tile = wholeNumber(tiles[column], 0, 255).value_or(-1);
            if (tile < 0 || ObjectProcedures::isSpecialTile(static_cast<int16_t>(tile))) {
                return SetsFile::tr("wall set %1 holds a value that is no tile 0..255 or a special tile")
                    .arg(index + 1);
            }
            set.setTile(row * 4 + column, static_cast<int16_t>(tile));
        }
    }
    return {};
}

QString Reader::readRandomSet(const QJsonValue& value, int index, RandomSet& set) const {
    const QJsonObject object = value.toObject();
    const auto name = nameOf(object);
    if (!value.isObject() || !name) {
        return SetsFile::tr("random set %1 has no name of at most %2 printable characters")
            .arg(index + 1)
            .arg(SetsFile::MaxNameLength);
    }
    set.setName(*name);
    const QJsonValue tiles = object.value(QLatin1String("tiles"));
    if (!tiles.isArray() || tiles.toArray().size() > SetsFile::MaxRandomEntries) {
        return SetsFile::tr("the tiles of random set %1 are not a list of at most %2 pairs")
            .arg(index + 1)
            .arg(SetsFile::MaxRandomEntries);
    }
    std::vector<RandomSet::Entry> entries;
    for (const QJsonValue& pair : tiles.toArray()) {
        const QJsonArray both = pair.toArray();
        const qint64 tile = both.size() == 2 ? wholeNumber(both[0], 1, 255).value_or(0) : 0;
        const qint64 weight = both.size() == 2 ? wholeNumber(both[1], 0, SetsFile::MaxWeight).value_or(-1) : -1;
        if (tile == 0 || weight < 0 || ObjectProcedures::isSpecialTile(static_cast<int16_t>(tile))) {
            return SetsFile::tr(
                       "random set %1 holds an entry that is not [tile 1..255, weight 0..%2] of an "
                       "ordinary tile")
                .arg(index + 1)
                .arg(SetsFile::MaxWeight);
        }
        entries.push_back({static_cast<int16_t>(tile), static_cast<int>(weight)});
    }
    set.setEntries(std::move(entries));
    return {};
}

SetsFile::ReadResult readOpen(QFile& file, qint64 size, const QString& shownName) {
    if (size > SetsFile::MaxBytes) {
        SetsFile::ReadResult result;
        result.found = true;
        result.error = SetsFile::tr("%1: the file is larger than %2 MiB").arg(shownName).arg(SetsFile::MaxBytes >> 20);
        return result;
    }
    // Never past the size at open, so a file that grows meanwhile cannot make the read unbounded.
    const QByteArray bytes = file.read(size);
    if (bytes.size() != size) {
        SetsFile::ReadResult result;
        result.found = true;
        result.error = SetsFile::tr("%1: cannot be read: %2").arg(shownName, FileAccess::inWords(file.errorString()));
        return result;
    }
    return SetsFile::parse(bytes, shownName);
}

SetsFile::ReadResult refused(const QString& shownName, const QString& reason) {
    SetsFile::ReadResult result;
    result.found = true;
    result.error = QStringLiteral("%1: %2").arg(shownName, reason);
    return result;
}

}  // namespace

QString SetsFile::setsPathFor(const QString& levelPath) {
    return levelPath + QStringLiteral(".sets.json");
}

QByteArray SetsFile::setsPathFor(const QByteArray& nativeLevelPath) {
    return nativeLevelPath + QByteArrayLiteral(".sets.json");
}

SetsFile::ReadResult SetsFile::read(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return {};
    }
    QFile file;
    qint64 size = 0;
    if (const QString problem = FileAccess::openRegular(file, path, size); !problem.isEmpty()) {
        return refused(info.fileName(), problem);
    }
    return readOpen(file, size, info.fileName());
}

SetsFile::ReadResult SetsFile::read(const QByteArray& nativePath) {
    const QString shownName = QFileInfo(QFile::decodeName(nativePath)).fileName();
    QFile file;
    qint64 size = 0;
    if (const QString problem = FileAccess::openRegular(file, nativePath, size); !problem.isEmpty()) {
        if (!QFileInfo::exists(QFile::decodeName(nativePath)) &&
            !QFileInfo(QFile::decodeName(nativePath)).isSymLink()) {
            return {};
        }
        return refused(shownName, problem);
    }
    return readOpen(file, size, shownName);
}

SetsFile::ReadResult SetsFile::parse(const QByteArray& bytes, const QString& shownName) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return refused(shownName, tr("not JSON: %1 at byte %2").arg(parseError.errorString()).arg(parseError.offset));
    }
    if (!document.isObject()) {
        return refused(shownName, tr("not a JSON object"));
    }
    ReadResult result;
    result.found = true;
    if (const QString error = Reader().read(document.object(), result.sets); !error.isEmpty()) {
        return refused(shownName, error);
    }
    result.sets.markSaved();
    return result;
}

QByteArray SetsFile::encode(const LevelSets& sets) {
    const auto lines = [](const auto& list, const auto& toJson) {
        QByteArray out = "[";
        for (size_t i = 0; i < list.size(); ++i) {
            out += (i == 0 ? "\n    " : ",\n    ") + QJsonDocument(toJson(list[i])).toJson(QJsonDocument::Compact);
        }
        return out + (list.empty() ? "]" : "\n  ]");
    };
    const QByteArray walls = lines(sets.wallSets(), [](const WallSet& set) {
        QJsonArray rows;
        for (int row = 0; row < 4; ++row) {
            rows.append(
                QJsonArray{set.tile(row * 4), set.tile(row * 4 + 1), set.tile(row * 4 + 2), set.tile(row * 4 + 3)});
        }
        return QJsonObject{{QStringLiteral("name"), set.name()}, {QStringLiteral("tiles"), rows}};
    });
    const QByteArray randoms = lines(sets.randomSets(), [](const RandomSet& set) {
        QJsonArray pairs;
        for (const RandomSet::Entry& entry : set.entries()) {
            pairs.append(QJsonArray{entry.tile, entry.weight});
        }
        return QJsonObject{{QStringLiteral("name"), set.name()}, {QStringLiteral("tiles"), pairs}};
    });
    return "{\n  \"version\": " + QByteArray::number(Version) + ",\n  \"seed\": " + QByteArray::number(sets.seed()) +
           ",\n  \"wallSets\": " + walls + ",\n  \"randomSets\": " + randoms + "\n}\n";
}

QString SetsFile::write(const LevelSets& sets, const QString& path) {
    if (const QString reason = FileAccess::saveKeepingBackup(path, {encode(sets)}); !reason.isEmpty()) {
        return tr("Could not save \"%1\": %2.").arg(QDir::toNativeSeparators(path), reason);
    }
    return {};
}

QString SetsFile::saveBeside(LevelSets& sets, const QString& levelPath) {
    const QString path = setsPathFor(levelPath);
    if (sets.isEmpty() && !QFileInfo(path).exists() && !QFileInfo(path).isSymLink()) {
        sets.markSaved();
        return {};
    }
    const QString error = write(sets, path);
    if (error.isEmpty()) {
        sets.markSaved();
    }
    return error;
}
