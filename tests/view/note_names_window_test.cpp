// The naming of notes in both windows: every picture a click loads comes from
// the chosen naming's folder, and switching keeps what is on screen.
#include <gtest/gtest.h>

#include <QImage>
#include <set>
#include <string>

#include "../support/windows.h"
#include "images/library_paths.h"
#include "theory/notes.h"

namespace {

using namespace testing_support;
using theory::NameSystem;

const std::string kBin = DEMO_BIN_DIR;

QImage libraryImage(const std::string& relative) {
    return QImage(QString::fromStdString(kBin + "/" + relative), "BMP");
}

// Every picture on screen that carries a note name is the chosen naming's.
void expectNaming(const ui::DemoWindow& w, NameSystem system, std::set<std::string>& seen) {
    const std::string sys = images::systemFolder(system);
    for (const auto& c : w.controls()) {
        const std::string& name = c->picture().name;
        if (name.empty()) continue;
        seen.insert(name);
        EXPECT_EQ(images::pictureFor(name, system, w.settings().left_handed, w.settings().tuning),
                  name)
            << c->key() << " shows " << name;
    }
}

template <typename Window>
Fixture<Window> windowIn(NameSystem system) {
    Fixture<Window> w(DEMO_BIN_DIR, false);
    ui::Settings s;
    s.names = system;
    w->applySettings(s);
    w->Form_Load();
    return w;
}

TEST(NoteNames, EveryPictureAnyClickLoadsExistsInEveryNaming) {
    for (NameSystem system : theory::kNameSystems) {
        SCOPED_TRACE(std::string(theory::nameSystemKey(system)));
        std::set<std::string> seen;
        auto p = windowIn<ui::PennatoneDemo>(system);
        expectNaming(*p, system, seen);
        for (int root = 0; root < 17; ++root) {
            for (int type = 0; type <= ui::PennatoneDemo::kLastType; ++type) {
                p->Base_Click(root);
                p->Ty_Click(type);
                expectNaming(*p, system, seen);
            }
            p->Baseup_Click();
            p->Basedown_Click();
            p->TypeUp_Click();
            expectNaming(*p, system, seen);
        }
        p->Clear_Me_Click();
        expectNaming(*p, system, seen);

        auto l = windowIn<ui::LyrafretDemo>(system);
        for (int key = 0; key < ui::LyrafretDemo::kKeyCount; ++key) {
            for (const auto& [option, control] : l->key.members()) {
                l->Key_C_Click(key);
                control->click();
                expectNaming(*l, system, seen);
            }
            for (const char* name : {"KeyUp", "ScaleUp", "ScaleDown", "TypeUp", "TypeDown"}) {
                l->control(name).click();
                expectNaming(*l, system, seen);
            }
        }
        l->Clear_Me_Click();
        expectNaming(*l, system, seen);
        if (system != NameSystem::English) {
            std::size_t inFolder = 0;
            for (const std::string& name : seen)
                inFolder += name.find(std::string("/").append(images::systemFolder(system))) !=
                            std::string::npos;
            EXPECT_GT(inFolder, 100u) << "the naming's own pictures were loaded";
        }
    }
}

TEST(NoteNames, SwitchingKeepsChordMasksAndToggles) {
    Pennatone w;
    w->Base_Click(6);
    w->Ty_Click(9);
    w->Mask_3_Click();
    w->Select_C_Click();
    const auto overlays = shownOverlays(*w);
    const QJsonObject variables = w->variables();
    for (NameSystem system : {NameSystem::German, NameSystem::Solfege, NameSystem::English}) {
        w->setNames(system);
        EXPECT_EQ(shownOverlays(*w), overlays);
        EXPECT_TRUE(w->Mask_o("3").visible());
        QJsonObject now = w->variables();
        now.remove("Folder_12");
        now.remove("Folder_17");
        QJsonObject then = variables;
        then.remove("Folder_12");
        then.remove("Folder_17");
        EXPECT_EQ(now, then);
        const std::string sys = images::systemFolder(system);
        EXPECT_EQ(pic(*w->Chord_Report), "img/demo/" + sys + "12/E.bmp");
        EXPECT_EQ(pic(w->Base(6)), "img/demo/" + sys + "15/E.bmp");
        EXPECT_EQ(pic(w->Base(0)), "img/demo/" + sys + "16/C.bmp");
        EXPECT_EQ(pic(*w->Report_Tone), "img/demo/" + sys + "12/E_Box.bmp");
        EXPECT_EQ(pic(*w->Type_o), "img/demo/19/" + w->Chord_Type + ".bmp") << "types keep";
        EXPECT_EQ(w->Folder_12, kBin + "/img/demo/" + sys + "12/");
    }
}

// German B♭ is written B, the picture English uses for B; German B is H,
// which English never shows; every other name is the same picture.
TEST(NoteNames, GermanPicturesAreTheEnglishOnesButForBAndH) {
    for (const std::string folder : {"12/", "15/", "16/", "17/"}) {
        for (const char* note : theory::Root_Names) {
            const std::string n = note;
            const QImage german = libraryImage("img/demo/german/" + folder + n + ".bmp");
            ASSERT_FALSE(german.isNull()) << folder << n;
            if (n == "Bb") {
                EXPECT_EQ(german, libraryImage("img/demo/" + folder + "B.bmp"));
            } else if (n == "B") {
                for (const char* other : theory::Root_Names)
                    EXPECT_NE(german, libraryImage("img/demo/" + folder + other + ".bmp"))
                        << "H is no English name";
            } else {
                EXPECT_EQ(german, libraryImage("img/demo/" + folder + n + ".bmp")) << folder << n;
            }
        }
    }
}

TEST(NoteNames, SolfegePicturesTellEveryPitchApart) {
    for (const char* folder : {"12/", "16/", "17/"}) {
        for (const auto& a : theory::kNoteNames)
            for (const auto& b : theory::kNoteNames) {
                if (a.pitch == b.pitch) continue;
                EXPECT_NE(libraryImage("img/demo/solfege/" + std::string(folder) + a.name + ".bmp"),
                          libraryImage("img/demo/solfege/" + std::string(folder) + b.name + ".bmp"))
                    << folder << a.name << " " << b.name;
            }
    }
}

}  // namespace
