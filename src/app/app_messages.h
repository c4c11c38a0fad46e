// Texts of the desktop program's own reports, beyond the numbered strings: the
// database held by another running program, and a chart whose client moved.
#pragma once

#include <QString>

namespace zelk {

// Shown when the database is already open in another running program.
QString DatabaseInUseText(const QString& path);
// Shown when a change is refused because the database is open read-only.
QString ReadOnlyRefusalText(const QString& path);
// Shown when a modified client's record is no longer where the chart expects it.
QString ClientMovedText();

} // namespace zelk
