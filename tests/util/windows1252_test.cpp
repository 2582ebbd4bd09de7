// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/windows1252.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace brisvale {
namespace {

TEST(Windows1252, EveryByteComesBackUnchanged) {
    std::string all;
    std::set<std::string> characters;
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        all += one;
        characters.insert(utf8FromWindows1252(one));
        EXPECT_EQ(windows1252FromUtf8(utf8FromWindows1252(one)), one) << b;
    }
    EXPECT_EQ(characters.size(), 256u);  // no two bytes read as the same character
    EXPECT_EQ(windows1252FromUtf8(utf8FromWindows1252(all)), all);
}

TEST(Windows1252, KnownCharacters) {
    // The bytes and their characters.
    const std::pair<std::string, std::string> cases[] = {
        {"Caf\xE9 \x80 5", "Caf\u00E9 \u20AC 5"},
        {"\x8A\x9F\xA0\xFF", "\u0160\u0178\u00A0\u00FF"},
        {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"},  // undefined in Windows-1252
    };
    for (const auto& [bytes, utf8] : cases) {
        EXPECT_EQ(utf8FromWindows1252(bytes), utf8);
        EXPECT_EQ(windows1252FromUtf8(utf8), bytes);
    }
}

TEST(Windows1252, WhatItCannotHold) {
    EXPECT_EQ(windows1252FromUtf8("A\u4E2D\U0001F600\u0100z"), "A???z");
    // Bytes that are no UTF-8 are taken as the Windows-1252 text they already are.
    EXPECT_EQ(windows1252FromUtf8("\xE9t\xE9 \xC0\x80 \xE2\x82"), "\xE9t\xE9 \xC0\x80 \xE2\x82");
    // Nor are the halves of a surrogate pair, the first and the last of them.
    EXPECT_EQ(windows1252FromUtf8("\xED\xA0\x80\xED\xBF\xBF"), "\xED\xA0\x80\xED\xBF\xBF");
    // The C1 controls have no byte of their own: 0x85 and 0x9E are an ellipsis and a letter.
    EXPECT_EQ(windows1252FromUtf8("\xC2\x85\xC2\x9E"), "??");
}

}  // namespace
}  // namespace brisvale
