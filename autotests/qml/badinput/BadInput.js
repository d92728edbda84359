/* SPDX-License-Identifier: LGPL-2.1-or-later */

// What no host should hand the components, and the tables that hand it over anyway:
// each entry point with each bad value in each of its arguments in turn, the other
// arguments good.

.pragma library

var values = [
    { name: "undefined", make: function () { return undefined } },
    { name: "null", make: function () { return null } },
    { name: "NaN", make: function () { return NaN } },
    { name: "Infinity", make: function () { return Infinity } },
    { name: "-Infinity", make: function () { return -Infinity } },
    { name: "-1", make: function () { return -1 } },
    { name: "-2147483649", make: function () { return -2147483649 } },
    { name: "1e12", make: function () { return 1e12 } },
    { name: "Number.MAX_VALUE", make: function () { return Number.MAX_VALUE } },
    { name: "'abc'", make: function () { return "abc" } },
    { name: "''", make: function () { return "" } },
    { name: "'ab'", make: function () { return "ab" } },
    { name: "'12x'", make: function () { return "12x" } },
    // Made anew for every row: a setter would turn a shared one into a valid date.
    { name: "an invalid Date", make: function () { return new Date(NaN) } },
]

function describe(value) {
    if (value instanceof Date)
        return "Date(" + value.toISOString() + ")"
    return JSON.stringify(value)
}

// The rows for `call` ("function" or "objectName.function"), `goodArgs` its usual
// arguments. `outcome(value, position)` gives what a row expects (see the suites);
// the default is that the call changes nothing and emits nothing.
function rows(call, goodArgs, outcome) {
    var table = []
    for (var position = 0; position < goodArgs.length; ++position) {
        values.forEach(function (bad) {
            var value = bad.make()
            var args = goodArgs.slice()
            args[position] = value
            var shown = args.map(function (arg, i) { return i === position ? bad.name : describe(arg) })
            table.push({
                tag: call + "(" + shown.join(", ") + ")",
                call: call,
                args: args,
                outcome: outcome ? outcome(value, position) : { ignored: true }
            })
        })
    }
    return table
}

function concat(tables) {
    return Array.prototype.concat.apply([], tables)
}

// The function named by `call` on `component`, bound to its object.
function invoke(testCase, component, call, args) {
    var names = call.split(".")
    var target = names.length === 1 ? component : testCase.findChild(component, names[0])
    testCase.verify(target, "no part named " + names[0])
    return target[names[names.length - 1]].apply(target, args)
}

// Texts a user or an assistive tool could meet: none may carry a failed number.
function verifyReadable(testCase, text, what) {
    testCase.verify(!/NaN|undefined|Infinity|null|Invalid/.test(String(text)), what + " reads '" + text + "'")
}

// The bad values that are still numbers, which the components limit rather than refuse.
function isFiniteNumber(value) {
    return typeof value === "number" && isFinite(value)
}
