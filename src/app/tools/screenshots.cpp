// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the window's pictures for docs/screenshots on a fresh data folder:
//     brisvale_screenshots OUTDIR
// It plays each state through the Advisor's user actions and draws the real window, with the
// real message boxes, which it photographs and answers as they come up.

#include "app/tools/screenshot_scene.hpp"

namespace {

using namespace brisvale;
using namespace brisvale::shots;

void freshStart(const QString& out) {
    Scene s(out);
    s.shoot("01-fresh-start.png");
    s.press("cmdMore");
    s.shoot("02-advanced-panel.png");
    s.menu("mnuProg");
    s.shoot(*s.window().wageringDialog(), "06-custom-wagering.png");
    // A sequence without its end mark: the message, then the focus on the box to mend.
    s.set("frmWagering.Text6", "1,1,2,2,3");
    s.expectBox("10-invalid-message.png", [](QWidget* box) { answer(box, QMessageBox::Ok); });
    s.press("frmWagering.Command2");
    s.shoot(*s.window().wageringDialog(), "09-wagering-invalid.png");
    s.press("frmWagering.Command3");
    s.expectBox("14-about.png", [](QWidget* box) { qobject_cast<QDialog*>(box)->accept(); });
    s.menu("mnuAbout");
}

void classicBet(const QString& out) {
    Scene s(out);
    startRedBlack(s);
    for (int n : {2, 4}) {
        if (!s.state().BetOpen) s.spin(n);
    }
    s.click(17);
    s.shoot("03-classic-bet.png");
}

// Super play with a chip of every family on the board.
void layAllFamilies(Scene& s) {
    s.set("BetStyle3", "1");
    const char* boxes[][2] = {{"Text2", "Check1"},  {"Text4", "Check2"},  {"Text6", "Check3"},
                              {"Text8", "Check4"},  {"Text10", "Check5"}, {"Text12", "Check6"},
                              {"Text14", "Check7"}, {"Text16", "Check9"}};
    for (const auto& b : boxes) early(s, b[0], b[1]);
    for (const char* list :
         {"cboDozen", "cboLine", "cboCorner", "cboTrio", "cboSplit", "cboSingle"}) {
        s.set(list, "2");
    }
    for (const char* box : {"chk7", "chk6", "chk2", "chk3", "chk4", "chk5", "Chk8"}) {
        s.set(box, "1");
    }
    s.set("Text18", "1000");
    s.press();
    for (int n : {5, 30, 11}) s.spin(n);
}

void superChips(const QString& out) {
    Scene s(out);
    layAllFamilies(s);
    s.shoot("04-super-chips.png");
    s.flip();
    s.shoot("05-flipped.png");
}

// The same board from a site whose chips are raised and outlined, with small stakes at their
// top left.
void siteChips(const QString& out) {
    std::string settings(builtInRemoteSettingsText());
    for (const auto& [from, to] : {std::pair{"ChipAppearance=0", "ChipAppearance=1"},
                                   {"ChipBorderStyle=0", "ChipBorderStyle=1"},
                                   {"LabelTop=60", "LabelTop=30"},
                                   {"LabelLeft=30", "LabelLeft=60"},
                                   {"LabelAlignment=2", "LabelAlignment=0"},
                                   {"LabelFontSize=9", "LabelFontSize=8"}}) {
        const std::size_t at = settings.find(from);
        if (at == std::string::npos) fail(std::string("no ") + from + " in the remote settings");
        settings.replace(at, std::string_view(from).size(), to);
    }
    Scene s(out, {}, settings);
    layAllFamilies(s);
    s.shoot("15-site-chips.png");
}

// Fixed thresholds of 0 for the families given (0 Even .. 7 Single): High and then Low typed
// while the Random box is ticked, as only then is the High box open.
void zeroThresholds(Scene& s, std::initializer_list<int> families) {
    for (int k : families) {
        const std::string random(randomBoxName(k));
        s.set(random, "1");
        s.set(std::string(thresholdBoxName(k, true)), "0");
        s.set(std::string(thresholdBoxName(k, false)), "0");
        s.set(random, "0");
    }
}

// Multi play after a loss of every bet: the stakes differ from chip to chip.
void multiChips(const QString& out) {
    Scene s(out);
    s.set("BetStyle2", "1");
    for (const char* box : {"chk1", "chk6", "chk2"}) s.set(box, "1");
    s.set("cboRow", "2");
    s.set("cboDozen", "2");
    s.set("cboLine", "3");
    zeroThresholds(s, {1, 2, 3});
    s.set("Text18", "1000");
    s.press();
    for (int n : {0, 20, 0}) s.spin(n);
    s.shoot("07-multi-chips.png");
}

// Lays a chip on every outside bet that has none, in the run file of a closed run: the same
// stake and look as the chip of `like`. (Play shows at most two dozens and two rows at once.)
void layOutsideChips(const QString& runFile, BetId like) {
    QFile file(runFile);
    if (!file.open(QIODevice::ReadOnly)) fail("no run file");
    nlohmann::json doc = nlohmann::json::parse(file.readAll().toStdString(), nullptr, false);
    file.close();
    if (doc.is_discarded()) fail("the run file is no JSON");
    nlohmann::json& chips = doc["state"]["window"]["chips"];
    const bool flipped = doc["state"]["window"]["board"].value("flipped", false);
    nlohmann::json model;
    std::vector<int> laid;
    for (const auto& chip : chips) {
        if (!chip.value("visible", false)) continue;
        laid.push_back(chip.value("bet", -1));
        if (chip.value("bet", -1) == like) model = chip;
    }
    if (model.is_null()) fail("no chip to copy");
    std::size_t slot = 0;
    for (int i = 0; i < kBetCount; ++i) {
        const auto id = static_cast<BetId>(i);
        if (!outsideCell(id) || std::find(laid.begin(), laid.end(), i) != laid.end()) continue;
        while (slot < chips.size() && chips[slot].value("visible", false)) ++slot;
        if (slot == chips.size()) fail("no free chip");
        const Point spot = *chipSpot(id, flipped);
        nlohmann::json chip = model;
        chip["bet"] = i;
        chip["left"] = spot.left;
        chip["top"] = spot.top;
        chips[slot] = chip;
    }
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) fail("cannot write the run file");
    file.write(QByteArray::fromStdString(doc.dump()));
}

// Multi play on the even-money bets, the dozens and the rows, all due at once: a chip on every
// outside bet, each inside its box, in both views; then the same window made larger.
void outsideChips(const QString& out) {
    Scene s(out);
    s.set("BetStyle2", "1");
    for (const char* box : {"chk7_1", "chk7_2", "chk7_3", "chk6", "chk1"}) s.set(box, "1");
    s.set("cboRow", "2");
    s.set("cboDozen", "2");
    zeroThresholds(s, {0, 1, 2});
    s.set("Text18", "1000");
    s.press();
    s.spin(0);
    s.expectBox(nullptr, [](QWidget* box) { answer(box, QMessageBox::Yes); });
    s.restart([&] { layOutsideChips(s.dataFile("run.json"), bet_ids::FirstDozen); });
    s.shoot("22-outside-chips.png");
    s.flip();
    s.shoot("23-outside-chips-flipped.png");
    s.flip();
    s.window().resize(s.window().size() * 8 / 5);
    QApplication::processEvents();
    s.shoot("24-resized.png");
}

// Classic play on an even-money sequence that quits after two losses.
void quitNow(const QString& out) {
    Scene s(out);
    s.menu("mnuProg");
    s.set("frmWagering.Text1", "1,2,Q");
    s.press("frmWagering.Command2");
    startRedBlack(s);
    for (int i = 0; i < 6 && !s.state().BetOpen; ++i) s.spin(i % 2 ? 4 : 2);
    for (int i = 0; i < 4 && s.form().adviceLabel.caption != "Quit NOW"; ++i) s.spin(0);
    s.shoot("08-quit-now.png");
}

// A casino with a long recorded history: the history box scrolled, the delete question, and
// the Casinos menu dropped down.
void casino(const QString& out) {
    std::string line = "index: 1\r\nname1: Lucky Spin,";
    for (int i = 0; i < 80; ++i) line += std::to_string((i * 17 + 5) % 37) + ",";
    line += "\r\n";
    Scene s(out, line);
    s.set("Casino", "Lucky Spin");
    s.tick();
    // Scrolled down to the zero among the older spins.
    auto* history = s.window().findChild<QListView*>("Text1");
    history->scrollTo(history->model()->index(50, 0), QAbstractItemView::PositionAtTop);
    s.shoot("13-long-history.png");
    s.expectBox("11-delete-casino.png", [](QWidget* box) { answer(box, QMessageBox::No); });
    s.press("Command1");
    s.shootMenu("mnuCasinos", "12-casinos-menu.png");
}

// Two spins in, the Edit menu offers to take the last back; closed with the run open, the next
// start asks to resume it.
void undoAndResume(const QString& out) {
    Scene s(out);
    startRedBlack(s);
    for (int n : {17, 4}) s.spin(n);
    s.tick();
    s.shootMenu("mnuEdit", "20-edit-menu.png");
    s.expectBox("21-resume.png", [](QWidget* box) { answer(box, QMessageBox::Yes); });
    s.restart();
}

// View > Statistics docked beside the window, on the page named `page`.
void showStatistics(Scene& s, const char* page) {
    auto* item = s.window().findChild<QAction*>("mnuStatistics");
    if (!item) fail("no mnuStatistics");
    if (!item->isChecked()) item->trigger();
    auto* tabs = s.window().statsPanel()->findChild<QTabWidget*>();
    for (int i = 0; tabs && i < tabs->count(); ++i) {
        if (tabs->tabText(i) == page) tabs->setCurrentIndex(i);
    }
    s.window().render();
}

// A Classic run on red/black, the dozens and the corners, a few spins in: a bet shown, and
// the sleeper table with the due ones on top.
void statisticsClassic(const QString& out) {
    Scene s(out);
    for (const char* box : {"chk7_1", "chk6", "chk3"}) s.set(box, "1");
    const char* lows[][3] = {
        {"Text2", "Check1", "6"}, {"Text4", "Check2", "4"}, {"Text10", "Check5", "9"}};
    for (const auto& l : lows) {
        s.set(l[1], "0");
        s.set(l[0], l[2]);
    }
    s.set("Text18", "1000");
    s.press();
    for (int n : {17, 32, 5, 21, 8, 26, 14, 29, 3, 11, 20, 7, 31, 12}) s.spin(n);
    showStatistics(s, "Sleepers");
    s.shoot("18-statistics-classic.png");
}

// A Super run at a casino with a recorded history: the numbers with their hits this run and
// in the casino's record, the hottest and coldest named.
void statisticsSuper(const QString& out) {
    std::string line = "index: 1\r\nname1: Lucky Spin,";
    unsigned seed = 11;
    for (int i = 0; i < 300; ++i) {
        seed = seed * 1103515245u + 12345u;
        line += std::to_string((seed >> 16) % 37) + ",";
    }
    line += "\r\n";
    Scene s(out, line);
    s.set("Casino", "Lucky Spin");
    layAllFamilies(s);
    for (int n : {22, 9, 17, 34, 0, 17, 25}) s.spin(n);
    showStatistics(s, "Numbers");
    s.shoot("19-statistics-super.png");
}

// Tools > Simulate This Style... while its sessions run, and with its report.
void simulate(const QString& out) {
    Scene s(out);
    for (const char* box : {"chk7", "chk6", "chk1"}) s.set(box, "1");
    s.set("Text18", "1000");
    auto* item = s.window().findChild<QAction*>("mnuSimulate");
    if (!item) fail("no mnuSimulate");
    item->trigger();
    auto& dialog = *s.window().simDialog();
    dialog.resize(1180, 600);
    dialog.findChild<QSpinBox*>("sessions")->setValue(400000);
    dialog.findChild<QLineEdit*>("seed")->setText("2026");
    dialog.findChild<QPushButton*>("run")->click();
    const auto waitWhile = [&](auto condition) {
        while (condition()) {
            QApplication::processEvents();
            QThread::msleep(20);
        }
    };
    auto* progress = dialog.findChild<QProgressBar*>("progress");
    waitWhile([&] { return dialog.running() && progress->value() < progress->maximum() / 3; });
    s.shoot(dialog, "16-simulate-running.png");
    waitWhile([&] { return dialog.running(); });
    s.shoot(dialog, "17-simulate-report.png");
    // Compare With...: Red/Black at 7 on the same spins, the two median balances on one chart.
    const QTemporaryDir folder;
    const QString styleFile = folder.filePath("red-black-7.json");
    QFile file(styleFile);
    if (!file.open(QIODevice::WriteOnly)) fail("cannot write the style file");
    file.write(R"({"watch": ["red-black"], "threshold": {"even": "7"}})");
    file.close();
    dialog.setFileChooser([styleFile](bool) { return styleFile; });
    dialog.findChild<QPushButton*>("compareWith")->click();
    dialog.findChild<QSpinBox*>("sessions")->setValue(20000);
    dialog.findChild<QPushButton*>("run")->click();
    waitWhile([&] { return dialog.running(); });
    s.shoot(dialog, "25-simulate-compare.png");
}

}  // namespace

// Four tables watched beside a Classic run on the dozens and red/black: one has a dozen due,
// the board enters for another.
void watchedTables(const QString& out) {
    Scene s(out);
    for (const char* box : {"chk7_1", "chk6"}) s.set(box, "1");
    const char* lows[][3] = {{"Text2", "Check1", "7"}, {"Text4", "Check2", "9"}};
    for (const auto& l : lows) {
        s.set(l[1], "0");
        s.set(l[0], l[2]);
    }
    s.set("Text18", "1000");
    s.press();
    for (int n : {17, 32, 5}) s.spin(n);
    const std::pair<const char*, std::vector<int>> tables[] = {
        {"Lightning 1", {4, 19, 33, 0, 12, 27, 8}},
        {"Speed Auto", {2, 14, 7, 21, 11, 3, 16, 9, 22, 5, 18}},
        {"Salon Rouge", {30, 1, 25}},
        {"Immersive", {36, 13, 10, 29, 6, 15}}};
    for (const auto& [name, spins] : tables) {
        s.watch(name);
        for (int n : spins) s.spinAt(name, n);
    }
    s.target("Immersive");
    s.click(23);
    auto* item = s.window().findChild<QAction*>("mnuTables");
    if (!item) fail("no mnuTables");
    if (!item->isChecked()) item->trigger();
    s.window().render();
    s.shoot("26-watched-tables.png");
    s.shoot(*s.window().findChild<QWidget*>("TablesStrip"), "27-tables-strip.png");
}

// Safer play: the session in the status bar, Play > Limits... with a raised limit waiting its
// day, and the reality check's box.
void safePlay(const QString& out) {
    Scene s(out);
    Advisor& a = s.advisor();
    for (const auto& [name, value] : {std::pair{"loss-session", "100"},
                                      {"loss-session", "200"},
                                      {"time-day", "120"},
                                      {"reality-check", "30"}}) {
        if (!a.userSetLimit(name, value).ok) fail(std::string("limit ") + name);
    }
    startRedBlack(s);
    for (int n : {2, 4, 17, 4, 9, 21}) s.spin(n);
    s.later(1547);
    s.window().render();
    s.shoot(*s.window().statusBar(), "30-session-bar.png");
    s.shoot("31-session-window.png");
    app::LimitsDialog limits(a, &s.window());
    limits.show();
    s.shoot(limits, "32-limits.png");
    limits.hide();
    s.expectBox("33-reality-check.png",
                [](QWidget* box) { box->findChild<QPushButton*>("keepPlaying")->click(); });
    app::askRealityCheck(&s.window(), a.safety().session(), "Brisvale");
}

int main(int argc, char* argv[]) {
    // The pictures leave the user's window preferences alone.
    const QTemporaryDir preferences;
    // A screen of 1920 x 1080, where the window stands at its design size.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const QString screens = preferences.filePath("screens.json");
        QFile file(screens);
        if (!file.open(QIODevice::WriteOnly)) fail("cannot describe the screen");
        file.write(R"({"screens": [{"name": "docs", "x": 0, "y": 0, "width": 1920,
                       "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toLocal8Bit());
    }
    qputenv("XDG_CONFIG_HOME", preferences.path().toLocal8Bit());
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(BRISVALE_VERSION);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    if (!QDir().mkpath(out)) fail("cannot make " + out.toStdString());
    freshStart(out);
    classicBet(out);
    superChips(out);
    siteChips(out);
    multiChips(out);
    quitNow(out);
    casino(out);
    undoAndResume(out);
    outsideChips(out);
    statisticsClassic(out);
    statisticsSuper(out);
    simulate(out);
    watchedTables(out);
    safePlay(out);
    return 0;
}
