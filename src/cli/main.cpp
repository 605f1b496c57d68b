#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "cli/Commands.h"

namespace {

const char* const usage =
    "Usage: quarn-lvl COMMAND [ARGS]\n"
    "Check and convert Quarn level files without opening the editor.\n\n"
    "Commands:\n"
    "  info FILE [--json]             what the level holds\n"
    "  resave IN OUT                  load and save again (keeps OUT.bak)\n"
    "  export-tileset IN OUT.bmp      write the level's own tileset as a bitmap\n"
    "  render FILE OUT.png [options]  draw the level as the editor shows it\n\n"
    "Run 'quarn-lvl COMMAND --help' for a command's options.\n"
    "Exit status: 0 success, 1 unreadable or damaged input, 2 wrong usage.\n";

}  // namespace

int main(int argc, char** argv) {
    // Pictures are decoded and drawn with QtGui; no window system is needed for that.
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    // A name whose bytes are not valid in the system's encoding would be opened or written under a
    // different name; it is refused instead.
    for (int i = 1; i < argc; ++i) {
        if (QFile::encodeName(QFile::decodeName(argv[i])) != QByteArray(argv[i])) {
            std::fprintf(stderr, "quarn-lvl: the name \"%s\" is not valid in the system's encoding (UTF-8)\n", argv[i]);
            return Commands::BadInput;
        }
    }
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fputs(usage, stderr);
        return Commands::Usage;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        std::fputs(usage, stdout);
        return Commands::Success;
    }
    if (command == QLatin1String("info")) {
        return Commands::info(args);
    }
    if (command == QLatin1String("resave")) {
        return Commands::resave(args);
    }
    if (command == QLatin1String("export-tileset")) {
        return Commands::exportTileset(args);
    }
    if (command == QLatin1String("render")) {
        return Commands::render(args);
    }
    std::fprintf(stderr, "quarn-lvl: unknown command '%s'\n\n%s", qPrintable(command), usage);
    return Commands::Usage;
}
