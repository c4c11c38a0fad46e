// IniDocument: a settings or parameter file held in memory, edited, and written
// back whole in one atomic write.
//
// The text is kept line by line, so whatever we do not know — comments, other
// sections, other keys, even lines that are not INI at all — is written back
// byte for byte. Only the lines of the keys we set change; a key we set that is
// not there yet goes at the end of its section (a section that is not there yet
// goes at the end of the file).
//
// Reading rules (the ones ordinary INI readers share):
// - "[name]" starts a section; ";" and "#" start comment lines.
// - "key=value": blanks around the key and the value are ignored; a value wrapped
//   in double quotes loses one pair of them.
// - Section and key names compare without regard to ASCII case; when a key occurs
//   twice in a section, the first one counts (and is the one a write replaces).
// Writing: "key=value" with no blanks. A value with leading or trailing blanks, or
// one that is itself wrapped in quotes, is written in double quotes so that it
// reads back unchanged. An INI line cannot hold a line break: line breaks in a
// value are written as blanks.
// The file is UTF-8 (a leading byte-order mark is kept); new lines follow the
// line ending of the file's first line (LF for a new file).
#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

#include <optional>
#include <vector>

namespace zelk {

class IniDocument {
  public:
    static IniDocument FromText(const QByteArray& text);
    QByteArray ToText() const;

    std::optional<QString> Value(const QString& section, const QString& key) const;
    void SetValue(const QString& section, const QString& key, const QString& value);
    bool IsEmpty() const { return lines_.empty(); }

  private:
    enum class Kind { Other, Section, Key };
    struct Line {
        QByteArray raw; // without its line ending
        Kind kind = Kind::Other;
        QString name;     // section name or key name
        int section = -1; // index of the section line this line belongs to (-1 before any)
    };
    int FindKeyLine(const QString& section, const QString& key) const;
    int FindSectionLine(const QString& section) const;
    void Reindex();

    std::vector<Line> lines_;
    bool bom_ = false;
    bool crlf_ = false;
};

// Outcome of reading or writing a file. A file that does not exist reads as an
// empty document (status Missing, ok); a file that exists but cannot be read, or
// is far larger than any settings file, is an error: its reads give defaults and
// writes to it are refused, so a later write never replaces contents that were
// never read.
enum class IniFileStatus { Ok, Missing, Unreadable, TooLarge, NoPath, WriteFailed };

struct IniResult {
    IniFileStatus status = IniFileStatus::Ok;
    QString error; // a readable reason when not ok
    bool ok() const { return status == IniFileStatus::Ok || status == IniFileStatus::Missing; }
    explicit operator bool() const { return ok(); }
};

// Far beyond any settings or parameter file (a full one is about 2 KB).
inline constexpr qint64 kMaxIniFileBytes = 1 << 20;

struct IniFile {
    IniDocument document;
    IniResult result;
};

IniFile ReadIniFile(const QString& path);

// Writes the whole document through a temporary file renamed over the old one
// (QSaveFile): if anything goes wrong the old file stays as it was. Creates the
// file's folder when it is missing.
IniResult WriteIniFile(const QString& path, const IniDocument& document);

namespace detail {
// Test seam for a write that dies half-way: called after the new text went to the
// temporary file and before it replaces the old one; returning false abandons the
// write there. Null (the default) in the program.
using IniCommitHook = bool (*)(QSaveFile& file, const QByteArray& bytes);
extern IniCommitHook iniCommitHook;
void SetIniCommitHookForTesting(IniCommitHook hook);
} // namespace detail

} // namespace zelk
