#include "platform/PrivateSockets.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/Files.h"
#include "support/TempFolder.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;

constexpr uid_t kOtherUser = 65534;  // "nobody"

// What the folder of a socket must be before a socket is made or trusted there.
TEST(PrivateSocketFolder, OnlyARealFolderOfThisUserClosedToOthersIsTaken) {
    struct Case {
        const char* Label;
        std::function<void(const fs::path&)> Make;
        std::optional<std::string> Refusal;  // a part of the cause; none: taken
        bool NeedsRoot = false;
    };
    const Case cases[] = {
        {"private", [](const fs::path& p) { fs::create_directory(p); ::chmod(p.c_str(), 0700); },
         std::nullopt},
        {"open to the group",
         [](const fs::path& p) { fs::create_directory(p); ::chmod(p.c_str(), 0750); },
         "may be entered by other users"},
        {"written by everyone",
         [](const fs::path& p) { fs::create_directory(p); ::chmod(p.c_str(), 01777); },
         "may be entered by other users"},
        {"a link to a private folder",
         [](const fs::path& p) {
             fs::create_directory(p.string() + "-target");
             ::chmod((p.string() + "-target").c_str(), 0700);
             fs::create_directory_symlink(p.string() + "-target", p);
         },
         "is not a folder"},
        {"a file", [](const fs::path& p) { WriteWholeFile(p, Bytes{1}); }, "is not a folder"},
        {"missing", [](const fs::path&) {}, "No such file"},
        {"of another user",
         [](const fs::path& p) {
             fs::create_directory(p);
             ::chmod(p.c_str(), 0700);
             ASSERT_EQ(::chown(p.c_str(), kOtherUser, kOtherUser), 0);
         },
         "belongs to another user", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Label);
        if (c.NeedsRoot && ::geteuid() != 0) continue;  // only root can give a folder away
        TempFolder folder;
        const fs::path sockets = folder / "sockets";
        c.Make(sockets);
        if (!c.Refusal) {
            EXPECT_NO_THROW(system::CheckPrivateFolder(sockets));
            continue;
        }
        try {
            system::CheckPrivateFolder(sockets);
            ADD_FAILURE() << "taken";
        } catch (const FileError& refused) {
            EXPECT_EQ(refused.File(), sockets);
            EXPECT_NE(refused.Cause().find(*c.Refusal), std::string::npos) << refused.Cause();
        }
    }
}

// Sets an environment variable for the length of a test.
class Environment {
  public:
    Environment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~Environment() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// Without a runtime folder (or with one open to others), the sockets go to a folder of this user
// in the temporary folder, made private; one that someone else made first is refused.
TEST(PrivateSocketFolder, WithoutAPrivateRuntimeFolderAFolderOfOurOwnIsMadeAndChecked) {
    TempFolder temporary;
    const Environment tmpdir("TMPDIR", temporary.Path().c_str());
    const fs::path own = temporary / ("korvel-" + std::to_string(::geteuid()));

    fs::create_directory(temporary / "open-runtime");
    ::chmod((temporary / "open-runtime").c_str(), 0777);
    for (const char* runtime : {static_cast<const char*>(nullptr), ""}) {
        const Environment unset("XDG_RUNTIME_DIR", runtime);
        EXPECT_EQ(system::PrivateSocketFolder(), own);
    }
    const Environment open("XDG_RUNTIME_DIR", (temporary / "open-runtime").c_str());
    EXPECT_EQ(system::PrivateSocketFolder(), own);
    struct stat status {};
    ASSERT_EQ(::lstat(own.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0700u);

    // Left open to others (as someone who made it first would leave it): refused, and said so.
    ::chmod(own.c_str(), 0777);
    EXPECT_THROW(system::PrivateSocketFolder(), FileError);

    // A private runtime folder is used as it is.
    fs::create_directory(temporary / "runtime");
    ::chmod((temporary / "runtime").c_str(), 0700);
    const Environment runtime("XDG_RUNTIME_DIR", (temporary / "runtime").c_str());
    EXPECT_EQ(system::PrivateSocketFolder(), temporary / "runtime");
}

}  // namespace
}  // namespace korvel::test
