// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics view through the Advisor: slept per family against hand-worked counters in
// Classic and Super play, the numbers' hits and last sightings, the run's balance series.

#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

class Stats : public AdvisorFixture {
  protected:
    // Checks "Red=1,Black=0" against how long the view says those bets have slept.
    void expectSlept(const std::string& want, std::string_view where = "") const {
        std::istringstream in{want};
        std::string out;
        for (std::string item; std::getline(in, item, ',');) {
            const std::string l = item.substr(0, item.find('='));
            const BetStatistics b = advisor->statistics().bets[findLabel(l).value()];
            out += (out.empty() ? "" : ",") + l + "=" + std::to_string(b.slept);
        }
        EXPECT_EQ(out, want) << where;
    }
    // "n:table,history,last" for each number named; "-" for never seen.
    std::string numbers(std::initializer_list<int> ns) const {
        std::string out;
        for (int n : ns) {
            const NumberStatistics s = advisor->statistics().numbers[n];
            out += std::to_string(n) + ":" + std::to_string(s.table) + "," +
                   std::to_string(s.history) + "," + (s.last ? std::to_string(*s.last) : "-") + " ";
        }
        return out;
    }
};

// Spins 5, 17, 0, 30, 17 leave 17 at 0, 30 at 1, 5 at 3 and every other number at 4 (a zero
// is no counted spin), in every table of both plays. Red/Black watched at a threshold no spin
// here reaches, so no bet ever opens.
TEST_F(Stats, SleptIsTheLeastCounterOverTheBetsNumbers) {
    const std::string want =
        "Red=1,Black=0,Odd=0,Even=1,01 to 18=0,19 to 36=1,1st 12=3,2nd 12=0,3rd 12=1,Row 1=4,Row "
        "2=0,Row 3=1,Line 06/03=3,Line 12/09=4,Line 33/30=1,Corner 05/02/06/03=3,Corner "
        "10/07/11/08=4,Trio 16/17/18=0,Trio 07/08/09=4,Split 05/02=3,Split 30/27=1,Single "
        "05=3,Single 36=4,Single 30=1";
    for (const char* style : {"Text18=1000", "style:3 cboDozen=1"}) {
        play(std::string(style) + " :: " + style +
             " chk7_1=1 even:50 Button1 5 17 0 30 17 => open=0");
        expectSlept(want, style);
        const Statistics stats = advisor->statistics();
        EXPECT_EQ(stats.bets[bet_ids::Red].threshold, 50);
        EXPECT_TRUE(stats.bets[bet_ids::Black].watched && !stats.bets[bet_ids::Odd].watched);
    }
}

// Where the plays part: a Classic bet freezes every table but the dozens' while it is open,
// and a Super bet dropped at its stop mark starts its own table again.
TEST_F(Stats, ClassicAndMultiBetPlayReadTheirOwnTables) {
    // Classic, dozens due at 2: 3rd 12 opens after 5 and 17, then loses on 1.
    play("Classic :: Text18=1000 chk6=1 dozen:2 Button1 5 17 1 => open=1");
    expectSlept("3rd 12=3,Single 36=2,Corner 35/32/36/33=2");  // only the dozens counted the 1
    EXPECT_TRUE(advisor->statistics().bets[bet_ids::ThirdDozen].open);
    // Super, the same spins: every table counts every spin.
    play("Super :: style:3 chk6=1 cboDozen=1 dozen:2 Button1 5 17 1 => bet=3rd 12,");
    expectSlept("3rd 12=3,Single 36=3");
    // Red on "1,S" stops after one loss on black 4: Super clears its own table, Classic's
    // shared one keeps counting.
    for (const char* style : {"Text18=1000", "style:3 cboDozen=1"}) {
        play(std::string(style) + " :: " + style +
             " seq:1=1,S chk7_1=1 even:1 Button1 17 4 => open=0");
        expectSlept(style[0] == 'T' ? "Red=1" : "Red=0", style);
    }
}

TEST_F(Stats, HitsAndLastSightingThisRunAndInTheCasinosRecord) {
    writeBytes(historyFile(), "index: 1\r\nname1: Alpha,7,0,7,12,\r\n");
    restart();
    act("Casino=Alpha Text18=1000 chk7_1=1 even:50 Button1 12 0 33");
    // The record now reads 7 0 7 12 12 0 33.
    EXPECT_EQ(numbers({7, 0, 12, 33, 1}), "7:0,2,4 0:1,2,1 12:1,2,2 33:1,1,0 1:0,0,- ");
    EXPECT_EQ(advisor->statistics().hottest, (std::array{0, 12, 7, 33, 1}));
    EXPECT_EQ(advisor->statistics().coldest, (std::array{1, 2, 3, 4, 5}));
    // No casino: only the run's own spins.
    act("Casino=Select~Casino");
    EXPECT_EQ(numbers({7, 0, 12, 33}), "7:0,0,- 0:1,0,1 12:1,0,2 33:1,0,0 ");
    EXPECT_EQ(advisor->statistics().hottest, (std::array{33, 0, 12, 1, 2}));
}

// Classic on Black (threshold 0): a win, two losses to a stop mark, a refused press, and a
// loss to a quit mark; undo takes the last press back out of the series, and the next Start
// begins a new series and new hit counts.
TEST_F(Stats, BalanceAfterStartAndEachPress) {
    const auto balance = [this] {
        const auto b = advisor->statistics().balance;
        return std::vector<double>(b.begin(), b.end());
    };
    act("Check8=0 Text18=1000 seq:1=1,2,S chk7_1=1 even:0 Button1 2 4 6 1 3 Button1 seq:1=1,Q 8 9");
    expect("label=Quit NOW");
    EXPECT_FALSE(advisor->statistics().bets[bet_ids::Black].open);  // the run is over
    EXPECT_EQ(advisor->statistics().numbers[9].table, 1);
    EXPECT_EQ(balance(), (std::vector<double>{1000, 1000, 1001, 1001, 1000, 998, 998, 997}));
    ASSERT_TRUE(a().userUndo().ok);
    EXPECT_EQ(balance(), (std::vector<double>{1000, 1000, 1001, 1001, 1000, 998, 998}));
    ASSERT_TRUE(a().userRedo().ok);
    act("wait Button1");
    EXPECT_EQ(balance(), std::vector<double>{997});
    EXPECT_EQ(advisor->statistics().numbers[9].table, 0);
}

// The counts kept beside a record stay those of its spins through pushes, undone spins and
// damaged entries; a copy shares the spins, and what the original does afterwards never shows
// in it.
TEST(SpinHistoryCounts, MatchTheSpinsAfterEveryChange) {
    SpinHistory h(std::vector<int>{3, -1, 3, 0});
    std::vector<int> spins(h.spins().begin(), h.spins().end());
    std::optional<std::pair<SpinHistory, std::vector<int>>> kept;
    unsigned seed = 3;
    for (int step = 0; step < 400; ++step) {
        if (step == 200) kept.emplace(h, spins);
        seed = seed * 1103515245u + 12345u;
        const bool pop = (seed >> 8) % 3 == 0 && !spins.empty();
        const int spin = static_cast<int>((seed >> 16) % 38) - 1;  // -1: damaged
        pop ? (h.pop_back(), spins.pop_back()) : (h.push_back(spin), spins.push_back(spin));
        for (int n = 0; n <= 36; ++n) {
            const auto at = std::find(spins.rbegin(), spins.rend(), n);
            std::optional<std::size_t> since;
            if (at != spins.rend()) since = at - spins.rbegin();
            ASSERT_EQ(h.hits(n), std::count(spins.begin(), spins.end(), n)) << n;
            ASSERT_EQ(h.since(n), since) << n;
        }
    }
    EXPECT_EQ(std::vector<int>(kept->first.begin(), kept->first.end()), kept->second);
}

}  // namespace
}  // namespace brisvale::testing
