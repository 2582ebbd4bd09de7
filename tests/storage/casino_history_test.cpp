// The casino lines of the history file, and spin files moving spins in and out of it.

#include <gtest/gtest.h>

#include <random>

#include "storage/casino_history.hpp"
#include "storage/spin_file.hpp"
#include "support/files.hpp"

namespace brisvale::testing {
namespace {

// Listed whatever their keys, added after the highest, deleted without touching any other
// byte; only the run of keys right after the deleted one moves down.
TEST(CasinoHistory, ListAddAndDelete) {
    const struct {
        std::string file;
        std::vector<int> keys;
        int deleted;
        std::string after;
    } rows[] = {
        // clang-format off
        {"index: 1\r\nname1: A,\r\nname3: C,4,\r\n", {1, 3}, 1, "index: 1\r\nname3: C,4,\r\n"},
        {"index: 1\r\nname1: A,\r\nname2: B,\r\nname3: C,\r\nname5: E,\r\n", {1, 2, 3, 5}, 2,
         "index: 1\r\nname1: A,\r\nname2: C,\r\nname5: E,\r\n"},
        {"junk\r\nindex: 1\nname2:  B, \rname10: J,\r\nforeign: x\r\nname1: A,\r\nname3: C",
         {1, 2, 3, 10}, 1, "junk\r\nindex: 1\nname1:  B, \rname10: J,\r\nforeign: x\r\nname2: C"},
        {"index: 1\r\nname1: A,\r\nname1: A2,\r\nname2: B,\r\n", {1, 2}, 1, "index: 1\r\nname1: B,\r\n"},
        {"index: 1\r\nname01: Z,\r\nname0: Y,\r\nnameX: Q,\r\nname1: A,\r\n", {1}, 1,
         "index: 1\r\nname01: Z,\r\nname0: Y,\r\nnameX: Q,\r\n"},
        {"name1: Pre,\r\nindex: 1\r\nname1: A,\r\n", {1}, 1, "name1: Pre,\r\nindex: 1\r\n"},
        {"index: 1\r\n\rname1: A,\r\n\nname3: C,\r\n", {1, 3}, 1, "index: 1\r\n\r\n\nname3: C,\r\n"},
        {"index: 1\r\nname2: B,\r\n", {2}, 7, "index: 1\r\nname2: B,\r\n"},
        // clang-format on
    };
    TempDir dir;
    const auto file = dir / "CasinoHistory.dat";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        writeBytes(file, row.file);
        const auto listed = readCasinos(file);
        std::vector<int> keys;
        for (const CasinoLine& line : *listed) keys.push_back(line.key);
        EXPECT_EQ(keys, row.keys);
        ASSERT_TRUE(deleteCasino(file, row.deleted));
        EXPECT_EQ(readBytes(file), row.after);
        const auto before = *readCasinos(file);
        const int next = before.empty() ? 1 : before.back().key + 1;
        EXPECT_EQ(addCasino(file, " New, "), next);
        EXPECT_EQ(readCasinos(file)->back(), (CasinoLine{next, "New,"}));
    }
    std::filesystem::remove(file);
    EXPECT_EQ(readCasinos(file), std::vector<CasinoLine>{});
    EXPECT_EQ(addCasino(file, "A,"), 1);
    EXPECT_EQ(readBytes(file), "index: 1\r\nname1: A,\r\n");
    writeBytes(file, "index: 1\r\nname999999999: Z,\r\n");
    EXPECT_EQ(addCasino(file, "A,"), std::nullopt) << "no key after the highest";
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    EXPECT_EQ(readCasinos(file), std::nullopt);
    EXPECT_FALSE(deleteCasino(file, 1));
}

TEST(SpinFile, WrittenSpinsReadBackAndBadEntriesAreNamed) {
    std::mt19937 random(3);
    std::vector<int> written;
    for (int i = 0; i < 500; ++i) written.push_back(static_cast<int>(random() % 37));
    EXPECT_EQ(std::get<std::vector<int>>(parseSpinFile(formatSpinFile(written))), written);
    EXPECT_EQ(formatSpinFile(std::vector{0, 36}), "number\r\n0\r\n36\r\n");
    // clang-format off
    const std::tuple<std::string, std::vector<int>, int, int, std::string> rows[] = {
        {"17", {17}, 0, 0, ""}, {"spin\n1, 2;3\t4  5\r6\r\n\n7", {1, 2, 3, 4, 5, 6, 7}, 0, 0, ""},
        {"\xEF\xBB\xBFnumber\n07\n", {7}, 0, 0, ""}, {"\xEF\xBB\xBF" "5,6", {5, 6}, 0, 0, ""},
        {"number\r\n", {}, 0, 0, ""}, {"1,00,2", {}, 1, 3, "00"}, {"number\n5\n 37", {}, 3, 2, "37"},
        {"-1", {}, 1, 1, "-1"}, {"4;1.5", {}, 1, 3, "1.5"}, {"10\n# a header only first", {}, 2, 1, "#"},
        {std::string(100, '7'), {}, 1, 1, "777777777777..."}, {"1,\x01\x7fz", {}, 1, 3, "??z"}};
    // clang-format on
    for (const auto& [text, spins, line, column, entry] : rows) {
        const auto result = parseSpinFile(text);
        const auto* read = std::get_if<std::vector<int>>(&result);
        const auto e = read ? SpinFileError{} : std::get<SpinFileError>(result);
        EXPECT_EQ(std::tie(read ? *read : spins, e.line, e.column, e.entry),
                  std::tie(spins, line, column, entry))
            << text;
    }
    EXPECT_EQ(spinFileMessage({2, 4, "37"}),
              "Line 2, column 4: \"37\" is not a number from 0 to 36. Nothing was imported.");
    EXPECT_EQ(spinFileMessage({}), "The file holds no spins. Nothing was imported.");
}

}  // namespace
}  // namespace brisvale::testing
