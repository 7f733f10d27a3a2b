#pragma once

// The programs' icons, kept as one list of shapes on a 64 × 64 grid so that the
// window icon, the menu's pixel sizes and the scalable drawing cannot drift apart.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace imagegen {

// The sizes a desktop's icon theme looks for, besides the scalable drawing.
inline constexpr std::array<int, 6> kIconSizes{16, 32, 48, 64, 128, 256};

// The icon names, as the menu entries give them: "pennatone-demo", "lyrafret-demo".
std::vector<std::string> iconNames();
// One icon painted at size × size pixels; a null image for an unknown name.
QImage drawIcon(std::string_view name, int size);
// The same icon as an SVG document; empty for an unknown name.
QByteArray iconSvg(std::string_view name);
// Writes dir/hicolor/NxN/apps/NAME.png for every size and dir/hicolor/scalable/apps/NAME.svg.
bool writeIcons(const QString& dir);

}  // namespace imagegen
