#pragma once

#include <cstddef>
#include <string>

#include <CLI/CLI.hpp>

namespace korvel::cli {

// Breaks `text` into lines of at most `width` characters at spaces, keeping its own line breaks.
// A line that starts with spaces keeps them, and its continuation lines are indented under its
// first word. A word longer than the width stands alone on its line.
std::string WrapText(const std::string& text, std::size_t width);

// The columns of the terminal on standard output; else those $COLUMNS names (a large number
// gives unwrapped help, as the man pages are made from); else 80.
std::size_t HelpWidth();

// The group of options that only tests use: they work but the help leaves them out.
inline constexpr const char* kTestOnlyGroup = "Test only";

// CLI11's help with every description, option and footer wrapped at `width` columns.
class HelpFormatter : public CLI::Formatter {
  public:
    // The usage line shows that commands chain: "COMMAND [COMMAND ...]".
    explicit HelpFormatter(std::size_t width) : width_(width) {
        label("SUBCOMMAND", "COMMAND [COMMAND ...]");
        label("SUBCOMMANDS", "COMMAND [COMMAND ...]");
    }

    std::string make_description(const CLI::App* app) const override;
    std::string make_footer(const CLI::App* app) const override;
    std::string make_subcommand(const CLI::App* sub) const override;
    // Options that exclude each other say so in a sentence of their description, not beside
    // their names.
    std::string make_option_opts(const CLI::Option* option) const override;
    std::string make_option_desc(const CLI::Option* option) const override;
    std::string make_group(std::string group, bool is_positional,
                           std::vector<const CLI::Option*> opts) const override;

  private:
    // Room for a description beside the column of names.
    std::size_t DescriptionWidth() const;

    std::size_t width_;
};

}  // namespace korvel::cli
