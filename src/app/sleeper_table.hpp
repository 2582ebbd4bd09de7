// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sleeper table of the statistics panel: each bet of the watched families with the spins
// it has slept, the threshold at which it is due, and a bar towards due. Sortable by every
// column; the due ones come first until the user sorts otherwise.

#include <QTableView>
#include <vector>

#include "advisor/statistics.hpp"

class QSortFilterProxyModel;

namespace brisvale::app {

class SleeperModel;

class SleeperTable final : public QTableView {
  public:
    enum Column { BetColumn, SleptColumn, ThresholdColumn, DueColumn, ColumnCount };

    explicit SleeperTable(QWidget* parent = nullptr);

    void show(const Statistics& stats);
    // The bets in the order the table shows them, top first.
    std::vector<BetId> rowsShown() const;

  private:
    SleeperModel* model_;
    QSortFilterProxyModel* sorted_;
};

}  // namespace brisvale::app
