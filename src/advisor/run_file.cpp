// SPDX-License-Identifier: GPL-3.0-or-later
// The run file: an open run kept in the data folder, so that the next session can resume it.

#include <algorithm>
#include <ctime>

#include "advisor/advisor.hpp"
#include "model/bets.hpp"
#include "run/state_json.hpp"
#include "storage/properties.hpp"
#include "storage/spin_file.hpp"
#include "storage/whole_file.hpp"

namespace brisvale {
namespace {

// The second version keeps the run under the names of the game; the first, under the window's
// control names, is still read.
constexpr long long kRunFileVersion = 2;
// A run file holds a few kilobytes and the spins of its history box (three bytes a spin);
// anything far beyond is not one.
constexpr std::size_t kRunFileLimit = 64u << 20;
static_assert(kMostSpins * 3 < kRunFileLimit / 2, "a casino's history box fits the run file");
// Far more numbers than any run draws (eight a Start at most), and few enough to step through
// in a fraction of a second when a file gives the count without the engine's state.
constexpr std::uint64_t kMostDraws = 100'000'000;

// "2026-12-06 14:05", in local time.
std::string localMinute(std::int64_t ms) {
    const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
    std::tm local{};
    char text[32] = "?";
    if (localtime_r(&seconds, &local) != nullptr) {
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    }
    return text;
}

std::uint64_t unsignedMember(const Json& j, const char* key) {
    const Json& v = member(j, key);
    if (!v.is_number_unsigned() && !(v.is_number_integer() && v.get<long long>() >= 0)) {
        throw BadStateJson(std::string(key) + " is not a whole number of 0 or more");
    }
    return v.get<std::uint64_t>();
}

Json settingsJson(const Settings& settings) {
    Json values = Json::array();
    for (std::int32_t value : settings.values) values.push_back(value);
    return values;
}

Settings settingsOf(const Json& values) {
    if (!values.is_array() || values.size() != kSettingsCount) {
        throw BadStateJson("its settings are not " + std::to_string(kSettingsCount) + " values");
    }
    Settings settings;
    for (int i = 0; i < kSettingsCount; ++i) {
        const Json one = {{"value", values[static_cast<std::size_t>(i)]}};
        const auto [low, high] = settingRange(i);
        settings[i] = static_cast<std::int32_t>(wholeMember(one, "value", low, high));
    }
    return settings;
}

// A file of the first version: its state, and the state of each point of its undo history.
void upgradeRunFileV1(Json& doc) {
    if (!doc.is_object()) return;
    if (doc.contains("state")) upgradeStateJsonV1(doc["state"]);
    if (!doc.contains("undo")) return;
    Json& undo = doc["undo"];
    if (!undo.is_object() || !undo.contains("history")) return;
    Json& history = undo["history"];
    if (!history.is_object() || !history.contains("checkpoints")) return;
    for (Json& point : history["checkpoints"]) {
        if (!point.is_object() || !point.contains("state")) continue;
        Json& checkpoint = point["state"];
        if (checkpoint.is_object() && checkpoint.contains("state")) {
            upgradeStateJsonV1(checkpoint["state"]);
        }
    }
}

// A run read from the run file, not yet in use.
struct SavedRun {
    PlayState state;
    Form window;
    Settings settings;
    RandomState random;
    std::string engine;  // the generator's own state, when the file holds it
    std::int64_t savedAt = 0;
    std::int64_t away = 0;              // the time it stood closed before
    std::optional<std::size_t> casino;  // its casino in the book
    CasinoRecord record;
    Json undo;      // its undo history, when it was closed with one
    Json watching;  // the tables watched beside it
};

}  // namespace

bool RunFileKeeper::runOpen() const {
    return s_.playing() && !d_.replay_;
}

void Advisor::flushFiles() {
    d_.runFile.flush();
    if (d_.limitsDue_) d_.guard.safeSave();
}

void RunFileKeeper::flush() {
    if (!d_.keepRunFile_ || !d_.runDirty_) return;
    d_.runDirty_ = false;
    if (runOpen()) {
        writeRunFile();
    } else if (FileExists(d_.runFile_)) {
        removeFile(d_.runFile_);
    }
}

bool RunFileKeeper::writeRunFile(bool closing) {
    const CasinoEntry* casino = d_.casinos.chosenCasino();
    const RandomState random = ports_.random.state();
    d_.panel.showEntries();  // the window is kept showing what the player has entered
    Json run = {
        {"version", kRunFileVersion},
        {"savedAt", ports_.clock.nowMs()},
        {"away", d_.awayMs_},
        {"casino", textJson(casino ? casino->name : std::string())},
        {"random",
         {{"seed", random.seed}, {"draws", random.draws}, {"engine", ports_.random.engineText()}}},
        {"settings", settingsJson(settings_)},
        {"state", toJson(s_, form_)},
        {"watching", d_.watch.watchingJson()}};
    // The undo history is large and needed only by the next session: it goes with the close.
    if (closing && d_.recordUndo_ && d_.undo_.active()) {
        if (Json undo = d_.journal.undoJson(); !undo.is_null()) run["undo"] = std::move(undo);
    }
    // Ended like the program's other files, so a backup left by a crash is seen to be whole.
    const std::string bytes = run.dump() + "\r\n";
    // What the next start could not read is not written: the user hears of it instead.
    if (bytes.size() > kRunFileLimit) {
        return d_.tellWrite(false, d_.runFile_,
                            "The run is too large to be kept for the next start.");
    }
    return d_.tellWrite(writeFileAtomic(d_.runFile_, bytes, &log_), d_.runFile_,
                        "The run goes on; it is kept for the next start once a write succeeds.");
}

void RunFileKeeper::offerResume() {
    if (!d_.keepRunFile_) return;
    const WholeFile file = readWholeFile(d_.runFile_, kRunFileLimit);
    if (file.status == WholeFile::Status::Missing) return;
    // Everything is read and checked into copies: a fault anywhere leaves the session as it is.
    SavedRun run{s_, form_, settings_, {}, {}, 0, 0, std::nullopt, {}, nullptr, nullptr};
    std::string problem;
    try {
        if (file.status == WholeFile::Status::TooLarge) throw BadStateJson("it is too large");
        if (file.status != WholeFile::Status::Read) {
            throw BadStateJson(file.why.empty() ? "it cannot be read" : file.why);
        }
        Json doc = Json::parse(file.bytes);
        const long long version = wholeMember(doc, "version", 0, 1LL << 40);
        if (version != kRunFileVersion && version != 1) {
            throw BadStateJson("it was written by another version of Brisvale");
        }
        if (version == 1) upgradeRunFileV1(doc);
        run.savedAt = wholeMember(doc, "savedAt", 0, 1LL << 53);
        const std::string casino = textMember(doc, "casino");
        if (!casino.empty()) {
            // The casino is found by its name: others may have come or gone since.
            run.casino = d_.casinos.findCasino(casino);
            if (!run.casino) throw BadStateJson("its casino " + casino + " no longer exists");
            auto record = d_.casinos.readCasino(*run.casino);
            if (!record || record->line.empty()) {
                throw BadStateJson("the history of its casino " + casino + " cannot be read");
            }
            run.record = std::move(*record);
        }
        fromJson(member(doc, "state"), run.state, run.window);
        if (!run.state.playing() || run.state.ReplayMode) {
            throw BadStateJson("it holds no open run");
        }
        run.settings = settingsOf(member(doc, "settings"));
        const Json& random = member(doc, "random");
        run.random = {unsignedMember(random, "seed"), unsignedMember(random, "draws")};
        if (run.random.draws > kMostDraws) {
            throw BadStateJson("its random generator has drawn more numbers than a run can");
        }
        if (random.contains("engine")) {
            run.engine = textMember(random, "engine");
            SeededRandom probe(0);
            if (!run.engine.empty() && !probe.restoreEngine(run.random, run.engine)) {
                throw BadStateJson("its random generator state is damaged");
            }
        }
        // Written since the start is kept across resumes; before, the start moved instead.
        // The console's clock may run ahead of the next session's: the time away may be less
        // than nothing.
        if (doc.contains("away")) run.away = wholeMember(doc, "away", -(1LL << 53), 1LL << 53);
        if (doc.contains("undo")) run.undo = std::move(doc["undo"]);
        if (doc.contains("watching")) run.watching = std::move(doc["watching"]);
    } catch (const BadStateJson& e) {
        problem = e.what();
    } catch (const Json::exception&) {
        problem = "it is not a whole run file";
    } catch (const std::exception&) {
        problem = "it cannot be read";  // out of memory for what it holds
    }
    if (!problem.empty()) {
        // Whatever stands there is moved aside, so that it is told once; what cannot be moved
        // is said as it is.
        const std::string kept = keepAsBad(d_.runFile_)
                                     ? "It is kept as " + shownFileName(d_.runFile_) + ".bad"
                                     : "It could not be moved aside and is left as it is";
        ports_.dialogs.message("The run kept in " + shownFileName(d_.runFile_) +
                                   " cannot be resumed: " + problem + ". " + kept +
                                   ", and Brisvale starts as usual.",
                               s_.AppTitle);
        return;
    }

    const PlayState& saved = run.state;
    std::string question = "Resume the run of " + localMinute(saved.RunStart - run.away) + " (" +
                           std::to_string(saved.TotalSpins) + " spins, balance $" +
                           run.window.balanceBox.text + ")";
    if (run.casino) question += " at " + run.record.name;
    if (saved.BetOpen && !saved.CurrentBet.empty()) {
        question += saved.CurrentBet.size() == 1 ? ", bet open: " : ", bets open: ";
        for (int i = 0; i < saved.CurrentBet.size(); ++i) {
            if (i > 0) question += i + 1 == saved.CurrentBet.size() ? " and " : ", ";
            question += label(saved.CurrentBet[i]);
        }
    }
    question += "?";
    if (!ports_.dialogs.askYesNo(question, s_.AppTitle)) {
        removeFile(d_.runFile_);
        return;
    }
    s_ = std::move(run.state);
    changeEntries() = entriesShownIn(run.window);
    settings_ = run.settings;
    d_.chosen_ = run.casino;
    d_.view.stateRestored(std::move(run.window));
    if (run.engine.empty() || !ports_.random.restoreEngine(run.random, run.engine)) {
        ports_.random.restore(run.random);
    }
    // The history box keeps what the run showed; the casino's file gives its recorded spins.
    d_.history_ = run.record.spins;
    d_.historyLine_ = run.record.line;
    // The spins of the resumed run go on under the casino's own key.
    d_.historyKey_ = run.record.key;
    d_.unwrittenSpins_ = 0;
    if (run.casino) {
        s_.RecordedSpins = static_cast<int>(std::min<std::size_t>(d_.history_.size(), kCountMax));
        s_.CasinoName = "- " + run.record.name;
    }
    // The time away from the table is no play time: the run's times move on by it, and the
    // start shown stays where it was.
    const std::int64_t away = ports_.clock.nowMs() - run.savedAt;
    s_.RunStart += away;
    d_.awayMs_ = run.away + away;
    d_.undo_.clear();
    if (d_.recordUndo_ && !run.undo.is_null() && d_.journal.resumeUndo(run.undo)) {
        d_.undo_.shiftTime(away);
    }
    d_.watch.resumeWatching(run.watching);
    markRunDirty();
}

// The undo history goes into the file with the casino line it reaches furthest, once: each
// checkpoint keeps the length of its own line and spins, which all begin the same way.
Json UndoJournal::undoJson() const {
    const Checkpoint* longest = nullptr;
    d_.undo_.forEachCheckpoint([&](const Checkpoint& c) {
        if (!longest || c.historyLine.size() > longest->historyLine.size()) longest = &c;
    });
    Series<char> line = d_.historyLine_;
    SpinHistory spins = d_.history_;
    if (longest && longest->historyLine.size() > line.size()) {
        line = longest->historyLine;
        spins = longest->history;
    }
    const auto begins = [&](const Series<char>& l, const SpinHistory& h) {
        return l.size() <= line.size() && h.size() <= spins.size() &&
               std::equal(l.begin(), l.end(), line.begin()) &&
               std::equal(h.begin(), h.end(), spins.begin());
    };
    bool whole = begins(d_.historyLine_, d_.history_);
    Json checkpoints = d_.undo_.toJson([&](const Checkpoint& c) -> Json {
        whole = whole && begins(c.historyLine, c.history);
        Json typed = nullptr;
        if (c.typed) typed = Json::array({c.typed->digit, c.typed->atMs});
        Form window = c.window;
        showEntriesIn(c.entries, window);
        return {{"state", toJson(c.state, window)},
                {"settings", settingsJson(c.settings)},
                {"random", {{"seed", c.random.seed}, {"draws", c.random.draws}}},
                {"line", c.historyLine.size()},
                {"spins", c.history.size()},
                {"typed", std::move(typed)}};
    });
    if (!whole) return nullptr;
    Json numbers = Json::array();
    for (int n : spins) numbers.push_back(n);
    return {{"history", std::move(checkpoints)},
            {"line", textJson(std::string_view(line.data(), line.size()))},
            {"spins", std::move(numbers)},
            {"present", d_.historyLine_.size()}};
}

bool UndoJournal::resumeUndo(const Json& undo) {
    try {
        const std::string line = textMember(undo, "line");
        std::vector<int> spins;
        for (const Json& n : member(undo, "spins")) {
            const Json one = {{"n", n}};
            spins.push_back(static_cast<int>(wholeMember(one, "n", -1, 36)));
        }
        const auto present = static_cast<std::size_t>(
            wholeMember(undo, "present", 0, static_cast<long long>(line.size())));
        // The casino's line must be the one the history left: else undoing would write back
        // a line that the file no longer holds.
        if (std::string_view(line).substr(0, present) !=
            std::string_view(d_.historyLine_.data(), d_.historyLine_.size())) {
            return false;
        }
        UndoHistory loaded;
        loaded.fromJson(member(undo, "history"), [&](const Json& j) {
            Checkpoint c{s_, form_, entries_, settings_, {}, {}, {}, std::nullopt};
            // The casino list it holds is left as it was: undoing shows the book's.
            fromJson(member(j, "state"), c.state, c.window);
            c.entries = entriesShownIn(c.window);
            c.settings = settingsOf(member(j, "settings"));
            const Json& random = member(j, "random");
            c.random = {unsignedMember(random, "seed"), unsignedMember(random, "draws")};
            // Undoing steps the generator to its draw: a count no run reaches is refused, as
            // the run's own is.
            if (c.random.draws > kMostDraws) throw BadStateJson("too many draws");
            const auto length = static_cast<std::size_t>(
                wholeMember(j, "line", 0, static_cast<long long>(line.size())));
            const auto count = static_cast<std::size_t>(
                wholeMember(j, "spins", 0, static_cast<long long>(spins.size())));
            c.historyLine.append(line.data(), length);
            c.history = std::vector<int>(spins.begin(), spins.begin() + count);
            const Json& typed = member(j, "typed");
            if (!typed.is_null()) {
                if (!typed.is_array() || typed.size() != 2) throw BadStateJson("typed is no digit");
                const Json one = {{"digit", typed[0]}, {"at", typed[1]}};
                c.typed = TypedDigit{static_cast<int>(wholeMember(one, "digit", 0, 9)),
                                     wholeMember(one, "at", 0, 1LL << 62)};
            }
            return c;
        });
        d_.undo_ = std::move(loaded);
        return true;
    } catch (const BadStateJson&) {
    } catch (const Json::exception&) {
    }
    // The run goes on without its undo history: nothing of it can be trusted.
    d_.undo_.clear();
    return false;
}

}  // namespace brisvale
