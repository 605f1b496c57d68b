#include "walls/WallSetsPage.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "model/ObjectProcedures.h"
#include "view/Dialogs.h"
#include "view/PictureBox.h"
#include "walls/LevelSets.h"
#include "walls/SetTilePicker.h"
#include "walls/SetsFile.h"
#include "walls/WallSetPicture.h"

namespace {

constexpr int ListWidth = 224;

}  // namespace

WallSetsPage::WallSetsPage(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      dialogs(dialogs),
      list(new PictureBox(this)),
      scroll(new QScrollBar(Qt::Vertical, this)),
      currentBox(new QGroupBox(tr("Current"), this)),
      current(new PictureBox(currentBox)),
      name(new QLineEdit(currentBox)),
      room(new PictureBox(this)),
      hint(new QLabel(this)),
      addNew(new QPushButton(tr("Add New"), this)),
      replace(new QPushButton(tr("Replace ->"), this)),
      remove(new QPushButton(tr("Remove"), this)) {
    list->setObjectName(QStringLiteral("picWallSets"));
    scroll->setObjectName(QStringLiteral("vscr"));
    current->setObjectName(QStringLiteral("picCurrent"));
    room->setObjectName(QStringLiteral("picRoom"));
    list->setFixedSize(ListWidth, ShownSets * SetSize);
    list->resizeImage(list->size());
    // Up and Down pick the set before and after.
    list->setFocusPolicy(Qt::StrongFocus);
    list->setToolTip(tr("Click a set to make it current"));
    scroll->setRange(0, 0);
    scroll->setPageStep(ShownSets);
    current->setFixedSize(4 * CurrentCell, 4 * CurrentCell);
    current->resizeImage(current->size());
    current->setFocusPolicy(Qt::NoFocus);
    current->setToolTip(tr("Click an entry, then a tile of the tileset; right-click empties it"));
    room->setFixedSize(WallSetPicture::RoomColumns * WallSetPicture::TileSize,
                       WallSetPicture::RoomRows * WallSetPicture::TileSize);
    room->resizeImage(room->size());
    room->setFocusPolicy(Qt::NoFocus);
    room->setToolTip(tr("A room drawn with the current set"));
    name->setPlaceholderText(tr("Name"));
    name->setMaxLength(SetsFile::MaxNameLength);
    hint->setWordWrap(true);
    replace->setCheckable(true);

    auto* currentLayout = new QVBoxLayout(currentBox);
    currentLayout->addWidget(current, 0, Qt::AlignHCenter);
    currentLayout->addWidget(name);
    auto* side = new QVBoxLayout;
    side->addWidget(currentBox);
    side->addWidget(room, 0, Qt::AlignHCenter);
    side->addWidget(replace);
    side->addWidget(addNew);
    side->addWidget(remove);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->setSpacing(0);
    top->addWidget(list, 0, Qt::AlignTop);
    top->addWidget(scroll);
    top->addSpacing(8);
    top->addLayout(side);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(hint);

    connect(scroll, &QScrollBar::valueChanged, this, [this] { drawList(); });
    connect(list, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton, Qt::MouseButtons, QPointF pos) { listPressed(pos); });
    connect(list, &PictureBox::keyDown, this, [this](QKeyEvent* e) { listKey(e->key()); });
    connect(current, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton button, Qt::MouseButtons, QPointF pos) { currentPressed(button, pos); });
    connect(addNew, &QPushButton::clicked, this, [this] { addSet(); });
    connect(remove, &QPushButton::clicked, this, [this] { removeSet(); });
    connect(replace, &QPushButton::toggled, this, [this](bool on) {
        hint->setText(on ? tr("Click the set that the current set shall replace.") : QString());
    });
    connect(name, &QLineEdit::editingFinished, this, [this] { rename(); });
    redraw();
}

void WallSetsPage::bind(LevelSets* levelSets, const QImage& tiles) {
    sets = levelSets;
    tileset = tiles;
    entry = -1;
    replace->setChecked(false);
    hint->clear();
    scroll->setValue(0);
    redraw();
}

int WallSetsPage::currentIndex() const {
    return sets ? sets->currentWallSet() : -1;
}

void WallSetsPage::redraw() {
    const int count = sets ? static_cast<int>(sets->wallSets().size()) : 0;
    {
        // The range may lower the value; the drawing below uses the lowered one.
        const QSignalBlocker quiet(scroll);
        scroll->setRange(0, std::max(0, count - 1));
    }
    const bool picked = currentIndex() >= 0;
    replace->setEnabled(picked && count > 1);
    remove->setEnabled(picked);
    name->setEnabled(picked);
    addNew->setEnabled(sets != nullptr);
    drawList();
    drawCurrent();
}

void WallSetsPage::drawList() {
    QImage& image = list->image();
    image.fill(Qt::black);
    const int count = sets ? static_cast<int>(sets->wallSets().size()) : 0;
    QPainter p(&image);
    for (int row = 0; row < ShownSets && scroll->value() + row < count; ++row) {
        const int index = scroll->value() + row;
        const WallSet& set = sets->wallSets()[static_cast<size_t>(index)];
        p.drawImage(0, row * SetSize, WallSetPicture::block(set, tileset, WallSetPicture::TileSize));
        p.setPen(Qt::white);
        p.drawText(QRect(SetSize + 8, row * SetSize, ListWidth - SetSize - 12, SetSize),
                   Qt::AlignVCenter | Qt::TextWordWrap, set.name());
        if (index == currentIndex()) {
            p.setPen(QPen(Qt::yellow, 2));
            p.drawRect(1, row * SetSize + 1, ListWidth - 2, SetSize - 2);
        }
    }
    list->refresh();
}

void WallSetsPage::drawCurrent() {
    const int index = currentIndex();
    const WallSet set = index >= 0 ? sets->wallSets()[static_cast<size_t>(index)] : WallSet();
    current->image() = WallSetPicture::block(set, tileset, CurrentCell);
    if (index >= 0) {
        WallSetPicture::drawMasks(current->image(), CurrentCell);
    }
    if (entry >= 0) {
        QPainter p(&current->image());
        p.setPen(QPen(Qt::cyan, 2));
        p.drawRect((entry % 4) * CurrentCell + 1, (entry / 4) * CurrentCell + 1, CurrentCell - 2, CurrentCell - 2);
    }
    current->refresh();
    room->image() = WallSetPicture::room(set, tileset);
    room->refresh();
    if (!name->hasFocus() || index < 0) {
        name->setText(set.name());
    }
}

void WallSetsPage::listPressed(QPointF pos) {
    const int index = static_cast<int>(pos.y()) / SetSize + scroll->value();
    if (!sets || pos.y() < 0 || index >= static_cast<int>(sets->wallSets().size())) {
        return;
    }
    if (replace->isChecked()) {
        replace->setChecked(false);
        replaceOnto(index);
    } else {
        pick(index);
    }
}

void WallSetsPage::listKey(int key) {
    const int index = currentIndex();
    if (key == Qt::Key_Up && index > 0) {
        pick(index - 1);
    } else if (key == Qt::Key_Down && sets && index + 1 < static_cast<int>(sets->wallSets().size())) {
        pick(index + 1);
    }
}

void WallSetsPage::pick(int index) {
    sets->setCurrentWallSet(index);
    if (index < scroll->value()) {
        scroll->setValue(index);
    } else if (index >= scroll->value() + ShownSets) {
        scroll->setValue(index - ShownSets + 1);
    }
    redraw();
}

void WallSetsPage::currentPressed(Qt::MouseButton button, QPointF pos) {
    const int index = currentIndex();
    const int column = static_cast<int>(pos.x()) / CurrentCell;
    const int row = static_cast<int>(pos.y()) / CurrentCell;
    if (index < 0 || pos.x() < 0 || pos.y() < 0 || column > 3 || row > 3) {
        return;
    }
    entry = row * 4 + column;
    if (button == Qt::RightButton) {
        WallSet set = sets->wallSets()[static_cast<size_t>(index)];
        set.setTile(entry, 0);
        store(set);
    }
    hint->setText(tr("Click a tile of the tileset for this entry."));
    drawCurrent();
}

void WallSetsPage::tilesPicked(QRect cells) {
    if (!sets) {
        return;
    }
    if (cells.size() == QSize(1, 1)) {
        const int16_t tile = SetTilePicker::tileAt(cells.x(), cells.y());
        if (tile == 0) {
            return;
        }
        if (currentIndex() < 0 || entry < 0) {
            hint->setText(tr("Click an entry of the current set first, or drag a block of 4 x 4 tiles."));
            return;
        }
        WallSet set = sets->wallSets()[static_cast<size_t>(currentIndex())];
        set.setTile(entry, tile);
        store(set);
        return;
    }
    if (cells.size() != QSize(4, 4)) {
        hint->setText(tr("Drag a block of 4 x 4 tiles to fill the whole set."));
        return;
    }
    if (currentIndex() < 0) {
        addSet();
    }
    if (currentIndex() < 0) {
        return;
    }
    WallSet set = sets->wallSets()[static_cast<size_t>(currentIndex())];
    for (int i = 0; i < WallSet::Entries; ++i) {
        set.setTile(i, SetTilePicker::tileAt(cells.x() + i % 4, cells.y() + i / 4));
    }
    store(set);
}

bool WallSetsPage::store(const WallSet& set) {
    const int index = currentIndex();
    for (const int16_t tile : set.tiles()) {
        if (ObjectProcedures::isSpecialTile(tile)) {
            dialogs.message(this, tr("Tile %1 is a special tile; a wall set cannot hold it.").arg(tile),
                            Dialogs::Icon::Warning);
            return false;
        }
        const int owner = sets->wallSetOf(tile);
        if (owner >= 0 && owner != index) {
            dialogs.message(this,
                            tr("Tile %1 belongs to the wall set \"%2\"; a tile can be in one wall set only.")
                                .arg(tile)
                                .arg(sets->wallSets()[static_cast<size_t>(owner)].name()),
                            Dialogs::Icon::Warning);
            return false;
        }
    }
    if (!sets->replaceWallSet(index, set)) {
        return false;
    }
    hint->clear();
    redraw();
    emit changed();
    return true;
}

void WallSetsPage::addSet() {
    if (!sets) {
        return;
    }
    const int count = static_cast<int>(sets->wallSets().size());
    if (!sets->addWallSet(WallSet(tr("Wall set %1").arg(count + 1), {}))) {
        dialogs.message(this, tr("A level holds %1 wall sets at most.").arg(LevelSets::MaxWallSets),
                        Dialogs::Icon::Warning);
        return;
    }
    entry = -1;
    pick(count);
    emit changed();
}

void WallSetsPage::removeSet() {
    const int index = currentIndex();
    if (index < 0) {
        return;
    }
    const WallSet& set = sets->wallSets()[static_cast<size_t>(index)];
    if (set.hasTiles() && !dialogs.ask(this, tr("Remove the wall set \"%1\" with its tiles?").arg(set.name()))) {
        return;
    }
    sets->removeWallSet(index);
    entry = -1;
    redraw();
    emit changed();
}

void WallSetsPage::replaceOnto(int target) {
    const int source = currentIndex();
    if (source < 0 || target == source) {
        return;
    }
    const WallSet moved = sets->wallSets()[static_cast<size_t>(source)];
    const WallSet& old = sets->wallSets()[static_cast<size_t>(target)];
    if (old.hasTiles() &&
        !dialogs.ask(this, tr("Replace the wall set \"%1\" with \"%2\"?").arg(old.name(), moved.name()))) {
        return;
    }
    // A tile belongs to one set only, so the set leaves its old place rather than being doubled.
    sets->replaceWallSet(source, WallSet());
    sets->replaceWallSet(target, moved);
    sets->removeWallSet(source);
    pick(source < target ? target - 1 : target);
    emit changed();
}

void WallSetsPage::rename() {
    const int index = currentIndex();
    const QString text = name->text().trimmed();
    if (index < 0 || text.isEmpty() || text == sets->wallSets()[static_cast<size_t>(index)].name()) {
        return;
    }
    WallSet set = sets->wallSets()[static_cast<size_t>(index)];
    set.setName(text);
    store(set);
}
