// What a click costs: through the widget model, and through the model plus one
// sync pass of the Qt view, each against reading and decoding just the picture
// files that click loads. Pictures are read on every load, so the file work is
// the floor; everything above it is our own overhead.
//
//   click_bench [--folder DIR] [benchmark flags]
//
// DIR is the program folder holding img/demo/ (default: the build's bin folder).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "images/bmp_reader.h"
#include "ui/lyrafret_demo.h"
#include "ui/pennatone_demo.h"
#include "ui/qt/qt_view.h"
#include "ui/window_factory.h"

// The build links this program with --wrap=open, so every file the windows'
// code opens passes here; while a click is being recorded, its pictures are noted.
namespace {
bool g_recording = false;
std::vector<std::string> g_opened;
}  // namespace

extern "C" int __real_open(const char* path, int flags, ...);
extern "C" int __wrap_open(const char* path, int flags, ...) {
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list args;
        va_start(args, flags);
        mode = static_cast<mode_t>(va_arg(args, int));
        va_end(args);
    }
    const std::string name = path;
    if (g_recording && name.size() > 4 && name.compare(name.size() - 4, 4, ".bmp") == 0)
        g_opened.push_back(name);
    return __real_open(path, flags, mode);
}

namespace {

std::string g_folder = DEMO_BIN_DIR;

struct Scenario {
    std::string label;  // what the table calls it
    std::string program;
    std::vector<std::string> prepare;  // clicks that set the scene before every measured click
    std::string click;
    std::vector<std::string> files;  // what the click opens, recorded once
    std::string tuning = "standard";
    bool fingers = false;  // finger numbers: every diagram is drawn, not only read
};

std::unique_ptr<ui::DemoWindow> makeWindow(const Scenario& s, ui::Clipboard& clipboard) {
    ui::Platform platform{g_folder, &clipboard, nullptr};
    std::unique_ptr<ui::DemoWindow> w = ui::makeWindow(s.program, platform);
    ui::Settings settings;
    settings.tuning = s.tuning;
    settings.fingers = s.fingers;
    w->applySettings(settings);
    w->Form_Load();
    return w;
}

void clickAll(ui::DemoWindow& w, const std::vector<std::string>& keys) {
    for (const std::string& key : keys) w.control(key).click();
}

// One window (and, for the sync runs, its view) per scenario and kind of run.
struct Stage {
    ui::MemoryClipboard clipboard;
    std::unique_ptr<ui::DemoWindow> window;
    std::unique_ptr<ui::qt::QtView> view;
};
std::map<std::string, std::unique_ptr<Stage>> g_stages;

Stage& stage(const Scenario& s, bool withView) {
    auto& slot = g_stages[s.label + (withView ? "/view" : "/model")];
    if (!slot) {
        slot = std::make_unique<Stage>();
        slot->window = makeWindow(s, slot->clipboard);
        if (withView) slot->view = std::make_unique<ui::qt::QtView>(*slot->window);
    }
    return *slot;
}

std::vector<std::string> recordClick(const Scenario& s) {
    ui::MemoryClipboard clipboard;
    auto w = makeWindow(s, clipboard);
    clickAll(*w, s.prepare);
    g_opened.clear();
    g_recording = true;
    w->control(s.click).click();
    g_recording = false;
    return g_opened;
}

void rawRun(benchmark::State& state, const Scenario* s) {
    for (auto _ : state)
        for (const std::string& path : s->files)
            benchmark::DoNotOptimize(images::readBmp(path, path));
    state.counters["files"] = static_cast<double>(s->files.size());
}

void modelRun(benchmark::State& state, const Scenario* s) {
    Stage& st = stage(*s, false);
    ui::Control& target = st.window->control(s->click);
    for (auto _ : state) {
        state.PauseTiming();
        clickAll(*st.window, s->prepare);
        state.ResumeTiming();
        target.click();
    }
}

void syncRun(benchmark::State& state, const Scenario* s) {
    Stage& st = stage(*s, true);
    ui::Control& target = st.window->control(s->click);
    for (auto _ : state) {
        state.PauseTiming();
        clickAll(*st.window, s->prepare);
        st.view->sync();
        state.ResumeTiming();
        target.click();
        st.view->sync();
    }
    state.counters["applied"] = st.view->lastPassApplied();
}

// Keeps the console output and notes each run's CPU time for the ratio table:
// the files come from the page cache, so reading them is CPU work too, and a
// shared machine's other work then stays out of the figures.
class Collector : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that a saved log reads cleanly.
    Collector() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            const bool plain = r.run_type == Run::RT_Iteration && !r.aggregate_name.size();
            if (plain || r.aggregate_name == "median")
                times[r.run_name.function_name] = r.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

void printRatios(const std::vector<Scenario>& scenarios, const Collector& c) {
    std::printf("\nCPU time per click (median of the repetitions)\n");
    std::printf("%-40s %6s %10s %10s %10s %8s %8s\n", "click", "files", "raw us", "model us",
                "+sync us", "model/raw", "sync/raw");
    for (const Scenario& s : scenarios) {
        auto at = [&](const char* kind) {
            auto it = c.times.find(std::string(kind) + "/" + s.label);
            return it == c.times.end() ? 0.0 : it->second;
        };
        const double raw = at("raw"), model = at("model"), sync = at("sync");
        if (raw <= 0) continue;
        std::printf("%-40s %6zu %10.1f %10.1f %10.1f %8.2f %8.2f\n", s.label.c_str(),
                    s.files.size(), raw, model, sync, model / raw, sync / raw);
    }
    std::printf("goals: model/raw <= 1.30, sync/raw <= 2.00\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::string(argv[i]) == "--folder" && i + 1 < argc)
            g_folder = argv[++i];
        else
            args.push_back(argv[i]);
    }
    // Unless told otherwise: several rounds in shuffled order, so that a busy
    // moment of a shared machine does not land on one kind of run only.
    std::vector<std::string> defaults = {
        "--benchmark_repetitions=5", "--benchmark_enable_random_interleaving=true",
        "--benchmark_report_aggregates_only=true", "--benchmark_min_time=0.2"};
    for (std::string& d : defaults) {
        const std::string flag = d.substr(0, d.find('='));
        bool given = false;
        for (char* a : args) given |= std::string(a).rfind(flag, 0) == 0;
        if (!given) args.push_back(d.data());
    }
    int count = static_cast<int>(args.size());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(count, args.data());
    ui::qt::initArtwork();

    std::vector<Scenario> scenarios = {
        {"Pennatone Ty(0) after Base(6)", "PennatoneDemo", {"Base(6)"}, "Ty(0)", {}},
        {"Pennatone Base(6)", "PennatoneDemo", {}, "Base(6)", {}},
        {"Pennatone Clear_Me", "PennatoneDemo", {"Base(6)", "Ty(0)"}, "Clear_Me", {}},
        {"Lyrafret Key_C(1)", "LyrafretDemo", {}, "Key_C(1)", {}},
        {"Lyrafret key(5) after Key_C(1)", "LyrafretDemo", {"Key_C(1)"}, "key(5)", {}},
        {"Lyrafret Clear_Me", "LyrafretDemo", {"Key_C(1)", "key(5)"}, "Clear_Me", {}},
        {"Lyrafret KeyUp", "LyrafretDemo", {"Key_C(1)", "key(5)"}, "KeyUp", {}},
        // Another tuning searches its galleries and draws its overlays, once each.
        {"Pennatone Ty(0) after Base(6), DADGAD",
         "PennatoneDemo",
         {"Base(6)"},
         "Ty(0)",
         {},
         "dadgad"},
        {"Lyrafret key(5) after Key_C(1), Open G",
         "LyrafretDemo",
         {"Key_C(1)"},
         "key(5)",
         {},
         "open-g"},
        {"Pennatone Ty(0) after Base(6), fingers",
         "PennatoneDemo",
         {"Base(6)"},
         "Ty(0)",
         {},
         "standard",
         true},
        {"Lyrafret key(5) after Key_C(1), fingers",
         "LyrafretDemo",
         {"Key_C(1)"},
         "key(5)",
         {},
         "standard",
         true},
        // A page turned: the next page of a gallery chosen per root, and the
        // first page after a given set; its diagrams are drawn, not read.
        {"Pennatone Page_Next after Base(6) Ty(2)",
         "PennatoneDemo",
         {"Base(6)", "Ty(2)"},
         "Page_Next",
         {}},
        {"Pennatone Page_Next after Base(6) Ty(0)",
         "PennatoneDemo",
         {"Base(6)", "Ty(0)"},
         "Page_Next",
         {}},
        {"Lyrafret Page_Next after Key_C(1) key(5)",
         "LyrafretDemo",
         {"Key_C(1)", "key(5)"},
         "Page_Next",
         {}},
    };
    for (Scenario& s : scenarios) {
        s.files = recordClick(s);
        if (s.files.empty()) {
            std::fprintf(stderr, "%s opens no picture: is %s/img/demo/ there?\n", s.label.c_str(),
                         g_folder.c_str());
            return 1;
        }
        if (recordClick(s) != s.files) {
            std::fprintf(stderr, "%s does not open the same files twice\n", s.label.c_str());
            return 1;
        }
    }
    for (const Scenario& s : scenarios) {
        benchmark::RegisterBenchmark(("raw/" + s.label).c_str(), rawRun, &s)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("model/" + s.label).c_str(), modelRun, &s)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("sync/" + s.label).c_str(), syncRun, &s)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 2;
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    printRatios(scenarios, collector);
    g_stages.clear();  // the views go before the application
    benchmark::Shutdown();
    return 0;
}
