// demo-driver's fingerings: --fingering, the catalog's fingers and barres, and
// the steps for finger numbers and the large diagram.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "../support/fingering_rules.h"
#include "../support/library.h"

namespace {

struct DriverOut {
    int exitCode;
    QJsonDocument out;
    QString err;
};

DriverOut driver(const QStringList& args) {
    QProcess p;
    p.start(QString(DEMO_BIN_DIR) + "/demo-driver", args);
    p.waitForFinished(120000);
    const QByteArray out = p.readAllStandardOutput();
    return {p.exitCode(), QJsonDocument::fromJson(out),
            QString::fromUtf8(p.readAllStandardError())};
}

QJsonArray ints(std::initializer_list<int> v) {
    QJsonArray a;
    for (int i : v) a.append(i);
    return a;
}

TEST(DemoDriverFingering, PrintsTheTeachersFingeringsAndNullWhereNoHandCanHoldTheGrip) {
    const DriverOut r = driver({"--fingering", "x32010", "133211", "8,10,10,9,8,8", "102210"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonArray all = r.out.array();
    ASSERT_EQ(all.size(), 4);
    EXPECT_EQ(all[0]["frets"].toArray(), ints({-1, 3, 2, 0, 1, 0}));
    EXPECT_EQ(all[0]["fingers"].toArray(), ints({0, 3, 2, 0, 1, 0}));
    EXPECT_EQ(all[0]["barres"].toArray(), QJsonArray());
    EXPECT_EQ(all[1]["fingers"].toArray(), ints({1, 3, 4, 2, 1, 1}));
    const QJsonObject barre{{"finger", 1}, {"fret", 1}, {"from", 0}, {"to", 5}};
    EXPECT_EQ(all[1]["barres"].toArray(), QJsonArray{barre});
    EXPECT_EQ(all[2]["frets"].toArray(), ints({8, 10, 10, 9, 8, 8}));
    EXPECT_EQ(all[2]["fingers"].toArray(), ints({1, 3, 4, 2, 1, 1}));
    // Fmaj7 102210 needs the thumb: the index cannot lie across the open A.
    EXPECT_TRUE(all[3]["fingers"].isNull());
    EXPECT_EQ(all[3]["barres"].toArray(), QJsonArray());
    // The tuning is accepted; a fingering depends on the frets alone.
    EXPECT_EQ(driver({"--fingering", "--tuning", "dadgad", "000230"}).out.array().size(), 1);
}

TEST(DemoDriverFingering, ABadGripExitsWithOneLineNamingIt) {
    for (const char* bad :
         {"x3201", "x320100", "x32o10", "8,10,10,9,8", "8,10,,9,8,8", "23,0,0,0,0,0"}) {
        const DriverOut r = driver({"--fingering", "x32010", bad});
        EXPECT_EQ(r.exitCode, 2) << bad;
        EXPECT_TRUE(r.err.contains(bad)) << r.err.toStdString();
        EXPECT_EQ(r.err.trimmed().count('\n'), 0) << r.err.toStdString();
    }
    EXPECT_EQ(driver({"--fingering", "--tuning", "lute", "x32010"}).exitCode, 2);
}

// Every page of the chord types with the most grips, and the given sets; the
// search's grips of every type are proven in the theory tests.
TEST(DemoDriverFingering, EveryCatalogCellHasAFingeringTheHandsRulesAccept) {
    for (const char* tuning : {"standard", "dadgad"})
        for (const char* type : {"major", "add9", "minor", "13th", "7b9aug5", "m7b5"}) {
            const DriverOut r = driver({"--catalog", "--tuning", tuning, "--type", type});
            ASSERT_EQ(r.exitCode, 0);
            int cells = 0;
            const auto check = [&](const QJsonObject& cell) {
                ++cells;
                const QJsonArray frets = cell["frets"].toArray();
                ASSERT_TRUE(cell.contains("fingers") && cell.contains("barres"));
                if (cell["fingers"].isNull()) {
                    // Only a given shape may be one a hand cannot hold; the search finds none.
                    EXPECT_FALSE(cell["picture"].toString().contains("grips/"))
                        << cell["picture"].toString().toStdString();
                    return;
                }
                // Read back from the JSON, then judged by the tests' own rules of the hand.
                theory::Frets grip;
                theory::Fingering fingering;
                for (int s = 0; s < 6; ++s) {
                    grip[std::size_t(s)] = frets[s].toInt();
                    fingering.fingers[std::size_t(s)] = cell["fingers"].toArray()[s].toInt();
                }
                for (const QJsonValue& b : cell["barres"].toArray())
                    fingering.barres.push_back({b["finger"].toInt(), b["fret"].toInt(),
                                                b["from"].toInt(), b["to"].toInt()});
                const std::string_view fault = testing_support::fingeringFault(grip, fingering);
                EXPECT_TRUE(fault.empty())
                    << cell["picture"].toString().toStdString() << ": " << fault;
            };
            const QJsonObject sets = r.out.object();
            for (const QJsonValue& set : sets) {
                for (const QJsonValue& p : set["pictures"].toArray()) check(p.toObject());
                for (const QJsonValue& g : set["galleries"].toObject()) {
                    for (const QJsonValue& c : g["cells"].toArray()) check(c.toObject());
                    if (g.toObject().contains("rootDiagram")) check(g["rootDiagram"].toObject());
                }
            }
            EXPECT_GT(cells, 100) << tuning << " " << type;
        }
}

TEST(DemoDriverFingering, StepsTurnTheNumbersOnAndRestThePointerOnADiagram) {
    DriverOut r = driver({"PennatoneDemo", "--fingers", "Base", "0", "Ty", "2", "hover", "3"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QJsonObject state = r.out.object();
    EXPECT_TRUE(state["settings"].toObject()["fingers"].toBool());
    const QJsonObject controls = state["controls"].toObject();
    EXPECT_TRUE(controls["Chord_Display(3)"]["Picture"].toString().startsWith("builtin:fingers/"));
    EXPECT_TRUE(controls["Large_Diagram"]["Visible"].toBool());
    r = driver({"PennatoneDemo", "Base", "0", "Ty", "2", "option", "fingers", "on", "option",
                "fingers", "off", "hover", "root", "hover", "off"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    state = r.out.object();
    EXPECT_FALSE(state["settings"].toObject()["fingers"].toBool());
    EXPECT_TRUE(state["controls"]
                    .toObject()["Chord_Display(3)"]
                    .toObject()["Picture"]
                    .toString()
                    .startsWith("img/demo/"));
    EXPECT_FALSE(state["controls"].toObject()["Large_Diagram"].toObject()["Visible"].toBool());
    EXPECT_EQ(driver({"PennatoneDemo", "hover", "nowhere"}).exitCode, 2);
    EXPECT_EQ(driver({"PennatoneDemo", "option", "fingers", "maybe"}).exitCode, 2);
}

}  // namespace
