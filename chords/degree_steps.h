#pragma once

#include <optional>

namespace chords {

// The key window's steppers choose an option of the key (an index of `key`).
// Options 0 to 5, the first three degrees, follow a fixed rule: a degree step
// lands on the triad of the next or previous of those degrees, and a type step
// walks 0 .. 5 round. Every other option steps over all seven columns: a degree
// step goes to the triad (first option) of the next or previous column, so IV
// steps down to iii and vii° up to I; a type step moves within the option's own
// column in on-screen order, wrapping at its ends.

// The option a degree step from `option` goes to; none where the fixed rule
// names no step (the neutral entry).
std::optional<int> degreeStep(int option, bool up);

// The option a type step from `option` goes to.
int typeStep(int option, bool up);

}  // namespace chords
