#include <QFile>
#include <cstdio>
#include <functional>
#include <numeric>
#include <vector>

#include "cli/Commands.h"
#include "cli/FileNames.h"
#include "cli/LoadNotes.h"
#include "model/Level.h"
#include "model/LevelEdit.h"
#include "model/LevelFile.h"
#include "walls/SetsFile.h"
#include "walls/WallPainter.h"

namespace Commands {

int retile(const QStringList& args) {
    static const char* const help =
        "Usage: quarn-lvl retile FILE\n"
        "Gives every wall cell of level FILE the piece that joins it to its neighbours, by the wall sets of\n"
        "FILE.sets.json, and saves FILE when a cell changed (the previous version is kept as FILE.bak).\n"
        "Exit status 1 when FILE or its sets file cannot be read, is damaged or cannot be saved.\n";
    if (wantsHelp(args, help)) {
        return Success;
    }
    if (args.size() != 1) {
        return usageError(help);
    }
    const QByteArray name = QFile::encodeName(args[0]);
    Level level;
    level.setKeepOverview(false);
    if (!LoadNotes::load(level, name)) {
        return BadInput;
    }
    const SetsFile::ReadResult sets = SetsFile::read(SetsFile::setsPathFor(name));
    if (!sets.ok() || !sets.found) {
        const QString reason =
            sets.found ? sets.error : QStringLiteral("%1 does not exist").arg(args[0] + ".sets.json");
        std::fprintf(stderr, "quarn-lvl: %s: %s\n", FileNames::text(name).constData(), qPrintable(reason));
        return BadInput;
    }
    // A damaged level keeps no name to save under; writing it back would drop what could not be read.
    if (level.activeFile().isEmpty()) {
        std::fprintf(stderr, "quarn-lvl: %s: not re-tiled, as the level is damaged\n",
                     FileNames::text(name).constData());
        return BadInput;
    }
    const std::vector<int16_t> before(level.cells(), level.cells() + Level::Size * Level::Size);
    LevelEdit edit(level);
    WallPainter::retile(edit, sets.sets);
    edit.commit(EditTransaction::Redraw::None);
    const qint64 changed = std::inner_product(before.begin(), before.end(), level.cells(), qint64(0), std::plus<>(),
                                              std::not_equal_to<>());
    std::printf("%lld wall cell(s) changed\n", static_cast<long long>(changed));
    if (changed == 0) {
        return Success;
    }
    const QString error = LevelFile::saveLevel(level, args[0]);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "quarn-lvl: %s\n", qPrintable(error));
        return BadInput;
    }
    return Success;
}

}  // namespace Commands
