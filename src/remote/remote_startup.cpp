// SPDX-License-Identifier: GPL-3.0-or-later
#include "remote/remote_startup.hpp"

#include "remote/file_names.hpp"
#include "run/ports.hpp"

namespace brisvale {

namespace {

constexpr std::string_view kProgramName = "Brisvale";
constexpr std::string_view kCrLf = "\r\n";

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// The failure box of the remote settings, in the site's words as far as they were read.
void reportBadSettings(const ParseResult& parsed, Dialogs& dialogs, Browser& browser) {
    const RemoteSettings& builtIn = builtInRemoteSettings();
    dialogs.message(parsed.messageText.value_or(builtIn.messageText),
                    parsed.messageTitle.value_or(builtIn.messageTitle));
    openInBrowser(browser, parsed.messageAddress.value_or(builtIn.messageAddress));
}

}  // namespace

std::string joinUrl(std::string_view site, std::string_view path) {
    site = trimmed(site);
    while (!site.empty() && site.back() == '/') site.remove_suffix(1);
    while (!path.empty() && path.front() == '/') path.remove_prefix(1);
    std::string url;
    if (site.find("://") == std::string_view::npos) url = "http://";
    url.append(site);
    url.push_back('/');
    url.append(path);
    return url;
}

std::string firewallMessage(std::string_view testPageAddress) {
    const std::string paragraph = std::string(kCrLf) + std::string(kCrLf);
    return "Brisvale is unable to run due to firewall restrictions." + paragraph +
           "The file Brisvale is trying to reach is located here:" + paragraph +
           std::string(testPageAddress) + paragraph +
           "Make sure Brisvale has full access to the Internet." + paragraph +
           "Clicking OK will take you to the firewall.txt file.";
}

RemoteStartup loadRemote(Fetcher* fetcher, std::string_view site, Dialogs& dialogs,
                         Browser& browser) {
    RemoteStartup startup{builtInRemoteSettings(), {}, true, {}};
    if (fetcher == nullptr || trimmed(site).empty()) return startup;

    // An unreachable site would only time out again on the other two files.
    const std::string testPage = joinUrl(site, kTestPageFile);
    if (!fetcher->fetch(testPage)) {
        dialogs.message(firewallMessage(testPage), kProgramName);
        openInBrowser(browser, testPage);
        return startup;
    }

    const std::optional<std::string> text = fetcher->fetch(joinUrl(site, kRemoteSettingsFile));
    ParseResult parsed = parseRemoteSettings(text.value_or(std::string()));
    if (parsed.settings) {
        startup.settings = std::move(*parsed.settings);
        startup.usedBuiltIn = false;
        startup.notes = keepSafeFileNames(startup.settings);
    } else {
        reportBadSettings(parsed, dialogs, browser);
    }

    if (const auto list = fetcher->fetch(joinUrl(site, kCasinoListFile))) {
        startup.casinos = parseCasinoList(*list);
    }
    return startup;
}

}  // namespace brisvale
