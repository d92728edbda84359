/* SPDX-License-Identifier: LGPL-2.1-or-later */

// What the components' functions take from a host. A host may hand over anything
// that JavaScript carries; an argument these do not accept is ignored by the caller.

.pragma library

// A Date with a time value: no invalid Date, no number or text.
function isDate(value) {
    return Object.prototype.toString.call(value) === "[object Date]" && !isNaN(value.getTime())
}

// A finite number, given as a number or a numeric text; NaN for anything else.
// Number() alone would read "", blanks, null and true as 0 or 1.
function number(value) {
    if (typeof value === "string" && value.trim() !== "")
        value = Number(value)
    return typeof value === "number" && isFinite(value) ? value : NaN
}
