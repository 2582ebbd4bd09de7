// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the run state's JSON files share: the checked readers of state_json.hpp and the count of
// an aggregate's members, against which each struct's pair of functions is checked.

#include <array>
#include <cstddef>
#include <limits>
#include <string>
#include <utility>

#include "run/state_json.hpp"

namespace brisvale::json {

// How many members an aggregate has: the most initialisers it takes.
struct AnyMember {
    template <class T>
    operator T() const;  // never called: only asked about
};

template <class T, std::size_t N>
constexpr bool takes() {
    return []<std::size_t... I>(std::index_sequence<I...>) {
        return requires {
            T{(static_cast<void>(I), AnyMember{})...};
        };
    }
    (std::make_index_sequence<N>{});
}

template <class T, std::size_t N = 0>
constexpr std::size_t memberCount() {
    if constexpr (takes<T, N + 1>()) {
        return memberCount<T, N + 1>();
    } else {
        return N;
    }
}

// A struct that gains a member fails here until its two functions below store it (or say why

[[noreturn]] void bad(const std::string& what);
long long wholeValue(const Json& v, long long lo, long long hi, const char* what);
// A list of `size` items (any number when 0).
const Json& arrayMember(const Json& j, const char* key, std::size_t size);

inline constexpr long long kInt16Min = -32768, kInt16Max = 32767;
inline constexpr long long kIntMin = std::numeric_limits<int>::min();
inline constexpr long long kIntMax = std::numeric_limits<int>::max();

// The families by name, in the order of the boxes that hold them: the wagering dialog's
// sequences (Text1..Text8), the threshold boxes (lowBox, highBox, randomBox) and, from the dozen
// on, the how-many lists of Multi play.
inline constexpr std::array<const char*, 8> kFamilyKeys = {"even",   "dozen", "row",   "line",
                                                           "corner", "trio",  "split", "single"};
// The phases of a run by name, in the order of RunPhase.
inline constexpr std::array<const char*, 4> kPhaseNames = {"idle", "playing", "quit",
                                                           "switchTable"};
static_assert(static_cast<std::size_t>(RunPhase::SwitchTable) + 1 == kPhaseNames.size());

// The window's part of the run state (form_json.cpp).
Json toJson(const Form& f);
void fromJson(const Json& j, Form& f);

}  // namespace brisvale::json
