#include "platform/Files.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <map>
#include <optional>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "platform/Phrase.h"
#include "platform/ReadOnlyFile.h"
#include "platform/SystemFiles.h"
#include "platform/Utf8Paths.h"

namespace korvel {
namespace fs = std::filesystem;

FileError::FileError(const fs::path& file, const std::string& cause)
    : std::runtime_error(KORVEL_PHRASE("Files", "%1: %2").With({Utf8Of(file), cause}).English()),
      file_(file),
      cause_(cause) {}

namespace {

constexpr const char* kTemporaryMarker = ".tmp";

fs::path TemporaryNameFor(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    fs::path name(".");
    name += target.filename().native();
    name +=
        kTemporaryMarker + std::to_string(system::ProcessId()) + "-" + std::to_string(counter++);
    return target.parent_path() / name;
}

// Fills the open `file` from its start with what `write` puts into it and closes it. With
// Flush::Always it is flushed to the disk before it is closed, so that a rename of it cannot be
// seen before its bytes are stored. Throws std::system_error.
void FillAndClose(system::FileHandle file, const std::function<void(FileSink&)>& write,
                  std::optional<unsigned> mode, Flush flush) {
    try {
        FileSink sink(file);
        write(sink);
        system::SetFileSize(file, sink.Size());  // a hole at the end
        if (mode) system::SetMode(file, *mode);
        if (flush == Flush::Always ||
            (flush == Flush::WithTheSet && !system::CanFlushFileSystem())) {
            system::FlushFile(file);
        }
    } catch (...) {
        system::CloseQuietly(file);
        throw;
    }
    system::CloseFile(file);
}

// Makes a rename in `folder` durable.
void SyncFolder(const fs::path& folder, const fs::path& target) {
    if (const std::error_code error = system::FlushFolder(folder)) {
        throw FileError(target, KORVEL_PHRASE("Files", "was replaced but not flushed to disk (%1)")
                                    .With({error.message()})
                                    .English());
    }
}

// Flushes everything written to the file system holding `folder`: one wait for many new files.
void FlushFileSystem(const fs::path& folder, const fs::path& target) {
    if (const std::error_code error = system::FlushFileSystem(folder)) {
        throw FileError(target, KORVEL_PHRASE("Files", "cannot be flushed to disk (%1)")
                                    .With({error.message()})
                                    .English());
    }
}

// The program id in one of our temporary names (".NAME.tmpPID-N"); none for another name.
std::optional<std::uint64_t> TemporaryNameOwner(const std::string& name) {
    const auto marker = name.rfind(kTemporaryMarker);
    if (name.size() < 2 || name.front() != '.' || marker == std::string::npos || marker < 2) {
        return std::nullopt;
    }
    const std::string tail = name.substr(marker + std::strlen(kTemporaryMarker));
    const auto dash = tail.find('-');
    const auto isDigits = [](const std::string& text) {
        return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    };
    if (dash == std::string::npos || !isDigits(tail.substr(0, dash)) ||
        !isDigits(tail.substr(dash + 1)) || dash > 9) {
        return std::nullopt;
    }
    return std::stoull(tail.substr(0, dash));
}

bool IsTemporaryName(const std::string& name) {
    return TemporaryNameOwner(name).has_value();
}

// True when `name` is one of our temporary files and the program that made it is no longer
// running.
bool IsLeftoverTemporaryName(const std::string& name) {
    const auto owner = TemporaryNameOwner(name);
    return owner && *owner != system::ProcessId() && system::ProcessIsGone(*owner);
}

}  // namespace

void FileSink::Write(const std::uint8_t* bytes, std::size_t count) {
    system::WriteAll(file_, bytes, count);
    size_ += count;
}

void FileSink::SkipZeros(std::size_t count) {
    system::SkipForward(file_, count);
    size_ += count;
}

fs::path CurrentFolder() {
    std::error_code error;
    fs::path folder = fs::current_path(error);
    if (error) {
        throw std::runtime_error(
            "The current folder cannot be used as the start folder (" + error.message() +
            "); it may have been deleted. Start Korvel in an existing folder.");
    }
    return folder;
}

namespace {

void RemoveLeftovers(const fs::path& folder, const std::string& prefix) {
    std::error_code error;
    for (fs::directory_iterator entry(folder.empty() ? fs::path(".") : folder, error), end;
         !error && entry != end; entry.increment(error)) {
        const std::string name = Utf8Of(entry->path().filename());
        if (!name.starts_with(prefix) || !IsLeftoverTemporaryName(name)) continue;
        std::error_code ignored;
        if (entry->is_regular_file(ignored)) fs::remove(entry->path(), ignored);
    }
}

}  // namespace

void RemoveLeftoverTemporaryFiles(const fs::path& folder) {
    RemoveLeftovers(folder, "");
}

void RemoveLeftoverTemporaryFilesOf(const fs::path& target) {
    // Appended in place: "." + name + marker makes GCC 12 warn of an overlapping copy that
    // cannot happen (-Wrestrict, its bug 105329).
    std::string prefix = ".";
    prefix.append(Utf8Of(target.filename())).append(kTemporaryMarker);
    RemoveLeftovers(target.parent_path(), prefix);
}

bool FileExists(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

Bytes ReadWholeFile(const fs::path& path, std::size_t limit) {
    const ReadOnlyFile file(path);
    Bytes content(std::min(file.Size(), limit));
    content.resize(file.ReadAt(0, content.size(), content.data()));
    return content;
}

Bytes ReadRecords(const fs::path& path, std::size_t recordLength, std::size_t first,
                  std::size_t count) {
    if (first == 0) throw std::out_of_range(Utf8Of(path) + ": record numbers start at 1");
    const ReadOnlyFile file(path);
    Bytes records(recordLength * count, 0);
    file.ReadAt((first - 1) * recordLength, records.size(), records.data());
    return records;
}

namespace {

using Chunk = std::array<std::uint8_t, 32 * 1024>;  // never cleared: only bytes read are used

// True when `file` holds `length` bytes, each chunk of which `matches(offset, bytes, count)`.
template <class Matches>
bool EveryChunkMatches(const ReadOnlyFile& file, std::size_t length, Matches matches) {
    if (file.Size() != length) return false;
    Chunk held;
    for (std::size_t offset = 0; offset < length; offset += held.size()) {
        const std::size_t count = std::min(held.size(), length - offset);
        if (file.ReadAt(offset, count, held.data()) != count ||
            !matches(offset, held.data(), count)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool FileHolds(const fs::path& path, const Bytes& content) {
    // A missing file (a working copy not made yet) is the expected case, not a failure.
    std::error_code missing;
    if (!fs::exists(path, missing)) return false;
    try {
        return EveryChunkMatches(
            ReadOnlyFile(path), content.size(),
            [&](std::size_t offset, const std::uint8_t* bytes, std::size_t count) {
                return std::memcmp(bytes, content.data() + offset, count) == 0;
            });
    } catch (const FileError&) {
        return false;
    }
}

bool IsCopyOf(const fs::path& copy, const fs::path& source, std::size_t limit) {
    std::error_code missing;
    if (!fs::exists(copy, missing)) return false;
    try {
        const ReadOnlyFile original(source);
        Chunk expected;
        return EveryChunkMatches(
            ReadOnlyFile(copy), std::min(original.Size(), limit),
            [&](std::size_t offset, const std::uint8_t* bytes, std::size_t count) {
                return original.ReadAt(offset, count, expected.data()) == count &&
                       std::memcmp(bytes, expected.data(), count) == 0;
            });
    } catch (const FileError&) {
        return false;
    }
}

StagedFile::StagedFile(fs::path target, const Bytes& content, Flush flush)
    : StagedFile(
          std::move(target),
          [&content](FileSink& sink) { sink.Write(content.data(), content.size()); }, flush) {}

StagedFile::StagedFile(fs::path target, const std::function<void(FileSink&)>& write, Flush flush)
    : target_(std::move(target)), temporary_(TemporaryNameFor(target_)), flush_(flush) {
    // Found now rather than at Commit, so that a set of files fails before any is replaced.
    std::error_code error;
    if (fs::is_directory(target_, error)) {
        temporary_.clear();
        throw FileError(target_, KORVEL_TEXT("Files", "is a folder, not a file"));
    }
    try {
        const std::optional<unsigned> mode = system::ModeOfNormalFile(target_);
        if (flush_ == Flush::WhenReplacing) flush_ = mode ? Flush::Always : Flush::Never;
        FillAndClose(system::CreateNewFile(temporary_), write, mode, flush_);
    } catch (const std::system_error& failure) {
        system::RemoveFile(temporary_);
        temporary_.clear();
        throw FileError(target_, KORVEL_PHRASE("Files", "cannot be written (%1)")
                                     .With({failure.code().message()})
                                     .English());
    } catch (...) {
        // What `write` threw (a source that cannot be read) names its own file and cause.
        system::RemoveFile(temporary_);
        temporary_.clear();
        throw;
    }
}

void StagedFile::Restage(const Bytes& content) {
    // Written over rather than made anew: not cut to nothing first, which some file systems
    // answer by flushing the file at once.
    try {
        FillAndClose(
            system::OpenForRewriting(temporary_),
            [&content](FileSink& sink) { sink.Write(content.data(), content.size()); },
            std::nullopt, flush_);
    } catch (const std::system_error& failure) {
        throw FileError(target_, KORVEL_PHRASE("Files", "cannot be written (%1)")
                                     .With({failure.code().message()})
                                     .English());
    }
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : target_(std::move(other.target_)),
      temporary_(std::exchange(other.temporary_, {})),
      flush_(other.flush_),
      inPlace_(other.inPlace_) {}

StagedFile::~StagedFile() {
    if (temporary_.empty()) return;
    system::RemoveFile(temporary_);
}

bool StagedFile::Rename() {
    try {
        system::ReplaceWith(temporary_, target_);
    } catch (const std::system_error& failure) {
        throw FileError(target_, KORVEL_PHRASE("Files", "cannot be replaced (%1)")
                                     .With({failure.code().message()})
                                     .English());
    }
    temporary_.clear();
    return flush_ == Flush::Always || flush_ == Flush::WithTheSet;
}

void StagedFile::Commit() {
    if (flush_ == Flush::WithTheSet && !temporary_.empty()) {
        FlushFileSystem(target_.parent_path(), target_);
    }
    if (Rename()) SyncFolder(target_.parent_path(), target_);
}

namespace {

// Throws FileError unless `file` can be opened for writing in place.
void RequireWritable(const fs::path& file) {
    try {
        system::CloseQuietly(system::OpenForRewriting(file));
    } catch (const std::system_error& failure) {
        throw FileError(file, "cannot be given its owner back nor be written in place (" +
                                  failure.code().message() + ")");
    }
}

}  // namespace

void StagedFile::KeepOwnerOfTarget() {
    if (temporary_.empty() || system::GiveOwnerOf(temporary_, target_)) return;
    RequireWritable(target_);
    inPlace_ = true;
}

fs::path PendingRewriteOf(const fs::path& target) {
    fs::path name(".");
    name += target.filename().native();
    return target.parent_path() / (name += ".rewrite");
}

void RewriteInPlace(const fs::path& from, const fs::path& to) {
    const ReadOnlyFile source(from);
    try {
        FillAndClose(
            system::OpenForRewriting(to),
            [&](FileSink& sink) {
                std::array<std::uint8_t, 32 * 1024> chunk;
                for (std::size_t offset = 0; offset < source.Size(); offset += chunk.size()) {
                    const std::size_t count = source.ReadAt(offset, chunk.size(), chunk.data());
                    sink.Write(chunk.data(), count);
                    if (count < chunk.size()) break;
                }
            },
            std::nullopt, Flush::Always);
    } catch (const std::system_error& failure) {
        throw FileError(to, KORVEL_PHRASE("Files", "cannot be written in place (%1)")
                                .With({failure.code().message()})
                                .English());
    }
    system::RemoveFile(from);
}

void StagedFile::Place() {
    if (!inPlace_) {
        Rename();
        return;
    }
    // Renamed to the one name that whoever takes the file's lock next finishes from.
    const fs::path pending = PendingRewriteOf(target_);
    std::error_code error;
    fs::rename(temporary_, pending, error);
    if (error)
        throw FileError(
            target_,
            KORVEL_PHRASE("Files", "cannot be replaced (%1)").With({error.message()}).English());
    temporary_.clear();
    RewriteInPlace(pending, target_);
}

bool IsTemporaryNameOf(const std::string& name, const std::string& targetName) {
    return name.starts_with("." + targetName + kTemporaryMarker) && IsTemporaryName(name);
}

void FlushFileSystemOf(const fs::path& folder, const fs::path& target) {
    FlushFileSystem(folder, target);
}

void SyncFolderOf(const fs::path& folder, const fs::path& target) {
    SyncFolder(folder, target);
}

void CommitAll(std::vector<StagedFile>& files) {
    std::map<fs::path, fs::path> toSync;   // folder, and the first file to flush in it
    std::map<fs::path, fs::path> toFlush;  // likewise, for the files staged WithTheSet
    for (const StagedFile& file : files) {
        if (file.flush_ == Flush::WithTheSet && !file.temporary_.empty()) {
            toFlush.try_emplace(file.target_.parent_path(), file.target_);
        }
    }
    for (const auto& [folder, target] : toFlush) FlushFileSystem(folder, target);
    for (StagedFile& file : files) {
        if (file.Rename()) toSync.try_emplace(file.target_.parent_path(), file.target_);
    }
    for (const auto& [folder, target] : toSync) SyncFolder(folder, target);
}

void WriteWholeFile(const fs::path& path, const Bytes& content) {
    StagedFile(path, content).Commit();
}

void CopyReplace(const fs::path& from, const fs::path& to) {
    WriteWholeFile(to, ReadWholeFile(from));
}

RecordFile::RecordFile(fs::path path, std::size_t recordLength, bool mustExist)
    : path_(std::move(path)), recordLength_(recordLength) {
    if (mustExist || FileExists(path_)) content_ = ReadWholeFile(path_);
}

void RecordFile::CheckRecordNumber(std::size_t recordNumber) const {
    if (recordNumber == 0) throw std::out_of_range(Utf8Of(path_) + ": record numbers start at 1");
}

Bytes RecordFile::Read(std::size_t recordNumber) const {
    CheckRecordNumber(recordNumber);
    Bytes record(recordLength_, 0);
    const std::size_t start = (recordNumber - 1) * recordLength_;
    if (start < content_.size()) {
        const std::size_t available = std::min(recordLength_, content_.size() - start);
        std::memcpy(record.data(), content_.data() + start, available);
    }
    return record;
}

void RecordFile::Write(std::size_t recordNumber, const std::uint8_t* record) {
    CheckRecordNumber(recordNumber);
    const std::size_t start = (recordNumber - 1) * recordLength_;
    if (content_.size() < start + recordLength_) content_.resize(start + recordLength_, 0);
    std::memcpy(content_.data() + start, record, recordLength_);
}

void RecordFile::Save() const {
    WriteWholeFile(path_, content_);
}

StagedFile RecordFile::Stage(Flush flush) const {
    return StagedFile(path_, content_, flush);
}

}  // namespace korvel
