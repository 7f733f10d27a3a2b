#include "gallery/pages.h"

#include <algorithm>

namespace gallery {

Pages::Pages(std::vector<theory::GalleryCell> ranked, int cells)
    : m_grips(std::move(ranked)), m_cells(std::max(cells, 1)) {}

Pages::Pages(std::vector<theory::GalleryCell> ranked, std::span<const theory::Frets> set, int cells)
    : m_cells(std::max(cells, 1)), m_setSize(static_cast<int>(set.size())) {
    // Only the set's own shapes: one it shows high up the neck is still wanted
    // where players hold it lower (F major's barre 133211 under the set's 13th fret).
    for (theory::GalleryCell& cell : ranked)
        if (std::find(set.begin(), set.end(), cell.frets) == set.end())
            m_grips.push_back(std::move(cell));
}

int Pages::count() const {
    const int rest = static_cast<int>(m_grips.size());
    return (m_setSize > 0 ? 1 : 0) + (rest + m_cells - 1) / m_cells;
}

int Pages::grips() const {
    return m_setSize + static_cast<int>(m_grips.size());
}

std::vector<theory::GalleryCell> Pages::cellsOf(int page) const {
    const int index = page - 1 - (m_setSize > 0 ? 1 : 0);
    if (index < 0 || page > count()) return {};
    return theory::galleryPage(m_grips, std::size_t(index) * std::size_t(m_cells),
                               std::size_t(m_cells));
}

int Pages::flipped(int page, int step) const {
    const int n = count();
    if (n == 0) return 1;
    return ((page - 1 + step) % n + n) % n + 1;
}

}  // namespace gallery
