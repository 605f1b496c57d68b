#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/Commands.h"
#include "cli/FileNames.h"

namespace {

const char* const usage =
    "Usage: quarn-lvl COMMAND [ARGS]\n"
    "Check and convert Quarn level files without opening the editor.\n\n"
    "Commands:\n"
    "  info FILE|FOLDER... [--json]   what each level holds\n"
    "  check FILE|FOLDER... [--json]  every problem of every level; exit status 1 when there is one\n"
    "  resave IN OUT                  load and save again (keeps OUT.bak)\n"
    "  export-tileset IN OUT.bmp      write the level's own tileset as a bitmap\n"
    "  render FILE OUT.png [options]  draw the level as the editor shows it\n"
    "  export-map IN OUT.tmx|OUT.tmj  write the level as a tile map for other editors and engines\n"
    "  import-map IN.tmx|IN.tmj OUT   make a level of a tile map\n"
    "  retile FILE                    join every wall cell to its neighbours by FILE.sets.json (keeps FILE.bak)\n\n"
    "Run 'quarn-lvl COMMAND --help' for a command's options, 'quarn-lvl --version' for the version.\n"
    "Exit status: 0 success, 1 unreadable or damaged input, 2 wrong usage.\n";

// Qt's own runtime warnings (a missing XDG_RUNTIME_DIR, a font it cannot find) are about the machine,
// not about the levels; the tool's output is only what it found, written to stdout and stderr directly.
void dropQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "quarn-lvl: internal error: %s\n", message.toLocal8Bit().constData());
    }
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(dropQtMessages);
    // Only drawing needs QtGui's fonts and platform; the other commands start without them. Pictures are
    // drawn offscreen, so no window system is needed either way.
    const bool draws = argc > 1 && std::strcmp(argv[1], "render") == 0;
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    const std::unique_ptr<QCoreApplication> app =
        draws ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quarn-lvl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUARN_VERSION));
    // A name whose bytes are not valid in the system's encoding would be opened or written under a
    // different name; it is refused instead.
    for (int i = 1; i < argc; ++i) {
        if (QFile::encodeName(QFile::decodeName(argv[i])) != QByteArray(argv[i])) {
            std::fprintf(stderr, "quarn-lvl: the name \"%s\" is not valid in the system's encoding (UTF-8)\n",
                         FileNames::text(argv[i]).constData());
            return Commands::BadInput;
        }
    }
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.contains(QLatin1String("--version"))) {
        std::printf("quarn-lvl %s\n", QUARN_VERSION);
        return Commands::Success;
    }
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
    if (command == QLatin1String("check")) {
        return Commands::check(args);
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
    if (command == QLatin1String("export-map")) {
        return Commands::exportMap(args);
    }
    if (command == QLatin1String("import-map")) {
        return Commands::importMap(args);
    }
    if (command == QLatin1String("retile")) {
        return Commands::retile(args);
    }
    std::fprintf(stderr, "quarn-lvl: unknown command '%s'\n\n%s", qPrintable(command), usage);
    return Commands::Usage;
}
