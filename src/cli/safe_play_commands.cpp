// SPDX-License-Identifier: GPL-3.0-or-later
// The console's side of safer play: `limits`, `set-limit NAME VALUE`, and the reality check
// answered with `answer keep`, `answer stop` or `answer balance`.

#include <nlohmann/json.hpp>

#include "cli/console.hpp"
#include "cli/show.hpp"
#include "util/json_number.hpp"
#include "util/windows1252.hpp"

namespace brisvale::cli {
namespace {

using nlohmann::json;

json amount(const std::optional<double>& value) {
    return value ? jsonNumber(*value) : json(nullptr);
}

}  // namespace

std::string renderLimits(const Advisor& advisor) {
    const LimitsView view = advisor.safety().limits();
    json out = json::object();
    for (LimitName name : kLimitNames) {
        const LimitEntry& e = view.book.entry(name);
        out[std::string(limitKey(name))] = {
            {"value", amount(e.value)},
            {"pending", e.waiting ? amount(e.pending) : json(nullptr)},
            {"applies", e.waiting ? json(localIso(e.appliesMs)) : json(nullptr)}};
    }
    out["reached"] = view.reached ? json(std::string(limitKey(*view.reached))) : json(nullptr);
    return out.dump();
}

void Console::setLimit(std::string_view rest) {
    const std::size_t blank = rest.find(' ');
    if (rest.empty() || blank == std::string_view::npos) {
        return fail("set-limit takes a limit's name and a value (a number, or none)");
    }
    const ActionResult result =
        advisor_.userSetLimit(rest.substr(0, blank), rest.substr(blank + 1));
    if (!result.ok) fail(result.error);
}

void Console::answerCheck() {
    if (!opened_ || !advisor_.safety().checkOpen()) return;
    const std::string* answer = dialogs_.firstAnswer();
    if (!answer) return;
    using A = Advisor::CheckAnswer;
    std::optional<A> choice;
    if (*answer == "keep") choice = A::Keep;
    if (*answer == "stop") choice = A::Stop;
    if (*answer == "balance") choice = A::Balance;
    // Another answer is for the next question; the check stays until it gets one of its own.
    if (!choice) return;
    ShownBox box{"Reality check", realityCheckText(advisor_.safety().session()), *answer};
    dialogs_.dropAnswer();
    dialogs_.noteShown(std::move(box));
    const ActionResult result = advisor_.userAnswerCheck(*choice);
    if (!result.ok) fail(result.error);
    advisor_.takeBalanceRequest();  // no balance chart to show here
}

}  // namespace brisvale::cli
