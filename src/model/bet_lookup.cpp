// SPDX-License-Identifier: GPL-3.0-or-later
// Finding bets by their label text, and the text rules that give a label's family and payout.

#include <algorithm>

#include "model/bets.hpp"
#include "model/catalogue.hpp"

namespace brisvale {
namespace {

using catalogue::kBets;
namespace ids = bet_ids;

constexpr bool labelLess(BetId x, BetId y) {
    return kBets[x].label() < kBets[y].label();
}

// Ids sorted by label, for binary search.
constexpr std::array<BetId, kBetCount> kSorted = [] {
    std::array<BetId, kBetCount> out{};
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = static_cast<BetId>(i);
    std::sort(out.begin(), out.end(), labelLess);
    return out;
}();

// betsInText relies on this: at any position of a text at most one label can start, and it is
// the greatest label not above the rest of the text. In sorted order a label that is a prefix
// of another is a prefix of its successor, so neighbours suffice (and keep the check cheap
// enough for every compiler's constant-evaluation limit).
constexpr bool noLabelIsPrefixOfAnother() {
    for (std::size_t i = 0; i + 1 < kSorted.size(); ++i) {
        if (kBets[kSorted[i + 1]].label().starts_with(kBets[kSorted[i]].label())) return false;
    }
    return true;
}
static_assert(noLabelIsPrefixOfAnother());

// Characters a label can start with; other positions of a text are skipped at once.
constexpr std::array<bool, 256> kLabelStart = [] {
    std::array<bool, 256> out{};
    for (const Bet& b : kBets) out[static_cast<unsigned char>(b.text[0])] = true;
    return out;
}();

constexpr std::size_t kShortestLabel = [] {
    std::size_t n = 20;
    for (const Bet& b : kBets) n = std::min<std::size_t>(n, b.length);
    return n;
}();

// The only label that can start `rest`, if any does.
std::optional<BetId> labelStarting(std::string_view rest) {
    const auto* it = std::upper_bound(kSorted.begin(), kSorted.end(), rest,
                                      [](std::string_view s, BetId id) { return s < label(id); });
    if (it == kSorted.begin()) return std::nullopt;
    const BetId id = *(it - 1);
    if (rest.starts_with(label(id))) return id;
    return std::nullopt;
}

bool contains(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

// The family for a text that is not itself a label, by the family words in the order given.
std::optional<Family> byWord(std::string_view text, std::initializer_list<Family> order) {
    for (Family f : order) {
        if (contains(text, familyName(f))) return f;
    }
    return std::nullopt;
}

}  // namespace

std::optional<BetId> findLabel(std::string_view text) {
    const auto* it = std::lower_bound(kSorted.begin(), kSorted.end(), text,
                                      [](BetId id, std::string_view s) { return label(id) < s; });
    if (it != kSorted.end() && label(*it) == text) return *it;
    return std::nullopt;
}

std::optional<Family> familyOf(std::string_view text) {
    // No label holds another family's word, so a whole label is its own family.
    if (const auto id = findLabel(text)) return bet(*id).family;
    return byWord(text, {Family::Row, Family::Line, Family::Corner, Family::Trio, Family::Split,
                         Family::Single});
}

int returnFactorOf(std::string_view text) {
    const auto family = familyOf(text);
    if (!family) return 0;
    return catalogue::netPayoutOf(*family) + 1;
}

std::optional<Family> sequenceFamilyOf(std::string_view text) {
    if (const auto id = findLabel(text)) return bet(*id).family;
    // The exact labels (even-money, dozens, rows) cannot match a non-label; only words remain.
    return byWord(text,
                  {Family::Single, Family::Split, Family::Trio, Family::Corner, Family::Line});
}

BetSet betsInText(std::string_view text) {
    BetSet found;
    if (text.size() < kShortestLabel) return found;
    const std::size_t last = text.size() - kShortestLabel;
    for (std::size_t i = 0; i <= last; ++i) {
        if (!kLabelStart[static_cast<unsigned char>(text[i])]) continue;
        if (const auto id = labelStarting(text.substr(i))) found.set(*id);
    }
    return found;
}

std::string_view familyName(Family family) {
    switch (family) {
        case Family::Even:
            return "Even";
        case Family::Dozen:
            return "Dozen";
        case Family::Row:
            return "Row";
        case Family::Line:
            return "Line";
        case Family::Corner:
            return "Corner";
        case Family::Trio:
            return "Trio";
        case Family::Split:
            return "Split";
        case Family::Single:
            return "Single";
    }
    return {};
}

}  // namespace brisvale
