// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run state as JSON, for the run file that keeps a run across sessions, under the names of
// the game ("balance", "startButton", "thresholds": {"dozen": ...}). Every struct of the state
// has its pair of functions in state_json.cpp (the window's in form_json.cpp), each checked at
// compile time against the struct's number of members, so a member added later cannot be left
// out unnoticed. Files of the first version, under the window's control names, are brought into
// this shape by upgradeStateJsonV1 (state_json_v1.cpp).
//
// Reading checks every member (presence, type, range) and throws BadStateJson at the first
// fault; it fills a copy of the live state, so a fault never leaves a half-read state behind.
// What the session itself sets up (the list entries, the window's design sizes, the casino
// menu, the application title and colours) is not stored: reading keeps it from the copy.

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "run/state.hpp"
#include "view/form.hpp"

namespace brisvale {

using Json = nlohmann::json;

struct BadStateJson : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The run state, with the window that shows it under "window".
Json toJson(const PlayState& s, const Form& window);
// Reads what toJson wrote into `into` and `window`, which should hold the live state and
// window beforehand.
void fromJson(const Json& j, PlayState& into, Form& window);
// Brings a run state of the first version of the run file (kept under the window's control
// names) into the shape fromJson reads. Faults are left for fromJson to find.
void upgradeStateJsonV1(Json& state);

// The checked readers the run file's other members use too.
const Json& member(const Json& j, const char* key);
long long wholeMember(const Json& j, const char* key, long long lo, long long hi);
bool flagMember(const Json& j, const char* key);
// Text is stored as UTF-8; the state holds Windows-1252.
std::string textMember(const Json& j, const char* key);
Json textJson(std::string_view text);

}  // namespace brisvale
