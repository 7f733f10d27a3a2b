#include "tools/imagegen/chord_box.h"

#include <array>

namespace imagegen {

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

using Sprite = std::array<const char*, 5>;

constexpr Sprite kDot{".###.", "#####", "#####", "#####", ".###."};
constexpr Sprite kOpenMark{".###.", "#...#", "#...#", "#...#", ".###."};
constexpr Sprite kMutedMark{"#...#", ".#.#.", "..#..", ".#.#.", "#...#"};

int stringX(int string) {
    return kFirstStringX + string * kStringGap;
}
int rowCentreY(int row) {
    return kTopLineY + row * kRowHeight + kRowHeight / 2;
}

void fill(QImage& image, int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (image.valid(x, y)) image.setPixel(x, y, kInk);
}

void stamp(QImage& image, const Sprite& sprite, int cx, int cy) {
    for (int dy = 0; dy < 5; ++dy)
        for (int dx = 0; dx < 5; ++dx)
            if (sprite[dy][dx] == '#')
                fill(image, cx - 2 + dx, cy - 2 + dy, cx - 2 + dx, cy - 2 + dy);
}

QImage grid(bool nut) {
    QImage image(kChordBoxWidth, kChordBoxHeight, QImage::Format_RGB32);
    image.fill(kBoxPaper);
    const int left = stringX(0), right = stringX(5);
    const int bottom = kTopLineY + kRows * kRowHeight;
    for (int s = 0; s < 6; ++s) fill(image, stringX(s), kTopLineY, stringX(s), bottom);
    for (int r = 0; r <= kRows; ++r) {
        const int y = kTopLineY + r * kRowHeight;
        fill(image, left, y, right, y);
    }
    if (nut) fill(image, left, kTopLineY - kNutThickness + 1, right, kTopLineY);
    return image;
}

// Marks and dots; `firstRowFret` is the fret drawn in the top row.
QImage drawShape(const theory::Frets& frets, int firstRowFret, bool nut) {
    QImage image = grid(nut);
    auto rowOf = [firstRowFret](int fret) { return fret - firstRowFret; };
    for (int s = 0; s < 6; ++s) {
        const int fret = frets[s];
        if (fret < 0) {
            stamp(image, kMutedMark, stringX(s), kMarkY);
        } else if (fret == 0) {
            stamp(image, kOpenMark, stringX(s), kMarkY);
        } else if (int row = rowOf(fret); row >= 0 && row < kRows) {
            stamp(image, kDot, stringX(s), rowCentreY(row));
        }
    }
    if (const auto barre = theory::barreOf(frets)) {
        const int row = rowOf(barre->fret);
        if (row >= 0 && row < kRows) {
            const int y = rowCentreY(row);
            fill(image, stringX(barre->firstString), y - 1, stringX(barre->lastString), y + 1);
        }
    }
    return image;
}

}  // namespace

QImage drawGalleryShape(const theory::Frets& frets) {
    const int lowest = theory::lowestFret(frets);
    return drawShape(frets, lowest > 0 ? lowest : 1, false);
}

QImage drawFirstPosition(const theory::Frets& frets) {
    return drawShape(frets, 1, true);
}

QImage drawBlankChordBox() {
    return grid(false);
}

}  // namespace imagegen
