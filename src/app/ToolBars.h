#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <array>

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

    // The top-toolbar button with `key` ("New", "Grid", "FillInScreen", ...), or null.
    QAction* button(const QString& key) const { return keys.value(key); }
    // The left-toolbar button of a tool.
    QAction* toolButton(ToolId tool) const { return tools.at(toolIndex(tool)); }

    QToolBar* mainToolBar;
    QToolBar* toolsToolBar;
    QAction* tbGrid;
    QAction* tbTileNr;
    QAction* tbFillInScreen;
    QActionGroup* toolGroup;
    // Small information panel at the right end of the top toolbar.
    QLabel* aboutPicture;

private:
    QHash<QString, QAction*> keys;
    std::array<QAction*, ToolCount> tools{};
};
