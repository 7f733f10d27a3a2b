// libFuzzer target: any bytes must decode to a whole picture or be refused
// with PictureLoadError; nothing else may happen.
#include <cstddef>
#include <cstdint>

#include "images/bmp_reader.h"
#include "images/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QImage image = images::decodeBmp(bytes, "fuzz.bmp");
        // Reading every pixel makes a wrongly sized picture show under the sanitizer.
        QRgb sum = 0;
        for (int y = 0; y < image.height(); ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) sum ^= row[x];
        }
        asm volatile("" : : "g"(sum) : "memory");  // keeps the reads from being optimised away
    } catch (const images::PictureLoadError&) {
    }
    return 0;
}
