/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtTest 1.15

// The zone box chosen by typing: keys within about a second form one prefix, and the
// zone is chosen once the typing rests.
TestCase {
    id: testCase

    name: "ZoneBox"
    when: windowShown

    function test_typedZone_data() {
        return [
            { tag: "America/Sao", keys: "America/Sao", chosen: "America/Sao_Paulo" },
            { tag: "America/Sa", keys: "America/Sa", chosen: "America/Santiago" },
            { tag: "eu", keys: "eu", chosen: "Europe/Berlin" },
        ];
    }

    function test_typedZone(data) {
        const zoneBox = createTemporaryObject(Qt.createComponent("../../../kcm/page/ZoneBox.qml"), testCase, { zone: "UTC" });
        const chosen = [];
        zoneBox.zoneChosen.connect(zone => chosen.push(zone));
        const box = Array.from(zoneBox.children).find(item => item.popup !== undefined);
        box.forceActiveFocus();
        data.keys.split("").forEach(key => keyClick(key));
        compare([box.currentText, chosen.length], [data.chosen, 0]);
        Array.from(box.data).find(item => item.rested !== undefined).triggered();
        compare(chosen, [data.chosen]);
    }
}
