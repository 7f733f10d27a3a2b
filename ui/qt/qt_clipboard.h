#pragma once

#include <QString>

#include "ui/platform.h"

namespace ui::qt {

// The system clipboard as the windows see it.
//
//   code  format the programs ask for    present here when
//   ----  -----------------------------  ----------------------------------------
//   2     bitmap                         the clipboard holds an image (hasImage)
//   3     metafile                       never
//   8     device-independent bitmap      data of type "image/bmp" is offered
//   9     palette                        never
//
// setPicture offers the image itself and its BMP bytes (the classic platform
// derived a device-independent bitmap from every bitmap), plus the picture's
// name under kPictureNameType so that the preview can tell where it came from.
class QtClipboard : public Clipboard {
public:
    static inline const QString kPictureNameType = "application/x-guitar-picture-name";
    // Present when the picture was copied from a left-handed view.
    static inline const QString kMirroredType = "application/x-guitar-picture-mirrored";
    static inline const QString kBmpType = "image/bmp";

    void clear() override;
    void setPicture(const images::Picture& picture) override;
    // Also offers text/plain, so that a chord chart or a message gets the words.
    void setPictureAndText(const images::Picture& picture, const std::string& text) override;
    bool hasFormat(int code) const override;
    images::Picture picture(int code) const override;
    std::vector<int> formats() const override;
};

}  // namespace ui::qt
