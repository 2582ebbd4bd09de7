// The "Custom Wagering" dialog through the Advisor: what it shows, Defaults, OK, Cancel and the
// close box, and what reaches the wagering file and the play.

#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

constexpr const char* kEven = "1,2,4,8,16,32,64,Q";
constexpr const char* kDozen = "1,2,3,4,6,9,13,20,30,45,67,Q";
constexpr const char* kLine = "1,1,1,1,2,2,2,3,3,4,5,6,7,8,10,12,14,17,21,25,30,Q";
constexpr const char* kCorner = "1,1,1,1,1,1,2,2,2,2,3,3,4,4,5,5,6,7,8,9,10,12,14,16,18,20,23,Q";

constexpr const char* kInvalidMessage =
    "Invalid Wagering Values.\r\n\r\nNumerical: '1', '2'\r\n\r\nAllowed Characters: 'Q', 'S', or "
    "',' \r\n\r\nAll sequences must have an 'S' or a 'Q'\r\n\r\n'S' or 'Q' can't be the first "
    "digit in the sequence\r\n\r\nEG: 1,2,3,4,6,Q";

class WageringDialog : public AdvisorFixture {
  protected:
    void open() { ASSERT_TRUE(a().userMenu("mnuProg", 0).ok); }
    const WageringForm& dialog() const { return form().frmWagering; }
    std::string wageringFile() const { return readBytes(advisor->wageringFile()); }
    std::string value(std::string_view key) const {
        const std::string file = wageringFile();
        const std::string prefix = "\r\n" + std::string(key) + ": ";
        const std::size_t at = file.find(prefix);
        if (at == std::string::npos) return "!";
        const std::size_t start = at + prefix.size();
        return file.substr(start, file.find("\r\n", start) - start);
    }
};

TEST_F(WageringDialog, OpensShowingTheHeldState) {
    EXPECT_FALSE(dialog().open);
    open();
    EXPECT_TRUE(dialog().open);
    EXPECT_EQ(dialog().Text[1].text, kEven);
    EXPECT_EQ(dialog().Text[2].text, kDozen);
    EXPECT_EQ(dialog().Text[3].text, kDozen);  // rows share the dozen default
    EXPECT_EQ(dialog().Text[4].text, kLine);
    EXPECT_EQ(dialog().Text[5].text, kCorner);
    EXPECT_EQ(dialog().Check1.value, 1);
    EXPECT_EQ(dialog().Combo1.text(), "200");
    EXPECT_EQ(dialog().Combo2.text(), "1");
    EXPECT_EQ(dialog().Combo1.items.size(), 1000u);
    EXPECT_EQ(dialog().Combo2.items.size(), 10u);
    EXPECT_TRUE(dialog().Combo1.enabled);
    // The main window waits while the dialog is open.
    EXPECT_FALSE(a().userPress("Button1").ok);
    EXPECT_FALSE(a().userClickCell(5).ok);
}

TEST_F(WageringDialog, Check1EnablesCombo1Only) {
    open();
    set("frmWagering.Check1", "0");
    EXPECT_FALSE(dialog().Combo1.enabled);
    EXPECT_TRUE(dialog().Combo2.enabled);
    EXPECT_FALSE(a().userSet("frmWagering.Combo1", "5").ok);
    set("frmWagering.Combo2", "3");
    set("frmWagering.Check1", "1");
    EXPECT_TRUE(dialog().Combo1.enabled);
    set("frmWagering.Combo1", "5");
    EXPECT_EQ(dialog().Combo1.text(), "5");
}

TEST_F(WageringDialog, OkStoresEveryKeyAndReloadsTheState) {
    open();
    set("frmWagering.Text1", "2,4,Q");
    set("frmWagering.Text8", "1,1,S");
    set("frmWagering.Check1", "0");  // Combo1 keeps its value and is still stored
    set("frmWagering.Combo2", "4");
    pressButton("frmWagering.Command2");
    EXPECT_FALSE(dialog().open);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(value("even"), "2,4,Q");
    EXPECT_EQ(value("single"), "1,1,S");
    EXPECT_EQ(value("dozen"), kDozen);
    EXPECT_EQ(value("autoincrease"), "0");
    EXPECT_EQ(value("wagerincreasechips"), "200");
    EXPECT_EQ(value("wagerincreasehowmanychips"), "4");
    const Wagering& w = state().wagering;
    EXPECT_EQ(w.of(Family::Even), (Sequence{"2", "4", "Q"}));
    EXPECT_EQ(w.of(Family::Single), (Sequence{"1", "1", "S"}));
    EXPECT_EQ(w.AutoIncrease, 0);
    EXPECT_EQ(w.IncreaseChips, 200);
    EXPECT_EQ(w.IncreaseSteps, 4);

    // The next bet is announced from the new sequence.
    set("chk7_1", "1");
    threshold(kEvenBoxes, 0);
    set("Text18", "100");
    pressButton();
    spin(5);
    EXPECT_EQ(form().Label1.caption, "Bet $2 on Black");
}

// A file without the keys shows the order in which OK stores them.
TEST_F(WageringDialog, OkStoresTheKeysInTheirOrder) {
    std::filesystem::remove(a().wageringFile());
    open();
    pressButton("frmWagering.Command2");
    EXPECT_EQ(
        wageringFile(),
        std::string("index: 1\r\neven: ") + kEven + "\r\ndozen: " + kDozen + "\r\nrow: " + kDozen +
            "\r\nline: " + kLine + "\r\ncorner: " + kCorner +
            "\r\ntrio: 1,1,1,1,1,1,1,1,1,1,2,2,2,2,2,2,3,3,3,3,4,4,4,5,5,6,6,7,7,8,9,10,11,12,"
            "13,14,15,16,Q\r\nsplit: 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,2,2,2,2,2,2,2,2,3,3,3,"
            "3,3,3,4,4,4,4,5,5,5,6,6,6,7,7,8,8,9,9,10,10,11,Q\r\nsingle: " +
            std::string(defaultSequenceText(Family::Single)) +
            "\r\nautoincrease: 1\r\nwagerincreasechips: 200\r\nwagerincreasehowmanychips: "
            "1\r\n");
}

TEST_F(WageringDialog, AnInvalidBoxIsReportedOnceAndNothingIsStored) {
    const std::string before = wageringFile();
    const Wagering held = state().wagering;
    const char* invalid[] = {"1,2,3", "Q,1,2", "s,1,Q", "1,2,q", "1,,2,Q", "1,2,Q,", ""};
    for (const char* text : invalid) {
        SCOPED_TRACE(text);
        open();
        dialogs.boxes.clear();
        set("frmWagering.Text2", "1,2,S");  // a valid change beside the invalid one
        set("frmWagering.Text6", text);
        set("frmWagering.Text7", "1,2,4,Q");
        pressButton("frmWagering.Command2");
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].text, kInvalidMessage);
        EXPECT_EQ(dialogs.boxes[0].title, "Brisvale");
        EXPECT_EQ(form().focus, "frmWagering.Text6");
        EXPECT_TRUE(dialog().open);
        EXPECT_EQ(wageringFile(), before);
        EXPECT_EQ(state().wagering.of(Family::Dozen), held.of(Family::Dozen));
        pressButton("frmWagering.Command3");
    }
}

TEST_F(WageringDialog, CancelStoresNothingAndTheNextOpeningShowsTheHeldState) {
    const std::string before = wageringFile();
    open();
    set("frmWagering.Text1", "5,Q");
    set("frmWagering.Combo1", "7");
    pressButton("frmWagering.Command3");
    EXPECT_FALSE(dialog().open);
    EXPECT_EQ(wageringFile(), before);
    EXPECT_EQ(state().wagering.of(Family::Even), splitSequence(kEven));
    EXPECT_EQ(state().wagering.IncreaseChips, 200);
    open();
    EXPECT_EQ(dialog().Text[1].text, kEven);
    EXPECT_EQ(dialog().Combo1.text(), "200");
}

TEST_F(WageringDialog, DefaultsAreWrittenAtOnceEvenBeforeCancel) {
    open();
    set("frmWagering.Text1", "3,Q");
    set("frmWagering.Combo1", "50");
    pressButton("frmWagering.Command2");
    ASSERT_EQ(value("even"), "3,Q");

    open();
    set("frmWagering.Text3", "9,Q");
    pressButton("frmWagering.Command1");
    EXPECT_TRUE(dialog().open);
    EXPECT_EQ(dialog().Text[1].text, kEven);
    EXPECT_EQ(dialog().Text[3].text, kDozen);
    EXPECT_EQ(dialog().Combo1.text(), "200");
    EXPECT_EQ(value("even"), kEven);
    EXPECT_EQ(value("wagerincreasechips"), "200");
    pressButton("frmWagering.Command3");
    EXPECT_EQ(value("even"), kEven);
    EXPECT_EQ(state().wagering.of(Family::Even), splitSequence(kEven));
}

TEST_F(WageringDialog, TheCloseBoxSavesAndClosesEitherWay) {
    struct Case {
        const char* even;
        bool stored;
    };
    for (const Case& c : {Case{"1,3,Q", true}, Case{"1,3", false}}) {
        SCOPED_TRACE(c.even);
        const std::string before = wageringFile();
        open();
        dialogs.boxes.clear();
        set("frmWagering.Text1", c.even);
        ASSERT_TRUE(a().userCloseWagering().ok);
        EXPECT_FALSE(dialog().open);
        EXPECT_EQ(dialogs.boxes.size(), c.stored ? 0u : 1u);
        if (c.stored) {
            EXPECT_EQ(value("even"), c.even);
            EXPECT_EQ(state().wagering.of(Family::Even), splitSequence(c.even));
        } else {
            EXPECT_EQ(dialogs.boxes[0].text, kInvalidMessage);
            EXPECT_EQ(wageringFile(), before);
            EXPECT_EQ(state().wagering.of(Family::Even), (Sequence{"1", "3", "Q"}));
        }
    }
    EXPECT_FALSE(a().userCloseWagering().ok);  // nothing to close
}

TEST_F(WageringDialog, SettingsAreKeptAcrossARestart) {
    open();
    set("frmWagering.Text4", "1,1,2,S");
    set("frmWagering.Combo1", "1000");
    set("frmWagering.Combo2", "10");
    pressButton("frmWagering.Command2");
    restart();
    open();
    EXPECT_EQ(dialog().Text[4].text, "1,1,2,S");
    EXPECT_EQ(dialog().Combo1.text(), "1000");
    EXPECT_EQ(dialog().Combo2.text(), "10");
}

// A wagering file that cannot be written: OK says so and stays open; the typed values apply.
TEST_F(WageringDialog, AFileThatCannotBeWrittenIsReported) {
    const std::filesystem::path notAFolder = dir.path / "plain-file";
    writeBytes(notAFolder, "x");
    advisor = std::make_unique<Advisor>(Ports{dialogs, browser, clock, random, nullptr});
    advisor->userOpenWindow({notAFolder, false, ""});
    open();
    dialogs.boxes.clear();
    set("frmWagering.Text1", "2,Q");
    pressButton("frmWagering.Command2");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "The wagering settings could not be saved to " +
                                         a().wageringFile().filename().string() + ".");
    EXPECT_TRUE(dialog().open);
    EXPECT_EQ(state().wagering.of(Family::Even), (Sequence{"2", "Q"}));
    pressButton("frmWagering.Command3");
    EXPECT_FALSE(dialog().open);
}

}  // namespace
}  // namespace brisvale::testing
