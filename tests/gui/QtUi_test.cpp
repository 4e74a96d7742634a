#include "platform/qt/QtUi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "gui/GuiTest.h"
#include "platform/qt/FolderOpener.h"
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

// A short text under a long title: the box is laid out wide enough for the whole title.
TEST(QtUiDialogs, MessageBoxIsWideEnoughForItsTitle) {
    for (const Icon icon : {Icon::None, Icon::Critical}) {
        const auto box = qt::MakeMessageBox("Password Incorrect", Buttons::OK, icon,
                                            "Import Lines of the Saskatoon Northern Lights");
        box->setAttribute(Qt::WA_DontShowOnScreen);
        box->show();
        QFont bold = box->font();
        bold.setBold(true);
        EXPECT_GT(box->width(), QFontMetrics(bold).horizontalAdvance(box->windowTitle()))
            << static_cast<int>(icon);
        box->hide();
    }
}

// Open Folder of a saved file's message, with no program to show the folder: a second box says
// so and names the folder.
TEST(QtUiDialogs, OpenFolderThatFailsSaysSo) {
    qt::QtUi ui;
    std::vector<fs::path> asked;
    qt::ReplaceFolderOpener([&](const fs::path& folder) {
        asked.push_back(folder);
        return false;
    });
    QStringList shown;
    // Each box that comes up is read and answered: the first by Open Folder, the next by OK.
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        shown << box->text();
        for (QAbstractButton* button : box->buttons()) {
            if (shown.size() == 1 ? button->text() == "Open &Folder"
                                  : box->buttonRole(button) == QMessageBox::AcceptRole) {
                button->click();
                return;
            }
        }
    });
    answer.start();
    const fs::path file = fs::path("/leagues/start") / "Regina.lns";
    ui.ShowWrittenFile("Lines saved as /leagues/start/Regina.lns", "Lines Saved", file);
    answer.stop();
    qt::ReplaceFolderOpener({});
    EXPECT_EQ(asked, std::vector<fs::path>{file.parent_path()});
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0], "Lines saved as /leagues/start/Regina.lns");
    EXPECT_TRUE(shown[1].startsWith("The folder /leagues/start could not be opened"))
        << shown[1].toStdString();
}

}  // namespace
}  // namespace korvel::test
