#include "windows/roster/AddPlayer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "session/TeamSession.h"
#include "windows/RosterTestLeague.h"

namespace korvel {
namespace {
using test::MakePlayer;
using test::RosterWith;
using testing::ElementsAre;

class AddPlayerTest : public test::RosterWindowTest {
  protected:
    // Opens Add Player from the roster window and lets `act` fill in and press the buttons.
    void AddThrough(Roster& window, std::function<void(AddPlayer&)> act) {
        ui.OnShowModal = [&](Window& shown) { act(static_cast<AddPlayer&>(shown)); };
        window.cmdAdd_Click();
        ui.OnShowModal = nullptr;
    }
};

TEST_F(AddPlayerTest, PutsTheNewPlayerInTheFirstEmptyPlaceOnTheFarm) {
    RosterSlot roster = RosterWith({3, 3, 3, 6, 2});
    roster[1].Number = 1;
    Install(roster);
    TeamSession session(vars);
    Roster window(session, ui);
    window.Form_Load();
    std::string label;
    AddThrough(window, [&](AddPlayer& form) {
        label = form.Label1.Caption;
        EXPECT_EQ(vars.CurrentPlayerIndex, 99);
        EXPECT_EQ(form.txtNumber.Value, 2);  // the first number nobody wears
        form.txtName.Text = "  ";
        form.cmdOK_Click();
        EXPECT_FALSE(form.IsUnloaded());
        form.txtName.Text = " Åke Lind ";
        form.cboPosition.ListIndex = Defenceman;
        form.cboHand.ListIndex = 1;
        form.txtBirthplace.Text = "swe";
        form.txtSkill[Scoring].Value = 77;
        form.cmdOK_Click();
    });

    EXPECT_EQ(label, "Add player to Bears     ");
    EXPECT_THAT(ui.MessageTexts(), ElementsAre("Enter the player's name."));
    Player expected;
    expected.Name = FixedText<22>::FromString("\xC5ke Lind");
    expected.Position = Defenceman;
    expected.Number = 2;
    expected.Rookie = kTrue;
    expected.Hand = 1;
    expected.Height = 72;
    expected.Weight = 190;
    expected.Age = 20;
    expected.Skills.fill(50);
    expected.Skills[Scoring] = 77;
    expected.Skills[13] = 0;
    expected.Salary = 500'000;
    expected.Contract = 1;
    expected.Birthplace = FixedText<3>::FromString("SWE");
    EXPECT_EQ(EncodeRecord(StoredPlayer(17)), EncodeRecord(expected));
    EXPECT_THAT(Shown(window, 0), ElementsAre(17));
    EXPECT_TRUE(window.RosterChanged());
}

TEST_F(AddPlayerTest, CancelOrAFullRosterAddsNobody) {
    RosterSlot roster{};
    for (int i = 0; i < kRosterPlaces; ++i) roster[i] = MakePlayer("P", Centre, 50, 100);
    Install(roster);
    TeamSession session(vars);
    Roster window(session, ui);
    window.Form_Load();
    AddThrough(window, [](AddPlayer& form) {
        form.txtName.Text = "New";
        form.cmdOK_Click();
        EXPECT_FALSE(form.IsUnloaded());
        form.txtSkill[0].Value = 100;
        form.cmdCancel_Click();
    });
    EXPECT_THAT(ui.MessageTexts(),
                ElementsAre("The roster of Bears is full: all 50 places are taken."));

    vars.Players[0][9] = Player{};
    ui.Messages.clear();
    AddThrough(window, [](AddPlayer& form) {
        form.txtName.Text = "New";
        form.txtSkill[0].Value = 100;
        form.cmdOK_Click();
        form.cmdCancel_Click();
    });
    EXPECT_THAT(ui.MessageTexts(), ElementsAre("Intensity must be from 0 to 99."));
    EXPECT_TRUE(vars.Players[0][9].IsEmptyPlace());
}

}  // namespace
}  // namespace korvel
