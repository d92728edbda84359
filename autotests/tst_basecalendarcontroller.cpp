/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "basecalendarcontroller.h"

#include <QTest>

#include <limits>

using Step = qlonglong (*)(qulonglong);
Q_DECLARE_METATYPE(Step)

class BaseCalendarControllerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void steps_data()
    {
        QTest::addColumn<Step>("step");
        QTest::addColumn<qulonglong>("instant");
        QTest::addColumn<qlonglong>("expected");

        constexpr qulonglong max = std::numeric_limits<qulonglong>::max();
        const Step nextDay = &BaseCalendarController::getDateNextDay;
        const Step dayAgo = &BaseCalendarController::getDateOneDayAgo;
        const Step nextWeek = &BaseCalendarController::getDateNextWeek;
        const Step weekAgo = &BaseCalendarController::getDateOneWeekAgo;

        QTest::newRow("next day of the epoch") << nextDay << 0ULL << 86400000LL;
        QTest::newRow("day before 2 January 1970") << dayAgo << 86400000ULL << 0LL;
        QTest::newRow("day before the epoch wraps to a negative instant") << dayAgo << 0ULL << -86400000LL;
        QTest::newRow("week before the epoch") << weekAgo << 0ULL << -604800000LL;
        QTest::newRow("next week of 1969-12-31 23:00 UTC given as two's complement")
            << nextWeek << qulonglong(-3600000LL) << 601200000LL;
        QTest::newRow("next day of 1969-12-31 23:00 UTC given as two's complement")
            << nextDay << qulonglong(-3600000LL) << 82800000LL;
        QTest::newRow("day before 1950-01-01 given as two's complement")
            << dayAgo << qulonglong(-631152000000LL) << -631238400000LL;
        QTest::newRow("2026-03-29 00:00 Berlin, next day is 24 hours later")
            << nextDay << 1774738800000ULL << 1774825200000LL;
        QTest::newRow("2026-03-30 00:00 Berlin, day before is 24 hours earlier")
            << dayAgo << 1774821600000ULL << 1774735200000LL;
        QTest::newRow("next day of the largest unsigned instant wraps") << nextDay << max << 86399999LL;
        QTest::newRow("next week of the largest unsigned instant wraps") << nextWeek << max << 604799999LL;
        QTest::newRow("day after the largest signed instant wraps to negative")
            << nextDay << qulonglong(std::numeric_limits<qlonglong>::max())
            << std::numeric_limits<qlonglong>::min() + 86399999LL;
        QTest::newRow("week before the smallest signed instant wraps to positive")
            << weekAgo << qulonglong(std::numeric_limits<qlonglong>::min())
            << std::numeric_limits<qlonglong>::max() - 604799999LL;
    }

    void steps()
    {
        QFETCH(Step, step);
        QFETCH(qulonglong, instant);
        QFETCH(qlonglong, expected);

        QCOMPARE(step(instant), expected);
    }

    void slotsCallableThroughAnyInstance()
    {
        // QML reaches the static slots through the meta-object of an instance.
        BaseCalendarController controller;
        qlonglong result = 0;
        QVERIFY(QMetaObject::invokeMethod(&controller, "getDateNextWeek", Q_RETURN_ARG(qlonglong, result), Q_ARG(qulonglong, 0)));
        QCOMPARE(result, 604800000LL);
        QVERIFY(QMetaObject::invokeMethod(&controller, "getMilliSecondsInOneDay", Q_RETURN_ARG(qlonglong, result)));
        QCOMPARE(result, 86400000LL);
    }
};

QTEST_GUILESS_MAIN(BaseCalendarControllerTest)

#include "tst_basecalendarcontroller.moc"
