#pragma once

#include <QCursor>
#include <QIcon>
#include <QString>

#include "tools/ToolId.h"

// The program's pictures, drawn from the SVG files built into it, so they stay sharp at any scale.
namespace AppIcons {

// The icon named `name` (file name without ".svg").
QIcon icon(const QString& name);
// The mouse pointer of a tool: the system crosshair for the drawing-by-outline tools, otherwise the
// tool's picture at 32 x 32 with its hot spot where the picture's working end is.
QCursor toolCursor(ToolId tool);

}  // namespace AppIcons
