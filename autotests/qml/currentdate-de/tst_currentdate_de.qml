/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0
import "qrc:/qml/LocalDate.js" as LocalDate

// The long date label in a German process: translated names by default, English
// ones once a label completes with translate false, for every label alike.
TestCase {
    id: testCase

    name: "CurrentDateGerman"
    when: windowShown

    readonly property var germanDays: ["Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag",
                                       "Samstag"]
    readonly property var englishDays: ["Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday",
                                        "Saturday"]
    property Component labelComponent: Qt.createComponent("qrc:/qml/CurrentDate.qml")

    CurrentDateNameProvider {
        id: nameProvider
    }

    function createLabel(properties) {
        compare(labelComponent.status, Component.Ready, labelComponent.errorString())
        return createTemporaryObject(labelComponent, testCase, properties || {})
    }

    function tick(label) {
        for (var i = 0; i < label.data.length; ++i) {
            if (label.data[i].objectName === "refreshTimer")
                return label.data[i].triggered()
        }
        fail("the label has no refresh timer")
    }

    // Which language the weekday on show is in; the date itself is today's.
    function weekdayLanguage(label) {
        var weekday = label.dateString.split(",")[0]
        if (germanDays.indexOf(weekday) >= 0)
            return "de"
        if (englishDays.indexOf(weekday) >= 0)
            return "en"
        return "neither: " + label.dateString
    }

    function cleanup() {
        nameProvider.setTranslate(true)
    }

    function test_longDate_data() {
        return [
            { tag: "Monday 2027-03-01", date: [2027, 2, 1], german: "Montag, 1 März, 2027",
              english: "Monday, 1 March, 2027", germanForm: "Montag, 1. März 2027", englishForm: "Monday, March 1, 2027" },
            { tag: "Thursday 2026-12-31", date: [2026, 11, 31], german: "Donnerstag, 31 Dezember, 2026",
              english: "Thursday, 31 December, 2026", germanForm: "Donnerstag, 31. Dezember 2026",
              englishForm: "Thursday, December 31, 2026" },
            { tag: "Friday 2027-01-01", date: [2027, 0, 1], german: "Freitag, 1 Januar, 2027",
              english: "Friday, 1 January, 2027" },
            { tag: "Tuesday 2024-10-15", date: [2024, 9, 15], german: "Dienstag, 15 Oktober, 2024",
              english: "Tuesday, 15 October, 2024" },
            { tag: "Wednesday 2025-05-21", date: [2025, 4, 21], german: "Mittwoch, 21 Mai, 2025",
              english: "Wednesday, 21 May, 2025" },
            { tag: "Saturday 2026-02-28", date: [2026, 1, 28], german: "Samstag, 28 Februar, 2026",
              english: "Saturday, 28 February, 2026" },
            { tag: "Sunday 2018-11-04, midnight skipped in Sao Paulo", date: [2018, 10, 4],
              german: "Sonntag, 4 November, 2018", english: "Sunday, 4 November, 2018",
              germanForm: "Sonntag, 4. November 2018", englishForm: "Sunday, November 4, 2018" },
        ]
    }

    function test_longDate(data) {
        var day = LocalDate.date(data.date[0], data.date[1], data.date[2])
        compare(createLabel().getDateString(day), data.german)
        compare(createLabel({ translate: false }).getDateString(day), data.english)
        // The language's own form, where a host asks for it.
        if (data.germanForm) {
            compare(createLabel({ translate: false, languageLongForm: true }).getDateString(day), data.englishForm)
            compare(createLabel({ languageLongForm: true }).getDateString(day), data.germanForm)
        }
    }

    function test_translatedByDefault() {
        var label = createLabel()
        compare(weekdayLanguage(label), "de")
        tick(label)
        compare(weekdayLanguage(label), "de")
    }

    function test_laterTranslateChangesNothing() {
        var label = createLabel({ translate: true })
        label.translate = false
        tick(label)
        compare(weekdayLanguage(label), "de")
        compare(label.selectMonthName(2), "März")
    }

    function test_twoLabels() {
        var first = createLabel({ translate: true })
        compare(weekdayLanguage(first), "de")
        var second = createLabel({ translate: false })
        compare(weekdayLanguage(second), "en")
        compare(weekdayLanguage(first), "de", "changed before its next tick")
        tick(first)
        compare(weekdayLanguage(first), "en")
        compare(first.selectDayOfWeekName(0), "Sunday")
        compare(first.selectMonthName(11), "December")
    }
}
