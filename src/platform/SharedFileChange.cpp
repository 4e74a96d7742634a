#include "platform/SharedFileChange.h"
#include "platform/Phrase.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <optional>
#include <random>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "platform/CommitJournal.h"
#include "platform/ReadOnlyFile.h"
#include "platform/SystemFiles.h"
#include "platform/Utf8Paths.h"

namespace korvel {
namespace fs = std::filesystem;

namespace {

constexpr const char* kChangeMarker = ".change-";
constexpr const char* kChangeHeader = "korvel list change 1\n";
constexpr const char* kChangeEnd = "end\n";
constexpr std::size_t kChangeLimit = 16 << 20;
constexpr std::size_t kRecordsPerBlock = 512;

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(fs::symlink_status(path, error));
}

std::string HexOf(const Bytes& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 15];
    }
    return text;
}

std::optional<Bytes> BytesOfHex(std::string_view text) {
    if (text.size() % 2 != 0) return std::nullopt;
    const auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    Bytes bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = digit(text[i]);
        const int low = digit(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return bytes;
}

// What a change file holds: the machine and the journal of the save that wrote it, and the change.
struct ChangeFile {
    std::string Host;
    fs::path Journal;
    ListChange Change;
};

// Each text as its length, a colon and its bytes, so that any byte may stand in it.
void AppendCounted(std::string& text, const std::string& value) {
    text += std::to_string(value.size()) + ":" + value;
}

Bytes ChangeText(const ChangeFile& file) {
    std::string text = kChangeHeader;
    text += "host ";
    AppendCounted(text, file.Host);
    text += "\njournal ";
    AppendCounted(text, Utf8Of(file.Journal));
    const ListLayout& layout = file.Change.Layout;
    text += "\nlayout " + std::to_string(layout.Length) + " " + std::to_string(layout.KeyOffset) +
            " " + std::to_string(layout.KeyLength) + "\n";
    for (const ListEntryChange& entry : file.Change.Entries) {
        text += HexOf(entry.Added) + " " + (entry.Replaced.empty() ? "-" : HexOf(entry.Replaced));
        text += '\n';
    }
    text += kChangeEnd;
    return Bytes(text.begin(), text.end());
}

// Throws FileError when `path` is not a whole change file.
ChangeFile ReadChange(const fs::path& path) {
    const Bytes bytes = ReadWholeFile(path, kChangeLimit);
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const auto bad = [&]() { return FileError(path, "is not a whole Korvel list change"); };
    std::size_t at = 0;
    const auto expect = [&](std::string_view word) {
        if (text.substr(at, word.size()) != word) throw bad();
        at += word.size();
    };
    const auto counted = [&]() {
        const auto colon = text.find(':', at);
        if (colon == std::string_view::npos || colon == at || colon - at > 5) throw bad();
        std::size_t length = 0;
        for (std::size_t i = at; i < colon; ++i) {
            if (text[i] < '0' || text[i] > '9') throw bad();
            length = length * 10 + static_cast<std::size_t>(text[i] - '0');
        }
        if (colon + 1 + length > text.size()) throw bad();
        at = colon + 1 + length;
        return std::string(text.substr(colon + 1, length));
    };
    const auto line = [&]() {
        const auto end = text.find('\n', at);
        if (end == std::string_view::npos) throw bad();
        const std::string_view whole = text.substr(at, end - at);
        at = end + 1;
        return whole;
    };
    ChangeFile file;
    expect(kChangeHeader);
    expect("host ");
    file.Host = counted();
    expect("\njournal ");
    try {
        file.Journal = PathFromUtf8(counted());
    } catch (const std::exception&) {
        throw bad();
    }
    expect("\nlayout ");
    std::size_t* const fields[] = {&file.Change.Layout.Length, &file.Change.Layout.KeyOffset,
                                   &file.Change.Layout.KeyLength};
    std::size_t field = 0;
    for (const char c : line()) {
        if (c == ' ') {
            if (++field == 3) throw bad();
        } else if (c >= '0' && c <= '9' && *fields[field] < (1u << 20)) {
            *fields[field] = *fields[field] * 10 + static_cast<std::size_t>(c - '0');
        } else {
            throw bad();
        }
    }
    const ListLayout& layout = file.Change.Layout;
    if (field != 2 || layout.Length == 0 || layout.KeyLength == 0 ||
        layout.KeyOffset + layout.KeyLength > layout.Length) {
        throw bad();
    }
    while (text.substr(at) != kChangeEnd) {
        const std::string_view entry = line();
        const auto space = entry.find(' ');
        if (space == std::string_view::npos) throw bad();
        const auto added = BytesOfHex(entry.substr(0, space));
        const std::string_view replacedText = entry.substr(space + 1);
        const auto replaced = replacedText == "-" ? Bytes() : BytesOfHex(replacedText);
        if (!added || !replaced || added->size() != layout.Length ||
            (!replaced->empty() && replaced->size() != layout.Length)) {
            throw bad();
        }
        file.Change.Entries.push_back({*added, *replaced});
    }
    return file;
}

std::string_view KeyOf(const ListLayout& layout, const std::uint8_t* record) {
    return std::string_view(reinterpret_cast<const char*>(record) + layout.KeyOffset,
                            layout.KeyLength);
}

// The entry changes of several list changes, key by key, in the order they come.
class ChangesByKey {
  public:
    explicit ChangesByKey(const std::vector<ListChange>& changes) {
        for (const ListChange& change : changes) {
            layout_ = change.Layout;
            for (const ListEntryChange& entry : change.Entries) {
                const std::string key(KeyOf(layout_, entry.Added.data()));
                auto [at, added] = byKey_.try_emplace(key);
                if (added) order_.push_back(key);
                at->second.Entries.push_back(&entry);
            }
        }
    }
    bool Empty() const { return order_.empty(); }
    std::size_t Length() const { return layout_.Length; }

    // The first record of its key found: what the list holds there once the changes are applied.
    // Null when it stays as it is.
    const Bytes* Settle(const std::uint8_t* record) {
        auto at = byKey_.find(KeyOf(layout_, record));
        if (at == byKey_.end() || at->second.Found) return nullptr;
        at->second.Found = true;
        return Final(Bytes(record, record + layout_.Length), at->second);
    }
    // The records to append for the keys no record of the list held.
    std::vector<const Bytes*> Appended() {
        std::vector<const Bytes*> records;
        for (const std::string& key : order_) {
            Key& changes = byKey_.at(key);
            if (changes.Found) continue;
            if (const Bytes* record = Final(std::nullopt, changes)) records.push_back(record);
        }
        return records;
    }

  private:
    struct Key {
        std::vector<const ListEntryChange*> Entries;
        bool Found = false;
    };
    // Applies the entry changes of one key to what the list holds (nothing: `now` empty).
    static const Bytes* Final(std::optional<Bytes> now, const Key& changes) {
        const Bytes* placed = nullptr;
        for (const ListEntryChange* entry : changes.Entries) {
            const Bytes* current = placed ? placed : (now ? &*now : nullptr);
            if (current && *current == entry->Added) continue;  // already there
            const bool asStaged = current ? *current == entry->Replaced : entry->Replaced.empty();
            if (!asStaged) continue;  // a later save changed or removed this entry: it stays
            placed = &entry->Added;
        }
        return placed;
    }

    ListLayout layout_;
    std::map<std::string, Key, std::less<>> byKey_;
    std::vector<std::string> order_;
};

void WriteKeepingHoles(FileSink& sink, const std::uint8_t* bytes, std::size_t count) {
    if (std::all_of(bytes, bytes + count, [](std::uint8_t b) { return b == 0; })) {
        sink.SkipZeros(count);
    } else {
        sink.Write(bytes, count);
    }
}

// Reads the whole records of `list` a block at a time, letting `each` change them in the block;
// calls `block` with every block read. Returns the list's size.
template <class Each, class Block>
std::size_t ForEachRecord(const ReadOnlyFile& list, const fs::path& path, std::size_t length,
                          Each each, Block block) {
    const std::size_t whole = list.Size() / length;
    std::vector<std::uint8_t> buffer(kRecordsPerBlock * length);
    for (std::size_t first = 0; first < whole; first += kRecordsPerBlock) {
        const std::size_t count = std::min(kRecordsPerBlock, whole - first) * length;
        if (list.ReadAt(first * length, count, buffer.data()) != count) {
            throw FileError(path, "became shorter while it was read");
        }
        for (std::size_t offset = 0; offset < count; offset += length) {
            each(buffer.data() + offset);
        }
        block(buffer.data(), count);
    }
    return list.Size();
}

// True when applying `changes` to `list` would change it.
bool ChangesAnything(const fs::path& list, const std::vector<ListChange>& changes) {
    ChangesByKey byKey(changes);
    if (byKey.Empty()) return false;
    bool changed = false;
    if (IsFile(list)) {
        const ReadOnlyFile file(list);
        ForEachRecord(
            file, list, byKey.Length(),
            [&](std::uint8_t* record) {
                const Bytes* now = byKey.Settle(record);
                changed = changed || (now && !std::equal(now->begin(), now->end(), record));
            },
            [](const std::uint8_t*, std::size_t) {});
    }
    return changed || !byKey.Appended().empty();
}

// A name no other save picks: random bytes, this program's id and a count.
std::string RandomToken() {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    Bytes bytes;
    for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<std::uint8_t>(random()));
    return HexOf(bytes) + "-" + std::to_string(system::ProcessId()) + "-" +
           std::to_string(counter++);
}

std::string ChangePrefixOf(const fs::path& list) {
    std::string prefix = ".";
    prefix.append(Utf8Of(list.filename())).append(kChangeMarker);
    return prefix;
}

// The change files waiting beside `list`, oldest first; removes the list's temporary files, and
// those of change files, which only a holder of its lock writes: any found are a killed writer's.
std::vector<fs::path> TidyListFolder(const fs::path& list) {
    const std::string listName = Utf8Of(list.filename());
    const std::string changePrefix = ChangePrefixOf(list);
    std::vector<std::pair<fs::file_time_type, fs::path>> changes;
    std::error_code error;
    const fs::path folder = list.parent_path().empty() ? fs::path(".") : list.parent_path();
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = Utf8Of(entry->path().filename());
        std::error_code ignored;
        if (!entry->is_regular_file(ignored) || entry->is_symlink(ignored)) continue;
        const bool changeFile = name.starts_with(changePrefix);
        const bool temporary = IsTemporaryNameOf(name, listName) ||
                               (name.starts_with("." + changePrefix) && name.find(".tmp") != name.npos);
        if (temporary) {
            system::RemoveFile(entry->path());
        } else if (changeFile && IsListChangeNameOf(name, listName)) {
            changes.emplace_back(entry->last_write_time(ignored), entry->path());
        }
    }
    std::sort(changes.begin(), changes.end());
    std::vector<fs::path> paths;
    for (auto& [time, path] : changes) paths.push_back(std::move(path));
    return paths;
}

// Settles the change files other saves left beside `list` (see LockSharedFile).
void SettleWaitingChanges(const fs::path& list) {
    std::vector<fs::path> committed;
    const std::string host = system::HostName();
    for (const fs::path& path : TidyListFolder(list)) {
        std::optional<ChangeFile> change;
        try {
            change = ReadChange(path);
        } catch (const FileError&) {
            // Cut short: written by a save killed before its journal, which names only whole,
            // flushed change files.
            system::RemoveFile(path);
            continue;
        }
        if (!ChangesAnything(list, {change->Change})) {
            system::RemoveFile(path);  // done already, or overtaken by later saves
            continue;
        }
        const JournalMention mention = JournalMentions(change->Journal, path);
        if (mention == JournalMention::Names) {
            committed.push_back(path);
        } else if (mention == JournalMention::DoesNotName && change->Host == host) {
            system::RemoveFile(path);  // its save never reached its journal
        }
    }
    if (!committed.empty()) ApplyListChanges(list, committed);
}

}  // namespace

std::filesystem::path LockFileOf(const std::filesystem::path& file) {
    std::filesystem::path lockFile = file;
    return lockFile += ".lock";
}

fs::path SharedFileTarget(const fs::path& file) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(file, error))) return file;
    const fs::path target = fs::canonical(file, error);
    if (error) {
        throw FileError(file, "is a link to a file that cannot be reached (" + error.message() +
                                  "); nothing was changed");
    }
    return target;
}

ListChange ChangeOfList(const fs::path& list, const ListLayout& layout,
                        const std::vector<Bytes>& added) {
    ListChange change{layout, {}};
    std::map<std::string, std::size_t, std::less<>> entryOf;
    for (const Bytes& record : added) {
        if (record.size() != layout.Length) throw std::invalid_argument("a record of another length");
        const auto [at, isNew] =
            entryOf.try_emplace(std::string(KeyOf(layout, record.data())), change.Entries.size());
        if (isNew) {
            change.Entries.push_back({record, {}});
        } else {
            change.Entries[at->second].Added = record;
        }
    }
    if (change.Entries.empty() || !IsFile(list)) return change;
    std::size_t unfound = entryOf.size();
    const ReadOnlyFile file(list);
    ForEachRecord(
        file, list, layout.Length,
        [&](std::uint8_t* record) {
            if (unfound == 0) return;
            const auto at = entryOf.find(KeyOf(layout, record));
            if (at == entryOf.end()) return;
            Bytes& replaced = change.Entries[at->second].Replaced;
            if (!replaced.empty()) return;
            replaced.assign(record, record + layout.Length);
            --unfound;
        },
        [](const std::uint8_t*, std::size_t) {});
    return change;
}

StagedFile StageListChanges(const fs::path& list, const std::vector<ListChange>& changes,
                            Flush flush) {
    std::error_code error;
    const bool exists = fs::exists(list, error);
    StagedFile staged(list, [&](FileSink& sink) {
        ChangesByKey byKey(changes);
        std::size_t size = 0;
        std::size_t whole = 0;
        std::optional<ReadOnlyFile> file;
        if (exists && !byKey.Empty()) {
            file.emplace(list);
            size = ForEachRecord(
                *file, list, byKey.Length(),
                [&](std::uint8_t* record) {
                    if (const Bytes* now = byKey.Settle(record)) {
                        std::copy(now->begin(), now->end(), record);
                    }
                },
                [&](const std::uint8_t* bytes, std::size_t count) {
                    WriteKeepingHoles(sink, bytes, count);
                    whole += count;
                });
        } else if (exists) {
            file.emplace(list);
            size = ForEachRecord(
                *file, list, 4096, [](std::uint8_t*) {},
                [&](const std::uint8_t* bytes, std::size_t count) {
                    WriteKeepingHoles(sink, bytes, count);
                    whole += count;
                });
        }
        const std::vector<const Bytes*> appended = byKey.Appended();
        // A new record goes over the bytes of a cut-off last record; without one they stay.
        if (appended.empty() && size > whole) {
            std::vector<std::uint8_t> tail(size - whole);
            file->ReadAt(whole, tail.size(), tail.data());
            sink.Write(tail.data(), tail.size());
        }
        for (const Bytes* record : appended) sink.Write(record->data(), record->size());
    }, flush);
    // The other managers of the league share the list: it stays theirs as much as ours.
    staged.KeepOwnerOfTarget();
    return staged;
}

std::shared_ptr<FileLock> LockSharedFile(const fs::path& file, std::chrono::milliseconds wait,
                                         const std::function<void()>& whileBusy) {
    std::shared_ptr<FileLock> lock;
    try {
        lock = std::make_shared<FileLock>(LockFileOf(file), wait, whileBusy);
    } catch (const FileBusy&) {
        throw FileBusy(
            file,
            KORVEL_TEXT("Files",
                        "is being saved by another Korvel program; try again when it is done"));
    }
    // Under the lock no other program is writing the file or a temporary file for it.
    const fs::path pending = PendingRewriteOf(file);
    if (IsFile(pending)) RewriteInPlace(pending, file);
    SettleWaitingChanges(file);
    return lock;
}

fs::path WriteListChange(const fs::path& list, const ListChange& change, const fs::path& journal) {
    const fs::path path = list.parent_path() / (ChangePrefixOf(list) + RandomToken());
    StagedFile written(path, ChangeText({system::HostName(), journal, change}), Flush::Never);
    written.Place();
    return path;
}

void ApplyListChanges(const fs::path& list, const std::vector<fs::path>& changes) {
    std::vector<ListChange> found;
    std::vector<fs::path> present;
    for (const fs::path& path : changes) {
        if (!IsFile(path)) continue;  // applied by another holder of the lock
        found.push_back(ReadChange(path).Change);
        present.push_back(path);
    }
    if (present.empty()) return;
    StagedFile staged = StageListChanges(list, found);
    CommitStep(list);
    staged.Place();
    SyncFolderOf(list.parent_path(), list);
    // Only now: a change file still there after a kill is found done by the next holder.
    for (const fs::path& path : present) {
        CommitStep(path);
        system::RemoveFile(path);
    }
}

bool IsListChangeNameOf(const std::string& name, const std::string& listName) {
    const std::string prefix = "." + listName + kChangeMarker;
    if (!name.starts_with(prefix) || name.size() == prefix.size()) return false;
    return name.find_first_not_of("0123456789abcdef-", prefix.size()) == std::string::npos;
}

SharedFileChange::SharedFileChange(
    const std::filesystem::path& file,
    const std::function<StagedFile(const std::filesystem::path&)>& stage,
    std::chrono::milliseconds wait, const std::function<void()>& whileBusy)
    : lock_(LockSharedFile(file, wait, whileBusy)), staged_(stage(file)) {}

}  // namespace korvel
