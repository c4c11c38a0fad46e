#include "ini_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zelk {

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QByteArray TrimBlanks(const QByteArray& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r'))
        --e;
    return s.mid(b, e - b);
}

bool IsWrappedInQuotes(QStringView v) {
    return v.size() >= 2 && v.front() == u'"' && v.back() == u'"';
}

QString DecodeValue(const QByteArray& rawValue) {
    QString v = QString::fromUtf8(TrimBlanks(rawValue));
    if (IsWrappedInQuotes(v)) v = v.mid(1, v.size() - 2);
    return v;
}

QByteArray EncodeValue(QString v) {
    v.replace(QLatin1String("\r\n"), QLatin1String(" "));
    v.replace(u'\r', u' ');
    v.replace(u'\n', u' ');
    const bool needsQuotes =
        IsWrappedInQuotes(v) || (!v.isEmpty() && (v.front().isSpace() || v.back().isSpace()));
    if (needsQuotes) v = u'"' + v + u'"';
    return v.toUtf8();
}

} // namespace

namespace detail {
IniCommitHook iniCommitHook = nullptr;
void SetIniCommitHookForTesting(IniCommitHook hook) {
    iniCommitHook = hook;
}
} // namespace detail

IniDocument IniDocument::FromText(const QByteArray& text) {
    IniDocument doc;
    QByteArray body = text;
    if (body.startsWith(kUtf8Bom)) {
        doc.bom_ = true;
        body.remove(0, 3);
    }
    const qsizetype firstBreak = body.indexOf('\n');
    doc.crlf_ = firstBreak > 0 && body[firstBreak - 1] == '\r';

    qsizetype start = 0;
    while (start < body.size()) {
        qsizetype end = body.indexOf('\n', start);
        if (end < 0) end = body.size();
        QByteArray raw = body.mid(start, end - start);
        if (raw.endsWith('\r')) raw.chop(1);
        doc.lines_.push_back({raw});
        start = end + 1;
    }
    doc.Reindex();
    return doc;
}

// Classifies every line and ties it to its section.
void IniDocument::Reindex() {
    int section = -1;
    for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
        Line& line = lines_[i];
        const QByteArray t = TrimBlanks(line.raw);
        line.kind = Kind::Other;
        line.name.clear();
        if (t.startsWith('[') && t.contains(']')) {
            line.kind = Kind::Section;
            line.name = QString::fromUtf8(TrimBlanks(t.mid(1, t.indexOf(']') - 1)));
            section = i;
        } else if (!t.isEmpty() && t[0] != ';' && t[0] != '#' && t.contains('=')) {
            line.kind = Kind::Key;
            line.name = QString::fromUtf8(TrimBlanks(t.left(t.indexOf('='))));
        }
        line.section = section;
    }
}

QByteArray IniDocument::ToText() const {
    const QByteArray eol = crlf_ ? "\r\n" : "\n";
    QByteArray out;
    if (bom_) out += kUtf8Bom;
    for (const Line& line : lines_) {
        out += line.raw;
        out += eol;
    }
    return out;
}

int IniDocument::FindSectionLine(const QString& section) const {
    for (int i = 0; i < static_cast<int>(lines_.size()); ++i)
        if (lines_[i].kind == Kind::Section && SameName(lines_[i].name, section)) return i;
    return -1;
}

// Looks through every occurrence of the section, in file order.
int IniDocument::FindKeyLine(const QString& section, const QString& key) const {
    for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
        const Line& line = lines_[i];
        if (line.kind != Kind::Key || line.section < 0) continue;
        if (SameName(line.name, key) && SameName(lines_[line.section].name, section)) return i;
    }
    return -1;
}

std::optional<QString> IniDocument::Value(const QString& section, const QString& key) const {
    const int i = FindKeyLine(section, key);
    if (i < 0) return std::nullopt;
    const QByteArray& raw = lines_[i].raw;
    return DecodeValue(raw.mid(raw.indexOf('=') + 1));
}

void IniDocument::SetValue(const QString& section, const QString& key, const QString& value) {
    const QByteArray text = key.toUtf8() + '=' + EncodeValue(value);
    if (const int i = FindKeyLine(section, key); i >= 0) {
        lines_[i].raw = text;
        return;
    }
    const int s = FindSectionLine(section);
    if (s < 0) {
        if (!lines_.empty() && !TrimBlanks(lines_.back().raw).isEmpty()) lines_.push_back({});
        const int at = static_cast<int>(lines_.size());
        lines_.push_back({'[' + section.toUtf8() + ']', Kind::Section, section, at});
        lines_.push_back({text, Kind::Key, key, at});
        Reindex();
        return;
    }
    // After the last non-blank line of the section, so the blank line that
    // separates it from the next section stays in place.
    int last = s;
    for (int i = s + 1; i < static_cast<int>(lines_.size()) && lines_[i].section == s; ++i)
        if (!TrimBlanks(lines_[i].raw).isEmpty()) last = i;
    lines_.insert(lines_.begin() + last + 1, Line{text, Kind::Key, key, s});
    Reindex();
}

IniFile ReadIniFile(const QString& path) {
    IniFile f;
    if (path.isEmpty()) {
        f.result = {IniFileStatus::NoPath, QStringLiteral("沒有指定設定檔")};
        return f;
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        f.result = {IniFileStatus::Missing, {}};
        return f;
    }
    if (info.size() > kMaxIniFileBytes) {
        f.result = {IniFileStatus::TooLarge,
                    QStringLiteral("設定檔過大，不予讀取: %1").arg(QDir::toNativeSeparators(path))};
        return f;
    }
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        f.result = {IniFileStatus::Unreadable,
                    QStringLiteral("無法讀取設定檔 %1: %2")
                        .arg(QDir::toNativeSeparators(path),
                             info.isDir() ? QStringLiteral("是資料夾") : file.errorString())};
        return f;
    }
    // The size is checked again on the bytes read: the file may grow meanwhile.
    const QByteArray bytes = file.read(kMaxIniFileBytes + 1);
    if (bytes.size() > kMaxIniFileBytes) {
        f.result = {IniFileStatus::TooLarge,
                    QStringLiteral("設定檔過大，不予讀取: %1").arg(QDir::toNativeSeparators(path))};
        return f;
    }
    f.document = IniDocument::FromText(bytes);
    return f;
}

IniResult WriteIniFile(const QString& path, const IniDocument& document) {
    if (path.isEmpty()) return {IniFileStatus::NoPath, QStringLiteral("沒有指定設定檔")};
    const auto failed = [&](const QString& reason) {
        return IniResult{
            IniFileStatus::WriteFailed,
            QStringLiteral("無法寫入設定檔 %1: %2").arg(QDir::toNativeSeparators(path), reason)};
    };
    const QFileInfo info(path);
    if (info.isDir()) return failed(QStringLiteral("是資料夾"));
    if (!QDir().mkpath(info.absolutePath())) return failed(QStringLiteral("無法建立資料夾"));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return failed(file.errorString());
    const QByteArray bytes = document.ToText();
    if (file.write(bytes) != bytes.size() ||
        (detail::iniCommitHook && !detail::iniCommitHook(file, bytes))) {
        file.cancelWriting();
        return failed(file.errorString());
    }
    if (!file.commit()) return failed(file.errorString());
    return {};
}

} // namespace zelk
