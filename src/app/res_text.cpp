#include "res_text.h"

#include "settings/string_table.h"

namespace zelk {

QString Res(int stringId) {
    return LoadResString(stringId);
}

QString TipPart(int stringId) {
    return Res(stringId).section(QLatin1Char('\n'), 0, 0);
}
QString ButtonPart(int stringId) {
    const QString text = Res(stringId);
    return text.contains(QLatin1Char('\n')) ? text.section(QLatin1Char('\n'), 1) : text;
}

} // namespace zelk
