/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import nimbara.orvadmindate 1.0

ApplicationWindow {
    id: window

    width: 900
    height: 560
    visible: true
    title: i18n("Date and Time")

    RowLayout {
        anchors.fill: parent
        anchors.margins: 12

        Loader {
            Layout.fillWidth: true
            Layout.fillHeight: true
            source: "qrc:/qml/OrvCalendar.qml"
        }

        Loader {
            Layout.preferredWidth: 240
            Layout.preferredHeight: 240
            source: "qrc:/qml/Clock.qml"
        }
    }
}
