#pragma once

// What the sheet's tests share: sample diagrams, the outside programs that
// read the exports, and pictures read back without our own drawing code.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <csignal>
#include <functional>
#include <string>
#include <vector>

#include "sheet/sheet.h"
#include "theory/fingering.h"
#include "theory/voicings.h"

namespace sheet_tests {

// A diagram as a player picks it: the fingers a teacher writes, at the nut when
// the shape fits in the first four frets, else named by its lowest fret.
inline sheet::Entry entry(const std::string& name, theory::Frets frets) {
    sheet::Entry e{name, frets, {}, 0};
    if (const auto fingering = theory::fingeringOf(frets)) e.fingers = fingering->fingers;
    const int highest = *std::max_element(frets.begin(), frets.end());
    e.fret = highest <= 4 ? 0 : theory::lowestFret(frets);
    return e;
}

// Names none of which is contained in another, so each is found on its own.
inline std::vector<sheet::Entry> samples() {
    return {entry("Am7", {-1, 0, 2, 0, 1, 0}),    entry("C♯m7", {-1, 4, 6, 4, 5, 4}),
            entry("B♭", {-1, 1, 3, 3, 3, 1}),     entry("G", {3, 2, 0, 0, 0, 3}),
            entry("Dsus4", {-1, -1, 0, 2, 3, 3}), entry("E♭maj7", {-1, 6, 8, 7, 8, 6}),
            entry("F♯m", {2, 4, 4, 2, 2, 2}),     entry("Cadd9", {-1, 3, 2, 0, 3, 0}),
            entry("Hm7", {-1, 2, 0, 2, 0, 2}),    entry("A5", {-1, 0, 2, 2, -1, -1})};
}

// A long sheet: the samples over and over, each copy named apart.
inline sheet::Sheet longSheet(std::size_t count) {
    sheet::Sheet s;
    s.title = "Long sheet";
    const auto base = samples();
    for (std::size_t i = 0; i < count; ++i) {
        sheet::Entry e = base[i % base.size()];
        e.name = "N" + std::to_string(i);
        s.entries.push_back(e);
    }
    return s;
}

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// A reader the test needs and make setup installs: its absence fails the test.
inline bool have(const QString& program) {
    if (!QStandardPaths::findExecutable(program).isEmpty()) return true;
    ADD_FAILURE() << program.toStdString() << " is missing (make setup installs it)";
    return false;
}

inline Run run(const QString& program, const QStringList& arguments, int timeoutMs = 60000) {
    Run result;
    if (!have(program)) return result;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << program.toStdString() << " did not finish";
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Dark pixels of a rectangle of a picture, as a fraction of its pixels.
inline double inkOf(const QImage& image, const QRect& rect) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const QRect r = rect.intersected(grey.rect());
    if (r.isEmpty()) return 0;
    long dark = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const uchar* line = grey.constScanLine(y);
        for (int x = r.left(); x <= r.right(); ++x) dark += line[x] < 128;
    }
    return double(dark) / double(r.width() * r.height());
}

// Runs `write` with files limited to `bytes`, as a disk that fills up mid-write.
inline QString withFileLimit(rlim_t bytes, const std::function<QString()>& write) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{bytes, old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    const QString error = write();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return error;
}

}  // namespace sheet_tests
