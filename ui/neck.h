#pragma once

#include <array>
#include <string>
#include <vector>

#include "theory/neck.h"
#include "ui/control.h"

// One named click handler per mask label: frets 0 (the open strings) to the
// last, then the strings, low E first.
// clang-format off
#define DEMO_FRET_MASKS(X)                                                                       \
    X(0)                                                                                         \
    X(1) X(2) X(3) X(4) X(5) X(6) X(7) X(8) X(9) X(10) X(11) X(12) X(13) X(14) X(15) X(16) X(17) \
        X(18) X(19) X(20) X(21) X(22)
#define DEMO_STRING_MASKS(X) X(Low_E) X(A) X(D) X(G) X(B) X(High_E)
// clang-format on

namespace ui {

class DemoWindow;

// What follows "Mask_" and "Mask_o" in the names of a string's label and mask, low E first.
#define DEMO_STRING_MASK_SUFFIX(n) #n,
inline constexpr std::array<const char*, theory::neck::kStrings> kStringMaskSuffixes{
    DEMO_STRING_MASKS(DEMO_STRING_MASK_SUFFIX)};
#undef DEMO_STRING_MASK_SUFFIX

// Mask geometry both windows share (window twips): the top of a fret's mask
// (0: the open strings) and the left edge of a string's.
int fretMaskTop(int n);
int stringMaskLeft(int s);

// The neck: the fretboard, the note overlays and the masks with their labels,
// and every control that depicts the neck, which a left-handed view turns over.
class NeckPart {
public:
    explicit NeckPart(DemoWindow& window) : m_window(window) {}
    NeckPart(const NeckPart&) = delete;
    NeckPart& operator=(const NeckPart&) = delete;

    void addFretboard();
    // The note overlays, then the fret and string masks with their labels.
    void addControls();
    // "Clear_Masks", among the command labels.
    void addClearMasks(int left, int width, const std::string& caption);
    // A control that depicts the neck; with `turnsPictures` its pictures are
    // also shown turned over on a left-handed neck.
    void add(Control& c, bool turnsPictures = false);

    // Mirrors every neck control across the neck's strip, which turns a
    // right-handed neck into a left-handed one and back.
    void turn(bool leftHanded);
    const std::vector<Control*>& controls() const { return m_neck; }

    // A mask label's click: its own mask shows or goes, nothing else.
    void toggleMask(const std::string& suffix);
    void clearMasks();

    Control* Fret_Board = nullptr;
    Control* Clear_Masks = nullptr;

private:
    void addNoteOverlays();
    void addMasks();

    DemoWindow& m_window;
    std::vector<Control*> m_neck;
    std::vector<Control*> m_turnedWithNeck;  // also show their pictures turned over
};

}  // namespace ui
