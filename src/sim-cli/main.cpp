// SPDX-License-Identifier: GPL-3.0-or-later
// brisvale-sim: plays the stored play style over many sessions, as a player who follows every
// advice, and reports what it staked and lost beside the house edge.

#include <unistd.h>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QStandardPaths>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <random>
#include <stop_token>
#include <thread>

#include "sim/report.hpp"
#include "sim/simulation.hpp"
#include "sim/spin_lists.hpp"
#include "storage/properties.hpp"
#include "util/numbers.hpp"

namespace {

using namespace brisvale;

std::atomic<bool> interrupted{false};

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
        "Plays the stored Brisvale play style over many sessions, as a player who follows "
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
    parser.addOptions({dataDir, style, sessions, maxSpins, bankroll, spinSeconds, seed, threads,
                       spins, casino, json, csv, quiet});
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

int run(const Invocation& inv) {
    auto style = std::make_shared<StoredStyle>(readStoredStyle(inv.dataDir));
    if (style->settings.status == SettingsStatus::Damaged) {
        std::fprintf(stderr,
                     "warning: the settings file could not be read (%s); the default "
                     "settings are played\n",
                     style->settings.problem.c_str());
    }
    sim::TableSetup setup;
    setup.style = style;
    setup.playStyle = inv.playStyle;
    setup.bankroll = inv.bankroll;
    setup.spinSeconds = inv.spinSeconds;
    setup.maxSpins = inv.maxSpins;
    const sim::Table table(setup);
    if (const auto problem = table.startProblem()) {
        throw BadInput("the play style cannot start: " + *problem);
    }

    sim::RunOptions options;
    options.seed = inv.seed.value_or(clockSeed());
    options.threads = inv.threads;
    options.sessions = inv.sessions;
    const bool backtest = inv.spinFile || inv.casino;
    if (backtest) {
        options.spins = backtestSpins(inv);
        if (!inv.sessionsGiven) options.sessions = static_cast<long long>(options.spins->size());
    }

    std::stop_source stop;
    const bool bar = !inv.quiet && ::isatty(STDERR_FILENO) != 0;
    const sim::RunResult result = sim::runSessions(
        table, options,
        [&](long long done, long long total) {
            if (interrupted.load()) stop.request_stop();
            if (bar) drawProgress(done, total, backtest);
        },
        stop.get_token());
    if (bar) std::fprintf(stderr, "\r%*s\r", 60, "");
    if (result.cancelled) {
        std::fprintf(stderr, "interrupted: the report is not written\n");
        return 2;
    }

    const sim::Report report =
        sim::summarize(result, table.styleName(), options.seed, table.bankroll(), backtest);
    const std::string json = sim::jsonReport(report);
    if (inv.json) writeOutput(*inv.json, json);
    if (inv.json != "-") writeOutput("-", sim::textReport(report));
    if (inv.csv) writeOutput(*inv.csv, sim::csvSessions(result.sessions));
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
        return 1;
    }
}
