#include "ui/builtin_artwork.h"

#include <QString>
#include <algorithm>

namespace ui {

const StoredPixels* storedPixels(std::string_view name) {
    const StoredPixels* end = kStoredPixels + kStoredPixelCount;
    const StoredPixels* it = std::lower_bound(
        kStoredPixels, end, name,
        [](const StoredPixels& p, std::string_view n) { return std::string_view(p.name) < n; });
    return it != end && it->name == name ? it : nullptr;
}

QImage builtinArtwork(std::string_view name) {
    if (const StoredPixels* p = storedPixels(name))
        return QImage(p->bits, p->width, p->height, qsizetype(p->width) * 4,
                      QImage::Format(p->format));
    return QImage(QStringLiteral(":/artwork/") +
                  QString::fromUtf8(name.data(), qsizetype(name.size())) + QStringLiteral(".png"));
}

}  // namespace ui
