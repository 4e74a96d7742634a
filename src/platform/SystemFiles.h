#pragma once

// The operating system's side of the file layer, used by Files.cpp: one implementation per system
// (posix/SystemFiles.cpp, windows/SystemFiles.cpp). Failures throw std::system_error holding the
// system's own error code, whose message() is the system's text for it.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace korvel::system {

// An open file: a POSIX descriptor or a Windows handle.
using FileHandle = std::intptr_t;

std::uint64_t ProcessId();
// True when no program with the id `id` is running.
bool ProcessIsGone(std::uint64_t id);
// The name of this machine, to tell apart files written here from those of programs on others
// that share a folder; empty when the system does not say.
std::string HostName();

// The mode bits a replacement of the normal file `target` keeps, 0 where the system keeps them
// itself; nullopt when `target` is no normal file.
std::optional<unsigned> ModeOfNormalFile(const std::filesystem::path& target);

// Gives `file` the owner and group of the normal file `model`; false when this program may not.
// Windows has nothing to do: the replacement takes over the replaced file's security.
bool GiveOwnerOf(const std::filesystem::path& file, const std::filesystem::path& model);

// Creates `path`, failing when it exists.
FileHandle CreateNewFile(const std::filesystem::path& path);
// Opens the existing file `path` for writing from its start, never waiting (a pipe in its place);
// a link in its place is refused.
FileHandle OpenForRewriting(const std::filesystem::path& path);
void WriteAll(FileHandle file, const std::uint8_t* bytes, std::size_t count);
// Moves the write position `count` bytes on, leaving a hole.
void SkipForward(FileHandle file, std::size_t count);
void SetFileSize(FileHandle file, std::size_t size);
void SetMode(FileHandle file, unsigned mode);
void FlushFile(FileHandle file);
void CloseFile(FileHandle file);  // throws when the close reports a failed write
void CloseQuietly(FileHandle file) noexcept;

// Puts `temporary` in place of `target` in one step: a reader sees the old file or the new one.
void ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& target);

// Makes renames in `folder` durable; an error only when the system could and did not.
std::error_code FlushFolder(const std::filesystem::path& folder);
// Whether FlushFileSystem stores new files written unflushed; where it cannot, each such file is
// flushed on its own before it is closed.
bool CanFlushFileSystem();
// Flushes everything written to the file system holding `folder`.
std::error_code FlushFileSystem(const std::filesystem::path& folder);

// Remove a file or an empty folder, whatever the length of its path; false when it is not removed.
bool RemoveFile(const std::filesystem::path& file);
bool RemoveEmptyFolder(const std::filesystem::path& folder);

// True when nothing, not even a link, is at `path`.
bool NothingAt(const std::filesystem::path& path);
// Why this user cannot make files in `folder`, or no error when it can.
std::error_code WriteRefusal(const std::filesystem::path& folder);

}  // namespace korvel::system
