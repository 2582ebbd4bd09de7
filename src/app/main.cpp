// SPDX-License-Identifier: GPL-3.0-or-later
// brisvale: the desktop window of the roulette advisor.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "advisor/advisor.hpp"
#include "app/first_paint_quit.hpp"
#include "app/identity.hpp"
#include "app/main_window.hpp"
#include "app/qt_ports.hpp"
#ifdef BRISVALE_HAVE_NET
#include "net/qt_fetcher.hpp"
#endif

namespace {

struct Options {
    brisvale::StartOptions start;
    std::optional<std::uint64_t> seed;
    bool quitAfterFirstPaint = false;
};

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription("Brisvale roulette advisor");
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption firstPaint("quit-after-first-paint", "Exit after the first paint.");
    firstPaint.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({{"data-dir", "The data folder.", "DIR"},
                       {"remote-site", "Fetch the remote files from URL.", "URL"},
                       {"seed", "Seed of the random generator.", "N"},
                       {"d", "Delete the debug log at start."},
                       firstPaint});
}

// The options QApplication takes out of the command line itself (-style fusion, -reverse, ...),
// and whether each takes a value.
bool isQtOption(const QString& argument, bool& takesValue) {
    static const std::pair<const char*, bool> kQtOptions[] = {{"platform", true},
                                                              {"platformpluginpath", true},
                                                              {"platformtheme", true},
                                                              {"plugin", true},
                                                              {"qwindowgeometry", true},
                                                              {"geometry", true},
                                                              {"qwindowtitle", true},
                                                              {"title", true},
                                                              {"qwindowicon", true},
                                                              {"icon", true},
                                                              {"session", true},
                                                              {"display", true},
                                                              {"name", true},
                                                              {"style", true},
                                                              {"stylesheet", true},
                                                              {"visual", true},
                                                              {"reverse", false},
                                                              {"widgetcount", false},
                                                              {"nograb", false},
                                                              {"dograb", false},
                                                              {"sync", false},
                                                              {"testability", false},
                                                              {"qmljsdebugger", false}};
    if (!argument.startsWith('-') || argument == "-" || argument == "--") return false;
    QString name = argument.mid(argument.startsWith("--") ? 2 : 1);
    const bool joined = name.contains('=');
    name = name.section('=', 0, 0);
    for (const auto& [option, value] : kQtOptions) {
        if (name == QLatin1StringView(option)) {
            takesValue = value && !joined;
            return true;
        }
    }
    return false;
}

[[noreturn]] void refuse(const QString& why) {
    std::fprintf(stderr, "brisvale: %s\nTry 'brisvale --help' for the options.\n",
                 why.toLocal8Bit().constData());
    std::exit(1);
}

// The command line is read before the window system is reached, as command-line programs do:
// --help, --version and every mistake are answered without a display.
Options parseCommandLine(int argc, char* argv[]) {
    QStringList arguments{QFileInfo(QString::fromLocal8Bit(argv[0])).fileName()};
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        bool takesValue = false;
        if (isQtOption(argument, takesValue)) {
            if (takesValue) ++i;
            continue;
        }
        arguments << argument;
    }
    QCommandLineParser parser;
    describeOptions(parser);
    if (!parser.parse(arguments)) refuse(parser.errorText());
    if (parser.isSet("help")) {
        // Without an application object Qt cannot name the program in the usage line.
        QString help = parser.helpText();
        help.replace("<executable_name>", arguments.first());
        std::fputs(help.toLocal8Bit().constData(), stdout);
        std::exit(0);
    }
    if (parser.isSet("version")) parser.showVersion();
    if (!parser.positionalArguments().isEmpty()) {
        refuse("unexpected argument '" + parser.positionalArguments().first() + "'");
    }

    Options options;
    const QString folder =
        parser.isSet("data-dir")
            ? parser.value("data-dir")
            : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/brisvale/";
    options.start.dataDir = QDir::cleanPath(folder).toStdString();
    options.start.deleteDebugLog = parser.isSet("d");
    options.start.remoteSite = parser.value("remote-site").toStdString();
    if (parser.isSet("seed")) {
        bool ok = false;
        const qulonglong value = parser.value("seed").toULongLong(&ok);
        if (!ok) refuse("--seed takes a whole number");
        options.seed = value;
    }
    options.quitAfterFirstPaint = parser.isSet("quit-after-first-paint");
    return options;
}

}  // namespace

int main(int argc, char* argv[]) {
    brisvale::app::setApplicationIdentity(BRISVALE_VERSION, BRISVALE_APP_ID);
    const Options options = parseCommandLine(argc, argv);
    QApplication app(argc, argv);
    // Past a file size limit a write fails (EFBIG) and is told like a full disk, instead of
    // the signal ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);

    brisvale::app::QtDialogs dialogs;
    brisvale::app::QtBrowser browser;
    brisvale::app::SystemClock clock;
    brisvale::SeededRandom random(options.seed.value_or(static_cast<std::uint64_t>(clock.nowMs())));
    std::unique_ptr<brisvale::Fetcher> fetcher;
#ifdef BRISVALE_HAVE_NET
    fetcher = std::make_unique<brisvale::QtFetcher>();
#endif
    brisvale::Advisor advisor({dialogs, browser, clock, random, fetcher.get()});
    if (const brisvale::ActionResult opened = advisor.userOpenWindow(options.start); !opened.ok) {
        // Another copy may hold the folder with its window on top of all others: the box goes
        // above it, and this copy ends once it is answered.
        brisvale::app::messageAboveAll(opened.error, "Brisvale");
        return 1;
    }

    brisvale::app::MainWindow window(advisor);
    dialogs.setParent(&window);
    brisvale::app::FirstPaintQuit firstPaint;
    if (options.quitAfterFirstPaint) window.installEventFilter(&firstPaint);
    window.show();
    window.startTimer1();
    return QApplication::exec();
}
