#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QMenuBar;
class QTreeWidget;

// The window that lists every key and mouse gesture: the tool keys and gestures from the table the
// view's key handling uses, and the menu commands with the shortcuts their actions carry.
class ShortcutsWindow : public QDialog {
    Q_OBJECT
public:
    struct Row {
        QString group;  // "Tools", a tool's name, "View", "Menu commands"
        QString keys;   // a key, a key sequence or a mouse gesture
        QString action;
    };

    // Reads the menu commands from `menus`.
    explicit ShortcutsWindow(const QMenuBar& menus, QWidget* parent = nullptr);

    // Every row the window shows, in order.
    static QList<Row> rows(const QMenuBar& menus);

private:
    QTreeWidget* list;
};
