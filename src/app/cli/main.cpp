#include <iostream>

#include "app/cli/Cli.h"

int main(int argc, char** argv) {
    return korvel::cli::RunCli(argc, argv, std::cout, std::cerr);
}
