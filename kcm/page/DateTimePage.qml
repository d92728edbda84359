/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import nimbara.orvadmindate 1.0
import nimbara.orvadmindate.host 1.0
import "qrc:/qml"
import "Format.js" as Format
import "qrc:/qml/LocalDate.js" as LocalDate

// The date and time page, built from the module's components: the control module shows
// it, and so does the preview window. Whatever the administrator chooses stays pending
// until apply(), which sends it through `timedated`; without one Apply only says what it
// would set.
ColumnLayout {
    id: page

    property bool isLight: true
    property bool isApplet: false
    property int fontSize: 13
    // The machine's zone where no service says it.
    property string zone: TimeZones.system
    // The system's date and time service; null: Apply only says what it would send.
    property QtObject timedated: null
    readonly property bool isServiceMissing: timedated !== null && timedated.status === Timedated.Missing
    readonly property string machineZone: timedated && timedated.timezone !== "" ? timedated.timezone : zone
    // Automatic time as the administrator chose it; undefined: as the machine has it.
    property var chosenAutomatic: undefined
    readonly property bool machineAutomatic: timedated !== null && timedated.ntp
    readonly property bool isAutomatic: chosenAutomatic !== undefined ? chosenAutomatic : machineAutomatic
    readonly property bool canApply: timedated === null || (timedated.status === Timedated.Available && !timedated.isBusy)
    // The long date in the form of the page's language rather than the fixed one.
    property bool languageLongForm: false
    readonly property int gap: 12
    // Apply and Reset of the page's own; a control module has its own buttons instead.
    property bool hasOwnButtons: true
    // Controls the host puts before the calendar panel, at its outer edge.
    property alias startControls: startColumn.data
    // True while anything differs from what the machine has.
    readonly property bool isModified: (pending.isModified && !isAutomatic) || pending.zone !== machineZone
                                       || isAutomatic !== machineAutomatic
    // The day the panel shows. The page shows the pending day: whenever the two part (a
    // zone with another date, midnight, Reset), the pending day is handed to the panel.
    property string panelDay
    // True while the page itself moves the panel, whose report is then no choice.
    property bool isShowingPending: false

    // One line for each event, with what is pending and shown at that moment.
    signal reported(var line)
    // Left from the panel's first control: the host's own controls before it take the keyboard.
    signal selectOpenSettings()

    // Automated driving (--drive-day): the same path as a day typed into the picker.
    function driveDayOfMonth(dayOfMonth) {
        panel.__set_day_of_month_in_date_picker__(dayOfMonth);
    }

    // Automated driving (--drive-zone): what choosing in the zone box does.
    function driveZone(zoneName) {
        zoneBox.zoneChosen(zoneName);
    }

    // The keyboard back into the panel from a control before it.
    function focusOnPanel() {
        panel.selectPrevMonth();
    }

    // The page's parts, for a host that reports where they are.
    function parts() {
        return { "longDate": longDate, "panel": panel, "clock": clock, "digitalClock": digitalClock, "zoneBox": zoneBox };
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

    // Both clocks show the pending time; a field being typed in keeps its entry.
    function showPendingTime() {
        clock.update(pending.hours, pending.minutes, pending.seconds);
        digitalClock.updateTime(pending.hours, pending.minutes, pending.seconds);
    }

    // The clock reports all three fields; only those that differ from the pending time it
    // was shown were entered, and the others keep running.
    function enterTime(hours, minutes, seconds) {
        const entered = [hours, minutes, seconds];
        const shown = [pending.hours, pending.minutes, pending.seconds];
        if (entered.every(function (part, i) { return part === shown[i]; })) {
            return;
        }
        pending.setTime.apply(pending, entered.map(function (part, i) { return part === shown[i] ? -1 : part; }));
        showPendingTime();
        report("newTimeEntered", { "hours": pending.hours, "minutes": pending.minutes, "seconds": pending.seconds });
    }

    function tick() {
        pending.refresh();
        showPendingTime();
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
        reported(line);
    }

    // What Apply sends, in the order it sends it, each only when it changed.
    function changes() {
        const changed = {};
        if (isAutomatic !== machineAutomatic) {
            changed["ntp"] = isAutomatic;
        }
        if (pending.isModified && !isAutomatic) {
            changed["date"] = pending.isoDate();
            changed["time"] = pending.timeText();
            changed["timeZoneOfTime"] = pending.zone;
        }
        if (pending.zone !== machineZone) {
            changed["timezone"] = pending.zone;
        }
        return changed;
    }

    function apply() {
        // The line and the views describe one instant: the day may just have turned.
        tick();
        if (!timedated) {
            report("apply", { "date": pending.isoDate(), "time": pending.timeText(), "modified": pending.isModified,
                              "automatic": isAutomatic });
            announce(i18n("Apply would set the clock to %1 %2 (%3). The machine's clock was left as it is.",
                     pending.isoDate(), pending.timeText(), pending.zone));
            return;
        }
        if (!canApply) {
            return;
        }
        const changed = changes();
        report("apply", { "changes": changed });
        statusLine.text = i18n("Applying…");
        timedated.apply(changed);
    }

    function applied(outcome, message) {
        report("applied", { "outcome": outcome, "message": message });
        switch (outcome) {
        case Timedated.Applied:
            // The clock reads what was pending now; what is left pending is the clock.
            pending.reset();
            chosenAutomatic = undefined;
            pending.zone = Qt.binding(() => page.machineZone);
            tick();
            announce(i18n("The date and time were set."));
            break;
        case Timedated.Refused:
            announce(i18n("The date and time were not changed: the authorisation was refused."));
            break;
        case Timedated.TimedOut:
            announce(i18n("The date and time service did not answer in time. The date and time may not have been changed."));
            break;
        case Timedated.NoService:
            announce(i18n("The date and time were not changed: the system's date and time service is not running."));
            break;
        default:
            announce(i18n("The date and time were not changed: %1", message));
        }
    }

    // Automatic time is the default, where the machine can keep it.
    function chooseDefaults() {
        if (timedated && timedated.canNtp) {
            chosenAutomatic = true;
        }
    }

    // Back to the machine's date, time and automatic setting; the panel follows in tick().
    // With a service to ask, the zone returns to the machine's too.
    function reset() {
        // Nothing to return from (a control module's first load): nothing to say.
        const wasModified = isModified;
        pending.reset();
        chosenAutomatic = undefined;
        if (timedated) {
            pending.zone = Qt.binding(() => page.machineZone);
        }
        tick();
        report("reset", {});
        if (wasModified) {
            announce(i18n("Back to the machine's date and time."));
        }
    }

    objectName: "dateTimePage"
    spacing: gap
    // Mirrored for a right-to-left language, as the application's layout direction
    // says; the components below keep unmirrored what must read left to right.
    LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft
    LayoutMirroring.childrenInherit: true
    Component.onCompleted: tick()

    FocusAnnouncer {
        id: announcer
    }

    PendingDateTime {
        id: pending

        objectName: "pending"
        zone: page.machineZone
    }

    Connections {
        target: page.timedated

        function onCalled(method, args, answer) {
            // The machine's clock reads the pending time from now on, whatever comes next:
            // a zone refused after it must not send the time again, shifted once more.
            if (method === "SetTime" && answer === "") {
                pending.reset();
            }
            page.report("called", { "method": method, "arguments": args, "answer": answer });
        }

        function onApplied(outcome, message) {
            page.applied(outcome, message);
        }
    }

    Timer {
        interval: 1000
        running: true
        repeat: true
        onTriggered: page.tick()
    }

    CurrentDate {
        id: longDate

        Layout.fillWidth: true
        Layout.preferredHeight: 30
        isLight: page.isLight
        languageLongForm: page.languageLongForm
    }

    RowLayout {
        Layout.fillWidth: true
        Layout.fillHeight: true
        spacing: page.gap

        ColumnLayout {
            id: startColumn

            Layout.alignment: Qt.AlignTop
            visible: children.length > 0
        }

        OrvCalendar {
            id: panel

            objectName: "panel"
            // Automatic time keeps the date: the entries are read-only, and say why below.
            enabled: !page.isAutomatic
            // Drawn faded as well: the grid's own cells keep their colours when disabled.
            opacity: enabled ? 1 : 0.5
            Layout.preferredWidth: 560
            Layout.preferredHeight: 420
            Layout.alignment: Qt.AlignTop
            isApplet: page.isApplet
            isLight: page.isLight
            fontSize: page.fontSize
            onNewDateSelected: {
                if (page.isShowingPending) {
                    return;
                }
                const chosen = new Date(Date.parse(newDateString));
                // The calendar day the administrator picked, as the panel shows it.
                page.panelDay = Format.isoDate(chosen.getFullYear(), chosen.getMonth() + 1, chosen.getDate());
                // The day already pending again (Return in the picker) changes nothing.
                if (page.panelDay === pending.isoDate()) {
                    return;
                }
                pending.setDate(chosen.getFullYear(), chosen.getMonth(), chosen.getDate());
                page.report("newDateSelected", { "iso": newDateString, "date": pending.isoDate() });
            }
            onSelectOpenSettings: page.selectOpenSettings()
            onSelectDigitalClock: digitalClock.focusOnHourBox()
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignTop
            spacing: page.gap

            Clock {
                id: clock

                Layout.alignment: Qt.AlignHCenter
                isLight: page.isLight
            }

            DigitalClock {
                id: digitalClock

                objectName: "digitalClock"
                enabled: !page.isAutomatic
                opacity: enabled ? 1 : 0.5
                Layout.alignment: Qt.AlignHCenter
                Layout.preferredWidth: clock.width
                Layout.preferredHeight: Math.round(page.gap * 3.5)
                editable: true
                fontSize: page.fontSize
                onNewTimeEntered: page.enterTime(hours, minutes, seconds)
                onSelectDatePicker: panel.selectDatePicker()
                onSelectReturnButton: panel.selectReturnButton()
            }
        }
    }

    Switch {
        id: automaticSwitch

        objectName: "automaticSwitch"
        text: i18n("Set date and time automatically")
        checked: page.isAutomatic
        enabled: page.timedated === null || page.timedated.canNtp
        Accessible.name: text
        onToggled: {
            page.chosenAutomatic = checked;
            checked = Qt.binding(() => page.isAutomatic);
        }
    }

    Label {
        id: notice

        objectName: "notice"
        Layout.fillWidth: true
        Layout.preferredWidth: 0
        wrapMode: Text.WordWrap
        visible: text !== ""
        text: {
            if (page.isServiceMissing) {
                return i18n("The clock cannot be set from here: the system's date and time service (systemd-timedated) is not available.");
            }
            const parts = [];
            if (page.timedated && !page.timedated.canNtp) {
                parts.push(i18n("Automatic time is not available: no time synchronisation service is installed."));
            }
            if (page.isAutomatic) {
                parts.push(i18n("The date and time are kept by a time server; turn off automatic time to set them by hand."));
            }
            if (page.timedated && page.timedated.status === Timedated.Available) {
                parts.push(page.timedated.ntpSynchronized ? i18n("The clock is synchronised.")
                                                          : i18n("The clock is not synchronised."));
            }
            return parts.join(" ");
        }
    }

    ZoneBox {
        id: zoneBox

        objectName: "zoneBox"
        Layout.fillWidth: true
        zone: pending.zone
        onZoneChosen: {
            pending.setZone(zoneName);
            page.tick();
            page.report("zoneChosen", {});
        }
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: page.gap

        Label {
            Layout.fillWidth: true
            text: i18n("To be set: %1 %2", pending.isoDate(), pending.timeText())
            elide: Text.ElideRight
        }

        Button {
            objectName: "applyButton"
            visible: page.hasOwnButtons
            enabled: page.canApply
            text: i18n("Apply")
            onClicked: page.apply()
            Keys.onReturnPressed: clicked()
            Keys.onEnterPressed: clicked()
        }

        Button {
            visible: page.hasOwnButtons
            text: i18n("Reset")
            Accessible.description: i18n("Return to the machine's date and time")
            onClicked: page.reset()
            Keys.onReturnPressed: clicked()
            Keys.onEnterPressed: clicked()
        }
    }

    Loader {
        id: statusLine

        objectName: "statusLine"
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
