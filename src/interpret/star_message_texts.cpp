#include "star_message_texts.h"

#include "explanation_cache.h"
#include "star_list_position.h"

#include "chart/chart_record.h"
#include "settings/app_settings.h"
#include "settings/string_table.h"

namespace zelk {

namespace {

QString TextIfInRange(const ResourceTextFn& text, int first, int index, int count) {
    if (!text || index < 0 || index >= count) return {};
    return text(first + index);
}

QString StarNameOf(const ResourceTextFn& text, const ExplanationLists& lists,
                   const StarMessageSettings& settings, const StarInPalace& star) {
    namespace S = StarMessageString;
    switch (star.kind) {
    case kStarFirstGrade:
        return TextIfInRange(text, S::FirstGradeFirst, star.index, 25);
    case kStarSecondGrade: {
        if (star.index < 0 || star.index >= kSecondGradeCount) return {};
        const auto& names =
            settings.fourHuaType == 1 ? lists.secondGradeNamesAlt : lists.secondGradeNames;
        return names[std::size_t(star.index)];
    }
    case kStarRing:
        switch (star.subKind) {
        case kRingDoctor:
            return TextIfInRange(text, S::DoctorFirst, star.index, 12);
        case kRingLongLife:
            return TextIfInRange(text, S::LongLifeFirst, star.index, 12);
        case kRingGeneralFront:
            return TextIfInRange(text, S::GeneralFrontFirst, star.index, 12);
        case kRingYearFront:
            if (settings.suaStarNameType == 1)
                return (star.index >= 0 && star.index < 12)
                           ? lists.suiQianSpecialNames[std::size_t(star.index)]
                           : QString();
            return TextIfInRange(text, S::YearFrontFirst, star.index, 12);
        default:
            return {};
        }
    default:
        return {};
    }
}

void FillStarTexts(StarMessageTexts& out, const ExplanationLists& lists, const ExplanationSet* set,
                   const StarMessageSettings& settings, const StarInPalace& star) {
    const int p = StarListPosition(star.kind, star.subKind, star.index);
    if (p == kNoListPosition) return;
    out.explanation =
        FindExplanation(lists, set, settings.suaStarNameType, star).value_or(QString());
    out.natureText =
        ApplySuiQianNames(lists, settings.suaStarNameType, p, lists.natureTexts[std::size_t(p)]);
    out.keywordText =
        ApplySuiQianNames(lists, settings.suaStarNameType, p, lists.keywordTexts[std::size_t(p)]);
    if (out.keywordText.size() < 5) out.keywordText = out.natureText;
}

} // namespace

StarMessageTexts BuildStarMessageTexts(const ResourceTextFn& resourceText,
                                       const ExplanationLists& lists, const ExplanationSet* set,
                                       const StarMessageSettings& settings, const ChartBlock& chart,
                                       int palacePosition, const StarInPalace& star) {
    namespace S = StarMessageString;
    StarMessageTexts out;
    out.palaceLabel =
        TextIfInRange(resourceText, S::PalaceLabelBase + 1, star.palaceNumber - 1, 12);
    const int position = Mod(palacePosition, 12);
    out.stemBranch = TextIfInRange(resourceText, S::StemFirst, chart.stemAt(position), 10) +
                     TextIfInRange(resourceText, S::BranchFirst, BranchOfPosition(position), 12);
    out.palaceElementName = TextIfInRange(resourceText, S::ElementFirst, star.palaceElement, 5);
    out.starName = StarNameOf(resourceText, lists, settings, star);
    FillStarTexts(out, lists, set, settings, star);
    return out;
}

StarMessageTexts StarMessageFor(const AppSettings& settings, const ChartBlock& chart,
                                int palaceNumber, int palacePosition, int palaceElement, int kind,
                                int subKind, int index) {
    const StarInPalace star{
        palaceNumber,
        palaceElement,
        kind,
        subKind,
        index,
        StarElementInPalace(chart, palaceNumber, palacePosition, kind, subKind, index)};
    const StarMessageSettings options{settings.SuaStarNameType, settings.FourHuaType};
    return BuildStarMessageTexts([](int id) { return LoadResString(id); },
                                 CurrentExplanationLists(), ExplanationSets().current(), options,
                                 chart, palacePosition, star);
}

} // namespace zelk
