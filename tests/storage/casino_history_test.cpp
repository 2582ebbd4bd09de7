// The casino lines of the history file: listed whatever their keys, added after the highest,
// and deleted without touching any other byte or filling a gap from beyond it.

#include <gtest/gtest.h>

#include "storage/casino_history.hpp"
#include "support/files.hpp"

namespace brisvale::testing {
namespace {

struct HistoryCase {
    const char* name;
    std::string file;
    std::vector<int> keys;  // as listed
    int deleted;
    std::string after;
};

class HistoryCases : public ::testing::TestWithParam<HistoryCase> {
  protected:
    TempDir dir;
    std::filesystem::path file = dir / "CasinoHistory.dat";
};

TEST_P(HistoryCases, ListAddAndDelete) {
    const HistoryCase& c = GetParam();
    writeBytes(file, c.file);
    const auto listed = readCasinos(file);
    ASSERT_TRUE(listed.has_value());
    std::vector<int> keys;
    for (const CasinoLine& line : *listed) keys.push_back(line.key);
    EXPECT_EQ(keys, c.keys);
    ASSERT_TRUE(deleteCasino(file, c.deleted));
    EXPECT_EQ(readBytes(file), c.after);
    const int next = readCasinos(file)->empty() ? 1 : readCasinos(file)->back().key + 1;
    EXPECT_EQ(addCasino(file, "New,"), next);
    EXPECT_EQ(readCasinos(file)->back(), (CasinoLine{next, "New,"}));
}

const HistoryCase kHistoryCases[] = {
    {"gap_after_the_deleted",
     "index: 1\r\nname1: A,\r\nname3: C,4,\r\n",
     {1, 3},
     1,
     "index: 1\r\nname3: C,4,\r\n"},
    {"run_then_gap",
     "index: 1\r\nname1: A,\r\nname2: B,\r\nname3: C,\r\nname5: E,\r\n",
     {1, 2, 3, 5},
     2,
     "index: 1\r\nname1: A,\r\nname2: C,\r\nname5: E,\r\n"},
    {"file_order_and_other_lines_kept",
     "junk\r\nindex: 1\nname2:  B, \rname10: J,\r\nforeign: x\r\nname1: A,\r\nname3: C",
     {1, 2, 3, 10},
     1,
     "junk\r\nindex: 1\nname1:  B, \rname10: J,\r\nforeign: x\r\nname2: C"},
    {"a_key_written_twice",
     "index: 1\r\nname1: A,\r\nname1: A2,\r\nname2: B,\r\n",
     {1, 2},
     1,
     "index: 1\r\nname1: B,\r\n"},
    {"not_casino_keys",
     "index: 1\r\nname01: Z,\r\nname0: Y,\r\nnameX: Q,\r\nname1: A,\r\n",
     {1},
     1,
     "index: 1\r\nname01: Z,\r\nname0: Y,\r\nnameX: Q,\r\n"},
    {"before_the_section_line",
     "name1: Pre,\r\nindex: 1\r\nname1: A,\r\n",
     {1},
     1,
     "name1: Pre,\r\nindex: 1\r\n"},
    {"lone_cr_then_lf_stay_two_lines",
     "index: 1\r\n\rname1: A,\r\n\nname3: C,\r\n",
     {1, 3},
     1,
     "index: 1\r\n\r\n\nname3: C,\r\n"},
    {"missing_key_changes_nothing",
     "index: 1\r\nname2: B,\r\n",
     {2},
     7,
     "index: 1\r\nname2: B,\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Storage, HistoryCases, ::testing::ValuesIn(kHistoryCases), CaseName());

TEST(CasinoHistory, MissingAndUnreadableFiles) {
    TempDir dir;
    const auto file = dir / "CasinoHistory.dat";
    EXPECT_EQ(readCasinos(file), std::vector<CasinoLine>{});
    EXPECT_EQ(addCasino(file, "A,"), 1);
    EXPECT_EQ(readBytes(file), "index: 1\r\nname1: A,\r\n");
    writeBytes(file, "index: 1\r\nname999999999: Z,\r\n");
    EXPECT_EQ(addCasino(file, "A,"), std::nullopt) << "no key after the highest";
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    EXPECT_EQ(readCasinos(file), std::nullopt);
    EXPECT_EQ(addCasino(file, "A,"), std::nullopt);
    EXPECT_FALSE(deleteCasino(file, 1));
}

}  // namespace
}  // namespace brisvale::testing
