#include "platform/PrivateSockets.h"

#include "platform/Files.h"

namespace korvel::system {
namespace fs = std::filesystem;

// Local sockets are named pipes, in the system's namespace of pipes: no folder to keep private.
fs::path PrivateSocketFolder() {
    return {};
}

void CheckPrivateFolder(const fs::path& folder) {
    // Folders are not where this system's sockets live; a folder is only refused when missing.
    std::error_code error;
    if (!fs::is_directory(folder, error)) throw FileError(folder, "is not a folder");
}

// The pipe's access list admits this user alone (QLocalServer::UserAccessOption), so whoever
// connects is this user.
bool PeerIsThisUser(std::intptr_t) {
    return true;
}

}  // namespace korvel::system
