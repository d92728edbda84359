/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0
import "../panel"

// A part looks different, as drawn, once the keyboard reaches it or once it no longer acts.
Item {
    id: root

    width: 800
    height: 600

    SystemPalette {
        id: palette
    }

    PanelTestCase {
        name: "PanelRendering"

        // The pixels of `item`'s area of the window: grabImage(item) reads its parent's place.
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

        // A month button clicked to the end of the range, today's selected cell reached by Down.
        function test_seen_data() {
            return [
                { tag: "previous month clicked into January 1970, light", start: [1970, 1, 15], part: "previousMonth", isLight: true },
                { tag: "next month clicked into December 2105, dark", start: [2105, 10, 15], part: "nextMonthButton", isLight: false },
                { tag: "today's selected cell reached by Down", part: "today", isLight: true },
                { tag: "the clock clicked", part: "clock" },
            ]
        }

        function test_seen(data) {
            var target = data.part === "clock" ? createTemporaryObject(Qt.createComponent("qrc:/qml/Clock.qml"), root) : null
            if (!target) {
                var panel = createPanel({ isLight: data.isLight })
                var start = data.start ? new Date(data.start[0], data.start[1], data.start[2], 12) : new Date()
                panel.updateAll(start)
                part(panel, data.start ? "monthComboBox" : "nextMonthButton").forceActiveFocus()
                target = data.start ? part(panel, data.part) : dayCell(panel, start.getFullYear(), start.getMonth(), start.getDate())
            }
            var before = drawn(target)
            if (data.part === "today")
                keyClick(Qt.Key_Down)
            else
                mouseClick(target)
            // The click's short dark fill over first.
            if (target.background)
                tryVerify(function () { return isColour(target.background.color, palette.button) }, 2000)
            compare(drawn(target) === before, false, "drawn as before")
            if (data.part === "today") {
                // The ring stands inside today's fill, where the page's background cannot swallow it.
                var origin = target.mapToItem(root, 0, 0)
                var image = grabImage(root)
                var y = Math.round(origin.y + target.height / 2)
                verify([2, 3, 4, 5, 6].some(function (dx) {
                    return !isColour(image.pixel(Math.floor(origin.x) + dx, y), palette.highlight)
                }), "a ring inside today's fill")
            }
        }
    }
}
