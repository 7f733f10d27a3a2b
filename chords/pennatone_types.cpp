#include "chords/pennatone_types.h"

namespace chords {

namespace {

const std::vector<PennatoneType> kTypes{
    {0, "major", "20", 17,
     {"1", "2", "3", "5", "5", "7", "7", "8", "8", "8", "8", "8", "8", "9", "10", "10", "12",
      "12"}},
    {1, "add9", "21", 10, {"2", "3", "5", "7", "7", "8", "8", "8", "9", "10", "12"}},
};

}  // namespace

const PennatoneType* pennatoneType(int option) {
    for (const PennatoneType& t : kTypes)
        if (t.option == option) return &t;
    return nullptr;
}

std::span<const PennatoneType> pennatoneTypes() { return kTypes; }

}  // namespace chords
