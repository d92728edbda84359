/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import "../../../kcm/page"

// The page's clocks, keys in hand, against a zone clock of the test's own: what is
// entered changes its field alone, the rest keeps running, and every line and view
// tells of one instant.
Item {
    id: root

    width: 1000
    height: 700

    TestCase {
        id: testCase

        // The zone's wall time: year, month 1-12, day, hour, minute, second.
        property var now: []
        property var lines: []

        function wall(text) {
            return text.split(/[- :]/).map(Number);
        }

        function makePage(start) {
            now = wall(start);
            lines = [];
            const page = createTemporaryObject(pageComponent, root, { "zone": "Test/Zone" });
            const pending = findChild(page, "pending");
            pending.readZone = function () { return testCase.now; };
            page.tick();
            page.reported.connect(function (line) { testCase.lines.push(line); });
            return page;
        }

        // Seconds pass, and the page's next tick shows them.
        function pass(page, seconds) {
            const time = new Date(Date.UTC(now[0], now[1] - 1, now[2], now[3], now[4], now[5] + seconds));
            now = [time.getUTCFullYear(), time.getUTCMonth() + 1, time.getUTCDate(),
                   time.getUTCHours(), time.getUTCMinutes(), time.getUTCSeconds()];
            page.tick();
        }

        function pendingText(page) {
            const pending = findChild(page, "pending");
            return pending.isoDate() + " " + pending.timeText();
        }

        function digitalText(page) {
            const clock = page.parts().digitalClock;
            return ["hourBox", "minuteBox", "secondBox"].map(function (name) {
                return findChild(clock, name).contentItem.text;
            }).join(":");
        }

        function findButton(item, text) {
            if (item.text === text && item.clicked)
                return item;
            for (let i = 0; i < item.children.length; ++i) {
                const found = findButton(item.children[i], text);
                if (found)
                    return found;
            }
            return null;
        }

        name: "DateTimePage"
        when: windowShown

        // Steps, "|" between them: "hour" or "second" (the keyboard into that field,
        // its text selected), "+N" (N seconds pass), digits or a key, "Apply" (clicked).
        function test_clocks_data() {
            return [
                { "tag": "hour field held 20 s, then Up", "start": "2026-12-11 12:00:00", "steps": "hour|+20|Up",
                  "pending": "2026-12-11 13:00:20", "lines": 1 },
                { "tag": "23:59:59 typed, 2 s later", "start": "2026-12-11 12:00:00", "steps": "hour|235959|+2",
                  "pending": "2026-12-12 00:00:01", "lines": 3 },
                { "tag": "second field: 3, 5 s, 0", "start": "2026-12-11 12:00:00", "steps": "second|3|+5|0",
                  "pending": "2026-12-11 12:00:30", "lines": 1 },
                { "tag": "Up at 23 hours, twice", "start": "2026-12-11 23:10:00", "steps": "hour|Up|Up",
                  "pending": "2026-12-11 23:10:00", "lines": 0 },
                { "tag": "23:59:59 typed, Apply a second later", "start": "2026-12-11 12:00:00",
                  "steps": "hour|235959|+0|Apply", "pending": "2026-12-12 00:00:00", "lines": 4, "late": 1 },
            ];
        }

        function test_clocks(data) {
            const page = makePage(data.start);
            const digital = page.parts().digitalClock;
            data.steps.split("|").forEach(function (step) {
                if (step === "hour" || step === "second") {
                    findChild(digital, step + "Box").contentItem.forceActiveFocus(Qt.TabFocusReason);
                    keyClick(Qt.Key_A, Qt.ControlModifier);
                } else if (step[0] === "+") {
                    pass(page, Number(step));
                } else if (/^\d+$/.test(step)) {
                    step.split("").forEach(function (key) { keyClick(key); });
                } else if (step === "Apply") {
                    // The second passes between the last tick and the click.
                    now[5] += data.late;
                    mouseClick(findButton(page, "Apply"));
                } else {
                    keyClick(Qt["Key_" + step]);
                }
            });
            compare(pendingText(page), data.pending, "pending");
            compare(digitalText(page), data.pending.split(" ")[1], "digital clock");
            compare(page.parts().clock.Accessible.name.replace(/\D+/g, " ").trim(),
                    data.pending.split(" ")[1].split(":").map(Number).join(" "), "analog clock");
            compare(lines.length, data.lines, "lines");
            lines.forEach(function (line) {
                compare(line.shown, line.pending.split("T")[0], line.event + ": the day shown");
            });
        }

        Component {
            id: pageComponent

            DateTimePage {
                anchors.fill: parent
            }
        }
    }
}
