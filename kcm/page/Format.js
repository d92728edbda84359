/* SPDX-License-Identifier: LGPL-2.1-or-later */

// The page's fixed date and time forms, YYYY-MM-DD and HH:MM:SS, whatever the language.
.pragma library

function twoDigits(number) {
    return (number < 10 ? "0" : "") + number;
}

function isoDate(year, month, day) {
    return year + "-" + twoDigits(month) + "-" + twoDigits(day);
}

function time(hours, minutes, seconds) {
    return twoDigits(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(seconds);
}
