// SPDX-License-Identifier: GPL-3.0-or-later
// The run file: an open run kept in the data folder, so that the next session can resume it.

#include <ctime>

#include "play/advisor.hpp"
#include "state/state_json.hpp"
#include "storage/properties.hpp"
#include "storage/spin_file.hpp"
#include "storage/whole_file.hpp"

namespace brisvale {
namespace {

constexpr long long kRunFileVersion = 1;
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

// A run read from the run file, not yet in use.
struct SavedRun {
    PlayState state;
    Settings settings;
    RandomState random;
    std::string engine;  // the generator's own state, when the file holds it
    std::int64_t savedAt = 0;
    int casino = 0;  // its position in the casino list
    CasinoRecord record;
};

}  // namespace

bool Advisor::runOpen() const {
    return s_.form.Button1.caption == "Submit" && !replay_;
}

void Advisor::flushRunFile() {
    if (!keepRunFile_ || !runDirty_) return;
    runDirty_ = false;
    if (runOpen()) {
        writeRunFile();
    } else if (FileExists(runFile_)) {
        removeFile(runFile_);
    }
}

bool Advisor::writeRunFile() {
    Json settings = Json::array();
    for (std::int32_t value : settings_.values) settings.push_back(value);
    const int casino = s_.form.Casino.index;
    const RandomState random = ports_.random.state();
    const Json run = {
        {"version", kRunFileVersion},
        {"savedAt", ports_.clock.nowMs()},
        {"casino", textJson(casino >= 2 ? s_.form.Casino.items[casino] : std::string())},
        {"random",
         {{"seed", random.seed}, {"draws", random.draws}, {"engine", ports_.random.engineText()}}},
        {"settings", std::move(settings)},
        {"state", toJson(s_)}};
    // Ended like the program's other files, so a backup left by a crash is seen to be whole.
    const std::string bytes = run.dump() + "\r\n";
    // What the next start could not read is not written: the user hears of it instead.
    if (bytes.size() > kRunFileLimit) {
        return tellWrite(false, runFile_, "The run is too large to be kept for the next start.");
    }
    return tellWrite(writeFileAtomic(runFile_, bytes, &log_), runFile_,
                     "The run goes on; it is kept for the next start once a write succeeds.");
}

void Advisor::offerResume() {
    if (!keepRunFile_) return;
    const WholeFile file = readWholeFile(runFile_, kRunFileLimit);
    if (file.status == WholeFile::Status::Missing) return;
    // Everything is read and checked into copies: a fault anywhere leaves the session as it is.
    SavedRun run{s_, settings_, {}, {}, 0, 0, {}};
    std::string problem;
    try {
        if (file.status == WholeFile::Status::TooLarge) throw BadStateJson("it is too large");
        if (file.status != WholeFile::Status::Read) {
            throw BadStateJson(file.why.empty() ? "it cannot be read" : file.why);
        }
        Json doc = Json::parse(file.bytes);
        if (wholeMember(doc, "version", 0, 1LL << 40) != kRunFileVersion) {
            throw BadStateJson("it was written by another version of Brisvale");
        }
        run.savedAt = wholeMember(doc, "savedAt", 0, 1LL << 53);
        const std::string casino = textMember(doc, "casino");
        if (!casino.empty()) {
            const ItemList& items = s_.form.Casino.items;
            for (std::size_t i = 2; i < items.size() && !run.casino; ++i) {
                if (items[i] == casino) run.casino = static_cast<int>(i);
            }
            if (!run.casino) throw BadStateJson("its casino " + casino + " no longer exists");
            auto record = readCasino(run.casino);
            if (!record || record->line.empty()) {
                throw BadStateJson("the history of its casino " + casino + " cannot be read");
            }
            run.record = std::move(*record);
        }
        // The casino is found by its name: others may have come or gone since.
        member(member(member(doc, "state"), "form"), "Casino");
        doc["state"]["form"]["Casino"]["index"] = run.casino;
        fromJson(member(doc, "state"), run.state);
        if (run.state.form.Button1.caption != "Submit" || run.state.ReplayMode) {
            throw BadStateJson("it holds no open run");
        }
        const Json& settings = member(doc, "settings");
        if (!settings.is_array() || settings.size() != kSettingsCount) {
            throw BadStateJson("its settings are not " + std::to_string(kSettingsCount) +
                               " values");
        }
        for (int i = 0; i < kSettingsCount; ++i) {
            const Json one = {{"value", settings[static_cast<std::size_t>(i)]}};
            const auto [low, high] = settingRange(i);
            run.settings[i] = static_cast<std::int32_t>(wholeMember(one, "value", low, high));
        }
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
        const std::string kept = keepAsBad(runFile_)
                                     ? "It is kept as " + shownFileName(runFile_) + ".bad"
                                     : "It could not be moved aside and is left as it is";
        ports_.dialogs.message("The run kept in " + shownFileName(runFile_) +
                                   " cannot be resumed: " + problem + ". " + kept +
                                   ", and Brisvale starts as usual.",
                               s_.AppTitle);
        return;
    }

    const PlayState& saved = run.state;
    const std::string question = "Resume the run of " + localMinute(saved.RunStart) + " (" +
                                 std::to_string(saved.TotalSpins) + " spins, balance $" +
                                 saved.form.Text[18].text + ")?";
    if (!ports_.dialogs.askYesNo(question, s_.AppTitle)) {
        removeFile(runFile_);
        return;
    }
    s_ = std::move(run.state);
    settings_ = run.settings;
    if (run.engine.empty() || !ports_.random.restoreEngine(run.random, run.engine)) {
        ports_.random.restore(run.random);
    }
    // The history box keeps what the run showed; the casino's file gives its recorded spins.
    history_ = run.record.spins;
    historyLine_ = run.record.line;
    if (run.casino) {
        s_.RecordedSpins = static_cast<int>(std::min<std::size_t>(history_.size(), kCountMax));
        s_.CasinoName = "- " + run.record.name;
    }
    // The time away from the table is no play time.
    s_.RunStart += ports_.clock.nowMs() - run.savedAt;
    markRunDirty();
}

}  // namespace brisvale
