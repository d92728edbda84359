/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// Calendar dates in local time, safe in zones whose daylight-saving change falls
// at midnight. Qt 5.15's engine turns a local time inside a daylight-saving gap
// into the hour before the gap, so new Date(2018, 10, 4) in America/Sao_Paulo is
// 3 November 23:00: the day before the one asked for. Every document that builds
// a date from year, month and day goes through date() instead.

.pragma library

// The calendar day (year, month 0-11, day, rolled over like the Date constructor),
// counted without any local time; NaN fields where there is no such day.
function normalised(year, month, day) {
    var utc = new Date(0)
    // The engine's dates end about 275000 years either side of 1970, and it warns of
    // arguments far beyond them instead of giving NaN quietly.
    if (Math.abs(Number(year) + Number(month) / 12 + Number(day) / 366 - 1970) < 300000)
        utc.setUTCFullYear(year, month, day)
    else
        utc.setTime(NaN)
    return { year: utc.getUTCFullYear(), month: utc.getUTCMonth(), day: utc.getUTCDate(),
             midnightUtc: utc.getTime() }
}

function dayKey(year, month, day) {
    return (year * 12 + month) * 31 + day
}

// The first existing instant of the local calendar day (year, month 0-11, day):
// local midnight where it exists, else the end of the gap that swallowed it, or,
// for a day a zone skipped altogether, the first instant after it. Days past the
// end of a month roll over as with the Date constructor; a year below 100 is taken
// as it is, not as 19xx. An invalid Date where there is no such day.
function date(year, month, day) {
    var target = normalised(year, month, day)
    if (isNaN(target.midnightUtc))
        return new Date(NaN)
    // Each local-time reading looks the zone up anew, so the offsets are read
    // directly: local midnight is the UTC midnight of the same date plus the offset
    // in force at local midnight itself. It is taken when the instant before it
    // still lies on an earlier day; a gap or a repeated midnight is left to the
    // search below.
    var midnight = target.midnightUtc
    var offset = offsetAt(midnight)
    var candidate = midnight + offset
    var candidateOffset = offsetAt(candidate)
    if (candidateOffset !== offset) {
        candidate = midnight + candidateOffset
        if (offsetAt(candidate) !== candidateOffset)
            return firstInstantOf(target)
    }
    if (offsetAt(candidate - 1) !== candidateOffset)
        return firstInstantOf(target)
    return new Date(candidate)
}

// Milliseconds to add to local time at `time` (ms since the epoch) to get UTC:
// the one local-time reading a caller needs for a whole set of fields.
function offsetAt(time) {
    return Math.round(new Date(time).getTimezoneOffset() * 60000)
}

// The local calendar day of `instant`, with its weekday (0 Sunday to 6 Saturday),
// at the cost of one reading of the zone instead of one per field: the UTC fields
// of the instant shifted by its offset are its local fields.
function localDay(instant) {
    var time = instant.getTime()
    var shifted = new Date(time - offsetAt(time))
    return { year: shifted.getUTCFullYear(), month: shifted.getUTCMonth(), day: shifted.getUTCDate(),
             weekday: shifted.getUTCDay() }
}

// Local midnight is the UTC midnight of the same date shifted by the offset in
// force at that moment; try the offsets in force around the day and keep the
// earliest instant that falls on it.
function firstInstantOf(target) {
    var targetKey = dayKey(target.year, target.month, target.day)
    var onDay = null
    var after = null
    for (var probe = -1; probe <= 1; ++probe) {
        var offset = new Date(target.midnightUtc + probe * 86400000).getTimezoneOffset()
        var candidate = new Date(target.midnightUtc + offset * 60000)
        var local = localDay(candidate)
        var key = dayKey(local.year, local.month, local.day)
        if (key === targetKey && (onDay === null || candidate < onDay))
            onDay = candidate
        else if (key > targetKey && (after === null || candidate < after))
            after = candidate
    }
    return onDay !== null ? onDay : after
}

// Number of days of month (0-11) of year, without any local time.
function daysInMonth(year, month) {
    return normalised(year, month + 1, 0).day
}
