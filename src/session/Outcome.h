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
};

// What a team session operation came to. Done may carry a report ("Lines saved as ..."); a
// refusal always carries the message that says why, and nothing of the team changed.
struct Outcome {
    bool Done = true;
    std::optional<Message> Shown;

    static Outcome Ok() { return {}; }
    static Outcome Report(Message message) { return {true, std::move(message)}; }
    static Outcome Refusal(Message message) { return {false, std::move(message)}; }
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
    if (outcome.Shown) {
        ui.MsgBox(outcome.Shown->Text, Buttons::OK, outcome.Shown->Kind, outcome.Shown->Title);
    }
}

// Asks through a Ui: a Yes/No message box without an icon.
inline Ask AskThrough(Ui& ui) {
    return [&ui](const Question& question) {
        return ui.MsgBox(question.Text, Buttons::YesNo, Icon::None, question.Title) == Answer::Yes;
    };
}

}  // namespace korvel
