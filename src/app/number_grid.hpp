// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 37 numbers of the statistics panel as cells laid out as the board shows them, red, black
// and green. Under each number stand its hits, large and white on a dark plate that reads on
// every cell colour: in the casino's record when the hot and cold numbers are ranked by it,
// this run's otherwise (the tooltip gives both). The hottest are ringed in gold, the coldest
// in blue.

#include <QWidget>
#include <array>

#include "advisor/statistics.hpp"
#include "board/geometry.hpp"

namespace brisvale::app {

class NumberGrid final : public QWidget {
  public:
    explicit NumberGrid(QWidget* parent = nullptr);

    // `recorded`: a casino is chosen, so its record has a line of its own in every cell.
    void show(const Statistics& stats, const BoardLayout& board, bool recorded);
    // Where number n's cell is drawn, and the plate of its hits inside it.
    QRectF cellRect(int n) const;
    QRectF countRect(int n) const;
    // The type of the hits.
    QFont countFont(int n) const;
    // The hits shown under number n.
    int countShown(int n) const;

    QSize sizeHint() const override { return {340, 120}; }
    QSize minimumSizeHint() const override { return {260, 84}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    int numberAt(QPointF at) const;

    std::array<NumberStatistics, kNumberCount> numbers_{};
    std::array<Rect, kNumberCount> cells_{};
    std::array<int, 5> hottest_{};
    std::array<int, 5> coldest_{};
    bool recorded_ = false;
    bool byRecord_ = false;
    bool shown_ = false;
};

}  // namespace brisvale::app
