// SPDX-License-Identifier: GPL-3.0-or-later
#include "remote/builtin_remote_text.hpp"
#include "remote/remote_settings.hpp"

namespace brisvale {

std::string_view builtInRemoteSettingsText() {
    return generated::kBuiltInRemoteSettingsText;
}

const RemoteSettings& builtInRemoteSettings() {
    // Parsed once; the shipped text is checked by the tests, so the fallback below only keeps
    // a broken build from handing out garbage sizes.
    static const RemoteSettings settings = [] {
        ParseResult parsed = parseRemoteSettings(builtInRemoteSettingsText());
        if (parsed.settings) return *std::move(parsed.settings);
        RemoteSettings fallback;
        fallback.appTitle = "Brisvale";
        return fallback;
    }();
    return settings;
}

}  // namespace brisvale
