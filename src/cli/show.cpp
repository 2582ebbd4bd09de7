// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/show.hpp"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <string_view>

#include "play/advisor.hpp"
#include "util/windows1252.hpp"

namespace brisvale::cli {
namespace {

// The core's texts are Windows-1252, as its files hold them.
QString text(std::string_view s) {
    const std::string utf8 = utf8FromWindows1252(s);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

template <class Items>
QJsonArray texts(const Items& items) {
    QJsonArray out;
    for (const std::string& item : items) out.append(text(item));
    return out;
}

QJsonArray chipsJson(const Form& f) {
    QJsonArray out;
    for (int i = 0; i < static_cast<int>(f.chips.size()); ++i) {
        const Chip& c = f.chips[i];
        if (!c.visible) continue;
        const StakeLabel& l = c.label;
        out.append(QJsonObject{{"index", i},
                               {"left", c.left},
                               {"top", c.top},
                               {"caption", text(c.caption)},
                               {"tooltip", text(c.tooltip)},
                               {"image", c.image},
                               {"blackText", c.blackText},
                               {"appearance", c.appearance},
                               {"borderStyle", c.borderStyle},
                               {"label", QJsonObject{{"left", l.left},
                                                     {"top", l.top},
                                                     {"width", l.width},
                                                     {"height", l.height},
                                                     {"alignment", l.alignment},
                                                     {"bold", l.bold},
                                                     {"fontSize", l.fontSize}}}});
    }
    return out;
}

QJsonArray cellsJson(const Form& f) {
    QJsonArray out;
    for (int i = 0; i < board::kCellCount; ++i) {
        const Rect r = f.board.cell(i);
        out.append(QJsonObject{{"left", r.left},
                               {"top", r.top},
                               {"width", r.width},
                               {"height", r.height},
                               {"backColor", f.board.backColor(i)}});
    }
    return out;
}

QJsonObject controlsJson(const Advisor& advisor) {
    QJsonObject out;
    for (const ControlView& c : advisor.panelControls()) {
        const QString name = text(c.name);
        switch (c.kind) {
            case ControlView::Kind::Check:
                out.insert(name, c.check);
                break;
            case ControlView::Kind::Option:
                out.insert(name, c.option);
                break;
            case ControlView::Kind::List:
            case ControlView::Kind::Text:
                out.insert(name, text(c.text));
                break;
        }
    }
    return out;
}

QJsonArray messagesJson(const std::vector<ShownBox>& shown) {
    QJsonArray out;
    for (const ShownBox& box : shown) {
        QJsonObject o{{"title", text(box.title)}, {"text", text(box.text)}};
        if (box.answer) o.insert("answer", text(*box.answer));
        out.append(o);
    }
    return out;
}

QJsonObject stateJson(const PlayState& s) {
    QJsonArray thresholds;
    for (std::int16_t t : s.StartThreshold) thresholds.append(t);
    const std::string current = s.MultiBetPlay ? s.CurrentBet.listText() : s.CurrentBet.plainText();
    return QJsonObject{{"TotalSpins", s.TotalSpins},
                       {"TableSpins", s.TableSpins},
                       {"Wins", s.Wins},
                       {"RecordedSpins", s.RecordedSpins},
                       {"StepIndex", s.StepIndex},
                       {"Stake", static_cast<qint64>(s.Stake)},
                       {"UnitWager", static_cast<qint64>(s.wager.UnitWager)},
                       {"StartUnitWager", static_cast<qint64>(s.wager.StartUnitWager)},
                       {"NetChips", static_cast<qint64>(s.wager.NetChips)},
                       {"SpinNumber", s.SpinNumber},
                       {"SpinWaitLeft", s.SpinWaitLeft},
                       {"SpinInterval", s.SpinInterval},
                       {"Balance", s.Balance},
                       {"BetOpen", s.BetOpen},
                       {"QuitPending", s.QuitPending},
                       {"SpinPending", s.SpinPending},
                       {"SpinWaitActive", s.SpinWaitActive},
                       {"BoardFlipped", s.form.board.BoardFlipped()},
                       {"ReplayMode", s.ReplayMode},
                       {"MultiBetPlay", s.MultiBetPlay},
                       {"CurrentBet", text(current)},
                       {"WinningBets", text(s.WinningBets.winnersText())},
                       {"SpinText", text(s.spinText())},
                       {"CasinoName", text(s.CasinoName)},
                       {"StartThreshold", thresholds}};
}

QJsonObject wageringJson(const WageringForm& w) {
    QJsonObject out;
    QJsonArray disabled;
    for (int i = 1; i <= 8; ++i) {
        const QString name = QStringLiteral("Text%1").arg(i);
        out.insert(name, text(w.Text[i].text));
        if (!w.Text[i].enabled) disabled.append(name);
    }
    out.insert("Check1", w.Check1.value);
    out.insert("Combo1", text(w.Combo1.text()));
    out.insert("Combo2", text(w.Combo2.text()));
    if (!w.Check1.enabled) disabled.append("Check1");
    if (!w.Combo1.enabled) disabled.append("Combo1");
    if (!w.Combo2.enabled) disabled.append("Combo2");
    out.insert("disabled", disabled);
    return out;
}

QJsonArray casinoMenuJson(const Form& f) {
    QJsonArray out;
    for (const CasinoSiteEntry& e : f.casinoMenu) {
        out.append(QJsonObject{
            {"caption", text(e.caption)}, {"address", text(e.address)}, {"enabled", e.enabled}});
    }
    return out;
}

}  // namespace

QByteArray renderShow(const Advisor& advisor, const std::vector<ShownBox>& shown,
                      const std::vector<std::string>& opened, bool guide) {
    const Form& f = advisor.form();
    QJsonObject o;
    o.insert("caption", text(f.caption));
    o.insert("width", f.width);
    o.insert("height", f.height);
    o.insert("backColor", QString::number(f.backColor));
    o.insert("alwaysOnTop", f.alwaysOnTop);
    o.insert("Label1",
             QJsonObject{{"caption", text(f.Label1.caption)}, {"visible", f.Label1.visible}});
    o.insert("Button1",
             QJsonObject{{"caption", text(f.Button1.caption)}, {"enabled", f.Button1.enabled}});
    o.insert("cmdMore",
             QJsonObject{{"caption", text(f.cmdMore.caption)}, {"enabled", f.cmdMore.enabled}});
    o.insert("Text1", text(f.Text1.text()));
    o.insert("Text18", text(f.Text[18].text));
    o.insert("Label12", text(f.Label12.caption));
    o.insert("Label35", text(f.Label35.caption));
    o.insert("Label41", text(f.Label41.caption));
    o.insert("Picture4", QJsonObject{{"visible", f.Picture4.visible}});
    o.insert(
        "marker",
        QJsonObject{{"visible", f.marker.visible}, {"left", f.marker.left}, {"top", f.marker.top}});
    o.insert("chips", chipsJson(f));
    o.insert("cells", cellsJson(f));
    o.insert("controls", controlsJson(advisor));
    o.insert("disabled", texts(advisor.disabledControls()));
    o.insert("casinos", texts(f.Casino.items));
    o.insert("casinoMenu", casinoMenuJson(f));
    o.insert("focus", text(f.focus));
    o.insert("messages", messagesJson(shown));
    o.insert("opened", texts(opened));
    o.insert("guide", guide);
    o.insert("state", stateJson(advisor.state()));
    if (f.frmWagering.open) o.insert("frmWagering", wageringJson(f.frmWagering));
    const EditMenuView edit = advisor.editMenu();
    o.insert("undo", QJsonObject{{"undo", edit.undoSteps},
                                 {"redo", edit.redoSteps},
                                 {"undoCaption", text(edit.undo.caption)},
                                 {"redoCaption", text(edit.redo.caption)}});
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

QByteArray renderStats(const Advisor& advisor) {
    const Statistics stats = advisor.statistics();
    QJsonArray bets;
    for (const BetStatistics& b : stats.bets) {
        bets.append(QJsonObject{{"label", text(label(b.bet))},
                                {"family", text(familyName(bet(b.bet).family))},
                                {"slept", b.slept},
                                {"threshold", b.threshold},
                                {"watched", b.watched},
                                {"open", b.open},
                                {"due", b.due()}});
    }
    QJsonArray numbers;
    for (const NumberStatistics& n : stats.numbers) {
        numbers.append(QJsonObject{{"table", n.table},
                                   {"history", n.history},
                                   {"last", n.last ? QJsonValue(*n.last) : QJsonValue()}});
    }
    QJsonArray balance;
    for (double b : stats.balance) balance.append(b);
    const auto list = [](const std::array<int, 5>& ns) {
        QJsonArray out;
        for (int n : ns) out.append(n);
        return out;
    };
    return QJsonDocument(QJsonObject{{"bets", bets},
                                     {"numbers", numbers},
                                     {"balance", balance},
                                     {"hottest", list(stats.hottest)},
                                     {"coldest", list(stats.coldest)}})
        .toJson(QJsonDocument::Compact);
}

}  // namespace brisvale::cli
