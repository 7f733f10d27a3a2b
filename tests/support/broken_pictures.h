// Broken and good pictures made by our own BMP writer, for the decoder's tests
// and for the window tests that put them in a library copy.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "../../fuzz/bmp_writer.h"
#include "images/bmp_reader.h"
#include "images/picture.h"

namespace broken_pictures {

namespace fs = std::filesystem;
using bmpwriter::Layout;

// The reason a decode is refused for, or nothing when the picture is accepted.
inline std::optional<std::string> refusal(const std::function<void()>& load) {
    try {
        load();
    } catch (const images::PictureLoadError& e) {
        return e.reason();
    }
    return std::nullopt;
}

inline void patch16(QByteArray& b, int at, std::uint32_t v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
inline void patch32(QByteArray& b, int at, std::uint32_t v) {
    patch16(b, at, v & 0xFFFF);
    patch16(b, at + 2, v >> 16);
}

inline std::uint32_t rgbPattern(int x, int y) {
    return static_cast<std::uint32_t>((x * 37 % 256) << 16 | (y * 53 % 256) << 8 | (x ^ y) % 256);
}

inline QByteArray rgb24(int w, int h) {
    return bmpwriter::write(Layout{w, h, 24}, rgbPattern);
}

inline QByteArray indexed(int bpp, int paletteSize, const bmpwriter::PixelFn& pixel, int w = 16,
                          int h = 8) {
    Layout l{w, h, bpp};
    l.palette = bmpwriter::greyPalette(paletteSize);
    return bmpwriter::write(l, pixel);
}

// A run-length picture from a hand-written stream, with a 16-colour palette.
inline QByteArray rleStream(int compression, int w, int h, const QByteArray& stream) {
    Layout l{w, h, compression == bmpwriter::kRle8 ? 8 : 4, compression};
    l.palette = bmpwriter::greyPalette(16);
    return bmpwriter::assemble(l, stream);
}

inline QByteArray pngBytes() {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// --- Broken bytes -----------------------------------------------------------------------

struct BytesCase {
    const char* what;
    std::function<QByteArray()> bytes;
    const char* reason;  // the whole reason the user reads
};

inline std::vector<BytesCase> brokenBytes() {
    using namespace bmpwriter;
    auto patched = [](QByteArray b, int at, std::uint32_t v, bool wide = true) {
        wide ? patch32(b, at, v) : patch16(b, at, v);
        return b;
    };
    const QByteArray good = rgb24(40, 30);
    const QByteArray rgbOf4 = indexed(8, 4, [](int x, int) { return x % 4; });
    return {
        {"empty", [] { return QByteArray(); }, "the file is empty"},
        {"a single B", [] { return QByteArray("B"); }, "the file is cut off in its header"},
        {"cut off in the file header", [=] { return good.left(10); },
         "the file is cut off in its header"},
        {"cut off in the picture header", [=] { return good.left(30); },
         "the file is cut off in its header"},
        {"wrong magic",
         [=] {
             QByteArray b = good;
             b[0] = 'X';
             return b;
         },
         "the file is not a BMP picture"},
        {"a PNG renamed", pngBytes, "the file is a PNG picture, not a BMP picture"},
        {"a JPEG renamed", [] { return QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF", 10); },
         "the file is a JPEG picture, not a BMP picture"},
        {"a text renamed", [] { return QByteArray("C major: C E G\nA minor: A C E\n"); },
         "the file is not a BMP picture"},
        {"unknown header size", [=] { return patched(good, 14, 20); },
         "the picture header is of an unknown kind"},
        {"zero width", [=] { return patched(good, 18, 0); }, "the picture has no pixels (0 x 30)"},
        {"negative width", [=] { return patched(good, 18, static_cast<std::uint32_t>(-5)); },
         "the picture has no pixels (-5 x 30)"},
        {"100000 x 100000", [=] { return patched(patched(good, 18, 100000), 22, 100000); },
         "the picture is too large (100000 x 100000 pixels)"},
        {"5000 x 5000", [=] { return patched(patched(good, 18, 5000), 22, 5000); },
         "the picture is too large (5000 x 5000 pixels)"},
        {"the tallest height there is", [=] { return patched(good, 22, 0x80000000u); },
         "the picture is too large (40 x 2147483648 pixels)"},
        {"7 bits per pixel", [=] { return patched(good, 28, 7, false); },
         "the picture has an unsupported colour depth (7 bits)"},
        {"JPEG inside", [=] { return patched(good, 30, 4); },
         "the picture uses an unsupported compression (4)"},
        {"RLE8 on 24 bits", [=] { return patched(good, 30, kRle8); },
         "the compression does not fit the colour depth"},
        {"RLE top-down",
         [=] {
             return patched(rleStream(kRle8, 4, 2, QByteArray("\0\1", 2)), 22,
                            static_cast<std::uint32_t>(-2));
         },
         "a compressed picture cannot be stored top-down"},
        {"pixel data a row short", [=] { return good.left(good.size() - 120); },
         "the pixel data is shorter than the header says"},
        {"pixel data one byte short", [=] { return good.chopped(1); },
         "the pixel data is shorter than the header says"},
        {"pixel data beyond the end", [=] { return patched(good, 10, 1000000); },
         "the pixel data is missing"},
        {"pixel data inside the header", [=] { return patched(good, 10, 20); },
         "the pixel data starts inside the header"},
        {"colour masks all zero",
         [] {
             Layout l{4, 4, 32, kBitfields};
             return write(l, [](int, int) { return 0u; });
         },
         "the colour masks are missing"},
        {"no palette", [=] { return patched(rgbOf4, 10, 54); }, "the colour palette is missing"},
        {"8-bit colour out of the palette",
         [] { return indexed(8, 4, [](int x, int) { return x == 9 ? 200u : 1u; }); },
         "a pixel uses colour 200, but the palette has only 4 colours"},
        {"4-bit colour out of the palette",
         [] { return indexed(4, 3, [](int x, int) { return x % 4; }); },
         "a pixel uses colour 3, but the palette has only 3 colours"},
        {"1-bit colour out of the palette",
         [] { return indexed(1, 1, [](int x, int y) { return (x + y) % 2; }); },
         "a pixel uses colour 1, but the palette has only 1 colour"},
        {"RLE8 colour out of the palette",
         [] { return rleStream(kRle8, 4, 1, QByteArray("\x04\x30\0\0\0\1", 6)); },
         "a pixel uses colour 48, but the palette has only 16 colours"},
        {"RLE8 stream cut off", [] { return rleStream(kRle8, 4, 2, QByteArray("\x04\x01\0", 3)); },
         "the compressed pixel data is cut off"},
        {"RLE8 stream without its end",
         [] { return rleStream(kRle8, 4, 1, QByteArray("\x04\x01\0\0", 4)); },
         "the compressed pixel data is cut off"},
        {"RLE8 run longer than the row",
         [] { return rleStream(kRle8, 4, 2, QByteArray("\x05\x01\0\0\0\1", 6)); },
         "a run of pixels goes past the end of a row"},
        {"RLE8 runs adding up past the row",
         [] { return rleStream(kRle8, 4, 2, QByteArray("\x03\x01\x02\x01\0\1", 6)); },
         "a run of pixels goes past the end of a row"},
        {"RLE8 absolute run longer than the row",
         [] { return rleStream(kRle8, 4, 1, QByteArray("\0\x05\1\2\3\4\5\0\0\1", 10)); },
         "a run of pixels goes past the end of a row"},
        {"RLE8 absolute run cut off",
         [] { return rleStream(kRle8, 8, 1, QByteArray("\0\x06\1\2\3", 5)); },
         "the compressed pixel data is cut off"},
        {"RLE8 rows past the top",
         [] { return rleStream(kRle8, 2, 1, QByteArray("\x02\x01\0\0\x02\x01\0\1", 8)); },
         "the compressed pixel data goes past the end of the picture"},
        {"RLE8 line ends past the top",
         [] { return rleStream(kRle8, 2, 1, QByteArray("\0\0\0\0\0\1", 6)); },
         "the compressed pixel data goes past the end of the picture"},
        {"RLE8 delta past the top",
         [] { return rleStream(kRle8, 4, 2, QByteArray("\0\x02\0\x05\0\1", 6)); },
         "the compressed pixel data goes past the end of the picture"},
        {"RLE8 delta past the row",
         [] { return rleStream(kRle8, 4, 2, QByteArray("\0\x02\x09\0\0\1", 6)); },
         "the compressed pixel data goes past the end of the picture"},
        {"RLE8 delta cut off", [] { return rleStream(kRle8, 4, 2, QByteArray("\0\x02\x01", 3)); },
         "the compressed pixel data is cut off"},
        {"RLE4 run longer than the row",
         [] { return rleStream(kRle4, 5, 1, QByteArray("\x06\x12\0\0\0\1", 6)); },
         "a run of pixels goes past the end of a row"},
        {"RLE4 absolute run cut off",
         [] { return rleStream(kRle4, 8, 1, QByteArray("\0\x07\x12\x34", 4)); },
         "the compressed pixel data is cut off"},
        {"RLE4 stream cut off", [] { return rleStream(kRle4, 8, 1, QByteArray("\x08", 1)); },
         "the compressed pixel data is cut off"},
    };
}

struct FileCase {
    std::string what;
    std::function<void(const fs::path&)> make;  // puts the broken thing at the path
    std::string reason;
};

inline void writeBytes(const fs::path& path, const QByteArray& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.constData(), bytes.size());
}

inline std::vector<FileCase> brokenFiles() {
    std::vector<FileCase> cases{
        {"missing", [](const fs::path&) {}, "the file does not exist"},
        {"a folder", [](const fs::path& p) { fs::create_directory(p); },
         "it is a folder, not a picture file"},
        {"a folder with pictures in it",
         [](const fs::path& p) {
             fs::create_directory(p);
             writeBytes(p / "1.bmp", rgb24(4, 4));
         },
         "it is a folder, not a picture file"},
        {"a dangling link",
         [](const fs::path& p) { fs::create_symlink(p.parent_path() / "gone.bmp", p); },
         "the file is a link to something that does not exist"},
        {"a link to itself", [](const fs::path& p) { fs::create_symlink(p.filename(), p); },
         "the file is a link that leads round in a circle"},
        {"two links in a loop",
         [](const fs::path& p) {
             fs::create_symlink(p.filename(), p.parent_path() / "loop.bmp");
             fs::create_symlink("loop.bmp", p);
         },
         "the file is a link that leads round in a circle"},
        {"a named pipe", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); },
         "it is not an ordinary file"},
        {"a file far too large",
         [](const fs::path& p) {
             writeBytes(p, rgb24(4, 4));
             fs::resize_file(p, images::kMaxFileBytes + 1);
         },
         "the file is too large (" + std::to_string(images::kMaxFileBytes + 1) + " bytes)"},
    };
    for (const BytesCase& b : brokenBytes())
        cases.push_back({b.what, [b](const fs::path& p) { writeBytes(p, b.bytes()); }, b.reason});
    return cases;
}

}  // namespace broken_pictures
