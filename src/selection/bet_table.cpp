// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/bet_table.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace brisvale {
namespace {

// Classic settlement goes by the words of the open bet: the even-money bets and the dozens by
// their own label, the other families by their family word; singles have none.
int classicPayout(BetId id) {
    return bet(id).family == Family::Single ? 0 : bet(id).netPayout;
}

// Each bet's place in the winners order, -1 for a bet that is never listed as a winner.
const std::array<int, kBetCount>& winnersPlace() {
    static const auto places = [] {
        std::array<int, kBetCount> out;
        out.fill(-1);
        int place = 0;
        for (BetId id : winnersOrder()) out[id] = place++;
        return out;
    }();
    return places;
}

}  // namespace

void InitBetTable(PlayState& s) {
    s.betSteps.fill(0);
}

int BetStep(const PlayState& s, std::string_view label) {
    const auto id = findLabel(label);
    return id ? s.betSteps[*id] : 0;
}

void ResetBetStep(PlayState& s, std::string_view label) {
    if (const auto id = findLabel(label)) s.betSteps[*id] = 0;
}

int ReturnFactor(std::string_view label) {
    return returnFactorOf(label);
}

long long SequenceValue(const PlayState& s, BetId id, int index) {
    const SequenceStep* step = s.wagering.of(bet(id).family).at(index);
    return step && step->kind == SequenceStep::Kind::Chips ? step->chips : 0;
}

long long SequenceValue(const PlayState& s, std::string_view label, int index) {
    const auto id = findLabel(label);
    return id ? SequenceValue(s, *id, index) : 0;
}

long long BetStake(const PlayState& s, BetId id) {
    return SequenceValue(s, id, s.betSteps[id] - 1);
}

long long BetStake(const PlayState& s, std::string_view label) {
    const auto id = findLabel(label);
    return id ? BetStake(s, *id) : 0;
}

long long BetWinAmount(const PlayState& s, BetId id) {
    return bet(id).returnFactor * BetStake(s, id) * s.UnitWager();
}

long long BetWinAmount(const PlayState& s, std::string_view label) {
    const auto id = findLabel(label);
    return id ? BetWinAmount(s, *id) : 0;
}

bool CheckValidLose(PlayState& s, int spin) {
    s.WinningBets.clear();
    if (spin < 1 || spin > 36) return true;
    const BetSet hit = s.CurrentBet.members() & betsCovering()[spin];
    if (hit.none()) return true;
    // A spin hits a few of the open bets: they are picked from the open list and put in the
    // winners order.
    const auto& place = winnersPlace();
    std::array<BetId, kBetCount> winners;
    std::size_t count = 0;
    BetSet left = hit;
    for (BetId id : s.CurrentBet) {
        if (!left.test(id) || place[id] < 0) continue;
        left.reset(id);
        winners[count++] = id;
    }
    std::ranges::sort(std::span(winners).first(count), {}, [&](BetId id) { return place[id]; });
    for (std::size_t i = 0; i < count; ++i) s.WinningBets.push_back(winners[i]);
    return false;
}

// nearbyint rounds in the default mode, to nearest with halves to even.
double roundHalfEven(double x) {
    return std::nearbyint(x);
}

long long classicStake(const PlayState& s, BetId id) {
    return classicPayout(id) == 0 ? 0 : s.Stake;
}

long long multiStake(const PlayState& s, BetId id) {
    return BetStake(s, id) * s.UnitWager();
}

long long stakesOpen(const PlayState& s) {
    if (!s.BetOpen || !s.playing()) return 0;
    const bool classic = s.style.style == PlayStyle::Classic;
    long long sum = 0;
    for (BetId id : s.CurrentBet) sum += classic ? classicStake(s, id) : multiStake(s, id);
    return sum;
}

void SettleBalance(PlayState& s) {
    s.Balance = roundHalfEven(s.Balance);
    for (BetId id : s.CurrentBet) {
        const int payout = classicPayout(id);
        if (payout == 0) continue;
        const long long stake = classicStake(s, id);
        s.settled.add(id, stake);
        if (s.WinningBets.contains(id)) {
            s.Balance += static_cast<double>(payout) * static_cast<double>(stake);
        } else {
            s.Balance -= static_cast<double>(stake);
        }
    }
}

void SettleMultiBalance(PlayState& s) {
    s.Balance = roundHalfEven(s.Balance);
    for (BetId w : s.WinningBets) {
        s.settled.add(w, multiStake(s, w));
        s.Balance += static_cast<double>(BetWinAmount(s, w));
        s.Balance -= static_cast<double>(multiStake(s, w));
        s.betSteps[w] = 0;
    }
    for (BetId b : s.CurrentBet) {
        if (!s.WinningBets.contains(b)) {
            const long long stake = multiStake(s, b);
            s.settled.add(b, stake);
            s.Balance -= static_cast<double>(stake);
        }
    }
}

}  // namespace brisvale
