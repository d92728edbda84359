/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0

Item {
    id: root

    width: 300
    height: 300

    Item {
        id: elsewhere
    }

    TestCase {
        id: testCase

        name: "YearInput"
        when: windowShown

        property var box

        SignalSpy {
            id: inputSpy

            signalName: "inputChanged"
        }

        SystemPalette {
            id: palette
        }

        function createBox(properties) {
            var component = Qt.createComponent("qrc:/qml/YearInput.qml")
            box = createTemporaryObject(component, root, Object.assign({ width: 120, height: 30 }, properties))
            inputSpy.target = box
            inputSpy.clear()
        }

        function init() {
            createBox({ date: new Date(2026, 5, 15) })
        }

        function years() {
            var list = []
            for (var i = 0; i < box.model.count; ++i)
                list.push(box.model.get(i).year)
            return list
        }

        function range(first, last) {
            var list = []
            for (var year = first; year <= last; ++year)
                list.push(year)
            return list
        }

        function entries() {
            var children = box.popup.contentItem.contentItem.children
            var list = []
            for (var i = 0; i < children.length; ++i) {
                if (children[i].contentItem !== undefined)
                    list.push(children[i])
            }
            return list
        }

        function entry(year) {
            return entries().filter(function (item) { return item.contentItem.text === String(year) })[0]
        }

        function test_list_data() {
            return [
                { tag: "default range", properties: {}, first: 1970, last: 2105, index: 56 },
                { tag: "2000 to 2030", properties: { startYear: 2000, lastYear: 2030 }, first: 2000, last: 2030, index: 26 },
                { tag: "one year", properties: { startYear: 2026, lastYear: 2026 }, first: 2026, last: 2026, index: 0 },
            ]
        }

        function test_list(data) {
            createBox(Object.assign({ date: new Date(2026, 0, 1) }, data.properties))
            compare(years(), range(data.first, data.last))
            compare(box.currentIndex, data.index)
            compare(box.contentItem.text, "2026")
        }

        function test_update_data() {
            return [
                { tag: "2026", date: new Date(2026, 11, 31, 23, 59), index: 56, face: "2026" },
                { tag: "1970, first of the range", date: new Date(1970, 0, 1), index: 0, face: "1970" },
                { tag: "2105, last of the range", date: new Date(2105, 11, 31), index: 135, face: "2105" },
                { tag: "1960, before the range", date: new Date(1960, 5, 1), index: -10, face: "" },
                { tag: "2106, after the range", date: new Date(2106, 0, 1), index: 136, face: "" },
            ]
        }

        function test_update(data) {
            var given = new Date(data.date.getTime())
            box.update(given)
            compare(box.currentIndex, data.index)
            compare(box.getIndex(), data.index)
            compare(box.contentItem.text, data.face)
            given.setFullYear(2000)
            compare(box.date.getTime(), data.date.getTime(), "date is a copy")
            compare(inputSpy.count, 0)
        }

        function test_rangeChangedAfterStart() {
            box.startYear = 2000
            compare(years(), range(1970, 2105))
            compare(box.getIndex(), 26)
            box.fill()
            compare(years(), range(2000, 2105))
            compare(box.currentIndex, 26)
            compare(box.contentItem.text, "2026")
            box.lastYear = 2020
            box.fill()
            compare(years(), range(2000, 2020))
            compare(box.contentItem.text, "2026", "a year outside the list keeps the face")
            compare(inputSpy.count, 0)
        }

        function test_clickEntry() {
            mouseClick(box)
            tryCompare(box.popup, "opened", true)
            compare(box.popup.currentIndex, 56)
            var target = entry(2030)
            mouseClick(target)
            compare(inputSpy.count, 1)
            compare(inputSpy.signalArguments[0][0], "2030")
            tryCompare(box.popup, "opened", false)
            compare(box.contentItem.text, "2030")
            compare(box.currentIndex, 60)
            compare(box.date.getFullYear(), 2026)
            box.update(new Date(2030, 5, 15))
            compare(box.contentItem.text, "2030")
        }

        // The list's frame comes with its first opening and stays for the next ones.
        function test_frameLoadedOnFirstOpening() {
            var popup = box.popup
            compare(popup.background.item, null, "no frame before the list first opens")
            mouseClick(box)
            tryCompare(popup, "opened", true)
            var frame = popup.background.item
            verify(frame, "no frame on the open list")
            compare([frame.width, frame.height], [box.width, 175])
            mouseClick(root, 1, root.height - 1)
            tryCompare(popup, "visible", false)
            compare(popup.background.item, frame, "the frame is kept once the list closed")
            popup.open()
            tryCompare(popup, "opened", true)
            compare(popup.background.item, frame, "the frame is not made anew")
        }

        function test_popupSize_data() {
            return [
                { tag: "136 years", properties: {} },
                { tag: "3 years", properties: { startYear: 2025, lastYear: 2027 } },
            ]
        }

        function test_popupSize(data) {
            createBox(Object.assign({ date: new Date(2026, 0, 1) }, data.properties))
            box.popup.open()
            tryCompare(box.popup, "opened", true)
            compare(box.popup.height, 175)
            compare(box.popup.y, box.height - 1)
            compare(box.popup.width, box.width)
            entries().forEach(function (item) {
                compare(item.height, 25)
                compare(item.width, box.width)
            })
            // Seven in view; how many more the list keeps ready beyond it is its own affair.
            var list = box.popup.contentItem
            compare(entries().filter(function (item) {
                return item.y + item.height > list.contentY && item.y < list.contentY + list.height
            }).length, Math.min(7, box.model.count))
        }

        function test_hover() {
            box.popup.open()
            tryCompare(box.popup, "opened", true)
            var first = entry(2027)
            var second = entry(2029)
            mouseMove(first, first.width / 2, first.height / 2)
            tryVerify(function () { return first.activeFocus })
            verify(Qt.colorEqual(first.background.color, palette.light))
            verify(Qt.colorEqual(second.background.color, palette.base))
            mouseMove(second, second.width / 2, second.height / 2)
            tryVerify(function () { return second.activeFocus })
            verify(Qt.colorEqual(second.background.color, palette.light))
            verify(Qt.colorEqual(first.background.color, palette.base))
            compare(inputSpy.count, 0)
        }

        function test_ownKeys_data() {
            return [
                { tag: "Down", key: Qt.Key_Down, year: "2027" },
                { tag: "Up", key: Qt.Key_Up, year: "2025" },
            ]
        }

        function test_ownKeys(data) {
            box.forceActiveFocus()
            keyClick(data.key)
            compare(inputSpy.count, 1)
            compare(inputSpy.signalArguments[0][0], data.year)
            compare(box.contentItem.text, "2026", "the face waits for update")
            box.update(new Date(Number(data.year), 0, 1))
            compare(box.contentItem.text, data.year)
        }

        function test_createdWithDate() {
            createBox({ date: new Date(1999, 11, 31, 23, 30) })
            compare(box.currentIndex, 29)
            compare(box.contentItem.text, "1999")
            compare(box.date.getFullYear(), 1999)
        }

        function test_artwork_data() {
            return [
                { tag: "light, 13 px", isLight: true, fontSize: 13, variant: "light", side: 16 },
                { tag: "dark, 19 px", isLight: false, fontSize: 19, variant: "dark", side: 16 },
                { tag: "dark, 20 px", isLight: false, fontSize: 20, variant: "dark", side: 32 },
            ]
        }

        function test_artwork(data) {
            createBox({ isLight: data.isLight, fontSize: data.fontSize, height: 40 })
            compare(box.indicator.source, "qrc:/icons/32x32/actions/" + data.variant + "/arrow-down.png")
            tryCompare(box.indicator, "status", Image.Ready)
            compare([box.indicator.width, box.indicator.height], [data.side, data.side])
            compare(box.width - box.indicator.x - box.indicator.width, 10)
            compare(box.indicator.y + box.indicator.height / 2, box.height / 2)
            compare(box.contentItem.font.pixelSize, data.fontSize)
        }

        function test_frame() {
            createBox({ borderColor: "red" })
            verify(Qt.colorEqual(box.background.border.color, "red"))
            box.forceActiveFocus()
            verify(Qt.colorEqual(box.background.border.color, palette.highlight))
            elsewhere.forceActiveFocus()
            verify(Qt.colorEqual(box.background.border.color, "red"))
        }
    }
}
