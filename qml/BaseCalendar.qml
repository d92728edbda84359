/* SPDX-License-Identifier: LGPL-2.1-or-later */

import Qt.labs.calendar 1.0
import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import nimbara.orvadmindate 1.0
import "Arguments.js" as Arguments
import "DropDown.js" as DropDown
import "LocalDate.js" as LocalDate
import "SeenKeys.js" as SeenKeys

// The month grid: six weeks, Monday first, with the ISO week numbers beside the rows
// and a box of all weeks of the year above them. It never changes its own selection:
// every request leaves as updateAll(), and only the embedder's update() redraws it.
Rectangle {
    id: root

    property bool isLight: true
    property date selectedDate: new Date()
    property int thickness: 30
    property int fontSize: 13
    property int iconSize: fontSize >= 20 ? 32 : 16
    property int startYear: 1970
    property int lastYear: 2105

    signal updateAll(string newDateString)
    signal focusOnPrevMonth()
    signal focusOnNextMonth()
    signal focusOnReturn()

    function update(newDate) {
        if (!Arguments.isDate(newDate))
            return
        selectedDate = newDate
        // populateCalendar() on the Date in hand: reading the date property back would
        // convert it once more.
        showMonthOf(newDate)
        // updateWeeksComboBox(newDate), on the day just read.
        showWeekInBox(shown.year, shown.month, shown.day)
        calendar.followSelectedDate()
    }

    // Asked for when the machine's day has turned over, at most once a day: the grid
    // is drawn from scratch, its cells made anew as at creation.
    function updateSystemDate() {
        shown.records = []
        update(selectedDate)
    }

    function getLastDayOfMonth(year, month) {
        return LocalDate.daysInMonth(year, month)
    }

    function showNextMonth(day) {
        if (shown.month === Calendar.December && shown.year === lastYear)
            return
        propose(getNextMonth(day))
    }

    function showPrevMonth(day) {
        if (shown.month === Calendar.January && shown.year === startYear)
            return
        propose(getPrevMonth(day))
    }

    function showNextYear() {
        if (shown.year === lastYear)
            return
        propose(dayInMonthAway(12, shown.day))
    }

    function showPrevYear() {
        if (shown.year === startYear)
            return
        propose(dayInMonthAway(-12, shown.day))
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
        if (!(day >= 1))
            return new Date(NaN)
        var monthIndex = shown.year * 12 + shown.month + months
        var year = Math.floor(monthIndex / 12)
        var month = monthIndex - year * 12
        return LocalDate.date(year, month, Math.min(day, getLastDayOfMonth(year, month)))
    }

    // A date inside ISO week `weekNumber` of the shown year: the day after 1 January's
    // weekday in that week, or its Saturday or Sunday where week 1 begins after
    // 1 January is over (years beginning on Friday or Saturday).
    function weekNumberToDate(weekNumber) {
        weekNumber = Arguments.number(weekNumber)
        if (!(Number.isInteger(weekNumber) && weekNumber >= 1 && weekNumber <= 53))
            return new Date(NaN)
        var year = shown.year
        var firstWeekday = LocalDate.weekday(year, Calendar.January, 1)
        var lateStart = firstWeekday === 5 || firstWeekday === 6
        var dayOfJanuary = (lateStart ? 8 : 1) + (weekNumber - 1) * 7 + 1
        // A 53rd week is always followed by a year of 52, whose box could not show
        // it as current: keep to its days in this year.
        if (weekNumber === 53) {
            var daysInYear = getLastDayOfMonth(year, Calendar.February) === 29 ? 366 : 365
            dayOfJanuary = Math.min(dayOfJanuary, daysInYear)
        }
        return LocalDate.date(year, Calendar.January, dayOfJanuary)
    }

    function updateWeeksComboBox(newDate) {
        if (!Arguments.isDate(newDate))
            return
        var day = LocalDate.localDay(newDate)
        showWeekInBox(day.year, day.month, day.day)
    }

    // Each local-time reading of a Date costs microseconds: the callers hand over the
    // day they have already read.
    function showWeekInBox(year, month, day) {
        var weekCount = numberOfWeeks.get(year)
        if (weeksComboBox.numberOfWeeks !== weekCount) {
            weeksComboBox.numberOfWeeks = weekCount
            weeksModel.update(weekCount)
        }
        weeksComboBox.currentIndex = dateToWeek.convert(year, month, day) - 1
    }

    function dateToWeekNumber(newDate) {
        if (!Arguments.isDate(newDate))
            return 0
        var day = LocalDate.localDay(newDate)
        return dateToWeek.convert(day.year, day.month, day.day)
    }

    function populateCalendar() {
        showMonthOf(selectedDate)
    }

    // The records are updated in place: a month step changes the roles that differ,
    // so a cell is redrawn only where it shows something new, and no cell is made
    // anew (updateSystemDate() aside).
    function showMonthOf(date) {
        var selected = LocalDate.localDay(date)
        var today = LocalDate.localDay(new Date())
        shown.year = selected.year
        shown.month = selected.month
        shown.day = selected.day
        shown.today = today.year === shown.year && today.month === shown.month ? today.day : 0
        shown.accessibleName = i18n("selected date ") + shown.day + " " + (shown.month + 1) + " "
            + shown.year + i18n(" year")
        // The rows hold six weeks in a row: one conversion, and a wrap to week 1 after
        // the last week of the year that the first row's week belongs to.
        var firstWeek = dateToWeek.convert(shown.year, shown.month, 1)
        var weeksInYear = numberOfWeeks.get(firstWeek > 50 && shown.month === Calendar.January ? shown.year - 1 : shown.year)
        weekNumbers.show([0, 1, 2, 3, 4, 5].map(function (row) {
            return firstWeek + row > weeksInYear ? firstWeek + row - weeksInYear : firstWeek + row
        }))
        var records = getDaysToDisplay()
        var firstDayIndex = 0
        while (!records[firstDayIndex].isCurrentMonth)
            ++firstDayIndex
        var marked = [shown.todayIndex, shown.selectedIndex]
        shown.todayIndex = shown.today > 0 ? firstDayIndex + shown.today - 1 : -1
        shown.selectedIndex = firstDayIndex + shown.day - 1
        marked.push(shown.todayIndex, shown.selectedIndex)
        marked.forEach(markCell)
        var previous = shown.records
        if (calendarModel.count !== records.length || previous.length !== records.length) {
            calendarModel.clear()
            calendarModel.append(records)
        } else {
            for (var i = 0; i < records.length; ++i) {
                var record = records[i]
                var old = previous[i]
                // Most records change their day alone: one role is cheaper to set
                // than a whole record.
                if (record.isCurrentMonth !== old.isCurrentMonth || record.isNextMonth !== old.isNextMonth)
                    calendarModel.set(i, record)
                else if (record.day !== old.day)
                    calendarModel.setProperty(i, "day", record.day)
            }
        }
        shown.records = records
        dayNumbers.show(firstDayIndex, records.length - firstDayIndex - (records[41].isNextMonth ? records[41].day : 0),
                        records[0].isCurrentMonth ? 0 : records[firstDayIndex - 1].day)
    }

    // Only the cells that were or become today's or the selected one change their
    // look: a binding on the indices would run in all 42 cells on every step.
    function markCell(index) {
        var cell = calendarRepeater.itemAt(index)
        if (cell) {
            cell.isToday = index === shown.todayIndex
            cell.isSelected = index === shown.selectedIndex
        }
    }

    function getDaysToDisplay() {
        var startDay = (LocalDate.weekday(shown.year, shown.month, 1) + 6) % 7
        var daysInMonth = getLastDayOfMonth(shown.year, shown.month)
        var daysInPrevMonth = getLastDayOfMonth(shown.year, shown.month - 1)
        var records = []
        for (var i = startDay; i >= 1; --i)
            records.push({ day: daysInPrevMonth - i + 1, isCurrentMonth: false, isNextMonth: false })
        for (var j = 1; j <= daysInMonth; ++j)
            records.push({ day: j, isCurrentMonth: true, isNextMonth: false })
        for (var k = 1; records.length < 42; ++k)
            records.push({ day: k, isCurrentMonth: false, isNextMonth: true })
        return records
    }

    function focusOnCalendar() {
        calendar.focusOnSelectedDate()
    }

    // For screen readers: the cell of the selected day stands for the date.
    function getSelectedDayCell() {
        return calendarRepeater.itemAt(shown.selectedIndex)
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

    // An arrow key's fixed step, taken back to the selected time of day on the day it
    // counts, and dropped where it leaves the years of the range.
    function proposeStep(steppedTime, forward) {
        var date = LocalDate.keepTimeOfDay(selectedDate, new Date(steppedTime))
        var year = LocalDate.localDay(date).year
        if (forward ? year > lastYear : year < startYear)
            return
        propose(date)
    }

    // Turned toward the user (below 0) the wheel shows the next month; turned away,
    // or moved sideways only, the previous one.
    function stepByWheel(verticalDelta) {
        if (verticalDelta < 0)
            showNextMonth(shown.day)
        else
            showPrevMonth(shown.day)
    }

    // The day a cell shows, by year, month and day: the grid may be redrawn between
    // the press on a cell and its click.
    function shownDayOf(record) {
        var monthIndex = shown.year * 12 + shown.month + (record.isCurrentMonth ? 0 : record.isNextMonth ? 1 : -1)
        var year = Math.floor(monthIndex / 12)
        return { year: year, month: monthIndex - year * 12, day: record.day }
    }

    // A neighbouring month's day outside the years of the range is dropped, like the
    // month step that would reach it.
    function chooseShownDay(day) {
        if (day.year >= startYear && day.year <= lastYear)
            propose(LocalDate.date(day.year, day.month, day.day))
    }

    color: systemPalette.base

    Component.onCompleted: {
        // update() fills the weeks box for the year shown, unless an embedder's own
        // completion has done it already.
        update(selectedDate)
        // Where the embedder gives the keyboard to the grid, it lands on the selected day.
        calendarRepeater.itemAt(shown.selectedIndex).focus = true
    }

    BaseCalendarController {
        id: controller
    }

    DateToWeek {
        id: dateToWeek
    }

    NumberOfWeeks {
        id: numberOfWeeks
    }

    FocusAnnouncer {
        id: announcer
    }

    ListModel {
        id: calendarModel

        objectName: "calendarModel"
    }

    SystemPalette {
        id: systemPalette
    }

    // Facts of the shown grid, read by every cell: set once per update.
    QtObject {
        id: shown

        property int year
        property int month
        property int day
        // Day of the month of today when today lies in the shown month, else 0.
        property int today
        property string accessibleName
        // Cells of today (-1 when today lies in another month) and of the selected day.
        property int todayIndex: -1
        property int selectedIndex: -1
        // What calendarModel holds, read without asking the model.
        property var records: []
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
        height: backWeekComboBox.height + weekNumberColumn.height
        color: systemPalette.button
    }

    GridLayout {
        objectName: "layout"
        anchors.fill: parent
        rows: 2
        columns: 2
        rowSpacing: 0
        columnSpacing: Math.min(backWeekComboBox.width - weeksComboBox.width, 0)

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

        ComboBox {
            id: weeksComboBox

            // The week count that weeksModel was last filled for.
            property int numberOfWeeks

            objectName: "weeksComboBox"
            Accessible.name: i18n("Week")
            Accessible.description: displayText
            Layout.preferredWidth: 60
            Layout.fillHeight: true
            Layout.alignment: Qt.AlignLeft
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
                width: weekNumberColumn.width
                height: weeksComboBox.height
                color: systemPalette.midlight
                border.color: weeksComboBox.focus ? systemPalette.highlight : "transparent"
            }

            indicator: Rectangle {
                anchors.left: parent.left
                y: (weeksComboBox.height - height) / 2
                width: weekNumberColumn.width
                height: dayOfWeekRow.height
                color: "transparent"

                Image {
                    id: backWeekComboBoxIcon

                    objectName: "backWeekComboBoxIcon"
                    anchors.centerIn: parent
                    width: root.iconSize
                    height: root.iconSize
                    fillMode: Image.PreserveAspectFit
                    source: "qrc:/icons/32x32/actions/" + (root.isLight ? "light" : "dark") + "/arrow-down.png"
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
                root.propose(root.weekNumberToDate(currentIndex + 1))
                announcer.announce(weeksComboBox)
            }
            Keys.onPressed: {
                switch (SeenKeys.horizontal(event.key, LayoutMirroring.enabled)) {
                case Qt.Key_Left:
                    root.focusOnNextMonth()
                    break
                case Qt.Key_Right:
                case Qt.Key_Tab:
                    root.focusOnCalendar()
                    break
                case Qt.Key_Up:
                    if (DropDown.isOpen(popup))
                        return
                    root.focusOnPrevMonth()
                    break
                case Qt.Key_Down:
                    if (DropDown.isOpen(popup))
                        return
                    root.focusOnReturn()
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
                    root.propose(root.weekNumberToDate(currentIndex + 1))
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
        }

        Rectangle {
            id: dayOfWeekRow

            Layout.preferredWidth: calendar.width
            Layout.preferredHeight: cellSize.height
            Layout.alignment: Qt.AlignLeft
            Layout.leftMargin: Math.round(root.width / 37)
            color: "transparent"

            Row {
                spacing: calendar.columnSpacing

                Repeater {
                    objectName: "dayOfWeekRepeater"
                    model: ListModel {}

                    delegate: Rectangle {
                        width: cellSize.width
                        height: cellSize.height
                        color: "transparent"

                        Label {
                            anchors.centerIn: parent
                            text: model.day
                            font.pixelSize: root.fontSize
                            color: index >= 5 ? "red" : systemPalette.buttonText
                        }
                    }

                    Component.onCompleted: {
                        [i18n("Mo"), i18n("Tu"), i18n("We"), i18n("Th"), i18n("Fr"), i18n("Sa"),
                         i18n("Su")].forEach(function (name) { model.append({ day: name }) })
                    }
                }
            }
        }

        Rectangle {
            id: weekNumberStrip

            Layout.preferredWidth: cellSize.width
            Layout.preferredHeight: calendar.height
            Layout.alignment: Qt.AlignLeft
            color: systemPalette.midlight

            Column {
                id: weekNumberColumn

                objectName: "weekNumberColumn"
                anchors.fill: parent
                spacing: cellSize.rowSpacing

                Repeater {
                    model: 6

                    delegate: Rectangle {
                        width: cellSize.width
                        height: cellSize.height
                        color: systemPalette.midlight
                    }
                }
            }

            // The numbers of each run of six weeks laid out once, over the rows.
            Arrangements {
                id: weekNumbers

                // The software renderer pays more to take runs out of the scene and back
                // than to lay six numbers out anew: there one run takes each step's numbers.
                function show(numbers) {
                    if (detachHidden) {
                        var run = arrangement("", weekRun, { numbers: numbers })
                        run.numbers = numbers
                        showOnly([run])
                    } else {
                        showOnly([arrangement(numbers.join(" "), weekRun, { numbers: numbers })])
                    }
                }

                objectName: "weekNumbers"
                anchors.fill: parent

                Component {
                    id: weekRun

                    Column {
                        id: run

                        property var numbers

                        spacing: cellSize.rowSpacing

                        Repeater {
                            model: 6

                            Item {
                                width: cellSize.width
                                height: cellSize.height

                                Label {
                                    // Day 1 + weekOffset of the shown month stands in this row.
                                    property int weekOffset: index * 7

                                    objectName: "weekNumber"
                                    // A hidden run is no text to read.
                                    Accessible.ignored: run.opacity === 0
                                    anchors.centerIn: parent
                                    text: run.numbers[index]
                                    font.pixelSize: root.fontSize
                                    color: root.isLight ? "gray" : "lightgray"
                                }
                            }
                        }
                    }
                }
            }
        }

        Grid {
            id: calendar

            function focusOnSelectedDate() {
                for (var i = 0; i < calendarModel.count; ++i) {
                    var record = calendarModel.get(i)
                    if (record.isCurrentMonth && record.day === shown.day) {
                        calendarRepeater.itemAt(i).forceActiveFocus()
                        return
                    }
                }
            }

            // While the keyboard is in the grid it moves with the selected day, so that
            // each step by key or click lands on the day chosen and is announced there.
            function followSelectedDate() {
                var focused = root.Window.activeFocusItem
                var selectedCell = calendarRepeater.itemAt(shown.selectedIndex)
                if (focused && focused.parent === calendar && focused !== selectedCell && selectedCell)
                    selectedCell.forceActiveFocus()
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
                // One cell per record, made anew when the records are. The cells read
                // the records from shown.records: a view on the model itself would be
                // told of every record a step changes.
                model: calendarModel.count

                delegate: Rectangle {
                    id: dayCell

                    // Set by the grid, at creation and by markCell().
                    property bool isToday
                    property bool isSelected
                    property string delegateDate: shown.accessibleName

                    function processKeys(event) {
                        var time = root.selectedDate.getTime()
                        switch (event.key) {
                        case Qt.Key_Up:
                            root.proposeStep(controller.getDateOneWeekAgo(time), false)
                            break
                        case Qt.Key_Down:
                            root.proposeStep(controller.getDateNextWeek(time), true)
                            break
                        case Qt.Key_Left:
                        case Qt.Key_Right:
                            // The day on that side as the user sees it: a mirrored grid
                            // runs from right to left.
                            if ((event.key === Qt.Key_Right) !== LayoutMirroring.enabled)
                                root.proposeStep(controller.getDateNextDay(time), true)
                            else
                                root.proposeStep(controller.getDateOneDayAgo(time), false)
                            break
                        }
                    }

                    width: cellSize.width
                    height: cellSize.height
                    radius: 3
                    activeFocusOnTab: false
                    color: isToday ? systemPalette.highlight : "transparent"
                    // Today's fill would hide the selection's frame: there the keyboard
                    // is framed in the fill's text colour.
                    border.color: activeFocus && isToday ? systemPalette.highlightedText
                                  : isSelected ? systemPalette.highlight : "transparent"
                    border.width: activeFocus ? 2 : 1
                    Accessible.role: Accessible.Button
                    Accessible.name: delegateDate
                    Accessible.focusable: true
                    Keys.onPressed: processKeys(event)
                    // Backwards from a day the chain would reach the grid, which gives the
                    // keyboard straight back: go on to the stop before the grid.
                    Keys.onBacktabPressed: calendar.nextItemInFocusChain(false).forceActiveFocus(Qt.BacktabFocusReason)
                    Component.onCompleted: {
                        isToday = index === shown.todayIndex
                        isSelected = index === shown.selectedIndex
                    }

                    MouseArea {
                        // The day shown when pressed: taking the keyboard may commit
                        // a half-typed field elsewhere, which redraws the grid.
                        property var pressedDay: null

                        anchors.fill: parent
                        onPressed: pressedDay = root.shownDayOf(shown.records[index])
                        onClicked: {
                            var day = pressedDay || root.shownDayOf(shown.records[index])
                            pressedDay = null
                            dayCell.forceActiveFocus()
                            root.chooseShownDay(day)
                        }
                        onCanceled: pressedDay = null
                    }
                }
            }
        }
    }

    // The day numbers, drawn above the cells rather than in them: each arrangement of
    // numbers is laid out once, when first needed, and a month step shows other ones
    // instead of laying out the numbers anew. The cells keep the input, the focus and
    // the accessible names. Each number stands where a number inside its cell would.
    Arrangements {
        id: dayNumbers

        // The month's days from grid column `startColumn`, the previous month's last
        // days before them and the next month's first days after them.
        function show(startColumn, daysInMonth, lastOfPrevious) {
            var end = startColumn + daysInMonth
            var month = arrangement("month" + startColumn, monthLayer, { startColumn: startColumn })
            month.daysInMonth = daysInMonth
            month.today = shown.today
            var wanted = [month, arrangement("next" + end, nextLayer, { firstCell: end })]
            if (startColumn > 0)
                wanted.push(arrangement("previous" + startColumn + "-" + lastOfPrevious, previousLayer,
                                        { count: startColumn, last: lastOfPrevious }))
            showOnly(wanted)
        }

        // Place `slot` of an arrangement (a cell's place, row by row) as the cells' own
        // grid does, adding up the steps from its first column or, mirrored, from its
        // end; a number stands centred in its place, whole-pixel aligned as
        // anchors.centerIn would align it. Each number is one item fewer to show and
        // hide than a number in an item of its cell's size.
        function numberX(slot, textWidth, mirrored) {
            var step = cellSize.width + calendar.columnSpacing
            var x = 0
            if (mirrored) {
                var widthOfRow = 0
                for (var column = 0; column < 7; ++column) {
                    if (column > 0)
                        widthOfRow += calendar.columnSpacing
                    widthOfRow += cellSize.width
                }
                x = Math.trunc(widthOfRow)
            }
            for (var i = 0; i < slot % 7; ++i)
                x = mirrored ? x - step : x + step
            return (mirrored ? x - cellSize.width : x) + alignedCentre(cellSize.width) - alignedCentre(textWidth)
        }

        function numberY(slot, textHeight) {
            var y = 0
            for (var i = 0; i < Math.floor(slot / 7); ++i)
                y += cellSize.height + calendar.rowSpacing
            return y + alignedCentre(cellSize.height) - alignedCentre(textHeight)
        }

        function alignedCentre(length) {
            return Math.trunc(length) % 2 ? (length + 1) / 2 : length / 2
        }

        objectName: "dayNumbers"
        x: calendar.x
        y: calendar.y
        width: calendar.width
        height: calendar.height

        Component {
            id: monthLayer

            Item {
                property int startColumn
                property int daysInMonth: 31
                // Day of today in this month, else 0.
                property int today

                Repeater {
                    model: 31

                    Text {
                        objectName: "dayNumber"
                        // The cell beneath is what a screen reader reads.
                        Accessible.ignored: true
                        x: dayNumbers.numberX(startColumn + index, width, LayoutMirroring.enabled)
                        y: dayNumbers.numberY(startColumn + index, height)
                        visible: index < daysInMonth
                        text: index + 1
                        font.pixelSize: root.fontSize
                        // Columns 5 and 6 are Saturday and Sunday.
                        color: (startColumn + index) % 7 >= 5 ? "red"
                            : index + 1 === today ? systemPalette.base : systemPalette.buttonText
                    }
                }
            }
        }

        Component {
            id: previousLayer

            Item {
                property int count
                property int last

                Repeater {
                    model: 7

                    Text {
                        objectName: "dayNumber"
                        // The cell beneath is what a screen reader reads.
                        Accessible.ignored: true
                        x: dayNumbers.numberX(index, width, LayoutMirroring.enabled)
                        y: dayNumbers.numberY(index, height)
                        visible: index < count
                        text: visible ? last - count + 1 + index : ""
                        font.pixelSize: root.fontSize
                        color: root.isLight ? "gray" : "lightgray"
                    }
                }
            }
        }

        Component {
            id: nextLayer

            Item {
                property int firstCell

                y: Math.floor(firstCell / 7) * (cellSize.height + cellSize.rowSpacing)

                Repeater {
                    model: 42 - firstCell

                    Text {
                        objectName: "dayNumber"
                        // The cell beneath is what a screen reader reads.
                        Accessible.ignored: true
                        x: dayNumbers.numberX(firstCell % 7 + index, width, LayoutMirroring.enabled)
                        y: dayNumbers.numberY(firstCell % 7 + index, height)
                        text: index + 1
                        font.pixelSize: root.fontSize
                        color: root.isLight ? "gray" : "lightgray"
                    }
                }
            }
        }
    }
}
