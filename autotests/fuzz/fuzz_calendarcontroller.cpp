/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// The controller's four steps on any instant, including the two's-complement form of
// instants before 1970 and the ends of the 64-bit range.

#include "basecalendarcontroller.h"
#include "fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const qulonglong instant = input.take<qulonglong>();
    const qlonglong day = BaseCalendarController::getMilliSecondsInOneDay();
    require(day == 86400000, "a day has 86400000 ms");

    const qlonglong nextDay = BaseCalendarController::getDateNextDay(instant);
    const qlonglong dayAgo = BaseCalendarController::getDateOneDayAgo(instant);
    require(BaseCalendarController::getDateOneDayAgo(qulonglong(nextDay)) == qlonglong(instant), "a day on and back is where it started");
    require(BaseCalendarController::getDateNextDay(qulonglong(dayAgo)) == qlonglong(instant), "a day back and on is where it started");

    // Seven day steps make one week step, in both directions.
    qulonglong forward = instant;
    qulonglong backward = instant;
    for (int i = 0; i < 7; ++i) {
        forward = qulonglong(BaseCalendarController::getDateNextDay(forward));
        backward = qulonglong(BaseCalendarController::getDateOneDayAgo(backward));
    }
    require(qlonglong(forward) == BaseCalendarController::getDateNextWeek(instant), "seven days on are a week on");
    require(qlonglong(backward) == BaseCalendarController::getDateOneWeekAgo(instant), "seven days back are a week back");
    return 0;
}
