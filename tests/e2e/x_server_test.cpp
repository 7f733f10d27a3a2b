// A test program that ends without running its destructors, by abort() or by
// the kill of ctest's timeout, must not leave its X server running: this test
// starts the test program again, has it end so, and watches its server.
#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <cstdio>
#include <cstdlib>

#include "x_session.h"

namespace {

// Set in the started test program: how it is to end, once told ("abort", or
// "wait" to be killed).
constexpr char kEnding[] = "E2E_TEST_PROGRAM_ENDING";

// Whether `pid` is an Xvfb that has not ended; a zombie has.
bool xvfbRunning(qint64 pid) {
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return false;
    const QByteArray line = stat.readAll();  // "pid (comm) state ..."
    const qsizetype close = line.lastIndexOf(')');
    return close > 0 && line.left(close).endsWith("(Xvfb") && line.mid(close + 2, 1) != "Z";
}

// The started test program's part: says which server it has, then ends as asked.
void endAsAsked(const QByteArray& ending) {
    const e2e::XSession* session = e2e::XSession::current();
    ASSERT_NE(session, nullptr) << "the test program has no X server of its own";
    std::printf("server %lld\n", static_cast<long long>(session->serverPid()));
    std::fflush(stdout);
    // The test says when it has seen the server; should that test end first, its
    // pipe closes and this program ends as usual.
    if (std::fgetc(stdin) == EOF) return;
    if (ending == "abort") std::abort();
    while (std::fgetc(stdin) != EOF) {  // until the test kills it
    }
}

void expectServerEndsWithTestProgram(const char* test, const char* ending) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kEnding, ending);
    program.setProcessEnvironment(env);
    program.start(QCoreApplication::applicationFilePath(),
                  {QString("--gtest_filter=XServer.%1").arg(test)});
    QByteArray output;
    qint64 server = 0;
    QElapsedTimer clock;
    clock.start();
    while (server == 0 && clock.elapsed() < 60000) {
        if (!program.waitForReadyRead(500) && program.state() == QProcess::NotRunning) break;
        output += program.readAllStandardOutput();
        for (const QByteArray& line : output.split('\n'))
            if (line.startsWith("server ") && output.contains(line + '\n'))
                server = line.mid(7).toLongLong();
    }
    ASSERT_NE(server, 0) << "the test program named no server:\n"
                         << output.toStdString() << program.readAllStandardError().toStdString();
    ASSERT_TRUE(xvfbRunning(server)) << "its server " << server << " was not running";
    if (QByteArray(ending) == "abort") {
        program.write("\n");
        program.waitForBytesWritten(10000);
    } else {
        program.kill();
    }
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::CrashExit)
        << "the test program was to end without its destructors";
    const bool ended = e2e::waitUntil([&] { return !xvfbRunning(server); }, 30000);
    if (!ended) ::kill(pid_t(server), SIGKILL);  // not left to the tests after this one
    EXPECT_TRUE(ended) << "Xvfb " << server << " outlived its test program";
}

TEST(XServer, EndsWithATestProgramThatAborts) {
    REQUIRE_X();
    if (const QByteArray ending = qgetenv(kEnding); !ending.isEmpty()) return endAsAsked(ending);
    expectServerEndsWithTestProgram("EndsWithATestProgramThatAborts", "abort");
}

TEST(XServer, EndsWithATestProgramThatIsKilled) {
    REQUIRE_X();
    if (const QByteArray ending = qgetenv(kEnding); !ending.isEmpty()) return endAsAsked(ending);
    expectServerEndsWithTestProgram("EndsWithATestProgramThatIsKilled", "wait");
}

}  // namespace
