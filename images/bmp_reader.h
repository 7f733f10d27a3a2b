#pragma once

#include <QImage>
#include <string>

namespace images {

// Largest picture we accept; the library's pictures are far smaller.
inline constexpr long long kMaxPixels = 4096LL * 4096LL;
inline constexpr long long kMaxFileBytes = 64LL * 1024 * 1024;

// Reads a .bmp file as BMP only (never by guessing the format). Throws
// PictureLoadError naming `name` and the reason in plain words.
QImage readBmp(const std::string& path, const std::string& name);

// Decodes BMP bytes already in memory, with the same checks.
QImage decodeBmp(const QByteArray& bytes, const std::string& name);

}  // namespace images
