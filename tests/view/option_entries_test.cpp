// The options menu is the window model's list of entries, shown: nothing in
// it is the view's own, and every action does what its entry says.
#include "ui/option_entries.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <string>
#include <vector>

#include "../support/windows.h"
#include "theory/tunings.h"
#include "ui/qt/qt_view.h"

namespace {

using namespace testing_support;
using ui::Option;
using ui::OptionEntry;
using ui::OptionGroup;
using ui::qt::QtView;

// "Title/Text" per checkable action, "Text" for those straight in the menu.
std::vector<std::string> menuLines(const QMenu& menu, const std::string& prefix = "") {
    std::vector<std::string> lines;
    for (const QAction* a : menu.actions()) {
        if (a->menu())
            for (const std::string& line : menuLines(*a->menu(), a->text().toStdString() + "/"))
                lines.push_back(line);
        else
            lines.push_back(prefix + a->text().toStdString());
    }
    return lines;
}

std::vector<std::string> modelLines() {
    std::vector<std::string> lines;
    for (const OptionGroup& group : ui::optionMenu())
        for (const OptionEntry& entry : group.entries)
            lines.push_back((group.title.empty() ? "" : group.title + "/") + entry.text);
    return lines;
}

const OptionGroup& groupOf(Option option) {
    for (const OptionGroup& group : ui::optionMenu())
        for (const OptionEntry& entry : group.entries)
            if (entry.option == option) return group;
    throw std::logic_error("no such option in the menu");
}

TEST(OptionEntries, TheMenuShowsTheModelsEntriesInTheirOrder) {
    Pennatone w;
    QtView view(*w);
    const std::vector<std::string> expected{"Left-handed",
                                            "Sound",
                                            "Name a chord",
                                            "Finger numbers",
                                            "Note names/English",
                                            "Note names/German",
                                            "Note names/Solf\u00e8ge",
                                            "Tuning/Standard (default)",
                                            "Tuning/E\u266d standard",
                                            "Tuning/D standard",
                                            "Tuning/Drop D",
                                            "Tuning/DADGAD",
                                            "Tuning/Open G",
                                            "Tuning/Open D"};
    EXPECT_EQ(modelLines(), expected);
    EXPECT_EQ(menuLines(*view.optionsMenu()), modelLines());
}

TEST(OptionEntries, EachNamingAndTuningIsOfferedOnceByItsOwnName) {
    const OptionGroup& names = groupOf(Option::Names);
    ASSERT_EQ(names.entries.size(), std::size(theory::kNameSystems));
    for (std::size_t i = 0; i < names.entries.size(); ++i) {
        const theory::NameSystem system = theory::kNameSystems[i];
        EXPECT_EQ(names.entries[i].value, theory::nameSystemKey(system));
        EXPECT_EQ(names.entries[i].text, ui::nameSystemTitle(system));
    }
    const OptionGroup& tunings = groupOf(Option::Tuning);
    ASSERT_EQ(tunings.entries.size(), theory::kTunings.size());
    for (std::size_t i = 0; i < tunings.entries.size(); ++i)
        EXPECT_EQ(tunings.entries[i].value, theory::kTunings[i].key);
}

// On a fresh window each time, so that no earlier choice hides a wrong one.
TEST(OptionEntries, ChoosingAnEntryMakesItTheOneChosen) {
    for (const OptionGroup& group : ui::optionMenu())
        for (const OptionEntry& entry : group.entries) {
            SCOPED_TRACE(entry.text);
            Pennatone w;
            if (group.title.empty()) {
                entry.choose(*w, !entry.chosen(w->settings()));
                const bool now = entry.chosen(w->settings());
                entry.choose(*w, !now);
                EXPECT_NE(entry.chosen(w->settings()), now);
                continue;
            }
            // The default of a group is chosen already: start from another.
            const OptionEntry& other =
                &entry == &group.entries.front() ? group.entries.back() : group.entries.front();
            other.choose(*w, true);
            ASSERT_FALSE(entry.chosen(w->settings()));
            entry.choose(*w, true);
            for (const OptionEntry& e : group.entries)
                EXPECT_EQ(e.chosen(w->settings()), &e == &entry) << e.text;
        }
}

// The view's action of an entry is wired to that entry, and its check mark
// follows the settings the choice leaves.
TEST(OptionEntries, EveryActionChoosesItsOwnEntry) {
    for (const OptionGroup& group : ui::optionMenu())
        for (const OptionEntry& entry : group.entries) {
            SCOPED_TRACE(entry.text);
            Pennatone w;
            QtView view(*w);
            QAction* action = view.optionAction(entry.option, entry.value);
            ASSERT_TRUE(action);
            EXPECT_EQ(action->text().toStdString(), entry.text);
            EXPECT_EQ(action->actionGroup() != nullptr, !group.title.empty());
            const ui::Settings before = w->settings();
            if (!group.title.empty() && entry.chosen(before)) {
                // Already the one: choose another first, through the menu too.
                const OptionEntry& other = group.entries.back();
                view.optionAction(other.option, other.value)->trigger();
                ASSERT_FALSE(entry.chosen(w->settings()));
            }
            const bool wasChosen = entry.chosen(w->settings());
            action->trigger();
            EXPECT_NE(entry.chosen(w->settings()), wasChosen);
            EXPECT_EQ(action->isChecked(), entry.chosen(w->settings()));
        }
}

}  // namespace
