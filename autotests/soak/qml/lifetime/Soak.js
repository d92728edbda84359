/* SPDX-License-Identifier: LGPL-2.1-or-later */

// A soak: the same round run many times, with the heap in use read before and after.

.pragma library

// Bytes the heap may have grown by after a soak. A leak of 160 bytes, a couple of
// small objects, per round of the shortest soak (200 rounds after the warm-up)
// outgrows it.
var allowedGrowth = 32 * 1024

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
// and logs the heap in use before and after; where glibc's allocator serves the heap,
// checks that it kept within allowedGrowth. The first third of the rounds only warms
// up: they fill Qt's own caches and let the script engine's heap reach its size.
// Where the heap is not measured (a sanitizer build, whose checks make every round
// many times dearer) a tenth of the rounds still takes every path. Returns the number
// of rounds run.
function verifyHeapKept(testCase, heap, what, rounds, settleEvery, round) {
    if (!heap.measured)
        rounds = Math.ceil(rounds / 10)
    var warmUp = Math.floor(rounds / 3)
    var before = NaN
    var started = Date.now()
    for (var i = 0; i < rounds; ++i) {
        if (i === warmUp)
            before = settledHeap(testCase, heap)
        round(i)
        if (i % settleEvery === settleEvery - 1)
            testCase.wait(0)
    }
    var after = settledHeap(testCase, heap)
    var seconds = (Date.now() - started) / 1000
    console.log("heap in use, " + what + ": " + before + " bytes after " + warmUp + " rounds, " + after + " after "
                + rounds + ", growth " + (after - before) + " (" + seconds + " s)")
    if (heap.measured)
        testCase.verify(after - before <= allowedGrowth, what + ": the heap grew by " + (after - before) + " bytes")
    return rounds
}
