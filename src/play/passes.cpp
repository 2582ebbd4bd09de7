// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/passes.hpp"

#include "selection/triggers.hpp"

namespace brisvale {

std::array<FamilyPass, kPassCount> familyPasses(const Form& f) {
    return {{{f.chk7_[1].value == 1, Family::Even, TriggerRedBlack, DozenBox},
             {f.chk7_[2].value == 1, Family::Even, TriggerOddEven, DozenBox},
             {f.chk7_[3].value == 1, Family::Even, TriggerHighLow, DozenBox},
             {f.chk[1].value == 1, Family::Row, TriggerRow, RowBox},
             {f.chk[6].value == 1, Family::Dozen, TriggerDozen, DozenBox},
             {f.chk[2].value == 1, Family::Line, TriggerLine, LineBox},
             {f.chk[3].value == 1, Family::Corner, TriggerCorner, CornerBox},
             {f.chk[4].value == 1, Family::Trio, TriggerTrio, TrioBox},
             {f.chk[5].value == 1, Family::Split, TriggerSplit, SplitBox},
             {f.Chk8.value == 1, Family::Single, TriggerSingle, SingleBox}}};
}

bool runPass(PlayState& s, const FamilyPass& pass, int spins) {
    if (!pass.watched) return false;
    if (spins < s.threshold(pass.family)) {
        s.form.Label1.caption = "Spin Only";
        return false;
    }
    pass.trigger(s);
    return true;
}

}  // namespace brisvale
