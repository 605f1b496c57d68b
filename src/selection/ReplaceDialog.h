#pragma once

#include <QDialog>
#include <QLine>
#include <QRect>
#include <cstdint>
#include <functional>

class Dialogs;
class PictureBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The "Replace Tiles in" dialog: switch or replace two tile numbers, the left and right tiles or
// two typed numbers, in the whole level or the selection. While it is open the main window is
// disabled; it is enabled again however the dialog closes.
class ReplaceDialog : public QDialog {
    Q_OBJECT
public:
    // What OK asks for: `mode` 0..3 as the options are listed, the two tiles, selection only.
    using Execute = std::function<void(int mode, int16_t tilesrc, int16_t tiledest, bool inselection)>;

    // `blocked` is the main window; `tileset` the tile pictures (16 x 16, 19 a row).
    ReplaceDialog(QWidget* blocked, Dialogs& dialogs, const QImage& tileset, Execute execute);
    ~ReplaceDialog() override;

    // Redraws the two tile previews for the selected option.
    void updatePreview();
    // A number box read as the dialog reads it: decimal, rounded to the nearest, halves to even.
    static int16_t boxNumber(const QLineEdit* box);

    // The tiles the left-and-right options use: the map's left and right tiles.
    void setTiles(int16_t left, int16_t right) {
        lefttile = left;
        righttile = right;
    }

    QRadioButton* switchLeftRightOption() const { return ui.switchLeftRightOption; }
    QRadioButton* switchCustomOption() const { return ui.switchCustomOption; }
    QLineEdit* customOldEdit() const { return ui.customOldEdit; }
    QLabel* customWithLabel() const { return ui.customWithLabel; }
    QLineEdit* customNewEdit() const { return ui.customNewEdit; }
    QCheckBox* inSelectionCheck() const { return ui.inSelectionCheck; }
    QPushButton* okButton() const { return ui.okButton; }
    QPushButton* cancelButton() const { return ui.cancelButton; }
    PictureBox* oldTilePicture() const { return ui.oldTilePicture; }
    PictureBox* newTilePicture() const { return ui.newTilePicture; }
    QRadioButton* replaceLeftRightOption() const { return ui.replaceLeftRightOption; }
    QRadioButton* replaceCustomOption() const { return ui.replaceCustomOption; }
    QLineEdit* replaceOldEdit() const { return ui.replaceOldEdit; }
    QLabel* replaceWithLabel() const { return ui.replaceWithLabel; }
    QLineEdit* replaceNewEdit() const { return ui.replaceNewEdit; }
    QPushButton* updateButton() const { return ui.updateButton; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int16_t lefttile = 0;
    int16_t righttile = 0;
    // Places the controls for the dialog's font.
    void layOut();
    void acceptReplace();
    void release();
    // Whether the focus `box` lost went to another control of the dialog other than Cancel.
    bool leavesTowardsControl(const QLineEdit* box) const;
    // Checks a box that lost the focus; false (after the message) when it holds no tile number.
    bool checkBox(QLineEdit* box);
    void drawTile(PictureBox* into, int16_t tile);

    QWidget* blocked;
    Dialogs& dialogs;
    QImage tileset;
    Execute execute;
    bool checking = false;
    QRect previewFrame;
    QLine joinLine;

    // The parts built in the constructor.
    struct Ui {
        QRadioButton* switchLeftRightOption;
        QRadioButton* switchCustomOption;
        QLineEdit* customOldEdit;
        QLabel* customWithLabel;
        QLineEdit* customNewEdit;
        QCheckBox* inSelectionCheck;
        QPushButton* okButton;
        QPushButton* cancelButton;
        PictureBox* oldTilePicture;
        PictureBox* newTilePicture;
        QRadioButton* replaceLeftRightOption;
        QRadioButton* replaceCustomOption;
        QLineEdit* replaceOldEdit;
        QLabel* replaceWithLabel;
        QLineEdit* replaceNewEdit;
        QPushButton* updateButton;
    } ui;
};
