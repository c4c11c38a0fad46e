// One explanation set: the lines of a file "starExplain_<set>_Star.txt". Each line
// is a key (palace name + star name + relation word, e.g. 命宮紫微生) followed at
// once by its explanation. The files are Big5 (code page 950) text with lines
// ended by CR, LF or CR LF.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace zelk {

inline constexpr int kExplanationLevelCount = 7;

struct ExplanationSet {
    QStringList lines; // non-empty lines in file order
};

// "Normal", "TenYear", "Year", "Month", "Day", "Hour", "Minute" for the chart levels
// 0-6; empty for any other level.
QString ExplanationSetName(int level);

// starExplain_<set>_Star.txt; empty for a level without a set.
QString ExplanationFileName(int level);
// dir/starExplain_<set>_Star.txt; empty for a level without a set. The path is
// an ordinary string of any length.
QString ExplanationFilePath(const QString& dir, int level);

// Big5 bytes to text, then split at CR, LF or CR LF with empty lines dropped.
ExplanationSet ParseExplanationText(const QByteArray& big5);

// Reads a file whole; nothing when it is missing or unreadable.
std::optional<ExplanationSet> ReadExplanationFile(const QString& path);

// The rest of the first line (in file order) that begins with key, or nothing.
// Only the key's length is compared, so any line whose text starts with the key
// matches. An empty key matches nothing.
std::optional<QString> FindInSet(const ExplanationSet& set, QStringView key);

} // namespace zelk
