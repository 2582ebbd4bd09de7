// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the fake table (brisvale_fake_table): result displays drawn the ways casinos
// draw them, for the reader's tests, its benchmark and demonstrations.

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace brisvale::app {

enum class FakeLook {
    Disc,   // a disc in the number's colour, white digits, on the table's felt
    Panel,  // digits in the number's colour on a light panel
    Strip,  // the last 10 numbers as badges, newest at one end
};

struct FakeFrame {
    FakeLook look = FakeLook::Disc;
    QString family = QStringLiteral("DejaVu Sans");
    int pixelSize = 32;        // of the digits, 14..48
    std::vector<int> numbers;  // newest first; none: a blank display
    bool message = false;      // blank frames say "No more bets"
    bool newestRight = false;  // strips only
};

inline constexpr int kStripLength = 10;

// The fonts the fake table draws with (Debian's fonts-dejavu and fonts-liberation).
QStringList fakeTableFamilies();
// Every frame of one look and size has the same size.
QSize fakeFrameSize(FakeLook look, int pixelSize);
QImage paintFakeFrame(const FakeFrame& frame);

// The seeded results of a fake table: 0..36, with about one repeat of the number before in
// ten spins, so that repeats are seen.
std::vector<int> fakeSpins(std::uint32_t seed, int count);

}  // namespace brisvale::app
