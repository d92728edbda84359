/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "currentdatetime.h"

#include <QDateTime>
#include <QMetaEnum>
#include <QTest>

namespace
{
const QVector<int> invalid = {0, 0, 0, -1, -1, -1};

QVector<int> partsOf(const QDateTime &dateTime)
{
    return {dateTime.date().year(),
            dateTime.date().month(),
            dateTime.date().day(),
            dateTime.time().hour(),
            dateTime.time().minute(),
            dateTime.time().second()};
}
}

class CurrentDateTimeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enumeration()
    {
        const QMetaObject &metaObject = CurrentDateTime::staticMetaObject;
        QCOMPARE(metaObject.enumeratorCount(), 1);
        const QMetaEnum values = metaObject.enumerator(0);
        QCOMPARE(values.name(), "DateTimeValue");
        QVERIFY(!values.isFlag());
        QVERIFY(!values.isScoped());
        const char *const keys[] = {"Year", "Month", "Day", "Hour", "Minute", "Second"};
        QCOMPARE(values.keyCount(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(values.key(i), keys[i]);
            QCOMPARE(values.value(i), i);
        }
    }

    // Each row names a zone and an independent way to get its wall-clock time from UTC.
    void currentTime_data()
    {
        QTest::addColumn<QString>("zoneName");
        QTest::addColumn<int>("offsetSeconds");

        QTest::newRow("UTC") << "UTC" << 0;
        QTest::newRow("a UTC-offset identifier") << "UTC+03:00" << 3 * 3600;
        QTest::newRow("a negative UTC-offset identifier") << "UTC-09:30" << -(9 * 3600 + 1800);
        QTest::newRow("Etc/GMT+12 is twelve hours behind") << "Etc/GMT+12" << -12 * 3600;
        QTest::newRow("Pacific/Kiritimati, UTC+14 without daylight saving") << "Pacific/Kiritimati" << 14 * 3600;
        QTest::newRow("Asia/Kolkata, UTC+05:30") << "Asia/Kolkata" << 5 * 3600 + 1800;
    }

    void currentTime()
    {
        QFETCH(QString, zoneName);
        QFETCH(int, offsetSeconds);

        CurrentDateTime currentDateTime;
        // Sample the clock around the call; retry if a second boundary falls between.
        for (int attempt = 0; attempt < 5; ++attempt) {
            const QDateTime before = QDateTime::currentDateTimeUtc();
            const QVector<int> parts = currentDateTime.getDateTimeForTimeZone(zoneName);
            const QDateTime after = QDateTime::currentDateTimeUtc();
            if (before.toSecsSinceEpoch() != after.toSecsSinceEpoch()) {
                continue;
            }
            QDateTime wallClock = before.addSecs(offsetSeconds);
            wallClock.setTimeSpec(Qt::UTC);
            QCOMPARE(parts, partsOf(wallClock));
            return;
        }
        QFAIL("the clock kept crossing second boundaries");
    }

    void zonesOnEitherSideOfTheDateLineDiffer()
    {
        // 25 hours apart: their days of the month differ at every instant.
        CurrentDateTime currentDateTime;
        const QVector<int> ahead = currentDateTime.getDateTimeForTimeZone(QStringLiteral("Pacific/Kiritimati"));
        const QVector<int> behind = currentDateTime.getDateTimeForTimeZone(QStringLiteral("Pacific/Pago_Pago"));
        QVERIFY(ahead.at(CurrentDateTime::Day) != behind.at(CurrentDateTime::Day));
    }

    void invalidZones_data()
    {
        QTest::addColumn<QString>("zoneName");

        QTest::newRow("not a zone") << "Not/AZone";
        QTest::newRow("plain words") << "half past nine";
        QTest::newRow("an offset out of range") << "UTC+99:00";
        QTest::newRow("a path outside the zone database") << "../../../etc/passwd";
        QTest::newRow("control characters") << QStringLiteral("Europe/\nBerlin");
        QTest::newRow("a very long name") << QString(4096, QLatin1Char('A'));
    }

    void invalidZones()
    {
        QFETCH(QString, zoneName);
        QCOMPARE(CurrentDateTime().getDateTimeForTimeZone(zoneName), invalid);
    }
};

QTEST_GUILESS_MAIN(CurrentDateTimeTest)

#include "tst_currentdatetime.moc"
