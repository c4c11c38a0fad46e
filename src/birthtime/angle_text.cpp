#include "angle_text.h"

#include <array>
#include <cmath>

namespace zelk {

namespace {

enum class Axis { Longitude, Latitude };

struct AxisWords {
    const char16_t* name;     // 經度 / 緯度
    double limit;             // 180 / 90
    const char16_t* examples; // shown when the text is not understood
};

AxisWords WordsOf(Axis axis) {
    if (axis == Axis::Longitude)
        return {u"經度", 180.0, u"121.5、121°30'、121度30分、東經121.5、E121.5、-74、74W"};
    return {u"緯度", 90.0, u"25.03、25°2'、25度2分、北緯25.03、N25.03、-33.9、33.9S"};
}

// Full-width forms (digits, signs, letters, marks) become their ASCII twins and
// the typographic minus becomes '-'; blanks of every width are dropped.
QString Normalised(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E) u = static_cast<char16_t>(u - 0xFEE0);
        if (u == 0x2212 || u == 0x2013) u = '-';
        if (QChar(u).isSpace()) continue;
        out.append(QChar(u));
    }
    return out;
}

struct Hemisphere {
    int sign = 0; // +1 east/north, -1 west/south, 0 none
    std::optional<Axis> axis;
};

struct Marker {
    const char16_t* text;
    int sign;
    Axis axis;
};

// Longer words first, so 東經 is taken whole rather than as 東 and a stray 經.
// The simplified forms are accepted too: the text is only read, never kept.
constexpr std::array<Marker, 17> kMarkers = {{
    {u"東經", +1, Axis::Longitude},
    {u"西經", -1, Axis::Longitude},
    {u"北緯", +1, Axis::Latitude},
    {u"南緯", -1, Axis::Latitude},
    {u"东经", +1, Axis::Longitude},
    {u"西经", -1, Axis::Longitude},
    {u"北纬", +1, Axis::Latitude},
    {u"南纬", -1, Axis::Latitude},
    {u"東", +1, Axis::Longitude},
    {u"东", +1, Axis::Longitude},
    {u"西", -1, Axis::Longitude},
    {u"北", +1, Axis::Latitude},
    {u"南", -1, Axis::Latitude},
    {u"E", +1, Axis::Longitude},
    {u"W", -1, Axis::Longitude},
    {u"N", +1, Axis::Latitude},
    {u"S", -1, Axis::Latitude},
}};

const Marker* MarkerAt(const QString& s, bool front) {
    for (const Marker& m : kMarkers) {
        const QString word = QString::fromUtf16(m.text);
        if (front ? s.startsWith(word, Qt::CaseInsensitive) : s.endsWith(word, Qt::CaseInsensitive))
            return &m;
    }
    return nullptr;
}

// Takes one hemisphere word off the front or the back of `s`; false when there
// is one at both ends.
bool TakeHemisphere(QString& s, Hemisphere& h) {
    const Marker* m = MarkerAt(s, true);
    const bool front = m != nullptr;
    if (!m) m = MarkerAt(s, false);
    if (!m) return true;
    const qsizetype length = QString::fromUtf16(m->text).size();
    if (front)
        s.remove(0, length);
    else
        s.chop(length);
    h = {m->sign, m->axis};
    return MarkerAt(s, true) == nullptr && MarkerAt(s, false) == nullptr;
}

enum class Unit { Degree = 0, Minute = 1, Second = 2, None = 3 };

// The unit mark at `at` (and its length), Unit::None when there is none.
Unit MarkAt(const QString& s, qsizetype at, qsizetype& length) {
    length = 1;
    if (at >= s.size()) {
        length = 0;
        return Unit::None;
    }
    const char16_t u = s[at].unicode();
    if (u == '\'' && at + 1 < s.size() && s[at + 1] == QLatin1Char('\'')) {
        length = 2;
        return Unit::Second;
    }
    switch (u) {
    case u'度':
    case 0x00B0: // °
    case 0x00BA: // º, typed for ° on many keyboards
    case 0x02DA: // ˚
        return Unit::Degree;
    case u'分':
    case '\'':
    case 0x2032: // ′
    case 0x2019: // ’
        return Unit::Minute;
    case u'秒':
    case '"':
    case 0x2033: // ″
    case 0x201D: // ”
        return Unit::Second;
    default:
        length = 0;
        return Unit::None;
    }
}

struct Component {
    double value = 0;
    bool hasFraction = false;
    Unit unit = Unit::None;
};

// Digits with an optional fraction ("121", "121.5", ".5" is refused).
bool TakeNumber(const QString& s, qsizetype& at, Component& c) {
    const qsizetype start = at;
    while (at < s.size() && s[at].isDigit() && s[at].unicode() < 128)
        ++at;
    if (at == start) return false;
    if (at < s.size() && s[at] == QLatin1Char('.')) {
        const qsizetype dot = at++;
        while (at < s.size() && s[at].isDigit() && s[at].unicode() < 128)
            ++at;
        if (at == dot + 1) return false;
        c.hasFraction = true;
    }
    bool ok = false;
    c.value = s.mid(start, at - start).toDouble(&ok);
    return ok;
}

// Up to three components, each with its unit; an unmarked component takes the
// unit after the one before it (the first one is degrees). Units rise strictly.
bool TakeComponents(const QString& s, std::array<Component, 3>& parts, int& count) {
    qsizetype at = 0;
    count = 0;
    int nextUnit = 0;
    while (at < s.size()) {
        if (count == 3) return false;
        Component c;
        if (!TakeNumber(s, at, c)) return false;
        qsizetype markLength = 0;
        Unit unit = MarkAt(s, at, markLength);
        at += markLength;
        if (unit == Unit::None) unit = static_cast<Unit>(nextUnit);
        if (static_cast<int>(unit) < nextUnit || unit == Unit::None) return false;
        c.unit = unit;
        nextUnit = static_cast<int>(unit) + 1;
        parts[static_cast<std::size_t>(count++)] = c;
    }
    if (count == 0 || parts[0].unit != Unit::Degree) return false;
    // Only the last component may carry a fraction.
    for (int i = 0; i + 1 < count; ++i)
        if (parts[static_cast<std::size_t>(i)].hasFraction) return false;
    return true;
}

AngleResult Refuse(QString text, bool blank = false) {
    AngleResult r;
    r.error = std::move(text);
    r.blank = blank;
    return r;
}

AngleResult Parse(QStringView text, Axis axis) {
    const AxisWords words = WordsOf(axis);
    const QString name = QString::fromUtf16(words.name);
    QString s = Normalised(text);
    if (s.isEmpty()) return Refuse(QStringLiteral("未輸入%1。").arg(name), true);
    const QString unknown =
        QStringLiteral("無法辨識的%1「%2」（可輸入 %3 等）。")
            .arg(name, text.toString().trimmed(), QString::fromUtf16(words.examples));

    Hemisphere h;
    if (!TakeHemisphere(s, h)) return Refuse(unknown);
    if (h.axis && *h.axis != axis)
        return Refuse(axis == Axis::Longitude
                          ? QStringLiteral("「%1」是緯度（北緯／南緯），不是經度。")
                                .arg(text.toString().trimmed())
                          : QStringLiteral("「%1」是經度（東經／西經），不是緯度。")
                                .arg(text.toString().trimmed()));
    int sign = h.sign == 0 ? 1 : h.sign;
    if (!s.isEmpty() && (s[0] == QLatin1Char('-') || s[0] == QLatin1Char('+'))) {
        if (h.sign != 0)
            return Refuse(QStringLiteral("%1「%2」同時有正負號和方位，請只用其中一種。")
                              .arg(name, text.toString().trimmed()));
        if (s[0] == QLatin1Char('-')) sign = -1;
        s.remove(0, 1);
    }

    std::array<Component, 3> parts;
    int count = 0;
    if (!TakeComponents(s, parts, count)) return Refuse(unknown);
    double degrees = 0;
    for (int i = 0; i < count; ++i) {
        const Component& c = parts[static_cast<std::size_t>(i)];
        if (c.unit != Unit::Degree && c.value >= 60.0)
            return Refuse(QStringLiteral("%1「%2」的分、秒必須小於 60。")
                              .arg(name, text.toString().trimmed()));
        degrees += c.value / std::pow(60.0, static_cast<int>(c.unit));
    }
    if (degrees > words.limit)
        return Refuse(QStringLiteral("%1超出範圍：必須在 -%2 至 %2 度之間。")
                          .arg(name)
                          .arg(words.limit, 0, 'f', 0));
    AngleResult r;
    r.degrees = sign * degrees;
    return r;
}

} // namespace

AngleResult ParseLongitude(QStringView text) {
    return Parse(text, Axis::Longitude);
}

AngleResult ParseLatitude(QStringView text) {
    return Parse(text, Axis::Latitude);
}

QString FormatAngle(double degrees) {
    return QString::number(degrees, 'f', 4);
}

} // namespace zelk
