#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvel {

// A file operation that failed. The message names the file and the cause.
class FileError : public std::runtime_error {
  public:
    FileError(const std::filesystem::path& file, const std::string& cause);
    const std::filesystem::path& File() const { return file_; }
    const std::string& Cause() const { return cause_; }

  private:
    std::filesystem::path file_;
    std::string cause_;
};

using Bytes = std::vector<std::uint8_t>;

// True when `path` names an existing normal file (not a folder).
bool FileExists(const std::filesystem::path& path);

constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

// Reads the normal file `path` with one sized read: all of it, or its first `limit` bytes when it
// is longer (the rest is not read). Anything but a normal file (a folder, a pipe, a device) is
// refused at once, without waiting on it or reading from it.
Bytes ReadWholeFile(const std::filesystem::path& path, std::size_t limit = kNoLimit);

// Reads `count` records of `recordLength` bytes, the first being record number `first` (from 1),
// from the normal file `path`, reading only their bytes. Records past the end read as zero bytes.
Bytes ReadRecords(const std::filesystem::path& path, std::size_t recordLength, std::size_t first,
                  std::size_t count);

// True when `path` is a normal file holding exactly `content`. Reads it only when its size fits.
bool FileHolds(const std::filesystem::path& path, const Bytes& content);

// True when `copy` is a normal file holding exactly what ReadWholeFile(source, limit) gives.
bool IsCopyOf(const std::filesystem::path& copy, const std::filesystem::path& source,
              std::size_t limit = kNoLimit);

// How far a replaced file is protected. Every replacement is whole: a failure or a killed program
// leaves the old file as it was, never a mix of old and new bytes. Flushing to the disk (the new
// file before its rename, its folder after it) also makes a power cut leave the old file or the
// new one, whole.
enum class Flush {
    Always,
    // Only when an older file is replaced: a new file cut by a power cut loses nothing that was
    // there before. For korvel.def, which only remembers the league to open next.
    WhenReplacing,
    // Not flushed: for the working copies, which every league load rebuilds from the league's own
    // files, so a power cut cannot lose anything they hold.
    Never,
    // As Always, but the new file is flushed by CommitAll together with the others of its set (one
    // flush of the file system before any of them is renamed) rather than on its own.
    WithTheSet,
};

// Replaces (or creates) `path` with `content`, flushed to the disk. The bytes go to a temporary
// file in the same folder, which is renamed over the old one (keeping its permissions).
void WriteWholeFile(const std::filesystem::path& path, const Bytes& content);

// Copies `from` over `to`, replacing `to` the same safe way.
void CopyReplace(const std::filesystem::path& from, const std::filesystem::path& to);

// The process's current folder. Throws std::runtime_error saying why when it has none (deleted).
std::filesystem::path CurrentFolder();

// Removes the temporary files that writes of a program killed midway left in `folder`. Only our
// own names whose program is no longer running are touched.
void RemoveLeftoverTemporaryFiles(const std::filesystem::path& folder);

// The same for the temporary files of one file, `target`, in its folder.
void RemoveLeftoverTemporaryFilesOf(const std::filesystem::path& target);

// The new content of a file being staged, written in order from its start.
class FileSink {
  public:
    explicit FileSink(std::intptr_t file) : file_(file) {}
    void Write(const std::uint8_t* bytes, std::size_t count);
    // Leaves `count` zero bytes unwritten (a hole), so that a sparse file stays sparse.
    void SkipZeros(std::size_t count);
    std::size_t Size() const { return size_; }

  private:
    std::intptr_t file_;  // a POSIX descriptor or a Windows handle
    std::size_t size_ = 0;
};

// A file written in two steps: Stage writes the temporary file, Commit renames it into place.
// Lets several files be prepared completely before any of them is replaced. The destructor
// removes a temporary file that was never committed.
class StagedFile {
  public:
    StagedFile(std::filesystem::path target, const Bytes& content, Flush flush = Flush::Always);
    // Stages what `write` puts into the sink, for content too large to hold in memory.
    StagedFile(std::filesystem::path target, const std::function<void(FileSink&)>& write,
               Flush flush = Flush::Always);
    StagedFile(StagedFile&& other) noexcept;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    StagedFile& operator=(StagedFile&&) = delete;
    ~StagedFile();
    // Stages `content` instead of what was staged. Throws FileError.
    void Restage(const Bytes& content);
    void Commit();

    // For a file other users share: gives the new file the owner and group of the file it
    // replaces. Where this program may not (it is not root and does not own the file), the file
    // is rewritten in place when it is placed instead, so it stays the one its users share.
    // Throws FileError when it can neither be given its owner nor be written.
    void KeepOwnerOfTarget();
    bool RewritesInPlace() const { return inPlace_; }
    // True when the new file is to be flushed to the disk before it is placed.
    bool Flushed() const { return flush_ == Flush::Always || flush_ == Flush::WithTheSet; }
    bool FlushedWithItsSet() const { return flush_ == Flush::WithTheSet; }
    const std::filesystem::path& Target() const { return target_; }
    const std::filesystem::path& Temporary() const { return temporary_; }
    // Puts the new file in place of the target: a rename, or a rewrite of the target in place
    // (RewritesInPlace). Its folder is not flushed. Throws FileError.
    void Place();
    // Leaves the temporary file to whoever finishes an interrupted commit: not removed on
    // destruction.
    void Release() { temporary_.clear(); }

  private:
    friend void CommitAll(std::vector<StagedFile>& files);
    // Renames the temporary file into place; true when its folder is still to be flushed.
    bool Rename();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    Flush flush_;
    bool inPlace_ = false;
};

// The name under which a file rewritten in place waits while it is written over its target
// (".NAME.rewrite" beside it): whoever takes the target's lock next finishes the rewrite from it.
std::filesystem::path PendingRewriteOf(const std::filesystem::path& target);

// Writes the content of `from` over `to` in place (the same file, its owner, group and mode
// kept), cut to the new length and flushed to the disk, then removes `from`. Throws FileError.
void RewriteInPlace(const std::filesystem::path& from, const std::filesystem::path& to);

// True when `name` (a file name) is one of this program's temporary names for a file named
// `targetName`.
bool IsTemporaryNameOf(const std::string& name, const std::string& targetName);

// Flushes everything written to the file system holding `folder`. Throws FileError naming
// `target`.
void FlushFileSystemOf(const std::filesystem::path& folder, const std::filesystem::path& target);

// Makes the renames and removals in `folder` durable. Throws FileError naming `target`.
void SyncFolderOf(const std::filesystem::path& folder, const std::filesystem::path& target);

// Commits every file in order, then flushes each of their folders once rather than once per file.
// Files staged Flush::WithTheSet are flushed to the disk first, one flush per file system.
void CommitAll(std::vector<StagedFile>& files);

// A random-access file of fixed-length records numbered from 1. The whole file is read on open;
// a record past the end reads as zero bytes, and writing past the end extends the file (any gap
// is filled with zero bytes). Save replaces the file safely.
class RecordFile {
  public:
    // Opens an existing file; a missing file starts empty when `mustExist` is false.
    RecordFile(std::filesystem::path path, std::size_t recordLength, bool mustExist = true);
    // The file with `content` in memory, whatever the disk holds.
    RecordFile(std::filesystem::path path, std::size_t recordLength, Bytes content)
        : path_(std::move(path)), recordLength_(recordLength), content_(std::move(content)) {}

    std::size_t RecordCount() const { return content_.size() / recordLength_; }
    Bytes Read(std::size_t recordNumber) const;
    void Write(std::size_t recordNumber, const std::uint8_t* record);
    void Save() const;
    // Writes the new content to a temporary file, to be committed in place of the file.
    StagedFile Stage(Flush flush = Flush::Always) const;

    const std::filesystem::path& Path() const { return path_; }
    const Bytes& Content() const { return content_; }
    std::size_t RecordLength() const { return recordLength_; }

  private:
    // Record 0 does not exist; without this check it would address memory before the content.
    void CheckRecordNumber(std::size_t recordNumber) const;

    std::filesystem::path path_;
    std::size_t recordLength_;
    Bytes content_;
};

}  // namespace korvel
