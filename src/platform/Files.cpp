#include "platform/Files.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <utility>

#include <unistd.h>

#include "platform/ReadOnlyFile.h"

namespace korvel {
namespace fs = std::filesystem;

FileError::FileError(const fs::path& file, const std::string& cause)
    : std::runtime_error(file.string() + ": " + cause), file_(file) {}

namespace {

std::string ErrnoText() {
    return std::strerror(errno);
}

fs::path TemporaryNameFor(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    auto name = target.filename().string() + ".tmp" + std::to_string(::getpid()) + "-" +
                std::to_string(counter++);
    return target.parent_path() / ("." + name);
}

void WriteBytes(const fs::path& path, const Bytes& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw FileError(path, "cannot be written (" + ErrnoText() + ")");
    out.write(reinterpret_cast<const char*>(content.data()),
              static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) throw FileError(path, "writing failed (" + ErrnoText() + ")");
}

}  // namespace

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
    if (first == 0) throw std::out_of_range(path.string() + ": record numbers start at 1");
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

StagedFile::StagedFile(fs::path target, const Bytes& content)
    : target_(std::move(target)), temporary_(TemporaryNameFor(target_)) {
    // Found now rather than at Commit, so that a set of files fails before any is replaced.
    std::error_code error;
    if (fs::is_directory(target_, error)) {
        temporary_.clear();
        throw FileError(target_, "is a folder, not a file");
    }
    try {
        WriteBytes(temporary_, content);
    } catch (const FileError&) {
        const std::string cause = ErrnoText();
        std::error_code ignored;
        fs::remove(temporary_, ignored);
        throw FileError(target_, "cannot be written (" + cause + ")");
    }
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : target_(std::move(other.target_)), temporary_(std::exchange(other.temporary_, {})) {}

StagedFile::~StagedFile() {
    if (temporary_.empty()) return;
    std::error_code ignored;
    fs::remove(temporary_, ignored);
}

void StagedFile::Commit() {
    std::error_code error;
    fs::rename(temporary_, target_, error);
    if (error) throw FileError(target_, "cannot be replaced (" + error.message() + ")");
    temporary_.clear();
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
    if (recordNumber == 0) throw std::out_of_range(path_.string() + ": record numbers start at 1");
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

StagedFile RecordFile::Stage() const {
    return StagedFile(path_, content_);
}

}  // namespace korvel
