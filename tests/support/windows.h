#pragma once

// Windows over the generated image library, for tests.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "theory/notes.h"
#include "ui/lyrafret_demo.h"
#include "ui/pennatone_demo.h"

namespace testing_support {

template <typename Window>
struct Fixture {
    ui::MemoryClipboard clipboard;
    std::unique_ptr<Window> window;
    bool exitCalled = false;

    explicit Fixture(const std::string& folder = DEMO_BIN_DIR, bool load = true) {
        window = std::make_unique<Window>(
            ui::Platform{folder, &clipboard, [this] { exitCalled = true; }});
        if (load) window->Form_Load();
    }
    Window& operator*() { return *window; }
    Window* operator->() { return window.get(); }
};

using Pennatone = Fixture<ui::PennatoneDemo>;
using Lyrafret = Fixture<ui::LyrafretDemo>;

// A window that plays into a recorder instead of a device.
// Records what the window hands to the platform.
struct Recorder : sound::Output {
    std::vector<std::vector<sound::Note>> performances;
    void play(std::vector<sound::Note> notes) override { performances.push_back(std::move(notes)); }
};

template <typename Window>
struct Heard {
    ui::MemoryClipboard clipboard;
    Recorder out;
    std::unique_ptr<Window> window;
    Heard() {
        window = std::make_unique<Window>(ui::Platform{DEMO_BIN_DIR, &clipboard, [] {}, &out});
        window->Form_Load();
    }
    Window* operator->() { return window.get(); }
};

inline std::string pic(const ui::Control& c) {
    return c.picture().name;
}

// Note overlays the window shows, in name order.
inline std::vector<std::string> shownOverlays(const ui::DemoWindow& w) {
    std::vector<std::string> shown;
    for (const char* n : theory::Root_Names)
        if (w.NoteEntry(n).visible()) shown.push_back(n);
    std::sort(shown.begin(), shown.end());
    return shown;
}

}  // namespace testing_support
