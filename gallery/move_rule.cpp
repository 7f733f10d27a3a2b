#include "gallery/move_rule.h"

#include <vector>

#include "theory/grips.h"

namespace gallery {

int rotationFor(std::span<const int> baseFrets, int offset) {
    const int n = static_cast<int>(baseFrets.size());
    std::vector<int> reduced;
    for (int base : baseFrets) {
        const int fret = base + offset;
        reduced.push_back(fret > 12 ? fret - 12 : fret);
    }
    for (int m = 0; m < n; ++m) {
        // Cell c holds item (c - m) mod n.
        bool ascending = true;
        for (int c = 1; c < n && ascending; ++c)
            ascending = reduced[(c - m + n) % n] >= reduced[(c - 1 - m + n) % n];
        if (ascending) return m;
    }
    return 0;  // no rotation orders them (a set stored out of order): keep the stored order
}

}  // namespace gallery

namespace gallery {

int onTheNeck(int shownFret, int span) {
    return shownFret + span > theory::kLastFret ? shownFret - 12 : shownFret;
}

}  // namespace gallery
