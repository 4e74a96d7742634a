#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/Ui.h"

namespace korvel {

// A message as a front end shows it: a message box, or a line on standard error.
struct Message {
    std::string Text;
    std::string Title;  // "" shows the program's name
    Icon Kind = Icon::None;
    std::string Cause = {};  // shown under the text when known: which file, what is wrong with it
};

// What a team session operation came to. Done may carry a report ("Lines saved as ..."); a
// refusal carries the message that says why (none when the user declined a question), and nothing
// of the team changed.
struct Outcome {
    bool Done = true;
    std::optional<Message> Shown;

    static Outcome Ok() { return {}; }
    static Outcome Report(Message message) { return {true, std::move(message)}; }
    static Outcome Refusal(Message message) { return {false, std::move(message)}; }
    // The user answered No to a question the operation asked: nothing done, nothing to show.
    static Outcome Declined() { return {false, std::nullopt}; }
    explicit operator bool() const { return Done; }
};

// A Yes/No question an operation needs answered while it runs (a waiver question). True: Yes.
struct Question {
    std::string Text;
    std::string Title;
};
using Ask = std::function<bool(const Question&)>;

// Shows an outcome's message, if any, as a message box with an OK button.
inline void ShowOutcome(Ui& ui, const Outcome& outcome) {
    if (!outcome.Shown) return;
    const Message& shown = *outcome.Shown;
    if (shown.Cause.empty()) {
        ui.MsgBox(shown.Text, Buttons::OK, shown.Kind, shown.Title);
    } else {
        ui.MsgBox(shown.Text, shown.Cause, Buttons::OK, shown.Kind, shown.Title);
    }
}

// Asks through a Ui: a Yes/No message box without an icon.
inline Ask AskThrough(Ui& ui) {
    return [&ui](const Question& question) {
        return ui.MsgBox(question.Text, Buttons::YesNo, Icon::None, question.Title) == Answer::Yes;
    };
}

}  // namespace korvel
