#pragma once

#include <filesystem>
#include <string>

namespace korvel {
class Ui;
}

namespace korvel::qt {

// The start folder of the desktop program started from the desktop's menu: ~/.local/share/korvel
// (under XDG_DATA_HOME when set).
std::filesystem::path DataFolder();
// Where earlier versions kept it: ~/.local/share/Korvel/Korvel.
std::filesystem::path EarlierDataFolder();

// Moves what `earlier` holds into `now`, entry by entry, and removes `earlier` once it is empty.
// An entry whose name `now` already holds is never overwritten: it stays in `earlier`. A defaults
// file that names a league inside `earlier` is changed to name it where it now is. Returns what
// the user should know (entries left behind and why); empty when all went.
std::string MoveEarlierData(const std::filesystem::path& earlier, const std::filesystem::path& now);

// The data folder, made when missing, with the earlier one's files moved into it first (what the
// user should know of that is shown through `ui`). Throws when it cannot be made.
std::filesystem::path OpenDataFolder(Ui& ui);

}  // namespace korvel::qt
