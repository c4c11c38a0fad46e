#include "four_hua_text.h"

namespace zelk {

namespace {
constexpr int kEmptyCellNumber = 32;

int DigitValue(QChar c) {
    return (c >= u'0' && c <= u'9') ? c.unicode() - u'0' : -1;
}
} // namespace

QString FormatFourHuaText(const FourHuaTable& table) {
    QString text;
    text.reserve(kFourHuaTextLength);
    for (const auto& row : table) {
        for (uint32_t mask : row) {
            const int n = FourHuaStarNumber(mask); // -1 for an empty cell
            text += QStringLiteral("%1").arg(n < 0 ? kEmptyCellNumber : n, 2, 10, QLatin1Char('0'));
        }
    }
    return text;
}

std::optional<FourHuaTable> ParseFourHuaText(const QString& text) {
    if (text.size() != kFourHuaTextLength) return std::nullopt;
    FourHuaTable table{};
    for (int cell = 0; cell < 40; ++cell) {
        const int hi = DigitValue(text[2 * cell]), lo = DigitValue(text[2 * cell + 1]);
        const int v = (hi < 0 || lo < 0) ? -1 : hi * 10 + lo;
        // FourHuaStarMask gives bit (31 - v) for 0..31 and 0 (empty) for anything else.
        table[cell / 4][cell % 4] = FourHuaStarMask(v);
    }
    return table;
}

const FourHuaTable& FourHuaPresetFor(int fourHuaType) {
    if (fourHuaType >= 0 && fourHuaType < static_cast<int>(kFourHuaPresetTable.size()))
        return kFourHuaPresetTable[static_cast<std::size_t>(fourHuaType)];
    return kDefaultFourHuaTable;
}

} // namespace zelk
