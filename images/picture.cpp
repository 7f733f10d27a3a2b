#include "images/picture.h"

namespace images {

PictureLoadError::PictureLoadError(std::string file, std::string reason)
    : std::runtime_error("Cannot load picture " + file + ": " + reason),
      m_file(std::move(file)),
      m_reason(std::move(reason)) {}

}  // namespace images
