// The star columns of a palace: first-grade stars from the right edge leftwards
// with their brightness and transformation marks below them, the ring stars and
// special marks at the left, the second-grade stars in a lower row; and the
// opposite-palace marks inside the centre block.
#include "chart_paint_parts.h"

#include "chart/chart_engine.h"
#include "chart_artwork.h"
#include "chart_colours.h"
#include "four_hua_layers.h"
#include "view_text.h"

namespace zelk {

namespace {

constexpr uint32_t MarkBit(int k) {
    return 1u << (6 - k);
}

bool ValidStem(int stem) {
    return stem >= 0 && stem <= 9;
}

// The 大耗 of the 歲前 names by year branch 子 .. 亥 (a branch).
constexpr int kGreatWasteBranch[12] = {7, 6, 9, 8, 11, 10, 1, 0, 3, 2, 5, 4};

} // namespace

void ChartPainter::paintStarName(const QString& name, const QRect& columnRect,
                                 const QColor& colour) {
    // Two characters stand one above the other; longer names keep the first two.
    const int l = layout_.line;
    const QRect first(columnRect.x(), columnRect.y(), l, l);
    drawText(first, Qt::AlignRight | Qt::AlignVCenter, name.left(1), colour);
    if (name.size() > 1)
        drawText(first.translated(0, l), Qt::AlignRight | Qt::AlignVCenter, name.mid(1, 1), colour);
}

void ChartPainter::paintNumericGrade(uint8_t grade, const QRect& box, int palace) {
    const int digit = grade & 0x0F;
    if (digit == 0 || digit > 7) return;
    result_.brightnessDigits[palace].push_back({box, digit});
    drawText(box, Qt::AlignCenter, ViewText(652 + digit), colours::kRedMark);
    if (grade & 0x10) {
        p_.setPen(QPen(ink(colours::kRedMark), 1));
        p_.setBrush(Qt::NoBrush);
        p_.drawEllipse(box.adjusted(0, 0, -1, -1));
    }
}

void ChartPainter::paintBrightness(uint32_t bit, int palace, const QRect& col, int& nextLine) {
    if (!settings_.StarLevel || settings_.MiaoWangType == 2) return;
    const int l = layout_.line;
    if (settings_.MiaoWangType == 1) {
        // On the line under the name, where a text grade would stand.
        const QRect box(col.x(), col.y() + 2 * l, l, l);
        paintNumericGrade(NumericGrade(kGroupA, bit, BranchOfPosition(palace)), box, palace);
    } else {
        const int grade = TextGrade(bit, palace);
        if (grade >= 0 && grade <= 4)
            drawText(QRect(col.x(), col.y() + 2 * l, l, l), Qt::AlignRight | Qt::AlignVCenter,
                     ViewText(318 + grade), Qt::black);
    }
    nextLine = 3;
}

void ChartPainter::paintMark(int k, MarkStyle style, const QColor& layer, const QRect& box) {
    const QString letter = ViewText(230 + k);
    const QColor hua = colours::FourHua(k);
    p_.setBrush(Qt::NoBrush);
    const QRect frame = box.adjusted(0, 0, -1, -1);
    switch (style) {
    case MarkStyle::Plain:
        drawText(box, Qt::AlignCenter, letter, hua);
        return;
    case MarkStyle::Circle:
        p_.setPen(QPen(ink(layer), 1));
        p_.drawEllipse(frame);
        break;
    case MarkStyle::Square:
        p_.setPen(QPen(ink(layer), 1));
        p_.drawRect(frame);
        break;
    case MarkStyle::Rounded:
        p_.setPen(QPen(ink(layer), 1));
        p_.drawRoundedRect(frame, box.width() / 3.0, box.height() / 3.0);
        break;
    case MarkStyle::Filled:
        if (monochrome_) { // no fills on paper without colour: a black circle instead
            p_.setPen(QPen(Qt::black, 1));
            p_.drawEllipse(frame);
            drawText(box, Qt::AlignCenter, letter, Qt::black);
        } else {
            p_.fillRect(box, hua);
            drawText(box, Qt::AlignCenter, letter, Qt::white);
        }
        return;
    default:
        break;
    }
    drawText(box, Qt::AlignCenter, letter, layer);
}

void ChartPainter::paintFourHuaMarks(int palace, uint32_t bit, const QRect& col, int& nextLine) {
    const int l = layout_.line;
    const auto& table = FourHuaTableInForce(settings_);
    for (const auto& layer : HuaLayersOf(record_, settings_, result_.pillars, level_)) {
        if (!ValidStem(layer.stem)) continue;
        for (int k = 0; k < 4; ++k) {
            if (!(settings_.AStarMask & MarkBit(k)) || !(table[layer.stem][k] & bit)) continue;
            paintMark(k, layer.style, layer.colour, QRect(col.x(), col.y() + nextLine * l, l, l));
            ++nextLine;
            if (layer.addsToBlock) block_.groupA[palace] |= MarkBit(k);
        }
    }
    if (settings_.SelfHua && settings_.YearHuaBase != 3) {
        const int own = stemShownAt(palace);
        if (!ValidStem(own)) return;
        for (int k = 0; k < 4; ++k) {
            if (!(settings_.AStarMask & MarkBit(k)) || !(table[own][k] & bit)) continue;
            paintMark(k, MarkStyle::Filled, colours::FourHua(k),
                      QRect(col.x(), col.y() + nextLine * l, l, l));
            ++nextLine;
        }
    }
}

int ChartPainter::paintFirstGradeStars(int palace, const QRect& rect) {
    const int l = layout_.line;
    const uint32_t stars = block_.groupA[palace];
    const auto& table = FourHuaTableInForce(settings_);
    // Flying transformations of the chosen palace's stem colour the names they reach.
    int flyingStem = -1;
    if (state_.flyingStemMode && !printing_ && state_.flyingPalace >= 0 &&
        state_.flyingPalace <= 11)
        flyingStem = block_.stemAt(state_.flyingPalace);
    int columns = 0;
    for (int i = 0; i < 25; ++i) {
        const uint32_t bit = 1u << (31 - i);
        if (!(settings_.AStarMask & bit) || !(stars & bit)) continue;
        const QRect col = column(rect, columns, 0);
        const QRect nameRect(col.x(), col.y(), l, 2 * l);
        QColor nameColour = Qt::black;
        if (ValidStem(flyingStem)) {
            for (int k = 0; k < 4; ++k) {
                if (table[flyingStem][k] & bit) {
                    p_.fillRect(nameRect.adjusted(0, -1, 0, 0), colours::FourHua(k));
                    nameColour = Qt::white;
                    break;
                }
            }
        }
        paintStarName(ViewText(205 + i), nameRect, nameColour);
        result_.starNames[palace].push_back({bit, nameRect});
        int nextLine = 2;
        paintBrightness(bit, palace, col, nextLine);
        paintFourHuaMarks(palace, bit, col, nextLine);
        ++columns;
    }
    if (level_ >= 2) {
        const uint32_t flags = block_.groupC[palace];
        const std::pair<uint32_t, int> flowStars[] = {{StarC::FlowChang, 606},
                                                      {StarC::FlowLu, 585},
                                                      {StarC::FlowYang, 586},
                                                      {StarC::FlowTuo, 587}};
        for (const auto& [flag, id] : flowStars) {
            if (!(flags & flag)) continue;
            paintStarName(ViewText(id), column(rect, columns, 0), colours::kFlowStar);
            ++columns;
        }
    }
    return columns;
}

void ChartPainter::paintLeftColumns(int palace, const QRect& rect) {
    const int suaNames = settings_.SuaStarNameType;
    auto ring = [&](int kind, int index) {
        return ViewText(RingMemberName(kind, index, suaNames));
    };
    if (settings_.DOCTORSTAR)
        paintStarName(ring(kRingDoctor, block_.doctorRing[palace]), leftColumn(rect, 0, 0),
                      Qt::black);
    if (settings_.LIFESTAR)
        paintStarName(ring(kRingLongLife, block_.longLifeRing[palace]), leftColumn(rect, 1, 0),
                      Qt::black);
    if (settings_.FLOWCHUNGSTAR)
        paintStarName(ring(kRingGeneralFront, block_.generalFrontRing[palace]),
                      leftColumn(rect, 0, 3), Qt::black);
    if (settings_.FLOWAGESTAR) {
        const int index = block_.yearFrontRing[palace];
        const QColor colour =
            index == 0 && settings_.YearHuaBase == 3 ? colours::kFlowStar : QColor(Qt::black);
        paintStarName(ring(kRingYearFront, index), leftColumn(rect, 1, 3), colour);
    }
    const uint32_t flags = block_.groupC[palace];
    int next = 2;
    if (flags & StarC::LaiYin)
        paintStarName(ViewText(578), leftColumn(rect, next++, 3), colours::kRedMark);
    if (flags & StarC::YeZhang)
        paintStarName(ViewText(579), leftColumn(rect, next, 3), colours::kRedMark);
    if (settings_.Star7Display && state_.dipperToggleOn && !printing_) {
        // A dashed frame tells the 七星 name from the stars that stand in the palace.
        const QRect col = leftColumn(rect, 5, 3);
        const QRect names(col.x(), col.y(), col.width(), 2 * col.height());
        PaintDipperFrame(p_, names.adjusted(-1, -1, 1, 1));
        paintStarName(ViewText(LifeMasterStringId(palace)), col, colours::kRedMark);
        result_.dipperNames[palace] = names;
    }
}

void ChartPainter::paintSecondGradeRow(int palace, const QRect& rect) {
    const int l = layout_.line;
    const bool numbers = settings_.StarLevel && settings_.MiaoWangType == 1;
    // With brightness digits the row starts half a line higher and each digit
    // stands under its name, on a line of its own, so no digit covers a name.
    QRect row = rect.adjusted(0, numbers ? 5 * l : 5 * l + l / 2, 0, 0);
    const int rowStep = numbers ? 3 * l : 2 * l;
    const int branch = BranchOfPosition(palace);
    int columns = 0;
    auto put = [&](const QString& name, const QColor& colour, int group, uint32_t mask) {
        QRect col = column(row, columns, 0);
        if (col.x() < rect.x() && columns > 0) {
            // A row that would run into the next palace continues below.
            row.translate(0, rowStep);
            columns = 0;
            col = column(row, columns, 0);
        }
        ++columns;
        paintStarName(name, col, colour);
        if (numbers && group != 0)
            paintNumericGrade(NumericGrade(group, mask, branch),
                              QRect(col.x(), col.y() + 2 * l, l, l), palace);
    };
    const uint32_t stars = block_.groupB[palace];
    for (int j = 0; j < 32; ++j) {
        const uint32_t bit = 1u << (31 - j);
        if ((settings_.BStarMask & bit) && (stars & bit))
            put(ViewText(StarNameB(bit, settings_.FourHuaType)), Qt::black, kGroupB, bit);
    }
    const int name = block_.nameAt(palace);
    if (name == 8 && (settings_.BStarMask2 & 0x8000))
        put(ViewText(291), Qt::black, kGroupPalaceBound, kTianShang);
    if (name == 6 && (settings_.BStarMask2 & 0x4000))
        put(ViewText(292), Qt::black, kGroupPalaceBound, kTianShi);
    const uint32_t flags = block_.groupC[palace];
    if (flags & StarC::TianChu) put(ViewText(548), Qt::black, 0, 0);
    if (level_ >= 2) {
        if (flags & StarC::FlowMa) put(ViewText(588), colours::kFlowStar, 0, 0);
        if (flags & StarC::FlowLuan) put(ViewText(605), colours::kFlowStar, 0, 0);
    }
    if (settings_.SuaStarNameType == 1) {
        const int yearBranch = Mod(record_.yearBranch, 12);
        if (palace == PositionOfBranch(kGreatWasteBranch[yearBranch]))
            put(ViewText(334), Qt::black, 0, 0);
        const int general = record_.natalChart.generalFrontRing[palace];
        if (!settings_.FLOWCHUNGSTAR && (general == 4 || general == 5 || general == 9))
            put(ViewText(349 + general), Qt::black, 0, 0);
    }
    if (level_ >= 2) {
        int douJun = -1;
        int id = 589;
        const int hour = record_.placementHour == 12 ? 0 : record_.placementHour;
        switch (settings_.GodBase) {
        case 2:
            douJun = PositionOfBranch(record_.douJunBranch);
            break;
        case 1:
            // The flow year's 斗君 counted as a branch (b + h - m + 1), as a position.
            douJun = Mod(result_.pillars.yearBranch + hour - record_.lunarMonth - 1, 12);
            break;
        default:
            douJun = PositionOfBranch(record_.ziYearDouJun);
            id = 590;
            break;
        }
        if (palace == douJun) put(ViewText(id), colours::kRedMark, 0, 0);
    }
}

void ChartPainter::paintPalaceColumns(int palace, const QRect& rect) {
    p_.setFont(palaceFont_);
    paintLeftColumns(palace, rect);
    paintFirstGradeStars(palace, rect);
    paintSecondGradeRow(palace, rect);
}

void ChartPainter::paintOppositeMarks() {
    const int c = layout_.cell;
    const int l = layout_.line;
    const auto& table = FourHuaTableInForce(settings_);
    p_.setFont(palaceFont_);
    for (int q = 0; q < 12; ++q) {
        const int p = Mod(q + 6, 12);
        const int stem = stemShownAt(q);
        if (!ValidStem(stem)) continue;
        const uint32_t stars = block_.groupA[p] & settings_.AStarMask & 0xFFFFFF80u;
        // The box sits inside the centre block against the edge q touches, in the
        // inner corner for the corner palaces.
        const QPoint cell = GridCellOfPalace(q);
        const int near = c + 1;
        const int far = 3 * c - 2 * l - 1;
        int x = c / 2 + cell.x() * c - l;
        int y = c / 2 + cell.y() * c - l;
        if (cell.x() == 0) x = near;
        if (cell.x() == 3) x = far;
        if (cell.y() == 0) y = near;
        if (cell.y() == 3) y = far;
        for (int k = 0; k < 4; ++k) {
            if (!(settings_.AStarMask & MarkBit(k)) || !(table[stem][k] & stars)) continue;
            const QRect quarter(x + (k % 2) * l, y + (k / 2) * l, l, l);
            drawText(quarter, Qt::AlignCenter, ViewText(230 + k), colours::FourHua(k));
        }
    }
}

} // namespace zelk
