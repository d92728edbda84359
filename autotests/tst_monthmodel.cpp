/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "civilcalendar.h"
#include "monthmodel.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <ctime>

using namespace CivilCalendar;

namespace
{
void useZone(const QByteArray &zone)
{
    qputenv("TZ", zone);
    tzset();
}

// Local time as the C library, and the QML engine with it, tells it.
tm localFields(double milliseconds)
{
    const time_t seconds = time_t(std::floor(milliseconds / 1000));
    tm local{};
    localtime_r(&seconds, &local);
    return local;
}

// The local day of an instant, counted from 1970-01-01.
qint64 localDayOf(double milliseconds)
{
    const tm local = localFields(milliseconds);
    return daysFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

// Where the zone has no instant on a day, the first day after it that has one.
qint64 existingDayFrom(qint64 days)
{
    while (localDayOf(double(days) * 86400000) != days && localDayOf((double(days) + 1) * 86400000 - 1) != days
           && localDayOf((double(days) - 1) * 86400000) != days) {
        ++days;
    }
    return days;
}

// An instant that starts the local day @p days: a minute earlier lies on an earlier day.
void verifyFirstInstantOf(double instant, qint64 days, const QString &where)
{
    QVERIFY2(!std::isnan(instant), qPrintable(where));
    QVERIFY2(localDayOf(instant) == existingDayFrom(days), qPrintable(where));
    QVERIFY2(localDayOf(instant - 60000) < localDayOf(instant), qPrintable(where + QStringLiteral(": not the first instant")));
}

// Noon exists on every day of these zones.
QDateTime noonOf(qint64 days)
{
    const double noonUtc = double(days) * 86400000 + 12 * 3600000;
    const double guess = noonUtc - localFields(noonUtc).tm_gmtoff * 1000.0;
    return QDateTime::fromMSecsSinceEpoch(qint64(noonUtc - localFields(guess).tm_gmtoff * 1000.0));
}
}

class MonthModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        useZone("UTC");
    }

    void everyMonthOfTheRange_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("UTC") << QByteArray("UTC");
        QTest::newRow("Sao Paulo, midnight skipped until 2018") << QByteArray("America/Sao_Paulo");
        QTest::newRow("Havana, midnight skipped each March") << QByteArray("America/Havana");
        QTest::newRow("Beirut, midnight skipped each March") << QByteArray("Asia/Beirut");
    }

    // Cells, rows' weeks and every step of every month 1970-2105 against the civil count.
    void everyMonthOfTheRange()
    {
        QFETCH(QByteArray, zone);
        useZone(zone);
        MonthModel model;
        for (int year = 1970; year <= 2105; ++year) {
            for (int month = 1; month <= 12; ++month) {
                const QString where = QStringLiteral("%1-%2").arg(year).arg(month);
                const qint64 first = daysFromCivil(year, month, 1);
                const qint64 selected = first + (year + month) % daysInMonth(year, month);
                const qint64 today = first + 9;
                model.show(noonOf(selected), QDate(year, month, 10));
                QCOMPARE(model.year(), year);
                QCOMPARE(model.month(), month - 1);
                const qint64 gridStart = first - mondayBasedWeekday(first);
                for (int i = 0; i < MonthModel::cellCount; ++i) {
                    const QModelIndex index = model.index(i);
                    const Day day = civilFromDays(gridStart + i);
                    const int kind = day.month == month ? 0 : gridStart + i < first ? -1 : 1;
                    const QString cell = where + QStringLiteral(" cell %1").arg(i);
                    QVERIFY2(index.data(MonthModel::DayRole).toInt() == day.day, qPrintable(cell));
                    QVERIFY2(index.data(MonthModel::IsCurrentMonthRole).toBool() == (kind == 0), qPrintable(cell));
                    QVERIFY2(index.data(MonthModel::IsNextMonthRole).toBool() == (kind == 1), qPrintable(cell));
                    QVERIFY2(index.data(MonthModel::IsWeekendRole).toBool() == (mondayBasedWeekday(gridStart + i) >= 5), qPrintable(cell));
                    QVERIFY2(index.data(MonthModel::IsTodayRole).toBool() == (gridStart + i == today), qPrintable(cell));
                    QVERIFY2(index.data(MonthModel::IsSelectedRole).toBool() == (gridStart + i == selected), qPrintable(cell));
                }
                for (int row = 0; row < 6; ++row) {
                    QVERIFY2(model.weekNumbers().value(row) == isoWeek(gridStart + 7 * row), qPrintable(where));
                }
                QCOMPARE(model.weeksInYear(), isoWeeksInYear(year));
                QCOMPARE(model.selectedWeek(), isoWeek(selected));

                const Day next = civilFromDays(first + daysInMonth(year, month));
                const Day previous = civilFromDays(first - 1);
                verifyFirstInstantOf(model.dayInMonthAway(1, 31), daysFromCivil(next.year, next.month, daysInMonth(next.year, next.month)), where + QStringLiteral(" +1"));
                verifyFirstInstantOf(model.dayInMonthAway(-1, 31), first - 1, where + QStringLiteral(" -1"));
                verifyFirstInstantOf(model.dayInMonthAway(-12, 1), daysFromCivil(year - 1, month, 1), where + QStringLiteral(" -12"));
                if (civilFromDays(gridStart).year >= 1970) {
                    verifyFirstInstantOf(model.dayOfCell(0), gridStart, where + QStringLiteral(" cell 0"));
                }
                QVERIFY2(previous.month == (month + 10) % 12 + 1, qPrintable(where));
                for (const int days : {-7, -1, 1, 7}) {
                    const double stepped = model.stepByDays(days);
                    const qint64 target = selected + days;
                    if (civilFromDays(target).year < 1970 || civilFromDays(target).year > 2105) {
                        QVERIFY2(std::isnan(stepped), qPrintable(where));
                    } else {
                        const tm local = localFields(stepped);
                        QVERIFY2(localDayOf(stepped) == target && local.tm_hour == 12 && local.tm_min == 0, qPrintable(where));
                    }
                }
                if (month == 1) {
                    for (int week = 1; week <= isoWeeksInYear(year); ++week) {
                        const double day = model.dayOfWeek(week);
                        QVERIFY2(isoWeek(localDayOf(day)) == week, qPrintable(where + QStringLiteral(" week %1").arg(week)));
                    }
                }
            }
        }
    }

    void steps_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("argument");
        QTest::addColumn<QDateTime>("expected");

        const QDateTime none;
        QTest::newRow("2025-01-31, next month clamps to 2025-02-28") << QByteArray("UTC") << QDateTime(QDate(2025, 1, 31), QTime(9, 0)) << "month"
                                                                     << 1 << QDateTime(QDate(2025, 2, 28), QTime(0, 0));
        QTest::newRow("2024-02-29, next year is 2025-02-28") << QByteArray("UTC") << QDateTime(QDate(2024, 2, 29), QTime(9, 0)) << "month" << 12
                                                             << QDateTime(QDate(2025, 2, 28), QTime(0, 0));
        QTest::newRow("2018-11-05 00:00, a day back starts 4 November at 01:00 in Sao Paulo")
            << QByteArray("America/Sao_Paulo") << QDateTime(QDate(2018, 11, 5), QTime(0, 0)) << "days" << -1 << QDateTime(QDate(2018, 11, 4), QTime(1, 0));
        QTest::newRow("1994-12-30 12:00, a day on skips the 31st Kiritimati skipped")
            << QByteArray("Pacific/Kiritimati") << QDateTime(QDate(1994, 12, 30), QTime(12, 0)) << "days" << 1 << QDateTime(QDate(1995, 1, 1), QTime(0, 0));
        QTest::newRow("1995-01-01 12:00, a day back skips the 31st Kiritimati skipped")
            << QByteArray("Pacific/Kiritimati") << QDateTime(QDate(1995, 1, 1), QTime(12, 0)) << "days" << -1 << QDateTime(QDate(1994, 12, 30), QTime(0, 0));
        QTest::newRow("2105-12-31, no day after the range") << QByteArray("UTC") << QDateTime(QDate(2105, 12, 31), QTime(23, 59)) << "days" << 1 << none;
        QTest::newRow("1970-01-01, no week before the range") << QByteArray("UTC") << QDateTime(QDate(1970, 1, 7), QTime(0, 0)) << "days" << -7 << none;
        QTest::newRow("2021 week 1 is 9 January, 1 January in week 53 of 2020")
            << QByteArray("UTC") << QDateTime(QDate(2021, 6, 1), QTime(0, 0)) << "week" << 1 << QDateTime(QDate(2021, 1, 9), QTime(0, 0));
        QTest::newRow("2026 week 53 is 31 December") << QByteArray("UTC") << QDateTime(QDate(2026, 6, 1), QTime(0, 0)) << "week" << 53
                                                     << QDateTime(QDate(2026, 12, 31), QTime(0, 0));
        QTest::newRow("week 54 is no week") << QByteArray("UTC") << QDateTime(QDate(2026, 6, 1), QTime(0, 0)) << "week" << 54 << none;
        QTest::newRow("2105-12, a next-month cell lies after the range") << QByteArray("UTC") << QDateTime(QDate(2105, 12, 15), QTime(0, 0)) << "cell"
                                                                         << 41 << none;
        QTest::newRow("1970-01, a previous-month cell lies before the range")
            << QByteArray("UTC") << QDateTime(QDate(1970, 1, 15), QTime(0, 0)) << "cell" << 0 << none;
    }

    void steps()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QDateTime, from);
        QFETCH(QString, step);
        QFETCH(int, argument);
        QFETCH(QDateTime, expected);
        useZone(zone);
        MonthModel model;
        model.show(QDateTime(from.date(), from.time()), from.date());
        const double result = step == QLatin1String("days") ? model.stepByDays(argument)
            : step == QLatin1String("month")               ? model.dayInMonthAway(argument, from.date().day())
            : step == QLatin1String("week")                ? model.dayOfWeek(argument)
                                                           : model.dayOfCell(argument);
        if (!expected.isValid()) {
            QVERIFY(std::isnan(result));
        } else {
            QCOMPARE(QDateTime::fromMSecsSinceEpoch(qint64(result)), QDateTime(expected.date(), expected.time()));
        }
    }

    void changedRows_data()
    {
        QTest::addColumn<QDate>("selected");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("rows");

        QTest::newRow("another day of the month: the two selected cells") << QDate(2026, 3, 20) << QDate(2026, 3, 1) << 2;
        QTest::newRow("today moved on: the two today cells") << QDate(2026, 3, 15) << QDate(2026, 3, 2) << 2;
        QTest::newRow("the same day again: nothing") << QDate(2026, 3, 15) << QDate(2026, 3, 1) << 0;
        QTest::newRow("another month: every cell whose day or month changed") << QDate(2026, 4, 15) << QDate(2026, 3, 1) << 42;
    }

    void changedRows()
    {
        QFETCH(QDate, selected);
        QFETCH(QDate, today);
        QFETCH(int, rows);
        MonthModel model;
        model.show(QDateTime(QDate(2026, 3, 15), QTime(12, 0)), QDate(2026, 3, 1));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy months(&model, &MonthModel::monthChanged);
        model.show(QDateTime(selected, QTime(12, 0)), today);
        QCOMPARE(changed.count(), rows);
        QCOMPARE(months.count(), selected.month() == 3 ? 0 : 1);
    }

    void monthLengths_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("days");

        QTest::newRow("February 2100, not leap") << 2100 << 1 << 28;
        QTest::newRow("February 2000, leap") << 2000 << 1 << 29;
        QTest::newRow("month -1 is December of the year before") << 2026 << -1 << 31;
        QTest::newRow("month 13 is February of the year after") << 2023 << 13 << 29;
        QTest::newRow("February of the year before 1") << 0 << 1 << 29;
        QTest::newRow("no year past the largest") << std::numeric_limits<int>::max() << 12 << 0;
    }

    void monthLengths()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, days);
        QCOMPARE(MonthModel::daysInMonth(year, month), days);
    }
};

QTEST_GUILESS_MAIN(MonthModelTest)

#include "tst_monthmodel.moc"
