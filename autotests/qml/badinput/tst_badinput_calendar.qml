/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0
import "../basecalendar/CalendarTest.js" as CalendarTest
import "BadInput.js" as BadInput

// The month grid, the year box and the date picker handed what no host should hand
// them. Each must go on showing one possible date, and ignore what it is not meant
// to take.
Item {
    id: window

    width: 462
    height: 336

    SignalSpy {
        id: spy
    }

    TestCase {
        id: testCase

        name: "BadInputCalendar"
        when: windowShown

        // 15 March 2026 at noon.
        readonly property var start: new Date(2026, 2, 15, 12)

        function watch(component, signalName) {
            spy.target = null
            spy.signalName = signalName
            spy.target = component
            spy.clear()
        }

        // Calls the row's function and checks its outcome: unless the row says otherwise,
        // nothing moved and nothing was emitted; `state` tells what must not move. Rows
        // whose outcome `changes` the component leave that to their test.
        function verifyRow(component, data, state) {
            var before = state(component)
            var result = BadInput.invoke(testCase, component, data.call, data.args)
            var outcome = data.outcome
            if (outcome.changes)
                return result
            compare(state(component), before, "the component changed")
            if (outcome.returns)
                verify(outcome.returns(result), "returned " + result)
            if (outcome.proposes) {
                compare(spy.count, 1, "one proposal")
                compare(CalendarTest.localDay(CalendarTest.proposal(spy)), outcome.proposes)
            } else {
                compare(spy.count, 0, "signals")
            }
            return result
        }

        // Month grid.

        function calendarState(calendar) {
            var weeksBox = findChild(calendar, "weeksComboBox")
            return JSON.stringify({
                selected: calendar.selectedDate.getTime(),
                records: calendar.getDaysToDisplay(),
                weeks: [weeksBox.count, weeksBox.currentIndex],
                strip: CalendarTest.stripNumbers(testCase, calendar),
                names: CalendarTest.cells(testCase, calendar).map(function (cell) { return cell.Accessible.name })
            })
        }

        function verifyCalendarPossible(calendar) {
            var selected = calendar.selectedDate
            verify(!isNaN(selected.getTime()), "selected date")
            var year = selected.getFullYear()
            var month = selected.getMonth()
            var records = findChild(calendar, "calendarModel")
            compare(records.count, 42, "day records")
            var current = 0
            for (var i = 0; i < records.count; ++i) {
                var record = records.get(i)
                verify(record.day >= 1 && record.day <= 31, "day " + record.day)
                current += record.isCurrentMonth ? 1 : 0
            }
            compare(current, CalendarTest.daysIn(year, month), "days of the shown month")
            compare(findChild(calendar, "weeksComboBox").count, CalendarTest.weeksIn(year), "weeks box")
            CalendarTest.stripNumbers(testCase, calendar).forEach(function (week) {
                verify(week >= 1 && week <= 53, "week " + week)
            })
            CalendarTest.cells(testCase, calendar).forEach(function (cell) {
                BadInput.verifyReadable(testCase, cell.Accessible.name, "a cell's accessible name")
            })
        }

        function isMonthLengthOrNaN(result) {
            return isNaN(result) || [28, 29, 30, 31].indexOf(result) >= 0
        }

        function isInvalidDate(result) {
            return result instanceof Date && isNaN(result.getTime())
        }

        // A day argument past the month's end is lowered to its last day; one below 1,
        // or no finite number, names no day.
        function isLargeDay(value) {
            return BadInput.isFiniteNumber(value) && value > 1
        }

        function monthStep(lastDay) {
            return function (value) {
                return isLargeDay(value) ? { proposes: lastDay } : { ignored: true }
            }
        }

        function monthGetter(lastDay) {
            return function (value) {
                if (!isLargeDay(value))
                    return { returns: isInvalidDate }
                return { returns: function (date) { return String(CalendarTest.localDay(date)) === String(lastDay) } }
            }
        }

        function test_baseCalendar_data() {
            return BadInput.concat([
                BadInput.rows("update", [start]),
                BadInput.rows("updateWeeksComboBox", [start]),
                BadInput.rows("getLastDayOfMonth", [2026, 1], function () { return { returns: isMonthLengthOrNaN } }),
                BadInput.rows("showNextMonth", [15], monthStep([2026, 3, 30])),
                BadInput.rows("showPrevMonth", [15], monthStep([2026, 1, 28])),
                BadInput.rows("getNextMonth", [15], monthGetter([2026, 3, 30])),
                BadInput.rows("getPrevMonth", [15], monthGetter([2026, 1, 28])),
                BadInput.rows("weekNumberToDate", [10], function () { return { returns: isInvalidDate } }),
                BadInput.rows("dateToWeekNumber", [start], function () {
                    return { returns: function (week) { return week === 0 } }
                }),
            ])
        }

        function test_baseCalendar(data) {
            var calendar = CalendarTest.create(testCase, window, start)
            watch(calendar, "updateAll")
            verifyRow(calendar, data, calendarState)
            verifyCalendarPossible(calendar)
            // Still answers the next request.
            calendar.showNextMonth(15)
            compare(CalendarTest.localDay(CalendarTest.proposal(spy)), [2026, 3, 15])
        }

        // Year box.

        function createYearInput() {
            var component = Qt.createComponent("qrc:/qml/YearInput.qml")
            var box = createTemporaryObject(component, window, { width: 120, height: 30, date: start })
            verify(box, component.errorString())
            return box
        }

        function yearInputState(box) {
            return JSON.stringify([box.date.getTime(), box.currentIndex, box.contentItem.text, box.count])
        }

        function test_yearInput_data() {
            return BadInput.rows("update", [start])
        }

        function test_yearInput(data) {
            var box = createYearInput()
            watch(box, "inputChanged")
            verifyRow(box, data, yearInputState)
            verify(!isNaN(box.date.getTime()), "date")
            compare(box.currentIndex, box.date.getFullYear() - box.startYear)
            compare(box.contentItem.text, String(box.date.getFullYear()))
        }

        // Date picker.

        function createPicker() {
            var component = Qt.createComponent("qrc:/qml/DatePicker.qml")
            var picker = createTemporaryObject(component, window, { width: 300, height: 80 })
            verify(picker, component.errorString())
            picker.update(start)
            return picker
        }

        function pickerFields(picker) {
            return ["dayBox", "monthBox", "yearBox"].map(function (name) { return findChild(picker, name) })
        }

        function pickerState(picker) {
            return JSON.stringify({
                values: [picker.day, picker.month, picker.year, picker.currentDate.getTime()],
                fields: pickerFields(picker).map(function (field) { return [field.value, field.contentItem.text] })
            })
        }

        function pad(number, length) {
            return ("000" + number).slice(-length)
        }

        // The picker's numbers make one day, its date starts that day, and the fields
        // show it unless a text was put in past the pattern (as automated driving may).
        function verifyPickerPossible(picker, typedText) {
            verify(picker.month >= 1 && picker.month <= 12, "month " + picker.month)
            verify(picker.year >= picker.startYear && picker.year <= picker.lastYear, "year " + picker.year)
            verify(picker.day >= 1 && picker.day <= CalendarTest.daysIn(picker.year, picker.month - 1), "day " + picker.day)
            compare(CalendarTest.localDay(picker.currentDate), [picker.year, picker.month - 1, picker.day])
            verify(CalendarTest.isFirstInstantOfDay(picker.currentDate), "not the start of the day")
            var iso = [pad(picker.year, 4), pad(picker.month, 2), pad(picker.day, 2)].join("-")
            compare(picker.getISODate(), iso)
            var texts = pickerFields(picker).map(function (field) { return field.contentItem.text })
            compare(texts.slice(1), [pad(picker.month, 2), pad(picker.year, 4)], "month and year fields")
            compare(texts[0], typedText === undefined ? pad(picker.day, 2) : typedText, "day field")
        }

        // Numbers are limited to the month; a text goes in past the pattern and counts
        // once it has two characters, a text that is no number standing for the day.
        function pickerDay(value) {
            if (!BadInput.isFiniteNumber(value))
                return { ignored: true }
            return { changes: true, reported: value < 1 ? 1 : 31 }
        }

        function pickerText(value, position) {
            if (position === 0 || typeof value !== "string")
                return { ignored: true }
            return value.length === 2 ? { changes: true, reported: 15 } : { changes: true, typed: value }
        }

        function test_datePicker_data() {
            return BadInput.concat([
                BadInput.rows("update", [start]),
                BadInput.rows("__set_day_of_month__", [20], pickerDay),
                BadInput.rows("__set_text_in_spin_box__", [0, "20"], pickerText),
            ])
        }

        function test_datePicker(data) {
            var picker = createPicker()
            watch(picker, "dateChanged")
            var before = JSON.parse(pickerState(picker)).values
            verifyRow(picker, data, pickerState)
            var outcome = data.outcome
            if (outcome.reported !== undefined) {
                compare(spy.count, 1, "one report")
                compare(picker.day, outcome.reported)
            } else if (outcome.typed !== undefined) {
                // The text stands in the field; nothing counts yet.
                compare(spy.count, 0, "signals")
                compare(JSON.parse(pickerState(picker)).values, before)
            }
            verifyPickerPossible(picker, outcome.typed)
        }
    }
}
