#pragma once

#include <filesystem>

namespace korvel {

// True when `folder` lies on a network or user-space file system, where a file watcher hears of
// the changes made on this machine only, not of those another machine makes.
bool ChangesMaySlipPastWatching(const std::filesystem::path& folder);

}  // namespace korvel
