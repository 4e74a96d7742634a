// The korvel program: the main window of the league browser and the windows it opens.

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <stdexcept>

#include "app/EarlyArguments.h"
#include "app/SingleInstance.h"
#include "league/Variables.h"
#include "platform/Files.h"
#include "platform/FolderLock.h"
#include "platform/TerminalText.h"
#include "platform/qt/DataFolder.h"
#include "platform/qt/DesktopIdentity.h"
#include "platform/qt/DesktopSettings.h"
#include "platform/qt/LocaleNumbers.h"
#include "platform/qt/QtText.h"
#include "platform/qt/QtUi.h"
#include "platform/qt/Translate.h"
#include "session/TeamSession.h"
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
    parser.addPositionalArgument(
        "league", "Load this league, as File > Load does: its .tms or .lge file, or its base path.",
        "[league]");
}

void ParseArguments(QCommandLineParser& parser, const Options& options,
                    const QCoreApplication& app) {
    DescribeArguments(parser, options);
    parser.process(app);
}

// The start folder: the current folder, or the data folder (made when missing) when asked.
std::filesystem::path ChooseStartFolder(bool dataFolder, korvel::Ui& ui) {
    if (!dataFolder) return korvel::CurrentFolder();
    const auto path = korvel::qt::OpenDataFolder(ui);
    std::filesystem::current_path(path);
    return path;
}

// The league named on the command line, from the folder the program was started in.
std::filesystem::path LeagueArgument(const QCommandLineParser& parser) {
    const QStringList given = parser.positionalArguments();
    if (given.isEmpty() || given.front().isEmpty()) return {};
    return std::filesystem::absolute(korvel::qt::QStringToPath(given.front()));
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
    // The windows speak the desktop's language where Korvel has a translation for it.
    korvel::qt::InstallTranslations(QLocale::system());
    korvel::qt::UseLocaleNumbers();
    ParseArguments(parser, options, app);
    const QCommandLineOption& screenshot = options.Screenshot;

    korvel::Variables vars;
    korvel::TeamSession session(vars);
    korvel::qt::QtUi ui;
    korvel::RegisterWindowForms(ui);
    if (parser.isSet(screenshot)) AnswerWithoutDialogs(ui);

    // The start folder must exist, and only one program may work in it at a time.
    std::filesystem::path startFolder;
    std::optional<korvel::FolderLock> lock;
    const std::filesystem::path league = LeagueArgument(parser);
    try {
        startFolder = ChooseStartFolder(parser.isSet(options.DataFolder), ui);
        lock.emplace(startFolder);
    } catch (const std::exception& failure) {
        // The program already working here comes forward instead.
        if (dynamic_cast<const korvel::FolderInUse*>(&failure) != nullptr &&
            !parser.isSet(screenshot) && korvel::SingleInstance::AskRunning(startFolder, league)) {
            return 0;
        }
        ui.MsgBox(failure.what(), korvel::Buttons::OK, korvel::Icon::Critical, "");
        return 1;
    }
    korvel::SingleInstance instance(startFolder);

    korvel::Main window(session, ui, startFolder);
    window.Form_Load();
    korvel::MainForm form(window, vars);
    if (!league.empty()) form.Binder().Run([&] { window.LoadLeagueFile(league); });
    instance.OnRequest = [&form](const std::filesystem::path& asked) { form.BringForward(asked); };

    if (!instance.Listening() && !parser.isSet(screenshot)) {
        // The program works on; only a second start in this folder cannot reach it.
        const QString text =
            QCoreApplication::translate("main",
                                        "A second start in this folder cannot bring this window "
                                        "forward: %1")
                .arg(korvel::qt::ToQString(instance.Failure()));
        std::fprintf(stderr, "%s\n", korvel::TerminalText(korvel::qt::ToUtf8(text)).c_str());
        form.ShowNotice(text);
    }

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
