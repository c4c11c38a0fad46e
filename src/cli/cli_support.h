// Shared pieces of zelk-cli: the command registry, the one-line-per-operand
// stdin mode, JSON text output and the usage error.
//
// Every answer is one JSON object on one line (UTF-8). A bad operand gets an
// answer with an "error" text (in stdin mode the run goes on); a bad command line
// exits with status 2 and a usage text on stderr.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace zelk::cli {

using Args = std::vector<std::string>;

// A command gets its arguments (without the command name) and returns the exit status.
using CommandFn = std::function<int(const Args&)>;

struct Command {
    std::string name;
    std::string usage; // one or more lines, each starting with "zelk-cli <name>"
    CommandFn run;
};

// Registers a command; used through ZELK_CLI_COMMAND in each cmd_*.cpp.
bool RegisterCommand(Command command);
const std::vector<Command>& Commands();

#define ZELK_CLI_CONCAT2(a, b) a##b
#define ZELK_CLI_CONCAT(a, b) ZELK_CLI_CONCAT2(a, b)
#define ZELK_CLI_COMMAND(name, usage, fn)                                                     \
    static const bool ZELK_CLI_CONCAT(zelk_cli_registered_, __LINE__) =                       \
        ::zelk::cli::RegisterCommand({name, usage, fn})

// Thrown by a command for a bad command line: main prints the message and the
// command's usage on stderr and exits with 2.
struct UsageError {
    std::string message;
};

// Splits an operand line into words at blanks; a word in double quotes keeps its blanks.
Args SplitWords(std::string_view line);

// Runs `answer` for each non-empty line of standard input, writing its result and
// a newline to standard output; output is buffered, so 100,000 lines take well
// under a second. Returns 0.
int ForEachStdinLine(const std::function<std::string(const Args& words)>& answer);

// Minimal JSON writer for one-line objects.
class Json {
  public:
    Json& key(std::string_view k);
    Json& str(std::string_view v);
    Json& num(long long v);
    Json& boolean(bool v);
    Json& null();
    Json& raw(std::string_view json); // an already formatted value
    Json& beginObject();
    Json& endObject();
    Json& beginArray();
    Json& endArray();
    const std::string& text() const { return out_; }

  private:
    void separate();
    std::string out_;
    std::vector<bool> first_; // one entry per open object/array
    bool afterKey_ = false;
};

std::string JsonEscape(std::string_view s);
// {"error":"..."} with optional leading fields already formatted ("\"solar\":\"...\"").
std::string ErrorObject(std::string_view message, std::string_view leadingFields = {});

// Takes "--name VALUE" (or "--name=VALUE") out of args; returns true when found.
bool TakeOption(Args& args, std::string_view name, std::string& value);
// Takes a flag "--name" out of args.
bool TakeFlag(Args& args, std::string_view name);

} // namespace zelk::cli
