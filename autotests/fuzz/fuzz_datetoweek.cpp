/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// DateToWeek::convert on any three integers: 0 exactly for dates that do not exist,
// otherwise the ISO week worked out from the day of the year and the weekday.

#include "datetoweek.h"
#include "fuzzing.h"

#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const int year = input.take<int>();
    const int month = input.take<int>();
    const int day = input.take<int>();

    const int week = DateToWeek::convert(year, month, day);
    // The years at the ends of int count as not existing: their edge weeks belong to
    // week-years that int cannot hold.
    const bool edgeYear = year == std::numeric_limits<int>::min() || year == std::numeric_limits<int>::max();
    const bool exists = month >= 0 && month <= 11 && !edgeYear && QDate::isValid(year, month + 1, day);
    if (!exists) {
        require(week == 0, "a date that does not exist is in week 0");
        return 0;
    }

    const QDate date(year, month + 1, day);
    const int weeksThisYear = isoWeeksIn(year);
    // Weeks counted as if the year's week 1 held this year's first Thursday; days before
    // it lie in the last week of the previous year, days after the last week in week 1.
    const int counted = (date.dayOfYear() - date.dayOfWeek() + 10) / 7;
    int expected = counted;
    if (counted < 1) {
        const int previousYear = year == 1 ? -1 : year - 1; // there is no year 0
        expected = isoWeeksIn(previousYear);
    } else if (counted > weeksThisYear) {
        expected = 1;
    }
    require(week == expected, "the week number is the ISO 8601 week");
    return 0;
}
