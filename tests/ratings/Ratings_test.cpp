#include "ratings/Ratings.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace korvel {
namespace {

Player WithAllSkills(std::uint8_t position, std::uint8_t value) {
    Player player;
    player.Name = FixedText<22>::FromString("Skater");
    player.Position = position;
    player.Skills.fill(value);
    return player;
}

Player WithOneSkill(std::uint8_t position, int skill, std::uint8_t value) {
    Player player = WithAllSkills(position, 0);
    player.Skills[static_cast<std::size_t>(skill)] = value;
    return player;
}

struct WorkedValue {
    std::uint8_t Skill;
    int Goalie, Skater, Offense, Defense;
};

class RatingsWorkedValues : public ::testing::TestWithParam<WorkedValue> {};

TEST_P(RatingsWorkedValues, AllSkillsEqual) {
    const auto v = GetParam();
    EXPECT_EQ(OverallOf(WithAllSkills(Goalie, v.Skill)), v.Goalie);
    for (std::uint8_t position : {Centre, LeftWing, RightWing, Defenceman}) {
        const Player skater = WithAllSkills(position, v.Skill);
        EXPECT_EQ(OverallOf(skater), v.Skater) << "position " << int(position);
        EXPECT_EQ(OffenseRatingOf(skater), v.Offense) << "position " << int(position);
        EXPECT_EQ(DefenseRatingOf(skater), v.Defense) << "position " << int(position);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RatingsWorkedValues,
                         ::testing::Values(WorkedValue{0, 0, 5, 5, 0},
                                           WorkedValue{50, 50, 55, 55, 50},
                                           WorkedValue{94, 94, 99, 99, 94},
                                           WorkedValue{95, 95, 99, 99, 95},
                                           WorkedValue{255, 99, 99, 99, 99}));

// With one skill at 255 and the rest 0, each rating reveals that skill's weight:
// (255 * weight) / divisor + bonus, and no two weights of one rating give the same result.
TEST(Ratings, EachSkillCountsWithItsOwnWeight) {
    //                                INT SPD STR END DUR DIS SKA PAS STK DEF SCO EXP LEA
    constexpr int goalie[13] = {5, 11, 6, 3, 1, 1, 5, 5, 7, 0, 0, 6, 1};
    constexpr int defence[13] = {8, 5, 10, 3, 1, 1, 6, 8, 6, 13, 5, 1, 1};
    constexpr int forward[13] = {5, 5, 7, 3, 1, 1, 6, 10, 8, 7, 13, 1, 1};
    constexpr int offense[13] = {3, 10, 3, 1, 1, 1, 10, 15, 12, 2, 18, 0, 0};
    constexpr int defense[13] = {10, 2, 10, 2, 1, 1, 5, 1, 5, 20, 1, 0, 0};
    for (int skill = 0; skill < 13; ++skill) {
        EXPECT_EQ(OverallOf(WithOneSkill(Goalie, skill, 255)), 255 * goalie[skill] / 51)
            << "skill " << skill;
        EXPECT_EQ(OverallOf(WithOneSkill(Defenceman, skill, 255)), 255 * defence[skill] / 68 + 5)
            << "skill " << skill;
        EXPECT_EQ(OverallOf(WithOneSkill(RightWing, skill, 255)), 255 * forward[skill] / 68 + 5)
            << "skill " << skill;
        EXPECT_EQ(OffenseRatingOf(WithOneSkill(Goalie, skill, 255)), 255 * offense[skill] / 76 + 5)
            << "skill " << skill;
        EXPECT_EQ(DefenseRatingOf(WithOneSkill(Centre, skill, 255)), 255 * defense[skill] / 58)
            << "skill " << skill;
    }
    // Skill 13 takes part in no rating.
    const Player onlyLast = WithOneSkill(Centre, 13, 255);
    EXPECT_EQ(OverallOf(onlyLast), 5);
    EXPECT_EQ(OffenseRatingOf(onlyLast), 5);
    EXPECT_EQ(DefenseRatingOf(onlyLast), 0);
}

TEST(Ratings, ForwardWithOnlyScoringNinetyNineIsTwentyThree) {
    for (std::uint8_t position : {Centre, LeftWing, RightWing}) {
        EXPECT_EQ(OverallOf(WithOneSkill(position, Scoring, 99)), 23) << int(position);
    }
    EXPECT_EQ(OverallOf(WithOneSkill(Defenceman, Scoring, 99)), 12);  // 495 / 68 + 5
    EXPECT_EQ(OverallOf(WithOneSkill(Goalie, Scoring, 99)), 0);
}

TEST(Ratings, DefenceAndScoringCountForSkatersButNotForGoalies) {
    const Player goalie = WithAllSkills(Goalie, 60);
    const Player centre = WithAllSkills(Centre, 60);
    const Player defenceman = WithAllSkills(Defenceman, 60);
    for (int skill : {Defence, Scoring}) {
        for (std::uint8_t value : {0, 99, 255}) {
            Player g = goalie;
            g.Skills[static_cast<std::size_t>(skill)] = value;
            EXPECT_EQ(OverallOf(g), OverallOf(goalie)) << "skill " << skill << " = " << int(value);
            Player c = centre;
            c.Skills[static_cast<std::size_t>(skill)] = value;
            EXPECT_NE(OverallOf(c), OverallOf(centre)) << "skill " << skill << " = " << int(value);
            Player d = defenceman;
            d.Skills[static_cast<std::size_t>(skill)] = value;
            EXPECT_NE(OverallOf(d), OverallOf(defenceman))
                << "skill " << skill << " = " << int(value);
        }
    }
}

TEST(Ratings, ExperienceAndLeadershipChangeOnlyTheOverall) {
    for (std::uint8_t position : {Centre, Defenceman, Goalie}) {
        const Player base = WithAllSkills(position, 60);
        for (int skill : {Experience, Leadership}) {
            Player changed = base;
            changed.Skills[static_cast<std::size_t>(skill)] = 255;
            EXPECT_GT(OverallOf(changed), OverallOf(base)) << int(position) << " skill " << skill;
            EXPECT_EQ(OffenseRatingOf(changed), OffenseRatingOf(base));
            EXPECT_EQ(DefenseRatingOf(changed), DefenseRatingOf(base));
        }
    }
}

TEST(Ratings, UnknownPositionHasNoOverallButStillHasOffenceAndDefence) {
    for (std::uint8_t position : {5, 9, 255}) {
        const Player unknown = WithAllSkills(position, 50);
        EXPECT_FALSE(OverallOf(unknown).has_value()) << int(position);
        EXPECT_EQ(OverallOrZero(OverallOf(unknown)), 0);
        EXPECT_EQ(OffenseRatingOf(unknown), 55);
        EXPECT_EQ(DefenseRatingOf(unknown), 50);
    }
    EXPECT_EQ(OverallOrZero(OverallOf(WithAllSkills(Centre, 50))), 55);
}

TEST(Ratings, SlotComesFirstForOverallAndSecondForOffenceAndDefence) {
    Variables vars;
    vars.Players[0][0] = WithAllSkills(Centre, 10);      // 15, 15, 10
    vars.Players[0][1] = WithAllSkills(Centre, 30);      // 35, 35, 30
    vars.Players[1][0] = WithAllSkills(Centre, 60);      // 65, 65, 60
    vars.Players[1][1] = WithAllSkills(Defenceman, 80);  // 85, 85, 80

    EXPECT_EQ(Overall(vars, 0, 1), 35);
    EXPECT_EQ(Overall(vars, 1, 0), 65);
    EXPECT_EQ(Overall(vars, 1, 1), 85);
    EXPECT_EQ(OffenseRating(vars, 1, 0), 35);  // index 1 of slot 0
    EXPECT_EQ(OffenseRating(vars, 0, 1), 65);  // index 0 of slot 1
    EXPECT_EQ(DefenseRating(vars, 1, 0), 30);
    EXPECT_EQ(DefenseRating(vars, 0, 1), 60);

    vars.Players[0][49] = WithAllSkills(Goalie, 70);
    EXPECT_EQ(Overall(vars, 0, 49), 70);
    EXPECT_EQ(DefenseRating(vars, 49, 0), 70);
}

TEST(Ratings, PlacesOutsideTheSlotsAreRefused) {
    const Variables vars;
    EXPECT_THROW(Overall(vars, 2, 0), std::out_of_range);
    EXPECT_THROW(Overall(vars, 0, 50), std::out_of_range);
    EXPECT_THROW(OffenseRating(vars, 50, 0), std::out_of_range);
    EXPECT_THROW(DefenseRating(vars, 0, 2), std::out_of_range);
}

}  // namespace
}  // namespace korvel
