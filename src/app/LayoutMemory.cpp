#include "app/LayoutMemory.h"

#include "app/RightPanel.h"
#include "app/UserSettings.h"
#include "app/frmGeneral.h"

namespace {

const QString Geometry = QStringLiteral("MainWindow/geometry");
const QString State = QStringLiteral("MainWindow/state");
const QString PanelExpanded = QStringLiteral("MainWindow/rightPanelExpanded");
const QString LastFolder = QStringLiteral("Dialogs/lastFolder");

}  // namespace

namespace LayoutMemory {

void save(const frmGeneral& window) {
    const auto settings = userSettings();
    settings->setValue(Geometry, window.saveGeometry());
    settings->setValue(State, window.saveState());
    settings->setValue(PanelExpanded, window.rightPanel()->expanded());
}

bool restore(frmGeneral& window) {
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

QString lastFolder() {
    return userSettings()->value(LastFolder).toString();
}

void setLastFolder(const QString& folder) {
    userSettings()->setValue(LastFolder, folder);
}

}  // namespace LayoutMemory
