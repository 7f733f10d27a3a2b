#pragma once

#include <QByteArray>
#include <QImage>
#include <string>

namespace images {

// Largest picture we accept; the library's pictures are far smaller. Checked
// against the header before any pixel memory is taken.
inline constexpr long long kMaxPixels = 4096LL * 4096LL;
inline constexpr long long kMaxSide = 16384;
inline constexpr long long kMaxFileBytes = 64LL * 1024 * 1024;

// Reads a .bmp file as BMP only (never by guessing the format). Only an
// ordinary file is opened, so a folder, a pipe or a device in its place is
// refused instead of hanging the program. Throws PictureLoadError naming
// `name` and the reason in plain words.
QImage readBmp(const std::string& path, const std::string& name);

// Decodes BMP bytes already in memory, with the same checks: 1, 4, 8, 16, 24
// and 32 bits per pixel, uncompressed, run-length (RLE8, RLE4) or with colour
// masks. The result is Format_RGB32, or Format_ARGB32 when the file carries
// an alpha mask.
QImage decodeBmp(const QByteArray& bytes, const std::string& name);

}  // namespace images
