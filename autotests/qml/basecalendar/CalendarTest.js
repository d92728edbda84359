/* SPDX-License-Identifier: LGPL-2.1-or-later */

// What the month grid suites share: calendar arithmetic done in UTC only, so that the
// expectations do not lean on the local-time code under test, and the walks to the
// grid's parts.

.pragma library

var dayMs = 86400000

function utcDay(year, month, day) {
    var date = new Date(0)
    date.setUTCFullYear(year, month, day)
    return date
}

// [year, month 0-11, day] of a calendar day, rolled over like the Date constructor.
function calendarDay(year, month, day) {
    var date = utcDay(year, month, day)
    return [date.getUTCFullYear(), date.getUTCMonth(), date.getUTCDate()]
}

function daysIn(year, month) {
    return utcDay(year, month + 1, 0).getUTCDate()
}

// Monday 0 to Sunday 6.
function column(year, month, day) {
    return (utcDay(year, month, day).getUTCDay() + 6) % 7
}

// ISO 8601 week and week-year: the week of a day is that of its Thursday, and
// the Thursday's year counts the weeks.
function isoWeek(year, month, day) {
    var thursday = new Date(utcDay(year, month, day).getTime() + (3 - column(year, month, day)) * dayMs)
    var weekYear = thursday.getUTCFullYear()
    var dayOfYear = Math.round((thursday.getTime() - utcDay(weekYear, 0, 1).getTime()) / dayMs)
    return { week: Math.floor(dayOfYear / 7) + 1, year: weekYear }
}

function weeksIn(year) {
    return isoWeek(year, 11, 28).week
}

function localDay(date) {
    return [date.getFullYear(), date.getMonth(), date.getDate()]
}

function sameLocalDay(first, second) {
    return first.getFullYear() === second.getFullYear() && first.getMonth() === second.getMonth()
        && first.getDate() === second.getDate()
}

// The first instant of its local day: a minute earlier is another day.
function isFirstInstantOfDay(date) {
    return !sameLocalDay(date, new Date(date.getTime() - 60000))
}

// Whether the local time zone has any instant on that calendar day: offsets lie
// within a day of UTC, so the half hours around the UTC day tell.
function dayExists(year, month, day) {
    var utcMidnight = utcDay(year, month, day).getTime()
    for (var t = utcMidnight - dayMs; t < utcMidnight + 2 * dayMs; t += 1800000) {
        var probe = new Date(t)
        if (probe.getFullYear() === year && probe.getMonth() === month && probe.getDate() === day)
            return true
    }
    return false
}

// A month grid of the window's size on `date` (left out: its own creation date),
// laid out and ready for pointer events.
function create(testCase, parent, date, properties) {
    var component = Qt.createComponent("qrc:/qml/BaseCalendar.qml")
    var initial = { width: parent.width, height: parent.height }
    if (date !== undefined)
        initial.selectedDate = date
    for (var name in properties)
        initial[name] = properties[name]
    var calendar = testCase.createTemporaryObject(component, parent, initial)
    testCase.verify(calendar, component.errorString())
    settle(testCase, calendar)
    return calendar
}

// Layouts and the grid place their items on the next polish.
function settle(testCase, calendar) {
    testCase.waitForItemPolished(childNamed(testCase, calendar, "layout"))
    testCase.waitForItemPolished(childNamed(testCase, calendar, "calendar"))
}

// The date a proposal names: updateAll() hands an ISO text in UTC.
function proposal(spy, index) {
    return new Date(Date.parse(spy.signalArguments[index === undefined ? spy.count - 1 : index][0]))
}

function childNamed(testCase, calendar, objectName) {
    var child = testCase.findChild(calendar, objectName)
    if (!child)
        throw new Error("no child named " + objectName)
    return child
}

// Index of the grid cell showing `day` of the month before ("previous"), the shown
// month ("current") or the month after ("next").
function cellIndex(calendar, day, month) {
    var records = calendar.getDaysToDisplay()
    for (var i = 0; i < records.length; ++i) {
        var record = records[i]
        var kind = record.isCurrentMonth ? "current" : record.isNextMonth ? "next" : "previous"
        if (record.day === day && kind === month)
            return i
    }
    throw new Error("no cell for " + month + " day " + day)
}

function cell(testCase, calendar, day, month) {
    return childNamed(testCase, calendar, "calendarRepeater").itemAt(cellIndex(calendar, day, month))
}

function cells(testCase, calendar) {
    var repeater = childNamed(testCase, calendar, "calendarRepeater")
    var result = []
    for (var i = 0; i < repeater.count; ++i)
        result.push(repeater.itemAt(i))
    return result
}

// The grid's drawing, which draws the header, the week numbers and the day numbers.
function drawingOf(testCase, item) {
    while (!testCase.findChild(item, "drawing"))
        item = item.parent
    return childNamed(testCase, item, "drawing")
}

// The number drawn in a day cell: its text and colour.
function dayNumberOf(testCase, dayCell) {
    var drawing = drawingOf(testCase, dayCell)
    var index = cells(testCase, dayCell.parent.parent).indexOf(dayCell)
    if (index < 0)
        throw new Error("no cell " + dayCell)
    // The texts run row by row: the weekday names, then each row's week and days.
    return { text: drawing.texts()[7 + Math.floor(index / 7) * 8 + 1 + index % 7], color: drawing.dayColor(index) }
}

// The week numbers drawn beside the rows, top to bottom.
function stripNumbers(testCase, calendar) {
    var texts = drawingOf(testCase, calendar).texts()
    return [0, 1, 2, 3, 4, 5].map(function (row) { return Number(texts[7 + row * 8]) })
}
