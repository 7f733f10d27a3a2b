// BMP decoding of our own: every count and offset in a file is checked against
// the bytes that are really there before it is used, so a damaged or hostile
// picture is refused with a reason instead of crashing, hanging or showing a
// half-filled image.
#include "images/bmp_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include "images/picture.h"

namespace images {

namespace {

[[noreturn]] void fail(const std::string& name, const std::string& reason) {
    throw PictureLoadError(name, reason);
}

enum Compression { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6 };

// The bytes of one file and the name to blame.
struct Bytes {
    const std::uint8_t* data;
    long long size;
    const std::string& name;

    std::uint32_t u8(long long at) const { return data[at]; }
    std::uint32_t u16(long long at) const { return u8(at) | u8(at + 1) << 8; }
    std::uint32_t u32(long long at) const { return u16(at) | u16(at + 2) << 16; }
    [[noreturn]] void fail(const std::string& reason) const { images::fail(name, reason); }
};

// One colour channel of a 16- or 32-bit pixel, given by its mask.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(std::uint32_t m = 0) : mask(m) {
        if (!m) return;
        while (!(m & 1u)) m >>= 1, ++shift;
        while (m) m >>= 1, ++bits;
    }
    int value(std::uint32_t pixel, int absent) const {
        if (!mask) return absent;
        const std::uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8) return static_cast<int>(v >> (bits - 8));
        const std::uint32_t max = (1u << bits) - 1;
        return static_cast<int>((v * 255 + max / 2) / max);
    }
};

struct Header {
    long long width = 0, height = 0;
    bool topDown = false;
    int bpp = 0;
    int compression = kRgb;
    long long offset = 0;
    Channel red, green, blue, alpha;
    std::vector<QRgb> palette;
};

std::string otherFormat(const Bytes& b) {
    auto startsWith = [&](const char* magic) {
        const long long n = static_cast<long long>(std::strlen(magic));
        return b.size >= n && std::memcmp(b.data, magic, n) == 0;
    };
    if (startsWith("\x89PNG")) return "the file is a PNG picture, not a BMP picture";
    if (startsWith("\xFF\xD8\xFF")) return "the file is a JPEG picture, not a BMP picture";
    if (startsWith("GIF8")) return "the file is a GIF picture, not a BMP picture";
    return "the file is not a BMP picture";
}

bool knownHeaderSize(std::uint32_t size) {
    for (std::uint32_t s : {12u, 40u, 52u, 56u, 108u, 124u})
        if (size == s) return true;
    return false;
}

void readGeometry(const Bytes& b, std::uint32_t dibSize, Header& h) {
    if (dibSize == 12) {
        h.width = b.u16(18);
        h.height = b.u16(20);
        h.bpp = static_cast<int>(b.u16(24));
        return;
    }
    h.width = static_cast<std::int32_t>(b.u32(18));
    h.height = static_cast<std::int32_t>(b.u32(22));
    h.bpp = static_cast<int>(b.u16(28));
    h.compression = static_cast<int>(b.u32(30));
    if (h.height < 0) {
        h.height = -h.height;
        h.topDown = true;
    }
}

void checkGeometry(const Bytes& b, std::uint32_t dibSize, const Header& h) {
    if (h.width <= 0 || h.height <= 0)
        b.fail("the picture has no pixels (" + std::to_string(h.width) + " x " +
               std::to_string(h.height) + ")");
    if (h.width > kMaxSide || h.height > kMaxSide || h.width * h.height > kMaxPixels)
        b.fail("the picture is too large (" + std::to_string(h.width) + " x " +
               std::to_string(h.height) + " pixels)");
    const bool coreDepth = h.bpp == 1 || h.bpp == 4 || h.bpp == 8 || h.bpp == 24;
    if (!coreDepth && (dibSize == 12 || (h.bpp != 16 && h.bpp != 32)))
        b.fail("the picture has an unsupported colour depth (" + std::to_string(h.bpp) + " bits)");
    const int c = h.compression;
    if (c != kRgb && c != kRle8 && c != kRle4 && c != kBitfields && c != kAlphaBitfields)
        b.fail("the picture uses an unsupported compression (" + std::to_string(c) + ")");
    const bool fits = c == kRgb || (c == kRle8 && h.bpp == 8) || (c == kRle4 && h.bpp == 4) ||
                      (c >= kBitfields && (h.bpp == 16 || h.bpp == 32));
    if (!fits) b.fail("the compression does not fit the colour depth");
    if (h.topDown && (h.compression == kRle8 || h.compression == kRle4))
        b.fail("a compressed picture cannot be stored top-down");
}

// Colour masks sit inside the larger headers, or right after the basic one.
long long readMasks(const Bytes& b, std::uint32_t dibSize, Header& h) {
    long long end = 14 + dibSize;
    if (h.compression == kBitfields || h.compression == kAlphaBitfields) {
        if (dibSize == 40) end += h.compression == kBitfields ? 12 : 16;
        if (b.size < end) b.fail("the file is cut off in its header");
        h.red = Channel(b.u32(54));
        h.green = Channel(b.u32(58));
        h.blue = Channel(b.u32(62));
        if (end >= 70) h.alpha = Channel(b.u32(66));
        if (!h.red.mask && !h.green.mask && !h.blue.mask) b.fail("the colour masks are missing");
    } else if (h.bpp == 16) {
        h.red = Channel(0x7C00), h.green = Channel(0x03E0), h.blue = Channel(0x001F);
    } else if (h.bpp == 32) {
        h.red = Channel(0xFF0000), h.green = Channel(0xFF00), h.blue = Channel(0xFF);
    }
    return end;
}

// The palette runs from the end of the headers to the pixel data, never further.
void readPalette(const Bytes& b, std::uint32_t dibSize, long long start, Header& h) {
    if (h.bpp > 8) return;
    const long long most = 1LL << h.bpp;
    const long long declared = dibSize >= 40 ? b.u32(46) : 0;
    const int entry = dibSize == 12 ? 3 : 4;
    long long count = declared == 0 || declared > most ? most : declared;
    count = std::min(count, (h.offset - start) / entry);
    if (count <= 0) b.fail("the colour palette is missing");
    h.palette.resize(static_cast<std::size_t>(count));
    for (long long i = 0; i < count; ++i) {
        const long long at = start + i * entry;
        h.palette[static_cast<std::size_t>(i)] =
            qRgb(static_cast<int>(b.u8(at + 2)), static_cast<int>(b.u8(at + 1)),
                 static_cast<int>(b.u8(at)));
    }
}

Header readHeader(const Bytes& b) {
    if (b.size == 0) b.fail("the file is empty");
    if (b.size < 2 || b.data[0] != 'B' || b.data[1] != 'M') {
        if (b.size == 1 && b.data[0] == 'B') b.fail("the file is cut off in its header");
        b.fail(otherFormat(b));
    }
    if (b.size < 18) b.fail("the file is cut off in its header");
    const std::uint32_t dibSize = b.u32(14);
    if (!knownHeaderSize(dibSize)) b.fail("the picture header is of an unknown kind");
    if (b.size < 14 + static_cast<long long>(dibSize)) b.fail("the file is cut off in its header");
    Header h;
    readGeometry(b, dibSize, h);
    checkGeometry(b, dibSize, h);
    const long long headersEnd = readMasks(b, dibSize, h);
    h.offset = b.u32(10);
    if (h.offset < headersEnd) b.fail("the pixel data starts inside the header");
    if (h.offset >= b.size) b.fail("the pixel data is missing");
    readPalette(b, dibSize, headersEnd, h);
    if (h.compression != kRle8 && h.compression != kRle4) {
        const long long stride = (h.bpp * h.width + 31) / 32 * 4;
        if (h.offset + stride * h.height > b.size)
            b.fail("the pixel data is shorter than the header says");
    }
    return h;
}

QRgb paletteColour(const Bytes& b, const Header& h, std::uint32_t index) {
    if (index >= h.palette.size())
        b.fail("a pixel uses colour " + std::to_string(index) + ", but the palette has only " +
               std::to_string(h.palette.size()) + (h.palette.size() == 1 ? " colour" : " colours"));
    return h.palette[index];
}

void decodeRow(const Bytes& b, const Header& h, const std::uint8_t* in, QRgb* out) {
    const int w = static_cast<int>(h.width);
    switch (h.bpp) {
        case 1:
        case 4:
        case 8: {
            const int perByte = 8 / h.bpp;
            const std::uint32_t mask = (1u << h.bpp) - 1;
            for (int x = 0; x < w; ++x) {
                const int shift = (perByte - 1 - x % perByte) * h.bpp;
                out[x] = paletteColour(b, h, (in[x / perByte] >> shift) & mask);
            }
            break;
        }
        case 24:
            for (int x = 0; x < w; ++x, in += 3) out[x] = qRgb(in[2], in[1], in[0]);
            break;
        default: {
            const int step = h.bpp / 8;
            for (int x = 0; x < w; ++x, in += step) {
                const std::uint32_t p = step == 2 ? (in[0] | in[1] << 8)
                                                  : (in[0] | in[1] << 8 | in[2] << 16 |
                                                     static_cast<std::uint32_t>(in[3]) << 24);
                out[x] = qRgba(h.red.value(p, 0), h.green.value(p, 0), h.blue.value(p, 0),
                               h.alpha.value(p, 255));
            }
        }
    }
}

void decodeUncompressed(const Bytes& b, const Header& h, QImage& image) {
    const long long stride = (h.bpp * h.width + 31) / 32 * 4;
    for (long long r = 0; r < h.height; ++r) {
        const long long y = h.topDown ? r : h.height - 1 - r;
        decodeRow(b, h, b.data + h.offset + r * stride,
                  reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y))));
    }
}

// Walks a run-length stream. Without an image it only checks the stream, so a
// broken one is refused before any pixel memory is taken.
class RleWalk {
public:
    RleWalk(const Bytes& b, const Header& h, QImage* image) : m_b(b), m_h(h), m_image(image) {}

    void run() {
        for (m_pos = m_h.offset;;) {
            need(2);
            const std::uint32_t count = m_b.u8(m_pos), value = m_b.u8(m_pos + 1);
            m_pos += 2;
            if (count > 0) {
                pixels(count, [&](std::uint32_t i) { return nibbleOrByte(value, i); });
            } else if (value == 0) {
                m_x = 0;
                if (++m_y > m_h.height) pastTheEnd();
            } else if (value == 1) {
                return;
            } else if (value == 2) {
                need(2);
                m_x += m_b.u8(m_pos);
                m_y += m_b.u8(m_pos + 1);
                m_pos += 2;
                if (m_x > m_h.width || m_y > m_h.height) pastTheEnd();
            } else {
                absolute(value);
            }
        }
    }

private:
    bool rle4() const { return m_h.compression == kRle4; }
    std::uint32_t nibbleOrByte(std::uint32_t byte, std::uint32_t i) const {
        if (!rle4()) return byte;
        return i % 2 == 0 ? byte >> 4 : byte & 0x0F;
    }
    void need(long long n) const {
        if (m_pos + n > m_b.size) m_b.fail("the compressed pixel data is cut off");
    }
    [[noreturn]] void pastTheEnd() const {
        m_b.fail("the compressed pixel data goes past the end of the picture");
    }
    void absolute(std::uint32_t count) {
        const long long bytes = rle4() ? (count + 1) / 2 : count;
        need(bytes + bytes % 2);  // absolute runs are padded to a 16-bit boundary
        const long long start = m_pos;
        pixels(count, [&](std::uint32_t i) {
            return rle4() ? nibbleOrByte(m_b.u8(start + i / 2), i) : m_b.u8(start + i);
        });
        m_pos += bytes + bytes % 2;
    }
    template <typename IndexOf>
    void pixels(std::uint32_t count, IndexOf indexOf) {
        if (m_y >= m_h.height) pastTheEnd();
        if (m_x + count > m_h.width) m_b.fail("a run of pixels goes past the end of a row");
        QRgb* row =
            m_image
                ? reinterpret_cast<QRgb*>(m_image->scanLine(static_cast<int>(m_h.height - 1 - m_y)))
                : nullptr;
        for (std::uint32_t i = 0; i < count; ++i) {
            const QRgb colour = paletteColour(m_b, m_h, indexOf(i));
            if (row) row[m_x + i] = colour;
        }
        m_x += count;
    }

    const Bytes& m_b;
    const Header& m_h;
    QImage* m_image;
    long long m_pos = 0, m_x = 0, m_y = 0;
};

}  // namespace

QImage decodeBmp(const QByteArray& bytes, const std::string& name) {
    const Bytes b{reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size(), name};
    const Header h = readHeader(b);
    const bool rle = h.compression == kRle8 || h.compression == kRle4;
    if (rle) RleWalk(b, h, nullptr).run();
    QImage image(static_cast<int>(h.width), static_cast<int>(h.height),
                 h.alpha.mask ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) b.fail("there is not enough memory for the picture");
    if (rle) {
        // Pixels the stream skips keep the first palette colour.
        image.fill(h.palette.front());
        RleWalk(b, h, &image).run();
    } else {
        decodeUncompressed(b, h, image);
    }
    return image;
}

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

[[noreturn]] void failOpen(const std::string& path, const std::string& name, int error) {
    struct stat link {};
    switch (error) {
        case ENOENT:
            if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode))
                fail(name, "the file is a link to something that does not exist");
            fail(name, "the file does not exist");
        case ENOTDIR:
            fail(name, "the file does not exist (a folder on its path is a file)");
        case ELOOP:
            fail(name, "the file is a link that leads round in a circle");
        case EACCES:
        case EPERM:
            fail(name, "the program is not allowed to read the file");
        case ENAMETOOLONG:
            fail(name, "the file's path is too long");
        default:
            fail(name, std::string("the file cannot be opened (") + std::strerror(error) + ")");
    }
}

// Only ordinary files: a pipe in place of a picture would block the read forever.
void checkKind(const struct stat& st, const std::string& name) {
    if (S_ISDIR(st.st_mode)) fail(name, "it is a folder, not a picture file");
    if (!S_ISREG(st.st_mode)) fail(name, "it is not an ordinary file");
    if (st.st_size == 0) fail(name, "the file is empty");
    if (st.st_size > kMaxFileBytes)
        fail(name, "the file is too large (" + std::to_string(st.st_size) + " bytes)");
}

QByteArray readFile(const std::string& path, const std::string& name) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) failOpen(path, name, errno);
    checkKind(st, name);
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) failOpen(path, name, errno);
    // The file may have been swapped since the first look.
    if (::fstat(fd.get(), &st) != 0) failOpen(path, name, errno);
    checkKind(st, name);
    QByteArray bytes(static_cast<qsizetype>(st.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            fail(name, std::string("the file cannot be read (") + std::strerror(errno) + ")");
        if (n == 0) break;  // the file shrank while we read it
        done += n;
    }
    bytes.truncate(done);
    return bytes;
}

}  // namespace

QImage readBmp(const std::string& path, const std::string& name) {
    return decodeBmp(readFile(path, name), name);
}

}  // namespace images
