#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <array>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "theory/notes.h"
#include "tools/imagegen/artwork.h"

namespace {

// Text rendering needs a GUI application; the first test to ask makes one.
void ensureGuiApp() {
    static QGuiApplication* app = [] {
        if (QGuiApplication::instance()) return static_cast<QGuiApplication*>(nullptr);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tests_tools";
        static char* argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

// Window layout of the neck in twips, as the windows place the pictures.
constexpr int kTwips = 15;
constexpr int kBoardLeft = 9525;
constexpr int kFretboardTop = -45;
constexpr std::array<int, 6> kOpenPitches{4, 9, 2, 7, 11, 4};  // E A D G B E, low E first
constexpr int kFrets = 22;

double stringCentreX(int s) {
    return 9757 + 315 * s;
}
double rowTop(int fret) {
    return fret == 0 ? 100 : 450 + 330 * (fret - 1);
}
double rowBottom(int fret) {
    return fret == 0 ? 445 : rowTop(fret) + 345;
}
double rowCentreY(int fret) {
    return (rowTop(fret) + rowBottom(fret)) / 2;
}

// The masks the windows lay over the neck: one per fret row, one per string.
QRectF fretMask(int fret) {
    return QRectF(9450, fret == 0 ? 100 : rowTop(fret), 2025, 345);
}
QRectF stringMask(int s) {
    return QRectF(9615 + 315 * s, 75, 285, 7650);
}

QPoint toPicture(double x, double y, int left, int top) {
    return QPoint(int(std::floor((x - left) / kTwips)), int(std::floor((y - top) / kTwips)));
}

struct Place {
    int string, fret;
};

std::vector<Place> placesOf(const std::set<int>& pitches) {
    std::vector<Place> places;
    for (int s = 0; s < 6; ++s)
        for (int fret = 0; fret <= kFrets; ++fret)
            if (pitches.count((kOpenPitches[std::size_t(s)] + fret) % 12))
                places.push_back({s, fret});
    return places;
}

int opaqueRun(const QImage& image, QPoint centre) {
    int left = centre.x(), right = centre.x();
    while (left > 0 && qAlpha(image.pixel(left - 1, centre.y())) > 128) --left;
    while (right < image.width() - 1 && qAlpha(image.pixel(right + 1, centre.y())) > 128) ++right;
    return right - left + 1;
}

// Dots on exactly the places of the pitches, each inside the masks of its row and string.
void expectDotsOn(const QImage& overlay, int top, const std::set<int>& pitches) {
    std::set<std::pair<int, int>> marked;
    for (const Place& p : placesOf(pitches)) {
        SCOPED_TRACE("string " + std::to_string(p.string) + " fret " + std::to_string(p.fret));
        marked.insert({p.string, p.fret});
        const double x = stringCentreX(p.string), y = rowCentreY(p.fret);
        EXPECT_TRUE(fretMask(p.fret).contains(x, y));
        EXPECT_TRUE(stringMask(p.string).contains(x, y));
        const QPoint c = toPicture(x, y, kBoardLeft, top);
        ASSERT_TRUE(overlay.rect().contains(c));
        EXPECT_EQ(qAlpha(overlay.pixel(c)), 255);
        if (c.y() + 7 < overlay.height()) {
            const int width = opaqueRun(overlay, c);
            EXPECT_GE(width, 13);
            EXPECT_LE(width, 20) << "a dot, at most with a ring";
        }
    }
    for (int s = 0; s < 6; ++s)
        for (int fret = 0; fret <= kFrets; ++fret) {
            if (marked.count({s, fret})) continue;
            const QPoint c = toPicture(stringCentreX(s), rowCentreY(fret), kBoardLeft, top);
            if (overlay.rect().contains(c)) {
                EXPECT_EQ(qAlpha(overlay.pixel(c)), 0) << "string " << s << " fret " << fret;
            }
        }
}

TEST(NoteOverlays, MarkEveryPlaceOfTheirNoteAndNothingElse) {
    ensureGuiApp();
    for (const auto& note : theory::kNoteNames) {
        SCOPED_TRACE(note.name);
        const std::string name = note.name;
        const int top = name == "E" || name == "Fs" ? -45 : -60;
        const QImage overlay = imagegen::drawArtwork("note_" + name);
        ASSERT_EQ(overlay.size(), QSize(130, 518));
        ASSERT_TRUE(overlay.hasAlphaChannel());
        expectDotsOn(overlay, top, {note.pitch});
    }
}

TEST(NoteOverlays, SameSoundingNamesMarkTheSamePlaces) {
    ensureGuiApp();
    const std::vector<std::pair<std::string, std::string>> pairs{
        {"Cs", "Db"}, {"Ds", "Eb"}, {"Fs", "Gb"}, {"Gs", "Ab"}, {"As", "Bb"}};
    for (const auto& [sharp, flat] : pairs) {
        const QImage a = imagegen::drawArtwork("note_" + sharp);
        const QImage b = imagegen::drawArtwork("note_" + flat);
        EXPECT_NE(a, b) << "the labels differ";
        const int shift = sharp == "Fs" ? 1 : 0;  // the F♯ overlay sits one pixel lower
        int sameMask = 0, total = 0;
        for (int y = 0; y + shift < b.height() && y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                ++total;
                sameMask += (qAlpha(a.pixel(x, y)) > 0) == (qAlpha(b.pixel(x, y + shift)) > 0);
            }
        EXPECT_GT(sameMask, total * 99 / 100) << sharp << "/" << flat;
    }
}

TEST(KeyOverlays, MarkTheScaleWithTheKeyNoteSetApart) {
    ensureGuiApp();
    const std::array<int, 7> steps{0, 2, 4, 5, 7, 9, 11};
    for (int key = 0; key < 12; ++key) {
        SCOPED_TRACE("key " + std::to_string(key));
        const QImage overlay = imagegen::drawArtwork("keyoverlay_" + std::to_string(key));
        ASSERT_EQ(overlay.size(), QSize(130, key == 0 ? 513 : 518));
        std::set<int> scale;
        for (int step : steps) scale.insert((key + step) % 12);
        expectDotsOn(overlay, -60, scale);

        // Below the label, the dot colour tells the key note from the rest.
        std::set<QRgb> tonic, others;
        for (const Place& p : placesOf(scale)) {
            const QPoint c =
                toPicture(stringCentreX(p.string), rowCentreY(p.fret), kBoardLeft, -60);
            if (c.y() + 5 >= overlay.height()) continue;
            const QRgb colour = overlay.pixel(c + QPoint(0, 5));
            const int pitch = (kOpenPitches[std::size_t(p.string)] + p.fret) % 12;
            (pitch == key ? tonic : others).insert(colour);
        }
        ASSERT_FALSE(tonic.empty());
        ASSERT_FALSE(others.empty());
        for (QRgb t : tonic)
            for (QRgb o : others) {
                const int distance = std::abs(qRed(t) - qRed(o)) + std::abs(qGreen(t) - qGreen(o)) +
                                     std::abs(qBlue(t) - qBlue(o));
                EXPECT_GT(distance, 120);
            }
    }
}

TEST(Masks, CoverTheirRectanglesWithADarkHatch) {
    ensureGuiApp();
    struct Case {
        std::string name;
        QSize twips;
    };
    const std::vector<Case> cases{{"mask_open", {2025, 345}},
                                  {"mask_fret", {2025, 345}},
                                  {"mask_string", {285, 7650}},
                                  {"mask_low_e", {285, 7650}},
                                  {"mask_high_e", {285, 7650}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage mask = imagegen::drawArtwork(c.name);
        ASSERT_EQ(mask.size(), c.twips / kTwips);
        std::set<QRgb> colours;
        double sum = 0;
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) {
                ASSERT_EQ(qAlpha(mask.pixel(x, y)), 255);
                colours.insert(mask.pixel(x, y));
                sum += qGray(mask.pixel(x, y));
            }
        EXPECT_GE(colours.size(), 2u) << "hatched, not flat";
        EXPECT_LT(sum / (mask.width() * mask.height()), 80) << "dark";
    }
}

// Fretboard: wires between rows, the nut under the open row, strings and inlays in place.
class Fretboard : public ::testing::Test {
protected:
    void SetUp() override {
        ensureGuiApp();
        board = imagegen::drawArtwork("fretboard");
        ASSERT_EQ(board.size(), QSize(130, 522));
    }
    int grey(double x, double y) const {
        return qGray(board.pixel(toPicture(x, y, kBoardLeft, kFretboardTop)));
    }
    // Window x halfway between the two lowest strings: bare wood, no inlays.
    static double woodX() { return (stringCentreX(0) + stringCentreX(1)) / 2; }
    QImage board;
};

TEST_F(Fretboard, WiresLieWhereNeighbouringRowsMeet) {
    for (int fret = 1; fret < kFrets; ++fret) {
        SCOPED_TRACE(fret);
        const double wireY = (rowBottom(fret) + rowTop(fret + 1)) / 2;
        EXPECT_GT(grey(woodX(), wireY), grey(woodX(), rowCentreY(fret)) + 60);
        EXPECT_GT(grey(woodX(), wireY), grey(woodX(), rowCentreY(fret + 1)) + 60);
    }
}

TEST_F(Fretboard, NutSeparatesTheOpenRow) {
    const double nutY = (rowBottom(0) + rowTop(1)) / 2;
    EXPECT_GT(grey(woodX(), nutY), 180);
    EXPECT_LT(grey(woodX(), rowCentreY(0)), 100);
    EXPECT_LT(grey(woodX(), rowCentreY(1)), 100);
}

TEST_F(Fretboard, StringsRunDownTheirCentres) {
    for (int fret : {0, 1, 4, 13, 22}) {
        for (int s = 0; s < 6; ++s) {
            SCOPED_TRACE("string " + std::to_string(s) + " fret " + std::to_string(fret));
            const double y = rowCentreY(fret) + 60;  // clear of inlays
            const double between = stringCentreX(s) + (s < 5 ? 157 : -157);
            EXPECT_GT(grey(stringCentreX(s), y), grey(between, y) + 60);
        }
    }
}

TEST_F(Fretboard, LowStringIsTheHeaviest) {
    auto widthAt = [&](int s) {
        const QPoint c = toPicture(stringCentreX(s), rowCentreY(4), kBoardLeft, kFretboardTop);
        int n = 0;
        for (int dx = -4; dx <= 4; ++dx) n += qGray(board.pixel(c.x() + dx, c.y())) > 110;
        return n;
    };
    EXPECT_GT(widthAt(0), widthAt(5));
}

TEST_F(Fretboard, InlaysMarkTheUsualFrets) {
    const std::set<int> single{3, 5, 7, 9, 15, 17, 19, 21};
    const double middle = (stringCentreX(2) + stringCentreX(3)) / 2;
    const double pairLeft = (stringCentreX(1) + stringCentreX(2)) / 2;
    const double pairRight = (stringCentreX(3) + stringCentreX(4)) / 2;
    for (int fret = 1; fret <= kFrets; ++fret) {
        SCOPED_TRACE(fret);
        const double y = rowCentreY(fret);
        EXPECT_EQ(grey(middle, y) > 160, single.count(fret) == 1);
        EXPECT_EQ(grey(pairLeft, y) > 160 && grey(pairRight, y) > 160, fret == 12);
    }
}

}  // namespace
