#pragma once

// What the package tests share: running tools, the .deb of this build, and the
// rule that a missing tool skips a test on a developer's machine but fails it in CI.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace pkg {

struct Result {
    int exitCode = -1;
    QByteArray out, err;
};

Result run(const QString& program, const QStringList& args,
           const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
           int timeoutMs = 120000);

QString buildDir();

// The folder `make package` builds the package in, with Debian's flags.
QString packageBuildDir();

// The .deb `make package` left when it is newer than what it packs; otherwise
// it is made now, as `make package` makes it and in the same place, so that
// the other test processes find it. Empty, with `why` set, when that fails.
QString packageFile(QString& why);

// Builds and packs as `make package` does, whatever is there already (both
// steps skip what is up to date); `log` gets what the build printed.
QString makePackage(QString& why, QByteArray* log);

// The tools among `tools` that are not on the PATH, as one line; empty when all are.
QString missingTools(const QStringList& tools);

inline bool inCi() {
    return qgetenv("CI") == "true";
}

}  // namespace pkg

// Skips the test when tools are missing, except in CI, where a package test
// that cannot run has failed.
#define REQUIRE_TOOLS(...)                                                             \
    do {                                                                               \
        const QString missing_ = pkg::missingTools({__VA_ARGS__});                     \
        if (!missing_.isEmpty()) {                                                     \
            if (pkg::inCi())                                                           \
                FAIL() << "package test cannot run in CI: " << missing_.toStdString(); \
            GTEST_SKIP() << "package test skipped: " << missing_.toStdString();        \
        }                                                                              \
    } while (false)
