// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the player is told of without looking: a bet due at a watched table, a new stake, the
// advice to quit. The core queues them; the front ends take them and ring, notify or print.

#include <cstdint>
#include <string>
#include <string_view>

namespace brisvale {

struct Alert {
    enum class Kind : std::uint8_t { Due, Stake, Quit, Limit };
    Kind kind = Kind::Due;
    std::string table;  // the watched table's name; empty for the run
    std::string text;   // as the notification says it

    static std::string_view kindName(Kind kind) {
        switch (kind) {
            case Kind::Due:
                return "due";
            case Kind::Stake:
                return "stake";
            case Kind::Quit:
                return "quit";
            case Kind::Limit:
                break;
        }
        return "limit";
    }
};

// Why a text cannot be a casino's name, or empty when it can.
std::string casinoNameProblem(std::string_view name);

}  // namespace brisvale
