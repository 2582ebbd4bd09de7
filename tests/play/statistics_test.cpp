// The statistics view through the Advisor: slept per family against hand-worked counters in
// Classic and Super play, the numbers' hits and last sightings, the run's balance series.

#include "play/multi_harness.hpp"

namespace brisvale::testing {
namespace {

class Stats : public Harness {
  protected:
    int slept(std::string_view bet) const {
        return advisor->statistics().bets[findLabel(bet).value()].slept;
    }
    // Red/Black watched at a threshold no spin here reaches, so no bet ever opens.
    void quietRun(int style) {
        if (style == 1) {
            set("Text18", "1000");
        } else {
            multiStyle(style);
            set("cboDozen", "1");
        }
        set("chk7_1", "1");
        threshold(kEvenBoxes, 50);
        pressButton();
    }
};

// Spins 5, 17, 0, 30, 17 leave 17 at 0, 30 at 1, 5 at 3 and every other number at 4 (a zero
// is no counted spin), in every table of both plays.
TEST_F(Stats, SleptIsTheLeastCounterOverTheBetsNumbers) {
    const std::pair<const char*, int> expected[] = {{"Red", 1},
                                                    {"Black", 0},
                                                    {"Odd", 0},
                                                    {"Even", 1},
                                                    {"01 to 18", 0},
                                                    {"19 to 36", 1},
                                                    {"1st 12", 3},
                                                    {"2nd 12", 0},
                                                    {"3rd 12", 1},
                                                    {"Row 1", 4},
                                                    {"Row 2", 0},
                                                    {"Row 3", 1},
                                                    {"Line 06/03", 3},
                                                    {"Line 12/09", 4},
                                                    {"Line 33/30", 1},
                                                    {"Corner 05/02/06/03", 3},
                                                    {"Corner 10/07/11/08", 4},
                                                    {"Trio 16/17/18", 0},
                                                    {"Trio 07/08/09", 4},
                                                    {"Split 05/02", 3},
                                                    {"Split 30/27", 1},
                                                    {"Single 05", 3},
                                                    {"Single 36", 4},
                                                    {"Single 30", 1}};
    for (int style : {1, 3}) {
        restart();
        quietRun(style);
        spins({5, 17, 0, 30, 17});
        ASSERT_FALSE(state().BetOpen);
        for (const auto& [bet, value] : expected) {
            EXPECT_EQ(slept(bet), value) << bet << " in style " << style;
        }
        const Statistics stats = advisor->statistics();
        EXPECT_EQ(stats.bets[findLabel("Red").value()].threshold, 50);
        EXPECT_TRUE(stats.bets[findLabel("Black").value()].watched);
        EXPECT_FALSE(stats.bets[findLabel("Odd").value()].watched);
    }
}

// Where the plays part: a Classic bet freezes every table but the dozens' while it is open,
// and a Super bet dropped at its stop mark starts its own table again.
TEST_F(Stats, ClassicAndMultiBetPlayReadTheirOwnTables) {
    // Classic, dozens due at 2: 3rd 12 opens after 5 and 17, then loses on 1.
    set("Text18", "1000");
    set("chk6", "1");
    threshold(kDozenBoxes, 2);
    pressButton();
    spins({5, 17, 1});
    ASSERT_TRUE(state().BetOpen);
    EXPECT_EQ(slept("3rd 12"), 3);     // the dozen table counted the losing spin
    EXPECT_EQ(slept("Single 36"), 2);  // the others did not
    EXPECT_EQ(slept("Corner 35/32/36/33"), 2);
    EXPECT_TRUE(advisor->statistics().bets[bet_ids::ThirdDozen].open);

    // Super, the same spins: every table counts every spin.
    restart();
    multiStyle(3);
    set("chk6", "1");
    set("cboDozen", "1");
    threshold(kDozenBoxes, 2);
    pressButton();
    spins({5, 17, 1});
    ASSERT_EQ(currentBet(), "3rd 12,");
    EXPECT_EQ(slept("3rd 12"), 3);
    EXPECT_EQ(slept("Single 36"), 3);

    // Red on "1,S" stops after one loss on black 4: Super clears its own table, Classic's
    // shared one keeps counting.
    for (int style : {1, 3}) {
        restart();
        if (style == 3) {
            multiStyle(3);
            set("cboDozen", "1");
        } else {
            set("Text18", "1000");
        }
        sequence(1, "1,S");
        set("chk7_1", "1");
        threshold(kEvenBoxes, 1);
        pressButton();
        spins({17, 4});
        ASSERT_FALSE(state().BetOpen);
        EXPECT_EQ(slept("Red"), style == 1 ? 1 : 0) << "style " << style;
    }
}

TEST_F(Stats, HitsAndLastSightingThisRunAndInTheCasinosRecord) {
    writeFile(historyFile(), "index: 1\r\nname1: Alpha,7,0,7,12,\r\n");
    restart();
    set("Casino", "Alpha");
    quietRun(1);
    spins({12, 0, 33});
    // The record now reads 7 0 7 12 12 0 33.
    struct Row {
        int number, table, history;
        std::optional<int> last;
    };
    const auto check = [&](std::initializer_list<Row> rows, std::array<int, 5> hottest,
                           std::array<int, 5> coldest) {
        const Statistics stats = advisor->statistics();
        for (const Row& r : rows) {
            const NumberStatistics& n = stats.numbers[r.number];
            EXPECT_EQ(n.table, r.table) << r.number;
            EXPECT_EQ(n.history, r.history) << r.number;
            EXPECT_EQ(n.last, r.last) << r.number;
        }
        EXPECT_EQ(stats.hottest, hottest);
        EXPECT_EQ(stats.coldest, coldest);
    };
    check({{7, 0, 2, 4}, {0, 1, 2, 1}, {12, 1, 2, 2}, {33, 1, 1, 0}, {1, 0, 0, std::nullopt}},
          {0, 12, 7, 33, 1}, {1, 2, 3, 4, 5});

    // No casino: only the run's own spins.
    set("Casino", "Select Casino");
    check({{7, 0, 0, std::nullopt}, {0, 1, 0, 1}, {12, 1, 0, 2}, {33, 1, 0, 0}}, {33, 0, 12, 1, 2},
          {1, 2, 3, 4, 5});
}

// Classic on Black (threshold 0): a win, two losses to a stop mark, a refused press, and a
// loss to a quit mark; the next Start begins a new series and new hit counts.
TEST_F(Stats, BalanceAfterStartAndEachPress) {
    set("Check8", "0");
    set("Text18", "1000");
    sequence(1, "1,2,S");
    set("chk7_1", "1");
    threshold(kEvenBoxes, 0);
    pressButton();
    spins({2, 4, 6, 1, 3});
    pressButton();  // no number selected
    sequence(1, "1,Q");
    spins({8, 9});
    ASSERT_EQ(form().Label1.caption, "Quit NOW");
    EXPECT_FALSE(advisor->statistics().bets[bet_ids::Black].open);  // the run is over
    EXPECT_EQ(advisor->statistics().numbers[9].table, 1);
    const auto balance = advisor->statistics().balance;
    EXPECT_EQ(std::vector<double>(balance.begin(), balance.end()),
              (std::vector<double>{1000, 1000, 1001, 1001, 1000, 998, 998, 997}));
    waitButton();
    pressButton();
    EXPECT_EQ(state().RunBalances, Series<double>{997});
    EXPECT_EQ(advisor->statistics().numbers[9].table, 0);
}

// The counts kept beside a record stay those of its spins through pushes, undone spins and
// damaged entries.
TEST(SpinHistoryCounts, MatchTheSpinsAfterEveryChange) {
    SpinHistory h(std::vector<int>{3, -1, 3, 0});
    std::vector<int> spins(h.spins().begin(), h.spins().end());
    // A copy shares the spins; what the original does afterwards never shows in it.
    std::optional<std::pair<SpinHistory, std::vector<int>>> kept;
    unsigned seed = 3;
    for (int step = 0; step < 400; ++step) {
        if (step == 200) kept.emplace(h, spins);
        seed = seed * 1103515245u + 12345u;
        if ((seed >> 8) % 3 == 0 && !spins.empty()) {
            h.pop_back();
            spins.pop_back();
        } else {
            const int spin = static_cast<int>((seed >> 16) % 38) - 1;  // -1: damaged
            h.push_back(spin);
            spins.push_back(spin);
        }
        for (int n = 0; n <= 36; ++n) {
            const auto at = std::find(spins.rbegin(), spins.rend(), n);
            ASSERT_EQ(h.hits(n), std::count(spins.begin(), spins.end(), n)) << n;
            ASSERT_EQ(h.since(n), at == spins.rend()
                                      ? std::nullopt
                                      : std::optional<std::size_t>(at - spins.rbegin()))
                << n;
        }
    }
    EXPECT_EQ(std::vector<int>(kept->first.begin(), kept->first.end()), kept->second);
}

}  // namespace
}  // namespace brisvale::testing
