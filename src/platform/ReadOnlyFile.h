#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "platform/Files.h"

namespace korvel {

// A normal file opened for reading. Opening never waits: a pipe, a device or a folder in place of
// the file is refused with a FileError before anything is read from it.
class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(std::filesystem::path path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // The size when the file was opened.
    std::size_t Size() const { return size_; }

    // Reads `length` bytes at `offset` into `to`; returns how many were there before the end of
    // the file.
    std::size_t ReadAt(std::size_t offset, std::size_t length, std::uint8_t* to) const;

  private:
    std::filesystem::path path_;
    std::intptr_t file_ = -1;  // a POSIX descriptor or a Windows handle
    std::size_t size_ = 0;
};

}  // namespace korvel
