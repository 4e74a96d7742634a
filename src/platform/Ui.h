#pragma once

#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace korvel {

class Window;

// YesNoCancel: a question the user may back out of; Escape and the close box answer Cancel.
enum class Buttons { OK, YesNo, YesNoCancel };
enum class Icon { None, Information, Warning, Critical };
enum class Answer { OK, Yes, No, Cancel };

// The title a message box shows when it has none of its own.
inline constexpr const char* kApplicationTitle = "Korvel";

struct FileFilter {
    std::string Name;     // "Norrik Files"
    std::string Pattern;  // "*.tms"
};

struct FileDialog {
    std::string Title;
    std::vector<FileFilter> Filters;
    std::size_t SelectedFilter = 0;                      // index into Filters
    std::filesystem::path InitialFolder;                 // used when it exists...
    std::vector<std::filesystem::path> FallbackFolders;  // ...else the first of these that does
    std::string FileName;                                // proposed file name
};

// Parses a filter list written as "Name|pattern|Name|pattern".
std::vector<FileFilter> ParseFilterList(const std::string& list);

// The folder a file dialog opens in: the initial folder when it exists, else the first existing
// fallback folder, else an empty path (the dialog's own choice).
std::filesystem::path ChooseInitialFolder(const FileDialog& dialog);

// Everything a window asks of the person in front of it goes through this interface.
class Ui {
  public:
    virtual ~Ui() = default;
    // An empty title shows kApplicationTitle.
    virtual Answer MsgBox(const std::string& text, Buttons buttons, Icon icon,
                          const std::string& title) = 0;
    // A message with the cause behind it (which file, what is wrong with it) shown under the
    // text. Where there is no room for it, it is left out.
    virtual Answer MsgBox(const std::string& text, const std::string& cause, Buttons buttons,
                          Icon icon, const std::string& title) {
        (void)cause;
        return MsgBox(text, buttons, icon, title);
    }
    // The typed text, or no value when cancelled.
    virtual std::optional<std::string> InputBox(const std::string& prompt,
                                                const std::string& title) = 0;
    // Tells that `file` was written: a message (information, or a warning when what was written
    // needs more) that, where it can, also offers to open the folder holding the file.
    virtual void ShowWrittenFile(const std::string& text, const std::string& title,
                                 const std::filesystem::path& file, Icon icon) {
        (void)file;
        MsgBox(text, Buttons::OK, icon, title);
    }
    void ShowWrittenFile(const std::string& text, const std::string& title,
                         const std::filesystem::path& file) {
        ShowWrittenFile(text, title, file, Icon::Information);
    }
    // Like InputBox, for a secret of at most `maxLength` characters: a desktop hides what is
    // typed. Where nothing can be hidden it is an input box.
    virtual std::optional<std::string> PasswordBox(const std::string& prompt,
                                                   const std::string& title, int maxLength) {
        (void)maxLength;
        return InputBox(prompt, title);
    }
    // The chosen file, or no value when cancelled.
    virtual std::optional<std::filesystem::path> OpenFile(const FileDialog& dialog) = 0;
    // Loads the window (Form_Load) and runs it until it unloads.
    virtual void ShowModal(Window& window) = 0;
};

inline std::string TitleOrDefault(const std::string& title) {
    return title.empty() ? kApplicationTitle : title;
}

}  // namespace korvel

namespace korvel {

// Runs `action`; a failure it throws is shown as a critical message with `title` and the action
// ends there. Returns false when the action failed.
template <class Action>
bool RunGuarded(Ui& ui, const std::string& title, Action&& action) {
    try {
        action();
        return true;
    } catch (const std::exception& failure) {
        ui.MsgBox(failure.what(), Buttons::OK, Icon::Critical, title);
        return false;
    }
}

}  // namespace korvel
