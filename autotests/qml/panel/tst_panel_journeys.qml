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
        // Steps, "|" between them: "day", "month", "year" (that picker field), "weeks" or a
        // part's name (the keyboard there), digits (typed), "clear" (Ctrl+A, Backspace in the
        // field named last, or the one after the field cleared last), a key,
        // "click DAY" (its cell as shown at the start), "selectPrevMonth" (the host),
        // "type TEXT" (its keys), "rest" (the boxes' typing pauses). Dates are year-month-day, month 1-12.
        function test_journey_data() {
            return [
                { tag: "29.02.2028 over 12.2026", start: "2026-12-15", steps: "day|clear|29|clear|02|clear|2028", reports: 3, end: "2028-2-29" },
                { tag: "30.03.2027 over 15.02.2027", start: "2027-2-15", steps: "day|clear|30|clear|03|clear|2027", reports: 3, end: "2027-3-30" },
                { tag: "31.01.2030 over 02.2026", start: "2026-2-10", steps: "day|clear|31|clear|01|clear|2030", reports: 3, end: "2030-1-31" },
                { tag: "31.04.2027 is 30 April", start: "2027-1-10", steps: "day|clear|31|clear|04|clear|2027", reports: 3, end: "2027-4-30" },
                { tag: "day emptied, Return", start: "2026-1-17", steps: "day|clear|Return", reports: 0, end: "2026-1-17", released: true },
                { tag: "year 20, Return", start: "2026-6-15", steps: "year|clear|20|Return", reports: 0, end: "2026-6-15", released: true },
                { tag: "year 20, click on 20 June", start: "2026-6-15", steps: "year|clear|20|click 20", reports: 1, end: "2026-6-20" },
                { tag: "month 1, click on 20 June", start: "2026-6-15", steps: "month|clear|1|click 20", reports: 2, end: "2026-6-20" },
                { tag: "January 1970: weeks box Up", start: "1970-1-10", steps: "weeks|Up|Return", reports: 1, end: "1970-2-10" },
                { tag: "January 1970: month box Left", start: "1970-1-10", steps: "monthComboBox|Left|Return", reports: 1, end: "1970-2-10" },
                { tag: "January 1970: selectPrevMonth()", start: "1970-1-10", steps: "selectPrevMonth|Return", reports: 1, end: "1970-2-10" },
                { tag: "December 2105: weeks box Left", start: "2105-12-10", steps: "weeks|Left|Return", reports: 1, end: "2105-11-10" },
                { tag: "December 2105: year box Right", start: "2105-12-10", steps: "yearInput|Right|Return", reports: 1, end: "2105-11-10" },
                { tag: "first year 2026: weeks box Up", start: "2026-1-31", startYear: 2026, steps: "weeks|Up|Return", reports: 1, end: "2026-2-28" },
                { tag: "month box: Return, Down, Return", start: "2026-5-13", steps: "monthComboBox|Return|Down|Return", reports: 1, end: "2026-6-13", at: "monthComboBox" },
                { tag: "year box: Return, Down, Return", start: "2026-5-13", steps: "yearInput|Return|Down|Return", reports: 1, end: "2027-5-13", at: "yearInput" },
                { tag: "weeks box: Return, Down, Return", start: "2026-5-13", steps: "weeks|Return|Down|Return", reports: 1, end: "2026-5-22", at: "weeks" },
                // The next key at once acts on the closed box, whether or not the style fades its lists.
                { tag: "month box: Return, Down, Return, Down", start: "2026-5-13", steps: "monthComboBox|Return|Down|Return|Down", reports: 2, end: "2026-7-13", at: "monthComboBox" },
                { tag: "year box: Return, Up, Escape, Up", start: "2026-5-13", steps: "yearInput|Return|Up|Escape|Up", reports: 1, end: "2025-5-13", at: "yearInput" },
                { tag: "weeks box: Return, Down, Return, Up", start: "2026-5-13", steps: "weeks|Return|Down|Return|Up", reports: 1, end: "2026-5-22", at: "previousMonth" },
                { tag: "year box: 2, 0, 3, 0", start: "2026-5-13", steps: "yearInput|2030|rest", reports: 1, end: "2030-5-13" },
                { tag: "year box: 1, 9", start: "2026-5-13", steps: "yearInput|19|rest", reports: 1, end: "1970-5-13" },
                { tag: "month box: j, u, n", start: "2026-5-13", steps: "monthComboBox|type jun|rest", reports: 1, end: "2026-6-13" },
                { tag: "month box: M, A", start: "2026-5-13", steps: "monthComboBox|type MA|rest", reports: 1, end: "2026-3-13" },
                { tag: "month box: m, a, y, the month shown", start: "2026-5-13", steps: "monthComboBox|type may|rest", reports: 0, end: "2026-5-13" },
                // A host's date outside the range is taken to the range's end.
                { tag: "host 31.12.1969, next month", start: "1969-12-31", steps: "nextMonthButton|Return", reports: 1, end: "1970-2-1" },
                { tag: "host 1.1.2031 in 2000-2030, previous month", start: "2031-1-1", startYear: 2000, lastYear: 2030, steps: "previousMonth|Return", reports: 1, end: "2030-11-30" },
                // The keyboard handed on by an arrow key is drawn as after Tab.
                { tag: "month box Left", start: "2026-5-13", steps: "monthComboBox|Left", reports: 0, end: "2026-5-13", at: "previousMonth", seen: true },
                { tag: "weeks box Down", start: "2026-5-13", steps: "weeks|Down", reports: 0, end: "2026-5-13", at: "returnButton", seen: true },
                { tag: "next month Right", start: "2026-5-13", steps: "nextMonthButton|Right", reports: 0, end: "2026-5-13", at: "weeks", seen: true },
                // A host that moves the panel in its own completion, as the preview does.
                { tag: "host page: weeks box End", start: "2026-5-13", hostPage: true, steps: "weeks|Return|End|Return", reports: 1, end: "2026-12-31" },
                { tag: "January 1970: selectPrevMonth(), seen", start: "1970-1-10", steps: "selectPrevMonth", reports: 0, end: "1970-1-10", at: "nextMonthButton", seen: true },
            ]
        }

        // Ctrl+A and Backspace as the user empties a field: it must hold the keyboard, and end empty.
        function clearField(field, what) {
            verify(isWithin(focused(), field), what + " should hold the keyboard, not " + focused())
            verify(field.contentItem.text !== "", what + " is empty already")
            keyClick(Qt.Key_A, Qt.ControlModifier)
            keyClick(Qt.Key_Backspace)
            compare(field.contentItem.text, "", what + " was not emptied")
        }

        function hostPanel() {
            var page = createTemporaryQmlObject("import QtQuick 2.15; import \"qrc:/qml\"; Item { width: 600; height: 400; "
                + "OrvCalendar { id: panel; anchors.fill: parent } Component.onCompleted: panel.updateAll(new Date()) }", root)
            reports.target = page.children[0]
            return page.children[0]
        }

        function test_journey(data) {
            var start = data.start.split("-").map(Number)
            var end = data.end.split("-").map(Number)
            var panel = data.hostPage ? hostPanel() : createPanel({ startYear: data.startYear || 1970, lastYear: data.lastYear || 2105 })
            startAt(panel, start[0], start[1] - 1, start[2])
            var boxes = [weeksBox(panel), part(panel, "monthComboBox"), part(panel, "yearInput")]
            var steps = data.steps.split("|").map(function (step) {
                var words = step.split(" ")
                return words[0] !== "click" ? step : dayCell(panel, start[0], start[1] - 1, Number(words[1]))
            })
            var fieldNames = ["day", "month", "year"]
            var field = -1
            root.releasedKeys = []
            steps.forEach(function (step) {
                if (typeof step !== "string")
                    mouseClick(step)
                else if (/^\d+$/.test(step) || /^type /.test(step))
                    step.replace(/^type /, "").split("").forEach(function (key) { keyClick(key) })
                else if (fieldNames.indexOf(step) >= 0)
                    focusOnPickerField(panel, field = fieldNames.indexOf(step))
                else if (step === "clear")
                    clearField(pickerFields(panel)[field], "the " + fieldNames[field++] + " field")
                else if (step === "selectPrevMonth")
                    panel.selectPrevMonth()
                else if (step === "rest")
                    ["yearSearch", "monthSearch"].forEach(function (name) { (findChild(panel, name) || { triggered: Function() }).triggered() })
                else if (Qt["Key_" + step] !== undefined)
                    keyClick(Qt["Key_" + step])
                else
                    (step === "weeks" ? boxes[0] : part(panel, step)).forceActiveFocus()
            })
            compare(reports.count, data.reports, "reports")
            if (data.reports) {
                var last = new Date(Date.parse(reports.signalArguments[reports.count - 1][0]))
                compare(dayOf(last), dayText(end[0], end[1] - 1, end[2]), "last report")
                verify(isFirstInstantOfDay(last), "not the start of the day: " + last)
            }
            verifyShown(panel, end[0], end[1] - 1, end[2])
            // A style that fades a list out draws its box down until the list is gone.
            boxes.forEach(function (box) {
                verify(!box.pressed, box + " stays pressed")
                tryVerify(function () { return !box.down }, 1000, box + " stays down")
            })
            if (data.at)
                verifyFocusWithin(data.at === "weeks" ? boxes[0] : part(panel, data.at), data.at)
            if (data.seen)
                verify(focused().visualFocus, "the keyboard is not drawn on " + focused())
            if (data.released)
                verify(root.releasedKeys.indexOf(Qt.Key_Return) >= 0, "the host did not see the release of Return")
        }
    }
}
