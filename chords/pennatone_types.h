#pragma once

#include <span>
#include <string>
#include <vector>

namespace chords {

// What the chord finder shows for a chord-type option besides its formula:
// the diagram set and the base fret of each of its shapes (for root C).
struct PennatoneType {
    int option;
    const char* key;
    const char* dir;
    int Chord_Number;
    std::vector<std::string> baseFrets;
};

const PennatoneType* pennatoneType(int option);
std::span<const PennatoneType> pennatoneTypes();

}  // namespace chords
