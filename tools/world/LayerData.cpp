#include "world/LayerData.h"

#include <zlib.h>

#include <QList>

namespace {

QByteArray littleEndian(const std::vector<std::uint32_t>& gids) {
    QByteArray raw(qsizetype(gids.size() * 4), '\0');
    for (std::size_t i = 0; i < gids.size(); ++i)
        for (int b = 0; b < 4; ++b) raw[qsizetype(i * 4 + b)] = char((gids[i] >> (8 * b)) & 0xFF);
    return raw;
}

std::vector<std::uint32_t> fromLittleEndian(const QByteArray& raw) {
    std::vector<std::uint32_t> gids(std::size_t(raw.size() / 4));
    const auto* p = reinterpret_cast<const unsigned char*>(raw.constData());
    for (std::size_t i = 0; i < gids.size(); ++i)
        gids[i] = std::uint32_t(p[4 * i]) | std::uint32_t(p[4 * i + 1]) << 8 |
                  std::uint32_t(p[4 * i + 2]) << 16 | std::uint32_t(p[4 * i + 3]) << 24;
    return gids;
}

// zlib's window bits: 15 for a zlib stream; 16 more for gzip; 32 more to accept either.
constexpr int kZlibWindow = 15;
constexpr int kGzipWindow = 15 + 16;
constexpr int kEitherWindow = 15 + 32;

QByteArray deflated(const QByteArray& raw, int windowBits) {
    z_stream zs{};
    deflateInit2(&zs, Z_BEST_COMPRESSION, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(qsizetype(deflateBound(&zs, uLong(raw.size()))), '\0');
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(raw.constData()));
    zs.avail_in = uInt(raw.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = uInt(out.size());
    deflate(&zs, Z_FINISH);
    out.resize(qsizetype(zs.total_out));
    deflateEnd(&zs);
    return out;
}

// Inflates into exactly `size` bytes; a stream that is broken, ends early or holds more is
// refused.
std::optional<QByteArray> inflated(const QByteArray& packed, std::size_t size, QString& error) {
    z_stream zs{};
    if (inflateInit2(&zs, kEitherWindow) != Z_OK) {
        error = QStringLiteral("the decompressor could not start");
        return std::nullopt;
    }
    QByteArray out(qsizetype(size), '\0');
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.constData()));
    zs.avail_in = uInt(packed.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = uInt(out.size());
    const int rc = inflate(&zs, Z_FINISH);
    const std::size_t got = zs.total_out;
    const bool full = zs.avail_out == 0;
    inflateEnd(&zs);
    if (rc != Z_STREAM_END) {
        // With the whole layer written and the stream not at its end, it holds more cells.
        error = full ? QStringLiteral("the compressed data holds more than the layer's cells")
                     : QStringLiteral("the compressed data is broken or ends early");
        return std::nullopt;
    }
    if (got != size) {
        error = QStringLiteral("the compressed data holds %1 cells, the layer has %2")
                    .arg(got / 4)
                    .arg(size / 4);
        return std::nullopt;
    }
    return out;
}

std::optional<std::vector<std::uint32_t>> fromCsv(const QByteArray& text, std::size_t cells,
                                                  QString& error) {
    std::vector<std::uint32_t> gids;
    gids.reserve(cells);
    for (const QByteArray& part : text.split(',')) {
        const QByteArray t = part.trimmed();
        if (t.isEmpty()) continue;  // Tiled ends the rows with a comma
        bool ok = false;
        const qulonglong v = t.toULongLong(&ok);
        if (!ok || v > 0xFFFFFFFFull) {
            error = QStringLiteral("\"%1\" is not a tile id").arg(QString::fromLatin1(t.left(20)));
            return std::nullopt;
        }
        if (gids.size() == cells) {
            error = QStringLiteral("the data holds more than the layer's %1 cells").arg(cells);
            return std::nullopt;
        }
        gids.push_back(std::uint32_t(v));
    }
    if (gids.size() != cells) {
        error =
            QStringLiteral("the data holds %1 cells, the layer has %2").arg(gids.size()).arg(cells);
        return std::nullopt;
    }
    return gids;
}

}  // namespace

QString encodingName(LayerFormat f) {
    return f == LayerFormat::Csv ? QStringLiteral("csv") : QStringLiteral("base64");
}

QString compressionName(LayerFormat f) {
    switch (f) {
        case LayerFormat::Zlib:
            return QStringLiteral("zlib");
        case LayerFormat::Gzip:
            return QStringLiteral("gzip");
        default:
            return QString();
    }
}

QByteArray encodeLayerData(const std::vector<std::uint32_t>& gids, int width, LayerFormat f) {
    if (f == LayerFormat::Csv) {
        QByteArray out = "\n";
        for (std::size_t i = 0; i < gids.size(); ++i) {
            out += QByteArray::number(gids[i]);
            if (i + 1 < gids.size()) out += ',';
            if ((i + 1) % std::size_t(width) == 0) out += '\n';
        }
        return out;
    }
    QByteArray raw = littleEndian(gids);
    if (f == LayerFormat::Zlib) raw = deflated(raw, kZlibWindow);
    if (f == LayerFormat::Gzip) raw = deflated(raw, kGzipWindow);
    return "\n   " + raw.toBase64() + "\n  ";
}

std::optional<std::vector<std::uint32_t>> decodeLayerData(const QByteArray& text,
                                                          const QString& encoding,
                                                          const QString& compression,
                                                          std::size_t cells, QString& error) {
    error.clear();
    if (encoding == u"csv") {
        if (!compression.isEmpty()) {
            error = QStringLiteral("CSV data is never compressed");
            return std::nullopt;
        }
        return fromCsv(text, cells, error);
    }
    if (encoding != u"base64") {
        error = QStringLiteral(
                    "layer data encoded as \"%1\" cannot be read; save the map with "
                    "the tile layer format CSV or Base64")
                    .arg(encoding);
        return std::nullopt;
    }
    if (!compression.isEmpty() && compression != u"zlib" && compression != u"gzip") {
        error = QStringLiteral(
                    "layer data compressed with \"%1\" cannot be read; save the map "
                    "with the tile layer format CSV, Base64, zlib or gzip")
                    .arg(compression);
        return std::nullopt;
    }
    QByteArray compact = text;
    compact.removeIf([](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; });
    const auto decoded =
        QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) {
        error = QStringLiteral("the Base64 data is broken");
        return std::nullopt;
    }
    QByteArray raw = *decoded;
    if (!compression.isEmpty()) {
        auto unpacked = inflated(raw, cells * 4, error);
        if (!unpacked) return std::nullopt;
        raw = *unpacked;
    }
    if (std::size_t(raw.size()) != cells * 4) {
        error = QStringLiteral("the data holds %1 cells, the layer has %2")
                    .arg(raw.size() / 4)
                    .arg(cells);
        return std::nullopt;
    }
    return fromLittleEndian(raw);
}
