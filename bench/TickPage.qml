/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Window 2.15
import nimbara.orvadmindate 1.0
import "qrc:/qml"

// The long date label as the preview page shows it.
Window {
    width: 600
    height: 40
    visible: true

    CurrentDate {
        objectName: "label"
        anchors.fill: parent
    }
}
