#include "chart_interaction.h"

#include "calendar/lunar_calendar.h"
#include "chart/chart_facts.h"
#include "chart_artwork.h"
#include "chart_layout.h"
#include "four_hua_layers.h"
#include "interpret/explanation_cache.h"
#include "period_line.h"
#include "period_pickers.h"
#include "settings/string_table.h"
#include "star_message_dlg.h"
#include "view_text.h"
#include "zelk_view_widget.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QMouseEvent>
#include <QToolTip>

#include <cstdlib>

namespace zelk {

QUrl LeftLogoUrl() {
    return QUrl(QStringLiteral("https://zelk.example.org/"));
}
QUrl RightLogoUrl() {
    return QUrl(QStringLiteral("https://zelk.example.org/docs/reading-a-chart"));
}

namespace {

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
        RightLogo,
        DipperName,     // tooltip only
        Legend,         // tooltip only
        BrightnessDigit // tooltip only
    };
    Kind kind = Nothing;
    int level = -1;  // LevelButton
    int stem = -1;   // StripCell
    int palace = -1; // StarName, StemCorner, PeriodLine
    int starNumber = -1;
    int value = -1; // PeriodLine: the age, month, day, hour or slot under the point
    bool rightOnly = false;
    bool inert = false; // shown, but a press does nothing
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
        if (mouse->button() == Qt::RightButton) releaseRight();
        // The press acted already; the release of either button is done with here.
        return mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton;
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
    case QEvent::ToolTip: {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = toolTipAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, viewport_);
        }
        return true;
    }
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
    if (hit.inert || (button == Qt::LeftButton && hit.rightOnly)) return;
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
    case Hit::DipperName:
    case Hit::Legend:
    case Hit::BrightnessDigit:
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
    const Hit hit = hitAt(viewportPoint);
    const Hit::Kind kind = hit.kind;
    return !hit.inert && kind != Hit::Nothing && kind != Hit::DipperName && kind != Hit::Legend &&
           kind != Hit::BrightnessDigit;
}

void CChartInteraction::repaint() {
    view_->chartChanged();
}

// ---------------------------------------------------------------------------
// Hit tests

const ChartBlock& CChartInteraction::shownBlock() const {
    const ChartViewState& state = view_->viewState();
    if (state.block) return *state.block;
    return record_->shownLevel <= 0 ? record_->natalChart : record_->periodChart;
}

CChartInteraction::Hit CChartInteraction::hitAt(QPoint viewportPoint) const {
    Hit hit;
    const ChartLayout& layout = view_->layout();
    const ChartPaintResult& paint = view_->lastPaint();
    const ChartButtonAreas& buttons = view_->lastButtons();
    const QPoint point = view_->canvasPoint(viewportPoint);

    // The buttons and the strip's cells answer exactly where they were drawn.
    for (int i = 0; i < kLevelCount; ++i) {
        if (!buttons.levels[std::size_t(i)].contains(point)) continue;
        hit.kind = Hit::LevelButton;
        hit.level = i;
        // 本命盤 does nothing while the natal chart is shown (its tooltip still speaks).
        hit.inert = i == 0 && record_->shownLevel == 0;
        return hit;
    }
    for (int stem = 0; stem < 10; ++stem) {
        if (!buttons.stems[std::size_t(stem)].contains(point)) continue;
        hit.kind = Hit::StripCell;
        hit.stem = stem;
        return hit;
    }
    if (buttons.brightnessLegend.contains(point) || buttons.dipperLegend.contains(point)) {
        hit.kind = Hit::Legend;
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
    // The period line answers on the text the painter drew, each piece with
    // what it chooses (the day numbers of a flow-day palace one by one).
    for (const PeriodHitArea& area : paint.periodValues[std::size_t(palace)]) {
        if (area.rect.contains(chart)) {
            hit.kind = Hit::PeriodLine;
            hit.value = area.value;
            return hit;
        }
    }
    if (paint.stemCorners[std::size_t(palace)].contains(chart)) {
        hit.kind = Hit::StemCorner;
        hit.rightOnly = true;
        return hit;
    }
    if (paint.dipperNames[std::size_t(palace)].contains(chart)) hit.kind = Hit::DipperName;
    for (const auto& digit : paint.brightnessDigits[std::size_t(palace)]) {
        if (digit.rect.contains(chart)) {
            hit.kind = Hit::BrightnessDigit;
            hit.value = digit.digit;
        }
    }
    return hit;
}

// ---------------------------------------------------------------------------
// Tooltips

namespace {

QString StarNameText(int starNumber) {
    return ViewText(205 + starNumber);
}

QString LevelButtonTip(int level, bool fixed) {
    static const char16_t* const kChoose[7] = {u"回到本命盤", u"選擇十年大運", u"選擇流年",
                                               u"選擇流月",   u"選擇流日",     u"選擇流時",
                                               u"選擇流分"};
    QString caption = ViewText(506 + level);
    caption = caption.left(caption.indexOf(QLatin1Char(':'))).trimmed();
    // With fixed chart parameters levels 1-5 take the base date without a picker.
    const QString what = fixed && level >= 1 && level <= 5 ? QStringLiteral("依排盤參數的基準日期")
                                                           : QString::fromUtf16(kChoose[level]);
    return caption + QStringLiteral("：") + what;
}

QString BrightnessLegendTip() {
    QString text = QStringLiteral("亮度數字：");
    for (int digit = 1; digit <= 7; ++digit)
        text += (digit > 1 ? QStringLiteral("　") : QString()) + ViewText(652 + digit) +
                NumericGradeName(digit);
    return text;
}

QString DipperTip() {
    return QStringLiteral("七星：依各宮地支所配的星名（虛框標示），不是坐在宮中的星曜");
}

} // namespace

QString CChartInteraction::toolTipAt(QPoint viewportPoint) const {
    if (!record_ || !settings_ || record_->shownLevel < 0) return {};
    const Hit hit = hitAt(viewportPoint);
    const ChartRecord& r = *record_;
    const AppSettings& s = *settings_;
    switch (hit.kind) {
    case Hit::LevelButton: {
        QString tip = hit.inert ? QStringLiteral("本命盤：目前顯示本命盤")
                                : LevelButtonTip(hit.level, s.UsePanParm != 0);
        if (hit.level == r.shownLevel)
            tip +=
                QLatin1Char('\n') + FourHuaCaption(r, s, view_->lastPaint().pillars, r.shownLevel);
        return tip;
    }
    case Hit::StripCell: {
        // Which stars the stem transforms, by the table in force.
        const auto& table = FourHuaTableInForce(s);
        QStringList parts;
        for (int k = 0; k < 4; ++k) {
            const int star = FourHuaStarNumber(table[hit.stem][k]);
            if (star >= 0 && star < kFourHuaStarCount)
                parts << StarNameText(star) + QStringLiteral("化") + ViewText(230 + k);
        }
        const QString stem = ViewText(135 + hit.stem);
        QString tip = stem + QStringLiteral("干四化：") + parts.join(QStringLiteral("、"));
        tip += hit.stem == stripStem_
                   ? QStringLiteral("\n再按一次取消標示")
                   : QStringLiteral("\n按一下標示") + stem + QStringLiteral("干所在宮的四化飛星");
        return tip;
    }
    case Hit::StarName: {
        const uint32_t bit = FourHuaStarMask(hit.starNumber);
        const ChartBlock& block = shownBlock();
        QString tip = StarNameText(hit.starNumber);
        const int element = ElementOfGroupA(block.groupA, hit.palace, bit);
        if (element >= 0) tip += QStringLiteral("　五行 ") + ViewText(ElementStringId(element));
        if (s.StarLevel && s.MiaoWangType == 0) {
            const int grade = TextGrade(bit, hit.palace);
            if (grade >= 0) tip += QStringLiteral("　亮度 ") + ViewText(318 + grade);
        } else if (s.StarLevel && s.MiaoWangType == 1) {
            const int digit = NumericGrade(kGroupA, bit, BranchOfPosition(hit.palace)) & 0x0F;
            if (digit > 0)
                tip += QStringLiteral("　亮度 ") + ViewText(652 + digit) + QLatin1Char(' ') +
                       NumericGradeName(digit);
        }
        return tip + QStringLiteral("\n左鍵：星性說明　按住右鍵：標示化此星的宮干");
    }
    case Hit::StemCorner:
        return QStringLiteral("按住右鍵：標示此宮宮干的四化飛星");
    case Hit::PeriodLine:
        switch (r.shownLevel) {
        case kLevelNatal:
        case kLevelTenYear: {
            const int a = r.decadeFirstAge[std::size_t(Mod(hit.value, 12))];
            return QStringLiteral("看此宮的十年盤（%1 -- %2 歲）").arg(a).arg(a + 9);
        }
        case kLevelFlowYear:
            return QStringLiteral("看 %1 歲的流年（農曆 %2 年）")
                .arg(hit.value)
                .arg(hit.value + r.lunarYear - 1);
        case kLevelFlowMonth:
            return QStringLiteral("看流月：%1 月").arg(hit.value);
        case kLevelFlowDay:
            return QStringLiteral("看流日：%1 日").arg(hit.value);
        case kLevelFlowHour:
            return QStringLiteral("看流時：") + ViewText(145 + Mod(hit.value, 12)) + ViewText(174);
        default:
            return QStringLiteral("看流分：") +
                   MinuteSlotText(std::clamp<int>(r.flowHour, 0, 12), hit.value).simplified();
        }
    case Hit::ClientLines:
        return QStringLiteral("按一下修改個人資料");
    case Hit::DipperLine:
        return QStringLiteral("按一下顯示或隱藏七星");
    case Hit::DipperName:
        return DipperTip();
    case Hit::Legend:
        return view_->lastButtons().brightnessLegend.contains(view_->canvasPoint(viewportPoint))
                   ? BrightnessLegendTip()
                   : DipperTip();
    case Hit::BrightnessDigit:
        return QStringLiteral("亮度 ") + ViewText(652 + hit.value) + QLatin1Char(' ') +
               NumericGradeName(hit.value);
    case Hit::LeftLogo:
        return LeftLogoUrl().toString();
    case Hit::RightLogo:
        return RightLogoUrl().toString();
    case Hit::Nothing:
        break;
    }
    return {};
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
    chosen_[std::size_t(level)] = true;
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
    // A picker opens on what was chosen last in this window, else on the present.
    const PickerOpensOn opensOn =
        chosen_[std::size_t(level)] ? PickerOpensOn::LastChoice : PickerOpensOn::Present;
    switch (level) {
    case kLevelTenYear: {
        int step = 0;
        if (fixed) {
            const int baseYear = s.TimeBase == 2 ? s.BaseYear : now_.lunar.year;
            const int age = baseYear - r.lunarYear + 1;
            if (age < r.bureau) return false; // no ten-year period has begun
            step = Mod((age - r.bureau) / 10, 12);
        } else {
            CTenYearDlg dialog(r, s, now_, view_, opensOn);
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
            CFlowYearDlg dialog(r, s, now_, view_, opensOn);
            if (!dialog.run() || dialog.chosenYear() == 0) return false;
            age = dialog.chosenYear() - r.lunarYear + 1;
        }
        if (const int palace = findTenYearPalace(age); palace >= 0)
            r.tenYearPalace = static_cast<int16_t>(palace);
        return true;
    }
    case kLevelFlowMonth:
        if (fixed) return true;
        return CFlowMonthDlg(r, s, now_, view_, opensOn).run();
    case kLevelFlowDay:
        if (fixed) return true;
        return CFlowDateDlg(r, s, now_, view_, opensOn).run();
    case kLevelFlowHour:
        if (fixed) return true;
        return CFlowTimeDlg(r, s, now_, view_, opensOn).run();
    case kLevelFlowMinute:
        return CFlowMinDlg(r, s, now_, view_, opensOn).run();
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
