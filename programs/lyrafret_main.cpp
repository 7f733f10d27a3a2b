// The LyrafretDemo program: the window LyrafretDemo on the real toolkit.
#include <memory>

#include "ui/lyrafret_demo.h"
#include "ui/qt/qt_view.h"

int main(int argc, char** argv) {
    return ui::qt::runProgram(argc, argv, "LyrafretDemo", [](ui::Platform platform) {
        return std::make_unique<ui::LyrafretDemo>(std::move(platform));
    });
}
