// Loading a league from fuzzed files, then clicking through the windows a user would open: the
// main window's lists and menus, the game roster window with the waiver list, the lines window
// with a lines file to import, the team information window and the player card.
//
// Input: five little-endian 32-bit lengths, the .lge, .tms, .ros and .wvr files and a lines file
// of those lengths (cut short where the input ends), then a script: each byte picks the next click,
// the byte after it where to click. Files go to a folder under /dev/shm when there is one, so saves
// stay cheap.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "league/LeagueFiles.h"
#include "league/RosterSlots.h"
#include "platform/Ui.h"
#include "session/Waivers.h"
#include "windows/lines/Lines.h"
#include "windows/main/Main.h"
#include "windows/player/PlayerInfo.h"
#include "windows/roster/Roster.h"
#include "windows/team/DisplayTeam.h"

namespace {

namespace fs = std::filesystem;
using namespace korvel;

class Script {
  public:
    Script(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Done() const { return at_ >= size_; }
    std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
    std::uint32_t Length() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(Next()) << (8 * i);
        return value % (1u << 20);
    }
    std::string Take(std::size_t length) {
        const std::size_t count = std::min(length, size_ - std::min(at_, size_));
        std::string bytes(reinterpret_cast<const char*>(data_ + at_), count);
        at_ += count;
        return bytes;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Answers every question from the script and runs each modal window with the script's clicks.
class FuzzUi : public Ui {
  public:
    FuzzUi(Script& script, fs::path linesFile)
        : script_(script), linesFile_(std::move(linesFile)) {}
    Answer MsgBox(const std::string&, Buttons buttons, Icon, const std::string&) override {
        if (buttons == Buttons::OK) return Answer::OK;
        return script_.Next() % 2 ? Answer::Yes : Answer::No;
    }
    std::optional<std::string> InputBox(const std::string&, const std::string&) override {
        if (script_.Next() % 2) return std::nullopt;
        return script_.Take(script_.Next() % 12);
    }
    std::optional<fs::path> OpenFile(const FileDialog&) override {
        if (script_.Next() % 2) return std::nullopt;
        return linesFile_;
    }
    void ShowModal(Window& window) override;

  private:
    void Click(Roster& roster);
    void Click(Lines& lines);
    void Click(DisplayTeam& team);
    void Click(PlayerInfo& card);
    Script& script_;
    fs::path linesFile_;
    int depth_ = 0;
};

void FuzzUi::ShowModal(Window& window) {
    window.Form_Load();
    ++depth_;
    for (int clicks = 0; !window.IsUnloaded() && !script_.Done() && clicks < 16; ++clicks) {
        if (auto* roster = dynamic_cast<Roster*>(&window)) Click(*roster);
        if (auto* lines = dynamic_cast<Lines*>(&window)) Click(*lines);
        if (dynamic_cast<Roster*>(&window) == nullptr && dynamic_cast<Lines*>(&window) == nullptr &&
            dynamic_cast<DisplayTeam*>(&window) == nullptr &&
            dynamic_cast<PlayerInfo*>(&window) == nullptr) {
            break;  // a window without clicks of its own here
        }
        if (auto* team = dynamic_cast<DisplayTeam*>(&window)) Click(*team);
        if (auto* card = dynamic_cast<PlayerInfo*>(&window)) Click(*card);
    }
    --depth_;
    window.Unload();
}

void FuzzUi::Click(Roster& roster) {
    const std::uint8_t where = script_.Next();
    switch (script_.Next() % 9) {
        case 0: {
            auto& list = roster.list1[where % Roster::kLists];
            if (list.ListCount() > 0) {
                auto& item = list.Items[script_.Next() % list.ListCount()];
                item.Selected = !item.Selected;
            }
            break;
        }
        case 1:
            roster.cmdMovePlayer_Click(where % Roster::kMoveButtons);
            break;
        case 2:
            roster.Check1_Click(where % 5);
            break;
        case 3:
            roster.chkProtect_Click();
            break;
        case 4: {
            auto& list = roster.list1[where % Roster::kLists];
            list.ListIndex = list.ListCount() == 0 ? -1 : script_.Next() % list.ListCount();
            if (depth_ < 3) roster.List1_DblClick(where % Roster::kLists);
            break;
        }
        case 5:
            roster.cmdAuto_Click();
            break;
        case 6:
            if (depth_ < 3) roster.cmdAdd_Click();
            break;
        default:
            roster.cmdExit_Click();
            break;
    }
}

void FuzzUi::Click(Lines& lines) {
    const std::uint8_t where = script_.Next();
    switch (script_.Next() % 12) {
        case 10:
            lines.cmdLoadLines_Click();
            break;
        case 11:
            lines.cmdSaveLines_Click();
            break;
        case 0:
            lines.optEven_Click();
            break;
        case 1:
            lines.optPP_Click();
            break;
        case 2:
            lines.optPK_Click();
            break;
        case 3:
            lines.Check1_Click(where % 5);
            break;
        case 4:
            lines.List2.ListIndex =
                lines.List2.ListCount() == 0 ? -1 : where % lines.List2.ListCount();
            break;
        case 5:
            lines.lblPlayer_Click(where % Lines::kSlotLabels);
            break;
        case 6:
            lines.Label6_Click();
            break;
        case 7:
            lines.cmdAuto_Click();
            break;
        default:
            lines.cmdExit_Click();
            break;
    }
}

void FuzzUi::Click(DisplayTeam& team) {
    switch (script_.Next() % 4) {
        case 0:
            team.UpdateBalance();
            break;
        case 1:
            if (depth_ < 3) team.Command2_Click();
            break;
        case 2:
            if (depth_ < 3) team.Command3_Click();
            break;
        default:
            team.Command1_Click();
            break;
    }
}

void FuzzUi::Click(PlayerInfo& card) {
    if (script_.Next() % 2) {
        card.lblHgt_Click();
    } else {
        card.Command1_Click();
    }
}

struct Folders {
    fs::path Start, League;
    Folders() {
        const fs::path shm = "/dev/shm";
        const fs::path root = (fs::is_directory(shm) ? shm : fs::temp_directory_path()) /
                              ("korvel-fuzz-" + std::to_string(::getpid()));
        Start = root / "start";
        League = root / "league";
        fs::create_directories(Start);
        fs::create_directories(League);
    }
};

void WritePlain(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

void Play(Main& main, Variables& vars, FuzzUi& ui, Script& script) {
    while (!script.Done()) {
        const int conf = script.Next() % 2;
        const std::uint8_t where = script.Next();
        switch (script.Next() % 9) {
            case 0: {
                auto& divisions = main.lstDivs[conf];
                divisions.ListIndex =
                    divisions.ListCount() == 0 ? -1 : where % divisions.ListCount();
                main.lstDivs_Click(conf);
                break;
            }
            case 1: {
                auto& teams = main.lstTeams[conf];
                teams.ListIndex = teams.ListCount() == 0 ? -1 : where % teams.ListCount();
                main.lstTeams_Click(conf);
                break;
            }
            case 2:
                main.lstTeams_DblClick(conf);
                break;
            case 3:
                main.ViewTeam_Click();
                break;
            case 4:
                main.SetRoster_Click();
                break;
            case 5:
                main.SetLines_Click();
                break;
            case 6:
                ShowPlayerCard(vars, ui, where % kRosterPlaces);
                break;
            case 7:
                CheckWaivers(vars, ui, where % kRosterPlaces, where % 2);
                break;
            default:
                try {
                    LoadTeam(vars, vars.CurrentTeam, where % 2);
                    SaveTeam(vars, vars.CurrentTeam, where % 2);
                } catch (const std::exception&) {
                }
                break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Folders folders;
    Script script(data, size);
    const std::uint32_t lengths[5] = {script.Length(), script.Length(), script.Length(),
                                      script.Length(), script.Length()};
    const fs::path base = folders.League / "FUZZ";
    WritePlain(WithExtension(base, ".lge"), script.Take(lengths[0]));
    WritePlain(WithExtension(base, ".tms"), script.Take(lengths[1]));
    WritePlain(WithExtension(base, ".ros"), script.Take(lengths[2]));
    WritePlain(WithExtension(base, ".wvr"), script.Take(lengths[3]));
    const fs::path linesFile = folders.League / "IMPORT.lns";
    WritePlain(linesFile, script.Take(lengths[4]));
    for (const char* name : {"swp.t", "swp.r", "swp.l", "korvel.def"}) {
        std::error_code ignored;
        fs::remove(folders.Start / name, ignored);
    }

    Variables vars;
    FuzzUi ui(script, linesFile);
    TeamSession session(vars);
    Main main(session, ui, folders.Start);
    main.Form_Load();
    try {
        main.LoadLg(base);
    } catch (const std::exception&) {
        return 0;  // a league that cannot be used is refused; that is all
    }
    Play(main, vars, ui, script);
    return 0;
}
