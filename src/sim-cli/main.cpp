// SPDX-License-Identifier: GPL-3.0-or-later
// brisvale-sim: plays the stored play style over many sessions, as a player who follows every
// advice, and reports what it staked and lost beside the house edge.

#include <unistd.h>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <random>
#include <stop_token>
#include <thread>

#include "sim/report.hpp"
#include "sim/simulation.hpp"
#include "sim/spin_lists.hpp"
#include "sim/style_options.hpp"
#include "storage/properties.hpp"
#include "storage/whole_file.hpp"
#include "util/numbers.hpp"

namespace {

using namespace brisvale;

std::atomic<bool> interrupted{false};

// Exit statuses: bad input (an option's value, a file, a style that cannot start), and a run
// stopped by Ctrl+C (128 + SIGINT, as the shell reports it).
constexpr int kBadInput = 2;
constexpr int kInterrupted = 130;

extern "C" void onInterrupt(int) {
    interrupted.store(true);
}

struct Invocation {
    std::filesystem::path dataDir;
    std::optional<PlayStyle> playStyle;  // none: the stored one
    long long sessions = 1000;
    bool sessionsGiven = false;
    int maxSpins = 1000;
    std::optional<double> bankroll;
    int spinSeconds = 40;
    std::optional<std::uint64_t> seed;
    int threads = 1;
    std::optional<std::filesystem::path> spinFile;
    std::optional<std::string> casino;
    std::optional<std::string> json;
    std::optional<std::string> csv;
    bool quiet = false;
    // Style options (name without dashes, value), applied over the style file.
    std::vector<std::pair<std::string, std::string>> styleOptions;
    std::optional<std::filesystem::path> styleFile;
    std::optional<std::filesystem::path> compare;
    std::optional<double> targetError;
    // The limits applied to each session: loss, win goal, time.
    std::array<std::optional<double>, 3> limits;
};

class BadInput {
  public:
    explicit BadInput(std::string why) : why_(std::move(why)) {}
    const std::string& why() const { return why_; }

  private:
    std::string why_;
};

long long wholeOption(const QCommandLineParser& parser, const QCommandLineOption& option,
                      long long lo, long long hi, long long fallback) {
    if (!parser.isSet(option)) return fallback;
    const std::string name = option.names().constLast().toStdString();
    const auto value = parseWhole(parser.value(option).toStdString(), lo, hi);
    if (!value) {
        throw BadInput("--" + name + " takes a whole number from " + std::to_string(lo) + " to " +
                       std::to_string(hi) + ", not \"" + parser.value(option).toStdString() + "\"");
    }
    return *value;
}

Invocation parseArguments(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Plays a Brisvale play style (the stored one unless the style options give one) over "
        "many sessions, as a player who follows "
        "every advice, and reports what it staked and lost beside the house edge (-2.70 %).");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir("data-dir", "The data folder (default: the window's).", "DIR");
    const QCommandLineOption style("style", "classic, multi or super (default: as stored).",
                                   "STYLE");
    const QCommandLineOption sessions("sessions", "Sessions to play (default 1000).", "N");
    const QCommandLineOption maxSpins("max-spins", "Most spins in a session (default 1000).", "N");
    const QCommandLineOption bankroll("bankroll", "Balance at Start (default: as stored).", "X");
    const QCommandLineOption spinSeconds("spin-seconds", "Play time of a spin (default 40).", "S");
    const QCommandLineOption seed("seed", "Seed of the random spins (default: the clock).", "N");
    const QCommandLineOption threads("threads", "Worker threads (default: all cores).", "N");
    const QCommandLineOption spins("spins", "Backtest on the spins of a spin file.", "FILE");
    const QCommandLineOption casino("casino", "Backtest on a casino's recorded spins.", "NAME");
    const QCommandLineOption json("json", "Write the report as JSON (- : standard output).",
                                  "FILE");
    const QCommandLineOption csv("csv", "Write one line per session as CSV.", "FILE");
    const QCommandLineOption quiet("quiet", "No progress bar.");
    const QCommandLineOption watch("watch",
                                   "Families to watch: red-black, odd-even, high-low, "
                                   "dozen, row, line, corner, trio, split, single.",
                                   "FAMILY[,FAMILY...]");
    const QCommandLineOption threshold("threshold",
                                       "A family's start threshold (a range: "
                                       "drawn at random).",
                                       "FAMILY=LOW[-HIGH]");
    const QCommandLineOption sequence("sequence", "A family's wager sequence.", "FAMILY=1,2,4,8,Q");
    const QCommandLineOption count("count", "Multi and Super: bets of a family at once.",
                                   "FAMILY=N");
    const QCommandLineOption wins("wins", "Wins before the table-switch advice.", "N");
    const QCommandLineOption minutes("minutes", "Minutes before the table-switch advice.", "N");
    const QCommandLineOption unitWager("unit-wager", "The minimum wager in dollars.", "N");
    const QCommandLineOption styleFile("style-file", "Play the style of a style file.", "FILE");
    const QCommandLineOption targetError(
        "target-error", "Play sessions until the ruin share is known within +/-P.", "P");
    const QCommandLineOption compare("compare", "Also play a style file on the same spins.",
                                     "STYLE-FILE");
    const QCommandLineOption lossLimit("loss-limit", "End a session once it has lost X.", "X");
    const QCommandLineOption winGoal("win-goal", "End a session once it has won X.", "X");
    const QCommandLineOption timeLimit("time-limit", "End a session after MIN minutes of play.",
                                       "MIN");
    parser.addOptions({dataDir,     style,    sessions,  maxSpins, bankroll, spinSeconds, seed,
                       threads,     spins,    casino,    json,     csv,      quiet,       watch,
                       threshold,   sequence, count,     wins,     minutes,  unitWager,   styleFile,
                       targetError, compare,  lossLimit, winGoal,  timeLimit});
    if (!parser.parse(app.arguments())) throw BadInput(parser.errorText().toStdString());
    if (parser.isSet("help")) parser.showHelp(0);
    if (parser.isSet("version")) parser.showVersion();
    if (!parser.positionalArguments().isEmpty()) {
        throw BadInput("unexpected argument \"" +
                       parser.positionalArguments().front().toStdString() + "\"");
    }

    Invocation inv;
    QString dir = parser.value(dataDir);
    if (dir.isEmpty()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/brisvale/";
    }
    inv.dataDir = std::filesystem::path(dir.toStdU16String());
    if (parser.isSet(style)) {
        const QString name = parser.value(style);
        if (name == "classic") {
            inv.playStyle = PlayStyle::Classic;
        } else if (name == "multi") {
            inv.playStyle = PlayStyle::Multi;
        } else if (name == "super") {
            inv.playStyle = PlayStyle::Super;
        } else {
            throw BadInput("unknown style \"" + name.toStdString() +
                           "\": --style takes classic, multi or super");
        }
    }
    inv.sessionsGiven = parser.isSet(sessions);
    inv.sessions = wholeOption(parser, sessions, 1, 10'000'000, 1000);
    inv.maxSpins = static_cast<int>(wholeOption(parser, maxSpins, 1, 1'000'000'000, 1000));
    inv.spinSeconds = static_cast<int>(wholeOption(parser, spinSeconds, 0, 86400, 40));
    const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
    inv.threads = static_cast<int>(wholeOption(parser, threads, 1, 1024, cores));
    if (parser.isSet(bankroll)) {
        const auto amount = parseNumber(parser.value(bankroll).toStdString());
        if (!amount || *amount < 0 || *amount > 1e12) {
            throw BadInput("--bankroll takes an amount from 0 to 1000000000000, not \"" +
                           parser.value(bankroll).toStdString() + "\"");
        }
        inv.bankroll = *amount;
    }
    if (parser.isSet(seed)) {
        bool ok = false;
        const qulonglong value = parser.value(seed).toULongLong(&ok);
        if (!ok) throw BadInput("--seed takes a whole number of 0 or more");
        inv.seed = value;
    }
    if (parser.isSet(spins) && parser.isSet(casino)) {
        throw BadInput("--spins and --casino cannot be used together");
    }
    if (parser.isSet(spins))
        inv.spinFile = std::filesystem::path(parser.value(spins).toStdU16String());
    if (parser.isSet(casino)) inv.casino = parser.value(casino).toStdString();
    if (parser.isSet(json)) inv.json = parser.value(json).toStdString();
    if (parser.isSet(csv)) inv.csv = parser.value(csv).toStdString();
    inv.quiet = parser.isSet(quiet);
    // The style options, each kind in the order given: a later value wins.
    for (const QCommandLineOption* option :
         {&watch, &threshold, &sequence, &count, &wins, &minutes, &unitWager}) {
        for (const QString& value : parser.values(*option)) {
            inv.styleOptions.emplace_back(option->names().constFirst().toStdString(),
                                          value.toStdString());
        }
    }
    if (parser.isSet(styleFile)) {
        inv.styleFile = std::filesystem::path(parser.value(styleFile).toStdU16String());
    }
    if (parser.isSet(compare)) {
        inv.compare = std::filesystem::path(parser.value(compare).toStdU16String());
    }
    if (parser.isSet(targetError)) {
        const auto p = parseNumber(parser.value(targetError).toStdString());
        if (!p || !(*p > 0) || *p >= 0.5) {
            throw BadInput(
                "--target-error takes a share above 0 and below 0.5 (0.005 for "
                "+/-0.5 %), not \"" +
                parser.value(targetError).toStdString() + "\"");
        }
        inv.targetError = *p;
    }
    const std::pair<const QCommandLineOption*, LimitName> limits[] = {
        {&lossLimit, LimitName::LossSession},
        {&winGoal, LimitName::WinSession},
        {&timeLimit, LimitName::TimeDay}};
    for (std::size_t i = 0; i < std::size(limits); ++i) {
        const auto& [option, name] = limits[i];
        if (!parser.isSet(*option)) continue;
        const std::string text = parser.value(*option).toStdString();
        const auto value = parseNumber(text);
        const bool time = name == LimitName::TimeDay;
        if (!value || limitProblem(name, *value)) {
            throw BadInput("--" + option->names().constFirst().toStdString() + " takes " +
                           (time ? "minutes above 0 and up to 1440" : "dollars above 0") +
                           ", not \"" + text + "\"");
        }
        inv.limits[i] = *value;
    }
    if ((inv.targetError || inv.compare) && (inv.spinFile || inv.casino)) {
        throw BadInput(std::string(inv.compare ? "--compare" : "--target-error") +
                       " plays random spins: it cannot be used with --spins or --casino");
    }
    return inv;
}

// A seed that JSON readers hold exactly (53 bits).
std::uint64_t clockSeed() {
    std::random_device device;
    const auto mixed = (static_cast<std::uint64_t>(device()) << 21) ^
                       static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
    return mixed & ((std::uint64_t{1} << 53) - 1);
}

std::vector<int> backtestSpins(const Invocation& inv) {
    const sim::SpinList list = inv.spinFile ? sim::readSpinList(*inv.spinFile)
                                            : sim::readCasinoSpins(inv.dataDir, *inv.casino);
    if (const auto* why = std::get_if<std::string>(&list)) throw BadInput(*why);
    return std::get<std::vector<int>>(list);
}

void drawProgress(long long done, long long total, bool backtest) {
    constexpr int kWidth = 30;
    const double share = total > 0 ? static_cast<double>(done) / static_cast<double>(total) : 1;
    const int filled = static_cast<int>(share * kWidth);
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(kWidth, '.');
    std::fprintf(stderr, "\r[%s] %3d %% %lld/%lld %s", bar.c_str(), static_cast<int>(share * 100),
                 done, total, backtest ? "spins" : "sessions");
    std::fflush(stderr);
}

void writeOutput(const std::string& target, const std::string& text) {
    if (target == "-") {
        std::fwrite(text.data(), 1, text.size(), stdout);
        return;
    }
    if (!writeFileAtomic(target, text, nullptr, true)) throw BadInput("cannot write " + target);
}

// The style file's text; a style file cannot be missing or unreadable.
std::string styleFileText(const std::filesystem::path& file, std::string_view option) {
    constexpr std::size_t kMostBytes = 1 << 20;
    WholeFile read = readWholeFile(file, kMostBytes);
    if (read.status != WholeFile::Status::Read) {
        throw BadInput(std::string(option) + ": cannot read the style file " + file.string());
    }
    return std::move(read.bytes);
}

// The stored style with the style file's members and the style options over it.
std::shared_ptr<StoredStyle> styleOf(const Invocation& inv,
                                     const std::optional<std::filesystem::path>& file,
                                     std::optional<PlayStyle>& playStyle, bool options) {
    auto style = std::make_shared<StoredStyle>(readStoredStyle(inv.dataDir));
    if (file) {
        const std::string option = options ? "--style-file" : "--compare";
        if (auto bad = sim::applyStyleFile(*style, playStyle, styleFileText(*file, option))) {
            throw BadInput(option + " " + file->string() + ": " + *bad);
        }
    }
    if (!options) return style;
    for (const auto& [name, value] : inv.styleOptions) {
        if (auto bad = sim::applyStyleOption(*style, name, value)) throw BadInput(*bad);
    }
    return style;
}

// Why a style cannot start, and the option that mends it.
std::string refusal(const std::string& problem, bool styleGiven) {
    std::string why = "the play style cannot start: " + problem;
    if (!styleGiven && problem == "Play Style is not properly set up") {
        return why +
               "; the data folder holds no play style: --watch FAMILY[,FAMILY...] (with "
               "--threshold, --sequence, --count, --wins, --minutes, --unit-wager) or "
               "--style-file FILE gives one";
    }
    const std::string mend = sim::mendingOption(problem);
    if (!mend.empty()) why += "; " + mend;
    return why;
}

int run(const Invocation& inv) {
    std::optional<PlayStyle> playStyle;
    auto style = styleOf(inv, inv.styleFile, playStyle, true);
    if (inv.playStyle) playStyle = inv.playStyle;
    if (style->settings.status == SettingsStatus::Damaged) {
        std::fprintf(stderr,
                     "warning: the settings file could not be read (%s); the default "
                     "settings are played\n",
                     style->settings.problem.c_str());
    }
    sim::TableSetup setup;
    setup.style = style;
    setup.playStyle = playStyle;
    setup.bankroll = inv.bankroll;
    setup.spinSeconds = inv.spinSeconds;
    setup.maxSpins = inv.maxSpins;
    setup.lossLimit = inv.limits[0];
    setup.winGoal = inv.limits[1];
    setup.timeLimit = inv.limits[2];

    sim::RunOptions options;
    options.seed = inv.seed.value_or(clockSeed());
    options.threads = inv.threads;
    options.sessions = inv.sessions;
    // A target error plays as many sessions as it needs, up to --sessions when given.
    if (inv.targetError && !inv.sessionsGiven) options.sessions = 10'000'000;
    const bool backtest = inv.spinFile || inv.casino;
    // The spins first: a casino that does not exist is told as such, whatever the style.
    if (backtest) {
        options.spins = backtestSpins(inv);
        if (!inv.sessionsGiven) options.sessions = static_cast<long long>(options.spins->size());
    }
    const sim::Table table(setup);
    const bool styleGiven = inv.styleFile || !inv.styleOptions.empty();
    if (const auto problem = table.startProblem()) throw BadInput(refusal(*problem, styleGiven));
    std::unique_ptr<sim::Table> other;
    if (inv.compare) {
        sim::TableSetup second = setup;
        std::optional<PlayStyle> secondStyle;
        second.style = styleOf(inv, inv.compare, secondStyle, false);
        second.playStyle = secondStyle;
        other = std::make_unique<sim::Table>(second);
        if (const auto problem = other->startProblem()) {
            throw BadInput("--compare " + inv.compare->string() + ": " + refusal(*problem, true));
        }
    }

    std::stop_source stop;
    const bool bar = !inv.quiet && ::isatty(STDERR_FILENO) != 0;
    const auto progress = [&](long long done, long long total) {
        if (interrupted.load()) stop.request_stop();
        if (bar) drawProgress(done, total, backtest);
    };
    bool reached = false;
    const sim::RunResult result =
        inv.targetError ? sim::runToPrecision(table, options, *inv.targetError, reached, progress,
                                              stop.get_token())
                        : sim::runSessions(table, options, progress, stop.get_token());
    sim::RunResult second;
    if (other && !result.cancelled) {
        sim::RunOptions same = options;
        same.sessions = static_cast<long long>(result.sessions.size());
        second = sim::runSessions(*other, same, progress, stop.get_token());
    }
    if (bar) std::fprintf(stderr, "\r%*s\r", 60, "");
    if (result.cancelled || second.cancelled) {
        std::fprintf(stderr, "interrupted: the report is not written\n");
        return kInterrupted;
    }

    sim::Report report =
        sim::summarize(result, table.styleName(), options.seed, table.bankroll(), backtest);
    report.spinSeconds = inv.spinSeconds;
    report.minimumBalance = table.minimumBalance();
    if (inv.targetError) {
        report.targetError = inv.targetError;
        report.targetReached = reached;
    }
    if (other) {
        sim::Report theirs =
            sim::summarize(second, other->styleName(), options.seed, other->bankroll(), false);
        theirs.spinSeconds = inv.spinSeconds;
        sim::addComparison(report, std::move(theirs), result, second);
    }
    const std::string json = sim::jsonReport(report);
    if (inv.json) writeOutput(*inv.json, json);
    if (inv.json != "-") writeOutput("-", sim::textReport(report));
    if (inv.csv) {
        writeOutput(*inv.csv,
                    sim::csvSessions(result.sessions, other ? &second.sessions : nullptr));
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("brisvale-sim");
    QCoreApplication::setApplicationVersion(BRISVALE_VERSION);
    std::signal(SIGINT, onInterrupt);
    // Past a file size limit a write fails (EFBIG) and is told like a full disk, instead of
    // the signal ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        return run(parseArguments(app));
    } catch (const BadInput& bad) {
        std::fprintf(stderr, "error: %s\n", bad.why().c_str());
        return kBadInput;
    }
}
