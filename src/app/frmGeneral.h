#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <memory>

#include "app/Dialogs.h"

class frmMain;
class PictureBox;
class QLabel;
class QMdiArea;

// The main window: up to 10 open levels in document slots, the menus and toolbars, the tileset
// panel and the radar. Every command acts on the active level.
class frmGeneral : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int SlotCount = 10;

    explicit frmGeneral(std::unique_ptr<Dialogs> dialogs = std::make_unique<Dialogs>(), QWidget* parent = nullptr);
    ~frmGeneral() override;

    int16_t getFreeMapSlot() const;
    frmMain* NewMap();
    // Opens a level in a free slot; an empty name asks for one. Returns the slot, 0 when the file
    // is already open or nothing was chosen, -1 when no slot is free.
    int16_t OpenMap(const QString& filename);
    void SaveMap(bool saveas);
    void DestroyMap(int16_t index);

    frmMain* activeMap() const;
    void setUndoRedoEnabled(bool canUndo, bool canRedo);
    void setOwnTilesetItemsEnabled(bool enabled);

    Dialogs& dialogs() { return *dialogBoxes; }

    std::array<frmMain*, SlotCount> maps{};
    std::array<bool, SlotCount> mapinuse{};
    int16_t activemap = 0;
    int currentTool = 3;
    bool mouseIsDown = false;

    QMdiArea* mdi;
    PictureBox* picradar;
    QLabel* lblposition;

private:
    std::unique_ptr<Dialogs> dialogBoxes;
};
