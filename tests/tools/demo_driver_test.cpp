#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <array>
#include <map>
#include <string>

#include "../support/library.h"
#include "../support/open_strings.h"
#include "theory/given_sets.h"

namespace {

using testing_support::kTuningRows;
using testing_support::midiOf;
using testing_support::TuningRow;

struct DriverRun {
    int exitCode;
    QJsonObject state;
    QList<QJsonObject> dumps;
    QString err;
};

DriverRun driver(const QStringList& args) {
    QProcess p;
    p.start(QString(DEMO_BIN_DIR) + "/demo-driver", args);
    p.waitForFinished(60000);
    DriverRun r{p.exitCode(), {}, {}, QString::fromUtf8(p.readAllStandardError())};
    // Each state is one JSON object; several dumps follow one another.
    const QByteArray out = p.readAllStandardOutput();
    int depth = 0, start = -1;
    for (int i = 0; i < out.size(); ++i) {
        if (out[i] == '{' && depth++ == 0) start = i;
        if (out[i] == '}' && --depth == 0)
            r.dumps.append(QJsonDocument::fromJson(out.mid(start, i - start + 1)).object());
    }
    if (!r.dumps.isEmpty()) r.state = r.dumps.last();
    return r;
}

QString picture(const QJsonObject& state, const QString& control) {
    return state["controls"].toObject()[control].toObject()["Picture"].toString();
}

TEST(DemoDriver, BeforeStartUpEveryControlHasItsListedLook) {
    const DriverRun r = driver({"PennatoneDemo"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject controls = r.state["controls"].toObject();
    // With Sound_Status, Tuning_Label and "Name a chord": its switch, report,
    // three names, six marks and 6 x 23 click targets on the neck; the large
    // diagram, and the page control's three labels and the gallery's note, all hidden.
    EXPECT_EQ(controls.size(), 287 + 1 + 1 + 3 + 6 + 6 * 23 + 1 + 4);
    for (const char* hidden :
         {"Large_Diagram", "Page_Prev", "Page_Number", "Page_Next", "Gallery_Note"})
        EXPECT_EQ(controls[hidden].toObject()["Visible"].toBool(), false) << hidden;
    EXPECT_EQ(controls["Cover"].toObject()["Visible"].toBool(), true);
    EXPECT_EQ(controls["Logo_Box"].toObject()["Visible"].toBool(), true);
    EXPECT_EQ(controls["NoteEntry_C"].toObject()["Visible"].toBool(), false);
    EXPECT_EQ(controls["Ty(53)"].toObject()["Caption"].toString(), " ");
    EXPECT_EQ(controls["Ty(53)"].toObject()["Value"].toBool(), true);
    EXPECT_EQ(controls["Chord_Display(18)"].toObject()["Left"].toInt(), 300);
    EXPECT_EQ(controls["Chord_Report2"].toObject()["Top"].toInt(), 700);
    EXPECT_EQ(r.state["window"].toObject()["Width"].toInt(), 11970);
    EXPECT_EQ(r.state["variables"].toObject()["LineNumber"].toString(), "Null");
    EXPECT_EQ(r.state["variables"].toObject()["K"].toString(), "Null");
    EXPECT_TRUE(r.state["variables"].toObject()["Typer"].isNull());
    const DriverRun l = driver({"LyrafretDemo"});
    const QJsonObject lc = l.state["controls"].toObject();
    EXPECT_TRUE(lc.contains("key(83)"));
    EXPECT_FALSE(lc.contains("key(79)"));
    EXPECT_EQ(lc["Overlay(0)"].toObject()["Height"].toInt(), 7695);
    EXPECT_EQ(l.state["variables"].toObject()["Keyer"].toInt(), 78);
}

TEST(DemoDriver, ClicksDumpsAndTheClipboard) {
    const DriverRun r = driver({"PennatoneDemo", "Base", "0", "dump", "Ty", "1", "Chord_Display",
                                "5", "FretDisplay", "5", "dump"});
    ASSERT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.dumps.size(), 2);
    EXPECT_EQ(r.dumps[0]["variables"].toObject()["K"].toString(), "C");
    EXPECT_EQ(picture(r.dumps[1], "Chord_Display(0)"), "img/demo/21/1.bmp");
    EXPECT_EQ(r.dumps[1]["clipboard"].toObject()["picture"].toString(), "img/demo/13/8.bmp");
    EXPECT_EQ(picture(r.dumps[1], "Mini_Clip"), "img/demo/13/8.bmp");
    const QJsonArray tnt = r.dumps[1]["variables"].toObject()["tnt"].toArray();
    EXPECT_EQ(tnt.first().toString(), "Tone_1");
}

TEST(DemoDriver, UnknownControlsAndIndicesExitWithTwo) {
    for (const QStringList& args :
         {QStringList{"PennatoneDemo", "Nope"}, QStringList{"PennatoneDemo", "Ty", "60"},
          QStringList{"LyrafretDemo", "key", "79"}, QStringList{"LyrafretDemo", "Base", "0"},
          QStringList{"PennatoneDemo", "Ty"}}) {
        const DriverRun r = driver(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
}

TEST(DemoDriver, FailedLoadsAreListedAndTheRunGoesOn) {
    testing_support::LibraryCopy library;
    library.remove("20/3.bmp");
    const DriverRun r =
        driver({"PennatoneDemo", "--folder", QString::fromStdString(library.folder()), "Base", "0",
                "Ty", "0", "Ty", "1", "close_me", "Ty", "0"});
    ASSERT_EQ(r.exitCode, 0);
    const QJsonArray errors = r.state["errors"].toArray();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].toString().contains("img/demo/20/3.bmp"));
    EXPECT_EQ(r.state["variables"].toObject()["Chord_Type"].toString(), "add9");
    EXPECT_TRUE(r.state["exited"].toBool());
    EXPECT_EQ(r.dumps.size(), 1);
}

QJsonObject controlOf(const QJsonObject& state, const QString& key) {
    return state["controls"].toObject()[key].toObject();
}

TEST(DemoDriver, SettingsEntryShowsTheDefaults) {
    const DriverRun r = driver({"LyrafretDemo"});
    ASSERT_EQ(r.exitCode, 0);
    const QJsonObject expected{{"left_handed", false}, {"names", "english"}, {"tuning", "standard"},
                               {"sound", true},        {"naming", false},    {"fingers", false}};
    EXPECT_EQ(r.state["settings"].toObject(), expected);
    for (const QJsonValue& c : r.state["controls"].toObject())
        EXPECT_FALSE(c.toObject().contains("Mirrored"));
    EXPECT_EQ(controlOf(r.state, "Options")["Caption"].toString(), "Options");
}

TEST(DemoDriver, FlagsSetTheOptionsBeforeStartUp) {
    const DriverRun r = driver({"PennatoneDemo", "--left-handed", "--names", "german", "Base", "16",
                                "Ty", "0", "Chord_Display", "0"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.state["settings"].toObject()["left_handed"].toBool(), true);
    EXPECT_EQ(r.state["settings"].toObject()["names"].toString(), "german");
    EXPECT_EQ(picture(r.state, "Chord_Report"), "img/demo/german/12/B.bmp");
    EXPECT_EQ(picture(r.state, "Base(0)"), "img/demo/german/16/C.bmp");
    EXPECT_EQ(picture(r.state, "NoteEntry_B"), "builtin:german/left/note_B");
    for (const char* key :
         {"Fret_Board", "Chord_Display(0)", "Mask_oLow_E", "NoteEntry_B", "Mini_Clip"})
        EXPECT_TRUE(controlOf(r.state, key)["Mirrored"].toBool()) << key;
    for (const char* key : {"FretDisplay(0)", "Base(0)", "Chord_Report", "Mask_Low_E"})
        EXPECT_FALSE(controlOf(r.state, key).contains("Mirrored")) << key;
    // The low string's mask now lies right of the high string's.
    EXPECT_GT(controlOf(r.state, "Mask_oLow_E")["Left"].toInt(),
              controlOf(r.state, "Mask_oHigh_E")["Left"].toInt());
}

TEST(DemoDriver, OptionStepsActLikeTheMenu) {
    const DriverRun r = driver({"LyrafretDemo", "Key_C", "2", "option", "left-handed", "on",
                                "option", "names", "solfege", "dump", "option", "left-handed",
                                "off", "option", "names", "english", "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    ASSERT_EQ(r.dumps.size(), 2);
    const QJsonObject& on = r.dumps[0];
    EXPECT_EQ(on["settings"].toObject()["names"].toString(), "solfege");
    EXPECT_EQ(picture(on, "Report_Key"), "img/demo/solfege/12/D.bmp");
    EXPECT_EQ(picture(on, "Overlay(2)"), "builtin:solfege/left/keyoverlay_2");
    EXPECT_TRUE(controlOf(on, "Overlay(2)")["Visible"].toBool());
    const DriverRun plain = driver({"LyrafretDemo", "Key_C", "2"});
    EXPECT_EQ(r.state["controls"], plain.state["controls"]) << "off again is as before";
    EXPECT_EQ(r.state["variables"], plain.state["variables"]);
}

TEST(DemoDriver, UnknownOptionsAreRefused) {
    for (const QStringList& args : {QStringList{"PennatoneDemo", "--names", "klingon"},
                                    QStringList{"PennatoneDemo", "option", "names", "french"},
                                    QStringList{"PennatoneDemo", "option", "left-handed", "maybe"},
                                    QStringList{"PennatoneDemo", "option", "colour", "on"},
                                    QStringList{"PennatoneDemo", "option"}}) {
        const DriverRun r = driver(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
}

// Each given set under its chord type (the whole catalog, every grip of every
// chord, is read once in the fingering tests' place: here one type at a time).
TEST(DemoDriver, CatalogListsEveryDiagramSet) {
    for (const char* dir : {"20", "21", "a", "b", "n", "o", "q"}) {
        const theory::DiagramSet* set = theory::diagramSet(dir);
        ASSERT_NE(set, nullptr) << dir;
        const DriverRun r = driver({"--catalog", "--type", set->chordType});
        ASSERT_EQ(r.exitCode, 0);
        EXPECT_TRUE(r.state.contains(dir)) << dir;
        EXPECT_EQ(r.state[dir].toObject()["chordType"].toString(), set->chordType) << dir;
    }
    const DriverRun r = driver({"--catalog", "--type", "major"});
    const QJsonArray pictures = r.state["20"].toObject()["pictures"].toArray();
    EXPECT_EQ(pictures[0].toObject()["picture"].toString(), "1.bmp");
    EXPECT_EQ(pictures[0].toObject()["frets"].toArray().size(), 6);
}

TEST(DemoDriver, TuningsListsEveryKeyWithItsOpenStrings) {
    const DriverRun r = driver({"--tunings"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.state.size(), 7);
    for (const TuningRow& row : kTuningRows) {
        const QJsonObject t = r.state[row.key].toObject();
        EXPECT_EQ(t["name"].toString(), QString::fromUtf8(row.name)) << row.key;
        QJsonArray midi;
        for (const char* s : row.strings) midi.append(midiOf(s));
        EXPECT_EQ(t["midi"].toArray(), midi) << row.key;
    }
}

// The flag and the step give the same window; the string labels read the
// tuning, each still toggling its own string's mask; the window names it.
TEST(DemoDriver, TuningFlagAndStepSetTheNeck) {
    constexpr std::array<const char*, 6> kSuffixes{"Low_E", "A", "D", "G", "B", "High_E"};
    for (const TuningRow& row : kTuningRows) {
        const DriverRun flag =
            driver({"PennatoneDemo", "--tuning", row.key, "Base", "3", "Ty", "4", "Mask_A"});
        const DriverRun step = driver(
            {"PennatoneDemo", "Base", "3", "Ty", "4", "option", "tuning", row.key, "Mask_A"});
        ASSERT_EQ(flag.exitCode, 0) << flag.err.toStdString();
        ASSERT_EQ(step.exitCode, 0) << step.err.toStdString();
        EXPECT_EQ(flag.state["settings"].toObject()["tuning"].toString(), row.key);
        EXPECT_EQ(flag.state["controls"], step.state["controls"]) << row.key;
        for (std::size_t s = 0; s < 6; ++s)
            EXPECT_EQ(controlOf(flag.state, QString("Mask_") + kSuffixes[s])["Caption"].toString(),
                      QString::fromUtf8(row.labels[s]))
                << row.key << " string " << s;
        EXPECT_TRUE(controlOf(flag.state, "Mask_oA")["Visible"].toBool());
        EXPECT_FALSE(controlOf(flag.state, "Mask_oD")["Visible"].toBool());
        const QJsonObject label = controlOf(flag.state, "Tuning_Label");
        const bool standard = std::string(row.key) == "standard";
        EXPECT_EQ(label["Visible"].toBool(), !standard) << row.key;
        if (!standard) {
            EXPECT_EQ(label["Caption"].toString(), QString::fromUtf8(row.name));
        }
    }
    const DriverRun l = driver({"LyrafretDemo", "--tuning", "open-g", "Key_C", "2"});
    EXPECT_EQ(controlOf(l.state, "Tuning_Label")["Caption"].toString(), "Open G");
    EXPECT_EQ(controlOf(l.state, "Mask_High_E")["Caption"].toString(), "D");
}

TEST(DemoDriver, UnknownTuningsAreRefusedInOneLine) {
    for (const QStringList& args : {QStringList{"PennatoneDemo", "--tuning", "nashville"},
                                    QStringList{"PennatoneDemo", "option", "tuning", "open-c"},
                                    QStringList{"--catalog", "--tuning", "open-e"}}) {
        const DriverRun r = driver(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_EQ(r.err.count("unknown"), 1) << r.err.toStdString();
    }
}

// In DADGAD the chord finder's given types are chosen per root like the rest,
// and the catalog lists what that tuning shows: every grip of a root, page by
// page, the first page as the window shows it.
TEST(DemoDriver, CatalogOfATuningListsItsGalleriesPageByPage) {
    const DriverRun r = driver({"--catalog", "--tuning", "dadgad", "--type", "major"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.state.keys(), (QStringList{"20", "a"}));
    const QJsonObject major = r.state["20"].toObject();
    EXPECT_TRUE(major["pictures"].toArray().isEmpty());
    const QJsonArray cells = major["galleries"].toObject()["D"].toObject()["cells"].toArray();
    const DriverRun shown = driver({"PennatoneDemo", "--tuning", "dadgad", "Base", "3", "Ty", "0"});
    const QJsonObject gallery = shown.state["gallery"].toObject();
    EXPECT_EQ(gallery["grips"].toInt(), cells.size());
    EXPECT_EQ(gallery["page"].toInt(), 1);
    EXPECT_EQ(gallery["pages"].toInt(), (cells.size() + 17) / 18);
    int page = 1, onPage = 0;
    for (int i = 0; i < cells.size(); ++i) {
        const QJsonObject cell = cells[i].toObject();
        if (cell["page"].toInt() != page) {
            EXPECT_EQ(onPage, 18) << "page " << page;
            EXPECT_EQ(cell["page"].toInt(), ++page);
            onPage = 0;
        }
        ++onPage;
        if (page == 1)
            EXPECT_TRUE(cell["picture"].toString().endsWith(
                picture(shown.state, QString("Chord_Display(%1)").arg(i)).section('/', -1)))
                << i;
        else
            EXPECT_TRUE(cell["picture"].toString().startsWith("builtin:grips/")) << i;
    }
    EXPECT_EQ(page, gallery["pages"].toInt());
    // In standard tuning the set is page 1; the catalog lists the pages after it.
    const DriverRun standard = driver({"--catalog", "--type", "major"});
    const QJsonObject given = standard.state["20"].toObject();
    EXPECT_EQ(given["pictures"].toArray().size(), 18 + 8);
    const QJsonArray later = given["galleries"].toObject()["F"].toObject()["cells"].toArray();
    ASSERT_FALSE(later.isEmpty());
    EXPECT_EQ(later[0].toObject()["page"].toInt(), 2);
    EXPECT_EQ(driver({"--catalog", "--type", "nonesuch"}).exitCode, 2);
}

}  // namespace

namespace {

QJsonObject namedEntry(const char* text, const char* root, const char* type, const char* bass) {
    return QJsonObject{{"text", text},
                       {"root", root},
                       {"type", type},
                       {"bass", bass ? QJsonValue(bass) : QJsonValue()}};
}

QJsonArray marksOf(std::array<int, 6> frets) {
    QJsonArray a;
    for (int f : frets) a.append(f < 0 ? QJsonValue() : QJsonValue(f));
    return a;
}

// "Name a chord" through demo-driver: fret clicks mark, name clicks choose.
TEST(DemoDriver, NamingStepsMarkTheNeckAndNameTheChord) {
    const DriverRun plain = driver({"PennatoneDemo"});
    EXPECT_TRUE(plain.state["marks"].isNull());
    EXPECT_TRUE(plain.state["named"].isNull());

    const DriverRun c = driver(QString("PennatoneDemo option naming on dump fret 1 3 fret 2 2 "
                                       "fret 3 0 fret 4 1 fret 5 0 dump name 0 dump")
                                   .split(' '));
    ASSERT_EQ(c.exitCode, 0) << c.err.toStdString();
    ASSERT_EQ(c.dumps.size(), 3);
    EXPECT_EQ(c.dumps[0]["marks"].toArray(), marksOf({-1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(c.dumps[0]["named"].toArray(), QJsonArray());
    EXPECT_TRUE(c.dumps[0]["settings"].toObject()["naming"].toBool());
    const QJsonObject& open = c.dumps[1];
    EXPECT_EQ(open["marks"].toArray(), marksOf({-1, 3, 2, 0, 1, 0}));
    EXPECT_EQ(open["named"].toArray().first().toObject(), namedEntry("C", "C", "Major", nullptr));
    // The last mark sounded the open high E string.
    EXPECT_EQ(open["played"].toObject(),
              (QJsonObject{{"source", "Neck_Spot(500)"}, {"midi", QJsonArray{midiOf("E4")}}}));
    // The name's click chose C major with the buttons; the marks stay.
    EXPECT_EQ(c.state["variables"].toObject()["K"].toString(), "C");
    EXPECT_EQ(c.state["variables"].toObject()["Typer"].toInt(), 0);
    EXPECT_EQ(c.state["marks"], open["marks"]);

    const DriverRun slash = driver(QString("PennatoneDemo --names german option naming on fret 1 2 "
                                           "fret 2 0 fret 3 0 fret 4 3 fret 5 3")
                                       .split(' '));
    EXPECT_EQ(slash.state["named"].toArray().first().toObject(),
              namedEntry("G/H", "G", "Major", "B"));

    const DriverRun off = driver(
        QString("PennatoneDemo option naming on fret 1 3 option naming off fret 2 2").split(' '));
    ASSERT_EQ(off.exitCode, 0) << off.err.toStdString();
    EXPECT_TRUE(off.state["marks"].isNull());
    EXPECT_TRUE(off.state["named"].isNull());
    EXPECT_EQ(off.state["controls"], plain.state["controls"]) << "off again is as before";
}

TEST(DemoDriver, NamingStepsOffTheNeckAreRefused) {
    for (const QStringList& steps :
         {QStringList{"fret", "6", "0"}, QStringList{"fret", "0", "23"}, QStringList{"fret", "1"},
          QStringList{"name"}, QStringList{"name", "3"}, QStringList{"option", "naming", "yes"}}) {
        const DriverRun r = driver(QStringList{"LyrafretDemo", "option", "naming", "on"} + steps);
        EXPECT_EQ(r.exitCode, 2) << steps.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
}

}  // namespace
