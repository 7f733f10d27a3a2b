#include "ui/qt/options_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QMenu>

#include "ui/demo_window.h"
#include "ui/qt/qt_view.h"

namespace ui::qt {

OptionsMenu::OptionsMenu(QWidget* parent, DemoWindow& window, Chooser choose)
    : m_window(window), m_choose(std::move(choose)), m_menu(new QMenu(parent)) {
    for (const OptionGroup& group : optionMenu()) {
        QMenu* into = m_menu;
        QActionGroup* oneOf = nullptr;
        if (!group.title.empty()) {
            into = m_menu->addMenu(QString::fromStdString(group.title));
            oneOf = new QActionGroup(into);
        }
        for (const OptionEntry& entry : group.entries) {
            QAction* a = into->addAction(QString::fromStdString(entry.text));
            a->setCheckable(true);
            if (oneOf) oneOf->addAction(a);
            m_actions.emplace_back(&entry, a);
            QObject::connect(a, &QAction::triggered, m_menu, [this, entry = &entry](bool on) {
                m_choose([this, entry, on] { entry->choose(m_window, on); });
            });
        }
    }
    QObject::connect(m_menu, &QMenu::aboutToShow, m_menu, [this] { refresh(); });
    refresh();
}

QAction* OptionsMenu::action(Option option, std::string_view value) const {
    for (const auto& [entry, a] : m_actions)
        if (entry->option == option && entry->value == value) return a;
    return nullptr;
}

void OptionsMenu::refresh() {
    for (const auto& [entry, a] : m_actions) a->setChecked(entry->chosen(m_window.settings()));
}

// ---------------------------------------------------------------------------
// Where the view opens the menu, and what it does after a choice.

OptionsMenu& QtView::options() const {
    // Made on first need: asking for the menu changes nothing on screen.
    if (!m_options) {
        auto* self = const_cast<QtView*>(this);
        self->m_options = std::make_unique<OptionsMenu>(
            self, m_window,
            [self](const std::function<void()>& change) { self->chooseOption(change); });
    }
    return *m_options;
}

QMenu* QtView::optionsMenu() const {
    return options().menu();
}

QAction* QtView::optionAction(Option option, std::string_view value) const {
    return options().action(option, value);
}

QAction* QtView::leftHandedAction() const {
    return optionAction(Option::LeftHanded);
}

QAction* QtView::soundAction() const {
    return optionAction(Option::Sound);
}

QAction* QtView::namingAction() const {
    return optionAction(Option::Naming);
}

QAction* QtView::namesAction(theory::NameSystem system) const {
    return optionAction(Option::Names, theory::nameSystemKey(system));
}

QAction* QtView::tuningAction(const std::string& key) const {
    return optionAction(Option::Tuning, key);
}

void QtView::refreshOptionChecks() {
    if (m_options) m_options->refresh();  // made later, with the checks of that time
}

void QtView::showOptions(const QPoint& globalPosition) {
    if (m_window.exited()) return;
    refreshOptionChecks();
    optionsMenu()->popup(globalPosition);
}

void QtView::showOptionsAtLabel() {
    const ControlWidget* label = m_window.Options ? widgetFor(*m_window.Options) : nullptr;
    showOptions(label ? label->mapToGlobal(QPoint(0, label->height())) : mapToGlobal(QPoint()));
}

void QtView::contextMenuEvent(QContextMenuEvent* event) {
    showOptions(event->globalPos());
    event->accept();
}

void QtView::chooseOption(const std::function<void()>& change) {
    const Settings before = m_window.settings();
    runGuarded(change, m_reporter, this, windowTitle());
    sync();
    if (!(m_window.settings() == before))
        for (std::size_t i = 0; i < m_widgets.size(); ++i)
            if (m_widgets[i]) applyHints(i);
    refreshOptionChecks();
    if (m_saveSettings && !(m_window.settings() == before)) m_saveSettings(m_window.settings());
}

}  // namespace ui::qt
