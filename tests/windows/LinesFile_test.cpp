#include "league/LinesFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/Files.h"
#include "session/TeamSession.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "windows/LinesTestRoster.h"
#include "windows/lines/Lines.h"

namespace korvel {
namespace {
namespace fs = std::filesystem;
using test::RecordedMessage;
using testing::ElementsAre;
using testing::HasSubstr;

constexpr int kTeam = 3;

// Team 3, "Bears", password "secret", with ReadyRoster in slot 0 and the lines window open on a
// complete line-up; the start folder is a fresh temporary folder.
class LinesFile : public testing::Test {
  protected:
    test::TempFolder start;
    Variables vars;
    test::ScriptedUi ui;
    TeamSession session{vars};
    Lines lines{session, ui};

    LinesFile() {
        vars.StartFolder = start.Path();
        vars.CurrentTeam = kTeam;
        Team& team = vars.Teams[kTeam];
        team.Name = FixedText<10>::FromString("Bears");
        team.Password = FixedText<10>::FromString("secret");
        team.LineSlots = test::CompleteLineUp();
        vars.Players[0] = test::ReadyRoster();
        lines.Form_Load();
    }

    fs::path SavedFile() const { return start / "Bears.lns"; }

    // Saves with the team's lines password set to the one typed, as a manager who knows it would.
    Bytes Save(std::optional<std::string> password) {
        std::string refused;
        if (const auto typed = LinesPassword(password.value_or(""), refused)) {
            vars.Teams[kTeam].Password = *typed;
        }
        return SaveTyping(std::move(password));
    }
    Bytes SaveTyping(std::optional<std::string> password) {
        ui.InputAnswers.push_back(std::move(password));
        lines.cmdSaveLines_Click();
        return FileExists(SavedFile()) ? ReadWholeFile(SavedFile()) : Bytes{};
    }

    // Writes `record` beside the start folder's files and imports it into slot 0.
    void Import(const LinesRecord& record) {
        const fs::path file = start / "import.lns";
        WriteLinesFile(file, record);
        ImportFile(file);
    }
    void ImportFile(const fs::path& file) {
        ui.FileAnswers.push_back(file);
        lines.cmdLoadLines_Click();
    }

    LinesRecord RecordWith(const std::string& password) const {
        return MakeLinesRecord(vars, FixedText<10>::FromString(password), test::CompleteLineUp(),
                               0);
    }
};

struct PasswordCase {
    const char* Label;
    std::optional<std::string> Typed;  // no value: the input box is cancelled
    std::string Stored;                // the ten bytes at offsets 1 to 10
};

class SavedPassword : public LinesFile, public testing::WithParamInterface<PasswordCase> {};

TEST_P(SavedPassword, IsPaddedWithSpacesOrCutToTenBytes) {
    const Bytes file = Save(GetParam().Typed);
    ASSERT_EQ(file.size(), 226u);
    EXPECT_EQ(std::string(file.begin() + 1, file.begin() + 11), GetParam().Stored);
    EXPECT_EQ(ui.Messages.back().Title, "Lines Saved");
}

INSTANTIATE_TEST_SUITE_P(LinesFile, SavedPassword,
                         testing::Values(PasswordCase{"TwoCharacters", "ab", "ab        "},
                                         PasswordCase{"LongCutToTen", "abcdefghijklmn",
                                                      "abcdefghij"},
                                         PasswordCase{"Empty", "", "          "},
                                         PasswordCase{"Windows1252", "Åke€", "\xC5ke\x80      "}),
                         [](const auto& info) { return std::string(info.param.Label); });

TEST_F(LinesFile, SaveWritesTheWorkingLineUpAndTheRosterByteForByte) {
    lines.LineBuffer[LineIndex(6, 4)] = 77;  // spare entries go out as they stand
    lines.LineBuffer[LineIndex(12, 3)] = 0;
    lines.LineBuffer[LineIndex(0, 0)] = 9;
    vars.Players[0][2].Protected = kTrue;
    vars.Players[0][49].Protected = 0x1234;
    session.EndEditing();

    const Bytes file = Save("pw");
    ASSERT_EQ(file.size(), 226u);
    EXPECT_EQ(file[0], kTeam);
    EXPECT_TRUE(std::equal(lines.LineBuffer.begin(), lines.LineBuffer.end(), file.begin() + 11));
    EXPECT_EQ(file[11 + 6 + 13 * 4], 77);
    EXPECT_EQ(file[76 + 20], 100);  // the scratched centre
    EXPECT_EQ(file[76 + 22], 205);  // the injured wing
    EXPECT_EQ(file[126 + 2 * 2], 0xFF);
    EXPECT_EQ(file[126 + 2 * 2 + 1], 0xFF);
    EXPECT_EQ(file[126 + 2 * 49], 0x34);
    EXPECT_EQ(file[126 + 2 * 49 + 1], 0x12);

    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[0].Text, "Password?");
    EXPECT_EQ(ui.Messages[0].Title, "Save Lines");
    // The injured wing stands dressed: the second line names him, under a warning.
    EXPECT_EQ(ui.Messages[1].Text, "Lines saved as " + SavedFile().string() +
                                       "\nNot ready for the league: Injured Wing (22) is hurt "
                                       "(#5) and dressed");
    EXPECT_EQ(ui.Messages[1].IconShown, Icon::Warning);
    // Saving neither stores the line-up nor counts as a change.
    EXPECT_FALSE(lines.Changed());
    EXPECT_EQ(vars.Teams[kTeam].LineSlots, test::CompleteLineUp());
}

TEST_F(LinesFile, ACancelledPasswordBoxWritesAndSaysNothing) {
    WriteWholeFile(SavedFile(), Bytes(226, 7));  // a good file from an earlier save
    SaveTyping(std::nullopt);
    EXPECT_EQ(ReadWholeFile(SavedFile()), Bytes(226, 7));
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Password?"});
}

TEST_F(LinesFile, APasswordOtherThanTheTeamsIsSavedOnlyWhenTheManagerInsists) {
    const std::string question =
        "The password does not match the lines password of Bears. Save anyway?";
    ui.ExpectQuestion(question, Answer::No);
    EXPECT_TRUE(SaveTyping("secrex").empty());
    EXPECT_EQ(ui.Messages.back(),
              (RecordedMessage{question, Buttons::YesNo, Icon::None, "Save Lines"}));

    ui.ExpectQuestion(question, Answer::Yes);
    const Bytes file = SaveTyping("secrex");
    ASSERT_EQ(file.size(), 226u);
    EXPECT_EQ(std::string(file.begin() + 1, file.begin() + 11), "secrex    ");

    ui.Messages.clear();
    SaveTyping("secret");  // the team's own: no question
    EXPECT_EQ(ui.Messages.back().Title, "Lines Saved");
}

TEST_F(LinesFile, APasswordCharacterWithoutAWindows1252CodeIsRefused) {
    EXPECT_TRUE(Save("abΩd").empty());
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_THAT(ui.Messages[1].Text, HasSubstr("\"Ω\""));
    EXPECT_EQ(ui.Messages[1].IconShown, Icon::Critical);
    EXPECT_EQ(ui.Messages[1].Title, "Save Lines");
}

// Another team of the league whose lines file is this one on a disk that ignores case: refused
// before the password is asked, naming both teams, and nothing is written.
TEST_F(LinesFile, ASaveIntoAnotherTeamsLinesFileIsRefusedBeforeThePassword) {
    vars.League.LastTeam = 5;
    vars.Teams[1].Name = FixedText<10>::FromString("BEARS");
    lines.cmdSaveLines_Click();
    ASSERT_EQ(ui.Messages.size(), 1u) << "the password box was shown";
    EXPECT_THAT(ui.Messages[0].Text, HasSubstr("Bears and BEARS"));
    EXPECT_THAT(ui.Messages[0].Text, HasSubstr("Bears.lns"));
    EXPECT_EQ(ui.Messages[0].Title, "Save Lines");
    EXPECT_FALSE(FileExists(SavedFile()));
    vars.Teams[1].Name = FixedText<10>::FromString("Bears II");
    EXPECT_FALSE(Save("secret").empty());
}

TEST_F(LinesFile, ASaveThatCannotBeWrittenSaysSoAndNamesTheFile) {
    fs::create_directory(SavedFile());  // a folder in the way
    Save("pw");
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_THAT(ui.Messages[1].Text, HasSubstr(SavedFile().string()));
    EXPECT_THAT(ui.Messages[1].Text, HasSubstr("folder"));
    EXPECT_EQ(ui.Messages[1].IconShown, Icon::Critical);
    EXPECT_EQ(ui.Messages[1].Title, "Save Lines");
    EXPECT_TRUE(fs::is_directory(SavedFile()));
}

struct NameCase {
    const char* Label;
    std::string TeamName;  // Windows-1252 bytes
    std::string FileName;  // UTF-8
};

class FileName : public testing::TestWithParam<NameCase> {};

TEST_P(FileName, AlwaysNamesAFileInTheFolderItIsJoinedTo) {
    const fs::path name = LinesFileName(FixedText<10>::FromString(GetParam().TeamName), 7);
    const std::u8string utf8 = name.u8string();
    EXPECT_EQ(std::string(utf8.begin(), utf8.end()), GetParam().FileName);
    const fs::path folder = "/start";
    EXPECT_EQ((folder / name).parent_path(), folder);
}

INSTANTIATE_TEST_SUITE_P(
    LinesFile, FileName,
    testing::Values(NameCase{"Plain", "Bears", "Bears.lns"},
                    NameCase{"InnerSpacesKept", "Red Wings", "Red Wings.lns"},
                    NameCase{"Separators", "../a\\b/c", ".._a_b_c.lns"},
                    NameCase{"WindowsReserved", "a<b>c:\"|?*", "a_b_c_____.lns"},
                    NameCase{"ControlCharacters", "a\tb\x7F\x81", "a_b__.lns"},
                    NameCase{"OnlyDots", "..", "__.lns"}, NameCase{"DeviceName", "nul", "nul_.lns"},
                    NameCase{"DeviceNameBeforeADot", "Con.X", "Con_.X.lns"},
                    NameCase{"DeviceNameBeforeSpacesAndADot", "aux .b", "aux_ .b.lns"},
                    NameCase{"DeviceNameWithSuperscriptDigit", "COM\xB9", "COM¹_.lns"},
                    NameCase{"ConsoleInput", "CONIN$", "CONIN$_.lns"},
                    NameCase{"NoDeviceName", "COM10", "COM10.lns"},
                    NameCase{"Blank", "   ", "Team7.lns"},
                    NameCase{"Windows1252", "\xC5re \x80", "Åre €.lns"}),
    [](const auto& info) { return std::string(info.param.Label); });

// Two team names (Windows-1252 bytes), and whether a disk that ignores case, as Windows does,
// takes their lines files for one file.
struct FoldCase {
    const char* Label;
    std::string First;
    std::string Second;
    bool OneFile;
};

class SameLinesFile : public testing::TestWithParam<FoldCase> {};

TEST_P(SameLinesFile, OnlyNamesACaseBlindDiskTakesForOneAreOne) {
    const FoldCase& c = GetParam();
    const fs::path first = LinesFileName(FixedText<10>::FromString(c.First), 1);
    const fs::path second = LinesFileName(FixedText<10>::FromString(c.Second), 2);
    EXPECT_EQ(FoldedFileName(first) == FoldedFileName(second), c.OneFile)
        << first << " " << second;
}

INSTANTIATE_TEST_SUITE_P(
    LinesFile, SameLinesFile,
    testing::Values(FoldCase{"Ascii", "Regina", "REGINA", true},
                    FoldCase{"AsciiOtherLetter", "Regina", "Regino", false},
                    FoldCase{"LatinOne", "Caf\xE9", "CAF\xC9", true},            // Café, CAFÉ
                    FoldCase{"ThornAndEth", "\xDE\xD0", "\xFE\xF0", true},     // ÞÐ, þð
                    FoldCase{"OWithStroke", "\xD8rn", "\xF8RN", true},           // Ørn, øRN
                    FoldCase{"CaronS", "\x8A" "ar", "\x9A" "ar", true},               // Šar, šar
                    FoldCase{"Ligature", "\x8C", "\x9C", true},                 // Œ, œ
                    FoldCase{"CaronZ", "\x8E" "ag", "\x9E" "ag", true},               // Žag, žag
                    FoldCase{"YWithDiaeresis", "\x9F", "\xFF", true},           // Ÿ, ÿ
                    FoldCase{"TimesAndDivisionStay", "a\xD7", "a\xF7", false},  // a×, a÷
                    FoldCase{"SharpSIsNotSs", "Stra\xDF" "e", "STRASSE", false},     // simple folding
                    FoldCase{"AccentIsNotCase", "Cafe", "Caf\xE9", false},
                    FoldCase{"DeviceNamesOfEitherCase", "con", "CON", true},
                    FoldCase{"DeviceNameAndItsEscape", "Nul", "NUL_", true},
                    FoldCase{"ReplacedCharacters", "A/B", "a?b", true},
                    FoldCase{"BlankAndATeamOfItsDefaultName", "   ", "team1", true}),
    [](const auto& info) { return std::string(info.param.Label); });

TEST_F(LinesFile, ImportAsksForALinesFileAndTakesAnotherTeamsFileWithTheSamePassword) {
    LinesRecord record = RecordWith("secret");
    record.TeamIndex = 0;
    record.Slots[LineIndex(0, 0)] = 9;
    record.Slots[LineIndex(6, 4)] = 77;  // spare entries pass through
    record.RosterStatus[20] = 200;       // the scratched centre is dressed in the file
    record.RosterProtected[20] = kTrue;
    record.RosterProtected[40] = kTrue;  // an empty place takes its mark all the same
    Import(record);

    ASSERT_EQ(ui.FileDialogsShown.size(), 1u);
    const FileDialog& dialog = ui.FileDialogsShown[0];
    EXPECT_EQ(dialog.Title, "Import Lines");
    ASSERT_EQ(dialog.Filters.size(), 2u);
    EXPECT_EQ(dialog.Filters[1].Name, "Lines Files");
    EXPECT_EQ(dialog.Filters[1].Pattern, "*.lns");
    EXPECT_EQ(dialog.SelectedFilter, 1u);

    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(lines.LineBuffer, record.Slots);
    EXPECT_EQ(lines.lblPlayer[0].Caption, test::ShownName(vars.Players[0][9]));
    EXPECT_TRUE(lines.Changed());
    EXPECT_EQ(vars.Teams[kTeam].LinesSet, kTrue);
    EXPECT_EQ(vars.Players[0][20].Status, 200);
    EXPECT_EQ(vars.Players[0][22].Status, 205);  // injured: his status stays
    EXPECT_EQ(vars.Players[0][20].Protected, kTrue);
    EXPECT_EQ(vars.Players[0][40].Protected, kTrue);
    EXPECT_EQ(vars.Players[0][40].Status, 0);
}

// A refused file changes nothing: not the roster, not the line-up, not the team.
class RefusedImport : public LinesFile {
  protected:
    RosterSlot rosterBefore = vars.Players[0];

    void ExpectNothingChanged() {
        for (int i = 0; i < kRosterPlaces; ++i) {
            EXPECT_EQ(vars.Players[0][i].Status, rosterBefore[i].Status) << i;
            EXPECT_EQ(vars.Players[0][i].Protected, rosterBefore[i].Protected) << i;
        }
        EXPECT_EQ(lines.LineBuffer, test::CompleteLineUp());
        EXPECT_FALSE(lines.Changed());
        EXPECT_EQ(vars.Teams[kTeam].LinesSet, 0);
    }
    void ExpectOneMessage(const std::string& text, Icon icon, const std::string& title) {
        ASSERT_EQ(ui.Messages.size(), 1u);
        EXPECT_EQ(ui.Messages[0].Text, text);
        EXPECT_EQ(ui.Messages[0].IconShown, icon);
        EXPECT_EQ(ui.Messages[0].Title, title);
    }
};

TEST_F(RefusedImport, WhenThePasswordDiffersInAnyOfItsTenCharacters) {
    LinesRecord record = RecordWith("Secret");
    record.RosterProtected.fill(kTrue);
    Import(record);
    ExpectOneMessage("Password Incorrect", Icon::Critical, "Import Lines");
    ExpectNothingChanged();
}

// The refusal says under the specified text whose lines the file holds.
TEST_F(RefusedImport, NamesTheTeamWhoseLinesTheFileHolds) {
    vars.League.LastTeam = 9;
    vars.Teams[5].Name = FixedText<10>::FromString("Wolves");
    struct Case {
        int TeamIndex;
        std::string Cause;
    };
    for (const Case& c :
         {Case{kTeam, "import.lns holds the lines of Bears, saved with another password than the "
                      "team's lines password."},
          Case{5, "import.lns holds the lines of Wolves, not of Bears."},
          Case{10, "import.lns holds the lines of team number 11, which this league does not "
                   "have."}}) {
        SCOPED_TRACE(c.TeamIndex);
        ui.Messages.clear();
        ui.Causes.clear();
        LinesRecord record = RecordWith("other");
        record.TeamIndex = static_cast<std::uint8_t>(c.TeamIndex);
        Import(record);
        ExpectOneMessage("Password Incorrect", Icon::Critical, "Import Lines");
        EXPECT_EQ(ui.Causes, std::vector<std::string>{c.Cause});
        ExpectNothingChanged();
    }
}

TEST_F(RefusedImport, WhenAUsedEntryNamesNoRosterPlace) {
    LinesRecord record = RecordWith("secret");
    record.Slots[LineIndex(12, 2)] = 50;
    record.RosterStatus.fill(0);
    Import(record);
    ExpectOneMessage("Bears lines are not valid", Icon::None, "Invalid Lines");
    ExpectNothingChanged();
}

TEST_F(RefusedImport, WhenTheFileIsNotExactly226BytesOrCannotBeRead) {
    const auto bytes = EncodeRecord(RecordWith("secret"));
    Bytes shorter(bytes.begin(), bytes.end() - 1);
    WriteWholeFile(start / "short.lns", shorter);
    ImportFile(start / "short.lns");
    ExpectOneMessage("Errors in File", Icon::None, "Invalid File");

    Bytes longer(bytes.begin(), bytes.end());
    longer.push_back(0);
    WriteWholeFile(start / "long.lns", longer);
    ImportFile(start / "long.lns");
    ImportFile(start / "missing.lns");
    ImportFile(start.Path());
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>(4, "Errors in File"));
    // Each names the file and what is wrong with it.
    ASSERT_EQ(ui.Causes.size(), 4u);
    EXPECT_THAT(ui.Causes[0], HasSubstr((start / "short.lns").string() + ": is 225 bytes long"));
    EXPECT_THAT(ui.Causes[1], HasSubstr((start / "long.lns").string() + ": is 227 bytes long"));
    EXPECT_THAT(ui.Causes[2], HasSubstr((start / "missing.lns").string() + ": file not found"));
    ExpectNothingChanged();
}

TEST_F(RefusedImport, WhenNoFileIsChosen) {
    ui.FileAnswers.push_back(std::nullopt);
    lines.cmdLoadLines_Click();
    ui.FileAnswers.push_back(fs::path());
    lines.cmdLoadLines_Click();
    EXPECT_EQ(ui.FileDialogsShown.size(), 2u);
    EXPECT_TRUE(ui.Messages.empty());
    ExpectNothingChanged();
}

TEST_F(LinesFile, AnInjuredPlayerDressedInTheFileInvalidatesItAfterThePlacesAreRestored) {
    LinesRecord record = RecordWith("secret");
    record.RosterStatus[22] = 200;  // the injured wing, healthy and dressed in the file
    record.RosterStatus[0] = 100;
    record.RosterProtected[0] = kTrue;
    record.Slots[LineIndex(0, 0)] = 22;
    Import(record);

    EXPECT_THAT(ui.MessageTexts(), ElementsAre("Bears lines are not valid"));
    EXPECT_EQ(ui.Messages[0].Title, "Invalid Lines");
    EXPECT_EQ(vars.Players[0][0].Status, 100);
    EXPECT_EQ(vars.Players[0][0].Protected, kTrue);
    EXPECT_EQ(vars.Players[0][22].Status, 205);
    EXPECT_EQ(lines.LineBuffer, test::CompleteLineUp());
    EXPECT_FALSE(lines.Changed());
    EXPECT_EQ(vars.Teams[kTeam].LinesSet, 0);
}

struct PlaceCase {
    const char* Label;
    std::uint8_t Now, InFile;
    bool SubjectToWaivers;
    std::optional<Answer> Reply;  // no value: no question
    std::uint8_t After;
};

class RestoredPlace : public LinesFile, public testing::WithParamInterface<PlaceCase> {};

TEST_P(RestoredPlace, FollowsTheFileKeepingInjuriesAndAskingBeforeAProGoesDown) {
    const PlaceCase& c = GetParam();
    vars.League.WaiverSwitch = kTrue;
    vars.League.WaiverGames = 10;
    vars.League.WaiverAge = 25;
    Player& player = vars.Players[0][5];
    player.Status = c.Now;
    player.GamesPlayed = 10;
    player.Age = c.SubjectToWaivers ? 30 : 20;
    LinesRecord record = RecordWith("secret");
    record.RosterStatus[5] = c.InFile;
    if (c.Reply) ui.ExpectQuestion("Put Player 5 on waivers?", *c.Reply);
    Import(record);
    EXPECT_EQ(player.Status, c.After);
    EXPECT_TRUE(ui.ExpectedQuestions.empty());
    EXPECT_EQ(ui.Messages.size(), c.Reply ? 1u : 0u);
    EXPECT_TRUE(lines.Changed());
}

INSTANTIATE_TEST_SUITE_P(
    LinesFile, RestoredPlace,
    testing::Values(PlaceCase{"ProBackToTheFarm", 200, 0, false, std::nullopt, 0},
                    PlaceCase{"WaiversYes", 100, 0, true, Answer::Yes, 0},
                    PlaceCase{"WaiversNo", 200, 0, true, Answer::No, 100},
                    PlaceCase{"FarmToDressed", 0, 200, true, std::nullopt, 200},
                    PlaceCase{"DressedToScratch", 200, 150, true, std::nullopt, 100},
                    PlaceCase{"FarmStaysOnTheFarm", 0, 0, true, std::nullopt, 0},
                    PlaceCase{"InjuredKeepsHisStatus", 104, 0, true, std::nullopt, 104},
                    PlaceCase{"InjuredScratchInFile", 3, 100, false, std::nullopt, 3}),
    [](const auto& info) { return std::string(info.param.Label); });

}  // namespace
}  // namespace korvel
