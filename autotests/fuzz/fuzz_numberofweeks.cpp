/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// NumberOfWeeks::get on any integer: 52 or 53 as the year's first weekday decides,
// 0 for year 0 and the years at the ends of int.

#include "fuzzing.h"
#include "numberofweeks.h"

#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const int year = input.take<int>();

    const int weeks = NumberOfWeeks::get(year);
    if (year == 0 || year == std::numeric_limits<int>::min() || year == std::numeric_limits<int>::max()) {
        require(weeks == 0, "a year that does not exist has no weeks");
    } else {
        require(weeks == isoWeeksIn(year), "52 or 53 weeks as 1 January decides");
    }
    return 0;
}
