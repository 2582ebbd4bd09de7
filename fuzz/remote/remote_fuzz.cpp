// SPDX-License-Identifier: GPL-3.0-or-later
// The remote files as the site may send them: the settings, the file names they give, the
// casino list and the addresses made from it.

#include "common.hpp"
#include "remote/file_names.hpp"
#include "remote/remote_settings.hpp"
#include "remote/remote_startup.hpp"

using namespace brisvale;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ParseResult parsed = parseRemoteSettings(text);
    FUZZ_CHECK(parsed.ok() == parsed.error.empty());
    if (parsed.settings) {
        keepSafeFileNames(*parsed.settings);
        const RemoteSettings& s = *parsed.settings;
        FUZZ_CHECK(fileNameProblem(s.settingsFile).empty());
        FUZZ_CHECK(fileNameProblem(s.wageringFile).empty());
        FUZZ_CHECK(!fileNamesClash(s.settingsFile, s.wageringFile));
    }
    for (const CasinoSite& site : parseCasinoList(text)) {
        FUZZ_CHECK(!site.name.empty() && site.name.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(browserAddress(site.address).size() >= 4);
    }
    const std::size_t cut = text.find('\0');
    const std::string url =
        joinUrl(text.substr(0, cut), cut == text.npos ? "" : text.substr(cut + 1));
    FUZZ_CHECK(url.find("://") != std::string::npos);
    return 0;
}
