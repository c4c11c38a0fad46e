#include "explanation_set.h"

#include <QFile>
#include <QStringDecoder>

#include <array>

namespace zelk {

QString ExplanationSetName(int level) {
    static const std::array<const char*, kExplanationLevelCount> kNames = {
        "Normal", "TenYear", "Year", "Month", "Day", "Hour", "Minute"};
    if (level < 0 || level >= kExplanationLevelCount) return {};
    return QString::fromLatin1(kNames[std::size_t(level)]);
}

QString ExplanationFileName(int level) {
    const QString name = ExplanationSetName(level);
    if (name.isEmpty()) return {};
    return QStringLiteral("starExplain_") + name + QStringLiteral("_Star.txt");
}

QString ExplanationFilePath(const QString& dir, int level) {
    const QString name = ExplanationFileName(level);
    if (name.isEmpty()) return {};
    QString path = dir;
    if (!path.isEmpty() && !path.endsWith(u'/')) path += u'/';
    return path + name;
}

ExplanationSet ParseExplanationText(const QByteArray& big5) {
    // Decoded explicitly: the files are Big5 whatever the locale of the machine.
    QStringDecoder decode("Big5");
    const QString text = decode(big5);
    ExplanationSet set;
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text.at(end) != u'\r' && text.at(end) != u'\n')
            ++end;
        if (end > start) set.lines.append(text.mid(start, end - start));
        // CR LF is one line end; a lone CR or LF is one as well.
        if (end < n && text.at(end) == u'\r' && end + 1 < n && text.at(end + 1) == u'\n') ++end;
        start = end + 1;
    }
    return set;
}

std::optional<ExplanationSet> ReadExplanationFile(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return ParseExplanationText(bytes);
}

std::optional<QString> FindInSet(const ExplanationSet& set, QStringView key) {
    if (key.isEmpty()) return std::nullopt;
    for (const QString& line : set.lines)
        if (QStringView(line).startsWith(key)) return line.mid(key.size());
    return std::nullopt;
}

} // namespace zelk
