// SPDX-License-Identifier: GPL-3.0-or-later
// A play style from the simulator's options and from a style file: what each option sets, the
// message a bad value gets, and a style file that gives back the style it was written from.

#include <gtest/gtest.h>

#include "sim/style_options.hpp"

namespace brisvale::sim {
namespace {

TEST(StyleOptions, BadValuesAreNamedWithWhatTheOptionTakes) {
    for (const auto& [option, value, message] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"watch", "red", "--watch takes family names separated by commas"},
             {"watch", "dozen,,row", "not \"\""},
             {"threshold", "dozen", "--threshold takes FAMILY=LOW[-HIGH]"},
             {"threshold", "dozen=x", "not \"dozen=x\""},
             {"threshold", "dozen=9-3", "LOW <= HIGH"},
             {"threshold", "dozen=40000", "from 0 to 32767"},
             {"threshold", "wheel=5", "\"wheel\" is none of red-black"},
             {"sequence", "dozen=1,2,x", "--sequence dozen: entry 3"},
             {"sequence", "row", "--sequence takes FAMILY=1,2,4,8,Q"},
             {"count", "red-black=1", "the even-money bets run one at a time"},
             {"count", "dozen=3", "--count dozen takes a whole number from 0 to 2"},
             {"count", "single=35", "from 0 to 34"},
             {"wins", "0", "--wins takes a whole number from 1 to 999"},
             {"minutes", "ten", "--minutes takes a whole number from 1 to 999, not \"ten\""},
             {"unit-wager", "101", "--unit-wager takes a whole number from 1 to 100"},
         }) {
        StoredStyle style;
        const auto why = applyStyleOption(style, option, value);
        ASSERT_TRUE(why) << option << " " << value;
        EXPECT_NE(why->find(message), std::string::npos) << *why;
    }
}

using Options = std::vector<std::pair<std::string, std::string>>;

// Applies the options in turn, each of them taken.
void apply(StoredStyle& style, const Options& options) {
    for (const auto& [option, value] : options)
        ASSERT_EQ(applyStyleOption(style, option, value), std::nullopt) << option;
}

TEST(StyleOptions, EachOptionSetsWhatThePanelWould) {
    StoredStyle style;
    apply(style, {{"watch", "red-black,high-low,dozen"},
                  {"threshold", "dozen=5"},
                  {"threshold", "odd-even=3-8"},
                  {"sequence", "dozen=1, 2,3,q"},
                  {"count", "single=12"},
                  {"wins", "7"},
                  {"minutes", "30"},
                  {"unit-wager", "5"}});
    const Settings& s = style.settings.values;
    EXPECT_EQ(style.settings.status, SettingsStatus::Loaded);
    EXPECT_EQ(std::vector<int>(s.values.begin() + EvenBets, s.values.begin() + Single + 1),
              (std::vector<int>{2, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(std::tuple(s[WinsPer], s[PlayTime], s[MinWage], s[CboSingle]),
              std::tuple(7, 30, 5, 12));
    for (const Preset p : {Preset::SingleAggressive, Preset::MultiConservative}) {
        EXPECT_EQ(
            std::tuple(s[presetCheckPos(p, 1)], s[presetLowPos(p, 1)], s[presetHighPos(p, 1)]),
            std::tuple(0, 5, 5));
        EXPECT_EQ(
            std::tuple(s[presetCheckPos(p, 0)], s[presetLowPos(p, 0)], s[presetHighPos(p, 0)]),
            std::tuple(1, 3, 8));
    }
    EXPECT_EQ(joinSequence(style.wagering.of(Family::Dozen)), "1,2,3,Q");
}

// Written as each play style, the file reads back that style, the sequences and the settings the
// options set; in multi-bet play, the Multi Conservative thresholds too.
TEST(StyleOptions, StyleFileGivesBackItsStyle) {
    StoredStyle style;
    style.wagering = defaultWagering();
    apply(style, {{"watch", "single,corner"},
                  {"threshold", "single=30-40"},
                  {"threshold", "corner=12"},
                  {"sequence", "corner=1,1,2,3,S,5,Q"},
                  {"count", "corner=4"},
                  {"wins", "2"}});
    style.settings.values[ConsDefault] = 1;
    const Settings& a = style.settings.values;
    for (PlayStyle each : {PlayStyle::Super, PlayStyle::Classic, PlayStyle::Multi}) {
        const std::string text = styleFileText(style, each);
        StoredStyle read;
        read.wagering = defaultWagering();
        std::optional<PlayStyle> back;
        ASSERT_EQ(applyStyleFile(read, back, text), std::nullopt) << text;
        EXPECT_EQ(back, each);
        EXPECT_EQ(read.wagering.WagerSequence, style.wagering.WagerSequence);
        const Settings& b = read.settings.values;
        for (int pos = EvenBets; pos <= CboSingle; ++pos) EXPECT_EQ(a[pos], b[pos]) << pos;
        if (each == PlayStyle::Classic) continue;  // a Classic file keeps the single-bet tables
        const Preset p = Preset::MultiConservative;
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(std::tuple(b[presetLowPos(p, k)], b[presetHighPos(p, k)]),
                      std::tuple(a[presetLowPos(p, k)], a[presetHighPos(p, k)]))
                << k;
        }
    }
}

TEST(StyleOptions, BadStyleFilesSayWhichMember) {
    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"not json", "is not a JSON object"},
             {"[1]", "is not a JSON object"},
             {R"({"wach": ["dozen"]})", "unknown member \"wach\""},
             {R"({"watch": "dozen"})", "\"watch\" is a list of family names"},
             {R"({"wins": "3"})", "\"wins\" is a whole number"},
             {R"({"unit_wager": 0})", "\"unit_wager\": --unit-wager takes a whole number"},
             {R"({"count": {"dozen": 9}})", "\"count\": --count dozen takes"},
             {R"({"play_style": "fast"})", "\"play_style\" is classic, multi or super"}}) {
        StoredStyle style;
        std::optional<PlayStyle> playStyle;
        const auto why = applyStyleFile(style, playStyle, text);
        ASSERT_TRUE(why) << text;
        EXPECT_NE(why->find(message), std::string::npos) << *why;
    }
}

// The option that mends each of Start's refusals, none for another text.
TEST(StyleOptions, MendingOptions) {
    const std::pair<const char*, const char*> rows[] = {
        {"Play Style is not properly set up", "--watch"},
        {"You need to enter your account balance.", "--bankroll"},
        {"You need to increase your Multi settings (Advanced Settings).", "--count"}};
    for (const auto& [problem, option] : rows)
        EXPECT_NE(mendingOption(problem).find(option), std::string::npos) << problem;
    EXPECT_EQ(mendingOption("something else"), "");
}

}  // namespace
}  // namespace brisvale::sim
