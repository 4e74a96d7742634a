#include "league/WaiverList.h"

namespace korvel {

void PutOnWaiverList(RecordFile& file, const Player& player) {
    std::size_t record = 1;
    for (; record <= file.RecordCount(); ++record) {
        if (DecodeRecord<WaiverEntry>(file.Read(record)).Player.Name == player.Name) break;
    }
    WaiverEntry entry;
    entry.WaiverState = 0;
    entry.Player = player;
    entry.Player.WaiverMark = 0;
    file.Write(record, EncodeRecord(entry).data());
}

}  // namespace korvel
