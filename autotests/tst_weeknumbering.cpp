/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "civilcalendar.h"
#include "datetoweek.h"
#include "numberofweeks.h"

#include <QTest>

#include <limits>

namespace
{
using namespace CivilCalendar;

constexpr int firstYear = 1970;
constexpr int lastYear = 2105;
constexpr int intMax = std::numeric_limits<int>::max();
constexpr int intMin = std::numeric_limits<int>::min();
}

class WeekNumberingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void convert_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("week");

        QTest::newRow("2024-12-30 in week 1 of 2025") << 2024 << 11 << 30 << 1;
        QTest::newRow("2021-01-01 in week 53 of 2020") << 2021 << 0 << 1 << 53;
        QTest::newRow("2021-01-04 in week 1") << 2021 << 0 << 4 << 1;
        QTest::newRow("2024-02-29 in week 9") << 2024 << 1 << 29 << 9;
        QTest::newRow("2026-12-31 in week 53") << 2026 << 11 << 31 << 53;
        QTest::newRow("1970-01-01 in week 1") << 1970 << 0 << 1 << 1;
        QTest::newRow("2105-12-31 in week 53") << 2105 << 11 << 31 << 53;
        QTest::newRow("year 1 exists") << 1 << 0 << 1 << 1;
        QTest::newRow("year -1 exists") << -1 << 11 << 31 << 52;
        QTest::newRow("month 13 does not exist") << 2024 << 12 << 1 << 0;
        QTest::newRow("month -1 does not exist") << 2024 << -1 << 1 << 0;
        QTest::newRow("2023-02-29 does not exist") << 2023 << 1 << 29 << 0;
        QTest::newRow("day 0 does not exist") << 2024 << 0 << 0 << 0;
        QTest::newRow("day 32 is not rolled over") << 2024 << 0 << 32 << 0;
        QTest::newRow("year 0 does not exist") << 0 << 0 << 1 << 0;
        QTest::newRow("largest month") << 2024 << intMax << 1 << 0;
        QTest::newRow("smallest month") << 2024 << intMin << 1 << 0;
        QTest::newRow("largest day") << 2024 << 0 << intMax << 0;
        QTest::newRow("smallest day") << 2024 << 0 << intMin << 0;
        QTest::newRow("largest year") << intMax << 0 << 1 << 0;
        QTest::newRow("smallest year") << intMin << 11 << 31 << 0;
        QTest::newRow("all at their largest") << intMax << intMax << intMax << 0;
        QTest::newRow("all at their smallest") << intMin << intMin << intMin << 0;
    }

    void convert()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, week);

        QCOMPARE(DateToWeek::convert(year, month, day), week);
    }

    void convertEveryDayOfTheCalendarRange()
    {
        for (int year = firstYear; year <= lastYear; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= daysInMonth(year, month); ++day) {
                    const int expected = isoWeek(daysFromCivil(year, month, day));
                    if (DateToWeek::convert(year, month - 1, day) != expected) {
                        QFAIL(qPrintable(QStringLiteral("%1-%2-%3: %4, expected %5")
                                             .arg(year)
                                             .arg(month)
                                             .arg(day)
                                             .arg(DateToWeek::convert(year, month - 1, day))
                                             .arg(expected)));
                    }
                }
            }
        }
    }

    void numberOfWeeks_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("weeks");

        QTest::newRow("2020 has 53 weeks") << 2020 << 53;
        QTest::newRow("2021 has 52 weeks") << 2021 << 52;
        QTest::newRow("2024 has 52 weeks, its 31 December in week 1") << 2024 << 52;
        QTest::newRow("2026 has 53 weeks") << 2026 << 53;
        QTest::newRow("1970 has 53 weeks") << 1970 << 53;
        QTest::newRow("2004, a leap year from Thursday, has 53 weeks") << 2004 << 53;
        QTest::newRow("1992, a leap year from Wednesday, has 53 weeks") << 1992 << 53;
        QTest::newRow("year 0 does not exist") << 0 << 0;
        QTest::newRow("largest year") << intMax << 0;
        QTest::newRow("smallest year") << intMin << 0;
        QTest::newRow("year next to the largest") << intMax - 1 << isoWeeksInYear(intMax - 1);
    }

    void numberOfWeeks()
    {
        QFETCH(int, year);
        QFETCH(int, weeks);

        QCOMPARE(NumberOfWeeks::get(year), weeks);
    }

    void numberOfWeeksOfEveryYearInRange()
    {
        for (int year = firstYear; year <= lastYear; ++year) {
            QCOMPARE(NumberOfWeeks::get(year), isoWeeksInYear(year));
        }
    }

    void slotsReachableThroughMetaObject()
    {
        DateToWeek dateToWeek;
        NumberOfWeeks numberOfWeeks;
        int result = -1;
        QVERIFY(QMetaObject::invokeMethod(&dateToWeek, "convert", Q_RETURN_ARG(int, result), Q_ARG(int, 2021), Q_ARG(int, 0), Q_ARG(int, 1)));
        QCOMPARE(result, 53);
        QVERIFY(QMetaObject::invokeMethod(&numberOfWeeks, "get", Q_RETURN_ARG(int, result), Q_ARG(int, 2026)));
        QCOMPARE(result, 53);
    }
};

QTEST_GUILESS_MAIN(WeekNumberingTest)

#include "tst_weeknumbering.moc"
