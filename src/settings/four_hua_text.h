// The stored form of the user's four-transformation table (UserDefinedFourHuaData):
// exactly 80 characters, forty two-digit numbers row by row for the stems 甲..癸,
// each row 祿 權 科 忌. A cell holding the star with FourHuaStarNumber n is written
// "%02d" of n; an empty cell is written "32".
#pragma once

#include "four_hua_tables.h"

#include <QString>

#include <optional>

namespace zelk {

inline constexpr int kFourHuaTextLength = 80;

QString FormatFourHuaText(const FourHuaTable& table);

// nullopt unless the text is exactly 80 characters. A group that is not two
// decimal digits from 00 to 31 gives an empty cell ("32", "99", " 5", "ab").
std::optional<FourHuaTable> ParseFourHuaText(const QString& text);

// The table for a FourHuaType value: 0, 1, 2 that method's preset, any other
// value the default table.
const FourHuaTable& FourHuaPresetFor(int fourHuaType);

} // namespace zelk
