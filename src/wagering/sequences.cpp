// SPDX-License-Identifier: GPL-3.0-or-later
#include "wagering/sequences.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "util/numbers.hpp"
#include "util/text.hpp"

namespace brisvale {

namespace {

constexpr std::array<std::string_view, kFamilyCount> kKeys = {"even",   "dozen", "row",   "line",
                                                              "corner", "trio",  "split", "single"};

constexpr std::array<std::string_view, kFamilyCount> kDefaults = {
    "1,2,4,8,16,32,64,Q",
    "1,2,3,4,6,9,13,20,30,45,67,Q",
    "1,2,3,4,6,9,13,20,30,45,67,Q",
    "1,1,1,1,2,2,2,3,3,4,5,6,7,8,10,12,14,17,21,25,30,Q",
    "1,1,1,1,1,1,2,2,2,2,3,3,4,4,5,5,6,7,8,9,10,12,14,16,18,20,23,Q",
    "1,1,1,1,1,1,1,1,1,1,2,2,2,2,2,2,3,3,3,3,4,4,4,5,5,6,6,7,7,8,9,10,11,12,13,14,15,16,Q",
    "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,2,2,2,2,2,2,2,2,3,3,3,3,3,3,4,4,4,4,5,5,5,6,6,6,7,7,8,8,"
    "9,9,10,10,11,Q",
    "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,2,2,2,2,2,2,2,2,2,2,2,2,"
    "2,2,2,2,2,3,3,3,3,3,3,3,3,3,3,3,3,4,4,4,4,4,4,4,4,5,5,5,5,5,5,5,6,6,6,6,6,6,Q"};

// Net chips won per chip staked, by family.
constexpr std::array<long long, kFamilyCount> kPayout = {1, 2, 2, 5, 8, 11, 17, 35};

constexpr int index(Family family) {
    return static_cast<int>(family);
}

// A mark in either case; ParseStep capitalises before comparing.
bool isMark(std::string_view element, char mark) {
    return element.size() == 1 && (element[0] == mark || element[0] == mark - 'A' + 'a');
}

}  // namespace

std::string_view sequenceKey(Family family) {
    return kKeys[index(family)];
}

std::string_view defaultSequenceText(Family family) {
    return kDefaults[index(family)];
}

Sequence splitSequence(std::string_view text) {
    std::vector<std::string> out;
    // An empty text holds no elements at all (not one empty element).
    if (text.empty()) return out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) {
            out.emplace_back(text.substr(start));
            return out;
        }
        out.emplace_back(text.substr(start, comma - start));
        start = comma + 1;
    }
}

std::string joinSequence(const Sequence& sequence) {
    std::string out;
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        if (i != 0) out += ',';
        out += sequence[i];
    }
    return out;
}

std::int32_t stakeOf(long long chips, long long unitWager) {
    constexpr long long lo = std::numeric_limits<std::int32_t>::min();
    constexpr long long hi = std::numeric_limits<std::int32_t>::max();
    // Clamping each factor to 32 bits first cannot change a product that fits, and the clamped
    // product always fits in 64 bits.
    const long long product = std::clamp(chips, lo, hi) * std::clamp(unitWager, lo, hi);
    return static_cast<std::int32_t>(std::clamp(product, lo, hi));
}

int ParseStep(std::string_view element, long long unitWager, std::int32_t& stake) {
    if (isMark(element, 'Q')) return kStepQuit;
    if (isMark(element, 'S')) return kStepStop;
    const std::optional<long long> chips = elementValue(element);
    // An amount that cannot be read is never staked: the bet quits instead.
    if (!chips) return kStepQuit;
    stake = stakeOf(*chips, unitWager);
    return kStepStake;
}

int NextStake(const Wagering& wagering, Family family, int step, bool conservative,
              long long unitWager, std::int32_t& stake) {
    const Sequence& sequence = wagering.of(family);
    const SequenceStep* element = sequence.at(step);
    if (element == nullptr) return kStepQuit;
    if (!WithinConservativeLimit(sequence, step, conservative)) return kStepQuit;
    switch (element->kind) {
        case SequenceStep::Kind::Chips:
            stake = stakeOf(element->chips, unitWager);
            return kStepStake;
        case SequenceStep::Kind::Stop:
            return kStepStop;
        case SequenceStep::Kind::Quit:
        case SequenceStep::Kind::Unreadable:
            break;
    }
    // An amount that cannot be read is never staked: the bet quits instead.
    return kStepQuit;
}

long long ChipsForResult(const Wagering& wagering, Family family, int step, bool win) {
    const SequenceStep* element = wagering.of(family).at(step);
    if (element == nullptr || element->kind != SequenceStep::Kind::Chips) return 0;
    return win ? element->chips * kPayout[index(family)] : element->chips;
}

bool WithinConservativeLimit(const Sequence& sequence, int step, bool conservative) {
    return !conservative || sequence.withinHalf(step);
}

long long RoundDown(double x) {
    if (std::isnan(x)) return 0;
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    constexpr double limit = 9223372036854775808.0;
    if (x >= limit) return std::numeric_limits<long long>::max();
    if (x <= -limit) return std::numeric_limits<long long>::min();
    return static_cast<long long>(std::trunc(x));
}

bool isValidSequence(std::string_view text) {
    if (text.empty()) return false;
    const Sequence elements = splitSequence(text);
    bool hasEnd = false;
    bool bad = false;
    for (const std::string& element : elements) {
        if (elementValue(element)) continue;
        if (element == "S" || element == "Q")
            hasEnd = true;
        else
            bad = true;
    }
    // A sequence may not open with a mark, in either case.
    if (isMark(elements.front(), 'S') || isMark(elements.front(), 'Q')) hasEnd = false;
    return hasEnd && !bad;
}

TypedSequence readTypedSequence(std::string_view typed) {
    TypedSequence out;
    std::vector<std::string> elements = splitSequence(typed).elements();
    for (std::string& e : elements) {
        e = std::string(trimBlanks(e));
        if (e == "s" || e == "q") e[0] = static_cast<char>(e[0] - 'a' + 'A');
    }
    out.text = joinSequence(elements);
    if (elements.empty()) {
        out.problem = "it is empty";
        return out;
    }
    bool marked = false;
    for (std::size_t i = 0; i < elements.size() && out.problem.empty(); ++i) {
        const std::string& e = elements[i];
        const std::string entry = "entry " + std::to_string(i + 1);
        const std::string quoted = entry + " \"" + e + "\"";
        const bool mark = e == "S" || e == "Q";
        marked = marked || mark;
        if (e.empty()) {
            out.problem = entry + " is empty";
        } else if (mark && i == 0) {
            out.problem = quoted + " is a mark; a sequence starts with a stake";
        } else if (!mark && !elementValue(e)) {
            out.problem = quoted + " is not a whole number, S or Q";
        } else if (!mark && *elementValue(e) == 0) {
            out.problem = quoted + " stakes nothing";
        }
    }
    if (out.problem.empty() && !marked) out.problem = "it has no S or Q";
    return out;
}

}  // namespace brisvale
