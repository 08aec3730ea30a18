#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The cells of a Tiled tile layer as its <data> element holds them: comma-separated numbers
// (CSV), or little-endian 32-bit numbers in Base64, raw or compressed with zlib or gzip. The
// numbers are global tile ids; their top bits flag flipped and rotated tiles.

enum class LayerFormat { Csv, Base64, Zlib, Gzip };

// The attribute values Tiled writes for a format (encoding, compression).
QString encodingName(LayerFormat f);
QString compressionName(LayerFormat f);

// The text of a <data> element holding these ids, rows of `width` cells.
QByteArray encodeLayerData(const std::vector<std::uint32_t>& gids, int width, LayerFormat f);

// Reads exactly `cells` ids from the text of a <data> element with the given encoding and
// compression attributes. Nothing (and a message in `error`) when the text is broken, holds
// more or fewer cells, or uses a compression the generator does not read. The decoder never
// holds more than the layer's own size, whatever the compressed text claims.
std::optional<std::vector<std::uint32_t>> decodeLayerData(const QByteArray& text,
                                                          const QString& encoding,
                                                          const QString& compression,
                                                          std::size_t cells, QString& error);

// The flag bits of a global tile id (flips and rotations) and the id without them.
inline constexpr std::uint32_t kGidFlags = 0xF0000000u;
