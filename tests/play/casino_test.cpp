// Casinos through the Advisor: creating, recording, reloading, deleting, the names a user may
// type, and the history file as the user finds it.

#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

class Casinos : public AdvisorFixture {
  protected:
    void create(std::string_view name) {
        dialogs.answers.emplace_back(name);
        set("Casino", "New...");
    }
    // Classic play that never bets, so every press only counts and records the spin.
    void startWatching() {
        set("chk7_1", "1");
        threshold(kEvenBoxes, 50);
        set("Text18", "1000");
        pressButton();
        ASSERT_EQ(form().Button1.caption, "Submit");
    }
    // The X button, answered Yes.
    void remove() {
        dialogs.answers.emplace_back("yes");
        pressButton("Command1");
    }
    std::vector<std::string> listed() const { return form().Casino.items; }
    std::string history() const { return readBytes(historyFile()); }
};

TEST_F(Casinos, CreatingAlphaWritesItsLine) {
    ASSERT_FALSE(std::filesystem::exists(historyFile()));
    create("Alpha");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "New Casino");
    EXPECT_EQ(dialogs.boxes[0].text, "Enter the Casino Name");
    EXPECT_EQ(history(), "index: 1\r\nname1: Alpha,\r\n");
    EXPECT_EQ(listed(), (std::vector<std::string>{"Select Casino", "New...", "Alpha"}));
    EXPECT_EQ(form().Casino.text(), "Alpha");
    EXPECT_EQ(state().CasinoName, "- Alpha");
    EXPECT_EQ(state().RecordedSpins, 0);
}

TEST_F(Casinos, SpinsAreRecordedAtOnceAndFoundAgainAfterARestart) {
    create("Alpha");
    startWatching();
    spins({17, 0, 32});
    EXPECT_EQ(history(), "index: 1\r\nname1: Alpha,17,0,32,\r\n");
    EXPECT_EQ(form().Text1.text(), "     32\r\n   0\r\n17\r\n");
    EXPECT_EQ(state().RecordedSpins, 3);
    tick();
    EXPECT_EQ(
        form().caption,
        "Brisvale - Total Spins: 3 - Spins This Table: 3 - Wins: 0 - Alpha - 3 Recorded Spins");

    restart();
    EXPECT_EQ(listed(), (std::vector<std::string>{"Select Casino", "New...", "Alpha"}));
    EXPECT_EQ(form().Casino.index, 0);
    set("Casino", "Alpha");
    EXPECT_EQ(form().Text1.text(), "     32\r\n   0\r\n17\r\n");
    EXPECT_EQ(state().RecordedSpins, 3);
    startWatching();
    spin(5);
    EXPECT_EQ(history(), "index: 1\r\nname1: Alpha,17,0,32,5,\r\n");
    EXPECT_EQ(state().RecordedSpins, 4);
}

// "Select Casino" ends the recording, and the caption says so.
TEST_F(Casinos, SelectCasinoEndsTheRecordingVisibly) {
    create("Alpha");
    startWatching();
    spin(4);
    set("Casino", "Select Casino");
    tick();
    EXPECT_EQ(form().caption, "Brisvale - Total Spins: 1 - Spins This Table: 1 - Wins: 0 ");
    const std::string before = history();
    spins({4, 9});
    EXPECT_EQ(history(), before);
    EXPECT_EQ(form().Text1.lineCount(), 3u);
}

TEST_F(Casinos, CancellingTheNameChangesNothing) {
    for (const char* answer : {static_cast<const char*>(""), static_cast<const char*>(nullptr)}) {
        restart();
        if (answer) dialogs.answers.emplace_back(answer);
        set("Casino", "New...");
        EXPECT_EQ(form().Casino.index, 0);
        EXPECT_EQ(form().Casino.text(), "Select Casino");
        EXPECT_EQ(listed().size(), 2u);
        EXPECT_FALSE(std::filesystem::exists(historyFile()));
    }
    create("Alpha");
    const std::string before = history();
    set("Casino", "New...");  // no answer queued: the box is cancelled
    EXPECT_EQ(history(), before);
    EXPECT_EQ(form().Casino.text(), "Select Casino");
    EXPECT_EQ(state().CasinoName, "");  // Alpha is no longer recorded, nor named
    EXPECT_EQ(listed().size(), 3u);
}

TEST_F(Casinos, NamesThatCannotBeStoredAreRefused) {
    struct Case {
        const char* name;
        const char* message;
    };
    const Case cases[] = {
        {"   ", "Please enter a name for the casino."},
        {"Alpha, Beta", "A casino name cannot contain a comma."},
        {"two\tparts", "A casino name must be one line of text."},
        {"New...", "A casino cannot be named \"New...\" or \"Select Casino\"."},
        {" Select Casino ", "A casino cannot be named \"New...\" or \"Select Casino\"."},
    };
    create("Kept");
    const std::string before = history();
    for (const Case& c : cases) {
        dialogs.boxes.clear();
        create(c.name);
        ASSERT_EQ(dialogs.boxes.size(), 2u) << c.name;
        EXPECT_EQ(dialogs.boxes[1].text, c.message);
        EXPECT_EQ(form().Casino.text(), "Select Casino");
        EXPECT_EQ(listed().size(), 3u);
        EXPECT_EQ(history(), before);
    }
}

// Colons, the word "index" and even a whole section line are plain text inside a value.
TEST_F(Casinos, NamesWithColonsOrIndexAreStoredSafely) {
    const std::vector<std::string> names = {"Alpha",    "Bet:Way",  "index",
                                            "index: 1", "name1: x", "Omega"};
    for (const auto& name : names) create(name);
    startWatching();
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        set("Casino", names[i]);
        spin(i + 1);
    }
    restart();
    std::vector<std::string> want = {"Select Casino", "New..."};
    want.insert(want.end(), names.begin(), names.end());
    EXPECT_EQ(listed(), want);
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        set("Casino", names[i]);
        EXPECT_EQ(form().Casino.index, i + 2);
        EXPECT_EQ(state().CasinoName, "- " + names[i]);
        EXPECT_EQ(state().RecordedSpins, 1) << names[i];
        EXPECT_EQ(form().Text1.text(), (i + 1) % 2 ? "     " + std::to_string(i + 1) + "\r\n"
                                                   : std::to_string(i + 1) + "\r\n");
    }
    EXPECT_EQ(history(),
              "index: 1\r\nname1: Alpha,1,\r\nname2: Bet:Way,2,\r\nname3: index,3,\r\n"
              "name4: index: 1,4,\r\nname5: name1: x,5,\r\nname6: Omega,6,\r\n");
}

TEST_F(Casinos, NamesKeepTheFormTheyReadBackIn) {
    create("  Spaced Out  ");
    EXPECT_EQ(form().Casino.text(), "Spaced Out");
    restart();
    EXPECT_EQ(listed().back(), "Spaced Out");
}

// Casino 1's key is the start of the keys of casinos 10 to 19: only casino 1 may go.
TEST_F(Casinos, DeletingCasinoOneAmongNineteenKeepsEveryOtherLine) {
    std::string file = "index: 1\r\n";
    std::vector<std::string> values;
    for (int k = 1; k <= 19; ++k) {
        values.push_back("Casino " + std::to_string(k) + "," + std::to_string(k % 37) + ",0," +
                         std::to_string((k * 7) % 37) + ",");
        file += "name" + std::to_string(k) + ": " + values.back() + "\r\n";
    }
    writeBytes(historyFile(), file);
    restart();
    ASSERT_EQ(listed().size(), 21u);
    set("Casino", "Casino 1");
    ASSERT_EQ(state().RecordedSpins, 3);
    remove();

    std::string want = "index: 1\r\n";
    for (int k = 2; k <= 19; ++k) {
        want += "name" + std::to_string(k - 1) + ": " + values[k - 1] + "\r\n";
    }
    EXPECT_EQ(history(), want);
    EXPECT_EQ(form().Casino.index, 0);
    EXPECT_EQ(listed().size(), 20u);
    EXPECT_EQ(listed()[2], "Casino 2");
    EXPECT_EQ(form().Text1.lineCount(), 0u);
    // The caption no longer names the deleted casino.
    EXPECT_EQ(state().CasinoName, "");
    EXPECT_EQ(state().RecordedSpins, 0);
}

TEST_F(Casinos, DeletingTheMiddleOfThreeRenumbersTheThird) {
    for (const char* name : {"A", "B", "C"}) create(name);
    set("Casino", "B");
    remove();
    EXPECT_EQ(history(), "index: 1\r\nname1: A,\r\nname2: C,\r\n");
    EXPECT_EQ(listed(), (std::vector<std::string>{"Select Casino", "New...", "A", "C"}));
    set("Casino", "A");
    remove();
    set("Casino", "C");
    remove();
    EXPECT_EQ(history(), "index: 1\r\n");
    EXPECT_EQ(listed().size(), 2u);
}

TEST_F(Casinos, DeleteNeedsACasinoSelected) {
    create("A");
    set("Casino", "Select Casino");
    const std::string before = history();
    remove();
    EXPECT_EQ(history(), before);
    EXPECT_EQ(listed().size(), 3u);
    EXPECT_EQ(dialogs.boxes.size(), 1u);  // the name's input box; no question
}

// A damaged line shows what it can; the next spin is added to it and nothing is lost.
TEST_F(Casinos, ADamagedLineLoadsWhatItCan) {
    const std::string first = "index: 1\r\nname1: Alpha,4,\r\n";
    const std::string last = "name3: Gamma,9,\r\n";
    writeBytes(historyFile(), first + "name2: Beta,17,x,,40,-3,5\r\n" + last);
    restart();
    set("Casino", "Beta");
    EXPECT_EQ(form().Text1.text(), "     5\r\n17\r\n");
    EXPECT_EQ(state().RecordedSpins, 6);
    startWatching();
    spin(8);
    EXPECT_EQ(history(), first + "name2: Beta,17,x,,40,-3,5,8,\r\n" + last);
}

TEST_F(Casinos, AnEmptyLineKeepsItsPlaceInTheList) {
    writeBytes(historyFile(), "index: 1\r\nname1: Alpha,\r\nname2:\r\nname3: Gamma,7,\r\n");
    restart();
    EXPECT_EQ(listed(),
              (std::vector<std::string>{"Select Casino", "New...", "Alpha", "", "Gamma"}));
    set("Casino", "Alpha");
    remove();
    EXPECT_EQ(history(), "index: 1\r\nname1:\r\nname2: Gamma,7,\r\n");
    set("Casino", "Gamma");
    EXPECT_EQ(state().RecordedSpins, 1);
}

// Keys with gaps: every casino is listed, a new one takes the key after the highest, and a
// delete never pulls a casino across a gap.
TEST_F(Casinos, GapsInTheKeysLoseNoCasino) {
    writeBytes(historyFile(), "index: 1\r\nname1: Alpha,1,\r\nname3: Gamma,3,\r\n");
    restart();
    EXPECT_EQ(listed(), (std::vector<std::string>{"Select Casino", "New...", "Alpha", "Gamma"}));
    create("Delta");
    EXPECT_EQ(history(), "index: 1\r\nname1: Alpha,1,\r\nname3: Gamma,3,\r\nname4: Delta,\r\n");
    set("Casino", "Alpha");
    remove();
    EXPECT_EQ(history(), "index: 1\r\nname3: Gamma,3,\r\nname4: Delta,\r\n");
    EXPECT_EQ(listed(), (std::vector<std::string>{"Select Casino", "New...", "Gamma", "Delta"}));
    set("Casino", "Gamma");
    EXPECT_EQ(state().RecordedSpins, 1);
    startWatching();
    spin(5);
    EXPECT_EQ(history(), "index: 1\r\nname3: Gamma,3,5,\r\nname4: Delta,\r\n");
}

// A write that fails (a folder stands where the file should be, as a full disk would refuse
// it) is told once while it keeps failing; the spin stays counted and goes with the next write
// that succeeds. Closing tells what could not be kept.
TEST_F(Casinos, FailedWritesAreToldOnceAndLoseNoSpin) {
    const auto block = [this](const std::filesystem::path& file) {
        std::filesystem::rename(file, dir.path / "aside");
        std::filesystem::create_directory(file);
    };
    const auto unblock = [this](const std::filesystem::path& file) {
        std::filesystem::remove(file);
        std::filesystem::rename(dir.path / "aside", file);
    };
    const std::string spinKept =
        "Brisvale could not write to CasinoHistory.dat. The spin was kept and will be written "
        "with the next one.";
    create("Alpha");
    startWatching();
    spin(1);
    dialogs.boxes.clear();
    block(historyFile());
    spins({2, 3});
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{spinKept});
    EXPECT_EQ(state().RecordedSpins, 3);
    unblock(historyFile());
    spin(4);
    EXPECT_EQ(history(), "index: 1\r\nname1: Alpha,1,2,3,4,\r\n");
    block(historyFile());
    spin(5);
    const auto settings = a().settingsFile();
    std::filesystem::rename(settings, dir.path / "settings");
    std::filesystem::create_directory(settings);
    ASSERT_TRUE(a().userMenu("mnuExit", 0).ok);
    EXPECT_EQ(
        dialogs.texts(),
        (std::vector<std::string>{
            spinKept, spinKept,
            "Brisvale could not write to CasinoHistory.dat. The last spin of Alpha was not kept.",
            "Brisvale could not write to " + settings.filename().string() +
                ". The settings saved before were kept."}));
    unblock(historyFile());
    EXPECT_EQ(history(), "index: 1\r\nname1: Alpha,1,2,3,4,\r\n");
}

// History files as a user may find them: each loads what it holds, the chosen casino records
// a spin, and every other byte of the file survives.
TEST_F(Casinos, HistoryFilesAsFoundLoseNoLines) {
    const std::string big = "name1: Big," + [] {
        std::string spins;
        for (int i = 0; i < 350000; ++i) spins += "17,";
        return spins;
    }();
    // Bytes of no text at all, NUL included.
    const std::string garbage =
        std::string(1, '\0') + "\x01\xfe\xff junk \x7f" + std::string(1, '\0');
    struct Case {
        const char* what;
        std::string file;
        std::string backup;  // a "<file>.bac" left beside it; empty for none
        std::string choose;  // a listed casino, or "+name" to create one
        std::vector<std::string> casinos;
        int recorded;
        std::string after;  // the file after one spin of 9 at the chosen casino
    };
    const Case cases[] = {
        {"cut short",
         "index: 1\r\nname1: Alpha,17,0\r\nname2: Be",
         "",
         "Alpha",
         {"Alpha", "Be"},
         2,
         "index: 1\r\nname1: Alpha,17,0,9,\r\nname2: Be"},
        {"garbage line",
         "index: 1\r\nname1: Alpha,17,\r\n" + garbage + "\r\nname2: Beta,5,\r\n",
         "",
         "Beta",
         {"Alpha", "Beta"},
         1,
         "index: 1\r\nname1: Alpha,17,\r\n" + garbage + "\r\nname2: Beta,5,9,\r\n"},
        {"garbage only", garbage, "", "+Gamma", {"Gamma"}, 0, garbage + "\r\nname1: Gamma,9,\r\n"},
        {"a megabyte line",
         "index: 1\r\n" + big + "\r\nname2: Small,3,\r\n",
         "",
         "Big",
         {"Big", "Small"},
         32767,
         "index: 1\r\n" + big + "9,\r\nname2: Small,3,\r\n"},
        {"CR line ends",
         "index: 1\rname1: Alpha,17,\rname2: Beta,5,\r",
         "",
         "Beta",
         {"Alpha", "Beta"},
         1,
         "index: 1\rname1: Alpha,17,\rname2: Beta,5,9,\r\n"},
        {"LF line ends",
         "index: 1\nname1: Alpha,17,\nname2: Beta,5,\n",
         "",
         "Alpha",
         {"Alpha", "Beta"},
         1,
         "index: 1\nname1: Alpha,17,9,\r\nname2: Beta,5,\n"},
        {"backup beside the file",
         "index: 1\r\nname1: Alpha,17,\r\n",
         "index: 1\r\nname1: Stale,\r\n",
         "Alpha",
         {"Alpha"},
         1,
         "index: 1\r\nname1: Alpha,17,9,\r\n"},
        {"backup alone",
         "",
         "index: 1\r\nname1: Saved,4,\r\n",
         "Saved",
         {"Saved"},
         1,
         "index: 1\r\nname1: Saved,4,9,\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(historyFile());
        if (!c.file.empty()) writeBytes(historyFile(), c.file);
        std::filesystem::path backup = historyFile();
        backup += ".bac";
        if (!c.backup.empty()) writeBytes(backup, c.backup);
        restart();
        dialogs.boxes.clear();
        if (c.choose[0] == '+') {
            create(c.choose.substr(1));
        } else {
            set("Casino", c.choose);
        }
        std::vector<std::string> want = {"Select Casino", "New..."};
        want.insert(want.end(), c.casinos.begin(), c.casinos.end());
        EXPECT_EQ(listed(), want);
        EXPECT_EQ(state().RecordedSpins, c.recorded);
        startWatching();
        spin(9);
        EXPECT_EQ(history(), c.after);
        EXPECT_FALSE(std::filesystem::exists(backup));
        EXPECT_EQ(dialogs.boxes.size(), c.choose[0] == '+' ? 1u : 0u);
    }
}

// A data folder that cannot be written: the user is told, and play goes on.
TEST_F(Casinos, AFolderThatCannotBeWrittenIsReported) {
    const std::filesystem::path notAFolder = dir.path / "plain-file";
    writeBytes(notAFolder, "x");
    advisor = std::make_unique<Advisor>(Ports{dialogs, browser, clock, random, nullptr});
    advisor->userOpenWindow({notAFolder, false, ""});
    dialogs.boxes.clear();
    create("Alpha");
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[1].text, "The casino could not be saved to CasinoHistory.dat.");
    EXPECT_EQ(form().Casino.text(), "Select Casino");
    EXPECT_EQ(listed().size(), 2u);
    startWatching();
    spins({3, 4});
    EXPECT_EQ(state().TotalSpins, 2);
    EXPECT_EQ(readBytes(notAFolder), "x");
}

TEST_F(Casinos, AReadOnlyFolderKeepsItsHistory) {
    create("Alpha");
    startWatching();
    spin(7);
    const std::string before = history();
    std::filesystem::permissions(
        dir.path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (std::ofstream(dir.path / "probe")) {
        std::filesystem::permissions(dir.path, std::filesystem::perms::owner_all);
        GTEST_SKIP() << "permissions do not bind this user (root)";
    }
    dialogs.boxes.clear();
    create("Beta");
    EXPECT_EQ(dialogs.boxes.back().text, "The casino could not be saved to CasinoHistory.dat.");
    set("Casino", "Alpha");
    spin(8);
    std::filesystem::permissions(dir.path, std::filesystem::perms::owner_all);
    EXPECT_EQ(history(), before);
}

}  // namespace
}  // namespace brisvale::testing
