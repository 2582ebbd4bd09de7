// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file as found: read by position, never half-applied, and whatever loads is
// written and read back unchanged.

#include "common.hpp"
#include "storage/settings_file.hpp"

using namespace brisvale;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::freshFolder() / "settings.txt";
    fuzz::writeBytes(file, {reinterpret_cast<const char*>(data), size});
    const SettingsRead read = readSettingsFile(file);
    FUZZ_CHECK((read.status == SettingsStatus::Damaged) == !read.problem.empty());
    if (read.status != SettingsStatus::Loaded) return 0;
    FUZZ_CHECK(writeSettingsFile(file, read.values));
    const SettingsRead again = readSettingsFile(file);
    FUZZ_CHECK(again.status == SettingsStatus::Loaded && again.values.values == read.values.values);
    return 0;
}
