/* SPDX-License-Identifier: LGPL-2.1-or-later */

// A soak: the same round run many times, with the heap in use read before and after.

.pragma library

// A leak is steady growth: what a round keeps, it keeps in every round. Caches that
// fill late grow too, but less in each window than in the one before. So the rounds
// after the warm-up are split into two equal windows, and the heap is judged to leak
// when it grew in both by at least this much a round (half of glibc's smallest chunk:
// one small allocation kept every other round), and in the later window by at least
// half as much as in the earlier.
var leakPerRound = 16

// The heap once garbage is collected, deferred deletions are done and the window has
// drawn its next frame, which lets the last frame's nodes go: read until two readings
// agree.
function settledHeap(testCase, heap) {
    var reading = NaN
    for (var attempt = 0; attempt < 10; ++attempt) {
        gc()
        testCase.wait(20)
        var previous = reading
        reading = heap.inUse()
        if (reading === previous)
            break
    }
    return reading
}

// Runs round(i) `rounds` times, letting the event loop run every `settleEvery` rounds,
// and logs the heap in use at the start and end of each window; where glibc's allocator
// serves the heap, checks that it did not grow steadily. The first third of the rounds
// only warms up: they fill Qt's own caches and let the script engine's heap reach its
// size. Where the heap is not measured (a sanitizer build, whose checks make every round
// many times dearer) a tenth of the rounds still takes every path. Returns the number
// of rounds run.
function verifyHeapKept(testCase, heap, what, rounds, settleEvery, round) {
    if (!heap.measured)
        rounds = Math.ceil(rounds / 10)
    var warmUp = Math.floor(rounds / 3)
    var window = Math.floor((rounds - warmUp) / 2)
    rounds = warmUp + 2 * window
    var readings = []
    var started = Date.now()
    for (var i = 0; i < rounds; ++i) {
        if (i === warmUp || i === warmUp + window)
            readings.push(settledHeap(testCase, heap))
        round(i)
        if (i % settleEvery === settleEvery - 1)
            testCase.wait(0)
    }
    readings.push(settledHeap(testCase, heap))
    var earlier = readings[1] - readings[0]
    var later = readings[2] - readings[1]
    var seconds = (Date.now() - started) / 1000
    console.log("heap in use, " + what + ": " + readings.join(", ") + " bytes after " + warmUp + ", "
                + (warmUp + window) + " and " + rounds + " rounds: growth " + earlier + " and " + later
                + " in " + window + " rounds each (" + seconds + " s)")
    if (heap.measured) {
        var steady = Math.min(earlier, later) >= leakPerRound * window && later >= earlier / 2
        testCase.verify(!steady, what + ": the heap grew steadily, by " + earlier + " and then " + later
                        + " bytes over " + window + " rounds")
    }
    return rounds
}
