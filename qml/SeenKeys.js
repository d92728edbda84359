/* SPDX-License-Identifier: LGPL-2.1-or-later */

// Arrow keys as the user sees the page. The panel's moves between its controls are
// named by the left-to-right layout; on a mirrored page the control "to the left" of
// another stands at its right, so Left and Right trade places.

.pragma library

function horizontal(key, mirrored) {
    if (mirrored && key === Qt.Key_Left)
        return Qt.Key_Right
    if (mirrored && key === Qt.Key_Right)
        return Qt.Key_Left
    return key
}
