/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "numberofweeks.h"

#include "isoweek.h"

NumberOfWeeks::NumberOfWeeks(QObject *parent)
    : QObject(parent)
{
}

int NumberOfWeeks::get(int year) noexcept
{
    const int lastWeek = IsoWeek::numberOf(year, 12, 31);
    if (lastWeek != 1) {
        return lastWeek;
    }
    // 31 December already lies in week 1 of the next year; a week earlier it cannot.
    return IsoWeek::numberOf(year, 12, 24);
}
