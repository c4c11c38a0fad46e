// Resource strings as the painter uses them: a missing string is an empty text.
#pragma once

#include "chart/chart_engine.h"

#include <QString>

#include <string>

namespace zelk {

QString ViewText(int stringId);
// A name given as a resource string or as an item of a quoted-list string.
QString ViewText(const ResText& text);
// Item `index` of the quoted-list string `stringId`; empty when it has no such item.
QString ViewListItem(int stringId, int index);
inline QString Utf8(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace zelk
