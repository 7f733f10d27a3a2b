#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "images/window_geometry.h"
#include "theory/neck.h"

namespace imagegen {

// The warm white of headings on the wood and of the icon's strings.
inline constexpr QRgb kPaper = 0xfff4f1ea;

// Where the fretboard pictures sit in the window: the neck's geometry, in twips.
namespace board {
using namespace theory::neck;
using images::kTwipsPerPixel;
}  // namespace board

// Every built-in picture, in the order written to the resource list.
std::vector<std::string> artworkNames();
// The picture of one name; a null image for an unknown name.
QImage drawArtwork(std::string_view name);
// Writes NAME.png for every name and artwork.qrc into dir (created if missing),
// and for the window's furniture (every picture but the neck's overlays) also
// NAME.pixels, the decoded rows, with artwork_pixels.cpp, the table that puts
// them into a program. Pictures whose bytes would not change are left
// untouched; the list and the table are always written.
bool writeArtwork(const QString& dir);

// Writes data to path unless the file already holds exactly these bytes.
bool writeFileIfChanged(const QString& path, const QByteArray& data);

}  // namespace imagegen
