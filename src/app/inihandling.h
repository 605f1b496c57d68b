#pragma once

#include <QString>

// Private-profile (ini) files: "[Section]" lines followed by "key=value" lines. Section and key
// names match without regard to letter case; values are kept as written.
namespace inihandling {

// The value of `key` in `section` of `file`, or `defaultValue` when the file, section or key is missing.
QString readIni(const QString& section, const QString& key, const QString& defaultValue, const QString& file);
// Writes key=value into the section, creating the file and the section as needed; other lines stay
// as they are. False when the file cannot be written.
bool writeIni(const QString& section, const QString& key, const QString& value, const QString& file);

}  // namespace inihandling
