#pragma once

#include <string>

namespace imagegen {

// The README's list of chord types and formulas, made from the programs' tables.
std::string chordTypeMarkdown();

}  // namespace imagegen
