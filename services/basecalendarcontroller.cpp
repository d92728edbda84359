/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "basecalendarcontroller.h"

namespace
{
constexpr qulonglong millisecondsInOneDay = 86400000;
constexpr qulonglong millisecondsInOneWeek = 7 * millisecondsInOneDay;

// Unsigned arithmetic wraps modulo 2^64; the result is read back as a signed count.
constexpr qlonglong asSigned(qulonglong value) noexcept
{
    return static_cast<qlonglong>(value);
}
}

BaseCalendarController::BaseCalendarController(QObject *parent)
    : QObject(parent)
{
}

qlonglong BaseCalendarController::getDateOneWeekAgo(qulonglong currentDate) noexcept
{
    return asSigned(currentDate - millisecondsInOneWeek);
}

qlonglong BaseCalendarController::getDateNextWeek(qulonglong currentDate) noexcept
{
    return asSigned(currentDate + millisecondsInOneWeek);
}

qlonglong BaseCalendarController::getDateOneDayAgo(qulonglong currentDate) noexcept
{
    return asSigned(currentDate - millisecondsInOneDay);
}

qlonglong BaseCalendarController::getDateNextDay(qulonglong currentDate) noexcept
{
    return asSigned(currentDate + millisecondsInOneDay);
}

qlonglong BaseCalendarController::getMilliSecondsInOneDay() noexcept
{
    return asSigned(millisecondsInOneDay);
}
