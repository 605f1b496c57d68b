#pragma once

#include <QString>
#include <optional>

class DocumentManager;

// Opening a tile map (.tmx, .tmj) made elsewhere as a new level. The level has no file of its own yet: its
// window says where it came from, and Save asks for a .lvl name.
namespace ImportMapCommand {

// Imports `path` into a free slot. With several tile layers the user picks one; flipped tiles are taken
// unflipped only when the user agrees. Returns the slot, or nothing when no level was opened.
std::optional<int> open(DocumentManager& documents, const QString& path);

}  // namespace ImportMapCommand
