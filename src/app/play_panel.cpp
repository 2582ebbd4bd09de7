#include "app/play_panel.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

#include "app/app_icon.hpp"
#include "app/control_binder.hpp"
#include "app/qt_ports.hpp"

namespace brisvale::app {
namespace {

QHBoxLayout* row(QGridLayout* grid, int r, int column = 0, int span = 1) {
    auto* layout = new QHBoxLayout;
    layout->setSpacing(3);
    grid->addLayout(layout, r, column, 1, span);
    return layout;
}

QCheckBox* check(ControlBinder& binder, const char* name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    binder.bindCheck(box, name);
    return box;
}

QRadioButton* option(ControlBinder& binder, const char* name, const QString& caption,
                     QWidget* parent) {
    auto* button = new QRadioButton(caption, parent);
    binder.bindOption(button, name);
    return button;
}

}  // namespace

PlayPanel::PlayPanel(ControlBinder& binder, std::function<void(const std::string&)> onPress,
                     QWidget* parent)
    : QWidget(parent),
      Label1_(new QLabel(this)),
      Text1_(new QPlainTextEdit(this)),
      Picture4_(new QLabel(this)),
      historyPlace_(new QStackedWidget(this)),
      cmdMore_(new QPushButton(this)),
      Command1_(new QPushButton(this)) {
    setObjectName("Frame1");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(3, 2, 1, 2);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(1);

    // First the style, then the families to watch, then the money and the casino.
    auto* styles = row(grid, 0, 0, 2);
    styles->addWidget(option(binder, "BetStyle1", "Classic Tarlock", this));
    styles->addWidget(option(binder, "BetStyle2", "Multi Tarlock", this));
    styles->addStretch();
    auto* super = row(grid, 1, 0, 2);
    auto* superOption = option(binder, "BetStyle3", "Super Tarlock", this);
    superOption->setToolTip("Enables Multiple Betting for Faster Gains");
    super->addWidget(superOption);
    super->addStretch();
    super->addWidget(check(binder, "chk7", "Even Bets", this));
    super->addStretch();

    auto* even = row(grid, 2, 0, 2);
    even->addWidget(check(binder, "chk7_1", "Red/Black", this));
    even->addWidget(check(binder, "chk7_2", "Odd/Even", this));
    even->addWidget(check(binder, "chk7_3", "High/Low", this));
    even->addStretch();

    // The other families in aligned columns, in the order the advisor looks at them.
    auto* families = new QGridLayout;
    families->setHorizontalSpacing(4);
    families->setVerticalSpacing(1);
    const char* names[] = {"chk6", "chk1", "chk2", "chk3", "chk4", "chk5", "Chk8"};
    const char* captions[] = {"Dozen", "Row", "Line", "Corner", "Trio", "Split", "Single"};
    for (int i = 0; i < 7; ++i) {
        families->addWidget(check(binder, names[i], captions[i], this), i / 3, i % 3);
    }
    families->setColumnStretch(3, 1);
    grid->addLayout(families, 3, 0);

    auto* money = row(grid, 4);
    auto* wagerLabel = new QLabel("Minimum Wager:", this);
    wagerLabel->setMinimumWidth(wagerLabel->sizeHint().width());
    money->addWidget(wagerLabel);
    auto* wager = new QComboBox(this);
    wager->setToolTip("Smallest wager you want to play");
    wager->setFixedWidth(44);
    binder.bindList(wager, "cboWager");
    money->addWidget(wager);
    money->addStretch();
    money->addWidget(new QLabel("Acct:", this));
    auto* balance = new QLineEdit(this);
    balance->setFixedWidth(44);
    binder.bindText(balance, "Text18");
    money->addWidget(balance);

    auto* casino = row(grid, 5);
    auto* casinoList = new QComboBox(this);
    casinoList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    casinoList->setMinimumContentsLength(9);
    binder.bindList(casinoList, "Casino");
    casino->addWidget(casinoList, 1);
    Command1_->setObjectName("Command1");
    Command1_->setFixedWidth(22);
    casino->addWidget(Command1_);
    cmdMore_->setObjectName("cmdMore");
    casino->addWidget(cmdMore_);
    connect(Command1_, &QPushButton::clicked, this, [onPress] { onPress("Command1"); });
    connect(cmdMore_, &QPushButton::clicked, this, [onPress] { onPress("cmdMore"); });

    // The spins, newest on top: black, zero and red numbers in three lined-up columns.
    Text1_->setObjectName("Text1");
    Text1_->setReadOnly(true);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSizeF(font().pointSizeF() - 0.5);
    Text1_->setFont(mono);
    Text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1_->setFocusPolicy(Qt::NoFocus);
    const int column = QFontMetrics(Text1_->font()).horizontalAdvance(QStringLiteral("0000000"));
    Text1_->setFixedWidth(column + 6);
    // The product picture stands in the history's place between runs while no spin is listed.
    Picture4_->setObjectName("Picture4");
    Picture4_->setAlignment(Qt::AlignCenter);
    Picture4_->setPixmap(productPicture(Text1_->width() - 6));
    historyPlace_->setFixedWidth(Text1_->width());
    historyPlace_->addWidget(Text1_);
    historyPlace_->addWidget(Picture4_);
    grid->addWidget(historyPlace_, 3, 1, 4, 1);

    Label1_->setObjectName("Label1");
    Label1_->setWordWrap(true);
    QFont bold = Label1_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() + 1);
    Label1_->setFont(bold);
    Label1_->setMinimumHeight(2 * QFontMetrics(bold).height());
    // The blink hides the text but keeps its room, so nothing else moves.
    QSizePolicy policy = Label1_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    Label1_->setSizePolicy(policy);
    grid->addWidget(Label1_, 6, 0);
    grid->setRowStretch(7, 1);
}

void PlayPanel::render(const Form& form) {
    const QString advice = toQt(form.Label1.caption);
    if (Label1_->text() != advice) Label1_->setText(advice);
    Label1_->setVisible(form.Label1.visible);

    std::string history = form.Text1.text();
    if (history != historyShown_) {
        historyShown_ = std::move(history);
        QString text = toQt(historyShown_);
        if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
        Text1_->setPlainText(text);
    }
    const bool picture = form.Picture4.visible && form.Text1.empty();
    historyPlace_->setCurrentWidget(picture ? static_cast<QWidget*>(Picture4_) : Text1_);
    for (auto [button, model] : {std::pair{cmdMore_, &form.cmdMore}, {Command1_, &form.Command1}}) {
        const QString caption = toQt(model->caption);
        if (button->text() != caption) button->setText(caption);
        button->setEnabled(model->enabled);
    }
}

}  // namespace brisvale::app
