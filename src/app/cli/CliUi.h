#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "platform/Ui.h"
#include "platform/Window.h"
#include "session/Outcome.h"

namespace korvel::cli {

// Thrown by CliUi when a window asks a Yes/No question that nothing on the command line answers.
// Deliberately not a std::exception: the windows' own guards must not turn it into a message box.
struct AnswerNeeded {
    std::string Question;
    std::string Title;
};

// The command line's Ui. Messages go to the error stream as "Title: text"; questions are answered
// by --yes/--no (or by a command for one question it owns); a shown window is loaded, handed to
// the action the running command registered, and closed if it is still open.
class CliUi : public Ui {
  public:
    explicit CliUi(std::ostream& err) : err_(err) {}
    // Standard error, for what a command adds to the messages.
    std::ostream& Err() { return err_; }

    // The answer to every question without an answer of its own (--yes, --no); none by default.
    void SetDefaultAnswer(std::optional<Answer> answer) { defaultAnswer_ = answer; }
    // Quiet: a question answered by --yes, --no or the command is not printed with its answer.
    void SetQuietAnswers(bool quiet) { quietAnswers_ = quiet; }
    bool QuietAnswers() const { return quietAnswers_; }
    // The answer to the question with exactly this text, ahead of the default answer.
    void SetAnswer(const std::string& question, Answer answer) { answers_[question] = answer; }
    // The file the next open-file dialog chooses; used once. No value: the dialog is cancelled.
    void SetFileToOpen(std::optional<std::filesystem::path> file) { fileToOpen_ = std::move(file); }
    // The text the next input box returns; used once. No value: the input box is cancelled.
    void SetInputText(std::optional<std::string> text) { inputText_ = std::move(text); }
    // What the running command does inside each window shown modally.
    void SetModalAction(std::function<void(Window&)> action) { modalAction_ = std::move(action); }

    // True when a message (OK button) was shown since the last ClearRefusal. Messages shown while
    // the command line closes a window the command left open only report and do not count.
    bool Refused() const { return refused_; }
    void ClearRefusal() { refused_ = false; }
    std::size_t MessageCount() const { return messageCount_; }

    // Prints a message of an outcome as "Title: text"; it reports and refuses nothing by itself.
    void Report(const Message& message) {
        Print(message.Title,
              message.Cause.empty() ? message.Text : message.Text + "\n" + message.Cause);
    }
    // Waiver questions asked by a team session operation, answered as MsgBox answers them.
    Ask Asker() { return AskThrough(*this); }

    Answer MsgBox(const std::string& text, Buttons buttons, Icon icon,
                  const std::string& title) override;
    // A notice's cause follows its text on a line of its own.
    Answer MsgBox(const std::string& text, const std::string& cause, Buttons buttons, Icon icon,
                  const std::string& title) override;
    std::optional<std::string> InputBox(const std::string& prompt,
                                        const std::string& title) override;
    std::optional<std::filesystem::path> OpenFile(const FileDialog& dialog) override;
    void ShowModal(Window& window) override;

  private:
    void Print(const std::string& title, const std::string& text, const std::string& suffix = {});

    std::ostream& err_;
    std::optional<Answer> defaultAnswer_;
    std::map<std::string, Answer> answers_;
    std::optional<std::filesystem::path> fileToOpen_;
    std::optional<std::string> inputText_;
    std::function<void(Window&)> modalAction_;
    bool refused_ = false;
    bool quietAnswers_ = false;
    int closing_ = 0;  // depth of windows being closed by the command line itself
    std::size_t messageCount_ = 0;
};

// "Title: text" with every further line of a multi-line text indented under the first; empty
// lines are left out.
std::string FormatMessage(const std::string& title, const std::string& text);

}  // namespace korvel::cli
