#include "platform/qt/DataFolder.h"

#include <gtest/gtest.h>

#include "league/LeagueFiles.h"
#include "support/TempFolder.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// What an earlier version kept moves to the new folder; a name the new folder already holds is
// never overwritten and stays behind, and the user is told.
TEST(DataFolder, TheEarlierFolderMovesWithoutOverwritingAnything) {
    TempFolder home;
    const fs::path earlier = home / "Korvel" / "Korvel";
    const fs::path now = home / "korvel";
    fs::create_directories(earlier / "league");
    WriteWholeFile(earlier / "league" / "DEMO.lge", Text("league"));
    WriteWholeFile(earlier / "swp.t", Text("teams"));
    WriteWholeFile(DefaultsFileIn(earlier), DefaultsFileContent(earlier / "league" / "DEMO"));

    EXPECT_EQ(qt::MoveEarlierData(earlier, now), "");
    EXPECT_EQ(ReadWholeFile(now / "league" / "DEMO.lge"), Text("league"));
    EXPECT_EQ(ReadWholeFile(now / "swp.t"), Text("teams"));
    EXPECT_EQ(ReadDefaultsFile(DefaultsFileIn(now)), now / "league" / "DEMO");
    EXPECT_FALSE(fs::exists(home / "Korvel"));

    fs::create_directories(earlier);
    WriteWholeFile(earlier / "swp.t", Text("older teams"));
    WriteWholeFile(earlier / "Quebec.lns", Text("lines"));
    const std::string said = qt::MoveEarlierData(earlier, now);
    EXPECT_NE(said.find("swp.t: the new folder already holds"), std::string::npos) << said;
    EXPECT_EQ(ReadWholeFile(now / "swp.t"), Text("teams"));
    EXPECT_EQ(ReadWholeFile(earlier / "swp.t"), Text("older teams"));
    EXPECT_EQ(ReadWholeFile(now / "Quebec.lns"), Text("lines"));
}

}  // namespace
}  // namespace korvel::test
