#include "selection/TileClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>

#include "model/Level.h"
#include "model/LevelEdit.h"
#include "model/ObjectProcedures.h"
#include "model/RadarColor.h"
#include "model/Tileset.h"
#include "selection/BlockEdits.h"
#include "selection/Selection.h"
#include "selection/SelectionShape.h"
#include "selection/TileText.h"
#include "tools/ToolContext.h"
#include "tools/WindowServices.h"
#include "view/Blit.h"
#include "view/Dialogs.h"
#include "view/MapView.h"

namespace {

// Where each special tile's picture lies in the special-tiles picture, and its side in cells.
struct SpecialSource {
    int16_t tile;
    QRect source;
};
constexpr std::array<SpecialSource, 3> specialSources{{
    {217, {16, 0, 32, 32}},
    {219, {128, 0, 96, 96}},
    {220, {48, 0, 80, 80}},
}};

int specialIndex(int16_t v) {
    return v == 217 ? 0 : v == 219 ? 1 : 2;
}

}  // namespace

void TileClipboard::cutOrCopy(bool cutmode, int startx, int starty, int endx, int endy) {
    if (sel->selstate() != SelectionState::Selected) {
        return;
    }
    Level& level = parent->level();
    std::optional<LevelEdit> cut;
    if (cutmode) {
        cut.emplace(level);
    }
    sel->stopSelecting(true);
    const CellRect r{startx, starty, endx, endy};
    const QString text = TileText::format(level, r);
    if (cut) {
        BlockEdits::emptyCells(*cut, r);
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
    if (cut) {
        cut->commit(EditTransaction::Redraw::None);
    }
    parent->updatePreview(true);
}

void TileClipboard::paste() {
    const QString text = QGuiApplication::clipboard()->text();
    if (!TileText::hasKeyword(text)) {
        return;
    }
    auto pasted = TileText::parse(text);
    if (!pasted) {
        services->dialogs().message(
            parent->window(),
            QCoreApplication::translate("TileClipboard",
                                        "The tiles on the clipboard cannot be pasted: the text is damaged or "
                                        "describes a block larger than 1024 x 1024 cells. Copy the tiles again."));
        return;
    }
    Selection& selection = *sel;
    selection.stopSelecting(true);
    isPasting = true;
    cliptiles = std::move(*pasted);
    drawnT = 0;
    const float t = parent->view().transform().cellSize();
    SelectionShape& shape = selection.outline();
    shape.setLeft(0);
    shape.setTop(0);
    shape.setWidth(static_cast<float>(cliptiles.width()) * t);
    shape.setHeight(static_cast<float>(cliptiles.height()) * t);
    shape.setVisible(true);
    const ViewTransform tf = parent->view().transform();
    const int startx = tf.cellX(shape.x());
    const int starty = tf.cellY(shape.y());
    const auto endx = static_cast<int>(std::nearbyint(shape.width() / t + static_cast<float>(startx) - 1));
    const auto endy = static_cast<int>(std::nearbyint(shape.height() / t + static_cast<float>(starty) - 1));
    selection.setPasteRegion(startx, starty, endx, endy);
    parent->updatePreview(true);
}

const QImage& TileClipboard::specialPicture(int16_t v, int t) {
    if (specialsT != t) {
        specialsT = t;
        for (const SpecialSource& s : specialSources) {
            const int side = (ObjectProcedures::objectExtent(s.tile) + 1) * t;
            specials[static_cast<size_t>(specialIndex(s.tile))] =
                Tileset::specialTiles()
                    .copy(s.source)
                    .scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
        }
    }
    return specials[static_cast<size_t>(specialIndex(v))];
}

void TileClipboard::drawCell(QImage& into, int16_t v, int x, int y, int t) {
    if (v == -1 || v == 0) {
        return;  // the picture starts black; a covered cell is under its anchor's picture
    }
    if (ObjectProcedures::isSpecialTile(v)) {
        const QImage& picture = specialPicture(v, t);
        Blit::copy(into, {x, y}, picture, picture.rect());
        return;
    }
    Blit::copy(into, {x, y}, parent->level().tileset().zoomedTiles(), Tileset::tileSource(v, t));
}

QRect TileClipboard::drawPasted(QImage& target, const QRect& outline) {
    const ViewTransform tf = parent->view().transform();
    const bool pixels = tf.usingPixels();
    const int t = pixels ? 1 : static_cast<int>(tf.cellSize());
    // The cells of the block that fall into the target, plus the reach of a special tile whose
    // anchor lies up or left of the visible part.
    const QRect shown = outline & target.rect();
    if (shown.isEmpty() || cliptiles.width() == 0) {
        return {};
    }
    const int reach = pixels ? 0 : 5;
    const int c0 = std::max(0, (shown.left() - outline.left()) / t - reach);
    const int r0 = std::max(0, (shown.top() - outline.top()) / t - reach);
    const int c1 = std::min(cliptiles.width() - 1, (shown.right() - outline.left()) / t);
    const int r1 = std::min(cliptiles.height() - 1, (shown.bottom() - outline.top()) / t);
    const QRect needed(QPoint(c0, r0), QPoint(c1, r1));
    const qint64 tilesetKey = parent->level().tileset().zoomedTiles().cacheKey();
    if (!drawnCells.contains(needed) || t != drawnT || tilesetKey != drawnTileset) {
        // A margin of a quarter of the visible part on every side lets the small steps of a drag that
        // pushes the block past the view's edge reuse the picture instead of drawing it again each time.
        const int mx = std::max(4, needed.width() / 4);
        const int my = std::max(4, needed.height() / 4);
        const QRect cells = needed.adjusted(-mx, -my, mx, my) & QRect(0, 0, cliptiles.width(), cliptiles.height());
        clipboardImage = QImage(cells.width() * t, cells.height() * t, QImage::Format_RGB32);
        clipboardImage.fill(Qt::black);
        for (int r = cells.top(); r <= cells.bottom(); ++r) {
            for (int c = cells.left(); c <= cells.right(); ++c) {
                const int16_t v = cliptiles.at(c, r);
                const int x = c - cells.left();
                const int y = r - cells.top();
                if (pixels) {
                    clipboardImage.setPixel(x, y, radarColor(v));
                } else {
                    drawCell(clipboardImage, v, x * t, y * t, t);
                }
            }
        }
        drawnCells = cells;
        drawnT = t;
        drawnTileset = tilesetKey;
    }
    const QPoint at(outline.left() + drawnCells.left() * t, outline.top() + drawnCells.top() * t);
    // Only the outline's area shows the block, as a picture of the whole block would.
    const QRect inside = QRect(at, clipboardImage.size()) & outline;
    return Blit::copy(target, inside.topLeft(), clipboardImage, inside.translated(-at));
}
