#include "find_explanation.h"

#include "explanation_cache.h"
#include "star_list_position.h"

#include "settings/app_settings.h"

namespace zelk {

QString ApplySuiQianNames(const ExplanationLists& lists, int suaStarNameType, int position,
                          const QString& text) {
    if (suaStarNameType != 1 || position < kYearFrontFirst || position > kYearFrontLast)
        return text;
    const auto k = std::size_t(position - kYearFrontFirst);
    const QString& usual = lists.suiQianNormalNames[k];
    // Replacing an empty name would insert the special name between every character.
    if (usual.isEmpty()) return text;
    QString result = text;
    result.replace(usual, lists.suiQianSpecialNames[k]);
    return result;
}

QString PalaceKeyName(const ExplanationLists& lists, int palaceNumber) {
    if (palaceNumber < 1 || palaceNumber > 12) return {};
    // 命宮 leads both orders; the key list then runs backwards (父母, 福德, ...).
    return lists.palaceNames[std::size_t((13 - palaceNumber) % 12)];
}

QString ExplanationKey(const ExplanationLists& lists, int suaStarNameType,
                       const StarInPalace& star) {
    const int p = StarListPosition(star.kind, star.subKind, star.index);
    if (p == kNoListPosition) return {};
    const QString palace = PalaceKeyName(lists, star.palaceNumber);
    const QString name =
        ApplySuiQianNames(lists, suaStarNameType, p, lists.starNames[std::size_t(p)]);
    const QString& relation =
        lists.relationWords[std::size_t(ElementRelation(star.starElement, star.palaceElement))];
    if (palace.isEmpty() || name.isEmpty() || relation.isEmpty()) return {};
    return palace + name + relation;
}

std::optional<QString> FindExplanation(const ExplanationLists& lists, const ExplanationSet* set,
                                       int suaStarNameType, const StarInPalace& star) {
    if (!set) return std::nullopt;
    return FindInSet(*set, ExplanationKey(lists, suaStarNameType, star));
}

std::optional<QString> FindExplanation(const AppSettings& settings, int palaceNumber,
                                       int palaceElement, int kind, int subKind, int index,
                                       int starElement) {
    const StarInPalace star{palaceNumber, palaceElement, kind, subKind, index, starElement};
    return FindExplanation(CurrentExplanationLists(), ExplanationSets().current(),
                           settings.SuaStarNameType, star);
}

} // namespace zelk
