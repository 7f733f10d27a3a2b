// The PennatoneDemo program: the window PennatoneDemo on the real toolkit.
#include <memory>

#include "ui/pennatone_demo.h"
#include "ui/qt/qt_view.h"

int main(int argc, char** argv) {
    return ui::qt::runProgram(argc, argv, "PennatoneDemo", [](ui::Platform platform) {
        return std::make_unique<ui::PennatoneDemo>(std::move(platform));
    });
}
