#include "theory/notes.h"

#include <stdexcept>

namespace theory {

namespace {

struct RootRow {
    const char* root;
    Row row;
};

// Roots C, F, Bb, Eb, Ab, Db, Gb name every black key as a flat; the sharp-side
// roots name positions 1..10 with sharps and the minor second (position 11)
// with its flat-side name. No spelling outside the seventeen is used.
constexpr std::array<RootRow, 17> kRows{{
    {"C", {"C", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B", "Db"}},
    {"Cs", {"Cs", "Ds", "E", "F", "Fs", "G", "Gs", "A", "As", "B", "C", "D"}},
    {"Db", {"Db", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B", "C", "D"}},
    {"D", {"D", "E", "F", "Fs", "G", "Gs", "A", "As", "B", "C", "Cs", "Eb"}},
    {"Ds", {"Ds", "F", "Fs", "G", "Gs", "A", "As", "B", "C", "Cs", "D", "E"}},
    {"Eb", {"Eb", "F", "Gb", "G", "Ab", "A", "Bb", "B", "C", "Db", "D", "E"}},
    {"E", {"E", "Fs", "G", "Gs", "A", "As", "B", "C", "Cs", "D", "Ds", "F"}},
    {"F", {"F", "G", "Ab", "A", "Bb", "B", "C", "Db", "D", "Eb", "E", "Gb"}},
    {"Fs", {"Fs", "Gs", "A", "As", "B", "C", "Cs", "D", "Ds", "E", "F", "G"}},
    {"Gb", {"Gb", "Ab", "A", "Bb", "B", "C", "Db", "D", "Eb", "E", "F", "G"}},
    {"G", {"G", "A", "As", "B", "C", "Cs", "D", "Ds", "E", "F", "Fs", "Ab"}},
    {"Gs", {"Gs", "As", "B", "C", "Cs", "D", "Ds", "E", "F", "Fs", "G", "A"}},
    {"Ab", {"Ab", "Bb", "B", "C", "Db", "D", "Eb", "E", "F", "Gb", "G", "A"}},
    {"A", {"A", "B", "C", "Cs", "D", "Ds", "E", "F", "Fs", "G", "Gs", "Bb"}},
    {"As", {"As", "C", "Cs", "D", "Ds", "E", "F", "Fs", "G", "Gs", "A", "B"}},
    {"Bb", {"Bb", "C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "B"}},
    {"B", {"B", "Cs", "D", "Ds", "E", "F", "Fs", "G", "Gs", "A", "As", "C"}},
}};

}  // namespace

int pitchOf(std::string_view name) {
    for (const auto& n : kNoteNames)
        if (name == n.name) return n.pitch;
    return -1;
}

const Row& chordRootRow(std::string_view root) {
    for (const auto& r : kRows)
        if (root == r.root) return r.row;
    throw std::out_of_range("no chord-root row for " + std::string(root));
}

std::array<std::string, 13> markerNotes(std::string_view root) {
    const Row& row = chordRootRow(root);
    std::array<std::string, 13> notes;
    for (std::size_t e = 1; e < notes.size(); ++e) notes[e] = row[kMarkerPositions[e]];
    return notes;
}

}  // namespace theory
