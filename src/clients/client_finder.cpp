#include "client_finder.h"

namespace zelk {

namespace {

bool AllAsciiDigits(QStringView text) {
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

int DigitsAt(QStringView text, qsizetype from, qsizetype count) {
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i)
        value = value * 10 + (text[i].unicode() - '0');
    return value;
}

bool DateMatches(const ClientFilter& f, const tagUserInfo& r) {
    if (f.filterYear == 0 && f.filterMonth == 0 && f.filterDay == 0)
        return f.filterText.isEmpty() || f.filterText == QStringView(kClientFinderHint);
    return (f.filterYear == 0 || f.filterYear == r.year) &&
           (f.filterMonth == 0 || f.filterMonth == r.month) &&
           (f.filterDay == 0 || f.filterDay == r.day);
}

template <int N> bool TextContains(const FixedText<N>& field, const QString& upper) {
    return field.text().toUpper().contains(upper);
}

} // namespace

ClientFilter ApplyClientFinder(QStringView text) {
    ClientFilter filter;
    if (AllAsciiDigits(text)) {
        if (text.size() > 3) filter.filterYear = DigitsAt(text, 0, 4);
        if (text.size() > 5) filter.filterMonth = DigitsAt(text, 4, 2);
        if (text.size() >= 8) filter.filterDay = DigitsAt(text, 6, 2);
    }
    filter.filterText = text.left(kFilterTextUnits - 1).toString();
    filter.upperText = filter.filterText.toUpper();
    return filter;
}

bool MatchesClientFilter(const ClientFilter& f, const tagUserInfo& r) {
    if (f.filterText.isEmpty() || DateMatches(f, r)) return true;
    // A filter made by hand may lack its upper-case form.
    const QString upper = f.upperText.isEmpty() ? f.filterText.toUpper() : f.upperText;
    return TextContains(r.name, upper) || TextContains(r.category, upper);
}

} // namespace zelk
