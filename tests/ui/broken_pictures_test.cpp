// A broken or missing picture stops only the click that loads it: the handler
// stops there with a message naming the file, and the window goes on.
#include "../support/broken_pictures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>

#include "../support/library.h"
#include "../support/windows.h"
#include "chords/key_tables.h"
#include "chords/pennatone_types.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using namespace broken_pictures;

// --- Through a click -------------------------------------------------------------------

// A library copy with one picture replaced by something broken; put back between cases.
class DamagedLibrary {
public:
    void damage(const std::string& relative, const std::function<void(const fs::path&)>& make) {
        restore();
        m_damaged = relative;
        fs::remove_all(path(relative));
        make(path(relative));
    }
    void restore() {
        if (m_damaged.empty()) return;
        for (const char* extra : {"gone.bmp", "loop.bmp"})
            fs::remove_all(path(m_damaged).parent_path() / extra);
        fs::remove_all(path(m_damaged));
        fs::copy_file(fs::path(DEMO_BIN_DIR) / "img/demo" / m_damaged, path(m_damaged));
        m_damaged.clear();
    }
    fs::path path(const std::string& relative) const {
        return fs::path(m_copy.folder()) / "img/demo" / relative;
    }
    std::string folder() const { return m_copy.folder(); }

private:
    LibraryCopy m_copy;
    std::string m_damaged;
};

std::optional<images::PictureLoadError> clickError(ui::Control& c) {
    try {
        c.click();
    } catch (const images::PictureLoadError& e) {
        return e;
    }
    return std::nullopt;
}

TEST(BadPictureClick, TheHandlerStopsAtTheBrokenPictureAndTheWindowGoesOn) {
    const chords::PennatoneType& major = *chords::pennatoneType(0);
    const std::string broken = std::string(major.dir) + "/3.bmp";
    DamagedLibrary library;
    for (const FileCase& c : brokenFiles()) {
        SCOPED_TRACE(c.what);
        library.damage(broken, c.make);
        Pennatone p(library.folder());
        ASSERT_FALSE(clickError(p->Base(0)));
        const auto error = clickError(p->Ty(0));
        ASSERT_TRUE(error);
        EXPECT_EQ(error->file(), "img/demo/" + broken);
        EXPECT_EQ(error->reason(), c.reason);
        // The steps before the broken picture stay done, nothing after it happened.
        EXPECT_EQ(p->Chord_Type, major.key);
        EXPECT_FALSE(p->Logo_Box->visible());
        for (int i = 0; i <= 1; ++i)
            EXPECT_EQ(pic(p->Chord_Display(i)),
                      "img/demo/" + std::string(major.dir) + "/" + std::to_string(i + 1) + ".bmp");
        for (int i = 2; i <= 18; ++i) EXPECT_EQ(pic(p->Chord_Display(i)), "") << i;
        EXPECT_EQ(pic(*p->Type_o), "");
        EXPECT_EQ(pic(p->FretDisplay(0)), "");
        // The window takes the next click as if nothing had happened.
        ASSERT_FALSE(clickError(p->Ty(1)));
        EXPECT_EQ(pic(*p->Type_o), "img/demo/19/add9.bmp");
        ASSERT_FALSE(clickError(p->Mask("7")));
        EXPECT_TRUE(p->Mask_o("7").visible());
    }
}

TEST(BadPictureClick, LyrafretStopsAtTheBrokenPictureToo) {
    const chords::KeyChord& first = *chords::keyChord(0);
    const std::string broken = std::string(first.dir) + "/3.bmp";
    DamagedLibrary library;
    for (const FileCase& c : brokenFiles()) {
        SCOPED_TRACE(c.what);
        library.damage(broken, c.make);
        Lyrafret l(library.folder());
        ASSERT_FALSE(clickError(l->Key_C(0)));
        const auto error = clickError(l->key(0));
        ASSERT_TRUE(error);
        EXPECT_EQ(error->file(), "img/demo/" + broken);
        EXPECT_EQ(error->reason(), c.reason);
        EXPECT_EQ(pic(l->Chord_Display(1)), "img/demo/" + std::string(first.dir) + "/2.bmp");
        EXPECT_EQ(pic(l->Chord_Display(2)), "img/demo/13/b2.bmp");
        EXPECT_EQ(pic(*l->Type_o), "");
        ASSERT_FALSE(clickError(l->key(2)));
        EXPECT_EQ(pic(*l->Type_o),
                  "img/demo/19/" + std::string(chords::keyChord(2)->Chord_Type) + ".bmp");
    }
}

TEST(BadPictureClick, AGoodPictureOfAnUnexpectedSizeIsShown) {
    const std::vector<QSize> sizes{{200, 10}, {1, 1}, {3, 900}};
    const chords::PennatoneType& major = *chords::pennatoneType(0);
    DamagedLibrary library;
    for (const QSize& size : sizes) {
        library.damage(std::string(major.dir) + "/3.bmp", [&](const fs::path& p) {
            writeBytes(p, rgb24(size.width(), size.height()));
        });
        Pennatone p(library.folder());
        p->Base(0).click();
        ASSERT_FALSE(clickError(p->Ty(0)));
        EXPECT_EQ(p->Chord_Display(2).picture().image.size(), size);
        EXPECT_EQ(pic(*p->Type_o), "img/demo/19/major.bmp");
    }
}

// --- Damaged or missing library -------------------------------------------------------

std::map<std::string, std::string> pictureNames(const ui::DemoWindow& w) {
    std::map<std::string, std::string> names;
    for (const auto& c : w.controls()) names[c->key()] = c->picture().name;
    return names;
}

bool isExit(const ui::Control& c) {
    return c.name() == "close_me" || c.name() == "Exit_Me";
}

template <typename Fixture>
void everyClickReportsTheFirstMissingFile(const std::string& chordRoot,
                                          const std::string& chordOption) {
    QTemporaryDir empty;
    const std::string folder = empty.path().toStdString();
    Fixture w(folder, false);
    ASSERT_FALSE(refusal([&] { w->Form_Load(); })) << "start-up loads nothing";
    int reported = 0;
    for (const auto& control : w->controls()) {
        if (!control->clickable() || isExit(*control)) continue;
        const auto before = pictureNames(*w);
        const auto error = clickError(*control);
        if (!error) continue;
        ++reported;
        EXPECT_TRUE(error->file().starts_with("img/demo/")) << error->file();
        EXPECT_TRUE(fs::is_regular_file(fs::path(DEMO_BIN_DIR) / error->file())) << error->file();
        EXPECT_EQ(error->reason(), "the file does not exist");
        // The first load failed, so no picture changed.
        EXPECT_EQ(pictureNames(*w), before) << control->key();
    }
    EXPECT_GT(reported, 0);
    // The library comes back: the next clicks work.
    fs::copy(fs::path(DEMO_BIN_DIR) / "img", fs::path(folder) / "img", fs::copy_options::recursive);
    EXPECT_FALSE(clickError(w->control(chordRoot)));
    EXPECT_FALSE(clickError(w->control(chordOption)));
    EXPECT_FALSE(w->Logo_Box->visible());
    EXPECT_TRUE(pic(*w->Type_o).starts_with("img/demo/19/"));
}

TEST(MissingLibrary, EveryClickReportsTheFirstMissingFileUntilTheLibraryIsBack) {
    everyClickReportsTheFirstMissingFile<Pennatone>("Base(3)", "Ty(0)");
    everyClickReportsTheFirstMissingFile<Lyrafret>("Key_C(3)", "key(0)");
}

TEST(LibraryPaths, AProgramFolderWithSpacesAndNonAsciiLettersWorks) {
    QTemporaryDir dir;
    const std::vector<std::string> folders{"My Programs/Guitar Tools",
                                           "Gitarr \xC3\x85\xC3\x84\xC3\x96/\xE9\x9F\xB3 demo",
                                           "  leading and trailing  "};
    for (const std::string& sub : folders) {
        const fs::path folder = fs::path(dir.path().toStdString()) / sub;
        fs::create_directories(folder);
        fs::copy(fs::path(DEMO_BIN_DIR) / "img", folder / "img", fs::copy_options::recursive);
        Pennatone p(folder.string());
        p->Base(6).click();
        ASSERT_FALSE(clickError(p->Ty(1))) << sub;
        EXPECT_EQ(pic(*p->Type_o), "img/demo/19/add9.bmp") << sub;
        Lyrafret l(folder.string());
        l->Key_C(6).click();
        ASSERT_FALSE(clickError(l->key(0))) << sub;
        EXPECT_FALSE(l->Logo_Box->visible()) << sub;
        // A failure names the file below the program folder, not the folder itself.
        fs::remove(folder / "img/demo/12/E.bmp");
        const auto error = clickError(p->Ty(0));
        ASSERT_TRUE(error) << sub;
        EXPECT_EQ(error->file(), "img/demo/12/E.bmp") << sub;
    }
}

// Every picture name a window can hold names a file of the library.
void expectInsideTheLibrary(const ui::DemoWindow& w, const ui::MemoryClipboard& clipboard,
                            std::set<std::string>& seen) {
    std::vector<std::string> names;
    for (const auto& c : w.controls()) names.push_back(c->picture().name);
    if (clipboard.content()) names.push_back(clipboard.content()->name);
    for (const std::string& name : names) {
        if (name.empty() || name.starts_with("builtin:") || !seen.insert(name).second) continue;
        EXPECT_TRUE(name.starts_with("img/demo/")) << name;
        const std::string rest = name.substr(std::string("img/demo/").size());
        EXPECT_EQ(fs::path(rest).lexically_normal().string(), rest) << name;
        for (const auto& part : fs::path(rest)) EXPECT_NE(part, "..") << name;
        EXPECT_TRUE(fs::is_regular_file(fs::path(DEMO_BIN_DIR) / name)) << name;
    }
}

template <typename Window>
void everyComposedPathStaysInside(const std::string& roots, const std::string& options) {
    Fixture<Window> w;
    std::set<std::string> seen;
    const ui::ControlArray& rootArray = *w->array(roots);
    const ui::ControlArray& optionArray = *w->array(options);
    std::vector<ui::Control*> others;
    for (const auto& c : w->controls())
        if (c->clickable() && !isExit(*c) && c->name() != roots && c->name() != options)
            others.push_back(c.get());
    for (const auto& [r, root] : rootArray.members()) {
        for (const auto& [o, option] : optionArray.members()) {
            root->click();
            option->click();
            expectInsideTheLibrary(*w, w.clipboard, seen);
        }
        for (ui::Control* c : others) {
            c->click();
            expectInsideTheLibrary(*w, w.clipboard, seen);
        }
    }
    EXPECT_GT(seen.size(), 100u);
}

TEST(LibraryPaths, EveryPictureAWindowComposesLiesInsideTheLibrary) {
    everyComposedPathStaysInside<ui::PennatoneDemo>("Base", "Ty");
    everyComposedPathStaysInside<ui::LyrafretDemo>("Key_C", "key");
}

}  // namespace
