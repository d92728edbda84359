/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0
import "qrc:/qml/LocalDate.js" as LocalDate
import "../../../qml/panel"
import "Soak.js" as Soak

// The panel driven through thousands of dates, by the host and by its own controls;
// the heap in use must not grow steadily, and the views still agree.
Item {
    id: root

    width: 800
    height: 600

    PanelTestCase {
        id: testCase

        name: "PanelSoak"

        // Every ninth day from 1970 on, 5000 of them reaching into 2093, each reached
        // in turn by the host, a month step of the grid, the picker and the year box.
        function test_thousandsOfDates() {
            var panel = createPanel()
            var calendar = part(panel, "calendar")
            var yearInput = part(panel, "yearInput")
            var reported = 0
            var rounds = Soak.verifyHeapKept(testCase, heap, "the panel through its dates", 5000, 20, function (i) {
                var date = LocalDate.date(1970, 0, 1 + 9 * i)
                var year = date.getFullYear()
                var month = date.getMonth()
                var day = date.getDate()
                switch (i % 4) {
                case 0:
                    panel.updateAll(date)
                    break
                case 1:
                    // No month before January 1970 to step from: the host moves there.
                    panel.updateAll(year === 1970 && month === 0 ? date : LocalDate.date(year, month - 1, 1))
                    if (year === 1970 && month === 0)
                        break
                    calendar.showNextMonth(day)
                    break
                case 2:
                    panel.updateAll(LocalDate.date(year, month, 1))
                    panel.__set_day_of_month_in_date_picker__(day)
                    break
                case 3:
                    // From 1970 the year box keeps the day within the month; 28 always is.
                    day = Math.min(day, 28)
                    panel.updateAll(LocalDate.date(1970, month, day))
                    yearInput.inputChanged(String(year))
                    break
                }
                if (dayOf(panel.getCalendarDate()) !== dayText(year, month, day))
                    fail("round " + i + ": the panel shows " + dayOf(panel.getCalendarDate()) + ", not "
                         + dayText(year, month, day))
                // What the test keeps of each report would grow the heap itself.
                reported += reports.count
                reports.clear()
                viewsAtReport = []
            })
            var shown = panel.getCalendarDate()
            verifyShown(panel, shown.getFullYear(), shown.getMonth(), shown.getDate())
            verify(reported >= rounds, "reports")
        }
    }
}
