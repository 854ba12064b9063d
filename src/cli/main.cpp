// stenvik-cli: Stenvik's rows without the window.

#include <exception>
#include <iostream>

#include "cli/arguments.h"
#include "cli/cli.h"

int main(int argc, char** argv) {
    try {
        stenvik::posix::PosixFiles files;
        return stenvik::cli::RunCli({argv, static_cast<std::size_t>(argc)}, std::cin, std::cout, std::cerr, files);
    } catch (const std::exception& error) {
        std::cerr << stenvik::cli::kProgram << ": " << error.what() << "\n";
        return stenvik::cli::kExitFailure;
    }
}
