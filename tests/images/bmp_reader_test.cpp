// Picture reading: good files of every kind decode to the pixels they hold;
// broken, hostile or missing files are refused with a reason in plain words,
// at the reader and through a click on a window.
#include "images/bmp_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QBuffer>
#include <QTemporaryDir>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>

#include "../../fuzz/bmp_writer.h"
#include "../../fuzz/seeds.h"
#include "../support/library.h"
#include "../support/windows.h"
#include "chords/key_tables.h"
#include "chords/pennatone_types.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using bmpwriter::Layout;

// The reason a decode is refused for, or nothing when the picture is accepted.
std::optional<std::string> refusal(const std::function<void()>& load) {
    try {
        load();
    } catch (const images::PictureLoadError& e) {
        return e.reason();
    }
    return std::nullopt;
}

void patch16(QByteArray& b, int at, std::uint32_t v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void patch32(QByteArray& b, int at, std::uint32_t v) {
    patch16(b, at, v & 0xFFFF);
    patch16(b, at + 2, v >> 16);
}

std::uint32_t rgbPattern(int x, int y) {
    return static_cast<std::uint32_t>((x * 37 % 256) << 16 | (y * 53 % 256) << 8 | (x ^ y) % 256);
}

QByteArray rgb24(int w, int h) {
    return bmpwriter::write(Layout{w, h, 24}, rgbPattern);
}

QByteArray indexed(int bpp, int paletteSize, const bmpwriter::PixelFn& pixel, int w = 16,
                   int h = 8) {
    Layout l{w, h, bpp};
    l.palette = bmpwriter::greyPalette(paletteSize);
    return bmpwriter::write(l, pixel);
}

// A run-length picture from a hand-written stream, with a 16-colour palette.
QByteArray rleStream(int compression, int w, int h, const QByteArray& stream) {
    Layout l{w, h, compression == bmpwriter::kRle8 ? 8 : 4, compression};
    l.palette = bmpwriter::greyPalette(16);
    return bmpwriter::assemble(l, stream);
}

QByteArray pngBytes() {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// --- Good pictures -------------------------------------------------------------------

struct GoodCase {
    const char* what;
    Layout layout;
    bool sameAsQt;  // Qt's own reader reads this kind too: its pixels must agree
};

// The colour a pixel of a good case must decode to.
QRgb expectedColour(const Layout& l, std::uint32_t v) {
    if (l.bpp <= 8) return l.palette.at(v);
    if (l.bpp == 24) return 0xFF000000u | v;
    std::array<std::uint32_t, 4> masks = l.masks;
    if (l.compression != bmpwriter::kBitfields)
        masks = l.bpp == 16 ? std::array<std::uint32_t, 4>{0x7C00, 0x03E0, 0x001F, 0}
                            : std::array<std::uint32_t, 4>{0xFF0000, 0xFF00, 0xFF, 0};
    auto channel = [v](std::uint64_t mask, int absent) {
        if (!mask) return absent;
        int shift = 0, bits = 0;
        while (!(mask >> shift & 1)) ++shift;
        while (mask >> (shift + bits) & 1) ++bits;
        const std::uint64_t value = (v & mask) >> shift, max = (1ull << bits) - 1;
        return bits >= 8 ? static_cast<int>(value >> (bits - 8))
                         : static_cast<int>(std::lround(value * 255.0 / max));
    };
    return qRgba(channel(masks[0], 0), channel(masks[1], 0), channel(masks[2], 0),
                 channel(masks[3], 255));
}

std::uint32_t goodPixel(const Layout& l, int x, int y) {
    if (l.bpp <= 8) return bmpwriter::pattern(x, y, static_cast<std::uint32_t>(l.palette.size()));
    if (l.bpp == 24) return rgbPattern(x, y);
    const std::uint32_t v = rgbPattern(x, y) * 2654435761u;  // spread over every bit
    return l.bpp == 16 ? v & 0xFFFF : v;
}

TEST(BmpDecode, GoodPicturesOfEveryKindDecodeToTheirPixels) {
    using namespace bmpwriter;
    auto pal = [](int n) { return greyPalette(n); };
    const std::vector<GoodCase> cases{
        {"1 bit", {13, 7, 1, kRgb, 40, false, pal(2)}, true},
        {"4 bits", {13, 7, 4, kRgb, 40, false, pal(16)}, true},
        {"4 bits, short palette", {13, 7, 4, kRgb, 40, false, pal(5)}, true},
        {"8 bits", {13, 7, 8, kRgb, 40, false, pal(256)}, true},
        {"8 bits, core header", {13, 7, 8, kRgb, 12, false, pal(256)}, true},
        {"8 bits, top-down", {13, 7, 8, kRgb, 40, true, pal(40)}, true},
        {"RLE4", {37, 9, 4, kRle4, 40, false, pal(16)}, true},
        {"RLE8", {37, 9, 8, kRle8, 40, false, pal(200)}, true},
        {"16 bits", {13, 7, 16, kRgb, 40, false, {}}, false},
        {"16 bits, 5-6-5 masks",
         {13, 7, 16, kBitfields, 40, false, {}, {0xF800, 0x07E0, 0x001F, 0}},
         false},
        {"24 bits", {13, 7, 24, kRgb, 40, false, {}}, true},
        {"24 bits, top-down", {13, 7, 24, kRgb, 40, true, {}}, true},
        {"24 bits, core header", {13, 7, 24, kRgb, 12, false, {}}, true},
        {"24 bits, 124-byte header", {13, 7, 24, kRgb, 124, false, {}}, true},
        {"32 bits", {13, 7, 32, kRgb, 40, false, {}}, true},
        {"32 bits, masks after the header",
         {13, 7, 32, kBitfields, 40, false, {}, {0xFF0000, 0xFF00, 0xFF, 0}},
         true},
        {"32 bits, 52-byte header",
         {13, 7, 32, kBitfields, 52, false, {}, {0xFF, 0xFF00, 0xFF0000, 0}},
         false},
        {"32 bits, alpha, 108-byte header",
         {13, 7, 32, kBitfields, 108, false, {}, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}},
         false},
        {"32 bits, 10-bit channels, 56-byte header",
         {13, 7, 32, kBitfields, 56, false, {}, {0x3FF00000, 0xFFC00, 0x3FF, 0}},
         false},
    };
    for (const GoodCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Layout& l = c.layout;
        const QByteArray bytes =
            bmpwriter::write(l, [&l](int x, int y) { return goodPixel(l, x, y); });
        QImage image;
        ASSERT_NO_THROW(image = images::decodeBmp(bytes, "good.bmp"));
        ASSERT_EQ(image.size(), QSize(l.width, l.height));
        EXPECT_EQ(image.format(), l.masks[3] ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        int wrong = 0;
        for (int y = 0; y < l.height; ++y)
            for (int x = 0; x < l.width; ++x)
                wrong += image.pixel(x, y) != expectedColour(l, goodPixel(l, x, y));
        EXPECT_EQ(wrong, 0);
        if (c.sameAsQt) {
            const QImage qt = QImage::fromData(bytes, "BMP").convertToFormat(image.format());
            EXPECT_EQ(qt, image) << "differs from Qt's reader";
        }
    }
}

TEST(BmpDecode, RunLengthSkipsKeepTheFirstPaletteColour) {
    // Two pixels, a delta over one pixel and one row, then a pixel: 4 x 2.
    const QByteArray stream("\x02\x05\x00\x02\x01\x01\x01\x07\x00\x01", 10);
    const QImage image = images::decodeBmp(rleStream(bmpwriter::kRle8, 4, 2, stream), "skips.bmp");
    const auto pal = bmpwriter::greyPalette(16);
    const std::vector<std::pair<QPoint, QRgb>> expected{
        {{0, 1}, pal[5]}, {{1, 1}, pal[5]}, {{2, 1}, pal[0]}, {{3, 1}, pal[0]},
        {{0, 0}, pal[0]}, {{1, 0}, pal[0]}, {{2, 0}, pal[0]}, {{3, 0}, pal[7]}};
    for (const auto& [at, colour] : expected)
        EXPECT_EQ(image.pixel(at), colour) << at.x() << "," << at.y();
}

TEST(BmpDecode, TheFuzzSeedsAreOurWritersPicturesAndAllDecode) {
    const fs::path corpus = fs::path(DEMO_SOURCE_DIR) / "fuzz/corpus";
    std::set<std::string> committed;
    for (const auto& e : fs::directory_iterator(corpus)) committed.insert(e.path().filename());
    std::set<std::string> made;
    std::uintmax_t total = 0;
    for (const auto& [name, bytes] : bmpwriter::seeds()) {
        made.insert(name);
        std::ifstream in(corpus / name, std::ios::binary);
        const std::string file{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(QByteArray::fromStdString(file), bytes) << name << " differs from the writer's";
        EXPECT_NO_THROW(images::decodeBmp(bytes, name)) << name;
        total += static_cast<std::uintmax_t>(bytes.size());
    }
    EXPECT_EQ(committed, made);
    EXPECT_LT(total, 50u * 1024);
}

// --- Broken bytes -----------------------------------------------------------------------

struct BytesCase {
    const char* what;
    std::function<QByteArray()> bytes;
    const char* reason;  // the whole reason the user reads
};

std::vector<BytesCase> brokenBytes() {
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

TEST(BmpDecode, BrokenBytesAreRefusedWithAReason) {
    for (const BytesCase& c : brokenBytes()) {
        EXPECT_EQ(refusal([&] { images::decodeBmp(c.bytes(), "img/demo/20/3.bmp"); }), c.reason)
            << c.what;
    }
}

TEST(BmpDecode, TheErrorNamesTheFileAndTheReason) {
    try {
        images::decodeBmp(QByteArray("GIF89a"), "img/demo/12/C.bmp");
        FAIL() << "a GIF was accepted";
    } catch (const images::PictureLoadError& e) {
        EXPECT_EQ(e.file(), "img/demo/12/C.bmp");
        EXPECT_EQ(e.reason(), "the file is a GIF picture, not a BMP picture");
        EXPECT_EQ(std::string(e.what()),
                  "Cannot load picture img/demo/12/C.bmp: the file is a GIF picture, not a BMP "
                  "picture");
    }
}

// --- Broken files ------------------------------------------------------------------------

struct FileCase {
    std::string what;
    std::function<void(const fs::path&)> make;  // puts the broken thing at the path
    std::string reason;
};

void writeBytes(const fs::path& path, const QByteArray& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.constData(), bytes.size());
}

std::vector<FileCase> brokenFiles() {
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

TEST(BmpFile, BrokenFilesAreRefusedWithAReason) {
    QTemporaryDir dir;
    for (const FileCase& c : brokenFiles()) {
        const fs::path folder = fs::path(dir.path().toStdString()) / "case";
        fs::remove_all(folder);
        fs::create_directory(folder);
        const fs::path file = folder / "3.bmp";
        c.make(file);
        EXPECT_EQ(refusal([&] { images::readBmp(file.string(), "img/demo/20/3.bmp"); }), c.reason)
            << c.what;
    }
}

TEST(BmpFile, AGoodFileBehindALinkIsRead) {
    QTemporaryDir dir;
    const fs::path folder = dir.path().toStdString();
    writeBytes(folder / "real.bmp", rgb24(5, 3));
    fs::create_symlink("real.bmp", folder / "link.bmp");
    EXPECT_EQ(images::readBmp((folder / "link.bmp").string(), "link.bmp").size(), QSize(5, 3));
}

// Runs `check` where a refused permission counts: as an unprivileged user
// when the tests run as root, who may read anything.
std::string reasonWithoutPermission(const std::function<std::string()>& check) {
    if (::geteuid() != 0) return check();
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        std::string reason = "cannot drop privileges";
        if (::setgid(65534) == 0 && ::setuid(65534) == 0) reason = check();
        const ssize_t written = ::write(pipeEnds[1], reason.data(), reason.size());
        ::_exit(written == static_cast<ssize_t>(reason.size()) ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    std::string reason;
    char buffer[256];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) reason.append(buffer, n);
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return reason;
}

TEST(BmpFile, AFileThePlayerMayNotReadIsRefused) {
    QTemporaryDir dir;
    const fs::path folder = dir.path().toStdString();
    fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                fs::perms::others_read | fs::perms::others_exec);
    const fs::path file = folder / "locked.bmp";
    writeBytes(file, rgb24(4, 4));
    fs::permissions(file, fs::perms::none);
    const std::string reason = reasonWithoutPermission([&] {
        return refusal([&] { images::readBmp(file.string(), "img/demo/12/C.bmp"); })
            .value_or("accepted");
    });
    EXPECT_EQ(reason, "the program is not allowed to read the file");
}

// --- Through a click -------------------------------------------------------------------

// A library copy with one picture replaced by something broken; put back between cases.
class DamagedLibrary {
public:
    void damage(const std::string& relative, const std::function<void(const fs::path&)>& make) {
        restore();
        m_damaged = relative;
        fs::remove_all(path(relative));
        make(path(relative));
    }
    void restore() {
        if (m_damaged.empty()) return;
        for (const char* extra : {"gone.bmp", "loop.bmp"})
            fs::remove_all(path(m_damaged).parent_path() / extra);
        fs::remove_all(path(m_damaged));
        fs::copy_file(fs::path(DEMO_BIN_DIR) / "img/demo" / m_damaged, path(m_damaged));
        m_damaged.clear();
    }
    fs::path path(const std::string& relative) const {
        return fs::path(m_copy.folder()) / "img/demo" / relative;
    }
    std::string folder() const { return m_copy.folder(); }

private:
    LibraryCopy m_copy;
    std::string m_damaged;
};

std::optional<images::PictureLoadError> clickError(ui::Control& c) {
    try {
        c.click();
    } catch (const images::PictureLoadError& e) {
        return e;
    }
    return std::nullopt;
}

TEST(BadPictureClick, TheHandlerStopsAtTheBrokenPictureAndTheWindowGoesOn) {
    const chords::PennatoneType& major = *chords::pennatoneType(0);
    const std::string broken = std::string(major.dir) + "/3.bmp";
    DamagedLibrary library;
    for (const FileCase& c : brokenFiles()) {
        SCOPED_TRACE(c.what);
        library.damage(broken, c.make);
        Pennatone p(library.folder());
        ASSERT_FALSE(clickError(p->Base(0)));
        const auto error = clickError(p->Ty(0));
        ASSERT_TRUE(error);
        EXPECT_EQ(error->file(), "img/demo/" + broken);
        EXPECT_EQ(error->reason(), c.reason);
        // The steps before the broken picture stay done, nothing after it happened.
        EXPECT_EQ(p->Chord_Type, major.key);
        EXPECT_FALSE(p->Logo_Box->visible());
        for (int i = 0; i <= 1; ++i)
            EXPECT_EQ(pic(p->Chord_Display(i)),
                      "img/demo/" + std::string(major.dir) + "/" + std::to_string(i + 1) + ".bmp");
        for (int i = 2; i <= 18; ++i) EXPECT_EQ(pic(p->Chord_Display(i)), "") << i;
        EXPECT_EQ(pic(*p->Type_o), "");
        EXPECT_EQ(pic(p->FretDisplay(0)), "");
        // The window takes the next click as if nothing had happened.
        ASSERT_FALSE(clickError(p->Ty(1)));
        EXPECT_EQ(pic(*p->Type_o), "img/demo/19/add9.bmp");
        ASSERT_FALSE(clickError(p->Mask("7")));
        EXPECT_TRUE(p->Mask_o("7").visible());
    }
}

TEST(BadPictureClick, LyrafretStopsAtTheBrokenPictureToo) {
    const chords::KeyChord& first = *chords::keyChord(0);
    const std::string broken = std::string(first.dir) + "/3.bmp";
    DamagedLibrary library;
    for (const FileCase& c : brokenFiles()) {
        SCOPED_TRACE(c.what);
        library.damage(broken, c.make);
        Lyrafret l(library.folder());
        ASSERT_FALSE(clickError(l->Key_C(0)));
        const auto error = clickError(l->key(0));
        ASSERT_TRUE(error);
        EXPECT_EQ(error->file(), "img/demo/" + broken);
        EXPECT_EQ(error->reason(), c.reason);
        EXPECT_EQ(pic(l->Chord_Display(1)), "img/demo/" + std::string(first.dir) + "/2.bmp");
        EXPECT_EQ(pic(l->Chord_Display(2)), "img/demo/13/b2.bmp");
        EXPECT_EQ(pic(*l->Type_o), "");
        ASSERT_FALSE(clickError(l->key(2)));
        EXPECT_EQ(pic(*l->Type_o),
                  "img/demo/19/" + std::string(chords::keyChord(2)->Chord_Type) + ".bmp");
    }
}

TEST(BadPictureClick, AGoodPictureOfAnUnexpectedSizeIsShown) {
    const std::vector<QSize> sizes{{200, 10}, {1, 1}, {3, 900}};
    const chords::PennatoneType& major = *chords::pennatoneType(0);
    DamagedLibrary library;
    for (const QSize& size : sizes) {
        library.damage(std::string(major.dir) + "/3.bmp", [&](const fs::path& p) {
            writeBytes(p, rgb24(size.width(), size.height()));
        });
        Pennatone p(library.folder());
        p->Base(0).click();
        ASSERT_FALSE(clickError(p->Ty(0)));
        EXPECT_EQ(p->Chord_Display(2).picture().image.size(), size);
        EXPECT_EQ(pic(*p->Type_o), "img/demo/19/major.bmp");
    }
}

// --- Damaged or missing library -------------------------------------------------------

std::map<std::string, std::string> pictureNames(const ui::DemoWindow& w) {
    std::map<std::string, std::string> names;
    for (const auto& c : w.controls()) names[c->key()] = c->picture().name;
    return names;
}

bool isExit(const ui::Control& c) {
    return c.name() == "close_me" || c.name() == "Exit_Me";
}

template <typename Fixture>
void everyClickReportsTheFirstMissingFile(const std::string& chordRoot,
                                          const std::string& chordOption) {
    QTemporaryDir empty;
    const std::string folder = empty.path().toStdString();
    Fixture w(folder, false);
    ASSERT_FALSE(refusal([&] { w->Form_Load(); })) << "start-up loads nothing";
    int reported = 0;
    for (const auto& control : w->controls()) {
        if (!control->clickable() || isExit(*control)) continue;
        const auto before = pictureNames(*w);
        const auto error = clickError(*control);
        if (!error) continue;
        ++reported;
        EXPECT_TRUE(error->file().starts_with("img/demo/")) << error->file();
        EXPECT_TRUE(fs::is_regular_file(fs::path(DEMO_BIN_DIR) / error->file())) << error->file();
        EXPECT_EQ(error->reason(), "the file does not exist");
        // The first load failed, so no picture changed.
        EXPECT_EQ(pictureNames(*w), before) << control->key();
    }
    EXPECT_GT(reported, 0);
    // The library comes back: the next clicks work.
    fs::copy(fs::path(DEMO_BIN_DIR) / "img", fs::path(folder) / "img", fs::copy_options::recursive);
    EXPECT_FALSE(clickError(w->control(chordRoot)));
    EXPECT_FALSE(clickError(w->control(chordOption)));
    EXPECT_FALSE(w->Logo_Box->visible());
    EXPECT_TRUE(pic(*w->Type_o).starts_with("img/demo/19/"));
}

TEST(MissingLibrary, EveryClickReportsTheFirstMissingFileUntilTheLibraryIsBack) {
    everyClickReportsTheFirstMissingFile<Pennatone>("Base(3)", "Ty(0)");
    everyClickReportsTheFirstMissingFile<Lyrafret>("Key_C(3)", "key(0)");
}

TEST(LibraryPaths, AProgramFolderWithSpacesAndNonAsciiLettersWorks) {
    QTemporaryDir dir;
    const std::vector<std::string> folders{"My Programs/Guitar Tools",
                                           "Gitarr \xC3\x85\xC3\x84\xC3\x96/\xE9\x9F\xB3 demo",
                                           "  leading and trailing  "};
    for (const std::string& sub : folders) {
        const fs::path folder = fs::path(dir.path().toStdString()) / sub;
        fs::create_directories(folder);
        fs::copy(fs::path(DEMO_BIN_DIR) / "img", folder / "img", fs::copy_options::recursive);
        Pennatone p(folder.string());
        p->Base(6).click();
        ASSERT_FALSE(clickError(p->Ty(1))) << sub;
        EXPECT_EQ(pic(*p->Type_o), "img/demo/19/add9.bmp") << sub;
        Lyrafret l(folder.string());
        l->Key_C(6).click();
        ASSERT_FALSE(clickError(l->key(0))) << sub;
        EXPECT_FALSE(l->Logo_Box->visible()) << sub;
        // A failure names the file below the program folder, not the folder itself.
        fs::remove(folder / "img/demo/12/E.bmp");
        const auto error = clickError(p->Ty(0));
        ASSERT_TRUE(error) << sub;
        EXPECT_EQ(error->file(), "img/demo/12/E.bmp") << sub;
    }
}

// Every picture name a window can hold names a file of the library.
void expectInsideTheLibrary(const ui::DemoWindow& w, const ui::MemoryClipboard& clipboard,
                            std::set<std::string>& seen) {
    std::vector<std::string> names;
    for (const auto& c : w.controls()) names.push_back(c->picture().name);
    if (clipboard.content()) names.push_back(clipboard.content()->name);
    for (const std::string& name : names) {
        if (name.empty() || name.starts_with("builtin:") || !seen.insert(name).second) continue;
        EXPECT_TRUE(name.starts_with("img/demo/")) << name;
        const std::string rest = name.substr(std::string("img/demo/").size());
        EXPECT_EQ(fs::path(rest).lexically_normal().string(), rest) << name;
        for (const auto& part : fs::path(rest)) EXPECT_NE(part, "..") << name;
        EXPECT_TRUE(fs::is_regular_file(fs::path(DEMO_BIN_DIR) / name)) << name;
    }
}

template <typename Window>
void everyComposedPathStaysInside(const std::string& roots, const std::string& options) {
    Fixture<Window> w;
    std::set<std::string> seen;
    const ui::ControlArray& rootArray = *w->array(roots);
    const ui::ControlArray& optionArray = *w->array(options);
    std::vector<ui::Control*> others;
    for (const auto& c : w->controls())
        if (c->clickable() && !isExit(*c) && c->name() != roots && c->name() != options)
            others.push_back(c.get());
    for (const auto& [r, root] : rootArray.members()) {
        for (const auto& [o, option] : optionArray.members()) {
            root->click();
            option->click();
            expectInsideTheLibrary(*w, w.clipboard, seen);
        }
        for (ui::Control* c : others) {
            c->click();
            expectInsideTheLibrary(*w, w.clipboard, seen);
        }
    }
    EXPECT_GT(seen.size(), 100u);
}

TEST(LibraryPaths, EveryPictureAWindowComposesLiesInsideTheLibrary) {
    everyComposedPathStaysInside<ui::PennatoneDemo>("Base", "Ty");
    everyComposedPathStaysInside<ui::LyrafretDemo>("Key_C", "key");
}

}  // namespace
