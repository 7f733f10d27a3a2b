#pragma once

#include <span>
#include <vector>

#include "theory/grips.h"

namespace gallery {

// The pages of a chord's gallery: every grip of the chord within reach, a
// page of `cells` at a time, the grips players reach for first on the first
// pages. Where a fixed set of diagrams is given for the chord it stays page 1
// and the pages after it hold the other grips.
class Pages {
public:
    Pages() = default;
    // All pages from a ranking, best first (theory::rankedGrips).
    Pages(std::vector<theory::GalleryCell> ranked, int cells);
    // Page 1 is the set (its shapes at the chord's frets); the grips it lacks follow.
    Pages(std::vector<theory::GalleryCell> ranked, std::span<const theory::Frets> set, int cells);

    int count() const;  // 0 for a chord without a grip
    int grips() const;  // on every page, a given set's shapes included
    bool setFirst() const { return m_setSize > 0; }
    // The grips of page `page` (1 = the first) in fret order; empty for a given set's page.
    std::vector<theory::GalleryCell> cellsOf(int page) const;
    // The page `step` pages on from `page`, round from the last to the first.
    int flipped(int page, int step) const;

private:
    std::vector<theory::GalleryCell> m_grips;  // those the pages show, best first
    int m_cells = 1;
    int m_setSize = 0;
};

}  // namespace gallery
