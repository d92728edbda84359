/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15

// Keys typed within about a second form one prefix, as desktop lists search by it:
// each key restarts the wait, and rested() follows once the typing pauses.
Timer {
    id: search

    property string prefix

    signal rested()

    // A printable character typed without a command modifier; Space opens a list.
    function isSearchKey(event) {
        return event.text.length === 1 && event.text > " "
            && !(event.modifiers & (Qt.ControlModifier | Qt.AltModifier | Qt.MetaModifier))
    }

    // The prefix with `text` typed after it; a key after a pause starts a new one.
    function type(text) {
        prefix = (running ? prefix : "") + text
        restart()
        return prefix
    }

    // Index of the first of `count` entries whose text, read by textAt(index), begins
    // with the prefix, case aside; -1 when none does.
    function firstMatch(count, textAt) {
        var wanted = prefix.toLowerCase()
        for (var i = 0; i < count; ++i) {
            if (String(textAt(i)).toLowerCase().indexOf(wanted) === 0)
                return i
        }
        return -1
    }

    interval: 1000
    onTriggered: {
        stop()
        rested()
        prefix = ""
    }
}
