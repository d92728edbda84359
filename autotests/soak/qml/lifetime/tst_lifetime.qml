/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0
import "qrc:/qml/LocalDate.js" as LocalDate
import "Soak.js" as Soak

// Hours in a settings page, in a few seconds: every component made and destroyed
// hundreds of times, the label rebuilt a hundred thousand times; the heap in use
// must not grow steadily.
Item {
    id: window

    width: 800
    height: 600

    TestCase {
        id: testCase

        name: "Lifetime"
        when: windowShown

        function create(url) {
            var component = Qt.createComponent(url)
            compare(component.status, Component.Ready, component.errorString())
            return component
        }

        // The script engine's own heap grows with the first several hundred grids made and
        // then stays: grow it here, so that each soak below starts from its size.
        function initTestCase() {
            if (!heap.measured)
                return
            var component = create("qrc:/qml/BaseCalendar.qml")
            for (var i = 0; i < 500; ++i) {
                var grid = component.createObject(window)
                wait(0)
                grid.destroy()
            }
        }

        function test_createAndDestroy_data() {
            return [
                { tag: "BaseCalendar", size: [462, 336], rounds: 500 },
                { tag: "YearInput", size: [120, 30], rounds: 500 },
                { tag: "DatePicker", size: [300, 40], rounds: 500 },
                { tag: "OrvCalendar", size: [600, 400], rounds: 300 },
                { tag: "CurrentDate", size: [400, 40], rounds: 500 },
                { tag: "Clock", size: [240, 240], rounds: 500 },
                { tag: "DigitalClock", size: [200, 40], rounds: 500 },
            ]
        }

        // Each lives through a turn of the event loop before it goes, so that what it
        // polishes and hands to the scene graph comes and goes too.
        function test_createAndDestroy(data) {
            var component = create("qrc:/qml/" + data.tag + ".qml")
            Soak.verifyHeapKept(testCase, heap, data.tag + " made and destroyed",
                                data.rounds, 1, function () {
                var object = component.createObject(window, { width: data.size[0], height: data.size[1] })
                verify(object, component.errorString())
                wait(0)
                object.destroy()
            })
        }

        // Half the rebuilds are the timer's own, half the long form of another hour.
        function test_labelRebuilds() {
            var label = createTemporaryObject(create("qrc:/qml/CurrentDate.qml"), window, { width: 400, height: 40 })
            var timer = findChild(label, "refreshTimer")
            var start = LocalDate.date(1970, 0, 1).getTime()
            var lastText = ""
            Soak.verifyHeapKept(testCase, heap, "the label rebuilt", 100000, 1000, function (i) {
                if (i % 2 === 0) {
                    timer.triggered()
                } else {
                    lastText = label.getDateString(new Date(start + i * 7 * 3600000))
                    label.dateString = lastText
                }
            })
            verify(/^[A-Za-z]+, \d{1,2} [A-Za-z]+, \d{4}$/.test(lastText), lastText)
            // Today, read on both sides of the tick in case midnight passes in between.
            var before = label.getDateString(new Date())
            timer.triggered()
            var after = label.getDateString(new Date())
            verify(label.dateString === before || label.dateString === after, label.dateString)
        }
    }
}
