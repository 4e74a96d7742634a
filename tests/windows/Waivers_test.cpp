#include "session/Waivers.h"

#include <gtest/gtest.h>

#include "support/ScriptedUi.h"

namespace korvel {
namespace {

struct WaiverCase {
    const char* Label;
    int GamesPlayed, Age, WaiverSwitch, WaiverBlock;
    std::uint8_t Status;
    std::optional<Answer> Reply;  // no value: the question must not be asked
    std::uint8_t StatusAfter;
};

class CheckWaiversCase : public testing::TestWithParam<WaiverCase> {};

TEST_P(CheckWaiversCase, AsksOnlyWhenSubjectAndSetsTheStatusFromTheAnswer) {
    const WaiverCase& c = GetParam();
    Variables vars;
    vars.League.WaiverGames = 10;
    vars.League.WaiverAge = 25;
    vars.League.WaiverSwitch = static_cast<std::int16_t>(c.WaiverSwitch);
    vars.League.WaiverBlock = static_cast<std::int16_t>(c.WaiverBlock);
    Player& player = vars.Players[1][7];
    player.Name = FixedText<22>::FromString("Ake Lind");
    player.GamesPlayed = static_cast<std::uint8_t>(c.GamesPlayed);
    player.Age = static_cast<std::uint8_t>(c.Age);
    player.Status = c.Status;

    test::ScriptedUi ui;
    if (c.Reply) ui.ExpectQuestion("Put Ake Lind on waivers?", *c.Reply);
    EXPECT_EQ(CheckWaivers(vars, ui, 7, 1), !c.Reply.has_value());

    EXPECT_EQ(player.Status, c.StatusAfter);
    EXPECT_TRUE(ui.ExpectedQuestions.empty());
    if (c.Reply) {
        ASSERT_EQ(ui.Messages.size(), 1u);
        EXPECT_EQ(ui.Messages[0].Title, "Keep Changes");
        EXPECT_EQ(ui.Messages[0].ButtonSet, Buttons::YesNo);
        EXPECT_EQ(ui.Messages[0].IconShown, Icon::None);
    } else {
        EXPECT_TRUE(ui.Messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Waivers, CheckWaiversCase,
    testing::Values(WaiverCase{"NoKeepsHimAScratch", 10, 26, 1, 0, 204, Answer::No, 104},
                    WaiverCase{"YesSendsHimDown", 10, 26, 1, 0, 204, Answer::Yes, 4},
                    WaiverCase{"HealthyYes", 40, 33, -1, 0, 100, Answer::Yes, 0},
                    WaiverCase{"AgeEqualToTheLimit", 10, 25, 1, 0, 204, std::nullopt, 204},
                    WaiverCase{"TooFewGames", 9, 30, 1, 0, 100, std::nullopt, 100},
                    WaiverCase{"WaiversSwitchedOff", 10, 30, 0, 0, 100, std::nullopt, 100},
                    WaiverCase{"WaiversBlocked", 10, 30, 1, 1, 100, std::nullopt, 100}),
    [](const auto& info) { return std::string(info.param.Label); });

}  // namespace
}  // namespace korvel
