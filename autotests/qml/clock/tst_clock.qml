/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0

// The analog clock's hands as its rotations and mapped points give them, its
// accessible name, artwork variants, shadows and focus. A TestCase is not drawn,
// so the clock lives in a visible root beside an item to Tab from.
Item {
    id: root

    width: 400
    height: 300

    Item {
        id: tabStart

        objectName: "tabStart"
        activeFocusOnTab: true
    }

    TestCase {
        id: testCase

        name: "Clock"
        when: windowShown

        property Component clockComponent: Qt.createComponent("qrc:/qml/Clock.qml")

        function createClock(properties) {
            compare(clockComponent.status, Component.Ready, clockComponent.errorString())
            return createTemporaryObject(clockComponent, root, properties || {})
        }

        function find(item, name) {
            if (item.objectName === name)
                return item
            for (var i = 0; i < item.children.length; ++i) {
                var found = find(item.children[i], name)
                if (found)
                    return found
            }
            return null
        }

        function part(clock, name) {
            var found = find(clock, name)
            verify(found, "no " + name)
            return found
        }

        // Where each hand points on the dial, in degrees clockwise from twelve.
        function drawnAngle(clock, handName) {
            var angle = part(clock, handName).transform[0].angle % 360
            return angle < 0 ? angle + 360 : angle
        }

        function verifyAngles(clock, expected) {
            fuzzyCompare(drawnAngle(clock, "hourHand"), expected[0], 1e-9, "hour hand")
            fuzzyCompare(drawnAngle(clock, "minuteHand"), expected[1], 1e-9, "minute hand")
            fuzzyCompare(drawnAngle(clock, "secondHand"), expected[2], 1e-9, "second hand")
        }

        function test_angles_data() {
            return [
                { tag: "0:00:00", time: [0, 0, 0], angles: [0, 0, 0] },
                { tag: "12:00:00", time: [12, 0, 0], angles: [0, 0, 0] },
                { tag: "23:59:59", time: [23, 59, 59], angles: [359.5, 354, 354] },
                { tag: "14:30:45", time: [14, 30, 45], angles: [75, 180, 270] },
                { tag: "3:00:00", time: [3, 0, 0], angles: [90, 0, 0] },
                { tag: "6:15:30", time: [6, 15, 30], angles: [187.5, 90, 180] },
                { tag: "9:59:01", time: [9, 59, 1], angles: [299.5, 354, 6] },
                { tag: "strings 14, 05, 30", time: ["14", "05", "30"], angles: [62.5, 30, 180] },
                { tag: "strings with blanks", time: [" 8", "20 ", "\t0"], angles: [250, 120, 0] },
                { tag: "fractional strings", time: ["7.5", "30", "0.5"], angles: [240, 180, 3] },
                { tag: "hour 24 folds to midnight", time: [24, 0, 0], angles: [0, 0, 0] },
                { tag: "hour 25 with 30 minutes", time: [25, 30, 0], angles: [45, 180, 0] },
                { tag: "hour 36", time: [36, 0, 0], angles: [0, 0, 0] },
                { tag: "minute 60 is a full turn", time: [2, 60, 0], angles: [90, 0, 0] },
                { tag: "minute 90", time: [9, 90, 15], angles: [315, 180, 90] },
                { tag: "second 75", time: [0, 0, 75], angles: [0, 0, 90] },
                { tag: "hour -1 is eleven", time: [-1, 0, 0], angles: [330, 0, 0] },
            ]
        }

        function test_angles(data) {
            var clock = createClock()
            clock.update(data.time[0], data.time[1], data.time[2])
            verifyAngles(clock, data.angles)
        }

        function test_accessibleName_data() {
            return [
                { tag: "numbers", time: [14, 5, 30], name: "current time 14 hours 5 minutes30 seconds" },
                { tag: "strings with leading zeros", time: ["14", "05", "30"],
                  name: "current time 14 hours 5 minutes30 seconds" },
                { tag: "hours past 12 unchanged", time: [25, 61, 75],
                  name: "current time 25 hours 61 minutes75 seconds" },
            ]
        }

        function test_accessibleName(data) {
            var clock = createClock()
            clock.update(data.time[0], data.time[1], data.time[2])
            compare(clock.Accessible.name, data.name)
        }

        // A time with any part that is no number is ignored: the last time stays.
        function test_notANumber_data() {
            return [
                { tag: "a word", time: ["ten", 5, 0] },
                { tag: "a time text", time: [10, "05:30", 0] },
                { tag: "undefined", time: [10, 5, undefined] },
                { tag: "nothing at all", time: [] },
                { tag: "null", time: [null, 5, 0] },
                { tag: "an empty string", time: [10, "", 0] },
                { tag: "blanks", time: [10, 5, "  "] },
                { tag: "NaN", time: [NaN, 5, 0] },
                { tag: "Infinity", time: [10, Infinity, 0] },
                { tag: "a boolean", time: [true, 5, 0] },
                { tag: "an object", time: [10, 5, { seconds: 3 }] },
            ]
        }

        function test_notANumber(data) {
            var clock = createClock()
            clock.update(14, 30, 45)
            clock.update.apply(clock, data.time)
            verifyAngles(clock, [75, 180, 270])
            compare(clock.Accessible.name, "current time 14 hours 30 minutes45 seconds")
        }

        function test_dateAtCompletion() {
            var clock = createClock({ date: new Date(2026, 5, 1, 9, 15, 0) })
            compare(part(clock, "hourHand").transform[0].angle, 277.5)
            compare(part(clock, "minuteHand").transform[0].angle, 90)
            compare(part(clock, "secondHand").transform[0].angle, 0)
            compare(clock.Accessible.name, "current time 9 hours 15 minutes0 seconds")
            clock.date = new Date(2026, 5, 1, 4, 40, 20)
            verifyAngles(clock, [277.5, 90, 0])
            compare(clock.Accessible.name, "current time 9 hours 15 minutes0 seconds")
        }

        function test_showsNowWithoutDate() {
            for (var attempt = 0; attempt < 5; ++attempt) {
                var before = new Date()
                var clock = createClock()
                var after = new Date()
                if (Math.floor(before.getTime() / 1000) !== Math.floor(after.getTime() / 1000))
                    continue
                compare(clock.Accessible.name, "current time " + before.getHours() + " hours "
                        + before.getMinutes() + " minutes" + before.getSeconds() + " seconds")
                return
            }
            fail("the clock kept crossing second boundaries")
        }

        // Points of each hand's box, mapped through its rotation into the clock.
        function test_handsPointOnTheDial_data() {
            return [
                { tag: "3:00:15", time: [3, 0, 15], hand: "hourHand", at: [17.5, 0], expected: [175, 119] },
                { tag: "9:00:00", time: [9, 0, 0], hand: "hourHand", at: [17.5, 0], expected: [65, 119] },
                { tag: "hour 6:00 pivot", time: [6, 0, 0], hand: "hourHand", at: [17.5, 55],
                  expected: [120, 119] },
                { tag: "minute at a quarter past", time: [3, 15, 0], hand: "minuteHand", at: [4.5, 0],
                  expected: [193, 120] },
                { tag: "minute at half past", time: [3, 30, 0], hand: "minuteHand", at: [4.5, 0],
                  expected: [120, 193] },
                { tag: "second at 45", time: [0, 0, 45], hand: "secondHand", at: [2, 0], expected: [48, 120] },
                { tag: "second tail at 0", time: [0, 0, 0], hand: "secondHand", at: [2, 91],
                  expected: [120, 139] },
                { tag: "second tail at 15", time: [0, 0, 15], hand: "secondHand", at: [2, 91],
                  expected: [101, 120] },
            ]
        }

        function test_handsPointOnTheDial(data) {
            var clock = createClock()
            clock.update(data.time[0], data.time[1], data.time[2])
            var point = part(clock, data.hand).mapToItem(clock, data.at[0], data.at[1])
            fuzzyCompare(point.x, data.expected[0], 1e-6, "x")
            fuzzyCompare(point.y, data.expected[1], 1e-6, "y")
        }

        function verifyVariant(clock, variant) {
            var files = { background: "background", face: "face", hour: "hour", minute: "minute",
                          minutePinImage: "minutePin", second: "second", secondPinImage: "secondPin" }
            for (var name in files) {
                var image = part(clock, name)
                compare(String(image.source), "qrc:/images/" + variant + "/" + files[name] + ".svg")
                tryCompare(image, "status", Image.Ready)
            }
        }

        function test_artworkVariants() {
            verifyVariant(createClock(), "light")
            verifyVariant(createClock({ isLight: false }), "dark")
        }

        function test_switchingVariantKeepsTheHands() {
            var clock = createClock()
            clock.update(14, 30, 45)
            ;[false, true, false].forEach(function (isLight) {
                clock.isLight = isLight
                verifyVariant(clock, isLight ? "light" : "dark")
                verifyAngles(clock, [75, 180, 270])
            })
        }

        // Each picture's drop shadow sits beside it under the same parent.
        function shadowOf(image) {
            var siblings = image.parent.children
            for (var i = 0; i < siblings.length; ++i) {
                if (siblings[i] !== image && siblings[i].source === image)
                    return siblings[i]
            }
            fail("no shadow of " + image.objectName)
        }

        SystemPalette {
            id: palette
        }

        function test_shadows_data() {
            return [
                { tag: "background", name: "background", offset: 2, radius: 10, colour: "palette" },
                { tag: "face", name: "face", offset: 2, radius: 6, colour: "palette" },
                { tag: "hour", name: "hour", offset: 0, radius: "shadowRaidus", colour: "shadowColor" },
                { tag: "minute", name: "minute", offset: 0, radius: "shadowRaidus", colour: "shadowColor" },
                { tag: "minute pin", name: "minutePinImage", offset: 0, radius: "shadowRaidus",
                  colour: "shadowColor" },
                { tag: "second", name: "second", offset: 0, radius: "shadowRaidus", colour: "shadowColor" },
                { tag: "second pin", name: "secondPinImage", offset: 0, radius: "shadowRaidus",
                  colour: "shadowColor" },
            ]
        }

        function test_shadows(data) {
            var clock = createClock()
            var shadow = shadowOf(part(clock, data.name))
            function expectShadow(radius, colour, samples) {
                compare(shadow.horizontalOffset, 0)
                compare(shadow.verticalOffset, data.offset)
                compare(shadow.radius, data.radius === "shadowRaidus" ? radius : data.radius)
                verify(Qt.colorEqual(shadow.color, data.colour === "palette" ? palette.shadow : colour),
                       "colour " + shadow.color)
                compare(shadow.samples, samples)
                // The pictures under the shadows never change while the hands turn: each
                // blur is kept, not run again for every frame.
                verify(shadow.cached)
            }
            expectShadow(4, Qt.rgba(0, 0, 0, 0.25), 17)
            clock.shadowRaidus = 7.5
            clock.shadowColor = "#80ff0000"
            clock.shadowSamples = 9
            clock.shadowVerticalOffset = 12
            expectShadow(7.5, "#80ff0000", 9)
            compare(shadow.rotation, data.name === "hour" ? 180 : 0)
        }

        function test_focusByClick_data() {
            return [
                { tag: "corner of the plate", at: [3, 3] },
                { tag: "on the dial", at: [60, 180] },
                { tag: "on the pins", at: [120, 120] },
                { tag: "on the second hand", at: [120, 60] },
            ]
        }

        function test_focusByClick(data) {
            var clock = createClock({ x: 100, y: 20 })
            clock.update(0, 30, 0)
            tabStart.forceActiveFocus()
            verify(!clock.activeFocus)
            mouseClick(clock, data.at[0], data.at[1])
            verify(clock.activeFocus)
        }

        // Under the keyboard the clock keeps the time it was reached at, so that a
        // screen reader does not read it out every second; it tells the latest time
        // again when the keyboard comes back.
        function test_focusedClockKeepsItsName() {
            var clock = createClock()
            clock.update(9, 15, 0)
            clock.forceActiveFocus()
            clock.update(9, 15, 1)
            compare(clock.Accessible.name, "current time 9 hours 15 minutes0 seconds")
            compare(clock.Accessible.role, Accessible.Graphic)
            tabStart.forceActiveFocus()
            clock.update(9, 15, 2)
            clock.update(9, 15, 3)
            compare(clock.Accessible.name, "current time 9 hours 15 minutes3 seconds")
            clock.update(9, 15, 4)
            clock.forceActiveFocus()
            compare(clock.Accessible.name, "current time 9 hours 15 minutes4 seconds")
        }

        function test_focusByTab() {
            var clock = createClock()
            tabStart.forceActiveFocus()
            keyClick(Qt.Key_Tab)
            verify(clock.activeFocus)
            // The clock takes no keys: Tab moves on again.
            keyClick(Qt.Key_Tab)
            verify(!clock.activeFocus)
        }
    }
}
