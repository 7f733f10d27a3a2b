#pragma once

// The Qt view of the window model, and with it everything a program or a test
// of the view needs: the control widgets, failure reports, the program's run.

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ui/demo_window.h"
#include "ui/option_entries.h"
#include "ui/qt/control_widget.h"
#include "ui/qt/failures.h"
#include "ui/qt/program.h"

class QAction;
class QMenu;

namespace ui::qt {

// Makes the built-in artwork available; the resources sit in a static
// library, so somebody has to reference them. Safe to call more than once.
void initArtwork();

class OptionsMenu;

// The real window of one DemoWindow: one widget per control, made once, when
// the control is first shown.
class QtView : public QWidget {
    Q_OBJECT
public:
    explicit QtView(DemoWindow& window, QWidget* parent = nullptr);
    ~QtView() override;

    DemoWindow& window() const { return m_window; }
    // The window's client surface: parent of every top-level control.
    QWidget* surface() const { return m_surface; }
    // The widget of a control, made when first asked for.
    ControlWidget* widgetFor(const Control& control) const;
    // Per control, in the window's creation order: its widget, or null while
    // the control has never shown (hidden or under a picture box) nor been
    // asked for.
    const std::vector<ControlWidget*>& widgets() const { return m_widgets; }

    // What a user's click on the control does: the handler runs guarded, then
    // one sync pass; an exited window closes.
    void click(Control& control);
    // A right-click on a control that plays something, then one sync pass.
    void rightClick(Control& control);
    // The pointer resting on a control, or leaving it.
    void hover(Control& control, bool entered);
    void wheel(Control& control, int notches);
    // Applies every control whose revision moved and the window frame.
    void sync();
    // Controls applied by the last sync pass.
    int lastPassApplied() const { return m_lastPassApplied; }

    void setReporter(Reporter reporter) { m_reporter = std::move(reporter); }

    // The options menu, opened by the Options label, a right-click on the
    // window's background or Ctrl+,. A choice goes to the window, then one
    // sync pass; a changed choice is handed to the saver.
    // Made after the first frame, or at the first of these calls.
    QMenu* optionsMenu() const;
    void showOptions(const QPoint& globalPosition);
    void showOptionsAtLabel();
    QAction* leftHandedAction() const;
    QAction* soundAction() const;
    QAction* namingAction() const;
    QAction* namesAction(theory::NameSystem system) const;
    QAction* tuningAction(const std::string& key) const;
    // The action of any entry of the menu, as the window model lists it.
    QAction* optionAction(Option option, std::string_view value = {}) const;
    void setSettingsSaver(std::function<void(const Settings&)> saver) {
        m_saveSettings = std::move(saver);
    }

signals:
    void exited();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    OptionsMenu& options() const;
    void refreshOptionChecks();
    void chooseOption(const std::function<void()>& change);

    // Whether the control shows: visible and not wholly under a picture box
    // stacked above it.
    bool seen(const Control& c) const;
    ControlWidget* makeWidget(std::size_t i);
    void restackIfNeeded();
    void applyFrame(bool force);
    void applyCursor(std::size_t i);
    void applyHints(std::size_t i);
    void addStepKeys();

    DemoWindow& m_window;
    QWidget* m_surface = nullptr;
    std::vector<ControlWidget*> m_widgets;  // in the window's creation order
    std::unordered_map<const Control*, std::size_t> m_index;
    std::map<Control*, std::vector<Control*>> m_children;  // per container, bottom first
    std::map<Control*, std::vector<Control*>> m_boxes;     // per container, its picture boxes
    std::vector<int> m_appliedLayer;                       // per control, to notice a new layer
    std::vector<int> m_cursorState;                        // -1 unknown, 0 plain, 1 pointer
    std::uint64_t m_frameRevision = 0;
    int m_lastPassApplied = 0;
    Reporter m_reporter = messageBoxReporter;
    std::unique_ptr<OptionsMenu> m_options;  // made on first need
    std::function<void(const Settings&)> m_saveSettings;
};

// Draws the client area at the current frame size into a PNG file.
QImage renderClientArea(QtView& view);
bool renderToPng(QtView& view, const QString& file);

// A device that fails is said once, in one line in the window, never in a
// message box. `Player` is anything with a failed(QString) signal.
template <typename Player>
void showSoundFailures(QtView& view, Player& player) {
    QObject::connect(&player, &Player::failed, &view, [&view](const QString& line) {
        view.window().soundFailed(line.toStdString());
        view.sync();
    });
}

}  // namespace ui::qt
