// SPDX-License-Identifier: GPL-3.0-or-later
// Which bets open: the start thresholds, and every family's trigger against its rule over
// random sleeper tables, in Classic and in multi-bet play; the bet table, the valid-loss check
// and both settlements, over random open bets and spins.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "selection/bet_table.hpp"
#include "selection/thresholds.hpp"
#include "selection/triggers.hpp"
#include "support/ports.hpp"

namespace brisvale {
namespace {

// Answers the top of every range it is asked for, and keeps the ranges.
struct TopOfRange : Random {
    std::vector<std::pair<int, int>> asked;
    int uniform(int lo, int hi) override { return asked.emplace_back(lo, hi).second; }
};

// The entries' boxes and focus show in the panel's tests (focus=Text4 and the like).
TEST(DrawThresholds, ChecksTheEntriesThenTakesLowOrADraw) {
    std::mt19937 gen(5);
    for (int round = 0; round < 600; ++round) {
        const bool multi = gen() % 2 == 1;
        Thresholds thresholds;
        thresholds.fill(99);
        ThresholdEntries entries;
        std::array<int, kFamilyCount> want{};
        std::vector<std::pair<int, int>> drawn;
        std::string message;
        for (int k = 0; k < kFamilyCount; ++k) {  // the Single pair often upside down
            const int low = static_cast<int>(gen() % 9) - 2;
            const int high =
                low + static_cast<int>(gen() % 4) - (k == 7 || gen() % 12 == 0 ? 3 : 0);
            const int randomBox = static_cast<int>(gen() % 3);  // 2 is grey: not random
            entries[k] = {static_cast<std::int16_t>(low), static_cast<std::int16_t>(high),
                          randomBox == 1};
            const bool draw = randomBox == 1 && low < high;
            if (draw) drawn.emplace_back(low, high);
            want[k] = draw ? high : low;
            if (low > high && message.empty() && k < (multi ? 8 : 7))
                message = "Low " + std::string(familyName(Family(k))) + " value is invalid";
        }
        const int spoilt = gen() % 6 == 0 ? static_cast<int>(gen() % 16) : -1;
        if (spoilt >= 0) {
            (spoilt % 2 ? entries[spoilt / 2].high : entries[spoilt / 2].low).reset();
            message = "Value must be numeric!";
        }
        if (!message.empty()) want.fill(99), drawn.clear();
        TopOfRange random;
        const auto problem = drawThresholds(entries, multi, random, thresholds);
        EXPECT_EQ(problem ? problem->message() : "", message);
        if (spoilt >= 0) {
            ASSERT_TRUE(problem);
            EXPECT_EQ(std::pair(static_cast<int>(problem->family), problem->high),
                      std::pair(spoilt / 2, spoilt % 2 == 1));
        }
        EXPECT_EQ(random.asked, drawn);
        EXPECT_TRUE(std::ranges::equal(thresholds, want));
    }
    SeededRandom one(1);  // the program's one generator: both ends of the range come up
    std::set<int> seen;
    for (int i = 0; i < 100; ++i) seen.insert(one.uniform(3, 5));
    EXPECT_EQ(seen, (std::set<int>{3, 4, 5}));
}

TEST(Settlement, OpenBetsAgainstRandomSpins) {
    const std::pair<double, double> halves[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {2.6, 3}};
    for (const auto& [x, rounded] : halves) EXPECT_EQ(roundHalfEven(x), rounded) << x;
    std::mt19937 gen(3);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(gen); };
    const char* elements[] = {"1", "3", "S", "x", "Q", "2147483647"};
    for (int round = 0; round < 500; ++round) {
        PlayState s;
        for (Sequence& seq : s.wagering.WagerSequence)
            for (int k = pick(0, 5); k > 0; --k) seq.push_back(elements[pick(0, 5)]);
        s.wager.UnitWager = pick(1, 100);
        s.Balance = pick(-50, 50) + pick(0, 3) / 4.0;
        s.Stake = pick(1, 9);
        for (auto& step : s.betSteps) step = static_cast<std::int16_t>(pick(0, 6));
        for (int k = pick(0, 6); k > 0; --k) {
            const auto id = BetId(pick(0, kBetCount - 1));
            if (!s.CurrentBet.contains(id)) s.CurrentBet.push_back(id);
        }
        const int spin = pick(-1, 37);
        // The stake of a bet at step n is its family's n-th element in chips, 0 when unreadable.
        const auto stake = [&](BetId id) {
            const Sequence& seq = s.wagering.of(bet(id).family);
            const int step = s.betSteps[id];
            return step < 1 || step > int(seq.size()) ? 0 : elementValue(seq[step - 1]).value_or(0);
        };
        // The lookups by label; what is no label ("red", "Split 4/1") has nothing, though the
        // return factor goes by the family word alone.
        for (int i = -2; i < kBetCount; ++i) {
            const auto id = BetId(std::max(i, 0));
            const bool none = i < 0;
            const std::string l = i == -2 ? "red" : none ? "Split 4/1" : std::string(label(id));
            const long long factor = none ? 0 : bet(id).returnFactor, chips = none ? 0 : stake(id);
            EXPECT_EQ(std::tuple(BetStep(s, l), BetStake(s, l), BetWinAmount(s, l), ReturnFactor(l),
                                 SequenceValue(s, l, none ? 0 : -1) + SequenceValue(s, l, 5)),
                      std::tuple(none ? 0 : s.betSteps[id], chips, factor * chips * s.UnitWager(),
                                 i == -1 ? 18 : factor, 0LL));
        }
        std::string winners;
        for (BetId id : winnersOrder())
            if (s.CurrentBet.contains(id) && bet(id).covers(spin)) winners += winnersEntry(id);
        EXPECT_EQ(CheckValidLose(s, spin), winners.empty());
        EXPECT_EQ(s.WinningBets.winnersText(), winners);

        // Classic settles each open bet at Stake with its net payout; a single has no word to
        // settle by. Multi-bet play: the winners, then the losers; every winner returns its
        // factor and starts again, every bet costs its own stake.
        PlayState classic = s, multi = s;
        double classicBalance = roundHalfEven(s.Balance), multiBalance = classicBalance;
        std::string classicSettled, losers;
        long long multiTotal = 0;
        for (BetId id : s.CurrentBet) {
            const bool won = s.WinningBets.contains(id);
            if (bet(id).family != Family::Single) {
                classicBalance += won ? bet(id).netPayout * s.Stake : -s.Stake;
                classicSettled += listEntry(id);
            }
            multiBalance += (won ? bet(id).netPayout : -1) * stake(id) * s.UnitWager();
            if (!won) losers += listEntry(id);
            multiTotal += stake(id) * s.UnitWager();
        }
        SettleBalance(classic);
        SettleMultiBalance(multi);
        EXPECT_EQ(std::tuple(classic.Balance, classic.settled.bets.listText(), multi.Balance,
                             multi.settled.bets.listText(), multi.settled.total()),
                  std::tuple(classicBalance, classicSettled, multiBalance,
                             s.WinningBets.listText() + losers, multiTotal));
        for (int i = 0; i < kBetCount; ++i)
            EXPECT_EQ(multi.betSteps[i], s.WinningBets.contains(BetId(i)) ? 0 : s.betSteps[i]);
        ResetBetStep(s, "Red");
        ResetBetStep(s, "red");
        EXPECT_EQ(s.betSteps[bet_ids::Red], 0);
        InitBetTable(s);
        EXPECT_EQ(std::ranges::count(s.betSteps, 0), kBetCount);
    }
}

// Each trigger's rule: the sleeper table each play reads, whether the family's bets at once
// limit it (an even-money pair has none: both may open), whether a list refuses bets sharing a
// printed number (else only the same bet), and whether multi-bet play skips the bets the last
// spin hit.
struct Rule {
    void (*trigger)(PlayState&);
    Family family;
    Table multi;   // Classic play reads the Even table for the even-money pairs
    bool counted;  // Multi and Super: within the family's bets at once
    bool byNumbers, spinExcludes;
};

using F = Family;
using T = Table;
// clang-format off
const Rule rules[] = {
    {TriggerRedBlack, F::Even, T::RedBlack, false, false, true}, {TriggerHighLow, F::Even, T::HighLow, false, false, true},
    {TriggerOddEven, F::Even, T::OddEven, false, false, true}, {TriggerDozen, F::Dozen, T::Dozen, true, false, true},
    {TriggerRow, F::Row, T::Row, true, false, true}, {TriggerLine, F::Line, T::Line, true, true, false},
    {TriggerCorner, F::Corner, T::Corner, true, true, true}, {TriggerTrio, F::Trio, T::Trio, true, true, false},
    {TriggerSplit, F::Split, T::Split, true, true, true}, {TriggerSingle, F::Single, T::Single, true, true, true}};
// clang-format on

// The bets a rule's trigger scans: each even-money trigger its own pair (Red/Black, 01 to 18/19
// to 36, Even/Odd).
std::span<const BetId> scanned(const Rule& rule) {
    const auto r = static_cast<std::size_t>(&rule - rules);
    return r < 3 ? triggerOrder(rule.family).subspan(2 * r, 2) : triggerOrder(rule.family);
}

bool due(const PlayState& s, BetId id, Table table) {
    const int least = s.threshold(bet(id).family);
    return std::ranges::all_of(numbersOf(id),
                               [&](int n) { return s.sleepers.at(table, n) >= least; });
}

// Taking bets off a list keeps the rest in order, with the numbers their labels print: the
// multi-bet overlap search reads them.
TEST(BetLists, RemovingBetsKeepsTheRestAndTheirPrintedNumbers) {
    std::mt19937 gen(9);
    for (int round = 0; round < 300; ++round) {
        BetList list;
        BetSet gone;
        std::vector<BetId> kept;
        for (int k = static_cast<int>(gen() % 12); k > 0; --k) {
            const auto id = static_cast<BetId>(gen() % kBetCount);
            if (list.contains(id)) continue;
            list.push_back(id);
            if (gen() % 3 == 0) {
                gone.set(id);
            } else {
                kept.push_back(id);
            }
        }
        list.removeAll(gone);
        NumberMask printed = 0;
        std::string text;
        for (BetId id : kept) {
            printed |= bet(id).printed;
            text += std::string(label(id)) + ",";
        }
        EXPECT_EQ(list.printed(), printed);
        EXPECT_EQ(list.listText(), text);
        EXPECT_EQ(list.plainText(), kept.empty() ? "" : std::string(label(kept[0])));
    }
}

// Classic: a bet opens as soon as its own numbers sleep, and not while one of them is awake,
// whatever few numbers sleep besides; a bet with zero among its numbers never does.
TEST(Triggers, ClassicOpensABetWhoseNumbersAloneSleep) {
    for (const Rule& rule : std::span(rules).first(9)) {  // all but the singles
        for (BetId id : scanned(rule)) {
            for (const int short_ : {0, 1}) {
                PlayState s;
                s.StartThreshold[static_cast<int>(rule.family)] = 7;
                const Table table = SleeperTables::triggerTable(id, false);
                for (std::uint8_t n : numbersOf(id)) {
                    if (n != 0) s.sleepers.set(table, n, 7);
                }
                const std::uint8_t first = numbersOf(id).back();
                if (short_) s.sleepers.set(table, first, 6);
                rule.trigger(s);
                const bool opens = !short_ && numbersOf(id).front() != 0;
                EXPECT_EQ(s.BetOpen, opens) << label(id) << " short " << short_;
                if (opens) {
                    EXPECT_EQ(s.CurrentBet.listText(), std::string(label(id)) + ",");
                }
            }
        }
    }
}

TEST(Triggers, FollowTheirRulesOverRandomTables) {
    std::mt19937 gen(11);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(gen); };
    for (int round = 0; round < 400; ++round) {
        for (const Rule& rule : rules) {
            const int r = static_cast<int>(&rule - rules);
            const std::span<const BetId> order = scanned(rule);
            PlayState s;
            s.MultiBetPlay = round % 2 == 1;
            const int awake = pick(0, 1) ? 50 : 97;  // per cent of the counters at the top
            for (int t = 0; t < kTableCount; ++t)
                for (int n = 0; n <= 36; ++n)
                    s.sleepers.set(Table(t), n,
                                   pick(1, 100) <= awake ? (pick(0, 20) ? 9 : 32767) : pick(0, 8));
            // Now and then a threshold at or beyond either end of the counters' range.
            const int extremes[] = {-32768, -1, 32767};
            s.StartThreshold[static_cast<int>(rule.family)] =
                static_cast<std::int16_t>(pick(0, 12) > 9 ? extremes[pick(0, 2)] : pick(0, 9));
            s.SpinNumber = pick(0, 36);
            s.wager.UnitWager = pick(1, 5);
            const int first = pick(0, 2);  // no sequence, or one starting unreadable or with 2
            s.wagering.WagerSequence[int(rule.family)] =
                first ? Sequence{first == 1 ? "x" : "2", "Q"} : Sequence{};
            s.BetOpen = pick(0, 1);
            if (pick(0, 1)) s.CurrentBet.push_back(BetId(pick(0, kBetCount - 1)));
            s.advice = Advice::betOn(bet_ids::Red, 12345);  // what an earlier pass advised
            for (int k = pick(0, 2); k > 0; --k)
                s.list(rule.family).push_back(order[pick(0, order.size() - 1)]);
            if (rule.counted) s.style.betsAtOnce[static_cast<int>(rule.family)] = pick(0, 6);
            PlayState want = s;
            const long long amount = (first == 2 ? 2 : 0) * s.UnitWager();  // the first stake
            if (!s.MultiBetPlay && rule.family != F::Single) {
                // Classic: the last due bet of the scan is the one shown.
                const auto last = std::ranges::find_if(order.rbegin(), order.rend(), [&](BetId id) {
                    return due(s, id, rule.family == F::Even ? T::Even : rule.multi);
                });
                if (last != order.rend()) {
                    want.CurrentBet.assignSingle(*last);
                    want.BetOpen = true;
                    want.advice = Advice::betOn(*last, amount);
                }
            } else if (s.MultiBetPlay) {
                // Multi-bet play: each due bet in turn joins its family's list unless the list is
                // full, the bet shares a number printed on it (or is on it), or the spin hit it.
                BetList& list = want.list(rule.family);
                const int room = rule.counted ? s.style.atOnce(rule.family) : kBetCount;
                for (BetId id : rule.family == F::Split ? multiSplitOrder() : order) {
                    const bool refused = rule.byNumbers ? (bet(id).numbers & list.printed()) != 0
                                                        : list.contains(id);
                    if (list.size() < room && due(s, id, rule.multi) && !refused &&
                        !(rule.spinExcludes && bet(id).covers(s.SpinNumber)))
                        list.push_back(id);
                }
                want.BetOpen = s.BetOpen || !list.empty();
            }
            rule.trigger(s);
            const auto seen = [&](const PlayState& p) {
                return std::tuple(p.list(rule.family).listText(), p.CurrentBet.listText(),
                                  p.BetOpen, p.advice.text());
            };
            EXPECT_EQ(seen(s), seen(want)) << "rule " << r << " multi " << s.MultiBetPlay;
        }
    }
}

}  // namespace
}  // namespace brisvale
