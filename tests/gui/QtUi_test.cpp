#include "platform/qt/QtUi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "gui/GuiTest.h"
#include "platform/qt/QtText.h"
#include "support/TempFolder.h"

namespace korvel::test {
namespace {

namespace fs = std::filesystem;

TEST(QtUiDialogs, MessageBoxShowsTextButtonsIconAndTitle) {
    const auto question =
        qt::MakeMessageBox("Keep Line Changes?", Buttons::YesNo, Icon::None, "Keep Changes");
    EXPECT_EQ(question->windowTitle(), "Keep Changes");
    EXPECT_EQ(question->text(), "Keep Line Changes?");
    EXPECT_EQ(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question->icon(), QMessageBox::NoIcon);

    const auto refusal =
        qt::MakeMessageBox("Lines are not complete", Buttons::OK, Icon::Critical, "Edit Lines");
    EXPECT_EQ(refusal->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(refusal->icon(), QMessageBox::Critical);

    const auto untitled = qt::MakeMessageBox("Lines Saved", Buttons::OK, Icon::Information, "");
    EXPECT_EQ(untitled->windowTitle(), "Korvel");
    EXPECT_EQ(untitled->icon(), QMessageBox::Information);
}

// Escape and the close box back out of a question: No where it has Yes and No, Cancel where it
// has Cancel too; the buttons answer themselves. A notice has one answer, which Escape gives.
TEST(QtUiDialogs, EscapeAndTheCloseBoxBackOutOfAQuestion) {
    using Close = std::function<void(QMessageBox&)>;
    const Close escape = [](QMessageBox&) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    };
    const Close closeBox = [](QMessageBox& box) { box.close(); };
    const auto press = [](QMessageBox::StandardButton button) -> Close {
        return [button](QMessageBox& box) { box.button(button)->click(); };
    };
    const std::vector<std::tuple<const char*, Buttons, Close, Answer>> cases = {
        {"Escape", Buttons::YesNo, escape, Answer::No},
        {"CloseBox", Buttons::YesNo, closeBox, Answer::No},
        {"Yes", Buttons::YesNo, press(QMessageBox::Yes), Answer::Yes},
        {"Escape", Buttons::YesNoCancel, escape, Answer::Cancel},
        {"CloseBox", Buttons::YesNoCancel, closeBox, Answer::Cancel},
        {"Cancel", Buttons::YesNoCancel, press(QMessageBox::Cancel), Answer::Cancel},
        {"No", Buttons::YesNoCancel, press(QMessageBox::No), Answer::No},
        {"Yes", Buttons::YesNoCancel, press(QMessageBox::Yes), Answer::Yes},
        {"Escape", Buttons::OK, escape, Answer::OK},
    };
    for (const auto& [name, buttons, close, answer] : cases) {
        SCOPED_TRACE(std::string(name) + (buttons == Buttons::YesNoCancel ? " with Cancel" : ""));
        const auto question = qt::MakeMessageBox("Save anyway?", buttons, Icon::None, "Save Lines");
        ASSERT_TRUE(Activate(*question));
        close(*question);
        EXPECT_FALSE(question->isVisible());
        EXPECT_EQ(qt::AnswerOf(*question, buttons), answer);
    }
}

TEST(QtUiDialogs, PasswordBoxHidesWhatIsTypedAndTakesTenCharacters) {
    const auto box = qt::MakePasswordDialog("Password?", "Save Lines", 10);
    EXPECT_EQ(box->textEchoMode(), QLineEdit::Password);
    ASSERT_TRUE(Activate(*box));
    QTest::keyClicks(QApplication::focusWidget(), "abcdefghijklm");
    EXPECT_EQ(box->textValue(), "abcdefghij");
}

TEST(QtUiDialogs, AnswerIsTheButtonPressed) {
    auto question = qt::MakeMessageBox("Keep Roster Changes?", Buttons::YesNo, Icon::None, "");
    EXPECT_EQ(qt::AnswerOf(*question, Buttons::YesNo), Answer::No);  // closed without a button
    question->button(QMessageBox::Yes)->click();
    EXPECT_EQ(qt::AnswerOf(*question, Buttons::YesNo), Answer::Yes);

    auto other = qt::MakeMessageBox("Keep Roster Changes?", Buttons::YesNo, Icon::None, "");
    other->button(QMessageBox::No)->click();
    EXPECT_EQ(qt::AnswerOf(*other, Buttons::YesNo), Answer::No);

    auto notice = qt::MakeMessageBox("Changes were not saved", Buttons::OK, Icon::Critical, "");
    notice->button(QMessageBox::Ok)->click();
    EXPECT_EQ(qt::AnswerOf(*notice, Buttons::OK), Answer::OK);
}

TEST(QtUiDialogs, InputBoxShowsPromptAndTitle) {
    const auto box = qt::MakeInputDialog("Enter the lines password", "");
    EXPECT_EQ(box->labelText(), "Enter the lines password");
    EXPECT_EQ(box->windowTitle(), "Korvel");
    EXPECT_EQ(box->inputMode(), QInputDialog::TextInput);
}

TEST(QtUiDialogs, FileDialogOpensWithFiltersFolderAndProposedName) {
    TempFolder folder;
    FileDialog request;
    request.Title = "Load League";
    request.Filters = ParseFilterList("All Files|*.*|Norrik Files|*.tms");
    request.SelectedFilter = 1;
    request.InitialFolder = folder / "missing";
    request.FallbackFolders = {folder / "also-missing", folder.Path()};
    request.FileName = "test.tms";

    const auto dialog = qt::MakeFileDialog(request);

    EXPECT_EQ(dialog->windowTitle(), "Load League");
    EXPECT_EQ(dialog->nameFilters(), (QStringList{"All Files (*)", "Norrik Files (*.tms)"}));
    EXPECT_EQ(dialog->selectedNameFilter(), "Norrik Files (*.tms)");
    EXPECT_EQ(QDir(dialog->directory()).canonicalPath(),
              QDir(qt::PathToQString(folder.Path())).canonicalPath());
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    ASSERT_EQ(dialog->selectedFiles().size(), 1);
    EXPECT_TRUE(dialog->selectedFiles().front().endsWith("/test.tms"));
}

TEST(QtUiDialogs, FiltersListSeveralPatterns) {
    EXPECT_EQ(qt::NameFilter({"Lines Files", "*.lns;*.txt"}), "Lines Files (*.lns *.txt)");
    EXPECT_EQ(qt::NameFilter({"All Files", "*.*"}), "All Files (*)");
}

TEST(QtUiDialogs, HooksStandInForTheDialogs) {
    qt::QtUi ui;
    std::string shownTitle;
    ui.MsgBoxHook = [&](const std::string&, Buttons, Icon, const std::string& title) {
        shownTitle = title;
        return Answer::Yes;
    };
    ui.InputBoxHook = [](const std::string&, const std::string&) {
        return std::optional<std::string>("secret");
    };
    ui.OpenFileHook = [](const FileDialog& dialog) {
        return std::optional<fs::path>(fs::path("/leagues") / dialog.FileName);
    };

    EXPECT_EQ(ui.MsgBox("Keep Line Changes?", Buttons::YesNo, Icon::None, ""), Answer::Yes);
    EXPECT_EQ(shownTitle, "Korvel");
    EXPECT_EQ(ui.InputBox("Password", "Save Lines"), "secret");
    FileDialog dialog;
    dialog.FileName = "test.tms";
    EXPECT_EQ(ui.OpenFile(dialog), fs::path("/leagues/test.tms"));
}

}  // namespace
}  // namespace korvel::test
