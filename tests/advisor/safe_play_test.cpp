// SPDX-License-Identifier: GPL-3.0-or-later
// Safer play on a virtual clock: the limits the player sets (a tighter one at once, a looser
// one a day later), the advice to stop at each limit, and the reality check. The console's
// tests play the loss limit through undo and the stops at the balance.

#include <cstdlib>
#include <ctime>

#include "run/limits.hpp"
#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

constexpr std::int64_t kHour = 3'600'000;

class SafePlay : public AdvisorFixture {
  protected:
    // The fixture's script, and: limit:NAME=VALUE (set-limit), check:keep|stop|balance (the
    // reality check's buttons), later:SECONDS (the clock moves on), undo, redo, flush (the
    // files written after a front end's event).
    void step(std::string_view script) {
        std::istringstream in{std::string(script)};
        for (std::string t; in >> t && !HasFatalFailure();) {
            const auto colon = t.find(':');
            const std::string head = t.substr(0, colon);
            const std::string arg = colon == std::string::npos ? "" : t.substr(colon + 1);
            ActionResult r;
            if (head == "limit") {
                const auto eq = arg.find('=');
                r = a().userSetLimit(arg.substr(0, eq), arg.substr(eq + 1));
            } else if (head == "check") {
                using A = Advisor::CheckAnswer;
                r = a().userAnswerCheck(arg == "keep"   ? A::Keep
                                        : arg == "stop" ? A::Stop
                                                        : A::Balance);
            } else if (head == "later") {
                clock.now += std::stoll(arg) * 1000;
            } else if (t == "flush") {
                a().flushFiles();
            } else if (t == "undo" || t == "redo") {
                r = t == "undo" ? a().userUndo() : a().userRedo();
            } else {
                act(t);
                continue;
            }
            ASSERT_TRUE(r.ok) << t << ": " << r.error;
        }
    }
    // The figures behind the advice: "reached" (the limit's name, or -), "session"
    // (spins/staked/won/net), "check" (the reality check is open).
    std::string figures() const {
        const LimitsView limits = advisor->safety().limits();
        const SessionTally t = advisor->safety().session().tally;
        std::ostringstream out;
        out << (limits.reached ? limitKey(*limits.reached) : "-") << " " << t.spins << "/"
            << t.staked << "/" << t.won << "/" << t.net << " " << advisor->safety().checkOpen();
        return out.str();
    }
    struct Step {
        const char* script;
        const char* want;     // as expect() reads it
        const char* figures;  // as figures() shows them
    };
    void run(const char* name, std::initializer_list<Step> steps) {
        SCOPED_TRACE(name);
        advisor.reset();
        dialogs = FakeDialogs{};
        restart(dir.path / name);
        for (const Step& s : steps) {
            step(s.script);
            if (HasFatalFailure()) return;
            expect(s.want, s.script);
            EXPECT_EQ(figures(), s.figures) << s.script;
        }
    }
};

// Red/Black at a threshold of 0 with $1000, the spin wait at 1 s: Black is bet after red.
#define PLAY "style:1 watch:red-black threshold:even=0 start "

TEST_F(SafePlay, EachLimitStopsTheAdviceAtTheSpinThatReachesIt) {
    run("win goal per session",
        {{"limit:win-session=1 " PLAY "5 3", "label=Bet $2 on Black", "- 2/1/0/-1 0"},
         {"2", "label=Win goal reached: stop now; button=Start; balance=1001",
          "win-session 3/3/4/1 0"}});
    run("time per day: the spin under way settles",
        {{"limit:time-day=1 " PLAY "5", "label=Bet $1 on Black", "- 1/0/0/0 0"},
         {"later:60 2", "label=Time limit reached: stop now; balance=1001", "time-day 2/1/2/1 0"}});
    run("loss per day counts the day's earlier sessions",
        {{"limit:loss-day=4 " PLAY "5 3 1", "label=Bet $4 on Black; balance=997", "- 3/3/0/-3 0"},
         {"close restart " PLAY "5 3", "label=Loss limit reached: stop now; balance=999",
          "loss-day 2/1/0/-1 0"}});
    // Between runs a limit already passed stops nothing yet: the next Start is refused.
    run("a limit set between runs waits for the Start",
        {{PLAY "5 3 1 menu:mnuRestart", "label=Configure Play Style and Press Start",
          "- 3/3/0/-3 0"},
         {"limit:loss-session=2", "label=Configure Play Style and Press Start",
          "loss-session 3/3/0/-3 0"},
         {"start", "label=Loss limit reached: stop now; button=Start", "loss-session 3/3/0/-3 0"}});
    // A minute into play the day's figures are kept after the press, so a crash loses none.
    run("loss per day after a crash",
        {{"limit:loss-day=4 " PLAY "5 3 later:60 1", "label=Bet $4 on Black; balance=997",
          "- 3/3/0/-3 0"},
         {"flush restart " PLAY "5 3", "label=Loss limit reached: stop now; balance=999",
          "loss-day 2/1/0/-1 0"}});
}

TEST_F(SafePlay, ATighterLimitAppliesAtOnceALooserOneADayLater) {
    // "value pending", -1 for none, and how long a looser value still waits.
    const auto limit = [&](LimitName name) {
        const LimitEntry e = a().safety().limits().book.entry(name);
        std::ostringstream out;
        out << e.value.value_or(-1) << " " << e.pending.value_or(-1);
        if (e.waiting) out << " in " << e.appliesMs - clock.now;
        return out.str();
    };
    const std::string day = " in " + std::to_string(24 * kHour);
    step("limit:loss-session=100 limit:loss-session=50");
    EXPECT_EQ(limit(LimitName::LossSession), "50 -1");
    const std::int64_t raised = clock.now;
    step("limit:loss-session=200 limit:time-day=30 limit:time-day=none");
    EXPECT_EQ(limit(LimitName::LossSession), "50 200" + day);
    EXPECT_EQ(limit(LimitName::TimeDay), "30 -1" + day);
    // A restart within the day keeps the old limits and what waits.
    step("later:3600 close restart");
    EXPECT_EQ(limit(LimitName::LossSession), "50 200 in " + std::to_string(23 * kHour));
    clock.now = raised + 24 * kHour - 1;
    EXPECT_EQ(limit(LimitName::LossSession), "50 200 in 1");
    clock.now += 1;
    EXPECT_EQ(limit(LimitName::LossSession) + ", " + limit(LimitName::TimeDay), "200 -1, -1 -1");
    // A tighter value drops the looser one that waited.
    step("limit:loss-session=20");
    EXPECT_EQ(limit(LimitName::LossSession), "20 -1");
    // The reality check: shorter at once, off only a day later.
    step("limit:reality-check=15 limit:reality-check=0");
    EXPECT_EQ(limit(LimitName::RealityCheck), "15 -1" + day);
}

TEST_F(SafePlay, BadLimitsAreRefusedAndChangeNothing) {
    const std::tuple<const char*, const char*, const char*> bad[] = {
        {"loss-week", "10", "no limit named \"loss-week\""},
        {"loss-session", "ten", "loss-session takes a number or none, not \"ten\""},
        {"win-session", "-5", "win-session takes dollars above 0"},
        {"time-day", "1441", "time-day takes minutes above 0 and up to 1440"},
        {"reality-check", "45", "reality-check takes 0 (off), 15, 30, 60 or 120 minutes"}};
    for (const auto& [name, value, why] : bad) {
        const ActionResult r = a().userSetLimit(name, value);
        EXPECT_FALSE(r.ok) << name;
        EXPECT_TRUE(r.error.starts_with(why)) << r.error;
    }
    const LimitBook book = a().safety().limits().book;
    EXPECT_EQ(book.value(LimitName::RealityCheck).value_or(-1), 60.0);
    for (LimitName name : {LimitName::LossSession, LimitName::WinSession, LimitName::TimeDay})
        EXPECT_FALSE(book.value(name).has_value());
}

// A setting says what it did: nothing (the same value, or none again), at once (tighter), or
// later (looser, which waits a day).
TEST(LimitBook, ASettingSaysWhetherItChangedTheLimit) {
    using C = LimitBook::Change;
    LimitBook book;
    const std::pair<std::optional<double>, C> steps[] = {
        {std::nullopt, C::Unchanged}, {50.0, C::AtOnce}, {50.0, C::Unchanged}, {20.0, C::AtOnce},
        {80.0, C::Waiting},           {20.0, C::AtOnce}};
    for (const auto& [value, change] : steps) {
        EXPECT_EQ(book.set(LimitName::LossSession, value, 1000), change) << value.value_or(-1);
    }
}

TEST_F(SafePlay, TheLimitsFileRoundTripsAndADamagedOneFallsBackToDefaults) {
    LimitBook book;
    book.set(LimitName::LossDay, 40, 1000);
    book.set(LimitName::LossDay, 80, 2000);
    book.set(LimitName::RealityCheck, 0, 3000);
    const LimitBook back = LimitBook::fromLines(book.toLines());
    for (LimitName name : kLimitNames) {
        SCOPED_TRACE(limitKey(name));
        const auto fields = [](const LimitEntry& e) {
            return std::tuple(e.value, e.pending, e.waiting, e.appliesMs);
        };
        EXPECT_EQ(fields(back.entry(name)), fields(book.entry(name)));
    }
    const LimitBook damaged = LimitBook::fromLines(
        {"loss-day=-3", "reality-check=45", "win-session=abc", "time-day.pending=90", "x=1"});
    EXPECT_FALSE(damaged.value(LimitName::LossDay).has_value());
    EXPECT_EQ(damaged.value(LimitName::RealityCheck).value_or(-1), 60.0);
    EXPECT_FALSE(damaged.entry(LimitName::TimeDay).waiting);
}

TEST_F(SafePlay, TheRealityCheckComesAtTheEndOfTheSpinAndHoldsPlay) {
    run("keep playing",
        {{"limit:reality-check=15 " PLAY "5", "label=Bet $1 on Black", "- 1/0/0/0 0"},
         // The interval passes during the spin: the box comes when it ends, after it settled.
         {"later:900 3", "balance=999; label=Bet $2 on Black", "- 2/1/0/-1 1"}});
    step("wait");
    for (const ActionResult& refused : {a().userPress("Button1"), a().userKey("Enter")})
        EXPECT_EQ(refused.error, "Answer the reality check first.");
    EXPECT_EQ(state().TotalSpins, 2);
    step("check:keep 2");
    EXPECT_EQ(figures(), "- 3/3/4/1 0");
    // The next one comes a whole interval after the answer.
    step("later:880 7");
    EXPECT_FALSE(a().safety().checkOpen());
    step("later:30 7");
    EXPECT_TRUE(a().safety().checkOpen());
    step("check:balance");
    EXPECT_TRUE(a().takeBalanceRequest());
    EXPECT_FALSE(a().takeBalanceRequest());

    run("stop here ends the run as Restart does",
        {{"limit:reality-check=15 " PLAY "5 later:901 3", "label=Bet $2 on Black", "- 2/1/0/-1 1"},
         {"check:stop", "button=Start; label=Configure Play Style and Press Start; picture=1",
          "- 2/1/0/-1 0"}});
    EXPECT_FALSE(a().userAnswerCheck(Advisor::CheckAnswer::Keep).ok);
}

// The day's name is looked up again only once the day may have changed: never later than the
// change (on the days summer time starts or ends too), and without summer time exactly at
// midnight.
TEST(LocalDay, IsSureUntilItsMidnightAndNeverPastIt) {
    const char* const before = std::getenv("TZ");
    const std::string kept = before ? before : "";
    for (const auto& [tz, summerTime] : {std::pair{"UTC0", false}, std::pair{"JST-9", false},
                                         std::pair{"CET-1CEST,M3.5.0,M10.5.0/3", true},
                                         std::pair{"EST5EDT,M3.2.0,M11.1.0", true}}) {
        setenv("TZ", tz, 1);
        tzset();
        // Four days around each change of summer time in 2026, every 37 minutes.
        for (const std::int64_t from :
             {1'772'668'800'000LL, 1'774'483'200'000LL, 1'792'713'600'000LL, 1'793'404'800'000LL}) {
            for (std::int64_t ms = from; ms < from + 4 * 24 * kHour; ms += 37 * 60'000 + 123) {
                SCOPED_TRACE(std::string(tz) + " at " + localIso(ms));
                const std::int64_t sure = localDaySureUntilMs(ms);
                ASSERT_GE(sure, ms);
                EXPECT_EQ(localDay(sure - 1), localDay(ms));
                if (!summerTime) {
                    EXPECT_NE(localDay(sure), localDay(ms));
                }
            }
        }
    }
    if (before) {
        setenv("TZ", kept.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

}  // namespace
}  // namespace brisvale::testing
