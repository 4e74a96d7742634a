#include "app/cli/CliUi.h"

#include <sstream>

namespace korvel::cli {

std::string FormatMessage(const std::string& title, const std::string& text) {
    std::istringstream lines(text);
    std::string result = TitleOrDefault(title) + ":";
    bool first = true;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        result += first ? " " : "\n    ";
        result += line;
        first = false;
    }
    return result;
}

void CliUi::Print(const std::string& title, const std::string& text, const std::string& suffix) {
    err_ << FormatMessage(title, text) << suffix << '\n' << std::flush;
}

Answer CliUi::MsgBox(const std::string& text, Buttons buttons, Icon, const std::string& title) {
    ++messageCount_;
    if (buttons == Buttons::OK) {
        Print(title, text);
        if (closing_ == 0) refused_ = true;
        return Answer::OK;
    }
    std::optional<Answer> answer = defaultAnswer_;
    if (const auto own = answers_.find(text); own != answers_.end()) answer = own->second;
    if (!answer) {
        Print(title, text);
        throw AnswerNeeded{text, TitleOrDefault(title)};
    }
    if (!quietAnswers_) Print(title, text, *answer == Answer::Yes ? " [Yes]" : " [No]");
    return *answer;
}

Answer CliUi::MsgBox(const std::string& text, const std::string& cause, Buttons buttons, Icon icon,
                     const std::string& title) {
    const bool shown = buttons == Buttons::OK && !cause.empty();
    return MsgBox(shown ? text + "\n" + cause : text, buttons, icon, title);
}

std::optional<std::string> CliUi::InputBox(const std::string&, const std::string&) {
    auto text = std::move(inputText_);
    inputText_.reset();
    return text;
}

std::optional<std::filesystem::path> CliUi::OpenFile(const FileDialog&) {
    auto file = std::move(fileToOpen_);
    fileToOpen_.reset();
    return file;
}

void CliUi::ShowModal(Window& window) {
    window.Form_Load();
    if (!window.IsUnloaded() && modalAction_) modalAction_(window);
    if (window.IsUnloaded()) return;
    struct ClosingScope {
        int& depth;
        explicit ClosingScope(int& d) : depth(d) { ++depth; }
        ~ClosingScope() { --depth; }
    } closing(closing_);
    window.Unload();
}

}  // namespace korvel::cli
