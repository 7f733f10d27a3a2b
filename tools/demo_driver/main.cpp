// demo-driver: runs one window without a screen, clicks its controls and prints its state.
#include <QApplication>
#include <QDir>
#include <QJsonDocument>
#include <cstdio>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>

#include "sound/wav.h"
#include "theory/neck.h"
#include "theory/note_names.h"
#include "theory/tunings.h"
#include "tools/demo_driver/state.h"
#include "ui/qt/qt_view.h"
#include "ui/window_factory.h"

namespace {

void print(const QJsonDocument& d, QJsonDocument::JsonFormat format = QJsonDocument::Indented) {
    std::cout << d.toJson(format).toStdString() << std::flush;
}
void print(const QJsonObject& o) {
    print(QJsonDocument(o));
}

int usage() {
    std::cerr << "usage: demo-driver PROGRAM [--folder DIR] [--screenshot FILE.png] "
                 "[--left-handed] [--names SYSTEM] [--tuning KEY] [--sound on|off] [--fingers] "
                 "[--wav FILE.wav] [STEP ...]\n"
                 "       demo-driver --catalog [--tuning KEY] [--type KEY]\n"
                 "       demo-driver --fingering [--tuning KEY] GRIP ...\n"
                 "       demo-driver --tunings\n";
    return 2;
}

bool isNumber(const std::string& s) {
    if (s.empty()) return false;
    std::size_t i = (s[0] == '-') ? 1 : 0;
    if (i == s.size()) return false;
    for (; i < s.size(); ++i)
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

// Runs a click and records a failed picture load instead of stopping the run.
template <typename F>
void guarded(F&& f, std::vector<std::string>& errors) {
    try {
        f();
    } catch (const images::PictureLoadError& e) {
        errors.push_back(e.what());
    }
}

std::optional<bool> onOff(const std::string& word) {
    if (word == "on") return true;
    if (word == "off") return false;
    return std::nullopt;
}

// "option left-handed on|off", "option names SYSTEM", "option tuning KEY",
// "option sound on|off", "option naming on|off", "option fingers on|off": one choice
// in the options menu.
// Returns the words used, or 0 when the step is not one of these.
std::size_t optionStep(const std::vector<std::string>& steps, std::size_t i,
                       std::function<void()>& action, ui::DemoWindow& window) {
    if (i + 2 >= steps.size()) return 0;
    const std::string& what = steps[i + 1];
    const std::string& value = steps[i + 2];
    if (what == "left-handed") {
        const auto on = onOff(value);
        if (!on) return 0;
        action = [&window, on] { window.setLeftHanded(*on); };
        return 3;
    }
    if (what == "sound") {
        const auto on = onOff(value);
        if (!on) return 0;
        action = [&window, on] { window.setSound(*on); };
        return 3;
    }
    if (what == "naming") {
        const auto on = onOff(value);
        if (!on) return 0;
        action = [&window, on] { window.setNaming(*on); };
        return 3;
    }
    if (what == "fingers") {
        const auto on = onOff(value);
        if (!on) return 0;
        action = [&window, on] { window.setFingers(*on); };
        return 3;
    }
    if (what == "names") {
        const auto system = theory::nameSystemFromKey(value);
        if (!system) return 0;
        action = [&window, system] { window.setNames(*system); };
        return 3;
    }
    if (what == "tuning") {
        if (!theory::tuningByKey(value)) return 0;
        action = [&window, value] { window.setTuning(value); };
        return 3;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return usage();
    if (args[0] == "--fingering") {
        // A fingering depends on the frets alone; the tuning is checked, as elsewhere.
        // No window is made, so no application either.
        std::size_t first = 1;
        if (args.size() >= 3 && args[1] == "--tuning") {
            if (!theory::tuningByKey(args[2])) {
                std::cerr << "unknown tuning " << args[2] << "\n";
                return 2;
            }
            first = 3;
        }
        std::vector<theory::Frets> grips;
        for (std::size_t i = first; i < args.size(); ++i) {
            const auto grip = driver::parseGrip(args[i]);
            if (!grip) {
                std::cerr << "not a grip: " << args[i]
                          << " (six strings, lowest first: x32010 or 8,10,10,9,8,8)\n";
                return 2;
            }
            grips.push_back(*grip);
        }
        print(QJsonDocument(driver::fingerings(grips)));
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (args[0] == "--tunings" && args.size() == 1) {
        print(driver::tunings());
        return 0;
    }
    if (args[0] == "--catalog") {
        const theory::Tuning* tuning = &theory::standardTuning();
        std::string type;
        for (std::size_t i = 1; i < args.size(); i += 2) {
            const std::string value = i + 1 < args.size() ? args[i + 1] : std::string();
            if (args[i] == "--tuning") {
                tuning = theory::tuningByKey(value);
                if (!tuning) {
                    std::cerr << "unknown tuning " << value << "\n";
                    return 2;
                }
            } else if (args[i] == "--type" && theory::chordTypeByKey(value)) {
                type = value;
            } else {
                std::cerr << "unknown " << (args[i] == "--type" ? "chord type " + value : args[i])
                          << "\n";
                return 2;
            }
        }
        // Every grip of every chord: hundreds of megabytes when indented.
        print(QJsonDocument(driver::catalog(*tuning, type)), QJsonDocument::Compact);
        return 0;
    }
    const std::string program = args[0];
    std::string folder = QCoreApplication::applicationDirPath().toStdString();
    std::string screenshot;
    std::string wav;
    std::vector<std::string> steps;
    ui::Settings settings;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--folder" && i + 1 < args.size()) {
            folder = QDir(QString::fromStdString(args[++i])).absolutePath().toStdString();
        } else if (args[i] == "--screenshot" && i + 1 < args.size()) {
            screenshot = args[++i];
        } else if (args[i] == "--wav" && i + 1 < args.size()) {
            wav = args[++i];
        } else if (args[i] == "--sound" && i + 1 < args.size()) {
            const auto on = onOff(args[++i]);
            if (!on) {
                std::cerr << "--sound takes on or off, not " << args[i] << "\n";
                return 2;
            }
            settings.sound = *on;
        } else if (args[i] == "--fingers") {
            settings.fingers = true;
        } else if (args[i] == "--left-handed") {
            settings.left_handed = true;
        } else if (args[i] == "--names" && i + 1 < args.size()) {
            const auto system = theory::nameSystemFromKey(args[++i]);
            if (!system) {
                std::cerr << "unknown note names " << args[i] << "\n";
                return 2;
            }
            settings.names = *system;
        } else if (args[i] == "--tuning" && i + 1 < args.size()) {
            if (!theory::tuningByKey(args[++i])) {
                std::cerr << "unknown tuning " << args[i] << "\n";
                return 2;
            }
            settings.tuning = args[i];
        } else {
            steps.push_back(args[i]);
        }
    }
    ui::MemoryClipboard clipboard;
    // Without --wav nothing is heard: demo-driver never opens an audio device.
    std::unique_ptr<sound::WavSink> sink;
    if (!wav.empty()) sink = std::make_unique<sound::WavSink>(wav);
    ui::Platform platform{folder, &clipboard, nullptr, sink.get()};
    std::unique_ptr<ui::DemoWindow> window = ui::makeWindow(program, platform);
    if (!window) {
        std::cerr << "unknown program " << program << "\n";
        return 2;
    }
    std::vector<std::string> errors;
    // The options are in force from the start, as if chosen in an earlier run.
    guarded([&] { window->applySettings(settings); }, errors);
    guarded([&] { window->Form_Load(); }, errors);

    bool dumped = false;
    for (std::size_t i = 0; i < steps.size() && !window->exited(); ++i) {
        const std::string& name = steps[i];
        if (name == "dump") {
            print(driver::windowState(*window, clipboard, errors));
            dumped = true;
            continue;
        }
        if (name == "option") {
            std::function<void()> action;
            const std::size_t used = optionStep(steps, i, action, *window);
            if (!used) {
                std::cerr << "unknown option:";
                for (std::size_t k = i; k < steps.size() && k < i + 3; ++k)
                    std::cerr << " " << steps[k];
                std::cerr << "\n";
                return 2;
            }
            i += used - 1;
            guarded(action, errors);
            continue;
        }
        if (name == "fret") {
            // A click on the neck in "Name a chord": string S (0 lowest) at fret F (0 open).
            if (i + 2 >= steps.size() || !isNumber(steps[i + 1]) || !isNumber(steps[i + 2])) {
                std::cerr << "fret needs a string and a fret\n";
                return 2;
            }
            const int string = std::stoi(steps[i + 1]), fret = std::stoi(steps[i + 2]);
            i += 2;
            ui::Control* spot =
                string >= 0 && string < theory::neck::kStrings && fret >= 0 &&
                        fret <= theory::neck::kFrets
                    ? window->find("Neck_Spot(" +
                                   std::to_string(ui::DemoWindow::spotIndex(string, fret)) + ")")
                    : nullptr;
            if (!spot) {
                std::cerr << "no string " << string << " at fret " << fret << "\n";
                return 2;
            }
            guarded([&] { spot->click(); }, errors);
            continue;
        }
        if (name == "name") {
            if (i + 1 >= steps.size() || !isNumber(steps[i + 1])) {
                std::cerr << "name needs the index of a chord name\n";
                return 2;
            }
            const std::string key = "Chord_Name(" + steps[++i] + ")";
            ui::Control* chordName = window->find(key);
            if (!chordName) {
                std::cerr << "unknown control " << key << "\n";
                return 2;
            }
            guarded([&] { chordName->click(); }, errors);
            continue;
        }
        if (name == "hover") {
            // The pointer resting on gallery item I ("root": the diagram beside
            // the name), or leaving the one it rests on ("off").
            if (i + 1 >= steps.size()) {
                std::cerr << "hover needs a gallery index, root or off\n";
                return 2;
            }
            const std::string& what = steps[++i];
            if (what == "off") {
                if (ui::Control* cell = window->find(
                        "Chord_Display(" + std::to_string(window->hoveredDiagram()) + ")"))
                    guarded([&] { cell->hover(false); }, errors);
                continue;
            }
            const std::string key = "Chord_Display(" + (what == "root" ? "18" : what) + ")";
            ui::Control* cell = isNumber(what) || what == "root" ? window->find(key) : nullptr;
            if (!cell) {
                std::cerr << "unknown control " << key << "\n";
                return 2;
            }
            guarded([&] { cell->hover(true); }, errors);
            continue;
        }
        if (name == "page") {
            // A click on an arrow of the gallery's page control.
            const std::string what = i + 1 < steps.size() ? steps[i + 1] : std::string();
            if (what != "next" && what != "prev") {
                std::cerr << "page needs next or prev\n";
                return 2;
            }
            ++i;
            ui::Control* arrow = what == "next" ? window->Page_Next : window->Page_Prev;
            guarded([&] { arrow->click(); }, errors);
            continue;
        }
        if (name == "play") {
            if (i + 1 >= steps.size() || !isNumber(steps[i + 1])) {
                std::cerr << "play needs a gallery index\n";
                return 2;
            }
            const std::string key = "Chord_Display(" + steps[++i] + ")";
            ui::Control* cell = window->find(key);
            if (!cell) {
                std::cerr << "unknown control " << key << "\n";
                return 2;
            }
            guarded([&] { cell->rightClick(); }, errors);
            continue;
        }
        std::string key = name;
        if (window->array(name)) {
            if (i + 1 >= steps.size() || !isNumber(steps[i + 1])) {
                std::cerr << "control array " << name << " needs an index\n";
                return 2;
            }
            key = name + "(" + steps[++i] + ")";
        }
        ui::Control* control = window->find(key);
        if (!control || (!window->array(name) && control->index() >= 0)) {
            std::cerr << "unknown control " << key << "\n";
            return 2;
        }
        guarded([&] { control->click(); }, errors);
    }
    if (!screenshot.empty()) {
        ui::qt::QtView view(*window);
        if (!ui::qt::renderToPng(view, QString::fromStdString(screenshot))) {
            std::cerr << "cannot write " << screenshot << "\n";
            return 1;
        }
    }
    if (!dumped || window->exited()) print(driver::windowState(*window, clipboard, errors));
    if (sink && !sink->error().empty()) {
        std::cerr << sink->error() << "\n";
        return 1;
    }
    return 0;
}
