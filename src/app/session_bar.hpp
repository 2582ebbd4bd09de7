// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The session in the status bar, always in sight: play time (h:mm:ss), spins, money staked and
// the net. It refreshes itself each second, and changes only the texts that changed, so
// nothing flickers.

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>

namespace brisvale {
class Advisor;
}

namespace brisvale::app {

class SessionBar final : public QWidget {
    Q_OBJECT
  public:
    SessionBar(const Advisor& advisor, QWidget* parent = nullptr);
    void render();

  private:
    const Advisor& advisor_;
    std::array<QLabel*, 4> fields_{};
    QTimer timer_;
};

}  // namespace brisvale::app
