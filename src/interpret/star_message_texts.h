// What the 星性說明 dialog shows for a clicked star: the palace label, the palace's
// stem and branch, its element, the star's name, the explanation from the current
// set, and the star's built-in nature and keyword texts. Computed here so that
// the dialog only places the texts in its controls.
#pragma once

#include "explanation_lists.h"
#include "explanation_set.h"
#include "find_explanation.h"

#include <QString>

namespace zelk {

struct AppSettings;
struct ChartBlock;

struct StarMessageTexts {
    QString palaceLabel;       // 【命】 ... 【父母】
    QString stemBranch;        // e.g. 甲寅
    QString palaceElementName; // 水 木 金 土 火
    QString starName;
    QString explanation; // empty when the set has no line for the key
    QString natureText;
    QString keywordText; // the nature text when the keywords are too short
};

// Resource string numbers used for the dialog texts.
namespace StarMessageString {
inline constexpr int PalaceLabelBase = 246; // + palace number 1-12
inline constexpr int StemFirst = 135, BranchFirst = 145, ElementFirst = 492;
inline constexpr int FirstGradeFirst = 205, DoctorFirst = 325, LongLifeFirst = 293,
                     GeneralFrontFirst = 349, YearFrontFirst = 337;
} // namespace StarMessageString

struct StarMessageSettings {
    int suaStarNameType = 0;
    int fourHuaType = 0; // 1 names the second-grade stars from the list saying 地空
};

// Every out-of-range number (palace, stem, element, star) leaves its text empty.
// A star without a list position leaves the three text boxes empty.
StarMessageTexts BuildStarMessageTexts(const ResourceTextFn& resourceText,
                                       const ExplanationLists& lists, const ExplanationSet* set,
                                       const StarMessageSettings& settings, const ChartBlock& chart,
                                       int palacePosition, const StarInPalace& star);

// What the dialog shows for a clicked star, from the process-wide lists, the
// current explanation set and the program's strings; the star's element is taken
// from the chart where the star stands.
StarMessageTexts StarMessageFor(const AppSettings& settings, const ChartBlock& chart,
                                int palaceNumber, int palacePosition, int palaceElement, int kind,
                                int subKind, int index);

} // namespace zelk
