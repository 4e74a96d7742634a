// Texts from the league's files show as they stand, whatever markup they seem to hold.

#include <QLabel>
#include <QStatusBar>

#include <gtest/gtest.h>

#include "gui/GuiTest.h"
#include "league/LeagueFiles.h"
#include "league/RecordCodec.h"
#include "league/RosterSlots.h"
#include "platform/Files.h"
#include "platform/qt/QtUi.h"
#include "session/TeamSession.h"
#include "support/TempFolder.h"
#include "windows/lines/qt/LinesForm.h"
#include "windows/main/Main.h"
#include "windows/main/qt/MainForm.h"

namespace korvel::test {
namespace {

namespace fs = std::filesystem;

// Every label of `window` showing `text` is as wide as the text written out: markup rendered
// would hide its tags. Returns how many there are.
int ExpectShownAsWritten(const QWidget& window, const QString& text) {
    int shown = 0;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->text().contains(text)) continue;
        ++shown;
        EXPECT_GE(label->sizeHint().width(), label->fontMetrics().horizontalAdvance(label->text()))
            << label->text().toStdString();
    }
    return shown;
}

TEST(PlainText, ATeamNamedWithMarkupShowsItsNameAsItStands) {
    const QString name = "<b>Halifax";
    TempFolder folder;
    const fs::path start = folder / "start";
    fs::create_directories(start);
    const fs::path base = WriteGeneratedLeague(folder.Path(), "PLAIN", {.Seed = 3, .Teams = 4});
    WriteWholeFile(DefaultsFileIn(start), DefaultsFileContent(base));
    qt::QtUi ui;
    RegisterWindowForms(ui);
    // The team chosen at the start is renamed in the league's team file.
    int chosen = -1;
    {
        Variables first;
        TeamSession session{first};
        Main main(session, ui, start);
        main.Form_Load();
        chosen = first.CurrentTeam;
    }
    RecordFile teams(WithExtension(base, ".tms"), RecordLayout<Team>::Size);
    Team team = DecodeRecord<Team>(teams.Read(TeamRecordNumber(chosen)));
    team.Name = FixedText<10>::FromString(name.toStdString());
    teams.Write(TeamRecordNumber(chosen), EncodeRecord(team).data());
    teams.Save();

    Variables vars;
    TeamSession session{vars};
    Main main(session, ui, start);
    main.Form_Load();
    ASSERT_EQ(vars.CurrentTeam, chosen);
    MainForm form(main, vars);
    form.show();
    EXPECT_GE(ExpectShownAsWritten(*form.statusBar(), name), 1);

    int shownInLines = 0;
    ui.ModalHook = [&](QDialog& dialog) {
        EXPECT_TRUE(dynamic_cast<LinesForm*>(&dialog) != nullptr);
        shownInLines = ExpectShownAsWritten(dialog, name);
        EXPECT_TRUE(SaveScreenshot(dialog, "lines-plain-text.png"));
    };
    main.SetLines_Click();
    EXPECT_GE(shownInLines, 1);
}

}  // namespace
}  // namespace korvel::test
