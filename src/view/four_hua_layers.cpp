#include "four_hua_layers.h"

#include "chart_colours.h"
#include "view_text.h"

#include <algorithm>

namespace zelk {

std::vector<HuaLayer> HuaLayersOf(const ChartRecord& record, const AppSettings& settings,
                                  const FlowPillarCache& pillars, int level) {
    const int tenYearStem = record.natalChart.stemAt(record.tenYearPalace);
    auto single = [](int stem, HuaSource source) {
        return std::vector<HuaLayer>{{stem, MarkStyle::Plain, QColor(), true, source}};
    };
    switch (settings.YearHuaBase) {
    case 0:
        return single(record.yearStem, HuaSource::BirthYear);
    case 1:
        switch (level) {
        case 0:
            return single(record.yearStem, HuaSource::BirthYear);
        case 1:
            return single(tenYearStem, HuaSource::TenYearPalace);
        case 2:
            return single(pillars.yearStem, HuaSource::FlowYear);
        case 3:
            return single(pillars.monthStem, HuaSource::FlowMonth);
        case 4:
            return single(pillars.dayStem, HuaSource::FlowDay);
        default:
            return single(pillars.hourStem, HuaSource::FlowHour);
        }
    case 3: {
        std::vector<HuaLayer> layers{
            {record.yearStem, MarkStyle::Circle, colours::kRedMark, false, HuaSource::BirthYear}};
        if (level >= 1)
            layers.push_back(
                {tenYearStem, MarkStyle::Square, colours::kKe, false, HuaSource::TenYearPalace});
        if (level >= 2)
            layers.push_back({pillars.yearStem, MarkStyle::Rounded, colours::kFlowYearLayer, false,
                              HuaSource::FlowYear});
        return layers;
    }
    default: // 2, and any value the settings file should not hold
        if (level >= 2) return single(pillars.yearStem, HuaSource::FlowYear);
        return single(record.yearStem, HuaSource::BirthYear);
    }
}

namespace {

QString SourceName(HuaSource source) {
    switch (source) {
    case HuaSource::BirthYear:
        return QStringLiteral("生年");
    case HuaSource::TenYearPalace:
        return QStringLiteral("大限");
    case HuaSource::FlowYear:
        return QStringLiteral("流年");
    case HuaSource::FlowMonth:
        return QStringLiteral("流月");
    case HuaSource::FlowDay:
        return QStringLiteral("流日");
    case HuaSource::FlowHour:
        return QStringLiteral("流時");
    }
    return {};
}

QString StyleName(MarkStyle style) {
    switch (style) {
    case MarkStyle::Circle:
        return QStringLiteral("圓框");
    case MarkStyle::Square:
        return QStringLiteral("方框");
    case MarkStyle::Rounded:
        return QStringLiteral("圓角框");
    default:
        return {};
    }
}

QString StemName(int stem) {
    return stem >= 0 && stem <= 9 ? ViewText(135 + stem) : QStringLiteral("？");
}

} // namespace

QString FourHuaCaption(const ChartRecord& record, const AppSettings& settings,
                       const FlowPillarCache& pillars, int level) {
    const auto layers = HuaLayersOf(record, settings, pillars, std::clamp(level, 0, 6));
    QString text = QStringLiteral("四化：");
    if (layers.size() == 1)
        return text + SourceName(layers[0].source) + QStringLiteral("干 ") +
               StemName(layers[0].stem);
    for (std::size_t i = 0; i < layers.size(); ++i) {
        if (i > 0) text += QStringLiteral("　");
        text += SourceName(layers[i].source) + StemName(layers[i].stem) + QLatin1Char('(') +
                StyleName(layers[i].style) + QLatin1Char(')');
    }
    return text;
}

} // namespace zelk
