// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up's fetch of the remote files: the test page that proves the site can be reached,
// the remote settings and the casino list. Whatever fails, the program gets settings to
// start with: the built-in ones stand in for the site's.

#include <string>
#include <string_view>
#include <vector>

#include "remote/remote_settings.hpp"

namespace brisvale {

class Browser;
class Dialogs;
class Fetcher;

inline constexpr std::string_view kTestPageFile = "firewall.html";
inline constexpr std::string_view kRemoteSettingsFile = "settings15.html";
inline constexpr std::string_view kCasinoListFile = "/casinos/casinomenu.txt";

struct RemoteStartup {
    RemoteSettings settings;
    std::vector<CasinoSite> casinos;
    bool usedBuiltIn = true;         // the built-in settings stand in for the site's
    std::vector<std::string> notes;  // for the debug log: file names of the site not used
};

// The address of a file on the site: exactly one "/" between them, and "http://" in front
// when the site names no scheme. A site with a path keeps it ("http://h/x" + "a" -> ".../x/a").
std::string joinUrl(std::string_view site, std::string_view path);

// The box shown when the test page cannot be fetched.
std::string firewallMessage(std::string_view testPageAddress);

// Without a fetcher or a site nothing is fetched and the built-in settings are used.
RemoteStartup loadRemote(Fetcher* fetcher, std::string_view site, Dialogs& dialogs,
                         Browser& browser);

}  // namespace brisvale
