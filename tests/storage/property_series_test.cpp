// Reading name1, name2, ... in one go, as the casino list does.

#include <gtest/gtest.h>

#include "storage/properties.hpp"
#include "test_files.hpp"

namespace brisvale::testing {
namespace {

TEST(GetPropertySeries, ExactKeysInOrderUpToTheFirstGap) {
    struct Case {
        const char* name;
        std::string file;  // "" means no file at all
        std::vector<std::string> values;
    };
    const Case cases[] = {
        {"no file", "", {}},
        {"section only", "index: 1\r\n", {}},
        {"in order", "index: 1\r\nname1: A,1,\r\nname2:  B,2,  \r\n", {"A,1,", "B,2,"}},
        // name10 comes first but belongs to casino 10, never to casino 1.
        {"prefix keys", "index: 1\r\nname10: J,\r\nname1: A,\r\nname2: B,\r\n", {"A,", "B,"}},
        {"stops at a gap", "index: 1\r\nname1: A,\r\nname3: C,\r\n", {"A,"}},
        {"empty value keeps its place", "index: 1\r\nname1:\r\nname2: B,\r\n", {"", "B,"}},
        {"lone LF and index in a value", "index: 1\nname1: index,\nname2: B,\n", {"index,", "B,"}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const auto path = dir / "CasinoHistory.dat";
        if (!c.file.empty()) writeBytes(path, c.file);
        const auto values = GetPropertySeries(1, "name", path);
        ASSERT_TRUE(values.has_value()) << c.name;
        EXPECT_EQ(*values, c.values) << c.name;
        for (std::size_t k = 0; k < c.values.size(); ++k) {
            EXPECT_EQ(GetProperty(1, "name" + std::to_string(k + 1), path), c.values[k]) << c.name;
        }
    }
}

TEST(GetPropertySeries, UnreadableFileIsNotAnEmptyList) {
    TempDir dir;
    std::filesystem::create_directory(dir / "CasinoHistory.dat");
    EXPECT_FALSE(GetPropertySeries(1, "name", dir / "CasinoHistory.dat").has_value());
}

}  // namespace
}  // namespace brisvale::testing
