// Runs the built zelk-cli with arguments and standard input, and collects its
// exit status, standard output and standard error. Each run works in its own
// temporary folder.
#pragma once

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace zelk::testing {

struct CliResult {
    int status = -1;
    std::string out, err;
    std::vector<std::string> lines() const {
        std::vector<std::string> result;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);)
            result.push_back(line);
        return result;
    }
};

class TempDir {
  public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zelk_cli_test_XXXXXX").string();
        if (mkdtemp(pattern.data())) path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline std::string ReadWhole(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string ShellQuoted(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// `environment` is prepended to the command line ("NAME=value ").
inline CliResult RunCli(const std::vector<std::string>& args, const std::string& input = {},
                        const std::string& environment = {}) {
    TempDir dir;
    const auto in = dir.path() / "in", out = dir.path() / "out", err = dir.path() / "err";
    std::ofstream(in, std::ios::binary) << input;
    std::string command = "env " + environment + " " + ShellQuoted(ZELK_CLI_PROGRAM);
    for (const auto& a : args)
        command += " " + ShellQuoted(a);
    command += " <" + ShellQuoted(in.string()) + " >" + ShellQuoted(out.string()) + " 2>" +
               ShellQuoted(err.string());
    CliResult result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadWhole(out);
    result.err = ReadWhole(err);
    return result;
}

inline bool SolarTermsBesideTheProgram() {
    return std::filesystem::exists(std::filesystem::path(ZELK_CLI_PROGRAM).parent_path() /
                                   "solar_terms.dat");
}

} // namespace zelk::testing
