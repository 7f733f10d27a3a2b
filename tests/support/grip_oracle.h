#pragma once

// Pitch arithmetic the gallery tests share, written out here apart from the library.
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace testing_support {

// Semitones above the root of a formula symbol; -1 for an unknown one.
inline int semitones(std::string_view symbol) {
    static const std::vector<std::pair<std::string_view, int>> table{
        {"1", 0},  {"b9", 1}, {"2", 2},  {"9", 2},   {"b3", 3},  {"#9", 3},
        {"3", 4},  {"4", 5},  {"11", 5}, {"b5", 6},  {"#11", 6}, {"5", 7},
        {"#5", 8}, {"6", 9},  {"13", 9}, {"b7", 10}, {"7", 11},
    };
    for (const auto& [name, st] : table)
        if (name == symbol) return st;
    return -1;
}

// Pitch class of a note as the windows spell it ("C", "Cs", "Db" ... "B"); -1
// for anything else.
inline int pitchOfName(std::string_view name) {
    static constexpr std::string_view kLetters = "C D EF G A B";
    const auto letter = name.empty() ? std::string_view::npos : kLetters.find(name[0]);
    if (letter == std::string_view::npos || name[0] == ' ' || name.size() > 2) return -1;
    int pitch = static_cast<int>(letter);
    if (name.size() == 2) {
        if (name[1] == 's')
            ++pitch;
        else if (name[1] == 'b')
            --pitch;
        else
            return -1;
    }
    return (pitch + 12) % 12;
}

// The note a library picture of the note folders names ("img/demo/12/Fs.bmp" -> "Fs").
inline std::string noteOfPicture(const std::string& picture) {
    const auto slash = picture.rfind('/');
    const auto dot = picture.rfind('.');
    if (slash == std::string::npos || dot == std::string::npos || dot < slash) return {};
    return picture.substr(slash + 1, dot - slash - 1);
}

// The frets a gallery cell shows: its pool picture's name read against the fret
// number beside it ("n_x02210" at the nut, "m_x13321" with 1 on the numbered fret).
inline std::array<int, 6> shownFrets(const std::string& picture, int fret) {
    const std::string stem = picture.substr(picture.rfind('/') + 1);
    std::array<int, 6> f{};
    for (std::size_t s = 0; s < 6; ++s) {
        const char c = stem[2 + s];
        const int n = c - '0';
        f[s] = c == 'x' ? -1 : stem[0] == 'n' || n == 0 ? n : n + fret - 1;
    }
    return f;
}

}  // namespace testing_support
