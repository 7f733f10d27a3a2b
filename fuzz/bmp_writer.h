#pragma once

// A small BMP writer of our own: the seeds of the fuzz corpus and the test
// pictures (good and deliberately broken) are made with it, so no picture
// file of anybody else's is needed.
#include <QByteArray>
#include <QRgb>
#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace bmpwriter {

enum Compression { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3 };

struct Layout {
    Layout(int w = 1, int h = 1, int bitsPerPixel = 24, int compressionKind = kRgb,
           int headerBytes = 40, bool storedTopDown = false, std::vector<QRgb> colours = {},
           std::array<std::uint32_t, 4> channelMasks = {})
        : width(w),
          height(h),
          bpp(bitsPerPixel),
          compression(compressionKind),
          headerSize(headerBytes),
          topDown(storedTopDown),
          palette(std::move(colours)),
          masks(channelMasks) {}

    int width, height;
    int bpp;
    int compression;
    int headerSize;  // 12, 40, 52, 56, 108 or 124
    bool topDown;
    std::vector<QRgb> palette;           // 1, 4 and 8 bits
    std::array<std::uint32_t, 4> masks;  // red, green, blue, alpha for kBitfields
};

// What a pixel holds: a palette index for 1/4/8 bits, otherwise the stored
// pixel value (0xRRGGBB for 24 bits, the masked value for 16/32 bits).
using PixelFn = std::function<std::uint32_t(int x, int y)>;

inline void put16(QByteArray& b, std::uint32_t v) {
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>((v >> 8) & 0xFF));
}
inline void put32(QByteArray& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// Rows as stored: bottom row first unless top-down, each padded to 4 bytes.
inline QByteArray encodeRows(const Layout& l, const PixelFn& pixel) {
    QByteArray out;
    const int stride = (l.bpp * l.width + 31) / 32 * 4;
    for (int r = 0; r < l.height; ++r) {
        const int y = l.topDown ? r : l.height - 1 - r;
        QByteArray row(stride, '\0');
        for (int x = 0; x < l.width; ++x) {
            const std::uint32_t v = pixel(x, y);
            if (l.bpp <= 8) {
                const int perByte = 8 / l.bpp;
                const int shift = (perByte - 1 - x % perByte) * l.bpp;
                row[x / perByte] = static_cast<char>(row[x / perByte] | (v << shift));
            } else {
                const int bytes = l.bpp / 8;
                for (int k = 0; k < bytes; ++k)
                    row[x * bytes + k] = static_cast<char>((v >> (8 * k)) & 0xFF);
            }
        }
        out.append(row);
    }
    return out;
}

// Run-length rows: repeated values become encoded runs, the rest absolute
// runs; every row ends with an end-of-line and the picture with end-of-bitmap.
inline QByteArray encodeRle(const Layout& l, const PixelFn& pixel) {
    const bool four = l.compression == kRle4;
    QByteArray out;
    auto packed = [&](const std::vector<std::uint32_t>& v) {
        QByteArray bytes;
        for (std::size_t i = 0; i < v.size(); i += four ? 2 : 1) {
            std::uint32_t byte = v[i];
            if (four) byte = v[i] << 4 | (i + 1 < v.size() ? v[i + 1] : 0);
            bytes.append(static_cast<char>(byte));
        }
        if (bytes.size() % 2) bytes.append('\0');
        return bytes;
    };
    for (int y = l.height - 1; y >= 0; --y) {
        int x = 0;
        while (x < l.width) {
            int run = 1;
            while (x + run < l.width && run < 255 && pixel(x + run, y) == pixel(x, y)) ++run;
            if (run >= 3 || l.width - x < 3) {
                const std::uint32_t v = pixel(x, y);
                out.append(static_cast<char>(run));
                out.append(static_cast<char>(four ? (v << 4 | v) : v));
                x += run;
                continue;
            }
            std::vector<std::uint32_t> literal;
            while (x < l.width && literal.size() < 255 &&
                   !(x + 2 < l.width && pixel(x, y) == pixel(x + 1, y) &&
                     pixel(x, y) == pixel(x + 2, y)))
                literal.push_back(pixel(x++, y));
            if (literal.size() < 3) {
                for (std::uint32_t v : literal) {
                    out.append('\1');
                    out.append(static_cast<char>(four ? v << 4 : v));
                }
                continue;
            }
            out.append('\0');
            out.append(static_cast<char>(literal.size()));
            out.append(packed(literal));
        }
        out.append('\0');
        out.append('\0');
    }
    out.append('\0');
    out.append('\1');
    return out;
}

// Headers, masks and palette in front of already encoded pixel data.
inline QByteArray assemble(const Layout& l, const QByteArray& pixels) {
    const bool core = l.headerSize == 12;
    const bool masksAfter = l.compression == kBitfields && l.headerSize == 40;
    const int entry = core ? 3 : 4;
    const int offset =
        14 + l.headerSize + (masksAfter ? 12 : 0) + static_cast<int>(l.palette.size()) * entry;
    QByteArray b;
    b.append("BM");
    put32(b, static_cast<std::uint32_t>(offset + pixels.size()));
    put32(b, 0);
    put32(b, static_cast<std::uint32_t>(offset));
    put32(b, static_cast<std::uint32_t>(l.headerSize));
    if (core) {
        put16(b, static_cast<std::uint32_t>(l.width));
        put16(b, static_cast<std::uint32_t>(l.height));
        put16(b, 1);
        put16(b, static_cast<std::uint32_t>(l.bpp));
    } else {
        put32(b, static_cast<std::uint32_t>(l.width));
        put32(b, static_cast<std::uint32_t>(l.topDown ? -l.height : l.height));
        put16(b, 1);
        put16(b, static_cast<std::uint32_t>(l.bpp));
        put32(b, static_cast<std::uint32_t>(l.compression));
        put32(b, static_cast<std::uint32_t>(pixels.size()));
        put32(b, 2835);  // 72 dots per inch
        put32(b, 2835);
        put32(b, static_cast<std::uint32_t>(l.palette.size()));
        put32(b, 0);
        const int maskCount = l.headerSize >= 56 ? 4 : l.headerSize >= 52 ? 3 : 0;
        for (int i = 0; i < maskCount; ++i) put32(b, l.masks[i]);
        while (b.size() < 14 + l.headerSize) b.append('\0');
        if (masksAfter)
            for (int i = 0; i < 3; ++i) put32(b, l.masks[i]);
    }
    for (QRgb c : l.palette) {
        b.append(static_cast<char>(qBlue(c)));
        b.append(static_cast<char>(qGreen(c)));
        b.append(static_cast<char>(qRed(c)));
        if (!core) b.append('\0');
    }
    b.append(pixels);
    return b;
}

inline QByteArray write(const Layout& l, const PixelFn& pixel) {
    const bool rle = l.compression == kRle8 || l.compression == kRle4;
    return assemble(l, rle ? encodeRle(l, pixel) : encodeRows(l, pixel));
}

// Stock palettes and pictures the tests and the corpus share.
inline std::vector<QRgb> greyPalette(int count) {
    std::vector<QRgb> p;
    for (int i = 0; i < count; ++i) {
        const int v = count == 1 ? 0 : i * 255 / (count - 1);
        p.push_back(qRgb(v, v, 255 - v));
    }
    return p;
}

// Bands and a diagonal, so that both runs and literal stretches occur.
inline std::uint32_t pattern(int x, int y, std::uint32_t colours) {
    if (x == y) return colours - 1;
    return static_cast<std::uint32_t>((x / 3 + y / 2) % static_cast<int>(colours));
}

}  // namespace bmpwriter
