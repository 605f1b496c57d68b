#include <QFile>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/LoadNotes.h"
#include "model/Level.h"
#include "model/LevelFile.h"
#include "model/TilesetFile.h"

namespace Commands {

int resave(const QStringList& args) {
    static const char* const help =
        "Usage: quarn-lvl resave IN OUT\n"
        "Loads IN and saves it as OUT exactly as the editor would; an existing OUT is kept as OUT.bak.\n";
    if (wantsHelp(args, help)) {
        return Success;
    }
    if (args.size() != 2) {
        return usageError(help);
    }
    Level level;
    if (!LoadNotes::load(level, QFile::encodeName(args[0]))) {
        return BadInput;
    }
    const QString error = LevelFile::saveLevel(level, args[1]);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "quarn-lvl: %s\n", qPrintable(error));
        return BadInput;
    }
    return Success;
}

int exportTileset(const QStringList& args) {
    static const char* const help =
        "Usage: quarn-lvl export-tileset IN OUT.bmp\n"
        "Writes the tileset embedded in level IN as a bitmap. Exit status 1 when IN has none.\n";
    if (wantsHelp(args, help)) {
        return Success;
    }
    if (args.size() != 2) {
        return usageError(help);
    }
    Level level;
    if (!LoadNotes::load(level, QFile::encodeName(args[0]))) {
        return BadInput;
    }
    const QString error = TilesetFile::exportTileset(level, args[1]);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "quarn-lvl: %s: %s\n", qPrintable(args[0]), qPrintable(error));
        return BadInput;
    }
    return Success;
}

}  // namespace Commands
