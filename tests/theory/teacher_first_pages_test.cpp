#include "tests/theory/teacher_first_pages.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "tests/support/grip_oracle.h"
#include "theory/chord_types.h"
#include "theory/grips.h"
#include "theory/tunings.h"

namespace {

using theory::Frets;

// Pitch arithmetic written out here, apart from the library, so that a wrong
// entry is caught by something other than the code it is meant to check.
constexpr std::array<int, 6> kStandardMidi{40, 45, 50, 55, 59, 64};  // E A D G B E

using testing_support::semitones;

std::optional<int> fretOf(std::string_view token) {
    if (token == "x") return -1;
    if (token.empty() || token.size() > 2) return std::nullopt;
    int f = 0;
    for (char c : token) {
        if (c < '0' || c > '9') return std::nullopt;
        f = f * 10 + (c - '0');
    }
    return f;
}

// "x32010", or six comma-separated frets ("8,10,10,9,8,8"), the comma form
// only where a fret has two digits, so that each grip has one spelling.
std::optional<Frets> parse(std::string_view text) {
    Frets frets{};
    if (text.find(',') == std::string_view::npos) {
        if (text.size() != 6) return std::nullopt;
        for (std::size_t s = 0; s < 6; ++s) {
            const auto f = fretOf(text.substr(s, 1));
            if (!f) return std::nullopt;
            frets[s] = *f;
        }
        return frets;
    }
    std::size_t s = 0, start = 0;
    bool twoDigits = false;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const auto f = fretOf(text.substr(start, comma - start));
        if (!f || s == 6) return std::nullopt;
        twoDigits |= *f >= 10;
        frets[s++] = *f;
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (s != 6 || !twoDigits) return std::nullopt;
    return frets;
}

// Empty when every sounded note is a tone of the type's formula and the root
// and third (where the type has one) sound; else what is wrong.
std::string wrongNotes(const theory::ChordType& type, int root, const Frets& frets) {
    unsigned formula = 0;
    int third = -1;
    for (int i = 0; i < type.size(); ++i) {
        const std::string_view s = type.formula[std::size_t(i)];
        formula |= 1u << semitones(s);
        if (s == "3" || s == "b3") third = semitones(s);
    }
    unsigned sounded = 0;
    for (std::size_t s = 0; s < 6; ++s) {
        if (frets[s] < 0) continue;
        const int above = ((kStandardMidi[s] + frets[s] - root) % 12 + 12) % 12;
        if (!(formula >> above & 1u))
            return "string " + std::to_string(6 - int(s)) + " sounds " + std::to_string(above) +
                   " semitones above the root, not in the formula";
        sounded |= 1u << above;
    }
    if (!(sounded & 1u)) return "no root";
    if (third >= 0 && !(sounded >> third & 1u)) return "no third";
    return "";
}

std::string name(const teacher::FirstPageGrip& g) {
    return std::string(g.type) + " root " + std::to_string(g.root) + " " + g.grip;
}

void expectSoundAndHeld(std::span<const teacher::FirstPageGrip> grips) {
    for (const auto& g : grips) {
        SCOPED_TRACE(name(g));
        const theory::ChordType* type = theory::chordTypeByKey(g.type);
        ASSERT_NE(type, nullptr) << "no such chord type";
        ASSERT_GE(g.root, 0);
        ASSERT_LT(g.root, 12);
        ASSERT_NE(g.why, nullptr);
        const auto frets = parse(g.grip);
        ASSERT_TRUE(frets) << "does not parse";
        EXPECT_EQ(wrongNotes(*type, g.root, *frets), "");
        EXPECT_TRUE(
            theory::isGrip(theory::standardTuning(), theory::chordTones(*type), g.root, *frets))
            << "not a grip of this program";
    }
}

TEST(TeacherFirstPages, TheArithmeticCatchesAWrongChord) {
    const auto& minor = *theory::chordTypeByKey("minor");
    const auto& seventh = *theory::chordTypeByKey("7th");
    EXPECT_EQ(wrongNotes(minor, 9, *parse("x02210")), "");
    EXPECT_NE(wrongNotes(minor, 0, *parse("x32010")), "");    // C major is not C minor
    EXPECT_NE(wrongNotes(minor, 2, *parse("x02210")), "");    // Am read as Dm
    EXPECT_NE(wrongNotes(seventh, 2, *parse("xxx212")), "");  // D7 without its root
    EXPECT_NE(wrongNotes(seventh, 9, *parse("x02000")), "");  // A7sus2 has no third
    EXPECT_EQ(parse("8,10,10,9,8,8"), (Frets{8, 10, 10, 9, 8, 8}));
    EXPECT_FALSE(parse("x3201"));
    EXPECT_FALSE(parse("x,3,2,0,1,0"));  // one-digit frets are written "x32010"
    EXPECT_FALSE(parse("x,3,2,0,1,0,12"));
}

TEST(TeacherFirstPages, EachSoundsItsChordAndIsAGrip) {
    expectSoundAndHeld(teacher::kFirstPages);
}

TEST(TeacherFirstPages, GivenSetLaterPagesSoundTheirChordAndAreGrips) {
    expectSoundAndHeld(teacher::kGivenSetLaterPages);
}

TEST(TeacherFirstPages, NoEntryTwice) {
    std::set<std::tuple<std::string, int, Frets>> seen;
    for (std::span<const teacher::FirstPageGrip> list :
         {std::span<const teacher::FirstPageGrip>(teacher::kFirstPages),
          std::span<const teacher::FirstPageGrip>(teacher::kGivenSetLaterPages)})
        for (const auto& g : list) {
            const auto frets = parse(g.grip);
            ASSERT_TRUE(frets) << name(g);
            EXPECT_TRUE(seen.emplace(g.type, g.root, *frets).second) << name(g) << " twice";
        }
}

// The major and add9 first pages are a fixed set, so they are not pinned here;
// their grips go to the later pages instead.
TEST(TeacherFirstPages, MajorAndAdd9OnlyOnLaterPages) {
    for (const auto& g : teacher::kFirstPages) {
        EXPECT_NE(std::string_view(g.type), "major") << name(g);
        EXPECT_NE(std::string_view(g.type), "add9") << name(g);
    }
    int later = 0;
    for (const auto& g : teacher::kGivenSetLaterPages) {
        ++later;
        EXPECT_TRUE(std::string_view(g.type) == "major" || std::string_view(g.type) == "add9")
            << name(g);
    }
    EXPECT_GE(later, 15);
}

TEST(TeacherFirstPages, CoverManyTypesAndEveryRootAndFitOnAPage) {
    int count = 0;
    std::set<std::string> types;
    std::set<int> roots;
    std::map<std::pair<std::string, int>, int> perChord;
    for (const auto& g : teacher::kFirstPages) {
        ++count;
        types.insert(g.type);
        roots.insert(g.root);
        ++perChord[{g.type, g.root}];
    }
    EXPECT_GE(count, 220);
    EXPECT_GE(types.size(), 20u);
    EXPECT_EQ(roots.size(), 12u);
    for (const auto& [chord, n] : perChord)
        EXPECT_LE(n, 18) << chord.first << " root " << chord.second << ": more than a page";
}

}  // namespace
