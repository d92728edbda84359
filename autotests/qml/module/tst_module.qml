/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0

TestCase {
    id: testCase

    name: "Module"
    when: windowShown

    function test_types_data() {
        return ["DateToWeek", "NumberOfWeeks", "CurrentDateTime", "CurrentDateNameProvider",
                "BaseCalendarController", "FocusAnnouncer"].map(function (type) { return { tag: type, type: type } })
    }

    function test_types(data) {
        var object = createTemporaryQmlObject("import nimbara.orvadmindate 1.0\n" + data.type + " {}", testCase)
        verify(object, data.type + " could not be declared")
        compare(object.toString().split("(")[0], data.type)
    }

    function test_onlyThoseTypes_data() {
        return ["OrvAdminDatePlugin", "BaseCalendar", "Clock", "QObject"].map(function (type) {
            return { tag: type, type: type }
        })
    }

    function test_onlyThoseTypes(data) {
        var failed = false
        try {
            Qt.createQmlObject("import nimbara.orvadmindate 1.0\n" + data.type + " {}", testCase)
        } catch (error) {
            failed = true
        }
        verify(failed, data.type + " should not come with the import")
    }

    function test_documents_data() {
        return ["BaseCalendar", "YearInput", "DatePicker", "OrvCalendar", "CurrentDate", "Clock",
                "DigitalClock"].map(function (document) { return { tag: document, document: document } })
    }

    function test_documents(data) {
        var component = Qt.createComponent("qrc:/qml/" + data.document + ".qml")
        compare(component.status, Component.Ready, component.errorString())
        verify(createTemporaryObject(component, testCase), data.document + " could not be created with nothing set")
    }

    Component {
        id: imageComponent

        Image {}
    }

    // Canvas of each picture as drawn; light and dark share it, but for the minute hand.
    function test_artwork_data() {
        var pictures = [
            ["images", "background.svg", 240, 240, 240],
            ["images", "face.svg", 192, 192, 192],
            ["images", "hour.svg", 35, 70, 70],
            ["images", "minute.svg", 9, 72, 73],
            ["images", "second.svg", 4, 91, 91],
            ["images", "minutePin.svg", 24, 24, 24],
            ["images", "secondPin.svg", 12, 12, 12],
            ["images", "center.svg", 28, 28, 28],
        ]
        ;["arrow-left", "arrow-right", "arrow-down", "arrow-left-double", "arrow-right-double",
          "object-rotate-left"].forEach(function (icon) {
            pictures.push(["icons/32x32/actions", icon + ".png", 32, 32, 32])
        })
        return pictures.map(function (picture) {
            return { tag: picture[1], directory: picture[0], file: picture[1], width: picture[2],
                     lightHeight: picture[3], darkHeight: picture[4] }
        })
    }

    function test_artwork(data) {
        var heights = { light: data.lightHeight, dark: data.darkHeight }
        for (var variant in heights) {
            var url = "qrc:/" + data.directory + "/" + variant + "/" + data.file
            var image = createTemporaryObject(imageComponent, testCase, { source: url })
            tryCompare(image, "status", Image.Ready)
            compare(image.implicitWidth, data.width, url)
            compare(image.implicitHeight, heights[variant], url)
        }
    }

    CurrentDateTime {
        id: currentDateTime
    }

    function test_currentDateTimeOfUtc() {
        for (var attempt = 0; attempt < 5; ++attempt) {
            var before = new Date()
            var parts = currentDateTime.getDateTimeForTimeZone("UTC")
            var after = new Date()
            if (Math.floor(before.getTime() / 1000) !== Math.floor(after.getTime() / 1000))
                continue
            compare(parts.length, 6)
            compare(parts[CurrentDateTime.Year], before.getUTCFullYear())
            compare(parts[CurrentDateTime.Month], before.getUTCMonth() + 1)
            compare(parts[CurrentDateTime.Day], before.getUTCDate())
            compare(parts[CurrentDateTime.Hour], before.getUTCHours())
            compare(parts[CurrentDateTime.Minute], before.getUTCMinutes())
            compare(parts[CurrentDateTime.Second], before.getUTCSeconds())
            return
        }
        fail("the clock kept crossing second boundaries")
    }

    function test_currentDateTimeOfNoZone_data() {
        return [
            { tag: "not a zone", zone: "Not/AZone" },
            { tag: "a number", zone: 42 },
        ]
    }

    function test_currentDateTimeOfNoZone(data) {
        var parts = currentDateTime.getDateTimeForTimeZone(data.zone)
        compare([parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]], [0, 0, 0, -1, -1, -1])
    }

    function test_enumeration() {
        compare([CurrentDateTime.Year, CurrentDateTime.Month, CurrentDateTime.Day, CurrentDateTime.Hour,
                 CurrentDateTime.Minute, CurrentDateTime.Second], [0, 1, 2, 3, 4, 5])
    }

    BaseCalendarController {
        id: controller
    }

    function test_controllerSteps_data() {
        return [
            { tag: "next week of an instant before 1970", step: "getDateNextWeek", instant: -3600000, expected: 601200000 },
            { tag: "day before the epoch", step: "getDateOneDayAgo", instant: 0, expected: -86400000 },
            { tag: "week before 1960-06-15", step: "getDateOneWeekAgo", instant: Date.UTC(1960, 5, 15),
              expected: Date.UTC(1960, 5, 8) },
            { tag: "next day of 2105-12-31", step: "getDateNextDay", instant: Date.UTC(2105, 11, 31),
              expected: Date.UTC(2106, 0, 1) },
        ]
    }

    function test_controllerSteps(data) {
        compare(controller[data.step](data.instant), data.expected)
        compare(controller.getMilliSecondsInOneDay(), 86400000)
    }

    DateToWeek {
        id: dateToWeek
    }

    NumberOfWeeks {
        id: numberOfWeeks
    }

    function test_weeksFromQml() {
        var date = new Date(2021, 0, 1)
        compare(dateToWeek.convert(date.getFullYear(), date.getMonth(), date.getDate()), 53)
        compare(numberOfWeeks.get(2026), 53)
    }

    CurrentDateNameProvider {
        id: nameProvider
    }

    function test_namesFromQml() {
        compare(nameProvider.getMonthNames().length, 12)
        compare(nameProvider.getDaysOfWeek().length, 7)
    }
}
