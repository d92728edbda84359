/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0
import "../panel"
import "BadInput.js" as BadInput

// The calendar panel handed what no host should hand it: its four views must go on
// agreeing on one date, and a date that is none is ignored without a report.
Item {
    id: root

    width: 800
    height: 600

    PanelTestCase {
        id: testCase

        name: "BadInputPanel"

        function panelState(panel) {
            return JSON.stringify([panel.getCalendarDate().getTime(), panel.getMonthComboBoxValue(),
                                   panel.getYearInputValue().getTime(), panel.getDatePickerValue().getTime(),
                                   pickerText(panel)])
        }

        // A number is limited to the month; anything else names no day.
        function pickerDay(value) {
            if (!BadInput.isFiniteNumber(value))
                return { ignored: true }
            return { chosen: value < 1 ? 1 : 31 }
        }

        function test_panel_data() {
            var start = new Date(2026, 2, 15, 12)
            return BadInput.concat([
                BadInput.rows("updateAll", [start]),
                BadInput.rows("monthComboBox.update", [start]),
                BadInput.rows("__set_day_of_month_in_date_picker__", [20], pickerDay),
            ])
        }

        function test_panel(data) {
            var panel = createPanel()
            startAt(panel, 2026, 2, 15)
            var before = panelState(panel)
            BadInput.invoke(testCase, panel, data.call, data.args)
            if (data.outcome.chosen) {
                verifyChosen(panel, 2026, 2, data.outcome.chosen)
            } else {
                compare(reports.count, 0, "reports")
                compare(panelState(panel), before, "the panel changed")
            }
            var shown = panel.getCalendarDate()
            verify(!isNaN(shown.getTime()), "the panel's date")
            verifyShown(panel, shown.getFullYear(), shown.getMonth(), shown.getDate())
            dayCells(panel).forEach(function (cell) {
                BadInput.verifyReadable(testCase, cell.Accessible.name, "a cell's accessible name")
            })
        }
    }
}
