// The korvel program: the main window of the league browser and the windows it opens.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QPixmap>
#include <QStandardPaths>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <stdexcept>

#include "app/EarlyArguments.h"
#include "league/Variables.h"
#include "platform/Files.h"
#include "platform/FolderLock.h"
#include "platform/TerminalText.h"
#include "platform/qt/DesktopIdentity.h"
#include "platform/qt/DesktopSettings.h"
#include "platform/qt/QtText.h"
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
        return buttons == korvel::Buttons::OK ? korvel::Answer::OK : korvel::Answer::No;
    };
    ui.InputBoxHook = [](const std::string&, const std::string&) {
        return std::optional<std::string>();
    };
    ui.OpenFileHook = [](const korvel::FileDialog&) {
        return std::optional<std::filesystem::path>();
    };
}

struct Options {
    QCommandLineOption Screenshot{
        "screenshot", "Start up, write a picture of the main window to <path> and quit.", "path"};
    QCommandLineOption DataFolder{
        "data-folder",
        "Work in the program's data folder instead of the current folder, as when started from "
        "the desktop's menu."};
};

void DescribeArguments(QCommandLineParser& parser, const Options& options) {
    parser.setApplicationDescription("Prepares the game roster and lines of a hockey team.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(options.Screenshot);
    parser.addOption(options.DataFolder);
}

void ParseArguments(QCommandLineParser& parser, const Options& options,
                    const QCoreApplication& app) {
    DescribeArguments(parser, options);
    parser.process(app);
}

// The start folder: the current folder, or the data folder (made when missing) when asked.
std::filesystem::path ChooseStartFolder(bool dataFolder) {
    if (!dataFolder) return korvel::CurrentFolder();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        throw std::runtime_error("The data folder " + folder.toStdString() +
                                 " could not be made: Korvel needs a writable start folder.");
    }
    const auto path = korvel::qt::QStringToPath(folder);
    std::filesystem::current_path(path);
    return path;
}

}  // namespace

int main(int argc, char* argv[]) {
    Options options;
    QCommandLineParser parser;
    const auto early = korvel::app::ReadArgumentsEarly(
        argc, argv, [&](QCommandLineParser& described) { DescribeArguments(described, options); });
    if (early == korvel::app::EarlyArguments::UsageError) return 2;
    // --help and --version print and quit: they need no display.
    if (early == korvel::app::EarlyArguments::PrintOnly) {
        QCoreApplication app(argc, argv);
        korvel::qt::SetUpApplicationNames();
        ParseArguments(parser, options, app);  // prints and exits
        return 0;
    }
    QApplication app(argc, argv);
    korvel::qt::SetUpDesktopIdentity();
    ParseArguments(parser, options, app);
    const QCommandLineOption& screenshot = options.Screenshot;

    korvel::Variables vars;
    korvel::qt::QtUi ui;
    korvel::RegisterWindowForms(ui);
    if (parser.isSet(screenshot)) AnswerWithoutDialogs(ui);

    // The start folder must exist, and only one program may work in it at a time.
    std::filesystem::path startFolder;
    std::optional<korvel::FolderLock> lock;
    try {
        startFolder = ChooseStartFolder(parser.isSet(options.DataFolder));
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
