// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When what a screen reader sees becomes a spin. Each capture gives one reading; a result
// counts once the display has changed and then held the same reading for a number of captures
// in a row (2 by default). A reading that is not sure is never entered: it is reported once, so
// that the player enters that spin by hand.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace brisvale::reading {

// What the reader watches: the last result alone, or a strip of the last results.
enum class DisplayKind { Result, Strip };

struct Reading {
    enum class Status { Blank, Numbers, Unsure };
    Status status = Status::Blank;
    // Newest first: one number for a result display, the whole strip for a strip.
    std::vector<int> numbers;
    // A strip only: by how many cells the picture moved since the reading settled last, when the
    // pictures themselves show it (kMoveUnknown when they do not). A repeat of the newest number
    // moves the picture although the numbers read may fit no move as well as one.
    int moved = kMoveUnknown;
    bool operator==(const Reading&) const = default;

    static Reading blank() { return {}; }
    static Reading unsure() { return {Status::Unsure, {}}; }
    // Numbers outside 0..36, or none at all, make the reading unsure. A strip may hold cells
    // that could not be read (kUnread), as long as it holds a number.
    static Reading of(std::vector<int> newestFirst);
    static constexpr int kUnread = -1;
    static constexpr int kMoveUnknown = -1;
};

// What one capture settled.
struct Settled {
    std::vector<int> entered;  // oldest first
    bool unsure = false;       // a changed display that could not be read surely
    bool operator==(const Settled&) const = default;
};

class HoldRule {
  public:
    // A strip that moved by more than this many spins between two settled readings is not
    // trusted: the reader saw too little of what happened.
    static constexpr std::size_t kMostNewAtOnce = 3;

    explicit HoldRule(DisplayKind kind, int holdCaptures = 2);

    // One capture's reading. The first settled display is only where the reader starts: what
    // it shows was there before the reader and is not entered.
    Settled observe(const Reading& reading);
    // Starts again from nothing, as for a new region.
    void reset();

    DisplayKind kind() const { return kind_; }
    // The reading the display last settled on, and how many times it settled so far (so that a
    // reader can keep the picture it settled on).
    const Reading& settled() const { return settled_; }
    int settles() const { return settles_; }

  private:
    Settled settleResult(const Reading& r);
    Settled settleStrip(const Reading& r);
    // The shift (0..kMostNewAtOnce) that lays the old strip over the new one, unread cells
    // matching anything; nullopt when none does.
    std::optional<std::size_t> shiftOf(const std::vector<int>& was,
                                       const std::vector<int>& now) const;
    // The move the pictures showed, if the numbers read where old and new overlap agree with it.
    static std::optional<std::size_t> movedAsShown(const std::vector<int>& was,
                                                   const std::vector<int>& now, int moved);
    void settle(const Reading& r);

    DisplayKind kind_;
    int hold_;
    Reading candidate_;
    int seen_ = 0;
    bool started_ = false;
    Reading settled_;
    // Result: a "?" stands until the display blanks, so a late clear reading of the same spin
    // is never entered beside the player's own entry of it. Strip: how many of the next new
    // numbers were already asked of the player.
    int askedOfPlayer_ = 0;
    int settles_ = 0;
};

}  // namespace brisvale::reading
