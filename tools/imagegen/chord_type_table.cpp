#include "tools/imagegen/chord_type_table.h"

#include "theory/chord_types.h"
#include "theory/voicings.h"

namespace imagegen {

namespace {
// The chord finder's sets; the key window has its own smaller ones.
bool isChordFinderSet(const std::string& dir) {
    return dir == "20" || dir == "21" || dir.rfind("pt_", 0) == 0;
}
}  // namespace

std::string chordTypeMarkdown() {
    std::string out = "| # | Chord type | Formula | Shapes |\n|---|---|---|---|\n";
    for (std::size_t i = 0; i < theory::kChordTypes.size(); ++i) {
        const theory::ChordType& t = theory::kChordTypes[i];
        std::string formula;
        for (int n = 0; n < t.size(); ++n) formula += (n ? " " : "") + std::string(t.formula[n]);
        std::size_t shapes = 0;
        for (const theory::DiagramSet& set : theory::diagramSets())
            if (std::string(set.chordType) == t.key && isChordFinderSet(set.dir))
                shapes = set.shapes.size();
        out += "| " + std::to_string(i) + " | " + t.caption + " | " + formula + " | " +
               std::to_string(shapes) + " |\n";
    }
    return out;
}

}  // namespace imagegen
