/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0
import "qrc:/qml/LocalDate.js" as LocalDate
import "../../../qml/basecalendar/CalendarTest.js" as CalendarTest
import "../../../qml/panel"

// Every change of the local UTC offset between the panel's first and last year, as
// the engine sees it and the zone database lists it: the panel is walked across each
// one by the arrow keys, the month buttons, the year box, a click in the grid and a
// choice in the weeks box, and each action must land on the day it means with all
// four views agreeing. Where the zone skipped that day, the nearest day it kept will
// do, as long as no action repeats the day it started from or skips one it should
// have reached.
Item {
    id: root

    width: 800
    height: 600

    PanelTestCase {
        id: testCase

        // Walks made and changes walked across, for the log.
        property int walksMade: 0
        property int changesWalked: 0

        name: "ZoneWalk"

        // A calendar day as [year, month 0-11, day], rolled over; the arithmetic is
        // UTC's, so that it does not lean on the local time under test.
        function plusDays(day, days) {
            return CalendarTest.calendarDay(day[0], day[1], day[2] + days)
        }

        function exists(day) {
            return CalendarTest.dayExists(day[0], day[1], day[2])
        }

        // The nearest day the zone kept, from `day` on in the direction of `step`.
        function keptDay(day, step) {
            while (!exists(day))
                day = plusDays(day, step)
            return day
        }

        function sameDay(first, second) {
            return first[0] === second[0] && first[1] === second[1] && first[2] === second[2]
        }

        // The same day of the month `months` away, lowered to that month's length.
        function monthsAway(day, months) {
            var month = CalendarTest.calendarDay(day[0], day[1] + months, 1)
            return [month[0], month[1], Math.min(day[2], CalendarTest.daysIn(month[0], month[1]))]
        }

        // Whether the grid of `shown`'s month has a cell for `day`, which is of that
        // month or the one before: a month that begins on a Monday shows none before it.
        function isShownWith(shown, day) {
            if (day[0] === shown[0] && day[1] === shown[1])
                return true
            return day[2] > CalendarTest.daysIn(day[0], day[1]) - firstColumn(shown[0], shown[1])
        }

        function localDayOf(date) {
            return [date.getFullYear(), date.getMonth(), date.getDate()]
        }

        function wallClock(milliseconds, offsetSeconds) {
            var wall = new Date(milliseconds + offsetSeconds * 1000).toISOString()
            var sign = offsetSeconds < 0 ? "-" : "+"
            var minutes = Math.abs(offsetSeconds) / 60
            var pad = function (number) { return ("0" + number).slice(-2) }
            return wall.slice(0, 10) + " " + wall.slice(11, 16) + " " + sign + pad(Math.floor(minutes / 60)) + ":"
                + pad(minutes % 60)
        }

        // The changes of the engine's UTC offset from 1 January of `startYear` to the end of
        // `lastYear`, found day by day and then to the millisecond, one row each, named
        // by the local time before and after.
        function offsetChanges(startYear, lastYear) {
            var changes = []
            var end = Date.UTC(lastYear + 1, 0, 2)
            var offset = new Date(Date.UTC(startYear, 0, 0)).getTimezoneOffset()
            for (var day = Date.UTC(startYear, 0, 0); day < end; day += 86400000) {
                var next = new Date(day + 86400000).getTimezoneOffset()
                if (next === offset)
                    continue
                var low = day
                var high = day + 86400000
                while (high - low > 1) {
                    var middle = Math.floor((low + high) / 2)
                    if (new Date(middle).getTimezoneOffset() === offset)
                        low = middle
                    else
                        high = middle
                }
                var year = new Date(low).getFullYear()
                if (year >= startYear && year <= lastYear)
                    changes.push({ tag: wallClock(low, -offset * 60) + " to " + wallClock(high, -next * 60),
                                   at: high, before: -offset * 60, after: -next * 60 })
                offset = next
            }
            return changes
        }

        function inRange(panel, day) {
            return day[0] >= panel.startYear && day[0] <= panel.lastYear
        }

        // The walks across the change at `at`: B is the last day before it (the change
        // falls after B's first instant and no later than the next day's), A the day
        // after B that the zone kept. Each entry: where to start, what to do, where to
        // land (null: nowhere, the range ends there), and whether a skipped day may
        // give way to its neighbour before or after it.
        function walks(panel, at) {
            var before = localDayOf(new Date(at - 1))
            var after = keptDay(plusDays(before, 1), 1)
            var weekLater = keptDay(plusDays(before, 7), 1)
            var nextMonth = keptDay(monthsAway(before, 1), 1)
            var yearLater = monthsAway(before, 12)
            var nextYear = keptDay(yearLater, 1)
            var list = [
                { name: "Right", from: before, act: arrow(Qt.Key_Right), to: keptDay(plusDays(before, 1), 1) },
                { name: "Left", from: after, act: arrow(Qt.Key_Left), to: keptDay(plusDays(after, -1), -1) },
                { name: "Down", from: before, act: arrow(Qt.Key_Down), to: keptDay(plusDays(before, 7), 1) },
                { name: "Up", from: weekLater, act: arrow(Qt.Key_Up), to: keptDay(plusDays(weekLater, -7), -1) },
                { name: "next month", from: before, act: button("nextMonthButton"), to: monthsAway(before, 1), either: true },
                { name: "previous month", from: nextMonth, act: button("previousMonth"), to: monthsAway(nextMonth, -1),
                  either: true },
                { name: "next year", from: before, act: yearStep(Qt.Key_Down), to: yearLater, either: true },
                { name: "previous year", from: nextYear, act: yearStep(Qt.Key_Up), to: monthsAway(nextYear, -12),
                  either: true },
                { name: "click on the day after", from: before, act: click(plusDays(before, 1)), to: plusDays(before, 1),
                  either: true },
            ]
            if (isShownWith(after, before))
                list.push({ name: "click on the day before", from: after, act: click(before), to: before })
            var week = weekChoice(before, after)
            if (week)
                list.push(week)
            return list.map(function (walk) {
                walk.to = walk.to && inRange(panel, walk.to) ? walk.to : null
                return walk
            })
        }

        // A choice in the weeks box that crosses the change: from B a later week of B's
        // year, or else from A an earlier week of A's year. None where B ends its ISO
        // year and A begins the next (a change at the turn of the year).
        function weekChoice(before, after) {
            var weekOfBefore = CalendarTest.isoWeek(before[0], before[1], before[2])
            if (weekOfBefore.year === before[0] && weekOfBefore.week < CalendarTest.weeksIn(before[0]))
                return { name: "weeks box, week " + (weekOfBefore.week + 1), from: before,
                         act: chooseWeek(weekOfBefore.week + 1), week: weekOfBefore.week + 1 }
            var weekOfAfter = CalendarTest.isoWeek(after[0], after[1], after[2])
            if (weekOfAfter.year === after[0] && weekOfAfter.week > 1)
                return { name: "weeks box, week " + (weekOfAfter.week - 1), from: after,
                         act: chooseWeek(weekOfAfter.week - 1), week: weekOfAfter.week - 1 }
            return null
        }

        // The keyboard on the grid's selected day, then the arrow.
        function arrow(key) {
            return function (panel) {
                part(panel, "calendar").focusOnCalendar()
                keyClick(key)
            }
        }

        function button(name) {
            return function (panel) { mouseClick(part(panel, name)) }
        }

        // Up or Down on the closed year box moves its choice by one year.
        function yearStep(key) {
            return function (panel) {
                part(panel, "yearInput").forceActiveFocus()
                keyClick(key)
            }
        }

        // The cell showing `day`: one of the shown month, or of the month before or after.
        function click(day) {
            return function (panel) {
                var shown = localDayOf(panel.getCalendarDate())
                var offset = Math.sign((day[0] * 12 + day[1]) - (shown[0] * 12 + shown[1]))
                mouseClick(dayCell(panel, shown[0], shown[1], day[2], offset))
            }
        }

        // Enter opens the box, the arrows move its highlight to the week, Enter takes it.
        function chooseWeek(week) {
            return function (panel) {
                var box = weeksBox(panel)
                part(panel, "calendar").focusOnWeeks()
                keyClick(Qt.Key_Return)
                tryCompare(box.popup, "opened", true)
                var steps = week - 1 - box.highlightedIndex
                for (var i = 0; i < Math.abs(steps); ++i)
                    keyClick(steps > 0 ? Qt.Key_Down : Qt.Key_Up)
                keyClick(Qt.Key_Return)
                tryCompare(box.popup, "visible", false)
            }
        }

        function startOn(panel, day) {
            panel.updateAll(LocalDate.date(day[0], day[1], day[2]))
            compare(localDayOf(panel.getCalendarDate()), day, "the walk's start")
            reports.clear()
            viewsAtReport = []
        }

        // Where the walk landed: one report, all views on it, and the day it meant.
        function verifyWalk(panel, walk) {
            var what = walk.name + " from " + dayText(walk.from[0], walk.from[1], walk.from[2])
            if (!walk.to && walk.week === undefined) {
                compare(reports.count, 0, what + ": left the range")
                return
            }
            var landed = localDayOf(onlyReport())
            verifyShown(panel, landed[0], landed[1], landed[2])
            if (walk.week !== undefined) {
                compare(CalendarTest.isoWeek(landed[0], landed[1], landed[2]), { week: walk.week, year: walk.from[0] },
                        what + ": landed on " + landed)
                return
            }
            var meant = walk.to
            var accepted = [meant]
            if (walk.either && !exists(meant))
                accepted = [keptDay(meant, -1), keptDay(meant, 1)]
            verify(accepted.some(function (day) { return sameDay(day, landed) }),
                   what + ": landed on " + landed + ", not " + accepted.join(" or "))
            verify(!sameDay(landed, walk.from), what + ": stayed on its day")
        }

        function walkAcross(panel, at) {
            walks(panel, at).forEach(function (walk) {
                if (!inRange(panel, walk.from))
                    return
                startOn(panel, walk.from)
                walk.act(panel)
                verifyWalk(panel, walk)
                ++walksMade
            })
            ++changesWalked
        }

        function cleanupTestCase() {
            console.log(systemZone.id() + ": " + walksMade + " walks across " + changesWalked + " changes and turns of the year")
        }

        function test_acrossEveryChange_data() {
            return offsetChanges(1970, 2105)
        }

        function test_acrossEveryChange(data) {
            walkAcross(createPanel(), data.at)
        }

        // The engine finds the changes where Qt's zone database puts them, as far as Qt
        // lists them (its list of a zone with yearly rules ends in 2037).
        function test_engineAgreesWithZoneDatabase() {
            var listed = systemZone.transitions(Date.UTC(1970, 0, 1), Date.UTC(2106, 0, 1))
            var found = offsetChanges(1970, 2105).map(function (change) {
                return [change.at, change.before, change.after]
            })
            if (listed.length === 0) {
                compare(found, [], "changes the zone database does not list")
                return
            }
            var horizon = listed[listed.length - 1].at
            compare(found.filter(function (change) { return change[0] <= horizon }),
                    listed.map(function (change) { return [change.at, change.before, change.after] }))
        }

        // The turn of a year, where the local day and the UTC day lie furthest apart in
        // zones far from UTC, and the ends of the range, where every step out is dropped.
        function test_acrossYearEnds_data() {
            return [1970, 1971, 2000, 2027, 2105, 2106].map(function (year) {
                return { tag: "into " + year, year: year }
            })
        }

        function test_acrossYearEnds(data) {
            walkAcross(createPanel(), LocalDate.date(data.year, 0, 1).getTime())
        }

        // Samoa left out 30 December 2011. A panel whose range begins that year, so
        // that its first year holds the skip.
        function test_samoaSkip() {
            if (systemZone.id() !== "Pacific/Apia")
                skip("Samoa's zone only")
            var changes = offsetChanges(2011, 2011).filter(function (change) {
                return change.after - change.before >= 86400 - 3600
            })
            compare(changes.length, 1, "the skip")
            verify(!CalendarTest.dayExists(2011, 11, 30), "30 December 2011 is not a day in Samoa")
            walkAcross(createPanel({ startYear: 2011 }), changes[0].at)
        }
    }
}
