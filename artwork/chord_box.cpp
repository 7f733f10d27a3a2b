#include "artwork/chord_box.h"

#include <array>

#include "theory/fingering.h"

namespace artwork {

namespace {

// Pixel layout. Everything is set pixel by pixel so the small pictures stay
// crisp and identical on every platform.
constexpr int kFirstStringX = 3;  // low E at the left
constexpr int kStringGap = 6;
constexpr int kTopLineY = 9;  // top grid line; the nut grows upwards from it
constexpr int kRowHeight = 6;
constexpr int kRows = 5;
constexpr int kNutThickness = 3;
constexpr int kMarkY = 3;  // centre of the x / o marks above the grid

constexpr QRgb kBoxPaper = qRgb(255, 255, 255);  // chord boxes are black on white
constexpr QRgb kInk = qRgb(0, 0, 0);

template <std::size_t Rows>
using Sprite = std::array<const char*, Rows>;

constexpr Sprite<5> kDot{".###.", "#####", "#####", "#####", ".###."};
constexpr Sprite<5> kOpenMark{".###.", "#...#", "#...#", "#...#", ".###."};
constexpr Sprite<5> kMutedMark{"#...#", ".#.#.", "..#..", ".#.#.", "#...#"};
// A fingered note: a taller dot that fills its fret, with room for a digit.
constexpr Sprite<7> kFingerDot{".###.", "#####", "#####", "#####", "#####", "#####", ".###."};
// Finger numbers, 3 x 5, cut out of the dot in paper white.
constexpr std::array<Sprite<5>, 4> kDigits{{
    {".#.", "##.", ".#.", ".#.", "###"},
    {"##.", "..#", ".#.", "#..", "###"},
    {"##.", "..#", ".#.", "..#", "##."},
    {"#.#", "#.#", "###", "..#", "..#"},
}};

int rowCentreY(int row) {
    return kTopLineY + row * kRowHeight + kRowHeight / 2;
}

void fill(QImage& image, int x0, int y0, int x1, int y1, QRgb ink = kInk) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (image.valid(x, y)) image.setPixel(x, y, ink);
}

// The sprite centred on (cx, cy).
template <std::size_t Rows>
void stamp(QImage& image, const Sprite<Rows>& sprite, int cx, int cy, QRgb ink = kInk) {
    const int width = int(std::char_traits<char>::length(sprite[0]));
    for (int dy = 0; dy < int(Rows); ++dy)
        for (int dx = 0; dx < width; ++dx)
            if (sprite[std::size_t(dy)][dx] == '#') {
                const int x = cx - width / 2 + dx, y = cy - int(Rows) / 2 + dy;
                fill(image, x, y, x, y, ink);
            }
}

// Where the strings stand: low E at the left, or at the right for a
// left-handed player, which is the picture turned over exactly.
struct Strings {
    bool leftHanded = false;
    int x(int string) const {
        return kFirstStringX + (leftHanded ? 5 - string : string) * kStringGap;
    }
};

QImage grid(bool nut) {
    QImage image(kChordBoxWidth, kChordBoxHeight, QImage::Format_RGB32);
    image.fill(kBoxPaper);
    const Strings strings;
    const int left = strings.x(0), right = strings.x(5);
    const int bottom = kTopLineY + kRows * kRowHeight;
    for (int s = 0; s < 6; ++s) fill(image, strings.x(s), kTopLineY, strings.x(s), bottom);
    for (int r = 0; r <= kRows; ++r) {
        const int y = kTopLineY + r * kRowHeight;
        fill(image, left, y, right, y);
    }
    if (nut) fill(image, left, kTopLineY - kNutThickness + 1, right, kTopLineY);
    return image;
}

void stampMarks(QImage& image, const theory::Frets& frets, const Strings& strings) {
    for (int s = 0; s < 6; ++s) {
        if (frets[std::size_t(s)] < 0) stamp(image, kMutedMark, strings.x(s), kMarkY);
        if (frets[std::size_t(s)] == 0) stamp(image, kOpenMark, strings.x(s), kMarkY);
    }
}

// Marks and dots; `firstRowFret` is the fret drawn in the top row.
QImage drawShape(const theory::Frets& frets, int firstRowFret, bool nut) {
    QImage image = grid(nut);
    const Strings strings;
    stampMarks(image, frets, strings);
    for (int s = 0; s < 6; ++s)
        if (int row = frets[std::size_t(s)] - firstRowFret;
            frets[std::size_t(s)] > 0 && row >= 0 && row < kRows)
            stamp(image, kDot, strings.x(s), rowCentreY(row));
    if (const auto barre = theory::barreOf(frets)) {
        const int row = barre->fret - firstRowFret;
        if (row >= 0 && row < kRows) {
            const int y = rowCentreY(row);
            fill(image, strings.x(barre->firstString), y - 1, strings.x(barre->lastString), y + 1);
        }
    }
    return image;
}

int firstRowOf(const theory::Frets& frets, bool atNut) {
    const int lowest = theory::lowestFret(frets);
    return atNut || lowest == 0 ? 1 : lowest;
}

}  // namespace

QImage drawGalleryShape(const theory::Frets& frets) {
    return drawShape(frets, firstRowOf(frets, false), false);
}

QImage drawFirstPosition(const theory::Frets& frets) {
    return drawShape(frets, 1, true);
}

QImage drawBlankChordBox() {
    return grid(false);
}

QImage drawFingeredShape(const theory::Frets& frets, bool atNut, bool leftHanded) {
    const auto fingering = theory::fingeringOf(frets);
    if (!fingering) {
        const QImage plain = atNut ? drawFirstPosition(frets) : drawGalleryShape(frets);
        return leftHanded ? plain.mirrored(true, false) : plain;
    }
    QImage image = grid(atNut);
    const Strings strings{leftHanded};
    stampMarks(image, frets, strings);
    const int first = firstRowOf(frets, atNut);
    for (const theory::FingerBarre& b : fingering->barres) {
        const int row = b.fret - first;
        if (row < 0 || row >= kRows) continue;
        const int y = rowCentreY(row);
        const int x0 = std::min(strings.x(b.from), strings.x(b.to));
        const int x1 = std::max(strings.x(b.from), strings.x(b.to));
        fill(image, x0, y - 2, x1, y + 2);
    }
    for (int s = 0; s < 6; ++s) {
        const int fret = frets[std::size_t(s)], finger = fingering->fingers[std::size_t(s)];
        const int row = fret - first;
        if (fret <= 0 || row < 0 || row >= kRows) continue;
        const int y = rowCentreY(row);
        stamp(image, kFingerDot, strings.x(s), y);
        if (finger >= theory::kIndex && finger <= theory::kLittle)
            stamp(image, kDigits[std::size_t(finger - 1)], strings.x(s), y, kBoxPaper);
    }
    return image;
}

}  // namespace artwork
