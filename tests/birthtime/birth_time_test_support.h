// Helpers shared by the birth-time tests.
#pragma once

#include "birth_time.h"

#include <gtest/gtest.h>

#include <string>

namespace zelk::test {

inline LocalDateTime At(int year, int month, int day, int hour, int minute) {
    return {year, month, day, hour, minute};
}

inline std::string Text(const LocalDateTime& t) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute);
    return buffer;
}

// Corrects a birth time and fails the test when it is refused.
inline BirthTime Corrected(const char* zone, const LocalDateTime& clock,
                           BirthTimeRule rule = BirthTimeRule::Standard,
                           std::optional<double> longitude = std::nullopt, int warnMinutes = 10,
                           const SolarTermTable* terms = nullptr) {
    BirthTimeInput in;
    in.clock = clock;
    in.zone = QString::fromLatin1(zone);
    in.rule = rule;
    in.longitude = longitude;
    in.warnMinutes = warnMinutes;
    in.solarTerms = terms;
    BirthTimeResult r = CorrectBirthTime(in);
    EXPECT_TRUE(r) << zone << " " << Text(clock) << ": " << r.error.toStdString();
    return r ? *r.value : BirthTime{};
}

} // namespace zelk::test
