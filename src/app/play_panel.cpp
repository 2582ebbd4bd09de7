// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/play_panel.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_icon.hpp"
#include "app/control_binder.hpp"
#include "app/qt_ports.hpp"
#include "model/numbers.hpp"

namespace brisvale::app {
namespace {

// The history's colours: a red and a green dark enough to read on its white box.
constexpr QRgb kRed = 0xD00000, kZeroGreen = 0x007A00, kBlack = 0x000000;

QHBoxLayout* row(QGridLayout* grid, int r, int column = 0, int span = 1) {
    auto* layout = new QHBoxLayout;
    layout->setSpacing(3);
    grid->addLayout(layout, r, column, 1, span);
    return layout;
}

QCheckBox* check(ControlBinder& binder, const char* name, const QString& caption, QWidget* parent,
                 const QString& tip) {
    auto* box = new QCheckBox(caption, parent);
    box->setToolTip(tip);
    binder.bindCheck(box, name);
    return box;
}

QRadioButton* option(ControlBinder& binder, const char* name, const QString& caption,
                     QWidget* parent, const QString& tip) {
    auto* button = new QRadioButton(caption, parent);
    button->setToolTip(tip);
    binder.bindOption(button, name);
    return button;
}

const QString kBalanceTip = "The money in your account at the table";

}  // namespace

HistoryModel::HistoryModel(QObject* parent) : QAbstractListModel(parent) {}

void HistoryModel::show(const HistoryBox& box) {
    beginResetModel();
    box_ = &box;
    endResetModel();
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !box_ ? 0 : static_cast<int>(box_->lineCount());
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!box_ || !index.isValid() || index.row() >= rowCount({})) return {};
    const auto line = static_cast<std::size_t>(index.row());
    if (role == Qt::DisplayRole) return toQt(box_->line(line));
    if (role == Qt::ForegroundRole) {
        const int n = box_->number(line);
        return QColor(n == 0 ? kZeroGreen : isRed(n) ? kRed : kBlack);
    }
    return {};
}

PlayPanel::PlayPanel(ControlBinder& binder, std::function<void(const std::string&)> onPress,
                     QWidget* parent)
    : QWidget(parent),
      Label1_(new QLabel(this)),
      Text1_(new QListView(this)),
      history_(new HistoryModel(Text1_)),
      Picture4_(new QLabel(this)),
      cmdMore_(new QPushButton(this)),
      Command1_(new QPushButton(this)) {
    setObjectName("Frame1");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(3, 2, 1, 2);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(1);

    // First the style, then the families to watch, the casino and the money. The history
    // column stands beside the families and the casino; the money row needs the full width.
    auto* styles = row(grid, 0, 0, 2);
    styles->addWidget(option(binder, "BetStyle1", "Classic Tarlock", this,
                             "Plays one bet at a time, on the family that is due first"));
    styles->addWidget(option(binder, "BetStyle2", "Multi Tarlock", this,
                             "Plays several bets at once, as many of each family as Advanced "
                             "Settings allow"));
    styles->addStretch();
    auto* super = row(grid, 1, 0, 2);
    super->addWidget(option(binder, "BetStyle3", "Super Tarlock", this,
                            "Enables Multiple Betting for Faster Gains"));
    super->addStretch();
    super->addWidget(check(binder, "chk7", "Even Bets", this,
                           "Watch the even-money bets: Red/Black, Odd/Even and High/Low"));
    super->addStretch();

    auto* even = row(grid, 2, 0, 2);
    even->addWidget(check(binder, "chk7_1", "Red/Black", this, "Watch Red and Black"));
    even->addWidget(check(binder, "chk7_2", "Odd/Even", this, "Watch Odd and Even"));
    even->addWidget(check(binder, "chk7_3", "High/Low", this, "Watch 1 to 18 and 19 to 36"));
    even->addStretch();

    // The other families in aligned columns, in the order the advisor looks at them.
    auto* families = new QGridLayout;
    families->setHorizontalSpacing(4);
    families->setVerticalSpacing(1);
    const char* names[] = {"chk6", "chk1", "chk2", "chk3", "chk4", "chk5", "Chk8"};
    const char* captions[] = {"Dozen", "Row", "Line", "Corner", "Trio", "Split", "Single"};
    const char* tips[] = {"Watch the three dozens",
                          "Watch the three rows (columns) of twelve numbers",
                          "Watch the lines of six numbers",
                          "Watch the corners of four numbers",
                          "Watch the trios of three numbers",
                          "Watch the splits of two numbers",
                          "Watch the single numbers (Multi and Super play)"};
    for (int i = 0; i < 7; ++i) {
        families->addWidget(check(binder, names[i], captions[i], this, tips[i]), i / 3, i % 3);
    }
    families->setColumnStretch(3, 1);
    grid->addLayout(families, 3, 0);

    auto* money = row(grid, 5, 0, 2);
    auto* wagerLabel = new QLabel("Minimum Wager:", this);
    wagerLabel->setToolTip("Smallest wager you want to play");
    wagerLabel->setMinimumWidth(wagerLabel->sizeHint().width());
    money->addWidget(wagerLabel);
    money->addSpacing(3);
    auto* wager = new QComboBox(this);
    wager->setToolTip("Smallest wager you want to play");
    wager->setFixedWidth(44);
    binder.bindList(wager, "cboWager");
    money->addWidget(wager);
    money->addStretch();
    auto* balanceLabel = new QLabel("Acct:", this);
    balanceLabel->setToolTip(kBalanceTip);
    money->addWidget(balanceLabel);
    money->addSpacing(2);
    auto* balance = new QLineEdit(this);
    balance->setToolTip(kBalanceTip);
    balance->setFixedWidth(44);
    binder.bindText(balance, "Text18");
    money->addWidget(balance);

    auto* casino = row(grid, 4);
    auto* casinoList = new QComboBox(this);
    casinoList->setToolTip("Select or Create a Casino to store History Tracking of that Casino.");
    casinoList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    casinoList->setMinimumContentsLength(9);
    binder.bindList(casinoList, "Casino");
    casino->addWidget(casinoList, 1);
    Command1_->setObjectName("Command1");
    Command1_->setToolTip("Delete the selected casino");
    Command1_->setFixedWidth(22);
    casino->addWidget(Command1_);
    cmdMore_->setObjectName("cmdMore");
    cmdMore_->setToolTip("Show or hide the Advanced Settings");
    // As wide as its longer caption needs, so the casino's name keeps the rest.
    const QFontMetrics buttonText(cmdMore_->font());
    cmdMore_->setFixedWidth(16 + std::max(buttonText.horizontalAdvance("More >>"),
                                          buttonText.horizontalAdvance("<< Less")));
    casino->addWidget(cmdMore_);
    connect(Command1_, &QPushButton::clicked, this, [onPress] { onPress("Command1"); });
    connect(cmdMore_, &QPushButton::clicked, this, [onPress] { onPress("cmdMore"); });

    // The spins, newest on top: black, zero and red numbers in three lined-up columns.
    Text1_->setObjectName("Text1");
    Text1_->setToolTip("The spins of this run, newest on top");
    Text1_->setModel(history_);
    Text1_->setUniformItemSizes(true);
    Text1_->setSelectionMode(QAbstractItemView::NoSelection);
    Text1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Text1_->setFocusPolicy(Qt::NoFocus);
    Text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSizeF(font().pointSizeF() - 0.5);
    Text1_->setFont(mono);
    // A slim scroll bar keeps the column narrow.
    Text1_->verticalScrollBar()->setStyleSheet("QScrollBar:vertical { width: 7px; }");
    Text1_->setTextElideMode(Qt::ElideNone);
    // Seven figures ("     36"), the item's margins, the frame and the scroll bar.
    const int column = QFontMetrics(mono).horizontalAdvance(QStringLiteral("0000000"));
    Text1_->setFixedWidth(column + 2 * Text1_->frameWidth() + 8 + 7);
    // The product picture heads the history column between runs and on "Quit NOW".
    Picture4_->setObjectName("Picture4");
    Picture4_->setAlignment(Qt::AlignCenter);
    Picture4_->setPixmap(productPicture(32));
    auto* historyColumn = new QVBoxLayout;
    historyColumn->setSpacing(2);
    historyColumn->addWidget(Picture4_);
    historyColumn->addWidget(Text1_, 1);
    historyColumn->addStretch(0);
    grid->addLayout(historyColumn, 3, 1, 2, 1);

    Label1_->setObjectName("Label1");
    Label1_->setWordWrap(true);
    QFont bold = Label1_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() + 1);
    Label1_->setFont(bold);
    // The blink hides the text but keeps its room, so nothing else moves.
    QSizePolicy policy = Label1_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    Label1_->setSizePolicy(policy);
    grid->addWidget(Label1_, 6, 0, 1, 2);
    grid->setRowStretch(6, 1);
}

void PlayPanel::render(const Form& form) {
    const QString advice = toQt(form.adviceLabel.caption);
    if (Label1_->text() != advice) Label1_->setText(advice);
    Label1_->setVisible(form.adviceLabel.visible);

    if (form.historyBox.revision() != historyShown_ || !history_->shows(form.historyBox)) {
        historyShown_ = form.historyBox.revision();
        history_->show(form.historyBox);
    }
    Picture4_->setVisible(form.picture.visible);
    // An empty history takes no room beside the picture.
    Text1_->setVisible(!(form.picture.visible && form.historyBox.empty()));
    for (auto [button, model] :
         {std::pair{cmdMore_, &form.moreButton}, {Command1_, &form.deleteCasinoButton}}) {
        const QString caption = toQt(model->caption);
        if (button->text() != caption) button->setText(caption);
        button->setEnabled(model->enabled);
    }
}

}  // namespace brisvale::app
