/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef CIVILCALENDAR_H
#define CIVILCALENDAR_H

#include <QtGlobal>

// The proleptic Gregorian calendar counted without QDate, for the tests to check against.
namespace CivilCalendar
{
// Days are counted from 1970-01-01 in the proleptic Gregorian calendar.
constexpr qint64 daysFromCivil(qint64 year, int month, int day)
{
    year -= month <= 2;
    const qint64 era = (year >= 0 ? year : year - 399) / 400;
    const qint64 yearOfEra = year - era * 400;
    const qint64 dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const qint64 dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Year, month 1-12 and day of a day counted from 1970-01-01.
struct Day {
    int year;
    int month;
    int day;
};

constexpr Day civilFromDays(qint64 days)
{
    days += 719468;
    const qint64 era = (days >= 0 ? days : days - 146096) / 146097;
    const qint64 dayOfEra = days - era * 146097;
    const qint64 yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 monthIndex = (5 * dayOfYear + 2) / 153;
    const int month = int(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    return {int(yearOfEra + era * 400 + (month <= 2 ? 1 : 0)), month, int(dayOfYear - (153 * monthIndex + 2) / 5 + 1)};
}

constexpr qint64 yearOfDay(qint64 days)
{
    return civilFromDays(days).year;
}

// Monday 0 ... Sunday 6; 1970-01-01 was a Thursday.
constexpr int mondayBasedWeekday(qint64 days)
{
    return int(((days + 3) % 7 + 7) % 7);
}

// The week holding a day is numbered in the year of that week's Thursday.
constexpr int isoWeek(qint64 days)
{
    const qint64 thursday = days - mondayBasedWeekday(days) + 3;
    return int((thursday - daysFromCivil(yearOfDay(thursday), 1, 1)) / 7 + 1);
}

constexpr bool isLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int isoWeeksInYear(int year)
{
    // 53 weeks when the year begins on a Thursday, or on a Wednesday in a leap year.
    const int firstDay = mondayBasedWeekday(daysFromCivil(year, 1, 1));
    return firstDay == 3 || (firstDay == 2 && isLeap(year)) ? 53 : 52;
}

constexpr int daysInMonth(int year, int month)
{
    constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : lengths[month - 1];
}
}

#endif
