// SPDX-License-Identifier: GPL-3.0-or-later
// Multi and Super play: several bets open at once, each on its own step of its sequence.

#include <emmintrin.h>

#include "advisor/advisor.hpp"
#include "board/chips.hpp"
#include "selection/bet_table.hpp"
#include "selection/passes.hpp"
#include "selection/triggers.hpp"
#include "util/numbers.hpp"

namespace brisvale {
namespace {

// The order in which the family lists make up CurrentBet.
constexpr Family kJoinOrder[] = {Family::Split, Family::Corner, Family::Trio, Family::Line,
                                 Family::Dozen, Family::Row,    Family::Even, Family::Single};

// The bets whose step count is not zero: every spin of multi-bet play asks it once, so sixteen
// counts are tested at a time.
BetSet betsWithSteps(const std::array<std::int16_t, kBetCount>& steps) {
    std::array<std::uint64_t, 3> words{};
    int id = 0;
    const __m128i zero = _mm_setzero_si128();
    for (; id + 16 <= kBetCount; id += 16) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&steps[id]));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&steps[id + 8]));
        const __m128i isZero =
            _mm_packs_epi16(_mm_cmpeq_epi16(low, zero), _mm_cmpeq_epi16(high, zero));
        const auto set = static_cast<std::uint64_t>(~_mm_movemask_epi8(isZero) & 0xFFFF);
        words[static_cast<std::size_t>(id >> 6)] |= set << (id & 63);
    }
    for (; id < kBetCount; ++id) {
        words[static_cast<std::size_t>(id >> 6)] |= std::uint64_t{steps[id] != 0} << (id & 63);
    }
    return (BetSet(words[2]) << 128) | (BetSet(words[1]) << 64) | BetSet(words[0]);
}

}  // namespace

bool MultiEngine::ValidateMultiSettings() {
    int sum = 0;
    for (int n : s_.style.betsAtOnce) sum += n > 0 ? n : 0;
    if (sum == 0) {
        ports_.dialogs.message("You need to increase your Multi settings (Advanced Settings).",
                               s_.AppTitle);
        return false;
    }
    return true;
}

void MultiEngine::MultiSpin() {
    d_.wagering.syncUnitWager();
    if (!s_.playing()) {
        d_.run.openRun(true);
        return;
    }
    if (!d_.run.takeSpin()) return;
    s_.sleepers.AdvanceCounters(s_.SpinNumber);
    d_.casinos.RecordCasinoSpin();
    if (!s_.BetOpen) {
        multiNoBet();
    } else if (CheckValidLose(s_, s_.SpinNumber)) {
        multiLoss();
    } else {
        multiWin();
    }
}

// Chips shown always say how to bet them, in Super as in Multi.
void MultiEngine::multiCaption() {
    // One stake for all only when every chip shown carries it.
    s_.advice = d_.laid_.count > 0 && d_.laid_.same ? Advice::onAllChips(d_.laid_.stake)
                                                    : Advice::of(Advice::Kind::OnEachChip);
    d_.view.showAdvice();
}

void MultiEngine::multiNoBet() {
    s_.CurrentBet.clear();
    for (BetList& list : s_.lists) list.clear();
    d_.view.listSpin();
    countUp(s_.TotalSpins);
    countUp(s_.TableSpins);
    d_.view.writeRunCaption();
    multiPasses();
    if (s_.BetOpen) {
        multiCaption();
    } else {
        s_.advice = Advice::spinOnly();
        d_.view.showAdvice();
    }
    multiEnding();
}

void MultiEngine::multiLoss() {
    for (BetId id : s_.CurrentBet) {
        s_.wager.NetChips -=
            ChipsForResult(s_.wagering, bet(id).family, s_.betSteps[id] - 1, false);
    }
    s_.sleepers.ResetNumberCounters(s_.SpinNumber);
    d_.view.listSpin();
    countUp(s_.TotalSpins);
    countUp(s_.TableSpins);
    SettleMultiBalance(s_);
    d_.view.showBalance();
    s_.QuitPending = false;
    multiPasses();
    if (s_.BetOpen) {
        multiCaption();
    } else {
        d_.wagering.changeWager({lowerWager});
    }
    if (s_.QuitPending) {
        // No bet is advised beside "Quit NOW".
        d_.run.adviseQuit();
        d_.board.hideChips();
    }
    d_.view.showBalance();
    multiEnding();
}

void MultiEngine::multiWin() {
    d_.view.listSpin();
    for (BetId w : s_.WinningBets) {
        s_.wager.NetChips += ChipsForResult(s_.wagering, bet(w).family, s_.betSteps[w] - 1, true);
    }
    countUp(s_.Wins, s_.WinningBets.size());
    for (BetId id : s_.CurrentBet) {
        if (s_.WinningBets.contains(id)) continue;
        s_.wager.NetChips -=
            ChipsForResult(s_.wagering, bet(id).family, s_.betSteps[id] - 1, false);
    }
    SettleMultiBalance(s_);
    s_.sleepers.ResetNumberCounters(s_.SpinNumber);
    d_.run.EndBet();
    d_.view.showBalance();
    s_.BetOpen = false;
    multiPasses();
    // A quit mark met in this pass is not announced: the spin was a win.
    if (s_.BetOpen) {
        multiCaption();
    } else if (s_.wagering.AutoIncrease == 1) {
        d_.wagering.changeWager({raiseMulti, lowerWager});
    }
    multiEnding();
}

void MultiEngine::multiEnding() {
    d_.run.CommonEnding();
    s_.acceptsPress = false;
    d_.view.showPressAccepted();
}

// ProgMultiBet (Super) and ContMultiBet (Multi): choose the bets of the next spin and lay
// their chips.
const MultiBetRules& MultiEngine::rules() const {
    return s_.style.style == PlayStyle::Super ? kSuperRules : kMultiRules;
}

void MultiEngine::multiPasses() {
    if (rules().keepsBets) {
        ProgMultiBet();
    } else {
        ContMultiBet();
    }
}

void MultiEngine::ProgMultiBet() {
    s_.advice = Advice::spinOnly();
    d_.view.showAdvice();
    const BetList former = s_.CurrentBet;
    s_.CurrentBet.clear();
    for (BetList& list : s_.lists) list.removeAll(s_.WinningBets.members());
    s_.BetOpen = false;

    for (const FamilyPass& pass : familyPasses()) runPass(s_, pass, s_.TableSpins);
    layMultiChips(former);
}

void MultiEngine::ContMultiBet() {
    s_.advice = Advice::spinOnly();
    d_.view.showAdvice();
    const BetList former = s_.CurrentBet;
    s_.CurrentBet.clear();
    // Every spin the Multi bets are chosen anew; a bet chosen again keeps its step count.
    for (Family f : kJoinOrder) {
        if (f != Family::Single) s_.list(f).clear();
    }
    s_.BetOpen = false;

    const auto& passes = familyPasses();
    for (int i = 0; i < kEvenPasses; ++i) runPass(s_, passes[i], s_.TableSpins);
    // Singles are not bet in Multi play.
    for (int i = kEvenPasses; i < kPassCount - 1; ++i) {
        const FamilyPass& pass = passes[i];
        if (!s_.style.watches(pass.pass)) continue;
        if (s_.TableSpins < s_.threshold(pass.family)) continue;
        // Fill the family up to its count box, lowering its threshold one spin at a time;
        // the trigger is asked at least once.
        std::int16_t& threshold = s_.StartThreshold[static_cast<int>(pass.family)];
        do {
            pass.trigger(s_);
            if (threshold > -kCountMax - 1) --threshold;  // stays put rather than wrap round
        } while (s_.list(pass.family).size() < s_.style.atOnce(pass.family) && threshold >= 0);
    }
    layMultiChips(former);
}

void MultiEngine::layMultiChips(const BetList& former) {
    const MultiBetRules& rules = this->rules();
    if (!s_.BetOpen) {
        s_.advice = Advice::spinOnly();
        d_.view.noBetsLaid();
        return;
    }
    s_.Stake = stakeOf(1, s_.UnitWager());
    s_.StepIndex = 1;
    for (Family family : kJoinOrder) {
        if (!rules.betsSingles && family == Family::Single) continue;
        for (BetId id : s_.list(family)) s_.CurrentBet.push_back(id);
    }
    d_.board.hideChips();
    d_.nonzeroSteps_ = betsWithSteps(s_.betSteps);

    // Chip i belongs to the i-th bet as the bets stand now, whatever is dropped on the way.
    const BetList laid = s_.CurrentBet;
    bool carriedOn = false;
    d_.laid_ = {};
    for (int i = 0; i < laid.size() && i < board::kChipCount; ++i) {
        const BetId id = laid[i];
        const int code = StepBet(id);
        if (code != kStepStake) {
            // Plain and empty: the chip of a bet that stops here.
            d_.board.greyChip(i);
            d_.board.emptyChip(i);
            if (rules.marksPerBet && code == kStepStop) s_.betSteps[id] = 0;
            if (rules.marksPerBet && code == kStepQuit) s_.QuitPending = true;
            ReleaseBet(id);
            s_.CurrentBet.remove(id);
            s_.sleepers.ZeroCountsMod(id, s_.SpinNumber);
            if (s_.CurrentBet.empty()) s_.BetOpen = false;
            continue;
        }
        d_.laid_.same = d_.laid_.count == 0 || (d_.laid_.same && d_.laid_.stake == s_.Stake);
        d_.laid_.stake = s_.Stake;
        ++d_.laid_.count;
        carriedOn = carriedOn || former.contains(id);
        d_.board.layMultiChip(i, id, rules);
    }
    if (s_.BetOpen) {
        s_.advice = Advice::of(Advice::Kind::Silent);
        d_.view.paint(s_.BetColor);
        d_.view.showAdvice();
    }
    // Super: once the wins per table are reached, no new progression starts.
    if (rules.marksPerBet && !carriedOn && s_.Wins >= s_.style.winsPerTable) {
        s_.BetOpen = false;
    }
    // A pass that leaves nothing open looks like one that opened nothing.
    if (!s_.BetOpen) {
        s_.advice = Advice::spinOnly();
        d_.view.noBetsLaid();
    }
}

int MultiEngine::StepBet(BetId id) {
    const int step = s_.betSteps[id];
    s_.betSteps[id] = static_cast<std::int16_t>(step < kCountMax ? step + 1 : step);
    // Bets no longer open lose their progression.
    BetSet stale = d_.nonzeroSteps_ & ~s_.CurrentBet.members();
    stale.reset(id);
    // Mostly nothing is stale: the word test spares the walk over every bet.
    if (stale.any()) {
        for (int b = 0; b < kBetCount; ++b) {
            if (stale.test(b)) s_.betSteps[b] = 0;
        }
    }
    d_.nonzeroSteps_ &= ~stale;
    d_.nonzeroSteps_.set(id);
    return NextStake(s_.wagering, bet(id).family, step, s_.style.conservative, s_.UnitWager(),
                     s_.Stake);
}

void MultiEngine::ReleaseBet(BetId id) {
    const Bet& b = bet(id);
    BetList& list = s_.list(b.family);
    if (!list.contains(id)) return;
    const bool always = b.family != Family::Split && b.family != Family::Single;
    if (always || b.covers(s_.SpinNumber)) s_.sleepers.clearBet(id);
    list.remove(id);
}

}  // namespace brisvale
