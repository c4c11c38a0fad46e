#include "chart_fixture.h"

#include <QPainter>

#include <stdexcept>

namespace zelk::test {

ChartFixture::ChartFixture() {
    RefreshCurrentTime(now, clock);
    natal();
}

void ChartFixture::natal() {
    BirthInput input;
    input.sex = 0;
    input.solarYear = 1980;
    input.solarMonth = 5;
    input.solarDay = 12;
    input.hourIndex = 4;
    input.clockHour = 8;
    input.minute = 15;
    input.name = u"王小明";
    record = ChartRecord{};
    const ChartResult result = LoadChartInputs(record, input, InputCommand::NewClient, env());
    if (!result.ok()) throw std::runtime_error(result.message);
}

void ChartFixture::period(int level) {
    record.flowLunarYear = now.lunar.year;
    record.flowSolarYear = now.year;
    record.flowLunarMonth = now.lunar.month;
    record.flowLunarDay = now.lunar.day;
    record.flowIsLeap = now.lunar.leap;
    record.flowHour = now.hourIndex;
    record.flowMinute = now.minuteIndex;
    // The ten-year palace holding the flow age, as the flow-year button finds it.
    const int age = record.flowLunarYear - record.lunarYear + 1;
    for (int p = 0; p < 12; ++p) {
        const int s = record.decadeFirstAge[p];
        if ((s <= age && age < s + 10) || (s + 120 <= age && age < s + 130))
            record.tenYearPalace = static_cast<int16_t>(p);
    }
    record.shownLevel = static_cast<int16_t>(level);
    if (level == 0) return;
    const ChartResult result = ComputePeriodChart(record, level, record.periodChart, env());
    if (!result.ok()) throw std::runtime_error(result.message);
}

ChartBlock ChartFixture::shownBlock() const {
    return record.shownLevel <= 0 ? record.natalChart : record.periodChart;
}

QImage PaintToImage(const ChartFixture& fixture, int side, ChartViewState state) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::black);
    state.now = fixture.now;
    QPainter painter(&image);
    PaintChart(painter, side, fixture.record, fixture.settings, state);
    return image;
}

std::unique_ptr<RecordedChart> RecordChart(const ChartFixture& fixture, ChartViewState state) {
    auto out = std::make_unique<RecordedChart>();
    state.now = fixture.now;
    QPainter painter(&out->device);
    out->result = PaintChart(painter, kRecordedSide, fixture.record, fixture.settings, state);
    return out;
}

std::vector<RecordedText> TextsInPalace(const RecordingPaintDevice& device, int palace,
                                        const QString& text) {
    const QRect rect = PalaceTextRect(LayoutForSide(kRecordedSide), palace);
    std::vector<RecordedText> out;
    for (const auto& t : device.textsIn(QRectF(rect).adjusted(0, 0, 0, 1)))
        if (t.text == text) out.push_back(t);
    return out;
}

} // namespace zelk::test
