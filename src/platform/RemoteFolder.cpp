#include "platform/RemoteFolder.h"

#ifdef __linux__
#include <sys/statfs.h>

#include <array>
#endif

namespace korvel {

bool ChangesMaySlipPastWatching(const std::filesystem::path& folder) {
#ifdef __linux__
    // File system magic numbers (linux/magic.h and the file systems' own sources).
    constexpr std::array<unsigned long, 11> kNetworkFileSystems{
        0x6969,      // NFS
        0x517B,      // SMB
        0xFF534D42,  // CIFS
        0xFE534D42,  // SMB2
        0x65735546,  // FUSE (sshfs and the like)
        0x01021997,  // 9P
        0x5346414F,  // AFS
        0x00C36400,  // Ceph
        0x73757245,  // Coda
        0x564C,      // NCP
        0x47504653,  // GPFS
    };
    struct statfs info {};
    if (::statfs(folder.c_str(), &info) != 0) return true;
    const auto type = static_cast<unsigned long>(info.f_type) & 0xFFFFFFFFUL;
    for (const unsigned long network : kNetworkFileSystems) {
        if (type == network) return true;
    }
    return false;
#else
    (void)folder;
    return true;
#endif
}

}  // namespace korvel
