// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's size: the content scaled as a whole to the window, the window sized for the
// content's design, and window.conf, where the window's place, size, board view and Always on
// Top are kept between starts.

#include <QAction>
#include <QDockWidget>
#include <QGuiApplication>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "app/advanced_panel.hpp"
#include "app/alert_centre.hpp"
#include "app/board_widget.hpp"
#include "app/colors.hpp"
#include "app/main_window.hpp"
#include "app/play_panel.hpp"
#include "app/stats_panel.hpp"
#include "app/widget_scaler.hpp"
#include "app/window_conf.hpp"

namespace brisvale::app {
namespace {

// The window's collapsed height and the width of the left column, in twips.
constexpr int kCollapsedHeight = 3350;
constexpr int kLeftColumn = 4020;
// Room for the window manager's frame and title bar when the window is fitted to a screen.
constexpr int kFrameRoom = 16, kTitleRoom = 40;

int times(int value, double scale) {
    return static_cast<int>(std::lround(value * scale));
}

}  // namespace

void MainWindow::layoutContent() {
    const Form& form = advisor_.form();
    const int menuHeight = menuBar()->sizeHint().height();
    const int topHeight = pxi(kCollapsedHeight) - menuHeight;
    top_->setFixedHeight(times(topHeight, scale_));
    panel_->setGeometry(0, 0, times(pxi(kLeftColumn), scale_), times(topHeight, scale_));
    board_->move(times(pxi(board::kFrame2.left), scale_), times(pxi(board::kFrame2.top), scale_));
    advanced_->setVisible(form.height > kCollapsedHeight);
    const QSize content(times(pxi(form.width), scale_),
                        times(pxi(form.height) - menuHeight, scale_));
    if (content_->size() != content || content_->minimumSize() != content) {
        content_->setFixedSize(content);
    }
    setMinimumSize(windowSizeFor(kMinScale));
    // The window grows and shrinks with the content's design; a size the user chose stays.
    const QSize design = contentDesign();
    if (design != designShown_) {
        designShown_ = design;
        if (!isMaximized() && !isFullScreen()) resize(windowSizeFor(scale_));
    }
}

QSize MainWindow::contentDesign() const {
    const bool docked = !stats_->isHidden() && !stats_->isFloating();
    return {advisor_.form().width * 2 + (docked ? 1 : 0),
            advisor_.form().height * 2 + (stripHeight() > 0 ? 1 : 0)};
}

QSize MainWindow::windowSizeFor(double scale) const {
    const Form& form = advisor_.form();
    const int menuHeight = menuBar()->sizeHint().height();
    const int statusHeight = statusBar()->isHidden() ? 0 : statusBar()->sizeHint().height();
    int width = times(pxi(form.width), scale);
    if (!stats_->isHidden() && !stats_->isFloating()) {
        width += StatsPanel::kDockedWidth +
                 style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    }
    return {width, times(pxi(form.height) - menuHeight, scale) + menuHeight + statusHeight +
                       stripHeight()};
}

double MainWindow::fitScale(QSize windowSize) const {
    const QSize one = windowSizeFor(1.0), none = windowSizeFor(0.0);
    const double across = static_cast<double>(windowSize.width() - none.width()) /
                          std::max(1, one.width() - none.width());
    const double down = static_cast<double>(windowSize.height() - none.height()) /
                        std::max(1, one.height() - none.height());
    return std::max(kMinScale, std::min(across, down));
}

void MainWindow::setScale(double scale) {
    scale_ = scale;
    scaler_->apply(scale);
    board_->setScale(scale);
    layoutContent();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!scaler_) return;
    // Qt makes room for a panel just docked before the window is told: the window takes the
    // size the new content needs at the scale it has.
    if (contentDesign() != designShown_) {
        layoutContent();
        return;
    }
    // The largest scale that fits, unless it comes to the same pixels.
    const double scale = fitScale(event->size());
    if (windowSizeFor(scale) != windowSizeFor(scale_)) setScale(scale);
}

void MainWindow::restorePreferences() {
    conf_ = std::make_unique<WindowConf>(readWindowConf(windowConfPath()));
    const WindowConf conf = *conf_;  // floating the panel stores its place at once
    // The board's view and Always on Top as the player left them.
    if (conf.flipped != advisor_.form().board.BoardFlipped()) advisor_.userFlip();
    if (conf.onTop != advisor_.form().alwaysOnTop) advisor_.userMenu("mnuTop", 0);
    if (conf.statsFloating) {
        stats_->setFloating(true);
        stats_->restoreGeometry(conf.statsGeometry);
    }
    stats_->setVisible(conf.statsVisible);
    stripDock_->setVisible(conf.tablesVisible);
    {
        const QSignalBlocker soundQuiet(alertSound_), notifyQuiet(alertNotify_);
        alertSound_->setChecked(conf.alertSound);
        alertNotify_->setChecked(conf.alertNotify);
    }
    alerts_->sound = conf.alertSound;
    alerts_->notifications = conf.alertNotify;
    renderWindow();
}

// The size the player left, or the design's; either made to fit the screen's free area, and
// the place kept on that screen.
void MainWindow::restorePlace() {
    const std::optional<QRect> place = conf_->place;
    QScreen* on = place ? QGuiApplication::screenAt(place->center()) : nullptr;
    if (!on) on = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect free = on ? on->availableGeometry() : QRect();
    double scale = place ? fitScale(place->size()) : 1.0;
    if (!free.isEmpty()) {
        scale = std::min(scale, fitScale(free.size() - QSize(kFrameRoom, kTitleRoom)));
    }
    designShown_ = {};  // sized anew
    setScale(scale);
    if (place && !free.isEmpty()) {
        const QSize size = windowSizeFor(scale);
        const int x =
            std::clamp(place->x(), free.left(), std::max(free.left(), free.right() - size.width()));
        const int y = std::clamp(place->y(), free.top(),
                                 std::max(free.top(), free.bottom() - size.height() - kTitleRoom));
        move(x, y);
    }
    if (conf_->maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::savePreferences() {
    // Closing hides the panel with the window; it is to come back as the user left it.
    if (!conf_ || closing_) return;
    WindowConf& conf = *conf_;
    conf.flipped = advisor_.form().board.BoardFlipped();
    conf.onTop = advisor_.form().alwaysOnTop;
    conf.statsVisible = !stats_->isHidden();
    conf.statsFloating = stats_->isFloating();
    if (stats_->isFloating()) conf.statsGeometry = stats_->saveGeometry();
    conf.tablesVisible = !stripDock_->isHidden();
    conf.alertSound = alertSound_->isChecked();
    conf.alertNotify = alertNotify_->isChecked();
    if (isVisible()) {
        conf.maximized = isMaximized();
        if (!isMaximized() && !isFullScreen()) conf.place = QRect(pos(), size());
    }
    writeWindowConf(windowConfPath(), conf);
}

}  // namespace brisvale::app
