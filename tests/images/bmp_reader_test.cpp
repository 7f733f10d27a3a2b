// Picture reading: good files of every kind decode to the pixels they hold;
// broken, hostile or missing files are refused with a reason in plain words.
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

#include "../../fuzz/seeds.h"
#include "../support/broken_pictures.h"
#include "../support/library.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using bmpwriter::Layout;
using namespace broken_pictures;

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

}  // namespace
