#include "zelk_doc.h"

#include "res_text.h"

namespace zelk {

BirthInput BirthInputOf(const tagUserInfo& client) {
    BirthInput in;
    in.sex = client.sex;
    in.solarYear = client.year;
    in.solarMonth = client.month;
    in.solarDay = client.day;
    in.lunarYear = client.lunarYear;
    in.lunarMonth = client.lunarMonth;
    in.lunarDay = client.lunarDay;
    in.isLeapMonth = client.isLeapMonth;
    in.hourIndex = client.hourIndex;
    in.clockHour = client.hour;
    in.minute = client.minute;
    const QString name = client.name.text();
    in.name.assign(reinterpret_cast<const char16_t*>(name.utf16()), name.size());
    const QByteArray bytes = SerializeUserInfo(client);
    std::copy(bytes.begin(), bytes.begin() + kClientRecordSize, in.clientBytes.begin());
    return in;
}

tagUserInfo ClientOfBytes(const std::array<uint8_t, kClientRecordSize>& bytes) {
    return ParseUserInfo(reinterpret_cast<const char*>(bytes.data()));
}

CZelkDoc::CZelkDoc(const CurrentTime& now, QObject* parent) : QObject(parent) {
    // A new chart has no client and no computed chart; its flow date is the present.
    record_.flowLunarYear = now.lunar.year;
    record_.flowLunarMonth = now.lunar.month;
    record_.flowLunarDay = now.lunar.day;
    record_.flowIsLeap = now.lunar.leap;
    record_.flowSolarYear = now.year;
    record_.flowSolarMonth = now.month;
    record_.flowSolarDay = now.day;
    record_.flowHour = now.hourIndex;
    record_.flowMinute = now.minuteIndex;
}

tagUserInfo CZelkDoc::client() const {
    return ClientOfBytes(record_.client);
}

ChartResult CZelkDoc::loadStoredClient(const tagUserInfo& client, int index, ChartEnv env) {
    BirthInput in = BirthInputOf(client);
    ChartRecord candidate = record_;
    ChartResult result = LoadStoredClient(candidate, in, static_cast<int16_t>(index), env);
    if (!result) return result;
    record_ = candidate;
    record_.clientIndex = static_cast<int16_t>(index);
    setTitleFromName();
    emit chartChanged();
    return result;
}

ChartResult CZelkDoc::loadInput(tagUserInfo& client, InputCommand command, ChartEnv env) {
    BirthInput in = BirthInputOf(client);
    ChartRecord candidate = record_;
    ChartResult result = LoadChartInputs(candidate, in, command, env);
    if (!result) return result;
    const int16_t keptIndex = record_.clientIndex;
    record_ = candidate;
    record_.clientIndex = keptIndex;
    client = ClientOfBytes(in.clientBytes);
    record_.client = in.clientBytes;
    emit chartChanged();
    return result;
}

void CZelkDoc::setClientIndex(int index) {
    record_.clientIndex = static_cast<int16_t>(index);
}

void CZelkDoc::clearChart() {
    record_.shownLevel = -1;
    record_.clientIndex = -1;
    record_.chartFilled = 0;
    emit chartChanged();
}

namespace {
QString LevelCaption(int level) {
    const int caption = LevelCaptionStringId(level);
    return level >= 0 && caption != 0 ? Res(caption) : QString();
}
} // namespace

void CZelkDoc::setTitleText(const QString& text) {
    title_ = LevelCaption(record_.shownLevel) + text;
    emit titleChanged(title_);
}

QString CZelkDoc::clientName() const {
    int length = 0;
    while (length < static_cast<int>(record_.name.size()) && record_.name[length] != 0)
        ++length;
    return QString(reinterpret_cast<const QChar*>(record_.name.data()), length);
}

QString CZelkDoc::titleFromName() const {
    return LevelCaption(record_.shownLevel) + clientName();
}

QString CZelkDoc::imageFileName() const {
    QString name = clientName().trimmed();
    for (QChar& c : name)
        if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c)) c = QLatin1Char('_');
    // A name of dots alone would name a folder.
    if (name.isEmpty() || name.count(QLatin1Char('.')) == name.size())
        name = QStringLiteral("命盤");
    QString level = LevelCaption(record_.shownLevel);
    level.remove(QLatin1Char(':'));
    level = level.trimmed();
    return level.isEmpty() ? name + QStringLiteral(".png")
                           : name + QLatin1Char('_') + level + QStringLiteral(".png");
}

void CZelkDoc::setTitleFromName() {
    setTitleText(clientName());
}

} // namespace zelk
