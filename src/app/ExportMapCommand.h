#pragma once

class DocumentManager;

// File > Export Map...: writes the active level (saved or not) as a tile map for other editors and game
// engines, XML (.tmx) or JSON (.tmj) as the chosen name says, with its pictures beside it.
namespace ExportMapCommand {

void run(DocumentManager& documents);

}  // namespace ExportMapCommand
