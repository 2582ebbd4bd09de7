// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/state.hpp"

namespace brisvale {

std::string Advice::text() const {
    switch (kind) {
        case Kind::SpinOnly:
            return "Spin Only";
        case Kind::Bet:
            return caption(bet, amount);
        case Kind::BetAgain:
            // Always " on ", whatever the bet: the words of a progression going on.
            return "Bet $" + std::to_string(amount) + " on " + std::string(label(bet));
        case Kind::OnAllChips:
            return "Bet $" + std::to_string(amount) + " on all chips shown.";
        case Kind::OnEachChip:
            return "Bet the stake shown on each chip.";
        case Kind::Configure:
            return "Configure Play Style and Press Start";
        case Kind::Quit:
            return "Quit NOW";
        case Kind::SwitchTable:
            return "Switch Table/Press Start";
        case Kind::Stop:
            return std::string(words);
        case Kind::Silent:
            break;
    }
    return {};
}

}  // namespace brisvale
