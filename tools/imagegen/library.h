#pragma once

#include <QImage>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "theory/note_names.h"

namespace imagegen {

// Every file of the image library, relative to the program folder
// ("img/demo/12/Db.bmp"), in the order they are written.
std::vector<std::string> libraryFiles();

// The picture behind one library path; a null image for an unknown path.
QImage drawLibraryFile(std::string_view relativePath);

// Writes every library file below binDir. Unchanged files are not rewritten.
bool writeLibrary(const QString& binDir);

// Interval symbols used by any chord-type formula, in first-use order.
std::vector<std::string> formulaSymbols();

// The report strip of one root: note names and intervals over the twelve tone bars.
QImage drawRootStrip(std::string_view root,
                     theory::NameSystem system = theory::NameSystem::English);
// A fret number in the hand-made digit font, 13 x 14.
QImage drawFretNumber(int fret);

}  // namespace imagegen
