#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ui/demo_window.h"

class QAction;
class QMenu;

namespace ui::qt {

inline constexpr int kTwipsPerPixel = 15;

// Twips to pixels, rounding towards minus infinity so that every position
// maps the same way whatever its sign.
int twipsToPixels(int twips);

// Makes the built-in artwork available; the resources sit in a static
// library, so somebody has to reference them. Safe to call more than once.
void initArtwork();

// The window's base font: Courier New 8.25 pt, or its metric twin when the
// machine has no Courier New. Also registers substitutes for the other
// families the windows name.
QFont baseFont();

// Shows a failure of the window's code to the user.
using Reporter = std::function<void(QWidget* parent, const QString& title, const QString& text)>;
void messageBoxReporter(QWidget* parent, const QString& title, const QString& text);

// What the user reads about a failure: the file and the reason for a picture
// that cannot be loaded, the message for anything else.
QString describeFailure(const std::exception& failure);

// Runs one step of the window's code; a failure is reported and the program
// goes on. Returns false when the step failed.
bool runGuarded(const std::function<void()>& step, const Reporter& report, QWidget* parent,
                const QString& title);

// The real widget of one model control. It keeps a copy of what was last
// applied, so that what is on screen changes only in a sync pass.
class ControlWidget : public QWidget {
    Q_OBJECT
public:
    ControlWidget(Control& control, QWidget* parent);

    Control& control() const { return m_control; }
    // Copies every property of the control; returns false when its revision
    // has not moved since the last time.
    bool apply(bool force = false);

    const QString& caption() const { return m_caption; }
    QColor backColor() const { return m_back; }
    QColor foreColor() const { return m_fore; }
    bool transparentBackground() const { return m_transparent; }
    const QImage& image() const { return m_image; }
    const QString& pictureName() const { return m_pictureName; }
    bool selected() const { return m_value; }
    // The accessible name a screen reader last read; none while none asked.
    const std::optional<QString>& readName() const { return m_readName; }
    void setReadName(const QString& name) { m_readName = name; }

signals:
    void clicked(ui::Control* control);
    void rightClicked(ui::Control* control);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void paintLabel(QPainter& p);
    void paintOption(QPainter& p);
    void paintFrame(QPainter& p);

    Control& m_control;
    std::uint64_t m_applied = 0;
    bool m_pressed = false;
    QString m_caption;
    QColor m_back, m_fore;
    bool m_transparent = false;
    QImage m_image;
    QString m_pictureName;
    bool m_value = false;
    std::optional<QString> m_readName;
};

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
    void setSettingsSaver(std::function<void(const Settings&)> saver) {
        m_saveSettings = std::move(saver);
    }

signals:
    void exited();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildOptionsMenu();
    void buildTuningMenu();
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
    QMenu* m_options = nullptr;
    QAction* m_leftHanded = nullptr;
    QAction* m_sound = nullptr;
    QAction* m_naming = nullptr;
    std::vector<std::pair<theory::NameSystem, QAction*>> m_nameActions;
    std::vector<std::pair<std::string, QAction*>> m_tuningActions;
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

// The whole program around one window: display check, application, clipboard,
// platform, Form_Load, view, event loop. Returns the exit code.
int runProgram(int argc, char** argv, const char* programName,
               const std::function<std::unique_ptr<DemoWindow>(Platform)>& makeWindow);

}  // namespace ui::qt
