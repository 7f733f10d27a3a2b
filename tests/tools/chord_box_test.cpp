#include "artwork/chord_box.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "theory/given_sets.h"

namespace {

using theory::Frets;

constexpr int X = -1;

// The box layout: strings 6 px apart from x = 3 (low E), the top grid line at
// y = 9, five rows of 6 px, marks centred at y = 3, a 3 px nut on y = 7..9.
int stringX(int s) {
    return 3 + 6 * s;
}
int rowCentreY(int row) {
    return 12 + 6 * row;
}
constexpr int kMarkY = 3;
constexpr int kTopLine = 9;
constexpr int kRows = 5;

bool dark(const QImage& img, int x, int y) {
    return qGray(img.pixel(x, y)) < 128;
}

std::string text(const Frets& f) {
    std::string s;
    for (int v : f) s += (v < 0 ? std::string("x") : std::to_string(v)) + ' ';
    return s;
}

struct Span {
    int fret, first, last;
};

// Checks the marks, dots and barre of a drawn shape whose top row is `topFret`.
// `barre` is the one finger a guitarist lays across the shape, if any; where it
// is not given (`known` false), only the marks and dots are checked.
void expectShapeDrawn(const QImage& img, const Frets& f, int topFret,
                      const std::optional<Span>& barre = std::nullopt, bool known = true) {
    SCOPED_TRACE(text(f));
    const auto& b = barre;
    for (int s = 0; s < 6; ++s) {
        const int x = stringX(s);
        SCOPED_TRACE("string " + std::to_string(s));
        if (f[s] < 0) {
            // A cross: centre and corners dark, the middle of its edges light.
            EXPECT_TRUE(dark(img, x, kMarkY));
            EXPECT_TRUE(dark(img, x - 2, kMarkY - 2));
            EXPECT_TRUE(dark(img, x + 2, kMarkY + 2));
            EXPECT_FALSE(dark(img, x, kMarkY - 2));
            EXPECT_FALSE(dark(img, x - 2, kMarkY));
        } else if (f[s] == 0) {
            // A ring: hollow centre, dark sides.
            EXPECT_FALSE(dark(img, x, kMarkY));
            EXPECT_TRUE(dark(img, x - 2, kMarkY));
            EXPECT_TRUE(dark(img, x + 2, kMarkY));
            EXPECT_TRUE(dark(img, x, kMarkY - 2));
        } else {
            for (int y = kMarkY - 2; y <= kMarkY + 2; ++y)
                for (int dx = -2; dx <= 2; ++dx) EXPECT_FALSE(dark(img, x + dx, y)) << y;
        }
        for (int row = 0; row < kRows; ++row) {
            const int y = rowCentreY(row);
            const bool dot = f[s] > 0 && f[s] - topFret == row;
            const bool underBarre = b && row == b->fret - topFret && s >= b->first && s <= b->last;
            if (dot) {
                for (int d = -2; d <= 2; ++d) {
                    EXPECT_TRUE(dark(img, x + d, y)) << "row " << row;
                    EXPECT_TRUE(dark(img, x, y + d)) << "row " << row;
                }
            } else if (known && !underBarre) {
                EXPECT_FALSE(dark(img, x - 2, y)) << "row " << row;
                EXPECT_FALSE(dark(img, x + 2, y)) << "row " << row;
            }
        }
    }
    if (b) {
        const int y = rowCentreY(b->fret - topFret);
        for (int x = stringX(b->first); x <= stringX(b->last); ++x) {
            EXPECT_TRUE(dark(img, x, y - 1)) << x;
            EXPECT_TRUE(dark(img, x, y)) << x;
            EXPECT_TRUE(dark(img, x, y + 1)) << x;
        }
    }
}

bool onlyBlackAndWhite(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (p != qRgb(0, 0, 0) && p != qRgb(255, 255, 255)) return false;
        }
    return true;
}

void expectNut(const QImage& img, bool nut) {
    for (int x = stringX(0); x <= stringX(5); ++x) {
        EXPECT_TRUE(dark(img, x, kTopLine)) << x;
        EXPECT_EQ(dark(img, x, kTopLine - 1), nut) << x;
        EXPECT_EQ(dark(img, x, kTopLine - 2), nut) << x;
        EXPECT_FALSE(dark(img, x, kTopLine - 3)) << x;
    }
}

TEST(ChordBox, EveryPictureIs37By41BlackOnWhite) {
    const std::vector<QImage> images{artwork::drawBlankChordBox(),
                                     artwork::drawGalleryShape({8, 10, 10, 9, 8, 8}),
                                     artwork::drawFirstPosition({X, 3, 2, 0, 1, 0})};
    for (const auto& img : images) {
        EXPECT_EQ(img.width(), artwork::kChordBoxWidth);
        EXPECT_EQ(img.width(), 37);
        EXPECT_EQ(img.height(), 41);
        EXPECT_EQ(img.format(), QImage::Format_RGB32);
        EXPECT_TRUE(onlyBlackAndWhite(img));  // no smoothing anywhere
        EXPECT_FALSE(dark(img, 0, 0));
        EXPECT_FALSE(dark(img, 36, 40));
    }
}

TEST(ChordBox, BlankBoxIsTheGridAlone) {
    const QImage img = artwork::drawBlankChordBox();
    const int bottom = kTopLine + 6 * kRows;
    int expectedDark = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const bool onString =
                (x - 3) % 6 == 0 && x >= 3 && x <= 33 && y >= kTopLine && y <= bottom;
            const bool onFret =
                (y - kTopLine) % 6 == 0 && y >= kTopLine && y <= bottom && x >= 3 && x <= 33;
            EXPECT_EQ(dark(img, x, y), onString || onFret) << x << ',' << y;
            expectedDark += onString || onFret;
        }
    EXPECT_EQ(expectedDark, 6 * 31 + 6 * 31 - 36);
    expectNut(img, false);
}

struct Drawn {
    Frets frets;
    bool firstPosition;
    int topFret;                // fret drawn in the first row
    std::optional<Span> barre;  // where the first finger lies across
};

TEST(ChordBox, DotsMarksAndBarresSitWhereTheShapeSays) {
    const std::vector<Drawn> cases{
        {{8, 10, 10, 9, 8, 8}, false, 8, Span{8, 0, 5}},       // E-form barre, rows 0..2
        {{X, 3, 5, 5, 5, 3}, false, 3, Span{3, 1, 5}},         // A-form barre, low E muted
        {{X, X, 10, 9, 8, 8}, false, 8, Span{8, 4, 5}},        // short barre on B and e
        {{X, 15, 14, 12, 13, 12}, false, 12, Span{12, 3, 5}},  // barre G..e under a dot
        {{X, 5, 3, 2, 3, X}, false, 2, std::nullopt},          // no barre, two muted strings
        {{3, 5, X, 4, 5, X}, false, 3, std::nullopt},  // the repeated fret is not the lowest
        {{10, 8, X, 9, 10, X}, false, 8, std::nullopt},
        {{X, 3, 2, 0, 1, 0}, true, 1, std::nullopt},   // open C: open strings get rings
        {{0, 2, 2, 1, 0, 0}, true, 1, std::nullopt},   // open E
        {{X, 1, 3, 3, 3, 1}, true, 1, Span{1, 1, 5}},  // B flat, barre in first position
        {{X, 1, 0, 3, 1, 1}, true, 1, std::nullopt},   // the open D stops a barre
        {{X, 2, 4, 4, 4, 2}, true, 1, Span{2, 1, 5}},  // B, barre at the second fret
    };
    for (const auto& c : cases) {
        const QImage img = c.firstPosition ? artwork::drawFirstPosition(c.frets)
                                           : artwork::drawGalleryShape(c.frets);
        expectShapeDrawn(img, c.frets, c.topFret, c.barre);
        expectNut(img, c.firstPosition);
        EXPECT_TRUE(onlyBlackAndWhite(img)) << text(c.frets);
    }
}

TEST(ChordBox, OpenStringUnderTheLowestFretBreaksTheBar) {
    // Bb add9 holds fret 1 on A, B and e but leaves D open: a finger cannot
    // lie across D, so fret 1 shows three separate dots and no bar.
    const QImage img = artwork::drawFirstPosition({X, 1, 0, 3, 1, 1});
    const int y = rowCentreY(0);
    EXPECT_FALSE(dark(img, stringX(2) - 2, y));
    EXPECT_FALSE(dark(img, stringX(2) + 2, y));
    EXPECT_FALSE(dark(img, stringX(4) + 3, y));
    // With the D string fretted the same fret is one bar from A to e.
    const QImage barred = artwork::drawFirstPosition({X, 1, 3, 3, 3, 1});
    for (int x = stringX(1); x <= stringX(5); ++x) EXPECT_TRUE(dark(barred, x, y)) << x;
}

TEST(ChordBox, EveryStoredShapeDrawsAllItsNotes) {
    for (const auto& set : theory::diagramSets()) {
        for (const auto& shape : set.shapes)
            expectShapeDrawn(artwork::drawGalleryShape(shape), shape, theory::lowestFret(shape),
                             std::nullopt, false);
        for (const auto& d : set.rootDiagrams)
            expectShapeDrawn(artwork::drawFirstPosition(d.frets), d.frets, 1, std::nullopt, false);
    }
}

TEST(ChordBox, DrawingIsDeterministicAndShapesDiffer) {
    const std::vector<Frets> shapes{
        {8, 10, 10, 9, 8, 8}, {X, 3, 2, X, 1, 3}, {X, X, 10, 12, 13, 12}};
    for (const auto& f : shapes) {
        EXPECT_EQ(artwork::drawGalleryShape(f), artwork::drawGalleryShape(f)) << text(f);
        EXPECT_EQ(artwork::drawFirstPosition(f), artwork::drawFirstPosition(f)) << text(f);
        EXPECT_NE(artwork::drawGalleryShape(f), artwork::drawBlankChordBox()) << text(f);
    }
    EXPECT_EQ(artwork::drawBlankChordBox(), artwork::drawBlankChordBox());
    EXPECT_NE(artwork::drawGalleryShape(shapes[0]), artwork::drawGalleryShape(shapes[1]));
    EXPECT_NE(artwork::drawGalleryShape(shapes[1]), artwork::drawFirstPosition(shapes[1]));
}

}  // namespace
