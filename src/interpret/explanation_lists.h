// The built-in vocabularies of the star explanations, parsed once from the
// resource strings that hold them as quoted lists:
//   690 the 112 star names used in explanation keys (by list position),
//   692 the 12 palace names in key order (命宮, 父母, 福德, ... 兄弟),
//   694 the 3 relation words 生, 剋, 無,
//   701-706 the 112 star nature texts and 707-712 the 112 keyword texts, each the
//   concatenation of six strings,
//   713 / 714 the 34 second/third-grade names (714 says 地空 for 天空),
//   715 the 12 special names of the 歲前 stars, 337-348 their usual names.
#pragma once

#include <QString>

#include <array>
#include <functional>

namespace zelk {

inline constexpr int kListPositionCount = 112;
inline constexpr int kSecondGradeCount = 34;

// Resource string numbers of the lists.
namespace ListString {
inline constexpr int StarNames = 690, PalaceNames = 692, RelationWords = 694;
inline constexpr int NatureTextsFirst = 701, KeywordTextsFirst = 707, TextParts = 6;
inline constexpr int SecondGradeNames = 713, SecondGradeNamesAlt = 714;
inline constexpr int SuiQianSpecialNames = 715, SuiQianNormalNameFirst = 337;
} // namespace ListString

// The whole text of a resource string by number (empty when there is none).
// The long lists need the uncut text: a reader that cut at 127 units would lose
// most of the nature and keyword texts.
using ResourceTextFn = std::function<QString(int id)>;

struct ExplanationLists {
    std::array<QString, kListPositionCount> starNames;
    std::array<QString, 12> palaceNames;
    std::array<QString, 3> relationWords;
    std::array<QString, kListPositionCount> natureTexts;
    std::array<QString, kListPositionCount> keywordTexts;
    std::array<QString, kSecondGradeCount> secondGradeNames;
    std::array<QString, kSecondGradeCount> secondGradeNamesAlt;
    std::array<QString, 12> suiQianNormalNames;
    std::array<QString, 12> suiQianSpecialNames;
};

// Parses every list from the given strings; missing strings leave empty entries.
ExplanationLists ParseExplanationLists(const ResourceTextFn& text);
// The same from the program's string table.
ExplanationLists ParseExplanationLists();

// The process-wide lists, parsed once at start-up by InstallExplanationLists and
// read-only afterwards. Before that every entry is empty.
const ExplanationLists& CurrentExplanationLists();
void InstallExplanationLists(ExplanationLists lists);

} // namespace zelk
