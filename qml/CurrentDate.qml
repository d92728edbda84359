/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

import QtQuick 2.15
import QtQuick.Controls 2.15
import org.kde.kcm 1.2 as KCM
import nimbara.orvadmindate 1.0
import "Arguments.js" as Arguments

// Today's date in long form ("Monday, 7 December, 2026"), rebuilt every second so
// that it turns to the next day on its own shortly after midnight.
Rectangle {
    id: currentDate

    // Carried like on every component with artwork; the label has none to switch.
    property bool isLight: true
    // Handed to the name provider once, at completion; the provider keeps one
    // switch for the whole process, so the last label completed decides.
    property bool translate: true
    property alias dateString: date.text

    function updateDate() {
        date.text = getDateString(new Date())
    }

    // Empty for what is no date.
    function getDateString(inputDate) {
        if (!Arguments.isDate(inputDate))
            return ""
        return selectDayOfWeekName(inputDate.getDay()) + ", " + inputDate.getDate() + " "
            + selectMonthName(inputDate.getMonth()) + ", " + inputDate.getFullYear()
    }

    function selectDayOfWeekName(dayNumber) {
        return nameAt(nameProvider.getDaysOfWeek(), dayNumber)
    }

    function selectMonthName(monthNumber) {
        return nameAt(nameProvider.getMonthNames(), monthNumber)
    }

    // Empty for an index that names no entry of the list.
    function nameAt(names, index) {
        var name = names[index]
        return typeof name === "string" ? name : ""
    }

    color: "transparent"

    Component.onCompleted: {
        nameProvider.setTranslate(translate)
        updateDate()
    }

    CurrentDateNameProvider {
        id: nameProvider
    }

    SystemPalette {
        id: systemPalette
    }

    Label {
        id: date

        objectName: "date"
        width: currentDate.width
        height: currentDate.height
        color: systemPalette.buttonText
        font.pixelSize: 19
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideMiddle
    }

    // Not aligned to the second: a new day shows at most about a second late.
    Timer {
        objectName: "refreshTimer"
        interval: 1000
        running: true
        repeat: true
        onTriggered: currentDate.updateDate()
    }
}
