// Finger numbers in the diagrams, read back from the pixels the window shows,
// the copied words, and the large diagram under the pointer.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "../support/windows.h"
#include "theory/chord_types.h"

namespace {

using namespace testing_support;
using Frets = std::array<int, 6>;
constexpr int X = -1;

// A chord box as a player reads it: strings 6 px apart from x = 3 (low string
// at the left, or at the right for a left-handed player), five fret rows 6 px
// high below the line at y = 9. A fingered note is a black dot cut by a white
// digit; a barre is a black bar across the row.
struct Box {
    const QImage& image;
    bool leftHanded;
    int x(int s) const { return 3 + 6 * (leftHanded ? 5 - s : s); }
    bool ink(int x, int y) const { return qGray(image.pixel(x, y)) < 128; }
    // A dot at string s, row r: ink left and right of the centre column.
    bool dot(int s, int r) const {
        const int y = 12 + 6 * r;
        return ink(x(s) - 2, y) && ink(x(s) + 2, y) && ink(x(s) - 2, y - 1);
    }
    // The digit cut out of the dot, 0 for none.
    int digit(int s, int r) const {
        static const std::array<std::array<const char*, 5>, 4> kShapes{{
            {".#.", "##.", ".#.", ".#.", "###"},
            {"##.", "..#", ".#.", "#..", "###"},
            {"##.", "..#", ".#.", "..#", "##."},
            {"#.#", "#.#", "###", "..#", "..#"},
        }};
        for (int d = 0; d < 4; ++d) {
            bool same = true;
            for (int dy = 0; dy < 5; ++dy)
                for (int dx = 0; dx < 3; ++dx)
                    same &= (kShapes[d][dy][dx] == '#') == !ink(x(s) - 1 + dx, 12 + 6 * r - 2 + dy);
            if (same) return d + 1;
        }
        return 0;
    }
    // The finger on each string: the digit of its lowest-drawn dot (the fret that sounds).
    std::array<int, 6> fingers() const {
        std::array<int, 6> f{};
        for (int s = 0; s < 6; ++s)
            for (int r = 0; r < 5; ++r)
                if (dot(s, r) && digit(s, r)) f[std::size_t(s)] = digit(s, r);
        return f;
    }
};

int typeOption(std::string_view key) {
    for (std::size_t i = 0; i < theory::kChordTypes.size(); ++i)
        if (key == theory::kChordTypes[i].key) return int(i);
    return -1;
}

void show(ui::PennatoneDemo& w, const std::string& root, std::string_view type) {
    for (int b = 0; b < 17 && w.K != root; ++b) w.Base(b).click();
    ASSERT_EQ(w.K, root);
    w.Ty(typeOption(type)).click();
}

// Open chords beside the chord name and the fingers a teacher writes for them.
struct Taught {
    const char* root;
    const char* type;
    Frets grip;
    std::array<int, 6> fingers;
};
const Taught kTaught[] = {
    {"A", "minor", {X, 0, 2, 2, 1, 0}, {0, 0, 2, 3, 1, 0}},
    {"A", "m7", {X, 0, 2, 0, 1, 0}, {0, 0, 2, 0, 1, 0}},
    {"D", "minor", {X, X, 0, 2, 3, 1}, {0, 0, 0, 2, 3, 1}},
    {"E", "7th", {0, 2, 0, 1, 0, 0}, {0, 2, 0, 1, 0, 0}},
    {"C", "7th", {X, 3, 2, 3, 1, 0}, {0, 3, 2, 4, 1, 0}},
    {"D", "7th", {X, X, 0, 2, 1, 2}, {0, 0, 0, 2, 1, 3}},
};

TEST(FingerNumbers, TheRootDiagramsOfOpenChordsShowTheFingersTeachersWriteInBothHands) {
    for (bool left : {false, true})
        for (const Taught& t : kTaught) {
            Pennatone p;
            p->setLeftHanded(left);
            p->setFingers(true);
            show(*p, t.root, t.type);
            const ui::Control& root = p->Chord_Display(18);
            ASSERT_TRUE(p->shownGrip(18));
            EXPECT_EQ(*p->shownGrip(18), t.grip) << t.root << t.type;
            EXPECT_EQ(root.picture().mirrored, left);
            EXPECT_EQ((Box{root.picture().image, left}.fingers()), t.fingers)
                << t.root << " " << t.type << (left ? " left-handed" : "");
        }
}

TEST(FingerNumbers, OffByDefaultAndOffAgainEveryDiagramIsTheLibrarysPicture) {
    for (bool left : {false, true}) {
        Pennatone plain, toggled;
        for (Pennatone* p : {&plain, &toggled}) {
            (*p)->setLeftHanded(left);
            show(**p, "F", "m7");
        }
        toggled->setFingers(true);
        EXPECT_NE(pic(toggled->Chord_Display(0)), pic(plain->Chord_Display(0)));
        toggled->setFingers(false);
        for (int i = 0; i <= 18; ++i) {
            EXPECT_EQ(pic(toggled->Chord_Display(i)), pic(plain->Chord_Display(i))) << i;
            EXPECT_EQ(toggled->Chord_Display(i).picture().image,
                      plain->Chord_Display(i).picture().image)
                << i;
        }
    }
}

TEST(FingerNumbers, TurningTheNeckRedrawsTheNumbersUprightAndEveryCellKeepsItsFingers) {
    Pennatone p;
    p->setFingers(true);
    show(*p, "G", "maj7");
    std::map<int, QImage> right;
    for (const auto& [i, c] : p->Chord_Display.members())
        if (p->shownGrip(i)) right[i] = c->picture().image;
    ASSERT_GE(right.size(), 10u);
    p->setLeftHanded(true);
    for (const auto& [i, image] : right) {
        const QImage& left = p->Chord_Display(i).picture().image;
        EXPECT_TRUE(p->Chord_Display(i).picture().mirrored);
        EXPECT_EQ((Box{left, true}.fingers()), (Box{image, false}.fingers())) << i;
        // Not the right-handed picture turned over, whose digits would read backwards.
        if (Box{image, false}.fingers() != std::array<int, 6>{}) {
            EXPECT_NE(left, image.mirrored(true, false)) << i;
        }
    }
}

TEST(FingerNumbers, TheCopiedDiagramCarriesItsFingers) {
    Pennatone p;
    show(*p, "A", "m7");
    p->Chord_Display(18).click();
    EXPECT_EQ(p.clipboard.text(), "Am7, open: x 0 2 0 1 0");
    p->setFingers(true);
    p->Chord_Display(18).click();
    EXPECT_EQ(p.clipboard.text(), "Am7, open: x 0 2 0 1 0, fingers x 0 2 0 1 0");
    EXPECT_EQ(p.clipboard.content()->image, p->Chord_Display(18).picture().image);
    EXPECT_EQ(p->Mini_Clip->picture().image, p->Chord_Display(18).picture().image);
}

TEST(LargeDiagram, ShownBesideTheDiagramUnderThePointerAndGoneWhenItLeaves) {
    Pennatone p;
    EXPECT_FALSE(p->Large_Diagram->visible());
    p->Chord_Display(4).hover(true);  // nothing on show yet
    EXPECT_FALSE(p->Large_Diagram->visible());
    show(*p, "E", "minor");
    for (int i : {0, 8, 17, 18}) {
        ui::Control& cell = p->Chord_Display(i);
        cell.hover(true);
        ASSERT_TRUE(p->Large_Diagram->visible()) << i;
        const ui::Control& large = *p->Large_Diagram;
        EXPECT_GE(large.width(), 4 * cell.width());
        EXPECT_GE(large.height(), 4 * cell.height());
        // Within the window, and beside the cell rather than over it.
        int cellLeft = cell.left(), cellTop = cell.top();
        for (const ui::Control* c = cell.container(); c; c = c->container())
            cellLeft += c->left(), cellTop += c->top();
        EXPECT_GE(large.left(), 0);
        EXPECT_LE(large.left() + large.width(), ui::kClientWidth);
        EXPECT_LE(large.top() + large.height(), ui::kClientHeight);
        EXPECT_TRUE(large.left() >= cellLeft + cell.width() ||
                    large.left() + large.width() <= cellLeft)
            << i;
        cell.hover(false);
        EXPECT_FALSE(p->Large_Diagram->visible()) << i;
    }
    // A click that clears the gallery takes the large diagram with it.
    p->Chord_Display(2).hover(true);
    ASSERT_TRUE(p->Large_Diagram->visible());
    p->Clear_Me->click();
    EXPECT_FALSE(p->Large_Diagram->visible());
    p->Chord_Display(2).hover(true);
    EXPECT_FALSE(p->Large_Diagram->visible());
}

TEST(LargeDiagram, TheKeyWindowEnlargesItsDiagramsToo) {
    Lyrafret l;
    l->Key_C(0).click();
    l->key(0).click();
    l->Chord_Display(3).hover(true);
    EXPECT_TRUE(l->Large_Diagram->visible());
    l->setLeftHanded(true);
    EXPECT_FALSE(l->Large_Diagram->visible()) << "the neck turned under the pointer";
}

}  // namespace
