#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

class Dialogs;
class LevelSets;
class PictureBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class WallSet;

// The wall sets of one level, four shown at a time: a click picks the current set, which is shown
// large with what each of its entries stands for, beside a little room drawn with it. Tiles picked
// from the tileset fill the whole set (a 4 x 4 block) or the chosen entry (one tile).
class WallSetsPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int SetSize = 64;      // pixels of one set's block in the list
    static constexpr int ShownSets = 4;     // sets the list shows at once
    static constexpr int CurrentCell = 32;  // pixels of one entry in "Current"

    WallSetsPage(Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows and edits `sets` (none for null), drawn with `tileset` (16 x 16 tiles, 19 a row).
    void bind(LevelSets* sets, const QImage& tileset);
    // Tiles picked from the tileset, in tile columns and rows.
    void tilesPicked(QRect cells);
    // The entry of "Current" that the next single tile goes to, -1 for none.
    int chosenEntry() const { return entry; }

    PictureBox* setList() const { return list; }
    QScrollBar* scrollBar() const { return scroll; }
    PictureBox* currentPicture() const { return current; }
    PictureBox* roomPicture() const { return room; }
    QLineEdit* nameEdit() const { return name; }
    QPushButton* addNewButton() const { return addNew; }
    QPushButton* replaceButton() const { return replace; }
    QPushButton* removeButton() const { return remove; }

signals:
    // The sets were changed (not merely another one picked).
    void changed();

private:
    void redraw();
    void drawList();
    void drawCurrent();
    void listPressed(QPointF pos);
    void listKey(int key);
    void currentPressed(Qt::MouseButton button, QPointF pos);
    void pick(int index);
    void addSet();
    void removeSet();
    void replaceOnto(int target);
    void rename();
    // Stores `set` as the current set, unless one of its tiles may not be in it (then says why).
    bool store(const WallSet& set);
    int currentIndex() const;

    Dialogs& dialogs;
    LevelSets* sets = nullptr;
    QImage tileset;
    PictureBox* list;
    QScrollBar* scroll;
    QGroupBox* currentBox;
    PictureBox* current;
    QLineEdit* name;
    PictureBox* room;
    QLabel* hint;
    QPushButton* addNew;
    QPushButton* replace;
    QPushButton* remove;
    int entry = -1;
};
