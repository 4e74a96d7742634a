#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Ui.h"
#include "platform/Window.h"

namespace korvel::test {

struct RecordedMessage {
    std::string Text;
    Buttons ButtonSet;
    Icon IconShown;
    std::string Title;  // as shown: an empty title reads "Korvel"

    bool operator==(const RecordedMessage&) const = default;
};
// Shows a message in a failed check as {"text", buttons, icon, "title"}.
void PrintTo(const RecordedMessage& message, std::ostream* out);

// A Ui for tests. Every message is recorded; Yes/No questions are answered from a queue of
// expected questions (an unexpected question fails the test and answers No); input boxes and file
// dialogs answer from queues (empty queue: cancelled). ShowModal loads the window, runs
// OnShowModal inside it, then closes it with Unload if it is still open.
class ScriptedUi : public Ui {
  public:
    struct Question {
        std::string Text;
        Answer Reply;
    };

    std::vector<RecordedMessage> Messages;
    std::vector<std::string> Causes;  // the cause given with each message that has one
    std::deque<Question> ExpectedQuestions;
    std::deque<std::optional<std::string>> InputAnswers;
    std::deque<std::optional<std::filesystem::path>> FileAnswers;
    std::vector<FileDialog> FileDialogsShown;
    std::vector<std::string> WindowsShown;  // captions, in order
    std::function<void(Window&)> OnShowModal;

    void ExpectQuestion(std::string text, Answer reply) {
        ExpectedQuestions.push_back({std::move(text), reply});
    }

    Answer MsgBox(const std::string& text, Buttons buttons, Icon icon,
                  const std::string& title) override;
    Answer MsgBox(const std::string& text, const std::string& cause, Buttons buttons, Icon icon,
                  const std::string& title) override;
    std::optional<std::string> InputBox(const std::string& prompt,
                                        const std::string& title) override;
    std::optional<std::filesystem::path> OpenFile(const FileDialog& dialog) override;
    void ShowModal(Window& window) override;

    // The texts of all messages, in order.
    std::vector<std::string> MessageTexts() const;
};

}  // namespace korvel::test
