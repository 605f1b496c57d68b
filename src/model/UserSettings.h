#pragma once

#include <QSettings>
#include <QString>
#include <memory>

// The user's own settings (window layout, recovery copies) in the user's configuration folder, so they stay
// writable wherever the program is installed. recent.ini keeps its own format and place.
inline std::unique_ptr<QSettings> userSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quarn"),
                                       QStringLiteral("quarn"));
}
