#include "app/chip_look.hpp"

#include <QPainter>
#include <QPainterPath>

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

QRectF chipRect(const Form& form, const Chip& chip) {
    return {px(chip.left), px(chip.top), px(form.chipWidth), px(form.chipHeight)};
}

bool takesClicks(const Chip& chip) {
    return chip.bet >= 0 && bet(static_cast<BetId>(chip.bet)).family == Family::Single;
}

ChipLook chipLook(const Form& form, const Chip& chip) {
    ChipLook look;
    look.disc = chipRect(form, chip);
    const QColor color = fromRgb(imageColor(chip.image));
    look.border = color.lightness() > 200 ? QColor(0x60, 0x60, 0x60) : color.darker(170);
    // Slightly see-through: the cloth shows under the chip, which keeps its family colour.
    look.fill = color;
    look.fill.setAlphaF(0.85);
    look.label = look.disc;
    look.text = chip.blackText ? QColor(Qt::black) : QColor(Qt::white);
    look.outline = chip.blackText ? QColor(Qt::white) : QColor(Qt::black);
    look.fontPixels = 12;
    return look;
}

void paintChipDisc(QPainter& p, const ChipLook& look) {
    p.setPen(QPen(look.border, 1));
    p.setBrush(look.fill);
    p.drawEllipse(look.disc.adjusted(0.5, 0.5, -0.5, -0.5));
}

namespace {

// The stake's type: the look's size, smaller for a stake too long for its label.
QFont stakeFont(const ChipLook& look, const QString& stake) {
    QFont font = boldFont(look.fontPixels);
    while (font.pixelSize() > 7 &&
           QFontMetricsF(font).horizontalAdvance(stake) > look.label.width() - 3) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

}  // namespace

QRectF stakeRect(const ChipLook& look, const QString& stake) {
    const QFontMetricsF metrics(stakeFont(look, stake));
    const double width = metrics.horizontalAdvance(stake) + 4;
    return {look.label.center().x() - width / 2, look.label.center().y() - metrics.height() / 2,
            width, metrics.height()};
}

void paintChipLabel(QPainter& p, const ChipLook& look, const QString& stake) {
    const QFont font = stakeFont(look, stake);
    const QFontMetricsF metrics(font);
    const QPointF baseline(look.label.center().x() - metrics.horizontalAdvance(stake) / 2,
                           look.label.center().y() + (metrics.ascent() - metrics.descent()) / 2);
    QPainterPath figures;
    figures.addText(baseline, font, stake);
    p.strokePath(figures, QPen(look.outline, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(figures, look.text);
}

QString chipHoverText(const Chip& chip) {
    if (!chip.tooltip.empty()) return QString::fromStdString(chip.tooltip);
    if (chip.bet < 0 || chip.caption.empty()) return {};
    return QStringLiteral("Bet %1 on %2")
        .arg(QString::fromStdString(chip.caption),
             QLatin1StringView(label(static_cast<BetId>(chip.bet))));
}

}  // namespace brisvale::app
