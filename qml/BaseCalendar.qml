/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import nimbara.orvadmindate 1.0
import "Arguments.js" as Arguments
import "LocalDate.js" as LocalDate

// The month grid: six weeks, Monday first, with the ISO week numbers beside the rows
// and a box of all weeks of the year above them. It never changes its own selection:
// every request leaves as updateAll(), and only the embedder's update() redraws it.
// The month, its weeks and its steps are held by calendarModel; this lays them out,
// takes the input and speaks to screen readers.
Rectangle {
    id: root

    property bool isLight: true
    property date selectedDate: new Date()
    property int thickness: 30
    property int fontSize: 13
    property int iconSize: fontSize >= 20 ? 32 : 16
    property int startYear: 1970
    property int lastYear: 2105
    // What every cell reads out: the selected date.
    readonly property string selectedName: i18n("selected date ") + calendarModel.day + " " + (calendarModel.month + 1) + " "
        + calendarModel.year + i18n(" year")

    signal updateAll(string newDateString)
    signal focusOnPrevMonth()
    signal focusOnNextMonth()
    signal focusOnReturn()

    function update(newDate) {
        if (!Arguments.isDate(newDate))
            return
        selectedDate = newDate
        calendarModel.select(newDate)
        weeksComboBox.showWeek(calendarModel.weeksInYear, calendarModel.selectedWeek)
        calendar.followSelectedDate()
    }

    // Asked for when the machine's day has turned over, at most once a day: the grid
    // is drawn from scratch, its cells made anew as at creation.
    function updateSystemDate() {
        drawing.focusedIndex = -1
        calendarRepeater.model = 0
        calendarRepeater.model = calendarModel.count
        update(selectedDate)
    }

    function getLastDayOfMonth(year, month) {
        year = Arguments.number(year)
        month = Arguments.number(month)
        var days = isNaN(year) || isNaN(month) ? 0 : calendarModel.daysInMonth(year, month)
        return days > 0 ? days : NaN
    }

    function showNextMonth(day) {
        if (calendarModel.isMonthInRange(1))
            propose(getNextMonth(day))
    }

    function showPrevMonth(day) {
        if (calendarModel.isMonthInRange(-1))
            propose(getPrevMonth(day))
    }

    function showNextYear() {
        if (calendarModel.isMonthInRange(12))
            propose(dayInMonthAway(12, calendarModel.day))
    }

    function showPrevYear() {
        if (calendarModel.isMonthInRange(-12))
            propose(dayInMonthAway(-12, calendarModel.day))
    }

    function getNextMonth(day) {
        return dayInMonthAway(1, day)
    }

    function getPrevMonth(day) {
        return dayInMonthAway(-1, day)
    }

    // Day `day` of the month `months` away from the shown one, lowered to that
    // month's last day where it is shorter; an invalid Date for what is no day.
    function dayInMonthAway(months, day) {
        day = Arguments.number(day)
        return new Date(day >= 1 ? calendarModel.dayInMonthAway(months, Math.min(day, 31)) : NaN)
    }

    function weekNumberToDate(weekNumber) {
        weekNumber = Arguments.number(weekNumber)
        return new Date(weekNumber >= 1 && weekNumber <= 53 ? calendarModel.dayOfWeek(weekNumber) : NaN)
    }

    function updateWeeksComboBox(newDate) {
        if (!Arguments.isDate(newDate))
            return
        var day = LocalDate.localDay(newDate)
        weeksComboBox.showWeek(numberOfWeeks.get(day.year), dateToWeek.convert(day.year, day.month, day.day))
    }

    function dateToWeekNumber(newDate) {
        if (!Arguments.isDate(newDate))
            return 0
        var day = LocalDate.localDay(newDate)
        return dateToWeek.convert(day.year, day.month, day.day)
    }

    function populateCalendar() {
        calendarModel.select(selectedDate)
    }

    function getDaysToDisplay() {
        return calendarModel.records()
    }

    function focusOnCalendar() {
        calendar.focusOnSelectedDate()
    }

    // For screen readers: the cell of the selected day stands for the date.
    function getSelectedDayCell() {
        return calendarRepeater.itemAt(calendarModel.selectedIndex)
    }

    function focusOnWeeks() {
        // As after Tab: the box is reached by an arrow key, and shows it.
        weeksComboBox.forceActiveFocus(Qt.TabFocusReason)
    }

    // A step that named no day proposes nothing.
    function propose(date) {
        if (Arguments.isDate(date))
            updateAll(date.toISOString())
    }

    // Turned toward the user (below 0) the wheel shows the next month; turned away,
    // or moved sideways only, the previous one.
    function stepByWheel(verticalDelta) {
        if (verticalDelta < 0)
            showNextMonth(calendarModel.day)
        else
            showPrevMonth(calendarModel.day)
    }

    color: systemPalette.base

    Component.onCompleted: {
        // update() fills the weeks box for the year shown, unless an embedder's own
        // completion has done it already.
        update(selectedDate)
        // Where the embedder gives the keyboard to the grid, it lands on the selected day.
        getSelectedDayCell().focus = true
    }

    DateToWeek {
        id: dateToWeek
    }

    NumberOfWeeks {
        id: numberOfWeeks
    }

    MonthModel {
        id: calendarModel

        objectName: "calendarModel"
        startYear: root.startYear
        lastYear: root.lastYear
    }

    SystemPalette {
        id: systemPalette
    }

    QtObject {
        id: cellSize

        readonly property int width: Math.round(root.width / 11)
        readonly property int height: Math.round(root.height / 8)
        readonly property int rowSpacing: Math.round(root.height / 48)
    }

    Rectangle {
        id: headerSeparator

        x: dayOfWeekRow.x
        y: dayOfWeekRow.y + dayOfWeekRow.height
        width: dayOfWeekRow.width
        height: dayOfWeekRow.height / 30
        color: systemPalette.light
    }

    Rectangle {
        id: stripSeparator

        // On the grid's side of the strip, which a mirrored layout puts at the right.
        x: LayoutMirroring.enabled ? weekNumberStrip.x - width : weekNumberStrip.x + weekNumberStrip.width
        y: weekNumberColumn.y
        width: 1
        height: weeksComboBox.height + weekNumberColumn.height
        color: systemPalette.button
    }

    GridLayout {
        objectName: "layout"
        anchors.fill: parent
        rows: 2
        columns: 2
        rowSpacing: 0
        columnSpacing: Math.min(weeksComboBox.background.width - weeksComboBox.width, 0)

        WeeksBox {
            id: weeksComboBox

            Layout.preferredWidth: 60
            Layout.fillHeight: true
            Layout.alignment: Qt.AlignLeft
            isLight: root.isLight
            iconSize: root.iconSize
            stripWidth: weekNumberColumn.width
            rowHeight: dayOfWeekRow.height
            onWeekChosen: root.propose(root.weekNumberToDate(week))
            onFocusOnPrevMonth: root.focusOnPrevMonth()
            onFocusOnNextMonth: root.focusOnNextMonth()
            onFocusOnReturn: root.focusOnReturn()
            onFocusOnCalendar: root.focusOnCalendar()
        }

        // The weekday names are drawn by `drawing`.
        Item {
            id: dayOfWeekRow

            objectName: "dayOfWeekRow"
            Layout.preferredWidth: calendar.width
            Layout.preferredHeight: cellSize.height
            Layout.alignment: Qt.AlignLeft
            Layout.leftMargin: Math.round(root.width / 37)
        }

        Rectangle {
            id: weekNumberStrip

            Layout.preferredWidth: cellSize.width
            Layout.preferredHeight: calendar.height
            Layout.alignment: Qt.AlignLeft
            color: systemPalette.midlight

            // The rows beside the grid's; their week numbers are drawn by `drawing`.
            Column {
                id: weekNumberColumn

                objectName: "weekNumberColumn"
                anchors.fill: parent
                spacing: cellSize.rowSpacing

                Repeater {
                    model: 6

                    delegate: Item {
                        width: cellSize.width
                        height: cellSize.height
                    }
                }
            }
        }

        Grid {
            id: calendar

            function focusOnSelectedDate() {
                root.getSelectedDayCell().forceActiveFocus(Qt.TabFocusReason)
            }

            // While the keyboard is in the grid it moves with the selected day, so that
            // each step by key or click lands on the day chosen and is announced there.
            function followSelectedDate() {
                var focused = root.Window.activeFocusItem
                var selectedCell = root.getSelectedDayCell()
                if (focused && focused.parent === calendar && focused !== selectedCell && selectedCell)
                    selectedCell.forceActiveFocus(Qt.TabFocusReason)
            }

            objectName: "calendar"
            Layout.alignment: Qt.AlignLeft
            Layout.leftMargin: root.width / 37
            columns: 7
            columnSpacing: (3 * root.width / 11 - root.width / 37) / 7
            rowSpacing: cellSize.rowSpacing
            activeFocusOnTab: true

            // Tab and Shift+Tab reach the grid itself: it hands the keyboard to the
            // selected day at once.
            onActiveFocusChanged: {
                if (activeFocus)
                    focusOnSelectedDate()
            }

            // A wheel handler leaves out movements across its orientation, so one
            // handler takes those with a vertical part and one the purely horizontal.
            // Either handler takes the events it receives, so they go no further.
            WheelHandler {
                target: null
                onWheel: {
                    if (event.angleDelta.y !== 0)
                        root.stepByWheel(event.angleDelta.y)
                }
            }

            WheelHandler {
                target: null
                orientation: Qt.Horizontal
                onWheel: {
                    if (event.angleDelta.y === 0)
                        root.stepByWheel(0)
                }
            }

            Repeater {
                id: calendarRepeater

                objectName: "calendarRepeater"
                // The cells take no role: counting the records spares the views the
                // rows each step changes.
                model: calendarModel.count

                // A cell takes the input, the focus and the screen reader's attention;
                // `drawing` draws what it shows.
                delegate: Item {
                    id: dayCell

                    property string delegateDate: root.selectedName

                    function processKeys(event) {
                        switch (event.key) {
                        case Qt.Key_Up:
                            root.propose(new Date(calendarModel.stepByDays(-7)))
                            break
                        case Qt.Key_Down:
                            root.propose(new Date(calendarModel.stepByDays(7)))
                            break
                        case Qt.Key_Left:
                        case Qt.Key_Right:
                            // The day on that side as the user sees it: a mirrored grid
                            // runs from right to left.
                            var forward = (event.key === Qt.Key_Right) !== LayoutMirroring.enabled
                            root.propose(new Date(calendarModel.stepByDays(forward ? 1 : -1)))
                            break
                        }
                    }

                    width: cellSize.width
                    height: cellSize.height
                    activeFocusOnTab: false
                    Accessible.role: Accessible.Button
                    Accessible.name: delegateDate
                    Accessible.focusable: true
                    Keys.onPressed: processKeys(event)
                    // Backwards from a day the chain would reach the grid, which gives the
                    // keyboard straight back: go on to the stop before the grid.
                    Keys.onBacktabPressed: calendar.nextItemInFocusChain(false).forceActiveFocus(Qt.BacktabFocusReason)
                    onActiveFocusChanged: {
                        if (activeFocus)
                            drawing.focusedIndex = index
                        else if (drawing.focusedIndex === index)
                            drawing.focusedIndex = -1
                    }

                    MouseArea {
                        // The day shown when pressed: taking the keyboard may commit
                        // a half-typed field elsewhere, which redraws the grid.
                        property real pressedDay: NaN

                        anchors.fill: parent
                        onPressed: pressedDay = calendarModel.dayOfCell(index)
                        onClicked: {
                            var day = isNaN(pressedDay) ? calendarModel.dayOfCell(index) : pressedDay
                            pressedDay = NaN
                            dayCell.forceActiveFocus()
                            root.propose(new Date(day))
                        }
                        onCanceled: pressedDay = NaN
                    }
                }
            }
        }
    }

    MonthGridDrawing {
        id: drawing

        objectName: "drawing"
        anchors.fill: parent
        model: calendarModel
        font.pixelSize: root.fontSize
        dayNames: [i18n("Mo"), i18n("Tu"), i18n("We"), i18n("Th"), i18n("Fr"), i18n("Sa"), i18n("Su")]
        cellWidth: cellSize.width
        cellHeight: cellSize.height
        columnSpacing: calendar.columnSpacing
        rowSpacing: cellSize.rowSpacing
        gridOrigin: Qt.point(calendar.x, calendar.y)
        headerOrigin: Qt.point(dayOfWeekRow.x, dayOfWeekRow.y)
        stripX: weekNumberStrip.x
        mirrored: LayoutMirroring.enabled
        textColor: systemPalette.buttonText
        dimColor: root.isLight ? "gray" : "lightgray"
        weekendColor: "red"
        highlightColor: systemPalette.highlight
        highlightedTextColor: systemPalette.highlightedText
        todayTextColor: systemPalette.base
    }
}
