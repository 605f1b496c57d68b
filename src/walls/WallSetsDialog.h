#pragma once

#include <QDialog>
#include <QImage>
#include <QPointer>

class Dialogs;
class LevelSets;
class QTabWidget;
class RandomSetsPage;
class SetTilePicker;
class WallSetsPage;

// The "Create Walltiles" dialog: the wall sets and random sets of one map, each kind on its tab,
// beside the map's tileset to pick their tiles from. It is not modal, follows the map it is bound
// to and closes with it.
class WallSetsDialog : public QDialog {
    Q_OBJECT
public:
    // `dialogs` asks the questions and shows the refusals.
    WallSetsDialog(QWidget* owner, Dialogs& dialogs);

    // Binds the dialog to the sets of a map window, drawn with the map's tileset picture (16 x 16
    // tiles, 19 a row); the dialog closes when that window goes.
    void init(QWidget* mapWindow, LevelSets* sets, const QImage& tileset);
    // The map window bound, null once it has gone.
    QWidget* boundMap() const { return map; }

    QTabWidget* tabs() const { return pages; }
    WallSetsPage* wallSetsPage() const { return walls; }
    RandomSetsPage* randomSetsPage() const { return randoms; }
    SetTilePicker* tilePicker() const { return picker; }

signals:
    // The sets of the bound map changed: they need saving and the map shows itself as changed.
    void setsChanged();

private:
    void unbind();

    QTabWidget* pages;
    WallSetsPage* walls;
    RandomSetsPage* randoms;
    SetTilePicker* picker;
    QPointer<QWidget> map;
};
