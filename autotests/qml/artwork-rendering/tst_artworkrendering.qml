/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0

// The action icons as drawn on screen: the glyph in its variant's colour, anti-aliased
// edges, and nothing drawn at the border. Test items live in a visible root, since a
// TestCase itself is not drawn.
Item {
    id: root

    width: 64
    height: 64

    Image {
        id: icon

        width: 32
        height: 32
    }

    TestCase {
        name: "ArtworkRendering"
        when: windowShown

        function test_icons_data() {
            var rows = []
            ;["arrow-left", "arrow-right", "arrow-down", "arrow-left-double", "arrow-right-double",
              "object-rotate-left"].forEach(function (name) {
                rows.push({ tag: name + " light", name: name, variant: "light", glyph: "#505050" })
                rows.push({ tag: name + " dark", name: name, variant: "dark", glyph: "#cccccc" })
            })
            return rows
        }

        function test_icons(data) {
            icon.source = "qrc:/icons/32x32/actions/" + data.variant + "/" + data.name + ".png"
            tryCompare(icon, "status", Image.Ready)
            waitForRendering(icon)
            var image = grabImage(icon)
            var opaque = 0
            var partial = 0
            for (var y = 0; y < 32; ++y) {
                for (var x = 0; x < 32; ++x) {
                    var colour = image.pixel(x, y)
                    if (x === 0 || y === 0 || x === 31 || y === 31)
                        verify(Qt.colorEqual(colour, "white") || colour.a === 0, "drawn at the border")
                    if (Qt.colorEqual(colour, data.glyph))
                        ++opaque
                    else if (!Qt.colorEqual(colour, "white") && colour.a !== 0)
                        ++partial
                }
            }
            verify(opaque > 20, "too little of the glyph: " + opaque)
            verify(partial > 20, "edges not anti-aliased: " + partial)
        }
    }
}
