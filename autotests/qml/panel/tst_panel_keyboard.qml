/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0

// The panel's focus map walked with real key presses, in both looks, and what the host
// sees of the keys.
Item {
    id: root

    property var pressedKeys: []
    property var releasedKeys: []

    width: 800
    height: 600

    // The host's view of the keys that the panel leaves unconsumed.
    Keys.onPressed: pressedKeys.push(event.key)
    Keys.onReleased: releasedKeys.push(event.key)

    PanelTestCase {
        id: testCase

        function init() {
            root.pressedKeys = []
            root.releasedKeys = []
        }

        readonly property var partNames: ({ "previous-month button": "previousMonth", "month box": "monthComboBox",
                                            "year box": "yearInput", "next-month button": "nextMonthButton",
                                            "return button": "returnButton" })

        // Puts the keyboard on one place of the panel through the panel's entry points where
        // it has them, else as a user would get there.
        function focusOn(panel, place) {
            switch (place) {
            case "previous-month button":
                panel.selectPrevMonth()
                break
            case "return button":
                panel.selectReturnButton()
                break
            case "day field":
                panel.selectDatePicker()
                break
            case "end of the year field":
                focusOnPickerField(panel, 2)
                keyClick(Qt.Key_End)
                break
            case "weeks box":
                part(panel, "calendar").focusOnWeeks()
                break
            default:
                part(panel, partNames[place]).forceActiveFocus()
            }
            verify(isAt(panel, place), "could not start on the " + place + ", the keyboard is on " + focused())
        }

        function isAt(panel, place) {
            var item = focused()
            switch (place) {
            case "weeks box": return isWithin(item, weeksBox(panel))
            case "selected day":
                var date = panel.getCalendarDate()
                return item === dayCell(panel, date.getFullYear(), date.getMonth(), date.getDate())
            case "day field": return isWithin(item, pickerFields(panel)[0])
            case "end of the year field":
                var year = pickerFields(panel)[2]
                return isWithin(item, year) && year.contentItem.cursorPosition === year.contentItem.text.length
            default: return isWithin(item, part(panel, partNames[place]))
            }
        }

        function test_focusMap_data() {
            var moves = [
                ["previous-month button", Qt.Key_Right, "month box"],
                ["previous-month button", Qt.Key_Down, "weeks box"],
                ["month box", Qt.Key_Left, "previous-month button"],
                ["month box", Qt.Key_Right, "year box"],
                ["year box", Qt.Key_Left, "month box"],
                ["year box", Qt.Key_Right, "next-month button"],
                ["next-month button", Qt.Key_Left, "year box"],
                ["next-month button", Qt.Key_Right, "weeks box"],
                ["next-month button", Qt.Key_Down, "selected day"],
                ["return button", Qt.Key_Up, "weeks box"],
                ["return button", Qt.Key_Right, "day field"],
                // The calendar's and the picker's own hand-offs, routed by the panel.
                ["weeks box", Qt.Key_Up, "previous-month button"],
                ["weeks box", Qt.Key_Left, "next-month button"],
                ["weeks box", Qt.Key_Down, "return button"],
                ["weeks box", Qt.Key_Right, "selected day"],
                ["day field", Qt.Key_Left, "return button"],
            ]
            var rows = []
            ;[true, false].forEach(function (isApplet) {
                moves.forEach(function (move) {
                    rows.push({ tag: (isApplet ? "applet: " : "full: ") + move[0] + ", " + keyName(move[1]) + " to " + move[2],
                                isApplet: isApplet, from: move[0], key: move[1], to: move[2] })
                })
            })
            return rows
        }

        function keyName(key) {
            var names = {}
            names[Qt.Key_Left] = "Left"
            names[Qt.Key_Up] = "Up"
            names[Qt.Key_Right] = "Right"
            names[Qt.Key_Down] = "Down"
            return names[key]
        }

        function test_focusMap(data) {
            var panel = createPanel({ isApplet: data.isApplet })
            startAt(panel, 2026, 4, 13)
            var edges = edgeSpies(panel)
            focusOn(panel, data.from)
            keyClick(data.key)
            verify(isAt(panel, data.to), "the keyboard went to " + focused())
            compare(reports.count, 0, "moving the keyboard chooses no date")
            compare(edges.settings.count + edges.clock.count, 0, "the keyboard stays in the panel")
        }

        function edgeSpies(panel) {
            return { settings: spyOn(panel, "selectOpenSettings"), clock: spyOn(panel, "selectDigitalClock") }
        }

        // The outer edges belong to the host, which moves the keyboard on itself.
        function test_edges_data() {
            return [
                { tag: "applet: Left on the previous-month button", isApplet: true, from: "previous-month button", key: Qt.Key_Left, edge: "settings" },
                { tag: "full: Left on the previous-month button", isApplet: false, from: "previous-month button", key: Qt.Key_Left, edge: "settings" },
                { tag: "applet: Left on the return button", isApplet: true, from: "return button", key: Qt.Key_Left, edge: "clock" },
                { tag: "full: Left on the return button", isApplet: false, from: "return button", key: Qt.Key_Left, edge: "clock" },
                { tag: "applet: Right at the end of the year field", isApplet: true, from: "end of the year field", key: Qt.Key_Right, edge: "settings" },
                { tag: "full: Right at the end of the year field", isApplet: false, from: "end of the year field", key: Qt.Key_Right, edge: "clock" },
            ]
        }

        function test_edges(data) {
            var panel = createPanel({ isApplet: data.isApplet })
            var edges = edgeSpies(panel)
            focusOn(panel, data.from)
            keyClick(data.key)
            compare(edges[data.edge].count, 1, data.edge)
            compare(edges.settings.count + edges.clock.count, 1, "one edge only")
            compare(reports.count, 0)
        }

        function test_hostEntries_data() {
            return [
                { tag: "selectPrevMonth", call: "selectPrevMonth", place: "previous-month button" },
                { tag: "selectReturnButton", call: "selectReturnButton", place: "return button" },
                { tag: "selectDatePicker", call: "selectDatePicker", place: "day field" },
            ]
        }

        function test_hostEntries(data) {
            var panel = createPanel()
            part(panel, "nextMonthButton").forceActiveFocus()
            panel[data.call]()
            verify(isAt(panel, data.place), "the keyboard went to " + focused())
        }

        // A button that its own step disables passes the keyboard to the one stepping back.
        function test_keyboardKeptAtRangeEnds_data() {
            return [
                { tag: "Enter on the previous-month button in February 1970", from: "previous-month button",
                  key: Qt.Key_Enter, start: [1970, 1, 10], to: "next-month button", expected: [1970, 0, 10] },
                { tag: "Return on the next-month button in November 2105", from: "next-month button",
                  key: Qt.Key_Return, start: [2105, 10, 10], to: "previous-month button", expected: [2105, 11, 10] },
                { tag: "Space on the previous-month button in February 1970", from: "previous-month button",
                  key: Qt.Key_Space, start: [1970, 1, 10], to: "next-month button", expected: [1970, 0, 10] },
            ]
        }

        function test_keyboardKeptAtRangeEnds(data) {
            var panel = createPanel()
            startAt(panel, data.start[0], data.start[1], data.start[2])
            focusOn(panel, data.from)
            keyClick(data.key)
            verifyChosen(panel, data.expected[0], data.expected[1], data.expected[2])
            verify(isAt(panel, data.to), "the keyboard went to " + focused())
            compare(part(panel, "monthComboBox").popup.visible || part(panel, "yearInput").popup.visible, false,
                    "the key's release opened a list")
        }

        function test_dateIsBeingEdited() {
            var panel = createPanel()
            compare(panel.dateIsBeingEdited, false)
            panel.selectDatePicker()
            compare(panel.dateIsBeingEdited, true)
            focusOn(panel, "end of the year field")
            compare(panel.dateIsBeingEdited, true, "in the year field")
            keyClick(Qt.Key_Home)
            keyClick(Qt.Key_Left)
            compare(panel.dateIsBeingEdited, true, "in the month field")
            panel.selectDatePicker()
            keyClick(Qt.Key_Left)
            verify(isAt(panel, "return button"))
            compare(panel.dateIsBeingEdited, false)
        }

        // The panel's handlers act on press and pass the key on; only Enter and Return
        // on the month and year boxes are kept.
        function test_keysReachTheHost_data() {
            return [
                { tag: "Left on the previous-month button", from: "previous-month button", key: Qt.Key_Left },
                { tag: "Down on the previous-month button", from: "previous-month button", key: Qt.Key_Down },
                { tag: "Enter on the next-month button", from: "next-month button", key: Qt.Key_Enter },
                { tag: "Return on the return button", from: "return button", key: Qt.Key_Return },
                { tag: "Right on the month box", from: "month box", key: Qt.Key_Right },
                { tag: "Left on the year box", from: "year box", key: Qt.Key_Left },
                { tag: "Up on the return button", from: "return button", key: Qt.Key_Up },
            ]
        }

        function test_keysReachTheHost(data) {
            var panel = createPanel()
            focusOn(panel, data.from)
            keyClick(data.key)
            verify(root.pressedKeys.indexOf(data.key) >= 0, "the host did not see the key")
        }

        function test_enterOnBoxesIsKept_data() {
            return [
                { tag: "month box, Enter", box: "month box", key: Qt.Key_Enter },
                { tag: "month box, Return", box: "month box", key: Qt.Key_Return },
                { tag: "year box, Enter", box: "year box", key: Qt.Key_Enter },
                { tag: "year box, Return", box: "year box", key: Qt.Key_Return },
            ]
        }

        // Enter opens the list, the second commits the unchanged highlight, which still reports once.
        function test_enterOnBoxesIsKept(data) {
            var panel = createPanel()
            var box = part(panel, partNames[data.box])
            focusOn(panel, data.box)
            keyClick(data.key)
            tryCompare(box.popup, "opened", true)
            keyClick(data.key)
            tryCompare(box.popup, "visible", false)
            compare(root.releasedKeys.indexOf(data.key), -1, "the host saw the release")
            compare(reports.count, 1, "committing the open list chooses the highlighted entry")
            verify(isAt(panel, data.box), "the box keeps the keyboard")
        }

        // Escape closes the open list and chooses nothing.
        function test_escapeClosesWithoutChoice_data() {
            return [{ tag: "month box", box: "month box" }, { tag: "year box", box: "year box" }]
        }

        function test_escapeClosesWithoutChoice(data) {
            var panel = createPanel()
            startAt(panel, 2026, 4, 13)
            var box = part(panel, partNames[data.box])
            focusOn(panel, data.box)
            keyClick(Qt.Key_Return)
            tryCompare(box.popup, "opened", true)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Escape)
            tryCompare(box.popup, "visible", false)
            compare(reports.count, 0)
            verifyShown(panel, 2026, 4, 13)
        }
    }
}
