#include "theory/voicings.h"

#include <algorithm>

namespace theory {

int lowestFret(const Frets& frets) {
    int lowest = 0;
    for (int f : frets)
        if (f > 0 && (lowest == 0 || f < lowest)) lowest = f;
    return lowest;
}

std::optional<Barre> barreOf(const Frets& frets) {
    const int fret = lowestFret(frets);
    if (fret == 0) return std::nullopt;
    int first = -1, last = -1;
    for (int s = 0; s < 6; ++s) {
        if (frets[s] != fret) continue;
        if (first < 0) first = s;
        last = s;
    }
    if (first == last) return std::nullopt;
    for (int s = first; s <= last; ++s)
        if (frets[s] <= 0) return std::nullopt;
    return Barre{fret, first, last};
}

int fingersNeeded(const Frets& frets) {
    const int fretted =
        static_cast<int>(std::count_if(frets.begin(), frets.end(), [](int f) { return f > 0; }));
    const auto barre = barreOf(frets);
    if (!barre) return fretted;
    const int held = static_cast<int>(std::count(frets.begin(), frets.end(), barre->fret));
    return fretted - held + 1;
}

}  // namespace theory
