#include "sheet/sheet_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <functional>

#include "tests/sheet/tools.h"

namespace {

using sheet_tests::readAll;
using sheet_tests::writeAll;

sheet::Sheet practice() {
    sheet::Sheet s;
    s.title = "Practice in F♯";
    s.perRow = 5;
    s.entries = sheet_tests::samples();
    return s;
}

TEST(SheetFile, WhatIsSavedIsReadBackAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath("practice.json");
    ASSERT_EQ(sheet::save(practice(), path), QString());
    // The file is plain JSON any reader takes.
    QJsonParseError error;
    const auto document = QJsonDocument::fromJson(readAll(path), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(document.object()["title"].toString(), QString("Practice in F♯"));
    const sheet::Loaded loaded = sheet::load(path);
    EXPECT_EQ(loaded.message, QString());
    EXPECT_EQ(loaded.sheet, practice());
}

TEST(SheetFile, AMissingFileIsANewEmptySheetWithoutAWord) {
    QTemporaryDir dir;
    const sheet::Loaded loaded = sheet::load(dir.filePath("none.json"));
    EXPECT_EQ(loaded.message, QString());
    EXPECT_EQ(loaded.sheet, sheet::Sheet());
}

struct Damaged {
    const char* why;
    QByteArray bytes;
    std::vector<std::string> kept;  // names of the diagrams still read
    int perRow = 4;
};

QByteArray sheetWith(const QByteArray& entries, const QByteArray& rest = "") {
    return "{\"title\": \"T\", " + rest + "\"entries\": [" + entries + "]}";
}

const QByteArray kGood =
    R"({"name": "Am7", "frets": [-1,0,2,0,1,0], "fingers": [0,0,2,0,1,0], "fret": 0})";
const QByteArray kGood2 =
    R"({"name": "B♭", "frets": [-1,1,3,3,3,1], "fingers": [0,1,3,3,3,1], "fret": 0})";

std::vector<Damaged> damagedFiles() {
    return {
        {"empty file", "", {}},
        {"not JSON", "{{{ chords", {}},
        {"cut short", sheetWith(kGood).left(40), {}},
        {"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), {}},
        {"a list, not a sheet", "[1, 2, 3]", {}},
        {"a number", "42", {}},
        {"diagrams not a list", R"({"entries": {"a": 1}})", {}},
        {"frets of the wrong type",
         sheetWith(R"({"name": "C", "frets": "x32010", "fingers": [0,3,2,0,1,0], "fret": 0}, )" +
                   kGood),
         {"Am7"}},
        {"a fret past the neck",
         sheetWith(
             kGood +
             R"(, {"name": "C", "frets": [-1,3,2,0,1,23], "fingers": [0,3,2,0,1,0], "fret": 0})"),
         {"Am7"}},
        {"a fret below muted",
         sheetWith(
             R"({"name": "C", "frets": [-2,3,2,0,1,0], "fingers": [0,3,2,0,1,0], "fret": 0})"),
         {}},
        {"seven strings",
         sheetWith(
             R"({"name": "C", "frets": [-1,3,2,0,1,0,0], "fingers": [0,3,2,0,1,0,0], "fret": 0}, )" +
             kGood2),
         {"B♭"}},
        {"a fraction of a fret",
         sheetWith(
             R"({"name": "C", "frets": [-1,3,2.5,0,1,0], "fingers": [0,3,2,0,1,0], "fret": 0})"),
         {}},
        {"a name that is a number",
         sheetWith(R"({"name": 7, "frets": [-1,3,2,0,1,0], "fingers": [0,3,2,0,1,0], "fret": 0})"),
         {}},
        {"a diagram that is a string",
         sheetWith(R"("C", )" + kGood + ", " + kGood2),
         {"Am7", "B♭"}},
        {"an absurd row length", sheetWith(kGood, R"("perRow": 100000, )"), {"Am7"}},
        {"a row length as text", sheetWith(kGood, R"("perRow": "4", )"), {"Am7"}},
        {"a title that is a list", R"({"title": [1], "entries": [)" + kGood + "]}", {"Am7"}},
        {"too large", "{\"title\": \"" + QByteArray(5 * 1024 * 1024, 'x') + "\"}", {}},
    };
}

TEST(SheetFile, ADamagedFileGivesItsWholeDiagramsAndOneMessageNamingIt) {
    QTemporaryDir dir;
    int n = 0;
    for (const Damaged& d : damagedFiles()) {
        const QString path = dir.filePath(QString("damaged-%1.json").arg(++n));
        ASSERT_TRUE(writeAll(path, d.bytes)) << d.why;
        const sheet::Loaded loaded = sheet::load(path);
        EXPECT_TRUE(loaded.message.contains(path)) << d.why << ": " << loaded.message.toStdString();
        EXPECT_FALSE(loaded.message.contains('\n')) << d.why;
        std::vector<std::string> names;
        for (const auto& e : loaded.sheet.entries) names.push_back(e.name);
        EXPECT_EQ(names, d.kept) << d.why;
        EXPECT_EQ(loaded.sheet.perRow, d.perRow) << d.why;
        // What was read is a valid sheet: it saves and reads back without a word.
        const QString again = dir.filePath(QString("again-%1.json").arg(n));
        ASSERT_EQ(sheet::save(loaded.sheet, again), QString()) << d.why;
        EXPECT_EQ(sheet::load(again).message, QString()) << d.why;
    }
}

TEST(SheetFile, ASheetTooLongKeepsItsFirstDiagramsAndSaysSo) {
    QByteArray entries;
    for (std::size_t i = 0; i < sheet::kMaxEntries + 3; ++i) entries += (i ? ", " : "") + kGood;
    QTemporaryDir dir;
    const QString path = dir.filePath("long.json");
    ASSERT_TRUE(writeAll(path, sheetWith(entries)));
    const sheet::Loaded loaded = sheet::load(path);
    EXPECT_EQ(loaded.sheet.entries.size(), sheet::kMaxEntries);
    EXPECT_TRUE(loaded.message.contains(path));
    EXPECT_TRUE(loaded.message.contains("the 3 after them")) << loaded.message.toStdString();
}

TEST(SheetFile, AFileThatCannotBeReadIsNamed) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.json"));
    for (const QString& path : {dir.filePath("folder.json"), QString("/proc/self/mem")}) {
        const sheet::Loaded loaded = sheet::load(path);
        EXPECT_TRUE(loaded.message.contains(path)) << loaded.message.toStdString();
        EXPECT_TRUE(loaded.sheet.entries.empty());
    }
}

struct Unwritable {
    const char* why;
    QString path;
    QString old;  // the file there before, which must stay as it was
    std::function<QString(const QString&)> write;
};

// Places a save cannot write to. chmod stops no one running as root, so there
// the folder that cannot be written is one under a plain file.
std::vector<Unwritable> unwritable(const QTemporaryDir& dir) {
    const auto save = [](const QString& path) { return sheet::save(practice(), path); };
    writeAll(dir.filePath("plain"), "not a folder");
    std::vector<Unwritable> places = {
        {"a full disk", "/dev/full", {}, save},
        {"a folder under a plain file", dir.filePath("plain/sheet.json"), {}, save},
        {"a folder the kernel owns", "/proc/sheet.json", {}, save},
        {"a disk that fills up mid-write", dir.filePath("old.json"), dir.filePath("old.json"),
         [save](const QString& path) {
             return sheet_tests::withFileLimit(1024, [&] { return save(path); });
         }},
    };
    if (geteuid() != 0) {
        QDir(dir.path()).mkdir("locked");
        writeAll(dir.filePath("locked/old.json"), sheet::serialize(sheet::Sheet{}));
        chmod(QFile::encodeName(dir.filePath("locked")).constData(), 0555);
        places.push_back({"a read-only folder", dir.filePath("locked/old.json"),
                          dir.filePath("locked/old.json"), save});
    }
    return places;
}

TEST(SheetFile, AFailedSaveNamesTheFileAndLeavesTheOldOneAsItWas) {
    QTemporaryDir dir;
    sheet::Sheet before;
    before.title = "Old";
    ASSERT_TRUE(before.add(sheet_tests::entry("E", {0, 2, 2, 1, 0, 0})));
    ASSERT_EQ(sheet::save(before, dir.filePath("old.json")), QString());
    const QByteArray old = readAll(dir.filePath("old.json"));
    ASSERT_LT(old.size(), 1024);
    ASSERT_GT(sheet::serialize(practice()).size(), 1024);
    for (const Unwritable& u : unwritable(dir)) {
        const QByteArray was = u.old.isEmpty() ? QByteArray() : readAll(u.old);
        const QString error = u.write(u.path);
        EXPECT_TRUE(error.contains(u.path)) << u.why << ": " << error.toStdString();
        EXPECT_FALSE(error.contains('\n')) << u.why;
        if (!u.old.isEmpty()) {
            EXPECT_EQ(readAll(u.old), was) << u.why;
        }
    }
    EXPECT_EQ(readAll(dir.filePath("old.json")), old);
    // Nothing half-written is left beside the old file.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"old.json", "plain"}));
    struct stat full {};
    ASSERT_EQ(stat("/dev/full", &full), 0);
    EXPECT_TRUE(S_ISCHR(full.st_mode)) << "/dev/full was replaced";
}

}  // namespace
