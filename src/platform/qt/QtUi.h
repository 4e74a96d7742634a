#pragma once

#include <QDialog>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <typeindex>
#include <unordered_map>

#include "platform/Ui.h"
#include "platform/Window.h"

class QFileDialog;
class QInputDialog;
class QMessageBox;
class QWidget;

namespace korvel::qt {

// The Ui of the desktop program: Qt message boxes, input boxes and file dialogs, and the Qt form
// of each window shown modally.
class QtUi : public Ui {
  public:
    // Makes the form that shows a window; the window is of the type the form was registered for.
    using FormFactory = std::function<std::unique_ptr<QDialog>(Window& window, QWidget* parent)>;

    Answer MsgBox(const std::string& text, Buttons buttons, Icon icon,
                  const std::string& title) override;
    Answer MsgBox(const std::string& text, const std::string& cause, Buttons buttons, Icon icon,
                  const std::string& title) override;
    std::optional<std::string> InputBox(const std::string& prompt,
                                        const std::string& title) override;
    using Ui::ShowWrittenFile;
    void ShowWrittenFile(const std::string& text, const std::string& title,
                         const std::filesystem::path& file, Icon icon) override;
    std::optional<std::string> PasswordBox(const std::string& prompt, const std::string& title,
                                           int maxLength) override;
    std::optional<std::filesystem::path> OpenFile(const FileDialog& dialog) override;
    // Loads the window, then runs the form registered for its type modally until it unloads.
    void ShowModal(Window& window) override;

    // Registers form F (constructed as F(W&, QWidget* parent)) for windows of type W.
    template <class W, class F>
    void RegisterForm() {
        static_assert(std::is_base_of_v<Window, W>, "W must be a window");
        static_assert(std::is_base_of_v<QDialog, F>, "F must be a dialog form");
        forms_[std::type_index(typeid(W))] = [](Window& window, QWidget* parent) {
            return std::unique_ptr<QDialog>(std::make_unique<F>(static_cast<W&>(window), parent));
        };
    }
    bool HasForm(const Window& window) const;
    // The registered form for the window's type. Throws std::logic_error when there is none.
    std::unique_ptr<QDialog> CreateForm(Window& window, QWidget* parent) const;

    // Seams for tests (and for running without a person in front of the screen). When set, each
    // replaces its dialog; MsgBoxHook receives the title as it would be shown.
    std::function<Answer(const std::string& text, Buttons, Icon, const std::string& title)>
        MsgBoxHook;
    std::function<std::optional<std::string>(const std::string& prompt, const std::string& title)>
        InputBoxHook;
    std::function<std::optional<std::filesystem::path>(const FileDialog&)> OpenFileHook;
    // When set, ShowModal shows the form without a modal loop and hands it to this function to act
    // the user's part; a window still open when it returns is then unloaded.
    std::function<void(QDialog& form)> ModalHook;

  private:
    std::unordered_map<std::type_index, FormFactory> forms_;
};

// The dialogs QtUi runs, built separately so that their settings can be looked at without running
// them.
std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& text, Buttons buttons, Icon icon,
                                            const std::string& title, QWidget* parent = nullptr);
// Escape and the close box answer a Yes/No box No, and a Yes/No/Cancel box Cancel.
// The answer of a message box that has been run: Yes, No (or Cancel) for a question, otherwise OK.
Answer AnswerOf(const QMessageBox& box, Buttons buttons);
std::unique_ptr<QInputDialog> MakeInputDialog(const std::string& prompt, const std::string& title,
                                              QWidget* parent = nullptr);
// An input box that hides what is typed and takes at most `maxLength` characters.
std::unique_ptr<QInputDialog> MakePasswordDialog(const std::string& prompt,
                                                 const std::string& title, int maxLength,
                                                 QWidget* parent = nullptr);
std::unique_ptr<QFileDialog> MakeFileDialog(const FileDialog& dialog, QWidget* parent = nullptr);
// A filter as the file dialog lists it: "Norrik Files (*.tms)".
QString NameFilter(const FileFilter& filter);

}  // namespace korvel::qt
