// The left-handed neck over the whole vocabulary: strings found in the
// fretboard picture's pixels, dots and masks checked against them, and every
// diagram and clipboard picture against the right-handed one turned over.
#include <gtest/gtest.h>

#include <QImage>
#include <QRectF>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "../support/windows.h"
#include "theory/neck.h"
#include "theory/notes.h"

namespace {

using namespace testing_support;

constexpr int kTwips = 15;
constexpr std::array<int, 6> kOpenPitches{4, 9, 2, 7, 11, 4};  // E A D G B E, low E first

QRectF rectOf(const ui::Control& c) {
    return QRectF(c.left(), c.top(), c.width(), c.height());
}

struct StringLine {
    double x;       // window twips
    double weight;  // brightness summed across the line: heavier strings weigh more
};

// Strings as the fretboard picture shows them: bright metal across the dark
// wood, read along the middle of fret 4's row (no inlay there). The binding
// at either edge of the board is not a string.
std::vector<StringLine> stringLines(const ui::Control& board) {
    const QImage image = board.picture().image.convertToFormat(QImage::Format_RGB32);
    const int y = int((theory::neck::rowCentre(4) - board.top()) / kTwips);
    std::vector<StringLine> lines;
    double sum = 0, moment = 0;
    for (int x = 6; x < image.width() - 6; ++x) {
        const QRgb p = image.pixel(x, y);
        const double light = (qRed(p) + qGreen(p) + qBlue(p)) / 3.0 - 90;
        if (light > 0) {
            sum += light;
            moment += light * (x + 0.5);
        } else if (sum > 0) {
            lines.push_back({board.left() + moment / sum * kTwips, sum});
            sum = moment = 0;
        }
    }
    return lines;
}

// String s (0 = low E) as seen in the picture: the low E is the heavier end.
std::vector<double> stringXs(const ui::DemoWindow& w) {
    const auto lines = stringLines(*w.Fret_Board);
    EXPECT_EQ(lines.size(), 6u);
    if (lines.size() != 6) return {};
    const bool lowOnRight = lines.back().weight > lines.front().weight;
    EXPECT_EQ(lowOnRight, w.settings().left_handed);
    std::vector<double> xs;
    for (int s = 0; s < 6; ++s) xs.push_back(lines[std::size_t(lowOnRight ? 5 - s : s)].x);
    return xs;
}

const std::array<const char*, 6> kStrings{"Low_E", "A", "D", "G", "B", "High_E"};

// Dots exactly where these pitches sound, on the strings the picture shows.
void expectOverlayOnStrings(const ui::Control& overlay, const std::vector<double>& xs,
                            const std::set<int>& pitches) {
    const QImage& image = overlay.picture().image;
    for (int s = 0; s < 6; ++s)
        for (int fret = 0; fret <= theory::neck::kFrets; ++fret) {
            const QPoint p(
                int(std::floor((xs[std::size_t(s)] - overlay.left()) / kTwips)),
                int(std::floor((theory::neck::rowCentre(fret) - overlay.top()) / kTwips)));
            if (!image.rect().contains(p)) continue;
            const bool dot = qAlpha(image.pixel(p)) > 0;
            EXPECT_EQ(dot, pitches.count((kOpenPitches[std::size_t(s)] + fret) % 12) == 1)
                << overlay.key() << " string " << s << " fret " << fret;
        }
}

TEST(LeftHanded, TheLowStringMovesToTheRightAndBack) {
    Pennatone w;
    const auto right = stringXs(*w);
    w->setLeftHanded(true);
    const auto left = stringXs(*w);
    ASSERT_EQ(left.size(), 6u);
    for (int s = 1; s < 6; ++s) EXPECT_LT(left[std::size_t(s)], left[std::size_t(s - 1)]);
    for (int s = 0; s < 6; ++s)
        EXPECT_NEAR(left[std::size_t(s)], theory::neck::stringCentre(s, true), kTwips);
    w->setLeftHanded(false);
    EXPECT_EQ(stringXs(*w), right);
    EXPECT_FALSE(w->Fret_Board->picture().mirrored);
}

TEST(LeftHanded, MasksAndTheirLabelsFollowTheirStrings) {
    for (bool lyrafret : {false, true}) {
        Pennatone p;
        Lyrafret l;
        ui::DemoWindow& w = lyrafret ? static_cast<ui::DemoWindow&>(*l) : *p;
        w.setLeftHanded(true);
        const auto xs = stringXs(w);
        ASSERT_EQ(xs.size(), 6u);
        std::vector<std::pair<int, std::string>> labels;
        for (int s = 0; s < 6; ++s) {
            const ui::Control& mask = w.Mask_o(kStrings[std::size_t(s)]);
            const ui::Control& label = w.Mask(kStrings[std::size_t(s)]);
            EXPECT_TRUE(mask.picture().mirrored);
            for (int other = 0; other < 6; ++other)
                EXPECT_EQ(rectOf(mask).contains(xs[std::size_t(other)], 3000), other == s)
                    << mask.key() << " over string " << other;
            const double centre = label.left() + label.width() / 2.0;
            for (int other = 0; other < 6; ++other) {
                if (other == s) continue;
                EXPECT_LT(std::abs(centre - xs[std::size_t(s)]),
                          std::abs(centre - xs[std::size_t(other)]))
                    << label.key();
            }
            labels.emplace_back(label.left(), label.caption());
            const_cast<ui::Control&>(label).click();
            for (const char* other : kStrings)
                EXPECT_EQ(w.Mask_o(other).visible(), other == kStrings[std::size_t(s)]);
            const_cast<ui::Control&>(label).click();
        }
        std::sort(labels.begin(), labels.end());
        std::string reading;
        for (const auto& [left, caption] : labels) reading += caption;
        EXPECT_EQ(reading, "EBGDAE");
        for (int n = 0; n <= theory::neck::kFrets; ++n) {
            const ui::Control& mask = w.Mask_o(std::to_string(n));
            for (double x : xs) {
                EXPECT_TRUE(rectOf(mask).contains(x, theory::neck::rowCentre(n))) << mask.key();
                if (n > 0) {
                    EXPECT_FALSE(rectOf(mask).contains(x, theory::neck::rowCentre(n - 1)));
                }
            }
            // The fret numbers turn over with the neck: still beside the high string.
            const ui::Control& label = w.Mask(std::to_string(n));
            const double centre = label.left() + label.width() / 2.0;
            EXPECT_LT(std::abs(centre - xs[5]), std::abs(centre - xs[0])) << label.key();
        }
        // Everything on the neck stays inside the strip it owns.
        for (const ui::Control* c : w.neckControls()) {
            EXPECT_GE(c->left(), theory::neck::kAreaLeft) << c->key();
            EXPECT_LE(c->left() + c->width(), theory::neck::kAreaRight) << c->key();
        }
    }
}

// A right- and a left-handed window clicked alike: same chord, same names,
// each diagram turned over, each overlay on the strings the picture shows.
template <typename Window>
class Pair {
public:
    Pair() { left->setLeftHanded(true); }
    Fixture<Window> right, left;
    std::set<std::string> checkedOverlays;

    template <typename F>
    void both(F&& click) {
        click(*right);
        click(*left);
    }

    void compare(const std::string& what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(shownOverlays(*right), shownOverlays(*left));
        for (const auto& [i, r] : right->Chord_Display.members()) {
            const ui::Control& l = left->Chord_Display(i);
            ASSERT_EQ(pic(*r), pic(l));
            if (pic(*r).empty()) continue;
            EXPECT_TRUE(l.picture().mirrored) << l.key();
            EXPECT_EQ(l.picture().image, r->picture().image.mirrored(true, false)) << l.key();
        }
        const auto xs = stringXs(*left);
        for (const char* n : theory::Root_Names) {
            const ui::Control& o = left->NoteEntry(n);
            if (!o.visible() || !checkedOverlays.insert(pic(o)).second) continue;
            EXPECT_TRUE(o.picture().mirrored);
            expectOverlayOnStrings(o, xs, {theory::pitchOf(n)});
        }
    }

    // The first diagram shown goes to the clipboard in both windows.
    void copyFirstDiagram() {
        for (const auto& [i, r] : right->Chord_Display.members()) {
            if (pic(*r).empty()) continue;
            both([i = i](ui::DemoWindow& w) { w.Chord_Display(i).click(); });
            ASSERT_TRUE(left.clipboard.content());
            const ui::Picture& copied = *left.clipboard.content();
            EXPECT_TRUE(copied.mirrored);
            EXPECT_EQ(copied.image, right.clipboard.content()->image.mirrored(true, false));
            EXPECT_EQ(left->Mini_Clip->picture().image, copied.image) << "the preview shows it";
            return;
        }
    }
};

TEST(LeftHanded, EveryRootWithEveryChordType) {
    Pair<ui::PennatoneDemo> pair;
    for (int root = 0; root < 17; ++root)
        for (int type = 0; type <= ui::PennatoneDemo::kLastType; ++type) {
            pair.both([&](ui::PennatoneDemo& w) {
                w.Base_Click(root);
                w.Ty_Click(type);
            });
            pair.compare("root " + std::to_string(root) + " type " + std::to_string(type));
            if (type % 13 == 0) pair.copyFirstDiagram();
            if (testing::Test::HasFailure()) return;
        }
    EXPECT_EQ(pair.checkedOverlays.size(), 17u) << "every note overlay was seen";
}

TEST(LeftHanded, EveryKeyWithEveryChordOption) {
    Pair<ui::LyrafretDemo> pair;
    for (int key = 0; key < ui::LyrafretDemo::kKeyCount; ++key) {
        for (const auto& [option, control] : pair.right->key.members()) {
            pair.both([&, option = option](ui::LyrafretDemo& w) {
                w.Key_C_Click(key);
                w.key(option).click();
            });
            pair.compare("key " + std::to_string(key) + " option " + std::to_string(option));
            if (option % 11 == 0) pair.copyFirstDiagram();
            if (testing::Test::HasFailure()) return;
        }
    }
    // Each key's overlay marks its major scale on the mirrored neck.
    const auto xs = stringXs(*pair.left);
    for (int key = 0; key < ui::LyrafretDemo::kKeyCount; ++key) {
        const ui::Control& o = pair.left->Overlay(key);
        EXPECT_TRUE(o.picture().mirrored);
        std::set<int> scale;
        for (int step : {0, 2, 4, 5, 7, 9, 11}) scale.insert((key + step) % 12);
        expectOverlayOnStrings(o, xs, scale);
    }
}

TEST(LeftHanded, TurningTheNeckKeepsWhatIsOnScreen) {
    Lyrafret w;
    w->Key_C_Click(3);
    w->key(5).click();
    w->Mask_12_Click();
    w->Select_C_Click();
    const auto before = shownOverlays(*w);
    const std::string chord = pic(w->Chord_Display(0));
    w->setLeftHanded(true);
    EXPECT_EQ(shownOverlays(*w), before);
    EXPECT_TRUE(w->Mask_o("12").visible());
    EXPECT_EQ(w->Keyer, 5);
    EXPECT_EQ(w->K, "Eb");
    EXPECT_EQ(pic(w->Chord_Display(0)), chord);
    w->setLeftHanded(false);
    EXPECT_EQ(shownOverlays(*w), before);
    for (const auto& c : w->controls()) EXPECT_FALSE(c->picture().mirrored) << c->key();
}

}  // namespace
