// The program's numbered strings: every user-visible text and every settings key
// name, compiled in from resources/strings*.txt.
//
// LoadResString returns its text by value. There are no rotating buffers and no
// length limit: a caller may keep as many results as it likes, and long texts
// (the star nature lists) come back whole. A missing or empty string gives an
// empty result, which every caller treats as empty text.
#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

namespace zelk {

// The application title; it forms the settings file name.
inline constexpr int kAppTitleStringId = 57344;
// The product title, caption of every message box.
inline constexpr int kProductTitleStringId = 101;

QString LoadResString(int id);
// The same text as UTF-8 for callers without Qt strings (the command-line tool);
// empty for a missing string. The view points into static storage.
std::string_view ResStringUtf8(int id);
bool HasResString(int id);

// Splits a list string ("a","b",...) into its items: the text is cut at every
// ASCII comma and each piece gives the text between its first and second double
// quote. A piece without a quote gives an empty item; a piece whose closing quote
// is missing gives the rest of the piece. An empty text gives no items.
QStringList ParseQuotedList(const QString& text);

// The fixed-slot form: exactly `slotCount` items (missing ones empty, surplus pieces
// dropped), each cut to at most `maxChars` UTF-16 units without splitting a
// surrogate pair. Name lists use 9 characters, the long text lists 149.
QStringList ParseQuotedListSlots(const QString& text, int slotCount, int maxChars);

// Cuts a text to at most maxUnits UTF-16 units; a surrogate pair is never split.
QString TruncateUtf16(const QString& text, int maxUnits);

} // namespace zelk
