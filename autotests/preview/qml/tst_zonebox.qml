/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.15
import "../../../preview"

// The zone box chosen by typing: keys within about a second form one prefix, and the
// zone is chosen once the typing rests.
TestCase {
    id: testCase

    name: "ZoneBox"
    when: windowShown
    width: 600
    height: 100

    Component {
        id: boxComponent

        ZoneBox {
            zone: "UTC"
        }
    }

    function test_typedZone_data() {
        return [
            { tag: "America/Sao", keys: "America/Sao", chosen: "America/Sao_Paulo" },
            { tag: "eu", keys: "eu", chosen: "Europe/Berlin" },
            { tag: "America/Sa", keys: "America/Sa", chosen: "America/Santiago" },
        ]
    }

    function test_typedZone(data) {
        const zoneBox = createTemporaryObject(boxComponent, testCase);
        const chosen = createTemporaryObject(spyComponent, testCase, { target: zoneBox, signalName: "zoneChosen" });
        const box = Array.from(zoneBox.children).find(item => item.popup !== undefined);
        const search = Array.from(box.data).find(item => item.rested !== undefined);
        box.forceActiveFocus();
        data.keys.split("").forEach(key => keyClick(key));
        compare(box.currentText, data.chosen);
        compare(chosen.count, 0, "the typing has not rested");
        search.triggered();
        compare(chosen.count, 1);
        compare(chosen.signalArguments[0][0], data.chosen);
    }

    Component {
        id: spyComponent

        SignalSpy {}
    }
}
