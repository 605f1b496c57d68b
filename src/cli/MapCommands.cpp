#include <cstdio>

#include "cli/Commands.h"
#include "mapformats/LayerCodec.h"
#include "mapformats/MapExport.h"
#include "mapformats/MapImport.h"
#include "model/Level.h"
#include "model/LevelFile.h"

namespace {

// Takes `--name VALUE` out of `args`; false when the option has no value.
bool takeOption(QStringList& args, const char* name, QString& value) {
    const qsizetype at = args.indexOf(QLatin1String(name));
    if (at < 0) {
        return true;
    }
    if (at + 1 >= args.size()) {
        return false;
    }
    value = args.at(at + 1);
    args.remove(at, 2);
    return true;
}

}  // namespace

namespace Commands {

int exportMap(const QStringList& arguments) {
    static const char* const help =
        "Usage: quarn-lvl export-map IN.lvl OUT.tmx|OUT.tmj [--encoding csv|base64|base64-zlib|base64-gzip|"
        "base64-zstd]\n"
        "Writes the level as a tile map that other editors and game engines read (XML .tmx or JSON .tmj, by\n"
        "the name), with its tile pictures beside it as OUT.png and OUT-217.png, OUT-219.png, OUT-220.png.\n"
        "The layer data is CSV unless --encoding says otherwise.\n";
    if (wantsHelp(arguments, help)) {
        return Success;
    }
    QStringList args = arguments;
    QString encodingName = QStringLiteral("csv");
    if (!takeOption(args, "--encoding", encodingName) || args.size() != 2) {
        return usageError(help);
    }
    const auto encoding = LayerCodec::fromOptionName(encodingName);
    if (!encoding) {
        std::fprintf(stderr, "quarn-lvl: unknown encoding '%s'\n\n", qPrintable(encodingName));
        return usageError(help);
    }
    Level level;
    level.setKeepOverview(false);
    const LoadReport report = LevelFile::openLevel(level, args[0]);
    if (!report.ok()) {
        std::fprintf(stderr, "quarn-lvl: %s\n", qPrintable(report.message));
        return BadInput;
    }
    if (!report.message.isEmpty()) {
        std::fprintf(stderr, "quarn-lvl: %s\n", qPrintable(report.message));
    }
    if (const QString error = MapExport::write(level, args[1], *encoding); !error.isEmpty()) {
        std::fprintf(stderr, "quarn-lvl: %s\n", qPrintable(error));
        return BadInput;
    }
    return Success;
}

int importMap(const QStringList& arguments) {
    static const char* const help =
        "Usage: quarn-lvl import-map IN.tmx|IN.tmj OUT.lvl [--layer NAME] [--lenient]\n"
        "Makes a level of a tile map: its first tile layer, or the one named by --layer (the other layers are\n"
        "listed). Flipped or rotated tiles are refused; --lenient takes them unflipped. An existing OUT is kept\n"
        "as OUT.bak.\n";
    if (wantsHelp(arguments, help)) {
        return Success;
    }
    QStringList args = arguments;
    MapImport::Options options;
    options.lenient = args.removeAll(QStringLiteral("--lenient")) > 0;
    if (!takeOption(args, "--layer", options.layer) || args.size() != 2) {
        return usageError(help);
    }
    Level level;
    level.setKeepOverview(false);
    const MapImport::Result result = MapImport::import(args[0], options, level);
    if (!result.ok()) {
        std::fprintf(stderr, "quarn-lvl: %s\n", qPrintable(result.error));
        return BadInput;
    }
    for (const QString& warning : result.warnings) {
        std::fprintf(stderr, "quarn-lvl: %s\n", qPrintable(warning));
    }
    QStringList others = result.tileLayers;
    others.removeOne(result.layer);
    others += result.otherLayers;
    if (!others.isEmpty()) {
        std::fprintf(stderr, "quarn-lvl: took layer \"%s\"; left out: %s\n", qPrintable(result.layer),
                     qPrintable(others.join(QStringLiteral(", "))));
    }
    if (const QString error = LevelFile::saveLevel(level, args[1]); !error.isEmpty()) {
        std::fprintf(stderr, "quarn-lvl: %s\n", qPrintable(error));
        return BadInput;
    }
    return Success;
}

}  // namespace Commands
