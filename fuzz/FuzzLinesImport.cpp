// Load Lines with any file: the imported file never changes, a file with a wrong password (or
// not a lines file at all) changes nothing, and every player keeps his injury.
//
// Input: 50 status bytes for the roster, one byte of answers to the questions asked, then the
// lines file. The team's password is "secret".

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "league/RosterStatus.h"
#include "platform/Files.h"
#include "platform/Ui.h"
#include "windows/lines/Lines.h"

namespace {

namespace fs = std::filesystem;
using namespace korvel;

fs::path Folder() {
    const fs::path root = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path folder = root / ("korvel-fuzz-lines-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    return folder;
}

class ImportUi : public Ui {
  public:
    ImportUi(fs::path file, std::uint8_t answers) : file_(std::move(file)), answers_(answers) {}
    Answer MsgBox(const std::string&, Buttons buttons, Icon, const std::string&) override {
        if (buttons == Buttons::OK) return Answer::OK;
        answers_ = static_cast<std::uint8_t>((answers_ >> 1) | (answers_ << 7));
        return answers_ & 1 ? Answer::Yes : Answer::No;
    }
    std::optional<std::string> InputBox(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<fs::path> OpenFile(const FileDialog&) override { return file_; }
    void ShowModal(Window&) override {}

  private:
    fs::path file_;
    std::uint8_t answers_;
};

bool SameRoster(const RosterSlot& a, const RosterSlot& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (EncodeRecord(a[i]) != EncodeRecord(b[i])) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fs::path folder = Folder();
    if (size < 51) return 0;
    Variables vars;
    vars.StartFolder = folder;
    vars.CurrentTeam = 0;
    Team& team = vars.Teams[0];
    team.Name = FixedText<10>::FromString("Bears");
    team.Password = FixedText<10>::FromString("secret");
    for (std::size_t i = 0; i < kRosterPlaces; ++i) {
        Player& player = vars.Players[0][i];
        player.Name = FixedText<22>::FromString("Player " + std::to_string(i));
        player.Position = static_cast<std::uint8_t>(i % 5);
        player.Status = data[i];
        player.Skills.fill(static_cast<std::uint8_t>(40 + i));
    }
    const Bytes file(data + 51, data + size);
    const fs::path path = folder / "IMPORT.lns";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));

    ImportUi ui(path, data[50]);
    TeamSession session(vars);
    Lines lines(session, ui);
    lines.Form_Load();
    const RosterSlot rosterBefore = vars.Players[0];
    const auto teamBefore = EncodeRecord(vars.Teams[0]);
    const auto buffer = lines.LineBuffer;
    lines.cmdLoadLines_Click();

    if (ReadWholeFile(path) != file) std::abort();
    const bool rightPassword =
        file.size() == 226 && std::memcmp(file.data() + 1, "secret    ", 10) == 0;
    if (!rightPassword &&
        (!SameRoster(vars.Players[0], rosterBefore) || EncodeRecord(vars.Teams[0]) != teamBefore ||
         lines.LineBuffer != buffer)) {
        std::abort();
    }
    for (std::size_t i = 0; i < kRosterPlaces; ++i) {
        if (InjuryOf(vars.Players[0][i].Status) != InjuryOf(rosterBefore[i].Status)) std::abort();
    }
    return 0;
}
