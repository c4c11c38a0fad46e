#include "string_table.h"

#include "string_table_data.h"

#include <algorithm>

namespace zelk {

namespace {
const detail::StringEntry* FindEntry(int id) {
    if (id < 0 || id > 0xFFFF) return nullptr;
    const auto* begin = detail::kStringTable;
    const auto* end = detail::kStringTable + detail::kStringTableSize;
    const auto* it = std::lower_bound(
        begin, end, id, [](const detail::StringEntry& e, int key) { return e.id < key; });
    return (it != end && it->id == id) ? it : nullptr;
}

QString QuotedPiece(QStringView piece) {
    const qsizetype open = piece.indexOf(u'"');
    if (open < 0) return {};
    const qsizetype close = piece.indexOf(u'"', open + 1);
    const qsizetype length = (close < 0 ? piece.size() : close) - open - 1;
    return piece.mid(open + 1, length).toString();
}
} // namespace

std::string_view ResStringUtf8(int id) {
    const auto* e = FindEntry(id);
    return e ? std::string_view(e->utf8, e->size) : std::string_view();
}

QString LoadResString(int id) {
    const auto text = ResStringUtf8(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool HasResString(int id) {
    return FindEntry(id) != nullptr;
}

QStringList ParseQuotedList(const QString& text) {
    QStringList items;
    if (text.isEmpty()) return items;
    for (const auto piece : QStringView(text).split(u','))
        items.append(QuotedPiece(piece));
    return items;
}

QString TruncateUtf16(const QString& text, int maxUnits) {
    if (maxUnits <= 0) return {};
    if (text.size() <= maxUnits) return text;
    qsizetype cut = maxUnits;
    if (text.at(cut - 1).isHighSurrogate()) --cut;
    return text.left(cut);
}

QStringList ParseQuotedListSlots(const QString& text, int slotCount, int maxChars) {
    QStringList items = ParseQuotedList(text);
    if (slotCount < 0) slotCount = 0;
    if (items.size() > slotCount) items.resize(slotCount);
    for (auto& item : items)
        item = TruncateUtf16(item, maxChars);
    while (items.size() < slotCount)
        items.append(QString());
    return items;
}

} // namespace zelk
