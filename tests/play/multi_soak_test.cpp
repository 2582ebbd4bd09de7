// Long multi-bet runs on a fixed stream of spins, checked after every press against what the
// user saw before it: each open bet has its chip, inside bets never share a number, and the
// balance moves by exactly what the chips staked and the layout pays.

#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

struct SoakRun {
    int style;       // 2 Multi, 3 Super
    int threshold;   // every family's
    int sixths;      // count boxes at this many sixths of their maximum
    bool stopEarly;  // even-money bets stop after two losses
    bool conservative;
    const char* increaseChips;
};

class MultiSoak : public AdvisorFixture, public ::testing::WithParamInterface<SoakRun> {
  protected:
    void setUpRun(const SoakRun& r) {
        if (r.stopEarly) sequence(1, "1,2,S");
        ASSERT_TRUE(a().userMenu("mnuProg", 0).ok);
        set("frmWagering.Combo1", r.increaseChips);
        pressButton("frmWagering.Command2");
        multiStyle(r.style);
        for (const char* box :
             {"chk7_1", "chk7_2", "chk7_3", "chk1", "chk2", "chk3", "chk4", "chk5", "chk6"}) {
            set(box, "1");
        }
        if (r.style == 3) set("Chk8", "1");
        if (r.conservative) set("Check8", "1");
        for (const FamilyBoxes& b : {kEvenBoxes, kDozenBoxes, kRowBoxes, kLineBoxes, kCornerBoxes,
                                     kTrioBoxes, kSplitBoxes, kSingleBoxes}) {
            threshold(b, r.threshold);
        }
        const char* lists[] = {"cboDozen", "cboRow",   "cboLine",  "cboCorner",
                               "cboTrio",  "cboSplit", "cboSingle"};
        const int maxima[] = {2, 2, 4, 6, 10, 16, 34};
        for (int k = 0; k < 7; ++k) set(lists[k], std::to_string(maxima[k] * r.sixths / 6));
        set("cboWins", "999");
        pressButton();
    }

    // The chips the user sees: bet and stake.
    std::vector<std::pair<BetId, long long>> chipsShown() const {
        std::vector<std::pair<BetId, long long>> out;
        for (const Chip& chip : form().chips) {
            if (chip.visible)
                out.emplace_back(static_cast<BetId>(chip.bet), std::stoll(chip.caption));
        }
        return out;
    }

    void checkOpenBets(int style) {
        const PlayState& s = state();
        if (!s.BetOpen) {
            EXPECT_TRUE(chipsShown().empty()) << form().Label1.caption;
            return;
        }
        if (form().Label1.caption == "Quit NOW") return;
        const auto chips = chipsShown();
        ASSERT_EQ(static_cast<int>(chips.size()), s.CurrentBet.size()) << currentBet();
        std::array<NumberMask, kFamilyCount> used{};
        for (int i = 0; i < s.CurrentBet.size(); ++i) {
            const BetId id = s.CurrentBet[i];
            EXPECT_EQ(chips[i].first, id);
            EXPECT_GE(s.betSteps[id], 1);
            const Bet& b = bet(id);
            if (style == 2) {
                EXPECT_NE(b.family, Family::Single);
            }
            if (b.family != Family::Even && b.family != Family::Dozen && b.family != Family::Row) {
                NumberMask& mask = used[static_cast<int>(b.family)];
                EXPECT_EQ(mask & b.numbers, 0u) << label(id) << " overlaps in " << currentBet();
                mask |= b.numbers;
            }
        }
    }
};

TEST_P(MultiSoak, ChipsAndBalanceStayTrue) {
    const SoakRun r = GetParam();
    setUpRun(r);
    unsigned seed = 11u + static_cast<unsigned>(r.threshold + 3 * r.sixths);
    int settled = 0;
    for (int i = 0; i < 300 && !HasFatalFailure(); ++i) {
        seed = seed * 1103515245u + 12345u;
        const int n = static_cast<int>((seed >> 16) % 37);
        waitButton();
        if (form().Button1.caption == "Start") {
            pressButton();
            continue;
        }
        const bool open = state().BetOpen;
        const auto chips = chipsShown();
        double want = state().Balance;
        for (const auto& [id, stake] : chips) {
            want += bet(id).covers(n) ? (returnFactorOf(label(id)) - 1) * stake : -stake;
        }
        click(n);
        pressButton();
        SCOPED_TRACE("spin " + std::to_string(i) + " of " + std::to_string(n));
        if (open) {
            EXPECT_EQ(state().Balance, want);
            ++settled;
        }
        checkOpenBets(r.style);
    }
    EXPECT_GT(settled, 100);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, MultiSoak,
    ::testing::Values(SoakRun{2, 0, 6, false, false, "200"}, SoakRun{2, 4, 3, true, true, "3"},
                      SoakRun{2, -2, 1, false, false, "10"}, SoakRun{3, 0, 6, false, false, "200"},
                      SoakRun{3, 4, 3, true, true, "3"}, SoakRun{3, 8, 2, false, false, "10"}));

}  // namespace
}  // namespace brisvale::testing
