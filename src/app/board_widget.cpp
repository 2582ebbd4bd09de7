#include "app/board_widget.hpp"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QToolTip>

#include "app/colors.hpp"
#include "board/chips.hpp"
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

QFont boldFont(int pixelSize) {
    QFont font;
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

bool insideEllipse(QPointF pos, const QRectF& r) {
    if (r.width() <= 0 || r.height() <= 0) return false;
    const double dx = (pos.x() - r.center().x()) / (r.width() / 2);
    const double dy = (pos.y() - r.center().y()) / (r.height() / 2);
    return dx * dx + dy * dy <= 1.0;
}

QRectF chipRect(const Form& form, const Chip& chip) {
    return {px(chip.left), px(chip.top), px(form.chipWidth), px(form.chipHeight)};
}

}  // namespace

BoardWidget::BoardWidget(const Form& form, QWidget* parent)
    : QWidget(parent), form_(form), button1_(new QPushButton(this)) {
    setObjectName("Frame2");
    setFixedSize(pxi(board::kFrame2.width), pxi(board::kFrame2.height));
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    button1_->setObjectName("Button1");
    button1_->setGeometry(pxRect(board::kButton1).toRect());
    connect(button1_, &QPushButton::clicked, this, &BoardWidget::button1Clicked);
    render();
}

void BoardWidget::render() {
    const QString caption = QString::fromStdString(form_.Button1.caption);
    if (button1_->text() != caption) button1_->setText(caption);
    button1_->setEnabled(form_.Button1.enabled);
    update();
}

void BoardWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintFrame(p);
    paintLines(p);
    paintCells(p);
    paintFlipButton(p);
    paintChips(p);
    paintMarker(p);
}

void BoardWidget::paintFrame(QPainter& p) const {
    const QColor back = fromPlatformColor(form_.backColor);
    p.fillRect(rect(), back);
    const QFont caption = font();
    const int captionHeight = QFontMetrics(caption).height();
    p.setPen(back.darker(140));
    p.drawRect(QRect(0, captionHeight / 2, width() - 1, height() - captionHeight / 2 - 1));
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
        p.setPen(Qt::white);
        p.setFont(boldFont(11));
        p.drawText(image, Qt::AlignCenter, QString::number(cell));
        return;
    }
    if (cell == 0) {
        p.setPen(Qt::white);
        p.setFont(boldFont(16));
        p.drawText(image, Qt::AlignCenter, QStringLiteral("0"));
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
        return;
    }
    p.setPen(Qt::white);
    p.setFont(boldFont(10));
    p.drawText(image, Qt::AlignCenter, QLatin1StringView(outsideCaption(cell)));
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

void BoardWidget::paintChips(QPainter& p) const {
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const Chip& chip : form_.chips) {
        if (!chip.visible) continue;
        const QRectF r = chipRect(form_, chip);
        const QColor color = fromRgb(imageColor(chip.image));
        p.setPen(QPen(color.lightness() > 200 ? QColor(0x60, 0x60, 0x60) : color.darker(170), 1));
        p.setBrush(color);
        p.drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
        if (chip.caption.empty()) continue;
        const QString text = QString::fromStdString(chip.caption);
        // Large stakes shrink to stay on their chip.
        QFont font = boldFont(12);
        while (font.pixelSize() > 7 && QFontMetrics(font).horizontalAdvance(text) > r.width() - 2) {
            font.setPixelSize(font.pixelSize() - 1);
        }
        p.setFont(font);
        p.setPen(chip.blackText ? Qt::black : Qt::white);
        p.drawText(r, Qt::AlignCenter, text);
    }
}

void BoardWidget::paintMarker(QPainter& p) const {
    const Marker& m = form_.marker;
    if (!m.visible) return;
    const QRectF r(px(m.left), px(m.top), px(m.width), px(m.height));
    const QColor gold = fromRgb(board::kMarkerColor);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(gold.darker(160), 1));
    p.setBrush(gold);
    p.drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

BoardWidget::Hit BoardWidget::hitAt(QPointF pos) const {
    // Chips loaded later lie above earlier ones; only the round part of a chip takes clicks.
    for (int i = board::kChipCount - 1; i >= 0; --i) {
        const Chip& chip = form_.chips[static_cast<std::size_t>(i)];
        if (chip.visible && insideEllipse(pos, chipRect(form_, chip))) return {Hit::Kind::Chip, i};
    }
    if (pxRect(board::kPicture2).contains(pos)) return {Hit::Kind::Flip, -1};
    for (int i = board::kCellCount - 1; i >= 0; --i) {
        if (pxRect(form_.board.cell(i)).contains(pos)) return {Hit::Kind::Cell, i};
    }
    return {};
}

QPoint BoardWidget::cellCenter(int cell) const {
    return imageRect(form_.board.cell(cell)).center().toPoint();
}

QPoint BoardWidget::chipCenter(int chip) const {
    return chipRect(form_, form_.chips.at(static_cast<std::size_t>(chip))).center().toPoint();
}

QPoint BoardWidget::flipCenter() const {
    return pxRect(board::kPicture2).center().toPoint();
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
        const Hit hit = hitAt(help->pos());
        if (hit.kind == Hit::Kind::Chip) {
            const std::string& tip = form_.chips[static_cast<std::size_t>(hit.index)].tooltip;
            if (!tip.empty()) {
                QToolTip::showText(help->globalPos(), QString::fromStdString(tip), this);
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

}  // namespace brisvale::app
