#pragma once

#include <QDialog>
#include <QImage>
#include <QPointer>
#include <cstdint>

class PictureBox;
class QFrame;
class QGroupBox;
class QPushButton;
class QScrollBar;
class WallTiles;

// The "Create Walltiles" dialog: shows the wall tile sets of one map four at a time, adds empty
// sets and marks the picked one. Editing a set is not offered, so its other buttons are disabled.
class WallSetsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int SetSize = 64;  // pixels of one set's 4 x 4 block

    explicit WallSetsDialog(QWidget* owner);

    // Binds the dialog to the wall tile sets of a map window, drawn with the map's tileset picture,
    // and shows them; the dialog closes with that window.
    void init(QWidget* mapWindow, WallTiles* sets, const QImage& tileset);
    // Redraws every set of the bound map and the visible four.
    void drawWallSets();
    // The stored background of every set: a 4 x 4 block of empty cells.
    static QImage defaultPicture();

    PictureBox* wallPreview() const { return ui.wallPreview; }
    QFrame* selwall() const { return ui.selwall; }
    QScrollBar* vScrollBar() const { return ui.vScrollBar; }
    // The tile pictures of the bound map.
    const QImage& tilesetPicture() const { return ui.tilesetPicture; }
    QPushButton* addNewButton() const { return ui.addNewButton; }
    QPushButton* replaceButton() const { return ui.replaceButton; }
    QPushButton* removeButton() const { return ui.removeButton; }
    // The set last picked with the mouse.
    int16_t picked() const { return ui.picked; }

private:
    void addNewSet();
    void wallPreviewPressed(double Y);

    QPointer<QWidget> map;
    WallTiles* sets = nullptr;

    // The controls built in the constructor, the pictures they show and the set picked last.
    struct Ui {
        PictureBox* wallPreview;
        QFrame* selwall;
        QScrollBar* vScrollBar;
        QImage wallTilesImage;
        QImage defaultTiles;
        QImage tilesetPicture;
        QGroupBox* currentSetBox;
        PictureBox* currentSetPicture;
        QPushButton* addNewButton;
        QPushButton* replaceButton;
        QPushButton* removeButton;
        int16_t picked = 0;
    } ui;
};
