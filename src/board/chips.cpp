// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/chips.hpp"

#include <array>

namespace brisvale {

namespace {

constexpr int kAcross = board::kPitchAcross;
constexpr int kDown = board::kPitchDown;

constexpr int columnOf(int n) {
    return (n - 1) / 3;
}
constexpr int rowOf(int n) {
    return (n - 1) % 3;
}

Point singleSpot(int n, bool flipped) {
    // The three numbers beside zero sit a little off the column rule.
    if (n <= 3) {
        constexpr std::array<int, 3> normalTop{295, 625, 955};
        constexpr std::array<int, 3> flippedTop{940, 610, 280};
        const auto r = static_cast<std::size_t>(n - 1);
        return flipped ? Point{790, flippedTop[r]} : Point{6720, normalTop[r]};
    }
    const int c = columnOf(n), r = rowOf(n);
    return flipped ? Point{780 + kAcross * c, 940 - kDown * r}
                   : Point{6720 - kAcross * c, 280 + kDown * r};
}

Point splitSpot(int low, int high, bool flipped) {
    const int c = columnOf(low);
    if (high - low == 3) {  // two neighbours in one row: the chip sits on the column line
        const int r = rowOf(low);
        return flipped ? Point{1045 + kAcross * c, 940 - kDown * r}
                       : Point{6445 - kAcross * c, 280 + kDown * r};
    }
    const bool upper = rowOf(low) == 0;  // 1/2 rather than 2/3 of the column
    return flipped ? Point{760 + kAcross * c, upper ? 800 : 470}
                   : Point{6700 - kAcross * c, upper ? 470 : 800};
}

Point cornerSpot(int low, bool flipped) {
    const int c = columnOf(low);
    const bool upper = rowOf(low) == 0;
    return flipped ? Point{1030 + kAcross * c, upper ? 800 : 470}
                   : Point{6430 - kAcross * c, upper ? 470 : 800};
}

Point streetSpot(int low, bool flipped, int normalLeft, int flippedLeft) {
    const int c = columnOf(low);
    return flipped ? Point{flippedLeft + kAcross * c, 1130} : Point{normalLeft - kAcross * c, 1130};
}

Point outsideSpot(BetId id, bool flipped) {
    using namespace bet_ids;
    switch (id) {
        case FirstDozen:
            return {flipped ? 2040 : 6450, 1270};
        case SecondDozen:
            return {4290, 1270};
        case ThirdDozen:
            return {flipped ? 6500 : 2040, 1310};
        case Row1:
            return flipped ? Point{7200, 940} : Point{120, 280};
        case Row2:
            return {flipped ? 7200 : 120, 610};
        case Row3:
            return flipped ? Point{7200, 280} : Point{120, 940};
        case Black:
            return {flipped ? 4640 : 2940, 1600};
        case Red:
            return {flipped ? 2940 : 4650, 1600};
        case Odd:
            return {5650, 1600};
        case Even:
            return {1800, 1600};
        case Low:
            return {flipped ? 690 : 6210, 1600};
        default:
            return {flipped ? 6210 : 690, 1600};  // High, "19 to 36"
    }
}

int imageByWords(std::string_view label, bool withSingle) {
    int image = board::kImageOther;
    const auto has = [label](std::string_view word) {
        return label.find(word) != std::string_view::npos;
    };
    if (has("Corner")) image = board::kImageCorner;
    if (has("Split")) image = board::kImageSplit;
    if (has("Trio")) image = board::kImageTrio;
    if (has("Line")) image = board::kImageLine;
    if (withSingle && has("Single")) image = board::kImageSingle;
    return image;
}

std::optional<Point> chipSpotByFamily(BetId id, bool flipped) {
    const Bet& b = bet(id);
    const int low = b.list[0];
    switch (b.family) {
        case Family::Single:
            return singleSpot(low, flipped);
        case Family::Split:
            return splitSpot(low, b.list[1], flipped);
        case Family::Corner:
            return cornerSpot(low, flipped);
        case Family::Trio:
            return streetSpot(low, flipped, 6700, 760);
        case Family::Line:
            return streetSpot(low, flipped, 6430, 1030);
        default:
            return outsideSpot(id, flipped);
    }
}

// Laid chips are placed on every spin: the spots and pictures are worked out once.
template <class T, class F>
std::array<std::array<T, kBetCount>, 2> byBet(F of) {
    std::array<std::array<T, kBetCount>, 2> table{};
    for (int view = 0; view < 2; ++view) {
        for (int id = 0; id < kBetCount; ++id) {
            table[view][id] = of(static_cast<BetId>(id), view == 1);
        }
    }
    return table;
}

}  // namespace

std::optional<Point> chipSpot(BetId id, bool flipped) {
    static const auto spots = byBet<std::optional<Point>>(chipSpotByFamily);
    if (id >= kBetCount) return std::nullopt;
    return spots[flipped ? 1 : 0][id];
}

int chipImage(BetId id, bool withSingle) {
    static const auto images =
        byBet<int>([](BetId b, bool single) { return imageByWords(label(b), single); });
    if (id >= kBetCount) return board::kImageOther;
    return images[withSingle ? 1 : 0][id];
}

std::optional<Point> chipSpot(std::string_view label, bool flipped) {
    const std::optional<BetId> id = findLabel(label);
    if (!id) return std::nullopt;
    return chipSpot(*id, flipped);
}

std::optional<int> outsideCell(BetId id) {
    using namespace bet_ids;
    switch (id) {
        case Row1:
        case Row2:
        case Row3:
            return 37 + (id - Row1);
        case FirstDozen:
        case SecondDozen:
        case ThirdDozen:
            return 42 - (id - FirstDozen);  // printed 3rd, 2nd, 1st
        case High:
            return 43;
        case Even:
            return 44;
        case Black:
            return 45;
        case Red:
            return 46;
        case Odd:
            return 47;
        case Low:
            return 48;
        default:
            return std::nullopt;
    }
}

int familyImage(std::string_view label) {
    return imageByWords(label, true);
}
int multiFamilyImage(std::string_view label) {
    return imageByWords(label, false);
}

std::uint32_t imageColor(int image) {
    constexpr std::array<std::uint32_t, 9> kColors{0x0026FF, 0xFF2BF7, 0xFFFB0F, 0x808080, 0x7F0000,
                                                   0x37FF0F, 0x3F00FF, 0xC78CFF, 0xFFFFFF};
    if (image < 1 || image > 9) return 0x000000;
    return kColors[static_cast<std::size_t>(image - 1)];
}

}  // namespace brisvale
