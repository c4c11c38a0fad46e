#include "client_messages.h"

namespace zelk {

QString ClientMessageText(int messageId) {
    switch (messageId) {
    case kMsgClientNotFound:
        return QStringLiteral("找不到該客戶資料...");
    case kMsgCannotDelete:
        return QStringLiteral("無法刪除該筆資料");
    case kMsgCannotOpenFile:
        return QStringLiteral("無法開啟檔案");
    case kMsgUnsupportedFile:
        return QStringLiteral("不支援此檔");
    case kMsgSelectClientFirst:
        return QStringLiteral("請先選取客戶");
    case kMsgExportDone:
        return QStringLiteral("選取項目匯出完成");
    case kMsgExportFailed:
        return QStringLiteral("匯出失敗");
    case kMsgWriteFailed:
        return QStringLiteral("客戶資料檔無法寫入，原檔案未變更：");
    case kMsgFileDamaged:
        return QStringLiteral("客戶資料檔已損壞，已保留可讀取的資料筆數：");
    case kMsgDamagedCopyKept:
        return QStringLiteral("損壞的客戶資料檔已另存備份於：");
    case kMsgDamagedCopyFailed:
        return QStringLiteral("無法備份損壞的客戶資料檔，未寫入任何資料：");
    case kMsgClientLimit:
        return QStringLiteral("客戶資料最多32767筆，此動作未執行：");
    case kMsgExportedAsUtf8:
        return QStringLiteral("部分文字無法以Big5儲存，匯出檔改以UTF-8編碼：");
    case kMsgLegacyFileShort:
        return QStringLiteral("舊版客戶檔不完整，只讀取完整的資料筆數：");
    case kMsgCsvLinesRejected:
        return QStringLiteral("部分資料無法匯入，已寫入：");
    case kMsgCannotReadFile:
        return QStringLiteral("客戶資料檔無法讀取，不會覆寫：");
    default:
        return {};
    }
}

QString ClientNoticeText(const ClientNotice& notice) {
    QString text = ClientMessageText(notice.messageId);
    if (!notice.path.isEmpty()) text += QLatin1Char(' ') + notice.path;
    if (notice.number >= 0) text += QStringLiteral(" (%1)").arg(notice.number);
    return text;
}

} // namespace zelk
