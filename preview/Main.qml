/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import nimbara.orvadmindate 1.0
import nimbara.orvadmindate.preview 1.0
import "qrc:/qml"
import "Geometry.js" as Geometry
import "Format.js" as Format
import "qrc:/qml/LocalDate.js" as LocalDate

// A date and time settings page built from the module's components, wired as a host
// wires them. Whatever the administrator chooses is printed as JSON lines; nothing
// here changes the machine's clock.
ApplicationWindow {
    id: window

    property bool isLight: PreviewOptions.isLight
    readonly property int gap: 12
    // The day the panel shows. The page shows the pending day: whenever the two part (a
    // zone with another date, midnight, Reset), the pending day is handed to the panel.
    property string panelDay
    // True while the page itself moves the panel, whose report is then no choice.
    property bool isShowingPending: false

    // Automated driving (--drive-day): the same path as a day typed into the picker.
    function driveDayOfMonth(dayOfMonth) {
        panel.__set_day_of_month_in_date_picker__(dayOfMonth);
    }

    // The rectangles of the page's parts in window coordinates, for --dump-geometry.
    function pageGeometry() {
        return {
            "window": { "width": window.width, "height": window.height },
            "highlight": String(systemPalette.highlight),
            "longDate": Geometry.sceneRect(longDate),
            "panel": Geometry.sceneRect(panel),
            "clock": Geometry.sceneRect(clock),
            "digitalClock": Geometry.sceneRect(digitalClock),
            "settingsButton": Geometry.sceneRect(settingsButton),
            "zoneBox": Geometry.sceneRect(zoneBox),
            "todayCell": Geometry.sceneRect(Geometry.todayCell(panel, new Date())),
            "panelParts": Geometry.panelParts(panel)
        };
    }

    // Automated driving (--drive-zone, --drive-reset): what choosing in the zone box and
    // pressing Reset do.
    function driveZone(zoneName) {
        zoneBox.zoneChosen(zoneName);
    }

    function driveReset() {
        resetButton.clicked();
    }

    function showPendingDay() {
        const day = pending.isoDate();
        // A date being typed is left alone; a later tick brings the panel along.
        if (day === panelDay || panel.dateIsBeingEdited) {
            return;
        }
        panelDay = day;
        isShowingPending = true;
        panel.updateAll(LocalDate.date(pending.year, pending.month - 1, pending.day));
        isShowingPending = false;
    }

    function tick() {
        pending.refresh();
        clock.update(pending.hours, pending.minutes, pending.seconds);
        // While a field is being edited the ticking seconds would overwrite the entry.
        if (!digitalClock.isInFocus) {
            digitalClock.updateTime(pending.hours, pending.minutes, pending.seconds);
        }
        zoneBox.refresh();
        if (panel.isSystemDateChanged()) {
            panel.updateBaseCalendarSystemDate();
            // The panel keeps its reference day; moving it on makes the check fire once per day.
            panel.savedDate = new Date();
        }
        showPendingDay();
    }

    // A screen reader reads out what is reported as focused, unless it reads it
    // already: each result is a status line of its own, reported once.
    function announce(text) {
        statusLine.text = text;
        statusLine.active = false;
        statusLine.active = true;
        announcer.announce(statusLine.item);
    }

    function report(event, fields) {
        const line = { "event": event };
        for (const key in fields) {
            line[key] = fields[key];
        }
        line["pending"] = pending.isoDate() + "T" + pending.timeText();
        const shown = panel.getDatePickerValue();
        line["shown"] = Format.isoDate(shown.getFullYear(), shown.getMonth() + 1, shown.getDate());
        line["zone"] = pending.zone;
        JsonLines.write(line);
    }

    function apply() {
        pending.refresh();
        report("apply", { "date": pending.isoDate(), "time": pending.timeText(), "modified": pending.isModified });
        announce(i18n("Apply would set the clock to %1 %2 (%3). The machine's clock was left as it is.",
                 pending.isoDate(), pending.timeText(), pending.zone));
    }

    // Back to the chosen zone's current date and time; the panel follows in tick().
    function resetToMachineTime() {
        pending.reset();
        tick();
        report("reset", {});
        announce(i18n("Back to the machine's date and time."));
    }

    // Never smaller than the content, whatever the language and the font size.
    minimumWidth: Math.ceil(pageLayout.implicitWidth) + 2 * gap
    minimumHeight: Math.ceil(pageLayout.implicitHeight) + 2 * gap
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
    Component.onCompleted: tick()

    SystemPalette {
        id: systemPalette
    }

    FocusAnnouncer {
        id: announcer
    }

    PendingDateTime {
        id: pending

        zone: PreviewOptions.zone
    }

    Timer {
        interval: 1000
        running: true
        repeat: true
        onTriggered: window.tick()
    }

    ColumnLayout {
        id: pageLayout

        anchors.fill: parent
        anchors.margins: window.gap
        spacing: window.gap
        // Mirrored for a right-to-left language, as the application's layout direction
        // says; the components below keep unmirrored what must read left to right.
        LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft
        LayoutMirroring.childrenInherit: true

        CurrentDate {
            id: longDate

            Layout.fillWidth: true
            Layout.preferredHeight: 30
            isLight: window.isLight
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: window.gap

            // The settings button sits at the panel's outer edge, where Left leaves the panel.
            Button {
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
                Keys.onRightPressed: panel.selectPrevMonth()

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

            OrvCalendar {
                id: panel

                Layout.preferredWidth: 560
                Layout.preferredHeight: 420
                Layout.alignment: Qt.AlignTop
                isApplet: PreviewOptions.isApplet
                isLight: window.isLight
                fontSize: PreviewOptions.fontSize
                onNewDateSelected: {
                    if (window.isShowingPending) {
                        return;
                    }
                    const chosen = new Date(Date.parse(newDateString));
                    // The calendar day the administrator picked, as the panel shows it.
                    window.panelDay = Format.isoDate(chosen.getFullYear(), chosen.getMonth() + 1, chosen.getDate());
                    // The day already pending again (Return in the picker) changes nothing.
                    if (window.panelDay === pending.isoDate()) {
                        return;
                    }
                    pending.setDate(chosen.getFullYear(), chosen.getMonth(), chosen.getDate());
                    window.report("newDateSelected", { "iso": newDateString, "date": pending.isoDate() });
                }
                onSelectOpenSettings: settingsButton.forceActiveFocus()
                onSelectDigitalClock: digitalClock.focusOnHourBox()
            }

            ColumnLayout {
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignTop
                spacing: window.gap

                Clock {
                    id: clock

                    Layout.alignment: Qt.AlignHCenter
                    isLight: window.isLight
                }

                DigitalClock {
                    id: digitalClock

                    Layout.alignment: Qt.AlignHCenter
                    Layout.preferredWidth: clock.width
                    Layout.preferredHeight: Math.round(window.gap * 3.5)
                    editable: true
                    fontSize: PreviewOptions.fontSize
                    onNewTimeEntered: {
                        pending.setTime(hours, minutes, seconds);
                        window.report("newTimeEntered", { "hours": hours, "minutes": minutes, "seconds": seconds });
                    }
                    onSelectDatePicker: panel.selectDatePicker()
                    onSelectReturnButton: panel.selectReturnButton()
                }
            }
        }

        ZoneBox {
            id: zoneBox

            Layout.fillWidth: true
            zone: pending.zone
            onZoneChosen: {
                pending.setZone(zoneName);
                window.tick();
                window.report("zoneChosen", {});
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: window.gap

            Label {
                Layout.fillWidth: true
                text: i18n("To be set: %1 %2", pending.isoDate(), pending.timeText())
                elide: Text.ElideRight
            }

            Button {
                text: i18n("Apply")
                onClicked: window.apply()
                Keys.onReturnPressed: clicked()
                Keys.onEnterPressed: clicked()
            }

            Button {
                id: resetButton

                text: i18n("Reset")
                Accessible.description: i18n("Return to the machine's date and time")
                onClicked: window.resetToMachineTime()
                Keys.onReturnPressed: clicked()
                Keys.onEnterPressed: clicked()
            }
        }

        Loader {
            id: statusLine

            property string text

            Layout.fillWidth: true
            // A long result wraps instead of widening the window.
            Layout.preferredWidth: 0

            sourceComponent: Label {
                text: statusLine.text
                wrapMode: Text.WordWrap
            }
        }
    }
}
