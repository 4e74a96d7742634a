#pragma once

#include "league/Records.h"
#include "platform/Files.h"

namespace korvel {

// Adds `player` to the league's waiver list file, open as `file` (88-byte records): the entry
// whose player name equals his 22 characters exactly is replaced, else a new entry is appended
// after the last whole record. The entry holds his whole record with WaiverMark 0.
void PutOnWaiverList(RecordFile& file, const Player& player);

}  // namespace korvel
