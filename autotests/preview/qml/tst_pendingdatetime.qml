/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.15
import nimbara.orvadmindate 1.0
import "../../../kcm/page"

// The preview's pending date and time against a clock of the test's own: it ticks on
// from a choice, and its wall-clock arithmetic ignores the process's daylight saving.
TestCase {
    id: testCase

    // Each zone's current wall time: year, month 1-12, day, hour, minute, second.
    property var zoneTimes: ({})

    function makePending(zone, now) {
        zoneTimes = {};
        zoneTimes[zone] = now;
        const pending = createTemporaryObject(pendingComponent, testCase, { "zone": zone });
        pending.readZone = function (zoneName) {
            return testCase.zoneTimes[zoneName];
        };
        pending.refresh();
        return pending;
    }

    function shown(pending) {
        return pending.isoDate() + " " + pending.timeText();
    }

    name: "PendingDateTime"

    Component {
        id: pendingComponent

        PendingDateTime {}
    }

    function test_ticksOnFromAChoice_data() {
        return [
            { "tag": "a time chosen at 23:59:58 ticks past the zone's midnight on its own day",
              "now": [2018, 11, 3, 23, 59, 58], "later": [2018, 11, 4, 0, 0, 3],
              "choose": function (p) { p.setTime(10, 0, 0); }, "expected": "2018-11-03 10:00:05" },
            { "tag": "2018-11-04 chosen, a day whose midnight Sao Paulo skipped",
              "now": [2018, 11, 3, 0, 30, 0], "later": [2018, 11, 3, 0, 30, 10],
              "choose": function (p) { p.setDate(2018, 10, 4); }, "expected": "2018-11-04 00:30:10" },
            { "tag": "23:59:55 chosen rolls into the next day",
              "now": [2026, 12, 31, 12, 0, 0], "later": [2026, 12, 31, 12, 0, 10],
              "choose": function (p) { p.setTime(23, 59, 55); }, "expected": "2027-01-01 00:00:05" },
            { "tag": "29 February 2024 keeps the time of day",
              "now": [2026, 3, 29, 2, 30, 0], "later": [2026, 3, 29, 2, 30, 1],
              "choose": function (p) { p.setDate(2024, 1, 29); }, "expected": "2024-02-29 02:30:01" },
            { "tag": "year 2105, the panel's last",
              "now": [2026, 1, 1, 9, 5, 7], "later": [2026, 1, 1, 9, 5, 7],
              "choose": function (p) { p.setDate(2105, 11, 31); }, "expected": "2105-12-31 09:05:07" }
        ];
    }

    function test_ticksOnFromAChoice(data) {
        const pending = makePending("Test/Zone", data.now);
        data.choose(pending);
        verify(pending.isModified);
        zoneTimes["Test/Zone"] = data.later;
        pending.refresh();
        compare(shown(pending), data.expected);
    }

    function test_untouchedFollowsTheZone() {
        const pending = makePending("Test/Zone", [2026, 12, 9, 2, 59, 59]);
        compare(shown(pending), "2026-12-09 02:59:59");
        zoneTimes["Test/Zone"] = [2026, 12, 9, 3, 0, 0];
        pending.refresh();
        compare(shown(pending), "2026-12-09 03:00:00");
        verify(!pending.isModified);
    }

    function test_zoneChange_data() {
        return [
            { "tag": "a chosen time stays as chosen in the new zone", "modify": true, "expected": "2026-12-09 14:30:00" },
            { "tag": "an untouched time follows the new zone", "modify": false, "expected": "2026-12-10 01:00:00" }
        ];
    }

    function test_zoneChange(data) {
        const pending = makePending("Zone/West", [2026, 12, 9, 12, 0, 0]);
        zoneTimes["Zone/East"] = [2026, 12, 10, 1, 0, 0];
        if (data.modify) {
            pending.setTime(14, 30, 0);
        }
        pending.setZone("Zone/East");
        compare(pending.zone, "Zone/East");
        compare(shown(pending), data.expected);
    }

    function test_resetReturnsToTheZonesTime() {
        const pending = makePending("Test/Zone", [2026, 12, 9, 12, 0, 0]);
        pending.setDate(2030, 5, 1);
        pending.setTime(1, 2, 3);
        compare(shown(pending), "2030-06-01 01:02:03");
        pending.reset();
        verify(!pending.isModified);
        compare(shown(pending), "2026-12-09 12:00:00");
    }
}
