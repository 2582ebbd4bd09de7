// SPDX-License-Identifier: GPL-3.0-or-later
// Watched tables through the Advisor: the due list and its alerts against a count of the
// spins made here, undo across tables and the run, the warm start against the history
// replay, the refusals, and the tables kept in the run file.

#include <random>

#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

// Every family watched, Super play (singles too), one bet of each at once.
constexpr const char* kAllFamilies =
    "style:super watch:red-black watch:odd-even watch:high-low watch:dozen watch:row watch:line "
    "watch:corner watch:trio watch:split watch:single count:dozen=1 count:row=1 count:line=1 "
    "count:corner=1 count:trio=1 count:split=1 count:single=1";

class Watching : public AdvisorFixture {
  protected:
    void watch(const std::string& name) { ASSERT_TRUE(a().userWatch(name).ok) << name; }
    // A spin entered at `table` ("" for the run, after the spin wait): target, click, Submit.
    void spinAt(const std::string& table, int n) {
        ASSERT_TRUE(table.empty() ? a().userTarget(std::nullopt).ok : a().userTarget(table).ok);
        act(table.empty() ? std::to_string(n) : "@" + std::to_string(n) + " Button1");
    }
    const WatchedTable& table(const std::string& name) {
        return a().watching().tables()[a().watching().tables().find(name).value()];
    }
    std::string lastOf(const std::string& name) {
        std::string out;
        for (int n : table(name).lastNumbers()) out += std::to_string(n) + " ";
        return out;
    }
};

// How long a bet has slept over `spins` (oldest first): the spins since one of its numbers came
// up, zeros not counted.
int sleptOver(BetId id, const std::vector<int>& spins, std::size_t upTo) {
    int slept = 0;
    for (std::size_t k = upTo; k-- > 0;) {
        if (bet(id).covers(spins[k])) break;
        if (spins[k] != 0) ++slept;
    }
    return slept;
}

// Random spins at one table of three: the due list, the ripest bet and every alert agree
// with a count made from the spins alone, and the other tables are left as they were.
TEST_F(Watching, DueListAndAlertsFollowTheSpinsEnteredThere) {
    std::mt19937 gen(2024);
    for (const char* style :
         {"style:classic watch:dozen watch:red-black dozen:4 even:3",
          "even:6 dozen:9 row:8 line:14 corner:17 trio:19 split:26 single:40"}) {
        SCOPED_TRACE(style);
        restart(dir.path / std::to_string(gen()));
        act(std::string(style[6] == 'c' ? "" : kAllFamilies) + " " + style);
        for (const char* name : {"Table A", "Table B", "Table C"}) watch(name);
        std::vector<int> spins;
        std::vector<std::string> got, want;
        const WatchStyle w = a().watching().style();
        for (int k = 0; k < 150; ++k) {
            spins.push_back(std::uniform_int_distribution<int>(0, 36)(gen));
            spinAt("Table B", spins.back());
            for (const Alert& al : a().takeAlerts()) {
                EXPECT_EQ(al.kind, Alert::Kind::Due);
                got.push_back(al.table + ": " + al.text);
            }
        }
        // Each alert names a bet whose count reached its threshold at exactly that spin; the
        // due list holds the bets at or past their thresholds, the longest past first.
        int best = std::numeric_limits<int>::min();
        std::vector<std::pair<int, int>> due;  // (-past, bet)
        for (int b = 0; b < kBetCount; ++b) {
            const auto id = static_cast<BetId>(b);
            if (!w.bets.test(b)) continue;
            const int t = w.thresholds[static_cast<int>(bet(id).family)];
            for (std::size_t k = 1; k <= spins.size(); ++k) {
                const int slept = sleptOver(id, spins, k);
                if (slept >= t && sleptOver(id, spins, k - 1) < t) {
                    want.push_back("Table B: " + std::string(label(id)) +
                                   " is due at Table B (slept " + std::to_string(slept) + " of " +
                                   std::to_string(t) + ")");
                }
            }
            const int past = sleptOver(id, spins, spins.size()) - t;
            best = std::max(best, past);
            if (past >= 0) due.emplace_back(-past, b);
        }
        std::ranges::sort(want);
        std::ranges::sort(got);
        EXPECT_EQ(got, want);
        ASSERT_FALSE(want.empty());  // the thresholds are met on these spins
        std::ranges::stable_sort(due, {}, [](auto& p) { return p.first; });
        const WatchedTables& watched = a().watching().tables();
        std::vector<std::pair<int, int>> listed;
        for (const SleepingBet& d : watched.due(1, w)) listed.emplace_back(-d.past(), d.bet);
        EXPECT_EQ(listed, due);
        EXPECT_EQ(watched.ripest(1, w)->past(), best);
        EXPECT_EQ(table("Table B").spins, 150);
        EXPECT_EQ(table("Table A").spins + table("Table C").spins, 0);
        EXPECT_EQ(watched.ripestTable(w), 1);
    }
}

// Spins at two tables and the run, interleaved, are undone newest first, each where it was
// entered (the history file too), and redone in their order.
TEST_F(Watching, UndoAndRedoGoAcrossTablesAndTheRun) {
    act("Text18=1000 chk6=1 dozen:30");
    for (const char* name : {"A", "B"}) watch(name);
    act("Button1");
    const std::pair<const char*, int> steps[] = {{"A", 5}, {"", 17}, {"B", 9}, {"A", 12},
                                                 {"", 3},  {"B", 0}, {"B", 36}};
    for (const auto& [at, n] : steps) spinAt(at, n);
    const auto seen = [&] {
        return lastOf("A") + "| " + lastOf("B") + "| " + std::to_string(state().TableSpins);
    };
    const std::string file = view("historyfile");
    EXPECT_EQ(seen(), "12 5 | 36 0 9 | 2");
    EXPECT_EQ(a().menus().edit.undo.caption, "Undo Spin 36 at B");
    const char* back[] = {"12 5 | 0 9 | 2", "12 5 | 9 | 2", "12 5 | 9 | 1", "5 | 9 | 1",
                          "5 | | 1",        "5 | | 0",      "| | 0"};
    for (const char* want : back) {
        ASSERT_TRUE(a().userUndo().ok);
        EXPECT_EQ(seen(), want);
    }
    EXPECT_EQ(view("historyfile").find("A,5"), std::string::npos);
    for (int i = 0; i < 7; ++i) ASSERT_TRUE(a().userRedo().ok) << i;
    EXPECT_EQ(seen(), "12 5 | 36 0 9 | 2");
    EXPECT_EQ(view("historyfile"), file);
    EXPECT_FALSE(a().userRedo().ok);
    // A new spin drops what could be redone.
    ASSERT_TRUE(a().userUndo().ok);
    spinAt("A", 1);
    EXPECT_FALSE(a().userRedo().ok);
}

// The same random spins, watched at a table and then played there, or recorded at that casino
// and then replayed, leave the run with the same sleeper tables and counts.
TEST_F(Watching, AWarmStartEqualsTheReplayOfTheSameSpins) {
    std::mt19937 gen(77);
    // Thresholds no run of these spins reaches: the replay opens no bet, as a watched table has
    // none.
    for (const std::string& style :
         {std::string("style:classic watch:dozen watch:red-black watch:line even:400 dozen:400 "
                      "line:400"),
          std::string(kAllFamilies) +
              " even:400 dozen:400 row:400 line:400 corner:400 trio:400 split:400 single:400"}) {
        SCOPED_TRACE(style.substr(0, 14));
        std::vector<int> spins(std::uniform_int_distribution<int>(1, 120)(gen));
        for (int& n : spins) n = std::uniform_int_distribution<int>(0, 36)(gen);

        restart(dir.path / ("watched" + std::to_string(gen())));
        act(style);
        watch("Table T");
        for (int n : spins) spinAt("Table T", n);
        ASSERT_TRUE(a().userTarget(std::nullopt).ok);
        ASSERT_TRUE(a().userPlayHere("Table T").ok);
        const PlayState warm = state();
        ASSERT_TRUE(warm.playing());
        EXPECT_EQ(a().watching().tables().size(), 0);
        EXPECT_EQ(view("casinos").substr(view("casinos").rfind(',') + 1), "Table T");

        restart(dir.path / ("replayed" + std::to_string(gen())));
        std::string line = "Table T,";
        for (int n : spins) line += std::to_string(n) + ",";
        SetProperty(1, "name1", line, historyFile());
        restart();
        act(style + " Casino=Table~T replay");
        const PlayState& replayed = state();
        ASSERT_EQ(replayed.RecordedSpins, static_cast<int>(spins.size()));
        ASSERT_FALSE(replayed.BetOpen);
        const auto counts = [](const PlayState& s) {
            std::vector<std::vector<int>> tables;
            for (int t = 0; t < kTableCount; ++t) {
                const auto table = s.sleepers[static_cast<Table>(t)];
                tables.emplace_back(table.begin(), table.end());
            }
            return std::tuple(tables, s.TableSpins, s.TotalSpins);
        };
        EXPECT_EQ(counts(warm), counts(replayed));
    }
}

// What cannot be done is refused with its reason, and changes nothing (the console's tests
// refuse a name with a comma, an unknown table and a table's spin without a number).
TEST_F(Watching, RefusalsSayWhy) {
    act("Text18=1000 chk6=1 dozen:0 answer:Home Casino=New...");
    for (const char* name : {"T1", "T2", "T3", "T4", "T5", "T6", "T7", "T8"}) watch(name);
    const auto refused = [](const ActionResult& r, const std::string& why) {
        EXPECT_EQ(std::pair(r.ok, r.error), std::pair(false, why));
    };
    refused(a().userWatch("T9"), "At most 8 tables can be watched.");
    refused(a().userWatch("T1"), "T1 is watched already.");
    refused(a().userWatch("Home"), "Home is the table the run plays at.");
    refused(a().userTarget("Home"), "Home is not watched.");
    refused(a().userPlayHere("T9"), "T9 is not watched.");
    EXPECT_EQ(a().watching().tables().size(), 8);
    // A bet open at the run keeps the player there.
    act("Button1 5");
    ASSERT_EQ(view("open"), "1");
    refused(a().userPlayHere("T3"), "A bet is open: settle it before going to T3.");
    EXPECT_EQ(form().casinoList.items[form().casinoList.index], "Home");
}

// The tables and the target go with the run file, and come back with the resumed run; the
// spins entered stay in the casinos' lines.
TEST_F(Watching, ATableIsKeptWithTheRun) {
    act("Text18=1000 chk6=1 dozen:30 Button1 4");
    for (const char* name : {"Left", "Right"}) watch(name);
    for (const auto& [at, n] : {std::pair("Left", 7), {"Left", 8}, {"Right", 9}}) spinAt(at, n);
    ASSERT_TRUE(a().userTarget("Right").ok);
    a().flushFiles();
    act("close answer:yes restart");
    ASSERT_EQ(view("total"), "1");
    ASSERT_EQ(a().watching().tables().size(), 2);
    EXPECT_EQ(lastOf("Left"), "8 7 ");
    EXPECT_EQ(table("Left").spins, 2);
    EXPECT_EQ(table("Right").spins, 1);
    EXPECT_EQ(a().watching().target(), 1);
    EXPECT_NE(view("historyfile").find("Left,7,8,"), std::string::npos);
}

// The target stays on its own table when another one stops being watched.
// A table watched during a run is a casino of the book, which no undo takes back: a casino
// created after it records into its own line, and is found again by its own name.
TEST_F(Watching, UndoLeavesTheCasinosAsTheFileHasThem) {
    act("answer:Alpha Casino=New... Text18=1000 chk6=1 dozen:30 Button1 5 17");
    watch("Beta");
    ASSERT_TRUE(a().userUndo().ok);
    expect("casinos=Select Casino,New...,Alpha,Beta; Casino=Alpha");
    act("answer:Gamma Casino=New... 7 Casino=Alpha Casino=Gamma");
    expect("history=     7/; historyfile=index: 1/name2: Beta,/name1: Alpha,5,/name3: Gamma,7,/");
}

TEST_F(Watching, TheTargetFollowsItsTableWhenAnotherIsUnwatched) {
    for (const char* name : {"A", "B", "C"}) watch(name);
    ASSERT_TRUE(a().userTarget("B").ok);
    ASSERT_TRUE(a().userUnwatch("C").ok);
    EXPECT_EQ(a().watching().target(), 1);
    ASSERT_TRUE(a().userUnwatch("A").ok);
    EXPECT_EQ(std::pair(a().watching().target(), a().watching().tables()[0].name),
              std::pair(std::optional<int>(0), std::string("B")));
    ASSERT_TRUE(a().userUnwatch("B").ok);
    EXPECT_EQ(a().watching().target(), std::nullopt);
}

// The list below the Advisor keeps its own bound, and counts every number of the wheel, zero
// too, and nothing else.
TEST(WatchedTableList, HoldsAtMostEightAndSkipsWhatIsNoNumber) {
    WatchedTables list;
    const int recorded[] = {5, 0, 37, -1, 17};
    for (int k = 0; k < kMostWatched; ++k)
        ASSERT_TRUE(list.add("T" + std::to_string(k), k + 1, "", recorded)) << k;
    EXPECT_FALSE(list.add("one more", 99, "", recorded));
    EXPECT_EQ(std::pair(list.size(), list.find("one more").has_value()), std::pair(8, false));
    const auto last = list[0].lastNumbers();
    EXPECT_EQ(std::vector<int>(last.begin(), last.end()), (std::vector<int>{17, 0, 5}));
}

}  // namespace
}  // namespace brisvale::testing
