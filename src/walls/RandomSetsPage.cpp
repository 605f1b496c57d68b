#include "walls/RandomSetsPage.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>

#include "model/ObjectProcedures.h"
#include "model/Tileset.h"
#include "view/Dialogs.h"
#include "walls/LevelSets.h"
#include "walls/SetTilePicker.h"

namespace {

enum Column { PictureColumn, TileColumn, WeightColumn };

}  // namespace

RandomSetsPage::RandomSetsPage(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      dialogs(dialogs),
      list(new QListWidget(this)),
      table(new QTableWidget(0, 3, this)),
      addNew(new QPushButton(tr("Add New"), this)),
      remove(new QPushButton(tr("Remove"), this)),
      removeTile(new QPushButton(tr("Remove Tile"), this)) {
    list->setObjectName(QStringLiteral("lstRandomSets"));
    table->setObjectName(QStringLiteral("tblRandomTiles"));
    list->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    list->setMaximumWidth(160);
    table->setHorizontalHeaderLabels({tr("Tile"), tr("Number"), tr("Weight")});
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setIconSize({32, 32});
    table->horizontalHeader()->setSectionResizeMode(PictureColumn, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(TileColumn, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(WeightColumn, QHeaderView::Stretch);
    table->setToolTip(tr("Click tiles of the tileset to add them"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addNew);
    buttons->addWidget(remove);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Random sets:"), this));
    left->addWidget(list);
    left->addLayout(buttons);
    auto* right = new QVBoxLayout;
    right->addWidget(table);
    right->addWidget(removeTile, 0, Qt::AlignRight);
    auto* page = new QHBoxLayout(this);
    page->addLayout(left);
    page->addLayout(right);

    connect(list, &QListWidget::currentRowChanged, this, [this](int row) { pick(row); });
    connect(list, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { rename(list->row(item), item->text()); });
    connect(addNew, &QPushButton::clicked, this, [this] { addSet(); });
    connect(remove, &QPushButton::clicked, this, [this] { removeSet(); });
    connect(removeTile, &QPushButton::clicked, this, [this] { removeEntry(); });
    auto* deleteKey = new QShortcut(QKeySequence::Delete, table, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, [this] { removeEntry(); });
    reloadList();
}

void RandomSetsPage::bind(LevelSets* levelSets, const QImage& tiles) {
    sets = levelSets;
    tileset = tiles;
    reloadList();
}

int RandomSetsPage::currentIndex() const {
    return sets ? sets->currentRandomSet() : -1;
}

QSpinBox* RandomSetsPage::weightBox(int row) const {
    return qobject_cast<QSpinBox*>(table->cellWidget(row, WeightColumn));
}

void RandomSetsPage::reloadList() {
    {
        const QSignalBlocker quiet(list);
        list->clear();
        if (sets) {
            for (const RandomSet& set : sets->randomSets()) {
                auto* item = new QListWidgetItem(set.name(), list);
                item->setFlags(item->flags() | Qt::ItemIsEditable);
            }
        }
        list->setCurrentRow(currentIndex());
    }
    addNew->setEnabled(sets != nullptr);
    remove->setEnabled(currentIndex() >= 0);
    reloadEntries();
}

void RandomSetsPage::reloadEntries() {
    table->setRowCount(0);
    const int index = currentIndex();
    removeTile->setEnabled(false);
    if (index < 0) {
        return;
    }
    const auto& entries = sets->randomSets()[static_cast<size_t>(index)].entries();
    table->setRowCount(static_cast<int>(entries.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const RandomSet::Entry& entry = entries[static_cast<size_t>(row)];
        auto* picture = new QTableWidgetItem;
        if (entry.tile > 0 && entry.tile <= 255) {
            picture->setIcon(QPixmap::fromImage(tileset.copy(Tileset::tileSource(entry.tile, Tileset::TileSize))));
        }
        table->setItem(row, PictureColumn, picture);
        table->setItem(row, TileColumn, new QTableWidgetItem(QString::number(entry.tile)));
        auto* weight = new QSpinBox(table);
        weight->setRange(0, MaxWeight);
        weight->setValue(entry.weight);
        connect(weight, &QSpinBox::valueChanged, this, [this, row](int value) { setWeight(row, value); });
        table->setCellWidget(row, WeightColumn, weight);
    }
    removeTile->setEnabled(table->rowCount() > 0);
}

void RandomSetsPage::pick(int index) {
    if (!sets || index == currentIndex()) {
        return;
    }
    sets->setCurrentRandomSet(index);
    remove->setEnabled(currentIndex() >= 0);
    reloadEntries();
}

void RandomSetsPage::store(const RandomSet& set) {
    sets->replaceRandomSet(currentIndex(), set);
    emit changed();
}

void RandomSetsPage::addSet() {
    if (!sets) {
        return;
    }
    const int count = static_cast<int>(sets->randomSets().size());
    if (!sets->addRandomSet(RandomSet(tr("Random set %1").arg(count + 1), {}))) {
        dialogs.message(this, tr("A level holds %1 random sets at most.").arg(LevelSets::MaxRandomSets),
                        Dialogs::Icon::Warning);
        return;
    }
    sets->setCurrentRandomSet(count);
    reloadList();
    emit changed();
}

void RandomSetsPage::removeSet() {
    const int index = currentIndex();
    if (index < 0) {
        return;
    }
    const RandomSet& set = sets->randomSets()[static_cast<size_t>(index)];
    if (!set.entries().empty() &&
        !dialogs.ask(this, tr("Remove the random set \"%1\" with its tiles?").arg(set.name()))) {
        return;
    }
    sets->removeRandomSet(index);
    reloadList();
    emit changed();
}

void RandomSetsPage::rename(int index, const QString& text) {
    if (!sets || index < 0 || index >= static_cast<int>(sets->randomSets().size())) {
        return;
    }
    RandomSet set = sets->randomSets()[static_cast<size_t>(index)];
    // The file keeps names of a bounded length; an empty name keeps the old one.
    const QString name = text.trimmed().left(SetsFile::MaxNameLength);
    if (!name.isEmpty() && name != set.name()) {
        set.setName(name);
        sets->replaceRandomSet(index, set);
        emit changed();
    }
    const QSignalBlocker quiet(list);
    list->item(index)->setText(set.name());
}

void RandomSetsPage::setWeight(int row, int weight) {
    const int index = currentIndex();
    if (index < 0) {
        return;
    }
    RandomSet set = sets->randomSets()[static_cast<size_t>(index)];
    std::vector<RandomSet::Entry> entries = set.entries();
    if (row < static_cast<int>(entries.size()) && entries[static_cast<size_t>(row)].weight != weight) {
        entries[static_cast<size_t>(row)].weight = weight;
        set.setEntries(std::move(entries));
        store(set);
    }
}

void RandomSetsPage::removeEntry() {
    const int index = currentIndex();
    const int row = table->currentRow();
    if (index < 0 || row < 0) {
        return;
    }
    RandomSet set = sets->randomSets()[static_cast<size_t>(index)];
    std::vector<RandomSet::Entry> entries = set.entries();
    if (row < static_cast<int>(entries.size())) {
        entries.erase(entries.begin() + row);
        set.setEntries(std::move(entries));
        store(set);
        reloadEntries();
        table->selectRow(std::min(row, table->rowCount() - 1));
    }
}

void RandomSetsPage::tilesPicked(QRect cells) {
    if (!sets) {
        return;
    }
    if (currentIndex() < 0) {
        addSet();
    }
    if (currentIndex() < 0) {
        return;
    }
    RandomSet set = sets->randomSets()[static_cast<size_t>(currentIndex())];
    std::vector<RandomSet::Entry> entries = set.entries();
    int selected = -1;
    bool grown = false;
    QList<int> refused;
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
        for (int x = cells.left(); x <= cells.right(); ++x) {
            const int16_t tile = SetTilePicker::tileAt(x, y);
            if (tile == 0) {
                continue;
            }
            if (ObjectProcedures::isSpecialTile(tile)) {
                refused << tile;
                continue;
            }
            const auto found = std::find_if(entries.begin(), entries.end(),
                                            [tile](const RandomSet::Entry& e) { return e.tile == tile; });
            selected = static_cast<int>(found - entries.begin());
            if (found == entries.end()) {
                entries.push_back({tile, 1});
                grown = true;
            }
        }
    }
    if (grown) {
        set.setEntries(std::move(entries));
        store(set);
        reloadEntries();
    }
    if (selected >= 0) {
        table->selectRow(selected);
    }
    if (!refused.isEmpty()) {
        QStringList numbers;
        for (const int tile : refused) {
            numbers << QString::number(tile);
        }
        dialogs.message(this,
                        tr("Special tiles (%1) are never drawn at random; a random set cannot hold them.")
                            .arg(numbers.join(QStringLiteral(", "))),
                        Dialogs::Icon::Warning);
    }
}
