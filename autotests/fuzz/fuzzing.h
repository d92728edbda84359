/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef FUZZING_H
#define FUZZING_H

#include <QDate>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// Reads plain values off the fuzzer's bytes; past the end, values are zero.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    template<typename T>
    T take()
    {
        T value{};
        const std::size_t count = std::min(sizeof(T), m_size);
        std::memcpy(&value, m_data, count);
        m_data += count;
        m_size -= count;
        return value;
    }

    bool atEnd() const
    {
        return m_size == 0;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
};

// A broken property is a crash for libFuzzer, which keeps the input that caused it.
inline void require(bool holds, const char *property)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

// ISO 8601 weeks of a year from its first weekday: 53 when 1 January is a Thursday,
// or a Wednesday in a leap year.
inline int isoWeeksIn(int year)
{
    const int firstWeekday = QDate(year, 1, 1).dayOfWeek();
    return firstWeekday == 4 || (firstWeekday == 3 && QDate::isLeapYear(year)) ? 53 : 52;
}

#endif
