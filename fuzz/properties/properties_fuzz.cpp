// SPDX-License-Identifier: GPL-3.0-or-later
// The properties store on any file with any keys. Input: the file (empty: none), then NUL-
// separated operations "s" key "=" value (set) or "d" key (delete). The file after each one is
// what the model of its lines says: a set changes its key's line or adds one at the end, a
// delete removes its key's lines, every other line stays byte for byte, and what was set or
// deleted reads back.

#include "common.hpp"
#include "storage/properties.hpp"
#include "support/properties_model.hpp"

using namespace brisvale;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitAtNul({reinterpret_cast<const char*>(data), size});
    const auto file = fuzz::freshFolder() / "file.dat";
    if (!parts[0].empty()) fuzz::writeBytes(file, parts[0]);
    auto model = testing::PropertiesModel::parse(parts[0], !parts[0].empty());
    for (std::size_t p = 1; p < parts.size(); ++p) {
        if (parts[p].empty() || (parts[p][0] != 's' && parts[p][0] != 'd')) continue;
        const std::string_view op = parts[p].substr(1);
        const std::string_view key = op.substr(0, op.find('='));
        const std::string_view value = op.substr(std::min(op.size(), key.size() + 1));
        const bool validKey = testing::PropertiesModel::writableKey(key);
        if (parts[p][0] == 's') {
            const bool valid = validKey && value.find_first_of("\r\n") == value.npos;
            FUZZ_CHECK(SetProperty(1, key, value, file, nullptr, false) == valid);
            if (valid) model.set(1, key, value);
        } else {
            FUZZ_CHECK(DeleteProperty(1, key, file) == validKey);
            if (validKey) model.erase(1, key);
        }
        FUZZ_CHECK(FileExists(file) == model.exists);
        FUZZ_CHECK(!model.exists || fuzz::readBytes(file) == model.bytes());
        FUZZ_CHECK(GetProperty(1, key, file) == (model.exists ? model.get(1, key) : "!"));
    }
    return 0;
}
