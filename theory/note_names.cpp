#include "theory/note_names.h"

#include <array>

namespace theory {

namespace {

struct Letter {
    char english;
    const char* german;
    const char* solfege;
};

constexpr std::array<Letter, 7> kLetters{{
    {'C', "C", "Do"},
    {'D', "D", "Re"},
    {'E', "E", "Mi"},
    {'F', "F", "Fa"},
    {'G', "G", "Sol"},
    {'A', "A", "La"},
    {'B', "H", "Si"},
}};

constexpr const char* kSharp = "\u266F";
constexpr const char* kFlat = "\u266D";

}  // namespace

std::string_view nameSystemKey(NameSystem system) {
    switch (system) {
        case NameSystem::German:
            return "german";
        case NameSystem::Solfege:
            return "solfege";
        case NameSystem::English:
            break;
    }
    return "english";
}

std::optional<NameSystem> nameSystemFromKey(std::string_view key) {
    for (NameSystem s : kNameSystems)
        if (key == nameSystemKey(s)) return s;
    return std::nullopt;
}

std::string shownName(std::string_view spelling, NameSystem system) {
    if (spelling.empty() || spelling.size() > 2) return {};
    const Letter* letter = nullptr;
    for (const Letter& l : kLetters)
        if (spelling[0] == l.english) letter = &l;
    if (!letter) return {};
    const char accidental = spelling.size() == 2 ? spelling[1] : '\0';
    if (accidental != '\0' && accidental != 's' && accidental != 'b') return {};
    // German keeps B for the flat of H, with no accidental sign.
    if (system == NameSystem::German && letter->english == 'B' && accidental == 'b') return "B";
    std::string name = system == NameSystem::English  ? std::string(1, letter->english)
                       : system == NameSystem::German ? letter->german
                                                      : letter->solfege;
    if (accidental == 's') name += kSharp;
    if (accidental == 'b') name += kFlat;
    return name;
}

}  // namespace theory
