// SPDX-License-Identifier: GPL-3.0-or-later
// The wagering file as found and the sequences it holds: loading, stakes, results, the
// conservative limit and the minimum-wager changes, and the editor's check of any text.

#include "common.hpp"
#include "wagering/sequences.hpp"

using namespace brisvale;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Sequence typed = splitSequence(text);
    FUZZ_CHECK(joinSequence(typed) == text);
    (void)isValidSequence(text);

    const auto file = fuzz::freshFolder() / "wagering.txt";
    fuzz::writeBytes(file, text);
    Wagering w;
    LoadWagering(w, file, nullptr);
    const long long unit = 1 + static_cast<long long>(size % 100);
    for (int f = 0; f < kFamilyCount; ++f) {
        const auto family = static_cast<Family>(f);
        const int steps = static_cast<int>(std::min<std::size_t>(w.of(family).size(), 40)) + 2;
        for (int step = -1; step < steps; ++step) {
            for (bool conservative : {false, true}) {
                std::int32_t stake = 0;
                const int code = NextStake(w, family, step, conservative, unit, stake);
                FUZZ_CHECK(code >= kStepStake && code <= kStepQuit);
                FUZZ_CHECK(code != kStepStake || stake >= 0);
                (void)WithinConservativeLimit(w.of(family), step, conservative);
                (void)ChipsForResult(w, family, step, conservative);  // as won, then as lost
            }
        }
    }
    MinimumWager wager;
    wager.NetChips = static_cast<long long>(size) * 997 - 50000;
    for (auto change : {raiseClassic, raiseMulti, lowerWager, raiseClassic}) {
        change(w, wager);
        FUZZ_CHECK(wager.UnitWager >= kLowestWager && wager.UnitWager <= kHighestWager);
    }
    return 0;
}
