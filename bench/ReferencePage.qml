/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import Qt.labs.calendar 1.0

// Qt's own calendar controls as their documentation puts them together: weekday row,
// week numbers and month grid in a two-column grid, Monday first in the German locale.
Window {
    function resetMonth() {
        grid.year = 2000
        grid.month = Calendar.January
    }

    function nextMonth() {
        if (grid.month === Calendar.December) {
            grid.year += 1
            grid.month = Calendar.January
        } else {
            grid.month += 1
        }
    }

    width: 600
    height: 400
    visible: true

    GridLayout {
        anchors.fill: parent
        columns: 2

        DayOfWeekRow {
            locale: grid.locale
            Layout.column: 1
            Layout.fillWidth: true
        }

        WeekNumberColumn {
            month: grid.month
            year: grid.year
            locale: grid.locale
            Layout.fillHeight: true
        }

        MonthGrid {
            id: grid

            locale: Qt.locale("de_DE")
            Layout.fillWidth: true
            Layout.fillHeight: true
        }
    }
}
