#pragma once

#include <vector>

#include "sound/performance.h"

namespace sound {

// Where a window sends what it plays: the audio device in the programs, a
// WAV file under demo-driver's --wav, nothing in most tests.
class Output {
public:
    virtual ~Output() = default;
    virtual void play(std::vector<Note> notes) = 0;
};

}  // namespace sound
