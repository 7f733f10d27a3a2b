#pragma once

#include <QPainter>
#include <QRectF>
#include <cstddef>

#include "sheet/sheet.h"

namespace sheet {

struct DrawOptions {
    // Strings mirrored, lowest on the right; names and digits stay upright.
    bool leftHanded = false;
};

// Where the diagrams fall on pages of one size: the title on top of every
// page, then rows of perRow cells, as many whole rows as the page holds.
struct Placement {
    int page = 0;
    QRectF cell;  // in the coordinates of the page rectangle given
};
int rowsPerPage(const Sheet& sheet, const QSizeF& page);
int pageCount(const Sheet& sheet, const QSizeF& page);
Placement placementOf(const Sheet& sheet, const QRectF& page, std::size_t index);

// Draws one page of the sheet into `page` (painter coordinates) with paths
// and text only, so vector devices keep it as vectors and text.
void drawPage(QPainter& painter, const Sheet& sheet, const QRectF& page, int index,
              const DrawOptions& options = {});
void drawDiagram(QPainter& painter, const Entry& entry, const QRectF& cell,
                 const DrawOptions& options = {});

}  // namespace sheet
