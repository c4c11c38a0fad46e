#include "centre_block.h"

#include "calendar/date_text.h"
#include "calendar/lunar_calendar.h"
#include "calendar/pillars.h"
#include "chart/chart_engine.h"
#include "chart_colours.h"
#include "chart_paint_parts.h"
#include "view_text.h"

#include <QFontMetrics>

#include <algorithm>

namespace zelk {

QString PillarLabel(int sexagenary) {
    if (sexagenary < 0 || sexagenary > 59) return {};
    return ViewText(135 + sexagenary % 10) + ViewText(145 + sexagenary % 12);
}

FlowPillarCache FlowPillarsOf(const ChartRecord& record) {
    FlowPillarCache cache;
    const int level = record.shownLevel;
    const int year = level >= 2 ? record.flowLunarYear : record.lunarYear;
    cache.yearStem = Mod(year + 6, 10);
    cache.yearBranch = Mod(year - 1900, 12);
    cache.flowAge = record.flowLunarYear - record.lunarYear + 1;
    if (level < 3) return cache;
    const int hour = record.flowHour >= 0 && record.flowHour <= 12 ? record.flowHour : 0;
    const auto pillars =
        FourPillarsLunar(record.flowSolarYear, record.flowSolarMonth, record.flowSolarDay, hour);
    if (!pillars) return cache;
    cache.monthStem = pillars->month() % 10;
    cache.monthBranch = pillars->month() % 12;
    if (level >= 4) {
        cache.dayStem = pillars->day() % 10;
        cache.dayBranch = pillars->day() % 12;
    }
    if (level >= 5) {
        cache.hourStem = pillars->hour() % 10;
        cache.hourBranch = pillars->hour() % 12;
    }
    return cache;
}

namespace {

QString ClientName(const ChartRecord& record) {
    const auto& name = record.name;
    const auto end = std::find(name.begin(), name.end(), u'\0');
    return QString::fromUtf16(name.data(), end - name.begin());
}

QString YearPillarOf(int stem, int branch) {
    if (stem < 0 || branch < 0) return {};
    return ViewText(135 + stem) + ViewText(145 + branch);
}

// Long form: 民國 text or "%4d年", then "%2d月" .. up to `depth` parts.
QString LongDate(const AppSettings& s, int year, int month, int day, int hour, int depth) {
    std::string out;
    FormatChartDate(kDateLongForm, std::string(), out, year, month, day, hour, depth,
                    s.YearDisplay);
    return Utf8(out);
}

QString ShortDate(const AppSettings& s, int year, int month, int day, int depth) {
    std::string out;
    FormatChartDate(0, std::string(), out, year, month, day, 0, depth, s.YearDisplay);
    return Utf8(out);
}

// A lunar date in short form; a leap month shows 閏 before its number ("2025/閏6/3").
QString LunarShortDate(const AppSettings& s, int year, int month, int day, bool leap, int depth) {
    QString text = ShortDate(s, year, month, day, depth);
    const int slash = text.indexOf(QLatin1Char('/'));
    if (leap && slash >= 0) text.insert(slash + 1, ViewText(363));
    return text;
}

QString LunarMonthDay(int month, int day, bool leap) {
    return (leap ? ViewText(363) : QString()) + QString::asprintf("%3d", month) + ViewText(172) +
           QString::asprintf("%3d", day) + ViewText(173);
}

// 流昌 by flow-year stem 甲 .. 癸, as branches.
constexpr int kFlowChangBranch[10] = {5, 6, 8, 9, 8, 9, 11, 0, 2, 3};

CentreLine Line(int number, const QString& left, bool leftOn, const QString& right = {},
                bool rightOn = false) {
    return {number, left, right, leftOn, rightOn && !right.isEmpty(), false};
}

} // namespace

std::vector<CentreLine> CentreBlockLines(const ChartRecord& r, const AppSettings& s,
                                         const CurrentTime& now, bool printing,
                                         const FlowPillarCache& pillars,
                                         const QStringList& footers) {
    const int level = std::clamp<int>(r.shownLevel, 0, 6);
    // On paper an item shows only when its print switch is on.
    auto on = [&](int32_t key) { return !printing || key != 0; };
    std::vector<CentreLine> lines;

    const int currentAge = now.lunar.year - r.lunarYear + 1;
    lines.push_back(Line(1, ViewText(175) + ClientName(r), on(s.NameDisplay),
                         ViewText(408) + QString::number(currentAge), on(s.CurAgeDisplay)));
    lines.push_back(
        Line(2, ViewText(179) + ViewText(364 + Mod(r.yearBranch, 12)), on(s.AnimalDisplay),
             ViewText(176) + ViewText(r.stemParity ? 178 : 177) + ViewText(r.sex ? 133 : 132),
             on(s.SexDisplay)));
    lines.push_back(
        Line(3, ViewText(180) + LongDate(s, r.solarYear, r.solarMonth, r.solarDay, r.clockHour, 5),
             on(s.WestDisplay)));
    lines.push_back(Line(4,
                         ViewText(181) + YearPillarOf(Mod(r.yearStem, 10), Mod(r.yearBranch, 12)) +
                             ViewText(171) +
                             LunarMonthDay(r.lunarMonth, r.lunarDay, r.isLeapMonth != 0) +
                             ViewText(145 + Mod(r.placementHour, 12)) + ViewText(174),
                         on(s.EastDisplay)));
    const auto& bp = r.birthPillars;
    lines.push_back(Line(5,
                         ViewText(381) + PillarLabel(bp[0]) + ViewText(171) + PillarLabel(bp[1]) +
                             ViewText(172) + PillarLabel(bp[2]) + ViewText(173) +
                             PillarLabel(bp[3]) + ViewText(174),
                         printing ? s.EightWordDisplay != 0 : s.Words8Display != 0));
    lines.push_back(
        Line(6, ViewText(190) + ViewText(234 + Mod(r.lifePalace, 12)), on(s.LifeHouseDisplay),
             ViewText(191) + ViewText(234 + Mod(r.bodyPalace, 12)), on(s.BodyHouseDisplay)));
    lines.push_back(Line(7, ViewText(182) + ViewText(LifeMasterStringId(Mod(r.lifePalace, 12))),
                         on(s.LifeGodDisplay),
                         ViewText(183) + ViewText(BodyMasterStringId(Mod(r.yearBranch, 12))),
                         on(s.BodyGodDisplay)));
    lines.push_back(Line(8, ViewText(184) + ViewText(145 + Mod(r.ziYearDouJun, 12)),
                         on(s.PanGodDisplay), ViewText(246) + ViewText(BureauStringId(r.bureau)),
                         on(s.FiveDisplay)));

    QString douJun;
    if (s.GodBase == 2) {
        douJun = ViewText(572) + ViewText(145 + Mod(r.douJunBranch, 12));
    } else {
        const int b = level >= 2 ? pillars.yearBranch : Mod(now.lunar.year - 1900, 12);
        douJun = ViewText(382) + ViewText(145 + Mod(b + r.placementHour - r.lunarMonth + 1, 12));
    }
    QString flowChang;
    if (level >= 2 && pillars.yearStem >= 0)
        flowChang = ViewText(407) + ViewText(145 + kFlowChangBranch[pillars.yearStem % 10]);
    lines.push_back(Line(9, douJun, on(s.FlowGodDisplay), flowChang, on(s.FlowChungDisplay)));

    const bool periodOn =
        s.FlowTimeDisplay != 0 && on(level >= 1 ? s.PanInfoDisplay : s.CurTimeDisplay);
    QString first, second;
    if (level == 1) {
        const int a = r.decadeFirstAge[Mod(r.tenYearPalace, 12)];
        first = ViewText(507) + QString::asprintf("%3d -- %3d", a, a + 9) + ViewText(422);
        const int from = r.lunarYear + a - 1;
        second = ViewText(181) + QString::asprintf("%4d -- %4d", from, from + 9) + ViewText(171);
    } else if (level >= 2) {
        const int depth = std::min(level, 4);
        first = ViewText(506 + level) + ViewText(180) +
                ShortDate(s, r.flowSolarYear, r.flowSolarMonth, r.flowSolarDay, depth) +
                QStringLiteral("  ") + ViewText(181) +
                LunarShortDate(s, r.flowLunarYear, r.flowLunarMonth, r.flowLunarDay,
                               r.flowIsLeap != 0, depth);
        second = ViewText(420) + QString::number(pillars.flowAge) + QStringLiteral("  ") +
                 YearPillarOf(pillars.yearStem, pillars.yearBranch) + ViewText(171);
        if (level >= 3)
            second += YearPillarOf(pillars.monthStem, pillars.monthBranch) + ViewText(172);
        if (level >= 4) second += YearPillarOf(pillars.dayStem, pillars.dayBranch) + ViewText(173);
        if (level >= 5)
            second += YearPillarOf(pillars.hourStem, pillars.hourBranch) + ViewText(174);
    } else {
        first = ViewText(410) + LongDate(s, now.year, now.month, now.day, 0, 4);
        second = ViewText(409) +
                 YearPillarOf(Mod(now.lunar.year + 6, 10), Mod(now.lunar.year - 1900, 12)) +
                 ViewText(171) + LunarMonthDay(now.lunar.month, now.lunar.day, now.lunar.leap != 0);
    }
    lines.push_back(Line(10, first, periodOn));
    lines.push_back(Line(11, second, periodOn));

    if (level >= 1 && s.FlowTimeDisplay && s.CurTimeDisplay) {
        lines.push_back(Line(12,
                             ViewText(446) + ViewText(180) +
                                 ShortDate(s, now.year, now.month, now.day, 4) +
                                 QStringLiteral("  ") + ViewText(181) +
                                 LunarShortDate(s, now.lunar.year, now.lunar.month, now.lunar.day,
                                                now.lunar.leap != 0, 4),
                             true));
    }
    for (auto& line : lines)
        line.keepsRow = !printing;
    int footerNumber = 13;
    for (const auto& footer : footers) {
        if (footerNumber > 15) break;
        if (!footer.isEmpty()) lines.push_back(Line(footerNumber, footer, true));
        ++footerNumber;
    }
    return lines;
}

void ChartPainter::paintCentreItem(const QRect& box, const QString& text) {
    if (text.isEmpty() || box.width() <= 0) return;
    // A text too long for its place is set in a smaller size, down to three
    // quarters of the centre font; what still does not fit is cut with "…".
    QFont font = centreFont_;
    const int full = QFontMetrics(font, p_.device()).horizontalAdvance(text);
    if (full > box.width()) {
        const int pixels = font.pixelSize();
        const int smallest = std::max(1, pixels * 3 / 4);
        font.setPixelSize(std::max(smallest, pixels * box.width() / full));
        while (font.pixelSize() > smallest &&
               QFontMetrics(font, p_.device()).horizontalAdvance(text) > box.width())
            font.setPixelSize(font.pixelSize() - 1);
    }
    const QFontMetrics metrics(font, p_.device());
    const QString shown = metrics.horizontalAdvance(text) > box.width()
                              ? metrics.elidedText(text, Qt::ElideRight, box.width())
                              : text;
    p_.setFont(font);
    drawText(box, Qt::AlignLeft | Qt::AlignVCenter, shown, Qt::black);
    p_.setFont(centreFont_);
}

void ChartPainter::paintCentreBlock() {
    const int c = layout_.cell;
    const int r = (2 * c + 11) / 22;
    const int lc = r + (r + 8) / 16;
    const int left = c + 2 * lc;
    const int right = 3 * c - lc;
    result_.pillars = FlowPillarsOf(record_);
    result_.centreClientLines = QRect(left, c + 2 * lc, 3 * c - 3 * lc - left, 3 * lc);
    p_.setFont(centreFont_);
    int top = c + 2 * lc;
    const auto lines = CentreBlockLines(record_, settings_, state_.now, printing_, result_.pillars,
                                        state_.footerLines);
    // Nothing runs past its place: the left item of a two-item line ends before the
    // middle, every item before the right edge.
    const int gap = std::max(2, lc / 3);
    for (const auto& line : lines) {
        if (!line.keepsRow && !line.leftShown && !line.rightShown) continue;
        const QRect row(left, top, right - left, lc);
        const bool both = line.leftShown && line.rightShown;
        if (line.leftShown)
            paintCentreItem(QRect(left, top, (both ? 2 * c - gap : right) - left, lc), line.left);
        if (line.rightShown) {
            const int x = line.leftShown ? 2 * c : left;
            paintCentreItem(QRect(x, top, right - x, lc), line.right);
        }
        if (line.number == 7) result_.centreLine7 = row;
        top += lc;
    }
    if (!printing_) paintLogoStrip(top, lc);
}

} // namespace zelk
