// SPDX-License-Identifier: GPL-3.0-or-later
// Watched tables: watching and leaving a table, entering its spins, undoing them, going to
// play there, and the alerts of the run and the tables.

#include <algorithm>

#include "play/advisor.hpp"
#include "selection/passes.hpp"
#include "state/state_json.hpp"
#include "storage/casino_history.hpp"

namespace brisvale {
namespace {

constexpr std::int64_t kJoinMs = 1000;     // a second digit within this joins the first
constexpr std::size_t kMostAlerts = 1000;  // kept for a front end that takes none

std::string dueText(const SleepingBet& b, std::string_view table) {
    return std::string(label(b.bet)) + " is due at " + std::string(table) + " (slept " +
           std::to_string(b.slept) + " of " + std::to_string(b.threshold) + ")";
}

}  // namespace

const WatchStyle& Advisor::watchStyle() const {
    Thresholds thresholds = s_.StartThreshold;
    if (s_.phase == RunPhase::Idle) {
        // Before the first Start nothing is drawn yet: a table is judged by the Low entries.
        const ThresholdEntries entries = thresholdEntries();
        for (int f = 0; f < kFamilyCount; ++f) {
            thresholds[static_cast<std::size_t>(f)] =
                entries[static_cast<std::size_t>(f)].low.value_or(0);
        }
    }
    // Worked out again only when the style or a threshold changed: a spin at a table asks.
    const StyleSettings& style = s_.style;
    if (!watchStyleKept_ || watchStyleKept_->thresholds != thresholds ||
        watchStyleOf_.watched != style.watched || watchStyleOf_.style != style.style) {
        watchStyleKept_.emplace(watchedBets(style), thresholds);
        watchStyleOf_ = style;
    }
    return *watchStyleKept_;
}

ActionResult Advisor::userWatch(std::string_view name) {
    if (ActionResult r = refusedWhileWageringOpen(); !r.ok) return r;
    if (const std::string problem = casinoNameProblem(name); !problem.empty()) {
        return ActionResult::refused(problem);
    }
    if (watched_.find(name))
        return ActionResult::refused(std::string(name) + " is watched already.");
    const ItemList& items = s_.form.Casino.items;
    const int chosen = s_.form.Casino.index;
    if (chosen >= 2 && items[static_cast<std::size_t>(chosen)] == name) {
        return ActionResult::refused(std::string(name) + " is the table the run plays at.");
    }
    if (watched_.size() >= kMostWatched) {
        return ActionResult::refused("At most " + std::to_string(kMostWatched) +
                                     " tables can be watched.");
    }
    CasinoRecord record;
    int position = 0;
    for (std::size_t i = 2; i < items.size() && !position; ++i) {
        if (items[i] == name) position = static_cast<int>(i);
    }
    if (position) {
        const auto read = readCasino(position);
        if (!read || read->line.empty()) {
            return ActionResult::refused("The history of " + std::string(name) +
                                         " cannot be read.");
        }
        record = *read;
    } else {
        record.name = std::string(name);
        const std::string line = record.name + ",";
        if (files_) {
            const std::optional<int> key = addCasino(historyFile_, line, &log_);
            if (!key) {
                return ActionResult::refused("The casino could not be saved to " +
                                             historyFile_.filename().string() + ".");
            }
            record.key = *key;
            s_.form.Casino.items.push_back(record.name);
            casinoKeys_.push_back(*key);
        }
        record.line.append(line.data(), line.size());
    }
    watched_.add(record.name, record.key, std::string(record.line.data(), record.line.size()),
                 record.spins.spins());
    markRunDirty();
    return {};
}

ActionResult Advisor::userUnwatch(std::string_view name) {
    const auto i = watched_.find(name);
    if (!i) return ActionResult::refused(std::string(name) + " is not watched.");
    watched_.remove(*i);
    dropTableSteps(name);
    if (target_ && *target_ == *i) {
        target_.reset();
        watchPending_.reset();
    } else if (target_ && *target_ > *i) {
        --*target_;
    }
    markRunDirty();
    return {};
}

ActionResult Advisor::userTarget(std::optional<std::string_view> name) {
    std::optional<int> to;
    if (name) {
        to = watched_.find(*name);
        if (!to) return ActionResult::refused(std::string(*name) + " is not watched.");
    }
    if (to.has_value() != target_.has_value() || (to && *to != *target_)) {
        watchPending_.reset();
        watchTyped_.reset();
    }
    target_ = to;
    markRunDirty();
    return {};
}

ActionResult Advisor::watchClick(int cell) {
    if (ActionResult r = refusedWhileWageringOpen(); !r.ok) return r;
    if (cell < 0 || cell > 36) {
        return ActionResult::refused("only a number can be entered for " + watched_[*target_].name);
    }
    watchPending_ = cell;
    return {};
}

ActionResult Advisor::watchKey(std::string_view key) {
    if (key == "Enter") {
        watchTyped_.reset();
        return watchPress();
    }
    if (key.size() != 1 || key[0] < '0' || key[0] > '9') {
        return ActionResult::refused("no key named " + std::string(key));
    }
    const int digit = key[0] - '0';
    const std::int64_t now = ports_.clock.nowMs();
    if (watchTyped_ && now - watchTyped_->atMs < kJoinMs) {
        const int number = watchTyped_->digit * 10 + digit;
        watchTyped_.reset();
        return number <= 36 ? watchClick(number) : ActionResult{};
    }
    watchTyped_ = TypedDigit{digit, now};
    return watchClick(digit);
}

ActionResult Advisor::watchPress() {
    if (ActionResult r = refusedWhileWageringOpen(); !r.ok) return r;
    const int i = *target_;
    const std::string& name = watched_[i].name;
    if (!watchPending_) return ActionResult::refused("Select a number for " + name + " first.");
    const int spin = *watchPending_;
    watchPending_.reset();
    tableUndo_.push_back({name, watched_[i], watched_[i].line.size(), spin, undo_.undoCount()});
    if (tableUndo_.size() > UndoHistory::kReach) tableUndo_.pop_front();
    tableRedo_.clear();
    watched_.enter(i, spin, watchStyle(), newlyDue_);
    writeTableLine(watched_[i]);
    for (const SleepingBet& b : newlyDue_) raise(Alert::Kind::Due, name, dueText(b, name));
    markRunDirty();
    return {};
}

void Advisor::writeTableLine(const WatchedTable& table) {
    if (!files_ || table.key == 0) return;
    tellWrite(historyAppender_.write(historyFile_, table.key, table.line, &log_), historyFile_,
              "The spin was kept and will be written with the next one.");
}

void Advisor::raise(Alert::Kind kind, std::string table, std::string text) {
    if (replaying_) return;
    if (alerts_.size() >= kMostAlerts) alerts_.erase(alerts_.begin());
    alerts_.push_back({kind, std::move(table), std::move(text)});
}

ActionResult Advisor::runPress(Act act, int arg) {
    const long long stakes = stakesOpen();
    const RunPhase phase = s_.phase;
    const ActionResult result = pressButton1(act, arg);
    if (!result.ok || !pressTaken_ || replaying_) return result;
    tableRedo_.clear();
    if (s_.phase == RunPhase::Quit && phase != RunPhase::Quit) {
        raise(Alert::Kind::Quit, {}, s_.form.Label1.caption);
    } else if (s_.playing() && s_.BetOpen && stakesOpen() > 0 && stakesOpen() != stakes) {
        raise(Alert::Kind::Stake, {}, s_.form.Label1.caption);
    }
    return result;
}

// --- Undo across tables ---

bool Advisor::undoTableSpin() {
    if (tableUndo_.empty() || tableUndo_.back().stamp < undo_.undoCount()) return false;
    TableStep step = std::move(tableUndo_.back());
    tableUndo_.pop_back();
    const auto i = watched_.find(step.name);
    if (!i) return false;
    watched_.putBack(*i, step.before, step.line);
    writeTableLine(watched_[*i]);
    tableRedo_.push_back(std::move(step));
    markRunDirty();
    return true;
}

bool Advisor::redoTableSpin() {
    if (tableRedo_.empty() || tableRedo_.back().stamp != undo_.undoCount()) return false;
    TableStep step = std::move(tableRedo_.back());
    tableRedo_.pop_back();
    const auto i = watched_.find(step.name);
    if (!i) return false;
    // The same spin counts the same again: no alert, since it was told the first time.
    watched_.enter(*i, step.spin, watchStyle(), newlyDue_);
    writeTableLine(watched_[*i]);
    tableUndo_.push_back(std::move(step));
    markRunDirty();
    return true;
}

void Advisor::dropTableSteps(std::string_view name) {
    const auto named = [&](const TableStep& s) { return s.name == name; };
    std::erase_if(tableUndo_, named);
    std::erase_if(tableRedo_, named);
}

void Advisor::addTableSteps(EditMenuView& view, bool reachable) const {
    view.undoSteps += static_cast<int>(tableUndo_.size());
    view.redoSteps += static_cast<int>(tableRedo_.size());
    const auto caption = [](const char* verb, const TableStep& s) {
        return std::string(verb) + " Spin " + std::to_string(s.spin) + " at " + s.name;
    };
    if (!tableUndo_.empty() && tableUndo_.back().stamp >= undo_.undoCount()) {
        view.undo = {caption("Undo", tableUndo_.back()), reachable};
    }
    if (!tableRedo_.empty() && tableRedo_.back().stamp == undo_.undoCount()) {
        view.redo = {caption("Redo", tableRedo_.back()), reachable};
    }
}

// --- Going to a table ---

ActionResult Advisor::userPlayHere(std::string_view name) {
    if (ActionResult r = refusedWhileWageringOpen(); !r.ok) return r;
    if (replay_) return ActionResult::refused("the replay is running");
    const auto i = watched_.find(name);
    if (!i) return ActionResult::refused(std::string(name) + " is not watched.");
    if (s_.playing() && s_.BetOpen) {
        return ActionResult::refused("A bet is open: settle it before going to " +
                                     std::string(name) + ".");
    }
    const WatchedTable table = watched_[*i];
    ItemList& items = s_.form.Casino.items;
    int position = 0;
    for (std::size_t k = 2; k < items.size() && !position; ++k) {
        if (items[k] == name) position = static_cast<int>(k);
    }
    if (!position) return ActionResult::refused(std::string(name) + " is no casino of the list.");
    if (s_.playing()) SwitchTableAdvice();
    const int before = s_.form.Casino.index;
    s_.form.Casino.index = position;
    Casino_Click();  // no longer watched: its spins are the run's now
    endUndoHistory();
    // The table is left now: the spin wait of the last one does not hold the Start back.
    s_.acceptsPress = s_.form.Button1.enabled = true;
    s_.SpinWaitActive = false;
    Button1_Click();
    if (!s_.playing()) {
        // The Start told why it could not start; the table goes on being watched.
        s_.form.Casino.index = before == 1 ? 0 : before;
        Casino_Click();
        watched_.add(table.name, table.key, table.line, {});
        watched_.put(watched_.size() - 1, table);
        return ActionResult::refused("the run could not start at " + std::string(name));
    }
    // Warm: the run goes on from the spins counted there, as replaying them would leave it.
    s_.sleepers = table.sleepers();
    countUp(s_.TableSpins, table.counted);
    countUp(s_.TotalSpins, table.counted);
    writeTimerCaption();
    // Undo reaches back to this warm Start, not past it.
    undo_.clear();
    markRunDirty();
    return {};
}

void Advisor::unwatchChosen(std::string_view name) {
    const auto i = watched_.find(name);
    if (!i) return;
    // Its history is the run's from here on: two records of one line would part.
    userUnwatch(name);
}

void Advisor::rekeyWatched() {
    const ItemList& items = s_.form.Casino.items;
    for (int t = 0; t < watched_.size(); ++t) {
        for (std::size_t k = 2; k < items.size(); ++k) {
            if (items[k] == watched_[t].name) {
                watched_.setKey(t, casinoKeys_.at(k - 2));
                break;
            }
        }
    }
}

// --- The run file ---

Json Advisor::watchingJson() const {
    Json tables = Json::array();
    for (int i = 0; i < watched_.size(); ++i) {
        tables.push_back({{"name", textJson(watched_[i].name)}, {"spins", watched_[i].spins}});
    }
    return {{"tables", std::move(tables)},
            {"target", target_ ? textJson(watched_[*target_].name) : Json(nullptr)}};
}

void Advisor::resumeWatching(const Json& watching) {
    if (!watching.is_object() || !watching.contains("tables")) return;
    const Json& tables = watching["tables"];
    if (!tables.is_array()) return;
    // A table that cannot be watched again (its casino gone, a damaged entry) is left out: the
    // run resumes all the same.
    for (const Json& t : tables) {
        try {
            const std::string name = textMember(t, "name");
            if (!userWatch(name).ok) continue;
            const auto i = watched_.find(name);
            WatchedTable table = watched_[*i];
            table.spins = static_cast<int>(wholeMember(t, "spins", 0, kCounterMax));
            watched_.put(*i, std::move(table));
        } catch (const BadStateJson&) {
        } catch (const Json::exception&) {
        }
    }
    const Json& target = watching.value("target", Json(nullptr));
    if (target.is_string()) {
        try {
            const Json one = {{"target", target}};
            userTarget(textMember(one, "target"));
        } catch (const BadStateJson&) {
        }
    }
}

}  // namespace brisvale
