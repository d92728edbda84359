/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.2
import "../panel"

// The panel on a page mirrored for a right-to-left language, as a host mirrors it: the
// places of its parts, and the arrow keys following what the user sees.
Item {
    id: root

    width: 800
    height: 600
    LayoutMirroring.enabled: true
    LayoutMirroring.childrenInherit: true

    PanelTestCase {
        id: testCase

        function sceneX(item) {
            return item.mapToItem(null, 0, 0).x
        }

        function arrowOf(button) {
            return String(button.contentItem.children[0].source).replace(/.*\//, "")
        }

        function test_mirroredPlaces() {
            var panel = createPanel()
            startAt(panel, 2026, 11, 9)
            var cells = dayCells(panel)
            waitForItemPolished(cells[0].parent)
            verify(sceneX(cells[0]) > sceneX(cells[6]), "Monday's column should stand right of Sunday's")
            var strip = part(panel, "weekNumberColumn")
            verify(sceneX(strip) > sceneX(cells[0]), "the week numbers should stand right of the grid")
            var box = weeksBox(panel)
            compare(sceneX(box.background) + box.background.width, sceneX(strip) + strip.width,
                    "the weeks box's face should stand over the strip")
            var previous = part(panel, "previousMonth")
            var next = part(panel, "nextMonthButton")
            verify(sceneX(previous) > sceneX(next), "the previous-month button should stand at the right")
            compare(arrowOf(previous), "arrow-right.png")
            compare(arrowOf(next), "arrow-left.png")
            // A date in digits keeps its order: day, month, year from left to right.
            compare(pickerFields(panel).map(function (field) { return field.value }), [9, 12, 2026])
        }

        function test_arrowKeys_data() {
            return [
                { tag: "Left: the cell on the left, the next day", key: Qt.Key_Left, day: 10 },
                { tag: "Right: the cell on the right, the day before", key: Qt.Key_Right, day: 8 }
            ]
        }

        function test_arrowKeys(data) {
            var panel = createPanel()
            startAt(panel, 2026, 11, 9)
            var before = sceneX(dayCell(panel, 2026, 11, 9))
            part(panel, "calendar").focusOnCalendar()
            keyClick(data.key)
            compare(dayOf(onlyReport()), dayText(2026, 11, data.day))
            verifyShown(panel, 2026, 11, data.day)
            var after = sceneX(dayCell(panel, 2026, 11, data.day))
            verify(data.key === Qt.Key_Left ? after < before : after > before, "the selection moved the other way")
        }

        // The moves between the header's controls follow the mirrored places too.
        function test_headerKeys_data() {
            return [
                { tag: "month box, Left: the year box", from: "monthComboBox", key: Qt.Key_Left, to: "yearInput" },
                { tag: "month box, Right: the previous-month button", from: "monthComboBox", key: Qt.Key_Right,
                  to: "previousMonth" },
                { tag: "year box, Left: the next-month button", from: "yearInput", key: Qt.Key_Left,
                  to: "nextMonthButton" },
                { tag: "next-month button, Right: the year box", from: "nextMonthButton", key: Qt.Key_Right,
                  to: "yearInput" }
            ]
        }

        function test_headerKeys(data) {
            var panel = createPanel()
            startAt(panel, 2026, 11, 9)
            var from = part(panel, data.from)
            var to = part(panel, data.to)
            from.forceActiveFocus()
            keyClick(data.key)
            verify(to.activeFocus, data.to + " should have the keyboard")
            verify(data.key === Qt.Key_Left ? sceneX(to) < sceneX(from) : sceneX(to) > sceneX(from),
                   "the keyboard moved the other way")
        }

        function test_digitalClockUnmirrored() {
            var clock = createTemporaryObject(Qt.createComponent("qrc:/qml/DigitalClock.qml"), root,
                                              { width: 240, height: 42 })
            clock.updateTime(10, 20, 30)
            var fields = descendants(clock, function (item) { return item.valueFromText !== undefined })
            fields.sort(function (a, b) { return sceneX(a) - sceneX(b) })
            compare(fields.map(function (field) { return field.value }), [10, 20, 30])
        }
    }
}
