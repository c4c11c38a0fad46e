#include "client_messages.h"

#include "settings/string_table.h"

namespace zelk {

QString ClientMessageText(int messageId) {
    // Every text this layer reports is in the string table (801-809 are the
    // reports the client layer adds: failed writes, damaged files, limits).
    return LoadResString(messageId);
}

QString ClientNoticeText(const ClientNotice& notice) {
    QString text = ClientMessageText(notice.messageId);
    if (!notice.path.isEmpty()) text += QLatin1Char(' ') + notice.path;
    if (notice.number >= 0) text += QStringLiteral(" (%1)").arg(notice.number);
    return text;
}

} // namespace zelk
