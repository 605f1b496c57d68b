#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "mapformats/TileMap.h"

// The tile layer data of the map formats: global tile ids as CSV text, or as little-endian 32-bit words
// in base64, possibly compressed with zlib, gzip or zstd.
namespace LayerCodec {

// The encoding named by a data element's `encoding` and `compression` attributes, or nothing.
std::optional<TileMapFormat::Encoding> fromAttributes(const QString& encoding, const QString& compression);
// The two attributes that name `encoding` (an empty compression for none).
QString encodingName(TileMapFormat::Encoding encoding);
QString compressionName(TileMapFormat::Encoding encoding);
// The names the command line takes: csv, base64, base64-zlib, base64-gzip, base64-zstd.
std::optional<TileMapFormat::Encoding> fromOptionName(const QString& name);

// Writes `count` ids as the text of a data element. CSV has one row of `width` ids a line.
QByteArray encode(const uint32_t* ids, int count, int width, TileMapFormat::Encoding encoding);
// Reads exactly `count` ids into `out` (which holds `count`). Compressed data is inflated into `out`
// itself, so no input can make it take more memory than the cells need. Returns why the text cannot
// be read, or an empty string.
QString decode(const QByteArray& text, TileMapFormat::Encoding encoding, uint32_t* out, int count);

}  // namespace LayerCodec
