// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The left column: the play style, the families to watch, the money, the casino, the history
// of spins and the advice label Label1.

#include <QAbstractListModel>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

#include "view/form.hpp"

class QLabel;
class QListView;
class QPushButton;

namespace brisvale::app {

class ControlBinder;

// The history box Text1 as rows, newest on top, coloured as the board colours its numbers.
// Rows are drawn on demand, so a long history costs nothing until it is scrolled to.
class HistoryModel final : public QAbstractListModel {
  public:
    explicit HistoryModel(QObject* parent);
    void show(const HistoryBox& box);
    bool shows(const HistoryBox& box) const { return box_ == &box; }
    int rowCount(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    const HistoryBox* box_ = nullptr;
};

class PlayPanel final : public QWidget {
  public:
    // onPress gets a button's name: "cmdMore" or "Command1".
    PlayPanel(ControlBinder& binder, std::function<void(const std::string&)> onPress,
              QWidget* parent);

    void render(const Form& form);

  private:
    QLabel* Label1_;
    QListView* Text1_;
    HistoryModel* history_;
    QLabel* Picture4_;
    QPushButton* cmdMore_;
    QPushButton* Command1_;
    std::uint64_t historyShown_ = 0;
};

}  // namespace brisvale::app
