// Longitudes and latitudes as people type them.
//
// Accepted: decimal degrees ("121.5", "-74"), degrees-minutes(-seconds) with
// marks ("121°30'", "121°30′15″", "121度30分", "121度30分15秒", "121°30" with the
// minutes unmarked), a hemisphere before or after the number ("E121.5",
// "121.5E", "74W", "東經121.5", "西經74", "北緯25.03", "南緯33.9", also 東/西/北/南
// alone), full-width digits and marks, blanks anywhere. East and north are
// positive. Only the last component may have decimals; minutes and seconds are
// below 60. A sign together with a hemisphere, a hemisphere of the other axis
// or a value beyond ±180° (±90° for a latitude) is refused with a message.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace zelk {

struct AngleResult {
    std::optional<double> degrees; // east / north positive
    QString error;                 // Traditional Chinese; empty when `degrees` holds a value
    bool blank = false;            // the text was empty or only blanks (also an error)
    explicit operator bool() const { return degrees.has_value(); }
};

AngleResult ParseLongitude(QStringView text);
AngleResult ParseLatitude(QStringView text);

// "121.5000" style text that both parsers read back to the same value (four
// decimals, about 10 m), for writing a value into a record's text field.
QString FormatAngle(double degrees);

} // namespace zelk
