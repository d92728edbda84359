/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0
import "BadInput.js" as BadInput

// The native types called from QML with what no document should pass them: the
// engine converts each argument to the slot's type, and the slot answers with a
// value of its kind, the neutral one where there is nothing to answer.
TestCase {
    id: testCase

    name: "BadInputNative"

    BaseCalendarController {
        id: controller
    }

    DateToWeek {
        id: dateToWeek
    }

    NumberOfWeeks {
        id: numberOfWeeks
    }

    CurrentDateTime {
        id: currentDateTime
    }

    CurrentDateNameProvider {
        id: nameProvider
    }

    function answers(predicate) {
        return function () { return { returns: predicate } }
    }

    function isWeek(week) {
        return Number.isInteger(week) && week >= 0 && week <= 53
    }

    function isWeekCount(count) {
        return [0, 52, 53].indexOf(count) >= 0
    }

    function isInstant(milliseconds) {
        return typeof milliseconds === "number" && isFinite(milliseconds)
    }

    // The invalid values, or a date and time of day that can be.
    function isDateTime(parts) {
        if (parts.length !== 6 || !parts.every(Number.isInteger))
            return false
        if (JSON.stringify(parts) === JSON.stringify([0, 0, 0, -1, -1, -1]))
            return true
        return parts[1] >= 1 && parts[1] <= 12 && parts[2] >= 1 && parts[2] <= 31 && parts[3] >= 0 && parts[3] <= 23
            && parts[4] >= 0 && parts[4] <= 59 && parts[5] >= 0 && parts[5] <= 59
    }

    function isNameList(length) {
        return function (names) {
            return names.length === length && names.every(function (name) { return typeof name === "string" && name !== "" })
        }
    }

    function cleanup() {
        nameProvider.setTranslate(true)
    }

    function test_native_data() {
        var day = Date.UTC(2026, 2, 15)
        return BadInput.concat([
            BadInput.rows("dateToWeek.convert", [2026, 2, 15], answers(isWeek)),
            BadInput.rows("numberOfWeeks.get", [2026], answers(isWeekCount)),
            BadInput.rows("controller.getDateOneWeekAgo", [day], answers(isInstant)),
            BadInput.rows("controller.getDateNextWeek", [day], answers(isInstant)),
            BadInput.rows("controller.getDateOneDayAgo", [day], answers(isInstant)),
            BadInput.rows("controller.getDateNextDay", [day], answers(isInstant)),
            BadInput.rows("currentDateTime.getDateTimeForTimeZone", ["Europe/Berlin"], answers(isDateTime)),
            BadInput.rows("nameProvider.setTranslate", [false], answers(function () {
                return typeof nameProvider.translate() === "boolean" && isNameList(12)(nameProvider.getMonthNames())
                    && isNameList(7)(nameProvider.getDaysOfWeek())
            })),
        ])
    }

    function test_native(data) {
        var names = data.call.split(".")
        var object = { controller: controller, dateToWeek: dateToWeek, numberOfWeeks: numberOfWeeks,
                       currentDateTime: currentDateTime, nameProvider: nameProvider }[names[0]]
        var result = object[names[1]].apply(object, data.args)
        verify(data.outcome.returns(result), "answered " + JSON.stringify(result))
        compare(controller.getMilliSecondsInOneDay(), 86400000)
    }
}
