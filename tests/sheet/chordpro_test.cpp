#include "sheet/chordpro.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>

#include "sheet/exports.h"
#include "tests/sheet/tools.h"

namespace {

using sheet_tests::entry;
using sheet_tests::run;

TEST(ChordProNames, AreAsciiAsChordProWritesThem) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"C♯m7", "C#m7"},         {"B♭", "Bb"},       {"Am7", "Am7"},
        {"E♭maj7♭5", "Ebmaj7b5"}, {"F♯/C♯", "F#/C#"}, {"Ré♭", "Reb"},
        {"Sol♯m", "Sol#m"},       {"C [x]", "Cx"},    {"G{}:", "G"}};
    for (const auto& [shown, ascii] : cases)
        EXPECT_EQ(sheet::asciiChordName(shown), ascii) << shown;
}

// One diagram as chordii draws it: its frets from the low string and its base fret.
struct Drawn {
    std::vector<int> frets;
    int base = 0;
};

// chordii draws a grid with "(NAME) f1 .. f6 BASE FLAG dots" in its PostScript.
std::map<QString, Drawn> gridsIn(const QString& postscript) {
    std::map<QString, Drawn> grids;
    const QRegularExpression grid(
        R"(^\((.*)\) (-?\d+) (-?\d+) (-?\d+) (-?\d+) (-?\d+) (-?\d+) (\d+) \d+ dots$)",
        QRegularExpression::MultilineOption);
    for (auto m = grid.globalMatch(postscript); m.hasNext();) {
        const auto g = m.next();
        Drawn d;
        for (int s = 2; s <= 7; ++s) d.frets.push_back(g.captured(s).toInt());
        d.base = g.captured(8).toInt();
        QString name = g.captured(1);
        grids[name.replace("\\(", "(").replace("\\)", ")")] = d;
    }
    return grids;
}

// The frets a player holds, from chordii's numbers relative to its base fret.
std::vector<int> heldFrets(const Drawn& d) {
    std::vector<int> held;
    for (int f : d.frets) held.push_back(f <= 0 ? f : f + d.base - 1);
    return held;
}

TEST(ChordProExport, ChordiiFormatsItWithoutAWordAndDrawsEveryDiagram) {
    sheet::Sheet s;
    s.title = "Practice in B♭";
    s.entries = sheet_tests::samples();
    // Two shapes of one name each keep their own grid.
    s.entries.push_back(entry("G", {3, 5, 5, 4, 3, 3}));
    s.entries.push_back(entry("E♭maj7", {-1, -1, 1, 3, 3, 3}));
    QTemporaryDir dir;
    const QString cho = dir.filePath("sheet.cho"), ps = dir.filePath("sheet.ps");
    ASSERT_EQ(sheet::exportSheet(s, cho), QString());
    const auto r = run("chordii", {"-o", ps, cho});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, QByteArray()) << "chordii complained";
    // Ghostscript draws the PostScript without an error, and there is ink on it.
    const QString page = dir.filePath("page.png");
    const auto drawn =
        run("gs", {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pnggray", "-r50",
                   "-dFirstPage=1", "-dLastPage=1", "-sOutputFile=" + page, ps});
    EXPECT_EQ(drawn.exitCode, 0) << drawn.err.toStdString();
    EXPECT_EQ(drawn.err, QByteArray());
    EXPECT_GT(sheet_tests::inkOf(QImage(page), QImage(page).rect()), 0.005);
    const QString postscript = QString::fromLatin1(sheet_tests::readAll(ps));
    EXPECT_TRUE(postscript.contains("Practice in Bb"));
    const auto grids = gridsIn(postscript);
    EXPECT_EQ(grids.size(), s.entries.size());
    std::map<std::string, int> seen;
    for (const sheet::Entry& e : s.entries) {
        const int n = ++seen[e.name];
        const QString name = QString::fromStdString(sheet::asciiChordName(e.name)) +
                             (n > 1 ? QString("(%1)").arg(n) : QString());
        const auto found = grids.find(name);
        ASSERT_NE(found, grids.end()) << name.toStdString() << " is not drawn";
        EXPECT_EQ(heldFrets(found->second), std::vector<int>(e.frets.begin(), e.frets.end()))
            << e.name;
        EXPECT_EQ(found->second.base, e.fret > 0 ? e.fret : 1) << e.name;
    }
}

TEST(ChordProExport, TheFileSaysTheTitleAndEachDiagramOnceInOrder) {
    sheet::Sheet s;
    s.title = "Songs";
    s.entries = sheet_tests::samples();
    const QString text = QString::fromStdString(sheet::chordProText(s));
    EXPECT_TRUE(text.startsWith("{title: Songs}\n")) << text.toStdString();
    const QRegularExpression define(R"(^\{define: (\S+) base-fret \d+ frets( (x|\d+)){6}\}$)",
                                    QRegularExpression::MultilineOption);
    std::vector<std::string> names;
    for (auto m = define.globalMatch(text); m.hasNext();)
        names.push_back(m.next().captured(1).toStdString());
    std::vector<std::string> expected;
    for (const auto& e : s.entries) expected.push_back(sheet::asciiChordName(e.name));
    EXPECT_EQ(names, expected);
    for (QChar c : text) EXPECT_LT(c.unicode(), 0x80) << "not ASCII: " << text.toStdString();
}

}  // namespace
