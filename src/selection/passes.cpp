// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/passes.hpp"

#include "selection/triggers.hpp"

namespace brisvale {

const std::array<FamilyPass, kPassCount>& familyPasses() {
    static constexpr std::array<FamilyPass, kPassCount> passes = {{
        {Pass::RedBlack, Family::Even, TriggerRedBlack},
        {Pass::OddEven, Family::Even, TriggerOddEven},
        {Pass::HighLow, Family::Even, TriggerHighLow},
        {Pass::Row, Family::Row, TriggerRow},
        {Pass::Dozen, Family::Dozen, TriggerDozen},
        {Pass::Line, Family::Line, TriggerLine},
        {Pass::Corner, Family::Corner, TriggerCorner},
        {Pass::Trio, Family::Trio, TriggerTrio},
        {Pass::Split, Family::Split, TriggerSplit},
        {Pass::Single, Family::Single, TriggerSingle},
    }};
    return passes;
}

bool runPass(PlayState& s, const FamilyPass& pass, int spins) {
    if (!s.style.watches(pass.pass)) return false;
    if (spins < s.threshold(pass.family)) {
        s.advice = Advice::spinOnly();
        return false;
    }
    pass.trigger(s);
    return true;
}

BetSet watchedBets(const StyleSettings& style) {
    using namespace bet_ids;
    BetSet out;
    const BetId evenPairs[kEvenPasses][2] = {{Red, Black}, {Even, Odd}, {Low, High}};
    for (int p = 0; p < kEvenPasses; ++p) {
        for (BetId id : evenPairs[p]) out.set(id, style.watched[p]);
    }
    for (const FamilyPass& pass : familyPasses()) {
        if (pass.family == Family::Even || !style.watches(pass.pass)) continue;
        if (pass.family == Family::Single && style.style != PlayStyle::Super) continue;
        for (BetId id : triggerOrder(pass.family)) out.set(id);
    }
    return out;
}

}  // namespace brisvale
