/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Window 2.15

// Texts laid out once, in arrangements made when first needed: a change of what is
// shown swaps whole arrangements instead of laying texts out anew.
Item {
    id: arrangements

    // The arrangements made so far, by what they show, and those shown now.
    property var made: ({})
    property var shownItems: []
    // The software renderer visits hidden items on every frame: there the
    // arrangements not shown leave the scene instead of being hidden.
    readonly property bool detachHidden: GraphicsInfo.api === GraphicsInfo.Software

    // Owned by this item even while out of the scene, so that they go with it.
    function arrangement(key, component, properties) {
        var item = made[key]
        if (!item) {
            properties.opacity = 0
            item = component.createObject(arrangements, properties)
            made[key] = item
        }
        return item
    }

    function showOnly(wanted) {
        shownItems.forEach(function (item) {
            if (wanted.indexOf(item) < 0)
                setShown(item, false)
        })
        wanted.forEach(function (item) { setShown(item, true) })
        shownItems = wanted
    }

    // Not by visibility: that would reach every text of the arrangement, and each
    // positioner would place its texts again.
    function setShown(item, visible) {
        if (detachHidden)
            item.parent = visible ? arrangements : null
        item.opacity = visible ? 1 : 0
    }
}
