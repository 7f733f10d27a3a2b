#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "theory/chord_types.h"
#include "theory/neck.h"
#include "theory/tunings.h"
#include "theory/voicings.h"

namespace theory {

// The highest fret of the neck the windows draw.
inline constexpr int kLastFret = neck::kFrets;

// Pitch classes above the root (bit n = n semitones) a voicing of a chord type
// may sound, and those it must sound. The plain fifth of a chord of four or
// more notes, a ninth or eleventh a higher extension implies, and the root of
// a chord of six or more notes may be left out, as players do.
struct ChordTones {
    unsigned allowed = 0;
    unsigned required = 0;
};
ChordTones chordTones(const ChordType& type);

// A grip sounds only chord tones and all required ones on three or more
// strings, spans at most four frets (open strings aside), stays on the neck,
// and four fingers can hold it (hasFingering, theory/fingering.h: a barre at
// any fret, not only the lowest, counts as one finger).
bool isGrip(const Tuning& tuning, const ChordTones& tones, int root, const Frets& frets);

// The open-chord families whose shapes are moved up the neck, commonest first.
enum class Family { Open, E, A, D, C, G, Other };

// What makes a grip easy and good to play; lower is better in every field.
struct GripScore {
    int fingers = 0;      // a barre counts as one
    int stretch = 0;      // frets between the lowest and highest fretted note
    int bassOffRoot = 0;  // 1 when the lowest sounding note is not the root
    int innerMutes = 0;   // muted strings between sounding ones: hard to damp
    int muted = 0;        // strings not played at all
    int omitted = 0;      // optional tones left out
    int family = 0;       // commonness of the shape's family, Family order
    int total() const;    // the weighted sum the galleries sort by
};
GripScore scoreGrip(const Tuning& tuning, const ChordType& type, int root, const Frets& frets,
                    Family family = Family::Other);

// Every grip of a chord on the neck, any fret.
std::vector<Frets> allGrips(const Tuning& tuning, const ChordType& type, int root);

// One cell of a gallery: the grip at its real frets, and the fret number the
// window shows beside it (0 for a grip drawn at the nut with its open strings).
struct GalleryCell {
    Frets frets;
    int fret = 0;
    Family family = Family::Other;
    int rank = 0;  // its place among the chord's grips, best first
    bool atNut() const { return fret == 0; }
};

// Every grip of a chord in the order players reach for them: the open chords,
// the E- and A-form barres, the common movable forms (the other families'
// moved shapes, four neighbouring strings, drop and shell voicings), then the
// rest; easiest first within each. A grip without open strings above the
// 12th fret is left to its twin twelve frets lower.
std::vector<GalleryCell> rankedGrips(const Tuning& tuning, const ChordType& type, int root);

// `cells` grips of a ranking from `first` on, in fret order as a gallery shows them.
std::vector<GalleryCell> galleryPage(const std::vector<GalleryCell>& ranked, std::size_t first,
                                     std::size_t cells);

// The first page of a chord's gallery: its best `cells` grips in fret order.
const std::vector<GalleryCell>& gripGallery(const Tuning& tuning, const ChordType& type, int root,
                                            int cells);

// The best-ranked grip within frets 0..4 (the diagram beside the chord name), if any.
std::optional<Frets> rootGrip(const Tuning& tuning, const ChordType& type, int root);

// Fret shown beside a grip in a gallery cell.
int shownFret(const Frets& frets);

}  // namespace theory
