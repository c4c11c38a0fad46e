#include "view_text.h"

#include "settings/string_table.h"

namespace zelk {

QString ViewText(int stringId) {
    return stringId > 0 ? LoadResString(stringId) : QString();
}

QString ViewListItem(int stringId, int index) {
    if (index < 0) return {};
    const QStringList items = ParseQuotedList(LoadResString(stringId));
    return index < items.size() ? items[index] : QString();
}

QString ViewText(const ResText& text) {
    if (text.listItem >= 0) return ViewListItem(text.stringId, text.listItem);
    return ViewText(text.stringId);
}

} // namespace zelk
