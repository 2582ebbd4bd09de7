// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/spin_lists.hpp"

#include "remote/file_names.hpp"
#include "storage/casino_history.hpp"
#include "storage/properties.hpp"
#include "storage/spin_file.hpp"
#include "storage/whole_file.hpp"
#include "util/numbers.hpp"

namespace brisvale::sim {

SpinList readSpinList(const std::filesystem::path& file) {
    const WholeFile text = readWholeFile(file, kSpinFileLimit);
    const std::string cannot = "cannot read the spin file " + file.string();
    switch (text.status) {
        case WholeFile::Status::Missing:
            return cannot + ": it does not exist";
        case WholeFile::Status::TooLarge:
            return cannot + ": it is too large to be a spin file";
        case WholeFile::Status::Unreadable:
            return text.why.empty() ? cannot : cannot + ": " + text.why;
        case WholeFile::Status::Read:
            break;
    }
    auto parsed = parseSpinFile(text.bytes);
    if (const auto* error = std::get_if<SpinFileError>(&parsed)) return spinFileMessage(*error);
    return std::get<std::vector<int>>(std::move(parsed));
}

SpinList readCasinoSpins(const std::filesystem::path& dataDir, std::string_view name) {
    const std::filesystem::path file = dataDir / kHistoryFileName;
    const auto casinos = readCasinos(file);
    if (!casinos) return "cannot read the casino history " + file.string();
    for (const auto& [key, value] : *casinos) {
        const std::size_t comma = value.find(',');
        if (std::string_view(value).substr(0, comma) != name) continue;
        // Every field after the name ends with a comma; the last may have lost it.
        std::vector<int> spins;
        std::size_t start = comma;
        while (start != std::string::npos && start + 1 < value.size()) {
            const std::size_t end = value.find(',', start + 1);
            const auto field = std::string_view(value).substr(start + 1, end - start - 1);
            if (const auto number = parseWhole(field, 0, 36))
                spins.push_back(static_cast<int>(*number));
            start = end;
        }
        if (spins.empty()) return "the casino " + std::string(name) + " has no recorded spins";
        return spins;
    }
    return "no casino named " + std::string(name) + " in " + file.string();
}

}  // namespace brisvale::sim
