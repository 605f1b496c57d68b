#pragma once

class DocumentManager;
class MapWindow;
struct ExportImageOptions;

// File > Export Image: asks for the options and a file name, then writes the active map's picture.
// A large picture is drawn and written on a worker thread behind a progress dialog that can cancel.
namespace ExportImageCommand {

void run(DocumentManager& documents);
// The options first offered for `map`: its selection when it has one, otherwise the whole level, at
// the map's zoom with its grid and number switches.
ExportImageOptions offered(const MapWindow& map);

}  // namespace ExportImageCommand
