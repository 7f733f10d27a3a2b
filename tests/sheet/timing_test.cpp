// A sheet of 500 diagrams exports within two seconds in every format.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <iostream>

#include "sheet/exports.h"
#include "tests/sheet/tools.h"

#ifndef DEMO_SLOWDOWN
#define DEMO_SLOWDOWN 1
#endif

namespace {

TEST(ExportTime, FiveHundredDiagramsInEachFormatWithinTwoSeconds) {
    const sheet::Sheet s = sheet_tests::longSheet(500);
    QTemporaryDir dir;
    for (const char* name : {"big.pdf", "big.svg", "big.png", "big.cho"}) {
        const QString path = dir.filePath(name);
        QElapsedTimer timer;
        timer.start();
        const QString error = sheet::exportSheet(s, path, {{}, QPageSize(QPageSize::A4)});
        const qint64 ms = timer.elapsed();
        ASSERT_EQ(error, QString()) << name;
        EXPECT_GT(QFileInfo(path).size(), 0) << name;
        std::cout << name << ": " << ms << " ms\n";
        ::testing::Test::RecordProperty(name, std::to_string(ms));
        EXPECT_LT(ms, 2000 * DEMO_SLOWDOWN) << name;
    }
}

}  // namespace
