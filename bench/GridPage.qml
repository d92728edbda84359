/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Window 2.15
import nimbara.orvadmindate 1.0
import "qrc:/qml"

// The panel's month grid alone in a window of the reference page's size, taking back
// every date it proposes as the panel would.
Window {
    function resetMonth() {
        grid.update(new Date(2000, 0, 15, 12))
    }

    function nextMonth() {
        grid.showNextMonth(grid.selectedDate.getDate())
    }

    width: 600
    height: 400
    visible: true

    BaseCalendar {
        id: grid

        objectName: "grid"
        anchors.fill: parent
        onUpdateAll: update(new Date(newDateString))
    }
}
