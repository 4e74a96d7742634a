#include "platform/PrivateSockets.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include "platform/Files.h"

namespace korvel::system {
namespace fs = std::filesystem;

namespace {

std::string ErrorText(int error) {
    return std::error_code(error, std::generic_category()).message();
}

}  // namespace

void CheckPrivateFolder(const fs::path& folder) {
    struct stat status {};
    // lstat: a link is judged itself, never the folder it points to.
    if (::lstat(folder.c_str(), &status) != 0) throw FileError(folder, ErrorText(errno));
    if (!S_ISDIR(status.st_mode)) {
        throw FileError(folder, "is not a folder (a link or a file is in its place)");
    }
    if (status.st_uid != ::geteuid()) {
        throw FileError(folder, "belongs to another user (user id " +
                                    std::to_string(status.st_uid) + "), so it is not used");
    }
    if ((status.st_mode & 077) != 0) {
        throw FileError(folder, "may be entered by other users, so it is not used");
    }
}

fs::path PrivateSocketFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime) {
        const fs::path folder(runtime);
        try {
            CheckPrivateFolder(folder);
            return folder;
        } catch (const FileError&) {
            // A runtime folder that is not private is passed over for one of our own.
        }
    }
    std::error_code error;
    fs::path temporary = fs::temp_directory_path(error);
    if (error) temporary = "/tmp";
    const fs::path folder = temporary / ("korvel-" + std::to_string(::geteuid()));
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        throw FileError(folder, ErrorText(errno));
    }
    // Made now or long ago, by us or by anyone: it is used only as it is checked.
    CheckPrivateFolder(folder);
    return folder;
}

bool PeerIsThisUser(std::intptr_t descriptor) {
#if defined(SO_PEERCRED)
    struct ucred peer {};
    socklen_t size = sizeof peer;
    if (::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) {
        return false;
    }
    return peer.uid == ::geteuid();
#else
    uid_t user = 0;
    gid_t group = 0;
    if (::getpeereid(static_cast<int>(descriptor), &user, &group) != 0) return false;
    return user == ::geteuid();
#endif
}

}  // namespace korvel::system
