#include "ui/window_factory.h"

#include "ui/lyrafret_demo.h"
#include "ui/pennatone_demo.h"

namespace ui {

std::unique_ptr<DemoWindow> makeWindow(std::string_view program, Platform platform) {
    if (program == "PennatoneDemo") return std::make_unique<PennatoneDemo>(std::move(platform));
    if (program == "LyrafretDemo") return std::make_unique<LyrafretDemo>(std::move(platform));
    return nullptr;
}

}  // namespace ui
