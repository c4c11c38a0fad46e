// Facts of a computed chart that the other layers ask for and must not work out
// for themselves: the painter, the star explanation, the command-line tool and
// printing all read them here, so they always agree with the engine.
#pragma once

#include "chart/chart_record.h"

namespace zelk {

// The 納音 element of a sexagenary pair: 0 水, 1 木, 2 金, 3 土, 4 火. The pairs go
// two by two through the cycle (甲子乙丑 金, 丙寅丁卯 火, 戊辰己巳 木, 庚午辛未 土 ...).
// -1 for a stem or branch outside 0-9 / 0-11, or a stem and branch of different
// parity (no such pair exists in the cycle).
int NayinElement(int stem, int branch);

// The element of a palace: the 納音 element of its own stem and branch. In a chart
// whose palaces carry the natal stems (本命, 十年) the base palace's element is
// therefore the element of the chart's 五行局. `position` 0 寅 .. 11 丑; -1 when
// the stem is not 0-9.
int PalaceElement(int stem, int position);
int PalaceElement(const ChartBlock& block, int position);

} // namespace zelk
