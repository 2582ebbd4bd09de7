// SPDX-License-Identifier: GPL-3.0-or-later
// brisvale-cli: the advisor without a window. Reads the user's actions as text commands and
// prints what the window would show, as JSON.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>
#include <memory>
#include <random>

#include "advisor/advisor.hpp"
#include "cli/console.hpp"
#include "cli/line_reader.hpp"

#ifdef BRISVALE_HAVE_NET
#include "net/qt_fetcher.hpp"
#endif

namespace {

using namespace brisvale;

struct Invocation {
    std::filesystem::path dataDir;
    std::optional<std::uint64_t> seed;
    std::string remoteSite;
    bool deleteDebugLog = false;
    QStringList scripts;
};

// Parses the command line; nullopt (after a message) when it cannot be used.
std::optional<Invocation> parseArguments(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "The Brisvale roulette advisor without a window: reads commands, one per line, and "
        "prints the window's state as JSON on \"show\" and its statistics on \"stats\".\n\n"
        "Commands:\n"
        "  click N             click board cell N (0..48)\n"
        "  chip N              click the stake label of chip N\n"
        "  press [NAME]        press a button (default Button1)\n"
        "  set NAME VALUE      change a control as the user does\n"
        "  flip                turn the board round\n"
        "  key KEY             type a digit 0..9 or Enter on the main window\n"
        "  tick [K]            K timer ticks (default 1)\n"
        "  menu NAME [K]       choose a menu item\n"
        "  close frmWagering   close the wagering dialog with its close box\n"
        "  answer [TEXT]       answer the next question or input box\n"
        "  undo, redo          Edit > Undo Spin / Redo Spin\n"
        "  import FILE         append the spins of a spin file to the selected casino\n"
        "  export FILE         write the selected casino's spins to a spin file\n"
        "  show                print the window's state as one line of JSON\n"
        "  stats               print the statistics panel as one line of JSON");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption dataDir("data-dir", "The data folder (created when missing).", "DIR");
    const QCommandLineOption seed("seed", "Seed of the random generator.", "N");
    const QCommandLineOption remote("remote-site", "Fetch the remote files from this site.", "URL");
    const QCommandLineOption deleteLog("d", "Delete the debug log at start.");
    parser.addOptions({dataDir, seed, remote, deleteLog});
    parser.addPositionalArgument(
        "SCRIPT", "Command files, read in order (default: standard input).", "[SCRIPT...]");
    // Invocation errors look like every other error of the console.
    if (!parser.parse(app.arguments())) {
        std::fprintf(stderr, "error: %s\n", parser.errorText().toLocal8Bit().constData());
        return std::nullopt;
    }
    if (parser.isSet(help)) parser.showHelp(0);
    if (parser.isSet(version)) parser.showVersion();

    Invocation inv;
    QString dir = parser.value(dataDir);
    if (dir.isEmpty()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/brisvale/";
    }
    inv.dataDir = std::filesystem::path(dir.toStdU16String());
    if (parser.isSet(seed)) {
        bool ok = false;
        const qulonglong value = parser.value(seed).toULongLong(&ok);
        if (!ok) {
            std::fprintf(stderr, "error: --seed takes a whole number of 0 or more\n");
            return std::nullopt;
        }
        inv.seed = value;
    }
    inv.remoteSite = parser.value(remote).toStdString();
    inv.deleteDebugLog = parser.isSet(deleteLog);
    inv.scripts = parser.positionalArguments();
    return inv;
}

std::uint64_t freshSeed(std::int64_t nowMs) {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ static_cast<std::uint64_t>(nowMs);
}

// Feeds one stream to the console; false once the window has been closed.
bool runStream(std::FILE* file, cli::Console& console) {
    cli::LineReader reader(file);
    std::string line;
    while (reader.next(line)) {
        if (!console.run(line, reader.moreWaiting())) return false;
    }
    return true;
}

void runScripts(const QStringList& scripts, cli::Console& console, cli::ErrorSink& errors) {
    if (scripts.isEmpty()) {
        runStream(stdin, console);
        return;
    }
    for (const QString& script : scripts) {
        std::FILE* file = std::fopen(QFile::encodeName(script).constData(), "rb");
        if (!file) {
            errors.report("cannot read the script " + script.toStdString());
            continue;
        }
        const bool more = runStream(file, console);
        std::fclose(file);
        if (!more) return;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("brisvale-cli");
    // Past a file size limit a write fails (EFBIG) and is told like a full disk, instead of
    // the signal ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication::setApplicationVersion(BRISVALE_VERSION);
    const std::optional<Invocation> inv = parseArguments(app);
    if (!inv) return 1;

    cli::ErrorSink errors;
    cli::ConsoleDialogs dialogs(errors);
    cli::ConsoleBrowser browser;
    cli::VirtualClock clock(QDateTime::currentMSecsSinceEpoch());
    SeededRandom random(inv->seed.value_or(freshSeed(clock.nowMs())));
    std::unique_ptr<Fetcher> fetcher;
#ifdef BRISVALE_HAVE_NET
    if (!inv->remoteSite.empty()) fetcher = std::make_unique<QtFetcher>();
#endif

    Advisor advisor(Ports{dialogs, browser, clock, random, fetcher.get()});
    // The data folder is claimed at once, so a second program on it is refused before it
    // reads a command; start-up itself waits for the first command (see Console).
    const StartOptions start{inv->dataDir, inv->deleteDebugLog, inv->remoteSite};
    if (const ActionResult claimed = advisor.claimDataFolder(start); !claimed.ok) {
        errors.report(claimed.error);
        return 1;
    }
    cli::Console console(advisor, start, dialogs, browser, clock, errors, stdout);
    runScripts(inv->scripts, console, errors);
    console.close();
    std::fflush(stdout);
    return errors.any() ? 1 : 0;
}
