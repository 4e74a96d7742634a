#pragma once

// Where a program of this user meets another of this user through a local socket, and how each
// side makes sure the other is this user's: one implementation per system
// (posix/PrivateSockets.cpp, windows/PrivateSockets.cpp).

#include <cstdint>
#include <filesystem>

namespace korvel::system {

// The folder for this user's sockets: XDG_RUNTIME_DIR when it is set and private, otherwise a
// folder "korvel-<user id>" in the temporary folder, made when missing. Either is checked with
// CheckPrivateFolder before it is returned. Empty where sockets live in a namespace of the system
// rather than in folders (Windows' named pipes). Throws FileError naming the folder and the cause.
std::filesystem::path PrivateSocketFolder();

// Throws FileError unless `folder` is a real folder (not a link), owned by this user and closed to
// everyone else: where another user may enter or write, he could read or replace a socket there.
void CheckPrivateFolder(const std::filesystem::path& folder);

// True when the program at the other end of the connected local socket `descriptor` runs as this
// user. Where the system cannot tell, the socket's own access rules must keep other users out.
bool PeerIsThisUser(std::intptr_t descriptor);

}  // namespace korvel::system
