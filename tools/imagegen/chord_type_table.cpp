#include "tools/imagegen/chord_type_table.h"

#include <algorithm>
#include <vector>

#include "chords/key_tables.h"
#include "theory/chord_types.h"
#include "theory/given_sets.h"
#include "theory/grips.h"

namespace imagegen {

namespace {

// Grips per gallery over the twelve roots: min, median, max.
std::string spread(const theory::ChordType& type, int cells) {
    std::vector<int> counts;
    for (int root = 0; root < 12; ++root)
        counts.push_back(static_cast<int>(
            theory::gripGallery(theory::standardTuning(), type, root, cells).size()));
    std::sort(counts.begin(), counts.end());
    const double median = (counts[5] + counts[6]) / 2.0;
    std::string m = std::to_string(median);
    m = m.substr(0, m.find('.') + (median == static_cast<int>(median) ? 0 : 2));
    return std::to_string(counts.front()) + " / " + m + " / " + std::to_string(counts.back());
}

}  // namespace

std::string chordTypeMarkdown() {
    std::string out =
        "| # | Chord type | Formula | Finder shapes (min / median / max) | Key-window shapes |\n"
        "|---|---|---|---|---|\n";
    for (std::size_t i = 0; i < theory::kChordTypes.size(); ++i) {
        const theory::ChordType& t = theory::kChordTypes[i];
        std::string formula;
        for (int n = 0; n < t.size(); ++n) {
            if (n) formula += ' ';
            formula += t.formula[n];
        }
        std::string finder, key = "—";
        // A key-window option of the type that no given set holds is chosen per root.
        for (const chords::KeyChord& row : chords::keyChords())
            if (row.Chord_Type == std::string_view(t.key) && !theory::diagramSet(row.dir))
                key.clear();
        for (const theory::DiagramSet& set : theory::diagramSets()) {
            if (std::string(set.chordType) != t.key) continue;
            const std::string n = std::to_string(set.shapes.size()) + " (given)";
            (set.dir == std::string("20") || set.dir == std::string("21") ? finder : key) = n;
        }
        if (finder.empty()) finder = spread(t, 18);
        if (key.empty()) key = spread(t, 9);
        out += "| " + std::to_string(i) + " | " + t.caption + " | " + formula + " | " + finder +
               " | " + key + " |\n";
    }
    return out;
}

}  // namespace imagegen
