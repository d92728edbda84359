/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.15
import "../../../kcm/page"

// The page's clocks by keys, against a zone clock of the test's own: an entry changes its
// field alone, the rest keeps running, and every view and line tells of one instant.
Item {
    width: 1000
    height: 700

    TestCase {
        id: testCase

        property real now
        property var lines: []

        name: "DateTimePage"
        when: windowShown

        // Steps: "hour" or "second" (that field, its text selected), "+N" (N seconds pass, then
        // the page's tick), "late" (a second passes before any tick), "Apply", digits, a key.
        function test_clocks_data() {
            return [
                { tag: "hour field held 20 s, then Up", start: "12:00:00", steps: "hour|+20|Up", pending: "2026-12-11 13:00:20", lines: 1 },
                { tag: "23:59:59 typed, 2 s later", start: "12:00:00", steps: "hour|235959|+2", pending: "2026-12-12 00:00:01", lines: 3 },
                { tag: "second field: 3, 5 s, 0", start: "12:00:00", steps: "second|3|+5|0", pending: "2026-12-11 12:00:30", lines: 1 },
                { tag: "Up at 23 hours, twice", start: "23:10:00", steps: "hour|Up|Up", pending: "2026-12-11 23:10:00", lines: 0 },
                { tag: "23:59:59 typed, Apply a second later", start: "12:00:00", steps: "hour|235959|late|Apply", pending: "2026-12-12 00:00:00", lines: 4 },
            ];
        }

        function test_clocks(data) {
            now = Date.parse("2026-12-11T" + data.start + "Z");
            lines = [];
            const page = createTemporaryObject(pageComponent, testCase.parent, { "zone": "Test/Zone" });
            const pending = findChild(page, "pending");
            pending.readZone = function () {
                const t = new Date(testCase.now);
                return [t.getUTCFullYear(), t.getUTCMonth() + 1, t.getUTCDate(), t.getUTCHours(), t.getUTCMinutes(), t.getUTCSeconds()];
            };
            page.tick();
            page.reported.connect(function (line) { lines.push(line); });
            const fields = ["hourBox", "minuteBox", "secondBox"].map(function (name) { return findChild(page, name).contentItem; });
            data.steps.split("|").forEach(function (step) {
                if (step === "hour" || step === "second") {
                    fields[step === "hour" ? 0 : 2].forceActiveFocus();
                    keyClick(Qt.Key_A, Qt.ControlModifier);
                } else if (step[0] === "+" || step === "late") {
                    now += (step === "late" ? 1 : Number(step)) * 1000;
                    if (step !== "late")
                        page.tick();
                } else if (step === "Apply") {
                    mouseClick(findChild(page, "applyButton"));
                } else {
                    step.match(/\d|\D+/g).forEach(function (key) { keyClick(/\d/.test(key) ? key : Qt["Key_" + key]); });
                }
            });
            const time = data.pending.split(" ")[1];
            compare(pending.isoDate() + " " + pending.timeText(), data.pending, "pending");
            compare(fields.map(function (field) { return field.text; }).join(":"), time, "digital clock");
            compare(page.parts().clock.Accessible.name.replace(/\D+/g, " ").trim(),
                    time.split(":").map(Number).join(" "), "analog clock");
            compare(lines.length, data.lines, "lines");
            lines.forEach(function (line) { compare(line.shown, line.pending.split("T")[0], line.event + ": the day shown"); });
        }

        Component {
            id: pageComponent

            DateTimePage {
                anchors.fill: parent
            }
        }
    }
}
