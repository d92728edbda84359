/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0
import "qrc:/qml"
import "../panel"

// What the keyboard and the range's ends look like, as drawn: a part must look
// different once the keyboard reaches it or once it no longer acts.
Item {
    id: root

    width: 800
    height: 600

    SystemPalette {
        id: palette
    }

    Component {
        id: clockComponent

        Clock {}
    }

    PanelTestCase {
        name: "PanelRendering"

        // The pixels of `item`'s area of the window, as one text.
        function drawn(item) {
            waitForRendering(item)
            var image = grabImage(root)
            var origin = item.mapToItem(root, 0, 0)
            var pixels = []
            for (var y = Math.ceil(origin.y); y < origin.y + item.height; ++y) {
                for (var x = Math.ceil(origin.x); x < origin.x + item.width; ++x)
                    pixels.push(image.pixel(x, y))
            }
            return pixels.join()
        }

        // `journey` leaves `part` changed: a month button stepped to the end of the
        // range by a click, the grid reached by Down, the clock by a click.
        function test_seen_data() {
            return [
                { tag: "previous month clicked into January 1970, light", start: [1970, 1, 15], part: "previousMonth", journey: "click", isLight: true },
                { tag: "previous month clicked into January 1970, dark", start: [1970, 1, 15], part: "previousMonth", journey: "click", isLight: false },
                { tag: "next month clicked into December 2105, light", start: [2105, 10, 15], part: "nextMonthButton", journey: "click", isLight: true },
                { tag: "today's selected cell reached by Down", start: "today", part: "today", journey: "Down", isLight: true },
                { tag: "the clock clicked", part: "clock", journey: "click", isLight: true },
            ]
        }

        function test_seen(data) {
            var target
            if (data.part === "clock") {
                target = createTemporaryObject(clockComponent, root, { isLight: data.isLight })
            } else {
                var panel = createPanel({ isLight: data.isLight })
                var start = data.start === "today" ? new Date() : new Date(data.start[0], data.start[1], data.start[2], 12)
                panel.updateAll(start)
                // The keyboard elsewhere: its frame is not what is looked for.
                part(panel, data.part === "today" ? "nextMonthButton" : "monthComboBox").forceActiveFocus()
                target = data.part === "today" ? dayCell(panel, start.getFullYear(), start.getMonth(), start.getDate())
                                               : part(panel, data.part)
            }
            var before = drawn(target)
            if (data.journey === "click")
                mouseClick(target)
            else
                keyClick(Qt["Key_" + data.journey])
            if (data.part === "today")
                verify(target.activeFocus, "the keyboard is on today's cell")
            // The click's short dark fill over first.
            if (target.background)
                tryVerify(function () { return isColour(target.background.color, palette.button) }, 2000)
            compare(drawn(target) === before, false, "drawn as before")
        }
    }
}
