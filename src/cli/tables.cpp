// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/tables.hpp"

#include <nlohmann/json.hpp>

#include "advisor/advisor.hpp"
#include "util/windows1252.hpp"

namespace brisvale::cli {
namespace {

using nlohmann::json;

json text(std::string_view s) {
    return utf8FromWindows1252(s);
}

json sleepingJson(const SleepingBet& b) {
    return {{"label", text(label(b.bet))}, {"slept", b.slept}, {"threshold", b.threshold}};
}

}  // namespace

std::string renderTables(const Advisor& advisor) {
    const WatchedTables& watched = advisor.watching().tables();
    const WatchStyle& style = advisor.watching().style();
    json tables = json::array();
    for (int i = 0; i < watched.size(); ++i) {
        const WatchedTable& t = watched[i];
        json last = json::array();
        for (std::int8_t n : t.lastNumbers()) last.push_back(n);
        json due = json::array();
        for (const SleepingBet& b : watched.due(i, style)) due.push_back(sleepingJson(b));
        const auto ripest = watched.ripest(i, style);
        tables.push_back({{"name", text(t.name)},
                          {"spins", t.spins},
                          {"last", std::move(last)},
                          {"due", std::move(due)},
                          {"ripest", ripest ? sleepingJson(*ripest) : json(nullptr)}});
    }
    const auto target = advisor.watching().target();
    return json{{"tables", std::move(tables)},
                {"target", target ? text(watched[*target].name) : json(nullptr)}}
        .dump();
}

json alertsJson(const std::vector<Alert>& alerts) {
    json out = json::array();
    for (const Alert& a : alerts) {
        out.push_back({{"kind", std::string(Alert::kindName(a.kind))},
                       {"table", a.table.empty() ? json(nullptr) : text(a.table)},
                       {"text", text(a.text)}});
    }
    return out;
}

}  // namespace brisvale::cli
