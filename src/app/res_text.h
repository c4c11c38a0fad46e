// Resource strings as Qt text. Every text the desktop program shows comes from the
// numbered string table; a missing string is an empty text.
#pragma once

#include <QString>

namespace zelk {

QString Res(int stringId);

// The product title (string 101): the caption of every message box and the main
// window's title.
inline QString ProductTitle() {
    return Res(101);
}

// A tool-tip string "long text\nshort text": the part after the line break names the
// button, the part before it is the tool tip.
QString TipPart(int stringId);
QString ButtonPart(int stringId);

} // namespace zelk
