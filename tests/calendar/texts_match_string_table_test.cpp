// The calendar carries its own copies of the texts of the program's string table
// (it cannot use that layer). This test reads the table's source and checks that
// every copy is the same text, so the two cannot drift apart.
#include "date_text.h"
#include "pillars.h"
#include "solar_terms.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace zelk {
namespace {

// The quoted items of a line, escapes undone.
std::vector<std::string> QuotedItems(const std::string& text) {
    std::vector<std::string> items;
    std::string item;
    bool inside = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!inside) {
            if (c == '"') inside = true;
            continue;
        }
        if (c == '\\' && i + 1 < text.size()) {
            const char e = text[++i];
            item += e == 'n' ? '\n' : e == 't' ? '\t' : e;
        } else if (c == '"') {
            items.push_back(item);
            item.clear();
            inside = false;
        } else {
            item += c;
        }
    }
    return items;
}

// The one-string ("ID") and range ("FIRST-LAST") lines of the table source.
std::map<int, std::string> ReadStringTable(const std::string& path) {
    std::map<int, std::string> table;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        const auto tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
        const std::string ids = line.substr(0, tab);
        if (ids.find('[') != std::string::npos) continue; // list strings
        const auto items = QuotedItems(line.substr(tab + 1));
        const auto dash = ids.find('-');
        const int first = std::stoi(ids.substr(0, dash));
        if (dash == std::string::npos) {
            // One string runs from the first to the last quote.
            const auto open = line.find('"', tab), close = line.rfind('"');
            if (open != std::string::npos && close > open)
                table[first] = QuotedItems(line.substr(open, close - open + 1)).front();
            continue;
        }
        for (std::size_t i = 0; i < items.size(); ++i)
            table[first + static_cast<int>(i)] = items[i];
    }
    return table;
}

TEST(CalendarTexts, MatchTheProgramsStringTable) {
    if (!std::filesystem::exists(ZELK_STRING_TABLE_FILE)) GTEST_SKIP() << "no string table source";
    const auto table = ReadStringTable(ZELK_STRING_TABLE_FILE);
    const auto text = [&](int id) {
        const auto it = table.find(id);
        return it == table.end() ? std::string("<missing " + std::to_string(id) + ">") : it->second;
    };
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(StemName(i), text(135 + i)) << i;
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(BranchName(i), text(145 + i)) << i;
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(AnimalName(i), text(364 + i)) << i;
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(SolarTermName(i), text(383 + i)) << i;

    std::string pillars;
    PillarText(FourPillars{{0, 0, 0, 0}}, pillars, 1 | 2 | 4 | 8 | 16);
    const std::string jiazi = text(135) + text(145);
    EXPECT_EQ(pillars, text(381) + jiazi + text(171) + jiazi + text(172) + jiazi + text(173) +
                           jiazi + text(174));

    std::string years;
    FormatMinguoYear(2011, years);
    FormatMinguoYear(1912, years);
    FormatMinguoYear(1911, years);
    FormatMinguoYearShort(1912, years);
    FormatMinguoYearShort(1911, years);
    EXPECT_EQ(years, text(434) + "100" + text(171) + text(436) + text(435) + "1" + text(171) +
                         text(449) + text(448) + "1");
}

} // namespace
} // namespace zelk
