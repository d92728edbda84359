/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0

// The separators of the digital clock and the date picker stand level with the digits,
// also in a style whose fields leave more room below their text than above (Material).
TestCase {
    id: testCase

    name: "Separators"
    when: windowShown
    width: 400
    height: 120

    function verticalCentre(item, top, bottom) {
        return item.mapToItem(testCase, 0, top + (item.height - top - bottom) / 2).y
    }

    function test_levelWithTheDigits_data() {
        return [
            { tag: "digital clock, padding as the style gives it", document: "DigitalClock", fields: ["hourBox", "minuteBox", "secondBox"], top: -1, bottom: -1 },
            { tag: "digital clock, more padding below", document: "DigitalClock", fields: ["hourBox", "minuteBox", "secondBox"], top: 2, bottom: 16 },
            { tag: "date picker, more padding below", document: "DatePicker", fields: ["dayBox", "monthBox", "yearBox"], top: 2, bottom: 16 },
            { tag: "date picker, more padding above", document: "DatePicker", fields: ["dayBox", "monthBox", "yearBox"], top: 14, bottom: 0 }
        ]
    }

    function test_levelWithTheDigits(data) {
        const component = Qt.createComponent("qrc:/qml/" + data.document + ".qml")
        const document = createTemporaryObject(component, testCase, { width: 300, height: 60, fontSize: 20 })
        verify(document)
        const boxes = data.fields.map(function (name) { return findChild(document, name) })
        if (data.top >= 0) {
            boxes.forEach(function (box) {
                box.topPadding = data.top
                box.bottomPadding = data.bottom
            })
        }
        waitForRendering(document)
        const digits = boxes[1].contentItem
        const digitsCentre = verticalCentre(digits, 0, 0)
        for (const name of ["limit1", "limit2"]) {
            const separator = findChild(document, name)
            fuzzyCompare(verticalCentre(separator, separator.topPadding, separator.bottomPadding), digitsCentre, 1, name)
        }
    }
}
