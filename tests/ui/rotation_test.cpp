#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "../support/windows.h"

namespace {

using namespace testing_support;

struct Cell {
    int item, left, top, numberLeft;
};

void expectCells(ui::DemoWindow& w, const std::vector<Cell>& cells) {
    for (const Cell& c : cells) {
        EXPECT_EQ(w.Chord_Display(c.item).left(), c.left) << "item " << c.item;
        EXPECT_EQ(w.Chord_Display(c.item).top(), c.top) << "item " << c.item;
        EXPECT_EQ(w.FretDisplay(c.item).left(), c.numberLeft) << "item " << c.item;
        EXPECT_EQ(w.FretDisplay(c.item).top(), c.top) << "item " << c.item;
    }
}

TEST(Rotation, Box18WorkedExamples) {
    Pennatone p;
    p->Box18("5");
    expectCells(*p, {{13, 15, 30, 585},
                     {14, 810, 30, 1395},
                     {17, 3225, 30, 3795},
                     {0, 4035, 30, 4620},
                     {3, 6500, 30, 7065},
                     {4, 15, 720, 585},
                     {12, 6500, 720, 7065}});
    p->Box18("17");
    expectCells(*p, {{1, 15, 30, 585}, {17, 5685, 720, 6255}, {0, 6500, 720, 7065}});
}

TEST(Rotation, Box11LeavesItemsBeyondItsCountAlone) {
    Pennatone p;
    p->Box18("3");
    std::vector<Cell> before;
    for (int i = 11; i < 18; ++i)
        before.push_back(
            {i, p->Chord_Display(i).left(), p->Chord_Display(i).top(), p->FretDisplay(i).left()});
    p->Box11("1");
    expectCells(*p, {{0, 810, 30, 1395},
                     {7, 6500, 30, 7065},
                     {8, 15, 720, 585},
                     {9, 810, 720, 1395},
                     {10, 15, 30, 585}});
    p->Box11("10");
    expectCells(*p, {{1, 15, 30, 585}, {10, 15, 720, 585}, {0, 810, 720, 1395}});
    expectCells(*p, before);
}

TEST(Rotation, Box9AndBox8KeepOneRow) {
    Lyrafret l;
    l->Box9("2");
    expectCells(*l,
                {{0, 1635, 30, 2190}, {6, 6500, 30, 7065}, {7, 15, 30, 585}, {8, 810, 30, 1395}});
    l->Box8("7");
    expectCells(*l, {{1, 15, 30, 585}, {0, 5685, 30, 6255}, {8, 810, 30, 1395}});
}

TEST(Rotation, EveryAcceptedMoveIsAPermutationAndZeroIsIdentity) {
    Pennatone p;
    Lyrafret l;
    struct Op {
        ui::DemoWindow* w;
        std::function<void(const std::string&)> box;
        int n;
    };
    const std::vector<Op> ops{{&*p, [&](auto m) { p->Box18(m); }, 18},
                              {&*p, [&](auto m) { p->Box11(m); }, 11},
                              {&*l, [&](auto m) { l->Box9(m); }, 9},
                              {&*l, [&](auto m) { l->Box8(m); }, 8}};
    for (const Op& op : ops) {
        for (int m = 0; m < op.n; ++m) {
            op.box(std::to_string(m));
            std::set<std::pair<int, int>> cells;
            for (int i = 0; i < op.n; ++i) {
                const auto& d = op.w->Chord_Display(i);
                cells.insert({d.top(), d.left()});
                const int c = (i + m) % op.n;
                EXPECT_EQ(d.top(), op.n == 9 || op.n == 8 ? 30 : (c < 9 ? 30 : 720));
            }
            EXPECT_EQ(cells.size(), static_cast<std::size_t>(op.n)) << op.n << " move " << m;
        }
        op.box("0");
        for (int i = 0; i < op.n; ++i)
            EXPECT_EQ(op.w->Chord_Display(i).left(), op.w->Chord_Display(i % 9).left());
    }
}

TEST(Rotation, RefusedMovesChangeNothing) {
    Pennatone p;
    Lyrafret l;
    p->Box18("4");
    l->Box9("4");
    const auto snapshot = [](ui::DemoWindow& w, int n) {
        std::vector<int> v;
        for (int i = 0; i < n; ++i)
            v.insert(v.end(), {w.Chord_Display(i).left(), w.Chord_Display(i).top(),
                               w.FretDisplay(i).left(), w.FretDisplay(i).top()});
        return v;
    };
    const auto p0 = snapshot(*p, 18);
    const auto l0 = snapshot(*l, 9);
    for (const char* bad : {"", "Null", "-1", "18", "05", " 5", "5.0", "x", "100000000000"}) {
        p->Box18(bad);
        p->Box11(bad[0] == '1' && bad[1] == '8' ? "11" : bad);
        l->Box9(bad[0] == '1' && bad[1] == '8' ? "9" : bad);
        l->Box8(bad[0] == '1' && bad[1] == '8' ? "8" : bad);
        EXPECT_EQ(snapshot(*p, 18), p0) << "'" << bad << "'";
        EXPECT_EQ(snapshot(*l, 9), l0) << "'" << bad << "'";
    }
    p->Box18("4");
    EXPECT_EQ(snapshot(*p, 18), p0) << "placement is absolute";
}

}  // namespace
