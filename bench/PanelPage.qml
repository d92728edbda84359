/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Window 2.15
import nimbara.orvadmindate 1.0
import "qrc:/qml"

// The panel alone in a window of the reference page's size.
Window {
    id: window

    // The panel's month grid, handed in by the bench: the panel keeps it to itself.
    property QtObject grid

    function resetMonth() {
        panel.updateAll(new Date(2000, 0, 15, 12))
    }

    // What the panel's next-month button does: the grid proposes the date one month on,
    // and the panel's updateAll() takes it to all its views.
    function nextMonth() {
        grid.showNextMonth(grid.selectedDate.getDate())
    }

    width: 600
    height: 400
    visible: true

    OrvCalendar {
        id: panel

        objectName: "panel"
        anchors.fill: parent
    }
}
