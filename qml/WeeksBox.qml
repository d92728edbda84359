/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Controls 2.15
import nimbara.orvadmindate 1.0
import "DropDown.js" as DropDown
import "SeenKeys.js" as SeenKeys

// The month grid's box of all weeks of the year, over its week-number strip. A chosen
// week leaves as weekChosen(); the arrow keys ask to move the keyboard on.
ComboBox {
    id: weeksComboBox

    // The week count that weeksModel was last filled for.
    property int numberOfWeeks
    property bool isLight: true
    property int iconSize: 16
    // The width of the week-number strip it stands over, and the height of a row.
    property int stripWidth
    property int rowHeight

    signal weekChosen(int week)
    signal focusOnPrevMonth()
    signal focusOnNextMonth()
    signal focusOnReturn()
    signal focusOnCalendar()

    // Fills the list for a year of `weekCount` weeks, with `week` current; the list is
    // made anew only when the count changes.
    function showWeek(weekCount, week) {
        if (numberOfWeeks !== weekCount) {
            numberOfWeeks = weekCount
            weeksModel.update(weekCount)
        }
        currentIndex = week - 1
    }

    objectName: "weeksComboBox"
    Accessible.name: i18n("Week")
    Accessible.description: displayText
    model: weeksModel
    // An entry read out alone tells what its number counts.
    delegate: ItemDelegate {
        width: ListView.view.width
        text: model.week
        highlighted: weeksComboBox.highlightedIndex === index
        hoverEnabled: weeksComboBox.hoverEnabled
        Accessible.name: i18n("Week %1", model.week)
    }

    // A text input, not a label: desktop styles treat the content item as the text
    // field of an editable box. It only shows; the box takes the clicks and the keys.
    contentItem: TextInput {
        enabled: false
    }

    background: Rectangle {
        id: backWeekComboBox

        // Over the strip, on whichever side a mirrored layout puts it.
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        width: weeksComboBox.stripWidth
        height: weeksComboBox.height
        color: systemPalette.midlight
        // No frame at all while unfocused: a transparent one is still drawn.
        border.width: weeksComboBox.focus ? 1 : 0
        border.color: weeksComboBox.focus ? systemPalette.highlight : "transparent"
    }

    indicator: Rectangle {
        anchors.left: parent.left
        y: (weeksComboBox.height - height) / 2
        width: weeksComboBox.stripWidth
        height: weeksComboBox.rowHeight
        color: "transparent"

        Image {
            id: backWeekComboBoxIcon

            objectName: "backWeekComboBoxIcon"
            anchors.centerIn: parent
            width: weeksComboBox.iconSize
            height: weeksComboBox.iconSize
            fillMode: Image.PreserveAspectFit
            source: "qrc:/icons/32x32/actions/" + (weeksComboBox.isLight ? "light" : "dark") + "/arrow-down.png"
        }
    }

    // A chosen week changes the box in place, which no screen reader notices:
    // the box is read out again with its new week, after the entries of the
    // open list were read out as they were highlighted.
    onHighlightedIndexChanged: {
        // The style's list, bare or inside a scroll view (org.kde.desktop).
        var list = popup.contentItem.itemAtIndex ? popup.contentItem : popup.contentItem.contentItem
        if (DropDown.isOpen(popup) && list && list.itemAtIndex)
            announcer.announce(list.itemAtIndex(highlightedIndex))
    }
    onActivated: {
        weekChosen(currentIndex + 1)
        announcer.announce(weeksComboBox)
    }
    Keys.onPressed: {
        switch (SeenKeys.horizontal(event.key, LayoutMirroring.enabled)) {
        case Qt.Key_Left:
            focusOnNextMonth()
            break
        case Qt.Key_Right:
        case Qt.Key_Tab:
            focusOnCalendar()
            break
        case Qt.Key_Up:
            if (DropDown.isOpen(popup))
                return
            focusOnPrevMonth()
            break
        case Qt.Key_Down:
            if (DropDown.isOpen(popup))
                return
            focusOnReturn()
            break
        default:
            return
        }
        event.accepted = true
    }
    Keys.onReleased: {
        if (event.key !== Qt.Key_Enter && event.key !== Qt.Key_Return)
            return
        if (DropDown.isOpen(popup)) {
            currentIndex = highlightedIndex
            weekChosen(currentIndex + 1)
            popup.close()
            // The control took the press of Enter in the open popup; it would
            // have let go on the release that ends here.
            pressed = false
            announcer.announce(weeksComboBox)
        } else {
            popup.open()
        }
        event.accepted = true
    }

    FocusAnnouncer {
        id: announcer
    }

    ListModel {
        id: weeksModel

        // One append for all weeks: each call notifies the box's views anew.
        function fillModel(weekNumber) {
            var weeks = []
            for (var week = 1; week <= weekNumber; ++week)
                weeks.push({ week: week })
            append(weeks)
        }

        function update(weekNumber) {
            clear()
            fillModel(weekNumber)
        }

        objectName: "weeksModel"
    }
}
