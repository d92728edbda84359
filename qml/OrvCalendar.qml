/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import nimbara.orvadmindate 1.0
import "Arguments.js" as Arguments
import "DropDown.js" as DropDown
import "LocalDate.js" as LocalDate
import "SeenKeys.js" as SeenKeys

// The calendar panel. It owns the date: the grid, the month box, the year box and the
// picker only propose one, and updateAll() hands the chosen date to all four before it
// reports it to the host once.
Rectangle {
    id: root

    property bool isLight: true
    property int thickness: Math.round((width < height ? width : height) / 10)
    property int fontSize: 13
    property int iconSize: fontSize >= 20 ? 32 : 16
    property int buttonsRadius: 4
    property color borderColor: isLight ? "gray" : "lightgray"
    property bool isApplet: true
    // The picker's frame shows the same condition: one of its fields holds the keyboard.
    readonly property bool dateIsBeingEdited: isWithin(Window.activeFocusItem, datePicker)
    property date selectedDate: calendar.selectedDate
    property date savedDate: new Date()
    property int startYear: 1970
    property int lastYear: 2105

    signal selectOpenSettings()
    signal selectDigitalClock()
    signal newDateSelected(string newDateString)

    function updateAll(newDate) {
        if (!Arguments.isDate(newDate))
            return
        newDate = range.clamp(newDate)
        calendar.update(newDate)
        monthComboBox.update(newDate)
        yearInput.update(newDate)
        datePicker.update(newDate)
        newDateSelected(newDate.toISOString())
        announceChange(Window.activeFocusItem)
    }

    // A box or button changes the date in place, where no screen reader notices; a
    // reader reads out what is reported as focused, unless it reads it already. After
    // the entries of its open list, a box is new to the reader and is reported itself;
    // otherwise the selected day of the grid is reported and, when that was the last
    // report, the control, whose description carries the date. The grid moves its
    // focus to the new day itself, and the picker's fields speak their values.
    function announceChange(focused) {
        if ([previousMonth, nextMonthButton, monthComboBox, yearInput, returnButton].indexOf(focused) < 0)
            return
        var target = focused
        var cell = calendar.getSelectedDayCell()
        if (cell && cell !== announced.last && (announced.last === null || announced.last === focused))
            target = cell
        announcer.announce(target)
        announced.last = target
    }

    function announceEntry(box) {
        if (!DropDown.isOpen(box.popup))
            return
        var entry = box.popup.contentItem.itemAtIndex(box.highlightedIndex)
        announcer.announce(entry)
        announced.last = entry
    }

    function updateBaseCalendarSystemDate() {
        calendar.updateSystemDate()
    }

    // Asked every second by a host: one zone reading for each of the two days.
    function isSystemDateChanged() {
        var today = LocalDate.localDay(new Date())
        var saved = LocalDate.localDay(savedDate)
        return today.day !== saved.day || today.month !== saved.month || today.year !== saved.year
    }

    function selectPrevMonth() {
        focusOnMonthButton(previousMonth)
    }

    function selectReturnButton() {
        keyboard.handOver(returnButton)
    }

    function selectDatePicker() {
        datePicker.focusOnDayBox()
    }

    function fillYearInput() {
        yearInput.fill()
    }

    function getCalendarDate() {
        return calendar.selectedDate
    }

    function getMonthComboBoxValue() {
        return monthComboBox.currentIndex
    }

    function getYearInputValue() {
        return yearInput.date
    }

    function getDatePickerValue() {
        return datePicker.currentDate
    }

    function __set_day_of_month_in_date_picker__(dayOfMonth) {
        datePicker.__set_day_of_month__(dayOfMonth)
    }

    // The first instant of (year, month) on the calendar's day of the month, that day
    // lowered to the month's last day where the month is shorter.
    function dateInMonthOfYear(year, month) {
        var day = Math.min(calendar.selectedDate.getDate(), calendar.getLastDayOfMonth(year, month))
        return LocalDate.date(year, month, day)
    }

    function applyYear(year) {
        updateAll(dateInMonthOfYear(year, calendar.selectedDate.getMonth()))
    }

    function isWithin(item, ancestor) {
        for (; item; item = item.parent) {
            if (item === ancestor)
                return true
        }
        return false
    }

    // A month button is disabled at its end of the range; the keyboard then goes to the
    // other one, as after a click that disables it, and never leaves the panel.
    function focusOnMonthButton(button) {
        keyboard.handOver(button.enabled ? button : button.keyboardHeir)
    }

    function isEnterKey(key) {
        return key === Qt.Key_Enter || key === Qt.Key_Return
    }

    color: systemPalette.base

    // A month step button: a click steps the calendar, then the fill stays dark for a
    // short feedback.
    component MonthButton: Button {
        id: monthButton

        property string arrow
        // Takes the keyboard when the button's own step disables it at the end of the
        // range: the button that steps the other way.
        property Item keyboardHeir

        signal step()

        Layout.fillWidth: true
        Layout.preferredWidth: Math.round(root.width / 10)
        Layout.preferredHeight: Math.round(root.height / 10)
        background: Rectangle {
            radius: root.buttonsRadius
            border.color: monthButton.activeFocus ? systemPalette.highlight : systemPalette.button
            color: monthButton.down || feedbackTimer.running ? systemPalette.dark : systemPalette.button

            Behavior on color {
                ColorAnimation {
                    duration: 100
                }
            }
        }
        contentItem: Item {
            Image {
                anchors.centerIn: parent
                width: root.iconSize
                height: root.iconSize
                // The fill is drawn by the panel in every style: the arrow shows that the
                // end of the range is reached.
                opacity: monthButton.enabled ? 1 : 0.35
                fillMode: Image.PreserveAspectFit
                source: "qrc:/icons/32x32/actions/" + (root.isLight ? "light" : "dark") + "/" + monthButton.arrow + ".png"
            }
        }

        onClicked: {
            var hadKeyboard = activeFocus
            step()
            feedbackTimer.restart()
            if (hadKeyboard && !enabled)
                keyboard.handOver(keyboardHeir)
        }

        Timer {
            id: feedbackTimer

            interval: 100
        }
    }

    SystemPalette {
        id: systemPalette
    }

    FocusAnnouncer {
        id: announcer
    }

    QtObject {
        id: range

        // The year box has no entry and the picker no value outside the range: a date
        // before or after it is taken to its first or last day, so that all views agree.
        function clamp(date) {
            var year = LocalDate.localDay(date).year
            if (year < root.startYear)
                return LocalDate.date(root.startYear, 0, 1)
            if (year > root.lastYear)
                return LocalDate.date(root.lastYear, 11, 31)
            return date
        }
    }

    QtObject {
        id: keyboard

        // The keyboard handed on by an arrow key, drawn as after Tab: controls draw
        // their focus frame only for keyboard focus reasons.
        function handOver(item) {
            item.forceActiveFocus(Qt.TabFocusReason)
        }
    }

    // What was last reported to screen readers; forgotten when the keyboard moves.
    QtObject {
        id: announced

        property var last: null
    }

    Connections {
        target: root.Window.window

        function onActiveFocusItemChanged() {
            announced.last = null
        }
    }

    // The grid's selected day, read once whenever its date changes: every local
    // reading of a Date looks the zone up anew.
    QtObject {
        id: selected

        readonly property var day: LocalDate.localDay(calendar.selectedDate)
        // Read out after the name of a button that moves the date.
        readonly property string longDate: calendar.selectedDate.toLocaleDateString(Qt.locale(), Locale.LongFormat)
    }

    Connections {
        target: calendar

        function onUpdateAll(newDateString) {
            root.updateAll(new Date(Date.parse(newDateString)))
        }

        function onFocusOnPrevMonth() {
            root.focusOnMonthButton(previousMonth)
        }

        function onFocusOnNextMonth() {
            root.focusOnMonthButton(nextMonthButton)
        }

        function onFocusOnReturn() {
            keyboard.handOver(returnButton)
        }
    }

    ColumnLayout {
        anchors.centerIn: parent
        spacing: Math.round(root.height / 40)

        RowLayout {
            Layout.fillWidth: true
            spacing: Math.round(root.width * 2 / 100)

            MonthButton {
                id: previousMonth

                objectName: "previousMonth"
                // Pointing outward: a mirrored row puts this button at the right.
                arrow: LayoutMirroring.enabled ? "arrow-right" : "arrow-left"
                keyboardHeir: nextMonthButton
                Accessible.name: i18n("Go to previous month")
                Accessible.description: selected.longDate
                enabled: !(selected.day.month === 0 && selected.day.year === root.startYear)

                onStep: calendar.showPrevMonth(selected.day.day)
                Keys.onPressed: {
                    var key = SeenKeys.horizontal(event.key, LayoutMirroring.enabled)
                    if (root.isEnterKey(key))
                        clicked()
                    else if (key === Qt.Key_Left)
                        root.selectOpenSettings()
                    else if (key === Qt.Key_Right)
                        keyboard.handOver(monthComboBox)
                    else if (key === Qt.Key_Down)
                        calendar.focusOnWeeks()
                }
            }

            ComboBox {
                id: monthComboBox

                property date currentDate: calendar.selectedDate

                function update(newDate) {
                    if (Arguments.isDate(newDate))
                        currentIndex = newDate.getMonth()
                }

                function getTargetDate() {
                    return root.dateInMonthOfYear(calendar.selectedDate.getFullYear(), currentIndex)
                }

                function fillModel() {
                    [i18n("January"), i18n("February"), i18n("March"), i18n("April"), i18n("May"), i18n("June"),
                     i18n("July"), i18n("August"), i18n("September"), i18n("October"), i18n("November"),
                     i18n("December")].forEach(function (name) {
                        monthModel.append({ name: name })
                    })
                }

                objectName: "monthComboBox"
                Accessible.name: i18n("Month")
                Accessible.description: selectedMonth.text
                Layout.fillWidth: true
                Layout.preferredWidth: Math.round(root.width * 37 / 100)
                Layout.preferredHeight: Math.round(root.height / 10)
                textRole: "name"
                model: ListModel {
                    id: monthModel
                }

                // A text input, not a label: desktop styles treat the content item as the text
                // field of an editable box. It only shows; the box takes the clicks and the keys.
                contentItem: TextInput {
                    id: selectedMonth

                    objectName: "selectedMonth"
                    enabled: false
                    text: monthComboBox.displayText
                    font.pixelSize: root.fontSize
                    color: systemPalette.buttonText
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                }

                background: Rectangle {
                    color: systemPalette.base
                    border.color: monthComboBox.activeFocus ? systemPalette.highlight : root.borderColor
                    radius: root.buttonsRadius
                }

                indicator: Image {
                    id: monthComboBoxIcon

                    objectName: "monthComboBoxIcon"
                    anchors.right: monthComboBox.right
                    anchors.rightMargin: 10
                    anchors.verticalCenter: monthComboBox.verticalCenter
                    width: root.iconSize
                    height: root.iconSize
                    fillMode: Image.PreserveAspectFit
                    source: "qrc:/icons/32x32/actions/" + (root.isLight ? "light" : "dark") + "/arrow-down.png"
                }

                popup: Popup {
                    property alias currentIndex: monthComboBoxListView.currentIndex

                    y: monthComboBox.height - 1
                    width: monthComboBox.width
                    height: 25 * 7
                    implicitHeight: contentItem.implicitHeight
                    padding: 1
                    // Gone at once when closed, as under the default style: a list that fades out
                    // would take the next keys as moves within it, not as keys on the closed box.
                    exit: null

                    contentItem: ListView {
                        id: monthComboBoxListView

                        clip: true
                        implicitHeight: contentHeight
                        // Rows exist only while the list is open.
                        model: monthComboBox.popup.visible ? monthComboBox.model : null
                        currentIndex: monthComboBox.highlightedIndex
                        ScrollIndicator.vertical: ScrollIndicator {}

                        delegate: ItemDelegate {
                            id: monthDelegate

                            width: monthComboBox.width
                            height: 25
                            leftPadding: 10
                            hoverEnabled: true
                            Accessible.name: model.name

                            background: Rectangle {
                                id: delegateRect

                                anchors.centerIn: parent
                                width: monthDelegate.width - 10
                                height: monthDelegate.height
                                radius: 3
                                color: monthDelegate.focus ? systemPalette.light : systemPalette.base
                            }

                            contentItem: Label {
                                id: monthName

                                text: model.name
                                font.pixelSize: 12
                                color: systemPalette.buttonText
                                verticalAlignment: Text.AlignVCenter
                            }

                            onHoveredChanged: {
                                if (hovered)
                                    forceActiveFocus()
                            }
                            onClicked: {
                                monthComboBox.currentIndex = index
                                monthComboBox.activated(index)
                                monthComboBox.popup.close()
                            }
                        }
                    }

                    // Loaded on the first opening, and kept: see PopupFrame.qml.
                    background: Loader {
                        active: false
                        source: "PopupFrame.qml"
                    }

                    onAboutToShow: background.active = true
                }

                onActivated: root.updateAll(getTargetDate())
                onHighlightedIndexChanged: root.announceEntry(monthComboBox)
                // Letters typed on the closed box gather into one prefix of a month's name
                // as shown, instead of the box's own search by each letter alone; the month
                // is proposed once the typing rests.
                Keys.onPressed: {
                    if (!DropDown.isOpen(popup) && monthSearch.isSearchKey(event)) {
                        monthSearch.type(event.text)
                        var index = monthSearch.firstMatch(count, function (i) { return monthModel.get(i).name })
                        if (index >= 0)
                            currentIndex = index
                        event.accepted = true
                        return
                    }
                    var key = SeenKeys.horizontal(event.key, LayoutMirroring.enabled)
                    if (key === Qt.Key_Left)
                        root.focusOnMonthButton(previousMonth)
                    else if (key === Qt.Key_Right)
                        keyboard.handOver(yearInput)
                }
                Keys.onReleased: {
                    if (!root.isEnterKey(event.key))
                        return
                    event.accepted = true
                    // The control took the press; it lets go on the release ending here.
                    pressed = false
                    if (DropDown.isOpen(popup)) {
                        currentIndex = popup.currentIndex
                        popup.close()
                        root.updateAll(getTargetDate())
                    } else {
                        popup.open()
                    }
                }
                Component.onCompleted: {
                    fillModel()
                    currentIndex = currentDate.getMonth()
                }

                PrefixSearch {
                    id: monthSearch

                    objectName: "monthSearch"
                    onRested: {
                        if (monthComboBox.currentIndex !== selected.day.month)
                            monthComboBox.activated(monthComboBox.currentIndex)
                    }
                }
            }

            YearInput {
                id: yearInput

                objectName: "yearInput"
                Layout.fillWidth: true
                Layout.preferredWidth: Math.round(root.width * 37 / 100)
                Layout.preferredHeight: Math.round(root.height / 10)
                startYear: root.startYear
                lastYear: root.lastYear
                buttonRadius: root.buttonsRadius
                borderColor: root.borderColor
                isLight: root.isLight
                fontSize: root.fontSize

                onInputChanged: root.applyYear(Number(yearString))
                onHighlightedIndexChanged: root.announceEntry(yearInput)
                Keys.onPressed: {
                    var key = SeenKeys.horizontal(event.key, LayoutMirroring.enabled)
                    if (key === Qt.Key_Left)
                        keyboard.handOver(monthComboBox)
                    else if (key === Qt.Key_Right)
                        root.focusOnMonthButton(nextMonthButton)
                }
                Keys.onReleased: {
                    if (!root.isEnterKey(event.key))
                        return
                    event.accepted = true
                    pressed = false
                    if (DropDown.isOpen(popup)) {
                        currentIndex = popup.currentIndex
                        popup.close()
                        root.applyYear(model.get(currentIndex).year)
                    } else {
                        popup.open()
                    }
                }
                Component.onCompleted: update(calendar.selectedDate)
            }

            MonthButton {
                id: nextMonthButton

                objectName: "nextMonthButton"
                arrow: LayoutMirroring.enabled ? "arrow-left" : "arrow-right"
                keyboardHeir: previousMonth
                Accessible.name: i18n("Go to next month")
                Accessible.description: selected.longDate
                enabled: !(selected.day.month === 11 && selected.day.year === root.lastYear)

                onStep: calendar.showNextMonth(selected.day.day)
                Keys.onPressed: {
                    var key = SeenKeys.horizontal(event.key, LayoutMirroring.enabled)
                    if (root.isEnterKey(key))
                        clicked()
                    else if (key === Qt.Key_Left)
                        keyboard.handOver(yearInput)
                    else if (key === Qt.Key_Right)
                        calendar.focusOnWeeks()
                    else if (key === Qt.Key_Down)
                        calendar.focusOnCalendar()
                }
            }
        }

        BaseCalendar {
            id: calendar

            objectName: "calendar"
            Layout.preferredWidth: root.width
            Layout.preferredHeight: Math.round(root.height * 0.75)
            thickness: root.thickness
            fontSize: root.fontSize
            isLight: root.isLight
            startYear: root.startYear
            lastYear: root.lastYear
        }

        RowLayout {
            Layout.preferredWidth: calendar.width
            spacing: Math.round(root.width * 2 / 100)

            Button {
                id: returnButton

                objectName: "returnButton"
                Layout.fillWidth: root.isApplet
                Layout.preferredWidth: root.isApplet ? Math.round(root.width * 38 / 100) : previousMonth.width
                Layout.preferredHeight: root.isApplet ? Math.round(root.height / 10) : previousMonth.height
                Accessible.name: i18n("Return to current date")
                Accessible.description: selected.longDate
                // Its frame as high as the picker's beside it, in styles that inset buttons too.
                topInset: 0
                bottomInset: 0
                hoverEnabled: true
                ToolTip.delay: 1000
                ToolTip.timeout: 5000
                ToolTip.visible: hovered && ToolTip.text !== ""

                background: Rectangle {
                    id: returnButtonBack

                    objectName: "returnButtonBack"
                    radius: root.buttonsRadius
                    color: root.isApplet ? "transparent" : systemPalette.button
                    border.width: root.isApplet ? 0 : 1
                    border.color: !root.isApplet && returnButton.activeFocus ? systemPalette.highlight : "transparent"
                }

                contentItem: Item {
                    Text {
                        id: returnText

                        objectName: "returnText"
                        anchors.fill: parent
                        visible: false
                        text: i18n("To current date")
                        font.pixelSize: root.fontSize
                        font.underline: returnButton.activeFocus
                        color: systemPalette.highlight
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                    }

                    Image {
                        id: returnIcon

                        objectName: "returnIcon"
                        anchors.centerIn: parent
                        width: root.iconSize
                        height: root.iconSize
                        visible: false
                        fillMode: Image.PreserveAspectFit
                        source: root.isApplet ? "" : "qrc:/icons/32x32/actions/" + (root.isLight ? "light" : "dark")
                                                     + "/object-rotate-left.png"
                    }
                }

                onClicked: root.updateAll(new Date())
                Keys.onPressed: {
                    var key = SeenKeys.horizontal(event.key, LayoutMirroring.enabled)
                    if (root.isEnterKey(key))
                        clicked()
                    else if (key === Qt.Key_Up)
                        calendar.focusOnWeeks()
                    else if (key === Qt.Key_Right)
                        datePicker.focusOnDayBox()
                    else if (key === Qt.Key_Left)
                        root.selectDigitalClock()
                }
                // The look is chosen once: hosts set isApplet when they create the panel.
                Component.onCompleted: {
                    if (root.isApplet) {
                        returnText.visible = true
                    } else {
                        returnIcon.visible = true
                        ToolTip.text = i18n("To current date")
                    }
                }
            }

            DatePicker {
                id: datePicker

                objectName: "datePicker"
                Layout.fillWidth: true
                Layout.preferredWidth: Math.round(root.width * 6 / 10)
                Layout.preferredHeight: Math.round(root.height / 10)
                fontSize: root.fontSize
                radius: root.buttonsRadius
                borderColor: root.borderColor
                color: "transparent"
                startYear: root.startYear
                lastYear: root.lastYear

                onDateChanged: {
                    var parts = getISODate().split("-").map(Number)
                    root.updateAll(LocalDate.date(parts[0], parts[1] - 1, parts[2]))
                }
                onFocusOnReturnButton: keyboard.handOver(returnButton)
                onFocusOnDigitalClock: {
                    if (root.isApplet)
                        root.selectOpenSettings()
                    else
                        root.selectDigitalClock()
                }
            }
        }
    }
}
