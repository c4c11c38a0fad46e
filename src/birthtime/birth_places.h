// A small table of birthplaces: Taiwan's counties and cities, the capitals of
// China's provinces, Hong Kong, Macau, Singapore, Kuala Lumpur and a few dozen
// cities abroad where clients are often born. Each gives the IANA time zone and
// the coordinates of the city (for a county, of its seat), rounded to 0.01°
// (about a kilometre, 2.4 s of solar time) from public gazetteers.
//
// All of mainland China keeps Beijing time, so its places carry Asia/Shanghai
// (births in Ürümqi and Lhasa are registered in Beijing time, whatever local
// custom says).
#pragma once

#include <QString>
#include <QStringView>

#include <span>

namespace zelk {

struct BirthPlace {
    const char16_t* name;    // the full name shown, e.g. 臺北市
    const char16_t* aliases; // other spellings and short forms, '|' between them
    const char* zone;        // IANA time zone id
    double latitude;         // degrees north
    double longitude;        // degrees east
};

std::span<const BirthPlace> BirthPlaces();

// The place that a 出生地 text names, or nullptr. The text may hold more than
// the place ("台灣台北市大安區", "Vancouver, BC"): a whole-text match wins, then
// the longest name found inside it, then the earliest. 台 and 臺 are the same
// character here; Latin names match as whole words without regard to case;
// full-width letters count as their ASCII twins.
const BirthPlace* FindBirthPlace(QStringView text);

} // namespace zelk
