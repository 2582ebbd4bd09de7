#include "storage/properties.hpp"

#include <gtest/gtest.h>

#include <string>

#include "support/files.hpp"

namespace brisvale {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::withBac;
using testing::writeBytes;

class PropertiesTest : public ::testing::Test {
  protected:
    TempDir dir;
    std::filesystem::path file = dir / "CasinoHistory.dat";
};

TEST_F(PropertiesTest, NewFileHoldsSectionLineAndKeyLine) {
    ASSERT_TRUE(SetProperty(1, "name1", "05,17,00", file));
    EXPECT_EQ(readBytes(file), "index: 1\r\nname1: 05,17,00\r\n");
    EXPECT_FALSE(std::filesystem::exists(withBac(file)));

    const auto other = dir / "Wagering.dat";
    ASSERT_TRUE(SetProperty(3, "Even", "1,2,4,Q", other));
    EXPECT_EQ(readBytes(other), "index: 3\r\nEven: 1,2,4,Q\r\n");
}

TEST_F(PropertiesTest, MissingFileOrKeyReadsAsBang) {
    EXPECT_EQ(GetProperty(1, "name1", file), "!");
    EXPECT_FALSE(std::filesystem::exists(file)) << "a read must not create the file";
    writeBytes(file, "index: 1\r\nname2: 9\r\n");
    EXPECT_EQ(GetProperty(1, "name1", file), "!");
    EXPECT_EQ(GetProperty(-99, "name1", file), "!");
}

struct GetCase {
    const char* name;
    std::string bytes;
    std::int32_t index;
    std::string key;
    std::string expected;
};

class GetPropertyCases : public PropertiesTest, public ::testing::WithParamInterface<GetCase> {};

TEST_P(GetPropertyCases, ReadsTheExactKey) {
    const GetCase& c = GetParam();
    writeBytes(file, c.bytes);
    EXPECT_EQ(GetProperty(c.index, c.key, file), c.expected);
    EXPECT_EQ(readBytes(file), c.bytes) << "a read must leave the file alone";
}

const GetCase kGetCases[] = {
    {"plain", "index: 1\r\na: 1\r\nb: 2\r\n", 1, "b", "2"},
    {"blanks_around_value", "index: 1\r\nk:    v w   \r\n", 1, "k", "v w"},
    {"tabs_around_value", "index: 1\r\nk:\t v \t\r\n", 1, "k", "v"},
    {"no_blank_after_colon", "index: 1\r\nk:v\r\n", 1, "k", "v"},
    {"empty_value", "index: 1\r\nk: \r\n", 1, "k", ""},
    {"colon_in_value", "index: 1\r\nurl: http://x.test/a\r\n", 1, "url", "http://x.test/a"},
    {"single_byte_text", "index: 1\r\nk: caf\xe9 \x80\r\n", 1, "k", "caf\xe9 \x80"},
    {"last_line_without_end", "index: 1\r\nk: 7", 1, "k", "7"},
    {"case_sensitive", "index: 1\r\nName: 1\r\n", 1, "name", "!"},
    {"first_match_wins", "index: 1\r\nk: 1\r\nk: 2\r\n", 1, "k", "1"},
    {"name1_before_name10", "index: 1\r\nname1: a\r\nname10: b\r\n", 1, "name1", "a"},
    {"name10_after_name1", "index: 1\r\nname1: a\r\nname10: b\r\n", 1, "name10", "b"},
    {"name1_after_name10", "index: 1\r\nname10: b\r\nname1: a\r\n", 1, "name1", "a"},
    {"name10_before_name1", "index: 1\r\nname10: b\r\nname1: a\r\n", 1, "name10", "b"},
    {"only_longer_key", "index: 1\r\nname10: b\r\n", 1, "name1", "!"},
    {"shorter_key_is_not_longer", "index: 1\r\nname: a\r\n", 1, "name1", "!"},
    {"key_inside_other_line", "index: 1\r\nx: name1: a\r\n", 1, "name1", "!"},
    {"index_in_earlier_value", "index: 1\r\na: an index here\r\nb: 2\r\n", 1, "b", "2"},
    {"index_in_earlier_key", "index: 1\r\nmyindex: 5\r\nb: 2\r\n", 1, "b", "2"},
    {"key_holding_index", "index: 1\r\nmyindex: 5\r\nb: 2\r\n", 1, "myindex", "5"},
    {"search_from_section", "a: before\r\nindex: 1\r\na: after\r\n", 1, "a", "after"},
    {"any_section", "a: before\r\nindex: 1\r\na: after\r\n", -99, "a", "before"},
    {"no_such_section", "a: before\r\nindex: 1\r\na: after\r\n", 2, "a", "before"},
    {"section_line_is_whole", "index: 10\r\na: x\r\nindex: 1\r\na: y\r\n", 1, "a", "y"},
    {"properties_end_is_ordinary", "index: 1\r\n_properties_end\r\nk: 3\r\n", 1, "k", "3"},
    {"cr_only", "index: 1\ra: 1\rb: 2\r", 1, "b", "2"},
    {"cr_only_first_key", "index: 1\ra: 1\rb: 2\r", 1, "a", "1"},
    {"lf_only", "index: 1\na: 1\nb: 2\n", 1, "a", "1"},
    {"lf_only_last_key", "index: 1\na: 1\nb: 2\n", 1, "b", "2"},
    {"mixed_line_ends", "index: 1\na: 1\r\nb: 2\rc: 3\n", 1, "c", "3"},
    {"section_in_lf_file", "a: 0\nindex: 1\na: 1\n", 1, "a", "1"},
};

INSTANTIATE_TEST_SUITE_P(Storage, GetPropertyCases, ::testing::ValuesIn(kGetCases),
                         testing::CaseName());

struct SetCase {
    const char* name;
    std::string before;
    std::int16_t index;
    std::string key;
    std::string value;
    std::string after;
};

class SetPropertyCases : public PropertiesTest, public ::testing::WithParamInterface<SetCase> {};

TEST_P(SetPropertyCases, ChangesOnlyTheKeyLine) {
    const SetCase& c = GetParam();
    writeBytes(file, c.before);
    ASSERT_TRUE(SetProperty(c.index, c.key, c.value, file));
    EXPECT_EQ(readBytes(file), c.after);
    EXPECT_FALSE(std::filesystem::exists(withBac(file)));
}

const SetCase kSetCases[] = {
    {"replace_keeps_order", "index: 1\r\na: 1\r\nb: 2\r\nc: 3\r\n", 1, "b", "20",
     "index: 1\r\na: 1\r\nb: 20\r\nc: 3\r\n"},
    {"append_new_key", "index: 1\r\na: 1\r\n", 1, "b", "2", "index: 1\r\na: 1\r\nb: 2\r\n"},
    {"append_after_unended_line", "index: 1\r\na: 1", 1, "b", "2", "index: 1\r\na: 1\r\nb: 2\r\n"},
    {"replace_unended_last_line", "index: 1\r\na: 1", 1, "a", "5", "index: 1\r\na: 5\r\n"},
    {"replace_first_of_two", "index: 1\r\nk: 1\r\nk: 2\r\n", 1, "k", "9",
     "index: 1\r\nk: 9\r\nk: 2\r\n"},
    {"set_name1_before_name10", "index: 1\r\nname1: a\r\nname10: b\r\n", 1, "name1", "c",
     "index: 1\r\nname1: c\r\nname10: b\r\n"},
    {"set_name1_after_name10", "index: 1\r\nname10: b\r\nname1: a\r\n", 1, "name1", "c",
     "index: 1\r\nname10: b\r\nname1: c\r\n"},
    {"set_name10_after_name1", "index: 1\r\nname1: a\r\nname10: b\r\n", 1, "name10", "c",
     "index: 1\r\nname1: a\r\nname10: c\r\n"},
    {"set_name1_beside_only_name10", "index: 1\r\nname10: b\r\n", 1, "name1", "c",
     "index: 1\r\nname10: b\r\nname1: c\r\n"},
    {"index_in_values_before", "index: 1\r\na: index 5\r\nindex: 1x\r\nb: 1\r\nc: 2\r\n", 1, "c",
     "3", "index: 1\r\na: index 5\r\nindex: 1x\r\nb: 1\r\nc: 3\r\n"},
    {"index_in_values_after", "index: 1\r\nb: 1\r\na: index 5\r\nc: 2\r\n", 1, "b", "7",
     "index: 1\r\nb: 7\r\na: index 5\r\nc: 2\r\n"},
    {"second_section", "index: 1\r\na: 1\r\nindex: 2\r\na: 2\r\n", 2, "a", "9",
     "index: 1\r\na: 1\r\nindex: 2\r\na: 9\r\n"},
    {"before_section_kept", "a: 0\r\nindex: 1\r\na: 1\r\n", 1, "a", "9",
     "a: 0\r\nindex: 1\r\na: 9\r\n"},
    {"no_section_line", "a: 1\r\n", 1, "a", "2", "a: 2\r\n"},
    {"lf_file_keeps_other_lines", "index: 1\na: 1\nb: 2\n", 1, "a", "5",
     "index: 1\na: 5\r\nb: 2\n"},
    {"cr_file_append", "index: 1\ra: 1\r", 1, "b", "2", "index: 1\ra: 1\rb: 2\r\n"},
    {"same_value_unchanged", "index: 1\r\na: 1\r\n", 1, "a", "1", "index: 1\r\na: 1\r\n"},
    {"empty_value", "index: 1\r\na: 1\r\n", 1, "a", "", "index: 1\r\na: \r\n"},
};

INSTANTIATE_TEST_SUITE_P(Storage, SetPropertyCases, ::testing::ValuesIn(kSetCases),
                         testing::CaseName());

struct DeleteCase {
    const char* name;
    std::string before;
    std::string key;
    std::string after;
};

class DeletePropertyCases : public PropertiesTest,
                            public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeletePropertyCases, RemovesOnlyTheKeyLines) {
    const DeleteCase& c = GetParam();
    writeBytes(file, c.before);
    ASSERT_TRUE(DeleteProperty(1, c.key, file));
    EXPECT_EQ(readBytes(file), c.after);
    EXPECT_FALSE(std::filesystem::exists(withBac(file)));
}

const DeleteCase kDeleteCases[] = {
    {"name1_before_longer", "index: 1\r\nname1: a\r\nname10: b\r\nname11: c\r\n", "name1",
     "index: 1\r\nname10: b\r\nname11: c\r\n"},
    {"name1_after_longer", "index: 1\r\nname10: b\r\nname1: a\r\nname12: c\r\n", "name1",
     "index: 1\r\nname10: b\r\nname12: c\r\n"},
    {"name10_only", "index: 1\r\nname1: a\r\nname10: b\r\n", "name10", "index: 1\r\nname1: a\r\n"},
    {"every_line_of_key", "index: 1\r\nk: 1\r\nx: 2\r\nk: 3\r\n", "k", "index: 1\r\nx: 2\r\n"},
    {"before_section_kept", "k: 0\r\nindex: 1\r\nk: 1\r\n", "k", "k: 0\r\nindex: 1\r\n"},
    {"key_later_in_line_kept", "index: 1\r\nx: k: 1\r\nk: 2\r\n", "k", "index: 1\r\nx: k: 1\r\n"},
    {"index_in_value", "index: 1\r\na: index\r\nk: 1\r\nb: 2\r\n", "k",
     "index: 1\r\na: index\r\nb: 2\r\n"},
    {"unended_last_line", "index: 1\r\na: 1\r\nk: 2", "k", "index: 1\r\na: 1\r\n"},
    {"lf_file", "index: 1\nk: 1\na: 2\n", "k", "index: 1\na: 2\n"},
    {"missing_key", "index: 1\r\na: 1\r\n", "k", "index: 1\r\na: 1\r\n"},
    // Found by fuzzing: a lone CR and an LF meeting would read as one line end.
    {"lone_cr_then_lf_stay_two_lines", "index: 1\r\n\rk: 1\r\n\na: 2\r\n", "k",
     "index: 1\r\n\r\n\na: 2\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Storage, DeletePropertyCases, ::testing::ValuesIn(kDeleteCases),
                         testing::CaseName());

// Lines the program never writes itself must come through a set and a delete untouched.
TEST_F(PropertiesTest, UnrelatedLinesSurviveByteForByte) {
    const std::string head =
        "garbage without colon\r\n\r\n  spaced: x \r\nindex: 1\r\n_properties_end\r\n";
    const std::string middle =
        ":starts with colon\r\nindex: 2\r\nname10: 1,2,3\r\n\xff\xfe\x81 bytes\r\nlf only\n"
        "cr only\rtab\there: \t\r\n";
    const std::string tail = "name2: index index\r\nlast: no line end";
    writeBytes(file, head + "name1: 00,01\r\n" + middle + tail);

    ASSERT_TRUE(SetProperty(1, "name1", "36,35", file));
    EXPECT_EQ(readBytes(file), head + "name1: 36,35\r\n" + middle + tail);
    ASSERT_TRUE(DeleteProperty(1, "name1", file));
    EXPECT_EQ(readBytes(file), head + middle + tail);
    ASSERT_TRUE(SetProperty(1, "name1", "07", file));
    EXPECT_EQ(readBytes(file), head + middle + tail + "\r\nname1: 07\r\n");
}

TEST_F(PropertiesTest, DeleteWorksOnTheGivenPath) {
    const auto history = dir / "CasinoHistory.dat";
    const auto other = dir / "Other.dat";
    writeBytes(history, "index: 1\r\nk: 1\r\n");
    writeBytes(other, "index: 1\r\nk: 2\r\nj: 3\r\n");
    ASSERT_TRUE(DeleteProperty(1, "k", other));
    EXPECT_EQ(readBytes(other), "index: 1\r\nj: 3\r\n");
    EXPECT_EQ(readBytes(history), "index: 1\r\nk: 1\r\n");
}

TEST_F(PropertiesTest, DeleteFromMissingFileCreatesNothing) {
    EXPECT_TRUE(DeleteProperty(1, "k", file));
    EXPECT_FALSE(std::filesystem::exists(file));
}

// A line break in a key or value would split the line; a colon in a key would make it readable
// under a shorter key. Such writes are refused and the file is left alone.
TEST_F(PropertiesTest, RefusesTextThatWouldBreakTheLineForm) {
    const std::string before = "index: 1\r\na: 1\r\n";
    writeBytes(file, before);
    EXPECT_FALSE(SetProperty(1, "a", "1\r\nindex: 2", file));
    EXPECT_FALSE(SetProperty(1, "a", "1\nb: 2", file));
    EXPECT_FALSE(SetProperty(1, "b\r", "1", file));
    EXPECT_FALSE(SetProperty(1, "a:b", "1", file));
    EXPECT_FALSE(DeleteProperty(1, "a:", file));
    // Found by fuzzing: the key "index" would be the section line itself.
    EXPECT_FALSE(SetProperty(1, "index", "2", file));
    EXPECT_FALSE(DeleteProperty(1, "index", file));
    EXPECT_EQ(readBytes(file), before);
}

TEST_F(PropertiesTest, KeepsTheFilePermissions) {
    writeBytes(file, "index: 1\r\na: 1\r\n");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    ASSERT_TRUE(SetProperty(1, "a", "2", file));
    EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
}

TEST_F(PropertiesTest, WriteIntoMissingFolderFails) {
    const auto lost = dir / "no-folder" / "x.dat";
    EXPECT_FALSE(SetProperty(1, "a", "1", lost));
    EXPECT_EQ(GetProperty(1, "a", lost), "!");
    EXPECT_FALSE(std::filesystem::exists(dir / "no-folder"));
}

TEST_F(PropertiesTest, FileExistsOnlyForRegularFiles) {
    EXPECT_FALSE(FileExists(file));
    writeBytes(file, "");
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(dir.path));
    EXPECT_FALSE(FileExists(dir / "no-folder" / "x.dat"));
}

}  // namespace
}  // namespace brisvale
