/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0

Item {
    id: root

    property var releasedKeys: []

    width: 300
    height: 80

    Keys.onReleased: releasedKeys.push(event.key)

    Item {
        id: elsewhere

        activeFocusOnTab: true
    }

    TestCase {
        id: testCase

        name: "DigitalClock"
        when: windowShown

        property var clock
        property var fields

        SignalSpy {
            id: timeSpy

            signalName: "newTimeEntered"
        }

        Component {
            id: signalSpy

            SignalSpy {}
        }

        function init() {
            var component = Qt.createComponent("qrc:/qml/DigitalClock.qml")
            clock = createTemporaryObject(component, root, { width: 300, height: 80, editable: true,
                                                             date: new Date(2026, 0, 1, 8, 17, 42) })
            fields = ["hourBox", "minuteBox", "secondBox"].map(function (name) {
                var box = findChild(clock, name)
                return { box: box, input: box.contentItem }
            })
            timeSpy.target = clock
            timeSpy.clear()
        }

        function texts() {
            return fields.map(function (field) { return field.input.text })
        }

        function values() {
            return fields.map(function (field) { return field.box.value })
        }

        function type(keys) {
            keys.split("").forEach(function (key) { keyClick(key) })
        }

        // Focus as a click does; the caret stands where asked, nothing selected.
        function focusField(index, caret, selectAll) {
            fields[index].input.forceActiveFocus()
            fields[index].input.cursorPosition = caret
            if (selectAll)
                keyClick(Qt.Key_A, Qt.ControlModifier)
        }

        function compareSignals(expected) {
            compare(timeSpy.count, expected.length)
            for (var i = 0; i < expected.length; ++i)
                compare(Array.prototype.slice.call(timeSpy.signalArguments[i]), expected[i], "signal " + i)
        }

        function test_updateTime_data() {
            return [
                { tag: "09:05:07", time: [9, 5, 7], shown: ["09", "05", "07"],
                  name: "current time 9 hours 5 minutes7 seconds" },
                { tag: "out of range 25:61:-1", time: [25, 61, -1], shown: ["23", "59", "00"],
                  name: "current time 23 hours 59 minutes0 seconds" },
                { tag: "midnight", time: [0, 0, 0], shown: ["00", "00", "00"],
                  name: "current time 0 hours 0 minutes0 seconds" },
                { tag: "23:59:59", time: [23, 59, 59], shown: ["23", "59", "59"],
                  name: "current time 23 hours 59 minutes59 seconds" },
            ]
        }

        function test_updateTime(data) {
            clock.updateTime(data.time[0], data.time[1], data.time[2])
            compare(texts(), data.shown)
            compare([clock.hour, clock.minute, clock.second], data.time)
            compare(clock.Accessible.name, data.name)
            compare(timeSpy.count, 0)
        }

        function test_sixDigits_data() {
            return [
                { tag: "over 08:17:42", start: [8, 17, 42] },
                { tag: "over the same 14:30:05", start: [14, 30, 5] },
            ]
        }

        function test_sixDigits(data) {
            clock.updateTime(data.start[0], data.start[1], data.start[2])
            focusField(0, 0, true)
            type("14")
            verify(fields[1].input.activeFocus)
            compare(fields[1].input.selectedText, texts()[1])
            type("30")
            verify(fields[2].input.activeFocus)
            compare(fields[2].input.selectedText, texts()[2])
            type("05")
            verify(fields[2].input.activeFocus)
            compare(texts(), ["14", "30", "05"])
            compare([clock.hour, clock.minute, clock.second], [14, 30, 5])
            compareSignals([[14, data.start[1], data.start[2]], [14, 30, data.start[2]], [14, 30, 5]])
        }

        function test_refused_data() {
            return [
                { tag: "a third digit after focusOnHourBox", field: 0, clear: false, keys: "1", shown: "08" },
                { tag: "24 hours", field: 0, clear: true, keys: "24", shown: "2" },
                { tag: "30 hours", field: 0, clear: true, keys: "30", shown: "3" },
                { tag: "60 minutes", field: 1, clear: true, keys: "60", shown: "6" },
                { tag: "a letter in the seconds", field: 2, clear: true, keys: "x", shown: "" },
                { tag: "a digit before two in the minutes", field: 1, clear: false, keys: "5", shown: "17" },
            ]
        }

        function test_refused(data) {
            if (data.field === 0)
                clock.focusOnHourBox()
            else
                focusField(data.field, 0, false)
            compare(fields[data.field].input.cursorPosition, 0)
            if (data.clear) {
                keyClick(Qt.Key_A, Qt.ControlModifier)
                keyClick(Qt.Key_Backspace)
            }
            type(data.keys)
            compare(fields[data.field].input.text, data.shown)
            verify(fields[data.field].input.activeFocus)
            compare(values(), [8, 17, 42])
            compare(timeSpy.count, 0)
        }

        function test_backspaceAndFocusLoss() {
            focusField(0, 2, false)
            keyClick(Qt.Key_Backspace)
            compare(texts()[0], "0")
            type("9")
            compareSignals([[9, 17, 42]])
            keyClick(Qt.Key_Backspace)
            keyClick(Qt.Key_Backspace)
            keyClick(Qt.Key_Return)
            compare(texts()[1], "17", "an empty text names no number: the field shows its value again")
            verify(root.releasedKeys.indexOf(Qt.Key_Return) >= 0, "the release of Return did not travel on")
            compare(timeSpy.count, 1)
            keyClick(Qt.Key_Backspace)
            keyClick(Qt.Key_Backspace)
            elsewhere.forceActiveFocus()
            compare(texts(), ["09", "17", "42"])
            compareSignals([[9, 17, 42]])
            focusField(2, 2, false)
            keyClick(Qt.Key_Backspace)
            keyClick(Qt.Key_Tab)
            compare(texts()[2], "04")
            compareSignals([[9, 17, 42], [9, 17, 4]])
        }

        function test_returnOnOneDigit_data() {
            return [
                { tag: "7 in the hours", field: 0, digit: "7", time: [7, 17, 42], next: 1 },
                { tag: "7 in the minutes", field: 1, digit: "7", time: [8, 7, 42], next: 2 },
                { tag: "7 in the seconds", field: 2, digit: "7", time: [8, 17, 7], next: 2 },
                { tag: "8 in the hours, already 8", field: 0, digit: "8", time: [8, 17, 42], next: 1 },
                { tag: "5 in the seconds, already 5", field: 2, digit: "5", start: [8, 17, 5], time: [8, 17, 5], next: 2 },
            ]
        }

        function test_returnOnOneDigit(data) {
            if (data.start)
                clock.updateTime(data.start[0], data.start[1], data.start[2])
            focusField(data.field, 0, true)
            type(data.digit)
            keyClick(Qt.Key_Return)
            compareSignals([data.time])
            compare(texts()[data.field], "0" + data.digit)
            verify(fields[data.next].input.activeFocus)
            if (data.next !== data.field)
                compare(fields[data.next].input.selectedText, texts()[data.next])
        }

        function test_stepKeys_data() {
            var rows = [
                { tag: "Up at 23 hours stays", field: 0, start: 23, key: Qt.Key_Up, expected: 23 },
                { tag: "Down at 0 hours stays", field: 0, start: 0, key: Qt.Key_Down, expected: 0 },
                { tag: "Page Up from 18 hours gives 23", field: 0, start: 18, key: Qt.Key_PageUp, expected: 23 },
                { tag: "Page Up from 3 hours gives 13", field: 0, start: 3, key: Qt.Key_PageUp, expected: 13 },
                { tag: "Page Down from 5 minutes gives 0", field: 1, start: 5, key: Qt.Key_PageDown, expected: 0 },
                { tag: "Up from 9 minutes gives 10", field: 1, start: 9, key: Qt.Key_Up, expected: 10 },
                { tag: "Page Up from 55 seconds gives 59", field: 2, start: 55, key: Qt.Key_PageUp, expected: 59 },
                { tag: "Down from 30 seconds gives 29", field: 2, start: 30, key: Qt.Key_Down, expected: 29 },
            ]
            rows.slice().forEach(function (row) {
                rows.push(Object.assign({}, row, { tag: row.tag + ", not editable", editable: false }))
            })
            return rows
        }

        function test_stepKeys(data) {
            clock.editable = data.editable !== false
            var time = [8, 17, 42]
            time[data.field] = data.start
            clock.updateTime(time[0], time[1], time[2])
            focusField(data.field, 1, false)
            keyClick(data.key)
            time[data.field] = data.expected
            compareSignals([time])
            compare(values(), time)
            compare(fields[data.field].box.stepSize, 1)
            // An Up after a page step moves by one again.
            keyClick(Qt.Key_Down)
            compare(fields[data.field].box.value, Math.max(0, data.expected - 1))
        }

        function test_wheel_data() {
            return [
                { tag: "editable, up from 10 hours", editable: true, field: 0, start: 10, delta: 120, expected: 11 },
                { tag: "editable, up at 23 hours", editable: true, field: 0, start: 23, delta: 120, expected: 23 },
                { tag: "editable, down from 10 minutes", editable: true, field: 1, start: 10, delta: -120, expected: 9 },
                { tag: "editable, down at 0 seconds", editable: true, field: 2, start: 0, delta: -120, expected: 0 },
                { tag: "not editable, up from 10 hours", editable: false, field: 0, start: 10, delta: 120, expected: 10 },
                { tag: "not editable, down from 10 seconds", editable: false, field: 2, start: 10, delta: -120, expected: 10 },
            ]
        }

        function test_wheel(data) {
            clock.editable = data.editable
            var time = [8, 17, 42]
            time[data.field] = data.start
            clock.updateTime(time[0], time[1], time[2])
            var box = fields[data.field].box
            mouseWheel(box, box.width / 2, box.height / 2, 0, data.delta)
            compare(box.value, data.expected)
            time[data.field] = data.expected
            compareSignals(data.expected === data.start ? [] : [time])
        }

        function test_leftAndRight_data() {
            return [
                { tag: "Left at the start of the hours", field: 0, caret: 0, key: Qt.Key_Left, signal: "selectDatePicker" },
                { tag: "Left inside the hours", field: 0, caret: 1, key: Qt.Key_Left, focus: 0, at: 0 },
                { tag: "Right at the end of the hours", field: 0, caret: 2, key: Qt.Key_Right, focus: 1, at: 0 },
                { tag: "Left at the start of the minutes", field: 1, caret: 0, key: Qt.Key_Left, focus: 0, at: 2 },
                { tag: "Right at the end of the minutes", field: 1, caret: 2, key: Qt.Key_Right, focus: 2, at: 0 },
                { tag: "Left at the start of the seconds", field: 2, caret: 0, key: Qt.Key_Left, focus: 1, at: 2 },
                { tag: "Right inside the seconds", field: 2, caret: 1, key: Qt.Key_Right, focus: 2, at: 2 },
                { tag: "Right at the end of the seconds", field: 2, caret: 2, key: Qt.Key_Right, signal: "selectReturnButton" },
                { tag: "Right on selected seconds drops the selection", field: 2, select: true, key: Qt.Key_Right,
                  focus: 2, at: 2 },
                { tag: "Left on selected hours drops the selection", field: 0, select: true, key: Qt.Key_Left,
                  focus: 0, at: 0 },
            ]
        }

        function test_leftAndRight(data) {
            var pickerSpy = createTemporaryObject(signalSpy, testCase, { target: clock, signalName: "selectDatePicker" })
            var returnSpy = createTemporaryObject(signalSpy, testCase, { target: clock, signalName: "selectReturnButton" })
            focusField(data.field, data.caret || 0, data.select)
            keyClick(data.key)
            compare(pickerSpy.count, data.signal === "selectDatePicker" ? 1 : 0)
            compare(returnSpy.count, data.signal === "selectReturnButton" ? 1 : 0)
            if (data.signal === undefined) {
                var input = fields[data.focus].input
                verify(input.activeFocus)
                compare(input.cursorPosition, data.at)
                compare(input.selectedText, "")
            }
            compare(timeSpy.count, 0)
        }

        function test_followsDateUntilFirstChange_data() {
            return [
                { tag: "until updateTime", change: function () { clock.updateTime(1, 2, 3) }, time: [1, 2, 3] },
                { tag: "until a step key", change: function () { focusField(2, 0, false); keyClick(Qt.Key_Up) },
                  time: [9, 10, 12] },
                { tag: "until a typed entry", change: function () { focusField(1, 0, true); type("45") },
                  time: [9, 45, 11] },
            ]
        }

        function test_followsDateUntilFirstChange(data) {
            clock.date = new Date(2026, 5, 30, 9, 10, 11)
            compare(texts(), ["09", "10", "11"])
            compare([clock.hour, clock.minute, clock.second], [9, 10, 11])
            data.change()
            clock.date = new Date(2026, 5, 30, 20, 30, 40)
            compare(values(), data.time)
            compare([clock.hour, clock.minute, clock.second], data.time)
        }

        function test_setTextInSpinBox_data() {
            return [
                { tag: "45 in the minutes", field: 1, text: "45", time: [8, 45, 42], reported: true, focus: 2 },
                { tag: "5 in the hours only shows", field: 0, text: "5", time: [8, 17, 42], shown: "5" },
                { tag: "99 in the seconds, past the validator", field: 2, text: "99", time: [8, 17, 59], reported: true },
                { tag: "no number in the hours", field: 0, text: "ab", time: [8, 17, 42], reported: true, focus: 1 },
                { tag: "field 3 does nothing", field: 3, text: "12", time: [8, 17, 42] },
            ]
        }

        function test_setTextInSpinBox(data) {
            clock.__set_text_in_spin_box__(data.field, data.text)
            compare(values(), data.time)
            compareSignals(data.reported ? [data.time] : [])
            if (data.shown)
                compare(texts()[data.field], data.shown)
            if (data.focus) {
                verify(fields[data.focus].input.activeFocus)
                compare(fields[data.focus].input.selectedText, texts()[data.focus])
            }
        }

        function test_notEditableRefusesTyping() {
            clock.editable = false
            focusField(0, 0, true)
            type("14")
            compare(texts()[0], "08")
            compare(timeSpy.count, 0)
        }

        function test_focusAndName() {
            verify(!clock.isInFocus)
            clock.focusOnHourBox()
            verify(clock.isInFocus)
            compare(fields[0].input.selectedText, "")
            keyClick(Qt.Key_Up)
            compare(clock.Accessible.name, "current time 9 hours 17 minutes42 seconds")
            elsewhere.forceActiveFocus()
            verify(!clock.isInFocus)
        }
    }
}
