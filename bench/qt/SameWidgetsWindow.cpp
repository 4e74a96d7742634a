// The yardstick of the main window (see SameWidgets.h), on the league of korvel.def in the
// current folder. Started and left idle.

#include <QApplication>

#include <filesystem>

#include "bench/qt/SameWidgets.h"
#include "league/Variables.h"
#include "platform/qt/DesktopIdentity.h"
#include "windows/main/Main.h"

namespace {

using namespace korvel;

// Nobody answers: questions are answered No, dialogs cancelled.
class SilentUi : public Ui {
  public:
    Answer MsgBox(const std::string&, Buttons buttons, Icon, const std::string&) override {
        return buttons == Buttons::OK ? Answer::OK : Answer::No;
    }
    std::optional<std::string> InputBox(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> OpenFile(const FileDialog&) override {
        return std::nullopt;
    }
    void ShowModal(Window&) override {}
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    qt::SetUpApplicationNames();  // the settings korvel reads, its recent leagues among them
    Variables vars;
    SilentUi ui;
    TeamSession session(vars);
    Main main(session, ui, std::filesystem::current_path());
    main.Form_Load();
    const auto window = bench::MakeSameWidgetsWindow(main);
    window->show();
    return QApplication::exec();
}
