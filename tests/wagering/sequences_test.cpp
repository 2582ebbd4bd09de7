// SPDX-License-Identifier: GPL-3.0-or-later
// Sequences and stakes: what an element stands for, the editor's rule, the conservative limit,
// the chips a result is worth, and the minimum wager as the engine raises and lowers it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "wagering/sequences.hpp"

namespace brisvale {
namespace {

constexpr long long kMax = std::numeric_limits<long long>::max();

Wagering with(Family family, std::string_view text) {
    Wagering w;
    w.WagerSequence[static_cast<int>(family)] = splitSequence(text);
    return w;
}

// Every element means one thing to the stake rules, the sums and the editor alike: a whole
// number staked at the unit (wide, then saturated), a mark, or a quit for anything unreadable.
TEST(Elements, OneReadingEverywhere) {
    const std::pair<const char*, long long> rows[] = {
        // -1: no whole number
        {"7", 7},   {"0", 0},    {"007", 7}, {"40000", 40000}, {"2147483647", 2147483647},
        {"", -1},   {" 2", -1},  {"2 ", -1}, {"2.5", -1},      {"-3", -1},
        {"+3", -1}, {"1e3", -1}, {"QQ", -1}, {"x", -1},        {"2147483648", -1},
        {"１", -1}, {"Q", -1},   {"q", -1},  {"S", -1},        {"s", -1}};
    for (const auto& [element, value] : rows) {
        const std::string e = element;
        EXPECT_EQ(elementValue(e).value_or(-1), value) << e;
        std::int32_t stake = -7;
        const int mark = e == "S" || e == "s" ? kStepStop : kStepQuit;
        EXPECT_EQ(ParseStep(e, 100, stake), value < 0 ? mark : kStepStake) << e;
        EXPECT_EQ(stake, value < 0 ? -7 : std::min<long long>(value * 100, 2147483647)) << e;
        // The editor takes upper-case marks anywhere but first, and exactly the readable numbers.
        EXPECT_EQ(isValidSequence("1," + e + ",Q"), value >= 0 || e == "S" || e == "Q") << e;
        EXPECT_EQ(isValidSequence(e + ",1,Q"), value >= 0) << e;  // never a mark first
        EXPECT_EQ(isValidSequence("1," + e), e == "S" || e == "Q") << e;
    }
    for (const char* text : {"", "1,,2,Q", "1,2,Q,", ",1,Q", "1,2,3", "1,2,q", "Q,1,2"})
        EXPECT_FALSE(isValidSequence(text)) << text;
    // clang-format off
    const std::tuple<long long, long long, std::int32_t> products[] = {{64, 100, 6400}, {46340, 46340, 2147395600},
        {46341, 46341, 2147483647}, {kMax, 2, 2147483647}, {-5, kMax, -2147483648}, {-kMax - 1, -kMax - 1, 2147483647}};
    // clang-format on
    for (const auto& [chips, unit, stake] : products) EXPECT_EQ(stakeOf(chips, unit), stake);
    // 2^63 itself is the first value that does not fit; the double just below it does.
    const double top = 9223372036854775808.0;
    for (const auto& [x, cut] : {std::pair(-2.7, -2LL),
                                 {1e300, kMax},
                                 {std::nan(""), 0LL},
                                 {top, kMax},
                                 {std::nextafter(top, 0.0), 9223372036854774784LL},
                                 {-top, -kMax - 1},
                                 {-std::nextafter(top, 0.0), -9223372036854774784LL},
                                 {-1e300, -kMax - 1}})
        EXPECT_EQ(RoundDown(x), cut) << x;
    // Splitting keeps every element as stored, the empty ones too.
    EXPECT_EQ(splitSequence(",1,,Q 7,"), (Sequence{"", "1", "", "Q 7", ""}));
    EXPECT_EQ(joinSequence(splitSequence(",1,,Q 7,")), ",1,,Q 7,");
    EXPECT_TRUE(splitSequence("").empty());
}

// The editor reads what is typed as meant (blanks around elements, lower-case marks), stores it
// normalised, and names the first entry it cannot take.
TEST(Elements, TheEditorReadsTypedSequencesAndNamesTheFirstBadEntry) {
    // clang-format off
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"1,2,Q", "1,2,Q", ""}, {" 1 , 2,\ts ", "1,2,S", ""}, {"1,q", "1,Q", ""}, {"007,S,3,Q", "007,S,3,Q", ""},
        {"", "", "it is empty"}, {"1,2,3", "1,2,3", "it has no S or Q"}, {"1, ,Q", "1,,Q", "entry 2 is empty"},
        {"1,2,Q,", "1,2,Q,", "entry 4 is empty"}, {"q,1,2", "Q,1,2", "entry 1 \"Q\" is a mark; a sequence starts with a stake"},
        {"1,0,Q", "1,0,Q", "entry 2 \"0\" stakes nothing"}, {"0,Q", "0,Q", "entry 1 \"0\" stakes nothing"},
        {"1,00,x,Q", "1,00,x,Q", "entry 2 \"00\" stakes nothing"},
        {"1,2 3,Q", "1,2 3,Q", "entry 2 \"2 3\" is not a whole number, S or Q"},
        {"1,-2,Q", "1,-2,Q", "entry 2 \"-2\" is not a whole number, S or Q"},
        {"1,x,0", "1,x,0", "entry 2 \"x\" is not a whole number, S or Q"},
        {"1,2147483648,Q", "1,2147483648,Q", "entry 2 \"2147483648\" is not a whole number, S or Q"}};
    // clang-format on
    for (const auto& [typed, text, problem] : rows) {
        const TypedSequence read = readTypedSequence(typed);
        EXPECT_EQ(std::pair(read.text, read.problem),
                  std::pair(std::string(text), std::string(problem)))
            << typed;
        // What it accepts, the strict rule accepts once normalised.
        EXPECT_TRUE(!read.problem.empty() || isValidSequence(read.text)) << typed;
    }
}

// Every default is a valid sequence; played at a unit of 5 it stakes each element in turn and
// quits after the last; with the limit it stops at the first step that would spend more than
// half the total.
TEST(Sequences, DefaultsPlayInFullOrUpToHalfTheTotalAndPayTheOdds) {
    EXPECT_EQ(defaultSequenceText(Family::Even), "1,2,4,8,16,32,64,Q");
    const char* keys[] = {"even", "dozen", "row", "line", "corner", "trio", "split", "single"};
    for (int f = 0; f < kFamilyCount; ++f) {
        const auto family = Family(f);
        EXPECT_EQ(sequenceKey(family), keys[f]);
        EXPECT_TRUE(isValidSequence(defaultSequenceText(family))) << keys[f];
        const Wagering w = with(family, defaultSequenceText(family));
        const Sequence& seq = w.of(family);
        std::int32_t stake = 0;
        long long total = 0, spent = 0;
        for (std::size_t i = 0; i + 1 < seq.size(); ++i) {
            ASSERT_EQ(NextStake(w, family, int(i), false, 5, stake), kStepStake);
            EXPECT_EQ(stake, 5 * *elementValue(seq[i]));
            total += *elementValue(seq[i]);
        }
        EXPECT_EQ(NextStake(w, family, int(seq.size()) - 1, false, 5, stake), kStepQuit);
        int step = 0;
        while (NextStake(w, family, step, true, 1, stake) == kStepStake)
            spent += *elementValue(seq[step++]);
        EXPECT_LE(2 * spent, total) << keys[f];
        EXPECT_GT(2 * (spent + *elementValue(seq[step])), total) << keys[f];
        // A win is worth the element times the family's net payout (36 over its numbers, less
        // the stake); a loss the element; a step without a whole number nothing.
        const Wagering odd = with(family, "1,7,S,x,Q");
        const long long payout = 36 / bet(triggerOrder(family)[0]).count - 1;
        EXPECT_EQ(ChipsForResult(odd, family, 1, true), 7 * payout);
        EXPECT_EQ(ChipsForResult(odd, family, 1, false), 7);
        for (int at : {2, 3, 4, 5, -1}) EXPECT_EQ(ChipsForResult(odd, family, at, true), 0);
    }
}

TEST(Sequences, ConservativeLimitAndTheStepsBeyond) {
    // The sequence, the step, whether it is under the limit, and what NextStake makes of it.
    // Total 3: spending stops at the x; x ends the total before the stop mark; a stop mark, in
    // either case and not only last, is never limited; the total stops at the quit mark; exactly
    // half; steps outside the sequence.
    // clang-format off
    const std::tuple<const char*, int, bool, int> rows[] = {
        {"1,2,x,100,Q", 0, true, kStepStake}, {"1,2,x,100,Q", 3, false, kStepQuit}, {"1,x,S", 0, false, kStepQuit},
        {"1,2,4,8,S", 3, true, kStepStake}, {"1,2,4,8,S", 4, true, kStepStop}, {"1,s,100,Q", 2, true, kStepStake},
        {"1,100,Q,S", 1, false, kStepQuit}, {"2,2,Q", 0, true, kStepStake}, {"3,3,q", 1, false, kStepQuit},
        {"1,2,Q", -1, true, kStepQuit}, {"1,2,Q", 9, false, kStepQuit}, {"", 0, true, kStepQuit}};
    // clang-format on
    for (const auto& [text, step, within, code] : rows) {
        SCOPED_TRACE(std::string(text) + " step " + std::to_string(step));
        const Wagering w = with(Family::Line, text);
        std::int32_t stake = 0;
        EXPECT_EQ(WithinConservativeLimit(w.of(Family::Line), step, true), within);
        EXPECT_EQ(NextStake(w, Family::Line, step, true, 3, stake), code);
        EXPECT_TRUE(WithinConservativeLimit(w.of(Family::Line), step, false));
    }
    // A step past the end reads as a quit mark, though the storage behind it may still hold the
    // element that was dropped.
    Wagering past = with(Family::Line, "1,2,Q,7");
    past.WagerSequence[static_cast<int>(Family::Line)].pop_back();
    std::int32_t stake = 0;
    EXPECT_EQ(NextStake(past, Family::Line, 3, false, 1, stake), kStepQuit);
    EXPECT_EQ(ChipsForResult(past, Family::Line, 3, false), 0);
}

// The limit as the sums are defined, element by element, against the one read once per
// sequence, over random sequences of numbers, marks and unreadable elements.
TEST(Sequences, ConservativeLimitAsDefinedOverRandomSequences) {
    const auto defined = [](const Sequence& seq, int step) {
        const auto chips = [&](std::size_t i) {
            return i < seq.size() ? elementValue(seq[i]) : std::nullopt;
        };
        long long spent = 0;
        for (int i = 0; i <= step && chips(i); ++i) spent += *chips(i);
        long long total = 0;
        for (std::size_t i = 0; i < seq.size(); ++i) {
            if (seq[i] == "S" || seq[i] == "s") return true;
            if (!chips(i)) break;
            total += *chips(i);
        }
        return total >= 2 * spent;
    };
    std::mt19937 gen(17);
    const char* elements[] = {"1", "2", "5", "40", "S", "s", "Q", "x", ""};
    for (int round = 0; round < 3000; ++round) {
        Sequence seq;
        for (int k = static_cast<int>(gen() % 8); k > 0; --k) seq.push_back(elements[gen() % 9]);
        const int step = static_cast<int>(gen() % 11) - 1;
        ASSERT_EQ(WithinConservativeLimit(seq, step, true), defined(seq, step))
            << joinSequence(seq) << " step " << step;
    }
}

// The minimum wager: one row per case.
using Change = void (*)(const Wagering&, MinimumWager&);

TEST(MinimumWager, RaisesAndLowerings) {
    // The change; AutoIncrease, IncreaseChips, IncreaseSteps; the unit less $1 (the list's
    // position), the start and NetChips before; the same after.
    using Row = std::tuple<Change, int, int, int, int, long long, long long, int, long long>;
    // clang-format off
    const Row rows[] = {
        // Classic: exactly enough, one short, one raise of three entries only, auto-increase
        // off or anything but 1, stops at $100, already there (the chips still pay), no chips,
        // steps down to $1.
        {raiseClassic, 1, 200, 1, 0, 1, 200, 1, 0}, {raiseClassic, 1, 200, 1, 0, 1, 199, 0, 199},
        {raiseClassic, 1, 200, 3, 4, 1, 650, 7, 450}, {raiseClassic, 0, 200, 1, 0, 1, 900, 0, 900},
        {raiseClassic, 2, 200, 1, 0, 1, 900, 0, 900}, {raiseClassic, 1, 200, 5, 97, 1, 200, 99, 0},
        {raiseClassic, 1, 200, 1, 99, 1, 300, 99, 100}, {raiseClassic, 1, 0, 1, 0, 1, 0, 0, 0},
        {raiseClassic, 1, -5, 1, 0, 1, 10, 0, 10}, {raiseClassic, 1, 200, -5, 2, 1, 200, 0, 0},
        // Multi: three raises at once, a flood of chips, many entries each.
        {raiseMulti, 1, 200, 1, 2, 1, 650, 5, 50}, {raiseMulti, 1, 200, 2, 0, 1, 400, 4, 0},
        {raiseMulti, 1, 200, 1, 2, 1, 199, 2, 199}, {raiseMulti, 0, 200, 1, 2, 1, 650, 2, 650},
        {raiseMulti, 1, 0, 1, 2, 1, 650, 2, 650}, {raiseMulti, 1, 1, 1, 0, 1, kMax, 99, 0},
        {raiseMulti, 1, 1, 32767, 0, 1, 1LL << 40, 99, 0},
        // Lowering: NetChips / IncreaseChips rounded half to even, from $10 (-0.75, -0.5, -1.5,
        // -1.25, -2.5, -0.4, -0.6), none at 0 chips, not below the start unless picked there by hand,
        // down to $1, down from $100.
        {lowerWager, 1, 200, 1, 9, 1, -150, 8, -150}, {lowerWager, 1, 200, 1, 9, 1, -100, 9, -100},
        {lowerWager, 1, 200, 1, 9, 1, -300, 7, -300}, {lowerWager, 1, 200, 1, 9, 1, -250, 8, -250},
        {lowerWager, 1, 200, 1, 9, 1, -500, 7, -500}, {lowerWager, 1, 200, 1, 9, 9, -600, 8, -600},
        {lowerWager, 1, 1, 1, 9, 4, -kMax - 1, 3, -kMax - 1}, {lowerWager, 1, 200, 1, 0, 1, -900, 0, -900},
        {lowerWager, 0, 200, 1, 9, 1, -900, 9, -900}, {lowerWager, 1, 0, 1, 9, 1, -900, 9, -900},
        {lowerWager, 1, 200, 1, 2, 5, -150, 2, -150}, {lowerWager, 1, 200, 1, 2, 1, -900, 0, -900},
        {lowerWager, 1, 200, 1, 99, 1, -200, 98, -200}, {lowerWager, 1, 5, 1, 9, 1, -2, 9, -2},
        {lowerWager, 1, 5, 1, 9, 1, -3, 8, -3}, {lowerWager, 1, 200, 1, 9, 1, 0, 9, 0},
        // A multi-bet raise that leaves no chips over is not undone by the lowering after it.
        {[](const Wagering& w, MinimumWager& m) { raiseMulti(w, m), lowerWager(w, m); },
         1, 200, 1, 2, 3, 200, 3, 0},
    };
    // clang-format on
    for (const auto& [change, autoIncrease, chips, steps, index, start, net, wantIndex, wantNet] :
         rows) {
        Wagering w;
        std::tie(w.AutoIncrease, w.IncreaseChips, w.IncreaseSteps) =
            std::tie(autoIncrease, chips, steps);
        MinimumWager m{index + 1, start, net};
        change(w, m);
        EXPECT_EQ(std::tuple(m.UnitWager, m.StartUnitWager, m.NetChips),
                  std::tuple(wantIndex + 1LL, start, wantNet))
            << index << " " << net;
    }
}

}  // namespace
}  // namespace brisvale
