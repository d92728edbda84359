/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import org.kde.kirigami 2.12 as Kirigami

// The frame of the drop-down lists: a rounded panel in the theme's colours with a soft
// shadow below. The lists load it only when they first open, so that the theme module
// stays out of the panel's start.
Kirigami.ShadowedRectangle {
    radius: 2
    color: Kirigami.Theme.backgroundColor
    border.width: 1
    border.color: Qt.rgba(Kirigami.Theme.textColor.r, Kirigami.Theme.textColor.g, Kirigami.Theme.textColor.b, 0.3)
    shadow.xOffset: 0
    shadow.yOffset: 2
    shadow.color: Qt.rgba(0, 0, 0, 0.3)
    shadow.size: 8
}
