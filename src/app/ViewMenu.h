#pragma once

#include <QObject>
#include <array>

class QAction;
class QMenu;
class MainWindow;

// The View menu: zoom in and out, the five zoom steps, and the Grid, Tile Numbers and right panel
// switches. Grid and Tile Numbers are the toolbar's own actions, so menu, button and keys agree.
class ViewMenu : public QObject {
    Q_OBJECT
public:
    // The zoom factors of the steps, smallest first.
    static constexpr std::array<float, 5> ZoomSteps{1.0f / 16, 1.0f / 4, 1.0f / 2, 1.0f, 2.0f};

    // Builds the menu into `general`'s menu bar, before the Window menu.
    explicit ViewMenu(MainWindow& general);

    // Zooms the active map one step at a time until it shows `zoom`, around the middle of its view.
    void zoomTo(float zoom);
    // Brings the check marks and enabled states up to date with the active map and the panel.
    void syncChecks();

    QMenu* viewMenu() const { return ui.viewMenu; }
    std::array<QAction*, ZoomSteps.size()> zoomStepActions{};
    QAction* showRightPanelAction() const { return ui.showRightPanelAction; }

private:
    void zoomStep(bool in);

    MainWindow& general;

    // The parts built in the constructor.
    struct Ui {
        QMenu* viewMenu;
        QAction* zoomInAction;
        QAction* zoomOutAction;
        QAction* showRightPanelAction;
    } ui;
};
