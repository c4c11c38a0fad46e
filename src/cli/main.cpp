// zelk-cli: the command-line tool for scripts and for checking results by hand.
#include "cli_support.h"
#include "zelk_version.h"

#include <cstring>
#include <iostream>

namespace {
void PrintUsage(std::ostream& os) {
    os << "usage:\n";
    for (const auto& c : zelk::cli::Commands())
        os << "  " << c.usage << "\n";
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintUsage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? 2 : 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << "zelk-cli " ZELK_VERSION "\n";
        return 0;
    }
    const std::string name = argv[1];
    for (const auto& c : zelk::cli::Commands()) {
        if (c.name != name) continue;
        zelk::cli::Args args(argv + 2, argv + argc);
        try {
            return c.run(args);
        } catch (const zelk::cli::UsageError& e) {
            std::cerr << "zelk-cli " << name << ": " << e.message << "\nusage:\n  " << c.usage
                      << "\n";
            return 2;
        }
    }
    std::cerr << "zelk-cli: unknown command '" << name << "'\n";
    PrintUsage(std::cerr);
    return 2;
}
