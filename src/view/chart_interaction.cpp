#include "chart_interaction.h"

#include "calendar/lunar_calendar.h"
#include "chart/chart_facts.h"
#include "chart_layout.h"
#include "interpret/explanation_cache.h"
#include "period_pickers.h"
#include "settings/string_table.h"
#include "star_message_dlg.h"
#include "zelk_view_widget.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>

#include <cstdlib>

namespace zelk {

QUrl LeftLogoUrl() {
    return QUrl(QStringLiteral("https://zelk.example.org/"));
}
QUrl RightLogoUrl() {
    return QUrl(QStringLiteral("https://zelk.example.org/docs/reading-a-chart"));
}

namespace {

// The level buttons answer from x 6 to 82 of the canvas, 50 high from each top.
constexpr int kButtonHitLeft = 6, kButtonHitRight = 82, kButtonHitHeight = 50;
constexpr int kStripCellWidth = 15, kStripRowHeight = 25, kStripColumns = 5;
constexpr int kLevelCount = 7;

bool ForwardTenYears(const ChartRecord& r) {
    // Yang male or yin female count forward from the life palace.
    return (r.stemParity == 0 && r.sex == 0) || (r.stemParity == 1 && r.sex == 1);
}

} // namespace

struct CChartInteraction::Hit {
    enum Kind {
        Nothing,
        LevelButton,
        StripCell,
        StarName,
        StemCorner,
        PeriodLine,
        ClientLines,
        DipperLine,
        LeftLogo,
        RightLogo
    };
    Kind kind = Nothing;
    int level = -1;  // LevelButton
    int stem = -1;   // StripCell
    int palace = -1; // StarName, StemCorner, PeriodLine
    int starNumber = -1;
    int value = -1; // PeriodLine: the age, month, day, hour or slot under the point
    bool rightOnly = false;
};

CChartInteraction::CChartInteraction(CZelkView* view, ChartRecord* record,
                                     const AppSettings* settings, ChartInteractionHooks hooks)
    : QObject(view), view_(view), viewport_(view->viewport()), record_(record), settings_(settings),
      hooks_(std::move(hooks)) {
    viewport_->installEventFilter(this);
    viewport_->setMouseTracking(true);
}

CChartInteraction* CChartInteraction::attach(CZelkView* view, ChartRecord* record,
                                             const AppSettings* settings,
                                             ChartInteractionHooks hooks) {
    return new CChartInteraction(view, record, settings, std::move(hooks));
}

// ---------------------------------------------------------------------------
// Events

bool CChartInteraction::eventFilter(QObject* watched, QEvent* event) {
    if (watched != viewport_) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton) {
            press(mouse->position().toPoint(), mouse->button());
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            releaseRight();
            return true;
        }
        return false;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        // A move with no button held after a right press: its release went elsewhere.
        if (rightDown_ && !(mouse->buttons() & Qt::RightButton)) releaseRight();
        if (mouse->buttons() == Qt::NoButton) updateCursor(mouse->position().toPoint());
        return false;
    }
    case QEvent::Paint:
        beforePaint();
        return false;
    default:
        return false;
    }
}

void CChartInteraction::press(QPoint viewportPoint, Qt::MouseButton button) {
    if (!record_ || !settings_ || record_->shownLevel < 0) return;
    if (button == Qt::RightButton) {
        // A right press while one is still held: the earlier release was lost.
        if (rightDown_) endHeldDisplays();
        rightDown_ = true;
    }
    now_ = presentMoment();
    const Hit hit = hitAt(viewportPoint);
    if (button == Qt::LeftButton && hit.rightOnly) return;
    switch (hit.kind) {
    case Hit::LevelButton:
        if (button == Qt::LeftButton) pressButton(hit);
        break;
    case Hit::StripCell:
        if (button == Qt::LeftButton) pressStrip(hit.stem);
        break;
    case Hit::StarName:
        pressStar(hit, button);
        break;
    case Hit::StemCorner:
        if (button == Qt::RightButton) pressStemCorner(hit.palace);
        break;
    case Hit::PeriodLine:
        pressPeriodLine(hit);
        break;
    case Hit::ClientLines:
    case Hit::DipperLine:
    case Hit::LeftLogo:
    case Hit::RightLogo:
        if (button == Qt::LeftButton) pressCentre(hit);
        break;
    case Hit::Nothing:
        break;
    }
}

void CChartInteraction::releaseRight() {
    rightDown_ = false;
    endHeldDisplays();
}

void CChartInteraction::endHeldDisplays() {
    ChartViewState& state = view_->viewState();
    bool changed = false;
    // Both displays end: after a lost release both may be on at once.
    if (state.linkMode) {
        state.linkMode = false;
        changed = true;
    }
    if (cornerHeld_) {
        cornerHeld_ = false;
        state.flyingStemMode = false;
        state.flyingPalace = -1;
        changed = true;
    }
    // A stem chosen in the strip keeps its display after a held one ends.
    if (stripStem_ >= 0) followStripStem();
    if (changed) repaint();
}

void CChartInteraction::beforePaint() {
    if (!record_ || !settings_) return;
    ChartViewState& state = view_->viewState();
    // The strip's stem follows the chart: a new chart or period may hold it elsewhere.
    if (stripStem_ >= 0 && !cornerHeld_) {
        const int before = state.flyingPalace;
        followStripStem();
        if (state.flyingPalace != before) view_->chartChanged();
    } else if (stripStem_ < 0 && !cornerHeld_ && state.flyingStemMode) {
        state.flyingStemMode = false;
        state.flyingPalace = -1;
        view_->chartChanged();
    }
    const int level = record_->shownLevel;
    if (level >= 0 && level < kLevelCount && ExplanationSets().currentLevel() != level) {
        if (hooks_.loadExplanations)
            hooks_.loadExplanations(level);
        else
            LoadExplanationSet(level);
    }
}

void CChartInteraction::updateCursor(QPoint viewportPoint) {
    const bool active = isActiveAt(viewportPoint);
    QWidget* viewport = view_->viewport();
    if (active && viewport->cursor().shape() != Qt::PointingHandCursor)
        viewport->setCursor(Qt::PointingHandCursor);
    else if (!active && viewport->cursor().shape() != Qt::ArrowCursor)
        viewport->setCursor(Qt::ArrowCursor);
}

bool CChartInteraction::isActiveAt(QPoint viewportPoint) const {
    if (!record_ || !settings_ || record_->shownLevel < 0) return false;
    return hitAt(viewportPoint).kind != Hit::Nothing;
}

void CChartInteraction::repaint() {
    view_->chartChanged();
}

// ---------------------------------------------------------------------------
// Hit tests

QPoint CChartInteraction::canvasPoint(QPoint viewportPoint) const {
    return viewportPoint +
           QPoint(view_->horizontalScrollBar()->value(), view_->verticalScrollBar()->value());
}

const ChartBlock& CChartInteraction::shownBlock() const {
    const ChartViewState& state = view_->viewState();
    if (state.block) return *state.block;
    return record_->shownLevel <= 0 ? record_->natalChart : record_->periodChart;
}

CChartInteraction::Hit CChartInteraction::hitAt(QPoint viewportPoint) const {
    Hit hit;
    const ChartLayout& layout = view_->layout();
    const ChartPaintResult& paint = view_->lastPaint();
    const QPoint point = canvasPoint(viewportPoint);

    if (point.x() >= kButtonHitLeft && point.x() <= kButtonHitRight) {
        for (int i = 0; i < kLevelCount; ++i) {
            const int top = layout.buttonTop[std::size_t(i)];
            if (point.y() >= top && point.y() < top + kButtonHitHeight) {
                // 本命盤 does nothing while the natal chart is shown.
                if (i == 0 && record_->shownLevel == 0) return hit;
                hit.kind = Hit::LevelButton;
                hit.level = i;
                return hit;
            }
        }
    }
    // The strip's cells answer where they are drawn.
    const int stripTop = layout.buttonTop[7];
    const int stripLeft = layout.buttonLeft;
    if (point.x() >= stripLeft && point.x() < stripLeft + kStripColumns * kStripCellWidth &&
        point.y() >= stripTop && point.y() < stripTop + 2 * kStripRowHeight) {
        const int column = (point.x() - stripLeft) / kStripCellWidth;
        const int row = point.y() < stripTop + kStripRowHeight ? 0 : 1;
        hit.kind = Hit::StripCell;
        hit.stem = column + kStripColumns * row;
        return hit;
    }

    if (!paint.painted || layout.cell <= 0) return hit;
    const QPoint chart = point - QPoint(layout.chartLeft, layout.chartTop);
    const int palace = PalaceAt(layout, chart);
    const int l = layout.line;
    if (palace == kCentreBlock) {
        if (paint.centreClientLines.contains(chart) && record_->clientIndex >= 0) {
            hit.kind = Hit::ClientLines;
        } else if (settings_->Star7Display && paint.centreLine7.contains(chart)) {
            hit.kind = Hit::DipperLine;
        } else if (paint.logoLeft.contains(chart)) {
            hit.kind = Hit::LeftLogo;
        } else if (paint.logoRight.contains(chart)) {
            hit.kind = Hit::RightLogo;
        }
        return hit;
    }
    if (palace < 0 || palace > 11) return hit;
    hit.palace = palace;
    const QPoint origin = PalaceCellOrigin(layout, palace);

    // Star names: the two top lines, columns counted from the right; the first
    // column that starts at or left of the point holds it.
    const auto& names = paint.starNames[std::size_t(palace)];
    const int nameBottom = names.empty() ? origin.y() + 2 * l - 1 : names.front().rect.bottom();
    if (chart.y() <= nameBottom && chart.x() >= origin.x() + 2 * l) {
        for (const StarHitArea& star : names) {
            if (star.rect.left() <= chart.x()) {
                hit.kind = Hit::StarName;
                hit.starNumber = FourHuaStarNumber(star.bit);
                return hit;
            }
        }
        return hit;
    }
    if (paint.stemCorners[std::size_t(palace)].contains(chart)) {
        hit.kind = Hit::StemCorner;
        hit.rightOnly = true;
        return hit;
    }
    const QRect& line = paint.periodLines[std::size_t(palace)];
    if (line.isEmpty() || chart.y() < line.top() || chart.y() > line.bottom()) return hit;
    const int centre = line.left() + line.width() / 2;
    const int dx = chart.x() - centre;
    if (std::abs(dx) > 3 * l) return hit;
    const ChartRecord& r = *record_;
    switch (r.shownLevel) {
    case kLevelNatal:
    case kLevelTenYear:
        if (std::abs(dx) > 2 * l) return hit;
        hit.value = palace;
        break;
    case kLevelFlowYear: {
        if (std::abs(dx) > l) return hit;
        const int flowAge = r.flowLunarYear - r.lunarYear + 1;
        int age = flowAge + Mod(palace - (r.flowLifePalace - 2), 12) - 2;
        if (age <= 0) age += 12;
        hit.value = age;
        break;
    }
    case kLevelFlowMonth:
        if (std::abs(dx) > l) return hit;
        hit.value = Mod(palace - r.flowDouJun, 12) + 1;
        break;
    case kLevelFlowDay: {
        // Two or three day numbers stand side by side around the centre: the
        // first in a zone one unit wide, the others in zones of one and a half.
        const int first = Mod(palace - r.flowMonthLifePalace, 12) + 1;
        const int length = LunarMonthLength(r.flowLunarYear, r.flowLunarMonth, r.flowIsLeap != 0);
        const int count = first + 24 <= length ? 3 : 2;
        const int width2 = 2 * l + 3 * l * (count - 1); // in half units
        const int x2 = 2 * dx + width2 / 2;             // from the zones' left edge
        int zone = x2 < 2 * l ? 0 : 1 + (x2 - 2 * l) / (3 * l);
        zone = std::clamp(zone, 0, count - 1);
        const int day = first + 12 * zone;
        if (length > 0 && day > length) return hit;
        hit.value = day;
        break;
    }
    case kLevelFlowHour:
        if (dx >= l) return hit;
        hit.value = Mod(palace - (r.flowHourPalace - r.flowHour), 12);
        break;
    case kLevelFlowMinute:
        if (dx >= l) return hit;
        hit.value = Mod(palace - r.flowHourPalace, 12);
        break;
    default:
        return hit;
    }
    hit.kind = Hit::PeriodLine;
    return hit;
}

// ---------------------------------------------------------------------------
// Actions

CurrentTime CChartInteraction::presentMoment() {
    if (hooks_.now) return hooks_.now();
    CurrentTime now;
    RefreshCurrentTime(now, SystemClock());
    return now;
}

ChartResult CChartInteraction::computePeriod(int level, const AppSettings& settings) {
    if (hooks_.computePeriod) return hooks_.computePeriod(*record_, level, settings);
    static const Clock clock = SystemClock();
    return ComputePeriodChart(*record_, level, record_->periodChart,
                              ChartEnv{settings, now_, clock});
}

void CChartInteraction::computeAndShow(int level, const AppSettings& settings,
                                       const ChartRecord& before) {
    const ChartResult result = computePeriod(level, settings);
    if (!result.ok()) {
        // Nothing of the choice stays: the chart shows what it showed before.
        *record_ = before;
        const QString message = QString::fromStdString(result.message);
        if (hooks_.report)
            hooks_.report(message);
        else
            QMessageBox::warning(view_, LoadResString(kProductTitleStringId), message);
        repaint();
        return;
    }
    record_->shownLevel = static_cast<int16_t>(level);
    record_->periodChanged = 1;
    if (stripStem_ >= 0 && !cornerHeld_) followStripStem();
    repaint();
}

int CChartInteraction::findTenYearPalace(int age) const {
    int found = -1;
    for (int p = 0; p < 12; ++p) {
        const int s = record_->decadeFirstAge[std::size_t(p)];
        if ((s <= age && age < s + 10) || (s + 120 <= age && age < s + 130)) found = p;
    }
    return found;
}

void CChartInteraction::chooseLevel(int level) {
    if (!record_ || !settings_ || level < 0 || level >= kLevelCount || record_->shownLevel < 0)
        return;
    if (level == 0 && record_->shownLevel == 0) return;
    now_ = presentMoment();
    const ChartRecord before = *record_;
    const int previous = record_->shownLevel;
    record_->shownLevel = static_cast<int16_t>(level);
    if (level == 0) {
        record_->hourIndex = record_->placementHour;
        record_->periodChanged = 1;
        if (stripStem_ >= 0 && !cornerHeld_) followStripStem();
        repaint();
        return;
    }
    if (!choosePeriodOfLevel(level, previous)) {
        // Cancelled, or no period to show: level and flow fields as they were.
        *record_ = before;
        return;
    }
    if (level == kLevelFlowMonth || level == kLevelFlowDay) DeriveSolarFlowDate(*record_);
    computeAndShow(level, *settings_, before);
}

bool CChartInteraction::choosePeriodOfLevel(int level, int) {
    ChartRecord& r = *record_;
    const AppSettings& s = *settings_;
    const bool fixed = s.UsePanParm != 0;
    switch (level) {
    case kLevelTenYear: {
        int step = 0;
        if (fixed) {
            const int baseYear = s.TimeBase == 2 ? s.BaseYear : now_.lunar.year;
            const int age = baseYear - r.lunarYear + 1;
            if (age < r.bureau) return false; // no ten-year period has begun
            step = Mod((age - r.bureau) / 10, 12);
        } else {
            CTenYearDlg dialog(r, s, now_, view_);
            if (!dialog.run() || dialog.chosenIndex() < 0) return false;
            step = dialog.chosenIndex();
        }
        // The step counts from the life palace whatever palace the ages start from.
        r.tenYearPalace =
            static_cast<int16_t>(Mod(r.lifePalace + (ForwardTenYears(r) ? step : -step), 12));
        return true;
    }
    case kLevelFlowYear: {
        int age = 0;
        if (fixed) {
            age = s.BaseYear - r.lunarYear + 1;
        } else {
            CFlowYearDlg dialog(r, s, now_, view_);
            if (!dialog.run() || dialog.chosenYear() == 0) return false;
            age = dialog.chosenYear() - r.lunarYear + 1;
        }
        if (const int palace = findTenYearPalace(age); palace >= 0)
            r.tenYearPalace = static_cast<int16_t>(palace);
        return true;
    }
    case kLevelFlowMonth:
        if (fixed) return true;
        return CFlowMonthDlg(r, s, now_, view_).run();
    case kLevelFlowDay:
        if (fixed) return true;
        return CFlowDateDlg(r, s, now_, view_).run();
    case kLevelFlowHour:
        if (fixed) return true;
        return CFlowTimeDlg(r, s, now_, view_).run();
    case kLevelFlowMinute:
        return CFlowMinDlg(r, s, now_, view_).run();
    default:
        return false;
    }
}

void CChartInteraction::pressButton(const Hit& hit) {
    chooseLevel(hit.level);
}

void CChartInteraction::followStripStem() {
    ChartViewState& state = view_->viewState();
    if (stripStem_ < 0) return;
    // Stems repeat after ten palaces: the later palace of a pair is marked.
    const ChartBlock& block = shownBlock();
    int palace = -1;
    for (int p = 0; p < 12; ++p)
        if (block.stemAt(p) == stripStem_) palace = p;
    state.flyingPalace = palace;
    state.flyingStemMode = true;
}

void CChartInteraction::pressStrip(int stem) {
    ChartViewState& state = view_->viewState();
    if (stem == stripStem_) {
        stripStem_ = -1;
        state.stripStem = -1;
        if (state.flyingStemMode && !cornerHeld_) {
            state.flyingStemMode = false;
            state.flyingPalace = -1;
        }
    } else {
        stripStem_ = stem;
        state.stripStem = stem;
        cornerHeld_ = false;
        followStripStem();
    }
    repaint();
}

void CChartInteraction::pressStar(const Hit& hit, Qt::MouseButton button) {
    const ChartBlock& block = shownBlock();
    if (button == Qt::RightButton) {
        ChartViewState& state = view_->viewState();
        state.linkedBit = FourHuaStarMask(hit.starNumber);
        state.linkMode = true;
        repaint();
        return;
    }
    StarClick click;
    click.block = &block;
    click.palacePosition = hit.palace;
    click.palaceNumber = block.nameAt(hit.palace);
    // The element beside the stem the dialog shows: the 納音 of the palace's stem and branch.
    click.palaceElement = PalaceElement(block, hit.palace);
    click.starNumber = hit.starNumber;
    if (hooks_.showStar) {
        hooks_.showStar(click);
        return;
    }
    ShowStarMessage(view_, *settings_, block, click.palaceNumber, click.palacePosition,
                    click.palaceElement, 1, 0, click.starNumber);
}

void CChartInteraction::pressStemCorner(int palace) {
    ChartViewState& state = view_->viewState();
    state.flyingPalace = palace;
    state.flyingStemMode = true;
    cornerHeld_ = true;
    stripStem_ = -1;
    state.stripStem = -1;
    repaint();
}

void CChartInteraction::pressPeriodLine(const Hit& hit) {
    ChartRecord& r = *record_;
    // A palace click names its period itself: the fixed chart parameters do not apply.
    AppSettings settings = *settings_;
    settings.UsePanParm = 0;
    const ChartRecord before = r;
    int level = r.shownLevel;
    switch (level) {
    case kLevelNatal:
    case kLevelTenYear:
        level = kLevelTenYear;
        r.tenYearPalace = static_cast<int16_t>(hit.palace);
        break;
    case kLevelFlowYear:
        r.flowLunarYear = static_cast<int16_t>(hit.value + r.lunarYear - 1);
        r.flowSolarYear = r.flowLunarYear;
        if (const int palace = findTenYearPalace(hit.value); palace >= 0)
            r.tenYearPalace = static_cast<int16_t>(palace);
        break;
    case kLevelFlowMonth:
        r.flowLunarMonth = static_cast<int16_t>(hit.value);
        r.flowIsLeap = 0;
        break;
    case kLevelFlowDay:
        r.flowLunarDay = static_cast<int16_t>(hit.value);
        break;
    case kLevelFlowHour:
        r.flowHour = static_cast<int16_t>(hit.value);
        r.hourIndex = r.flowHour;
        break;
    case kLevelFlowMinute:
        r.flowMinute = static_cast<int16_t>(hit.value);
        break;
    default:
        return;
    }
    // A date the calendar does not have is refused by the computation, which
    // then puts everything back.
    if (level >= kLevelFlowYear && level <= kLevelFlowDay) DeriveSolarFlowDate(r);
    r.shownLevel = static_cast<int16_t>(level);
    computeAndShow(level, settings, before);
}

void CChartInteraction::pressCentre(const Hit& hit) {
    ChartViewState& state = view_->viewState();
    switch (hit.kind) {
    case Hit::ClientLines:
        if (hooks_.modifyClient) hooks_.modifyClient();
        break;
    case Hit::DipperLine:
        state.dipperToggleOn = !state.dipperToggleOn;
        repaint();
        break;
    case Hit::LeftLogo:
    case Hit::RightLogo: {
        const QUrl url = hit.kind == Hit::LeftLogo ? LeftLogoUrl() : RightLogoUrl();
        if (hooks_.openUrl)
            hooks_.openUrl(url);
        else
            QDesktopServices::openUrl(url);
        break;
    }
    default:
        break;
    }
}

} // namespace zelk
