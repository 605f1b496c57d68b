#pragma once

class DocumentManager;

// The commands that read and write the active level's tileset: importing one from a level or a
// bitmap, exporting it as a bitmap, and going back to the default tileset. A file that cannot be
// read or written is reported with its name and the reason; the level keeps its tileset.
class TilesetCommands {
public:
    explicit TilesetCommands(DocumentManager& documents) : documents(documents) {}

    void importTileset();
    void exportTileset();
    void discardTileset();

private:
    DocumentManager& documents;
};
