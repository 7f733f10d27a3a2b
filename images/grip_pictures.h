#pragma once

#include <algorithm>
#include <array>
#include <string>

namespace images {

// The shared pool of grip pictures the chosen-per-root galleries draw from:
// one picture per drawn shape, named by what it shows. A grip drawn at the nut
// is named by its frets ("n_x02210"); a movable one by its frets counted from
// its top row ("m_x13321"), so every fret position of a shape shares one file.
inline const std::string kGripFolder = "grips";

inline std::string gripPictureStem(const std::array<int, 6>& frets, bool atNut) {
    int lowest = 0;
    for (int f : frets)
        if (f > 0 && (lowest == 0 || f < lowest)) lowest = f;
    std::string stem = atNut ? "n_" : "m_";
    for (int f : frets) {
        if (f < 0)
            stem += 'x';
        else if (f == 0 || atNut)
            stem += std::to_string(f);
        else
            stem += std::to_string(f - lowest + 1);
    }
    return stem;
}

// Path below the library root (img/demo/).
inline std::string gripPicture(const std::array<int, 6>& frets, bool atNut) {
    return kGripFolder + "/" + gripPictureStem(frets, atNut) + ".bmp";
}

}  // namespace images
