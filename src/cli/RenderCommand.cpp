#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <cstdio>
#include <optional>

#include "cli/Commands.h"
#include "cli/LoadNotes.h"
#include "model/Level.h"
#include "model/LevelFile.h"
#include "view/LevelPicture.h"
#include "view/PngWriter.h"

namespace {

const char* const help =
    "Usage: quarn-lvl render FILE OUT.png [--zoom 1/16|1/4|1/2|1|2] [--grid] [--numbers]\n"
    "                        [--region COL,ROW,WIDTH,HEIGHT] [--verbose]\n"
    "Draws level FILE with its own tileset exactly as the editor's view shows it and writes a PNG.\n\n"
    "  --zoom Z        pixels per cell: 1/16 (1), 1/4 (4, the default), 1/2 (8), 1 (16), 2 (32)\n"
    "  --grid          draw the grid lines\n"
    "  --numbers       print the cell values (zoom 1 and 2 only, as in the editor)\n"
    "  --region C,R,W,H  only the W x H cells from column C, row R (default: the whole level)\n"
    "  --verbose       print the time spent loading, drawing and encoding\n\n"
    "Images larger than 16384 x 16384 pixels are refused; draw a region instead.\n"
    "Exit status: 0 success, 1 unreadable input or unwritable output, 2 wrong usage.\n";

constexpr qint64 MaxPixels = qint64{16384} * 16384;

struct Options {
    QString level;
    QString out;
    float zoom = 0.25f;
    bool grid = false;
    bool numbers = false;
    bool verbose = false;
    QRect region{0, 0, Level::Size, Level::Size};
};

int refuseUsage(const char* reason) {
    std::fprintf(stderr, "quarn-lvl render: %s\n\n%s", reason, help);
    return Commands::Usage;
}

std::optional<float> parseZoom(const QString& text) {
    static const std::pair<const char*, float> steps[] = {
        {"1/16", 1.0f / 16}, {"1/4", 0.25f}, {"1/2", 0.5f}, {"1", 1.0f}, {"2", 2.0f}};
    for (const auto& [name, zoom] : steps) {
        if (text == QLatin1String(name)) {
            return zoom;
        }
    }
    return std::nullopt;
}

std::optional<QRect> parseRegion(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) {
        return std::nullopt;
    }
    qint64 v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toLongLong(&ok);
        if (!ok) {
            return std::nullopt;
        }
    }
    // Checked one by one before any sum, so that no number however large can overflow.
    const auto within = [](qint64 value, qint64 low, qint64 high) { return value >= low && value <= high; };
    if (!within(v[0], 0, Level::Size - 1) || !within(v[1], 0, Level::Size - 1) ||
        !within(v[2], 1, Level::Size - v[0]) || !within(v[3], 1, Level::Size - v[1])) {
        return std::nullopt;
    }
    return QRect(static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]), static_cast<int>(v[3]));
}

// Returns an error text, or nothing when the options are complete.
std::optional<const char*> parse(const QStringList& args, Options& o) {
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--grid")) {
            o.grid = true;
        } else if (a == QLatin1String("--numbers")) {
            o.numbers = true;
        } else if (a == QLatin1String("--verbose")) {
            o.verbose = true;
        } else if (a == QLatin1String("--zoom")) {
            const auto zoom = hasValue ? parseZoom(args[++i]) : std::nullopt;
            if (!zoom) {
                return "--zoom takes 1/16, 1/4, 1/2, 1 or 2";
            }
            o.zoom = *zoom;
        } else if (a == QLatin1String("--region")) {
            const auto region = hasValue ? parseRegion(args[++i]) : std::nullopt;
            if (!region) {
                return "--region takes COL,ROW,WIDTH,HEIGHT in cells, inside the 1024 x 1024 grid";
            }
            o.region = *region;
        } else if (a.startsWith(QLatin1String("--"))) {
            return "unknown option";
        } else {
            files << a;
        }
    }
    if (files.size() != 2) {
        return "FILE and OUT.png are needed";
    }
    o.level = files[0];
    o.out = files[1];
    return std::nullopt;
}

}  // namespace

namespace Commands {

int render(const QStringList& args) {
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        std::fputs(help, stdout);
        return Success;
    }
    Options o;
    if (const auto error = parse(args, o)) {
        return refuseUsage(*error);
    }
    const int t = static_cast<int>(o.zoom * 16);
    const qint64 width = qint64{o.region.width()} * t;
    const qint64 height = qint64{o.region.height()} * t;
    if (width * height > MaxPixels) {
        return refuseUsage("the image would be larger than 16384 x 16384 pixels; draw a --region");
    }

    QElapsedTimer clock;
    clock.start();
    Level level;
    if (!LoadNotes::load(level, QFile::encodeName(o.level))) {
        return BadInput;
    }
    level.tileset().setZoom(o.zoom);
    const qint64 loaded = clock.restart();

    const QImage image = LevelPicture::draw(level, {o.region, o.zoom, o.grid, o.numbers});
    const qint64 drawn = clock.restart();

    if (const QString error = PngWriter::write(image, o.out); !error.isEmpty()) {
        std::fprintf(stderr, "quarn-lvl: %s: %s\n", qPrintable(o.out), qPrintable(error));
        return BadInput;
    }
    if (o.verbose) {
        std::fprintf(stderr, "%lld x %lld pixels: load %lld ms, draw %lld ms, encode %lld ms\n", width, height, loaded,
                     drawn, clock.elapsed());
    }
    return Success;
}

}  // namespace Commands
