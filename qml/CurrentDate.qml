/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

import QtQuick 2.15
import QtQuick.Controls 2.15
import nimbara.orvadmindate 1.0
import "Arguments.js" as Arguments
import "LocalDate.js" as LocalDate

// Today's date in long form ("Monday, 7 December, 2026", or the language's own), checked every second so
// that it turns to the next day on its own shortly after midnight.
Rectangle {
    id: currentDate

    // Carried like on every component with artwork; the label has none to switch.
    property bool isLight: true
    // Handed to the name provider once, at completion; the provider keeps one
    // switch for the whole process, so the last label completed decides.
    property bool translate: true
    property alias dateString: date.text
    // The language's own long date form ("Donnerstag, 10. Dezember 2026") instead of the
    // fixed one ("Donnerstag, 10 Dezember, 2026"), in the language the names are in.
    property bool languageLongForm: false

    // Each tick reads the zone once and asks the provider for the names in force, so a
    // new day, the translate switch and the host's languages all show at the next tick;
    // the label redraws only when the text differs, and the text replaces one the host
    // set in between.
    function updateDate() {
        date.text = formOf(LocalDate.localDay(new Date()))
    }

    // Empty for what is no date.
    function getDateString(inputDate) {
        if (!Arguments.isDate(inputDate))
            return ""
        return formOf(LocalDate.localDay(inputDate))
    }

    function formOf(day) {
        if (languageLongForm)
            return nameProvider.getLongDate(day.year, day.month, day.day)
        return longForm(day, nameProvider.getDaysOfWeek(), nameProvider.getMonthNames())
    }

    function longForm(day, weekdays, months) {
        return nameAt(weekdays, day.weekday) + ", " + day.day + " " + nameAt(months, day.month) + ", " + day.year
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
