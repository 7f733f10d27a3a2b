#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "theory/grips.h"

namespace chords {

// What the chord finder shows for a chord-type option besides its formula.
// The two given types name their set, its last item and the base fret of
// each shape (for root C); every other type is chosen per root, so its
// gallery (theory/grips.h) gives the count and the frets, and `dir` only
// names it ("pt_" + key).
struct PennatoneType {
    int option;
    const char* key;
    std::string dir;
    std::optional<int> Chord_Number;
    std::vector<int> baseFrets;
};

const PennatoneType* pennatoneType(int option);

// Cells of the chord finder's gallery.
inline constexpr int kPennatoneCells = 18;

// The gallery of an option for a root pitch (0..11), chosen for that chord in
// that tuning; null in standard tuning for the two types whose sets are given,
// which keep their stored shapes there (they hold for no other tuning).
const std::vector<theory::GalleryCell>* pennatoneGallery(
    int option, int rootPitch, const theory::Tuning& tuning = theory::standardTuning());

// The grip beside the chord name for an option chosen per root, if it has one.
std::optional<theory::Frets> pennatoneRootGrip(
    int option, int rootPitch, const theory::Tuning& tuning = theory::standardTuning());
// Every grip of an option's chord on a root pitch, best first: the pages of its
// gallery (after the set, for the given types in standard tuning).
std::vector<theory::GalleryCell> pennatoneGrips(
    int option, int rootPitch, const theory::Tuning& tuning = theory::standardTuning());
std::span<const PennatoneType> pennatoneTypes();

}  // namespace chords
