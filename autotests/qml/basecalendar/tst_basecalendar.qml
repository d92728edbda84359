/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0
import "qrc:/qml/LocalDate.js" as LocalDate
import "CalendarTest.js" as CalendarTest

// The month grid as its panel and a user drive it: the panel's calls, pointer and
// wheel events on the cells, arrow keys on the focused cell. Every request must
// leave as updateAll() and nothing else may change.
Item {
    id: window

    width: 462
    height: 336

    // Stands for the panel: receives the keys and wheel events that the grid lets
    // travel on.
    Item {
        id: panel

        property var keys: []
        property int wheels: 0

        anchors.fill: parent
        Keys.onPressed: keys.push(event.key)

        MouseArea {
            anchors.fill: parent
            onWheel: ++panel.wheels
        }
    }

    SystemPalette {
        id: palette
    }

    SignalSpy {
        id: proposals

        signalName: "updateAll"
    }

    TestCase {
        id: testCase

        name: "BaseCalendar"
        when: windowShown

        function createCalendar(date, properties) {
            var calendar = CalendarTest.create(testCase, panel, date, properties)
            proposals.target = calendar
            proposals.clear()
            panel.keys = []
            panel.wheels = 0
            return calendar
        }

        function compareProposal(expected) {
            compare(proposals.count, 1, "one request")
            var proposed = CalendarTest.proposal(proposals)
            compare(CalendarTest.localDay(proposed), expected)
            verify(CalendarTest.isFirstInstantOfDay(proposed), proposed + " is not the start of its day")
        }

        function dayOf(row) {
            return LocalDate.date(row[0], row[1], row[2])
        }

        // The records, and the strip beside them, of every month of the range.
        function test_everyMonthOfTheRange() {
            var calendar = createCalendar(new Date())
            var repeater = CalendarTest.childNamed(testCase, calendar, "calendarRepeater")
            for (var year = 1970; year <= 2105; ++year) {
                for (var month = 0; month < 12; ++month) {
                    calendar.update(LocalDate.date(year, month, 15))
                    var records = calendar.getDaysToDisplay()
                    var leading = CalendarTest.column(year, month, 1)
                    var lastOfPrevious = CalendarTest.daysIn(year, month - 1)
                    var expected = []
                    for (var i = 0; i < 42; ++i) {
                        var day = i - leading + 1
                        if (day < 1)
                            expected.push([lastOfPrevious + day, false, false])
                        else if (day > CalendarTest.daysIn(year, month))
                            expected.push([day - CalendarTest.daysIn(year, month), false, true])
                        else
                            expected.push([day, true, false])
                    }
                    var actual = records.map(function (record) {
                        return [record.day, record.isCurrentMonth, record.isNextMonth]
                    })
                    var weeks = [0, 1, 2, 3, 4, 5].map(function (row) {
                        var day = CalendarTest.calendarDay(year, month, 1 + 7 * row)
                        return CalendarTest.isoWeek(day[0], day[1], day[2]).week
                    })
                    var where = year + "-" + (month + 1) + ": "
                    if (JSON.stringify(actual) !== JSON.stringify(expected))
                        fail(where + JSON.stringify(actual))
                    compare(repeater.count, 42, where + "cells")
                    compare(CalendarTest.stripNumbers(testCase, calendar), weeks, where + "week strip")
                }
                // Let the old cells go, as the event loop does between two updates.
                wait(0)
            }
        }

        function test_recordCounts_data() {
            return [
                { tag: "2021-02, beginning on a Monday", month: [2021, 1], counts: [0, 28, 14] },
                { tag: "2026-03, beginning on a Sunday", month: [2026, 2], counts: [6, 31, 5] },
                { tag: "2025-12", month: [2025, 11], counts: [0, 31, 11] },
                { tag: "2024-03, whose last midnight Beirut skipped", month: [2024, 2], counts: [4, 31, 7] },
                { tag: "2018-11, whose 4th began at 01:00 in Sao Paulo", month: [2018, 10], counts: [3, 30, 9] },
            ]
        }

        function test_recordCounts(data) {
            var calendar = createCalendar(LocalDate.date(data.month[0], data.month[1], 10))
            var counts = [0, 0, 0]
            calendar.getDaysToDisplay().forEach(function (record) {
                ++counts[record.isCurrentMonth ? 1 : record.isNextMonth ? 2 : 0]
            })
            compare(counts, data.counts)
        }

        function test_weekStrip_data() {
            return [
                { tag: "2025-12, ending in week 1 of 2026", month: [2025, 11], weeks: [49, 50, 51, 52, 1, 2] },
                { tag: "2021-01, beginning in week 53 of 2020", month: [2021, 0], weeks: [53, 1, 2, 3, 4, 5] },
                { tag: "2026-03, rows 5 and 6 in April", month: [2026, 2], weeks: [9, 10, 11, 12, 13, 14] },
            ]
        }

        function test_weekStrip(data) {
            var calendar = createCalendar(LocalDate.date(data.month[0], data.month[1], 1))
            compare(CalendarTest.stripNumbers(testCase, calendar), data.weeks)
        }

        function test_lastDayOfMonth_data() {
            return [
                { tag: "January", month: [2026, 0], days: 31 },
                { tag: "February 2100, not leap", month: [2100, 1], days: 28 },
                { tag: "February 2000, leap", month: [2000, 1], days: 29 },
                { tag: "March 2024, whose 31st began at 01:00 in Beirut", month: [2024, 2], days: 31 },
                { tag: "October 2017, before Sao Paulo skipped 15 October's midnight", month: [2017, 9], days: 31 },
                { tag: "December", month: [2105, 11], days: 31 },
            ]
        }

        function test_lastDayOfMonth(data) {
            var calendar = createCalendar(new Date())
            compare(calendar.getLastDayOfMonth(data.month[0], data.month[1]), data.days)
        }

        function test_monthAndYearSteps_data() {
            return [
                { tag: "2025-01-31, next month clamps to 2025-02-28", from: [2025, 0, 31],
                  step: "showNextMonth", expected: [2025, 1, 28] },
                { tag: "2024-01-31, next month clamps to 2024-02-29", from: [2024, 0, 31],
                  step: "showNextMonth", expected: [2024, 1, 29] },
                { tag: "2026-03-31, previous month clamps to 2026-02-28", from: [2026, 2, 31],
                  step: "showPrevMonth", expected: [2026, 1, 28] },
                { tag: "2024-03-31, previous month clamps to 2024-02-29", from: [2024, 2, 31],
                  step: "showPrevMonth", expected: [2024, 1, 29] },
                { tag: "2020-12-31, next month is 2021-01-31", from: [2020, 11, 31],
                  step: "showNextMonth", expected: [2021, 0, 31] },
                { tag: "2021-01-31, previous month is 2020-12-31", from: [2021, 0, 31],
                  step: "showPrevMonth", expected: [2020, 11, 31] },
                { tag: "2024-02-29, next year is 2025-02-28", from: [2024, 1, 29],
                  step: "showNextYear", expected: [2025, 1, 28] },
                { tag: "2024-02-29, previous year is 2023-02-28", from: [2024, 1, 29],
                  step: "showPrevYear", expected: [2023, 1, 28] },
                { tag: "2018-10-04, next month is 2018-11-04, whose midnight Sao Paulo skipped",
                  from: [2018, 9, 4], step: "showNextMonth", expected: [2018, 10, 4] },
                { tag: "2024-02-15, next month on day 31 is 2024-03-31, whose midnight Beirut skipped",
                  from: [2024, 1, 15], step: "showNextMonth", day: 31, expected: [2024, 2, 31] },
                { tag: "2026-04-08, previous month is 2026-03-08, whose midnight Havana skipped",
                  from: [2026, 3, 8], step: "showPrevMonth", expected: [2026, 2, 8] },
                { tag: "2105-11-30, next month is the last one", from: [2105, 10, 30],
                  step: "showNextMonth", expected: [2105, 11, 30] },
                { tag: "1970-02-28, previous month is the first one", from: [1970, 1, 28],
                  step: "showPrevMonth", expected: [1970, 0, 28] },
                { tag: "2105-12-15, no month after the range", from: [2105, 11, 15],
                  step: "showNextMonth", expected: null },
                { tag: "1970-01-15, no month before the range", from: [1970, 0, 15],
                  step: "showPrevMonth", expected: null },
                { tag: "2105-06-15, no year after the range", from: [2105, 5, 15],
                  step: "showNextYear", expected: null },
                { tag: "1970-06-15, no year before the range", from: [1970, 5, 15],
                  step: "showPrevYear", expected: null },
                { tag: "2030-12-15, no month after a range ending in 2030", from: [2030, 11, 15],
                  step: "showNextMonth", range: [2000, 2030], expected: null },
                { tag: "2000-01-15, no month before a range starting in 2000", from: [2000, 0, 15],
                  step: "showPrevMonth", range: [2000, 2030], expected: null },
                { tag: "2000-03-15, no year before a range starting in 2000", from: [2000, 2, 15],
                  step: "showPrevYear", range: [2000, 2030], expected: null },
            ]
        }

        function test_monthAndYearSteps(data) {
            var range = data.range || [1970, 2105]
            var calendar = createCalendar(dayOf(data.from), { startYear: range[0], lastYear: range[1] })
            var before = calendar.selectedDate
            calendar[data.step](data.day === undefined ? data.from[2] : data.day)
            if (data.expected === null)
                compare(proposals.count, 0)
            else
                compareProposal(data.expected)
            compare(calendar.selectedDate, before, "a request changes nothing by itself")
        }

        function test_clickOnCell_data() {
            return [
                { tag: "2026-03-15, click on the 20th", from: [2026, 2, 15], day: 20, month: "current",
                  expected: [2026, 2, 20] },
                { tag: "2026-03-15, click on 26 February", from: [2026, 2, 15], day: 26, month: "previous",
                  expected: [2026, 1, 26] },
                { tag: "2026-03-15, click on 5 April", from: [2026, 2, 15], day: 5, month: "next",
                  expected: [2026, 3, 5] },
                { tag: "2018-11-20, click on the 4th, whose midnight Sao Paulo skipped",
                  from: [2018, 10, 20], day: 4, month: "current", expected: [2018, 10, 4] },
                { tag: "2018-10-20, click on 4 November, whose midnight Sao Paulo skipped",
                  from: [2018, 9, 20], day: 4, month: "next", expected: [2018, 10, 4] },
                { tag: "2018-12-20, click on the 31st", from: [2018, 11, 20], day: 31, month: "current",
                  expected: [2018, 11, 31] },
                { tag: "2026-03-31, click on the 8th, whose midnight Havana skipped",
                  from: [2026, 2, 31], day: 8, month: "current", expected: [2026, 2, 8] },
                { tag: "1995-01-10, click on 31 December 1994", from: [1995, 0, 10], day: 31,
                  month: "previous", expected: [1994, 11, 31] },
                { tag: "2105-12-15, click on a January 2106 cell", from: [2105, 11, 15], day: 3,
                  month: "next", expected: null },
                { tag: "1970-01-15, click on a December 1969 cell", from: [1970, 0, 15], day: 31,
                  month: "previous", expected: null },
            ]
        }

        function test_clickOnCell(data) {
            var calendar = createCalendar(dayOf(data.from))
            var target = CalendarTest.cell(testCase, calendar, data.day, data.month)
            mouseClick(target)
            verify(target.activeFocus, "the clicked cell takes the focus")
            if (data.expected === null) {
                compare(proposals.count, 0)
                return
            }
            // A day the zone skipped altogether shows as the first day after it.
            var expected = data.expected
            if (!CalendarTest.dayExists(expected[0], expected[1], expected[2]))
                expected = CalendarTest.calendarDay(expected[0], expected[1], expected[2] + 1)
            compareProposal(expected)
        }

        function test_wheel_data() {
            return [
                { tag: "2026-01-31, toward the user: next month", from: [2026, 0, 31], delta: [0, -120],
                  expected: [2026, 1, 28] },
                { tag: "2026-03-31, away from the user: previous month", from: [2026, 2, 31], delta: [0, 120],
                  expected: [2026, 1, 28] },
                { tag: "2026-03-15, horizontal only: previous month", from: [2026, 2, 15], delta: [120, 0],
                  expected: [2026, 1, 15] },
                { tag: "2026-03-15, horizontal the other way: previous month", from: [2026, 2, 15],
                  delta: [-120, 0], expected: [2026, 1, 15] },
                { tag: "2018-12-04, away: 2018-11-04, whose midnight Sao Paulo skipped", from: [2018, 11, 4],
                  delta: [0, 120], expected: [2018, 10, 4] },
                { tag: "2105-12-15, toward the user: nothing", from: [2105, 11, 15], delta: [0, -120],
                  expected: null },
                { tag: "1970-01-15, away from the user: nothing", from: [1970, 0, 15], delta: [0, 120],
                  expected: null },
                { tag: "1970-01-15, horizontal only: nothing", from: [1970, 0, 15], delta: [120, 0],
                  expected: null },
                { tag: "2026-03-15, diagonal toward the user: next month", from: [2026, 2, 15],
                  delta: [120, -120], expected: [2026, 3, 15] },
            ]
        }

        function test_wheel(data) {
            var calendar = createCalendar(dayOf(data.from))
            var grid = CalendarTest.childNamed(testCase, calendar, "calendar")
            // Over a day cell, and over the spacing between cells.
            var overCell = CalendarTest.cell(testCase, calendar, 10, "current")
            mouseWheel(overCell, overCell.width / 2, overCell.height / 2, data.delta[0], data.delta[1])
            mouseWheel(grid, overCell.x + overCell.width + 1, overCell.y + 1, data.delta[0], data.delta[1])
            compare(panel.wheels, 0, "the grid keeps the wheel to itself")
            if (data.expected === null) {
                compare(proposals.count, 0)
                return
            }
            compare(proposals.count, 2)
            compare(CalendarTest.localDay(CalendarTest.proposal(proposals, 0)), data.expected)
            compare(CalendarTest.localDay(CalendarTest.proposal(proposals, 1)), data.expected)
            compare(grid.scale, 1, "the wheel moves months, nothing else")
        }

        // Each movement asks once, however the movements before it went.
        function test_wheelMovementsInARow() {
            var calendar = createCalendar(LocalDate.date(2026, 2, 15))
            var overCell = CalendarTest.cell(testCase, calendar, 10, "current")
            ;[[0, -120], [120, 0], [0, 120], [-120, 0], [120, -120]].forEach(function (delta) {
                mouseWheel(overCell, 5, 5, delta[0], delta[1])
            })
            var months = []
            for (var i = 0; i < proposals.count; ++i)
                months.push(CalendarTest.proposal(proposals, i).getMonth())
            compare(months, [3, 1, 1, 1, 3])
        }

        // Start [year, month, day, hours, minutes]; the proposal keeps the time of day
        // on the day the key counts, or starts that day where the time is missing.
        function test_arrowKeys_data() {
            var rows = [
                ["2026-03-30 Left, over Berlin's spring change", [2026, 2, 30], Qt.Key_Left, -1],
                ["2026-03-28 Right, over Berlin's spring change", [2026, 2, 28], Qt.Key_Right, 1],
                ["2026-04-05 Up, over Berlin's spring change", [2026, 3, 5], Qt.Key_Up, -7],
                ["2026-03-22 Down, over Berlin's spring change", [2026, 2, 22], Qt.Key_Down, 7],
                ["2026-10-26 Left, over Berlin's autumn change", [2026, 9, 26], Qt.Key_Left, -1],
                ["2026-10-24 Right, over Berlin's autumn change", [2026, 9, 24], Qt.Key_Right, 1],
                ["2018-11-05 Left, onto Sao Paulo's missing midnight", [2018, 10, 5], Qt.Key_Left, -1],
                ["2018-11-03 Right, onto Sao Paulo's missing midnight", [2018, 10, 3], Qt.Key_Right, 1],
                ["2018-11-11 Up, onto Sao Paulo's missing midnight", [2018, 10, 11], Qt.Key_Up, -7],
                ["2018-10-28 Down, onto Sao Paulo's missing midnight", [2018, 9, 28], Qt.Key_Down, 7],
                ["2018-11-04 Left, from Sao Paulo's missing midnight", [2018, 10, 4], Qt.Key_Left, -1],
                ["2019-02-17 Left, over Sao Paulo's repeated midnight", [2019, 1, 17], Qt.Key_Left, -1],
                ["2019-02-16 Right, onto Sao Paulo's repeated midnight", [2019, 1, 16], Qt.Key_Right, 1],
                ["2026-03-09 Left, onto Havana's missing midnight", [2026, 2, 9], Qt.Key_Left, -1],
                ["2026-11-02 Left, over Havana's autumn change", [2026, 10, 2], Qt.Key_Left, -1],
                ["2026-03-30 Left, onto Beirut's missing midnight", [2026, 2, 30], Qt.Key_Left, -1],
                ["2026-10-25 Right, over Beirut's autumn change", [2026, 9, 25], Qt.Key_Right, 1],
                ["2026-10-05 Left, over Lord Howe's half-hour change", [2026, 9, 5], Qt.Key_Left, -1],
                ["2026-04-05 Right, over Lord Howe's half-hour change", [2026, 3, 5], Qt.Key_Right, 1],
                ["1994-12-30 Right, onto the day Kiritimati skipped", [1994, 11, 30], Qt.Key_Right, 1],
                ["1995-01-01 Left, onto the day Kiritimati skipped", [1995, 0, 1], Qt.Key_Left, -1],
                ["1994-12-24 Down, onto the day Kiritimati skipped", [1994, 11, 24], Qt.Key_Down, 7],
                ["1995-01-07 Up, onto the day Kiritimati skipped", [1995, 0, 7], Qt.Key_Up, -7],
                ["2026-03-30 12:34 Left keeps the time", [2026, 2, 30, 12, 34], Qt.Key_Left, -1],
                ["2018-10-31 12:34 Down keeps the time", [2018, 9, 31, 12, 34], Qt.Key_Down, 7],
                ["2105-12-24 Down reaches the last day", [2105, 11, 24], Qt.Key_Down, 7],
                ["1970-01-08 Up reaches the first day", [1970, 0, 8], Qt.Key_Up, -7],
                ["1970-01-02 Left reaches the first day", [1970, 0, 2], Qt.Key_Left, -1],
                ["2105-12-31 23:59 Right is dropped", [2105, 11, 31, 23, 59], Qt.Key_Right, null],
                ["1970-01-01 Left is dropped", [1970, 0, 1], Qt.Key_Left, null],
            ]
            return rows.map(function (row) {
                return { tag: row[0], from: row[1], key: row[2], days: row[3] }
            })
        }

        function test_arrowKeys(data) {
            var start = dayOf(data.from)
            if (data.from.length > 3)
                start.setHours(data.from[3], data.from[4])
            var calendar = createCalendar(start)
            calendar.focusOnCalendar()
            keyClick(data.key)
            compare(panel.keys, [data.key], "the key travels on")
            if (data.days === null) {
                compare(proposals.count, 0)
                return
            }
            compare(proposals.count, 1)
            var proposed = CalendarTest.proposal(proposals)
            var from = CalendarTest.localDay(start)
            var expected = CalendarTest.calendarDay(from[0], from[1], from[2] + data.days)
            if (!CalendarTest.dayExists(expected[0], expected[1], expected[2]))
                expected = CalendarTest.calendarDay(expected[0], expected[1], expected[2] + (data.days > 0 ? 1 : -1))
            compare(CalendarTest.localDay(proposed), expected)
            var sameTime = proposed.getHours() === start.getHours() && proposed.getMinutes() === start.getMinutes()
            verify(sameTime || CalendarTest.isFirstInstantOfDay(proposed),
                   proposed + " neither keeps the time of " + start + " nor starts its day")
        }

        // The literal step lands an hour early; the proposal must not.
        function test_arrowKeysInSaoPaulo() {
            if (new Date(2018, 10, 4).getDate() === 4)
                skip("midnight of 2018-11-04 exists in this zone")
            var calendar = createCalendar(LocalDate.date(2018, 10, 5))
            calendar.focusOnCalendar()
            keyClick(Qt.Key_Left)
            var proposed = CalendarTest.proposal(proposals)
            compare([proposed.getDate(), proposed.getHours(), proposed.getMinutes()], [4, 1, 0])
        }

        function test_arrowKeysAtTheRangeEnds() {
            var calendar = createCalendar(new Date())
            for (var day = 1; day <= 7; ++day) {
                calendar.update(LocalDate.date(1970, 0, day))
                calendar.focusOnCalendar()
                keyClick(Qt.Key_Up)
                calendar.update(LocalDate.date(2105, 11, 24 + day))
                calendar.focusOnCalendar()
                keyClick(Qt.Key_Down)
            }
            keyClick(Qt.Key_Right)
            compare(proposals.count, 0)
        }

        function test_otherKeysProposeNothing() {
            var calendar = createCalendar(LocalDate.date(2026, 5, 15))
            calendar.focusOnCalendar()
            ;[Qt.Key_Space, Qt.Key_Return, Qt.Key_PageDown, Qt.Key_A].forEach(function (key) { keyClick(key) })
            compare(proposals.count, 0)
            compare(panel.keys, [Qt.Key_Space, Qt.Key_Return, Qt.Key_PageDown, Qt.Key_A])
        }

        function test_focusOnCalendar_data() {
            return [
                { tag: "the 1st, after no previous-month cells", date: [2021, 1, 1] },
                { tag: "the 31st, with a 31 among the previous-month cells", date: [2026, 2, 31] },
                { tag: "the 1st, with a 1 among the next-month cells", date: [2026, 2, 1] },
            ]
        }

        function test_focusOnCalendar(data) {
            var calendar = createCalendar(dayOf(data.date))
            calendar.focusOnCalendar()
            var focused = CalendarTest.cell(testCase, calendar, data.date[2], "current")
            verify(focused.activeFocus)
        }

        // Answered as the panel answers, every step by key or click takes the keyboard
        // to the newly selected day, where a screen reader hears of it.
        function test_keyboardFollowsTheSelectedDay() {
            var calendar = createCalendar(LocalDate.date(2026, 1, 28))
            calendar.updateAll.connect(function (text) { calendar.update(new Date(Date.parse(text))) })
            CalendarTest.childNamed(testCase, calendar, "calendar").forceActiveFocus()
            var steps = [
                [Qt.Key_Right, [2026, 2, 1]],
                [Qt.Key_Up, [2026, 1, 22]],
                [Qt.Key_Down, [2026, 2, 1]],
            ]
            steps.forEach(function (step) {
                keyClick(step[0])
                var cell = CalendarTest.cell(testCase, calendar, step[1][2], "current")
                verify(cell.activeFocus, "the keyboard on the " + step[1])
                compare(cell.Accessible.role, Accessible.Button)
            })
            mouseClick(CalendarTest.cell(testCase, calendar, 3, "next"))
            verify(CalendarTest.cell(testCase, calendar, 3, "current").activeFocus, "a click on a next-month day")
            keyClick(Qt.Key_Backtab)
            verify(CalendarTest.childNamed(testCase, calendar, "weeksComboBox").activeFocus,
                   "Shift+Tab leaves the grid backwards")
        }

        function test_requestsLeaveTheSelection() {
            var calendar = createCalendar(LocalDate.date(2026, 5, 15))
            var before = CalendarTest.cells(testCase, calendar)
            calendar.showNextMonth(15)
            mouseClick(CalendarTest.cell(testCase, calendar, 20, "current"))
            keyClick(Qt.Key_Right)
            compare(proposals.count, 3)
            compare(CalendarTest.localDay(calendar.selectedDate), [2026, 5, 15])
            compare(CalendarTest.cells(testCase, calendar), before, "the cells stay until update()")
        }

        function test_updateRebuildsTheCells() {
            var calendar = createCalendar(LocalDate.date(2026, 5, 15))
            var before = CalendarTest.cells(testCase, calendar)
            calendar.updateSystemDate()
            compare(CalendarTest.localDay(calendar.selectedDate), [2026, 5, 15])
            var after = CalendarTest.cells(testCase, calendar)
            compare(after.length, 42)
            verify(after.every(function (cell, index) { return cell !== before[index] }), "cells made anew")
            compare(proposals.count, 0)
        }


        // Fill, border and number of each cell against the rules, today included.
        function test_cellColours_data() {
            return [
                { tag: "2026-03-14, a Saturday selected, light", date: [2026, 2, 14], isLight: true },
                { tag: "2026-03-02, a Monday selected, dark", date: [2026, 2, 2], isLight: false },
                { tag: "today's month, light", date: null, isLight: true },
                { tag: "today's month, dark", date: null, isLight: false },
                { tag: "today's month, reached from 2026-03-14", date: null, from: [2026, 2, 14], isLight: true },
                { tag: "2026-03-14, reached from today", date: [2026, 2, 14], from: "today", isLight: true },
            ]
        }

        function test_cellColours(data) {
            var now = new Date()
            var date = data.date ? dayOf(data.date) : now
            // A step leaves no mark on the cells it leaves.
            var calendar = createCalendar(data.from === "today" ? now : data.from ? dayOf(data.from) : date,
                                          { isLight: data.isLight })
            if (data.from)
                calendar.update(date)
            if (!CalendarTest.sameLocalDay(now, new Date()))
                skip("the day changed during the test")
            var year = date.getFullYear()
            var month = date.getMonth()
            var records = calendar.getDaysToDisplay()
            var dim = data.isLight ? "gray" : "lightgray"
            var todays = 0
            CalendarTest.cells(testCase, calendar).forEach(function (cell, index) {
                var record = records[index]
                var isToday = record.isCurrentMonth && year === now.getFullYear() && month === now.getMonth()
                    && record.day === now.getDate()
                var weekend = CalendarTest.column(year, month, record.day) >= 5
                var number = !record.isCurrentMonth ? dim : weekend ? "red" : isToday ? palette.base : palette.buttonText
                var where = "cell " + index + " (" + record.day + ")"
                if (isToday)
                    ++todays
                // Today's fill and the selection's frame, as the grid holds them for its drawing.
                compare(record.isToday, isToday, where + " fill")
                compare(record.isSelected, record.isCurrentMonth && record.day === date.getDate(), where + " frame")
                verify(Qt.colorEqual(CalendarTest.dayNumberOf(testCase, cell).color, number),
                       where + " number " + CalendarTest.dayNumberOf(testCase, cell).color + ", expected " + number)
                compare(CalendarTest.dayNumberOf(testCase, cell).text, String(record.day), where + " text")
            })
            compare(todays, data.date ? 0 : 1)
        }

        function test_neighbouringWeekendsAreDimmed() {
            // June 2026 ends on a Tuesday: its next-month cells hold Saturday 4 and Sunday 5 July.
            var calendar = createCalendar(LocalDate.date(2026, 5, 10))
            verify(Qt.colorEqual(CalendarTest.dayNumberOf(testCase, CalendarTest.cell(testCase, calendar, 4, "next")).color,
                                 "gray"))
            verify(Qt.colorEqual(CalendarTest.dayNumberOf(testCase, CalendarTest.cell(testCase, calendar, 4, "current")).color,
                                 palette.buttonText))
        }

        function test_accessibleName() {
            var calendar = createCalendar(LocalDate.date(2026, 11, 7))
            var names = CalendarTest.cells(testCase, calendar).map(function (cell) { return cell.Accessible.name })
            compare(names.length, 42)
            compare(names[0], "selected date 7 12 2026 year")
            verify(names.every(function (name) { return name === names[0] }), "all cells name the selected date")
            compare(CalendarTest.cell(testCase, calendar, 20, "current").delegateDate, names[0])
        }

        function test_header() {
            var calendar = createCalendar(new Date(), { isLight: false })
            var drawing = CalendarTest.childNamed(testCase, calendar, "drawing")
            compare(drawing.texts().slice(0, 7), ["Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"])
            verify(Qt.colorEqual(drawing.weekendColor, "red"))
            verify(Qt.colorEqual(drawing.textColor, palette.buttonText))
            verify(Qt.colorEqual(drawing.dimColor, "lightgray"), "week numbers dimmed")
        }

        // Seven cells in a row, six rows, the strip to the left; sizes from the component's own.
        function test_layout() {
            var calendar = createCalendar(LocalDate.date(2026, 2, 15))
            var cells = CalendarTest.cells(testCase, calendar)
            compare([cells[0].width, cells[0].height], [42, 42])
            compare(cells[6].y, cells[0].y)
            verify(cells[7].y > cells[0].y + cells[0].height)
            compare(cells[41].y, cells[35].y)
            var column = CalendarTest.childNamed(testCase, calendar, "weekNumberColumn")
            var grid = CalendarTest.childNamed(testCase, calendar, "calendar")
            var left = cells[0].mapToItem(calendar, 0, 0)
            verify(left.x >= column.mapToItem(calendar, column.width, 0).x, "grid right of the strip")
            var last = cells[41].mapToItem(calendar, cells[41].width, cells[41].height)
            verify(last.x <= calendar.width && last.y <= calendar.height, "grid inside the component")
            compare(column.children[1].mapToItem(calendar, 0, 0).y, cells[7].mapToItem(calendar, 0, 0).y,
                    "week numbers beside their rows")
            compare(grid.rowSpacing, 7)
        }
    }
}
