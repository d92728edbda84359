/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQml 2.15
import "Arguments.js" as Arguments
import "LocalDate.js" as LocalDate

// A date typed as DD.MM.YYYY in three fields. Every change by the user is reported
// with dateChanged(); the owner answers with update(), which reports nothing.
Rectangle {
    id: root

    property int fontSize: 13
    property int startYear: 1970
    property int lastYear: 2105
    property color borderColor: "gray"
    property date currentDate: new Date()
    property int day: currentDate.getDate()
    property int month: currentDate.getMonth() + 1
    property int year: currentDate.getFullYear()
    // The day last typed or stepped to: a month or year typed after it may be long
    // enough to hold it again, and each report lowers it only to the month in force.
    property int wantedDay: day

    signal dateChanged()
    signal focusOnReturnButton()
    signal focusOnDigitalClock()

    function focusOnDayBox() {
        dayBox.focusWithCaretAt(0)
    }

    function getYearString() {
        return yearBox.textFromValue(year)
    }

    function getMonthString() {
        return monthBox.textFromValue(month)
    }

    function getDayString() {
        return dayBox.textFromValue(day)
    }

    function getISODate() {
        return getYearString() + "-" + getMonthString() + "-" + getDayString()
    }

    // Month before day: the day field's bound follows the new month at once.
    function update(newDate) {
        if (!Arguments.isDate(newDate))
            return
        var local = LocalDate.localDay(newDate)
        month = local.month + 1
        monthBox.value = month
        year = Math.max(startYear, Math.min(lastYear, local.year))
        yearBox.value = year
        // An echo of the picker's own report keeps the wanted day while the user is
        // still typing; any other date replaces it.
        var typing = dayBox.activeFocus || monthBox.activeFocus || yearBox.activeFocus
        if (!typing || local.day !== Math.min(wantedDay, LocalDate.daysInMonth(year, month - 1)))
            wantedDay = local.day
        day = local.day
        updateDate()
    }

    // The first existing instant of the day, which is not midnight where a
    // daylight-saving change skips it.
    function updateDate() {
        day = Math.min(day, LocalDate.daysInMonth(year, month - 1))
        dayBox.value = day
        currentDate = LocalDate.date(year, month - 1, day)
    }

    // What the month and year reactions share: the wanted day, within the new month.
    function takeWantedDay() {
        day = wantedDay
        updateDate()
        dateChanged()
    }

    // Limited here: the field's int would wrap a number beyond its range.
    function __set_day_of_month__(dayOfMonth) {
        var day = Arguments.number(dayOfMonth)
        if (isNaN(day))
            return
        dayBox.value = Math.max(dayBox.from, Math.min(dayBox.to, day))
        dayBox.dayModified()
    }

    function __set_text_in_spin_box__(spinboxNumber, text) {
        var field = [dayBox, monthBox, yearBox][spinboxNumber]
        if (field)
            field.takeText(text)
    }

    color: "transparent"
    border.width: 1
    // Day, month and year keep their order under a mirrored page, as a date written in
    // digits does in the page's other texts.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true
    border.color: dayBox.activeFocus || monthBox.activeFocus || yearBox.activeFocus
                  ? systemPalette.highlight : borderColor

    component Separator: Label {
        height: monthBox.height
        // Centred between the fields' own paddings, as their digits are.
        topPadding: monthBox.topPadding
        bottomPadding: monthBox.bottomPadding
        verticalAlignment: Text.AlignVCenter
        color: systemPalette.buttonText
        font.pixelSize: root.fontSize
        background: Rectangle {
            color: "transparent"
            border.color: "transparent"
        }
    }

    SystemPalette {
        id: systemPalette
    }

    Row {
        anchors.centerIn: parent

        DigitSpinBox {
            id: dayBox

            readonly property var patterns: ({
                28: /^([1-9]||0[1-9]|1\d|2[0-8])$/,
                29: /^([1-9]||0[1-9]|1\d|2[0-9])$/,
                30: /^([1-9]||0[1-9]|[1-2]\d|30)$/,
                31: /^([1-9]||0[1-9]|[1-2]\d|3[0-1])$/
            })

            // A typed day the month cannot hold shows as its last day and stays wanted.
            function dayModified() {
                if (value !== Math.min(root.wantedDay, to))
                    root.wantedDay = value
                root.takeWantedDay()
            }

            function getRegExp() {
                return patterns[to]
            }

            objectName: "dayBox"
            Accessible.name: i18n("Day")
            editable: true
            from: 1
            to: LocalDate.daysInMonth(root.year, root.month - 1)
            value: root.day
            fallbackValue: root.day
            // Any day of a month may be typed: the month and the year may follow.
            pattern: patterns[31]
            typedTo: 31
            nextField: monthBox
            rightPadding: 0
            font.pixelSize: root.fontSize
            contentItem: TextInput {
                id: dayTextInput

                objectName: "dayTextInput"
                horizontalAlignment: TextInput.AlignRight
            }
            onValueModified: dayModified()
            onTyped: root.wantedDay = number
            onLeavingLeft: root.focusOnReturnButton()
        }

        Separator {
            id: limit1

            objectName: "limit1"
            text: i18nc("separator between day and month", ".")
        }

        DigitSpinBox {
            id: monthBox

            function monthModified() {
                root.month = value
                root.takeWantedDay()
            }

            objectName: "monthBox"
            Accessible.name: i18n("Month")
            editable: true
            from: 1
            to: 12
            value: root.month
            fallbackValue: root.month
            pattern: /^([1-9]|0\d|1[0-2])$/
            previousField: dayBox
            nextField: yearBox
            leftPadding: 0
            rightPadding: 0
            width: implicitContentWidth
            font.pixelSize: root.fontSize
            contentItem: TextInput {
                id: monthTextInput

                objectName: "monthTextInput"
                horizontalAlignment: TextInput.AlignLeft
            }
            onValueModified: monthModified()
        }

        Separator {
            id: limit2

            objectName: "limit2"
            text: i18nc("separator between month and year", ".")
        }

        DigitSpinBox {
            id: yearBox

            function yearModified() {
                root.year = value
                root.takeWantedDay()
            }

            objectName: "yearBox"
            Accessible.name: i18n("Year")
            editable: true
            from: root.startYear
            to: root.lastYear
            value: root.year
            fallbackValue: root.year
            commitLength: 4
            pattern: /^(19[7-9]\d|20\d\d|210[0-5])$/
            previousField: monthBox
            leftPadding: 0
            shortestText: 4
            font.pixelSize: root.fontSize
            contentItem: TextInput {
                id: yearTextInput

                objectName: "yearTextInput"
                horizontalAlignment: TextInput.AlignLeft
            }
            onValueModified: yearModified()
            onLeavingRight: root.focusOnDigitalClock()
        }
    }
}
