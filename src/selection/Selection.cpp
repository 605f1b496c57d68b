#include "selection/Selection.h"

#include <QScrollBar>
#include <cmath>
#include <optional>

#include "model/Level.h"
#include "model/LevelEdit.h"
#include "selection/BlockEdits.h"
#include "selection/SelectionShape.h"
#include "selection/TileClipboard.h"
#include "tools/ToolContext.h"
#include "tools/WindowServices.h"
#include "view/Blit.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

namespace {

// Int of the description: toward minus infinity.
int truncated(double v) {
    return static_cast<int>(std::floor(v));
}

int nearest(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// The tools under which the selection shows its block and its frame on the radar.
bool showsFloatingBlock(ToolId tool) {
    return tool == ToolId::Magnifier || tool == ToolId::Selection;
}

}  // namespace

void Selection::attach(ToolContext& map, WindowServices& window, TileClipboard& clipboard) {
    parent = &map;
    services = &window;
    clip = &clipboard;
    shape = new SelectionShape(parent->view().viewSurface());
}

bool Selection::pasting() const {
    return clip->pasting();
}

bool Selection::isInSelection(int column, int row) const {
    return rect().contains(column, row);
}

QRect Selection::selectionOutline() const {
    return shape->outline();
}

float Selection::cellSize() const {
    return parent->view().transform().cellSize();
}

int Selection::startX() const {
    return parent->view().transform().startX();
}

int Selection::startY() const {
    return parent->view().transform().startY();
}

void Selection::beginRectangle(float X, float Y) {
    clip->setPasting(false);
    state = SelectionState::Drawing;
    shape->setVisible(true);
    const ViewTransform tf = parent->view().transform();
    const float t = tf.cellSize();
    const float snapX = static_cast<float>(tf.cellsIn(X)) * t;
    const float snapY = static_cast<float>(tf.cellsIn(Y)) * t;
    shape->setLeft(snapX);
    shape->setTop(snapY);
    shape->setWidth(1);
    shape->setHeight(1);
    dragw = 0;
    dragh = 0;
    lastx = nearest(snapX);
    lasty = nearest(snapY);
    srcx = -1;
    srcy = -1;
    moved = false;
}

void Selection::press(const ToolEvent& event) {
    const float X = event.x();
    const float Y = event.y();
    if (state != SelectionState::Selected) {
        beginRectangle(X, Y);
        return;
    }
    if (shape->contains(X, Y)) {
        grabx = nearest(X - truncated(shape->x() + shape->width() / 2));
        graby = nearest(Y - truncated(shape->y() + shape->height() / 2));
        return;
    }
    applySelection();
    beginRectangle(X, Y);
    parent->updatePreview(true);
}

void Selection::move(const ToolEvent& event) {
    const float X = event.x();
    const float Y = event.y();
    const ViewTransform tf = parent->view().transform();
    const float t = tf.cellSize();
    PictureBox* view = parent->view().viewSurface();
    if (state == SelectionState::Drawing) {
        const int pw = view->width();
        const int ph = view->height();
        if (0 < X && X < pw) {
            dragw = nearest(X - lastx + dragw);
        }
        if (0 < Y && Y < ph) {
            dragh = nearest(Y - lasty + dragh);
        }
        // The outline covers the whole cells passed over between the start point and the pointer.
        auto span = [&tf, t](float at, int drag, float& first, float& size) {
            if (drag > 0) {
                first = static_cast<float>(tf.cellsIn(at - drag)) * t;
                size = static_cast<float>(tf.cellsIn(drag)) * t;
            } else {
                first = static_cast<float>(tf.cellsIn(t + at - 1)) * t;
                size = static_cast<float>(tf.cellsIn(std::abs(drag))) * t;
            }
        };
        float left = 0;
        float width = 0;
        float top = 0;
        float height = 0;
        span(X, dragw, left, width);
        span(Y, dragh, top, height);
        if (left < 0) {
            left = 0;
        }
        if (left + width > pw) {
            left = pw - width - 1;
        }
        if (top < 0) {
            top = 0;
        }
        if (top + height > ph) {
            top = ph - height - 1;
        }
        shape->setLeft(left);
        shape->setWidth(width);
        shape->setTop(top);
        shape->setHeight(height);
    } else if (state == SelectionState::Selected && services->mouseIsDown()) {
        const float newLeft = static_cast<float>(tf.cellsIn(nearest(X - shape->width() / 2 - grabx))) * t;
        const float newTop = static_cast<float>(tf.cellsIn(truncated(Y - shape->height() / 2 - graby))) * t;
        const bool shifted = newLeft != nearest(shape->x()) || newTop != nearest(shape->y());
        shape->setLeft(newLeft);
        shape->setTop(newTop);
        if (shifted) {
            moved = true;
            parent->updatePreview(true);
        }
    } else if (state == SelectionState::Selected) {
        view->setCursor(shape->contains(X, Y) ? Qt::SizeAllCursor : Qt::CrossCursor);
    }
    lastx = nearest(X);
    lasty = nearest(Y);
}

void Selection::cellsFromOutline() {
    const ViewTransform tf = parent->view().transform();
    const float t = tf.cellSize();
    // With one pixel per cell the outline lies exactly on its cells; otherwise 2 pixels of slack
    // keep an outline drawn a pixel early on its own cell.
    const float slack = tf.usingPixels() ? 0.0f : 2.0f;
    selstartx = tf.cellX(shape->x() + slack);
    selstarty = tf.cellY(shape->y() + slack);
    selendx = nearest(shape->width() / t + selstartx - 1);
    selendy = nearest(shape->height() / t + selstarty - 1);
}

void Selection::release(const ToolEvent&) {
    cellsFromOutline();
    if (state == SelectionState::Drawing) {
        state = SelectionState::Selected;
        if (selstartx > selendx || selstarty > selendy) {
            stopSelecting(true);
            return;
        }
        CellRect r = rect();
        BlockEdits::growToSpecialTiles(parent->level(), r);
        selstartx = r.x1;
        selstarty = r.y1;
        selendx = r.x2;
        selendy = r.y2;
        if (srcx == -1 || srcy == -1) {
            srcx = selstartx;
            srcy = selstarty;
        }
        services->setMouseIsDown(false);
        parent->updatePreview(true);
    } else if (state == SelectionState::Selected) {
        // A move along one axis only keeps the outline where the drag left it.
        if (srcx != selstartx && srcy != selstarty && !parent->view().transform().usingPixels()) {
            placeOutlineFromCells();
        }
    }
}

void Selection::endGesture() {
    if (state == SelectionState::Drawing) {
        stopSelecting(true);
        return;
    }
    if (state != SelectionState::Selected) {
        return;
    }
    if (services->mouseIsDown()) {
        // A drag cut short: the block goes where the outline is, as a release there would leave it.
        cellsFromOutline();
    }
    if (!clip->pasting() && srcx == selstartx && srcy == selstarty) {
        return;
    }
    writeFloatingBlock();
    // Marked again where it now lies: lifting it once more starts a new move.
    srcx = selstartx;
    srcy = selstarty;
    moved = false;
    placeOutlineFromCells();
    parent->redrawView();
}

void Selection::writeFloatingBlock() {
    Level& level = parent->level();
    const bool pasted = clip->pasting();
    if (!pasted && srcx == selstartx && srcy == selstarty) {
        return;
    }
    LevelEdit edit(level);
    const CellRect target = rect();
    if (!pasted) {
        const CellRect source{srcx, srcy, srcx + target.width() - 1, srcy + target.height() - 1};
        BlockEdits::removePartialObjects(edit, source);
        const TileBlock block = BlockEdits::readBlock(level, source);
        BlockEdits::emptyCells(edit, source);
        BlockEdits::removeObjectsUnder(edit, target);
        BlockEdits::dropBlock(edit, block, target.x1, target.y1);
    } else {
        BlockEdits::removeObjectsUnder(edit, target);
        BlockEdits::dropBlock(edit, clip->block(), target.x1, target.y1);
        clip->setPasting(false);
    }
    edit.commit(EditTransaction::Redraw::None);
}

void Selection::applySelection() {
    writeFloatingBlock();
    state = SelectionState::None;
    shape->hideShape();
    parent->redrawView();
}

void Selection::stopSelecting(bool refresh) {
    state = SelectionState::None;
    shape->hideShape();
    services->setCurrentTool(services->currentTool());
    parent->updatePreview(refresh);
}

void Selection::deleteSelection() {
    Level& level = parent->level();
    LevelEdit edit(level);
    if (!clip->pasting()) {
        const CellRect r = rect();
        BlockEdits::emptyCells(edit, {srcx, srcy, srcx + r.width() - 1, srcy + r.height() - 1});
    }
    stopSelecting(false);
    edit.commit();
}

void Selection::placeOutlineFromCells() {
    const float t = cellSize();
    shape->setLeft(static_cast<float>(selstartx - startX()) * t);
    shape->setTop(static_cast<float>(selstarty - startY()) * t);
    shape->setWidth(static_cast<float>(selendx + 1 - selstartx) * t);
    shape->setHeight(static_cast<float>(selendy + 1 - selstarty) * t);
}

QRect Selection::drawSelectionOnPreview(bool fromUpdateLevel) {
    if (state != SelectionState::Selected) {
        return {};
    }
    const bool floatingShown = showsFloatingBlock(services->currentTool());
    if (!fromUpdateLevel && !floatingShown) {
        return {};
    }
    if (!services->mouseIsDown()) {
        placeOutlineFromCells();
    }
    // A full redraw is followed by the preview copy, which draws the block over the fresh view.
    return fromUpdateLevel ? QRect() : drawFloatingBlock();
}

QRect Selection::floatingBlockCover() const {
    // Only a drag keeps the outline where it is; otherwise the drawing places it anew from the cells.
    if (state != SelectionState::Selected || !showsFloatingBlock(services->currentTool()) || !services->mouseIsDown()) {
        return {};
    }
    return shape->outline();
}

QRect Selection::drawFloatingBlock() {
    QImage& out = parent->view().viewSurface()->image();
    const QRect at = shape->outline();
    if (clip->pasting()) {
        return clip->drawPasted(out, at);
    }
    const float t = cellSize();
    const QRect source(static_cast<int>(static_cast<float>(srcx - startX()) * t),
                       static_cast<int>(static_cast<float>(srcy - startY()) * t), at.width(), at.height());
    // The source shows empty while the block is shown at the outline; cells of the source outside
    // the view are not in the view image and show empty too.
    Blit::fill(out, source, qRgb(0, 0, 0));
    return (source & out.rect()) | Blit::copy(out, at.topLeft(), parent->view().levelImage(), source);
}

void Selection::selectAll() {
    if (state == SelectionState::Selected) {
        applySelection();
    }
    clip->setPasting(false);
    selstartx = 0;
    selstarty = 0;
    selendx = Level::Size - 1;
    selendy = Level::Size - 1;
    srcx = 0;
    srcy = 0;
    moved = false;
    services->setCurrentTool(ToolId::Selection);
    state = SelectionState::Selected;
    shape->setVisible(true);
    placeOutlineFromCells();
    parent->updatePreview(true);
}

void Selection::setPasteRegion(int startx, int starty, int endx, int endy) {
    selstartx = startx;
    selstarty = starty;
    selendx = endx;
    selendy = endy;
    services->setCurrentTool(ToolId::Selection);
    state = SelectionState::Selected;
}

void Selection::cutSelection() {
    clip->cutOrCopy(true, selstartx, selstarty, selendx, selendy);
}

void Selection::copySelection() {
    clip->cutOrCopy(false, selstartx, selstarty, selendx, selendy);
}

void Selection::widenTo(const CellRect& area) {
    if (area.isEmpty()) {
        return;
    }
    selstartx = std::min(selstartx, area.x1);
    selstarty = std::min(selstarty, area.y1);
    selendx = std::max(selendx, area.x2);
    selendy = std::max(selendy, area.y2);
}

void Selection::switchOrReplace(int16_t src, int16_t dest, bool replace) {
    LevelEdit edit(parent->level());
    BlockEdits::switchOrReplace(edit, rect(), src, dest, replace);
    edit.commit();
}

void Selection::mirror() {
    LevelEdit edit(parent->level());
    widenTo(BlockEdits::mirror(edit, rect()));
    edit.commit();
}

void Selection::flip() {
    LevelEdit edit(parent->level());
    widenTo(BlockEdits::flip(edit, rect()));
    edit.commit();
}

std::optional<QRectF> Selection::radarFrame() const {
    if (state == SelectionState::None || !showsFloatingBlock(services->currentTool())) {
        return std::nullopt;
    }
    return QRectF(shape->x(), shape->y(), shape->width(), shape->height());
}
