#pragma once

#include <QObject>
#include <QString>
#include <array>

#include "tools/PaintMode.h"
#include "tools/ToolTable.h"

class MainMenu;
class QAction;
class QActionGroup;
class QLabel;
class QMainWindow;
class QToolBar;

// The top toolbar `mainToolBar` (file, clipboard, history and display buttons) and the left toolbar
// `toolsToolBar` (one button per tool, exactly one pressed).
class ToolBars : public QObject {
    Q_OBJECT
public:
    ToolBars(QMainWindow* window, const MainMenu& menu);

    // The left-toolbar button of a tool.
    QAction* toolButton(ToolId tool) const { return tools.at(toolIndex(tool)); }
    // The display switches of the top toolbar: the grid, the tile numbers, and whether the bucket
    // fills only within the visible area.
    QAction* gridAction() const { return grid; }
    QAction* tileNumbersAction() const { return tileNumbers; }
    QAction* fillInScreenAction() const { return fillInScreen; }

    // The painting modes: at most one of Walls and Random is pressed; none is plain painting.
    QAction* wallsAction() const { return walls; }
    QAction* randomAction() const { return random; }
    PaintMode paintMode() const;
    // Presses the mode's button, or releases it when it is pressed already.
    void togglePaintMode(PaintMode mode);

    QToolBar* mainToolBar() const { return top; }
    QToolBar* toolsToolBar() const { return left; }
    // Small information panel at the right end of the top toolbar.
    QLabel* aboutPicture() const { return about; }

private:
    QToolBar* top;
    QToolBar* left;
    QAction* grid;
    QAction* tileNumbers;
    QAction* fillInScreen;
    QAction* walls;
    QAction* random;
    QActionGroup* modeGroup;
    QActionGroup* toolGroup;
    QLabel* about;
    std::array<QAction*, ToolCount> tools{};
};
