// The player's tests need an event loop, and each its own process: a sound
// client connects to its server once per process, so a test without a
// server and one with a server cannot share one. ctest runs every test on
// its own; run by hand, the binary starts itself once per test.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(filter) != "*" || ::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    int failed = 0;
    for (const char* test : {"SoundPlayer.WithoutASoundServerSaysSoOnceAndNeverBlocks",
                             "SoundPlayer.PlaysAStrumThroughARealSoundServer"}) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QString("--gtest_filter=") + test});
        child.waitForFinished(-1);
        failed += child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0;
    }
    return failed ? 1 : 0;
}
