#include "app/LayoutMemory.h"

#include "app/MainWindow.h"
#include "app/RightPanel.h"
#include "model/UserSettings.h"

namespace {

const QString Geometry = QStringLiteral("MainWindow/geometry");
const QString State = QStringLiteral("MainWindow/state");
const QString PanelExpanded = QStringLiteral("MainWindow/rightPanelExpanded");

}  // namespace

namespace LayoutMemory {

void save(const MainWindow& window) {
    const auto settings = userSettings();
    settings->setValue(Geometry, window.saveGeometry());
    settings->setValue(State, window.saveState());
    settings->setValue(PanelExpanded, window.rightPanel()->expanded());
}

bool restore(MainWindow& window) {
    const auto settings = userSettings();
    if (!settings->contains(Geometry)) {
        return false;
    }
    const bool placed = window.restoreGeometry(settings->value(Geometry).toByteArray());
    window.restoreState(settings->value(State).toByteArray());
    if (settings->value(PanelExpanded, true).toBool() != window.rightPanel()->expanded()) {
        window.rightPanel()->togglerightpanel_Click();
    }
    return placed;
}

}  // namespace LayoutMemory
