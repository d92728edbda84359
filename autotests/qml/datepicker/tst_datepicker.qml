/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0
import "qrc:/qml/LocalDate.js" as LocalDate

Item {
    id: root

    width: 300
    height: 80

    Item {
        id: elsewhere

        activeFocusOnTab: true
    }

    TestCase {
        id: testCase

        name: "DatePicker"
        when: windowShown

        property var picker
        property var fields

        SignalSpy {
            id: dateSpy

            signalName: "dateChanged"
        }

        Component {
            id: signalSpy

            SignalSpy {}
        }

        function createPicker(properties) {
            var component = Qt.createComponent("qrc:/qml/DatePicker.qml")
            picker = createTemporaryObject(component, root, Object.assign({ width: 300, height: 80 }, properties))
            fields = ["dayBox", "monthBox", "yearBox"].map(function (name) {
                var box = findChild(picker, name)
                return { box: box, input: box.contentItem }
            })
            dateSpy.target = picker
        }

        function init() {
            createPicker({})
        }

        // Tab and Shift+Tab select a field's text, so that typed digits replace it; a
        // screen reader names each field.
        function test_tabSelectsTheText() {
            show(2026, 3, 14)
            elsewhere.forceActiveFocus()
            keyClick(Qt.Key_Tab)
            verify(fields[0].input.activeFocus)
            compare(fields[0].input.selectedText, "14")
            type("09")
            compare(picker.day, 9)
            verify(fields[1].input.activeFocus, "the full day moves on to the month")
            keyClick(Qt.Key_Backtab)
            compare(fields[0].input.selectedText, "09", "Shift+Tab back to the day")
            compare(fields.map(function (field) { return field.box.Accessible.name }), ["Day", "Month", "Year"])
        }

        // Shows year-month-day (month 1-12) without a report.
        function show(year, month, day) {
            var date = new Date(Date.UTC(year, month - 1, day, 12))
            picker.update(new Date(date.getUTCFullYear(), date.getUTCMonth(), date.getUTCDate(), 12))
            dateSpy.clear()
        }

        function texts() {
            return fields.map(function (field) { return field.input.text })
        }

        function type(keys) {
            keys.split("").forEach(function (key) { keyClick(key) })
        }

        function focusField(index, caret, selectAll) {
            fields[index].input.forceActiveFocus()
            fields[index].input.cursorPosition = caret
            if (selectAll)
                keyClick(Qt.Key_A, Qt.ControlModifier)
        }

        function pad(number, length) {
            return ("000" + number).slice(-length)
        }

        // The picked day, read in local time, and that it starts there: a minute
        // earlier is another day.
        function compareDate(iso) {
            compare(picker.getISODate(), iso)
            var date = picker.currentDate
            compare(date.getFullYear() + "-" + pad(date.getMonth() + 1, 2) + "-" + pad(date.getDate(), 2), iso)
            verify(new Date(date.getTime() - 60000).getDate() !== date.getDate(), date + " is not the first instant")
            compare(texts(), [iso.slice(8), iso.slice(5, 7), iso.slice(0, 4)])
        }

        function monthLength(year, month) {
            return new Date(Date.UTC(year, month, 0)).getUTCDate()
        }

        // Complete texts of each field, spelt out: days of any month (the month and the
        // year may follow), months, years 1970-2105.
        function completeTexts(field, year, month) {
            var texts = []
            var last = [31, 12, 2105][field]
            for (var number = field === 2 ? 1970 : 1; number <= last; ++number) {
                texts.push(pad(number, field === 2 ? 4 : 2))
                if (field < 2 && number < 10)
                    texts.push(String(number))
            }
            if (field === 0)
                texts.push("")
            if (field === 1)
                texts.push("00")
            return texts
        }

        // What a user is left with after typing keys: a keystroke stands only when the
        // text can still become complete.
        function typedText(field, year, month, keys) {
            var complete = completeTexts(field, year, month)
            var text = ""
            keys.split("").forEach(function (key) {
                if (complete.some(function (candidate) { return candidate.indexOf(text + key) === 0 }))
                    text += key
            })
            return text
        }

        function test_typing_data() {
            var rows = []
            var months = [[2023, 2, "February of a common year"], [2024, 2, "February of a leap year"],
                          [2026, 4, "April"], [2026, 1, "January"], [2100, 2, "February 2100"]]
            months.forEach(function (month) {
                ["00", "01", "09", "10", "19", "28", "29", "30", "31", "32", "40", "3x"].forEach(function (keys) {
                    rows.push({ tag: "day " + keys + " in " + month[2], field: 0, year: month[0], month: month[1], keys: keys })
                })
            })
            ;["00", "01", "09", "10", "12", "13", "20", "1a"].forEach(function (keys) {
                rows.push({ tag: "month " + keys, field: 1, year: 2026, month: 1, keys: keys })
            })
            ;["1969", "1970", "1999", "2000", "2105", "2106", "2110", "2200", "1800", "0197"].forEach(function (keys) {
                rows.push({ tag: "year " + keys, field: 2, year: 2026, month: 1, keys: keys })
            })
            return rows
        }

        function test_typing(data) {
            show(data.year, data.month, 15)
            focusField(data.field, 0, true)
            type(data.keys)
            var expected = typedText(data.field, data.year, data.month, data.keys)
            var committed = expected.length === (data.field === 2 ? 4 : 2)
            compare(dateSpy.count, committed ? 1 : 0)
            if (!committed) {
                compare(fields[data.field].input.text, expected)
                verify(fields[data.field].input.activeFocus)
                return
            }
            var date = [15, data.month, data.year]
            date[data.field] = Math.max(1, Number(expected))
            date[0] = Math.min(date[0], monthLength(data.year, data.month))
            compareDate(pad(date[2], 4) + "-" + pad(date[1], 2) + "-" + pad(date[0], 2))
            var next = Math.min(data.field + 1, 2)
            verify(fields[next].input.activeFocus)
            if (next !== data.field)
                compare(fields[next].input.selectedText, fields[next].input.text)
        }

        function test_wholeDate_data() {
            return [
                { tag: "5 November 2024", from: [2023, 1, 31], keys: "05112024", iso: "2024-11-05" },
                { tag: "4 November 2018, midnight skipped in Sao Paulo", from: [2018, 10, 15], keys: "04112018",
                  iso: "2018-11-04" },
                { tag: "29 March 2026, midnight skipped in Beirut", from: [2026, 3, 1], keys: "29032026",
                  iso: "2026-03-29" },
                { tag: "8 March 2026, midnight skipped in Havana", from: [2026, 3, 8], keys: "08", iso: "2026-03-08" },
                { tag: "single digits with Return", from: [2026, 12, 25], keys: "7\r3\r2026", iso: "2026-03-07" },
            ]
        }

        function test_wholeDate(data) {
            show(data.from[0], data.from[1], data.from[2])
            picker.focusOnDayBox()
            keyClick(Qt.Key_A, Qt.ControlModifier)
            data.keys.split("").forEach(function (key) { keyClick(key === "\r" ? Qt.Key_Return : key) })
            compareDate(data.iso)
            compare(dateSpy.count, data.keys.length > 2 ? 3 : 1)
        }

        function test_dayLowered_data() {
            return [
                { tag: "31 January 2023, month typed 02", from: [2023, 1, 31], field: 1, keys: "02", iso: "2023-02-28" },
                { tag: "31 January 2024, month typed 02", from: [2024, 1, 31], field: 1, keys: "02", iso: "2024-02-29" },
                { tag: "31 March 2026, month stepped down", from: [2026, 3, 31], field: 1, key: Qt.Key_Down,
                  iso: "2026-02-28" },
                { tag: "29 February 2024, year stepped down", from: [2024, 2, 29], field: 2, key: Qt.Key_Down,
                  iso: "2023-02-28" },
                { tag: "29 February 2024, year typed 2100", from: [2024, 2, 29], field: 2, keys: "2100",
                  iso: "2100-02-28" },
                { tag: "31 October 2026, month wheeled up", from: [2026, 10, 31], field: 1, wheel: 120,
                  iso: "2026-11-30" },
            ]
        }

        function test_dayLowered(data) {
            show(data.from[0], data.from[1], data.from[2])
            focusField(data.field, 0, true)
            if (data.keys)
                type(data.keys)
            else if (data.key)
                keyClick(data.key)
            else
                mouseWheel(fields[data.field].box, 5, 5, 0, data.wheel)
            compareDate(data.iso)
            compare(dateSpy.count, 1)
            compare(fields[0].box.to, Number(data.iso.slice(8)))
        }

        function test_stepKeys_data() {
            return [
                { tag: "Up on 30 April", from: [2026, 4, 30], field: 0, key: Qt.Key_Up, iso: "2026-04-30" },
                { tag: "Up on 28 February 2023", from: [2023, 2, 28], field: 0, key: Qt.Key_Up, iso: "2023-02-28" },
                { tag: "Page Up on 25 April", from: [2026, 4, 25], field: 0, key: Qt.Key_PageUp, iso: "2026-04-30" },
                { tag: "Page Up on 5 April", from: [2026, 4, 5], field: 0, key: Qt.Key_PageUp, iso: "2026-04-15" },
                { tag: "Page Down on 5 April", from: [2026, 4, 5], field: 0, key: Qt.Key_PageDown, iso: "2026-04-01" },
                { tag: "Down on 1 April", from: [2026, 4, 1], field: 0, key: Qt.Key_Down, iso: "2026-04-01" },
                { tag: "Page Up in May", from: [2026, 5, 10], field: 1, key: Qt.Key_PageUp, iso: "2026-12-10" },
                { tag: "Up in December", from: [2026, 12, 10], field: 1, key: Qt.Key_Up, iso: "2026-12-10" },
                { tag: "Page Down in March", from: [2026, 3, 10], field: 1, key: Qt.Key_PageDown, iso: "2026-01-10" },
                { tag: "Page Up from 2100", from: [2100, 6, 1], field: 2, key: Qt.Key_PageUp, iso: "2105-06-01" },
                { tag: "Up at 2105", from: [2105, 6, 1], field: 2, key: Qt.Key_Up, iso: "2105-06-01" },
                { tag: "Down at 1970", from: [1970, 6, 1], field: 2, key: Qt.Key_Down, iso: "1970-06-01" },
                { tag: "Page Down from 2026", from: [2026, 6, 1], field: 2, key: Qt.Key_PageDown, iso: "2016-06-01" },
                { tag: "Up into 4 November 2018", from: [2018, 11, 3], field: 0, key: Qt.Key_Up, iso: "2018-11-04" },
            ]
        }

        function test_stepKeys(data) {
            show(data.from[0], data.from[1], data.from[2])
            focusField(data.field, 1, false)
            keyClick(data.key)
            compareDate(data.iso)
            compare(dateSpy.count, 1)
            compare(fields[data.field].box.stepSize, 1)
        }

        function test_wheel_data() {
            return [
                { tag: "day up", from: [2026, 4, 10], field: 0, delta: 120, iso: "2026-04-11", reports: 1 },
                { tag: "day up on 30 April", from: [2026, 4, 30], field: 0, delta: 120, iso: "2026-04-30", reports: 0 },
                { tag: "month down", from: [2026, 4, 10], field: 1, delta: -120, iso: "2026-03-10", reports: 1 },
                { tag: "year down at 1970", from: [1970, 4, 10], field: 2, delta: -120, iso: "1970-04-10", reports: 0 },
            ]
        }

        function test_wheel(data) {
            show(data.from[0], data.from[1], data.from[2])
            var box = fields[data.field].box
            mouseWheel(box, box.width / 2, box.height / 2, 0, data.delta)
            compareDate(data.iso)
            compare(dateSpy.count, data.reports)
        }

        function test_returnAndFocusLoss_data() {
            return [
                { tag: "day emptied, Return", field: 0, keys: "", key: Qt.Key_Return, iso: "2026-06-15", reports: 0, next: 0,
                  afterLeaving: true },
                { tag: "month emptied, Return", field: 1, keys: "", key: Qt.Key_Return, iso: "2026-06-15", reports: 0, next: 1,
                  afterLeaving: true },
                { tag: "year emptied, Enter", field: 2, keys: "", key: Qt.Key_Enter, iso: "2026-06-15", reports: 0, next: 2,
                  afterLeaving: true },
                { tag: "month 9, Enter", field: 1, keys: "9", key: Qt.Key_Enter, iso: "2026-09-15", reports: 1, next: 2 },
                { tag: "year 202, Return", field: 2, keys: "202", key: Qt.Key_Return, iso: "2026-06-15", reports: 0, next: 2,
                  afterLeaving: true },
                { tag: "day 7, Tab", field: 0, keys: "7", key: Qt.Key_Tab, iso: "2026-06-07", reports: 1, next: 1 },
                { tag: "day emptied, Tab", field: 0, keys: "", key: Qt.Key_Tab, iso: "2026-06-15", reports: 0, next: 1 },
                { tag: "month emptied, Tab", field: 1, keys: "", key: Qt.Key_Tab, iso: "2026-06-15", reports: 0, next: 2 },
                { tag: "month 6, Tab", field: 1, keys: "6", key: Qt.Key_Tab, iso: "2026-06-15", reports: 0, next: 2 },
            ]
        }

        function test_returnAndFocusLoss(data) {
            show(2026, 6, 15)
            focusField(data.field, 0, true)
            keyClick(Qt.Key_Backspace)
            type(data.keys)
            keyClick(data.key)
            compare(dateSpy.count, data.reports)
            compare(picker.getISODate(), data.iso)
            verify(fields[data.next].input.activeFocus)
            // An empty or incomplete text names no number, then or when the focus leaves.
            if (data.afterLeaving) {
                elsewhere.forceActiveFocus()
                compare(dateSpy.count, data.reports)
            }
            compareDate(data.iso)
        }

        function test_yearRange_data() {
            return [
                { tag: "1999 typed with the range from 2000", start: 2000, last: 2105, keys: "1999", year: "2000" },
                { tag: "2099 typed with the range to 2050", start: 1970, last: 2050, keys: "2099", year: "2050" },
                { tag: "1975 typed within the range", start: 1970, last: 2050, keys: "1975", year: "1975" },
            ]
        }

        function test_yearRange(data) {
            createPicker({ startYear: data.start, lastYear: data.last })
            show(2026, 6, 15)
            focusField(2, 0, true)
            type(data.keys)
            compare(dateSpy.count, 1)
            compare(picker.getYearString(), data.year)
            compareDate(data.year + "-06-15")
        }

        function test_update_data() {
            return [
                { tag: "31 March 2023 over 15 February", shown: [2023, 2, 15], date: [2023, 2, 31, 0], iso: "2023-03-31" },
                { tag: "a time of day", shown: [2026, 1, 1], date: [2024, 2, 5, 15], iso: "2024-03-05" },
                { tag: "4 November 2018, midnight skipped in Sao Paulo", shown: [2026, 1, 1], date: [2018, 10, 4, 12],
                  iso: "2018-11-04" },
                { tag: "a year before the range", shown: [2026, 1, 1], date: [1960, 4, 10, 12], iso: "1970-05-10" },
                { tag: "29 February 2024 into a range ending 2023", last: 2023, shown: [2020, 1, 1],
                  date: [2024, 1, 29, 12], iso: "2023-02-28" },
            ]
        }

        function test_update(data) {
            if (data.last)
                createPicker({ lastYear: data.last })
            show(data.shown[0], data.shown[1], data.shown[2])
            picker.update(new Date(data.date[0], data.date[1], data.date[2], data.date[3]))
            compareDate(data.iso)
            compare(dateSpy.count, 0)
        }

        function test_strings() {
            show(2024, 3, 5)
            compare([picker.getYearString(), picker.getMonthString(), picker.getDayString()], ["2024", "03", "05"])
            createPicker({ startYear: 1 })
            var early = LocalDate.date(987, 0, 9)
            picker.update(early)
            compare(picker.getISODate(), "0987-01-09")
        }

        function test_leftAndRight_data() {
            return [
                { tag: "Left at the start of the day", field: 0, caret: 0, key: Qt.Key_Left, signal: "focusOnReturnButton" },
                { tag: "Left inside the day", field: 0, caret: 1, key: Qt.Key_Left, focus: 0, at: 0 },
                { tag: "Right at the end of the day", field: 0, caret: 2, key: Qt.Key_Right, focus: 1, at: 0 },
                { tag: "Left at the start of the month", field: 1, caret: 0, key: Qt.Key_Left, focus: 0, at: 2 },
                { tag: "Right at the end of the month", field: 1, caret: 2, key: Qt.Key_Right, focus: 2, at: 0 },
                { tag: "Left at the start of the year", field: 2, caret: 0, key: Qt.Key_Left, focus: 1, at: 2 },
                { tag: "Right inside the year", field: 2, caret: 3, key: Qt.Key_Right, focus: 2, at: 4 },
                { tag: "Right at the end of the year", field: 2, caret: 4, key: Qt.Key_Right, signal: "focusOnDigitalClock" },
                { tag: "Right on a selected year", field: 2, select: true, key: Qt.Key_Right, focus: 2, at: 4 },
            ]
        }

        function test_leftAndRight(data) {
            var returnSpy = createTemporaryObject(signalSpy, testCase, { target: picker, signalName: "focusOnReturnButton" })
            var clockSpy = createTemporaryObject(signalSpy, testCase, { target: picker, signalName: "focusOnDigitalClock" })
            focusField(data.field, data.caret || 0, data.select)
            keyClick(data.key)
            compare(returnSpy.count, data.signal === "focusOnReturnButton" ? 1 : 0)
            compare(clockSpy.count, data.signal === "focusOnDigitalClock" ? 1 : 0)
            if (data.signal === undefined) {
                verify(fields[data.focus].input.activeFocus)
                compare(fields[data.focus].input.cursorPosition, data.at)
                compare(fields[data.focus].input.selectedText, "")
            }
            compare(dateSpy.count, 0)
        }

        function test_focusOnDayBox() {
            show(2026, 6, 15)
            picker.focusOnDayBox()
            compare(fields[0].input.cursorPosition, 0)
            type("2")
            compare(texts()[0], "15", "a digit in front of two is refused")
            keyClick(Qt.Key_Left)
            compare(dateSpy.count, 0)
        }

        function test_automatedDriving_data() {
            return [
                { tag: "day of month 40 in April", call: function () { picker.__set_day_of_month__(40) },
                  iso: "2026-04-30", reports: 1 },
                { tag: "day of month 12, unchanged", call: function () { picker.__set_day_of_month__(12) },
                  iso: "2026-04-12", reports: 1 },
                { tag: "text 15 in the day", call: function () { picker.__set_text_in_spin_box__(0, "15") },
                  iso: "2026-04-15", reports: 1, focus: 1 },
                { tag: "text 13 in the month, past the validator",
                  call: function () { picker.__set_text_in_spin_box__(1, "13") }, iso: "2026-12-12", reports: 1, focus: 2 },
                { tag: "text 5 in the month only shows", call: function () { picker.__set_text_in_spin_box__(1, "5") },
                  iso: "2026-04-12", reports: 0, shown: "5" },
                { tag: "text ab in the day", call: function () { picker.__set_text_in_spin_box__(0, "ab") },
                  iso: "2026-04-12", reports: 1, focus: 1 },
                { tag: "field 3", call: function () { picker.__set_text_in_spin_box__(3, "15") }, iso: "2026-04-12",
                  reports: 0 },
            ]
        }

        function test_automatedDriving(data) {
            show(2026, 4, 12)
            data.call()
            compare(dateSpy.count, data.reports)
            compare(picker.getISODate(), data.iso)
            if (data.focus) {
                verify(fields[data.focus].input.activeFocus)
                compare(fields[data.focus].input.selectedText, texts()[data.focus])
            }
            if (data.shown)
                compare(texts()[1], data.shown)
        }

        function test_frame() {
            createPicker({ borderColor: "red" })
            verify(Qt.colorEqual(picker.border.color, "red"))
            picker.focusOnDayBox()
            verify(!Qt.colorEqual(picker.border.color, "red"))
            elsewhere.forceActiveFocus()
            verify(Qt.colorEqual(picker.border.color, "red"))
        }

        function test_startsFromItsDate() {
            createPicker({ currentDate: new Date(2024, 1, 29, 18, 45) })
            compare(picker.getISODate(), "2024-02-29")
            compare(picker.currentDate.getHours(), 18)
            compare(texts(), ["29", "02", "2024"])
            compare(fields[0].box.to, 29)
        }
    }
}
