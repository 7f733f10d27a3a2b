// demo-driver: runs one window without a screen, clicks its controls and prints its state.
#include <QApplication>
#include <QDir>
#include <QJsonDocument>
#include <cstdio>
#include <iostream>
#include <memory>

#include "tools/demo_driver/state.h"
#include "ui/qt/qt_view.h"
#include "ui/window_factory.h"

namespace {

void print(const QJsonObject& o) {
    std::cout << QJsonDocument(o).toJson(QJsonDocument::Indented).toStdString() << std::flush;
}

int usage() {
    std::cerr << "usage: demo-driver PROGRAM [--folder DIR] [--screenshot FILE.png] [STEP ...]\n"
                 "       demo-driver --catalog\n";
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

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return usage();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (args[0] == "--catalog") {
        print(driver::catalog());
        return 0;
    }
    const std::string program = args[0];
    std::string folder = QCoreApplication::applicationDirPath().toStdString();
    std::string screenshot;
    std::vector<std::string> steps;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--folder" && i + 1 < args.size()) {
            folder = QDir(QString::fromStdString(args[++i])).absolutePath().toStdString();
        } else if (args[i] == "--screenshot" && i + 1 < args.size()) {
            screenshot = args[++i];
        } else {
            steps.push_back(args[i]);
        }
    }
    ui::MemoryClipboard clipboard;
    ui::Platform platform{folder, &clipboard, nullptr};
    std::unique_ptr<ui::DemoWindow> window = ui::makeWindow(program, platform);
    if (!window) {
        std::cerr << "unknown program " << program << "\n";
        return 2;
    }
    std::vector<std::string> errors;
    guarded([&] { window->Form_Load(); }, errors);

    bool dumped = false;
    for (std::size_t i = 0; i < steps.size() && !window->exited(); ++i) {
        const std::string& name = steps[i];
        if (name == "dump") {
            print(driver::windowState(*window, clipboard, errors));
            dumped = true;
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
    return 0;
}
