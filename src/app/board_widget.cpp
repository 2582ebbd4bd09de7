// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/board_widget.hpp"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/chip_look.hpp"
#include "app/colors.hpp"
#include "board/chips.hpp"
#include "model/bets.hpp"
#include "model/numbers.hpp"

namespace brisvale::app {
namespace {

constexpr int kFirstNumber = 1, kLastNumber = 36;
const QColor kCloth = fromPlatformColor(board::kGreen);
const QColor kPrintWhite(0xF8, 0xF8, 0xF8);

// The printed image of a cell fills its box but for the last two pixels across and down,
// where the cell's own back colour shows.
QRectF imageRect(const Rect& cell) {
    const QRectF r = pxRect(cell);
    return {r.x(), r.y(), r.width() - 2, r.height() - 2};
}

bool insideEllipse(QPointF pos, const QRectF& r) {
    if (r.width() <= 0 || r.height() <= 0) return false;
    const double dx = (pos.x() - r.center().x()) / (r.width() / 2);
    const double dy = (pos.y() - r.center().y()) / (r.height() / 2);
    return dx * dx + dy * dy <= 1.0;
}

// Where to centre a caption of the given width in a box where stakes lie: the box's centre
// when no stake lies on the caption there, else the middle of the widest free stretch that
// holds it; nullopt when none does.
std::optional<double> freeCentre(const QRectF& box, double width,
                                 const std::vector<QRectF>& stakes) {
    const auto clear = [&](double from, double to) {
        for (const QRectF& d : stakes) {
            if (d.left() < to && d.right() > from) return false;
        }
        return true;
    };
    const double centre = box.center().x();
    if (clear(centre - width / 2, centre + width / 2)) return centre;
    // The free stretches lie between the stakes' edges and the box's ends.
    std::vector<double> edges{box.left(), box.right()};
    for (const QRectF& d : stakes) {
        edges.push_back(std::clamp(d.left(), box.left(), box.right()));
        edges.push_back(std::clamp(d.right(), box.left(), box.right()));
    }
    std::sort(edges.begin(), edges.end());
    std::optional<double> best;
    double room = width + 2;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        const double from = edges[i], to = edges[i + 1];
        if (to - from >= room && clear(from + 0.5, to - 0.5)) {
            best = (from + to) / 2;
            room = to - from;
        }
    }
    return best;
}

// The white print of a cell: its text and type size in pixels.
std::pair<QString, int> printOf(int cell) {
    if (cell >= kFirstNumber && cell <= kLastNumber) return {QString::number(cell), 11};
    if (cell == 0) return {QStringLiteral("0"), 16};
    return {QString(QLatin1StringView(outsideCaption(cell))), 10};
}

}  // namespace

BoardWidget::BoardWidget(const Form& form, QWidget* parent)
    : QWidget(parent), form_(form), button1_(new QPushButton(this)) {
    setObjectName("Frame2");
    // The board's type stays at its design size; the painter scales it with the rest.
    designFont_ = font();
    setFont(designFont_);
    setFixedSize(pxi(board::kFrame2.width), pxi(board::kFrame2.height));
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    button1_->setObjectName("Button1");
    button1_->setGeometry(pxRect(board::kButton1).toRect());
    connect(button1_, &QPushButton::clicked, this, &BoardWidget::button1Clicked);
    render();
}

void BoardWidget::render() {
    const QString caption = QString::fromStdString(form_.startButton.caption);
    if (button1_->text() != caption) button1_->setText(caption);
    button1_->setEnabled(form_.startButton.enabled);
    update();
}

void BoardWidget::setScale(double scale) {
    scale_ = scale;
    const auto times = [scale](double v) { return static_cast<int>(std::lround(v * scale)); };
    setFixedSize(times(pxi(board::kFrame2.width)), times(pxi(board::kFrame2.height)));
    const QRectF b = pxRect(board::kButton1);
    button1_->setGeometry(times(b.x()), times(b.y()), times(b.width()), times(b.height()));
    QFont buttonFont = designFont_;
    buttonFont.setPointSizeF(designFont_.pointSizeF() * scale);
    button1_->setFont(buttonFont);
    update();
}

void BoardWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.scale(scale_, scale_);
    paintFrame(p);
    paintLines(p);
    paintCells(p);
    paintFlipButton(p);
    paintPrint(p, true);
    paintChipDiscs(p);
    paintPrint(p, false);
    paintMarker(p);
    paintChipLabels(p);
}

void BoardWidget::paintFrame(QPainter& p) const {
    const QColor back = fromPlatformColor(form_.backColor);
    const QRect design(0, 0, pxi(board::kFrame2.width), pxi(board::kFrame2.height));
    p.fillRect(design, back);
    const QFont caption = designFont_;
    p.setFont(caption);
    const int captionHeight = QFontMetrics(caption).height();
    p.setPen(back.darker(140));
    p.drawRect(
        QRect(0, captionHeight / 2, design.width() - 1, design.height() - captionHeight / 2 - 1));
    const QString title = tr("Playing Board");
    const QRect titleRect(7, 0, QFontMetrics(caption).horizontalAdvance(title) + 6, captionHeight);
    p.fillRect(titleRect, back);
    p.setPen(isDark(back) ? Qt::white : Qt::black);
    p.drawText(titleRect, Qt::AlignCenter, title);
}

// The lines lie on the frame beneath the cells, as on the printed board.
void BoardWidget::paintLines(QPainter& p) const {
    p.setPen(QPen(kPrintWhite, 1));
    for (int i = 0; i < board::kLineCount; ++i) {
        const Line l = form_.board.line(i);
        p.drawLine(QPointF(px(l.x1), px(l.y1)), QPointF(px(l.x2), px(l.y2)));
    }
}

void BoardWidget::paintCells(QPainter& p) const {
    for (int i = 0; i < board::kCellCount; ++i) paintCell(p, i);
}

void BoardWidget::paintCell(QPainter& p, int cell) const {
    const Rect r = form_.board.cell(cell);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(pxRect(r), fromPlatformColor(form_.board.backColor(cell)));
    const QRectF image = imageRect(r);
    p.fillRect(image, kCloth);
    p.setPen(QPen(kPrintWhite, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(image.adjusted(0, 0, -1, -1));
    p.setRenderHint(QPainter::Antialiasing, true);

    if (cell >= kFirstNumber && cell <= kLastNumber) {
        // The printed oval keeps the number's true colour in every view.
        p.setPen(Qt::NoPen);
        p.setBrush(fromPlatformColor(cellBackColor(cell, true)));
        p.drawEllipse(image.adjusted(3, 2.5, -3, -2.5));
        return;
    }
    if (cell == 45 || cell == 46) {
        const QPointF c = image.center();
        const double w = 14, h = 7.5;
        const QPolygonF diamond{
            {c.x() - w, c.y()}, {c.x(), c.y() - h}, {c.x() + w, c.y()}, {c.x(), c.y() + h}};
        p.setPen(QPen(kPrintWhite, 1));
        p.setBrush(cell == 46 ? fromPlatformColor(board::kRed) : QColor(Qt::black));
        p.drawPolygon(diamond);
    }
}

// Where a cell's white print goes. Print lies above the see-through chips, with a dark edge to
// read on a chip's colour, unless a stake would lie on it: an outside caption then steps aside
// into the rest of its box, a size smaller if need be, and print that cannot stays beneath the
// chip, so the stake reads clearly. A chip on a single number stands for its number.
BoardWidget::PrintPlace BoardWidget::printPlace(int cell) const {
    const QRectF image = imageRect(form_.board.cell(cell));
    const auto [text, size] = printOf(cell);
    PrintPlace place{text, boldFont(size), image.center().x(), false, true};
    std::vector<QRectF> stakes;
    const QRectF line(image.left(), image.center().y() - 5, image.width(), 10);
    for (const Chip& chip : form_.chips) {
        const ChipLook look = chipLook(form_, chip);
        if (!chip.visible || !look.disc.intersects(image)) continue;
        if (takesClicks(chip) && bet(static_cast<BetId>(chip.bet)).covers(cell)) return {};
        place.edged = true;
        place.beneath = false;
        const QRectF stake = stakeRect(look, QString::fromStdString(chip.caption));
        if (!chip.caption.empty() && stake.intersects(line)) stakes.push_back(stake);
    }
    if (stakes.empty()) return place;
    const int steps = cell > kLastNumber ? 2 : 0;
    for (int smaller = 0; smaller <= steps; ++smaller) {
        const QFont font = boldFont(size - smaller);
        const double width = QFontMetricsF(font).horizontalAdvance(text);
        const auto free = freeCentre(image, width, stakes);
        if (free && (steps > 0 || *free == place.centre)) {
            place.font = font;
            place.centre = *free;
            return place;
        }
    }
    place.edged = false;
    place.beneath = true;
    return place;
}

void BoardWidget::paintPrint(QPainter& p, bool beneathChips) const {
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int cell = 0; cell < board::kCellCount; ++cell) {
        if (cell == 45 || cell == 46) continue;  // the diamonds
        const PrintPlace place = printPlace(cell);
        if (place.text.isEmpty() || place.beneath != beneathChips) continue;
        const QRectF image = imageRect(form_.board.cell(cell));
        const QFontMetricsF metrics(place.font);
        QPainterPath print;
        print.addText(place.centre - metrics.horizontalAdvance(place.text) / 2,
                      image.center().y() + (metrics.ascent() - metrics.descent()) / 2, place.font,
                      place.text);
        if (place.edged) {
            p.strokePath(print,
                         QPen(QColor(0, 0, 0, 200), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        }
        p.fillPath(print, Qt::white);
    }
}

void BoardWidget::paintFlipButton(QPainter& p) const {
    const QRectF box = pxRect(board::kPicture2);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(box, kCloth);
    p.setPen(QPen(kPrintWhite, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(imageRect(board::kPicture2).adjusted(0, 0, -1, -1));
    p.setRenderHint(QPainter::Antialiasing, true);

    // Two arrows chasing each other round a circle: the board turns round.
    const QPointF c = box.center() - QPointF(1, 1);
    const QRectF ring(c.x() - 6.5, c.y() - 6.5, 13, 13);
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 20 * 16, 140 * 16);
    p.drawArc(ring, 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const QPointF left(c.x() - 6.5, c.y() + 0.5), right(c.x() + 6.5, c.y() - 0.5);
    p.drawPolygon(QPolygonF{
        {left.x() - 3, left.y() - 2}, {left.x() + 3, left.y() - 2}, {left.x(), left.y() + 2.5}});
    p.drawPolygon(QPolygonF{{right.x() - 3, right.y() + 2},
                            {right.x() + 3, right.y() + 2},
                            {right.x(), right.y() - 2.5}});
}

// Every disc first, then every stake, so that no chip hides another's stake.
void BoardWidget::paintChipDiscs(QPainter& p) const {
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const Chip& chip : form_.chips) {
        if (chip.visible) paintChipDisc(p, chipLook(form_, chip));
    }
}

void BoardWidget::paintChipLabels(QPainter& p) const {
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const Chip& chip : form_.chips) {
        if (chip.visible && !chip.caption.empty()) {
            paintChipLabel(p, chipLook(form_, chip), QString::fromStdString(chip.caption));
        }
    }
}

// A gold ring: the number it marks stays readable inside it.
void BoardWidget::paintMarker(QPainter& p) const {
    const Marker& m = form_.marker;
    if (!m.visible) return;
    const QRectF r(px(m.left), px(m.top), px(m.width), px(m.height));
    const QColor gold = fromRgb(board::kMarkerColor);
    const double width = std::max(2.0, r.width() / 9);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold.darker(220), width + 1.5));
    p.drawEllipse(r.adjusted(width / 2, width / 2, -width / 2, -width / 2));
    p.setPen(QPen(gold, width));
    p.drawEllipse(r.adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

int BoardWidget::chipAt(QPointF at) const {
    const QPointF pos = at / scale_;
    // Chips loaded later lie above earlier ones; only the round part of a chip counts.
    for (int i = board::kChipCount - 1; i >= 0; --i) {
        const Chip& chip = form_.chips[static_cast<std::size_t>(i)];
        if (chip.visible && insideEllipse(pos, chipRect(form_, chip))) return i;
    }
    return -1;
}

BoardWidget::Hit BoardWidget::hitAt(QPointF at) const {
    const QPointF pos = at / scale_;
    for (int i = board::kChipCount - 1; i >= 0; --i) {
        const Chip& chip = form_.chips[static_cast<std::size_t>(i)];
        if (chip.visible && takesClicks(chip) && insideEllipse(pos, chipRect(form_, chip))) {
            return {Hit::Kind::Chip, i};
        }
    }
    if (pxRect(board::kPicture2).contains(pos)) return {Hit::Kind::Flip, -1};
    for (int i = board::kCellCount - 1; i >= 0; --i) {
        if (pxRect(form_.board.cell(i)).contains(pos)) return {Hit::Kind::Cell, i};
    }
    return {};
}

QString BoardWidget::tipAt(QPointF at) const {
    const int chip = chipAt(at);
    QString tip =
        chip >= 0 ? chipHoverText(form_.chips[static_cast<std::size_t>(chip)]) : QString();
    if (tip.isEmpty() && hitAt(at).kind == Hit::Kind::Flip) {
        tip = tr("Turn the board round, as seen from the other side of the table");
    }
    if (tip.isEmpty()) tip = tr("Click a number or type it; Enter submits");
    return tip;
}

QPoint BoardWidget::cellCenter(int cell) const {
    return (imageRect(form_.board.cell(cell)).center() * scale_).toPoint();
}

QPoint BoardWidget::chipCenter(int chip) const {
    return (chipRect(form_, form_.chips.at(static_cast<std::size_t>(chip))).center() * scale_)
        .toPoint();
}

QPoint BoardWidget::flipCenter() const {
    return (pxRect(board::kPicture2).center() * scale_).toPoint();
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton ? hitAt(event->position()) : Hit{};
    QWidget::mousePressEvent(event);
}

// A click is a press and a release on the same thing, as with any button.
void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    const Hit pressed = pressed_;
    pressed_ = {};
    if (event->button() != Qt::LeftButton || pressed.kind == Hit::Kind::None) return;
    if (!(hitAt(event->position()) == pressed)) return;
    switch (pressed.kind) {
        case Hit::Kind::Chip:
            emit chipClicked(pressed.index);
            break;
        case Hit::Kind::Flip:
            emit flipClicked();
            break;
        case Hit::Kind::Cell:
            emit cellClicked(pressed.index);
            break;
        case Hit::Kind::None:
            break;
    }
}

bool BoardWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = tipAt(help->pos());
        QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}

}  // namespace brisvale::app
