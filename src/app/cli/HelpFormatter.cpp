#include "app/cli/HelpFormatter.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string_view>

#include "platform/Console.h"

namespace korvel::cli {
namespace {

constexpr std::size_t kDefaultWidth = 80;
constexpr std::size_t kNarrowest = 40;

void WrapLine(const std::string& line, std::size_t width, std::string& out) {
    const std::size_t indent = line.find_first_not_of(' ');
    if (indent == std::string::npos) return;
    // A line such as "  0  done" hangs its continuation under "done".
    std::size_t hang = indent;
    if (indent > 0) {
        const std::size_t gap = line.find("  ", indent);
        const std::size_t next = gap == std::string::npos ? gap : line.find_first_not_of(' ', gap);
        if (next != std::string::npos && next < width / 2) hang = next;
    }
    // The part before the hanging column keeps its own spacing.
    std::istringstream words(line.substr(hang));
    std::string current = line.substr(0, hang);
    bool fresh = true;  // no word on the current line yet
    for (std::string word; words >> word;) {
        if (!fresh && current.size() + 1 + word.size() > width) {
            out += current + "\n";
            current = std::string(hang, ' ');
            fresh = true;
        }
        if (!fresh) current += ' ';
        current += word;
        fresh = false;
    }
    out += current;
}

}  // namespace

std::string WrapText(const std::string& text, std::size_t width) {
    std::string out;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end == std::string::npos ? end : end - start);
        WrapLine(line, width, out);
        if (end == std::string::npos) break;
        out += '\n';
        start = end + 1;
    }
    return out;
}

std::size_t HelpWidth() {
    if (const auto columns = TerminalColumns()) return std::max(*columns, kNarrowest);
    if (const char* columns = std::getenv("COLUMNS")) {
        std::size_t width = 0;
        const std::string_view text = columns;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), width);
        if (error == std::errc() && end == text.data() + text.size() && width > 0) {
            return width < kNarrowest ? kNarrowest : width;
        }
    }
    return kDefaultWidth;
}

std::size_t HelpFormatter::DescriptionWidth() const {
    const std::size_t names = get_column_width();
    return width_ > names + 20 ? width_ - names - 1 : 20;
}

std::string HelpFormatter::make_description(const CLI::App* app) const {
    return WrapText(CLI::Formatter::make_description(app), width_);
}

std::string HelpFormatter::make_footer(const CLI::App* app) const {
    const std::string footer = CLI::Formatter::make_footer(app);
    return footer.empty() ? footer : WrapText(footer, width_);
}

std::string HelpFormatter::make_subcommand(const CLI::App* sub) const {
    std::stringstream out;
    CLI::detail::format_help(out, sub->get_display_name(true),
                             WrapText(sub->get_description(), DescriptionWidth()),
                             get_column_width());
    return out.str();
}

std::string HelpFormatter::make_option_opts(const CLI::Option* option) const {
    std::string opts = CLI::Formatter::make_option_opts(option);
    // CLI11 lists the excluded options last.
    const std::size_t excludes = opts.find(" " + get_label("Excludes") + ":");
    if (excludes != std::string::npos) opts.erase(excludes);
    return opts;
}

std::string HelpFormatter::make_option_desc(const CLI::Option* option) const {
    std::string description = CLI::Formatter::make_option_desc(option);
    const std::set<CLI::Option*> excluded = option->get_excludes();
    if (!excluded.empty()) {
        description += " Not together with";
        const char* separator = " ";
        for (const CLI::Option* other : excluded) {
            description += separator + other->get_name();
            separator = " or ";
        }
        description += ".";
    }
    return WrapText(description, DescriptionWidth());
}

std::string HelpFormatter::make_group(std::string group, bool is_positional,
                                      std::vector<const CLI::Option*> opts) const {
    if (group == kTestOnlyGroup) return {};
    return CLI::Formatter::make_group(std::move(group), is_positional, std::move(opts));
}

}  // namespace korvel::cli
