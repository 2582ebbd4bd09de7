// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fake_table_look.hpp"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <random>

#include "reading/colour.hpp"

namespace brisvale::app {
namespace {

const QColor kFelt(10, 74, 30);
const QColor kPanel(238, 234, 224);

QColor numberColour(int n) {
    switch (reading::colourOfNumber(n).value_or(reading::Colour::Black)) {
        case reading::Colour::Red:
            return {200, 20, 30};
        case reading::Colour::Green:
            return {10, 140, 40};
        case reading::Colour::Black:
            break;
    }
    return {20, 20, 20};
}

QFont fontFor(const FakeFrame& f) {
    QFont font(f.family);
    font.setPixelSize(f.pixelSize);
    font.setBold(!f.family.contains(QLatin1String("Serif")));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace

QStringList fakeTableFamilies() {
    return {QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif"),
            QStringLiteral("Liberation Sans"), QStringLiteral("Liberation Serif"),
            QStringLiteral("Liberation Mono")};
}

QSize fakeFrameSize(FakeLook look, int px) {
    switch (look) {
        case FakeLook::Disc:
            return {px * 2 + 16, px * 2 + 8};
        case FakeLook::Panel:
            return {px * 3 + 24, px * 3 / 2 + 12};
        case FakeLook::Strip:
            break;
    }
    return {kStripLength * (px * 2 + 6) + 8, px * 3 / 2 + 8};
}

QImage paintFakeFrame(const FakeFrame& f) {
    const QSize size = fakeFrameSize(f.look, f.pixelSize);
    QImage image(size, QImage::Format_RGB32);
    image.fill(f.look == FakeLook::Panel ? kPanel : kFelt);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(fontFor(f));
    const QRect all(QPoint(0, 0), size);
    if (f.numbers.empty()) {
        if (f.message) {
            QFont small = fontFor(f);
            small.setPixelSize(std::max(10, f.pixelSize / 3));
            p.setFont(small);
            p.setPen(f.look == FakeLook::Panel ? QColor(90, 90, 90) : QColor(230, 230, 230));
            p.drawText(all, Qt::AlignCenter, QStringLiteral("NO MORE BETS"));
        }
        return image;
    }
    switch (f.look) {
        case FakeLook::Disc: {
            const int d = size.height() - 6;
            const QRect disc((size.width() - d) / 2, 3, d, d);
            p.setPen(Qt::NoPen);
            p.setBrush(numberColour(f.numbers.front()));
            p.drawEllipse(disc);
            p.setPen(Qt::white);
            p.drawText(disc, Qt::AlignCenter, QString::number(f.numbers.front()));
            break;
        }
        case FakeLook::Panel:
            p.setPen(numberColour(f.numbers.front()));
            p.drawText(all, Qt::AlignCenter, QString::number(f.numbers.front()));
            break;
        case FakeLook::Strip: {
            const int cell = f.pixelSize * 2 + 6;
            const int count = std::min<int>(kStripLength, static_cast<int>(f.numbers.size()));
            for (int i = 0; i < count; ++i) {
                const int slot = f.newestRight ? kStripLength - 1 - i : i;
                const QRect badge(4 + slot * cell + 3, 4, cell - 6, size.height() - 8);
                p.setPen(Qt::NoPen);
                p.setBrush(numberColour(f.numbers[static_cast<std::size_t>(i)]));
                p.drawRoundedRect(badge, 4, 4);
                p.setPen(Qt::white);
                p.drawText(badge, Qt::AlignCenter,
                           QString::number(f.numbers[static_cast<std::size_t>(i)]));
            }
            break;
        }
    }
    return image;
}

std::vector<int> fakeSpins(std::uint32_t seed, int count) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> number(0, 36), tenth(0, 9);
    std::vector<int> spins;
    for (int i = 0; i < count; ++i) {
        const bool repeat = !spins.empty() && tenth(random) == 0;
        spins.push_back(repeat ? spins.back() : number(random));
    }
    return spins;
}

}  // namespace brisvale::app
