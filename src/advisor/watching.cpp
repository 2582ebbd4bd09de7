// SPDX-License-Identifier: GPL-3.0-or-later
// Watched tables: watching and leaving a table, entering its spins, undoing them, going to
// play there, and the alerts of the run and the tables.

#include <algorithm>

#include "advisor/advisor.hpp"
#include "run/state_json.hpp"
#include "selection/bet_table.hpp"
#include "selection/passes.hpp"
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

const WatchStyle& TableWatch::watchStyle() const {
    Thresholds thresholds = s_.StartThreshold;
    if (s_.phase == RunPhase::Idle) {
        // Before the first Start nothing is drawn yet: a table is judged by the Low entries.
        const ThresholdEntries& entries = s_.style.thresholds;
        for (int f = 0; f < kFamilyCount; ++f) {
            thresholds[static_cast<std::size_t>(f)] =
                entries[static_cast<std::size_t>(f)].low.value_or(0);
        }
    }
    // Worked out again only when the style or a threshold changed: a spin at a table asks.
    const StyleSettings& style = s_.style;
    if (!d_.watchStyleKept_ || d_.watchStyleKept_->thresholds != thresholds ||
        d_.watchStyleOf_.watched != style.watched || d_.watchStyleOf_.style != style.style) {
        d_.watchStyleKept_.emplace(watchedBets(style), thresholds);
        d_.watchStyleOf_ = style;
    }
    return *d_.watchStyleKept_;
}

ActionResult Advisor::userWatch(std::string_view name) {
    if (ActionResult r = d_.wagering.refusedWhileWageringOpen(); !r.ok) return r;
    if (const std::string problem = casinoNameProblem(name); !problem.empty()) {
        return ActionResult::refused(problem);
    }
    if (d_.watched_.find(name))
        return ActionResult::refused(std::string(name) + " is watched already.");
    const CasinoEntry* chosen = d_.casinos.chosenCasino();
    if (chosen && chosen->name == name) {
        return ActionResult::refused(std::string(name) + " is the table the run plays at.");
    }
    if (d_.watched_.size() >= kMostWatched) {
        return ActionResult::refused("At most " + std::to_string(kMostWatched) +
                                     " tables can be watched.");
    }
    CasinoRecord record;
    if (const auto k = d_.casinos.findCasino(name)) {
        const auto read = d_.casinos.readCasino(*k);
        if (!read || read->line.empty()) {
            return ActionResult::refused("The history of " + std::string(name) +
                                         " cannot be read.");
        }
        record = *read;
    } else {
        record.name = std::string(name);
        const std::string line = record.name + ",";
        if (d_.files_) {
            const std::optional<int> key = addCasino(d_.historyFile_, line, &log_);
            if (!key) {
                return ActionResult::refused("The casino could not be saved to " +
                                             d_.historyFile_.filename().string() + ".");
            }
            record.key = *key;
            d_.casinos_.push_back({record.name, *key});
            d_.view.showCasinos();
        }
        record.line.append(line.data(), line.size());
    }
    d_.watched_.add(record.name, record.key, std::string(record.line.data(), record.line.size()),
                    record.spins.spins());
    d_.runFile.markRunDirty();
    return {};
}

ActionResult Advisor::userUnwatch(std::string_view name) {
    const auto i = d_.watched_.find(name);
    if (!i) return ActionResult::refused(std::string(name) + " is not watched.");
    d_.watched_.remove(*i);
    d_.watch.dropTableSteps(name);
    if (d_.target_ && *d_.target_ == *i) {
        d_.target_.reset();
        d_.watchPending_.reset();
    } else if (d_.target_ && *d_.target_ > *i) {
        --*d_.target_;
    }
    d_.runFile.markRunDirty();
    return {};
}

ActionResult Advisor::userTarget(std::optional<std::string_view> name) {
    std::optional<int> to;
    if (name) {
        to = d_.watched_.find(*name);
        if (!to) return ActionResult::refused(std::string(*name) + " is not watched.");
    }
    if (to.has_value() != d_.target_.has_value() || (to && *to != *d_.target_)) {
        d_.watchPending_.reset();
        d_.watchTyped_.reset();
    }
    d_.target_ = to;
    d_.runFile.markRunDirty();
    return {};
}

ActionResult TableWatch::watchClick(int cell) {
    if (ActionResult r = d_.wagering.refusedWhileWageringOpen(); !r.ok) return r;
    if (cell < 0 || cell > 36) {
        return ActionResult::refused("only a number can be entered for " +
                                     d_.watched_[*d_.target_].name);
    }
    d_.watchPending_ = cell;
    return {};
}

ActionResult TableWatch::watchKey(std::string_view key) {
    if (key == "Enter") {
        d_.watchTyped_.reset();
        return watchPress();
    }
    if (key.size() != 1 || key[0] < '0' || key[0] > '9') {
        return ActionResult::refused("no key named " + std::string(key));
    }
    const int digit = key[0] - '0';
    const std::int64_t now = ports_.clock.nowMs();
    if (d_.watchTyped_ && now - d_.watchTyped_->atMs < kJoinMs) {
        const int number = d_.watchTyped_->digit * 10 + digit;
        d_.watchTyped_.reset();
        return number <= 36 ? watchClick(number) : ActionResult{};
    }
    d_.watchTyped_ = TypedDigit{digit, now};
    return watchClick(digit);
}

ActionResult TableWatch::watchPress() {
    if (ActionResult r = d_.wagering.refusedWhileWageringOpen(); !r.ok) return r;
    const int i = *d_.target_;
    const std::string& name = d_.watched_[i].name;
    if (!d_.watchPending_) return ActionResult::refused("Select a number for " + name + " first.");
    const int spin = *d_.watchPending_;
    d_.watchPending_.reset();
    d_.tableUndo_.push_back(
        {name, d_.watched_[i], d_.watched_[i].line.size(), spin, d_.undo_.undoCount()});
    if (d_.tableUndo_.size() > UndoHistory::kReach) d_.tableUndo_.pop_front();
    d_.tableRedo_.clear();
    d_.watched_.enter(i, spin, watchStyle(), d_.newlyDue_);
    writeTableLine(d_.watched_[i]);
    for (const SleepingBet& b : d_.newlyDue_) raise(Alert::Kind::Due, name, dueText(b, name));
    d_.runFile.markRunDirty();
    return {};
}

void TableWatch::writeTableLine(const WatchedTable& table) {
    if (!d_.files_ || table.key == 0) return;
    d_.tellWrite(d_.historyAppender_.write(d_.historyFile_, table.key, table.line, &log_),
                 d_.historyFile_, "The spin was kept and will be written with the next one.");
}

void TableWatch::raise(Alert::Kind kind, std::string table, std::string text) {
    if (d_.replaying_) return;
    if (d_.alerts_.size() >= kMostAlerts) d_.alerts_.pop_front();
    d_.alerts_.push_back({kind, std::move(table), std::move(text)});
}

ActionResult TableWatch::runPress(Act act, int arg) {
    // Alerts are for someone looking: an engine nobody looks at raises none.
    if (!d_.shown_) return d_.journal.pressButton1(act, arg);
    const long long stakes = stakesOpen(s_);
    const RunPhase phase = s_.phase;
    const ActionResult result = d_.journal.pressButton1(act, arg);
    if (!result.ok || !d_.pressTaken_ || d_.replaying_) return result;
    d_.tableRedo_.clear();
    if (s_.phase == RunPhase::Quit && phase != RunPhase::Quit) {
        raise(Alert::Kind::Quit, {}, s_.advice.text());
    } else if (const long long now = stakesOpen(s_); now > 0 && now != stakes) {
        // (Nothing is staked once the run has ended or no bet is open.)
        raise(Alert::Kind::Stake, {}, s_.advice.text());
    }
    return result;
}

// --- Undo across tables ---

bool TableWatch::undoTableSpin() {
    if (d_.tableUndo_.empty() || d_.tableUndo_.back().stamp < d_.undo_.undoCount()) return false;
    TableStep step = std::move(d_.tableUndo_.back());
    d_.tableUndo_.pop_back();
    const auto i = d_.watched_.find(step.name);
    if (!i) return false;
    d_.watched_.putBack(*i, step.before, step.line);
    writeTableLine(d_.watched_[*i]);
    d_.tableRedo_.push_back(std::move(step));
    d_.runFile.markRunDirty();
    return true;
}

bool TableWatch::redoTableSpin() {
    if (d_.tableRedo_.empty() || d_.tableRedo_.back().stamp != d_.undo_.undoCount()) return false;
    TableStep step = std::move(d_.tableRedo_.back());
    d_.tableRedo_.pop_back();
    const auto i = d_.watched_.find(step.name);
    if (!i) return false;
    // The same spin counts the same again: no alert, since it was told the first time.
    d_.watched_.enter(*i, step.spin, watchStyle(), d_.newlyDue_);
    writeTableLine(d_.watched_[*i]);
    d_.tableUndo_.push_back(std::move(step));
    d_.runFile.markRunDirty();
    return true;
}

void TableWatch::dropTableSteps(std::string_view name) {
    const auto named = [&](const TableStep& s) { return s.name == name; };
    std::erase_if(d_.tableUndo_, named);
    std::erase_if(d_.tableRedo_, named);
}

void TableWatch::addTableSteps(EditMenuView& view, bool reachable) const {
    view.undoSteps += static_cast<int>(d_.tableUndo_.size());
    view.redoSteps += static_cast<int>(d_.tableRedo_.size());
    const auto caption = [](const char* verb, const TableStep& s) {
        return std::string(verb) + " Spin " + std::to_string(s.spin) + " at " + s.name;
    };
    if (!d_.tableUndo_.empty() && d_.tableUndo_.back().stamp >= d_.undo_.undoCount()) {
        view.undo = {caption("Undo", d_.tableUndo_.back()), reachable};
    }
    if (!d_.tableRedo_.empty() && d_.tableRedo_.back().stamp == d_.undo_.undoCount()) {
        view.redo = {caption("Redo", d_.tableRedo_.back()), reachable};
    }
}

// --- Going to a table ---

ActionResult Advisor::userPlayHere(std::string_view name) {
    if (ActionResult r = d_.wagering.refusedWhileWageringOpen(); !r.ok) return r;
    if (d_.replay_) return ActionResult::refused("the replay is running");
    const auto i = d_.watched_.find(name);
    if (!i) return ActionResult::refused(std::string(name) + " is not watched.");
    if (s_.playing() && s_.BetOpen) {
        return ActionResult::refused("A bet is open: settle it before going to " +
                                     std::string(name) + ".");
    }
    const WatchedTable table = d_.watched_[*i];
    const auto k = d_.casinos.findCasino(name);
    if (!k) return ActionResult::refused(std::string(name) + " is no casino of the list.");
    if (s_.playing()) d_.run.adviseSwitchTable();
    const std::optional<std::size_t> before = d_.chosen_;
    d_.casinos.chooseCasino(*k);  // no longer watched: its spins are the run's now
    d_.journal.endUndoHistory();
    // The table is left now: the spin wait of the last one does not hold the Start back.
    s_.acceptsPress = true;
    d_.view.showPressAccepted();
    s_.SpinWaitActive = false;
    d_.run.pressPlay();
    if (!s_.playing()) {
        // The Start told why it could not start; the table goes on being watched.
        if (before) {
            d_.casinos.chooseCasino(*before);
        } else {
            d_.casinos.chooseNoCasino();
        }
        d_.watched_.add(table.name, table.key, table.line, {});
        d_.watched_.put(d_.watched_.size() - 1, table);
        return ActionResult::refused("the run could not start at " + std::string(name));
    }
    // Warm: the run goes on from the spins counted there, as replaying them would leave it.
    s_.sleepers = table.sleepers();
    countUp(s_.TableSpins, table.counted);
    countUp(s_.TotalSpins, table.counted);
    d_.view.writeTimerCaption();
    // Undo reaches back to this warm Start, not past it.
    d_.undo_.clear();
    d_.runFile.markRunDirty();
    return {};
}

void TableWatch::unwatchChosen(std::string_view name) {
    const auto i = d_.watched_.find(name);
    if (!i) return;
    // Its history is the run's from here on: two records of one line would part.
    d_.front->userUnwatch(name);
}

void TableWatch::rekeyWatched() {
    for (int t = 0; t < d_.watched_.size(); ++t) {
        if (const auto k = d_.casinos.findCasino(d_.watched_[t].name)) {
            d_.watched_.setKey(t, d_.casinos_[*k].key);
        }
    }
}

// --- The run file ---

Json TableWatch::watchingJson() const {
    Json tables = Json::array();
    for (int i = 0; i < d_.watched_.size(); ++i) {
        tables.push_back(
            {{"name", textJson(d_.watched_[i].name)}, {"spins", d_.watched_[i].spins}});
    }
    return {{"tables", std::move(tables)},
            {"target", d_.target_ ? textJson(d_.watched_[*d_.target_].name) : Json(nullptr)}};
}

void TableWatch::resumeWatching(const Json& watching) {
    if (!watching.is_object() || !watching.contains("tables")) return;
    const Json& tables = watching["tables"];
    if (!tables.is_array()) return;
    // A table that cannot be watched again (its casino gone, a damaged entry) is left out: the
    // run resumes all the same.
    for (const Json& t : tables) {
        try {
            const std::string name = textMember(t, "name");
            if (!d_.front->userWatch(name).ok) continue;
            const auto i = d_.watched_.find(name);
            WatchedTable table = d_.watched_[*i];
            table.spins = static_cast<int>(wholeMember(t, "spins", 0, kCounterMax));
            d_.watched_.put(*i, std::move(table));
        } catch (const BadStateJson&) {
        } catch (const Json::exception&) {
        }
    }
    const Json& target = watching.value("target", Json(nullptr));
    if (target.is_string()) {
        try {
            const Json one = {{"target", target}};
            d_.front->userTarget(textMember(one, "target"));
        } catch (const BadStateJson&) {
        }
    }
}

}  // namespace brisvale
