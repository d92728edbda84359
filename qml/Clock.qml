/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

import QtGraphicalEffects 1.15
import QtQuick 2.15
import "Arguments.js" as Arguments

// An analog clock face that keeps no time: it shows its date once, at completion,
// and afterwards whatever its owner hands to update().
Rectangle {
    id: clock

    property var date: new Date()
    property bool isLight: true
    property color shadowColor: Qt.rgba(0, 0, 0, 0.25)
    property real shadowRaidus: 4
    property int shadowSamples: 17
    property int shadowVerticalOffset: 3

    // Hours, minutes and seconds as numbers or numeric strings. A time with a part
    // that is not a number, or that would turn a hand by no number of degrees, is no
    // time at all: the hands and the accessible name keep showing the last one.
    function update(hour, minute, second) {
        var h = Arguments.number(hour)
        var m = Arguments.number(minute)
        var s = Arguments.number(second)
        var angles = { hour: (h % 12 + m / 60) * 30, minute: m * 6, second: s * 6 }
        if (!(isFinite(angles.hour) && isFinite(angles.minute) && isFinite(angles.second)))
            return
        minuteRotation.angle = angles.minute
        secondRotation.angle = angles.second
        hourRotation.angle = angles.hour
        spoken.time = i18n("current time ") + h + i18n(" hours ") + m + i18n(" minutes") + s + i18n(" seconds")
        // A name that changed every second under the keyboard would be read out again
        // and again: the focused clock keeps the time it was reached at.
        if (!activeFocus)
            clock.Accessible.name = spoken.time
    }

    function artwork(name) {
        return "qrc:/images/" + (isLight ? "light" : "dark") + "/" + name + ".svg"
    }

    width: 240
    height: 240
    color: "transparent"
    // A clock face is the same in every language: a mirrored page leaves it as it is.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true
    activeFocusOnTab: true
    Accessible.role: Accessible.Graphic
    Accessible.focusable: true
    onActiveFocusChanged: Accessible.name = spoken.time

    Component.onCompleted: update(date.getHours(), date.getMinutes(), date.getSeconds())

    SystemPalette {
        id: systemPalette
    }

    // The spoken form of the time last drawn.
    QtObject {
        id: spoken

        property string time
    }

    MouseArea {
        anchors.fill: parent
        onClicked: clock.forceActiveFocus()
    }

    Image {
        id: background

        objectName: "background"
        width: 240
        height: 240
        source: clock.artwork("background")
    }

    DropShadow {
        anchors.fill: background
        source: background
        verticalOffset: 2
        radius: 10
        samples: clock.shadowSamples
        cached: true
        color: systemPalette.shadow
    }

    DropShadow {
        anchors.fill: face
        source: face
        verticalOffset: 2
        radius: 6
        samples: clock.shadowSamples
        cached: true
        color: systemPalette.shadow
    }

    Image {
        id: face

        objectName: "face"
        width: 192
        height: 192
        anchors.centerIn: background
        antialiasing: true
        source: clock.artwork("face")
    }

    // The artwork has its disc at the top; turned over, the disc lies about the pivot.
    Rectangle {
        id: hourHand

        objectName: "hourHand"
        width: 35
        height: 70
        // Placed rather than anchored: anchors round a centred item of odd width to
        // whole pixels, which would set the pivot half a pixel beside the pins.
        x: (clock.width - width) / 2
        y: background.y + background.height / 2 - height + 14
        color: "transparent"
        transform: Rotation {
            id: hourRotation

            origin.x: hourHand.width / 2
            origin.y: hourHand.height - 15
        }

        DropShadow {
            anchors.fill: hour
            source: hour
            rotation: 180
            radius: clock.shadowRaidus
            samples: clock.shadowSamples
            cached: true
            color: clock.shadowColor
        }

        Image {
            id: hour

            objectName: "hour"
            anchors.fill: parent
            rotation: 180
            smooth: true
            antialiasing: true
            source: clock.artwork("hour")
        }
    }

    Rectangle {
        id: minuteHand

        objectName: "minuteHand"
        width: 9
        height: 73
        x: (clock.width - width) / 2
        y: clock.height / 2 - height
        color: "transparent"
        transform: Rotation {
            id: minuteRotation

            origin.x: minuteHand.width / 2
            origin.y: minuteHand.height
        }

        DropShadow {
            anchors.fill: minute
            source: minute
            radius: clock.shadowRaidus
            samples: clock.shadowSamples
            cached: true
            color: clock.shadowColor
        }

        Image {
            id: minute

            objectName: "minute"
            anchors.fill: parent
            smooth: true
            antialiasing: true
            source: clock.artwork("minute")
        }
    }

    Rectangle {
        id: minutePin

        width: 24
        height: 24
        anchors.centerIn: background
        color: "transparent"

        DropShadow {
            anchors.fill: minutePinImage
            source: minutePinImage
            radius: clock.shadowRaidus
            samples: clock.shadowSamples
            cached: true
            color: clock.shadowColor
        }

        Image {
            id: minutePinImage

            objectName: "minutePinImage"
            anchors.fill: parent
            smooth: true
            antialiasing: true
            source: clock.artwork("minutePin")
        }
    }

    // The bar runs 19 pixels past the pivot, as the tail of the hand.
    Rectangle {
        id: secondHand

        objectName: "secondHand"
        width: 4
        height: 91
        x: (clock.width - width) / 2
        y: clock.height / 2 - height + 19
        color: "transparent"
        transform: Rotation {
            id: secondRotation

            origin.x: secondHand.width / 2
            origin.y: secondHand.height - 19
        }

        DropShadow {
            anchors.fill: second
            source: second
            radius: clock.shadowRaidus
            samples: clock.shadowSamples
            cached: true
            color: clock.shadowColor
        }

        Image {
            id: second

            objectName: "second"
            anchors.fill: parent
            smooth: true
            antialiasing: true
            source: clock.artwork("second")
        }
    }

    Rectangle {
        id: secondPin

        width: 12
        height: 12
        anchors.horizontalCenter: background.horizontalCenter
        y: background.y + background.height / 2 - 7
        color: "transparent"

        DropShadow {
            anchors.fill: secondPinImage
            source: secondPinImage
            radius: clock.shadowRaidus
            samples: clock.shadowSamples
            cached: true
            color: clock.shadowColor
        }

        Image {
            id: secondPinImage

            objectName: "secondPinImage"
            anchors.fill: parent
            smooth: true
            antialiasing: true
            source: clock.artwork("secondPin")
        }
    }

    // The keyboard's ring, just outside the bezel's rounded square.
    Rectangle {
        objectName: "focusRing"
        x: background.x + 6
        y: background.y + 6
        width: background.width - 12
        height: background.height - 12
        radius: 44
        visible: clock.activeFocus
        color: "transparent"
        border.width: 2
        border.color: systemPalette.highlight
    }
}
