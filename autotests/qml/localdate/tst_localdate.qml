/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0
import "qrc:/qml/LocalDate.js" as LocalDate

TestCase {
    name: "LocalDate"

    // Runs in every zone of the harness; the rows name days with a change at or
    // near midnight somewhere, and ordinary days.
    function test_firstInstantOfDay_data() {
        return [
            { tag: "2018-11-04, midnight skipped in Sao Paulo", year: 2018, month: 10, day: 4 },
            { tag: "2019-02-17, midnight repeated in Sao Paulo", year: 2019, month: 1, day: 17 },
            { tag: "2026-03-29, Berlin springs forward at 02:00", year: 2026, month: 2, day: 29 },
            { tag: "2026-10-25, Berlin falls back at 03:00", year: 2026, month: 9, day: 25 },
            { tag: "2026-03-08, Havana springs forward at midnight", year: 2026, month: 2, day: 8 },
            { tag: "2018-11-04, Havana repeats its first hour", year: 2018, month: 10, day: 4 },
            { tag: "2026-03-29, Beirut springs forward at midnight", year: 2026, month: 2, day: 29 },
            { tag: "2026-10-04, Lord Howe springs forward half an hour", year: 2026, month: 9, day: 4 },
            { tag: "1970-01-01, first day of the range", year: 1970, month: 0, day: 1 },
            { tag: "2105-12-31, last day of the range", year: 2105, month: 11, day: 31 },
            { tag: "2024-02-29, a leap day", year: 2024, month: 1, day: 29 },
        ]
    }

    function test_firstInstantOfDay(data) {
        var first = LocalDate.date(data.year, data.month, data.day)
        compare(first.getFullYear(), data.year)
        compare(first.getMonth(), data.month)
        compare(first.getDate(), data.day)
        // No earlier instant of the same day exists: a minute before is the day before.
        var minuteBefore = new Date(first.getTime() - 60000)
        verify(minuteBefore.getDate() !== data.day,
               "a minute before " + first + " is still on day " + data.day)
    }

    function test_rollsOver_data() {
        return [
            { tag: "day 0 is the last day of the month before", args: [2024, 2, 0], expected: [2024, 1, 29] },
            { tag: "month 12 is January of the next year", args: [2025, 12, 1], expected: [2026, 0, 1] },
            { tag: "day 32 of January is 1 February", args: [2026, 0, 32], expected: [2026, 1, 1] },
            { tag: "month -1 is December of the year before", args: [2026, -1, 31], expected: [2025, 11, 31] },
        ]
    }

    function test_rollsOver(data) {
        var result = LocalDate.date(data.args[0], data.args[1], data.args[2])
        compare([result.getFullYear(), result.getMonth(), result.getDate()], data.expected)
    }

    function test_yearBelowHundred() {
        var result = LocalDate.date(42, 5, 15)
        compare(result.getFullYear(), 42)
        compare(result.getMonth(), 5)
        compare(result.getDate(), 15)
    }

    function test_daysInMonth_data() {
        return [
            { tag: "January", year: 2026, month: 0, days: 31 },
            { tag: "February of a common year", year: 2023, month: 1, days: 28 },
            { tag: "February of a leap year", year: 2024, month: 1, days: 29 },
            { tag: "February 2100 is not leap", year: 2100, month: 1, days: 28 },
            { tag: "February 2000 is leap", year: 2000, month: 1, days: 29 },
            { tag: "April", year: 2026, month: 3, days: 30 },
            { tag: "November 2018, with a day-one gap in Sao Paulo", year: 2018, month: 10, days: 30 },
            { tag: "December", year: 2105, month: 11, days: 31 },
        ]
    }

    function test_daysInMonth(data) {
        compare(LocalDate.daysInMonth(data.year, data.month), data.days)
    }

    // Each day's first instant lies on that day, and the millisecond before it on an
    // earlier one, read through the engine's own local fields; a day the zone skipped
    // (Kiritimati, 31 December 1994) gives the first instant after it.
    function test_everyDayOfTheRange() {
        function dayKeyOf(instant) {
            return LocalDate.dayKey(instant.getFullYear(), instant.getMonth(), instant.getDate())
        }
        for (var year = 1970; year <= 2105; ++year) {
            for (var month = 0; month < 12; ++month) {
                for (var day = 1; day <= LocalDate.daysInMonth(year, month); ++day) {
                    var target = LocalDate.dayKey(year, month, day)
                    var first = LocalDate.date(year, month, day)
                    var firstDay = dayKeyOf(first)
                    var dayBefore = dayKeyOf(new Date(first.getTime() - 1))
                    if (firstDay < target || dayBefore >= target)
                        fail("first instant of " + year + "-" + (month + 1) + "-" + day + " is " + first)
                }
            }
        }
    }

    // The local fields read at one zone lookup agree with the engine's getters at and
    // around the first instant of days with changes, of days before 1900 (offsets in
    // seconds) and of a year below 100.
    function test_localDay_data() {
        return test_firstInstantOfDay_data().concat([
            { tag: "1890-06-15, local mean time", year: 1890, month: 5, day: 15 },
            { tag: "0042-06-15, a year below 100", year: 42, month: 5, day: 15 },
        ])
    }

    function test_localDay(data) {
        var first = LocalDate.date(data.year, data.month, data.day).getTime()
        var after = [-3600000, -1, 0, 1, 3600000, 12 * 3600000, 86400000 - 1]
        for (var i = 0; i < after.length; ++i) {
            var instant = new Date(first + after[i])
            compare(LocalDate.localDay(instant), { year: instant.getFullYear(), month: instant.getMonth(),
                                                   day: instant.getDate(), weekday: instant.getDay() },
                    "at " + after[i] + " ms from the first instant")
        }
    }
}
