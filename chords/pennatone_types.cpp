#include "chords/pennatone_types.h"

#include "theory/chord_types.h"

namespace chords {

namespace {

// The two types whose sets and fret lists are fixed as listed.
const std::vector<PennatoneType> kGivenTypes{
    {0, "major", "20", 17, {1, 2, 3, 5, 5, 7, 7, 8, 8, 8, 8, 8, 8, 9, 10, 10, 12, 12}},
    {1, "add9", "21", 10, {2, 3, 5, 7, 7, 8, 8, 8, 9, 10, 12}},
};

// Every other type is chosen per root.
std::vector<PennatoneType> buildTypes() {
    std::vector<PennatoneType> types = kGivenTypes;
    for (int option = static_cast<int>(kGivenTypes.size());
         option < static_cast<int>(theory::kChordTypes.size()); ++option) {
        const char* key = theory::kChordTypes[std::size_t(option)].key;
        types.push_back({option, key, std::string("pt_") + key, std::nullopt, {}});
    }
    return types;
}

const std::vector<PennatoneType>& allTypes() {
    static const std::vector<PennatoneType> types = buildTypes();
    return types;
}

}  // namespace

const PennatoneType* pennatoneType(int option) {
    for (const PennatoneType& t : allTypes())
        if (t.option == option) return &t;
    return nullptr;
}

const std::vector<theory::GalleryCell>* pennatoneGallery(int option, int rootPitch,
                                                         const theory::Tuning& tuning) {
    const bool given = option < static_cast<int>(kGivenTypes.size());
    if ((given && tuning.midi == theory::standardTuning().midi) || !pennatoneType(option) ||
        rootPitch < 0)
        return nullptr;
    return &theory::gripGallery(tuning, theory::kChordTypes[std::size_t(option)], rootPitch % 12,
                                kPennatoneCells);
}

std::optional<theory::Frets> pennatoneRootGrip(int option, int rootPitch,
                                               const theory::Tuning& tuning) {
    if (!pennatoneGallery(option, rootPitch, tuning)) return std::nullopt;
    return theory::rootGrip(tuning, theory::kChordTypes[std::size_t(option)], rootPitch % 12);
}

std::vector<theory::GalleryCell> pennatoneGrips(int option, int rootPitch,
                                                const theory::Tuning& tuning) {
    if (!pennatoneType(option) || rootPitch < 0) return {};
    return theory::rankedGrips(tuning, theory::kChordTypes[std::size_t(option)], rootPitch % 12);
}

std::span<const PennatoneType> pennatoneTypes() {
    return allTypes();
}

}  // namespace chords
