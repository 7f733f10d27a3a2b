#pragma once

#include <QPrinter>
#include <QString>

#include "sheet/drawing.h"
#include "sheet/sheet.h"

namespace sheet {

// Prints the sheet on the printer as it is set up, a page of diagrams per
// sheet of paper, drawn as for the exports: empty on success, else one line
// naming the printer.
QString printSheet(const Sheet& sheet, QPrinter& printer, const DrawOptions& options = {});

}  // namespace sheet
