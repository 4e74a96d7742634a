#include "league/WaiverList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <future>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/SharedFileChange.h"
#include "support/TempFolder.h"
#include "windows/LinesTestRoster.h"

namespace korvel {
namespace {
namespace fs = std::filesystem;
using testing::ElementsAreArray;
using testing::HasSubstr;

Bytes EntryOf(const std::string& name, std::uint8_t state = 0) {
    WaiverEntry entry;
    entry.WaiverState = state;
    entry.Player = test::MakePlayer(name, Centre, 50);
    const auto bytes = EncodeRecord(entry);
    return Bytes(bytes.begin(), bytes.end());
}

// The list's whole entries as "name:state", and the bytes after the last one.
std::pair<std::vector<std::string>, std::size_t> Read(const fs::path& list) {
    const Bytes bytes = ReadWholeFile(list);
    std::vector<std::string> entries;
    for (std::size_t at = 0; at + 88 <= bytes.size(); at += 88) {
        const auto entry = DecodeRecord<WaiverEntry>(std::span(bytes).subspan(at, 88));
        std::string name = entry.Player.Name.Str();
        name.erase(name.find_last_not_of(' ') + 1);
        entries.push_back(name + ":" + std::to_string(entry.WaiverState));
    }
    return {entries, bytes.size() % 88};
}

struct Placing {
    const char* Label;
    std::vector<std::string> Before;  // names of entries in state 7; none: no list at all
    std::size_t CutTail;              // bytes of a cut-off entry after them
    std::vector<std::string> Waived;
    std::vector<std::string> After;
    std::size_t TailAfter;
};

class StageWaiverListCase : public testing::TestWithParam<Placing> {};

TEST_P(StageWaiverListCase, PutsEachEntryInItsPlace) {
    const Placing& c = GetParam();
    test::TempFolder league;
    const fs::path list = league / "L.wvr";
    if (!c.Before.empty() || c.CutTail > 0) {
        Bytes bytes;
        for (const auto& name : c.Before) {
            const Bytes entry = EntryOf(name, 7);
            bytes.insert(bytes.end(), entry.begin(), entry.end());
        }
        bytes.insert(bytes.end(), c.CutTail, 0x33);
        WriteWholeFile(list, bytes);
    }
    std::vector<Player> waived;
    for (const auto& name : c.Waived) waived.push_back(test::MakePlayer(name, Goalie, 60));
    StageWaiverList(list, waived).Commit();

    const auto [entries, tail] = Read(list);
    EXPECT_THAT(entries, ElementsAreArray(c.After));
    EXPECT_EQ(tail, c.TailAfter);
}

INSTANTIATE_TEST_SUITE_P(
    WaiverList, StageWaiverListCase,
    testing::Values(
        Placing{"MissingListIsMade", {}, 0, {"A"}, {"A:0"}, 0},
        Placing{"FirstOfTwoSameNamesReplaced", {"A", "B", "A"}, 0, {"A"}, {"A:0", "B:7", "A:7"}, 0},
        Placing{"AppendedOverACutEntry", {"A"}, 30, {"C"}, {"A:7", "C:0"}, 0},
        Placing{"CutEntryKeptWhenNothingIsAppended", {"A"}, 30, {"A"}, {"A:0"}, 30},
        Placing{"SameNameTwiceInOneSaveIsOneEntry", {"B"}, 0, {"C", "C"}, {"B:7", "C:0"}, 0},
        Placing{"OneReplacedOneAppended", {"A", "B"}, 0, {"C", "B"}, {"A:7", "B:0", "C:0"}, 0}),
    [](const auto& info) { return std::string(info.param.Label); });

TEST(StageWaiverList, ReplacedEntryHoldsTheNewRecordAndWaiverState0) {
    test::TempFolder league;
    const fs::path list = league / "L.wvr";
    WriteWholeFile(list, EntryOf("A", 7));
    Player waived = test::MakePlayer("A", Goalie, 60);
    waived.WaiverMark = 1;
    StageWaiverList(list, {waived}).Commit();
    const auto entry = DecodeRecord<WaiverEntry>(ReadWholeFile(list));
    EXPECT_EQ(entry.WaiverState, 0);
    EXPECT_EQ(entry.Player.WaiverMark, 0);
    EXPECT_EQ(entry.Player.Position, Goalie);
}

// Two managers of one league save their rosters at the same moment: the second save starts while
// the first is inside its write, and must wait for it rather than lose its entry.
TEST(SharedWaiverList, TwoSavesAtOnceKeepEveryEntry) {
    test::TempFolder league;
    const fs::path list = league / "L.wvr";
    WriteWholeFile(list, EntryOf("Listed Before"));
    auto stage = [](const std::string& name) {
        return [name](const fs::path& file) {
            return StageWaiverList(file, {test::MakePlayer(name, Centre, 50)});
        };
    };

    std::promise<void> secondWaits;
    std::once_flag told;
    auto tell = [&] { std::call_once(told, [&] { secondWaits.set_value(); }); };
    std::optional<SharedFileChange> first(std::in_place, list, stage("First Manager"));
    std::thread second([&] {
        SharedFileChange change(list, stage("Second Manager"), std::chrono::minutes(1), tell);
        change.Commit();
        tell();  // had it not waited, the first save below would now overwrite its entry
    });
    secondWaits.get_future().wait();
    first->Commit();
    first.reset();
    second.join();

    EXPECT_THAT(Read(list).first,
                ElementsAreArray({"Listed Before:0", "First Manager:0", "Second Manager:0"}));
}

TEST(SharedWaiverList, SaysWhichFileIsBusy) {
    test::TempFolder league;
    const fs::path list = league / "L.wvr";
    FileLock other(league / "L.wvr.lock", std::chrono::milliseconds(0));
    try {
        SharedFileChange(
            list, [](const fs::path& file) { return StageWaiverList(file, {}); },
            std::chrono::milliseconds(0));
        FAIL() << "saved while another program held the list";
    } catch (const FileBusy& busy) {
        EXPECT_EQ(busy.File(), list);
        EXPECT_THAT(busy.what(), HasSubstr("is being saved by another Korvel program"));
    }
    EXPECT_FALSE(fs::exists(list));
}

}  // namespace
}  // namespace korvel
