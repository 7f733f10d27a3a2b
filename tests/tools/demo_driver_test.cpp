#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "../support/library.h"

namespace {

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
    EXPECT_EQ(controls.size(), 286);  // with Sound_Status, the one-line sound report
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
    const QJsonObject expected{{"left_handed", false},
                               {"names", "english"},
                               {"tuning", "standard"},
                               {"sound", true},
                               {"naming", false}};
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

TEST(DemoDriver, CatalogListsEveryDiagramSet) {
    const DriverRun r = driver({"--catalog"});
    ASSERT_EQ(r.exitCode, 0);
    for (const char* dir : {"20", "21", "a", "b", "n", "o", "q"})
        EXPECT_TRUE(r.state.contains(dir)) << dir;
    const QJsonArray pictures = r.state["20"].toObject()["pictures"].toArray();
    EXPECT_EQ(pictures[0].toObject()["picture"].toString(), "1.bmp");
    EXPECT_EQ(pictures[0].toObject()["frets"].toArray().size(), 6);
}

}  // namespace
