#pragma once

#include <QRgb>
#include <QString>
#include <QStringList>

class QImage;

// Small helpers shared by the main window's commands.
namespace General {

// The last part of a path (either separator), or the part before a trailing separator.
QString GetFileName(const QString& path);
// The text after the last "." of a name; the whole name when it has none.
QString GetExtension(const QString& name);
// The texts enclosed in double quotes of a command line; text outside quotes is ignored.
QStringList quotedFileNames(const QString& commandLine);
// True for names the editor opens from the command line or a drop: extension exactly "lvl".
bool isLevelName(const QString& name);
// Outline of the rectangle (x1, y1)..(x2, y2), bounds included, in `color`.
void DrawRectangle(QImage& surface, int x1, int y1, int x2, int y2, QRgb color);

}  // namespace General
