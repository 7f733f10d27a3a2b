#pragma once

// The seed pictures of the decoder's fuzz corpus: one small valid picture of
// each kind the decoder reads, so the fuzzer starts from every code path.
#include <QByteArray>
#include <string>
#include <utility>
#include <vector>

#include "bmp_writer.h"

namespace bmpwriter {

inline std::vector<std::pair<std::string, QByteArray>> seeds() {
    auto indexed = [](int bpp, int compression, int colours, int header = 40) {
        Layout l(19, 11, bpp, compression, header, false, greyPalette(colours));
        return write(l, [colours](int x, int y) {
            return pattern(x, y, static_cast<std::uint32_t>(colours));
        });
    };
    auto direct = [](int bpp, int compression, int header, std::array<std::uint32_t, 4> masks,
                     bool topDown = false) {
        Layout l(13, 7, bpp, compression, header, topDown, {}, masks);
        return write(l, [bpp](int x, int y) {
            const std::uint32_t v = static_cast<std::uint32_t>(x * 0x1F3D5B + y * 0x0C0FFE);
            return bpp == 16 ? v & 0xFFFF : bpp == 24 ? v & 0xFFFFFF : v;
        });
    };
    return {
        {"mono.bmp", indexed(1, kRgb, 2)},
        {"four_bit.bmp", indexed(4, kRgb, 16)},
        {"four_bit_rle.bmp", indexed(4, kRle4, 16)},
        {"eight_bit.bmp", indexed(8, kRgb, 64)},
        {"eight_bit_rle.bmp", indexed(8, kRle8, 64)},
        {"eight_bit_core.bmp", indexed(8, kRgb, 32, 12)},
        {"sixteen_bit.bmp", direct(16, kRgb, 40, {})},
        {"sixteen_bit_565.bmp", direct(16, kBitfields, 40, {0xF800, 0x07E0, 0x001F, 0})},
        {"rgb.bmp", direct(24, kRgb, 40, {})},
        {"rgb_top_down.bmp", direct(24, kRgb, 40, {}, true)},
        {"rgb_v5.bmp", direct(24, kRgb, 124, {})},
        {"rgbx.bmp", direct(32, kRgb, 40, {})},
        {"argb_v4.bmp", direct(32, kBitfields, 108, {0xFF0000, 0xFF00, 0xFF, 0xFF000000})},
    };
}

}  // namespace bmpwriter
