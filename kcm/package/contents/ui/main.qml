/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import org.kde.kcm 1.2 as KCM
import org.kde.kirigami 2.12 as Kirigami
import nimbara.orvadmindate.host 1.0
import "qrc:/page"

// The control module's page: the date and time page, applied through systemd-timedated
// by the module's own Apply, Reset and Defaults.
KCM.SimpleKCM {
    id: root

    // No window manager sizes a bare kcmshell window: it opens at the page's own size.
    implicitWidth: page.implicitWidth + leftPadding + rightPadding
    implicitHeight: page.implicitHeight + topPadding + bottomPadding

    DateTimePage {
        id: page

        hasOwnButtons: false
        timedated: kcm.timedated
        isLight: Kirigami.Theme.backgroundColor.hslLightness >= 0.5
        fontSize: Kirigami.Theme.defaultFont.pixelSize > 0 ? Kirigami.Theme.defaultFont.pixelSize : 13
    }

    // Apply stays off while a call is out or there is no service to send it to.
    Binding {
        target: kcm
        property: "needsSave"
        value: page.isModified && page.canApply
    }

    Binding {
        target: kcm
        property: "representsDefaults"
        value: page.isAutomatic || (kcm.timedated.status === Timedated.Available && !kcm.timedated.canNtp)
    }

    Connections {
        target: kcm

        function onApplyRequested() {
            page.apply();
        }

        function onResetRequested() {
            page.reset();
        }

        function onDefaultsRequested() {
            page.chooseDefaults();
        }
    }
}
