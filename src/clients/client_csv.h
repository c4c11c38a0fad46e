// CSV client lists: one client per line, 19 labelled columns, no quoting.
//
// Export writes the header `ClientCsvHeader` and one line per client, each ended
// by a line feed, in Big5; when some text has no Big5 form the whole file is
// written as UTF-8 with a byte-order mark instead. Import finds the columns by
// their labels in any order, reads LF or CR LF lines (the last one also without a
// line break) and refuses a line without a valid birth date; refused lines go to
// the rejected-lines file "<csv path>.bck".
#pragma once

#include "big5_text.h"
#include "client_messages.h"
#include "client_record.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace zelk {

inline constexpr int kCsvMaxFields = 50;

// The 19 column labels in the order the writer uses.
const QStringList& ClientCsvLabels();
QString ClientCsvHeader();

// The fields between commas, in order, at most kCsvMaxFields; `line` is given
// without its line break.
QStringList SplitCsvFields(QStringView line);

// Leading white space, an optional sign and decimal digits up to the first other
// character; no digits give 0. Values beyond int32 are held at its limits.
long long ReadCsvInteger(QStringView text);

struct CsvBirthDate {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};
// "Y/M/D H:M". Refused unless every separator is there and the date and time are
// valid (years 1801-2099, hours 0-23, minutes 0-59; day 0 is refused too).
std::optional<CsvBirthDate> ParseCsvBirthDate(QStringView text);

// Stores one column's value by its label; false only for a refused birth date.
// Labels other than the 19 change nothing.
bool ApplyCsvColumn(tagUserInfo& record, QStringView label, QStringView value);

// Builds one record from a line's fields. Refused (false) for a bad birth date or
// a line that gives none. An accepted record takes the next number and, when it
// has no name, the automatic name, and is appended to `list`.
bool BuildRecordFromCsv(const QStringList& header, const QStringList& values, ClientList& list,
                        int32_t& nextId, int yearDisplay);

struct ClientCsvParse {
    bool anyLine = false;      // a header line was found
    QString lineBreak;         // "\r\n" or "\n"
    QString headerLine;        // without its line break
    QStringList rejectedLines; // without their line breaks
    int accepted = 0;
};
// Fills `list` (emptied first) from the text of a whole CSV file.
ClientCsvParse ParseClientCsv(QStringView text, ClientList& list, int32_t& nextId, int yearDisplay);

// A text made safe for an unquoted field: "，" for a comma, a space for a line break.
QString CsvSafeText(QStringView text);
QString FormatClientCsvLine(const tagUserInfo& record);

// "<csv path>.bck".
QString RejectedLinesFile(const QString& csvPath);

struct ClientCsvText {
    bool opened = false;
    QString text;
    QString rejectedPath;
    TextEncoding encoding = TextEncoding::Big5;
};
ClientCsvText ReadClientCsvText(const QString& path);

// Writes the header and the rejected lines, in the encoding the CSV file had.
ClientStoreResult WriteRejectedLines(const QString& path, const ClientCsvParse& parse,
                                     TextEncoding encoding);

// The header and one line per record at `positions`, in that order. The result
// notes kMsgExportedAsUtf8 when the file had to be written as UTF-8.
ClientStoreResult WriteClientCsvFile(const QString& path, const ClientList& list,
                                     const std::vector<int>& positions);

} // namespace zelk
