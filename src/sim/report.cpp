// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/report.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "util/json_number.hpp"

namespace brisvale::sim {
namespace {

// Where a limit counts in Report::limitsHit: both losses are the loss limit.
int limitSlot(LimitName name) {
    switch (name) {
        case LimitName::WinSession:
            return 1;
        case LimitName::TimeDay:
            return 2;
        default:
            return 0;
    }
}

std::string fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (text == "-0.00" || text == "-0") text.erase(0, 1);
    return text;
}

std::string percent(double ratio) {
    return fixed(ratio * 100, 2) + " %";
}

// The p-quantile of sorted values, interpolated between the two nearest ranks.
double quantile(const std::vector<double>& sorted, double p) {
    if (sorted.empty()) return 0;
    const double position = p * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(position));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double fraction = position - static_cast<double>(below);
    return sorted[below] + (sorted[above] - sorted[below]) * fraction;
}

}  // namespace

std::string money(double amount) {
    if (amount == std::trunc(amount) && std::fabs(amount) < 1e15) {
        return std::to_string(static_cast<long long>(amount));
    }
    return fixed(amount, 2);
}

std::optional<std::array<double, 2>> ratioInterval(const std::vector<SessionResult>& sessions,
                                                   double z) {
    const auto n = static_cast<double>(sessions.size());
    double net = 0;
    double staked = 0;
    for (const SessionResult& s : sessions) {
        net += s.net;
        staked += static_cast<double>(s.staked);
    }
    if (sessions.size() < 2 || staked <= 0) return std::nullopt;
    const double ratio = net / staked;
    // Delta method for a ratio of sums: the spread of each session's net around what the
    // ratio predicts from its stakes.
    double squares = 0;
    for (const SessionResult& s : sessions) {
        const double residual = s.net - ratio * static_cast<double>(s.staked);
        squares += residual * residual;
    }
    const double meanStaked = staked / n;
    const double error = std::sqrt(squares / (n - 1) / n) / meanStaked;
    return std::array<double, 2>{ratio - z * error, ratio + z * error};
}

Report summarize(const RunResult& run, std::string_view style, std::uint64_t seed, double bankroll,
                 bool backtest) {
    Report r;
    r.style = std::string(style);
    r.seed = seed;
    r.backtest = backtest;
    r.bankroll = bankroll;
    r.threads = run.threads;
    const std::vector<SessionResult>& all = run.sessions;
    r.sessions = static_cast<long long>(all.size());
    std::vector<double> nets;
    nets.reserve(all.size());
    std::vector<double> ruinSpins;
    for (const SessionResult& s : all) {
        r.spins += s.spins;
        r.staked += s.staked;
        r.net += s.net;
        r.sessionsWon += s.net > 0 ? 1 : 0;
        r.sessionsLost += s.net < 0 ? 1 : 0;
        r.sessionsNeverBet += s.staked == 0 ? 1 : 0;
        if (s.ending == Ending::Broke) {
            ++r.ruined;
            ruinSpins.push_back(s.spins);
        }
        r.maxDrawdown = std::max(r.maxDrawdown, s.maxDrawdown);
        r.largestStake = std::max(r.largestStake, s.largestStake);
        ++r.endedBy[static_cast<int>(s.ending)];
        if (s.limit) ++r.limitsHit[limitSlot(*s.limit)];
        nets.push_back(s.net);
    }
    if (r.staked > 0) r.returnPerStaked = r.net / static_cast<double>(r.staked);
    r.ci95 = stakeInterval(all, kZ95);
    r.ruinCi95 = wilsonInterval(r.ruined, r.sessions, kZ95);
    r.meanSessionCi95 = meanInterval(nets, kZ95);
    if (!ruinSpins.empty()) {
        std::sort(ruinSpins.begin(), ruinSpins.end());
        r.ruinSpins = std::array<double, 2>{quantile(ruinSpins, 0.5), quantile(ruinSpins, 0.9)};
    }
    if (!all.empty()) {
        r.ruin = static_cast<double>(r.ruined) / static_cast<double>(all.size());
        r.meanSession = r.net / static_cast<double>(all.size());
        std::vector<double> sorted = nets;
        std::sort(sorted.begin(), sorted.end());
        const double ps[] = {0.05, 0.25, 0.5, 0.75, 0.95};
        for (int i = 0; i < 5; ++i) r.percentiles[i] = quantile(sorted, ps[i]);
        r.worstSession = sorted.front();
        r.bestSession = sorted.back();
        // The lower median, and of equal results the first session.
        const double median = sorted[(sorted.size() - 1) / 2];
        r.medianSession =
            static_cast<std::size_t>(std::find(nets.begin(), nets.end(), median) - nets.begin());
    }
    r.sessionNets = std::move(nets);
    if (run.seconds > 0) r.spinsPerSecond = static_cast<double>(r.spins) / run.seconds;
    return r;
}

namespace {

using Json = nlohmann::ordered_json;  // members in the order written

Json number(double value) {
    return jsonNumber<Json>(value);
}

Json pair(const std::optional<Interval>& interval) {
    return interval ? Json{number((*interval)[0]), number((*interval)[1])} : Json(nullptr);
}

Json difference(const Difference& d) {
    Json out = Json::object();
    out["value"] = number(d.value);
    out["ci95"] = pair(d.ci95);
    return out;
}

Json reportObject(const Report& r) {
    const char* names[] = {"p5", "p25", "p50", "p75", "p95"};
    Json percentiles = Json::object();
    for (int i = 0; i < 5; ++i) percentiles[names[i]] = number(r.percentiles[i]);
    Json endings = Json::object();
    for (int e = 0; e < kEndingCount; ++e) {
        endings[std::string(endingName(static_cast<Ending>(e)))] = r.endedBy[e];
    }
    Json out = Json::object();
    out["style"] = r.style;
    out["seed"] = r.seed;
    out["backtest"] = r.backtest;
    out["bankroll"] = number(r.bankroll);
    if (r.minimumBalance > 0) out["minimum_balance"] = r.minimumBalance;
    out["sessions"] = r.sessions;
    out["spins"] = r.spins;
    out["staked"] = r.staked;
    out["net"] = number(r.net);
    out["return_per_staked"] = r.returnPerStaked ? number(*r.returnPerStaked) : Json(nullptr);
    out["ci95"] = pair(r.ci95);
    out["house_edge"] = number(kHouseEdge);
    out["sessions_won"] = r.sessionsWon;
    out["sessions_lost"] = r.sessionsLost;
    out["mean_session"] = number(r.meanSession);
    out["percentiles"] = percentiles;
    out["worst_session"] = number(r.worstSession);
    out["best_session"] = number(r.bestSession);
    out["max_drawdown"] = number(r.maxDrawdown);
    out["largest_stake"] = r.largestStake;
    out["ended_by"] = endings;
    out["limits_hit"] = {{"loss_limit", r.limitsHit[0]},
                         {"win_goal", r.limitsHit[1]},
                         {"time_limit", r.limitsHit[2]}};
    out["spins_per_second"] = number(std::round(r.spinsPerSecond));
    out["threads"] = r.threads;
    out["sessions_never_bet"] = r.sessionsNeverBet;
    out["ruin"] = number(r.ruin);
    out["ruin_ci95"] = pair(r.ruinCi95);
    out["mean_session_ci95"] = pair(r.meanSessionCi95);
    if (r.ruinSpins) {
        Json spins = Json::object();
        spins["p50"] = number((*r.ruinSpins)[0]);
        spins["p90"] = number((*r.ruinSpins)[1]);
        out["ruin_spins"] = spins;
    } else {
        out["ruin_spins"] = nullptr;
    }
    if (r.targetError) {
        out["target_error"] = number(*r.targetError);
        out["target_reached"] = r.targetReached;
    }
    if (r.compare) {
        out["compare"] = reportObject(*r.compare);
        Json d = Json::object();
        d["mean_session"] = difference(r.meanSessionDifference);
        d["ruin"] = difference(r.ruinDifference);
        out["difference"] = d;
    }
    return out;
}

}  // namespace

std::string jsonReport(const Report& r) {
    return reportObject(r).dump() + "\n";
}

void addComparison(Report& report, Report other, const RunResult& mine, const RunResult& theirs) {
    report.compare = std::make_shared<const Report>(std::move(other));
    const auto column = [](const RunResult& run, bool ruin) {
        std::vector<double> values;
        values.reserve(run.sessions.size());
        for (const SessionResult& s : run.sessions) {
            values.push_back(ruin ? (s.ending == Ending::Broke ? 1.0 : 0.0) : s.net);
        }
        return values;
    };
    report.meanSessionDifference = pairedDifference(column(mine, false), column(theirs, false));
    report.ruinDifference = pairedDifference(column(mine, true), column(theirs, true));
}

std::string csvSessions(const std::vector<SessionResult>& sessions,
                        const std::vector<SessionResult>* compared) {
    std::string out = "session,spins,staked,net,max_drawdown,largest_stake,ended_by";
    out += compared ? ",compare_staked,compare_net,compare_ended_by\n" : "\n";
    for (std::size_t i = 0; i < sessions.size(); ++i) {
        const SessionResult& s = sessions[i];
        out += std::to_string(i + 1) + "," + std::to_string(s.spins) + "," +
               std::to_string(s.staked) + "," + money(s.net) + "," + money(s.maxDrawdown) + "," +
               std::to_string(s.largestStake) + "," + std::string(endingName(s.ending));
        if (compared && i < compared->size()) {
            const SessionResult& c = (*compared)[i];
            out += "," + std::to_string(c.staked) + "," + money(c.net) + "," +
                   std::string(endingName(c.ending));
        }
        out += "\n";
    }
    return out;
}

std::string costSentence(const Report& r) {
    const std::string edge = "the house edge is " + fixed(-kHouseEdge * 100, 2) + " %.";
    std::string out = "Over " + std::to_string(r.spins) + " spins this style staked ";
    if (r.staked == 0) return out + "nothing; " + edge;
    out += "$" + std::to_string(r.staked);
    const std::string share =
        fixed(std::fabs(r.net) / static_cast<double>(r.staked) * 100, 2) + " % of the money staked";
    if (r.net < 0) return out + " and lost $" + money(-r.net) + ": " + share + "; " + edge;
    if (r.net > 0) {
        return out + " and won $" + money(r.net) + ": " + share + ", luck that does not last; " +
               edge;
    }
    return out + " and came out even; " + edge;
}

std::string textReport(const Report& r) {
    std::string out;
    const auto line = [&out](std::string_view name, const std::string& value) {
        std::string padded(name);
        padded.resize(std::max<std::size_t>(padded.size() + 1, 22), ' ');
        out += padded + value + "\n";
    };
    const std::string styleName = r.style == "classic" ? "Classic Tarlock"
                                  : r.style == "multi" ? "Multi Tarlock"
                                                       : "Super Tarlock";
    out += styleName + (r.backtest ? ", backtest" : "") + ", seed " + std::to_string(r.seed) + "\n";
    out += plainWords(r);
    line("sessions",
         std::to_string(r.sessions) + " (bankroll $" + money(r.bankroll) +
             (r.minimumBalance > 0 ? ", minimum balance $" + std::to_string(r.minimumBalance)
                                   : std::string()) +
             ")");
    line("spins", std::to_string(r.spins));
    line("staked", "$" + std::to_string(r.staked));
    line("net", "$" + money(r.net));
    std::string ret = r.returnPerStaked ? percent(*r.returnPerStaked) : "n/a";
    if (r.ci95) ret += " (95 % CI " + percent((*r.ci95)[0]) + " to " + percent((*r.ci95)[1]) + ")";
    if (tooFewBets(r)) ret += ", too few bets to tell";
    line("return per $ staked", ret);
    line("house edge", percent(kHouseEdge));
    line("sessions won / lost", std::to_string(r.sessionsWon) + " / " +
                                    std::to_string(r.sessionsLost) + " (" +
                                    std::to_string(r.sessionsNeverBet) + " never bet)");
    std::string mean = "$" + money(r.meanSession);
    if (r.meanSessionCi95) {
        mean += " (95 % CI $" + fixed((*r.meanSessionCi95)[0], 2) + " to $" +
                fixed((*r.meanSessionCi95)[1], 2) + ")";
    }
    line("mean session", mean);
    std::string ruin = percent(r.ruin) + ", " + std::to_string(r.ruined) + " sessions";
    if (r.ruinCi95) {
        ruin += " (95 % CI " + percent((*r.ruinCi95)[0]) + " to " + percent((*r.ruinCi95)[1]) + ")";
    }
    line("went broke", ruin);
    if (r.ruinSpins) {
        line("spins to ruin",
             "p50 " + fixed((*r.ruinSpins)[0], 0) + ", p90 " + fixed((*r.ruinSpins)[1], 0));
    }
    if (r.targetError) {
        line("target error", "+/-" + percent(*r.targetError) +
                                 (r.targetReached ? " reached" : " not reached within --sessions"));
    }
    line("session percentiles", "p5 $" + money(r.percentiles[0]) + ", p25 $" +
                                    money(r.percentiles[1]) + ", p50 $" + money(r.percentiles[2]) +
                                    ", p75 $" + money(r.percentiles[3]) + ", p95 $" +
                                    money(r.percentiles[4]));
    line("worst / best session", "$" + money(r.worstSession) + " / $" + money(r.bestSession));
    line("max drawdown", "$" + money(r.maxDrawdown));
    line("largest stake", "$" + std::to_string(r.largestStake) + " on one spin");
    std::string endings;
    const char* words[] = {"quit", "switch table", "broke", "max spins", "limit", "out of spins"};
    for (int e = 0; e < kEndingCount; ++e) {
        if (e == kEndingCount - 1 && !r.backtest) break;
        if (!endings.empty()) endings += ", ";
        endings += std::string(words[e]) + " " + std::to_string(r.endedBy[e]);
    }
    line("ended by", endings);
    if (r.endedBy[static_cast<int>(Ending::Limit)] > 0) {
        line("limits hit", "loss limit " + std::to_string(r.limitsHit[0]) + ", win goal " +
                               std::to_string(r.limitsHit[1]) + ", time limit " +
                               std::to_string(r.limitsHit[2]));
    }
    line("speed", fixed(r.spinsPerSecond, 0) + " spins/s on " + std::to_string(r.threads) +
                      (r.threads == 1 ? " thread" : " threads"));
    out += costSentence(r) + "\n";
    if (r.compare) {
        out += "\nCompared with " + r.compare->style + " on the same spins:\n";
        const Report& c = *r.compare;
        const auto differ = [&](std::string_view name, const Difference& d, bool share) {
            const auto show = [share](double v) { return share ? percent(v) : "$" + fixed(v, 2); };
            std::string value = show(d.value);
            if (d.ci95)
                value += " (95 % CI " + show((*d.ci95)[0]) + " to " + show((*d.ci95)[1]) + ")";
            line(name, value);
        };
        std::string cret = c.returnPerStaked ? percent(*c.returnPerStaked) : "n/a";
        if (c.ci95)
            cret += " (95 % CI " + percent((*c.ci95)[0]) + " to " + percent((*c.ci95)[1]) + ")";
        line("its return per $", cret);
        if (c.spins > 0) {
            const double cost =
                -kHouseEdge * static_cast<double>(c.staked) / static_cast<double>(c.spins) * 100;
            line("its cost", "about $" + fixed(cost, 2) + " per 100 spins");
        }
        line("its mean session", "$" + money(c.meanSession));
        line("its share broke", percent(c.ruin));
        differ("mean session, less", r.meanSessionDifference, false);
        differ("went broke, less", r.ruinDifference, true);
    }
    return out;
}

}  // namespace brisvale::sim
