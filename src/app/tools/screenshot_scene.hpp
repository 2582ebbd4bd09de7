// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The screenshot tool's scene: a window on a fresh data folder, driven through the Advisor's
// user actions, whose message boxes are photographed and answered as they come up.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

#include "advisor/advisor.hpp"
#include "advisor/control_table.hpp"
#include "app/limits_dialog.hpp"
#include "app/main_window.hpp"
#include "app/qt_ports.hpp"
#include "app/reality_check.hpp"
#include "app/sim_dialog.hpp"
#include "app/stats_panel.hpp"
#include "app/wagering_dialog.hpp"
#include "app/window_conf.hpp"
#include "board/chips.hpp"
#include "remote/remote_startup.hpp"

namespace brisvale::shots {

class ManualClock final : public Clock {
  public:
    std::int64_t nowMs() override { return now; }
    std::int64_t now = 1'700'000'000'000;
};

class NoBrowser final : public Browser {
  public:
    bool open(std::string_view) override { return true; }
};

// A vendor's site held in memory: its test page and remote settings, no casino list.
class SiteInMemory final : public Fetcher {
  public:
    explicit SiteInMemory(std::string settings) : settings_(std::move(settings)) {}
    std::optional<std::string> fetch(std::string_view url) override {
        if (url.ends_with(kTestPageFile)) return std::string("ok");
        if (url.ends_with(kRemoteSettingsFile)) return settings_;
        return std::nullopt;
    }

  private:
    std::string settings_;
};

[[noreturn]] inline void fail(const std::string& why) {
    std::fprintf(stderr, "brisvale_screenshots: %s\n", why.c_str());
    std::exit(1);
}

inline void save(const QPixmap& picture, const QString& path) {
    if (!picture.save(path)) fail("cannot write " + path.toStdString());
    std::printf("%s\n", qPrintable(path));
}

// A window on a fresh data folder, driven through the Advisor's user actions.
class Scene {
  public:
    // `remoteSettings`, when given, is served as the vendor's site.
    explicit Scene(const QString& out, const std::string& historyFile = {},
                   const std::string& remoteSettings = {})
        : out_(out) {
        // Each picture starts from a first start's window.
        std::filesystem::remove(app::windowConfPath());
        if (!historyFile.empty()) {
            QFile file(dir_.filePath("CasinoHistory.dat"));
            if (!file.open(QIODevice::WriteOnly)) fail("cannot prepare the history file");
            file.write(historyFile.data(), static_cast<qint64>(historyFile.size()));
        }
        if (!remoteSettings.empty()) site_ = std::make_unique<SiteInMemory>(remoteSettings);
        // Boxes come up inside the core's handlers; each is photographed, then answered.
        watchBoxes();
        open();
    }
    // Closes the window as the user does, and starts the program again on the same folder;
    // `between` runs while no program holds it.
    void restart(const std::function<void()>& between = {}) {
        advisor_->userCloseWindow();
        window_.reset();
        advisor_.reset();  // lets go of the data folder
        if (between) between();
        open();
    }
    QString dataFile(const QString& name) const { return dir_.filePath(name); }
    ~Scene() {
        if (!boxes_.empty()) fail(std::string("a box never came up: ") + boxes_.front().name);
    }
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    const Form& form() const { return advisor_->form(); }
    const PlayState& state() const { return advisor_->state(); }

    void set(const std::string& name, const std::string& value) {
        check(advisor_->userSet(name, value), name + " " + value);
    }
    void press(const std::string& name = "Button1") { check(advisor_->userPress(name), name); }
    void menu(const std::string& name) { check(advisor_->userMenu(name, 0), name); }
    void click(int cell) { check(advisor_->userClickCell(cell), "click"); }
    void flip() { check(advisor_->userFlip(), "flip"); }
    void watch(const std::string& name) { check(advisor_->userWatch(name), "watch " + name); }
    void target(const std::string& table) { check(advisor_->userTarget(table), "target"); }
    // A spin entered at a watched table.
    void spinAt(const std::string& table, int number) {
        target(table);
        click(number);
        press();
    }
    void tick() {
        clock_.now += advisor_->timer().interval;
        advisor_->userTick();
        window_->render();
    }
    void spin(int number) {
        for (int i = 0; i < 20 && !form().startButton.enabled; ++i) tick();
        click(number);
        press();
    }
    // The next box: photographed as `name` (when given), then answered by `answer`.
    void expectBox(const char* name, std::function<void(QWidget*)> answer) {
        boxes_.push_back({name, std::move(answer)});
    }

    void shoot(const char* name) { shoot(*window_, name); }
    void shoot(QWidget& widget, const char* name) {
        QApplication::processEvents();
        save(widget.grab(), QDir(out_).filePath(name));
    }
    // The window with one of its menus dropped down.
    void shootMenu(const char* menuName, const char* name) {
        auto* menu = window_->findChild<QMenu*>(menuName);
        if (!menu) fail(std::string("no menu ") + menuName);
        QMenuBar* bar = window_->menuBar();
        menu->popup(bar->mapToGlobal(bar->actionGeometry(menu->menuAction()).bottomLeft()));
        QApplication::processEvents();
        QPixmap picture = window_->grab();
        QPainter painter(&picture);
        painter.drawPixmap(window_->mapFromGlobal(menu->pos()), menu->grab());
        painter.end();
        menu->hide();
        save(picture, QDir(out_).filePath(name));
    }

    app::MainWindow& window() { return *window_; }
    Advisor& advisor() { return *advisor_; }
    void later(int seconds) { clock_.now += seconds * 1000LL; }

  private:
    struct ExpectedBox {
        const char* name;
        std::function<void(QWidget*)> answer;
    };

    void open() {
        advisor_ =
            std::make_unique<Advisor>(Ports{dialogs_, browser_, clock_, random_, site_.get()});
        advisor_->userOpenWindow(
            {dir_.path().toStdString(), false, site_ ? "http://vendor.example" : ""});
        window_ = std::make_unique<app::MainWindow>(*advisor_);
        dialogs_.setParent(window_.get());
        window_->show();
    }

    void check(const ActionResult& r, const std::string& what) {
        if (!r.ok) fail(what + ": " + r.error);
        window_->render();
        QApplication::processEvents();
    }

    void watchBoxes() {
        watcher_.setInterval(5);
        QObject::connect(&watcher_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            // The wagering dialog is modal too, but the window shows it without blocking.
            if (!modal || (window_ && modal == window_->wageringDialog())) return;
            if (boxes_.empty()) {
                const auto* box = qobject_cast<QMessageBox*>(modal);
                fail("unexpected box: " + (box ? box->text() : modal->windowTitle()).toStdString());
            }
            const ExpectedBox expected = boxes_.front();
            boxes_.pop_front();
            if (expected.name) shoot(*modal, expected.name);
            expected.answer(modal);
        });
        watcher_.start();
    }

    QString out_;
    QTemporaryDir dir_;
    app::QtDialogs dialogs_;
    NoBrowser browser_;
    ManualClock clock_;
    SeededRandom random_{1};
    std::unique_ptr<SiteInMemory> site_;
    std::unique_ptr<Advisor> advisor_;
    std::unique_ptr<app::MainWindow> window_;
    std::deque<ExpectedBox> boxes_;
    QTimer watcher_;
};

inline void answer(QWidget* box, QMessageBox::StandardButton button) {
    qobject_cast<QMessageBox*>(box)->button(button)->click();
}

// A family watched from its first spins: Low 1, not random.
inline void early(Scene& s, const char* low, const char* random) {
    s.set(random, "0");
    s.set(low, "1");
}

// Classic on Red/Black at threshold 1, started with $1000.
inline void startRedBlack(Scene& s) {
    early(s, "Text2", "Check1");
    s.set("chk7_1", "1");
    s.set("Text18", "1000");
    s.press();
}

}  // namespace brisvale::shots
