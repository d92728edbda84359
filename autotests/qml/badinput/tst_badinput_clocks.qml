/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0
import "BadInput.js" as BadInput

// The analog clock, the digital clock and the date label handed what no host should
// hand them: hands and fields stay drawable, texts readable, and a time that is none
// is ignored.
Item {
    id: window

    width: 400
    height: 300

    SignalSpy {
        id: timeSpy

        signalName: "newTimeEntered"
    }

    TestCase {
        id: testCase

        name: "BadInputClocks"
        when: windowShown

        function create(url, properties) {
            var component = Qt.createComponent(url)
            var object = createTemporaryObject(component, window, properties)
            verify(object, component.errorString())
            return object
        }

        // Analog clock.

        function handAngles(clock) {
            return ["hourHand", "minuteHand", "secondHand"].map(function (name) {
                return findChild(clock, name).transform[0].angle
            })
        }

        function clockState(clock) {
            return JSON.stringify([handAngles(clock), clock.Accessible.name])
        }

        // A finite number turns the hands, however far; a time whose hand would turn
        // by no number of degrees is none.
        function clockOutcome(value, position) {
            return BadInput.isFiniteNumber(value) && (position === 0 || isFinite(value * 6))
                ? { drawn: true } : { ignored: true }
        }

        function test_clock_data() {
            return BadInput.rows("update", [14, 30, 45], clockOutcome)
        }

        function test_clock(data) {
            var clock = create("qrc:/qml/Clock.qml", { date: new Date(2026, 2, 15, 9, 15, 0) })
            clock.update(14, 30, 45)
            var before = clockState(clock)
            clock.update.apply(clock, data.args)
            if (data.outcome.drawn) {
                compare(clock.Accessible.name, "current time " + data.args[0] + " hours " + data.args[1] + " minutes"
                        + data.args[2] + " seconds")
            } else {
                compare(clockState(clock), before)
            }
            handAngles(clock).forEach(function (angle) { verify(isFinite(angle), "a hand at " + angle) })
            BadInput.verifyReadable(testCase, clock.Accessible.name, "the accessible name")
        }

        // Digital clock.

        function digitalFields(clock) {
            return ["hourBox", "minuteBox", "secondBox"].map(function (name) { return findChild(clock, name) })
        }

        function digitalState(clock) {
            return JSON.stringify({
                time: [clock.hour, clock.minute, clock.second],
                fields: digitalFields(clock).map(function (field) { return [field.value, field.contentItem.text] }),
                name: clock.Accessible.name
            })
        }

        // Numbers are kept by the clock as the nearest int and limited by the fields;
        // anything else is no time.
        function timeOutcome(value, position) {
            if (!BadInput.isFiniteNumber(value))
                return { ignored: true }
            var kept = Math.max(-2147483648, Math.min(2147483647, value))
            var time = [9, 5, 7]
            time[position] = kept
            var fields = time.map(function (part, i) { return Math.max(0, Math.min(i === 0 ? 23 : 59, part)) })
            return { time: time, fields: fields }
        }

        // A text goes into the minute field past the pattern and counts once it has two
        // characters, a text that is no number standing for the minutes shown.
        function textOutcome(value, position) {
            if (position === 0 || typeof value !== "string")
                return { ignored: true }
            return value.length === 2 ? { entered: [9, 5, 7] } : { typed: value }
        }

        function test_digitalClock_data() {
            return BadInput.concat([
                BadInput.rows("updateTime", [9, 5, 7], timeOutcome),
                BadInput.rows("__set_text_in_spin_box__", [1, "45"], textOutcome),
            ])
        }

        function test_digitalClock(data) {
            var clock = create("qrc:/qml/DigitalClock.qml", { width: 300, height: 80, editable: true })
            clock.updateTime(9, 5, 7)
            timeSpy.target = clock
            timeSpy.clear()
            var before = digitalState(clock)
            BadInput.invoke(testCase, clock, data.call, data.args)
            var outcome = data.outcome
            var fields = digitalFields(clock)
            if (outcome.ignored) {
                compare(digitalState(clock), before)
            } else if (outcome.time) {
                compare([clock.hour, clock.minute, clock.second], outcome.time)
                compare(fields.map(function (field) { return field.value }), outcome.fields)
            } else if (outcome.entered) {
                compare(timeSpy.count, 1, "one entry")
                compare(Array.prototype.slice.call(timeSpy.signalArguments[0]), outcome.entered)
            } else {
                compare(fields[1].contentItem.text, outcome.typed, "the text put in")
                compare(JSON.parse(digitalState(clock)).time, [9, 5, 7])
            }
            if (!outcome.entered)
                compare(timeSpy.count, 0, "entries")
            fields.forEach(function (field, i) {
                verify(field.value >= 0 && field.value <= (i === 0 ? 23 : 59), "a field at " + field.value)
                if (i !== 1 || outcome.typed === undefined)
                    compare(field.contentItem.text, ("0" + field.value).slice(-2))
            })
            BadInput.verifyReadable(testCase, clock.Accessible.name, "the accessible name")
        }

        // Date label.

        function test_currentDate_data() {
            var empty = function () { return { returns: "" } }
            return BadInput.concat([
                BadInput.rows("getDateString", [new Date(2026, 2, 15, 12)], empty),
                BadInput.rows("selectDayOfWeekName", [1], empty),
                BadInput.rows("selectMonthName", [2], empty),
            ])
        }

        function test_currentDate(data) {
            var label = create("qrc:/qml/CurrentDate.qml", { width: 400, height: 40 })
            var before = label.dateString
            compare(BadInput.invoke(testCase, label, data.call, data.args), data.outcome.returns)
            compare(label.dateString, before)
            BadInput.verifyReadable(testCase, label.dateString, "the label")
        }
    }
}
