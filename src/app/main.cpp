// brisvale: the desktop window of the roulette advisor.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/main_window.hpp"
#include "app/qt_ports.hpp"
#include "play/advisor.hpp"
#ifdef BRISVALE_HAVE_NET
#include "net/qt_fetcher.hpp"
#endif

namespace {

// Ends the program right after the window's first paint (start-up measurements).
class FirstPaintQuit final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool done_ = false;
};

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

// --help and --version answer before the window system is reached, so they work without a
// display. Anything else waits for QApplication, which takes its own options out first.
void answerHelpAndVersion(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describeOptions(parser);
    parser.parse(arguments);
    if (parser.isSet("help")) {
        // Without an application object Qt cannot name the program in the usage line.
        QString help = parser.helpText();
        help.replace("<executable_name>", QFileInfo(arguments.first()).fileName());
        std::fputs(help.toLocal8Bit().constData(), stdout);
        std::exit(0);
    }
    if (parser.isSet("version")) parser.showVersion();
}

Options parseCommandLine(QApplication& app) {
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);

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
        if (!ok) {
            std::fputs("brisvale: --seed takes a whole number\n", stderr);
            std::exit(1);
        }
        options.seed = value;
    }
    options.quitAfterFirstPaint = parser.isSet("quit-after-first-paint");
    return options;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName("brisvale");
    QCoreApplication::setApplicationVersion(BRISVALE_VERSION);
    answerHelpAndVersion(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Brisvale");
    QApplication::setDesktopFileName(BRISVALE_APP_ID);
    const Options options = parseCommandLine(app);

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
        dialogs.message(opened.error, "Brisvale");
        return 1;
    }

    brisvale::app::MainWindow window(advisor);
    dialogs.setParent(&window);
    FirstPaintQuit firstPaint;
    if (options.quitAfterFirstPaint) window.installEventFilter(&firstPaint);
    window.show();
    window.startTimer1();
    return QApplication::exec();
}
