/* SPDX-License-Identifier: LGPL-2.1-or-later */

import QtQml 2.15
import nimbara.orvadmindate 1.0
import "Format.js" as Format

// The date and time the administrator has chosen, as the wall-clock time of `zone`.
// It keeps ticking: what is held is the distance from the zone's own time, so a time
// chosen a minute ago reads a minute later now. Wall-clock times are kept as "naive"
// milliseconds (the wall time read as if it were UTC), so no step here depends on the
// process's daylight-saving rules.
QtObject {
    id: pending

    property string zone
    // True once the administrator chose a date or a time; Reset clears it.
    property bool isModified: false
    // The chosen wall time minus the zone's wall time, in milliseconds.
    property real offset: 0
    // The wall-clock parts as of the last refresh(); month 1 to 12.
    property int year
    property int month
    property int day
    property int hours
    property int minutes
    property int seconds
    readonly property CurrentDateTime zoneClock: CurrentDateTime {}
    // Reads a zone's current date and time as CurrentDateTime gives them; tests put a clock of their own here.
    property var readZone: function (zoneName) {
        return zoneClock.getDateTimeForTimeZone(zoneName);
    }

    function zoneNow(zoneName) {
        const now = readZone(zoneName);
        const time = new Date(0);
        // setUTCFullYear, not Date.UTC, which reads years below 100 as 19xx.
        time.setUTCFullYear(now[CurrentDateTime.Year], now[CurrentDateTime.Month] - 1, now[CurrentDateTime.Day]);
        time.setUTCHours(now[CurrentDateTime.Hour], now[CurrentDateTime.Minute], now[CurrentDateTime.Second], 0);
        return time.getTime();
    }

    function wallTime() {
        return zoneNow(zone) + offset;
    }

    function refresh() {
        const wall = new Date(wallTime());
        year = wall.getUTCFullYear();
        month = wall.getUTCMonth() + 1;
        day = wall.getUTCDate();
        hours = wall.getUTCHours();
        minutes = wall.getUTCMinutes();
        seconds = wall.getUTCSeconds();
    }

    // Moves the pending wall time by `change(wall)`, a function that edits a Date in UTC terms.
    function choose(change) {
        const now = zoneNow(zone);
        const wall = new Date(now + offset);
        change(wall);
        offset = wall.getTime() - now;
        isModified = true;
        refresh();
    }

    // A new calendar day; the time of day ticks on as it was.
    function setDate(newYear, newMonth0, newDay) {
        choose(function (wall) { wall.setUTCFullYear(newYear, newMonth0, newDay); });
    }

    // A new time of day on the pending day; a part below 0 keeps running as it was.
    function setTime(newHours, newMinutes, newSeconds) {
        choose(function (wall) {
            wall.setUTCHours(newHours < 0 ? wall.getUTCHours() : newHours, newMinutes < 0 ? wall.getUTCMinutes() : newMinutes,
                             newSeconds < 0 ? wall.getUTCSeconds() : newSeconds);
        });
    }

    // A chosen date and time stays what it is in the new zone; an untouched one follows the zone.
    function setZone(newZone) {
        const wall = wallTime();
        zone = newZone;
        if (isModified) {
            offset = wall - zoneNow(newZone);
        }
        refresh();
    }

    function reset() {
        offset = 0;
        isModified = false;
        refresh();
    }

    function isoDate() {
        return Format.isoDate(year, month, day);
    }

    function timeText() {
        return Format.time(hours, minutes, seconds);
    }
}
