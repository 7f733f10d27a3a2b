// Prints, per tuning, how many shapes the galleries of each chord type hold:
// the figures README quotes. Over the 53 types: min, median and max of the
// grips the search proves per root, of the finder's cells per root, and of the
// distinct pictures a type's galleries draw from the pool.
#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "images/grip_pictures.h"
#include "theory/grips.h"

namespace {

struct Spread {
    int min, median, max;
};

Spread spread(std::vector<int> v) {
    std::sort(v.begin(), v.end());
    return {v.front(), v[v.size() / 2], v.back()};
}

}  // namespace

int main() {
    std::printf(
        "| tuning | grips per type and root | finder cells per root | pictures per type |\n");
    std::printf("|---|---|---|---|\n");
    for (const theory::Tuning& tuning : theory::kTunings) {
        std::vector<int> grips, cells, pictures;
        for (const theory::ChordType& type : theory::kChordTypes) {
            std::set<std::string> names;
            for (int root = 0; root < 12; ++root) {
                grips.push_back(int(theory::allGrips(tuning, type, root).size()));
                const auto& finder = theory::gripGallery(tuning, type, root, 18);
                cells.push_back(int(finder.size()));
                for (int n : {18, 9})
                    for (const auto& cell : theory::gripGallery(tuning, type, root, n))
                        names.insert(images::gripPicture(cell.frets, cell.atNut()));
                if (auto grip = theory::rootGrip(tuning, type, root))
                    names.insert(images::gripPicture(*grip, true));
            }
            pictures.push_back(int(names.size()));
        }
        const Spread g = spread(grips), c = spread(cells), p = spread(pictures);
        std::printf("| %s | %d / %d / %d | %d / %d / %d | %d / %d / %d |\n", tuning.name, g.min,
                    g.median, g.max, c.min, c.median, c.max, p.min, p.median, p.max);
    }
    return 0;
}
