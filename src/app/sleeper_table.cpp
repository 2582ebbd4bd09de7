// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sleeper_table.hpp"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPainter>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <algorithm>

#include "app/colors.hpp"

namespace brisvale::app {
namespace {

constexpr int kSortRole = Qt::UserRole;
constexpr int kBarRole = Qt::UserRole + 1;
constexpr int kOpenRole = Qt::UserRole + 2;

// The due ones first, the most overdue of them on top; then the nearest to due; bets alike in
// the catalogue's order.
qint64 dueOrder(const BetStatistics& b) {
    const auto progress = static_cast<qint64>(b.progress() * 10000 + 0.5);
    const qint64 overdue = std::clamp(b.slept - b.threshold, -49999, 49999) + 50000;
    return (progress * 100000 + overdue) * 256 + (255 - b.bet);
}

QString toGo(const BetStatistics& b) {
    if (b.open) return QStringLiteral("on the table");
    if (b.due()) return QStringLiteral("due");
    const int left = b.threshold - b.slept;
    return QString::number(left) + (left == 1 ? " spin to go" : " spins to go");
}

// A bar filling up towards due, with how many spins are left written on it.
class DueBar final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRectF cell = QRectF(option.rect).adjusted(2, 3, -2, -3);
        const double progress = index.data(kBarRole).toDouble();
        const bool due = progress >= 1;
        const bool open = index.data(kOpenRole).toBool();
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(QColor(160, 160, 160));
        p->setBrush(QColor(235, 235, 235));
        p->drawRect(cell);
        QRectF filled = cell;
        filled.setWidth(cell.width() * std::clamp(progress, 0.0, 1.0));
        p->setPen(Qt::NoPen);
        // Due: the light green the window turns when it shows a bet; on the table: the gold of
        // the marker.
        const QColor fill = open  ? fromRgb(board::kMarkerColor)
                            : due ? fromPlatformColor(8454016)
                                  : QColor(150, 180, 215);
        p->setBrush(fill);
        p->drawRect(filled);
        p->setPen(Qt::black);
        QFont f = option.font;
        f.setBold(due || open);
        p->setFont(f);
        p->drawText(cell, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
        p->restore();
    }
};

}  // namespace

class SleeperModel final : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void show(std::vector<BetStatistics> rows) {
        const bool sameBets = std::equal(
            rows.begin(), rows.end(), rows_.begin(), rows_.end(),
            [](const BetStatistics& a, const BetStatistics& b) { return a.bet == b.bet; });
        if (!sameBets) {
            beginResetModel();
            rows_ = std::move(rows);
            endResetModel();
            return;
        }
        const bool changed =
            !std::equal(rows.begin(), rows.end(), rows_.begin(), [](const auto& a, const auto& b) {
                return a.slept == b.slept && a.threshold == b.threshold && a.open == b.open;
            });
        if (!changed) return;
        rows_ = std::move(rows);
        emit dataChanged(index(0, 0), index(rowCount() - 1, SleeperTable::ColumnCount - 1));
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : SleeperTable::ColumnCount;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        const BetStatistics& b = rows_[static_cast<std::size_t>(index.row())];
        const QString name = QString::fromLatin1(label(b.bet));
        if (role == Qt::ToolTipRole) {
            return QStringLiteral("%1 has slept %2 spins; its family is due at %3")
                .arg(name)
                .arg(b.slept)
                .arg(b.threshold);
        }
        switch (index.column()) {
            case SleeperTable::BetColumn:
                if (role == Qt::DisplayRole) return name;
                if (role == kSortRole) return static_cast<int>(b.bet);
                break;
            case SleeperTable::SleptColumn:
                if (role == Qt::DisplayRole || role == kSortRole) return b.slept;
                if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
                break;
            case SleeperTable::ThresholdColumn:
                if (role == Qt::DisplayRole || role == kSortRole) return b.threshold;
                if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
                break;
            case SleeperTable::DueColumn:
                if (role == Qt::DisplayRole) return toGo(b);
                if (role == kSortRole) return dueOrder(b);
                if (role == kBarRole) return b.progress();
                if (role == kOpenRole) return b.open;
                break;
            default:
                break;
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal) return {};
        static const char* const names[] = {"Bet", "Slept", "Due at", "Towards due"};
        static const char* const tips[] = {
            "The bet, in its family's order when sorted by this column",
            "Spins since the bet last won, as its family counts them",
            "The family's start threshold: the bet is due once it has slept this long",
            "How close the bet is to due"};
        if (role == Qt::DisplayRole) return QString(names[section]);
        if (role == Qt::ToolTipRole) return QString(tips[section]);
        return {};
    }

    BetId betAt(int row) const { return rows_[static_cast<std::size_t>(row)].bet; }

  private:
    std::vector<BetStatistics> rows_;
};

SleeperTable::SleeperTable(QWidget* parent)
    : QTableView(parent), model_(new SleeperModel(this)), sorted_(new QSortFilterProxyModel(this)) {
    setObjectName("sleeperTable");
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(kSortRole);
    setModel(sorted_);
    setItemDelegateForColumn(DueColumn, new DueBar(this));
    setSortingEnabled(true);
    sortByColumn(DueColumn, Qt::DescendingOrder);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setAlternatingRowColors(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(DueColumn, QHeaderView::Stretch);
    header->setHighlightSections(false);
}

void SleeperTable::show(const Statistics& stats) {
    std::vector<BetStatistics> rows;
    for (const BetStatistics& b : stats.bets) {
        if (b.watched) rows.push_back(b);
    }
    model_->show(std::move(rows));
}

std::vector<BetId> SleeperTable::rowsShown() const {
    std::vector<BetId> out;
    for (int row = 0; row < sorted_->rowCount(); ++row) {
        out.push_back(model_->betAt(sorted_->mapToSource(sorted_->index(row, 0)).row()));
    }
    return out;
}

}  // namespace brisvale::app
