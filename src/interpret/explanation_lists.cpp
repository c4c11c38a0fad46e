#include "explanation_lists.h"

#include "settings/string_table.h"

#include <QStringList>

namespace zelk {

namespace {

// Name slots keep up to 9 characters, the long text slots up to 149.
constexpr int kNameChars = 9, kTextChars = 149;

template <std::size_t N>
void FillFromList(std::array<QString, N>& table, const QString& text, int maxChars) {
    const QStringList items = ParseQuotedListSlots(text, int(N), maxChars);
    for (std::size_t i = 0; i < N; ++i)
        table[i] = items.at(qsizetype(i));
}

// The long lists run on from one string to the next, so the six parts are joined
// before they are split into items.
QString JoinedParts(const ResourceTextFn& text, int firstId) {
    QString joined;
    for (int k = 0; k < ListString::TextParts; ++k)
        joined += text(firstId + k);
    return joined;
}

} // namespace

ExplanationLists ParseExplanationLists(const ResourceTextFn& text) {
    ExplanationLists lists;
    if (!text) return lists;
    FillFromList(lists.starNames, text(ListString::StarNames), kNameChars);
    FillFromList(lists.palaceNames, text(ListString::PalaceNames), kNameChars);
    FillFromList(lists.relationWords, text(ListString::RelationWords), kNameChars);
    FillFromList(lists.natureTexts, JoinedParts(text, ListString::NatureTextsFirst), kTextChars);
    FillFromList(lists.keywordTexts, JoinedParts(text, ListString::KeywordTextsFirst), kTextChars);
    FillFromList(lists.secondGradeNames, text(ListString::SecondGradeNames), kNameChars);
    FillFromList(lists.secondGradeNamesAlt, text(ListString::SecondGradeNamesAlt), kNameChars);
    FillFromList(lists.suiQianSpecialNames, text(ListString::SuiQianSpecialNames), kNameChars);
    for (int k = 0; k < 12; ++k)
        lists.suiQianNormalNames[std::size_t(k)] = text(ListString::SuiQianNormalNameFirst + k);
    return lists;
}

ExplanationLists ParseExplanationLists() {
    return ParseExplanationLists([](int id) { return LoadResString(id); });
}

namespace {
ExplanationLists& InstalledLists() {
    static ExplanationLists lists;
    return lists;
}
} // namespace

const ExplanationLists& CurrentExplanationLists() {
    return InstalledLists();
}

void InstallExplanationLists(ExplanationLists lists) {
    InstalledLists() = std::move(lists);
}

} // namespace zelk
