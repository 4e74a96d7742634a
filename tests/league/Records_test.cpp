#include "league/Records.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "league/LeagueTestFiles.h"
#include "platform/Text1252.h"

namespace korvel {
namespace {

using test::RandomBytes;
using test::ToBytes;
using namespace std::string_literals;

// A record image built byte by byte at the documented offsets.
struct Image {
    Bytes bytes;
    explicit Image(std::size_t size) : bytes(size, 0) {}
    void Put(std::size_t offset, std::initializer_list<std::uint8_t> values) {
        for (auto v : values) bytes.at(offset++) = v;
    }
    void PutText(std::size_t offset, std::string_view text) {
        for (char c : text) bytes.at(offset++) = static_cast<std::uint8_t>(c);
    }
};

std::string Padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

std::string DivisionName(int conference, int division) {
    return Padded("Div "s + static_cast<char>('A' + 4 * conference + division), 10);
}

// ---- League -------------------------------------------------------------------------------

Image LeagueImage() {
    Image image(459);
    image.PutText(0, Padded("Northern Pond League", 25));
    image.Put(25, {49});
    for (int c = 0; c < 2; ++c) {
        image.PutText(26 + 97 * c, c == 0 ? "Eastern Conf" : "Western Conf");
        for (int d = 0; d < 4; ++d) image.PutText(26 + 97 * c + 13 + 21 * d, DivisionName(c, d));
    }
    image.Put(220, {0x34, 0x12});
    image.Put(231, {0xFF, 0xFF});
    image.Put(274, {0x90, 0x01});
    image.Put(394, {21});
    image.Put(395, {27});
    image.Put(396, {15});
    image.Put(419, {0x02, 0x80});
    return image;
}

TEST(LeagueRecord, DecodesEveryFieldFromItsOffset) {
    const League league = DecodeRecord<League>(LeagueImage().bytes);
    EXPECT_EQ(league.LeagueName.Str(), Padded("Northern Pond League", 25));
    EXPECT_EQ(league.LastTeam, 49);
    EXPECT_EQ(league.Conferences[0].ConfName.Str(), "Eastern Conf");
    EXPECT_EQ(league.Conferences[1].ConfName.Str(), "Western Conf");
    for (int c = 0; c < 2; ++c) {
        for (int d = 0; d < 4; ++d) {
            EXPECT_EQ(league.Conferences[c].Divisions[d].DivName.Str(), DivisionName(c, d))
                << "conference " << c << " division " << d;
        }
    }
    EXPECT_EQ(league.SeasonStarted, 0x1234);
    EXPECT_EQ(league.WaiverSwitch, -1);
    EXPECT_EQ(league.ScheduledGames, 400);
    EXPECT_EQ(league.WaiverGames, 21);
    EXPECT_EQ(league.WaiverAge, 27);
    EXPECT_EQ(league.FarmPayGames, 15);
    EXPECT_EQ(league.WaiverBlock, -32766);
}

TEST(LeagueRecord, EncodesEveryFieldAtItsOffsetAndNothingElse) {
    League league;
    league.LeagueName = FixedText<25>::FromString("Northern Pond League");
    league.LastTeam = 49;
    league.Conferences[0].ConfName = FixedText<12>::FromString("Eastern Conf");
    league.Conferences[1].ConfName = FixedText<12>::FromString("Western Conf");
    for (int c = 0; c < 2; ++c) {
        for (int d = 0; d < 4; ++d) {
            league.Conferences[c].Divisions[d].DivName =
                FixedText<10>::FromString(DivisionName(c, d));
        }
    }
    league.SeasonStarted = 0x1234;
    league.WaiverSwitch = kTrue;
    league.ScheduledGames = 400;
    league.WaiverGames = 21;
    league.WaiverAge = 27;
    league.FarmPayGames = 15;
    league.WaiverBlock = -32766;
    EXPECT_EQ(ToBytes(EncodeRecord(league)), LeagueImage().bytes);
}

// ---- Team ---------------------------------------------------------------------------------

std::uint8_t LineEntryValue(int row, int column) {
    return static_cast<std::uint8_t>(row * kLineColumns + column + 1);
}

Image TeamImage() {
    Image image(254);
    image.PutText(0, "Icebreaker");
    image.PutText(10, Padded("Margit Solberg", 25));
    image.PutText(36, "123456789012");
    image.PutText(48, "pass word!");
    image.PutText(61, "ICB");
    image.PutText(64, Padded("Harbour Ice Hall", 30));
    image.Put(94, {0x44, 0x48});
    image.Put(96, {45, 1, 1});
    image.Put(99, {0x79, 0x29, 0xED, 0xFF});
    image.PutText(103, Padded("Tor Lindqvist", 22));
    image.Put(125, {0xB0, 0x71, 0x0B, 0x00});
    image.Put(132, {30, 2, 3, 20, 5, 6, 7, 8, 9});
    image.Put(141, {0x02, 0x01, 0x2C, 0x01});
    image.Put(156, {0x03, 0x02, 77, 0xFE, 0xFF, 66});
    image.Put(162, {0x00, 0x50, 0x9A, 0x44});
    image.Put(166, {0x00, 0x00, 0x80, 0x3F});
    image.Put(170, {0x00, 0x00, 0x20, 0xC0});
    for (int r = 0; r < kLineRows; ++r) {
        for (int c = 0; c < kLineColumns; ++c) image.Put(174 + r + 13 * c, {LineEntryValue(r, c)});
    }
    image.Put(241, {19, 0x04, 0x03, 0x02, 0x01});
    image.Put(252, {0xFF, 0xFF});
    return image;
}

TEST(TeamRecord, DecodesEveryFieldFromItsOffset) {
    const Team team = DecodeRecord<Team>(TeamImage().bytes);
    EXPECT_EQ(team.Name.Str(), "Icebreaker");
    EXPECT_EQ(team.Owner.Str(), Padded("Margit Solberg", 25));
    EXPECT_EQ(team.ICQ.Str(), "123456789012");
    EXPECT_EQ(team.Password.Str(), "pass word!");
    EXPECT_EQ(team.Abbrev.Str(), "ICB");
    EXPECT_EQ(team.Arena.Str(), Padded("Harbour Ice Hall", 30));
    EXPECT_EQ(team.Seats, 18500);
    EXPECT_EQ(team.TicketPrice, 45);
    EXPECT_EQ(team.Conference, 1);
    EXPECT_EQ(team.Division, 1);
    EXPECT_EQ(team.Finances, -1234567);
    EXPECT_EQ(team.Coach.Name.Str(), Padded("Tor Lindqvist", 22));
    EXPECT_EQ(team.Coach.Salary, 750000);
    EXPECT_EQ(team.Wins, (std::array<std::uint8_t, 3>{30, 2, 3}));
    EXPECT_EQ(team.Losses, (std::array<std::uint8_t, 3>{20, 5, 6}));
    EXPECT_EQ(team.Ties, (std::array<std::uint8_t, 3>{7, 8, 9}));
    EXPECT_EQ(team.GoalsAgainst, 258);
    EXPECT_EQ(team.GoalsFor, 300);
    EXPECT_EQ(team.PPOpportunities, 515);
    EXPECT_EQ(team.PPGoals, 77);
    EXPECT_EQ(team.TimesShorthanded, -2);
    EXPECT_EQ(team.PPGoalsAgainst, 66);
    EXPECT_FLOAT_EQ(team.ShotsFor, 1234.5f);
    EXPECT_FLOAT_EQ(team.ShotsAgainst, 1.0f);
    EXPECT_FLOAT_EQ(team.PenaltyMinutes, -2.5f);
    for (int r = 0; r < kLineRows; ++r) {
        for (int c = 0; c < kLineColumns; ++c) {
            EXPECT_EQ(team.LineSlots[LineIndex(r, c)], LineEntryValue(r, c))
                << "row " << r << " column " << c;
        }
    }
    EXPECT_EQ(team.HomeGamesPlayed, 19);
    EXPECT_EQ(team.RevenuePerGame, 0x01020304);
    EXPECT_EQ(team.LinesSet, kTrue);
}

TEST(TeamRecord, EncodesEveryFieldAtItsOffsetAndNothingElse) {
    Team team;
    team.Name = FixedText<10>::FromString("Icebreaker");
    team.Owner = FixedText<25>::FromString("Margit Solberg");
    team.ICQ = FixedText<12>::FromString("123456789012");
    team.Password = FixedText<10>::FromString("pass word!");
    team.Abbrev = FixedText<3>::FromString("ICB");
    team.Arena = FixedText<30>::FromString("Harbour Ice Hall");
    team.Seats = 18500;
    team.TicketPrice = 45;
    team.Conference = 1;
    team.Division = 1;
    team.Finances = -1234567;
    team.Coach.Name = FixedText<22>::FromString("Tor Lindqvist");
    team.Coach.Salary = 750000;
    team.Wins = {30, 2, 3};
    team.Losses = {20, 5, 6};
    team.Ties = {7, 8, 9};
    team.GoalsAgainst = 258;
    team.GoalsFor = 300;
    team.PPOpportunities = 515;
    team.PPGoals = 77;
    team.TimesShorthanded = -2;
    team.PPGoalsAgainst = 66;
    team.ShotsFor = 1234.5f;
    team.ShotsAgainst = 1.0f;
    team.PenaltyMinutes = -2.5f;
    for (int r = 0; r < kLineRows; ++r) {
        for (int c = 0; c < kLineColumns; ++c)
            team.LineSlots[LineIndex(r, c)] = LineEntryValue(r, c);
    }
    team.HomeGamesPlayed = 19;
    team.RevenuePerGame = 0x01020304;
    team.LinesSet = kTrue;
    EXPECT_EQ(ToBytes(EncodeRecord(team)), TeamImage().bytes);
}

TEST(TeamRecord, LineEntriesAreStoredColumnByColumn) {
    EXPECT_EQ(LineIndex(0, 0), 0u);
    EXPECT_EQ(LineIndex(1, 0), 1u);
    EXPECT_EQ(LineIndex(0, 1), 13u);
    EXPECT_EQ(LineIndex(12, 4), 64u);
}

// ---- Player -------------------------------------------------------------------------------

const std::string kPlayerName =
    "\xC5ke \xD6"
    "berg";  // Åke Öberg in Windows-1252

Image PlayerImage() {
    Image image(86);
    image.PutText(0, Padded(kPlayerName, 22));
    image.Put(22, {3, 44, 0xFF, 0xFF, 1, 74, 201, 33, 203, 97});
    for (int i = 0; i < 14; ++i) image.Put(32 + i, {static_cast<std::uint8_t>(100 + i)});
    image.Put(46, {0x40, 0x42, 0x0F, 0x00});
    image.Put(50, {3, 2, 81, 42, 55});
    image.Put(55, {0xF3, 0xFF, 0x2C, 0x01, 0x05, 0x01});
    image.Put(61, {12, 4, 9, 1});
    image.Put(67, {0xFF, 0xFF});
    image.Put(75, {1});
    image.PutText(76, "SWE");
    return image;
}

TEST(PlayerRecord, DecodesEveryFieldFromItsOffset) {
    const Player player = DecodeRecord<Player>(PlayerImage().bytes);
    EXPECT_EQ(player.Name.Str(), Padded(kPlayerName, 22));
    EXPECT_EQ(player.Name.Utf8(), Padded("Åke Öberg", 24));  // two characters take two bytes
    EXPECT_EQ(player.Position, Defenceman);
    EXPECT_EQ(player.Number, 44);
    EXPECT_EQ(player.Rookie, -1);
    EXPECT_EQ(player.Hand, 1);
    EXPECT_EQ(player.Height, 74);
    EXPECT_EQ(player.Weight, 201);
    EXPECT_EQ(player.Age, 33);
    EXPECT_EQ(player.Status, 203);
    EXPECT_EQ(player.Condition, 97);
    for (int i = 0; i < 14; ++i) EXPECT_EQ(player.Skills[i], 100 + i) << "skill " << i;
    EXPECT_EQ(player.Skills[Defence], 109);
    EXPECT_EQ(player.Salary, 1000000);
    EXPECT_EQ(player.Contract, 3);
    EXPECT_EQ(player.Suspension, 2);
    EXPECT_EQ(player.GamesPlayed, 81);
    EXPECT_EQ(player.Goals, 42);
    EXPECT_EQ(player.Assists, 55);
    EXPECT_EQ(player.PlusMinus, -13);
    EXPECT_EQ(player.PenaltyMin, 300);
    EXPECT_EQ(player.Shots, 261);
    EXPECT_EQ(player.PPGoals, 12);
    EXPECT_EQ(player.SHGoals, 4);
    EXPECT_EQ(player.GWGoals, 9);
    EXPECT_EQ(player.GTGoals, 1);
    EXPECT_EQ(player.Protected, kTrue);
    EXPECT_EQ(player.WaiverMark, 1);
    EXPECT_EQ(player.Birthplace.Str(), "SWE");
    EXPECT_FALSE(player.IsEmptyPlace());
}

TEST(PlayerRecord, EncodesEveryFieldAtItsOffsetAndNothingElse) {
    Player player;
    player.Name = FixedText<22>::FromString(Utf8ToWindows1252("Åke Öberg"));
    player.Position = Defenceman;
    player.Number = 44;
    player.Rookie = kTrue;
    player.Hand = 1;
    player.Height = 74;
    player.Weight = 201;
    player.Age = 33;
    player.Status = 203;
    player.Condition = 97;
    for (int i = 0; i < 14; ++i) player.Skills[i] = static_cast<std::uint8_t>(100 + i);
    player.Salary = 1000000;
    player.Contract = 3;
    player.Suspension = 2;
    player.GamesPlayed = 81;
    player.Goals = 42;
    player.Assists = 55;
    player.PlusMinus = -13;
    player.PenaltyMin = 300;
    player.Shots = 261;
    player.PPGoals = 12;
    player.SHGoals = 4;
    player.GWGoals = 9;
    player.GTGoals = 1;
    player.Protected = kTrue;
    player.WaiverMark = 1;
    player.Birthplace = FixedText<3>::FromString("SWE");
    EXPECT_EQ(ToBytes(EncodeRecord(player)), PlayerImage().bytes);
}

// ---- Whole records ------------------------------------------------------------------------

template <class R>
void ExpectRandomBytesSurviveDecodeAndEncode() {
    for (std::uint32_t seed = 1; seed <= 25; ++seed) {
        const Bytes raw = RandomBytes(RecordLayout<R>::Size, seed);
        EXPECT_EQ(ToBytes(EncodeRecord(DecodeRecord<R>(raw))), raw) << "seed " << seed;
    }
}

TEST(RecordRoundTrip, EveryByteSurvivesDecodeAndEncode) {
    ExpectRandomBytesSurviveDecodeAndEncode<League>();
    ExpectRandomBytesSurviveDecodeAndEncode<Team>();
    ExpectRandomBytesSurviveDecodeAndEncode<Player>();
}

TEST(RecordRoundTrip, ChangingFieldsChangesOnlyTheirBytes) {
    const Bytes raw = RandomBytes(254, 7);
    Team team = DecodeRecord<Team>(raw);
    team.LinesSet = kTrue;
    team.LineSlots[LineIndex(12, 4)] = 7;
    team.Coach.Salary = 0;
    Bytes expected = raw;
    expected[252] = expected[253] = 0xFF;
    expected[174 + 64] = 7;
    std::fill_n(expected.begin() + 125, 4, 0);
    EXPECT_EQ(ToBytes(EncodeRecord(team)), expected);

    const Bytes rawLeague = RandomBytes(459, 8);
    League league = DecodeRecord<League>(rawLeague);
    league.Conferences[1].Divisions[3].DivName = FixedText<10>::FromString("Last");
    Bytes expectedLeague = rawLeague;
    const std::size_t name = 26 + 97 + 13 + 21 * 3;
    std::copy_n("Last      ", 10, expectedLeague.begin() + name);
    EXPECT_EQ(ToBytes(EncodeRecord(league)), expectedLeague);
}

TEST(RecordRoundTrip, ShortInputIsTakenAsZeroBytesAndLongInputIsCut) {
    const Bytes three{'A', 'B', 'C'};
    const Team team = DecodeRecord<Team>(three);
    EXPECT_EQ(team.Name.Str(), "ABC"s + std::string(7, '\0'));
    EXPECT_EQ(team.Seats, 0);
    EXPECT_EQ(team.LinesSet, 0);
    Bytes expected(254, 0);
    std::copy(three.begin(), three.end(), expected.begin());
    EXPECT_EQ(ToBytes(EncodeRecord(team)), expected);

    const Player nothing = DecodeRecord<Player>(Bytes{});
    EXPECT_TRUE(nothing.IsEmptyPlace());
    EXPECT_EQ(ToBytes(EncodeRecord(nothing)), Bytes(86, 0));

    const Bytes longer = RandomBytes(300, 3);
    EXPECT_EQ(ToBytes(EncodeRecord(DecodeRecord<Player>(longer))), test::Slice(longer, 0, 86));
}

TEST(FixedText, PadsWithSpacesCutsToWidthAndStartsAsCodeZero) {
    EXPECT_EQ(FixedText<5>::FromString("Ab").Str(), "Ab   ");
    EXPECT_EQ(FixedText<5>::FromString("ABCDEFG").Str(), "ABCDE");
    EXPECT_EQ(FixedText<5>::FromString("").Str(), "     ");
    EXPECT_EQ(FixedText<3>::FromString("CAN").Str(), "CAN");

    const FixedText<4> blank;
    EXPECT_EQ(blank.Str(), std::string(4, '\0'));
    EXPECT_EQ(blank.FirstCode(), 0);
    EXPECT_EQ(FixedText<4>::FromString("\xE9t\xE9").FirstCode(), 0xE9);
    EXPECT_EQ(FixedText<4>::FromString("\xE9t\xE9").Utf8(), "été ");
}

}  // namespace
}  // namespace korvel
