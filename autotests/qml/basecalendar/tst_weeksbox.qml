/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0
import "qrc:/qml/LocalDate.js" as LocalDate
import "CalendarTest.js" as CalendarTest

// The box of the year's weeks above the week-number strip: what it lists and marks
// current, the date a chosen week asks for, and its keys and focus hand-offs.
Item {
    id: window

    width: 462
    height: 336

    // Stands for the panel: receives the keys that the box lets travel on.
    Item {
        id: panel

        property var keys: []

        anchors.fill: parent
        Keys.onPressed: keys.push(event.key)
    }

    SystemPalette {
        id: palette
    }

    SignalSpy {
        id: proposals

        signalName: "updateAll"
    }

    SignalSpy {
        id: rebuilds

        signalName: "countChanged"
    }

    TestCase {
        id: testCase

        property var calendar
        property var box

        name: "WeeksBox"
        when: windowShown

        function createCalendar(date, properties) {
            calendar = CalendarTest.create(testCase, panel, date, properties)
            box = CalendarTest.childNamed(testCase, calendar, "weeksComboBox")
            proposals.target = calendar
            proposals.clear()
            rebuilds.target = CalendarTest.childNamed(testCase, calendar, "weeksModel")
            rebuilds.clear()
            panel.keys = []
        }

        function entries() {
            var model = CalendarTest.childNamed(testCase, calendar, "weeksModel")
            var weeks = []
            for (var i = 0; i < model.count; ++i)
                weeks.push(model.get(i).week)
            return weeks
        }

        function weeksUpTo(count) {
            var weeks = []
            for (var week = 1; week <= count; ++week)
                weeks.push(week)
            return weeks
        }

        // What the control does when the user picks an entry of its popup.
        function chooseWeek(week) {
            box.currentIndex = week - 1
            box.activated(week - 1)
        }

        // The embedder's answer to the last request.
        function acceptProposal() {
            var proposed = CalendarTest.proposal(proposals)
            calendar.update(proposed)
            return proposed
        }

        function test_atCreation() {
            createCalendar(undefined)
            var now = new Date()
            var week = CalendarTest.isoWeek(now.getFullYear(), now.getMonth(), now.getDate())
            compare(entries(), weeksUpTo(CalendarTest.weeksIn(now.getFullYear())))
            compare(box.currentIndex, week.week - 1)
            compare(CalendarTest.localDay(calendar.selectedDate), CalendarTest.localDay(now))
        }

        function test_currentEntry_data() {
            return [
                { tag: "2021-01-01 in week 53 of 2020: no entry current", date: [2021, 0, 1], count: 52, index: 52 },
                { tag: "2025-12-29 in week 1 of 2026", date: [2025, 11, 29], count: 52, index: 0 },
                { tag: "2026-01-01 in week 1 of a year of 53", date: [2026, 0, 1], count: 53, index: 0 },
                { tag: "2026-12-31 in week 53", date: [2026, 11, 31], count: 53, index: 52 },
                { tag: "2027-01-03 in week 53 of 2026: no entry current", date: [2027, 0, 3], count: 52, index: 52 },
                { tag: "2024-12-30 in week 1 of 2025", date: [2024, 11, 30], count: 52, index: 0 },
                { tag: "2018-11-04, whose midnight Sao Paulo skipped, in week 44", date: [2018, 10, 4], count: 52,
                  index: 43 },
            ]
        }

        function test_currentEntry(data) {
            createCalendar(LocalDate.date(data.date[0], data.date[1], data.date[2]))
            compare(entries(), weeksUpTo(data.count))
            compare(box.currentIndex, data.index)
            if (data.index >= data.count)
                compare(box.currentText, "")
        }

        function test_rebuiltOnlyWhenTheCountChanges_data() {
            return [
                { tag: "2025 to 2026, 52 to 53 weeks", from: [2025, 5, 1], to: [2026, 5, 1], rebuilt: true },
                { tag: "2020 to 2021, 53 to 52 weeks", from: [2020, 5, 1], to: [2021, 5, 1], rebuilt: true },
                { tag: "within 2026", from: [2026, 0, 10], to: [2026, 11, 20], rebuilt: false },
                { tag: "2021 to 2022, 52 weeks each", from: [2021, 5, 1], to: [2022, 5, 1], rebuilt: false },
                { tag: "2015 to 2020, 53 weeks each", from: [2015, 5, 1], to: [2020, 5, 1], rebuilt: false },
            ]
        }

        function test_rebuiltOnlyWhenTheCountChanges(data) {
            createCalendar(LocalDate.date(data.from[0], data.from[1], data.from[2]))
            calendar.update(LocalDate.date(data.to[0], data.to[1], data.to[2]))
            compare(rebuilds.count > 0, data.rebuilt)
            compare(entries(), weeksUpTo(CalendarTest.weeksIn(data.to[0])))
        }

        function test_weekNumberToDate_data() {
            return [
                { tag: "2026 begins on Thursday: week 1 gives Friday 2 January", year: 2026, week: 1,
                  expected: [2026, 0, 2] },
                { tag: "2026 week 10 gives 6 March", year: 2026, week: 10, expected: [2026, 2, 6] },
                { tag: "2026 week 53 gives 31 December, still in 2026", year: 2026, week: 53,
                  expected: [2026, 11, 31] },
                { tag: "2021 begins on Friday: week 1 gives Saturday 9 January", year: 2021, week: 1,
                  expected: [2021, 0, 9] },
                { tag: "2021 week 52 gives 1 January 2022", year: 2021, week: 52, expected: [2022, 0, 1] },
                { tag: "2022 begins on Saturday: week 1 gives Sunday 9 January", year: 2022, week: 1,
                  expected: [2022, 0, 9] },
                { tag: "2022 week 10 gives 13 March, whose midnight Havana skipped", year: 2022, week: 10,
                  expected: [2022, 2, 13] },
                { tag: "2022 week 12 gives 27 March, whose midnight Beirut skipped", year: 2022, week: 12,
                  expected: [2022, 2, 27] },
                { tag: "2011 week 41 gives 16 October, whose midnight Sao Paulo skipped", year: 2011, week: 41,
                  expected: [2011, 9, 16] },
                { tag: "2023 begins on Sunday: week 1 gives Monday 2 January", year: 2023, week: 1,
                  expected: [2023, 0, 2] },
                { tag: "2023 week 52 gives Monday 25 December", year: 2023, week: 52, expected: [2023, 11, 25] },
                { tag: "2020, leap and beginning on Wednesday: week 53 gives 31 December", year: 2020, week: 53,
                  expected: [2020, 11, 31] },
                { tag: "2004, leap and beginning on Thursday: week 53 gives 31 December", year: 2004, week: 53,
                  expected: [2004, 11, 31] },
                { tag: "1970 week 53 gives 31 December", year: 1970, week: 53, expected: [1970, 11, 31] },
            ]
        }

        function test_weekNumberToDate(data) {
            createCalendar(LocalDate.date(data.year, 6, 1))
            var date = calendar.weekNumberToDate(data.week)
            compare(CalendarTest.localDay(date), data.expected)
            verify(CalendarTest.isFirstInstantOfDay(date), date + " is not the start of its day")
            compare(proposals.count, 0)
        }

        // The calendar counts each day from its first instant, where the engine's own
        // local midnight would be the hour before, on the day before.
        function test_weekChoiceInSaoPaulo() {
            if (new Date(2011, 9, 16).getDate() === 16)
                skip("midnight of 2011-10-16 exists in this zone")
            createCalendar(LocalDate.date(2011, 3, 1))
            chooseWeek(41)
            var proposed = acceptProposal()
            compare([proposed.getDate(), proposed.getHours()], [16, 1])
            compare(box.currentIndex, 40)
        }

        // Every week of every year: the date asked for lies in that ISO week, and once
        // the embedder has shown it the box marks that week. The first and the last
        // week go the panel's whole way: choose, propose, update.
        function test_everyWeekOfTheRange() {
            createCalendar(new Date())
            for (var year = 1970; year <= 2105; ++year) {
                calendar.update(LocalDate.date(year, 6, 1))
                var count = CalendarTest.weeksIn(year)
                for (var week = 1; week <= count; ++week) {
                    var date = calendar.weekNumberToDate(week)
                    var day = CalendarTest.localDay(date)
                    var iso = CalendarTest.isoWeek(day[0], day[1], day[2])
                    if (iso.week !== week || iso.year !== year)
                        fail("week " + week + " of " + year + " gives " + day + ", in week " + iso.week + " of " + iso.year)
                    calendar.updateWeeksComboBox(date)
                    if (box.currentIndex !== week - 1 || box.count < week)
                        fail("week " + week + " of " + year + " leaves index " + box.currentIndex + " of " + box.count)
                }
                ;[1, count].forEach(function (week) {
                    calendar.update(LocalDate.date(year, 6, 1))
                    chooseWeek(week)
                    acceptProposal()
                    if (box.currentIndex !== week - 1)
                        fail("choosing week " + week + " of " + year + " leaves index " + box.currentIndex)
                })
                // Let the old cells go, as the event loop does between two updates.
                wait(0)
            }
        }

        function test_keysOnTheClosedBox_data() {
            return [
                { tag: "Left asks for the next-month control", key: Qt.Key_Left, signal: "focusOnNextMonth" },
                { tag: "Up asks for the previous-month control", key: Qt.Key_Up, signal: "focusOnPrevMonth" },
                { tag: "Down asks for the return control", key: Qt.Key_Down, signal: "focusOnReturn" },
                { tag: "Right moves to the selected day", key: Qt.Key_Right, signal: null },
                { tag: "Tab moves to the selected day", key: Qt.Key_Tab, signal: null },
            ]
        }

        function test_keysOnTheClosedBox(data) {
            createCalendar(LocalDate.date(2026, 2, 31))
            var requests = {}
            ;["focusOnNextMonth", "focusOnPrevMonth", "focusOnReturn"].forEach(function (name) {
                requests[name] = 0
                calendar[name].connect(function () { ++requests[name] })
            })
            calendar.focusOnWeeks()
            verify(box.activeFocus)
            keyClick(data.key)
            var expected = { focusOnNextMonth: 0, focusOnPrevMonth: 0, focusOnReturn: 0 }
            if (data.signal)
                expected[data.signal] = 1
            compare(requests, expected)
            compare(panel.keys, [], "the key is handled")
            compare(box.popup.visible, false)
            compare(box.currentIndex, 13, "the box keeps its week")
            if (!data.signal)
                verify(CalendarTest.cell(testCase, calendar, 31, "current").activeFocus)
            compare(proposals.count, 0)
        }

        function test_chooseWithTheKeyboard_data() {
            return [
                { tag: "Return", key: Qt.Key_Return },
                { tag: "Enter", key: Qt.Key_Enter },
            ]
        }

        function test_chooseWithTheKeyboard(data) {
            createCalendar(LocalDate.date(2026, 2, 4))
            var requests = 0
            calendar.focusOnPrevMonth.connect(function () { ++requests })
            calendar.focusOnReturn.connect(function () { ++requests })
            calendar.focusOnWeeks()
            keyClick(data.key)
            verify(box.popup.visible, "the key opens the popup")
            compare(proposals.count, 0)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Up)
            compare(requests, 0, "Up and Down move within the open popup")
            compare(box.highlightedIndex, 10)
            keyClick(data.key)
            tryCompare(box.popup, "visible", false)
            compare(box.currentIndex, 10)
            compare(box.pressed, false)
            compare(proposals.count, 1)
            compare(CalendarTest.localDay(acceptProposal()), [2026, 2, 13])
            compare(box.currentIndex, 10)
        }

        function test_chooseWithTheMouse() {
            createCalendar(LocalDate.date(2026, 2, 4))
            mouseClick(box)
            tryCompare(box.popup, "opened", true)
            // The style's list, bare or inside a scroll view.
            var list = box.popup.contentItem.itemAtIndex ? box.popup.contentItem : box.popup.contentItem.contentItem
            var entry = list.itemAtIndex(box.currentIndex + 1)
            verify(entry, "the entry after the current one is shown")
            compare(entry.text, "11")
            mouseClick(entry)
            tryCompare(box.popup, "visible", false)
            compare(proposals.count, 1)
            compare(CalendarTest.localDay(acceptProposal()), [2026, 2, 13])
            compare(box.currentIndex, 10)
        }

        function test_look_data() {
            return [
                { tag: "light", isLight: true, variant: "light" },
                { tag: "dark", isLight: false, variant: "dark" },
            ]
        }

        function test_look(data) {
            createCalendar(LocalDate.date(2026, 2, 4), { isLight: data.isLight, fontSize: 20 })
            var icon = CalendarTest.childNamed(testCase, box.indicator, "backWeekComboBoxIcon")
            compare(String(icon.source), "qrc:/icons/32x32/actions/" + data.variant + "/arrow-down.png")
            compare(icon.status, Image.Ready)
            compare([icon.width, icon.height], [32, 32])
            verify(Qt.colorEqual(box.background.color, palette.midlight))
            calendar.focusOnWeeks()
            verify(Qt.colorEqual(box.background.border.color, palette.highlight), "framed while focused")
            calendar.focusOnCalendar()
            verify(Qt.colorEqual(box.background.border.color, "transparent"), "plain once the grid has the focus")
        }
    }
}
