// Real-window tests own their X server: it must exist before the application connects.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdio>

#include "x_session.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<e2e::XSession> x;
    const bool listing = testing::GTEST_FLAG(list_tests);
    if (!listing && e2e::missingTools().isEmpty()) {
        x = std::make_unique<e2e::XSession>();
        if (!x->running()) std::fprintf(stderr, "%s\n", qPrintable(x->failure()));
    }
    qputenv("QT_QPA_PLATFORM", x && x->running() ? "xcb" : "offscreen");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
