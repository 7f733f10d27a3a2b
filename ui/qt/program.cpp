#include "ui/qt/program.h"

#include <QApplication>
#include <cstdio>

#include "ui/qt/qt_clipboard.h"
#include "ui/qt/qt_view.h"
#include "ui/qt/settings_store.h"
#include "ui/qt/sound_module.h"
#include "ui/qt/startup_trace.h"

namespace ui::qt {

int runProgram(int argc, char** argv, const char* programName,
               const std::function<std::unique_ptr<DemoWindow>(Platform)>& makeWindow) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "No display: run under X, e.g. xvfb-run -a %s\n", programName);
        return 1;
    }
    markStartup("main");
    QApplication app(argc, argv);
    QApplication::setApplicationName(programName);
    initArtwork();
    markStartup("application");

    QtClipboard clipboard;
    SoundModule player;
    Platform platform{QCoreApplication::applicationDirPath().toStdString(), &clipboard,
                      [] { QCoreApplication::quit(); }, &player};
    std::unique_ptr<DemoWindow> window;
    if (!runGuarded([&] { window = makeWindow(std::move(platform)); }, messageBoxReporter, nullptr,
                    programName))
        return 1;
    const QString title = QString::fromStdString(window->caption());
    // The player's earlier choices; nothing is written until one changes.
    const SettingsStore store(SettingsStore::userFile());
    runGuarded([&] { window->applySettings(store.load()); }, messageBoxReporter, nullptr, title);
    runGuarded([&] { window->Form_Load(); }, messageBoxReporter, nullptr, title);
    markStartup("Form_Load");
    if (window->exited()) return 0;

    QtView view(*window);
    markStartup("view");
    // A file that cannot be written only means the choice is not kept.
    view.setSettingsSaver([&store](const Settings& s) { store.save(s); });
    QObject::connect(&view, &QtView::exited, &app, &QCoreApplication::quit);
    showSoundFailures(view, player);
    view.show();
    markStartup("shown");
    return app.exec();
}

}  // namespace ui::qt
