#include "mapformats/ExternalTileset.h"

#include "mapformats/MapFiles.h"
#include "mapformats/TileMap.h"
#include "mapformats/TmjReader.h"
#include "mapformats/TmxReader.h"

namespace ExternalTileset {

QString read(const QString& mapPath, const QString& source, MapTileset& tileset) {
    const bool xml = source.endsWith(QLatin1String(".tsx"), Qt::CaseInsensitive);
    const bool json = source.endsWith(QLatin1String(".tsj"), Qt::CaseInsensitive) ||
                      source.endsWith(QLatin1String(".json"), Qt::CaseInsensitive);
    if (!xml && !json) {
        return QStringLiteral("its tileset \"%1\" is neither a .tsx nor a .tsj file").arg(source);
    }
    QString why;
    const QString file = MapFiles::besideMap(mapPath, source, why);
    QByteArray bytes;
    if (file.isEmpty() || !(why = MapFiles::read(file, bytes)).isEmpty()) {
        return QStringLiteral("its tileset \"%1\" %2").arg(source, why);
    }
    const uint32_t first = tileset.firstGid;
    const QString problem =
        xml ? TmxReader::readTileset(bytes, file, tileset) : TmjReader::readTileset(bytes, file, tileset);
    tileset.firstGid = first;
    return problem.isEmpty() ? QString() : QStringLiteral("its tileset \"%1\" cannot be read: %2").arg(source, problem);
}

}  // namespace ExternalTileset
