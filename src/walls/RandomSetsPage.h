#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <cstdint>

#include "walls/SetsFile.h"

class Dialogs;
class LevelSets;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;
class RandomSet;

// The random sets of one level: their names (edited in place), and the tiles of the current set
// with their weights. Tiles picked from the tileset join the current set with weight 1.
class RandomSetsPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxWeight = SetsFile::MaxWeight;

    RandomSetsPage(Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows and edits `sets` (none for null), drawn with `tileset` (16 x 16 tiles, 19 a row).
    void bind(LevelSets* sets, const QImage& tileset);
    // Tiles picked from the tileset, in tile columns and rows: each joins the current set, or has
    // its row selected when it is there already.
    void tilesPicked(QRect cells);

    QListWidget* setList() const { return list; }
    // One row a tile of the current set: its picture, its number and its weight.
    QTableWidget* entryTable() const { return table; }
    QSpinBox* weightBox(int row) const;
    QPushButton* addNewButton() const { return addNew; }
    QPushButton* removeButton() const { return remove; }
    // Removes the selected row's tile, as the Delete key in the table does.
    QPushButton* removeTileButton() const { return removeTile; }

signals:
    // The sets were changed (not merely another one picked).
    void changed();

private:
    void reloadList();
    void reloadEntries();
    void pick(int index);
    void addSet();
    void removeSet();
    void removeEntry();
    void rename(int index, const QString& text);
    void setWeight(int row, int weight);
    void store(const RandomSet& set);
    int currentIndex() const;

    Dialogs& dialogs;
    LevelSets* sets = nullptr;
    QImage tileset;
    QListWidget* list;
    QTableWidget* table;
    QPushButton* addNew;
    QPushButton* remove;
    QPushButton* removeTile;
};
