#include "league/GameDayHistoryFormat.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "league/GameDayHistoryChecksum.h"
#include "league/LeagueFiles.h"
#include "platform/Phrase.h"
#include "platform/ReadOnlyFile.h"

namespace korvel::gamedays {
namespace {

constexpr std::string_view kMagic = "KORVEL GAME DAYS\n";
constexpr std::size_t kIndexLimit = kLeaguesKept * (4096 + 64) + 16;
constexpr std::size_t kStateLimit = kTeamFileLimit + kRosterFileLimit + kWaiverListLimit + 64;
// Two changes of the same size make a run when fewer bytes than this lie between them.
constexpr std::size_t kRunGap = 4;

std::span<const std::uint8_t> AsBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

class Out {
  public:
    void Raw(std::span<const std::uint8_t> bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    }
    void Number(std::uint64_t value, int width) {
        for (int i = 0; i < width; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    // Seven bits a byte, the high bit set on all but the last.
    void Count(std::uint64_t value) {
        while (value >= 0x80) {
            bytes_.push_back(static_cast<std::uint8_t>(value | 0x80));
            value >>= 7;
        }
        bytes_.push_back(static_cast<std::uint8_t>(value));
    }
    void Block(std::span<const std::uint8_t> bytes) {
        Number(bytes.size(), 4);
        Raw(bytes);
    }
    Bytes& Taken() { return bytes_; }

  private:
    Bytes bytes_;
};

class In {
  public:
    explicit In(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::span<const std::uint8_t> Raw(std::size_t count) {
        if (count > bytes_.size() - at_) throw Unusable(KORVEL_TEXT("Files", "is cut short"));
        const auto part = bytes_.subspan(at_, count);
        at_ += count;
        return part;
    }
    std::uint64_t Number(int width) {
        const auto part = Raw(static_cast<std::size_t>(width));
        std::uint64_t value = 0;
        for (int i = width - 1; i >= 0; --i)
            value = (value << 8) | part[static_cast<std::size_t>(i)];
        return value;
    }
    std::uint64_t Count() {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const std::uint8_t byte = Raw(1)[0];
            value |= static_cast<std::uint64_t>(byte & 0x7f) << shift;
            if ((byte & 0x80) == 0) return value;
        }
        throw Unusable(KORVEL_TEXT("Files", "is damaged (a number too long)"));
    }
    std::span<const std::uint8_t> Block(int width, std::size_t limit) {
        const std::uint64_t count = Number(width);
        if (count > limit) {
            throw Unusable(KORVEL_TEXT("Files", "is damaged (a part longer than a league has)"));
        }
        return Raw(static_cast<std::size_t>(count));
    }
    bool AtEnd() const { return at_ == bytes_.size(); }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

void PutState(Out& out, const LeagueState& state) {
    out.Number(static_cast<std::uint16_t>(state.SeasonFlag), 2);
    out.Block(state.TeamFile.Span());
    out.Block(state.RosterFile.Span());
    out.Block(state.WaiverFile.Span());
}

LeagueState GetState(In& in, const SharedBytes& owner) {
    LeagueState state;
    state.SeasonFlag = static_cast<std::int16_t>(in.Number(2));
    state.TeamFile = owner.Part(in.Block(4, kTeamFileLimit));
    state.RosterFile = owner.Part(in.Block(4, kRosterFileLimit));
    state.WaiverFile = owner.Part(in.Block(4, kWaiverListLimit));
    return state;
}

// The change of one file: its new size, then either the runs of changed bytes (same size) or the
// bytes between what the two share at the start and at the end (the size changed, as a waiver
// list does when an entry comes or goes).
void PutChange(Out& out, std::span<const std::uint8_t> from, std::span<const std::uint8_t> to) {
    out.Count(to.size());
    if (from.size() == to.size()) {
        out.Number(0, 1);
        Out runs;
        std::size_t count = 0, end = 0;
        for (std::size_t at = 0; at < to.size();) {
            if (from[at] == to[at]) {
                ++at;
                continue;
            }
            std::size_t last = at;  // the last changed byte of the run
            for (std::size_t next = at + 1; next < to.size() && next <= last + kRunGap; ++next) {
                if (from[next] != to[next]) last = next;
            }
            runs.Count(at - end);
            runs.Count(last + 1 - at);
            runs.Raw(to.subspan(at, last + 1 - at));
            ++count;
            end = at = last + 1;
        }
        out.Count(count);
        out.Raw(runs.Taken());
        return;
    }
    const std::size_t shorter = std::min(from.size(), to.size());
    std::size_t prefix = 0;
    while (prefix < shorter && from[prefix] == to[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < shorter - prefix &&
           from[from.size() - 1 - suffix] == to[to.size() - 1 - suffix]) {
        ++suffix;
    }
    out.Number(1, 1);
    out.Count(prefix);
    out.Count(suffix);
    out.Raw(to.subspan(prefix, to.size() - prefix - suffix));
}

SharedBytes GetChange(In& in, std::span<const std::uint8_t> from, std::size_t limit) {
    const std::uint64_t size = in.Count();
    if (size > limit) {
        throw Unusable(KORVEL_TEXT("Files", "is damaged (a game day larger than a league has)"));
    }
    Bytes to(static_cast<std::size_t>(size));
    const auto mode = in.Number(1);
    if (mode == 0) {
        if (from.size() != to.size()) {
            throw Unusable(KORVEL_TEXT("Files", "is damaged (a change of the wrong size)"));
        }
        std::copy(from.begin(), from.end(), to.begin());
        std::uint64_t at = 0;
        for (std::uint64_t runs = in.Count(); runs > 0; --runs) {
            at += in.Count();
            const std::uint64_t length = in.Count();
            if (at > to.size() || length > to.size() - at) {
                throw Unusable(KORVEL_TEXT("Files", "is damaged (a change past the end)"));
            }
            const auto bytes = in.Raw(static_cast<std::size_t>(length));
            std::copy(bytes.begin(), bytes.end(), to.begin() + static_cast<std::ptrdiff_t>(at));
            at += length;
        }
    } else if (mode == 1) {
        const std::uint64_t prefix = in.Count(), suffix = in.Count();
        if (prefix > from.size() || suffix > from.size() - prefix || prefix > to.size() ||
            suffix > to.size() - prefix) {
            throw Unusable(KORVEL_TEXT("Files", "is damaged (a change past the end)"));
        }
        const auto middle = in.Raw(to.size() - prefix - suffix);
        std::copy_n(from.begin(), prefix, to.begin());
        std::copy(middle.begin(), middle.end(), to.begin() + static_cast<std::ptrdiff_t>(prefix));
        std::copy_n(from.end() - static_cast<std::ptrdiff_t>(suffix), suffix,
                    to.end() - static_cast<std::ptrdiff_t>(suffix));
    } else {
        throw Unusable(KORVEL_TEXT("Files", "is damaged (a change of an unknown kind)"));
    }
    return Shared(std::move(to));
}

}  // namespace

SharedBytes Shared(Bytes bytes) {
    std::shared_ptr<std::uint8_t[]> buffer(new std::uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), buffer.get());
    const std::span<const std::uint8_t> view(buffer.get(), bytes.size());
    return {std::move(buffer), view};
}

std::uint64_t Checksum(std::span<const std::uint8_t> bytes) {
    return ChecksumOf(kFormat, bytes);
}

Header ReadHeader(const ReadOnlyFile& file) {
    constexpr std::size_t start = kMagic.size() + 2;
    std::uint8_t first[start + 4];
    const std::size_t got = file.ReadAt(0, sizeof first, first);
    if (got < start || !std::equal(kMagic.begin(), kMagic.end(), first)) {
        throw Unusable(KORVEL_TEXT("Files", "is not a game-day history of Korvel"));
    }
    Header header;
    header.Format = static_cast<std::uint16_t>(first[kMagic.size()] | first[kMagic.size() + 1] << 8);
    if (header.Format > kFormat) {
        throw Unusable(KORVEL_PHRASE("Files", "was written by a newer Korvel (format %1)")
                           .With({std::to_string(header.Format)})
                           .English());
    }
    if (header.Format < 3) return header;
    if (got < sizeof first) throw Unusable(KORVEL_TEXT("Files", "is cut short"));
    const std::size_t length = In({first + start, 4}).Number(4);
    if (length > kIndexLimit) {
        throw Unusable(KORVEL_TEXT("Files", "is damaged (an index longer than it can be)"));
    }
    Bytes bytes(sizeof first + length + 8);
    if (file.ReadAt(0, bytes.size(), bytes.data()) < bytes.size()) {
        throw Unusable(KORVEL_TEXT("Files", "is cut short"));
    }
    const std::span<const std::uint8_t> body(bytes.data(), bytes.size() - 8);
    if (In(std::span(bytes).last(8)).Number(8) != Checksum(body)) {
        throw Unusable(
            KORVEL_TEXT("Files", "is cut short or damaged (its checksum does not match)"));
    }
    In in{body.subspan(sizeof first)};
    header.Index.resize(in.Number(2));
    if (header.Index.size() > kLeaguesKept) {
        throw Unusable(KORVEL_TEXT("Files", "is damaged (too many leagues)"));
    }
    for (IndexEntry& entry : header.Index) {
        const auto base = in.Block(2, 4096);
        entry.Base.assign(base.begin(), base.end());
        const auto name = in.Raw(25);
        std::copy(name.begin(), name.end(), entry.LeagueName.Bytes.begin());
        entry.LastTeam = static_cast<std::uint8_t>(in.Number(1));
        entry.Offset = in.Number(8);
        entry.NewestLength = static_cast<std::uint32_t>(in.Number(4));
        entry.NewestSum = in.Number(8);
        entry.HistoryLength = static_cast<std::uint32_t>(in.Number(4));
        entry.HistorySum = in.Number(8);
        if (entry.Offset > file.Size() ||
            entry.NewestLength + std::uint64_t{entry.HistoryLength} > file.Size() - entry.Offset) {
            throw Unusable(KORVEL_TEXT("Files", "is cut short"));
        }
    }
    if (!in.AtEnd()) throw Unusable(KORVEL_TEXT("Files", "is damaged (bytes after its index)"));
    return header;
}

SharedBytes ReadPart(const ReadOnlyFile& file, std::uint64_t offset, std::uint32_t length,
                     std::uint64_t sum) {
    std::shared_ptr<std::uint8_t[]> buffer(new std::uint8_t[length]);
    const std::size_t got = file.ReadAt(static_cast<std::size_t>(offset), length, buffer.get());
    const std::span<const std::uint8_t> bytes(buffer.get(), got);
    if (got < length) throw Unusable(KORVEL_TEXT("Files", "is cut short"));
    if (Checksum(bytes) != sum) {
        throw Unusable(
            KORVEL_TEXT("Files", "is cut short or damaged (its checksum does not match)"));
    }
    return {std::move(buffer), bytes};
}

Bytes EncodeNewest(const Newest& newest) {
    Out out;
    PutState(out, newest.State);
    out.Number(newest.HasPrevious ? 1 : 0, 1);
    if (newest.HasPrevious) out.Block(newest.BackToPrevious);
    return std::move(out.Taken());
}

Newest DecodeNewest(const SharedBytes& part) {
    In in{part.Span()};
    Newest newest;
    newest.State = GetState(in, part);
    newest.HasPrevious = in.Number(1) != 0;
    if (newest.HasPrevious) {
        const auto change = in.Block(4, kStateLimit);
        newest.BackToPrevious.assign(change.begin(), change.end());
    }
    if (!in.AtEnd()) throw Unusable(KORVEL_TEXT("Files", "is damaged (bytes after a game day)"));
    return newest;
}

Bytes EncodeHistory(const History& history) {
    Out out;
    out.Count(history.Back.size());
    for (const SharedBytes& change : history.Back) out.Block(change.Span());
    out.Number(history.PreviousSeasonEnd ? 1 : 0, 1);
    if (history.PreviousSeasonEnd) PutState(out, *history.PreviousSeasonEnd);
    return std::move(out.Taken());
}

History DecodeHistory(const SharedBytes& part) {
    In in{part.Span()};
    History history;
    const std::uint64_t count = in.Count();
    if (count > kDaysKept) throw Unusable(KORVEL_TEXT("Files", "is damaged (too many game days)"));
    history.Back.reserve(static_cast<std::size_t>(count));
    for (std::uint64_t i = 0; i < count; ++i) history.Back.push_back(part.Part(in.Block(4, kStateLimit)));
    if (in.Number(1) != 0) history.PreviousSeasonEnd = GetState(in, part);
    if (!in.AtEnd()) throw Unusable(KORVEL_TEXT("Files", "is damaged (bytes after the season)"));
    return history;
}

Bytes Difference(const LeagueState& from, const LeagueState& to) {
    Out out;
    out.Number(static_cast<std::uint16_t>(to.SeasonFlag), 2);
    PutChange(out, from.TeamFile.Span(), to.TeamFile.Span());
    PutChange(out, from.RosterFile.Span(), to.RosterFile.Span());
    PutChange(out, from.WaiverFile.Span(), to.WaiverFile.Span());
    return std::move(out.Taken());
}

LeagueState Apply(const LeagueState& from, std::span<const std::uint8_t> change) {
    In in{change};
    LeagueState to;
    to.SeasonFlag = static_cast<std::int16_t>(in.Number(2));
    to.TeamFile = GetChange(in, from.TeamFile.Span(), kTeamFileLimit);
    to.RosterFile = GetChange(in, from.RosterFile.Span(), kRosterFileLimit);
    to.WaiverFile = GetChange(in, from.WaiverFile.Span(), kWaiverListLimit);
    if (!in.AtEnd()) throw Unusable(KORVEL_TEXT("Files", "is damaged (bytes after a change)"));
    return to;
}

void Write(const std::vector<Section>& sections, FileSink& sink) {
    // The index has the same length whatever the offsets, so it is laid out once to learn it.
    const auto index = [&](std::uint64_t firstOffset) {
        Out out;
        out.Number(sections.size(), 2);
        std::uint64_t offset = firstOffset;
        for (const Section& section : sections) {
            out.Number(section.Entry.Base.size(), 2);
            out.Raw(AsBytes(section.Entry.Base));
            const auto& name = section.Entry.LeagueName.Bytes;
            out.Raw(AsBytes(std::string_view(name.data(), name.size())));
            out.Number(section.Entry.LastTeam, 1);
            out.Number(offset, 8);
            out.Number(section.NewestPart.Size(), 4);
            out.Number(Checksum(section.NewestPart.Span()), 8);
            out.Number(section.HistoryPart.Size(), 4);
            out.Number(Checksum(section.HistoryPart.Span()), 8);
            offset += section.NewestPart.Size() + section.HistoryPart.Size();
        }
        return std::move(out.Taken());
    };
    const std::size_t indexLength = index(0).size();
    Out header;
    header.Raw(AsBytes(kMagic));
    header.Number(kFormat, 2);
    header.Number(indexLength, 4);
    header.Raw(index(kMagic.size() + 2 + 4 + indexLength + 8));
    header.Number(Checksum(header.Taken()), 8);
    sink.Write(header.Taken().data(), header.Taken().size());
    for (const Section& section : sections) {
        sink.Write(section.NewestPart.Span().data(), section.NewestPart.Size());
        sink.Write(section.HistoryPart.Span().data(), section.HistoryPart.Size());
    }
}

std::vector<OldLeague> DecodeOldFormat(const SharedBytes& file) {
    const std::span<const std::uint8_t> bytes = file.Span();
    const std::size_t start = kMagic.size() + 2;
    if (bytes.size() < start + 8) throw Unusable(KORVEL_TEXT("Files", "is cut short"));
    const std::uint64_t format = In(bytes.subspan(kMagic.size(), 2)).Number(2);
    const std::span<const std::uint8_t> body(bytes.data(), bytes.size() - 8);
    if (In(bytes.last(8)).Number(8) != ChecksumOf(format, body)) {
        throw Unusable(
            KORVEL_TEXT("Files", "is cut short or damaged (its checksum does not match)"));
    }
    In in{body.subspan(start)};
    std::vector<OldLeague> leagues(in.Number(2));
    if (leagues.size() > kLeaguesKept) {
        throw Unusable(KORVEL_TEXT("Files", "is damaged (too many leagues)"));
    }
    for (OldLeague& league : leagues) {
        const auto base = in.Block(2, 4096);
        league.Base.assign(base.begin(), base.end());
        const auto name = in.Raw(25);
        std::copy(name.begin(), name.end(), league.LeagueName.Bytes.begin());
        league.LastTeam = static_cast<std::uint8_t>(in.Number(1));
        league.States.resize(in.Number(1));
        if (league.States.size() > 2) {
            throw Unusable(KORVEL_TEXT("Files", "is damaged (too many game days)"));
        }
        for (LeagueState& state : league.States) {
            state.SeasonFlag = kUnknownSeasonFlag;
            state.TeamFile = file.Part(in.Block(4, kTeamFileLimit));
            state.RosterFile = file.Part(in.Block(4, kRosterFileLimit));
            state.WaiverFile = file.Part(in.Block(4, kWaiverListLimit));
        }
    }
    if (!in.AtEnd()) throw Unusable(KORVEL_TEXT("Files", "is damaged (bytes after its end)"));
    return leagues;
}

}  // namespace korvel::gamedays
