#include "images/bmp_reader.h"

#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstring>

#include "images/picture.h"

namespace images {

namespace {

std::uint32_t u32(const QByteArray& b, int at) {
    std::uint32_t v;
    std::memcpy(&v, b.constData() + at, 4);
    return v;
}
std::int32_t s32(const QByteArray& b, int at) {
    std::int32_t v;
    std::memcpy(&v, b.constData() + at, 4);
    return v;
}
std::uint16_t u16(const QByteArray& b, int at) {
    std::uint16_t v;
    std::memcpy(&v, b.constData() + at, 2);
    return v;
}

[[noreturn]] void fail(const std::string& name, const std::string& reason) {
    throw PictureLoadError(name, reason);
}

// Checks the headers before the decoder sees the bytes, so that a damaged or
// hostile file is refused before any large allocation.
void checkHeaders(const QByteArray& b, const std::string& name) {
    const long long size = b.size();
    if (size == 0) fail(name, "the file is empty");
    if (size < 2 || b[0] != 'B' || b[1] != 'M') fail(name, "the file is not a BMP picture");
    if (size < 18) fail(name, "the file is cut off in its header");
    const std::uint32_t dibSize = u32(b, 14);
    if (dibSize != 12 && dibSize != 40 && dibSize != 52 && dibSize != 56 && dibSize != 108 &&
        dibSize != 124)
        fail(name, "the picture header is of an unknown kind");
    if (size < 14 + static_cast<long long>(dibSize)) fail(name, "the file is cut off in its header");
    long long width, height;
    int bpp, compression = 0;
    if (dibSize == 12) {
        width = u16(b, 18);
        height = u16(b, 20);
        bpp = u16(b, 24);
    } else {
        width = s32(b, 18);
        height = s32(b, 22);
        bpp = u16(b, 28);
        compression = static_cast<int>(u32(b, 30));
    }
    if (height < 0) height = -height;
    if (width <= 0 || height <= 0) fail(name, "the picture has no pixels");
    if (width > 16384 || height > 16384 || width * height > kMaxPixels)
        fail(name, "the picture is too large (" + std::to_string(width) + " x " +
                       std::to_string(height) + " pixels)");
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        fail(name, "the picture has an unsupported colour depth");
    const long long offset = u32(b, 10);
    if (offset >= size) fail(name, "the pixel data is missing");
    if (compression == 0 || compression == 3) {
        const long long rowBytes = ((bpp * width + 31) / 32) * 4;
        if (offset + rowBytes * height > size)
            fail(name, "the pixel data is shorter than the header says");
    } else if (compression != 1 && compression != 2) {
        fail(name, "the picture uses an unsupported compression");
    }
}

}  // namespace

QImage decodeBmp(const QByteArray& bytes, const std::string& name) {
    checkHeaders(bytes, name);
    QImage image = QImage::fromData(bytes, "BMP");
    if (image.isNull()) fail(name, "the picture data cannot be decoded");
    return image;
}

QImage readBmp(const std::string& path, const std::string& name) {
    const QString qpath = QString::fromStdString(path);
    QFileInfo info(qpath);
    if (!info.exists()) fail(name, "the file does not exist");
    if (info.isDir()) fail(name, "it is a folder, not a picture file");
    if (info.size() > kMaxFileBytes) fail(name, "the file is too large");
    QFile file(qpath);
    if (!file.open(QIODevice::ReadOnly)) fail(name, "the file cannot be read (" +
                                                    file.errorString().toStdString() + ")");
    return decodeBmp(file.readAll(), name);
}

}  // namespace images
