// SPDX-License-Identifier: GPL-3.0-or-later
// The control table: every name once, each reachable by the action its kind takes (set for the
// boxes, option buttons and lists, press for the buttons), and the panel lists drawn from it.

#include <set>

#include "advisor/control_table.hpp"
#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

using ControlTable = AdvisorFixture;

std::string unknownName(std::string_view name) {
    return "no control named " + std::string(name);
}

// What the control shows, as a set gives it ("" for the others).
std::string shown(const ControlEntry& c, const Form& form) {
    return c.kind == ControlKind::Check  ? std::to_string(checkBoxOf(form, c)->value)
           : c.kind == ControlKind::Text ? textBoxOf(form, c)->text
           : c.kind == ControlKind::List ? std::string(listOf(form, c)->text())
                                         : "";
}

// The value a set gives the control: a change from what it shows, or an entry of its list.
std::string valueFor(const ControlEntry& c, const Form& form) {
    if (c.kind == ControlKind::Check) return shown(c, form) == "1" ? "0" : "1";
    if (c.kind == ControlKind::Text) return shown(c, form) == "9" ? "8" : "9";
    if (c.kind != ControlKind::List) return c.kind == ControlKind::Option ? "1" : "";
    const ListBox& list = *listOf(form, c);
    // The casino list's second entry, "New...", asks for a name first.
    if (c.role == ControlRole::Casino) return std::string(list.text());
    return list.items.empty() ? "" : list.items[list.items.size() > 1 ? 1 : 0];
}

TEST_F(ControlTable, EveryNameOnce) {
    std::set<std::string_view> names;
    for (const ControlEntry& c : controlTable()) {
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
        EXPECT_EQ(findControl(c.name), &c) << c.name;
    }
    EXPECT_EQ(names.size(), 80u);
    for (const char* name : {"", "chk01", "Text1", "Text19", "chk8", "Check10", "cbodozen",
                             "frmWagering.Text9", "frmWagering.Check2", "frmWagering."}) {
        EXPECT_EQ(findControl(name), nullptr) << name;
    }
}

TEST_F(ControlTable, HowManyListsAndFamilyBoxesByPosition) {
    const std::pair<int, std::string_view> lists[] = {
        {0, "cboDozen"}, {3, "cboCorner"}, {6, "cboSingle"}, {7, ""}, {-1, ""}};
    for (const auto& [k, name] : lists) EXPECT_EQ(howManyName(k), name) << k;
    // By family: its High label, Low and High boxes and Random box.
    using V = std::string_view;
    const std::tuple<int, V, V, V, V> rows[] = {{0, "Label15", "Text2", "Text3", "Check1"},
                                                {6, "Label33", "Text14", "Text15", "Check7"},
                                                {7, "Label43", "Text16", "Text17", "Check9"},
                                                {8, "", "", "", ""},
                                                {-1, "", "", "", ""}};
    for (const auto& [family, label, low, high, randomBox] : rows) {
        EXPECT_EQ(highLabelName(family), label) << family;
        EXPECT_EQ(thresholdBoxName(family, false), low) << family;
        EXPECT_EQ(thresholdBoxName(family, true), high) << family;
        EXPECT_EQ(randomBoxName(family), randomBox) << family;
    }
}

// Multi play with every Random box ticked leaves every control enabled. Each control takes
// the action of its kind and is given back what it showed; the other action does not know it.
TEST_F(ControlTable, EveryControlReachableByItsAction) {
    const auto everythingOn = [&] {
        ASSERT_TRUE(a().userSet("BetStyle2", "1").ok);
        for (const auto& family : kFamilies) ASSERT_TRUE(a().userSet(family[3], "1").ok);
        ASSERT_EQ(disabledControls(a().form()), std::vector<std::string>{});
    };
    everythingOn();
    const auto reachable = [&](const ControlEntry& c) {
        SCOPED_TRACE(std::string(c.name));
        if (c.kind != ControlKind::Button) {
            EXPECT_EQ(a().userPress(c.name).error, unknownName(c.name));
        }
        if (c.kind == ControlKind::Button || c.kind == ControlKind::Label) {
            EXPECT_EQ(a().userSet(c.name, "1").error, unknownName(c.name));
            return;
        }
        const std::string value = valueFor(c, a().form()), before = shown(c, a().form());
        const ActionResult set = a().userSet(c.name, value);
        EXPECT_TRUE(set.ok) << set.error;
        if (c.wageringDialog) {
            EXPECT_EQ(shown(c, a().form()), value);
        } else {
            const std::vector<ControlView> views = panelControls(a().form());
            const auto view = std::ranges::find(views, c.name, &ControlView::name);
            ASSERT_NE(view, views.end());
            using enum ControlKind;
            EXPECT_EQ(c.kind == Check    ? std::to_string(view->check)
                      : c.kind == Option ? std::to_string(view->option)
                                         : view->text,
                      value);
        }
        if (!before.empty()) {
            EXPECT_TRUE(a().userSet(c.name, before).ok) << before;
        }
        if (!c.wageringDialog) everythingOn();
    };
    for (const ControlEntry& c : controlTable()) {
        if (!c.wageringDialog) reachable(c);
    }
    // The buttons last: pressing them changes the panel.
    for (const ControlEntry& c : controlTable()) {
        if (c.kind == ControlKind::Button && !c.wageringDialog) {
            EXPECT_NE(a().userPress(c.name).error, unknownName(c.name)) << c.name;
        }
    }
    // The dialog's controls, while it is open; its buttons in their order leave it by Cancel.
    restart();
    ASSERT_TRUE(a().userMenu("mnuProg", 0).ok);
    for (const ControlEntry& c : controlTable()) {
        if (c.wageringDialog && c.kind != ControlKind::Button) reachable(c);
    }
    act("frmWagering.Command1 frmWagering.Command3");
    EXPECT_FALSE(a().form().wageringDialog.open);
}

// A control the user cannot reach is refused by name and listed among the disabled ones.
TEST_F(ControlTable, DisabledControlsRefusedAndListed) {
    ASSERT_TRUE(a().userSet("BetStyle1", "1").ok);
    const std::vector<std::string> off = disabledControls(a().form());
    ASSERT_FALSE(off.empty());
    for (const ControlEntry& c : controlTable()) {
        if (c.wageringDialog) continue;
        const bool listed = std::ranges::find(off, c.name) != off.end();
        EXPECT_EQ(listed, !controlEnabled(a().form(), c)) << c.name;
        if (!listed || c.kind == ControlKind::Label) continue;
        const ActionResult r = c.kind == ControlKind::Button
                                   ? a().userPress(c.name)
                                   : a().userSet(c.name, valueFor(c, a().form()));
        EXPECT_EQ(r.error, std::string(c.name) + " is disabled");
    }
}

}  // namespace
}  // namespace brisvale::testing
