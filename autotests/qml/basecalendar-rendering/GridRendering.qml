/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0
import "qrc:/qml/LocalDate.js" as LocalDate
import "../basecalendar/CalendarTest.js" as CalendarTest

// The month grid as drawn, in light and dark: weekend names and numbers in red, the
// neighbouring months dimmed, the selected day framed, the strip and the weeks box's arrow.
// The grid draws its texts one way with OpenGL and another with the software renderer:
// each suite runs this under one of them.
Item {
    id: window

    property int graphicsApi

    width: 462
    height: 336

    SystemPalette {
        id: palette
    }

    TestCase {
        id: testCase

        name: "BaseCalendarRendering"
        when: windowShown

        // Pixels of `item`'s area in `image` within a small distance of `colour`.
        function countNear(image, item, colour) {
            var origin = item.mapToItem(image.source, 0, 0)
            var count = 0
            for (var y = Math.ceil(origin.y); y < origin.y + item.height - 1; ++y) {
                for (var x = Math.ceil(origin.x); x < origin.x + item.width - 1; ++x) {
                    var pixel = image.image.pixel(x, y)
                    if (Math.abs(pixel.r - colour.r) + Math.abs(pixel.g - colour.g) + Math.abs(pixel.b - colour.b) < 0.15)
                        ++count
                }
            }
            return count
        }

        // The colour of `item`'s text: its pixel farthest from the background, which a
        // glyph's stem covers whole whatever the renderer's anti-aliasing.
        function inkOf(image, item) {
            var origin = item.mapToItem(image.source, 0, 0)
            var background = image.image.pixel(Math.ceil(origin.x) + 1, Math.ceil(origin.y) + 1)
            var ink = background
            var farthest = 0
            for (var y = Math.ceil(origin.y); y < origin.y + item.height - 1; ++y) {
                for (var x = Math.ceil(origin.x); x < origin.x + item.width - 1; ++x) {
                    var pixel = image.image.pixel(x, y)
                    var distance = Math.abs(pixel.r - background.r) + Math.abs(pixel.g - background.g) + Math.abs(pixel.b - background.b)
                    if (distance > farthest) {
                        farthest = distance
                        ink = pixel
                    }
                }
            }
            return ink
        }

        function verifyInk(image, item, colour, what) {
            var ink = inkOf(image, item)
            verify(Math.abs(ink.r - colour.r) + Math.abs(ink.g - colour.g) + Math.abs(ink.b - colour.b) < 0.15,
                   what + ": the text is " + ink + ", not " + colour)
        }

        function initTestCase() {
            compare(GraphicsInfo.api, window.graphicsApi, "the window is drawn by the renderer asked for")
        }

        function test_grid_data() {
            return [
                { tag: "light", isLight: true, dim: "gray", glyph: "#505050" },
                { tag: "dark", isLight: false, dim: "lightgray", glyph: "#cccccc" },
            ]
        }

        function test_grid(data) {
            // March 2026 begins on a Sunday and ends on a Tuesday.
            var calendar = CalendarTest.create(testCase, window, LocalDate.date(2026, 2, 11), { isLight: data.isLight })
            waitForRendering(calendar)
            var image = { source: calendar, image: grabImage(calendar) }
            var colour = function (name) { return Qt.tint(name, "transparent") }
            var cell = function (day, month) { return CalendarTest.cell(testCase, calendar, day, month) }

            verifyInk(image, cell(14, "current"), colour("red"), "Saturday in red")
            verifyInk(image, cell(15, "current"), colour("red"), "Sunday in red")
            verifyInk(image, cell(13, "current"), palette.buttonText, "Friday in the text colour")
            var header = CalendarTest.childNamed(testCase, calendar, "dayOfWeekRow")
            var nameOver = function (day) {
                return { width: day.width, height: header.height, mapToItem: function (target, x, y) {
                    return Qt.point(day.mapToItem(target, x, 0).x, header.mapToItem(target, 0, y).y)
                } }
            }
            verifyInk(image, nameOver(cell(14, "current")), colour("red"), "Saturday's name in red")
            verifyInk(image, nameOver(cell(13, "current")), palette.buttonText, "Friday's name in the text colour")
            verifyInk(image, cell(28, "previous"), colour(data.dim), "February dimmed")
            verifyInk(image, cell(4, "next"), colour(data.dim), "April dimmed")
            verify(countNear(image, cell(28, "previous"), colour("red")) === 0, "a dimmed Saturday is not red")

            var selected = cell(11, "current")
            var frame = countNear(image, selected, palette.highlight)
            verify(frame > selected.width && frame < selected.width * selected.height / 4,
                   "the selected day framed, not filled: " + frame)
            compare(countNear(image, cell(12, "current"), palette.highlight), 0)

            var strip = CalendarTest.childNamed(testCase, calendar, "weekNumberColumn")
            verify(countNear(image, strip, palette.midlight) > strip.width * strip.height / 2, "the strip in midlight")
            verify(countNear(image, strip, colour(data.dim)) > 20, "week numbers dimmed")
            var box = CalendarTest.childNamed(testCase, calendar, "weeksComboBox")
            verify(countNear(image, box.indicator, colour(data.glyph)) > 5, "the arrow of its variant")
        }

        // A walk across a year's week 53 and back shows each month's own weeks and days.
        function test_walkShowsEachMonthsNumbers() {
            var calendar = CalendarTest.create(testCase, window, LocalDate.date(2026, 10, 15), {})
            ;[[2026, 11], [2027, 0], [2026, 11], [2026, 10], [2027, 0]].forEach(function (month) {
                var where = month[0] + "-" + (month[1] + 1)
                calendar.update(LocalDate.date(month[0], month[1], 15))
                var weeks = [0, 1, 2, 3, 4, 5].map(function (row) {
                    var day = CalendarTest.calendarDay(month[0], month[1], 1 + 7 * row)
                    return CalendarTest.isoWeek(day[0], day[1], day[2]).week
                })
                compare(CalendarTest.stripNumbers(testCase, calendar), weeks, where + " weeks")
                var records = calendar.getDaysToDisplay()
                CalendarTest.cells(testCase, calendar).forEach(function (cell, index) {
                    compare(CalendarTest.dayNumberOf(testCase, cell).text, String(records[index].day),
                            where + " cell " + index)
                })
            })
        }
    }
}
