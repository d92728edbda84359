/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0

// Every way a user changes the date: the panel reports the new date once, and the grid,
// the month box, the year box and the picker all show it afterwards.
Item {
    id: root

    width: 800
    height: 600

    PanelTestCase {
        id: testCase

        // Each action is what a user does, with real input events; `target` is a day,
        // month index or year as the action needs it.
        function clickButton(panel, name) {
            mouseClick(part(panel, name))
        }

        function pressOnButton(panel, name, key) {
            part(panel, name).forceActiveFocus()
            keyClick(key)
        }

        function openList(box) {
            mouseClick(box)
            tryCompare(box.popup, "opened", true)
            return box.popup.contentItem
        }

        function clickRow(panel, name, index) {
            var list = openList(part(panel, name))
            list.positionViewAtIndex(index, ListView.Center)
            var row = list.itemAtIndex(index)
            verify(row, "row " + index + " of " + name)
            mouseClick(row)
        }

        function clickMonth(panel, month) {
            clickRow(panel, "monthComboBox", month)
            tryCompare(part(panel, "monthComboBox").popup, "visible", false)
        }

        function clickYear(panel, year) {
            clickRow(panel, "yearInput", year - panel.startYear)
            tryCompare(part(panel, "yearInput").popup, "visible", false)
        }

        // Up or Down on the closed box, as often as it takes.
        function stepBox(panel, name, steps) {
            part(panel, name).forceActiveFocus()
            for (var i = 0; i < Math.abs(steps); ++i)
                keyClick(steps < 0 ? Qt.Key_Up : Qt.Key_Down)
        }

        // Enter opens the list, arrows move the highlight, Enter commits it.
        function enterOnList(panel, name, steps, enterKey) {
            var box = part(panel, name)
            box.forceActiveFocus()
            keyClick(enterKey)
            tryCompare(box.popup, "opened", true)
            for (var i = 0; i < Math.abs(steps); ++i)
                keyClick(steps < 0 ? Qt.Key_Up : Qt.Key_Down)
            compare(reports.count, 0, "moving the highlight of the open list chooses nothing")
            keyClick(enterKey)
            tryCompare(box.popup, "visible", false)
        }

        function clickDay(panel, day, offset) {
            var shown = panel.getCalendarDate()
            mouseClick(dayCell(panel, shown.getFullYear(), shown.getMonth(), day, offset))
        }

        function arrowInGrid(panel, key) {
            part(panel, "nextMonthButton").forceActiveFocus()
            keyClick(Qt.Key_Down)
            keyClick(key)
        }

        function wheelOverGrid(panel, notches) {
            var shown = panel.getCalendarDate()
            var cell = dayCell(panel, shown.getFullYear(), shown.getMonth(), 15)
            mouseWheel(cell, cell.width / 2, cell.height / 2, 0, notches * 120)
        }

        function weeksByKeys(panel, steps) {
            part(panel, "calendar").focusOnWeeks()
            keyClick(Qt.Key_Return)
            tryCompare(weeksBox(panel).popup, "opened", true)
            for (var i = 0; i < steps; ++i)
                keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Return)
        }

        // A field arrives with nothing selected, and digits typed in front of its text
        // are refused: select it first.
        function typeInPicker(panel, field, text) {
            focusOnPickerField(panel, field)
            keyClick(Qt.Key_A, Qt.ControlModifier)
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
        }

        function stepInPicker(panel, field, key) {
            focusOnPickerField(panel, field)
            keyClick(key)
        }

        function wheelOverPicker(panel, field, notches) {
            var box = pickerFields(panel)[field]
            mouseWheel(box, box.width / 2, box.height / 2, 0, notches * 120)
        }

        function test_userChoice_data() {
            var rows = [
                { tag: "next-month button clicked, 31 January 2024 to 29 February",
                  start: [2024, 0, 31], act: function (p) { clickButton(p, "nextMonthButton") }, expected: [2024, 1, 29] },
                { tag: "previous-month button clicked, 15 January 2021 to December 2020",
                  start: [2021, 0, 15], act: function (p) { clickButton(p, "previousMonth") }, expected: [2020, 11, 15] },
                { tag: "previous-month button by Space, 31 March 2023",
                  start: [2023, 2, 31], act: function (p) { pressOnButton(p, "previousMonth", Qt.Key_Space) }, expected: [2023, 1, 28] },
                { tag: "previous-month button by Enter", start: [2026, 4, 20],
                  act: function (p) { pressOnButton(p, "previousMonth", Qt.Key_Enter) }, expected: [2026, 3, 20] },
                { tag: "next-month button by Return, December 2020 to January 2021", start: [2020, 11, 31],
                  act: function (p) { pressOnButton(p, "nextMonthButton", Qt.Key_Return) }, expected: [2021, 0, 31] },
                { tag: "previous-month button by Return", start: [2026, 4, 20],
                  act: function (p) { pressOnButton(p, "previousMonth", Qt.Key_Return) }, expected: [2026, 3, 20] },
                { tag: "next-month button by Enter", start: [2026, 4, 31],
                  act: function (p) { pressOnButton(p, "nextMonthButton", Qt.Key_Enter) }, expected: [2026, 5, 30] },
                { tag: "next-month button by Space", start: [2025, 7, 31],
                  act: function (p) { pressOnButton(p, "nextMonthButton", Qt.Key_Space) }, expected: [2025, 8, 30] },
                { tag: "31 March 2023, February clicked in the month list", start: [2023, 2, 31],
                  act: function (p) { clickMonth(p, 1) }, expected: [2023, 1, 28] },
                { tag: "31 March 2024, February by Up on the month box", start: [2024, 2, 31],
                  act: function (p) { stepBox(p, "monthComboBox", -1) }, expected: [2024, 1, 29] },
                { tag: "31 January 2023, February by Down on the month box", start: [2023, 0, 31],
                  act: function (p) { stepBox(p, "monthComboBox", 1) }, expected: [2023, 1, 28] },
                { tag: "31 March 2023, February by Enter on the open month list", start: [2023, 2, 31],
                  act: function (p) { enterOnList(p, "monthComboBox", -1, Qt.Key_Enter) }, expected: [2023, 1, 28] },
                { tag: "31 March 2024, February by Return on the open month list", start: [2024, 2, 31],
                  act: function (p) { enterOnList(p, "monthComboBox", -1, Qt.Key_Return) }, expected: [2024, 1, 29] },
                { tag: "31 January 2024, March clicked: Beirut skips the midnight of 31 March", start: [2024, 0, 31],
                  act: function (p) { clickMonth(p, 2) }, expected: [2024, 2, 31] },
                { tag: "the month already shown, clicked again", start: [2026, 5, 10],
                  act: function (p) { clickMonth(p, 5) }, expected: [2026, 5, 10] },
                { tag: "29 February 2024, 2023 clicked in the year list", start: [2024, 1, 29],
                  act: function (p) { clickYear(p, 2023) }, expected: [2023, 1, 28] },
                { tag: "29 February 2024, 2023 by Up on the year box", start: [2024, 1, 29],
                  act: function (p) { stepBox(p, "yearInput", -1) }, expected: [2023, 1, 28] },
                { tag: "29 February 2024, 2023 by Enter on the open year list", start: [2024, 1, 29],
                  act: function (p) { enterOnList(p, "yearInput", -1, Qt.Key_Enter) }, expected: [2023, 1, 28] },
                { tag: "29 February 2024, 2028 by Return on the open year list", start: [2024, 1, 29],
                  act: function (p) { enterOnList(p, "yearInput", 4, Qt.Key_Return) }, expected: [2028, 1, 29] },
                { tag: "29 February 2024, 2025 by Down on the year box", start: [2024, 1, 29],
                  act: function (p) { stepBox(p, "yearInput", 1) }, expected: [2025, 1, 28] },
                { tag: "day 15 clicked in the grid", start: [2026, 2, 3],
                  act: function (p) { clickDay(p, 15) }, expected: [2026, 2, 15] },
                { tag: "a day of the next month clicked, 31 January 2025", start: [2025, 0, 31],
                  act: function (p) { clickDay(p, 2, 1) }, expected: [2025, 1, 2] },
                { tag: "a day of the previous month clicked, March 2026", start: [2026, 2, 10],
                  act: function (p) { clickDay(p, 27, -1) }, expected: [2026, 1, 27] },
                { tag: "wheel turned toward the user over the grid", start: [2024, 0, 31],
                  act: function (p) { wheelOverGrid(p, -1) }, expected: [2024, 1, 29] },
                { tag: "wheel turned away over the grid", start: [2024, 2, 31],
                  act: function (p) { wheelOverGrid(p, 1) }, expected: [2024, 1, 29] },
                { tag: "day 05 typed in the picker", start: [2024, 2, 20],
                  act: function (p) { typeInPicker(p, 0, "05") }, expected: [2024, 2, 5] },
                { tag: "31 January 2023, month 02 typed in the picker", start: [2023, 0, 31],
                  act: function (p) { typeInPicker(p, 1, "02") }, expected: [2023, 1, 28] },
                { tag: "29 February 2024, year 2023 typed in the picker", start: [2024, 1, 29],
                  act: function (p) { typeInPicker(p, 2, "2023") }, expected: [2023, 1, 28] },
                { tag: "Up in the picker's day field", start: [2026, 3, 29],
                  act: function (p) { stepInPicker(p, 0, Qt.Key_Up) }, expected: [2026, 3, 30] },
                { tag: "Up in the picker's day field on the last day of the month", start: [2026, 3, 30],
                  act: function (p) { stepInPicker(p, 0, Qt.Key_Up) }, expected: [2026, 3, 30] },
                { tag: "Page Down in the picker's month field", start: [2026, 11, 31],
                  act: function (p) { stepInPicker(p, 1, Qt.Key_PageDown) }, expected: [2026, 1, 28] },
                { tag: "Down in the picker's year field, 29 February 2024", start: [2024, 1, 29],
                  act: function (p) { stepInPicker(p, 2, Qt.Key_Down) }, expected: [2023, 1, 28] },
                { tag: "wheel over the picker's month field", start: [2026, 0, 31],
                  act: function (p) { wheelOverPicker(p, 1, 1) }, expected: [2026, 1, 28] },
                { tag: "day set by automated driving", start: [2026, 6, 1],
                  act: function (p) { p.__set_day_of_month_in_date_picker__(31) }, expected: [2026, 6, 31] },
            ]
            // 4 November 2018: Sao Paulo skipped its midnight; every view must still land
            // on that day rather than the one before.
            rows.push(
                { tag: "2018-11-04 clicked in the grid", start: [2018, 10, 20],
                  act: function (p) { clickDay(p, 4) }, expected: [2018, 10, 4] },
                { tag: "2018-11-04 by the next-month button", start: [2018, 9, 4],
                  act: function (p) { clickButton(p, "nextMonthButton") }, expected: [2018, 10, 4] },
                { tag: "2018-11-04 by the previous-month button", start: [2018, 11, 4],
                  act: function (p) { clickButton(p, "previousMonth") }, expected: [2018, 10, 4] },
                { tag: "2018-11-04 by the month list", start: [2018, 9, 4],
                  act: function (p) { clickMonth(p, 10) }, expected: [2018, 10, 4] },
                { tag: "2018-11-04 by Down on the month box", start: [2018, 9, 4],
                  act: function (p) { stepBox(p, "monthComboBox", 1) }, expected: [2018, 10, 4] },
                { tag: "2018-11-04 by the year list", start: [2017, 10, 4],
                  act: function (p) { clickYear(p, 2018) }, expected: [2018, 10, 4] },
                { tag: "2018-11-04 by Enter on the open year list", start: [2019, 10, 4],
                  act: function (p) { enterOnList(p, "yearInput", -1, Qt.Key_Enter) }, expected: [2018, 10, 4] },
                { tag: "2018-11-04 typed in the picker", start: [2018, 10, 20],
                  act: function (p) { typeInPicker(p, 0, "04") }, expected: [2018, 10, 4] },
                { tag: "2018-11-04 by Down in the picker's day field", start: [2018, 10, 5],
                  act: function (p) { stepInPicker(p, 0, Qt.Key_Down) }, expected: [2018, 10, 4] })
            return rows
        }

        function test_userChoice(data) {
            var panel = createPanel()
            startAt(panel, data.start[0], data.start[1], data.start[2])
            data.act(panel)
            var reported = verifyChosen(panel, data.expected[0], data.expected[1], data.expected[2])
            // Sao Paulo's 4 November 2018 began at 01:00, three hours after midnight UTC.
            if (isSaoPauloLike() && dayOf(reported) === "2018-11-4")
                compare(reported.toISOString(), "2018-11-04T03:00:00.000Z")
        }

        function isSaoPauloLike() {
            return new Date(2018, 10, 3, 12).getTimezoneOffset() === 180
                && new Date(2018, 10, 5, 12).getTimezoneOffset() === 120
        }

        // Arrow keys step by whole days or weeks of milliseconds and keep the time of day.
        function test_arrowKeysInGrid_data() {
            return [
                { tag: "Right, one day on", key: Qt.Key_Right, start: [2026, 1, 28], shift: 86400000, expected: [2026, 2, 1] },
                { tag: "Left, one day back", key: Qt.Key_Left, start: [2026, 2, 1], shift: -86400000, expected: [2026, 1, 28] },
                { tag: "Down, a week on", key: Qt.Key_Down, start: [2025, 11, 29], shift: 604800000, expected: [2026, 0, 5] },
                { tag: "Up, a week back", key: Qt.Key_Up, start: [2024, 2, 3], shift: -604800000, expected: [2024, 1, 25] },
            ]
        }

        function test_arrowKeysInGrid(data) {
            var panel = createPanel()
            var start = startAt(panel, data.start[0], data.start[1], data.start[2], 12)
            arrowInGrid(panel, data.key)
            var reported = onlyReport()
            compare(reported.getTime(), start.getTime() + data.shift)
            compare(dayOf(reported), dayText(data.expected[0], data.expected[1], data.expected[2]))
            verifyShown(panel, data.expected[0], data.expected[1], data.expected[2])
        }

        // 2026 begins on a Thursday, so choosing week n asks for the Friday of week n.
        function test_weeksBox() {
            var panel = createPanel()
            startAt(panel, 2026, 2, 4)
            weeksByKeys(panel, 1)
            var reported = onlyReport()
            compare(dayOf(reported), "2026-3-13")
            verifyShown(panel, 2026, 2, 13)
            compare(weeksBox(panel).currentIndex, 10)
        }

        function test_returnButtonReportsNow_data() {
            return [
                { tag: "applet look, clicked", isApplet: true, key: 0 },
                { tag: "full look, clicked", isApplet: false, key: 0 },
                { tag: "applet look, Enter", isApplet: true, key: Qt.Key_Enter },
                { tag: "full look, Return", isApplet: false, key: Qt.Key_Return },
                { tag: "applet look, Space", isApplet: true, key: Qt.Key_Space },
            ]
        }

        function test_returnButtonReportsNow(data) {
            var panel = createPanel({ isApplet: data.isApplet })
            startAt(panel, 1999, 4, 17)
            var before = Date.now()
            if (data.key) {
                panel.selectReturnButton()
                keyClick(data.key)
            } else {
                clickButton(panel, "returnButton")
            }
            var after = Date.now()
            var reported = onlyReport()
            verify(reported.getTime() >= before && reported.getTime() <= after,
                   reported.toISOString() + " is not the moment of the click")
            verifyShown(panel, reported.getFullYear(), reported.getMonth(), reported.getDate())
            compare(panel.getCalendarDate().getTime(), reported.getTime(), "time of day kept")
        }

        function test_hostUpdateReportsOnce() {
            var panel = createPanel()
            panel.updateAll(new Date(2030, 6, 14, 9, 30))
            var reported = onlyReport()
            compare(reported.getTime(), new Date(2030, 6, 14, 9, 30).getTime())
            verifyShown(panel, 2030, 6, 14)
        }

        // No view answers the panel's update with a proposal of its own.
        function test_noEcho() {
            var panel = createPanel()
            var proposals = [["calendar", "updateAll"], ["yearInput", "inputChanged"], ["datePicker", "dateChanged"],
                             ["monthComboBox", "activated"]].map(function (entry) {
                return spyOn(part(panel, entry[0]), entry[1])
            })
            panel.updateAll(new Date(2024, 1, 29, 8))
            panel.updateAll(new Date(2023, 2, 31, 8))
            proposals.forEach(function (spy) { compare(spy.count, 0, spy.signalName) })
            compare(reports.count, 2)
            verifyShown(panel, 2023, 2, 31)
        }

        function test_noReportAtCreation_data() {
            return [
                { tag: "applet look", properties: "" },
                { tag: "full look, dark, own range", properties: "; isApplet: false; isLight: false; startYear: 2000; lastYear: 2050" },
            ]
        }

        // The report handler is connected from the start, so nothing emitted while the
        // panel is being built escapes it.
        function test_noReportAtCreation(data) {
            var directory = panelUrl.replace(/OrvCalendar\.qml$/, "")
            var panel = createTemporaryQmlObject("import QtQuick 2.15; import \"" + directory + "\"\n"
                + "OrvCalendar { property int reportsAtCreation: 0; width: 600; height: 400" + data.properties
                + "; onNewDateSelected: ++reportsAtCreation }", root)
            verify(panel)
            waitForRendering(panel)
            compare(panel.reportsAtCreation, 0)
            var now = new Date()
            verifyShown(panel, now.getFullYear(), now.getMonth(), now.getDate())
        }
    }
}
