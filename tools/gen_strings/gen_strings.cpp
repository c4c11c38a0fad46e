// gen_strings: turns the string-table text files (resources/strings*.txt) into a
// C++ source holding one sorted array {id, size, utf8}. Run by the build; any
// malformed line, count mismatch or duplicate id stops the build with
// "file:line: message".
//
//   gen_strings -o OUTPUT.cpp INPUT.txt...
//
// Line forms (fields separated by one TAB; blank lines and '#' lines skipped):
//   ID<TAB>"text"               one string (text between the first and last quote)
//   FIRST-LAST<TAB>"a" "b" ...  a run of consecutive strings, one quoted item each
//   ID[N]<TAB>"a","b",...        one list string of exactly N quoted items, kept
//                               with its quotes and commas
// Escapes: \n, \t, \", \\.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Entry {
    int id;
    std::string text;
    std::string where; // file:line, for duplicate reports
};

struct ParseError {
    std::string message;
};

constexpr int kMaxId = 65535; // string ids are 16-bit

int ParseId(std::string_view s) {
    if (s.empty() || s.size() > 5) throw ParseError{"bad string id '" + std::string(s) + "'"};
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') throw ParseError{"bad string id '" + std::string(s) + "'"};
        v = v * 10 + (c - '0');
    }
    if (v > kMaxId) throw ParseError{"string id " + std::string(s) + " is above 65535"};
    return v;
}

// Replaces \n, \t, \" and \\; any other backslash sequence is an error so that a
// typo does not silently end up in a user-visible text.
std::string Unescape(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            r += s[i];
            continue;
        }
        if (i + 1 >= s.size()) throw ParseError{"text ends with a lone backslash"};
        switch (s[++i]) {
        case 'n':
            r += '\n';
            break;
        case 't':
            r += '\t';
            break;
        case '"':
            r += '"';
            break;
        case '\\':
            r += '\\';
            break;
        default:
            throw ParseError{std::string("unknown escape \\") + s[i]};
        }
    }
    return r;
}

bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = 0;
        unsigned min = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            min = 0x10000;
        } else {
            return false;
        }
        if (i + extra >= s.size()) return false; // truncated sequence
        unsigned cp = c & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

// Reads one quoted item starting at body[pos] == '"'; leaves pos after the
// closing quote. Backslash escapes are honoured so \" does not end the item.
std::string ReadQuotedItem(std::string_view body, std::size_t& pos) {
    if (pos >= body.size() || body[pos] != '"') throw ParseError{"expected a '\"'"};
    const std::size_t start = ++pos;
    while (pos < body.size() && body[pos] != '"') {
        if (body[pos] == '\\') ++pos;
        ++pos;
    }
    if (pos >= body.size()) throw ParseError{"item without closing '\"'"};
    std::string item = Unescape(body.substr(start, pos - start));
    ++pos;
    return item;
}

std::vector<std::string> ParseRunItems(std::string_view body) {
    std::vector<std::string> items;
    std::size_t pos = 0;
    while (true) {
        while (pos < body.size() && body[pos] == ' ')
            ++pos;
        if (pos >= body.size()) break;
        if (!items.empty() && body[pos - 1] != ' ')
            throw ParseError{"items of a run must be separated by blanks"};
        items.push_back(ReadQuotedItem(body, pos));
    }
    return items;
}

// A list string must be "a","b",... exactly: the program splits it at every ASCII
// comma and takes the text between the quotes, so an item may hold neither.
int CountListItems(std::string_view body) {
    int count = 0;
    std::size_t pos = 0;
    while (true) {
        if (pos < body.size() && body[pos] == ' ')
            throw ParseError{"list items must be separated by ',' with no blanks (before item " +
                             std::to_string(count + 1) + ")"};
        if (pos >= body.size() || body[pos] != '"')
            throw ParseError{"list item " + std::to_string(count + 1) +
                             " does not start with '\"'"};
        const std::size_t close = body.find('"', pos + 1);
        if (close == std::string_view::npos)
            throw ParseError{"list item " + std::to_string(count + 1) + " has no closing '\"'"};
        if (body.substr(pos + 1, close - pos - 1).find(',') != std::string_view::npos)
            throw ParseError{"list item " + std::to_string(count + 1) +
                             " holds an ASCII comma, which would split it"};
        ++count;
        pos = close + 1;
        if (pos == body.size()) return count;
        if (body[pos] != ',')
            throw ParseError{"list items must be separated by ',' with no blanks (after item " +
                             std::to_string(count) + ")"};
        ++pos;
    }
}

void ParseLine(std::string_view line, const std::string& where, std::vector<Entry>& out) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) throw ParseError{"expected ID<TAB>\"text\""};
    const std::string_view head = line.substr(0, tab);
    const std::string_view body = line.substr(tab + 1);

    if (const auto dash = head.find('-'); dash != std::string_view::npos) {
        const int first = ParseId(head.substr(0, dash));
        const int last = ParseId(head.substr(dash + 1));
        if (last < first) throw ParseError{"run " + std::string(head) + " ends before it starts"};
        const auto items = ParseRunItems(body);
        const int expected = last - first + 1;
        if (static_cast<int>(items.size()) != expected)
            throw ParseError{"run " + std::string(head) + " needs " + std::to_string(expected) +
                             " items but has " + std::to_string(items.size())};
        for (int i = 0; i < expected; ++i)
            out.push_back({first + i, items[i], where});
        return;
    }
    if (const auto bracket = head.find('['); bracket != std::string_view::npos) {
        if (head.back() != ']') throw ParseError{"expected ID[N]"};
        const int id = ParseId(head.substr(0, bracket));
        const int expected = ParseId(head.substr(bracket + 1, head.size() - bracket - 2));
        const int count = CountListItems(body);
        if (count != expected)
            throw ParseError{"list " + std::to_string(id) + " needs " + std::to_string(expected) +
                             " items but has " + std::to_string(count)};
        out.push_back({id, Unescape(body), where});
        return;
    }
    const int id = ParseId(head);
    if (body.size() < 2 || body.front() != '"' || body.back() != '"')
        throw ParseError{"the text must be enclosed in double quotes"};
    out.push_back({id, Unescape(body.substr(1, body.size() - 2)), where});
}

bool ReadInput(const std::string& path, std::vector<Entry>& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << path << ": cannot open\n";
        return false;
    }
    bool ok = true;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
        const std::string where = path + ":" + std::to_string(number);
        try {
            if (!IsValidUtf8(line)) throw ParseError{"not valid UTF-8"};
            ParseLine(line, where, out);
        } catch (const ParseError& e) {
            std::cerr << where << ": " << e.message << "\n";
            ok = false;
        }
    }
    return ok;
}

// Non-ASCII bytes, quotes, backslashes and control characters as three-digit
// octal escapes, which (unlike \x) never swallow the next character.
std::string CppLiteral(std::string_view s) {
    std::string r = "\"";
    for (unsigned char c : s) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '?') {
            r += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\%03o", c);
            r += buf;
        }
    }
    return r + "\"";
}

std::string GenerateSource(const std::vector<Entry>& entries) {
    std::ostringstream os;
    os << "// Generated by gen_strings from the string-table text files; do not edit.\n"
          "#include \"string_table_data.h\"\n\n"
          "namespace zelk::detail {\n\n"
          "const StringEntry kStringTable[] = {\n";
    for (const auto& e : entries)
        os << "    {" << e.id << ", " << e.text.size() << ", " << CppLiteral(e.text) << "},\n";
    os << "};\n\nconst std::size_t kStringTableSize = " << entries.size()
       << ";\n\n} // namespace zelk::detail\n";
    return os.str();
}

// Rewrites the output only when it changed, so an unrelated edit does not rebuild.
bool WriteIfChanged(const std::string& path, const std::string& text) {
    {
        std::ifstream old(path, std::ios::binary);
        if (old) {
            std::ostringstream current;
            current << old.rdbuf();
            if (current.str() == text) return true;
        }
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::cerr << path << ": cannot write\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::string output;
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "-o" && i + 1 < argc)
            output = argv[++i];
        else
            inputs.push_back(a);
    }
    if (output.empty() || inputs.empty()) {
        std::cerr << "usage: gen_strings -o OUTPUT.cpp INPUT.txt...\n";
        return 2;
    }

    std::vector<Entry> entries;
    bool ok = true;
    for (const auto& path : inputs)
        ok = ReadInput(path, entries) && ok;

    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.id < b.id; });
    for (std::size_t i = 1; i < entries.size(); ++i) {
        if (entries[i].id == entries[i - 1].id) {
            std::cerr << entries[i].where << ": duplicate string id " << entries[i].id
                      << " (already defined at " << entries[i - 1].where << ")\n";
            ok = false;
        }
    }
    if (!ok) {
        std::cerr << "gen_strings: the string table has errors; nothing generated\n";
        return 1;
    }
    return WriteIfChanged(output, GenerateSource(entries)) ? 0 : 1;
}
