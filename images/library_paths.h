#pragma once

#include <string>

namespace images {

// Folders of the image library below the program folder. The separators of
// the stored folder texts are this platform's.
inline const std::string kLibrary = "/img/demo/";
inline std::string folder(const std::string& programFolder, const std::string& sub) {
    return programFolder + kLibrary + sub + "/";
}

}  // namespace images
