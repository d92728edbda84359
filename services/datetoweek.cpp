/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "datetoweek.h"

#include "isoweek.h"

DateToWeek::DateToWeek(QObject *parent)
    : QObject(parent)
{
}

int DateToWeek::convert(int year, int month, int day) noexcept
{
    // Checked before month + 1 is formed, which would overflow for INT_MAX.
    if (month < 0 || month > 11) {
        return 0;
    }
    return IsoWeek::numberOf(year, month + 1, day);
}
