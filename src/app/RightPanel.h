#pragma once

#include <QWidget>
#include <array>

class PictureBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;

// The panel `rightPanel` along the main window's right edge: the tileset picker, the line width
// buttons, the position text and the radar. It collapses to a narrow strip with a small preview of
// the two chosen tiles.
class RightPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int ExpandedWidth = 307;  // 4600 twips
    static constexpr int CollapsedWidth = 27;  // 405 twips
    static constexpr int RadarSize = 288;
    static constexpr int RadarMargin = 14;

    explicit RightPanel(QWidget* parent = nullptr);

    // The radar's square size for a panel `panelHeight` high, with the radar's top edge at `top` and
    // its current size `size`: shrinks to the room left when it no longer fits, grows back into the
    // room (up to its full size) when it is smaller than that, and never goes below 0.
    static int fittedRadarSize(int panelHeight, int top, int size);
    // Applies fittedRadarSize and centres the radar in the panel.
    void layoutPanel();
    bool expanded() const;
    // Collapses an expanded panel and expands a collapsed one.
    void togglerightpanel_Click();
    // Shows a tileset picture in the picker (a null image clears it).
    void showTileset(const QImage& picture);

    QPushButton* togglerightpanel() const { return ui.togglerightpanel; }
    PictureBox* tilePreview() const { return ui.tilePreview; }
    PictureBox* tilesetPicture() const { return ui.tilesetPicture; }
    QFrame* leftsel() const { return ui.leftsel; }
    QFrame* rightsel() const { return ui.rightsel; }
    const std::array<QToolButton*, 3>& lineWidthButtons() const { return ui.lineWidthButtons; }
    QPushButton* createWallsButton() const { return ui.createWallsButton; }
    QLabel* cellPositionLabel() const { return ui.cellPositionLabel; }
    PictureBox* radarPicture() const { return ui.radarPicture; }

signals:
    // The panel changed its size; the radar has its new size already.
    void resized();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeControls();

    // The parts built in the constructor.
    struct Ui {
        QPushButton* togglerightpanel;
        PictureBox* tilePreview;
        QLabel* Label4;
        QScrollArea* tilesetArea;
        PictureBox* tilesetPicture;
        QFrame* leftsel;
        QFrame* rightsel;
        std::array<QToolButton*, 3> lineWidthButtons{};
        QPushButton* createWallsButton;
        QLabel* Label5;
        QLabel* cellPositionLabel;
        QLabel* Label1;
        PictureBox* radarPicture;
        QFrame* separatorLine;
    } ui;
};
