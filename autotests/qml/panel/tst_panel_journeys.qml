/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0

// An administrator's journeys through the panel, key by key and click by click, checked
// against the date that the panel then shows and reports.
Item {
    id: root

    property var releasedKeys: []

    width: 800
    height: 600

    Keys.onReleased: releasedKeys.push(event.key)

    PanelTestCase {
        function typeText(text) {
            text.split("").forEach(function (key) { keyClick(key) })
        }

        // Fields typed in the picker from `field` on ("|" between them, each entered with
        // Ctrl+A), then a key or a click on a day of the grid as shown at the start.
        function test_picker_data() {
            return [
                { tag: "29.02.2028 while December 2026 is shown", start: [2026, 11, 15], typed: "29|02|2028",
                  reports: 3, expected: [2028, 1, 29] },
                { tag: "30.03.2027 while 15.02.2027 is shown", start: [2027, 1, 15], typed: "30|03|2027", reports: 3,
                  expected: [2027, 2, 30] },
                { tag: "31.01.2030 while February 2026 is shown", start: [2026, 1, 10], typed: "31|01|2030", reports: 3,
                  expected: [2030, 0, 31] },
                { tag: "31.04.2027 is 30.04.2027", start: [2027, 0, 10], typed: "31|04|2027", reports: 3,
                  expected: [2027, 3, 30] },
                { tag: "day emptied, Return", start: [2026, 0, 17], field: 0, typed: "", key: Qt.Key_Return, reports: 0,
                  expected: [2026, 0, 17] },
                { tag: "day emptied, Tab", start: [2026, 0, 17], field: 0, typed: "", key: Qt.Key_Tab, reports: 0,
                  expected: [2026, 0, 17] },
                { tag: "month emptied, Return", start: [2026, 5, 15], field: 1, typed: "", key: Qt.Key_Return, reports: 0,
                  expected: [2026, 5, 15] },
                { tag: "year 20, Return", start: [2026, 5, 15], field: 2, typed: "20", key: Qt.Key_Return, reports: 0,
                  expected: [2026, 5, 15] },
                { tag: "year 20, click on 20 June", start: [2026, 5, 15], field: 2, typed: "20", click: [20, 0],
                  reports: 1, expected: [2026, 5, 20] },
                { tag: "month 1, click on 20 June", start: [2026, 5, 15], field: 1, typed: "1", click: [20, 0],
                  reports: 2, expected: [2026, 5, 20] },
                { tag: "month 1, click on 2 July shown in June", start: [2026, 5, 15], field: 1, typed: "1",
                  click: [2, 1], reports: 2, expected: [2026, 6, 2] },
            ]
        }

        function test_picker(data) {
            var panel = createPanel()
            startAt(panel, data.start[0], data.start[1], data.start[2])
            var cell = data.click ? dayCell(panel, data.start[0], data.start[1], data.click[0], data.click[1]) : null
            focusOnPickerField(panel, data.field || 0)
            data.typed.split("|").forEach(function (text) {
                keyClick(Qt.Key_A, Qt.ControlModifier)
                keyClick(Qt.Key_Backspace)
                typeText(text)
            })
            if (cell)
                mouseClick(cell)
            else if (data.key)
                keyClick(data.key)
            compare(reports.count, data.reports)
            if (data.reports) {
                var last = new Date(Date.parse(reports.signalArguments[reports.count - 1][0]))
                compare(dayOf(last), dayText(data.expected[0], data.expected[1], data.expected[2]), "last report")
                verify(isFirstInstantOfDay(last), "not the start of the day: " + last)
            }
            verifyShown(panel, data.expected[0], data.expected[1], data.expected[2])
            if (data.key === Qt.Key_Return)
                verify(root.releasedKeys.indexOf(Qt.Key_Return) >= 0, "the release did not reach the host")
        }

        // At an end of the range the keyboard goes to the month button that is enabled,
        // and Return there steps into the range.
        function test_keyboardAtRangeEnds_data() {
            return [
                { tag: "January 1970, Up in the weeks box", start: [1970, 0, 10], from: "weeks", key: Qt.Key_Up,
                  to: "nextMonthButton", expected: [1970, 1, 10] },
                { tag: "January 1970, Left in the month box", start: [1970, 0, 10], from: "monthComboBox",
                  key: Qt.Key_Left, to: "nextMonthButton", expected: [1970, 1, 10] },
                { tag: "January 1970, the host's selectPrevMonth()", start: [1970, 0, 10], to: "nextMonthButton",
                  expected: [1970, 1, 10] },
                { tag: "December 2105, Left in the weeks box", start: [2105, 11, 10], from: "weeks", key: Qt.Key_Left,
                  to: "previousMonth", expected: [2105, 10, 10] },
                { tag: "December 2105, Right in the year box", start: [2105, 11, 10], from: "yearInput",
                  key: Qt.Key_Right, to: "previousMonth", expected: [2105, 10, 10] },
                { tag: "January 2026 as the first year, Up in the weeks box", startYear: 2026, start: [2026, 0, 31],
                  from: "weeks", key: Qt.Key_Up, to: "nextMonthButton", expected: [2026, 1, 28] },
            ]
        }

        function test_keyboardAtRangeEnds(data) {
            var panel = createPanel({ startYear: data.startYear || 1970 })
            startAt(panel, data.start[0], data.start[1], data.start[2])
            if (data.from)
                (data.from === "weeks" ? weeksBox(panel) : part(panel, data.from)).forceActiveFocus()
            if (data.key)
                keyClick(data.key)
            else
                panel.selectPrevMonth()
            verify(isWithin(focused(), part(panel, data.to)), "the keyboard went to " + focused())
            keyClick(Qt.Key_Return)
            verifyChosen(panel, data.expected[0], data.expected[1], data.expected[2])
        }

        // Return opens a box's list, Down highlights the next entry, Return commits it.
        function test_boxLetsGo_data() {
            return [
                { tag: "month box", box: "monthComboBox", expected: [2026, 5, 13] },
                { tag: "year box", box: "yearInput", expected: [2027, 4, 13] },
                { tag: "weeks box", expected: [2026, 4, 22] },
            ]
        }

        function test_boxLetsGo(data) {
            var panel = createPanel()
            startAt(panel, 2026, 4, 13)
            var box = data.box ? part(panel, data.box) : weeksBox(panel)
            box.forceActiveFocus()
            keyClick(Qt.Key_Return)
            tryCompare(box.popup, "opened", true)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Return)
            tryCompare(box.popup, "visible", false)
            verifyChosen(panel, data.expected[0], data.expected[1], data.expected[2])
            verify(!box.pressed && !box.down, "the box stays pressed")
        }

        // Digits typed in quick succession in the year box form one year, reported once
        // the typing rests.
        function test_yearTyped_data() {
            return [
                { tag: "2, 0, 3, 0", keys: "2030", shown: ["2000", "2000", "2030", "2030"], expected: [2030, 4, 13] },
                { tag: "1, 9", keys: "19", shown: ["1970", "1970"], expected: [1970, 4, 13] },
                { tag: "2, 1, 0, 5", keys: "2105", shown: ["2000", "2100", "2100", "2105"], expected: [2105, 4, 13] },
            ]
        }

        function test_yearTyped(data) {
            var panel = createPanel()
            startAt(panel, 2026, 4, 13)
            var box = part(panel, "yearInput")
            box.forceActiveFocus()
            data.keys.split("").forEach(function (key, i) {
                keyClick(key)
                compare(box.contentItem.text, data.shown[i], "after " + data.keys.slice(0, i + 1))
            })
            compare(reports.count, 0, "the typing has not rested")
            var search = part(panel, "yearSearch")
            verify(search.running)
            search.triggered()
            verifyChosen(panel, data.expected[0], data.expected[1], data.expected[2])
        }
    }
}
