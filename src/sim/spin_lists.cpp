#include "sim/spin_lists.hpp"

#include "storage/properties.hpp"
#include "storage/spin_file.hpp"
#include "util/numbers.hpp"

namespace brisvale::sim {

SpinList readSpinList(const std::filesystem::path& file) {
    const auto lines = readLines(file, nullptr, false);
    if (!lines) return "cannot read the spin file " + file.string();
    std::string text;
    for (const std::string& line : *lines) {
        text += line;
        text += '\n';
    }
    auto parsed = parseSpinFile(text);
    if (const auto* error = std::get_if<SpinFileError>(&parsed)) return spinFileMessage(*error);
    return std::get<std::vector<int>>(std::move(parsed));
}

SpinList readCasinoSpins(const std::filesystem::path& dataDir, std::string_view name) {
    const std::filesystem::path file = dataDir / "CasinoHistory.dat";
    const auto values = GetPropertySeries(1, "name", file, nullptr, false);
    if (!values) return "cannot read the casino history " + file.string();
    for (const std::string& value : *values) {
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
