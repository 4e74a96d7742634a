#include "platform/Phrase.h"
#include "session/LinePlaces.h"
#include "session/TeamSession.h"

namespace korvel {
namespace {

bool InLineUp(int row, int column) {
    return row >= 0 && row < kLineRows && column >= 0 && column < kLineColumns;
}

}  // namespace

bool TeamSession::ClearEntry(int row, int column) {
    if (!InLineUp(row, column)) return false;
    const Step step(
        *this, KORVEL_PHRASE("TeamSession", "Clear %1").With({PlaceName(row, column)}).English());
    LineBuffer[LineIndex(row, column)] = kNoPlayer;
    return true;
}

bool TeamSession::SwapEntries(int rowA, int columnA, int rowB, int columnB) {
    if (!InLineUp(rowA, columnA) || !InLineUp(rowB, columnB)) return false;
    const std::uint8_t a = LineBuffer[LineIndex(rowA, columnA)];
    const std::uint8_t b = LineBuffer[LineIndex(rowB, columnB)];
    const LineUp before = LineBuffer;
    const Step step(*this, KORVEL_PHRASE("TeamSession", "Swap %1 and %2")
                               .With({PlaceName(rowA, columnA), PlaceName(rowB, columnB)})
                               .English());
    // Both places are emptied first, so that a skater may change places within his own row.
    LineBuffer[LineIndex(rowA, columnA)] = kNoPlayer;
    LineBuffer[LineIndex(rowB, columnB)] = kNoPlayer;
    const auto put = [this](std::uint8_t entry, int row, int column) {
        if (entry >= kRosterPlaces) {
            LineBuffer[LineIndex(row, column)] = entry;
            return true;
        }
        return PlacePlayer(entry, row, column);
    };
    if (put(a, rowB, columnB) && put(b, rowA, columnA)) return true;
    LineBuffer = before;
    return false;
}

}  // namespace korvel
