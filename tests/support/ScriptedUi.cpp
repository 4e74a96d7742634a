#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace korvel::test {

void PrintTo(const RecordedMessage& message, std::ostream* out) {
    *out << "{\"" << message.Text << "\", "
         << (message.ButtonSet == Buttons::YesNo         ? "YesNo"
             : message.ButtonSet == Buttons::YesNoCancel ? "YesNoCancel"
                                                         : "OK")
         << ", "
         << (message.IconShown == Icon::Critical      ? "Critical"
             : message.IconShown == Icon::Information ? "Information"
             : message.IconShown == Icon::Warning     ? "Warning"
                                                      : "None")
         << ", \"" << message.Title << "\"}";
}

Answer ScriptedUi::MsgBox(const std::string& text, Buttons buttons, Icon icon,
                          const std::string& title) {
    Messages.push_back({text, buttons, icon, TitleOrDefault(title)});
    if (buttons == Buttons::OK) return Answer::OK;
    if (ExpectedQuestions.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        return Answer::No;
    }
    const Question next = ExpectedQuestions.front();
    ExpectedQuestions.pop_front();
    EXPECT_EQ(next.Text, text);
    return next.Reply;
}

Answer ScriptedUi::MsgBox(const std::string& text, const std::string& cause, Buttons buttons,
                          Icon icon, const std::string& title) {
    Causes.push_back(cause);
    return MsgBox(text, buttons, icon, title);
}

std::optional<std::string> ScriptedUi::InputBox(const std::string& prompt,
                                                const std::string& title) {
    Messages.push_back({prompt, Buttons::OK, Icon::None, TitleOrDefault(title)});
    if (InputAnswers.empty()) return std::nullopt;
    auto answer = InputAnswers.front();
    InputAnswers.pop_front();
    return answer;
}

std::optional<std::filesystem::path> ScriptedUi::OpenFile(const FileDialog& dialog) {
    FileDialogsShown.push_back(dialog);
    if (FileAnswers.empty()) return std::nullopt;
    auto answer = FileAnswers.front();
    FileAnswers.pop_front();
    return answer;
}

void ScriptedUi::ShowModal(Window& window) {
    WindowsShown.push_back(window.Caption);
    window.Form_Load();
    if (OnShowModal) OnShowModal(window);
    if (!window.IsUnloaded()) window.Unload();
}

std::vector<std::string> ScriptedUi::MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : Messages) texts.push_back(message.Text);
    return texts;
}

}  // namespace korvel::test
