// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chip_look.hpp"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <optional>

#include "app/colors.hpp"
#include "board/chips.hpp"
#include "model/bets.hpp"

namespace brisvale::app {

QFont boldFont(int pixelSize) {
    QFont font;
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

namespace {

// Where the Form lays the chip.
QRectF spotRect(const Form& form, const Chip& chip) {
    return {px(chip.left), px(chip.top), px(form.chipWidth), px(form.chipHeight)};
}

}  // namespace

QRectF cellBox(const Form& form, int cell) {
    const QRectF r = pxRect(form.board.cell(cell));
    return {r.x(), r.y(), r.width() - 2, r.height() - 2};
}

QRectF chipRect(const Form& form, const Chip& chip) {
    const QRectF spot = spotRect(form, chip);
    const std::optional<int> cell = chip.bet >= 0 && chip.bet < kBetCount
                                        ? outsideCell(static_cast<BetId>(chip.bet))
                                        : std::nullopt;
    if (!cell) return spot;
    // A chip on a dozen, row or even-money box lies wholly in that box, as a player would lay
    // it: centred, and smaller when the box is lower than the chip.
    const QRectF box = cellBox(form, *cell);
    if (box.contains(spot) || spot.isEmpty()) return spot;
    const double shrink = std::min({1.0, box.width() / spot.width(), box.height() / spot.height()});
    QRectF drawn(0, 0, spot.width() * shrink, spot.height() * shrink);
    drawn.moveCenter(box.center());
    return drawn;
}

bool takesClicks(const Chip& chip) {
    return chip.bet >= 0 && bet(static_cast<BetId>(chip.bet)).family == Family::Single;
}

ChipLook chipLook(const Form& form, const Chip& chip) {
    ChipLook look;
    look.disc = chipRect(form, chip);
    const QColor color = fromRgb(imageColor(chip.image));
    if (chip.borderStyle == 1) {
        look.border = Qt::black;
    } else {
        look.border = color.lightness() > 200 ? QColor(0x60, 0x60, 0x60) : color.darker(170);
    }
    look.raised = chip.appearance == 1;
    // Slightly see-through: the cloth shows under the chip, which keeps its family colour.
    look.fill = color;
    look.fill.setAlphaF(0.85);
    // At the design's label place the stake sits in the middle of the chip; a label placed
    // elsewhere moves it by as much.
    // A chip drawn smaller than its spot carries its label in proportion.
    const StakeLabel& l = chip.label;
    const QRectF spot = spotRect(form, chip);
    const double k = spot.width() > 0 ? look.disc.width() / spot.width() : 1.0;
    look.label = QRectF(look.disc.left() + k * px(l.left - board::kLabelLeft),
                        look.disc.top() + k * px(l.top - board::kLabelTop), k * px(l.width),
                        k * px(l.height));
    look.alignment = l.alignment;
    look.text = chip.blackText ? QColor(Qt::black) : QColor(Qt::white);
    look.outline = chip.blackText ? QColor(Qt::white) : QColor(Qt::black);
    look.fontPixels = pointPixels(l.fontSize);
    look.bold = l.bold;
    return look;
}

void paintChipDisc(QPainter& p, const ChipLook& look) {
    const QRectF edge = look.disc.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(look.border, 1));
    p.setBrush(look.fill);
    p.drawEllipse(edge);
    if (!look.raised) return;
    // Lit from the top left, as raised controls are.
    const QRectF bevel = edge.adjusted(1, 1, -1, -1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 210), 1.2));
    p.drawArc(bevel, 45 * 16, 180 * 16);
    p.setPen(QPen(QColor(0, 0, 0, 170), 1.2));
    p.drawArc(bevel, 225 * 16, 180 * 16);
}

namespace {

// Room for the figures' edge at an aligned side of the label.
constexpr double kStakeEdge = 2;

// The stake's type: the look's size, smaller for a stake too long for its label.
QFont stakeFont(const ChipLook& look, const QString& stake) {
    QFont font;
    font.setBold(look.bold);
    font.setPixelSize(look.fontPixels);
    while (font.pixelSize() > 7 &&
           QFontMetricsF(font).horizontalAdvance(stake) > look.label.width() - 3) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

// Where the figures start across the label, by its alignment.
double stakeLeft(const ChipLook& look, double advance) {
    switch (look.alignment) {
        case AlignLeft:
            return look.label.left() + kStakeEdge;
        case AlignRight:
            return look.label.right() - kStakeEdge - advance;
        default:
            return look.label.center().x() - advance / 2;
    }
}

}  // namespace

QRectF stakeRect(const ChipLook& look, const QString& stake) {
    const QFontMetricsF metrics(stakeFont(look, stake));
    const double advance = metrics.horizontalAdvance(stake);
    return {stakeLeft(look, advance) - kStakeEdge, look.label.center().y() - metrics.height() / 2,
            advance + 2 * kStakeEdge, metrics.height()};
}

void paintChipLabel(QPainter& p, const ChipLook& look, const QString& stake) {
    const QFont font = stakeFont(look, stake);
    const QFontMetricsF metrics(font);
    const QPointF baseline(stakeLeft(look, metrics.horizontalAdvance(stake)),
                           look.label.center().y() + (metrics.ascent() - metrics.descent()) / 2);
    QPainterPath figures;
    figures.addText(baseline, font, stake);
    // The label lies inside its chip.
    p.save();
    p.setClipRect(look.disc);
    p.strokePath(figures, QPen(look.outline, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(figures, look.text);
    p.restore();
}

QString chipHoverText(const Chip& chip) {
    if (!chip.tooltip.empty()) return QString::fromStdString(chip.tooltip);
    if (chip.bet < 0 || chip.caption.empty()) return {};
    return QStringLiteral("Bet %1 on %2")
        .arg(QString::fromStdString(chip.caption),
             QLatin1StringView(label(static_cast<BetId>(chip.bet))));
}

}  // namespace brisvale::app
