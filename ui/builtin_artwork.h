#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ui {

// A built-in picture the program carries as pixels ready to draw: the rows of
// what its PNG decodes to, so that showing it costs no decoding.
struct StoredPixels {
    const char* name;  // as in the artwork list, e.g. "background" or "german/root_C"
    int width;
    int height;
    int format;              // a QImage::Format with 32 bits per pixel
    std::uint32_t checksum;  // FNV-1a of the bytes
    const unsigned char* bits;
};

// Written with the artwork, sorted by name.
extern const StoredPixels kStoredPixels[];
extern const std::size_t kStoredPixelCount;

// The stored pixels of NAME, or none.
const StoredPixels* storedPixels(std::string_view name);

// The built-in picture NAME: its stored pixels, shared and never copied while
// only read, else its PNG decoded from the resources. A null image when the
// program has no picture of that name.
QImage builtinArtwork(std::string_view name);

}  // namespace ui
