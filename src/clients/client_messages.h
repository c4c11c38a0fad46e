// Results of the client file operations, as values for the caller to show.
//
// The layer never shows a message itself. Each operation returns the message
// numbers of what the user should be told, with the file each one is about; the
// desktop program shows "text + path", the command-line tool prints them.
#pragma once

#include <QString>

#include <vector>

namespace zelk {

// Message numbers of the string table, and the numbers of the texts this layer
// adds for the cases it reports beyond them (80x, see ClientMessageText).
enum ClientMessage : int {
    kMsgClientNotFound = 416,    // 找不到該客戶資料...
    kMsgCannotDelete = 444,      // 無法刪除該筆資料
    kMsgCannotOpenFile = 681,    // 無法開啟檔案
    kMsgUnsupportedFile = 682,   // 不支援此檔
    kMsgSelectClientFirst = 683, // 請先選取客戶
    kMsgExportDone = 684,        // 選取項目匯出完成
    kMsgExportFailed = 686,      // 匯出失敗
    kMsgWriteFailed = 801,       // the database could not be written; the old file is unchanged
    kMsgFileDamaged = 802,       // the file is damaged; the readable records were kept
    kMsgDamagedCopyKept = 803,   // the damaged file was kept as a copy before it was rewritten
    kMsgDamagedCopyFailed = 804, // no copy of the damaged file could be made; nothing written
    kMsgClientLimit = 805,       // more than 32767 clients; refused, nothing changed
    kMsgExportedAsUtf8 = 806,    // some text does not exist in Big5; the CSV file is UTF-8
    kMsgLegacyFileShort = 807,   // the .AID file is shorter than its header says
    kMsgCsvLinesRejected = 808,  // some CSV lines were refused; they are in the .bck file
    kMsgCannotReadFile = 809,    // the file exists but cannot be read; it will not be overwritten
};

struct ClientNotice {
    int messageId = 0;
    QString path;          // the file the message is about (may be empty)
    long long number = -1; // a count the message mentions (records kept, lines refused); -1 none
};

// The outcome of one operation: whether it did what was asked, and what to tell.
struct ClientStoreResult {
    bool ok = true;
    int index = -1; // StoreClient: the position of the stored record
    int count = 0;  // records read, imported or written
    std::vector<ClientNotice> notices;

    ClientStoreResult& note(int messageId, const QString& path = {}, long long number = -1) {
        notices.push_back({messageId, path, number});
        return *this;
    }
    ClientStoreResult& fail(int messageId, const QString& path = {}, long long number = -1) {
        ok = false;
        return note(messageId, path, number);
    }
    bool has(int messageId) const {
        for (const auto& n : notices)
            if (n.messageId == messageId) return true;
        return false;
    }
    void append(const ClientStoreResult& other) {
        notices.insert(notices.end(), other.notices.begin(), other.notices.end());
    }
};

// The Traditional Chinese text of a message number this layer uses (the string
// table's text for the numbers it has); empty for an unknown number.
QString ClientMessageText(int messageId);
// Text, then the file and the number when they are given: what a user is shown.
QString ClientNoticeText(const ClientNotice& notice);

} // namespace zelk
