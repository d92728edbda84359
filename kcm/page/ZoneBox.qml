/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import nimbara.orvadmindate 1.0
import nimbara.orvadmindate.host 1.0
import "qrc:/qml"
import "Format.js" as Format

// The time-zone box: every zone the machine knows, and the chosen zone's current date
// and time, read through CurrentDateTime.
RowLayout {
    id: zoneBox

    property string zone

    signal zoneChosen(string zoneName)

    function refresh() {
        const now = zoneClock.getDateTimeForTimeZone(zone);
        zoneTime.text = i18n("Now in this zone: %1 %2",
                             Format.isoDate(now[CurrentDateTime.Year], now[CurrentDateTime.Month], now[CurrentDateTime.Day]),
                             Format.time(now[CurrentDateTime.Hour], now[CurrentDateTime.Minute], now[CurrentDateTime.Second]));
    }

    spacing: 12
    onZoneChanged: refresh()

    CurrentDateTime {
        id: zoneClock
    }

    FocusAnnouncer {
        id: announcer
    }

    Label {
        text: i18n("Time zone:")
    }

    ComboBox {
        id: zoneComboBox

        // Room for the longer names at any font size; and some styles (Fusion) keep a
        // fixed height that would cut a larger font's descenders, the underscores among them.
        Layout.preferredWidth: Math.max(280, font.pixelSize * 22)
        Layout.preferredHeight: Math.max(implicitHeight, Math.ceil(contentItem.contentHeight) + contentItem.topPadding
                                         + contentItem.bottomPadding + topPadding + bottomPadding)
        model: TimeZones.ids
        currentIndex: TimeZones.ids.indexOf(zoneBox.zone)
        Accessible.name: i18n("Time zone")
        Accessible.description: currentText
        // A screen reader hears of the highlighted zones and of the choice when they
        // are reported as focused.
        onHighlightedIndexChanged: {
            if (popup.opened)
                announcer.announce(popup.contentItem.itemAtIndex(highlightedIndex));
        }
        onActivated: {
            zoneBox.zoneChosen(textAt(index));
            announcer.announce(zoneComboBox);
        }
        // Letters typed in quick succession name one zone ("America/Sao"); the zone is
        // chosen once the typing rests.
        Keys.onPressed: {
            if (popup.visible || !zoneSearch.isSearchKey(event))
                return;
            zoneSearch.type(event.text);
            const index = zoneSearch.firstMatch(count, function (i) { return zoneComboBox.textAt(i); });
            if (index >= 0)
                currentIndex = index;
            event.accepted = true;
        }

        PrefixSearch {
            id: zoneSearch

            // The box follows the zone again, whether or not a new one was chosen.
            onRested: {
                if (zoneComboBox.currentIndex >= 0 && zoneComboBox.textAt(zoneComboBox.currentIndex) !== zoneBox.zone)
                    zoneComboBox.activated(zoneComboBox.currentIndex);
                zoneComboBox.currentIndex = Qt.binding(() => TimeZones.ids.indexOf(zoneBox.zone));
            }
        }
    }

    Label {
        id: zoneTime

        Layout.fillWidth: true
        elide: Text.ElideRight
    }
}
