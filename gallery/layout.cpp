#include "gallery/layout.h"

#include <algorithm>
#include <array>
#include <string>

#include "theory/grips.h"

namespace gallery {

namespace {

// Lefts inside the gallery panel; the steps between columns are not uniform.
constexpr std::array<int, 9> kDiagramLefts{15, 810, 1635, 2430, 3225, 4035, 4860, 5685, 6500};
constexpr std::array<int, 9> kNumberLefts{585, 1395, 2190, 3015, 3795, 4620, 5445, 6255, 7065};
constexpr std::array<int, 2> kRowTops{30, 720};

}  // namespace

std::optional<int> acceptedRotation(std::string_view move, int count) {
    for (int candidate = 0; candidate < count; ++candidate)
        if (move == std::to_string(candidate)) return candidate;
    return std::nullopt;
}

CellPlace rotatedPlace(int i, int m, int count) {
    const int c = (i + m) % count;
    const int column = c % 9;
    return {kDiagramLefts[std::size_t(column)], kNumberLefts[std::size_t(column)],
            kRowTops[std::size_t(c / 9)]};
}

theory::Frets shiftedShape(const theory::Frets& stored, int shift) {
    theory::Frets frets = stored;
    int highest = 0;
    for (int& f : frets)
        if (f >= 0) highest = std::max(highest, f += shift);
    if (highest > theory::kLastFret && theory::lowestFret(frets) >= 12)
        for (int& f : frets)
            if (f >= 0) f -= 12;
    return frets;
}

}  // namespace gallery
