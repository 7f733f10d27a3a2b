#pragma once

#include <span>

namespace gallery {

// The rotation that makes a set's fret numbers read in ascending order, a fret
// above 12 counted twelve lower: the number of shapes at the end of the stored
// order that must come first. Used for sets without a listed rotation.
int rotationFor(std::span<const int> baseFrets, int offset);

}  // namespace gallery

namespace gallery {

// The fret shown beside a given set's shape: a shape that would run past the
// last fret of the neck there is shown twelve frets lower, where it sounds the
// same chord. `span` is the frets it covers below its top row.
int onTheNeck(int shownFret, int span);

}  // namespace gallery
