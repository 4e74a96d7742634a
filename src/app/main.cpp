// The korvel program: the main window of the league browser and the windows it opens.

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>

#include <cstdio>
#include <filesystem>
#include <optional>

#include "league/Variables.h"
#include "platform/Files.h"
#include "platform/FolderLock.h"
#include "platform/TerminalText.h"
#include "platform/qt/DesktopIdentity.h"
#include "platform/qt/DesktopSettings.h"
#include "platform/qt/QtUi.h"
#include "windows/main/Main.h"
#include "windows/main/qt/MainForm.h"

namespace {

// With nobody to answer, messages go to the error stream and questions are answered No.
void AnswerWithoutDialogs(korvel::qt::QtUi& ui) {
    ui.MsgBoxHook = [](const std::string& text, korvel::Buttons buttons, korvel::Icon,
                       const std::string& title) {
        // Names and paths from files go through the same filter as the command line's output.
        std::fprintf(stderr, "%s\n", korvel::TerminalText(title + ": " + text).c_str());
        return buttons == korvel::Buttons::YesNo ? korvel::Answer::No : korvel::Answer::OK;
    };
    ui.InputBoxHook = [](const std::string&, const std::string&) {
        return std::optional<std::string>();
    };
    ui.OpenFileHook = [](const korvel::FileDialog&) {
        return std::optional<std::filesystem::path>();
    };
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    korvel::qt::SetUpDesktopIdentity();

    QCommandLineParser parser;
    parser.setApplicationDescription("Prepares the game roster and lines of a hockey team.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshot(
        "screenshot", "Start up, write a picture of the main window to <path> and quit.", "path");
    parser.addOption(screenshot);
    parser.process(app);

    korvel::Variables vars;
    korvel::qt::QtUi ui;
    korvel::RegisterWindowForms(ui);
    if (parser.isSet(screenshot)) AnswerWithoutDialogs(ui);

    // The start folder must exist, and only one program may work in it at a time.
    std::filesystem::path startFolder;
    std::optional<korvel::FolderLock> lock;
    try {
        startFolder = korvel::CurrentFolder();
        lock.emplace(startFolder);
    } catch (const std::exception& failure) {
        ui.MsgBox(failure.what(), korvel::Buttons::OK, korvel::Icon::Critical, "");
        return 1;
    }

    korvel::Main window(vars, ui, startFolder);
    window.Form_Load();
    korvel::MainForm form(window, vars);

    if (parser.isSet(screenshot)) {
        form.setAttribute(Qt::WA_DontShowOnScreen);
        form.show();
        const QString path = parser.value(screenshot);
        if (!form.grab().save(path, "PNG")) {
            std::fprintf(
                stderr, "%s\n",
                korvel::TerminalText("Could not write the picture " + path.toStdString()).c_str());
            return 1;
        }
        return 0;
    }

    korvel::qt::KeepPlacement(form, "Main");
    form.show();
    return QApplication::exec();
}
