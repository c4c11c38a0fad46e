#include "cli_support.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace zelk::cli {

namespace {
std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}
} // namespace

bool RegisterCommand(Command command) {
    Registry().push_back(std::move(command));
    return true;
}

const std::vector<Command>& Commands() { return Registry(); }

Args SplitWords(std::string_view line) {
    Args words;
    std::string word;
    bool inWord = false, quoted = false;
    for (char c : line) {
        if (quoted) {
            if (c == '"') quoted = false;
            else word += c;
        } else if (c == '"') {
            quoted = true;
            inWord = true;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

int ForEachStdinLine(const std::function<std::string(const Args& words)>& answer) {
    std::ios::sync_with_stdio(false);
    std::string line, out;
    out.reserve(1 << 16);
    while (std::getline(std::cin, line)) {
        Args words = SplitWords(line);
        if (words.empty()) continue;
        out += answer(words);
        out += '\n';
        if (out.size() > (1 << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return 0;
}

std::string JsonEscape(std::string_view s) {
    std::string r;
    r.reserve(s.size() + 2);
    for (unsigned char c : s) {
        switch (c) {
        case '"': r += "\\\""; break;
        case '\\': r += "\\\\"; break;
        case '\n': r += "\\n"; break;
        case '\r': r += "\\r"; break;
        case '\t': r += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                r += buf;
            } else {
                r += static_cast<char>(c);
            }
        }
    }
    return r;
}

std::string ErrorObject(std::string_view message, std::string_view leadingFields) {
    std::string r = "{";
    if (!leadingFields.empty()) {
        r += leadingFields;
        r += ',';
    }
    r += "\"error\":\"" + JsonEscape(message) + "\"}";
    return r;
}

void Json::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) out_ += ',';
        first_.back() = false;
    }
}

Json& Json::key(std::string_view k) {
    separate();
    out_ += '"';
    out_ += JsonEscape(k);
    out_ += "\":";
    afterKey_ = true;
    return *this;
}
Json& Json::str(std::string_view v) {
    separate();
    out_ += '"';
    out_ += JsonEscape(v);
    out_ += '"';
    return *this;
}
Json& Json::num(long long v) {
    separate();
    out_ += std::to_string(v);
    return *this;
}
Json& Json::boolean(bool v) {
    separate();
    out_ += v ? "true" : "false";
    return *this;
}
Json& Json::null() {
    separate();
    out_ += "null";
    return *this;
}
Json& Json::raw(std::string_view json) {
    separate();
    out_ += json;
    return *this;
}
Json& Json::beginObject() {
    separate();
    out_ += '{';
    first_.push_back(true);
    return *this;
}
Json& Json::endObject() {
    out_ += '}';
    first_.pop_back();
    return *this;
}
Json& Json::beginArray() {
    separate();
    out_ += '[';
    first_.push_back(true);
    return *this;
}
Json& Json::endArray() {
    out_ += ']';
    first_.pop_back();
    return *this;
}

bool TakeOption(Args& args, std::string_view name, std::string& value) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == name) {
            if (i + 1 >= args.size()) throw UsageError{"missing value for " + std::string(name)};
            value = args[i + 1];
            args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
            return true;
        }
        if (a.size() > name.size() && a.compare(0, name.size(), name) == 0 &&
            a[name.size()] == '=') {
            value = a.substr(name.size() + 1);
            args.erase(args.begin() + static_cast<long>(i));
            return true;
        }
    }
    return false;
}

bool TakeFlag(Args& args, std::string_view name) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            args.erase(args.begin() + static_cast<long>(i));
            return true;
        }
    }
    return false;
}

} // namespace zelk::cli
