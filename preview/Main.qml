/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import nimbara.orvadmindate.host 1.0
import nimbara.orvadmindate.preview 1.0
import "qrc:/page"
import "Geometry.js" as Geometry

// The control module's date and time page in a window of its own, with a menu for the
// look. Whatever the administrator chooses is printed as JSON lines; the machine's clock
// is changed only through systemd-timedated, and only with --apply-through-timedated.
ApplicationWindow {
    id: window

    property bool isLight: PreviewOptions.isLight
    readonly property int gap: 12

    // Automated driving (--drive-day, --drive-zone, --drive-reset): what typing a day into
    // the picker, choosing in the zone box and pressing Reset do.
    function driveDayOfMonth(dayOfMonth) {
        page.driveDayOfMonth(dayOfMonth);
    }

    function driveZone(zoneName) {
        page.driveZone(zoneName);
    }

    function driveReset() {
        page.reset();
    }

    // The rectangles of the page's parts in window coordinates, for --dump-geometry.
    function pageGeometry() {
        const parts = page.parts();
        return {
            "window": { "width": window.width, "height": window.height },
            "highlight": String(systemPalette.highlight),
            "longDate": Geometry.sceneRect(parts.longDate),
            "panel": Geometry.sceneRect(parts.panel),
            "clock": Geometry.sceneRect(parts.clock),
            "digitalClock": Geometry.sceneRect(parts.digitalClock),
            "settingsButton": Geometry.sceneRect(settingsButton),
            "zoneBox": Geometry.sceneRect(parts.zoneBox),
            "todayCell": Geometry.sceneRect(Geometry.todayCell(parts.panel, new Date())),
            "panelParts": Geometry.panelParts(parts.panel)
        };
    }

    // Never smaller than the content, whatever the language and the font size.
    minimumWidth: Math.ceil(page.implicitWidth) + 2 * gap
    minimumHeight: Math.ceil(page.implicitHeight) + 2 * gap
    width: Math.max(960, minimumWidth)
    height: Math.max(620, minimumHeight)
    visible: true
    title: i18n("Date and Time")
    color: systemPalette.window
    font.pixelSize: PreviewOptions.fontSize
    // The controls' style keeps a palette of its own; the page's controls take the system's,
    // as the module's components do.
    palette.window: systemPalette.window
    palette.windowText: systemPalette.windowText
    palette.base: systemPalette.base
    palette.alternateBase: systemPalette.alternateBase
    palette.text: systemPalette.text
    palette.button: systemPalette.button
    palette.buttonText: systemPalette.buttonText
    palette.highlight: systemPalette.highlight
    palette.highlightedText: systemPalette.highlightedText
    palette.light: systemPalette.light
    palette.midlight: systemPalette.midlight
    palette.mid: systemPalette.mid
    palette.dark: systemPalette.dark
    palette.shadow: systemPalette.shadow

    SystemPalette {
        id: systemPalette
    }

    Component {
        id: timedatedComponent

        Timedated {}
    }

    DateTimePage {
        id: page

        anchors.fill: parent
        anchors.margins: window.gap
        isLight: window.isLight
        isApplet: PreviewOptions.isApplet
        fontSize: PreviewOptions.fontSize
        zone: PreviewOptions.zone
        timedated: PreviewOptions.appliesThroughTimedated ? timedatedComponent.createObject(page) : null
        // A language chosen with --lang shows its own long date form.
        languageLongForm: PreviewOptions.language !== ""
        onReported: JsonLines.write(line)
        // With a keyboard reason, or the style draws no focus on the button.
        onSelectOpenSettings: settingsButton.forceActiveFocus(Qt.TabFocusReason)
        // The settings button sits at the panel's outer edge, where Left leaves the panel.
        startControls: Button {
            id: settingsButton

            Layout.alignment: Qt.AlignTop
            text: i18n("Settings")
            Accessible.description: i18n("Settings of the date and time page")
            ToolTip.visible: hovered
            ToolTip.delay: 1000
            ToolTip.text: i18n("Settings of the date and time page")
            onClicked: settingsMenu.open()
            Keys.onReturnPressed: clicked()
            Keys.onEnterPressed: clicked()
            Keys.onRightPressed: page.focusOnPanel()

            Menu {
                id: settingsMenu

                y: settingsButton.height
                // As wide as its item: some styles' fixed width cuts a longer translation.
                width: Math.max(implicitWidth, darkLookItem.implicitWidth + leftPadding + rightPadding)

                MenuItem {
                    id: darkLookItem

                    readonly property real indicatorRoom: checkable && indicator ? indicator.width + Math.max(spacing, 6) : 0

                    text: i18n("Dark look")
                    checkable: true
                    Accessible.checkable: true
                    Accessible.checked: checked
                    checked: !window.isLight
                    onToggled: {
                        PreviewPalette.apply(checked);
                        window.isLight = !checked;
                    }

                    // A plain text beside the indicator, coloured by the style: the desktop
                    // style's own row recomputes its implicit width in a loop.
                    contentItem: Label {
                        leftPadding: darkLookItem.mirrored ? 0 : darkLookItem.indicatorRoom
                        rightPadding: darkLookItem.mirrored ? darkLookItem.indicatorRoom : 0
                        text: darkLookItem.text
                        font: darkLookItem.font
                        elide: Text.ElideRight
                        verticalAlignment: Text.AlignVCenter
                    }
                }
            }
        }
    }
}
