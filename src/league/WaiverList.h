#pragma once

#include <filesystem>
#include <vector>

#include "league/Records.h"
#include "platform/Files.h"
#include "platform/SharedFileChange.h"

namespace korvel {

// The league's waiver list (.wvr) is a list of 88-byte records, each about the player its name
// (22 characters, from byte 2) names.
ListLayout WaiverListLayout();

// What putting each of `waived` on the waiver list `file` changes, entry by entry: his whole
// record with WaiverState 0 and WaiverMark 0 takes the place of the first entry whose player name
// equals his 22 characters exactly (recorded as the entry it replaces), or is appended after the
// last whole record. Read it under the list's lock (LockSharedFile); a FileCommit applies it to the
// list as it is then (AddListChange), so that entries other managers put on it meanwhile stay.
ListChange WaiverListChange(const std::filesystem::path& file, const std::vector<Player>& waived);

// The list `file` with `waived` put on it, staged beside it (StageListChanges): a block at a time,
// holes kept, owner, group and mode kept. A missing list starts empty.
StagedFile StageWaiverList(const std::filesystem::path& file, const std::vector<Player>& waived);

}  // namespace korvel
