// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Form: the presentation model of the main window and its dialogs, as plain data.
// Handlers change it; the window and the console render it. Nothing here decides play.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "board/chips.hpp"
#include "board/geometry.hpp"
#include "state/history_box.hpp"
#include "state/series.hpp"

namespace brisvale {

struct CheckBox {
    int value = 0;  // 0 unticked, 1 ticked, 2 grey
    bool enabled = true;
};

struct OptionButton {
    bool value = false;
    bool enabled = true;
};

struct TextBox {
    std::string text;
    bool enabled = true;
};

// The entries of a list. They hardly ever change, while whole Forms are copied (a simulator
// starts each session from a copy), so copies share one array until one of them changes it.
class ItemList {
  public:
    ItemList() = default;
    // Implicit, as a list is set from its entries and read as them.
    ItemList(std::vector<std::string> items)
        : items_(std::make_shared<const std::vector<std::string>>(std::move(items))) {}
    ItemList(std::initializer_list<std::string> items)
        : ItemList(std::vector<std::string>(items)) {}

    std::size_t size() const { return entries().size(); }
    bool empty() const { return entries().empty(); }
    const std::string& operator[](std::size_t i) const { return entries()[i]; }
    auto begin() const { return entries().begin(); }
    auto end() const { return entries().end(); }
    operator const std::vector<std::string>&() const { return entries(); }
    bool operator==(const ItemList& other) const { return entries() == other.entries(); }

    void push_back(std::string item) {
        auto copy = std::make_shared<std::vector<std::string>>(entries());
        copy->push_back(std::move(item));
        items_ = std::move(copy);
    }

  private:
    const std::vector<std::string>& entries() const {
        static const std::vector<std::string> none;
        return items_ ? *items_ : none;
    }
    std::shared_ptr<const std::vector<std::string>> items_;
};

struct ListBox {
    ItemList items;
    int index = -1;  // the selected position, -1 for none
    bool enabled = true;

    std::string_view text() const {
        return index >= 0 && index < static_cast<int>(items.size()) ? std::string_view(items[index])
                                                                    : std::string_view();
    }
};

struct Label {
    std::string caption;
    bool visible = true;
    bool enabled = true;
};

struct Button {
    std::string caption;
    bool enabled = true;
};

enum LabelAlignment : int { AlignLeft = 0, AlignRight = 1, AlignCentre = 2 };

// A chip's stake label: place and size in twips from its chip's top left corner.
struct StakeLabel {
    int left = board::kLabelLeft;
    int top = board::kLabelTop;
    int width = board::kChipWidth;  // the chip's, once start-up has set the chips up
    int height = board::kChipHeight;
    int alignment = AlignCentre;
    bool bold = true;
    int fontSize = board::kLabelFontSize;  // points
};

struct Chip {
    bool visible = false;
    int left = 0;
    int top = 0;
    int image = 5;           // 1..9, the family colours
    bool blackText = false;  // white text otherwise
    std::string caption;     // the stake
    std::string tooltip;     // "Bet 5 on Single 17" (Super play)
    int bet = -1;            // the bet the chip was laid for, -1 for none
    int appearance = 0;      // 0 flat, 1 three-dimensional
    int borderStyle = 0;     // 0 none, 1 fixed single
    StakeLabel label;
};

struct Marker {
    bool visible = false;
    int left = 0;
    int top = 0;
    int width = 300;
    int height = 300;
};

struct Picture {
    bool visible = true;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct CasinoSiteEntry {
    std::string caption;
    std::string address;
    bool enabled = true;
};

// The "Custom Wagering" dialog.
struct WageringForm {
    bool open = false;
    std::array<TextBox, 9>
        Text;  // Text[1]..Text[8]: Even, Dozen, Row, Line, Corner, Trio, Split, Single
    CheckBox Check1;
    ListBox Combo1;  // "1".."1000": IncreaseChips
    ListBox Combo2;  // "1".."10": IncreaseSteps
};

// The how-many lists, in their order on the panel.
enum HowMany : int { DozenBox = 0, RowBox, LineBox, CornerBox, TrioBox, SplitBox, SingleBox };
inline constexpr int kHowManyCount = 7;

struct Form {
    // The window.
    std::string caption;
    int width = 12135;
    int height = 3350;
    std::int64_t backColor = 15790320;  // set_backcolor paints the panel and the window alike
    bool alwaysOnTop = false;           // mnuTop's check mark
    std::string focus;                  // the control that has the focus
    int focusRequests = 0;              // counts the moves of the focus, so each is made once

    // The board.
    BoardLayout board;
    std::array<Chip, board::kChipCount> chips;
    int chipWidth = 375;
    int chipHeight = 375;
    Marker marker;
    Picture Picture4;
    Button Button1{"Start", true};
    Label Label1{"Configure Play Style and Press Start", true, true};

    // The left column.
    HistoryBox Text1;
    std::array<TextBox, 19> Text;          // Text[2]..Text[17] thresholds, Text[18] the balance
    std::array<OptionButton, 4> BetStyle;  // BetStyle[1]..[3]
    OptionButton Option2;                  // Aggressive Defaults
    OptionButton Option3;                  // Conservative Defaults
    std::array<CheckBox, 10>
        Check;                    // Check[1]..[7], [9] Random boxes; Check[8] Conservative Betting
    std::array<CheckBox, 8> chk;  // chk[1]..chk[7]
    std::array<CheckBox, 4> chk7_;  // chk7_[1]..[3]: Red/Black, Odd/Even, High/Low
    CheckBox Chk8;                  // Single
    std::array<ListBox, kHowManyCount> howMany;
    ListBox cboWager;
    ListBox cboSpins;
    ListBox cboWins;
    ListBox cboTime;
    ListBox Casino;
    Button cmdMore{"More >>", true};
    Button Command1{"X", true};
    Button Command2{"Command2", true};
    Label Label12;
    Label Label35;
    Label Label41{"$200 Bet Cycle", true, true};
    std::array<bool, 10>
        highLabelEnabled{};  // the "High:" labels beside Text3..Text17, by Random box

    // Menus.
    std::vector<CasinoSiteEntry> casinoMenu;

    // Dialogs.
    WageringForm frmWagering;

    void requestFocus(std::string control) {
        focus = std::move(control);
        ++focusRequests;
    }
};

// The threshold boxes of family k (0 Even .. 7 Single): its Low box (Text2, Text4, ... Text16),
// its High box (Text3, ... Text17) and its Random box (Check1..Check7, Check9).
constexpr int lowBox(int family) {
    return 2 + 2 * family;
}
constexpr int highBox(int family) {
    return 3 + 2 * family;
}
constexpr int randomBox(int family) {
    return family == 7 ? 9 : family + 1;
}

}  // namespace brisvale
