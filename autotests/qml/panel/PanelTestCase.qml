/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0

// What the panel suites share: a panel placed in the visible host item, a spy on its
// reports, and the parts of the panel found by what they are.
TestCase {
    id: testCase

    // The visible item that holds the TestCase; panels go there to be drawn and to get input.
    property Item host: parent
    readonly property string panelUrl: "qrc:/qml/OrvCalendar.qml"
    readonly property alias reports: reportSpy
    // What the grid, the year box, the picker and the month box showed at each report.
    property var viewsAtReport: []

    // 600 by 400, the size the layout figures are easy to check against.
    function createPanel(properties) {
        var component = Qt.createComponent(panelUrl)
        compare(component.status, Component.Ready, component.errorString())
        var settings = { width: 600, height: 400 }
        for (var name in properties)
            settings[name] = properties[name]
        var panel = createTemporaryObject(component, host, settings)
        verify(panel, "the panel could not be created")
        reportSpy.target = panel
        reportSpy.clear()
        viewsAtReport = []
        panel.newDateSelected.connect(function () {
            var views = [panel.getCalendarDate(), panel.getYearInputValue(), panel.getDatePickerValue()].map(dayOf)
            viewsAtReport.push(views.concat(panel.getMonthComboBoxValue()))
        })
        // A pointer resting where a list opens would take the keyboard from it.
        mouseMove(host, 1, host.height - 1)
        return panel
    }

    // Moves the panel to a date the way a host does, and forgets that report.
    function startAt(panel, year, month, day, hours) {
        var start = new Date(year, month, day, hours === undefined ? 12 : hours)
        panel.updateAll(start)
        reportSpy.clear()
        viewsAtReport = []
        return start
    }

    function spyOn(target, signalName) {
        return createTemporaryObject(spyComponent, testCase, { target: target, signalName: signalName })
    }

    // Colours as drawn: an animated fill ends within rounding of its target.
    function isColour(actual, expected) {
        var near = function (a, b) { return Math.abs(a - b) < 1.5 / 255 }
        expected = Qt.tint(expected, "transparent")
        return near(actual.r, expected.r) && near(actual.g, expected.g) && near(actual.b, expected.b)
            && near(actual.a, expected.a)
    }

    function verifyColour(actual, expected, what) {
        verify(isColour(actual, expected), what + ": " + actual + " is not " + expected)
    }

    function part(panel, objectName) {
        var item = findChild(panel, objectName)
        verify(item, "no part named " + objectName)
        return item
    }

    function descendants(item, accepts, found) {
        found = found || []
        for (var i = 0; i < item.children.length; ++i) {
            var child = item.children[i]
            if (accepts(child))
                found.push(child)
            descendants(child, accepts, found)
        }
        return found
    }

    // The picker's day, month and year fields, left to right.
    function pickerFields(panel) {
        var fields = descendants(part(panel, "datePicker"), function (item) {
            return typeof item.increase === "function" && item.valueFromText !== undefined
        })
        compare(fields.length, 3, "the picker's fields")
        return fields.sort(function (a, b) {
            return a.mapToItem(null, 0, 0).x - b.mapToItem(null, 0, 0).x
        })
    }

    // The keyboard into a picker field as a user takes it there: into the day field
    // from the panel, then End and Right across the fields before.
    function focusOnPickerField(panel, field) {
        panel.selectDatePicker()
        for (var i = 0; i < field; ++i) {
            keyClick(Qt.Key_End)
            keyClick(Qt.Key_Right)
        }
    }

    function pickerText(panel) {
        return pickerFields(panel).map(function (field) { return field.contentItem.text }).join(".")
    }

    // The 42 day cells of the grid, in reading order.
    function dayCells(panel) {
        var repeaters = descendants(part(panel, "calendar"), function (item) {
            return typeof item.itemAt === "function" && item.count === 42
        })
        compare(repeaters.length, 1, "the grid's cells")
        var cells = []
        for (var i = 0; i < 42; ++i)
            cells.push(repeaters[0].itemAt(i))
        return cells
    }

    // Column of the first day of the month, Monday first, counted without local time.
    function firstColumn(year, month) {
        var weekday = new Date(Date.UTC(year, month, 1)).getUTCDay()
        return (weekday + 6) % 7
    }

    function daysIn(year, month) {
        return new Date(Date.UTC(year, month + 1, 0)).getUTCDate()
    }

    // The cell of day `day` in the grid showing year/month; offset -1 and 1 pick the
    // neighbouring months' cells.
    function dayCell(panel, year, month, day, offset) {
        var cells = dayCells(panel)
        // The grid places its new cells on the next polish.
        waitForItemPolished(cells[0].parent)
        var first = firstColumn(year, month)
        var index = first + day - 1
        if (offset === -1)
            index = first - (daysIn(year, month - 1) - day + 1)
        else if (offset === 1)
            index = first + daysIn(year, month) + day - 1
        return cells[index]
    }

    function weeksBox(panel) {
        var boxes = descendants(part(panel, "calendar"), function (item) {
            return item.numberOfWeeks !== undefined && item.popup !== undefined
        })
        compare(boxes.length, 1, "the weeks box")
        return boxes[0]
    }

    function focused() {
        return host.Window.window.activeFocusItem
    }

    function isWithin(item, ancestor) {
        for (; item; item = item.parent) {
            if (item === ancestor)
                return true
        }
        return false
    }

    function verifyFocusWithin(item, what) {
        tryVerify(function () { return isWithin(focused(), item) }, 1000,
                  what + " should hold the keyboard, not " + focused())
    }

    function dayText(year, month, day) {
        return [year, month + 1, day].join("-")
    }

    function dayOf(date) {
        return dayText(date.getFullYear(), date.getMonth(), date.getDate())
    }

    // No earlier instant of the same local day exists: local midnight, or where a zone
    // skipped midnight, the end of that gap.
    function isFirstInstantOfDay(date) {
        return new Date(date.getTime() - 1).getDate() !== date.getDate()
    }

    // The one report since the last clear, as a date.
    function onlyReport() {
        compare(reportSpy.count, 1, "reports")
        var text = reportSpy.signalArguments[0][0]
        var shown = dayOf(new Date(Date.parse(text)))
        compare(viewsAtReport[0], [shown, shown, shown, new Date(Date.parse(text)).getMonth()],
                "the views did not all show the date when it was reported")
        verify(/^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z$/.test(text), "not an ISO text in UTC: " + text)
        return new Date(Date.parse(text))
    }

    // All four views show the day, as values and as texts.
    function verifyShown(panel, year, month, day) {
        var expected = dayText(year, month, day)
        compare(dayOf(panel.getCalendarDate()), expected, "grid")
        compare(dayOf(panel.selectedDate), expected, "selectedDate")
        compare(panel.getMonthComboBoxValue(), month, "month box")
        var monthBox = part(panel, "monthComboBox")
        compare(monthBox.contentItem.text, monthBox.model.get(month).name, "month box label")
        compare(panel.getYearInputValue().getFullYear(), year, "year box")
        compare(part(panel, "yearInput").contentItem.text, String(year), "year box face")
        compare(dayOf(panel.getDatePickerValue()), expected, "picker")
        var pad = function (number) { return number < 10 ? "0" + number : String(number) }
        compare(pickerText(panel), [pad(day), pad(month + 1), year].join("."), "picker fields")
    }

    // A user action reported exactly once, on the first instant of the day, and every
    // view agrees.
    function verifyChosen(panel, year, month, day) {
        var reported = onlyReport()
        compare(dayOf(reported), dayText(year, month, day), "reported day")
        verify(isFirstInstantOfDay(reported), "not the start of the day: " + reported)
        verifyShown(panel, year, month, day)
        return reported
    }

    when: windowShown

    SignalSpy {
        id: reportSpy

        signalName: "newDateSelected"
    }

    Component {
        id: spyComponent

        SignalSpy {}
    }
}
