#pragma once

#include <filesystem>
#include <vector>

#include "league/Records.h"
#include "platform/Files.h"

namespace korvel {

// Writes, to a temporary file beside it, the league's waiver list `file` (88-byte records) with
// each of `waived` put on it: the first entry whose player name equals his 22 characters exactly
// is replaced, else a new entry is appended after the last whole record. The entry holds his
// whole record with WaiverMark 0. The list is read and written a block at a time, so memory does
// not grow with it; runs of zero bytes stay holes. A missing list starts empty. The new list
// keeps the owner, group and mode of the old one (see StagedFile::KeepOwnerOfTarget). Read it
// under its lock (LockSharedFile) and commit it before the lock is released.
StagedFile StageWaiverList(const std::filesystem::path& file, const std::vector<Player>& waived);

}  // namespace korvel
