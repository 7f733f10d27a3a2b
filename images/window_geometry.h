#pragma once

// Places in the windows that generated pictures must line up with (window twips).
#include <array>

namespace images {

// The windows keep every place in twips; a pixel of the library's pictures and
// of the view at 100% is 15 of them.
inline constexpr int kTwipsPerPixel = 15;

// Left edges of the twelve tone bars, and the strip picture above them.
inline constexpr std::array<int, 12> kToneBarLefts{330,  870,  1530, 2115, 2760, 3570,
                                                   4245, 4815, 5430, 5970, 6585, 7110};
inline constexpr int kToneBarWidth = 300;
inline constexpr int kStripLeft = 225;

}  // namespace images
