#include "platform/qt/DataFolder.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <optional>
#include <stdexcept>
#include <vector>

#include "league/LeagueFiles.h"
#include "platform/CommitJournal.h"
#include "platform/Files.h"
#include "platform/FolderLock.h"
#include "platform/Ui.h"
#include "platform/qt/QtText.h"

namespace korvel::qt {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLockFile = "korvel.lock";

fs::path DataHome() {
    return QStringToPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
    return text;
}

// A league inside the earlier folder is named by its new place in the defaults file.
void FollowDefaultsFile(const fs::path& earlier, const fs::path& now) {
    const fs::path file = DefaultsFileIn(now);
    if (!FileExists(file)) return;
    const std::optional<fs::path> league = ReadDefaultsFile(file);
    if (!league || !league->is_absolute()) return;
    const fs::path inside = league->lexically_normal().lexically_relative(earlier);
    if (inside.empty() || *inside.begin() == "..") return;
    WriteWholeFile(file, DefaultsFileContent(now / inside));
}

void RemoveIfEmpty(const fs::path& folder) {
    std::error_code ignored;
    if (fs::is_empty(folder, ignored)) fs::remove(folder, ignored);
}

}  // namespace

fs::path DataFolder() {
    return DataHome() / "korvel";
}

fs::path EarlierDataFolder() {
    return DataHome() / "Korvel" / "Korvel";
}

std::string MoveEarlierData(const fs::path& earlier, const fs::path& now) {
    std::error_code error;
    if (!fs::is_directory(earlier, error)) return {};
    if (fs::exists(now, error) && fs::equivalent(earlier, now, error)) return {};
    std::vector<std::string> kept, failed;
    bool defaultsMoved = false;
    {
        const FolderLock lock(earlier);
        // A save left unfinished there names its files by their place in that folder: it is
        // finished before anything moves, or nothing moves and it waits for a later start.
        try {
            FinishInterruptedCommit(earlier);
        } catch (const FileError& failure) {
            throw std::runtime_error(
                "A save Korvel could not finish waits there with every file it names, so nothing "
                "was moved; it is finished and moved at a later start. " +
                std::string(failure.what()));
        }
        fs::create_directories(now);
        // Listed first: the folder changes as its entries move out.
        std::vector<fs::path> entries;
        for (const fs::directory_entry& entry : fs::directory_iterator(earlier)) {
            entries.push_back(entry.path());
        }
        for (const fs::path& entry : entries) {
            const fs::path name = entry.filename();
            if (name == kLockFile) continue;
            if (fs::exists(fs::symlink_status(now / name))) {
                kept.push_back(name.string());
                continue;
            }
            fs::rename(entry, now / name, error);
            if (error) {
                failed.push_back(name.string() + " (" + error.message() + ")");
            } else if (name == DefaultsFileIn(now).filename()) {
                defaultsMoved = true;
            }
        }
    }
    if (defaultsMoved) FollowDefaultsFile(earlier, now);
    if (kept.empty() && failed.empty()) {
        fs::remove(earlier / kLockFile, error);
        RemoveIfEmpty(earlier);
        RemoveIfEmpty(earlier.parent_path());
        return {};
    }
    std::string text = "Korvel's data folder is now " + now.string() +
                       ". What the earlier data folder " + earlier.string() +
                       " held was moved there, except:";
    if (!kept.empty()) {
        text += "\n\n" + Joined(kept) + ": the new folder already holds files of these names, " +
                "so these stay in the earlier folder.";
    }
    if (!failed.empty()) text += "\n\nCould not be moved: " + Joined(failed) + ".";
    return text;
}

fs::path OpenDataFolder(Ui& ui) {
    const fs::path folder = DataFolder();
    try {
        const std::string moved = MoveEarlierData(EarlierDataFolder(), folder);
        if (!moved.empty()) ui.MsgBox(moved, Buttons::OK, Icon::Information, "Data Folder");
    } catch (const FolderInUse&) {
        // An earlier version still works there: its files move at a later start.
    } catch (const std::exception& failure) {
        ui.MsgBox("The files of the earlier data folder " + EarlierDataFolder().string() +
                      " could not be moved to " + folder.string() +
                      "; they stay where they are.\n\n" + failure.what(),
                  Buttons::OK, Icon::Information, "Data Folder");
    }
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder)) {
        throw std::runtime_error("The data folder " + folder.string() + " could not be made (" +
                                 error.message() + "): Korvel needs a writable start folder.");
    }
    return folder;
}

}  // namespace korvel::qt
