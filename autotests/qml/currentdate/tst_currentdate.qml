/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

import QtQuick 2.15
import QtTest 1.2
import nimbara.orvadmindate 1.0
import "qrc:/qml/LocalDate.js" as LocalDate

// The long date label with English names. The clock is never waited for: dates are
// built by hand and the refresh timer is triggered directly.
TestCase {
    id: testCase

    name: "CurrentDate"
    when: windowShown

    property Component labelComponent: Qt.createComponent("qrc:/qml/CurrentDate.qml")

    CurrentDateNameProvider {
        id: nameProvider
    }

    SystemPalette {
        id: palette
    }

    function createLabel(properties) {
        compare(labelComponent.status, Component.Ready, labelComponent.errorString())
        return createTemporaryObject(labelComponent, testCase, properties || {})
    }

    function child(object, name) {
        for (var i = 0; i < object.data.length; ++i) {
            if (object.data[i].objectName === name)
                return object.data[i]
        }
        fail("no child named " + name)
    }

    // What action() leaves on show, or on the label it returns, must be the long
    // form of now, read on both sides of it so that a second turning over in
    // between does not make the test flaky.
    function verifyShowsNow(reference, action) {
        var before = reference.getDateString(new Date())
        var label = action() || reference
        var after = reference.getDateString(new Date())
        verify(label.dateString === before || label.dateString === after,
               "'" + label.dateString + "' is not the current date '" + after + "'")
    }

    // The switch is one for the whole process, and so are the host's languages: put
    // them back for the next test.
    function cleanup() {
        nameProvider.setTranslate(true)
        hostLanguages.reset()
    }

    function test_longDate_data() {
        return [
            { tag: "Monday 2027-03-01, no leading zero", date: [2027, 2, 1], text: "Monday, 1 March, 2027" },
            { tag: "Monday 2026-12-07", date: [2026, 11, 7], text: "Monday, 7 December, 2026" },
            { tag: "Thursday 1970-01-01, first day of the range", date: [1970, 0, 1],
              text: "Thursday, 1 January, 1970" },
            { tag: "Tuesday 2000-02-29, a leap day", date: [2000, 1, 29], text: "Tuesday, 29 February, 2000" },
            { tag: "Wednesday 2026-06-17", date: [2026, 5, 17], text: "Wednesday, 17 June, 2026" },
            { tag: "Friday 2027-01-01, first of a year", date: [2027, 0, 1], text: "Friday, 1 January, 2027" },
            { tag: "Saturday 2026-03-28", date: [2026, 2, 28], text: "Saturday, 28 March, 2026" },
            { tag: "Sunday 2018-11-04, midnight skipped in Sao Paulo", date: [2018, 10, 4],
              text: "Sunday, 4 November, 2018" },
            { tag: "Sunday 2026-03-08, midnight skipped in Havana", date: [2026, 2, 8],
              text: "Sunday, 8 March, 2026" },
            { tag: "Sunday 2019-02-17, midnight repeated in Sao Paulo", date: [2019, 1, 17],
              text: "Sunday, 17 February, 2019" },
            { tag: "Thursday 2105-12-31, last day of the range", date: [2105, 11, 31],
              text: "Thursday, 31 December, 2105" },
            { tag: "Sunday 0042-06-15, a year below 100", date: [42, 5, 15], text: "Sunday, 15 June, 42" },
        ]
    }

    function test_longDate(data) {
        var label = createLabel({ translate: false })
        var first = LocalDate.date(data.date[0], data.date[1], data.date[2])
        compare(label.getDateString(first), data.text)
        // The whole day reads alike, up to its last millisecond.
        var next = LocalDate.date(data.date[0], data.date[1], data.date[2] + 1)
        compare(label.getDateString(new Date(next.getTime() - 1)), data.text)
        compare(label.getDateString(new Date((first.getTime() + next.getTime()) / 2)), data.text)
    }

    function test_turnsOverAtMidnight_data() {
        return [
            { tag: "into 2027", day: [2027, 0, 1],
              before: "Thursday, 31 December, 2026", after: "Friday, 1 January, 2027" },
            { tag: "into 2018-11-04, midnight skipped in Sao Paulo", day: [2018, 10, 4],
              before: "Saturday, 3 November, 2018", after: "Sunday, 4 November, 2018" },
            { tag: "into 2019-02-17, midnight repeated in Sao Paulo", day: [2019, 1, 17],
              before: "Saturday, 16 February, 2019", after: "Sunday, 17 February, 2019" },
            { tag: "into 2026-03-29, midnight skipped in Beirut", day: [2026, 2, 29],
              before: "Saturday, 28 March, 2026", after: "Sunday, 29 March, 2026" },
            { tag: "into 2026-03-01, after February", day: [2026, 2, 1],
              before: "Saturday, 28 February, 2026", after: "Sunday, 1 March, 2026" },
            { tag: "into 2024-02-29, a leap day", day: [2024, 1, 29],
              before: "Wednesday, 28 February, 2024", after: "Thursday, 29 February, 2024" },
        ]
    }

    function test_turnsOverAtMidnight(data) {
        var label = createLabel({ translate: false })
        var midnight = LocalDate.date(data.day[0], data.day[1], data.day[2])
        compare(label.getDateString(new Date(midnight.getTime() - 1000)), data.before)
        compare(label.getDateString(new Date(midnight.getTime() - 1)), data.before)
        compare(label.getDateString(midnight), data.after)
        compare(label.getDateString(new Date(midnight.getTime() + 1000)), data.after)
    }

    function test_refreshTimer() {
        var label = createLabel()
        var timer = child(label, "refreshTimer")
        compare(timer.interval, 1000)
        verify(timer.repeat)
        verify(timer.running)
    }

    function test_showsTodayAtOnce() {
        verifyShowsNow(createLabel(), function () { return createLabel() })
    }

    function test_hostTextUntilNextTick() {
        var label = createLabel()
        var dateLabel = child(label, "date")
        label.dateString = "chosen by the host"
        compare(dateLabel.text, "chosen by the host")
        compare(label.dateString, "chosen by the host")
        verifyShowsNow(label, function () { child(label, "refreshTimer").triggered() })
        compare(dateLabel.text, label.dateString)
    }

    function test_updateDate() {
        var label = createLabel()
        label.dateString = ""
        verifyShowsNow(label, label.updateDate)
    }

    function test_translateHandedOnAtCompletion_data() {
        return [
            { tag: "false", translate: false },
            { tag: "true", translate: true },
        ]
    }

    function test_translateHandedOnAtCompletion(data) {
        nameProvider.setTranslate(!data.translate)
        var label = createLabel({ translate: data.translate })
        compare(nameProvider.translate(), data.translate)
        label.translate = !data.translate
        compare(nameProvider.translate(), data.translate, "a later change was handed on")
    }

    // The host switches its languages while the label runs: the next text built, on an
    // explicit update as on a tick, shows the new names.
    function test_followsTheHostsLanguages_data() {
        return [{ tag: "German, then updateDate()", tick: false }, { tag: "German, then a tick", tick: true }]
    }

    function test_followsTheHostsLanguages(data) {
        var label = createLabel()
        var english = label.dateString
        hostLanguages.set(["de"])
        verifyShowsNow(label, function () { data.tick ? child(label, "refreshTimer").triggered() : label.updateDate() })
        verify(label.dateString.split(",")[0] !== english.split(",")[0], "still English: " + label.dateString)
    }

    function test_lastLabelCompletedDecides() {
        createLabel({ translate: true })
        createLabel({ translate: false })
        verify(!nameProvider.translate())
    }

    function test_look() {
        var label = createLabel({ width: 600, height: 40 })
        var dateLabel = child(label, "date")
        compare(label.color, Qt.rgba(0, 0, 0, 0))
        compare(dateLabel.font.pixelSize, 19)
        compare(dateLabel.color, palette.buttonText)
        compare(dateLabel.width, 600)
        compare(dateLabel.height, 40)
        label.width = 300
        compare(dateLabel.width, 300)
        verify(label.isLight)
    }

    function test_narrowLabelElidesInTheMiddle_data() {
        return [
            { tag: "wide enough", width: 600, truncated: false },
            { tag: "narrower than the text", width: 90, truncated: true },
        ]
    }

    function test_narrowLabelElidesInTheMiddle(data) {
        var label = createLabel({ width: data.width, height: 60, translate: false })
        var dateLabel = child(label, "date")
        label.dateString = label.getDateString(LocalDate.date(2026, 8, 30))
        compare(dateLabel.truncated, data.truncated)
        verify(dateLabel.contentWidth <= data.width, "drawn wider than the label")
        compare(dateLabel.elide, Text.ElideMiddle)
        compare(dateLabel.horizontalAlignment, Text.AlignHCenter)
        compare(dateLabel.verticalAlignment, Text.AlignTop)
        // Elision only changes what is drawn, never the text a host reads back.
        compare(label.dateString, "Wednesday, 30 September, 2026")
    }
}
