// Which command parsers a run builds: only those of the commands named, every one when the help or
// the version may be asked for, or when no command is named (the error lists them all).

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/cli/Commands.h"

namespace korvel::test {
namespace {

std::vector<std::string> Built(const std::vector<std::string_view>& args) {
    std::vector<std::string> names;
    for (const cli::RegisteredCommand& command : cli::CommandsToBuild(args)) {
        names.emplace_back(command.Name);
    }
    return names;
}

std::vector<std::string> Every() {
    std::vector<std::string> names;
    for (const cli::RegisteredCommand& command : cli::kCommandRegistry) {
        names.emplace_back(command.Name);
    }
    return names;
}

struct BuildCase {
    std::string Name;
    std::vector<std::string_view> Args;
    std::vector<std::string> Expected;  // empty: every command
};

TEST(CommandsToBuild, OnlyTheNamedCommandsUnlessHelpMayBeAskedFor) {
    const std::vector<BuildCase> cases = {
        {"one command", {"league"}, {"league"}},
        {"options around it", {"-C", "start", "--team", "3", "--json", "prepare"}, {"prepare"}},
        {"two in registry order", {"lines", "--auto", "league"}, {"league", "lines"}},
        {"a dashed name", {"check-lines", "a.lns"}, {"check-lines"}},
        {"a value holding h is no flag", {"--league", "hockey/h", "standings"}, {"standings"}},
        {"a value named as a command", {"--team", "lines", "roster"}, {"roster", "lines"}},
        {"no command", {"--json"}, {}},
        {"nothing at all", {}, {}},
        {"an unknown command", {"lineup"}, {}},
        {"help", {"league", "--help"}, {}},
        {"short help", {"prepare", "-h"}, {}},
        {"help in a cluster of flags", {"roster", "-yh"}, {}},
        {"version", {"--version", "league"}, {}},
    };
    for (const BuildCase& c : cases) {
        std::vector<std::string> expected = c.Expected.empty() ? Every() : c.Expected;
        // The registry's order, whatever the order on the command line.
        std::vector<std::string> ordered;
        for (const std::string& name : Every()) {
            for (const std::string& wanted : expected) {
                if (wanted == name) ordered.push_back(name);
            }
        }
        EXPECT_EQ(Built(c.Args), ordered) << c.Name;
    }
    EXPECT_GT(Every().size(), 5u);
}

}  // namespace
}  // namespace korvel::test
