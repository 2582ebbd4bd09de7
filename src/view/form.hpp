// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Form: the presentation model of the main window and its dialogs, as plain data.
// The presenters write it; the window and the console render it. Nothing here decides play.

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
#include "util/series.hpp"
#include "view/history_box.hpp"

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
    // The wager sequence of each family, in family order (Even, Dozen, ... Single).
    std::array<TextBox, 8> sequenceBoxes;
    CheckBox autoIncrease;
    ListBox increaseChips;  // "1".."1000"
    ListBox increaseSteps;  // "1".."10"
};

// A family's threshold boxes on the panel: the lowest and highest sleep, and whether each run
// draws the threshold at random between them (the "High:" label greys with the high box).
struct ThresholdRow {
    TextBox low;
    TextBox high;
    CheckBox random;
    bool highLabelEnabled = true;
};

// The how-many lists, in their order on the panel.
enum HowMany : int { DozenBox = 0, RowBox, LineBox, CornerBox, TrioBox, SplitBox, SingleBox };
inline constexpr int kHowManyCount = 7;

// The window's own grey, which the run's normal colour is.
inline constexpr std::int64_t kWindowColor = 15790320;

struct Form {
    // The window.
    std::string caption;
    int width = 12135;
    int height = 3350;
    std::int64_t backColor = kWindowColor;  // set_backcolor paints the panel and the window alike
    bool alwaysOnTop = false;               // mnuTop's check mark
    std::string focus;                      // the control that has the focus
    int focusRequests = 0;                  // counts the moves of the focus, so each is made once

    // The board.
    BoardLayout board;
    std::array<Chip, board::kChipCount> chips;
    int chipWidth = 375;
    int chipHeight = 375;
    Marker marker;
    Picture picture;
    Button startButton{"Start", true};
    Label adviceLabel{"Configure Play Style and Press Start", true, true};

    // The left column.
    HistoryBox historyBox;
    TextBox balanceBox;
    std::array<ThresholdRow, kFamilyCount> thresholds;  // by family, Even first
    std::array<OptionButton, 4> styleButtons;           // [1] Classic, [2] Multi, [3] Super
    OptionButton aggressiveDefaults;
    OptionButton conservativeDefaults;
    CheckBox conservativeBetting;
    std::array<CheckBox, 8> familyBoxes;  // [1]..[7]: rows, Line, Corner, Trio, Split, Dozen, Even
    std::array<CheckBox, 4> evenPairBoxes;  // [1]..[3]: Red/Black, Odd/Even, High/Low
    CheckBox singleBox;
    std::array<ListBox, kHowManyCount> howMany;
    ListBox unitWagerList;
    ListBox spinIntervalList;
    ListBox winLimitList;
    ListBox timeLimitList;
    ListBox casinoList;
    Button moreButton{"More >>", true};
    Button deleteCasinoButton{"X", true};
    Button replayButton{"Command2", true};
    Label minimumBalanceLabel;
    Label totalRiskLabel;
    Label betCycleLabel{"$200 Bet Cycle", true, true};

    // Menus.
    std::vector<CasinoSiteEntry> casinoMenu;

    // Dialogs.
    WageringForm wageringDialog;

    ThresholdRow& threshold(int family) { return thresholds[static_cast<std::size_t>(family)]; }
    const ThresholdRow& threshold(int family) const {
        return thresholds[static_cast<std::size_t>(family)];
    }

    void requestFocus(std::string control) {
        focus = std::move(control);
        ++focusRequests;
    }
};

}  // namespace brisvale
