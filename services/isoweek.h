/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef ISOWEEK_H
#define ISOWEEK_H

#include <QDate>

#include <limits>

namespace IsoWeek
{
/**
 * ISO 8601 week number of a date (month 1 to 12), or 0 when the date does not exist.
 *
 * The two years at the ends of int count as not existing: their first or last
 * week may belong to a week-year that int cannot hold.
 */
inline int numberOf(int year, int month, int day) noexcept
{
    if (year == std::numeric_limits<int>::min() || year == std::numeric_limits<int>::max()) {
        return 0;
    }
    return QDate(year, month, day).weekNumber();
}
}

#endif
