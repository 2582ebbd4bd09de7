#include "storage/spin_file.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisvale {
namespace {

struct Good {
    std::string text;
    std::vector<int> spins;
};

TEST(SpinFile, ReadsEverySeparatorLineEndAndHeader) {
    const Good rows[] = {
        {"17", {17}},
        {"number\r\n0\r\n36\r\n", {0, 36}},
        {"spin\n1, 2;3\t4  5\r6\r\n\n7", {1, 2, 3, 4, 5, 6, 7}},
        {"\xEF\xBB\xBFnumber\n07\n", {7}},
        {"\xEF\xBB\xBF"
         "5,6",
         {5, 6}},
        {"10\n# not a header on line 2\n", {}},  // only the first line can be a header
    };
    for (const auto& row : rows) {
        const auto result = parseSpinFile(row.text);
        if (row.spins.empty()) {
            EXPECT_TRUE(std::holds_alternative<SpinFileError>(result)) << row.text;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<std::vector<int>>(result)) << row.text;
        EXPECT_EQ(std::get<std::vector<int>>(result), row.spins) << row.text;
    }
}

struct Bad {
    std::string text;
    int line, column;
    std::string entry;
};

TEST(SpinFile, NamesTheFirstBadEntry) {
    const Bad rows[] = {
        {"", 0, 0, ""},
        {"number\r\n", 0, 0, ""},
        {"1,00,2", 1, 3, "00"},
        {"number\n5\n 37", 3, 2, "37"},
        {"-1", 1, 1, "-1"},
        {"4;1.5", 1, 3, "1.5"},
        {"3\r\n\r\n12x", 3, 1, "12x"},
        {std::string(1 << 20, '7'), 1, 1, "777777777777..."},
        {std::string("1,\x01\x02z", 5), 1, 3, "??z"},
    };
    for (const auto& row : rows) {
        const auto result = parseSpinFile(row.text);
        ASSERT_TRUE(std::holds_alternative<SpinFileError>(result)) << row.text.substr(0, 20);
        const auto& error = std::get<SpinFileError>(result);
        EXPECT_EQ(error.line, row.line) << row.text.substr(0, 20);
        EXPECT_EQ(error.column, row.column) << row.text.substr(0, 20);
        EXPECT_EQ(error.entry, row.entry) << row.text.substr(0, 20);
    }
    EXPECT_EQ(spinFileMessage({2, 4, "37"}),
              "Line 2, column 4: \"37\" is not a number from 0 to 36. Nothing was imported.");
}

TEST(SpinFile, WrittenSpinsReadBack) {
    std::vector<int> spins;
    for (int i = 0; i < 100; ++i) spins.push_back(i * 7 % 37);
    const std::string text = formatSpinFile(spins);
    EXPECT_EQ(text.substr(0, 11), "number\r\n0\r\n");
    EXPECT_EQ(std::get<std::vector<int>>(parseSpinFile(text)), spins);
}

}  // namespace
}  // namespace brisvale
