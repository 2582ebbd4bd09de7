// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The strip of watched tables above the board: one small card per table with its name, its
// last 8 numbers in their colours, the spins watched and the ripest bet (slept/threshold, lit
// when due), and "Play here". A click on a card makes it the target of the board.

#include <QWidget>
#include <optional>
#include <vector>

#include "advisor/watched_tables.hpp"

class QPushButton;
class QHBoxLayout;

namespace brisvale {
class Advisor;
}

namespace brisvale::app {

// What one card shows, drawn from the core's watched table.
struct CardView {
    QString name;
    std::vector<int> last;  // newest first
    int spins = 0;
    std::optional<SleepingBet> ripest;
    bool target = false;    // the board enters for this table
    bool switchTo = false;  // the table-switch advice points here
};

class TableCard final : public QWidget {
    Q_OBJECT
  public:
    explicit TableCard(int index, QWidget* parent = nullptr);
    void show(const CardView& view);
    const CardView& view() const { return view_; }
    QPushButton* playButton() const { return play_; }
    QSize sizeHint() const override;

    static constexpr int kWidth = 148;
    static constexpr int kHeight = 76;

  signals:
    void clicked(int index);
    void playHere(int index);
    void unwatch(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    int index_;
    CardView view_;
    QPushButton* play_;
};

class TablesStrip final : public QWidget {
    Q_OBJECT
  public:
    explicit TablesStrip(QWidget* parent = nullptr);
    // Draws the cards again from the advisor's watched tables; unchanged cards are not redrawn.
    void render(const Advisor& advisor);
    TableCard* card(int i) const { return cards_[static_cast<std::size_t>(i)]; }
    int cardsShown() const { return shown_; }

  signals:
    void cardClicked(int index);
    void playHere(int index);
    void unwatch(int index);

  private:
    std::vector<TableCard*> cards_;
    QHBoxLayout* row_;
    int shown_ = 0;
};

}  // namespace brisvale::app
