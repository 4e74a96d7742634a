// Record decoding and encoding of every record type (league, team, player, lines file): any bytes
// decode, the texts convert for display, and encoding the record gives back exactly the bytes it
// was decoded from.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "league/Condense.h"
#include "league/LinesFile.h"
#include "league/Records.h"
#include "league/RosterStatus.h"
#include "platform/Files.h"

namespace {

using namespace korvel;

template <class Record>
void CheckRoundTrip(const std::uint8_t* data, std::size_t size) {
    Bytes bytes(RecordLayout<Record>::Size, 0);
    std::memcpy(bytes.data(), data, std::min(size, bytes.size()));
    const Record record = DecodeRecord<Record>(bytes);
    const auto encoded = EncodeRecord(record);
    if (std::memcmp(encoded.data(), bytes.data(), bytes.size()) != 0) std::abort();
    const auto again = EncodeRecord(DecodeRecord<Record>(Bytes(encoded.begin(), encoded.end())));
    if (again != encoded) std::abort();
}

template <std::size_t N>
void Show(const FixedText<N>& text) {
    (void)text.Utf8();
    (void)Condense(text.Str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckRoundTrip<League>(data, size);
    CheckRoundTrip<Team>(data, size);
    CheckRoundTrip<Player>(data, size);
    CheckRoundTrip<LinesRecord>(data, size);

    Bytes bytes(RecordLayout<League>::Size, 0);
    std::memcpy(bytes.data(), data, std::min(size, bytes.size()));
    const League league = DecodeRecord<League>(bytes);
    Show(league.LeagueName);
    for (const auto& conference : league.Conferences) {
        Show(conference.ConfName);
        for (const auto& division : conference.Divisions) Show(division.DivName);
    }
    const Team team = DecodeRecord<Team>(Bytes(bytes.begin(), bytes.begin() + 254));
    Show(team.Name);
    Show(team.Owner);
    Show(team.Arena);
    Show(team.Coach.Name);
    const Player player = DecodeRecord<Player>(Bytes(bytes.begin(), bytes.begin() + 86));
    Show(player.Name);
    (void)PlaceOf(player.Status);
    (void)InjuryOf(player.Status);
    return 0;
}
