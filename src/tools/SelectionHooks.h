#pragma once

#include <QRect>
#include <cstdint>

#include "tools/Tool.h"
#include "view/SelectionState.h"

// What the tools and their dispatch need from a map's selection and clipboard, and the selection
// tool itself. The base answers "no selection" throughout; the selection of a map overrides it and
// is installed on the window.
class SelectionHooks : public Tool {
public:
    // The hooks of a map without a selection.
    static SelectionHooks& none() {
        static SelectionHooks hooks;
        return hooks;
    }

    virtual SelectionState selstate() const { return SelectionState::None; }
    // The selected block has been dragged away from where it was marked.
    virtual bool selalreadymoved() const { return false; }
    // A block pasted from the clipboard is floating on the map.
    virtual bool pasting() const { return false; }
    virtual bool isInSelection(int column, int row) const {
        (void)column;
        (void)row;
        return false;
    }
    // The selection frame in view pixels.
    virtual QRect selectionOutline() const { return {}; }
    virtual void stopSelecting(bool refresh) { (void)refresh; }
    virtual void deleteSelection() {}

    void press(const ToolEvent&) override {}
    void move(const ToolEvent&) override {}
    void release(const ToolEvent&) override {}
    // Escape ends a marked selection, Delete empties it.
    bool keyPress(Qt::Key key) override {
        if (key != Qt::Key_Escape && key != Qt::Key_Delete) {
            return false;
        }
        if (selstate() == SelectionState::Selected) {
            if (key == Qt::Key_Escape) {
                stopSelecting(true);
            } else {
                deleteSelection();
            }
        }
        return true;
    }
};
