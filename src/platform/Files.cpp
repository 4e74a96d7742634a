#include "platform/Files.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <utility>

#include <unistd.h>

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

Bytes ReadWholeFile(const fs::path& path) {
    std::error_code error;
    if (fs::is_directory(path, error)) throw FileError(path, "is a folder, not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw FileError(
            path, FileExists(path) ? "cannot be read (" + ErrnoText() + ")" : "file not found");
    }
    Bytes content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw FileError(path, "reading failed (" + ErrnoText() + ")");
    return content;
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

}  // namespace korvel
