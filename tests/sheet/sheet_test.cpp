#include "sheet/sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/sheet/tools.h"

namespace {

using sheet_tests::entry;

std::vector<std::string> namesOf(const sheet::Sheet& s) {
    std::vector<std::string> names;
    for (const auto& e : s.entries) names.push_back(e.name);
    return names;
}

sheet::Sheet abcde() {
    sheet::Sheet s;
    for (const char* name : {"A", "B", "C", "D", "E"})
        EXPECT_TRUE(s.add(entry(name, {0, 2, 2, 1, 0, 0})));
    return s;
}

struct MoveCase {
    std::size_t from, to;
    bool done;
    std::vector<std::string> after;
};

TEST(SheetOrder, MoveTakesOneDiagramToItsNewPlace) {
    const std::vector<MoveCase> cases = {
        {0, 4, true, {"B", "C", "D", "E", "A"}},  {4, 0, true, {"E", "A", "B", "C", "D"}},
        {1, 3, true, {"A", "C", "D", "B", "E"}},  {3, 1, true, {"A", "D", "B", "C", "E"}},
        {2, 2, true, {"A", "B", "C", "D", "E"}},  {5, 0, false, {"A", "B", "C", "D", "E"}},
        {0, 5, false, {"A", "B", "C", "D", "E"}},
    };
    for (const auto& c : cases) {
        sheet::Sheet s = abcde();
        EXPECT_EQ(s.move(c.from, c.to), c.done) << c.from << " -> " << c.to;
        EXPECT_EQ(namesOf(s), c.after) << c.from << " -> " << c.to;
    }
}

TEST(SheetOrder, RemoveTakesOutOneDiagramAndKeepsTheOthersInOrder) {
    const std::vector<std::pair<std::size_t, std::vector<std::string>>> cases = {
        {0, {"B", "C", "D", "E"}},
        {2, {"A", "B", "D", "E"}},
        {4, {"A", "B", "C", "D"}},
        {5, {"A", "B", "C", "D", "E"}}};
    for (const auto& [index, after] : cases) {
        sheet::Sheet s = abcde();
        EXPECT_EQ(s.remove(index), index < 5) << index;
        EXPECT_EQ(namesOf(s), after) << index;
    }
    sheet::Sheet empty;
    EXPECT_FALSE(empty.remove(0));
    EXPECT_FALSE(empty.move(0, 0));
}

TEST(SheetEntries, OnlyWholeDiagramsGoOnTheSheet) {
    const sheet::Entry good = entry("C♯m7", {-1, 4, 6, 4, 5, 4});
    const auto with = [&good](auto change) {
        sheet::Entry e = good;
        change(e);
        return e;
    };
    const std::vector<std::pair<const char*, sheet::Entry>> refused = {
        {"no name", with([](auto& e) { e.name.clear(); })},
        {"a name too long", with([](auto& e) { e.name = std::string(65, 'C'); })},
        {"a name that is not UTF-8", with([](auto& e) { e.name = "C\xff"; })},
        {"a cut UTF-8 sign", with([](auto& e) { e.name = "C\xe2\x99"; })},
        {"a fret past the neck", with([](auto& e) { e.frets[2] = 23; })},
        {"a fret below muted", with([](auto& e) { e.frets[0] = -2; })},
        {"a fifth finger", with([](auto& e) { e.fingers[1] = 5; })},
        {"a finger on a muted string", with([](auto& e) { e.fingers[0] = 1; })},
        {"a shown fret above a fretted note", with([](auto& e) { e.fret = 5; })},
        {"a shown fret past the neck", with([](auto& e) { e.fret = 23; })},
    };
    for (const auto& [why, e] : refused) {
        sheet::Sheet s;
        EXPECT_FALSE(sheet::isValid(e)) << why;
        EXPECT_FALSE(s.add(e)) << why;
        EXPECT_TRUE(s.entries.empty()) << why;
    }
    sheet::Sheet s;
    EXPECT_TRUE(s.add(good));
    EXPECT_TRUE(s.add(entry("B♭", {-1, 1, 3, 3, 3, 1})));
    EXPECT_EQ(s.entries.size(), 2u);
}

TEST(SheetEntries, RowLengthAndTitleStayInBounds) {
    sheet::Sheet s;
    for (int n : {0, -1, 13, 1000}) EXPECT_FALSE(s.setPerRow(n)) << n;
    EXPECT_EQ(s.perRow, 4);
    for (int n : {1, 6, 12}) {
        EXPECT_TRUE(s.setPerRow(n));
        EXPECT_EQ(s.perRow, n);
    }
    EXPECT_FALSE(s.setTitle(std::string(201, 'x')));
    EXPECT_TRUE(s.setTitle("Songs in E♭"));
    EXPECT_EQ(s.title, "Songs in E♭");
}

}  // namespace
