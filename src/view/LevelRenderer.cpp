#include "view/LevelRenderer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstring>

#include "model/Level.h"
#include "model/Tileset.h"
#include "view/Blit.h"

namespace {

constexpr QRgb Black = 0xFF000000u;
constexpr QRgb White = 0xFFFFFFFFu;

// Where each special tile lies in the special-tiles picture, and how many cells its square spans.
struct SpecialSource {
    int16_t tile;
    QRect from;
    int cells;
};
constexpr std::array<SpecialSource, 3> specialSources{{
    {217, {16, 0, 32, 32}, 2},
    {219, {128, 0, 96, 96}, 6},
    {220, {48, 0, 80, 80}, 5},
}};

int specialIndex(int16_t n) {
    switch (n) {
        case 217:
            return 0;
        case 219:
            return 1;
        case 220:
            return 2;
        default:
            return -1;
    }
}

// Shrinking averages the source pixels so a small object keeps its look; growing keeps the pixel
// art sharp, as the tileset itself is scaled.
QImage stretch(const QImage& source, const QRect& from, int size) {
    const QImage part = source.copy(from).convertToFormat(QImage::Format_RGB32);
    if (size == from.width()) {
        return part;
    }
    const auto mode = size < from.width() ? Qt::SmoothTransformation : Qt::FastTransformation;
    return part.scaled(size, size, Qt::IgnoreAspectRatio, mode).convertToFormat(QImage::Format_RGB32);
}

const QFont& numberFont() {
    static const QFont font = [] {
        // The small bitmap serif of the original look where it exists, otherwise the nearest serif.
        QFont f;
        f.setFamilies(
            {QStringLiteral("MS Serif"), QStringLiteral("DejaVu Serif Condensed"), QStringLiteral("DejaVu Serif")});
        f.setStyleHint(QFont::Serif, QFont::NoAntialias);
        f.setPixelSize(8);  // 6 pt at 96 dots per inch
        return f;
    }();
    return font;
}

// White text on a transparent picture; without antialiasing every pixel is either text or not.
QImage textPicture(const QString& text) {
    const QFontMetrics metrics(numberFont());
    QImage picture(std::max(1, metrics.horizontalAdvance(text)), std::max(1, metrics.height()),
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setFont(numberFont());
    p.setPen(Qt::white);
    p.drawText(picture.rect(), Qt::AlignLeft | Qt::AlignTop, text);
    return picture;
}

}  // namespace

LevelRenderer::LevelRenderer() = default;

QString LevelRenderer::cellText(int16_t value) {
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

void LevelRenderer::drawLevel(QImage& target, const Level& level, const ViewTransform& view, bool numbers) {
    target.fill(Black);
    const int startX = view.startX();
    const int startY = view.startY();
    if (view.usingPixels()) {
        Blit::copy(target, {0, 0}, level.overview().picture(), QRect(startX, startY, target.width(), target.height()));
        return;
    }
    const int t = static_cast<int>(view.cellSize());
    const bool text = numbers && numbersShown(view);
    const int16_t* cells = level.cells();
    // Ordinary tiles that lie wholly inside the view are copied row by row without clipping:
    // the source of each tile number is worked out once, -1 where the slow path must decide.
    const QImage& tiles = level.tileset().zoomedTiles();
    std::array<qsizetype, 256> source{};
    for (int n = 0; n < 256; ++n) {
        const QRect from = Tileset::tileSource(n, t);
        const bool plain = n > 0 && specialIndex(static_cast<int16_t>(n)) < 0 && tiles.rect().contains(from);
        source[static_cast<size_t>(n)] = plain ? from.y() * tiles.bytesPerLine() + from.x() * qsizetype{4} : -1;
    }
    const uchar* tileBits = tiles.constBits();
    uchar* out = target.bits();
    const qsizetype outStride = target.bytesPerLine();
    const auto rowBytes = static_cast<size_t>(t) * 4;
    // Row by row and left to right, so a special tile's picture is drawn before the covered
    // cells to its right and below, which draw nothing but their number.
    for (int y = std::max(0, startY); y <= std::min(Level::Size - 1, view.endY()); ++y) {
        const int16_t* row = cells + static_cast<ptrdiff_t>(y) * Level::Size;
        const int py = t * (y - startY);
        const bool rowInside = py + t <= target.height();
        for (int x = std::max(0, startX); x <= std::min(Level::Size - 1, view.endX()); ++x) {
            const int16_t n = row[x];
            const QPoint at(t * (x - startX), py);
            const qsizetype from = n > 0 && n < 256 ? source[static_cast<size_t>(n)] : -1;
            if (from >= 0 && rowInside && at.x() + t <= target.width()) {
                const uchar* in = tileBits + from;
                uchar* to = out + py * outStride + at.x() * qsizetype{4};
                for (int line = 0; line < t; ++line, in += tiles.bytesPerLine(), to += outStride) {
                    std::memcpy(to, in, rowBytes);
                }
            } else {
                drawValue(target, level, n, at, t, false);
            }
            if (text) {
                drawNumber(target, n, at);
            }
        }
    }
}

QRect LevelRenderer::drawCell(QImage& target, const Level& level, const ViewTransform& view, int x, int y,
                              bool numbers) {
    if (!Level::inGrid(x, y) || x < view.startX() || x > view.endX() || y < view.startY() || y > view.endY()) {
        return {};
    }
    const QPoint at(view.pixelX(x), view.pixelY(y));
    if (view.usingPixels()) {
        if (!target.rect().contains(at)) {
            return {};
        }
        reinterpret_cast<QRgb*>(target.scanLine(at.y()))[at.x()] = level.overview().pixel(x, y);
        return {at, QSize(1, 1)};
    }
    const int16_t n = level.getTile(static_cast<int16_t>(x), static_cast<int16_t>(y));
    QRect written = drawValue(target, level, n, at, static_cast<int>(view.cellSize()), true);
    if (numbers && numbersShown(view)) {
        written |= drawNumber(target, n, at);
    }
    return written;
}

QRect LevelRenderer::drawValue(QImage& target, const Level& level, int16_t n, QPoint at, int t, bool blankEmpty) {
    if (n == -1) {
        return {};  // covered: the picture drawn at the anchor stays
    }
    if (n == 0) {
        if (!blankEmpty) {
            return {};  // the whole view was cleared to black before
        }
        const QRect cell(at, QSize(t, t));
        Blit::fill(target, cell, Black);
        return cell & target.rect();
    }
    if (specialIndex(n) >= 0) {
        const QImage& picture = specialPicture(n, t);
        return Blit::copy(target, at, picture, picture.rect());
    }
    return Blit::copy(target, at, level.tileset().zoomedTiles(), Tileset::tileSource(n, t));
}

const QImage& LevelRenderer::specialPicture(int16_t n, int t) {
    if (specialsSize != t) {
        for (size_t i = 0; i < specialSources.size(); ++i) {
            specials[i] = stretch(Tileset::specialTiles(), specialSources[i].from, specialSources[i].cells * t);
        }
        specialsSize = t;
    }
    return specials[static_cast<size_t>(specialIndex(n))];
}

const QImage& LevelRenderer::numberPicture(int16_t value) {
    if (value < -1 || value > 255) {
        otherNumber = textPicture(cellText(value));
        return otherNumber;
    }
    QImage& cached = numbers[static_cast<size_t>(value + 1)];
    if (cached.isNull()) {
        cached = textPicture(cellText(value));
    }
    return cached;
}

QRect LevelRenderer::drawNumber(QImage& target, int16_t value, QPoint at) {
    const QImage& text = numberPicture(value);
    const QRect area = QRect(at, text.size()) & target.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(text.constScanLine(y - at.y()));
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qAlpha(in[x - at.x()]) >= 128) {
                out[x] = White;
            }
        }
    }
    return area;
}

void LevelRenderer::drawGrid(QImage& target, const ViewTransform& view, const QRect& clip) {
    if (view.usingPixels()) {
        return;
    }
    const int step = ViewTransform::nearest(view.cellSize());
    const QRect area = clip & target.rect() & QRect(0, 0, view.width + 1, view.height + 1);
    if (area.isEmpty() || step <= 0) {
        return;
    }
    const QRgb grey = gridColour() | 0xFF000000u;
    uchar* bits = target.bits();
    const qsizetype stride = target.bytesPerLine();
    auto pixels = [&](int y) { return reinterpret_cast<QRgb*>(bits + y * stride); };
    // Only the lines that cross the clip rectangle are visited.
    const int firstX = (area.left() + step - 1) / step * step;
    for (int x = firstX; x <= area.right(); x += step) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            pixels(y)[x] = grey;
        }
    }
    const int firstY = (area.top() + step - 1) / step * step;
    for (int y = firstY; y <= area.bottom(); y += step) {
        std::fill(pixels(y) + area.left(), pixels(y) + area.right() + 1, grey);
    }
}
