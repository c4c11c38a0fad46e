#include "side_panel.h"

#include "calendar/date_text.h"
#include "calendar/lunar_calendar.h"
#include "calendar/pillars.h"
#include "centre_block.h"
#include "chart_colours.h"
#include "font_faces.h"
#include "view_text.h"

#include <QFontMetrics>

#include <algorithm>

namespace zelk {

namespace {

QString YearPillar(int year) {
    return ViewText(135 + Mod(year + 6, 10)) + ViewText(145 + Mod(year - 1900, 12));
}

QString Weekday(int year, int month, int day) {
    const int rest = Mod(DayNumber1900(year, month, day), 7);
    return ViewText(rest == 0 ? 544 : 537 + rest);
}

QString YearText(const AppSettings& s, int year) {
    if (s.YearDisplay == 1) {
        std::string out;
        FormatMinguoYear(year, out);
        return Utf8(out);
    }
    return QString::asprintf("%4d", year) + ViewText(171);
}

QString LunarMonthName(int month, bool leap) {
    if (month < 1 || month > 12) return {};
    return (leap ? ViewText(535) : QString()) + ViewText(522 + month);
}

// The term in force on a day: one starting after 21:59 counts from the next day.
QString TermOfDay(const SolarTermTable* terms, int year, int month, int day) {
    if (!terms) return {};
    const int index = SolarTermIndex(*terms, year, month, day, 21, 59);
    return index >= 0 && index < 24 ? ViewText(383 + index) : QString();
}

SidePanelRow Header(const QString& text) {
    SidePanelRow row;
    row.header = true;
    row.ink = colours::kYearHeader;
    row.cells.push_back({text, 0});
    return row;
}

QString LunarDayLabel(int month, int day, bool leap) {
    return (leap ? ViewText(363) : QString()) + QString::asprintf("%d/%d", month, day);
}

QString PillarOfDay(int year, int month, int day, int part, int hourIndex = 0) {
    const auto pillars = FourPillarsLunar(year, month, day, hourIndex);
    return pillars ? PillarLabel(pillars->p[part]) : QString();
}

void NatalTable(SidePanelTable& t, const ChartRecord& r, const AppSettings& s,
                const CurrentTime& now) {
    t.columnsPerRow = 8;
    t.unitDivisor = 33;
    t.rowCount = 11;
    for (int row = 0; row < 11; ++row) {
        SidePanelRow out;
        for (int column = 0; column < 8; ++column) {
            const int year = r.lunarYear + row * 8 + column;
            const int shown = s.YearDisplay == 1 && year > 1911 ? year - 1911 : year;
            const QString text = QString::asprintf("%3d", shown) + QLatin1Char('\n') +
                                 ViewText(135 + Mod(year + 6, 10)) + QLatin1Char('\n') +
                                 ViewText(145 + Mod(year - 1900, 12)) + QLatin1Char('\n') +
                                 QString::asprintf("%3d", year - r.lunarYear + 1);
            out.cells.push_back({text, 2, year == now.lunar.year});
        }
        t.rows.push_back(out);
    }
}

void TenYearTable(SidePanelTable& t, const ChartRecord& r, const CurrentTime&) {
    t.unitDivisor = 51;
    t.rowCount = 30;
    const int a = r.decadeFirstAge[Mod(r.tenYearPalace, 12)];
    const int firstAge = a < 11 ? 1 : a - 10;
    for (int row = 0; row < 30; ++row) {
        const int age = firstAge + row;
        const int year = r.lunarYear + age - 1;
        SidePanelRow out;
        if (age >= a && age < a + 10) out.fill = colours::kCurrentRow;
        QString minguo;
        if (year == 1912)
            minguo = ViewText(436);
        else if (year > 1912)
            minguo = ViewText(434) + QString::asprintf("%3d", year - 1911) + ViewText(171);
        else
            minguo = ViewText(435) + QString::asprintf("%3d", 1912 - year) + ViewText(171);
        out.cells = {{QString::asprintf("%3d", year), 4},
                     {minguo, 8},
                     {YearPillar(year), 4},
                     {ViewText(364 + Mod(year - 1900, 12)), 2},
                     {QString::asprintf("%3d", age) + ViewText(422), 4}};
        t.rows.push_back(out);
    }
}

void FlowYearTable(SidePanelTable& t, const ChartRecord& r, const AppSettings& s,
                   const CurrentTime& now) {
    t.unitDivisor = 35;
    for (int year = r.flowLunarYear; year <= r.flowLunarYear + 1; ++year) {
        const QString animal = ViewText(364 + Mod(year - 1900, 12));
        t.rows.push_back(Header(YearText(s, year) + QStringLiteral("  ") + YearPillar(year) +
                                QStringLiteral("  ") + animal + QStringLiteral("  ") +
                                QString::number(year - r.lunarYear + 1) + ViewText(422)));
        const LunarYearMonths months = LunarYearMonthLengths(year);
        int month = 0;
        for (int i = 0; i < months.count && i < 13; ++i) {
            const bool leap = months.hasLeap && i == months.leapMonth;
            if (!leap) ++month;
            SidePanelRow row;
            const auto first = LunarToSolar(year, month, 1, leap);
            QString solar, weekday, pillar;
            if (first) {
                solar = QString::asprintf("%d/%d", first->month, first->day);
                weekday = Weekday(first->year, first->month, first->day);
                pillar = PillarOfDay(first->year, first->month, first->day, 1) + ViewText(172);
            }
            row.cells = {{LunarMonthName(month, leap), 4},
                         {solar, 3},
                         {weekday, 2},
                         {pillar, 4},
                         {ViewText(months.lengths[i] >= 30 ? 536 : 537), 2}};
            if (year == now.lunar.year && month == now.lunar.month && leap == (now.lunar.leap != 0))
                row.fill = colours::kCurrentRow;
            t.rows.push_back(row);
        }
    }
    t.rowCount = static_cast<int>(t.rows.size());
}

QString MonthHeader(const ChartRecord& r, const AppSettings& s) {
    const auto first = LunarToSolar(r.flowLunarYear, r.flowLunarMonth, 1, r.flowIsLeap != 0);
    QString pillars = YearPillar(r.flowLunarYear) + ViewText(171);
    if (first) pillars += PillarOfDay(first->year, first->month, first->day, 1) + ViewText(172);
    return YearText(s, r.flowLunarYear) + (r.flowIsLeap ? ViewText(363) : QString()) +
           QString::asprintf("%2d", r.flowLunarMonth) + ViewText(172) + QStringLiteral("  ") +
           pillars + QStringLiteral("  ") + QString::number(r.flowLunarYear - r.lunarYear + 1) +
           ViewText(422);
}

SidePanelRow DayRow(const LunarDate& lunar, const SolarTermTable* terms) {
    SidePanelRow row;
    const auto solar = LunarToSolar(lunar.year, lunar.month, lunar.day, lunar.leap != 0);
    QString pillar, gregorian, term, weekday;
    if (solar) {
        pillar = PillarOfDay(solar->year, solar->month, solar->day, 2) + ViewText(173);
        gregorian = QString::asprintf("%d/%d", solar->month, solar->day);
        term = TermOfDay(terms, solar->year, solar->month, solar->day);
        weekday = Weekday(solar->year, solar->month, solar->day);
    }
    row.cells = {{LunarDayLabel(lunar.month, lunar.day, lunar.leap != 0), 4},
                 {pillar, 4},
                 {gregorian, 3},
                 {term, 4},
                 {weekday, 2}};
    return row;
}

void FlowMonthTable(SidePanelTable& t, const ChartRecord& r, const AppSettings& s,
                    const CurrentTime& now, const SolarTermTable* terms, int level) {
    t.unitDivisor = 35;
    const bool leap = r.flowIsLeap != 0;
    const int days = LunarMonthLength(r.flowLunarYear, r.flowLunarMonth, leap);
    t.rows.push_back(Header(MonthHeader(r, s)));
    const bool currentMonth = now.lunar.year == r.flowLunarYear &&
                              now.lunar.month == r.flowLunarMonth && (now.lunar.leap != 0) == leap;
    for (int day = 1; day <= days; ++day) {
        LunarDate lunar{r.flowLunarYear, r.flowLunarMonth, static_cast<int16_t>(day), leap ? 1 : 0};
        SidePanelRow row = DayRow(lunar, terms);
        if (day == 10 || day == 20) row.fill = colours::kDayRow;
        if ((level == 3 && currentMonth && day == now.lunar.day) ||
            (level == 4 && day == r.flowLunarDay))
            row.fill = colours::kCurrentRow;
        t.rows.push_back(row);
    }
    t.rowCount = days + 1;
}

void FlowHourTable(SidePanelTable& t, const ChartRecord& r, const AppSettings& s,
                   const SolarTermTable* terms) {
    t.unitDivisor = 35;
    t.rowCount = 28;
    t.rows.push_back(Header(MonthHeader(r, s)));
    LunarDate lunar{r.flowLunarYear, r.flowLunarMonth, r.flowLunarDay, r.flowIsLeap};
    for (int d = 0; d < 2; ++d) {
        SidePanelRow dayRow = DayRow(lunar, terms);
        dayRow.fill = colours::kDayRow;
        t.rows.push_back(dayRow);
        const auto solar = LunarToSolar(lunar.year, lunar.month, lunar.day, lunar.leap != 0);
        for (int hour = 0; hour < 12; ++hour) {
            SidePanelRow row;
            QString pillar;
            if (solar)
                pillar =
                    PillarOfDay(solar->year, solar->month, solar->day, 3, hour) + ViewText(174);
            const int from = hour == 0 ? 23 : 2 * hour - 1;
            row.cells = {
                {pillar, 6},
                {QString::asprintf("%02d:%02d ~ %02d:%02d", from, 0, 2 * hour + 1, 0), 11}};
            if (d == 0 && hour == Mod(r.flowHour, 12)) row.fill = colours::kCurrentRow;
            t.rows.push_back(row);
        }
        NextLunarDay(lunar);
    }
}

} // namespace

SidePanelTable SidePanelTableFor(const ChartRecord& record, const AppSettings& settings,
                                 const CurrentTime& now, const SolarTermTable* terms) {
    SidePanelTable table;
    switch (record.shownLevel) {
    case 0:
        NatalTable(table, record, settings, now);
        break;
    case 1:
        TenYearTable(table, record, now);
        break;
    case 2:
        FlowYearTable(table, record, settings, now);
        break;
    case 3:
    case 4:
        FlowMonthTable(table, record, settings, now, terms, record.shownLevel);
        break;
    case 5:
    case 6:
        FlowHourTable(table, record, settings, terms);
        break;
    default:
        break;
    }
    return table;
}

int SidePanelCaptionHeight(int chartSide) {
    return std::max(12, chartSide / 26);
}

namespace {

// The heading: one line in the panel's width, its type made smaller until it fits.
void PaintCaption(QPainter& painter, const QRect& box, const QString& caption) {
    painter.fillRect(box, colours::kCaptionBack);
    painter.setPen(Qt::black);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    int pixels = std::max(6, box.height() * 7 / 10);
    QFont font = ChartFont(kFaceMing, pixels);
    while (pixels > 6 && QFontMetrics(font).horizontalAdvance(caption) > box.width() - 6) {
        --pixels;
        font = ChartFont(kFaceMing, pixels);
    }
    painter.setFont(font);
    painter.setPen(colours::kCaptionInk);
    const QString shown =
        QFontMetrics(font).elidedText(caption, Qt::ElideRight, std::max(0, box.width() - 6));
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, shown);
}

} // namespace

void PaintSidePanel(QPainter& painter, const ChartLayout& layout, const ChartRecord& record,
                    const AppSettings& settings, const CurrentTime& now,
                    const SolarTermTable* terms, const QString& caption) {
    const SidePanelTable table = SidePanelTableFor(record, settings, now, terms);
    if (table.rows.empty() || table.rowCount <= 0) return;
    const int x0 = layout.sidePanelLeft();
    const int limit = layout.sidePanelRight();
    if (limit <= x0) return;
    const int unit = std::max(1, layout.canvasWidth / table.unitDivisor);
    const int captionHeight = caption.isEmpty() ? 0 : SidePanelCaptionHeight(layout.chartSide);
    const int side = layout.chartSide - captionHeight;
    const int rowHeight = std::max(1, side / table.rowCount);
    painter.save();
    painter.setClipRect(QRect(x0, layout.chartTop, limit - x0, layout.chartSide));
    if (captionHeight > 0)
        PaintCaption(painter, QRect(x0, layout.chartTop, limit - x0, captionHeight), caption);
    const int fontPixels = table.columnsPerRow > 1 ? std::max(1, side / 44 - 2)
                                                   : std::min(rowHeight * 7 / 10, unit * 45 / 100);
    painter.setFont(ChartFont(kFaceMing, std::max(6, fontPixels)));
    int y = layout.chartTop + captionHeight;
    for (const auto& row : table.rows) {
        int x = x0;
        if (row.header) {
            const QRect cell(x0, y, limit - x0, rowHeight);
            painter.fillRect(cell, row.fill.isValid() ? row.fill : QColor(Qt::white));
            painter.setPen(Qt::black);
            painter.drawRect(cell.adjusted(0, 0, -1, 0));
            painter.setPen(row.ink);
            painter.drawText(cell, Qt::AlignCenter | Qt::TextSingleLine, row.cells.front().text);
            y += rowHeight;
            continue;
        }
        for (const auto& c : row.cells) {
            const int width = c.width * unit / 2;
            const QRect cell(x, y, width, rowHeight);
            QColor fill = row.fill.isValid() ? row.fill : QColor(Qt::white);
            if (c.current) fill = colours::kCurrentRow;
            painter.fillRect(cell, fill);
            painter.setPen(Qt::black);
            painter.drawRect(cell);
            painter.setPen(row.ink);
            painter.drawText(cell, Qt::AlignCenter, c.text);
            x += width;
        }
        y += rowHeight;
    }
    painter.restore();
}

} // namespace zelk
