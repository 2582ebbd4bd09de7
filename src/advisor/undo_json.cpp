// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history as JSON, so that a run resumed in the next session can still be undone.
// Reading checks that every position lies inside the log, so that a damaged file can never
// send a step of the history outside it.

#include <limits>
#include <vector>

#include "advisor/undo.hpp"
#include "run/state_json.hpp"

namespace brisvale {
namespace {

constexpr long long kMaxItems = 1LL << 32;

Json positionJson(const LogPosition& p) {
    return Json::array({p.action, p.clock, p.text});
}

LogPosition positionOf(const Json& j, const LogPosition& end) {
    if (!j.is_array() || j.size() != 3) throw BadStateJson("an undo position is not three numbers");
    LogPosition p;
    std::size_t* parts[] = {&p.action, &p.clock, &p.text};
    const std::size_t limits[] = {end.action, end.clock, end.text};
    for (std::size_t i = 0; i < 3; ++i) {
        const Json one = {{"n", j[i]}};
        *parts[i] =
            static_cast<std::size_t>(wholeMember(one, "n", 0, static_cast<long long>(limits[i])));
    }
    return p;
}

const Json& arrayOf(const Json& j, const char* key) {
    const Json& a = member(j, key);
    if (!a.is_array()) throw BadStateJson(std::string(key) + " is not a list");
    return a;
}

}  // namespace

void ActionLog::shiftClocks(std::int64_t ms) {
    for (std::int64_t& c : clocks_) c += ms;
}

Json ActionLog::toJson() const {
    Json acts = Json::array();
    for (const LoggedAction& a : actions_) {
        acts.push_back(static_cast<int>(a.act));
        acts.push_back(a.arg);
        acts.push_back(a.clocks);
    }
    Json texts = Json::array();
    for (const std::string& t : texts_) texts.push_back(textJson(t));
    return {{"acts", std::move(acts)}, {"clocks", clocks_}, {"texts", std::move(texts)}};
}

ActionLog ActionLog::fromJson(const Json& j) {
    ActionLog log;
    const Json& acts = arrayOf(j, "acts");
    if (acts.size() % 3 != 0) throw BadStateJson("the undo log is cut short");
    std::size_t clocks = 0;
    std::size_t texts = 0;
    for (std::size_t i = 0; i < acts.size(); i += 3) {
        const Json one = {{"act", acts[i]}, {"arg", acts[i + 1]}, {"clocks", acts[i + 2]}};
        const auto act =
            static_cast<Act>(wholeMember(one, "act", 0, static_cast<long long>(Act::WageringSet)));
        const auto arg = static_cast<std::int16_t>(wholeMember(one, "arg", -32768, 32767));
        const auto count = static_cast<std::uint16_t>(wholeMember(one, "clocks", 0, 65535));
        const bool hasText = act == Act::WageringSet;
        log.actions_.push_back({act, arg, count, hasText});
        clocks += count;
        texts += hasText ? 1 : 0;
    }
    const Json& readings = arrayOf(j, "clocks");
    const Json& words = arrayOf(j, "texts");
    if (readings.size() != clocks || words.size() != texts) {
        throw BadStateJson("the undo log does not add up");
    }
    for (const Json& r : readings) {
        const Json one = {{"ms", r}};
        log.clocks_.push_back(wholeMember(one, "ms", std::numeric_limits<long long>::min(),
                                          std::numeric_limits<long long>::max()));
    }
    for (const Json& w : words) {
        const Json one = {{"text", w}};
        log.texts_.push_back(textMember(one, "text"));
    }
    return log;
}

Json UndoHistory::toJson(const std::function<Json(const Checkpoint&)>& checkpoint) const {
    Json steps = Json::array();
    for (const UndoStep& s : steps_) {
        steps.push_back(
            {{"press", positionJson(s.press)}, {"start", s.start}, {"number", s.number}});
    }
    Json saved = Json::array();
    for (const Saved& c : checkpoints_) {
        saved.push_back({{"at", positionJson(c.at)}, {"state", checkpoint(c.state)}});
    }
    return {{"log", log_.toJson()},
            {"pending", pending_.toJson()},
            {"attach", positionJson(attach_)},
            {"steps", std::move(steps)},
            {"checkpoints", std::move(saved)},
            {"cursor", cursor_}};
}

void UndoHistory::fromJson(const Json& j,
                           const std::function<Checkpoint(const Json&)>& checkpoint) {
    UndoHistory h;
    h.log_ = ActionLog::fromJson(member(j, "log"));
    h.pending_ = ActionLog::fromJson(member(j, "pending"));
    const LogPosition end = h.log_.end();
    // A press is one action of the log, with its readings and no text: the readings and texts
    // before each action, once.
    std::vector<LogPosition> starts;
    starts.reserve(end.action);
    for (LogPosition at; at.action < end.action; ++at.action) {
        starts.push_back(at);
        at.clock += h.log_.action(at.action).clocks;
        at.text += h.log_.action(at.action).hasText ? 1 : 0;
    }
    // Where an action begins, or the end of the log.
    const auto isBoundary = [&](const LogPosition& p) {
        const LogPosition& at = p.action < end.action ? starts[p.action] : end;
        return at.action == p.action && at.clock == p.clock && at.text == p.text;
    };
    const auto isPress = [&](const LogPosition& p) {
        if (p.action >= end.action) return false;
        const LogPosition& at = starts[p.action];
        return at.clock == p.clock && at.text == p.text && !h.log_.action(p.action).hasText;
    };
    h.attach_ = positionOf(member(j, "attach"), end);
    if (!isBoundary(h.attach_))
        throw BadStateJson("the undo history's present lies inside an action");
    for (const Json& s : arrayOf(j, "steps")) {
        const LogPosition press = positionOf(member(s, "press"), end);
        if (!isPress(press) ||
            (!h.steps_.empty() && press.action <= h.steps_.back().press.action)) {
            throw BadStateJson("an undo step lies outside the log");
        }
        h.steps_.push_back(
            {press, flagMember(s, "start"), static_cast<int>(wholeMember(s, "number", 0, 36))});
    }
    for (const Json& c : arrayOf(j, "checkpoints")) {
        const LogPosition at = positionOf(member(c, "at"), end);
        if (!h.checkpoints_.empty() && at.action <= h.checkpoints_.back().at.action) {
            throw BadStateJson("the undo checkpoints are out of order");
        }
        if (!isBoundary(at) || (h.checkpoints_.empty() && at.action != 0)) {
            throw BadStateJson("the undo history does not begin at its first checkpoint");
        }
        h.checkpoints_.push_back({checkpoint(member(c, "state")), at});
    }
    if (h.checkpoints_.empty() || h.steps_.size() > kMaxItems) {
        throw BadStateJson("the undo history has no beginning");
    }
    h.cursor_ = static_cast<std::size_t>(
        wholeMember(j, "cursor", 0, static_cast<long long>(h.steps_.size())));
    // The present stands just after the last step undone, or at the end of the log's last step.
    if (h.cursor_ > 0 && h.attach_.action <= h.steps_[h.cursor_ - 1].press.action) {
        throw BadStateJson("the undo history's present lies before its last step");
    }
    *this = std::move(h);
}

void UndoHistory::shiftTime(std::int64_t ms) {
    log_.shiftClocks(ms);
    pending_.shiftClocks(ms);
    for (Saved& c : checkpoints_) {
        c.state.state.RunStart += ms;
        if (c.state.typed) c.state.typed->atMs += ms;
    }
}

void UndoHistory::forEachCheckpoint(const std::function<void(const Checkpoint&)>& f) const {
    for (const Saved& c : checkpoints_) f(c.state);
}

}  // namespace brisvale
