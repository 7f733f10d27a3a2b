#pragma once

#include <QImage>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace imagegen {

// Where the fretboard pictures sit in the window, in twips (15 per pixel).
namespace board {
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kLeft = 9525;  // fretboard and overlays
inline constexpr int kFretboardTop = -45;
inline constexpr int kOverlayTop = -60;  // note overlays except E and F♯, key overlays
inline constexpr int kShiftedOverlayTop = -45;
inline constexpr int kLowStringCentre = 9757;
inline constexpr int kStringPitch = 315;
inline constexpr int kOpenRowTop = 100;
inline constexpr int kOpenRowBottom = 445;
inline constexpr int kFirstFretTop = 450;
inline constexpr int kFretPitch = 330;
inline constexpr int kFretRowHeight = 345;
inline constexpr int kFrets = 22;
inline constexpr int kStrings = 6;

// Window twips of a string's centre line and of a fret row's middle (fret 0 = open row).
double stringCentre(int string);
double rowCentre(int fret);
// Top of a note overlay in the window.
int noteOverlayTop(std::string_view note);
}  // namespace board

// Every built-in picture, in the order written to the resource list.
std::vector<std::string> artworkNames();
// The picture of one name; a null image for an unknown name.
QImage drawArtwork(std::string_view name);
// Writes NAME.png for every name and artwork.qrc into dir (created if missing).
// Pictures whose bytes would not change are left untouched; the list is always written.
bool writeArtwork(const QString& dir);

// Writes data to path unless the file already holds exactly these bytes.
bool writeFileIfChanged(const QString& path, const QByteArray& data);

}  // namespace imagegen
