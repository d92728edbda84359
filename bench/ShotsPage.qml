/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Window 2.15
import nimbara.orvadmindate 1.0
import "qrc:/qml"

// Draws the month grid for many dates in both looks and saves each frame as
// NNN.png in the directory given last on the command line: two runs, before and
// after a change to the grid, compare file by file.
Window {
    id: window

    // Every month of 2025 to 2027 (today's among them) and some far ones, each with
    // another selected day, then today selected, left for another day of its month and
    // chosen again; in the light look and then the dark one.
    property var dates: {
        var list = []
        for (var m = 0; m < 36; ++m)
            list.push(new Date(2025, m, 1 + (m * 5) % 28, 12))
        var now = new Date()
        ;[now.getDate(), now.getDate() === 1 ? 2 : 1, now.getDate()].forEach(function (day) {
            list.push(new Date(now.getFullYear(), now.getMonth(), day, 12))
        })
        ;[[1970, 0, 1], [2000, 1, 29], [2004, 1, 29], [2021, 0, 1], [2100, 1, 28], [2105, 11, 31]].forEach(function (d) {
            list.push(new Date(d[0], d[1], d[2], 12))
        })
        return list
    }
    property int shot: 0
    readonly property string directory: Qt.application.arguments[Qt.application.arguments.length - 1]

    function next() {
        if (shot >= 2 * dates.length) {
            Qt.quit()
            return
        }
        grid.isLight = shot < dates.length
        grid.update(dates[shot % dates.length])
        grabTimer.start()
    }

    width: 600
    height: 400
    visible: true

    Component.onCompleted: next()

    BaseCalendar {
        id: grid

        anchors.fill: parent
    }

    // A frame for the change first, then the grab.
    Timer {
        id: grabTimer

        interval: 50
        onTriggered: grid.grabToImage(function (result) {
            result.saveToFile(window.directory + "/" + ("00" + window.shot).slice(-3) + ".png")
            ++window.shot
            window.next()
        })
    }
}
