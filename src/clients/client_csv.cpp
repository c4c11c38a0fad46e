#include "client_csv.h"

#include "client_file.h"
#include "client_numbers.h"

#include "lunar_calendar.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <limits>

namespace zelk {

namespace {

enum class Column {
    Id,
    Name,
    BirthDate,
    CustomBirthday,
    Sex,
    BloodType,
    BirthPlace,
    Longitude,
    Latitude,
    Height,
    SiblingRank,
    Education,
    CreatedDate,
    Phone,
    Email,
    Address,
    Note,
    Introducer,
    Category,
    None
};

constexpr std::array<const char16_t*, 19> kLabels = {
    u"編號",  u"姓名", u"出生日期", u"自定生日", u"性別",    u"血型",     u"出生地",
    u"經度",  u"緯度", u"身高",     u"排行",     u"學歷",    u"建檔日期", u"電話",
    u"Email", u"地址", u"備註",     u"介紹人",   u"客戶類別"};

// Blood type texts by value; "未知" is value 0.
constexpr std::array<const char16_t*, 5> kBloodTypes = {u"未知", u"A", u"B", u"AB", u"O"};

Column ColumnOf(QStringView label) {
    for (size_t i = 0; i < kLabels.size(); ++i)
        if (label == QStringView(kLabels[i])) return Column(i);
    return Column::None;
}

int16_t ClampToInt16(long long v) {
    return int16_t(std::clamp<long long>(v, std::numeric_limits<int16_t>::min(),
                                         std::numeric_limits<int16_t>::max()));
}

// The text before `separator` from `from` on; moves `from` past the separator.
std::optional<QStringView> TakeUntil(QStringView text, qsizetype& from, QChar separator) {
    const qsizetype at = text.indexOf(separator, from);
    if (at < 0) return std::nullopt;
    QStringView part = text.sliced(from, at - from);
    from = at + 1;
    return part;
}

QString TwoDigitTime(int value) {
    return QString::asprintf("%02d", value);
}

} // namespace

const QStringList& ClientCsvLabels() {
    static const QStringList labels = [] {
        QStringList l;
        for (const char16_t* label : kLabels)
            l << QString::fromUtf16(label);
        return l;
    }();
    return labels;
}

QString ClientCsvHeader() {
    return ClientCsvLabels().join(QLatin1Char(','));
}

QStringList SplitCsvFields(QStringView line) {
    QStringList fields;
    qsizetype from = 0;
    while (fields.size() < kCsvMaxFields) {
        const qsizetype comma = line.indexOf(QLatin1Char(','), from);
        if (comma < 0) {
            fields << line.sliced(from).toString();
            break;
        }
        fields << line.sliced(from, comma - from).toString();
        from = comma + 1;
    }
    return fields;
}

long long ReadCsvInteger(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    constexpr long long kLimit = 1LL << 32; // beyond any int32, far from overflow
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i)
        value = qMin(kLimit, value * 10 + (text[i].unicode() - '0'));
    value = negative ? -value : value;
    return std::clamp<long long>(value, std::numeric_limits<int32_t>::min(),
                                 std::numeric_limits<int32_t>::max());
}

std::optional<CsvBirthDate> ParseCsvBirthDate(QStringView text) {
    qsizetype from = 0;
    const auto y = TakeUntil(text, from, QLatin1Char('/'));
    const auto m = y ? TakeUntil(text, from, QLatin1Char('/')) : std::nullopt;
    const auto d = m ? TakeUntil(text, from, QLatin1Char(' ')) : std::nullopt;
    const auto h = d ? TakeUntil(text, from, QLatin1Char(':')) : std::nullopt;
    if (!h) return std::nullopt;
    qsizetype end = text.indexOf(QLatin1Char(':'), from);
    const QStringView minutePart = text.sliced(from, (end < 0 ? text.size() : end) - from);

    CsvBirthDate date;
    date.year = int(ReadCsvInteger(*y));
    date.month = int(ReadCsvInteger(*m));
    date.day = int(ReadCsvInteger(*d));
    date.hour = int(ReadCsvInteger(*h));
    date.minute = int(ReadCsvInteger(minutePart));
    // A day of 0 would pass the calendar's check but names no date.
    if (date.day < 1) return std::nullopt;
    if (!IsValidSolarDateTime(date.month, date.day, date.year, date.hour, date.minute))
        return std::nullopt;
    return date;
}

namespace {

// The birth date column: the Gregorian moment, the hour index and the lunar date.
// From 23:00 (the late 子 hour) the lunar date is that of the next day, as for a
// client entered in the input dialog; a stored record always carries it so.
bool ApplyBirthDate(tagUserInfo& r, QStringView value) {
    const auto date = ParseCsvBirthDate(value);
    if (!date) return false;
    LunarDate lunar = SolarToLunar(date->year, date->month, date->day);
    if (!lunar.valid()) return false; // before the lunar table: no chart can be cast
    r.year = int16_t(date->year);
    r.month = int16_t(date->month);
    r.day = int16_t(date->day);
    r.hour = int16_t(date->hour);
    r.minute = int16_t(date->minute);
    r.hourIndex = int16_t((date->hour + 1) / 2);
    if (r.hourIndex == 12) NextLunarDay(lunar);
    r.lunarYear = lunar.year;
    r.lunarMonth = lunar.month;
    r.lunarDay = lunar.day;
    r.isLeapMonth = lunar.leap;
    return true;
}

} // namespace

bool ApplyCsvColumn(tagUserInfo& r, QStringView label, QStringView value) {
    switch (ColumnOf(label)) {
    case Column::Id:
        r.id = int32_t(ReadCsvInteger(value));
        break;
    case Column::Name:
        r.name.assign(value);
        break;
    case Column::BirthDate:
        return ApplyBirthDate(r, value);
    case Column::CustomBirthday:
        // The writer puts "T"/"F"; a number above 0 also sets the flag.
        r.customBirthday = (value == u"T" || ReadCsvInteger(value) > 0) ? 1 : 0;
        break;
    case Column::Sex:
        if (value == u"F")
            r.sex = 1;
        else if (value == u"M")
            r.sex = 0;
        break;
    case Column::BloodType:
        r.bloodType = 0;
        for (size_t i = 0; i < kBloodTypes.size(); ++i)
            if (value == QStringView(kBloodTypes[i])) r.bloodType = uint16_t(i);
        break;
    case Column::BirthPlace:
        r.birthPlace.assign(value);
        break;
    case Column::Longitude:
        r.longitude.assign(value);
        break;
    case Column::Latitude:
        r.latitude.assign(value);
        break;
    case Column::Height:
        r.height = ClampToInt16(ReadCsvInteger(value));
        break;
    case Column::SiblingRank:
        r.siblingRank = ClampToInt16(ReadCsvInteger(value));
        break;
    case Column::Education:
        r.education.assign(value);
        break;
    case Column::CreatedDate:
        r.createdDate.assign(value);
        break;
    case Column::Phone:
        r.phone.assign(value);
        break;
    case Column::Email:
        r.email.assign(value);
        break;
    case Column::Address:
        r.address.assign(value);
        break;
    case Column::Note:
        r.note.assign(value);
        break;
    case Column::Introducer:
        r.introducer.assign(value);
        break;
    case Column::Category:
        r.category.assign(value);
        break;
    case Column::None:
        break;
    }
    return true;
}

bool BuildRecordFromCsv(const QStringList& header, const QStringList& values, ClientList& list,
                        int32_t& nextId, int yearDisplay) {
    tagUserInfo record;
    bool hasBirthDate = false;
    const QString empty;
    for (qsizetype i = 0; i < kCsvMaxFields && i < header.size(); ++i) {
        const QString& value = i < values.size() ? values[i] : empty;
        if (!ApplyCsvColumn(record, header[i], value)) return false;
        if (ColumnOf(header[i]) == Column::BirthDate) hasBirthDate = true;
    }
    // A client without a birth date cannot have a chart: the line is kept aside.
    if (!hasBirthDate) return false;
    record.id = nextId;
    nextId = FollowingClientId(nextId);
    if (record.name.empty()) record.name.assign(MakeClientAutoName(record, nextId, yearDisplay));
    list.push_back(record);
    return true;
}

ClientCsvParse ParseClientCsv(QStringView text, ClientList& list, int32_t& nextId,
                              int yearDisplay) {
    ClientCsvParse parse;
    list.clear();
    if (text.indexOf(u"\r\n") > 0)
        parse.lineBreak = QStringLiteral("\r\n");
    else if (text.indexOf(u'\n') > 0)
        parse.lineBreak = QStringLiteral("\n");
    else
        return parse;
    parse.anyLine = true;

    qsizetype from = text.indexOf(parse.lineBreak);
    parse.headerLine = text.first(from).toString();
    const QStringList header = SplitCsvFields(parse.headerLine);
    from += parse.lineBreak.size();

    while (from < text.size()) {
        qsizetype end = text.indexOf(parse.lineBreak, from);
        const qsizetype next = end < 0 ? text.size() : end + parse.lineBreak.size();
        if (end < 0) end = text.size();
        const QStringView line = text.sliced(from, end - from);
        from = next;
        if (BuildRecordFromCsv(header, SplitCsvFields(line), list, nextId, yearDisplay))
            ++parse.accepted;
        else
            parse.rejectedLines << line.toString();
    }
    return parse;
}

QString CsvSafeText(QStringView text) {
    QString safe;
    safe.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char(',')) {
            safe += QChar(0xFF0C); // ，
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            safe += QLatin1Char(' ');
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i; // one space for a CR LF pair
        } else {
            safe += c;
        }
    }
    return safe;
}

QString FormatClientCsvLine(const tagUserInfo& r) {
    // The late 子 hour of the dialog (hour 24) is written as 23:00, which reads
    // back as the same hour index.
    const bool lateRat = r.hour == 24;
    const QString date =
        QString::asprintf("%04d/%02d/%02d ", int(r.year), int(r.month), int(r.day)) +
        TwoDigitTime(lateRat ? 23 : r.hour) + QLatin1Char(':') +
        TwoDigitTime(lateRat ? 0 : r.minute);
    const QString blood = r.bloodType < kBloodTypes.size()
                              ? QString::fromUtf16(kBloodTypes[r.bloodType])
                              : QString::fromUtf16(kBloodTypes[0]);
    const QStringList fields = {
        QString::number(r.id),
        CsvSafeText(r.name.text()),
        date,
        r.customBirthday != 0 ? QStringLiteral("T") : QStringLiteral("F"),
        r.sex == 0 ? QStringLiteral("M") : QStringLiteral("F"),
        blood,
        CsvSafeText(r.birthPlace.text()),
        CsvSafeText(r.longitude.text()),
        CsvSafeText(r.latitude.text()),
        QString::number(r.height),
        QString::number(r.siblingRank),
        CsvSafeText(r.education.text()),
        CsvSafeText(r.createdDate.text()),
        CsvSafeText(r.phone.text()),
        CsvSafeText(r.email.text()),
        CsvSafeText(r.address.text()),
        CsvSafeText(r.note.text()),
        CsvSafeText(r.introducer.text()),
        CsvSafeText(r.category.text()),
    };
    return fields.join(QLatin1Char(','));
}

QString RejectedLinesFile(const QString& csvPath) {
    return csvPath + QStringLiteral(".bck");
}

ClientCsvText ReadClientCsvText(const QString& path) {
    ClientCsvText csv;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return csv;
    csv.opened = true;
    csv.rejectedPath = RejectedLinesFile(path);
    csv.text = DecodeClientText(file.readAll(), &csv.encoding);
    return csv;
}

ClientStoreResult WriteRejectedLines(const QString& path, const ClientCsvParse& parse,
                                     TextEncoding encoding) {
    QString text = parse.headerLine + parse.lineBreak;
    for (const QString& line : parse.rejectedLines)
        text += line + parse.lineBreak;
    ClientStoreResult result =
        WriteFileAtomically(path, EncodeClientText(text, encoding), kMsgCannotOpenFile);
    if (result.ok && !parse.rejectedLines.isEmpty())
        result.note(kMsgCsvLinesRejected, path, parse.rejectedLines.size());
    return result;
}

ClientStoreResult WriteClientCsvFile(const QString& path, const ClientList& list,
                                     const std::vector<int>& positions) {
    QString text = ClientCsvHeader() + QLatin1Char('\n');
    int written = 0;
    for (int p : positions) {
        if (p < 0 || size_t(p) >= list.size()) continue;
        text += FormatClientCsvLine(list[size_t(p)]) + QLatin1Char('\n');
        ++written;
    }
    const TextEncoding encoding = FitsBig5(text) ? TextEncoding::Big5 : TextEncoding::Utf8WithBom;
    ClientStoreResult result =
        WriteFileAtomically(path, EncodeClientText(text, encoding), kMsgExportFailed);
    if (!result.ok) return result;
    result.count = written;
    if (encoding == TextEncoding::Utf8WithBom) result.note(kMsgExportedAsUtf8, path);
    return result;
}

} // namespace zelk
