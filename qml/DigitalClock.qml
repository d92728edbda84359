/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQml 2.15
import "Arguments.js" as Arguments

// A time of day typed as HH:MM:SS in three fields. It keeps no time of its own:
// it shows its date until the host calls updateTime() or the user changes a field,
// and reports every change by the user with newTimeEntered().
Rectangle {
    id: root

    property int fontSize: 13
    property bool editable: false
    property color borderColor: "transparent"
    property bool isInFocus: hourBox.activeFocus || minuteBox.activeFocus || secondBox.activeFocus
    property date date: new Date()
    property int hour: date.getHours()
    property int minute: date.getMinutes()
    property int second: date.getSeconds()

    signal newTimeEntered(int hours, int minutes, int seconds)
    signal selectDatePicker()
    signal selectReturnButton()

    function focusOnHourBox() {
        hourBox.focusWithCaretAt(0)
    }

    // The fields clamp what is out of range; the properties keep what was given, as
    // far as an int holds it. A part that is no number makes no time: it is ignored.
    function updateTime(hour, minute, second) {
        var time = [hour, minute, second].map(function (part) {
            return Math.max(-2147483648, Math.min(2147483647, Arguments.number(part)))
        })
        if (time.some(isNaN))
            return
        root.hour = time[0]
        root.minute = time[1]
        root.second = time[2]
        // The host keeps the time running while a field holds the keyboard: each field
        // follows, unless it holds a partial entry.
        hourBox.show(root.hour)
        minuteBox.show(root.minute)
        secondBox.show(root.second)
    }

    function __set_text_in_spin_box__(spinboxNumber, text) {
        var field = [hourBox, minuteBox, secondBox][spinboxNumber]
        if (field)
            field.takeText(text)
    }

    color: "transparent"
    border.width: 0
    // Hours, minutes and seconds read from left to right in every language, as the
    // digits of a number do: a mirrored page leaves the fields in their order.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true
    // Read out as the group around the three fields as the keyboard enters them.
    Accessible.role: Accessible.Grouping
    Accessible.name: i18n("current time ") + hourBox.value + i18n(" hours ") + minuteBox.value
                     + i18n(" minutes") + secondBox.value + i18n(" seconds")

    component Separator: Label {
        height: minuteBox.height
        // Centred between the fields' own paddings, as their digits are: styles that
        // leave more room below the text (Material) would otherwise set it lower.
        topPadding: minuteBox.topPadding
        bottomPadding: minuteBox.bottomPadding
        verticalAlignment: Text.AlignVCenter
        text: i18nc("separator between hours, minutes and seconds", ":")
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
            id: hourBox

            function hourModified() {
                root.hour = value
                root.updateTime(hourBox.value, minuteBox.value, secondBox.value)
                root.newTimeEntered(hourBox.value, minuteBox.value, secondBox.value)
            }

            objectName: "hourBox"
            Accessible.name: i18n("Hours")
            editable: root.editable
            from: 0
            to: 23
            value: root.hour
            fallbackValue: root.hour
            pattern: /^(\d|[0-1]\d|2[0-3])$/
            nextField: minuteBox
            rightPadding: 0
            font.pixelSize: root.fontSize
            contentItem: TextInput {
                id: hourBoxInput

                objectName: "hourBoxInput"
                horizontalAlignment: TextInput.AlignRight
            }
            onValueModified: hourModified()
            onLeavingLeft: root.selectDatePicker()
        }

        Separator {
            id: limit1

            objectName: "limit1"
        }

        DigitSpinBox {
            id: minuteBox

            function minuteModified() {
                root.minute = value
                root.updateTime(hourBox.value, minuteBox.value, secondBox.value)
                root.newTimeEntered(hourBox.value, minuteBox.value, secondBox.value)
            }

            objectName: "minuteBox"
            Accessible.name: i18n("Minutes")
            editable: root.editable
            from: 0
            to: 59
            value: root.minute
            fallbackValue: root.minute
            pattern: /^(\d|[0-5]\d)$/
            previousField: hourBox
            nextField: secondBox
            leftPadding: 0
            rightPadding: 0
            width: implicitContentWidth
            font.pixelSize: root.fontSize
            contentItem: TextInput {
                id: minuteBoxInput

                objectName: "minuteBoxInput"
                horizontalAlignment: TextInput.AlignLeft
            }
            onValueModified: minuteModified()
        }

        Separator {
            id: limit2

            objectName: "limit2"
        }

        DigitSpinBox {
            id: secondBox

            function secondModified() {
                root.second = value
                root.updateTime(hourBox.value, minuteBox.value, secondBox.value)
                root.newTimeEntered(hourBox.value, minuteBox.value, secondBox.value)
            }

            objectName: "secondBox"
            Accessible.name: i18n("Seconds")
            editable: root.editable
            from: 0
            to: 59
            value: root.second
            fallbackValue: root.second
            pattern: /^(\d|[0-5]\d)$/
            previousField: minuteBox
            leftPadding: 0
            font.pixelSize: root.fontSize
            contentItem: TextInput {
                id: secondBoxInput

                objectName: "secondBoxInput"
                horizontalAlignment: TextInput.AlignLeft
            }
            onValueModified: secondModified()
            onLeavingRight: root.selectReturnButton()
        }
    }
}
