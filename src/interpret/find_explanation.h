// Finding a star's explanation: the key is palace name + star name + relation
// word, looked up in the current explanation set.
#pragma once

#include "element_relation.h"
#include "explanation_lists.h"
#include "explanation_set.h"

#include <QString>

#include <optional>

namespace zelk {

struct AppSettings;

// A clicked star as the chart view names it, with its palace.
struct StarInPalace {
    int palaceNumber =
        0; // 1-12: 命宮, 兄弟, 夫妻, 子女, 財帛, 疾厄, 遷移, 朋友, 官祿, 田宅, 福德, 父母
    int palaceElement = -1;               // 0-4 or -1
    int kind = 0, subKind = 0, index = 0; // see StarListPosition
    int starElement = -1;                 // 0-4 or -1
};

// With SuaStarNameType 1 the 歲前 stars go by their special names (歲建 is 太歲 ...):
// for positions 98-109 every occurrence of the usual name is replaced by the
// special one. Any other position or setting leaves the text as it is.
QString ApplySuiQianNames(const ExplanationLists& lists, int suaStarNameType, int position,
                          const QString& text);

// The palace part of a key: palace number 1 命宮 ... 12 父母 in the order of the
// palace-name list (命宮, 父母, 福德, ... 兄弟); empty outside 1-12.
QString PalaceKeyName(const ExplanationLists& lists, int palaceNumber);

// The whole key, for example 命宮紫微剋 or 命宮衰  生 (the stage names of one
// character carry two spaces). Empty when the star has no list position or a
// part is missing.
QString ExplanationKey(const ExplanationLists& lists, int suaStarNameType,
                       const StarInPalace& star);

// The explanation of the star in the given set, or nothing.
std::optional<QString> FindExplanation(const ExplanationLists& lists, const ExplanationSet* set,
                                       int suaStarNameType, const StarInPalace& star);

// The same over the process-wide lists and the current set of ExplanationSets().
std::optional<QString> FindExplanation(const AppSettings& settings, int palaceNumber,
                                       int palaceElement, int kind, int subKind, int index,
                                       int starElement);

} // namespace zelk
