#pragma once

namespace theory::neck {

// Where the neck sits in both windows, in window twips: the fretboard
// picture, its overlays and masks all share these lines.
inline constexpr int kLeft = 9525;  // fretboard and overlays
inline constexpr int kWidth = 1950;
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

// The masks: a fret's lies across the neck's strip, a string's down the neck
// centred on its string.
inline constexpr int kFretMaskWidth = 2025;
inline constexpr int kStringMaskWidth = 285;
inline constexpr int kStringMaskTop = 75;
inline constexpr int kStringMaskHeight = 7650;
inline constexpr int kLowStringMaskLeft = kLowStringCentre - kStringMaskWidth / 2;

// The strip the neck owns across the window: from the fret masks' left edge
// to the fret labels' right edge. A left-handed neck is this strip turned
// over, so everything drawn on it stays inside it.
inline constexpr int kAreaLeft = 9450;
inline constexpr int kAreaRight = 11820;

// Window twips of a string's centre line (0 = low E) and of a fret row's
// middle (fret 0 = open row), right-handed.
double stringCentre(int string);
double rowCentre(int fret);

// The same place on the mirrored neck.
constexpr double mirroredX(double x) {
    return kAreaLeft + kAreaRight - x;
}
// Left edge of a control of this width once the neck is mirrored; applying
// it twice gives the left edge back.
constexpr int mirroredLeft(int left, int width) {
    return kAreaLeft + kAreaRight - left - width;
}
// String centre for either hand.
double stringCentre(int string, bool leftHanded);

}  // namespace theory::neck
