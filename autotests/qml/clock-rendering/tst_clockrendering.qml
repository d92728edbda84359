/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0

// The analog clock as drawn, light and dark: the colours of the artwork found at
// points that the hands, set to a time, must cover or leave free. A TestCase is
// not drawn, so the clock lives in a visible root.
Item {
    id: root

    width: 240
    height: 240

    TestCase {
        id: testCase

        name: "ClockRendering"
        when: windowShown

        property Component clockComponent: Qt.createComponent("qrc:/qml/Clock.qml")

        // Colours of the artwork: the plate, the ink of the hands, the pins, and the red
        // of the second hand, which both variants share.
        readonly property var colours: ({
            light: { plate: "#f4f4f4", ink: "#7e7e7e", pin: "#c2c2c2" },
            dark: { plate: "#454545", ink: "#c2c2c2", pin: "#7e7e7e" },
        })
        readonly property color red: "#f34444"

        function near(actual, expected) {
            var wanted = Qt.lighter(expected, 1.0) // a colour name turned into a colour
            return Math.abs(actual.r - wanted.r) < 0.04 && Math.abs(actual.g - wanted.g) < 0.04
                && Math.abs(actual.b - wanted.b) < 0.04
        }

        // A point at distance from the hands' pivot, in the direction of angle
        // degrees clockwise from twelve.
        function onDial(angle, distance) {
            var radians = angle * Math.PI / 180
            return [Math.floor(120 + distance * Math.sin(radians)), Math.floor(120 - distance * Math.cos(radians))]
        }

        function test_drawn_data() {
            return [
                { tag: "light", isLight: true },
                { tag: "dark", isLight: false },
            ]
        }

        function test_drawn(data) {
            compare(clockComponent.status, Component.Ready, clockComponent.errorString())
            var clock = createTemporaryObject(clockComponent, root, { isLight: data.isLight })
            // Hour hand at eight (240 degrees), minute hand at twelve, second hand at three.
            clock.update(20, 0, 15)
            waitForRendering(clock)
            var image = grabImage(clock)
            var expected = colours[data.isLight ? "light" : "dark"]
            var checks = [
                ["plate in the top left corner", [25, 25], expected.plate],
                ["plate in the bottom right corner", [214, 214], expected.plate],
                ["second hand at three", onDial(90, 50), red],
                ["second hand near its tip", onDial(90, 68), red],
                ["second hand's tail towards nine", onDial(270, 14), red],
                ["second pin", [120, 119], red],
                ["minute hand at twelve", onDial(0, 40), expected.ink],
                ["minute hand near its tip", onDial(0, 65), expected.ink],
                ["hour hand at eight", onDial(240, 35), expected.ink],
                ["minute pin", [128, 116], expected.pin],
            ]
            var free = [
                ["no second hand towards nine", onDial(270, 50)],
                ["no minute hand towards six", onDial(180, 40)],
                ["no hour hand towards two", onDial(60, 35)],
            ]
            checks.forEach(function (check) {
                var colour = image.pixel(check[1][0], check[1][1])
                verify(near(colour, check[2]), check[0] + " at " + check[1] + ": " + colour + ", not " + check[2])
            })
            free.forEach(function (check) {
                var colour = image.pixel(check[1][0], check[1][1])
                verify(!near(colour, red) && !near(colour, expected.ink),
                       check[0] + " at " + check[1] + ": " + colour)
            })
        }

        // Turning the hands changes what is drawn; the time read back from the pixels
        // is the one set.
        function test_secondHandFollowsUpdate_data() {
            return [0, 10, 25, 40, 52].map(function (second) {
                return { tag: "second " + second, second: second }
            })
        }

        function test_secondHandFollowsUpdate(data) {
            var clock = createTemporaryObject(clockComponent, root)
            clock.update(6, 30, data.second)
            waitForRendering(clock)
            var image = grabImage(clock)
            for (var second = 0; second < 60; second += 5) {
                if (second === 30)
                    continue // under the minute hand
                var point = onDial(second * 6, 55)
                compare(near(image.pixel(point[0], point[1]), red), second === data.second,
                        "red at second " + second)
            }
        }
    }
}
