/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0
import "../../../qml/panel"

// The machine's clock set forward or back while a date label and a panel are on
// show. libfaketime stands in for the clock: the test rewrites the time it reads,
// and from then on every clock call of the process reads the new time. The label
// follows at its next tick, the panel's mark of today once the host asks it to
// redraw; neither moves the date the user chose.
Item {
    id: root

    width: 800
    height: 600

    PanelTestCase {
        id: testCase

        name: "ClockMoved"

        function initTestCase() {
            verify(machineClock.movable, "run under libfaketime with FAKETIME_TIMESTAMP_FILE and FAKETIME_NO_CACHE=1")
        }

        function cleanup() {
            machineClock.set("+0")
        }

        function setClock(wallClock) {
            verify(machineClock.set(wallClock), "the clock could not be set")
            var now = new Date()
            compare([now.getFullYear(), now.getMonth() + 1, now.getDate(), now.getHours()].join("-"),
                    wallClock.replace(/^(\d+)-0?(\d+)-0?(\d+) 0?(\d+):.*$/, "$1-$2-$3-$4"), "the clock reads")
        }

        // The days of the shown month that the grid fills as today in its drawing.
        function markedToday(panel) {
            var shown = panel.getCalendarDate()
            return part(panel, "calendar").getDaysToDisplay().filter(function (record) {
                return record.isCurrentMonth && record.isToday
            }).map(function (record) {
                return dayText(shown.getFullYear(), shown.getMonth(), record.day)
            })
        }

        function test_clockMoved_data() {
            return [
                { tag: "forward a day, onto 8 March 2026, whose midnight Havana skipped",
                  from: "2026-03-07 12:00:00", to: "2026-03-08 12:00:00", shown: [2026, 2],
                  labels: ["Saturday, 7 March, 2026", "Sunday, 8 March, 2026"],
                  marked: [["2026-3-7"], ["2026-3-8"]] },
                { tag: "back a day, from 8 March 2026", from: "2026-03-08 12:00:00", to: "2026-03-07 12:00:00",
                  shown: [2026, 2], labels: ["Sunday, 8 March, 2026", "Saturday, 7 March, 2026"],
                  marked: [["2026-3-8"], ["2026-3-7"]] },
                { tag: "forward a day out of the month shown", from: "2026-03-31 09:30:00", to: "2026-04-01 09:30:00",
                  shown: [2026, 2], labels: ["Tuesday, 31 March, 2026", "Wednesday, 1 April, 2026"],
                  marked: [["2026-3-31"], []] },
                { tag: "back a day into the year before", from: "2027-01-01 00:30:00", to: "2026-12-31 00:30:00",
                  shown: [2027, 0], labels: ["Friday, 1 January, 2027", "Thursday, 31 December, 2026"],
                  marked: [["2027-1-1"], []] },
                { tag: "forward a day past midnight", from: "2026-06-15 23:59:30", to: "2026-06-16 23:59:30",
                  shown: [2026, 5], labels: ["Monday, 15 June, 2026", "Tuesday, 16 June, 2026"],
                  marked: [["2026-6-15"], ["2026-6-16"]] },
            ]
        }

        function test_clockMoved(data) {
            setClock(data.from)
            var label = createTemporaryObject(Qt.createComponent("qrc:/qml/CurrentDate.qml"), root,
                                              { width: 400, height: 40, translate: false })
            var panel = createPanel()
            var chosen = panel.getCalendarDate().getTime()
            compare(label.dateString, data.labels[0])
            compare(markedToday(panel), data.marked[0])
            verify(!panel.isSystemDateChanged(), "the day changed before the clock moved")

            setClock(data.to)
            // Nothing watches the clock between ticks.
            compare(label.dateString, data.labels[0])
            compare(markedToday(panel), data.marked[0])
            verify(panel.isSystemDateChanged(), "the panel did not see the day change")

            findChild(label, "refreshTimer").triggered()
            compare(label.dateString, data.labels[1])
            panel.updateBaseCalendarSystemDate()
            compare(markedToday(panel), data.marked[1])
            compare([panel.getCalendarDate().getFullYear(), panel.getCalendarDate().getMonth()], data.shown)
            compare(panel.getCalendarDate().getTime(), chosen, "the chosen date moved")
            compare(reports.count, 0, "reports")
        }
    }
}
