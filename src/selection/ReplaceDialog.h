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

    int16_t lefttile = 0;
    int16_t righttile = 0;

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

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
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
};
